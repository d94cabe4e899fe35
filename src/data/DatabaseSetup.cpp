#include "DatabaseSetup.h"

#include "DBConfigFrm.h"
#include "DBConfiger.h"
#include "Database.h"
#include "Schema.h"
#include "jtLib.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A database without any of our tables gets them on request; one with only some of them is
// left alone, and the first statement that needs a missing table reports it.
bool EnsureSchema() {
    if (InspectSchema(DB) != SchemaState::Missing) return true;
    if (!Confirm(QStringLiteral("数据库中还没有本系统的数据表，是否现在创建？"))) return false;
    try {
        CreateSchema(DB);
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return false;
    }
    return true;
}

} // namespace

void CreateDatabaseFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw Exception(QStringLiteral("无法创建数据库文件: %1").arg(path));
    file.close();
    TDatabase creator;
    try {
        if (!creator.Connect(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(path))) throw EAbort();
        CreateSchema(creator);
    } catch (...) {
        creator.SetConnected(false);
        QFile::remove(path);
        throw;
    }
    creator.SetConnected(false);
}

bool ConnectAtStartup(TDBConfigFrm& dialog) {
    // A first start, with no settings at all, works on the program's own database file.
    TDBConfiger& settings = dialog.Configer();
    if (!QFileInfo::exists(settings.FileName())) {
        settings.providerIdx = TDBConfiger::FileProvider;
        settings.defaultCon = true;
        settings.Save();
    }
    for (;;) {
        const QString connection = dialog.GetConnectionString();
        const QString defaultFile = TDBConfiger::DefaultDatabasePath();
        try {
            if (settings.UsesDefaultDatabase() && !QFileInfo::exists(defaultFile))
                CreateDatabaseFile(defaultFile);
            if (DB.Connect(connection) && EnsureSchema()) return true;
        } catch (const EAbort&) {
        } catch (const Exception& e) {
            ShowInfo(e.Message());
        }
        DB.SetConnected(false);
        if (dialog.exec() != QDialog::Accepted) return false;
        QCoreApplication::processEvents();
    }
}
