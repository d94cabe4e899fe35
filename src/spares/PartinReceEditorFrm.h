#pragma once

#include "ui/ADlgFrm.h"

#include <QDateTime>

#include <functional>

class QLineEdit;
class TjtDateTimePicker;

// Receives who confirmed and when; false keeps the dialog open.
using TPartinReceived = std::function<bool(const QString& man, const QDateTime& when)>;

// "确认": who confirms a bill, and when.
class TPartinReceEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    TPartinReceEditorFrm(const QString& man, const QDateTime& when, TPartinReceived received,
                         QWidget* parent = nullptr);

    QLineEdit* ManEdit() const { return m_man; }
    TjtDateTimePicker* DateEdit() const { return m_date; }

    void accept() override;

private:
    TPartinReceived m_received;
    QLineEdit* m_man;
    TjtDateTimePicker* m_date;
    // The picker shows the date only; the time of day it started with is kept.
    QTime m_time;
};
