#pragma once

#include "ui/ADlgFrm.h"

class QPlainTextEdit;
class TAstProfile;
class TEqiEventSet;
class TjtDateTimePicker;

// "要事记录": a note on a machine. OK saves it into the set; a failure is shown and the editor
// stays open.
class TEventEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    // A new note of the machine, or the set's current one.
    TEventEditorFrm(TEqiEventSet& set, bool isNew, int assetId, QWidget* parent = nullptr);

    TAstProfile* Profile() const { return m_profile; }
    TjtDateTimePicker* DateEdit() const { return m_date; }
    QPlainTextEdit* DetailsMemo() const { return m_details; }

    void accept() override;

private:
    void Save();

    TEqiEventSet& m_set;
    bool m_isNew;
    int m_assetId;
    TAstProfile* m_profile;
    TjtDateTimePicker* m_date;
    QPlainTextEdit* m_details;
};
