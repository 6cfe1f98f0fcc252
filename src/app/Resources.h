#pragma once
// Named pictures, sounds and cursors of the program. Names are looked up in
// the Qt resource system (":/bitmaps/NAME.png", ":/sounds/name.wav",
// ":/cursors/NAME.png"); an unknown name draws or plays nothing.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QPainter;
class QWidget;

// The picture of that name; a null pixmap when there is none. On a screen
// with more than one device pixel per logical pixel it is the picture drawn
// at twice the size, with a device pixel ratio of 2 (so it keeps its
// logical size: use deviceIndependentSize(), not size()).
QPixmap ResourceBitmap(const QString& name);
// The language ("de") whose pictures ResourceBitmap prefers, where a picture
// with words has a twin in it; empty for English.
void SetPictureLanguage(const QString& language);
QString PictureLanguage();
// Whether pictures come at twice the size (the application's device pixel
// ratio is above 1).
bool UseDoubleSizePictures();
// A resource picture by its path (":/bitmaps/NAME.png"), its "@2x" twin
// when UseDoubleSizePictures().
QPixmap LoadResourcePicture(const QString& path);
// Draws the named picture with its top-left corner at (x, y).
void DrawResourceBitmap(QPainter& painter, const QString& name, int x, int y);
// Draws the named picture into a picture control (a QLabel) at (0, 0),
// keeping what it showed outside the picture.
void DrawResourceBitmap(QWidget* picture, const QString& name, int x = 0, int y = 0);

// The program icon ("AppIcon" at both sizes).
QIcon ProgramIcon();

// Plays the named WAVE sound asynchronously, cutting off the one playing.
// Names are matched without regard to letter case. Silent when the name is
// unknown, when there is no audio device, or when $TARVO_MUTE is set.
void PlayResourceSound(const QString& name);
// The sounds asked for so far, lower-cased, oldest first (for tests).
QStringList& PlayedSounds();

// The screen cursor table: 0 the default, 5 "Cursor_Hand", 12 "Hand_Open",
// 13 "Hand_Closed". Registered once by the main window.
void RegisterCursors();
QCursor ScreenCursor(int number);
// Sets the program-wide cursor (0 restores the default).
void SetScreenCursor(int number);
int CurrentScreenCursor();
