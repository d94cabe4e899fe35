#include "CareitemEditorFrm.h"

#include "AccidentUi_p.h"
#include "data/jtLib.h"
#include "equipment/AstProfile.h"
#include "platform/Exceptions.h"
#include "ui/jtEdit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace {

constexpr int kNameList = 112;
constexpr int kItemList = 113;

TjtEdit* WholeNumberEdit(const QVariant& value, QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->SetEditType(etInteger);
    edit->SetAlignment(taRightJustify);
    if (!value.isNull() && value.isValid()) edit->setText(QString::number(value.toDouble()));
    return edit;
}

// An empty edit gives 0.
int WholeNumber(const TjtEdit* edit) {
    return edit->text().trimmed().isEmpty() ? 0 : edit->AsInteger();
}

} // namespace

TCareitemEditorFrm::TCareitemEditorFrm(int assetId, const TCareitemData& item, TCareitemEdited edited,
                                       QWidget* parent)
    : TADlgFrm(parent), m_edited(std::move(edited)), m_data(item), m_profile(new TAstProfile(Body())),
      m_name(accidentui::PickListCombo(kNameList, Body())), m_item(accidentui::PickListCombo(kItemList, Body())),
      m_works(new QPlainTextEdit(Body())), m_days(WholeNumberEdit(item.ciFixedays, Body())),
      m_hours(WholeNumberEdit(item.ciPlanhours, Body())) {
    setWindowTitle(QStringLiteral("保养点"));
    setObjectName(QStringLiteral("CareitemEditorFrm"));
    m_profile->setFixedWidth(230);
    m_profile->ShowAsset(assetId, m_asset);
    m_data.ciAssetId = assetId;
    m_name->setEditText(item.ciCarename);
    m_item->setEditText(item.ciCareitem);
    m_works->setPlainText(item.ciCareworks);
    InstallFocusColour(m_works);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("保养名称"), m_name);
    form->addRow(QStringLiteral("保养项目"), m_item);
    form->addRow(QStringLiteral("定检天数"), m_days);
    form->addRow(QStringLiteral("计划工时"), m_hours);
    form->addRow(QStringLiteral("保养说明"), m_works);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_profile);
    layout->addLayout(form, 1);
    resize(640, 360);
}

void TCareitemEditorFrm::accept() {
    TCareitemData item = m_data;
    try {
        item.ciFixedays = WholeNumber(m_days);
        item.ciPlanhours = double(WholeNumber(m_hours));
    } catch (const EConvertError& e) {
        ShowInfo(e.Message());
        return;
    }
    item.ciCarename = m_name->currentText();
    item.ciCareitem = m_item->currentText();
    item.ciCareworks = m_works->toPlainText();
    if (m_edited && !m_edited(m_asset, item)) return;
    TADlgFrm::accept();
}
