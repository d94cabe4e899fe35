#pragma once

class QWidget;
class TAccessoriesSet;

// The commands the machine's accessory page and the accessory list share. Each checks its
// right first and says so when the operator lacks it.

// The editor on a new accessory of the machine or on the current accessory; its OK writes the
// accessory and posts the row, or cancels it. Returns the editor's result.
int AddAccessory(TAccessoriesSet& set, int assetId, QWidget* parent);
int EditAccessory(TAccessoriesSet& set, QWidget* parent);
// After a confirmation, deletes the current accessory; nothing for none.
void DeleteAccessory(TAccessoriesSet& set);
