#pragma once

#include "PartData.h"
#include "PartfixsWhere.h"
#include "data/QuerySet.h"

#include <QDateTime>
#include <QString>

struct TAssetData;

// What the installation editor collects. A null Unfixtime means the part is still installed.
struct TPartfixInput {
    QDateTime Fixtime;
    QString Fixman;
    double FixQty = 0;
    QDateTime Unfixtime;
    QString Unfixman;
    QString UnfixReason;
    QString Remarks;
};

// Parts installed on equipment, with the hours each has run. The rows in memory are a view
// only: every write is an explicit statement, and the caller posts or cancels the row.
class TPartfixsSet : public TQuerySet {
public:
    TPartfixsSet();

    // The installations meeting the set's condition; returns the row count.
    int Search();
    // The current row (in insert or edit state) written; true for exactly one row.
    // Insert gives the row its new Id.
    bool Insert();
    bool Update();
    // Deletes the current installation; the row leaves the list whatever the database says.
    void Delete();
    // Appends (isNew) or edits the current row, writes it and posts the row, or cancels it.
    // A failure is shown; false keeps the caller's input.
    bool Save(bool isNew, const TAssetData& asset, const TPartData& part, const TPartfixInput& input);

    TPartData PartData() const;
    void SetPartData(const TPartData& part);
    TAssetData AssetData() const;
    void SetAssetData(const TAssetData& asset);
    TPartfixInput Input() const;
    // A null removal time empties the remover and the reason too.
    void SetInput(const TPartfixInput& input);

    // Whole hours between installation and removal, or until now while installed; null
    // without an installation time.
    static QVariant RunHours(const QVariant& fixtime, const QVariant& unfixtime, const QDateTime& now);

    Field* IdFld;
    Field* PartIdFld;
    Field* AssetIdFld;
    Field* FixtimeFld;
    Field* FixmanFld;
    Field* FixQtyFld;
    Field* UnfixtimeFld;
    Field* UnfixmanFld;
    Field* UnfixReasonFld;
    Field* RuntimesFld;
    Field* RemarksFld;
    TPartfixsWhere Where;

private:
    TDBParameters RowParams() const;
};
