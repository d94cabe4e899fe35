#pragma once

#include <QWidget>

class DataSource;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
class TCareitemWhere;
class TjtDateTimePicker;

// The search panel of the item list (forItems) and of the care record list, bound to their
// conditions. Enter anywhere in it asks for a search, Esc for a reset.
class TCareSearchPanel : public QWidget {
    Q_OBJECT
public:
    TCareSearchPanel(TCareitemWhere& where, bool forItems, QWidget* parent = nullptr);

    // Pushes what is typed into the conditions; false (after saying why) when it cannot.
    bool CommitEdits();
    // Empties the conditions and the inputs.
    void Reset();
    void Refresh();
    void PickClassClick();
    void PickDeptClick();

    QComboBox* NameCombo() const { return m_name; }
    QComboBox* ItemCombo() const { return m_item; }
    QComboBox* ManCombo() const { return m_man; }
    QLineEdit* CodeEdit() const { return m_code; }
    QLineEdit* AssetNameEdit() const { return m_assetName; }
    QLineEdit* DeptEdit() const { return m_dept; }
    QLineEdit* ClassEdit() const { return m_class; }
    QLineEdit* DaysFromEdit() const { return m_daysFrom; }
    QLineEdit* KeywordEdit() const { return m_keyword; }
    QLineEdit* ItemIdEdit() const { return m_itemId; }
    TjtDateTimePicker* DateFromEdit() const { return m_dateFrom; }
    TjtDateTimePicker* DateToEdit() const { return m_dateTo; }
    TjtDateTimePicker* NextDateEdit() const { return m_nextDate; }
    QCheckBox* HintedCheck() const { return m_hinted; }
    QToolButton* SearchButton() const { return m_search; }
    QToolButton* ResetButton() const { return m_reset; }

Q_SIGNALS:
    void searchRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TCareitemWhere& m_where;
    DataSource* m_source;
    QComboBox* m_name;
    QComboBox* m_item;
    QComboBox* m_man;
    QComboBox* m_place;
    QLineEdit* m_code;
    QLineEdit* m_assetName;
    QLineEdit* m_dept;
    QLineEdit* m_class;
    QLineEdit* m_daysFrom;
    QLineEdit* m_daysTo;
    QLineEdit* m_hoursFrom;
    QLineEdit* m_hoursTo;
    QLineEdit* m_keyword = nullptr;
    QLineEdit* m_itemId;
    TjtDateTimePicker* m_dateFrom;
    TjtDateTimePicker* m_dateTo;
    TjtDateTimePicker* m_nextDate = nullptr;
    QCheckBox* m_hinted = nullptr;
    QToolButton* m_search;
    QToolButton* m_reset;
};
