#pragma once

class TmainFrm;

// Puts the inbound bill windows into the main window's menus and navigation list.
void AddPartinCommands(TmainFrm& main);
