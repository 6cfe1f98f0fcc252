#pragma once
// What a test server holds: every file below its folder.

#include <QDir>
#include <QDirIterator>
#include <QString>
#include <QStringList>

// Every file below `folder` (hidden ones too), relative to it, sorted.
inline QStringList FilesUnder(const QString& folder) {
    QStringList out;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) out << root.relativeFilePath(it.next());
    out.sort();
    return out;
}
