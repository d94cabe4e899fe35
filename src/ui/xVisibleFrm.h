#pragma once

#include "aFrm.h"

#include <QList>

class QPushButton;
class QTableWidget;
class TjtDBGrid;

// The column choice "列选择": one row per grid column in column order, its title and "√"
// while it is shown; a click toggles the mark. OK shows exactly the marked columns; the
// change is kept only when the layout is saved.
class TxVisibleFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TxVisibleFrm(TjtDBGrid& grid, QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    bool Marked(int row) const;
    void ToggleMark(int row);

    void accept() override;

private:
    TjtDBGrid& m_grid;
    QTableWidget* m_table;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
