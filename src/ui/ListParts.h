#pragma once

// Pieces the list windows build their tool bars, menus and search panels from.

#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

class QAction;
class QComboBox;
class QHBoxLayout;
class QMenu;
class QMenuBar;
class QObject;
class QToolButton;
class QWidget;
class TjtDateTimePicker;
class TjtEdit;

// A command with its hint in the status bar and as its tool tip.
QAction* NewAction(QObject* owner, const QString& caption, const QString& hint = QString());
QToolButton* TextButton(const QString& caption, QWidget* parent);
// A date condition: its check box cleared means no date.
TjtDateTimePicker* DateCondition(QWidget* parent);
// A combo offering the lines of a pick list, any other text allowed; starts empty.
QComboBox* PickListCombo(int key, QWidget* parent);
// "视图(&V)" with the main window's two switches and one checked item per bar of the window.
QMenu* ViewMenu(QMenuBar* bar, std::initializer_list<std::pair<QString, QWidget*>> parts);
// While the focus is in one of the panel's inputs, Enter runs search and Esc runs reset.
void SearchKeys(QWidget* panel, std::function<void()> search, std::function<void()> reset);
// A right-aligned input taking numbers only.
TjtEdit* NumberEdit(QWidget* parent);
// Two inputs of a range side by side, with what stands between them ("至", "-") when given.
QHBoxLayout* RangeRow(QWidget* first, QWidget* second, QWidget* between = nullptr);
