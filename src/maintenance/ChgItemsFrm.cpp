#include "ChgItemsFrm.h"

#include "ui/jtEdit.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TChgItemsFrm::TChgItemsFrm(const QStringList& candidates, QWidget* parent)
    : TADlgFrm(parent), m_value(new TjtEdit(Body())), m_list(new QListWidget(Body())) {
    setWindowTitle(QStringLiteral("选择"));
    setObjectName(QStringLiteral("ChgItemsFrm"));
    m_value->setMaxLength(50);
    m_list->addItems(candidates);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_value);
    layout->addWidget(m_list, 1);
    OkButton()->setEnabled(false);
    connect(m_value, &QLineEdit::textChanged, this,
            [this](const QString& text) { OkButton()->setEnabled(!text.isEmpty()); });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_value->setText(item->text()); });
    resize(260, 320);
}

QString TChgItemsFrm::Value() const {
    return m_value->text();
}

bool ChooseChangeValue(const QStringList& candidates, QString& value, QWidget* parent) {
    TChgItemsFrm chooser(candidates, parent);
    if (chooser.exec() != QDialog::Accepted || chooser.Value().isEmpty()) return false;
    value = chooser.Value();
    return true;
}
