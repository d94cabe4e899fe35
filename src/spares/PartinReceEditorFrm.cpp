#include "PartinReceEditorFrm.h"

#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QFormLayout>

TPartinReceEditorFrm::TPartinReceEditorFrm(const QString& man, const QDateTime& when,
                                           TPartinReceived received, QWidget* parent)
    : TADlgFrm(parent), m_received(std::move(received)), m_man(new TjtEdit(Body())),
      m_date(new TjtDateTimePicker(Body())), m_time(when.time()) {
    setWindowTitle(QStringLiteral("确认"));
    setObjectName(QStringLiteral("PartinReceEditorFrm"));
    m_man->setMaxLength(30);
    auto* form = new QFormLayout(Body());
    form->addRow(QStringLiteral("确认者"), m_man);
    form->addRow(QStringLiteral("确认时间"), m_date);
    m_man->setText(man);
    m_date->SetAsDate(when.date());
    resize(300, 140);
}

void TPartinReceEditorFrm::accept() {
    const QDateTime when(m_date->date(), m_time);
    if (m_received && !m_received(m_man->text(), when)) return;
    TADlgFrm::accept();
}
