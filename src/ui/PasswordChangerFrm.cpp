#include "PasswordChangerFrm.h"

#include "platform/StarPassword.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "jtEdit.h"
#include "platform/Exceptions.h"

#include <QFormLayout>

namespace {

TjtEdit* NewEdit(const char* name, QWidget* parent, bool masked = true) {
    auto* edit = new TjtEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(180);
    if (masked) MaskWithStars(edit);
    return edit;
}

} // namespace

TPasswordChangerFrm::TPasswordChangerFrm(QWidget* parent)
    : TADlgFrm(parent), edtUser1(NewEdit("edtUser1", Body(), false)),
      edtPassword1(NewEdit("edtPassword1", Body())),
      edtNewPassword1(NewEdit("edtNewPassword1", Body())),
      edtNewPassword2(NewEdit("edtNewPassword2", Body())) {
    setWindowTitle(QStringLiteral("更改密码"));
    edtUser1->setText(CurrentOperator.LoginId);
    edtUser1->setEnabled(false);
    auto* form = new QFormLayout(Body());
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("当前用户"), edtUser1);
    form->addRow(QStringLiteral("当前密码"), edtPassword1);
    form->addRow(QStringLiteral("新密码"), edtNewPassword1);
    form->addRow(QStringLiteral("新密码验证"), edtNewPassword2);
    edtPassword1->setFocus();
}

QString TPasswordChangerFrm::CurrentPassword() const {
    return edtPassword1->text();
}

QString TPasswordChangerFrm::NewPassword() const {
    return edtNewPassword1->text();
}

void TPasswordChangerFrm::accept() {
    if (edtNewPassword1->text() != edtNewPassword2->text()) {
        ShowMessage(QStringLiteral("两次输入的新密码不一样,请确认并重新输入."), QMessageBox::NoIcon,
                    QMessageBox::Ok);
        edtNewPassword1->clear();
        edtNewPassword2->clear();
        edtNewPassword1->setFocus();
        return;
    }
    TADlgFrm::accept();
}

void TPasswordChangerFrm::Execute(QWidget* parent) {
    TPasswordChangerFrm dialog(parent);
    while (dialog.exec() == QDialog::Accepted) {
        try {
            if (dialog.CurrentPassword() != CurrentOperator.Password) {
                ShowInfo(QStringLiteral("当前密码验证失败,请确认并重新输入."));
                continue;
            }
            CurrentOperator.SetPassword(dialog.NewPassword());
            ShowInfo(QStringLiteral("密码更改成功! 下次登陆时请使用新密码."));
            return;
        } catch (const EAbort&) {
            throw; // a silent cancellation is never shown
        } catch (const Exception& e) {
            ShowInfo(e.Message());
        }
    }
}
