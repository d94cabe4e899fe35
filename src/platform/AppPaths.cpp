#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ApplicationDir() {
    return QCoreApplication::applicationDirPath();
}

QString DataDir() {
    const QString home = qEnvironmentVariable("LANYUE_HOME");
    const QString appDir = ApplicationDir();
    QString dir;
    if (!home.isEmpty()) dir = QDir(home).absolutePath();
    else if (QFileInfo(appDir).isWritable()) return appDir;
    else dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // cfg.ini is written here on the first save, so the folder must exist by then.
    QDir().mkpath(dir);
    return dir;
}

QString ExecutableBaseName() {
    return QStringLiteral("lanyue");
}
