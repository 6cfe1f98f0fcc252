#pragma once
// Putting the program together: the main window with every stage
// subsystem attached, and the entry point's work.

#include <QString>

class TfrmMain;

// Creates the main window, attaches the stage subsystems, loads the lists
// and enters the Choose stage. `document` is opened when the window is
// first shown.
TfrmMain* CreateMainWindow(const QString& document = QString());

// The whole program: window-free commands, or the splash and the window.
int RunTarvo(int argc, char** argv);
