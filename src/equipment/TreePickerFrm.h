#pragma once

#include "ui/aFrm.h"

class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// A picker "选择": a tree filling the window and the buttons "选定", "关闭" and "功能 ▼", which
// drops down the tree's menu. Choosing hands the selected node to the caller.
class TTreePickerFrm : public TaFrm {
    Q_OBJECT
public:
    QTreeWidget* Tree() const { return m_tree; }
    QPushButton* ChooseButton() const { return btnChoose1; }
    QPushButton* CloseButton() const { return btnClose1; }
    QPushButton* FunctionButton() const { return btnFunction1; }

protected:
    // The window takes the tree in.
    TTreePickerFrm(QTreeWidget* tree, QWidget* parent);
    // What "功能 ▼" drops down.
    void SetMenu(QMenu* menu) { m_menu = menu; }
    // Hands the node over; true closes the window with OK, false keeps it open.
    virtual bool Choose(QTreeWidgetItem* node) = 0;
    // Whether a double click on the node chooses it; a node with children opens instead.
    virtual bool ChoosesOnDoubleClick(const QTreeWidgetItem* node) const;

    void showEvent(QShowEvent* event) override;

private:
    void ChooseClick();
    void FunctionClick();
    void NodeDoubleClicked(QTreeWidgetItem* node);

    QTreeWidget* m_tree;
    QMenu* m_menu = nullptr;
    QPushButton* btnChoose1;
    QPushButton* btnClose1;
    QPushButton* btnFunction1;
};
