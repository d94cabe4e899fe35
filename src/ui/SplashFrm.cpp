#include "SplashFrm.h"

#include "aFrm.h"
#include "platform/AppPaths.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// "splash.jpg" beside the program when there is one; otherwise a picture of our own.
QPixmap SplashPicture() {
    const QString file = ApplicationDir() + QStringLiteral("/splash.jpg");
    if (QFile::exists(file)) {
        QPixmap picture(file);
        if (!picture.isNull()) return picture;
    }
    QPixmap picture(420, 150);
    QPainter p(&picture);
    QLinearGradient gradient(0, 0, 420, 150);
    gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    gradient.setColorAt(1, QColor(0x3a, 0x8f, 0xd0));
    p.fillRect(picture.rect(), gradient);
    p.setPen(Qt::white);
    QFont font = TaFrm::SystemFont();
    font.setPointSize(20);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(24, 30, 380, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("澜岳设备管理系统"));
    font.setPointSize(11);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(24, 84, 380, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("工业版 2.45"));
    return picture;
}

} // namespace

TSplashFrm::TSplashFrm() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setFont(TaFrm::SystemFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* picture = new QLabel(this);
    picture->setPixmap(SplashPicture());
    layout->addWidget(picture);
    m_hint = new QLabel(QStringLiteral("正在创建数据连接..."), this);
    m_hint->setContentsMargins(12, 0, 12, 0);
    layout->addWidget(m_hint);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSplashFrm::ShowHint(const QString& text) {
    m_hint->setText(text.isEmpty() ? m_hint->text() + u'.' : text);
    m_hint->repaint();
}

QString TSplashFrm::Hint() const {
    return m_hint->text();
}
