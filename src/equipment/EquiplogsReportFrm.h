#pragma once

#include "EquiplogsReport.h"
#include "LogListFrm.h"

class QComboBox;
class QLineEdit;
class TjtDateTimePicker;

// "设备修改日志": every changed field of the equipment records, searched by when, which item,
// old and new value, who and from which computer. Nothing is read before "查找".
class TEquiplogsReportFrm : public TLogListFrm {
    Q_OBJECT
public:
    explicit TEquiplogsReportFrm(QWidget* parent = nullptr);

    TEquiplogsReport& Report() { return m_report; }
    TjtDateTimePicker* TimeFrom() const { return m_timeFrom; }
    TjtDateTimePicker* TimeTo() const { return m_timeTo; }
    QComboBox* ItemCombo() const { return m_item; }
    QLineEdit* OldValueEdit() const { return m_oldValue; }
    QLineEdit* NewValueEdit() const { return m_newValue; }
    QComboBox* UpdatemanCombo() const { return m_updateman; }
    QLineEdit* ComputNameEdit() const { return m_computName; }

protected:
    void OpenLog() override;

private:
    TEquiplogsReport m_report;
    TjtDateTimePicker* m_timeFrom = nullptr;
    TjtDateTimePicker* m_timeTo = nullptr;
    QComboBox* m_item = nullptr;
    QLineEdit* m_oldValue = nullptr;
    QLineEdit* m_newValue = nullptr;
    QComboBox* m_updateman = nullptr;
    QLineEdit* m_computName = nullptr;
};
