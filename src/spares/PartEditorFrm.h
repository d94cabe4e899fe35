#pragma once

#include "PartsSet.h"
#include "ui/aFrm.h"

#include <QHash>

#include <functional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class TjtEdit;

// "备件": the inputs of one part. It keeps nothing itself: the caller fills it and receives
// what was typed when the user confirms.
class TPartEditorFrm : public TaFrm {
    Q_OBJECT
public:
    using TEdited = std::function<void(const TPartValues& values)>;

    explicit TPartEditorFrm(TEdited edited, QWidget* parent = nullptr);

    void SetValues(const TPartValues& values);
    // Raises EConvertError for a number input that holds no number; empty counts as 0.
    TPartValues Values() const;

    // The input of a catalogue column (S1 … S8, F1 … F5, ClassA, Status, Remarks, MinQty).
    QWidget* Input(const QString& fieldName) const { return m_inputs.value(fieldName); }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void accept() override;

private:
    TjtEdit* NewEdit(const QString& fieldName, bool number);
    QComboBox* NewCombo(const QString& fieldName, int pickList);
    QString Text(const QString& fieldName) const;
    double Number(const QString& fieldName) const;
    // Shows the first number input that holds no number; false when there is one.
    bool NumbersValid();

    TEdited m_edited;
    QHash<QString, QWidget*> m_inputs;
    QList<TjtEdit*> m_numbers;
    QPlainTextEdit* m_remarks;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
