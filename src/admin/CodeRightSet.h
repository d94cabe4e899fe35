#pragma once

#include "data/RecordSet.h"

// What the logged-in operator may see and edit of the equipment ledger; set at each login.
struct TOperatorRestrictions {
    QString CodePrefix;      // codes must begin with it; empty for no restriction
    QString DeptCondition;   // " and <DeptSql>", or empty for every department
    bool ValueVisible = true;
    bool PartnoVisible = true;
    bool FactoryVisible = true;
    bool DayEdit = false;
    bool ChangeHint = false;
};

extern TOperatorRestrictions& Restrictions;

class TOperator;

// Per-operator restrictions on equipment codes and departments, rewritten as a whole.
class TCodeRightSet : public TRecordSet {
public:
    TCodeRightSet();

    // Opens the table, keeping a row for every operator of the operator list and no other.
    void Load();
    // Rewrites the table from memory in one transaction; false (after the message) on failure.
    bool Save();
    // Fills the application-wide restrictions for the operator who has just logged in.
    static void ApplyAtLogin(const TOperator& op, TOperatorRestrictions& restrictions = Restrictions);

    Field* LoginIdFld;
    Field* IsFreeFld;
    Field* PrefixFld;
    Field* PostfixFld;
    Field* BeginIntFld;
    Field* EndIntFld;
    Field* DigitFld;
    Field* DeptSqlFld;
    Field* ValueVisibleFld;
    Field* PartnoVisibleFld;
    Field* FactoryVisibleFld;
    Field* DayEditFld;
    Field* ChangeHintFld;
    Field* NotesFld;
};
