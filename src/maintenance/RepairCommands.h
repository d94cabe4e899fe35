#pragma once

class TmainFrm;

// The repair list in the main window's navigation.
void AddRepairCommands(TmainFrm& main);
