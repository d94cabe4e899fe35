#include "EventEditorFrm.h"

#include "AssetsSet.h"
#include "AstProfile.h"
#include "EqiEventSet.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "ui/jtCtrls.h"
#include "ui/jtDateTimePicker.h"

#include <QFormLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TEventEditorFrm::TEventEditorFrm(TEqiEventSet& set, bool isNew, int assetId, QWidget* parent)
    : TADlgFrm(parent), m_set(set), m_isNew(isNew), m_assetId(assetId),
      m_profile(new TAstProfile(Body())), m_date(new TjtDateTimePicker(Body())),
      m_details(new QPlainTextEdit(Body())) {
    setWindowTitle(QStringLiteral("要事记录"));
    setObjectName(QStringLiteral("EventEditorFrm"));
    TAssetData asset;
    m_profile->ShowAsset(assetId, asset);
    m_profile->setFixedHeight(150);
    m_date->setObjectName(QStringLiteral("EvnDate"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_details->setObjectName(QStringLiteral("Details"));
    InstallFocusColour(m_details);
    auto* form = new QFormLayout;
    form->addRow(set.EvnDateFld->DisplayLabel(), m_date);
    form->addRow(set.DetailsFld->DisplayLabel(), m_details);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_profile);
    layout->addLayout(form, 1);
    if (isNew) {
        m_date->SetAsDate(QDate::currentDate());
    } else {
        m_date->SetAsDateTime(set.EvnDateFld->Value());
        m_details->setPlainText(set.DetailsFld->AsString());
    }
    resize(480, 420);
}

void TEventEditorFrm::Save() {
    DataSet& data = m_set.Query();
    if (!data.Active()) data.CreateDataSet();
    if (m_isNew) {
        data.Append();
        m_set.EqiIdFld->SetAsInteger(m_assetId);
    } else {
        data.Edit();
    }
    const QVariant date = m_date->AsDate();
    m_set.EvnDateFld->SetValue(date.isValid() ? QVariant(date.toDate().startOfDay()) : QVariant());
    m_set.DetailsFld->SetAsString(m_details->toPlainText());
    // Only a note deleted at another workstation updates no row.
    if (!m_set.Save()) throw Exception(QStringLiteral("保存失败, 该记事已被删除."));
}

void TEventEditorFrm::accept() {
    try {
        Save();
    } catch (const Exception& e) {
        m_set.CancelEdits();
        ShowInfo(e.Message());
        return;
    }
    TADlgFrm::accept();
}
