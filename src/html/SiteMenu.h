#pragma once
// The site of an HTML folder: its pages in the order of its menu, the words
// the menu shows for each and whether each is in the menu. It is kept in
// the user's data folder, one record per HTML folder, and makes the menu
// every page that shows it writes at its top, the page's address on the
// web, and the site's own files: sitemap.xml, robots.txt and 404.html.

#include "app/SafeWrite.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct TSitePage {
    TSitePage() = default;
    TSitePage(QString file, QString words, bool inMenu = true, QString title = QString())
        : File(std::move(file)), Words(std::move(words)), InMenu(inMenu), Title(std::move(title)) {}
    // The page's HTML file in the site's folder ("index.html").
    QString File;
    // What the menu shows for it; empty: the page's title (Title, else the
    // TITLE element of its file), else the file's name without ".html".
    QString Words;
    bool InMenu = true;
    // Not kept in the record: the page's title where the caller knows it
    // better than the file does (the open page, a saved document).
    QString Title;
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

// The title the TITLE element of the page's file holds, as plain text
// ("" when the file has none or cannot be read). Reads only the start of
// the file.
QString SitePageTitle(const TSite& site, const TSitePage& page);
// The text of a TITLE element (its character references read back) as
// plain text; "" for the title a page has before it is given one.
QString SiteTitleText(const QString& element);
// The words the menu shows for the page: its Words, else its title, else
// its file's name without ".html".
QString SiteMenuWords(const TSite& site, const TSitePage& page);

// The menu as the page of `currentFile` shows it, its lines joined by
// CR LF without a line break after the last: a NAV of plain links in menu
// order, the current page with aria-current="page" and in bold. Empty when
// the site has no menu.
QString SiteMenuLines(const TSite& site, const QString& currentFile);
// The page's HTML with each menu SiteMenuLines wrote (from its opening tag
// to the end of its NAV) replaced by `menu`; an empty `menu` takes the menu
// out with its line break. `replaced` gets how many were replaced. An
// opening tag without its end, or with another opening tag before its end,
// is left as it is and not counted, so a page whose menu was cut is never
// cut further. Linear in the page's length.
QString ReplaceSiteMenu(const QString& html, const QString& menu, int* replaced = nullptr);
// The page's HTML with `menu` put in as the generator puts it: on the
// line after the BODY start tag, and on a standards page (one that starts
// with <!DOCTYPE html>) the menu's style before the end of its head unless
// it has it. Without a BODY start tag the page comes back unchanged.
QString InsertSiteMenu(const QString& html, const QString& menu);

// How a page's HTML file takes a new menu.
enum class TMenuSplice {
    Replace,        // replace the menus it carries; leave a page without one alone
    ReplaceOrInsert // the same, and put the menu into a page that carries none
};
// The bytes of a page's HTML file with its menu made `menu`
// (ReplaceSiteMenu, InsertSiteMenu), in the file's own encoding: every byte
// outside the menu stays as it was. A file in UTF-8 (by its byte-order
// mark or its charset) takes the menu's words as they are, a UTF-16 file
// in UTF-16, any other file with its characters outside ASCII written as
// character references. Unchanged bytes when there was nothing to change.
QByteArray SpliceSiteMenu(const QByteArray& bytes, const QString& menu, TMenuSplice how);

// What putting a new menu into the pages of a folder did.
struct TMenuRewrite {
    QStringList Changed;   // the files written, by their names in the folder
    QStringList Problems;  // a message for each file that could not be written
};
// Gives every HTML page of the site's folder that carries the menu the menu
// of `site` (each page with itself current), writing through
// WriteFileChecked. A page without the menu whose file `wantsMenu` names
// (its document shows the menu) gets it put in. Pages without the menu
// are not written; nor are pages whose bytes would not change.
TMenuRewrite RewriteSiteMenus(const TSite& site, const std::function<bool(const QString& file)>& wantsMenu = {});

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

// robots.txt: every robot may read every page; the sitemap's address.
QByteArray RobotsBytes(const QString& webAddress);
