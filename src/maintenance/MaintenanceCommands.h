#pragma once

class TmainFrm;

// Puts the maintenance windows (accidents, changes, care, repairs) into the main window's menus
// and navigation list.
void AddMaintenanceCommands(TmainFrm& main);
