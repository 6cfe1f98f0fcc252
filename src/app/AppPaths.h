#pragma once
// Where the program finds its shipped data and writes its pages.

#include <QString>

// The program folder: $TARVO_APPDIR when set; else the executable's folder
// when it holds the shipped data and can be written (a portable copy, and
// what the build makes); else the user's data folder, filled from the
// shipped data on first use.
QString AppDir();
// JoinPath(AppDir(), "HTMLFiles").
QString HTMLDir();
// The help folder's contents page.
QString HelpFile();
// Forgets the folder found so far (tests change $TARVO_APPDIR).
void ResetAppDir();
