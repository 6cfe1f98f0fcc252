#pragma once
// The files a page references, which are sent beside its HTML file, and
// the plan of one upload: every file with its local path and remote name.

#include <QString>
#include <vector>

struct ResourceDetail {
    QString Local;     // full local path of the file
    QString Remote;    // its name relative to the server folder, with "/"
    QString FileKind = QStringLiteral("gif/jpg");
};
using UploadList = std::vector<ResourceDetail>;

// The page's HTML file name for a document: its name without folder and
// extension, then ".html".
QString PageFileName(const QString& docFileName);

// The files the page text references (the page file is `pageFile`):
// comments holding tags are skipped, "src" then "background" values are
// scanned, empty values and web addresses skipped, file:/// values name a
// local file, others are resolved beside the page; each local file once.
UploadList BuildUploadList(const QString& pageText, const QString& pageFile);
// The same from the page file on disk (a missing file lists nothing).
UploadList BuildUploadListFromFile(const QString& pageFile);

// One file to send.
struct TUploadFile {
    QString Local;   // the file read
    QString Remote;  // relative to the server folder
    bool Binary = true;
};

// Whether a file is sent in binary: all but .html .htm .txt .doc .shtml.
bool IsBinaryTransfer(const QString& fileName);

// The page first, under its name without spaces, then each listed file
// under its reference in lower case, read from the HTML folder under that
// lower-case name (or, where no such file exists, from the path the
// reference resolves to).
std::vector<TUploadFile> MakeUploadPlan(const QString& htmlDir, const QString& pageFile, const UploadList& list);
