#pragma once

#include <QWidget>

class DataSource;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QToolButton;
class TPartinWhere;
class TjtDBGrid;
class TjtDateTimePicker;

// The search panel of the bill listings, bound to their condition: kind, date range,
// handler, code and direction; the detail listing adds the part and a keyword. Enter inside
// it presses "查找", Esc presses "重置".
class TPartinSearchBar : public QWidget {
    Q_OBJECT
public:
    TPartinSearchBar(TPartinWhere& where, TjtDBGrid* grid, bool withParts, QWidget* parent);

    QComboBox* TypeCombo() const { return m_type; }
    TjtDateTimePicker* DateFromEdit() const { return m_dateFrom; }
    TjtDateTimePicker* DateToEdit() const { return m_dateTo; }
    QComboBox* HandmanCombo() const { return m_handman; }
    QLineEdit* CodeEdit() const { return m_code; }
    QComboBox* InoutCombo() const { return m_inout; }
    QLineEdit* PartEdit() const { return m_part; }
    QToolButton* PartButton() const { return m_partButton; }
    QLineEdit* KeywordEdit() const { return m_keyword; }
    QToolButton* SearchButton() const { return m_search; }
    QToolButton* ResetButton() const { return m_reset; }

    // Pushes what is typed into the condition; false (after saying why) when it cannot.
    bool Commit();
    // Empties every condition.
    void Reset();
    // Shows the condition's values again after the program changed them.
    void Refresh();

Q_SIGNALS:
    void searchRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddPartInputs(QGridLayout* grid);
    void PartClick();

    TPartinWhere& m_where;
    DataSource* m_source;
    QComboBox* m_type;
    TjtDateTimePicker* m_dateFrom;
    TjtDateTimePicker* m_dateTo;
    QComboBox* m_handman;
    QLineEdit* m_code;
    QComboBox* m_inout;
    QLineEdit* m_part = nullptr;
    QToolButton* m_partButton = nullptr;
    QLineEdit* m_keyword = nullptr;
    QToolButton* m_search;
    QToolButton* m_reset;
};
