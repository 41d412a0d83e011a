#pragma once

#include <QString>

class Tamsel;

// A start check for installers and CI, which have no one to look at the screen: with
// QUILLARBON_START_CHECK set in the environment the program starts as usual (offscreen
// where QT_QPA_PLATFORM says so), writes each message box to the standard error and
// answers it as closing it would, and closes the main window as soon as it has loaded,
// after one line on the standard output naming the inventory, its record count and the
// link's library. The exit status is 0 only when the window loaded with its link.
namespace start_check {

inline const char* const kVariable = "QUILLARBON_START_CHECK";

bool requested();
// Puts the message boxes on the standard error; call before the first can appear.
void begin();
// The main window has loaded: report it and end the program.
void loaded(Tamsel& window);
// The status the program ends with when the check ran.
int exitCode();

} // namespace start_check
