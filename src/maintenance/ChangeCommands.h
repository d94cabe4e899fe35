#pragma once

class TmainFrm;

// Puts the change list into the main window's menus and navigation list, and the change
// page into every equipment detail panel made afterwards.
void AddChangeCommands(TmainFrm& main);
