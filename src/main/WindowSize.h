#pragma once
// The window size: the whole program drawn at 100, 150 or 200 per cent
// through Qt's scaling, so that pictures (made at twice the size) and
// controls grow sharp. The size is kept per user in the settings
// ("General"/"WindowSize"); the first start picks the largest whose window
// fits in nine tenths of the screen's width and height.
//
// Qt takes its scale factor once, before the application object exists, so
// a size chosen in the menu applies from the next start, which the menu
// offers to make at once ("Restart now").

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QMenu;
class TfrmMain;

// The sizes offered, in per cent.
inline constexpr int kWindowSizes[] = {100, 150, 200};

// The stored size; 0 when none is stored (or the value is not one offered).
int StoredWindowSize();
void StoreWindowSize(int percent);
// The largest size whose window fits in nine tenths of the width and the
// height of `screen` (logical pixels); 100 when none does.
int FittingWindowSize(const QSize& screen);
// How "Restart now" starts the program again (tests record it instead).
void SetProgramStarter(std::function<bool(const QString& program, const QStringList& args)> start);
// Before the application object is made: scales the program by the stored
// size or, at the first start, by the size that fits the screen (probed
// with a short-lived application, then stored). A scale factor the
// environment sets already (QT_SCALE_FACTOR) is left alone.
void PrepareWindowSize(int& argc, char** argv);
// The size this run is drawn at (per cent of the scale Qt applies).
int CurrentWindowSize();

// Adds View > Window Size to the main window's menu.
QMenu* AttachWindowSizeMenu(TfrmMain& w);
