#include "CodeRightEditorFrm.h"

#include "jtEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kDeptHelp[] = {
    "1.只允许查看某个部门,则输入UseDeptId='01', 01是对应部门的编码;",
    "2.允许查看多个部门,则输入UseDeptId in ('01', '0200', '03'), "
    "01及0200及03是对应的多个部门编码,中间请用逗号隔开;",
    "3.允许查看下级部门,则输入UseDeptId like '01%%'",
    "4.允许查看所有部门,则请空白",
};

template <class T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString DeptHelpText() {
    QStringList items;
    for (const char* item : kDeptHelp)
        items.append(QString::fromUtf8(item));
    return items.join(QStringLiteral("\n\n"));
}

// Text columns left empty stay null, as rows made for new operators have them.
QVariant TextValue(const TjtEdit* edit) {
    return edit->text().isEmpty() ? QVariant() : QVariant(edit->text());
}

} // namespace

TCodeRightEditorFrm::TCodeRightEditorFrm(QWidget* parent)
    : TADlgFrm(parent), lbLogins1(Named(new QListWidget(Body()), "lbLogins1")),
      lblLoginId1(Named(new QLabel(Body()), "lblLoginId1")), rgIsFree1(new QButtonGroup(this)),
      rbFree1(Named(new QRadioButton(QStringLiteral("不限制")), "rbFree1")),
      rbPrefix1(
          Named(new QRadioButton(QStringLiteral("只能增、删、改、查询符合以下编码规则的设备资料")),
                "rbPrefix1")),
      edtPrefix1(Named(new TjtEdit, "edtPrefix1")), edtPostfix1(Named(new TjtEdit, "edtPostfix1")),
      edtBeginInt1(Named(new TjtEdit, "edtBeginInt1")),
      edtEndInt1(Named(new TjtEdit, "edtEndInt1")), edtDigit1(Named(new TjtEdit, "edtDigit1")),
      edtDeptSql1(Named(new TjtEdit, "edtDeptSql1")),
      cbValueVisible1(Named(new QCheckBox(QStringLiteral("设备原值")), "cbValueVisible1")),
      cbPartnoVisible1(Named(new QCheckBox(QStringLiteral("型号规格(默认)")), "cbPartnoVisible1")),
      cbFactoryVisible1(
          Named(new QCheckBox(QStringLiteral("制造厂家(默认)")), "cbFactoryVisible1")),
      cbDayEdit1(Named(new QCheckBox(QStringLiteral("用户只能修改当天的设备")), "cbDayEdit1")),
      cbChangeHint1(
          Named(new QCheckBox(QStringLiteral("启动时提示待批的设备变更申请")), "cbChangeHint1")) {
    setWindowTitle(QStringLiteral("高级权限"));
    rgIsFree1->addButton(rbFree1);
    rgIsFree1->addButton(rbPrefix1);
    lbLogins1->setMinimumWidth(140);

    auto* detail = new QWidget(Body());
    detail->setObjectName(QStringLiteral("pnlDetail1"));
    auto* operatorRow = new QHBoxLayout;
    operatorRow->addWidget(new QLabel(QStringLiteral("操作员"), detail));
    operatorRow->addWidget(lblLoginId1, 1);
    auto* detailLayout = new QVBoxLayout(detail);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    detailLayout->addLayout(operatorRow);
    detailLayout->addWidget(CreateCodeGroup());
    detailLayout->addWidget(CreateDeptGroup());
    detailLayout->addWidget(CreateSecrecyGroup());
    detailLayout->addWidget(cbDayEdit1);
    detailLayout->addWidget(cbChangeHint1);
    detailLayout->addStretch(1);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lbLogins1);
    layout->addWidget(detail, 1);

    m_rights.Load();
    const ::DataSet& rows = m_rights.DataSet();
    for (int row = 0; row < rows.RecordCount(); ++row)
        lbLogins1->addItem(rows.ValueAt(row, m_rights.LoginIdFld->Index()).toString());
    // With no operator to restrict there is nothing to edit; OK still saves the empty table.
    detail->setEnabled(lbLogins1->count() > 0);
    connect(lbLogins1, &QListWidget::currentRowChanged, this, &TCodeRightEditorFrm::LoginChanged);
    if (lbLogins1->count() > 0) lbLogins1->setCurrentRow(0);
}

QWidget* TCodeRightEditorFrm::CreateCodeGroup() {
    auto* group = new QGroupBox(QStringLiteral("通过设备编码控制"));
    auto* fields = new QGridLayout;
    const auto add = [&](int column, const char* label, TjtEdit* edit) {
        fields->addWidget(new QLabel(QString::fromUtf8(label), group), 0, column * 2);
        fields->addWidget(edit, 0, column * 2 + 1);
    };
    add(0, "前缀", edtPrefix1);
    add(1, "尾缀", edtPostfix1);
    add(2, "起始", edtBeginInt1);
    add(3, "结止", edtEndInt1);
    add(4, "长度", edtDigit1);
    // The rest of the code rule stays in the table but is not edited here.
    for (int column = 2; column < fields->columnCount(); ++column)
        fields->itemAtPosition(0, column)->widget()->hide();
    fields->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(rbFree1);
    layout->addWidget(rbPrefix1);
    layout->addLayout(fields);
    return group;
}

QWidget* TCodeRightEditorFrm::CreateDeptGroup() {
    auto* group = new QGroupBox(QStringLiteral("通过使用部门控制"));
    auto* help = Named(new QPlainTextEdit(DeptHelpText(), group), "memDeptHelp1");
    help->setReadOnly(true);
    help->setFocusPolicy(Qt::NoFocus);
    help->setMinimumHeight(180);
    auto* warning = Named(
        new QLabel(QStringLiteral("请严格按照上述填写, 否则会导致无法读取数据并出错。"), group),
        "lblWarning1");
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    warning->setPalette(red);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("只能查询以下部门的设备记录"), group));
    layout->addWidget(edtDeptSql1);
    layout->addWidget(help);
    layout->addWidget(warning);
    return group;
}

QWidget* TCodeRightEditorFrm::CreateSecrecyGroup() {
    auto* group = new QGroupBox(QStringLiteral("对信息的保密控制,请在允许查看的信息前打钩"));
    auto* layout = new QHBoxLayout(group);
    for (QCheckBox* box : {cbValueVisible1, cbPartnoVisible1, cbFactoryVisible1})
        layout->addWidget(box);
    layout->addStretch(1);
    return group;
}

void TCodeRightEditorFrm::ShowRow(int row) {
    const ::DataSet& rows = m_rights.DataSet();
    const auto value = [&](const Field* f) { return rows.ValueAt(row, f->Index()); };
    lblLoginId1->setText(value(m_rights.LoginIdFld).toString());
    // A row not yet decided shows neither choice.
    const QVariant isFree = value(m_rights.IsFreeFld);
    rgIsFree1->setExclusive(false);
    rbFree1->setChecked(isFree.isValid() && isFree.toBool());
    rbPrefix1->setChecked(isFree.isValid() && !isFree.toBool());
    rgIsFree1->setExclusive(true);
    edtPrefix1->setText(value(m_rights.PrefixFld).toString());
    edtPostfix1->setText(value(m_rights.PostfixFld).toString());
    edtBeginInt1->setText(value(m_rights.BeginIntFld).toString());
    edtEndInt1->setText(value(m_rights.EndIntFld).toString());
    edtDigit1->setText(value(m_rights.DigitFld).toString());
    edtDeptSql1->setText(value(m_rights.DeptSqlFld).toString());
    cbValueVisible1->setChecked(value(m_rights.ValueVisibleFld).toBool());
    cbPartnoVisible1->setChecked(value(m_rights.PartnoVisibleFld).toBool());
    cbFactoryVisible1->setChecked(value(m_rights.FactoryVisibleFld).toBool());
    cbDayEdit1->setChecked(value(m_rights.DayEditFld).toBool());
    cbChangeHint1->setChecked(value(m_rights.ChangeHintFld).toBool());
    m_shown = row;
}

void TCodeRightEditorFrm::StoreRow(int row) {
    ::DataSet& rows = m_rights.DataSet();
    rows.SetRecNo(row + 1);
    rows.Edit();
    if (rbFree1->isChecked() || rbPrefix1->isChecked())
        m_rights.IsFreeFld->SetAsBoolean(rbFree1->isChecked());
    else
        m_rights.IsFreeFld->Clear();
    m_rights.PrefixFld->SetValue(TextValue(edtPrefix1));
    m_rights.DeptSqlFld->SetValue(TextValue(edtDeptSql1));
    m_rights.ValueVisibleFld->SetAsBoolean(cbValueVisible1->isChecked());
    m_rights.PartnoVisibleFld->SetAsBoolean(cbPartnoVisible1->isChecked());
    m_rights.FactoryVisibleFld->SetAsBoolean(cbFactoryVisible1->isChecked());
    m_rights.DayEditFld->SetAsBoolean(cbDayEdit1->isChecked());
    m_rights.ChangeHintFld->SetAsBoolean(cbChangeHint1->isChecked());
    rows.Post();
}

void TCodeRightEditorFrm::LoginChanged(int row) {
    if (m_shown >= 0) StoreRow(m_shown);
    if (row >= 0) ShowRow(row);
}

void TCodeRightEditorFrm::accept() {
    if (m_shown >= 0) StoreRow(m_shown);
    if (m_rights.Save()) TADlgFrm::accept();
}
