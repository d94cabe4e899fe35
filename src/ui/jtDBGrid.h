#pragma once

#include "platform/dataset/DataSet.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTableView>

#include <functional>
#include <memory>
#include <vector>

class DataSetModel;
class QAction;
class TjtPopupMenu;

// The grid of every list window: a view over a DataSet whose column layout (shown columns,
// widths, order) is kept in syscols under a layout number, with title-click sorting, footer
// sums, a pop-up menu of sort, column choice, layout saving and export, and batch update.
// One class stands for both of the system's grids; Kind says which one a window asked for,
// since they differ in what a missing layout shows and in some messages.
class TjtDBGrid : public QTableView {
    Q_OBJECT
public:
    enum class GridKind { DBGrid, Gridcx };
    // Opens a file with the desktop's associated program; false when nothing could.
    using FileOpener = std::function<bool(const QString& path)>;

    explicit TjtDBGrid(QWidget* parent = nullptr);
    explicit TjtDBGrid(GridKind kind, QWidget* parent = nullptr);
    ~TjtDBGrid() override;

    GridKind Kind() const { return m_kind; }
    void SetKind(GridKind kind);

    ::DataSet* DataSet() const { return m_data; }
    void SetDataSet(::DataSet* data);

    // Setting the layout number loads that layout.
    int LayoutId() const { return m_layoutId; }
    void SetLayoutId(int layoutId);
    // The number "保存表格样式" saves under when LayoutId is 0 or less.
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    // Applies the stored layout of that number (nothing stored: the columns are rebuilt);
    // true when a row existed.
    bool LoadLayout(int layoutNumber);
    // Inserts or updates the layout row; true when exactly one row was written.
    virtual bool SaveLayout(int layoutNumber);
    // One line per column in column order: field name = "True"/"False" + width.
    QString Layout() const;
    // Rebuilds the columns from the fields, then applies the text as far as it parses.
    void SetLayout(const QString& text);

    // The model column of the field with that name, or -1.
    int ColumnOf(const QString& fieldName) const;
    // Grid columns (model columns of visible fields) in column order, shown or not.
    QList<int> Columns() const;
    bool ColumnShown(int column) const { return !isColumnHidden(column); }
    void SetColumnShown(int column, bool shown);
    QString ColumnTitle(int column) const;
    // The width a column has, or had before it was hidden.
    int ColumnWidth(int column) const;

    // Shows the sum of the field's column in the footer under the grid.
    void SumFooter(const QString& fieldName);
    // What the footer shows under the field's column; empty when it sums nothing there.
    QString FooterText(const QString& fieldName) const;

    // Selected view rows, ascending.
    QList<int> SelectedRows() const;
    int SelectedCount() const;
    int RowCount() const;

    // The text colour of each row; an invalid colour keeps the default.
    void SetRowColor(std::function<QColor(int viewRow)> rowColor);
    void SetEditable(bool editable);
    bool Editable() const { return m_editable; }
    void SetFileOpener(FileOpener opener) { m_opener = std::move(opener); }

    // Saves the current row; set by the owning window, used by the batch update.
    std::function<void()> BatchProc;

    TjtPopupMenu* PopupMenuJt() const { return m_menu; }
    // Window entries go at the top of the pop-up menu, in the order they are inserted.
    void InsertMenuAction(QAction* action);
    QAction* ActionExport() const { return m_actionExport; }
    QAction* ActionExport2Excel() const { return m_actionExport2Excel; }
    QAction* ActionExport2Html() const { return m_actionExport2Html; }
    QAction* ActionColVisible() const { return m_actionColVisible; }
    QAction* ActionTableStyleSave() const { return m_actionTableStyleSave; }
    QAction* ActionSort() const { return m_actionSort; }

    virtual void ExportToExcel();
    // Asks for the file name, then writes it.
    virtual void ExportToHtml();
    void ExportToHtml(const QString& fileName);

    // The menu commands. A refused right raises EAbort after its message; the actions
    // swallow it, callers from code let it end their command.
    void SortClick();
    void FilterClick();
    void ExportClick();
    void BatchUpdateClick();
    void PopupButtonClick();
    virtual void SaveToExcelClick();
    virtual void SaveToHtmlClick();
    virtual void SaveLayoutClick();
    virtual void PickColumnsClick();

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

Q_SIGNALS:
    // Raised after the grid has handled a key (OnKeyDown).
    void keyDown(QKeyEvent* event);
    // The current row or the selection changed.
    void selectChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void updateGeometries() override;

private:
    class Footer;
    class Header;
    struct SortMark {
        QString field;
        bool descending;
    };

    void CreateActions();
    void Bind();
    void ModelReset();
    void RebuildColumns();
    void ApplyLayoutText(const QString& text);
    int DefaultWidth(int column) const;
    bool IsGridColumn(int column) const;
    QList<int> ShownColumns() const;
    // Whether the data set is there and open; shows the system's message when not.
    bool CheckDataSet() const;
    void TitleClick(int column);
    void SortKeepingSums(const QString& sortText);
    QList<SortMark> SortMarks() const;
    // 0 no marker, 1 down arrow (ascending), 2 up arrow (descending).
    int MarkerOf(int column) const;
    void CurrentRowMoved(int row);
    void DataSetMoved(int row);
    void WriteXlsx(const QString& fileName) const;
    bool OpenFile(const QString& fileName) const;
    QList<int> SumColumns() const;
    QString FooterTextAt(int column) const;
    void InvalidateSums();
    int FooterHeight() const;
    void PlaceFooter();

    GridKind m_kind;
    QPointer<::DataSet> m_data;
    std::unique_ptr<DataSetModel> m_model;
    Header* m_header;
    Footer* m_footer;
    TjtPopupMenu* m_menu;
    QAction* m_actionSort = nullptr;
    QAction* m_actionColVisible = nullptr;
    QAction* m_actionTableStyleSave = nullptr;
    QAction* m_actionExport2Excel = nullptr;
    QAction* m_actionExport2Html = nullptr;
    QAction* m_actionExport = nullptr;
    int m_insertedActions = 0;
    int m_layoutId = 0;
    int m_tag = 0;
    QString m_layoutText;
    QStringList m_fieldNames;       // the fields the columns were built from
    std::vector<bool> m_gridColumn; // per model column: a column of the grid
    std::vector<int> m_widths;      // per model column, kept while it is hidden
    QStringList m_sumFields;
    mutable QHash<int, double> m_sums; // per summed column, until the rows change
    std::function<QColor(int)> m_rowColor;
    FileOpener m_opener;
    bool m_editable = false;
    bool m_syncing = false;
};
