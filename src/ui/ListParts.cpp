#include "ListParts.h"

#include "PubFrm.h"
#include "admin/KeyValue.h"
#include "jtComboBox.h"
#include "jtDateTimePicker.h"
#include "jtEdit.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

class TSearchKeys : public QObject {
public:
    TSearchKeys(QObject* parent, std::function<void()> search, std::function<void()> reset)
        : QObject(parent), m_search(std::move(search)), m_reset(std::move(reset)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) m_search();
        else if (key == Qt::Key_Escape) m_reset();
        else return QObject::eventFilter(watched, event);
        return true;
    }

private:
    std::function<void()> m_search;
    std::function<void()> m_reset;
};

} // namespace

void SearchKeys(QWidget* panel, std::function<void()> search, std::function<void()> reset) {
    auto* keys = new TSearchKeys(panel, std::move(search), std::move(reset));
    for (QWidget* input : panel->findChildren<QWidget*>())
        if (!qobject_cast<QLabel*>(input)) input->installEventFilter(keys);
}

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

TjtEdit* NumberEdit(QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->SetEditType(etNumber);
    edit->SetAlignment(taRightJustify);
    return edit;
}

QHBoxLayout* RangeRow(QWidget* first, QWidget* second, QWidget* between) {
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    row->addWidget(first, 1);
    if (between) row->addWidget(between);
    row->addWidget(second, between ? 1 : 0);
    return row;
}
