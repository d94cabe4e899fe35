#pragma once

#include "PartsSet.h"
#include "ui/BasicFrm.h"

#include <QColor>

class DataSource;
class QAction;
class QComboBox;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QToolBar;
class TjtDBGrid;

// "备件管理": the parts catalogue with each part's stock, its search panel and the commands
// that add, change and delete parts. It opens empty; the user searches.
class TPartsInfoFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TPartsInfoFrm(QWidget* parent = nullptr);
    ~TPartsInfoFrm() override;

    TPartsSet& Parts() { return m_parts; }
    TjtDBGrid* Grid() const { return m_grid; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }

    QAction* AddAction() const { return m_add; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* RefreshAction() const { return m_refresh; }
    QAction* FindAction() const { return m_find; }
    QAction* CloseAction() const { return m_close; }

    // The search panel's inputs of S1 … S4, numbered from 1.
    QLineEdit* TextEdit(int number) const { return m_texts.value(number - 1); }
    QComboBox* ClassCombo() const { return m_class; }
    QComboBox* StatusCombo() const { return m_status; }
    QComboBox* StockCombo() const { return m_stock; }
    QLineEdit* KeywordEdit() const { return m_keyword; }
    QPushButton* SearchButton() const { return m_search; }
    QPushButton* ResetButton() const { return m_reset; }

    // Runs the search with the criteria as they stand.
    void Search();
    // Empties every criterion.
    void ResetSearch();
    // The font colour of a view row: green for a part at or below its minimum stock.
    QColor RowColor(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    QToolBar* CreateToolBar();
    QWidget* CreateSearchPanel();
    void CreateGrid();
    void UpdateActions();
    void AddClick();
    void EditClick();
    void DeleteClick();
    void FindClick();
    // Writes the editor's values into the current row, which the caller put into insert or
    // edit state, saves it, and posts or cancels the row by the outcome.
    void SaveRow(const TPartValues& values, bool inserting);

    TPartsSet m_parts;
    DataSource* m_searchSource;
    TjtDBGrid* m_grid = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_add = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_refresh = nullptr;
    QAction* m_find = nullptr;
    QAction* m_close = nullptr;
    QList<QLineEdit*> m_texts;
    QComboBox* m_class = nullptr;
    QComboBox* m_status = nullptr;
    QComboBox* m_stock = nullptr;
    QLineEdit* m_keyword = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_reset = nullptr;
    QList<QWidget*> m_panelInputs;
};
