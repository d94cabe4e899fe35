#pragma once

// Pieces the accident windows build their bars and panels from.

#include "admin/KeyValue.h"
#include "ui/PubFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtDateTimePicker.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace accidentui {

// The pick lists of the accident grade and nature.
constexpr int kGradeList = 110;
constexpr int kNatureList = 111;

inline QAction* NewAction(QObject* owner, const QString& caption, const QString& hint = QString()) {
    auto* action = new QAction(caption, owner);
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? caption : hint);
    return action;
}

inline QToolButton* TextButton(const QString& caption, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

// A date condition: its check box cleared means no date.
inline TjtDateTimePicker* DateCondition(QWidget* parent) {
    auto* picker = new TjtDateTimePicker(parent);
    picker->SetShowCheckbox(true);
    picker->setMinimumWidth(120);
    return picker;
}

// A combo offering the lines of a pick list, any other text allowed; starts empty.
inline QComboBox* PickListCombo(int key, QWidget* parent) {
    auto* combo = new TjtComboBox(parent);
    combo->setEditable(true);
    combo->addItems(PickLists.Items(key));
    combo->setCurrentIndex(-1);
    return combo;
}

// "视图(&V)" with the main window's two switches and one checked item per bar of the window.
inline QMenu* ViewMenu(QMenuBar* bar, std::initializer_list<std::pair<QString, QWidget*>> parts) {
    QMenu* view = bar->addMenu(QStringLiteral("视图(&V)"));
    if (const TPubFrm* pub = TPubFrm::Instance()) {
        view->addAction(pub->menuTreeAction1);
        view->addAction(pub->mainTabAction1);
    }
    for (const auto& [caption, part] : parts) {
        QAction* toggle = view->addAction(caption);
        toggle->setCheckable(true);
        toggle->setChecked(true);
        QObject::connect(toggle, &QAction::toggled, part, &QWidget::setVisible);
    }
    return view;
}

} // namespace accidentui
