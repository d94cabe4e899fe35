#pragma once

class QWidget;
class TAccidentSet;

// The commands the accident list and the equipment's accident page share.

// Whether the operator may add, change and delete accidents; says so when not.
bool CanManageAccidents();
// The editor on a new accident of the machine (dated today) or on the current accident;
// its OK saves into the set. Returns the editor's result.
int EditAccident(TAccidentSet& set, bool isNew, int assetId, QWidget* parent);
// After the right check and a confirmation, deletes the current accident; nothing for none.
void DeleteAccident(TAccidentSet& set);
