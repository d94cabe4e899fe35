#include "FilterFrm.h"

#include "platform/dataset/DataSet.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

const QStringList& OperatorNames() {
    static const QStringList names = QStringLiteral(
        "等于,不等于,大于,小于,大于等于,小于等于,包含,不包含,以...开头,不以...开头,以...结尾,不以...结尾")
                                         .split(u',');
    return names;
}

const QStringList& OperatorCodes() {
    static const QStringList codes{
        QStringLiteral("="),       QStringLiteral("<>"),          QStringLiteral(">"),
        QStringLiteral("<"),       QStringLiteral(">="),          QStringLiteral("<="),
        QStringLiteral("like"),    QStringLiteral("not like"),    QStringLiteral("like x%"),
        QStringLiteral("not like x%"), QStringLiteral("like %x"), QStringLiteral("not like %x")};
    return codes;
}

// Radio positions of "括号" and "与下一条指令的关系".
const QStringList kBrackets{QStringLiteral("("), QStringLiteral(")"), QString()};
const QStringList kRelations{QStringLiteral(" and"), QStringLiteral(" or"), QString()};
const QStringList kRelationDisplays{QStringLiteral(" 并且"), QStringLiteral(" 或者"), QString()};

// A name the filter syntax reads as a field only between brackets (blanks, reserved words).
QString FilterName(const QString& name) {
    static const QRegularExpression plain(QStringLiteral("^[\\p{L}_][\\p{L}\\p{N}_]*$"));
    static const QStringList reserved{QStringLiteral("and"),  QStringLiteral("or"),
                                      QStringLiteral("not"),  QStringLiteral("like"),
                                      QStringLiteral("is"),   QStringLiteral("null"),
                                      QStringLiteral("true"), QStringLiteral("false")};
    if (plain.match(name).hasMatch() && !reserved.contains(name, Qt::CaseInsensitive)) return name;
    return u'[' + name + u']';
}

QString Quoted(QString text) {
    return text.replace(u'\'', QStringLiteral("''"));
}

// The field's false and true texts, from its display values "true text;false text".
QStringList BooleanTexts(const Field& field) {
    const QStringList parts = field.DisplayFormat().split(u';');
    if (parts.size() >= 2) return {parts[1], parts[0]};
    return {QStringLiteral("False"), QStringLiteral("True")};
}

QStringList Composed(const QStringList& items, const QStringList& brackets,
                     const QStringList& relations) {
    QStringList lines;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (brackets[i] == u"(") lines.append(u'(' + items[i] + relations[i]);
        else if (brackets[i] == u")") lines.append(items[i] + u')' + relations[i]);
        else lines.append(items[i] + relations[i]);
    }
    return lines;
}

QButtonGroup* RadioGroup(QGroupBox* box, const QStringList& texts, int columns) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QGridLayout(box);
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], box);
        group->addButton(button, i);
        layout->addWidget(button, i / columns, i % columns);
    }
    return group;
}

} // namespace

TFilterFrm::TFilterFrm(QWidget* parent)
    : TADlgFrm(parent), m_fieldBox(new QComboBox(Body())), m_operatorBox(new QComboBox(Body())),
      m_valueBox(new QGroupBox(QStringLiteral("值"), Body())), m_lines(new QListWidget(Body())),
      m_status(new QLabel(this)), m_build(new QPushButton(QStringLiteral("生成"), Body())),
      m_clear(new QPushButton(QStringLiteral("清除"), Body())) {
    setWindowTitle(QStringLiteral("过滤/筛选"));
    m_fieldBox->setEditable(false);
    m_operatorBox->setEditable(false);
    m_fieldBox->setMinimumWidth(140);
    // The value control goes above a stretch that only the memo, which fills the box, cancels.
    auto* valueLayout = new QVBoxLayout(m_valueBox);
    valueLayout->addStretch(1);
    m_valueBox->setMinimumHeight(90);

    auto* bracketBox = new QGroupBox(QStringLiteral("括号"), Body());
    m_brackets = RadioGroup(bracketBox,
                            {QStringLiteral("左括号"), QStringLiteral("右括号"), QStringLiteral("无括号")}, 3);
    auto* relationBox = new QGroupBox(QStringLiteral("与下一条指令的关系"), Body());
    m_relations = RadioGroup(relationBox,
                             {QStringLiteral("并且"), QStringLiteral("或者"), QStringLiteral("无关系")}, 3);

    auto* condition = new QGridLayout;
    condition->addWidget(new QLabel(QStringLiteral("对象"), Body()), 0, 0);
    condition->addWidget(m_fieldBox, 1, 0);
    condition->addWidget(new QLabel(QStringLiteral("运算符"), Body()), 0, 1);
    condition->addWidget(m_operatorBox, 1, 1);
    condition->addWidget(m_valueBox, 2, 0, 1, 2);
    auto* buildRow = new QHBoxLayout;
    buildRow->addStretch(1);
    buildRow->addWidget(m_build);
    condition->addLayout(buildRow, 3, 0, 1, 2);

    auto* listSide = new QVBoxLayout;
    listSide->addWidget(new QLabel(QStringLiteral("指令列表"), Body()));
    listSide->addWidget(m_lines, 1);
    listSide->addWidget(bracketBox);
    listSide->addWidget(relationBox);
    auto* clearRow = new QHBoxLayout;
    clearRow->addStretch(1);
    clearRow->addWidget(m_clear);
    listSide->addLayout(clearRow);

    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(condition, 1);
    layout->addLayout(listSide, 1);

    // The status strip sits at the very bottom, below the buttons.
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    static_cast<QVBoxLayout*>(this->layout())->addWidget(m_status);
    resize(620, 380);

    connect(m_fieldBox, &QComboBox::currentIndexChanged, this, &TFilterFrm::FieldChosen);
    connect(m_build, &QPushButton::clicked, this, &TFilterFrm::AddCondition);
    connect(m_clear, &QPushButton::clicked, this, &TFilterFrm::RemoveCondition);
    connect(m_lines, &QListWidget::currentRowChanged, this, &TFilterFrm::LineSelected);
    connect(m_brackets, &QButtonGroup::idClicked, this, &TFilterFrm::BracketChosen);
    connect(m_relations, &QButtonGroup::idClicked, this, &TFilterFrm::RelationChosen);
}

void TFilterFrm::InitFrm(DataSet& data) {
    m_data = &data;
    QStringList labels;
    for (int i = 0; i < data.FieldCount(); ++i) labels.append(data.Fields(i).DisplayLabel());
    m_fieldBox->clear();
    m_fieldBox->addItems(labels);
}

void TFilterFrm::FieldChosen(int index) {
    delete m_valueControl;
    m_valueChoice = nullptr;
    if (!m_data || index < 0 || index >= m_data->FieldCount()) return;
    const Field& field = m_data->Fields(index);
    QStringList names = OperatorNames();
    QStringList codes = OperatorCodes();
    QWidget* control = nullptr;
    switch (field.Kind()) {
    case FieldKind::String:
        control = new QLineEdit(m_valueBox);
        break;
    case FieldKind::Integer:
    case FieldKind::Float:
        control = new QLineEdit(m_valueBox);
        names = names.mid(0, 6);
        codes = codes.mid(0, 6);
        break;
    case FieldKind::Boolean: {
        control = new QWidget(m_valueBox);
        auto* layout = new QGridLayout(control);
        layout->setContentsMargins(0, 0, 0, 0);
        m_valueChoice = new QButtonGroup(control);
        const QStringList texts = BooleanTexts(field);
        for (int i = 0; i < 2; ++i) {
            auto* button = new QRadioButton(texts[i], control);
            m_valueChoice->addButton(button, i);
            layout->addWidget(button, 0, i);
        }
        names = {QStringLiteral("等于"), QStringLiteral("不等于")};
        codes = {QStringLiteral("="), QStringLiteral("<>")};
        break;
    }
    case FieldKind::DateTime: {
        auto* date = new QDateEdit(QDate::currentDate(), m_valueBox);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->setCalendarPopup(true);
        control = date;
        names = names.mid(0, 6);
        codes = codes.mid(0, 6);
        break;
    }
    case FieldKind::Memo: {
        auto* memo = new QPlainTextEdit(m_valueBox);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        control = memo;
        break;
    }
    case FieldKind::Blob:
        return;
    }
    m_valueControl = control;
    auto* valueLayout = static_cast<QVBoxLayout*>(m_valueBox->layout());
    const bool fills = field.Kind() == FieldKind::Memo;
    valueLayout->insertWidget(0, control, fills ? 1 : 0);
    valueLayout->setStretch(1, fills ? 0 : 1);
    m_operatorCodes = codes;
    m_operatorBox->clear();
    m_operatorBox->addItems(names);
    m_operatorBox->setCurrentIndex(0);
}

QString TFilterFrm::ValueText() const {
    if (auto* edit = qobject_cast<QLineEdit*>(m_valueControl.data())) return edit->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(m_valueControl.data())) return memo->toPlainText();
    if (auto* date = qobject_cast<QDateEdit*>(m_valueControl.data()))
        return u'\'' + date->date().toString(QStringLiteral("yyyy-MM-dd")) + u'\'';
    if (m_valueChoice) return QString::number(m_valueChoice->checkedId());
    return {};
}

QString TFilterFrm::ValueDisplay() const {
    if (m_valueChoice) {
        const QAbstractButton* chosen = m_valueChoice->checkedButton();
        return chosen ? chosen->text() : QString();
    }
    return ValueText();
}

void TFilterFrm::AddCondition() {
    if (!m_valueControl || !m_data) return;
    const int fieldIndex = m_fieldBox->currentIndex();
    const int opIndex = m_operatorBox->currentIndex();
    if (fieldIndex < 0 || opIndex < 0 || opIndex >= m_operatorCodes.size()) return;
    const Field& field = m_data->Fields(fieldIndex);
    const QString& op = m_operatorCodes[opIndex];
    const QString v = ValueText();
    QString condition = FilterName(field.FieldName());
    if (!field.IsText()) {
        condition += u' ' + op + u' ' + v;
    } else {
        // Inner quotes are doubled so that a typed apostrophe stays part of the value.
        const QString q = Quoted(v);
        if (op == u"like") condition += QStringLiteral(" like '%") + q + QStringLiteral("%'");
        else if (op == u"not like") condition += QStringLiteral(" not like '%") + q + QStringLiteral("%'");
        else if (op == u"like x%") condition += QStringLiteral(" like '") + q + QStringLiteral("%'");
        else if (op == u"not like x%") condition += QStringLiteral(" not like '") + q + QStringLiteral("%'");
        else if (op == u"like %x") condition += QStringLiteral(" like '%") + q + u'\'';
        else if (op == u"not like %x") condition += QStringLiteral(" not like '%") + q + u'\'';
        else condition += u' ' + op + QStringLiteral(" '") + q + u'\'';
    }
    const QString opName = m_operatorBox->currentText();
    const QString shown = u'"' + ValueDisplay() + u'"';
    QString display = field.DisplayLabel();
    if (opName.contains(QStringLiteral("..."))) display += QString(opName).replace(QStringLiteral("..."), shown);
    else display += opName + shown;

    m_conditions.append(condition);
    m_displays.append(display);
    m_lineBrackets.append(QString());
    m_lineRelations.append(QString());
    m_relationDisplays.append(QString());
    SumExpresses();
}

void TFilterFrm::SumExpresses() {
    m_composed = Composed(m_conditions, m_lineBrackets, m_lineRelations);
    m_composedDisplays = Composed(m_displays, m_lineBrackets, m_relationDisplays);
    m_updating = true;
    m_lines->clear();
    m_lines->addItems(m_composedDisplays);
    m_updating = false;
}

void TFilterFrm::LineSelected(int row) {
    if (m_updating || row < 0 || row >= m_composed.size()) return;
    m_status->setText(m_composed[row]);
    m_brackets->button(int(kBrackets.indexOf(m_lineBrackets[row])))->setChecked(true);
    m_relations->button(int(kRelations.indexOf(m_lineRelations[row])))->setChecked(true);
}

void TFilterFrm::BracketChosen(int position) {
    const int row = m_lines->currentRow();
    if (row < 0 || row >= m_composed.size()) return;
    m_lineBrackets[row] = kBrackets[position];
    SumExpresses();
    m_lines->setCurrentRow(row);
}

void TFilterFrm::RelationChosen(int position) {
    const int row = m_lines->currentRow();
    if (row < 0 || row >= m_composed.size()) return;
    m_lineRelations[row] = kRelations[position];
    m_relationDisplays[row] = kRelationDisplays[position];
    SumExpresses();
    m_lines->setCurrentRow(row);
}

void TFilterFrm::RemoveCondition() {
    const int row = m_lines->currentRow();
    if (row < 0 || row >= m_composed.size()) return;
    for (QStringList* list :
         {&m_conditions, &m_displays, &m_lineBrackets, &m_lineRelations, &m_relationDisplays})
        list->removeAt(row);
    m_status->clear();
    SumExpresses();
    if (m_lines->count() > 0) m_lines->setCurrentRow(0);
}

QString TFilterFrm::GetFilterStr() const {
    QString filter;
    for (const QString& line : m_composed) filter += u' ' + line;
    return filter;
}
