#pragma once

#include "data/CustomWhere.h"

// Conditions on maintenance items and their care records; the list windows' search panels
// fill them, the equipment page narrows them to one machine.
class TCareitemWhere : public TCustomWhere {
public:
    TCareitemWhere();

    // " and ..." for every condition in force, as the item list uses them.
    QString ItemConditions();
    // The same for the care record list, with the record key and keyword.
    QString RecordConditions();

    Field* IdFld;
    Field* ciIdFld;
    Field* ciAssetIdFld;
    Field* ciCarenameFld;
    Field* ciCareitemFld;
    Field* ciPlanhours1Fld;
    Field* ciPlanhours2Fld;
    Field* ciFixedays1Fld;
    Field* ciFixedays2Fld;
    Field* crCaredate1Fld;
    Field* crCaredate2Fld;
    Field* crCaremanFld;
    Field* AssetCodeFld;
    Field* AssetNameFld;
    Field* AssetClassFld;
    Field* AssetClassAFld;
    Field* AssetClassBFld;
    Field* AssetClassCFld;
    Field* AssetClassDFld;
    Field* AssetClassEFld;
    Field* AssetClassFFld;
    Field* AssetUseDeptFld;
    Field* AssetFixplaceFld;
    Field* CareHintedFld;
    Field* NextCaredateFld;
    Field* KeywordFld;

private:
    Field* AddText(const char* name, int size, const QString& label);
    void AddShared(TConditionText& c);
    void AddAssetConditions(TConditionText& c);
};

class TCarecordWhere : public TCareitemWhere {};

// The next due date of an item as this engine computes it: the last care date plus the period
// in days. SQLite keeps dates as text, where adding a number does not add days.
QString NextCaredateExpression(const TDatabase& db);
