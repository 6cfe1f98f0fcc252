#pragma once
// The plan of one upload, the same on every road: the Send stage, File >
// Export Site..., `tarvo --upload` and `tarvo --export`. It is the page's
// site (the page, the files it shows, the pages it links to and theirs, all
// found inside the page's folder on the disk), each file under the name it
// goes up as and with its role (what the upload sends first, and the page
// the visitor opens, which it sends last), and, against the record of what
// went to the server before, which files are new, changed or unchanged.

#include "upload/SentRecord.h"
#include "upload/UploadList.h"

#include <QString>
#include <vector>

// Whether `name` is "index.html" in other letters ("Index.html"): the start
// page, but not as servers that tell capital and small letters apart look
// for it.
bool IsCapitalIndex(const QString& name);

// What the user answered when asked whether such a page may go up as
// "index.html": "Yes", "No", or "" when not asked yet.
QString IndexNameAnswer();

// The name the page of `docFileName` (a document, or the page's HTML file)
// goes up under: its HTML file's name without spaces, except that a page
// named Index in other letters goes up as "index.html", which visitors'
// browsers ask for, unless the user chose to keep its letters.
QString SentPageName(const QString& docFileName);

// Each listed file under the name its reference gives it (a picture the
// folder lacks under that name is read from a copy of the name in lower
// case, as earlier versions kept them), linked pages as pages, then the
// page itself as the visitor's page, under SentPageName. Refused and
// missing entries (a file that exists under neither name) stay in the plan
// as files not to send.
std::vector<TUploadFile> MakeUploadPlan(const QString& pageFile, const UploadList& list);

struct TUploadPlan {
    std::vector<TUploadFile> Files;
    // What becomes of each file on the server (empty when no record was
    // asked about).
    std::vector<TSendState> States;
};

// The plan of the page whose HTML file is `pageFile` ("" a page never
// saved: no files). With the folder's web address (normal, "" none), the
// pages go as copies with their own addresses in their heads, with the
// site's own files beside them (upload/SiteStaging.h). With a record, each
// file is checked against it (TSentRecord::Classify; `all` sends the
// unchanged ones as well).
TUploadPlan PlanUpload(const QString& pageFile, const TSentRecord* record = nullptr, bool all = false,
                       const QString& webAddress = QString());
