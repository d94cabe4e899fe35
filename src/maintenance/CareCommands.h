#pragma once

class TmainFrm;

// Puts the maintenance item and care record windows into the main window, and the "保养" page
// into the equipment detail panel.
void AddCareCommands(TmainFrm& main);
