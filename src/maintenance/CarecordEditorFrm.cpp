#include "CarecordEditorFrm.h"

#include "AccidentUi_p.h"
#include "equipment/AstProfile.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace {

constexpr int kStaffList = 114;

QLineEdit* Shown(const QString& text, QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->setReadOnly(true);
    edit->setText(text);
    return edit;
}

QString NumberText(const QVariant& value) {
    return value.isNull() || !value.isValid() ? QString() : QString::number(value.toDouble());
}

} // namespace

TCarecordEditorFrm::TCarecordEditorFrm(const TCareitemData& item, const TCarecordData& record,
                                       TCarecordEdited edited, QWidget* parent)
    : TADlgFrm(parent), m_edited(std::move(edited)), m_item(item), m_record(record),
      m_profile(new TAstProfile(Body())), m_name(Shown(item.ciCarename, Body())),
      m_itemName(Shown(item.ciCareitem, Body())), m_days(Shown(NumberText(item.ciFixedays), Body())),
      m_hours(Shown(NumberText(item.ciPlanhours), Body())), m_date(new TjtDateTimePicker(Body())),
      m_work(new QPlainTextEdit(Body())), m_man(accidentui::PickListCombo(kStaffList, Body())) {
    setWindowTitle(QStringLiteral("保养记录"));
    setObjectName(QStringLiteral("CarecordEditorFrm"));
    m_profile->setFixedWidth(230);
    m_profile->ShowAsset(item.ciAssetId, m_asset);
    const bool dated = record.crCaredate.isValid() && !record.crCaredate.isNull();
    m_date->SetAsDate(dated ? record.crCaredate.toDate() : QDate::currentDate());
    m_work->setPlainText(record.crCaretents);
    InstallFocusColour(m_work);
    m_man->setEditText(record.crCareman);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("保养名称"), m_name);
    form->addRow(QStringLiteral("保养项目"), m_itemName);
    form->addRow(QStringLiteral("定检天数"), m_days);
    form->addRow(QStringLiteral("计划工时"), m_hours);
    form->addRow(QStringLiteral("保养日期"), m_date);
    form->addRow(QStringLiteral("保养人"), m_man);
    form->addRow(QStringLiteral("工作内容"), m_work);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_profile);
    layout->addLayout(form, 1);
    resize(640, 400);
}

void TCarecordEditorFrm::accept() {
    TCarecordData record = m_record;
    record.crCaredate = m_date->date();
    record.crCareman = m_man->currentText();
    record.crCaretents = m_work->toPlainText();
    if (m_edited && !m_edited(m_asset, m_item, record)) return;
    TADlgFrm::accept();
}
