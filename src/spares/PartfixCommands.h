#pragma once

class TmainFrm;

// Puts the installation and part repair lists into the main window's menus and navigation list.
void AddPartfixCommands(TmainFrm& main);
