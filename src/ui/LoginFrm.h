#pragma once

#include "ADlgFrm.h"

#include "admin/Operator.h"

class QLabel;
class TjtComboBox;
class TjtEdit;

// The login: a login name from the operator list (or typed) and its password. Accepted only
// once the password matches; the operator is then the application's current one.
class TLoginFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TLoginFrm(QWidget* parent = nullptr);

    TjtComboBox* LoginBox() const { return cbLoginId1; }
    TjtEdit* PasswordBox() const { return edtPassword1; }

public Q_SLOTS:
    void accept() override;

private:
    QLabel* lblTitle1;
    TjtComboBox* cbLoginId1;
    TjtEdit* edtPassword1;
    // Checked before the application-wide operator is touched, so a refusal changes nothing.
    TOperator m_operator;
};
