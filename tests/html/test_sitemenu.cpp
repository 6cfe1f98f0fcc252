#include "TestSupport.h"
#include "docs/PageFile.h"
#include "html/PageGenerator.h"
#include "html/PageHead.h"
#include "html/SiteFiles.h"
#include "html/SiteMenu.h"
#include "model/WebBlocks.h"
#include "upload/SiteExport.h"
#include "upload/UploadPlan.h"

#include <QDir>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

std::unique_ptr<TWebChunk> Paragraph(const QString& text) {
    auto c = std::make_unique<TWebChunk>();
    c->Kind = bkPara;
    c->AllocateRecord();
    c->Para->Paragraph = text;
    return c;
}

void WritePage(const QString& folder, const QString& file) {
    QVERIFY(WriteFileChecked(QDir(folder).filePath(file), "<HTML></HTML>").ok);
}

// The site of the choir: three pages, all in the menu, the home page first.
TSite ChoirSite(const QString& folder) {
    TSite site;
    site.Folder = folder;
    site.Pages = {{QStringLiteral("index.html"), QStringLiteral("Home"), true},
                  {QStringLiteral("Concerts.html"), QStringLiteral("Concerts & dates"), true},
                  {QStringLiteral("Join us.html"), QString(), true}};
    return site;
}

// The NAV element of a page's HTML.
QString MenuOf(const QString& html) {
    const qsizetype from = html.indexOf(QLatin1String("<NAV"));
    const qsizetype to = html.indexOf(QLatin1String("</NAV>"));
    return from < 0 || to < from ? QString() : html.mid(from, to - from);
}

}  // namespace

class TestSiteMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyPageCarriesTheMenuWithItselfMarked();
    void recordKeepsOrderWordsAndPagesThatAreGone();
    void pageOptionIsStoredOnlyWhenOn();
    void webAddressIsMadeTheFolderAddressOrRefused();
    void headNamesThePagesOwnAddress();
    void sitemapListsExactlyTheSitesPages();
    void siteGoesUpWithAnyOfItsPages();
    void menuReplacementHarmsNoStrangersPage();

private:
    QTemporaryDir data_;
};

void TestSiteMenu::init() {
    qputenv("XDG_DATA_HOME", data_.path().toUtf8());
}

void TestSiteMenu::everyPageCarriesTheMenuWithItselfMarked() {
    QTemporaryDir folder;
    const TSite site = ChoirSite(folder.path());
    QVERIFY(SaveSite(site).ok);
    const QStringList files{QStringLiteral("index.html"), QStringLiteral("Concerts.html"), QStringLiteral("Join us.html")};
    for (const QString& file : files) {
        for (const bool standards : {true, false}) {
            TPage page;
            page.DocFileName = QDir(folder.path()).filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".tvo"));
            page.ShowSiteMenu = true;
            if (standards) page.Language = QStringLiteral("en");
            page.WebChunks.push_back(Paragraph(QStringLiteral("We sing.")));
            const QString html = BuildPageHTML(page, false, folder.path());
            const QString menu = MenuOf(html);
            QVERIFY2(!menu.isEmpty(), qPrintable(html));
            // In menu order, the words escaped, the spaceless names the upload sends.
            const qsizetype home = menu.indexOf(QLatin1String("HREF=\"index.html\""));
            const qsizetype concerts = menu.indexOf(QLatin1String("HREF=\"Concerts.html\""));
            const qsizetype join = menu.indexOf(QLatin1String("HREF=\"Joinus.html\""));
            QVERIFY(home >= 0 && home < concerts && concerts < join);
            QVERIFY(menu.contains(QLatin1String("Concerts &amp; dates")));
            QVERIFY(menu.contains(QLatin1String(">Join us<")) || menu.contains(QLatin1String("<STRONG>Join us</STRONG>")));
            // Exactly one page is current: this one.
            QCOMPARE(menu.count(QLatin1String("ARIA-CURRENT=\"page\"")), 1);
            const QString mine = QStringLiteral("HREF=\"%1\" ARIA-CURRENT=\"page\"><STRONG>").arg(SiteFileName(file));
            QVERIFY2(menu.contains(mine), qPrintable(menu));
            // The menu stands before the page's first block.
            const qsizetype body = html.indexOf(QLatin1String("<BODY>"));
            QVERIFY(body < html.indexOf(QLatin1String("<NAV")) && html.indexOf(QLatin1String("<NAV")) < html.indexOf(QLatin1String("We sing."), body));
            QCOMPARE(html.contains(QLatin1String(".site-menu UL")), standards);
        }
    }
    // A page that does not show the menu, and a site without one, write none.
    TPage plain;
    plain.DocFileName = QDir(folder.path()).filePath(QStringLiteral("index.tvo"));
    plain.Language = QStringLiteral("en");
    QVERIFY(!BuildPageHTML(plain, false, folder.path()).contains(QLatin1String("<NAV")));
    TSite none = site;
    for (TSitePage& p : none.Pages) p.InMenu = false;
    QVERIFY(SaveSite(none).ok);
    plain.ShowSiteMenu = true;
    QVERIFY(!BuildPageHTML(plain, false, folder.path()).contains(QLatin1String("<NAV")));
}

void TestSiteMenu::recordKeepsOrderWordsAndPagesThatAreGone() {
    QTemporaryDir folder, other;
    WritePage(folder.path(), QStringLiteral("index.html"));
    WritePage(folder.path(), QStringLiteral("Concerts.html"));
    TSite site = ChoirSite(folder.path());
    site.Pages[1].InMenu = false;
    QVERIFY(SaveSite(site).ok);
    const TSite back = LoadSite(folder.path() + QStringLiteral("/./"));
    QCOMPARE(back.Pages.size(), size_t(3));
    QCOMPARE(back.Pages[0].Words, QStringLiteral("Home"));
    QCOMPARE(back.Pages[1].InMenu, false);
    QCOMPARE(back.Pages[2].File, QStringLiteral("Join us.html"));
    // A page whose file is gone stays in the site, marked so.
    QVERIFY(!SitePageMissing(back, back.Pages[0]));
    QVERIFY(SitePageMissing(back, back.Pages[2]));
    // Another folder is another site.
    QVERIFY(LoadSite(other.path()).Pages.empty());
    // A damaged record gives an empty site, never a crash.
    QVERIFY(WriteFileChecked(SiteRecordPath(other.path()), "{\"folder\": 12, \"pages\": [1, null").ok);
    QVERIFY(LoadSite(other.path()).Pages.empty());
}

void TestSiteMenu::pageOptionIsStoredOnlyWhenOn() {
    TPage page;
    page.WebChunks.push_back(Paragraph(QStringLiteral("Text")));
    const QByteArray before = PageFileBytes(page, QString());
    page.ShowSiteMenu = true;
    const QByteArray with = PageFileBytes(page, QString());
    QVERIFY(with != before);
    page.ShowSiteMenu = false;
    QCOMPARE(PageFileBytes(page, QString()), before);

    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("menu.tvo"));
    QVERIFY(WriteFileChecked(path, with).ok);
    TPage read;
    QCOMPARE(ReadPageFile(path, read).Result, TPageReadResult::Ok);
    QVERIFY(read.ShowSiteMenu);
    QVERIFY(WriteFileChecked(path, before).ok);
    QCOMPARE(ReadPageFile(path, read).Result, TPageReadResult::Ok);
    QVERIFY(!read.ShowSiteMenu);
}

void TestSiteMenu::webAddressIsMadeTheFolderAddressOrRefused() {
    QString problem;
    QCOMPARE(NormalWebAddress(QStringLiteral(" https://www.example.org/choir "), &problem),
             QStringLiteral("https://www.example.org/choir/"));
    QVERIFY(problem.isEmpty());
    QCOMPARE(NormalWebAddress(QStringLiteral("HTTP://example.org"), &problem), QStringLiteral("http://example.org/"));
    QCOMPARE(NormalWebAddress(QString(), &problem), QString());
    QVERIFY(problem.isEmpty());
    for (const char* bad : {"www.example.org/choir", "ftp://example.org/", "https://", "javascript:alert(1)",
                            "https://user:pw@example.org/", "https://example.org/?a=1"}) {
        QCOMPARE(NormalWebAddress(QString::fromLatin1(bad), &problem), QString());
        QVERIFY2(problem.contains(QLatin1String("https://")), bad);
    }
    const QString site = QStringLiteral("https://www.example.org/choir/");
    QCOMPARE(PageWebAddress(site, QStringLiteral("index.html")), site);
    QCOMPARE(PageWebAddress(site, QStringLiteral("Join us.html")), site + QStringLiteral("Joinus.html"));
    QCOMPARE(PageWebAddress(site, QStringLiteral("Über.html")), site + QStringLiteral("%C3%9Cber.html"));
}

void TestSiteMenu::headNamesThePagesOwnAddress() {
    TPage page;
    page.Language = QStringLiteral("en");
    page.DocFileName = QStringLiteral("/somewhere/Concerts.tvo");
    const QString head = StandardsHeadLines(page, Qt::blue, Qt::white, QStringLiteral("https://example.org/choir"));
    QVERIFY(head.contains(QLatin1String("<META PROPERTY=\"og:url\" CONTENT=\"https://example.org/choir/Concerts.html\">")));
    QVERIFY(head.contains(QLatin1String("<LINK REL=\"canonical\" HREF=\"https://example.org/choir/Concerts.html\">")));
    // Without a (valid) address, no address is guessed.
    for (const QString& none : {QString(), QStringLiteral("example.org/choir")}) {
        const QString h = StandardsHeadLines(page, Qt::blue, Qt::white, none);
        QVERIFY(!h.contains(QLatin1String("canonical")) && !h.contains(QLatin1String("og:url")));
    }
}

void TestSiteMenu::sitemapListsExactlyTheSitesPages() {
    // In any order, with a subfolder and a name that must be encoded: the
    // folder's own address first, then by name.
    const QDateTime changed(QDate(2026, 3, 4), QTime(12, 0), Qt::UTC);
    const std::vector<TSitemapPage> pages{{QStringLiteral("more/Zürich.html"), changed},
                                          {QStringLiteral("Concerts.html"), changed},
                                          {QStringLiteral("index.html"), changed}};
    const QString web = QStringLiteral("https://example.org/choir/");
    QXmlStreamReader xml(SitemapOf(pages, web));
    QStringList locations;
    int lastmods = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("urlset"))
            QCOMPARE(xml.namespaceUri().toString(), QStringLiteral("http://www.sitemaps.org/schemas/sitemap/0.9"));
        if (xml.name() == QLatin1String("loc")) locations << xml.readElementText();
        if (xml.name() == QLatin1String("lastmod")) {
            QVERIFY(QDate::fromString(xml.readElementText(), Qt::ISODate).isValid());
            ++lastmods;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(locations, (QStringList{web, web + QStringLiteral("Concerts.html"), web + QStringLiteral("more/Z%C3%BCrich.html")}));
    QCOMPARE(lastmods, 3);
    QCOMPARE(RobotsBytes(web), QByteArray("User-agent: *\nAllow: /\nSitemap: https://example.org/choir/sitemap.xml\n"));
}

void TestSiteMenu::siteGoesUpWithAnyOfItsPages() {
    QTemporaryDir folder, out;
    const QDir dir(folder.path());
    QVERIFY(WriteFileChecked(dir.filePath(QStringLiteral("index.html")), "<HTML><BODY>Home</BODY></HTML>").ok);
    QVERIFY(WriteFileChecked(dir.filePath(QStringLiteral("Concerts.html")),
                             "<HTML><BODY><IMG SRC=\"choir.png\"><A HREF=\"index.html\">Home</A></BODY></HTML>").ok);
    QVERIFY(WriteFileChecked(dir.filePath(QStringLiteral("choir.png")), "picture").ok);
    QVERIFY(SaveSite(ChoirSite(folder.path())).ok);  // "Join us.html" is not written
    const std::vector<TUploadFile> plan = PlanUpload(dir.filePath(QStringLiteral("index.html"))).Files;
    QStringList names;
    for (const TUploadFile& f : plan) {
        QVERIFY2(f.Refused.isEmpty(), qPrintable(f.Remote + QStringLiteral(": ") + f.Refused));
        names << f.Remote;
    }
    QCOMPARE(names.size(), 3);
    QVERIFY(names.contains(QStringLiteral("Concerts.html")) && names.contains(QStringLiteral("choir.png")));
    // The page sent is still the visitor's page, and last; the others are pages.
    QCOMPARE(plan.back().Remote, QStringLiteral("index.html"));
    QCOMPARE(plan.back().Role, TFileRole::VisitorPage);
    for (const TUploadFile& f : plan)
        if (f.Remote == QLatin1String("Concerts.html")) QCOMPARE(f.Role, TFileRole::Page);
    // The export writes the files the upload sends.
    const TExportResult written = ExportSite(plan, out.path());
    QVERIFY(written.ok());
    QStringList exported = written.Written;
    exported.sort();
    names.sort();
    QCOMPARE(exported, names);
}

// The menu is replaced only where the generator's NAV stands whole: a page
// without one, with one cut short, or with an opening tag repeated keeps
// every other character; an empty menu goes with its line; the bytes of a
// file keep their encoding.
void TestSiteMenu::menuReplacementHarmsNoStrangersPage() {
    const QString menu = QStringLiteral("<NAV CLASS=\"site-menu\">\r\n<UL>new</UL>\r\n</NAV>");
    const QString open = QStringLiteral("<NAV CLASS=\"site-menu\">");
    int n = -1;
    const QString plain = QStringLiteral("<BODY><NAV>mine</NAV><P>text</P></BODY>");
    QCOMPARE(ReplaceSiteMenu(plain, menu, &n), plain);
    QCOMPARE(n, 0);
    const QString two = QStringLiteral("<BODY>\r\n") + open + QStringLiteral("old</NAV>\r\n<P>a</P>") + open +
                        QStringLiteral("<UL>old</UL></nav><P>b</P>");
    QCOMPARE(ReplaceSiteMenu(two, menu, &n), QStringLiteral("<BODY>\r\n") + menu + QStringLiteral("\r\n<P>a</P>") + menu +
                                                 QStringLiteral("<P>b</P>"));
    QCOMPARE(n, 2);
    QCOMPARE(ReplaceSiteMenu(two, QString()), QStringLiteral("<BODY>\r\n<P>a</P><P>b</P>"));
    const QString cut = QStringLiteral("<BODY>") + open + QStringLiteral("<UL><LI>a<P>the rest of the page</P>");
    QCOMPARE(ReplaceSiteMenu(cut, menu, &n), cut);
    QCOMPARE(n, 0);
    const QString repeated = QStringLiteral("<P>x</P>") + open + QStringLiteral("<P>y</P>") + open + QStringLiteral("z</NAV>!");
    QCOMPARE(ReplaceSiteMenu(repeated, menu, &n), QStringLiteral("<P>x</P>") + open + QStringLiteral("<P>y</P>") + menu + "!");
    QCOMPARE(n, 1);
    // Many opening tags and no end: the page comes back whole (and soon).
    const QString many = QStringLiteral("<BODY>") + open.repeated(100000);
    QCOMPARE(ReplaceSiteMenu(many, menu), many);
    QCOMPARE(SpliceSiteMenu(many.toLatin1(), menu, TMenuSplice::ReplaceOrInsert), many.toLatin1());
    // Put in only after a real BODY start tag.
    QCOMPARE(InsertSiteMenu(QStringLiteral("<BODYGUARD>x"), menu), QStringLiteral("<BODYGUARD>x"));
    QCOMPARE(InsertSiteMenu(QStringLiteral("<P>no body</P>"), menu), QStringLiteral("<P>no body</P>"));
    QCOMPARE(InsertSiteMenu(QStringLiteral("<body class=\"x\">\r\n<P>"), menu),
             QStringLiteral("<body class=\"x\">\r\n") + menu + QStringLiteral("\r\n<P>"));

    // Bytes that are not UTF-8 stay as they were; the words go in as
    // references there, as UTF-8 into a UTF-8 page, as UTF-16 into a UTF-16 one.
    const QString words = QStringLiteral("<NAV CLASS=\"site-menu\">Caf\u00E9 \u263A</NAV>");
    const QByteArray latin = "<P>\xE9\xFF</P>" + open.toLatin1() + "</NAV><P>\x80</P>";
    QCOMPARE(SpliceSiteMenu(latin, words, TMenuSplice::Replace),
             QByteArray("<P>\xE9\xFF</P><NAV CLASS=\"site-menu\">Caf&#233; &#9786;</NAV><P>\x80</P>"));
    const QByteArray utf8 = "<META CHARSET=\"utf-8\"><P>\xC3\xA9</P>" + open.toLatin1() + "</NAV>";
    QCOMPARE(SpliceSiteMenu(utf8, words, TMenuSplice::Replace),
             "<META CHARSET=\"utf-8\"><P>\xC3\xA9</P>" + words.toUtf8());
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray wide = utf16(QStringLiteral("<P>\u00E9</P>") + open + QStringLiteral("</NAV>"));
    QStringEncoder again(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QCOMPARE(SpliceSiteMenu(wide, words, TMenuSplice::Replace), QByteArray(again(QStringLiteral("<P>\u00E9</P>") + words)));
}

QTEST_MAIN(TestSiteMenu)
#include "test_sitemenu.moc"
