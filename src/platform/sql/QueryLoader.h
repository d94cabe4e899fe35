#pragma once

class DataSet;
class QSqlQuery;
class SqlEngine;

// Reads every row of an executed query into a DataSet. With createFields the set's fields are
// made from the result's columns first; otherwise every field that is not calculated must
// name a column of the result.
void LoadQuery(QSqlQuery& query, DataSet& dataSet, const SqlEngine& engine, bool createFields);
