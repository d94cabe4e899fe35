#pragma once

#include "AssetWhere.h"
#include "OperatorLog.h"
#include "data/QuerySet.h"

#include <QString>

class TAccessoriesWhere;

// One equipment record as windows and record sets pass it around.
struct TAssetData {
    int Id = 0;
    QString Code, EqiName, PartNo;
    QString ClassA, ClassB, ClassC, ClassD, ClassE, ClassF;
    QString UseDeptId, UseDeptName, UseDeptPath;
    QString FixPlace, Status, Functionary, ChkAcpt;
};

// The equipment ledger. The rows in memory are a view only: every write is an explicit
// statement, and the in-memory row is posted or removed only when exactly one row was written.
class TAssetsSet : public TQuerySet {
public:
    TAssetsSet();

    // -1 opens an empty set, ready for a new row.
    void OpenById(int id);
    // The equipment the operator may see that meets the set's own condition, or another one.
    void OpenByWhere() { OpenByWhere(Where); }
    void OpenByWhere(TAssetWhere& where);
    // Narrows the open rows in memory by the set's own condition.
    void FilterByWhere();
    // The equipment that has accessories meeting the condition.
    void OpenByAccessories(TAccessoriesWhere& where);

    // Inserts the row's four identifying columns; the row gets its Id and AddTime.
    bool AddNew();
    // The editors' saves: the changed fields go to the update log, the outcome to the
    // operator log, all in one transaction. Failures are shown and reported as false.
    bool SaveBasic();
    bool SaveExtended();
    // Inserts (Id 0) or updates the whole row and posts it; no logs; errors reach the caller.
    bool SaveAll();
    // Deletes the record and everything that hangs on it.
    bool DeleteCurrent();

    void GetAssetData(TAssetData& data) const;
    TAssetData AssetData() const;
    // Whether the current operator may change the current record.
    bool CanEdit() const;

    // The fields the basic and the extended save compare with the stored record.
    static const QStringList& BasicLogFields();
    static const QStringList& ExtendedLogFields();

    Field* IdFld;
    Field* CodeFld;
    Field* EqiNameFld;
    Field* PartNoFld;
    Field* ManufactoryFld;
    Field* AddTimeFld;
    TAssetWhere Where;

private:
    bool SaveLogged(const QString& updateSql, const QStringList& logFields, TLogAction action);
    TDBParameters RowParams(const QString& sql) const;
    QList<const Field*> LogFields(std::initializer_list<const char*> names) const;
};

// A code typed for a record must begin with the operator's code prefix, when there is one;
// says "编码不符合要求." when it does not.
bool CheckCodePrefix(const QString& code);
