#include "CompanyInfoFrm.h"

#include "jtEdit.h"
#include "admin/Company.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

#include <QFormLayout>
#include <QPlainTextEdit>
#include <QPushButton>

TCompanyInfoFrm::TCompanyInfoFrm(QWidget* parent)
    : TADlgFrm(parent), m_name(new TjtEdit), m_manager(new TjtEdit), m_tel(new TjtEdit),
      m_fax(new TjtEdit), m_address(new TjtEdit), m_zip(new TjtEdit), m_profile(new QPlainTextEdit) {
    setObjectName(QStringLiteral("CompanyInfoFrm"));
    setWindowTitle(QStringLiteral("公司信息"));
    auto* form = new QFormLayout(Body());
    form->addRow(QStringLiteral("企业名称"), m_name);
    form->addRow(QStringLiteral("负责人"), m_manager);
    form->addRow(QStringLiteral("联系电话"), m_tel);
    form->addRow(QStringLiteral("传真号码"), m_fax);
    form->addRow(QStringLiteral("地址"), m_address);
    form->addRow(QStringLiteral("邮编"), m_zip);
    form->addRow(QStringLiteral("公司简介"), m_profile);
    resize(460, 380);
}

void TCompanyInfoFrm::Fill(const TCompany& company) {
    m_name->setText(company.CompanyName);
    m_manager->setText(company.Manager);
    m_tel->setText(company.Tel);
    m_fax->setText(company.Fax);
    m_address->setText(company.Address);
    m_zip->setText(company.Zip);
    m_profile->setPlainText(company.Profile);
}

void TCompanyInfoFrm::CopyTo(TCompany& company) const {
    company.CompanyName = m_name->text();
    company.Manager = m_manager->text();
    company.Tel = m_tel->text();
    company.Fax = m_fax->text();
    company.Address = m_address->text();
    company.Zip = m_zip->text();
    company.Profile = m_profile->toPlainText();
}

void TCompanyInfoFrm::Edit(bool readOnly, QWidget* parent) {
    TCompanyInfoFrm dialog(parent);
    dialog.OkButton()->setEnabled(!readOnly);
    dialog.Fill(Company);
    while (dialog.exec() == QDialog::Accepted) {
        dialog.CopyTo(Company);
        try {
            Company.Save();
            return;
        } catch (const Exception& e) {
            ShowInfo(e.Message());
            Company.Load();
        }
    }
}
