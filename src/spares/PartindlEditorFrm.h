#pragma once

#include "PartData.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QLineEdit;
class QToolButton;
class TjtEdit;

// What the line editor hands back.
struct TPartindlInput {
    TPartData Part;
    double Qty = 0;
    QString Note;
};

// Receives the line as typed; false keeps the editor open.
using TPartindlEdited = std::function<bool(const TPartindlInput& input)>;

// "备件申购": the part and planned quantity of one bill line.
class TPartindlEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    // canChangePart shows "...", which picks another part for the line.
    TPartindlEditorFrm(const TPartindlInput& input, bool canChangePart, TPartindlEdited edited,
                       QWidget* parent = nullptr);

    QLineEdit* PartEdit(int index) const { return m_parts[index]; }
    TjtEdit* QtyEdit() const { return m_qty; }
    QLineEdit* NoteEdit() const { return m_note; }
    QToolButton* PartButton() const { return m_partButton; }
    const TPartData& Part() const { return m_input.Part; }

    void accept() override;

private:
    void PartClick();
    void ShowPart();

    TPartindlInput m_input;
    TPartindlEdited m_edited;
    QLineEdit* m_parts[3];
    TjtEdit* m_qty;
    QLineEdit* m_note;
    QToolButton* m_partButton;
};
