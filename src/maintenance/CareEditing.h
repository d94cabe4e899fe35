#pragma once

#include "CareData.h"

class QWidget;
class TCareitemSet;
class TCarecordSet;

// The commands the care windows share. Each editor opens only for holders of its right and
// saves through the set: row appended or edited, snapshots copied in, written, then posted,
// or cancelled when nothing was written. Each returns the editor's result.

// The item editor on a new item of the machine (isNew) or on the current item.
int EditCareitem(TCareitemSet& items, bool isNew, int assetId, QWidget* parent);
// The record editor on a new care record of the current item, which becomes its last.
int AddItemCarecord(TCareitemSet& items, QWidget* parent);
// The record editor on the current item's last record; says so when there is none.
int EditLastCarecord(TCareitemSet& items, QWidget* parent);
// The record editor on a new record of the item, appended to the record set.
int AddCarecord(TCarecordSet& records, const TCareitemData& item, QWidget* parent);
// The record editor on the current record.
int EditCarecord(TCarecordSet& records, QWidget* parent);
// The equipment picker, the item picker and the record editor, each staying open for the next.
void PickAndAddCarecord(TCarecordSet& records, QWidget* parent);

// After a warning, deletes the current item with its records; nothing for none.
void DeleteCareitem(TCareitemSet& items);
// After confirmation, deletes the current record; says so when nothing was deleted.
// Returns whether it was deleted.
bool DeleteCarecord(TCarecordSet& records);
