#pragma once

#include "ChangeWhere.h"
#include "data/QuerySet.h"

#include <QDateTime>
#include <QString>

struct TAssetData;

// One change request as the editor shows and returns it. The stored values (FldValue) are
// what approval writes into the machine; the item values (ItmValue) are what people read.
struct TChangeInput {
    QDateTime ChgDate;
    QString ItmLabel;
    int FldIdx = -1;
    QString FldValue1;
    QString FldValue2;
    QString ItmValue1;
    QString ItmValue2;
    QString ChgReason;
    QString Chgman;
    QString Remarks;
    QString Billman;
    QDateTime BillTime;
};

// Change requests joined with their equipment. The rows in memory are a view only: every
// write is an explicit statement, and the in-memory row follows only what was written.
class TChangesSet : public TQuerySet {
public:
    TChangesSet();

    // The requests meeting the conditions; returns the row count.
    int Search(TChangeWhere& where);
    // The current row (in insert or edit state) written to the database; true for one row.
    // Both stamp the bill time with the server's clock; Insert gives the row its new Id.
    bool Insert();
    bool Update();
    // Whether the operator may edit or delete the current request; says why not.
    bool CanEdit();
    // Deletes the current request after the checks and a confirmation.
    bool Delete();
    // Approves (true) or revokes the current request: the machine's attribute and the
    // request's stamp change together in one transaction, or neither does.
    bool Approve(bool approve);
    bool Approved() const;

    void SetAssetData(const TAssetData& asset);
    // The writer and bill time become the logged-in operator and now, whatever the input says.
    void SetInput(const TChangeInput& input);
    TChangeInput Input() const;
    // Appends (isNew) or edits the current row with the values, writes it and posts the
    // row, or cancels it and says why when nothing was written.
    bool Save(bool isNew, const TAssetData& asset, const TChangeInput& input);

    Field* IdFld;
    Field* AssetIdFld;
    Field* AssetCodeFld;
    Field* ChgDateFld;
    Field* ChgReasonFld;
    Field* ItmLabelFld;
    Field* ItmValue1Fld;
    Field* ItmValue2Fld;
    Field* FldIdxFld;
    Field* FldValue1Fld;
    Field* FldValue2Fld;
    Field* ChgmanFld;
    Field* BillmanFld;
    Field* BillTimeFld;
    Field* SanctionmanFld;
    Field* SanctionTimeFld;
    Field* RemarksFld;

private:
    bool HasCurrent() const;
    TDBParameters RowParams() const;
    // Writes the attribute and the stamp; throws with the message to show.
    void WriteApproval(bool approve, const QDateTime& stamp);
    void ShowApproval(bool approve, const QDateTime& stamp);
};
