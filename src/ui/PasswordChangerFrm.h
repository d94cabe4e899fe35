#pragma once

#include "ADlgFrm.h"

class TjtEdit;

// The current operator's password change: the current password once, the new one twice.
class TPasswordChangerFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TPasswordChangerFrm(QWidget* parent = nullptr);

    // Shows the dialog until the current operator's password is changed or the user cancels.
    static void Execute(QWidget* parent = nullptr);

    QString CurrentPassword() const;
    QString NewPassword() const;

public Q_SLOTS:
    void accept() override;

private:
    TjtEdit* edtUser1;
    TjtEdit* edtPassword1;
    TjtEdit* edtNewPassword1;
    TjtEdit* edtNewPassword2;
};
