#pragma once
// The site of an HTML folder: its pages in the order of its menu, the words
// the menu shows for each and whether each is in the menu. It is kept in
// the user's data folder, one record per HTML folder, and makes the menu
// every page that shows it writes at its top, the page's address on the
// web, and the site's own files: sitemap.xml, robots.txt and 404.html.

#include "app/SafeWrite.h"

#include <QDateTime>
#include <QString>
#include <vector>

struct TSitePage {
    // The page's HTML file in the site's folder ("index.html").
    QString File;
    // What the menu shows for it; empty: the file's name without ".html".
    QString Words;
    bool InMenu = true;
};

struct TSite {
    QString Folder;  // the HTML folder, as given to LoadSite
    std::vector<TSitePage> Pages;
    // Whether any page is in the menu.
    bool HasMenu() const;
    // The page of `file` (compared as SiteFileName gives it), or nullptr.
    const TSitePage* Find(const QString& file) const;
};

// A page's file as the site and its menu name it: its name without the
// folder and without spaces, as the upload sends it.
QString SiteFileName(const QString& file);

// Where the record of the site of `folder` is kept.
QString SiteRecordPath(const QString& folder);
// The site of `folder` as last saved (no pages when none was).
TSite LoadSite(const QString& folder);
// Writes the site's record (WriteFileChecked).
TWriteOutcome SaveSite(const TSite& site);
// Whether the page's file is no longer in the site's folder: the dialog
// says so in its list instead of dropping the page.
bool SitePageMissing(const TSite& site, const TSitePage& page);

// The menu as the page of `currentFile` shows it, its lines joined by
// CR LF without a line break after the last: a NAV of plain links in menu
// order, the current page with aria-current="page" and in bold. Empty when
// the site has no menu.
QString SiteMenuLines(const TSite& site, const QString& currentFile);
// The menu's style block for the head: a row of links that wraps on a
// narrow screen, each link large enough to tap, the current one underlined.
QString SiteMenuStyleLines();

// The web address as typed, made the folder's address ending in "/"
// ("https://www.example.org/choir/"); empty with `problem` set for an
// address that is not an absolute http or https address. An empty text
// gives an empty address and no problem.
QString NormalWebAddress(const QString& typed, QString* problem = nullptr);
// The address of the site's file `file` under the folder's `webAddress`
// (already normal): "index.html" is the folder's own address.
QString PageWebAddress(const QString& webAddress, const QString& file);

// sitemap.xml: every page of the site whose file is in the folder, its
// address and the day its file last changed, as sitemaps.org describes.
QByteArray SitemapBytes(const TSite& site, const QString& webAddress);
// robots.txt: every robot may read every page; the sitemap's address.
QByteArray RobotsBytes(const QString& webAddress);
