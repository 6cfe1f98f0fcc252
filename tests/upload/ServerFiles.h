#pragma once
// What the test servers share: the port a server script announces, and
// every file below a server's folder.

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
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

// The port a server script names on its first line ("... port N ..."),
// waited for up to 20 s; 0 when none came.
inline int AnnouncedPort(QProcess& process) {
    QByteArray line;
    for (int i = 0; i < 100 && !line.contains('\n'); ++i) {
        process.waitForReadyRead(200);
        line += process.readAllStandardOutput();
    }
    const auto m = QRegularExpression(QStringLiteral("port (\\d+)")).match(QString::fromLatin1(line));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}
