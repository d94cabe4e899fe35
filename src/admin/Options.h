#pragma once

#include "data/RecordSet.h"

// Numbered text options: option n is the (n+1)-th row in key order.
class TOptions : public TRecordSet {
public:
    TOptions();
    void Reload();
    QString GetText(int option);
    // Changes the option in memory; Save writes every row.
    void SetText(int option, const QString& text);
    void Save();

    Field* KeyFld;
    Field* ListFld;

private:
    bool MoveTo(int option);
};

// Created and loaded by start-up, once connected.
TOptions& Options();
