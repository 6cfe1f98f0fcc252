#pragma once
// Every file the program writes for the user goes through here: the bytes
// go to a temporary file beside the target, each one is checked, and only
// a complete file replaces the old one. A failure keeps the old file and
// says why in plain words.

#include <QByteArray>
#include <QString>

struct TWriteOutcome {
    bool ok = true;
    QString reason;  // "the disk is full", "the folder ... is a file", ...

    // One sentence for the user: which file and why ("Cannot create file
    // PATH: the disk is full."); the old file is always kept.
    QString Message(const QString& path) const;
};

// Writes `bytes` to `path` through a temporary file that is renamed over
// the old one only when every byte is written.
TWriteOutcome WriteFileChecked(const QString& path, const QByteArray& bytes);

// For tests: the next writes fail with "the disk is full" once `bytes` of a
// file are written (a negative value writes everything).
void SetWriteLimitForTests(qint64 bytes);
