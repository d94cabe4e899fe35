#pragma once

#include "data/BatchEditSet.h"

#include <QStringList>

// The equipment status dictionary with each status's grid colour.
class TSystatuSet : public TBatchEditSet {
public:
    TSystatuSet();

    void Load();
    void Remove() { DeleteRow(); }
    bool SaveAll();
    void StatusList(QStringList& list);
    // The colour name of a status (exact text); empty when the status is not listed.
    QString ColorOf(const QString& status);

    Field* IdFld;
    Field* StatusFld;
    Field* ForceColorFld;

protected:
    int InsertRecord(int key) override;
    int UpdateRecord() override;
};

extern TSystatuSet& SystatuSet;
