#include "AccessoryEditorFrm.h"

#include "AstProfile.h"
#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "data/jtLib.h"
#include "ui/jtComboBox.h"
#include "ui/jtEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int kUnitList = 106;
constexpr int kClassList = 108;

TjtEdit* TextInput(const QString& name, int size, QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(size);
    return edit;
}

QComboBox* PickListCombo(const QString& name, int key, int size, QWidget* parent) {
    auto* combo = new TjtComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->addItems(PickLists.Items(key));
    combo->setCurrentIndex(-1);
    combo->lineEdit()->setMaxLength(size);
    return combo;
}

// Null when left empty; a text that is no number raises its message in Chinese.
QVariant NumberOf(const TjtEdit* edit) {
    return edit->text().trimmed().isEmpty() ? QVariant() : QVariant(edit->AsDouble());
}

} // namespace

TAccessoryEditorFrm::TAccessoryEditorFrm(int assetId, const TAccessoryInput& input,
                                         TAccessoryEdited edited, QWidget* parent)
    : TADlgFrm(parent), m_edited(std::move(edited)), m_profile(new TAstProfile(Body())) {
    setWindowTitle(QStringLiteral("附件"));
    setObjectName(QStringLiteral("AccessoryEditorFrm"));
    m_profile->ShowAsset(assetId, m_asset);
    m_profile->setFixedHeight(150);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_profile);
    layout->addWidget(CreateInputs(), 1);
    Show(input);
    resize(520, 460);
}

QWidget* TAccessoryEditorFrm::CreateInputs() {
    auto* box = new QWidget(Body());
    m_name = TextInput(QStringLiteral("ProductName"), 50, box);
    m_partNo = TextInput(QStringLiteral("PartNo"), 50, box);
    m_madein = TextInput(QStringLiteral("Madein"), 50, box);
    m_unit = PickListCombo(QStringLiteral("Unit"), kUnitList, 20, box);
    m_class = PickListCombo(QStringLiteral("ClassA"), kClassList, 30, box);
    m_remark = TextInput(QStringLiteral("Remark"), 50, box);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 4, 0, 0);
    const auto row = [box, grid](int line, int column, const QString& caption, QWidget* input) {
        grid->addWidget(new QLabel(caption, box), line, column * 2);
        grid->addWidget(input, line, column * 2 + 1);
    };
    row(0, 0, QStringLiteral("名称"), m_name);
    row(0, 1, QStringLiteral("规格"), m_partNo);
    row(1, 0, QStringLiteral("产地"), m_madein);
    row(1, 1, QStringLiteral("单位"), m_unit);
    row(2, 0, QStringLiteral("分类"), m_class);
    for (int i = 0; i < 3; ++i) {
        m_texts[size_t(i)] = TextInput(QStringLiteral("S%1").arg(i + 1), 50, box);
        m_numbers[size_t(i)] = TextInput(QStringLiteral("F%1").arg(i + 1), 32, box);
        m_numbers[size_t(i)]->SetEditType(etNumber);
        m_numbers[size_t(i)]->SetAlignment(taRightJustify);
        row(3 + i, 0, AppLabels.AccessoryStr.value(i), m_texts[size_t(i)]);
        row(3 + i, 1, AppLabels.AccessoryFloat.value(i), m_numbers[size_t(i)]);
    }
    grid->addWidget(new QLabel(QStringLiteral("备注"), box), 6, 0);
    grid->addWidget(m_remark, 6, 1, 1, 3);
    grid->setRowStretch(7, 1);
    return box;
}

void TAccessoryEditorFrm::Show(const TAccessoryInput& input) {
    m_name->setText(input.ProductName);
    m_partNo->setText(input.PartNo);
    m_madein->setText(input.Madein);
    m_unit->setEditText(input.Unit);
    m_class->setEditText(input.ClassA);
    for (size_t i = 0; i < 3; ++i) {
        m_texts[i]->setText(input.S[i]);
        m_numbers[i]->SetAsVariant(input.F[i]);
    }
    m_remark->setText(input.Remark);
}

void TAccessoryEditorFrm::accept() {
    TAccessoryInput input;
    for (size_t i = 0; i < 3; ++i) {
        try {
            input.F[i] = NumberOf(m_numbers[i]);
        } catch (const EConvertError& e) {
            ShowInfo(e.Message());
            m_numbers[i]->setFocus();
            return;
        }
        input.S[i] = m_texts[i]->text();
    }
    input.ProductName = m_name->text();
    input.PartNo = m_partNo->text();
    input.Madein = m_madein->text();
    input.Unit = m_unit->currentText();
    input.ClassA = m_class->currentText();
    input.Remark = m_remark->text();
    if (m_edited && !m_edited(m_asset, input)) return;
    TADlgFrm::accept();
}
