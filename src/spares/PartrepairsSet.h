#pragma once

#include "PartData.h"
#include "PartrepairsWhere.h"
#include "data/QuerySet.h"

#include <QDate>
#include <QString>

// What the part repair editor collects.
struct TPartrepairInput {
    QDate RepairDate;
    QString Troubles;
    QString RepairDetails;
    QString Repairman;
    double CostTime = 0;
    double CostMoney = 0;
    QString Notes;
};

// Repairs carried out on spare parts. The rows in memory are a view only: every write is an
// explicit statement, and the caller posts or cancels the row.
class TPartrepairsSet : public TQuerySet {
public:
    TPartrepairsSet();

    // The part repairs meeting the set's condition; returns the row count.
    int Search();
    // The current row (in insert or edit state) written; true for exactly one row.
    bool Insert();
    bool Update();
    // Deletes the current repair; the row leaves the list whatever the database says.
    void Delete();
    // Appends (isNew) or edits the current row, writes it and posts the row, or cancels it.
    // A failure is shown; false keeps the caller's input.
    bool Save(bool isNew, const TPartData& part, const TPartrepairInput& input);

    TPartData PartData() const;
    void SetPartData(const TPartData& part);
    TPartrepairInput Input() const;
    void SetInput(const TPartrepairInput& input);

    Field* IdFld;
    Field* PartIdFld;
    Field* RepairDateFld;
    Field* TroublesFld;
    Field* RepairDetailsFld;
    Field* RepairmanFld;
    Field* CostTimeFld;
    Field* CostMoneyFld;
    Field* NotesFld;
    TPartrepairsWhere Where;

private:
    TDBParameters RowParams() const;
};
