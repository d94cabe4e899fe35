#include "ADlgFrm.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

void CentreOn(QWidget* dialog, const QWidget* over) {
    const QSize size = dialog->frameGeometry().size().isValid() && dialog->isVisible()
                           ? dialog->frameGeometry().size()
                           : dialog->sizeHint();
    QRect area;
    if (over && over->isVisible()) area = over->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
    if (area.isValid()) dialog->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    return row;
}

TADlgFrm::TADlgFrm(QWidget* parent)
    : TaFrm(parent), m_body(new QWidget(this)), m_ok(new QPushButton(QStringLiteral("确定(&O)"), this)),
      m_cancel(new QPushButton(QStringLiteral("取消"), this)),
      m_help(new QPushButton(QStringLiteral("帮助"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_body, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    layout->addLayout(ButtonRow({m_ok, m_cancel, m_help}));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { ShowHelp(); });
}

void TADlgFrm::showEvent(QShowEvent* event) {
    TaFrm::showEvent(event);
    CentreOn(this, parentWidget());
}
