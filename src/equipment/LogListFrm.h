#pragma once

#include "ui/BasicFrm.h"

#include <QPair>
#include <QStringList>

class DataSet;
class DataSource;
class Field;
class QAction;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QMenuBar;
class QToolBar;
class QToolButton;
class TCustomWhere;
class TjtDateTimePicker;
class TjtDBGrid;

// A list window over one of the two logs: a find panel bound to the log's conditions, a grid
// that stays empty until "查找", a toolbar whose "功能 ▼" drops down the grid's menu, and
// "返回". Descendants fill the find panel and say how the log opens.
class TLogListFrm : public TBasicFrm {
    Q_OBJECT
public:
    TjtDBGrid* Grid() const { return m_grid; }
    QWidget* FindBar() const { return m_findBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolButton* FindButton() const { return m_findButton; }
    QToolButton* ResetButton() const { return m_resetButton; }
    QToolButton* FunctionButton() const { return m_functionButton; }
    QAction* CloseAction() const { return m_close; }

    // Opens the log with the conditions typed; a rejected statement leaves the grid empty.
    void FindClick();
    // Empties every condition.
    void ResetClick();

protected:
    // Call CreateWindow from the descendant's constructor, once its log set exists.
    explicit TLogListFrm(QWidget* parent = nullptr);
    void CreateWindow(DataSet& rows, TCustomWhere& where, int layoutId);

    // Opens the log by its conditions.
    virtual void OpenLog() = 0;

    // Captioned inputs of the find panel, bound to the condition fields, three to a row.
    QLineEdit* AddEdit(const QString& caption, Field& field);
    QComboBox* AddCombo(const QString& caption, Field& field, const QStringList& items);
    QPair<TjtDateTimePicker*, TjtDateTimePicker*> AddDateRange(const QString& caption,
                                                               Field& from, Field& to);

    // Login names to search by: sa and the operator list.
    static QStringList OperatorLogins();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateFindBar();
    QToolBar* CreateToolBar();
    void CreateMenus();
    void AddInput(const QString& caption, QWidget* input);

    TjtDBGrid* m_grid = nullptr;
    DataSource* m_findSource = nullptr;
    TCustomWhere* m_where = nullptr;
    QWidget* m_findBar = nullptr;
    QGridLayout* m_inputs = nullptr;
    int m_inputCount = 0;
    QToolBar* m_toolBar = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QToolButton* m_findButton = nullptr;
    QToolButton* m_resetButton = nullptr;
    QToolButton* m_functionButton = nullptr;
    QAction* m_close = nullptr;
};
