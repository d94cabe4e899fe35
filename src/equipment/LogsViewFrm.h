#pragma once

#include "LogListFrm.h"
#include "Logset.h"

class QAction;
class QComboBox;
class QLineEdit;
class TjtDateTimePicker;

// "操作日志": the operator log, newest first, searched by time, operator, action, description
// and computer; the texts match as typed, "%" standing for any text. Selected lines can be
// deleted.
class TLogsViewFrm : public TLogListFrm {
    Q_OBJECT
public:
    explicit TLogsViewFrm(QWidget* parent = nullptr);

    TLogset& Logs() { return m_logs; }
    TjtDateTimePicker* TimeFrom() const { return m_timeFrom; }
    TjtDateTimePicker* TimeTo() const { return m_timeTo; }
    QComboBox* HandmanCombo() const { return m_handman; }
    QComboBox* ActionCombo() const { return m_action; }
    QLineEdit* DetailsEdit() const { return m_details; }
    QLineEdit* ComputNameEdit() const { return m_computName; }
    QLineEdit* ComputIpEdit() const { return m_computIp; }
    QAction* DeleteAction() const { return m_delete; }

    // Deletes the selected lines after asking.
    void DeleteClick();

protected:
    void OpenLog() override;

private:
    TLogset m_logs;
    TjtDateTimePicker* m_timeFrom = nullptr;
    TjtDateTimePicker* m_timeTo = nullptr;
    QComboBox* m_handman = nullptr;
    QComboBox* m_action = nullptr;
    QLineEdit* m_details = nullptr;
    QLineEdit* m_computName = nullptr;
    QLineEdit* m_computIp = nullptr;
    QAction* m_delete = nullptr;
};
