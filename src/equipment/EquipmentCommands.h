#pragma once

class TmainFrm;

// Puts the equipment registry's commands and windows into the main window's menus and
// navigation list.
void AddEquipmentCommands(TmainFrm& main);
