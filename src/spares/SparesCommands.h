#pragma once

class TmainFrm;

// Puts the spare-parts windows into the main window's menus and navigation list.
void AddSparesCommands(TmainFrm& main);
