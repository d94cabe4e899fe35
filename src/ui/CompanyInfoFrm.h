#pragma once

#include "ADlgFrm.h"

class QLineEdit;
class QPlainTextEdit;
class TCompany;

// "公司信息": the company profile, editable or only shown.
class TCompanyInfoFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TCompanyInfoFrm(QWidget* parent = nullptr);

    // Shows the application-wide profile until it is saved or the dialog is closed otherwise;
    // a failed save shows the error, reloads the stored values and opens again as typed.
    static void Edit(bool readOnly, QWidget* parent = nullptr);

    void Fill(const TCompany& company);
    void CopyTo(TCompany& company) const;
    QLineEdit* CompanyNameEdit() const { return m_name; }

private:
    QLineEdit* m_name;
    QLineEdit* m_manager;
    QLineEdit* m_tel;
    QLineEdit* m_fax;
    QLineEdit* m_address;
    QLineEdit* m_zip;
    QPlainTextEdit* m_profile;
};
