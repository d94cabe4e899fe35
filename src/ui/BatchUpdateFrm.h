#pragma once

#include "aFrm.h"

#include <QList>
#include <QStringList>

#include <functional>

class DataSet;
class QComboBox;
class QLineEdit;
class QPushButton;

// The batch-update dialog "修改": which item gets which value. OK is refused, silently,
// while no item is chosen.
class TBatchUpdateFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TBatchUpdateFrm(QWidget* parent = nullptr);

    // The drop-down's items; the caller fills them before showing the dialog.
    QStringList& Items();
    int ItemIndex() const;
    QString Value() const;
    void SetValue(const QString& value);

    QComboBox* ItemBox() const { return m_itemBox; }
    QLineEdit* ValueEdit() const { return m_valueEdit; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QStringList m_items;
    QComboBox* m_itemBox;
    QLineEdit* m_valueEdit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

// The grids' batch update: asks for a visible, modifiable field and a value, then for every
// selected row (view rows of the data set) edits the field, posts the row in memory and calls
// saveRow, the window's save procedure, with that row current. The row that was current
// becomes current again. columnFields gives the field index of each grid column in column
// order; empty means every field in field order.
void BatchUpdate(DataSet& data, const QList<int>& selectedRows,
                 const std::function<void()>& saveRow, QWidget* parent = nullptr,
                 const QList<int>& columnFields = {});
// The second half of BatchUpdate, once the field and the value are known.
void ApplyBatchUpdate(DataSet& data, const QList<int>& selectedRows, int fieldIndex,
                      const QString& value, const std::function<void()>& saveRow);
