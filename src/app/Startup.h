#pragma once

#include <memory>

class TmainFrm;

// The program's start-up: connection (with the settings dialog after every failure), the
// settings every window reads, the main window and the login. Returns the main window, or
// nothing when the user gave up; the window is shown.
std::unique_ptr<TmainFrm> StartUp();
// After the main window is shown: the company prompt and the tip of the day.
void AfterStartUp(TmainFrm& main);
