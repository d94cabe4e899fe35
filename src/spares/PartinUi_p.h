#pragma once

// Pieces the inbound bill windows build their bars, panels and dialogs from.

#include "admin/KeyValue.h"
#include "ui/jtComboBox.h"
#include "ui/jtEdit.h"

#include <QAction>
#include <QToolButton>

namespace partinui {

// The pick lists of staff names and of bill kinds.
constexpr int kHandmanList = 114;
constexpr int kIntypeList = 116;
// Right to make a bill.
constexpr int kNewBillRight = 125;

inline QAction* NewAction(QObject* owner, const QString& caption) {
    return new QAction(caption, owner);
}

inline QToolButton* TextButton(const QString& caption, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

// A combo offering the lines of a pick list, any other text allowed; starts empty.
inline QComboBox* PickListCombo(int key, QWidget* parent) {
    auto* combo = new TjtComboBox(parent);
    combo->setEditable(true);
    combo->addItems(PickLists.Items(key));
    combo->setCurrentIndex(-1);
    return combo;
}

inline TjtEdit* NumberEdit(QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->SetEditType(etNumber);
    edit->SetAlignment(taRightJustify);
    return edit;
}

} // namespace partinui
