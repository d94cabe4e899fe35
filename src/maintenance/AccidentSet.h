#pragma once

#include "AccidentWhere.h"
#include "data/QuerySet.h"

#include <QDate>
#include <QString>

struct TAssetData;

// What the accident editor collects; the rows keep AccDate at midnight of this date.
struct TAccidentInput {
    QDate AccDate;
    QString AccDept;
    QString AccClass;
    QString AccProp;
    double AccMoney = 0;
    QString AccBrief;
    QString Invests;
    QString Summery;
};

// Accidents joined with their equipment. The rows in memory are a view only: every write is
// an explicit statement, and the in-memory row follows only when exactly one row was written.
class TAccidentSet : public TQuerySet {
public:
    TAccidentSet();

    // The accidents meeting the conditions; returns the row count.
    int Search(TAccidentWhere& where);
    // The current row (in insert or edit state) written to the database; true for one row.
    // Insert gives the row its new Id.
    bool Insert();
    bool Update();
    // Deletes the current accident; the row leaves memory when exactly it was deleted.
    bool Delete();
    void SetAssetData(const TAssetData& asset);
    void SetInput(const TAccidentInput& input);
    TAccidentInput Input() const;
    // Appends (isNew) or edits the current row with the values, writes it and posts the row,
    // or cancels it and says why when nothing was written.
    bool Save(bool isNew, const TAssetData& asset, const TAccidentInput& input);

    Field* IdFld;
    Field* AssetIdFld;
    Field* AssetCodeFld;
    Field* AccDateFld;
    Field* AccDeptFld;
    Field* AccClassFld;
    Field* AccBriefFld;
    Field* InvestsFld;
    Field* AccPropFld;
    Field* AccMoneyFld;
    Field* SummeryFld;

private:
    TDBParameters RowParams() const;
};
