#pragma once

#include "data/RecordSet.h"

#include <QStringList>
#include <QVariant>

// Untyped settings: column [Value] of keyvalue (keys 0, 1 and 3).
class TKeyValue {
public:
    QVariant Get(int key);
    void Set(int key, const QVariant& value);
    // A boolean setting that is missing or null counts as false.
    bool GetBool(int key) { return Get(key).toBool(); }
};

// Typed settings: each key holds one of Vstr, Vint, Vfloat and Vbool; writing one resets
// the others. All rows stay in memory from the first access.
class TKeyValue2 : public TRecordSet {
public:
    TKeyValue2();
    int GetInt(int key);
    bool GetBool(int key);
    QString GetStr(int key);
    void SetStr(int key, const QString& value);
    void SetInt(int key, int value);
    void SetBool(int key, bool value);

    Field* KeyIdFld;
    Field* VintFld;
    Field* VstrFld;
    Field* VfloatFld;
    Field* VboolFld;

private:
    void Locate(int key);
    void Write(int key, const QString& str, int number, bool flag);
};

// The pick lists (keys 101 to 117): one item per line.
class TPickListSet : public TKeyValue2 {
public:
    QStringList Items(int key);
    void SetItems(int key, const QStringList& items);
};

extern TKeyValue& KeyValue;
// One application-wide copy of the rows serves both names, so no cache goes stale.
extern TPickListSet& PickLists;
extern TKeyValue2& KeyValue2;
