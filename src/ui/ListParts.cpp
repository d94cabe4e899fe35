#include "ListParts.h"

#include "PubFrm.h"
#include "admin/KeyValue.h"
#include "jtComboBox.h"
#include "jtDateTimePicker.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

QAction* NewAction(QObject* owner, const QString& caption, const QString& hint) {
    auto* action = new QAction(caption, owner);
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? caption : hint);
    return action;
}

QToolButton* TextButton(const QString& caption, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

TjtDateTimePicker* DateCondition(QWidget* parent) {
    auto* picker = new TjtDateTimePicker(parent);
    picker->SetShowCheckbox(true);
    picker->setMinimumWidth(120);
    return picker;
}

QComboBox* PickListCombo(int key, QWidget* parent) {
    auto* combo = new TjtComboBox(parent);
    combo->setEditable(true);
    combo->addItems(PickLists.Items(key));
    combo->setCurrentIndex(-1);
    return combo;
}

QMenu* ViewMenu(QMenuBar* bar, std::initializer_list<std::pair<QString, QWidget*>> parts) {
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
