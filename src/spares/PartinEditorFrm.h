#pragma once

#include "PartinSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class TjtDateTimePicker;

// Receives what was typed; false keeps the editor open.
using TPartinEdited = std::function<bool(const TPartinInput& input)>;

// "备件申购": the header of a new or changed bill.
class TPartinEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    TPartinEditorFrm(const TPartinInput& input, TPartinEdited edited, QWidget* parent = nullptr);

    QLineEdit* CodeEdit() const { return m_code; }
    TjtDateTimePicker* DateEdit() const { return m_date; }
    QComboBox* TypeCombo() const { return m_type; }
    QComboBox* InoutCombo() const { return m_inout; }
    QComboBox* HandmanCombo() const { return m_handman; }
    QPlainTextEdit* NotesMemo() const { return m_notes; }

    void accept() override;

private:
    TPartinEdited m_edited;
    QLineEdit* m_code;
    TjtDateTimePicker* m_date;
    QComboBox* m_type;
    QComboBox* m_inout;
    QComboBox* m_handman;
    QPlainTextEdit* m_notes;
};

// Runs the editor; true when it closed with OK.
bool EditPartin(const TPartinInput& input, const TPartinEdited& edited, QWidget* parent);
