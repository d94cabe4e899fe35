#include "AInfoDlgFrm.h"

#include "ADlgFrm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QWidget* MainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w)) return w;
    return nullptr;
}

} // namespace

TAInfoDlgFrm::TAInfoDlgFrm(QWidget* parent)
    : TaFrm(parent), m_body(new QWidget(this)), m_close(new QPushButton(QStringLiteral("关闭"), this)),
      m_help(new QPushButton(QStringLiteral("帮助"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_body, 1);
    layout->addLayout(ButtonRow({m_close, m_help}));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { ShowHelp(); });
}

void TAInfoDlgFrm::showEvent(QShowEvent* event) {
    TaFrm::showEvent(event);
    CentreOn(this, MainWindow());
}
