#pragma once
// The copies of a site that go up once its address on the web is known:
// each page with its own address in its head, and the site's own files
// (sitemap.xml, robots.txt at a host's root, 404.html), made into a folder
// of Tarvo's in the user's cache. The plan then sends those copies, so the
// record of what was sent, the publish history and "only what changed"
// see the bytes that went; the pages in the HTML folder stay as they are.

#include "upload/UploadList.h"

#include <QString>
#include <vector>

// Where the copies of the site in `siteFolder` for `webAddress` are made.
QString SiteStagingFolder(const QString& siteFolder, const QString& webAddress);

// With a web address (normal, NormalWebAddress): each page of `plan` is
// read from its copy with its address in its head, and the site's own
// files go before the visitor's page, each only where the server folder
// has none that Tarvo did not send (OnlyIfOurs), and none where the site
// has a file of that name itself. `pageFile` is the visitor's page's HTML
// file, whose folder is the site's. A copy that cannot be written refuses
// its file with the reason. Without a web address the plan stays as it is.
void AddWebAddress(std::vector<TUploadFile>& plan, const QString& pageFile, const QString& webAddress);
