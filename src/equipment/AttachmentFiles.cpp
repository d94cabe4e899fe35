#include "AttachmentFiles.h"

#include "DocumentSet.h"
#include "data/jtLib.h"
#include "platform/AppPaths.h"
#include "platform/Exceptions.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QUrl>

#include <utility>

namespace {

TFileOpener& Opener() {
    static TFileOpener opener;
    return opener;
}

TDocumentChooser& Chooser() {
    static TDocumentChooser chooser;
    return chooser;
}

} // namespace

TFileOpener SetAttachmentOpener(TFileOpener opener) {
    return std::exchange(Opener(), std::move(opener));
}

bool OpenAttachment(const QString& path) {
    const bool opened =
        Opener() ? Opener()(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!opened)
        ShowInfo(QStringLiteral("没有找到能打开该文件的程序:\r\n") +
                 QDir::toNativeSeparators(path));
    return opened;
}

TDocumentChooser SetDocumentChooser(TDocumentChooser chooser) {
    return std::exchange(Chooser(), std::move(chooser));
}

QString ChooseDocumentFile(QWidget* parent, const QString& current) {
    if (Chooser()) return Chooser()(parent, current);
    return QFileDialog::getOpenFileName(parent, QString(), current);
}

QByteArray ReadAttachment(const QString& path) {
    if (path.trimmed().isEmpty()) throw Exception(QStringLiteral("请选择文档文件."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("无法读取文件 %1:\r\n%2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.readAll();
}

QString WriteTemporaryCopy(const QString& storedPath, const QByteArray& data) {
    const QString path =
        QDir(DataDir()).filePath(QStringLiteral("tmp_") + FileNamePart(storedPath));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw Exception(QStringLiteral("无法写入文件 %1:\r\n%2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    return path;
}
