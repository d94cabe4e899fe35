#include "AccidentEditorFrm.h"

#include "AccidentUi_p.h"
#include "data/jtLib.h"
#include "equipment/AstProfile.h"
#include "equipment/DeptPickerFrm.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace accidentui;

namespace {

QPlainTextEdit* Memo(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    InstallFocusColour(memo);
    return memo;
}

} // namespace

TAccidentEditorFrm::TAccidentEditorFrm(int assetId, const TAccidentInput& input, TAccidentEdited edited,
                                       QWidget* parent)
    : TADlgFrm(parent), m_edited(std::move(edited)), m_profile(new TAstProfile(Body())) {
    setWindowTitle(QStringLiteral("事故报告"));
    setObjectName(QStringLiteral("AccidentEditorFrm"));
    m_profile->setFixedWidth(230);
    m_profile->ShowAsset(assetId, m_asset);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_profile);
    layout->addWidget(CreateInputs(), 1);
    Show(input);
    resize(680, 400);
}

QWidget* TAccidentEditorFrm::CreateInputs() {
    auto* box = new QWidget(Body());
    m_date = new TjtDateTimePicker(box);
    m_dept = new TjtEdit(box);
    m_dept->setMaxLength(50);
    m_deptButton = new QToolButton(box);
    m_deptButton->setText(QStringLiteral("..."));
    m_class = PickListCombo(kGradeList, box);
    m_prop = PickListCombo(kNatureList, box);
    m_money = new TjtEdit(box);
    m_money->SetEditType(etNumber);
    m_money->SetAlignment(taRightJustify);
    auto* deptRow = new QHBoxLayout;
    deptRow->setSpacing(1);
    deptRow->addWidget(m_dept, 1);
    deptRow->addWidget(m_deptButton);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("事故日期"), m_date);
    form->addRow(QStringLiteral("事故部门"), deptRow);
    form->addRow(QStringLiteral("事故级别"), m_class);
    form->addRow(QStringLiteral("事故性质"), m_prop);
    form->addRow(QStringLiteral("经济损失"), m_money);

    m_tabs = new QTabWidget(box);
    m_brief = Memo(m_tabs);
    m_invests = Memo(m_tabs);
    m_summery = Memo(m_tabs);
    m_tabs->addTab(m_brief, QStringLiteral("事故经过"));
    m_tabs->addTab(m_invests, QStringLiteral("事故调查"));
    m_tabs->addTab(m_summery, QStringLiteral("防范总结"));

    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(form);
    column->addWidget(m_tabs, 1);
    connect(m_deptButton, &QToolButton::clicked, this, &TAccidentEditorFrm::DeptClick);
    return box;
}

void TAccidentEditorFrm::Show(const TAccidentInput& input) {
    m_date->SetAsDate(input.AccDate.isValid() ? QVariant(input.AccDate) : QVariant());
    m_dept->setText(input.AccDept);
    m_class->setEditText(input.AccClass);
    m_prop->setEditText(input.AccProp);
    m_money->SetAsDouble(input.AccMoney);
    m_brief->setPlainText(input.AccBrief);
    m_invests->setPlainText(input.Invests);
    m_summery->setPlainText(input.Summery);
}

void TAccidentEditorFrm::DeptClick() {
    PickDepartment(QString(), [this](const QString&, const QString&, const QString& path) {
        m_dept->setText(path);
        return true;
    }, this);
}

void TAccidentEditorFrm::accept() {
    TAccidentInput input;
    try {
        input.AccMoney = m_money->AsDouble();
    } catch (const EConvertError& e) {
        ShowInfo(e.Message());
        m_money->setFocus();
        return;
    }
    input.AccDate = m_date->date();
    input.AccDept = m_dept->text();
    input.AccClass = m_class->currentText();
    input.AccProp = m_prop->currentText();
    input.AccBrief = m_brief->toPlainText();
    input.Invests = m_invests->toPlainText();
    input.Summery = m_summery->toPlainText();
    if (m_edited && !m_edited(m_asset, input)) return;
    TADlgFrm::accept();
}
