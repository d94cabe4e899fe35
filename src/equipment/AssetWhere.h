#pragma once

#include "data/CustomWhere.h"

// Conditions on the equipment ledger: the find bar, the advanced find window and the picker
// fill it; the equipment list turns it into its query or its in-memory filter.
class TAssetWhere : public TCustomWhere {
public:
    TAssetWhere();

    // The whole equipment list statement, limited to what the operator may see.
    QString ListSql();
    // The same conditions as an in-memory filter of rows already restricted; empty for none.
    QString FilterText();

    Field* AstIdFld;
    Field* CodeFld;
    Field* EqiNameFld;
    Field* PartNoFld;
    Field* MainCodeFld;
    Field* AssetClassFld;
    Field* AssetClassAFld;
    Field* AssetClassBFld;
    Field* AssetClassCFld;
    Field* AssetClassDFld;
    Field* AssetClassEFld;
    Field* AssetClassFFld;
    Field* ChkAcptFld;
    Field* StatusFld;
    Field* UseDeptFld;
    Field* CatIdFld;
    Field* FixPlaceFld;
    Field* ManufactoryFld;
    Field* FactoryCodeFld;
    Field* FundSourceFld;
    Field* FunctionaryFld;
    Field* BuyDate1Fld;
    Field* BuyDate2Fld;
    Field* RemarkFld;
    Field* FinanceTypeFld;
    Field* Str1Fld;
    Field* Str2Fld;
    Field* Str3Fld;
    Field* Str4Fld;
    Field* Str5Fld;
    Field* Str6Fld;
    Field* KeywordFld;

private:
    Field* AddTextDef(const char* name, int size, const char* labelOf);
    // The conditions in force, each as " and <comparison>"; the filter form leaves out the
    // catalogue link and ids that are not positive.
    QString Conditions(bool forFilter);
};
