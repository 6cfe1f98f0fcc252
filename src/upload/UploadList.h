#pragma once
// The files a page references, which are sent beside its HTML file, the
// site of linked pages, and the record of one file of an upload (the plan
// that puts them together is upload/UploadPlan.h).

#include <QString>
#include <QStringList>
#include <vector>

// A referenced file is sent, or refused with its reason (a reference that
// points outside the page's folder), or missing (a linked page of the HTML
// folder that does not exist); refused and missing files stay in the list
// so that the user sees them and the upload reports them.
enum class TUploadState { ToSend, Refused, Missing };

struct ResourceDetail {
    QString Local;     // full local path of the file ("" when refused)
    QString Remote;    // its name relative to the server folder, with "/";
                       // a refused entry keeps the reference as written
    QString FileKind = QStringLiteral("gif/jpg");  // "html" for a linked page
    TUploadState State = TUploadState::ToSend;
    QString Reason{};  // why it is refused or missing
};
using UploadList = std::vector<ResourceDetail>;

// The page's HTML file name for a document: its name without folder and
// extension, then ".html".
QString PageFileName(const QString& docFileName);

// The files the page text references (the page file is `pageFile`):
// comments holding tags are skipped, "src" then "background" values are
// scanned, then the address of the page's icon (a LINK whose REL names
// "icon"), empty values, data and web addresses skipped, the others resolved
// inside the page's folder (ResolveReference); each local file once, each
// refused reference once.
UploadList BuildUploadList(const QString& pageText, const QString& pageFile);
// The same from the page file on disk (a missing file lists nothing).
UploadList BuildUploadListFromFile(const QString& pageFile);

// The local pages a page's text links to: the HREF of each A tag, with its
// #fragment and ?query removed and percent escapes decoded, when it names
// an .html or .htm file. Addresses with a scheme (http:, mailto:, any) or
// starting with "//" are not local; tags inside comments do not count.
QStringList PageLinks(const QString& pageText);

// The site of a page: the files the page references, then the pages it
// links to (as "html" entries) with the files they reference, following
// their links in turn. Each file is listed once, cycles end where they
// meet a listed page, and every reference is resolved below the page's
// folder: nothing outside it is read. A link to a page that does not exist
// is listed as Missing. A link back to the page that names it otherwise
// than `pageRemote` (the name the page goes up under; "" its name without
// spaces) is listed as a copy of the page under the link's name.
UploadList BuildSiteList(const QString& pageFile, const QString& pageRemote = QString());

// What a file is to the site. The upload sends in this order: the files
// the pages show, then the linked pages, then the site's own files (its
// sitemap, robots.txt, 404.html), then the page the visitor opens, once
// everything else has arrived.
enum class TFileRole { Picture, Page, SiteFile, VisitorPage };

// One file of the upload.
struct TUploadFile {
    QString Local;    // the file read
    QString Remote;   // relative to the server folder
    bool Binary = true;
    TFileRole Role = TFileRole::Picture;
    QString Refused{};  // why it is not sent ("" when it is sent)
    bool Missing = false;  // a linked page that does not exist (Refused says so)
    // Sent before to the same server and folder and not changed here since
    // (the record of what was sent says so): the upload skips it unless the
    // server's listing of its folder lacks it or shows another size.
    bool Unchanged = false;
    qint64 Size = -1;  // the local file's size in bytes (-1 unknown)
    // Never sent over a file of that name that Tarvo did not put there
    // (the site's own files: a robots.txt of the server's is the server's).
    bool OnlyIfOurs = false;
    // The record of what was sent names it: what the server holds under
    // its name, Tarvo put there.
    bool Ours = false;
};

// Whether a file is sent in binary: all but .html .htm .txt .doc .shtml.
bool IsBinaryTransfer(const QString& fileName);
