#pragma once

#include "PartinWhere.h"
#include "data/QuerySet.h"

#include <QDate>
#include <QString>

// What the bill editor collects for a bill's header.
struct TPartinInput {
    QString Incode;
    QString Intype;
    QDate Indate;
    int Inout = 1;
    QString Handman;
    QString Notes;
};

// The editor's values for a new bill: today, increasing, handled by the operator.
TPartinInput NewPartinInput();
// "增加" for 1, "减少" for -1, any other direction as its number.
QString InoutText(int inout);

// Inbound bill headers. The rows in memory are a view only: every write is an explicit
// statement, and the caller posts or cancels its in-memory row by the outcome.
class TPartinSet : public TQuerySet {
public:
    TPartinSet();

    int OpenById(int id);
    int Search(TPartinWhere& where);
    // Whether a bill is loaded.
    bool HasBill() const;

    // Each returns true when exactly one row was written. Insert gives the row its new Id,
    // its maker and its making time; Delete also removes the row from memory.
    bool Insert();
    bool Update();
    bool Delete();
    bool UpdateState();

    // The neighbouring bill's Id, 0 when there is none; without a bill, the first (prior)
    // or the last (next) bill.
    int PriorId();
    int NextId();

    TPartinInput Input() const;
    // Into the current row, which the caller has put into insert or edit state.
    void SetInput(const TPartinInput& input);

    Field* IdFld;
    Field* IndateFld;
    Field* IntypeFld;
    Field* IncodeFld;
    Field* InoutFld;
    Field* InoutTextFld;
    Field* HandmanFld;
    Field* BillmanFld;
    Field* BillTimeFld;
    Field* NotesFld;
    Field* StateidFld;
    Field* RecemanFld;
    Field* RecedateFld;

private:
    int Neighbour(const char* withBill, const char* withoutBill);
};
