#pragma once

#include "data/Database.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

enum class TestEngine { SQLite, PostgreSQL };

QString EngineName(TestEngine engine);

// The first column of the first row of a select on DB, as an integer (0 when null).
int ScalarInt(const QString& sql);

// A fresh, empty database on one engine, connected to db for the object's lifetime: a new
// file in a temporary folder, or a new database on the cluster named by LANYUE_TEST_PG.
class TestDatabase {
public:
    explicit TestDatabase(TestEngine engine, TDatabase& db = DB);
    ~TestDatabase();

    // Why the engine cannot be used here; empty when it can.
    static QString Unavailable(TestEngine engine);
    TestEngine Engine() const { return m_engine; }
    const QString& ConnectionString() const { return m_connectionString; }

private:
    TestEngine m_engine;
    TDatabase& m_db;
    QTemporaryDir m_dir;
    QString m_databaseName;
    QString m_connectionString;
};
