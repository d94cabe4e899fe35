#pragma once

#include <QString>

class QWidget;
class TRepairSet;

// The commands the repair list, the repair bill and the equipment's repair page share.

// Whether the operator may add, change and delete repairs; says so when not.
bool CanManageRepairs();
// The editor on a new repair of the machine; its OK appends the repair to the set.
// Returns the editor's result, or 0 without the right.
int AddRepair(TRepairSet& set, int assetId, const QString& trouble, QWidget* parent);
// The editor on the set's current repair; its OK saves the changes.
int EditRepair(TRepairSet& set, QWidget* parent);
// The equipment picker on the current repair's machine, then the editor on a new repair of
// each machine picked; the picker stays open for the next one.
void PickAndAddRepair(TRepairSet& set, QWidget* parent);
// After the right check and a confirmation, deletes the current repair; false for none.
bool DeleteRepair(TRepairSet& set);
