#pragma once

#include "ui/ADlgFrm.h"

#include <QList>

class QStackedWidget;
class QTreeWidget;
class TOptionPageFra;

// "选项": the settings of the whole installation, one page per subject.
class TOptionEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TOptionEditorFrm(QWidget* parent = nullptr);

    QTreeWidget* Tree() const { return m_tree; }
    // The page of the node at the index, in the tree's order.
    TOptionPageFra* Page(int index) const { return m_pages.value(index); }
    template <class T> T* Page() const {
        for (TOptionPageFra* page : m_pages)
            if (auto* found = qobject_cast<T*>(page)) return found;
        return nullptr;
    }

    void accept() override;
    void reject() override;

private:
    void AddPage(const QString& caption, TOptionPageFra* page);

    QTreeWidget* m_tree;
    QStackedWidget* m_stack;
    QList<TOptionPageFra*> m_pages;
};

// The options dialog of the main menu.
void EditOptions(QWidget* parent = nullptr);
