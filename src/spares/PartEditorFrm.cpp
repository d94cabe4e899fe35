#include "PartEditorFrm.h"

#include "PartLabels.h"
#include "admin/KeyValue.h"
#include "data/jtLib.h"
#include "ui/ADlgFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtEdit.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kClassList = 109;
constexpr int kStatusList = 107;

QString Numbered(char prefix, size_t index) {
    return QStringLiteral("%1%2").arg(QLatin1Char(prefix)).arg(index + 1);
}

} // namespace

TPartEditorFrm::TPartEditorFrm(TEdited edited, QWidget* parent)
    : TaFrm(parent), m_edited(std::move(edited)), m_remarks(new QPlainTextEdit(this)),
      m_ok(new QPushButton(QStringLiteral("确定"), this)),
      m_cancel(new QPushButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("备件"));
    auto* left = new QFormLayout;
    auto* right = new QFormLayout;
    for (size_t i = 0; i < 8; ++i)
        left->addRow(PartLabel(Numbered('S', i)), NewEdit(Numbered('S', i), false));
    for (size_t i = 0; i < 5; ++i)
        right->addRow(PartLabel(Numbered('F', i)), NewEdit(Numbered('F', i), true));
    right->addRow(PartLabel(QStringLiteral("ClassA")),
                  NewCombo(QStringLiteral("ClassA"), kClassList));
    right->addRow(PartLabel(QStringLiteral("Status")),
                  NewCombo(QStringLiteral("Status"), kStatusList));
    right->addRow(QStringLiteral("库存下限"), NewEdit(QStringLiteral("MinQty"), true));
    m_inputs.insert(QStringLiteral("Remarks"), m_remarks);
    m_remarks->setTabChangesFocus(true);
    m_remarks->setFixedHeight(60);

    auto* columns = new QGridLayout;
    columns->addLayout(left, 0, 0);
    columns->addLayout(right, 0, 1);
    auto* remarks = new QFormLayout;
    remarks->addRow(PartLabel(QStringLiteral("Remarks")), m_remarks);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(remarks);
    layout->addLayout(ButtonRow({m_ok, m_cancel}));
    connect(m_ok, &QPushButton::clicked, this, &TPartEditorFrm::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    SetValues(TPartValues());
}

TjtEdit* TPartEditorFrm::NewEdit(const QString& fieldName, bool number) {
    auto* edit = new TjtEdit(this);
    if (number) {
        edit->SetEditType(etNumber);
        edit->SetAlignment(taRightJustify);
        m_numbers.append(edit);
    } else {
        edit->setMaxLength(50);
    }
    edit->setMinimumWidth(180);
    m_inputs.insert(fieldName, edit);
    return edit;
}

QComboBox* TPartEditorFrm::NewCombo(const QString& fieldName, int pickList) {
    auto* combo = new TjtComboBox(this);
    combo->setEditable(true);
    combo->addItems(PickLists.Items(pickList));
    combo->lineEdit()->setMaxLength(fieldName == u"ClassA" ? 30 : 20);
    m_inputs.insert(fieldName, combo);
    return combo;
}

void TPartEditorFrm::SetValues(const TPartValues& v) {
    for (size_t i = 0; i < v.S.size(); ++i)
        qobject_cast<QLineEdit*>(Input(Numbered('S', i)))->setText(v.S[i]);
    for (size_t i = 0; i < v.F.size(); ++i)
        qobject_cast<TjtEdit*>(Input(Numbered('F', i)))->SetAsDouble(v.F[i]);
    qobject_cast<QComboBox*>(Input(QStringLiteral("ClassA")))->setEditText(v.ClassA);
    qobject_cast<QComboBox*>(Input(QStringLiteral("Status")))->setEditText(v.Status);
    m_remarks->setPlainText(v.Remarks);
    auto* minimum = qobject_cast<TjtEdit*>(Input(QStringLiteral("MinQty")));
    minimum->SetAsDouble(v.MinQty);
    // The minimum shows its 0, which a number input would leave blank.
    if (minimum->text().isEmpty()) minimum->setText(QStringLiteral("0"));
}

QString TPartEditorFrm::Text(const QString& fieldName) const {
    QWidget* input = Input(fieldName);
    if (auto* combo = qobject_cast<QComboBox*>(input)) return combo->currentText();
    return qobject_cast<QLineEdit*>(input)->text();
}

double TPartEditorFrm::Number(const QString& fieldName) const {
    return qobject_cast<TjtEdit*>(Input(fieldName))->AsDouble();
}

TPartValues TPartEditorFrm::Values() const {
    TPartValues v;
    for (size_t i = 0; i < v.S.size(); ++i)
        v.S[i] = Text(Numbered('S', i));
    for (size_t i = 0; i < v.F.size(); ++i)
        v.F[i] = Number(Numbered('F', i));
    v.ClassA = Text(QStringLiteral("ClassA"));
    v.Status = Text(QStringLiteral("Status"));
    v.Remarks = m_remarks->toPlainText();
    v.MinQty = Number(QStringLiteral("MinQty"));
    return v;
}

bool TPartEditorFrm::NumbersValid() {
    for (TjtEdit* edit : m_numbers) {
        try {
            edit->AsDouble();
        } catch (const EConvertError& e) {
            ShowInfo(e.Message());
            edit->setFocus();
            return false;
        }
    }
    return true;
}

void TPartEditorFrm::accept() {
    if (!NumbersValid()) return;
    const TPartValues values = Values();
    if (m_edited) m_edited(values);
    TaFrm::accept();
}
