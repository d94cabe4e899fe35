#include "LoginFrm.h"

#include "platform/StarPassword.h"
#include "data/DBConfiger.h"
#include "data/jtLib.h"
#include "jtComboBox.h"
#include "jtEdit.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TLoginFrm::TLoginFrm(QWidget* parent)
    : TADlgFrm(parent), lblTitle1(new QLabel(ApplicationTitle(), Body())),
      cbLoginId1(new TjtComboBox(Body())), edtPassword1(new TjtEdit(Body())) {
    setWindowTitle(QStringLiteral("登陆"));
    lblTitle1->setObjectName(QStringLiteral("lblTitle1"));
    QFont heading = lblTitle1->font();
    heading.setPointSize(heading.pointSize() * 2);
    heading.setBold(true);
    lblTitle1->setFont(heading);

    cbLoginId1->setObjectName(QStringLiteral("cbLoginId1"));
    cbLoginId1->setEditable(true);
    cbLoginId1->setInsertPolicy(QComboBox::NoInsert);
    cbLoginId1->setMinimumWidth(180);
    TOperatorSet operators;
    cbLoginId1->addItems(operators.LoginList().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
    const QString last = TDBConfiger().ReadLastLoginId();
    cbLoginId1->setCurrentText(last.isEmpty() ? QStringLiteral("sa") : last);

    edtPassword1->setObjectName(QStringLiteral("edtPassword1"));
    MaskWithStars(edtPassword1);
    // The last input: Enter here logs in instead of moving on.
    edtPassword1->SetTabOnEnter(false);
    connect(edtPassword1, &QLineEdit::returnPressed, OkButton(), &QPushButton::click);

    auto* userLabel = new QLabel(QStringLiteral("用户名(&U)"), Body());
    userLabel->setBuddy(cbLoginId1);
    auto* passwordLabel = new QLabel(QStringLiteral("密码(&P)"), Body());
    passwordLabel->setBuddy(edtPassword1);
    auto* form = new QFormLayout;
    form->addRow(userLabel, cbLoginId1);
    form->addRow(passwordLabel, edtPassword1);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblTitle1);
    layout->addWidget(new QLabel(QStringLiteral("请输入您的用户名和密码:"), Body()));
    layout->addLayout(form);
    setTabOrder(cbLoginId1, edtPassword1);
    setTabOrder(edtPassword1, OkButton());
    // The login name is usually the remembered one; the password is what is left to type.
    edtPassword1->setFocus();
}

void TLoginFrm::accept() {
    const QString loginId = cbLoginId1->currentText();
    m_operator.Load(loginId);
    if (!m_operator.CheckPassword(edtPassword1->text())) {
        edtPassword1->setFocus();
        edtPassword1->selectAll();
        return;
    }
    CurrentOperator.Load(loginId);
    TDBConfiger().WriteLastLoginId(loginId);
    TADlgFrm::accept();
}
