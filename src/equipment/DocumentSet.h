#pragma once

#include "data/QuerySet.h"

// The files kept with the machines: each file's bytes, where it was taken from and who
// handled it.
class TDocumentSet : public TQuerySet {
public:
    TDocumentSet();

    void OpenByAsset(int eqiId);
    // Writes the row being edited (Id 0: a new document, which gets its Id) and posts it;
    // false, with the row still in edit, when no row was written. Errors reach the caller.
    bool Save();
    // Removes the current document; nothing for an empty set.
    bool DeleteCurrent();

    Field* IdFld;
    Field* EqiIdFld;
    Field* GetDateFld;
    Field* SubjectFld;
    Field* FileNameFld;
    Field* FileDataFld;
    Field* HandmanFld;
    Field* RemarksFld;
    Field* FileNameCalcFld;

private:
    TDBParameters RowParams() const;
};

// The file-name part of a path, whichever separator the workstation that stored it used.
QString FileNamePart(const QString& path);
