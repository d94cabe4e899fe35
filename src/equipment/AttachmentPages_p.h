#pragma once

// Pieces the accessory, photo, document and note pages build their layout from.

#include "ui/jtDBGrid.h"
#include "ui/jtPopupMenu.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace attachmentui {

// A single-selection grid over the set, with its column layout.
inline void SetUpGrid(TjtDBGrid* grid, DataSet* data, int layoutId) {
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->SetLayoutId(layoutId);
    grid->SetDataSet(data);
}

// Appends the page's entries after the grid's own; a null entry is a separator.
inline void AppendMenu(TjtDBGrid* grid, std::initializer_list<QAction*> entries) {
    for (QAction* entry : entries) {
        if (entry)
            grid->PopupMenuJt()->addAction(entry);
        else
            grid->PopupMenuJt()->addSeparator();
    }
}

// The button drops the grid's menu down under itself.
inline void PopsUpMenu(QPushButton* button, TjtDBGrid* grid) {
    QObject::connect(button, &QPushButton::clicked, grid, [button, grid] {
        grid->PopupMenuJt()->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
}

// The buttons in a row above the page's content.
inline void LayOut(QWidget* page, std::initializer_list<QPushButton*> buttons, QWidget* content) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    row->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(row);
    layout->addWidget(content, 1);
}

} // namespace attachmentui
