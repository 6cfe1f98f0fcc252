#pragma once
// Sound and video live in a module of their own (libtarvo-media.so beside
// the program library), loaded the first time a sound plays or the splash
// shows its animation. Qt Multimedia and the sound system's libraries are
// then loaded by the window alone, and only when it needs them; the
// window-free commands never load them, which would cost each of them
// several milliseconds of dynamic loading for nothing.

#include <QRect>
#include <QString>

class QWidget;

class TMediaModule {
public:
    virtual ~TMediaModule() = default;
    // Whether the system has an audio output to play to.
    virtual bool AudioOutputPresent() = 0;
    // Plays the WAVE file at `url` ("qrc:/sounds/x.wav") asynchronously,
    // cutting off the sound playing; the module keeps one player per sound.
    virtual void PlaySound(const QString& url) = 0;
    // Plays the video `file` in a child of `parent` at `where` (named
    // "memAVI") and returns when it has ended, failed or played for half a
    // minute, handling events meanwhile. False when it could not play; the
    // child is then gone again.
    virtual bool PlayVideo(QWidget* parent, const QRect& where, const QString& file) = 0;
};

// The module, loaded on the first call; null when it is missing or cannot
// be loaded (the program then stays silent and shows still pictures).
TMediaModule* MediaModule();
// The module in `folder`, loaded once and kept; null when it is not there
// or does not load. MediaModule() looks beside the program library.
TMediaModule* LoadMediaModule(const QString& folder);

// The name of the module's entry point: `TMediaModule* TarvoMediaModule()`.
#define TARVO_MEDIA_ENTRY "TarvoMediaModule"
