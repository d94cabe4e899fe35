#include "HelpWindow.h"

#include "data/jtLib.h"
#include "platform/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
THelpWindow* g_instance = nullptr;
}

THelpWindow::THelpWindow() : m_browser(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ApplicationTitle() + QStringLiteral(" - 帮助"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    resize(720, 560);
}

THelpWindow* THelpWindow::Instance() {
    return g_instance;
}

QString THelpWindow::HelpFolder() {
    // Installed next to the program, or in the source tree's resources when run from a build.
    const QStringList candidates{ApplicationDir() + QStringLiteral("/help"),
                                 ApplicationDir() + QStringLiteral("/../share/lanyue/help"),
                                 QStringLiteral(LANYUE_SOURCE_DIR "/resources/help")};
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isDir()) return QDir(candidate).absolutePath();
    }
    return QString();
}

void THelpWindow::Show(const QString& topic) {
    if (!g_instance) {
        g_instance = new THelpWindow;
        QObject::connect(g_instance, &QObject::destroyed, [] { g_instance = nullptr; });
    }
    g_instance->Open(topic);
    g_instance->show();
    g_instance->raise();
}

void THelpWindow::Open(const QString& topic) {
    m_topic = topic;
    const QString file = QDir(HelpFolder()).filePath(topic + QStringLiteral(".html"));
    if (!HelpFolder().isEmpty() && QFileInfo::exists(file)) {
        m_browser->setSource(QUrl::fromLocalFile(file));
        return;
    }
    m_browser->setHtml(QStringLiteral("<h3>%1</h3><p>此主题（%2）还没有帮助内容。</p>")
                           .arg(ApplicationTitle(), topic.toHtmlEscaped()));
}

QString THelpWindow::Text() const {
    return m_browser->toPlainText();
}
