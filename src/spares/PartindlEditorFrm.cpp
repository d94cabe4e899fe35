#include "PartindlEditorFrm.h"

#include "PartLabels.h"
#include "PartPickerFrm.h"
#include "PartinUi_p.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

#include <QFormLayout>
#include <QHBoxLayout>

using namespace partinui;

TPartindlEditorFrm::TPartindlEditorFrm(const TPartindlInput& input, bool canChangePart,
                                       TPartindlEdited edited, QWidget* parent)
    : TADlgFrm(parent), m_input(input), m_edited(std::move(edited)), m_qty(NumberEdit(Body())),
      m_note(new TjtEdit(Body())), m_partButton(TextButton(QStringLiteral("..."), Body())) {
    setWindowTitle(QStringLiteral("备件申购"));
    setObjectName(QStringLiteral("PartindlEditorFrm"));
    auto* form = new QFormLayout(Body());
    for (int i = 0; i < 3; ++i) {
        m_parts[i] = new TjtEdit(Body());
        m_parts[i]->setReadOnly(true);
        const QString label = PartLabel(QStringLiteral("S%1").arg(i + 1));
        if (i > 0) {
            form->addRow(label, m_parts[i]);
            continue;
        }
        auto* row = new QHBoxLayout;
        row->setSpacing(1);
        row->addWidget(m_parts[i], 1);
        row->addWidget(m_partButton);
        form->addRow(label, row);
    }
    form->addRow(QStringLiteral("计划数量"), m_qty);
    form->addRow(QStringLiteral("备注"), m_note);
    m_note->setMaxLength(250);
    m_partButton->setVisible(canChangePart);
    connect(m_partButton, &QToolButton::clicked, this, &TPartindlEditorFrm::PartClick);
    ShowPart();
    // Zero is shown, not left blank: it is the planned quantity a new line starts from.
    m_qty->setText(QString::number(input.Qty));
    m_note->setText(input.Note);
    resize(360, 220);
}

void TPartindlEditorFrm::ShowPart() {
    m_parts[0]->setText(m_input.Part.S1);
    m_parts[1]->setText(m_input.Part.S2);
    m_parts[2]->setText(m_input.Part.S3);
}

void TPartindlEditorFrm::PartClick() {
    PickPart(m_input.Part.Id, [this](const TPartData& part) {
        m_input.Part = part;
        ShowPart();
        return true;
    }, this);
}

void TPartindlEditorFrm::accept() {
    TPartindlInput input = m_input;
    try {
        input.Qty = m_qty->AsDouble();
    } catch (const EConvertError& e) {
        ShowInfo(e.Message());
        m_qty->setFocus();
        return;
    }
    input.Note = m_note->text();
    if (m_edited && !m_edited(input)) return;
    TADlgFrm::accept();
}
