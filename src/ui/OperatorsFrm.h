#pragma once

#include "AInfoDlgFrm.h"

#include "admin/Operator.h"

class QListWidget;
class QPushButton;
class TOperatorEditorFrm;

// The operators other than sa: add, edit and delete them with their rights.
class TOperatorsFrm : public TAInfoDlgFrm {
    Q_OBJECT
public:
    explicit TOperatorsFrm(QWidget* parent = nullptr);

    QListWidget* UserList() const { return lbUsers1; }
    QPushButton* AddButton() const { return btnAdd1; }
    QPushButton* PropertiesButton() const { return btnProperties1; }
    QPushButton* DeleteButton() const { return btnDelete1; }

private:
    void AddClick();
    void PropertiesClick();
    void DeleteClick();
    void UpdateButtons();
    // Shows the editor until save succeeds (true) or the user cancels; a failed save is
    // reported and the editor comes back with what was typed.
    bool EditUntilSaved(TOperatorEditorFrm& editor, bool adding);

    TOperatorSet m_operators;
    QListWidget* lbUsers1;
    QPushButton* btnAdd1;
    QPushButton* btnProperties1;
    QPushButton* btnDelete1;
};
