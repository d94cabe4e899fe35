#pragma once

#include "Database.h"
#include "JtClientDataSet.h"

// The search conditions of one list window: a single in-memory row whose fields the window's
// editors are bound to. Descendants declare their fields with AddFieldDef and then call
// CreateConditionRow.
class TCustomWhere : public TJtClientDataSet {
public:
    // Empties every condition at once.
    virtual void Clear();
    // Pushes what is being typed into the condition row.
    void CommitEdits();

protected:
    void CreateConditionRow();
};

// Doubles single quotes so typed text stays inside its SQL literal.
QString EscapeQuotes(const QString& text);

// Builds the " where " clause of a search from the conditions in force: each adds
// " and <comparison>" through a format such as "%s and Actname like '%s'"; the first " and "
// becomes " where ".
class TConditionText {
public:
    explicit TConditionText(const TDatabase& db = DB) : m_db(db) {}

    // Every %s after the first receives the field's text, quotes doubled; skipped when empty.
    void AddText(const char* format, const Field& field);
    // "%s and Id=%d"; skipped when null.
    void AddInteger(const char* format, const Field& field);
    // "%s and F1>=%f"; skipped when null.
    void AddFloat(const char* format, const Field& field);
    // "%s and Logtime>=%s" with the date's literal; skipped when null.
    void AddDateFrom(const char* format, const Field& field);
    // "%s and Logtime<%s" with the literal of the following day, so the whole day counts.
    void AddDateTo(const char* format, const Field& field);
    // "%s and BuyDate<=%s" with the date at midnight: a later time that day does not count.
    void AddDateAt(const char* format, const Field& field);
    // A fixed comparison such as "%s and Confirmed=0".
    void Add(const char* format);

    const QString& Conditions() const { return m_text; }
    QString Where() const;

private:
    const TDatabase& m_db;
    QString m_text;
};
