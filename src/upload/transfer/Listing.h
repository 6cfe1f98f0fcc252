#pragma once
// What a server sends back as text: folder listings, and its replies as
// they may be shown.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

// One entry of a server folder's listing.
struct TRemoteEntry {
    QString Name;
    qint64 Size = -1;  // -1 where the listing gives none
    bool Folder = false;
};

// The entries of a folder listing as servers send it: machine-readable
// facts ("type=file;size=12; name"), or the Unix ("-rw-r--r-- 1 u g 12 Jan 1
// 10:00 name") or DOS ("01-31-24 10:00AM 12 name") form of a plain listing.
// Lines in no known form, "." and "..", and names with a "/" are left out.
std::vector<TRemoteEntry> ParseListing(const QByteArray& text, bool facts);

// A server's words as they may be shown in a window or on a terminal:
// without control characters and escape sequences (a reply could
// otherwise clear the screen or draw a prompt of its own), without marks
// that turn the direction of text, and at most 500 characters long.
QString ShownServerText(QStringView text);
