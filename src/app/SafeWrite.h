#pragma once
// Every file the program writes goes through here. The bytes go to a new
// temporary file beside the target; the write, the flush to the disk and
// the size on the disk are checked before the rename puts the file in
// place, so a failure at any step (a full disk included, which a buffered
// write only reports at the flush) keeps the old file and says why in
// plain words. Nothing is written through a symbolic link.

#include <QByteArray>
#include <QString>

struct TWriteOutcome {
    bool ok = true;
    QString reason;         // "the disk is full", "the folder ... is a file", ...
    bool diskFull = false;  // the reason is a full disk (or a full quota)

    // One sentence for the user: which file and why ("Cannot create file
    // PATH: the disk is full."); the old file is always kept.
    QString Message(const QString& path) const;
};

struct TWriteOptions {
    // The folder the file belongs in (empty: none): the file must lie inside
    // it on the disk, and no folder between it and the file may be a link.
    QString Within;
    // Only the user may read the file (mode 0600); see MakePrivateFolder.
    bool Private = false;
};

// Writes `bytes` to `path` through a temporary file that is renamed over
// the old one only when every byte is on the disk. A target that is a
// symbolic link is refused, never followed. A new file gets the usual mode
// (0666 less the umask), a replaced one keeps its own, a private one 0600.
TWriteOutcome WriteFileChecked(const QString& path, const QByteArray& bytes, const TWriteOptions& options = {});

// Makes `folder` and the missing levels above it, refusing a level that is
// a file and, with `within`, a level below it that is a link or a folder
// not inside it on the disk. Without `within`, `folder` is the user's own
// choice and may be reached through a link.
TWriteOutcome MakeFolderChecked(const QString& folder, const QString& within = QString());

// Makes `folder` (and the levels above it) and leaves it open to its owner
// only (0700), tightening an existing one. False when it cannot be had.
bool MakePrivateFolder(const QString& folder);
// Tightens an existing file to 0600 (a settings file or a record written by
// an earlier version). Does nothing to a link or a missing file.
void TightenToPrivate(const QString& file);

// True when `path` (which need not exist yet) lies inside `folder` once
// every link of both is resolved: the nearest existing level of `path`
// decides where the rest of it would go.
bool LiesInsideOnDisk(const QString& folder, const QString& path);
// True when `path` itself is a symbolic link.
bool IsSymbolicLink(const QString& path);

// For tests. The next writes fail with "the disk is full" once `bytes` of a
// file are written (a negative value writes everything).
void SetWriteLimitForTests(qint64 bytes);
// The step at which the next writes fail as a full disk would make them.
enum class TWriteStep { None, Flush, Rename };
void SetWriteFailureForTests(TWriteStep step);
