#pragma once

#include "data/BatchEditSet.h"

// The code-numbering rules: per segment (Kind) a choice of items, each contributing a fixed
// code and, with Digit above 0, a running number counted up in the database.
class TCoderSet : public TBatchEditSet {
public:
    TCoderSet();

    void Load();
    void Remove() { DeleteRow(); }
    bool SaveAll();
    // The next running number of the current rule, padded to Digit; empty without one.
    QString NextNumber();

    Field* IdFld;
    Field* KindFld;
    Field* LabelFld;
    Field* CodeFld;
    Field* MaxIdFld;
    Field* DigitFld;

protected:
    int InsertRecord(int key) override;
    int UpdateRecord() override;
};
