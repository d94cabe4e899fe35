#pragma once

#include <QString>

#include <memory>

class IniFile;

// The connection settings kept in cfg.ini (section db) in the data directory, and the
// connection string made from them. Provider index 0 is a PostgreSQL server, 1 a SQLite file
// (by default the program's own database), 2 a PostgreSQL server whose connection data comes
// from the remote connection service.
class TDBConfiger {
public:
    enum Provider { ServerProvider = 0, FileProvider = 1, DipProvider = 2 };

    TDBConfiger();
    ~TDBConfiger();
    TDBConfiger(const TDBConfiger&) = delete;
    TDBConfiger& operator=(const TDBConfiger&) = delete;

    // Writes every setting, then the connection string built from them (ConnStr).
    void Save();
    // The string to try: the default database for index 1 with use default, the service's
    // answer for index 2 (empty when it fails), otherwise the string the last Save built.
    QString GetConnectionString() const;

    static QString DefaultDatabasePath();
    bool UsesDefaultDatabase() const;

    QString ReadLastLoginId() const;
    void WriteLastLoginId(const QString& loginId);

    // How long the remote connection service may take to answer.
    void SetServiceTimeout(int milliseconds) { m_serviceTimeoutMs = milliseconds; }
    QString FileName() const;

    QString mssqlServer;
    int mssqlPort = 5432;
    QString mssqlDb;
    QString mssqlUser;
    QString mssqlPw;
    // "采用智能连接": kept for the dialog only; our server connections carry their port.
    bool smartConnect = false;
    QString jetfile;
    // The SQLite file has no users or passwords; both are kept and shown, never used.
    QString jetUser;
    QString jetPw;
    QString dipUrl;
    QString dipUser;
    int providerIdx = ServerProvider;
    bool defaultCon = true;

private:
    QString AskDipService() const;

    std::unique_ptr<IniFile> m_ini;
    int m_serviceTimeoutMs = 10000;
};
