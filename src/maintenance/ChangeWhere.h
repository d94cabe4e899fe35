#pragma once

#include "data/CustomWhere.h"

// Conditions on the change requests: the list window's search panel fills them, the
// equipment page narrows them to one machine.
class TChangeWhere : public TCustomWhere {
public:
    TChangeWhere();

    // The conditions in force, each as " and <comparison>" on the requests (m) joined with
    // their equipment (e).
    QString Conditions();

    Field* IdFld;
    Field* AssetIdFld;
    Field* ChgDate1Fld;
    Field* ChgDate2Fld;
    Field* ChgReasonFld;
    Field* ItmLabelFld;
    Field* ItmValue1Fld;
    Field* ItmValue2Fld;
    Field* ChgmanFld;
    Field* SanctionmanFld;
    Field* UnsancFld;
    Field* RemarksFld;
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

private:
    Field* AddText(const char* name, int size, const QString& label);
};
