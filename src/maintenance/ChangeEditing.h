#pragma once

#include <QString>

class QWidget;
class TChangesSet;

// The commands the change list and the equipment's change page share.

// After the apply right, the editor on a new request of the machine; its OK saves into the
// set. Returns the editor's result, or 0 when the right was refused.
int ApplyChange(TChangesSet& set, int assetId, QWidget* parent);
// After the right and the edit checks, the editor on the current request.
void EditChange(TChangesSet& set, QWidget* parent);
// After the edit checks, deletes the current request.
void DeleteChange(TChangesSet& set);
// After the approve right, approves the current request, or revokes it when approved.
void ApproveChange(TChangesSet& set);
// "撤消" for an approved current request, else "批准".
QString ApproveCaption(const TChangesSet& set);
