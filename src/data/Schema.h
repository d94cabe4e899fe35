#pragma once

#include <QStringList>

class TDatabase;

enum class SchemaState { Missing, Partial, Complete };

// How many of the program's tables the connected database has: none, some, or all.
SchemaState InspectSchema(TDatabase& db);
// Creates every table, view, index and initial row of the engine in one transaction.
void CreateSchema(TDatabase& db);
// The program's table names (34).
const QStringList& SchemaTables();
