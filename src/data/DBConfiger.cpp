#include "DBConfiger.h"

#include "data/jtLib.h"
#include "platform/AppPaths.h"
#include "platform/Format.h"
#include "platform/HttpClient.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QStringList>
#include <QUrl>

namespace {

const QString kDb = QStringLiteral("db");

const char kServerTemplate[] =
    "Provider=PostgreSQL;Data Source=%s;Port=%s;Initial Catalog=%s;User ID=%s;Password=%s;";
const char kFileTemplate[] = "Provider=SQLite;Data Source=%s;";

QString ReadScrambled(const IniFile& ini, const QString& key) {
    return QString::fromUtf8(Scramble(ini.ReadBytes(kDb, key)));
}

void WriteScrambled(IniFile& ini, const QString& key, const QString& value) {
    ini.WriteBytes(kDb, key, Scramble(value.toUtf8()));
}

// The reply's lines as a line list sees them: \r\n, \n and \r all end a line, and a final
// line break does not start another line.
QStringList ReplyLines(const QByteArray& body) {
    QString text = QString::fromUtf8(body);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (text.endsWith(u'\n')) text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

} // namespace

TDBConfiger::TDBConfiger()
    : m_ini(std::make_unique<IniFile>(QDir(DataDir()).filePath(QStringLiteral("cfg.ini")))) {
    mssqlServer = m_ini->ReadString(kDb, QStringLiteral("mssqlServer"));
    mssqlPort = m_ini->ReadInteger(kDb, QStringLiteral("mssqlPort"), 5432);
    mssqlDb = m_ini->ReadString(kDb, QStringLiteral("mssqlDb"));
    mssqlUser = m_ini->ReadString(kDb, QStringLiteral("mssqlUser"));
    mssqlPw = ReadScrambled(*m_ini, QStringLiteral("mssqlPw"));
    jetfile = ReadScrambled(*m_ini, QStringLiteral("jetfile"));
    jetUser = m_ini->ReadString(kDb, QStringLiteral("jetUser"));
    jetPw = ReadScrambled(*m_ini, QStringLiteral("jetPw"));
    dipUrl = m_ini->ReadString(kDb, QStringLiteral("dipUrl"));
    dipUser = m_ini->ReadString(kDb, QStringLiteral("dipUser"));
    providerIdx = m_ini->ReadInteger(kDb, QStringLiteral("providerIdx"), ServerProvider);
    defaultCon = m_ini->ReadBool(kDb, QStringLiteral("defaultCon"), true);
}

TDBConfiger::~TDBConfiger() = default;

QString TDBConfiger::FileName() const {
    return m_ini->FileName();
}

void TDBConfiger::Save() {
    m_ini->WriteString(kDb, QStringLiteral("mssqlServer"), mssqlServer);
    m_ini->WriteInteger(kDb, QStringLiteral("mssqlPort"), mssqlPort);
    m_ini->WriteString(kDb, QStringLiteral("mssqlDb"), mssqlDb);
    m_ini->WriteString(kDb, QStringLiteral("mssqlUser"), mssqlUser);
    WriteScrambled(*m_ini, QStringLiteral("mssqlPw"), mssqlPw);
    WriteScrambled(*m_ini, QStringLiteral("jetfile"), jetfile);
    m_ini->WriteString(kDb, QStringLiteral("jetUser"), jetUser);
    WriteScrambled(*m_ini, QStringLiteral("jetPw"), jetPw);
    m_ini->WriteString(kDb, QStringLiteral("dipUrl"), dipUrl);
    m_ini->WriteString(kDb, QStringLiteral("dipUser"), dipUser);
    m_ini->WriteInteger(kDb, QStringLiteral("providerIdx"), providerIdx);
    m_ini->WriteBool(kDb, QStringLiteral("defaultCon"), defaultCon);

    QString connStr;
    if (providerIdx == ServerProvider)
        connStr = Format(kServerTemplate, {mssqlServer, QString::number(mssqlPort), mssqlDb,
                                           mssqlUser, mssqlPw});
    else if (providerIdx == FileProvider)
        // The chosen file also when use default is set: the default is only ever derived.
        connStr = Format(kFileTemplate, {jetfile});
    WriteScrambled(*m_ini, QStringLiteral("ConnStr"), connStr);
}

QString TDBConfiger::GetConnectionString() const {
    if (UsesDefaultDatabase()) return Format(kFileTemplate, {DefaultDatabasePath()});
    if (providerIdx == DipProvider) return AskDipService();
    return ReadScrambled(*m_ini, QStringLiteral("ConnStr"));
}

QString TDBConfiger::DefaultDatabasePath() {
    return QDir(DataDir()).filePath(ExecutableBaseName() + QStringLiteral(".db"));
}

bool TDBConfiger::UsesDefaultDatabase() const {
    return providerIdx == FileProvider && defaultCon;
}

QString TDBConfiger::ReadLastLoginId() const {
    return m_ini->ReadString(QStringLiteral("Login"), QStringLiteral("LastLoginId"));
}

void TDBConfiger::WriteLastLoginId(const QString& loginId) {
    m_ini->WriteString(QStringLiteral("Login"), QStringLiteral("LastLoginId"), loginId);
}

QString TDBConfiger::AskDipService() const {
    const QUrl url(Format("%s?user=%s",
                          {dipUrl, QString::fromLatin1(QUrl::toPercentEncoding(dipUser))}));
    QByteArray body;
    if (!HttpGet(url, m_serviceTimeoutMs, &body)) {
        ShowInfo(QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通."));
        return QString();
    }
    const QStringList lines = ReplyLines(body);
    if (lines.size() != 5) return QString();
    // Lines: server, port, login, password, database.
    return Format(kServerTemplate, {lines[0], lines[1], lines[4], lines[2], lines[3]});
}
