#include "OperatorsFrm.h"

#include "OperatorEditorFrm.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* NewButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TOperatorsFrm::TOperatorsFrm(QWidget* parent)
    : TAInfoDlgFrm(parent), lbUsers1(new QListWidget(Body())),
      btnAdd1(NewButton("btnAdd1", QStringLiteral("添加"), Body())),
      btnProperties1(NewButton("btnProperties1", QStringLiteral("属性"), Body())),
      btnDelete1(NewButton("btnDelete1", QStringLiteral("删除"), Body())) {
    setWindowTitle(QStringLiteral("操作员及权限"));
    auto* group = new QGroupBox(QStringLiteral("用户列表"), Body());
    auto* groupLayout = new QVBoxLayout(group);
    lbUsers1->setObjectName(QStringLiteral("lbUsers1"));
    lbUsers1->setMinimumSize(200, 240);
    groupLayout->addWidget(lbUsers1);
    lbUsers1->addItems(m_operators.LoginList().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {btnAdd1, btnProperties1, btnDelete1})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);

    connect(btnAdd1, &QPushButton::clicked, this, &TOperatorsFrm::AddClick);
    connect(btnProperties1, &QPushButton::clicked, this, &TOperatorsFrm::PropertiesClick);
    connect(btnDelete1, &QPushButton::clicked, this, &TOperatorsFrm::DeleteClick);
    connect(lbUsers1, &QListWidget::itemDoubleClicked, this, &TOperatorsFrm::PropertiesClick);
    connect(lbUsers1, &QListWidget::itemSelectionChanged, this, &TOperatorsFrm::UpdateButtons);
    UpdateButtons();
}

void TOperatorsFrm::UpdateButtons() {
    const bool selected = !lbUsers1->selectedItems().isEmpty();
    btnProperties1->setEnabled(selected);
    btnDelete1->setEnabled(selected);
}

bool TOperatorsFrm::EditUntilSaved(TOperatorEditorFrm& editor, bool adding) {
    while (editor.exec() == QDialog::Accepted) {
        const TOperator op = editor.Operator();
        try {
            if (adding)
                m_operators.Insert(op.LoginId, op.Password, op.Rights, op.Note, op.Contact,
                                   op.Name);
            else
                m_operators.Update(op.LoginId, op.Password, op.Rights, op.Note, op.Contact,
                                   op.Name);
            return true;
        } catch (const EAbort&) {
            throw; // a silent cancellation is never shown
        } catch (const Exception& e) {
            ShowInfo(e.Message());
        }
    }
    return false;
}

void TOperatorsFrm::AddClick() {
    TOperatorEditorFrm editor(this);
    editor.Clear();
    if (EditUntilSaved(editor, true)) lbUsers1->addItem(editor.Operator().LoginId);
}

void TOperatorsFrm::PropertiesClick() {
    const QList<QListWidgetItem*> selected = lbUsers1->selectedItems();
    if (selected.isEmpty()) return;
    const QString loginId = selected.first()->text();
    if (!m_operators.DataSet().Locate(QStringLiteral("LoginId"), loginId)) return;
    TOperator op;
    op.LoginId = loginId;
    op.Password = m_operators.PasswordFld->AsString();
    op.Name = m_operators.NameFld->AsString();
    op.Contact = m_operators.ContactFld->AsString();
    op.Note = m_operators.NoteFld->AsString();
    op.Rights = m_operators.RightsFld->AsString();
    TOperatorEditorFrm editor(this);
    editor.SetOperator(op);
    EditUntilSaved(editor, false);
}

void TOperatorsFrm::DeleteClick() {
    const QList<QListWidgetItem*> selected = lbUsers1->selectedItems();
    if (selected.isEmpty()) return;
    QListWidgetItem* item = selected.first();
    if (!ConfirmDelete(item->text())) return;
    m_operators.Delete(item->text());
    delete item;
    lbUsers1->clearSelection();
    lbUsers1->setCurrentRow(-1);
    UpdateButtons();
}
