#pragma once

#include "ADlgFrm.h"

#include <QStringList>

class DataSet;
class QTableWidget;

// The sort dialog: one row per sortable field with its direction; the rows that carry a
// direction, top to bottom, make the sort text ("Code ASC,Name DESC").
class TSortFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TSortFrm(QWidget* parent = nullptr);

    // One row per plain data field that is not binary or memo, in field order; hidden fields
    // only with includeHidden.
    void LoadFields(DataSet& data, bool includeHidden = true);
    QString SortString() const;
    // Named fields come first, in the order of the text; unknown names are ignored.
    void SetSortString(const QString& text);
    // The same as SortString, with labels and "升序"/"降序".
    QString SortLabels() const;

    QTableWidget* Grid() const { return m_grid; }
    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }
    // What a double-click on the row does: empty → 升序 → 降序 → empty.
    void CycleDirection(int row);
    // Moves a row to another place, keeping the name and direction lists in step.
    void MoveRow(int from, int to);

private:
    void SetDirection(int row, const QString& direction);
    void UpdateButtons();

    QTableWidget* m_grid;
    QPushButton* m_up;
    QPushButton* m_down;
    QStringList m_names;
    QStringList m_directions;
};
