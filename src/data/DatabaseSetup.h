#pragma once

#include <QString>

class TDBConfigFrm;

// Connects DB the way start-up does: tries the configured connection and shows the connection
// dialog after every failure until a connection is made or the user gives up. The embedded
// default file is created with the schema when it does not exist yet, and a database without
// any of the program's tables is offered the schema. Without any cfg.ini (a first start) the
// embedded default is chosen. Returns whether DB is connected.
bool ConnectAtStartup(TDBConfigFrm& dialog);

// Creates the embedded database file with the schema and initial rows.
void CreateDatabaseFile(const QString& path);
