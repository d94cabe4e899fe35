#include "PartinEditorFrm.h"

#include "PartinUi_p.h"
#include "ui/jtCtrls.h"
#include "ui/jtDateTimePicker.h"

#include <QFormLayout>
#include <QPlainTextEdit>

using namespace partinui;

TPartinEditorFrm::TPartinEditorFrm(const TPartinInput& input, TPartinEdited edited,
                                   QWidget* parent)
    : TADlgFrm(parent), m_edited(std::move(edited)), m_code(new TjtEdit(Body())),
      m_date(new TjtDateTimePicker(Body())), m_type(PickListCombo(kIntypeList, Body())),
      m_inout(new TjtComboBox(Body())), m_handman(PickListCombo(kHandmanList, Body())),
      m_notes(new QPlainTextEdit(Body())) {
    setWindowTitle(QStringLiteral("备件申购"));
    setObjectName(QStringLiteral("PartinEditorFrm"));
    m_code->setMaxLength(30);
    m_inout->addItems({QStringLiteral("增加"), QStringLiteral("减少")});
    InstallFocusColour(m_notes);
    auto* form = new QFormLayout(Body());
    form->addRow(QStringLiteral("单号"), m_code);
    form->addRow(QStringLiteral("日期"), m_date);
    form->addRow(QStringLiteral("类别"), m_type);
    form->addRow(QStringLiteral("方向"), m_inout);
    form->addRow(QStringLiteral("申购人"), m_handman);
    form->addRow(QStringLiteral("备注"), m_notes);

    m_code->setText(input.Incode);
    m_date->SetAsDate(input.Indate.isValid() ? QVariant(input.Indate) : QVariant());
    m_type->setEditText(input.Intype);
    m_inout->setCurrentIndex(input.Inout == -1 ? 1 : 0);
    m_handman->setEditText(input.Handman);
    m_notes->setPlainText(input.Notes);
    resize(360, 320);
}

void TPartinEditorFrm::accept() {
    TPartinInput input;
    input.Incode = m_code->text();
    input.Indate = m_date->date();
    input.Intype = m_type->currentText();
    input.Inout = m_inout->currentIndex() == 1 ? -1 : 1;
    input.Handman = m_handman->currentText();
    input.Notes = m_notes->toPlainText();
    if (m_edited && !m_edited(input)) return;
    TADlgFrm::accept();
}

bool EditPartin(const TPartinInput& input, const TPartinEdited& edited, QWidget* parent) {
    TPartinEditorFrm editor(input, edited, parent);
    return editor.exec() == QDialog::Accepted;
}
