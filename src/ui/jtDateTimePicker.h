#pragma once

#include <QDateTimeEdit>

class QCheckBox;

// The date-time picker of every entry window. With its check box shown and cleared it holds
// no value: AsDate, AsTime and AsDateTime read null (an invalid QVariant), and DataSource,
// which binds it through AsDateTime, writes null to the field. Aqua while focused, white
// otherwise. Created unchecked, on the current date and time.
class TjtDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
    Q_PROPERTY(
        QVariant AsDateTime READ AsDateTime WRITE SetAsDateTime NOTIFY AsDateTimeChanged USER true)
public:
    explicit TjtDateTimePicker(QWidget* parent = nullptr);

    bool ShowCheckbox() const;
    void SetShowCheckbox(bool show);
    bool Checked() const;
    void SetChecked(bool checked);

    // Writing a value sets the full date and time to it and checks the box; writing null
    // clears the box when it is shown, and otherwise sets the current date and time.
    QVariant AsDate() const; // a QDate
    void SetAsDate(const QVariant& value);
    QVariant AsTime() const; // a QTime
    void SetAsTime(const QVariant& value);
    QVariant AsDateTime() const; // a QDateTime
    void SetAsDateTime(const QVariant& value);

    QCheckBox* CheckBox() const { return m_check; }

Q_SIGNALS:
    // The date, the time or the check box changed.
    void AsDateTimeChanged();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool Null() const;
    void SetBackground(const QColor& colour);
    void PlaceCheckBox();
    void ShowNull();

    QCheckBox* m_check;
    bool m_showCheckbox = false;
};
