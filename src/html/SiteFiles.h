#pragma once
// What a site carries once its address on the web is known: each page's
// own address in its head (the canonical link, and the social card's
// address and picture), and the site's own files beside its pages: the
// sitemap, robots.txt and the page a server shows for an address that
// has no page (404.html).

#include "html/SiteMenu.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

// The site's own files, by the names they go up under.
inline const QString kSitemapName = QStringLiteral("sitemap.xml");
inline const QString kRobotsName = QStringLiteral("robots.txt");
inline const QString kNotFoundName = QStringLiteral("404.html");

// The address of the file `remote` ("more/contact.html") below the folder
// whose normal address (NormalWebAddress) is `webAddress`; an
// "index.html" is its folder's own address.
QString SiteAddress(const QString& webAddress, const QString& remote);

// Whether `webAddress` is a host's root ("https://www.example.org/"),
// the only place crawlers read a robots.txt.
bool IsHostRoot(const QString& webAddress);

// The page's bytes with its address under `webAddress` in its head: a
// canonical link, and on a page with a social card (og:type) its og:url
// and, for its first picture that has words (not the logo), og:image at
// its address on the web. Lines the page has already are not added again;
// they go after the card's lines, else before "</HEAD>". A page without a
// head, or no web address, comes back as it is. Only ASCII is inserted,
// so the page's own encoding stays as it was.
QByteArray WithWebAddress(const QByteArray& page, const QString& remote, const QString& webAddress);

struct TSitemapPage {
    QString Remote;     // as the page goes up
    QDateTime Changed;  // when its file last changed
};
// sitemap.xml of the pages, the folder's index first, then by name, each
// with its address and the day it last changed (UTC), as sitemaps.org
// describes.
QByteArray SitemapOf(std::vector<TSitemapPage> pages, const QString& webAddress);

// 404.html: a whole standards page in the home page's language and
// style (its BODY tag, its style blocks and its icon), the site's menu,
// one sentence and a link to the home page. A BASE element makes every
// address in it the site's own, so it works wherever the server shows it.
// Its words are in the page's language where Tarvo has that language, in
// English (marked so) where not.
QByteArray NotFoundPage(const TSite& site, const QByteArray& homePage, const QString& homeRemote,
                        const QString& webAddress);
