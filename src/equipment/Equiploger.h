#pragma once

#include <QStringList>

#include <memory>

class DataSet;
class Field;
class TAssetsSet;

// Writes the update log of one save of an equipment record: a header naming who saved it from
// where, then one detail row per field whose value differs from the stored record.
class TEquiploger {
public:
    TEquiploger();
    ~TEquiploger();

    // Reads the stored record and writes the header; raises "创建日志失败, 操作已取消." when the
    // header is not written.
    void Start(int equipId);
    // Compares the named fields of the edited row with the stored record.
    void LogChanges(const DataSet& edited, const QStringList& fieldNames);

private:
    bool WriteDetail(const Field& stored, const Field& edited);

    std::unique_ptr<TAssetsSet> m_stored;
    int m_logId = 0;
};
