#include "OperatorEditorFrm.h"

#include "platform/StarPassword.h"
#include "data/jtLib.h"
#include "jtCtrls.h"
#include "jtEdit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

TjtEdit* NewEdit(const char* name, QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(160);
    return edit;
}

} // namespace

TOperatorEditorFrm::TOperatorEditorFrm(QWidget* parent)
    : TADlgFrm(parent), edtLoginId1(NewEdit("edtLoginId1", Body())),
      edtPassword1(NewEdit("edtPassword1", Body())), edtPassword2(NewEdit("edtPassword2", Body())),
      edtName1(NewEdit("edtName1", Body())), edtContact1(NewEdit("edtContact1", Body())),
      edtNote1(NewEdit("edtNote1", Body())), lbRights1(new QListWidget(Body())) {
    setWindowTitle(QStringLiteral("操作员属性"));
    MaskWithStars(edtPassword1);
    MaskWithStars(edtPassword2);

    lbRights1->setObjectName(QStringLiteral("lbRights1"));
    lbRights1->setMinimumSize(200, 320);
    for (const TRightItem& right : RightsCatalogue()) {
        auto* item = new QListWidgetItem(right.Name, lbRights1);
        item->setData(Qt::UserRole, right.Number);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(lbRights1, &QListWidget::itemDoubleClicked, this, &TOperatorEditorFrm::Toggle);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("登陆名"), edtLoginId1);
    form->addRow(QStringLiteral("密码"), edtPassword1);
    form->addRow(QStringLiteral("验证密码"), edtPassword2);
    form->addRow(QStringLiteral("姓名"), edtName1);
    form->addRow(QStringLiteral("联系方式"), edtContact1);
    form->addRow(QStringLiteral("备注"), edtNote1);
    auto* rights = new QVBoxLayout;
    rights->addWidget(new QLabel(QStringLiteral("权限"), Body()));
    rights->addWidget(lbRights1, 1);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addLayout(rights, 1);
}

void TOperatorEditorFrm::Toggle(QListWidgetItem* item) {
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TOperatorEditorFrm::CheckRights(const QString& rights) {
    for (int row = 0; row < lbRights1->count(); ++row) {
        QListWidgetItem* item = lbRights1->item(row);
        const bool held = RightsContain(rights, item->data(Qt::UserRole).toInt());
        item->setCheckState(held ? Qt::Checked : Qt::Unchecked);
    }
}

void TOperatorEditorFrm::Clear() {
    for (TjtEdit* edit : {edtLoginId1, edtPassword1, edtPassword2, edtName1, edtContact1, edtNote1})
        edit->clear();
    CheckRights(QString());
    edtLoginId1->setEnabled(true);
    edtLoginId1->SetColor(clWhite);
    edtLoginId1->setFocus();
}

void TOperatorEditorFrm::SetOperator(const TOperator& op) {
    edtLoginId1->setText(op.LoginId);
    edtPassword1->setText(op.Password);
    edtPassword2->setText(op.Password);
    edtName1->setText(op.Name);
    edtContact1->setText(op.Contact);
    edtNote1->setText(op.Note);
    CheckRights(op.Rights);
    // The login is the operator's key: shown, never changed.
    edtLoginId1->setEnabled(false);
    edtLoginId1->SetParentColor(true);
    edtPassword1->setFocus();
}

TOperator TOperatorEditorFrm::Operator() const {
    TOperator op;
    op.LoginId = edtLoginId1->text();
    op.Password = edtPassword1->text();
    op.Name = edtName1->text();
    op.Contact = edtContact1->text();
    op.Note = edtNote1->text();
    for (int row = 0; row < lbRights1->count(); ++row) {
        const QListWidgetItem* item = lbRights1->item(row);
        if (item->checkState() == Qt::Checked)
            op.Rights += u',' + item->data(Qt::UserRole).toString() + u',';
    }
    return op;
}

void TOperatorEditorFrm::accept() {
    if (edtLoginId1->text().isEmpty()) {
        ShowInfo(QStringLiteral("必须填写登陆名."));
        edtLoginId1->setFocus();
        return;
    }
    if (edtPassword1->text() != edtPassword2->text()) {
        ShowInfo(QStringLiteral("两次输入的密码不一样,请重新输入."));
        edtPassword1->clear();
        edtPassword2->clear();
        edtPassword1->setFocus();
        return;
    }
    TADlgFrm::accept();
}
