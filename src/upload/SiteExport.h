#pragma once
// The site of a page written into a folder, as an upload would send it:
// File > Export Site... and `tarvo --export DOCUMENT DIR [--no-logo]`.

#include "upload/UploadList.h"

#include <QStringList>
#include <vector>

class QTextStream;

struct TExportResult {
    QStringList Written;  // the names written, as on a server
    QStringList Failed;   // "NAME: why" for each file not written (refused and missing ones too)
    bool ok() const { return Failed.isEmpty(); }
};

// Copies each file of `plan` into `folder` under its remote name, making
// the subfolders it needs. Refused and missing files are told, not
// written; nothing is written outside `folder`.
TExportResult ExportSite(const std::vector<TUploadFile>& plan, const QString& folder);
// The remote names of `plan` whose file in `folder` the export would
// replace with other bytes (or a link standing there), so the user can be
// asked first.
QStringList ExportWouldReplace(const std::vector<TUploadFile>& plan, const QString& folder);

// The page of `document` built as `--html` builds it and written into the
// HTML folder, where the upload and the export read it. Returns its path,
// or "" after telling `err` why not.
QString WriteDocumentPage(const QString& document, bool logo, QTextStream& err);

// `args` start with "--export"; "--force" lets it replace files of the
// folder that hold something else. Each name written goes to `out`, one a
// line; what was not written to `err`. Status 0, 1 wrong arguments, 2 the
// document cannot be read, 7 a file was not written (or a reference was
// refused, or a linked page is missing).
int RunExportCommand(const QStringList& args, QTextStream& out, QTextStream& err);
