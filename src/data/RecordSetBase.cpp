#include "RecordSetBase.h"

#include "jtLib.h"
#include "platform/Exceptions.h"
#include "platform/sql/QueryLoader.h"

#include <QSqlQuery>

RecordSetBase::RecordSetBase(TDatabase* db) : m_db(db) {}

RecordSetBase::~RecordSetBase() = default;

Field* RecordSetBase::AddField(FieldKind kind, const QString& name, int size, bool visible,
                               const QString& label) {
    m_persistent = true;
    return m_data.AddField(kind, name, size, visible, label);
}

int RecordSetBase::Open(const QString& sql, const TDBParameters& params) {
    m_data.Close();
    m_sql = sql;
    m_params = params;
    QSqlQuery query;
    try {
        query = Database().OpenQuery(sql, params);
    } catch (const EDatabaseError& e) {
        if (e.SqlText().isEmpty()) throw;
        ShowInfo(QStringLiteral("SQL语句错误,原文如下:\r\n") + sql +
                 QStringLiteral("\r\n\r\n错误提示:\r\n") + e.DriverMessage());
        // The caller's operation is abandoned: a closed set has no record count to return.
        throw EDatabaseError(QStringLiteral("数据集没有打开,无法读取记录数"));
    }
    LoadQuery(query, m_data, Database().Engine(), !m_persistent);
    return m_data.RecordCount();
}

void RecordSetBase::Reopen() {
    if (!m_data.Active()) return;
    m_data.DisableControls();
    try {
        Open(m_sql, m_params);
    } catch (...) {
        m_data.EnableControls();
        throw;
    }
    m_data.EnableControls();
}

QString RecordSetBase::JoinFieldValues(const Field* field, const QString& separator) {
    if (!field || !m_data.Active() || m_data.IsEmpty()) return {};
    QString joined;
    for (m_data.First(); !m_data.Eof(); m_data.Next()) {
        if (m_data.RecNo() > 1) joined += separator;
        joined += field->AsString();
    }
    return joined;
}
