// The site's own files and the pages' web addresses: a three-page site
// with a menu sent with a web address by `tarvo --upload`, by the Send
// stage and written by `tarvo --export`, to a real local FTP server and a
// real folder.
#include "FtpTestServer.h"
#include "TarvoCommand.h"
#include "TestSupport.h"
#include "app/PictureControl.h"
#include "app/SafeWrite.h"
#include "app/Translations.h"
#include "docs/FileCommands.h"
#include "docs/HtmlCommand.h"
#include "html/PageEncoding.h"
#include "html/SiteFiles.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "upload/ServerList.h"
#include "upload/UploadPlan.h"

#include <QDirIterator>
#include <QListWidget>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "TarvoResources.h"

class TestSiteFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestEnv> env_;
    QString Html(const QString& name = QString()) const { return env_->appDir() + "/HTMLFiles/" + name; }
    // The data folder this process and the commands it runs share (the
    // site's record, the records of what was sent).
    static QString DataHome() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }
    TCommandRun Tarvo(const QStringList& args) const { return RunTarvoCommand(*env_, args, DataHome()); }

    static QStringList FilesBelow(const QString& folder) {
        QStringList out;
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) out << QDir(folder).relativeFilePath(it.next());
        out.sort();
        return out;
    }
    // A standards page in English that shows the site's menu: a heading, a
    // paragraph and, on the home page, a picture with words. Saved as a
    // document, its HTML file written as the window writes it.
    QString Page(const QString& name, const QString& heading, bool picture) {
        TPage page;
        page.Language = "en";
        page.ShowSiteMenu = true;
        page.FitPhone = true;
        page.InsertChunk(0, NewChunkForKind(bkHeading));
        page.Chunk(0)->Heading->HeadText = heading;
        page.InsertChunk(1, NewChunkForKind(bkPara));
        page.Chunk(1)->Para->Paragraph = heading + " of the choir. We sing on Thursdays.";
        if (picture) {
            page.InsertChunk(2, NewChunkForKind(bkImage));
            page.Chunk(2)->Image->FileName = "graphics/choir.png";
            page.Chunk(2)->Image->AltText = "The choir after a concert";
        }
        const QString doc = env_->appDir() + "/save/" + name + ".tve";
        if (!WritePageFile(doc, page, QString(), QImage())) return QString();
        TPageReadOutcome read;
        const QString html = PageHtmlOfDocument(doc, true, read);
        if (read.Result != TPageReadResult::Ok || !WriteFileChecked(Html(name + ".html"), EncodePageHTML(html).Bytes).ok)
            return QString();
        return doc;
    }
    // The page addresses a sitemap names, checking that it is well-formed.
    static QStringList SitemapAddresses(const QByteArray& xml) {
        QXmlStreamReader reader(xml);
        QStringList out;
        while (!reader.atEnd())
            if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("loc"))
                out << reader.readElementText();
        if (reader.hasError()) return {"not well-formed: " + reader.errorString()};
        out.sort();
        return out;
    }

private slots:
    void initTestCase() {
        InitTarvoResources();
        // The site's record where the commands read it.
        QCoreApplication::setOrganizationName("Brenfold");
        QCoreApplication::setApplicationName("Tarvo");
    }
    void init() {
        env_ = std::make_unique<TTestEnv>();
        QVERIFY(env_->ok());
    }
    void cleanup() {
        ServerList().clear();
        env_.reset();
    }

    void siteFilesGoOnEveryRoadAndNeverOverOthers() {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(Html("graphics/choir.png")));
        TSite site;
        site.Folder = Html();
        site.Pages = {{"index.html", "Home", true}, {"about.html", "About us", true}, {"contact.html", "Contact", true}};
        QVERIFY(SaveSite(site).ok);
        const QString home = Page("index", "Home", true);
        QVERIFY(!home.isEmpty());
        QVERIFY(!Page("about", "About", false).isEmpty());
        QVERIFY(!Page("contact", "Contact", false).isEmpty());
        const QByteArray indexBefore = ReadFileBytes(Html("index.html"));

        TFtpTestServer server;
        QVERIFY(server.ok());
        // Someone else's robots.txt in one folder.
        QVERIFY(WriteFileBytes(server.path("theirs/robots.txt"), "User-agent: *\nDisallow: /private/\n"));
        const QString to = QStringLiteral("ftp://webuser@127.0.0.1:%1/").arg(server.port());
        const QString web = "http://www.example.org/";
        const QStringList pages = {"about.html", "contact.html", "graphics/button.gif", "graphics/choir.png", "index.html"};
        const QStringList withSiteFiles = {"404.html", "about.html", "contact.html", "graphics/button.gif", "graphics/choir.png",
                                           "index.html", "robots.txt", "sitemap.xml"};

        const TCommandRun ours = Tarvo({"--upload", home, "--to", to + "ours", "--web-address", web});
        QCOMPARE(ours.status, 0);
        QStringList told = ours.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(told.constLast(), QString("index.html"));  // the visitor's page last
        told.sort();
        QCOMPARE(told, withSiteFiles);
        QCOMPARE(SitemapAddresses(server.read("ours/sitemap.xml")),
                 (QStringList{web, web + "about.html", web + "contact.html"}));
        QCOMPARE(server.read("ours/robots.txt"), QByteArray("User-agent: *\nAllow: /\nSitemap: " + web.toUtf8() + "sitemap.xml\n"));
        for (const QString page : {"index.html", "about.html", "contact.html"}) {
            const QString address = page == QLatin1String("index.html") ? web : web + page;
            const QByteArray bytes = server.read("ours/" + page);
            QVERIFY2(bytes.count("<LINK REL=\"canonical\" HREF=\"" + address.toUtf8() + "\">") == 1, bytes.constData());
            QVERIFY(bytes.contains("<META PROPERTY=\"og:url\" CONTENT=\"" + address.toUtf8() + "\">"));
        }
        QVERIFY(server.read("ours/index.html").contains("og:image\" CONTENT=\"" + web.toUtf8() + "graphics/choir.png\""));
        const QByteArray notFound = server.read("ours/404.html");
        for (const QByteArray& part : {QByteArray("<HTML LANG=\"en\">"), QByteArray("<BASE HREF=\"http://www.example.org/\">"),
                                       QByteArray("<TITLE>Page not found</TITLE>"), QByteArray("NAME=\"viewport\""),
                                       QByteArray("NAME=\"Description\""), QByteArray("There is no page at this address."),
                                       QByteArray("<A HREF=\"http://www.example.org/\">Go to the home page</A>"),
                                       QByteArray("<A HREF=\"about.html\">About us</A>"), QByteArray("site-menu")})
            QVERIFY2(notFound.contains(part), part.constData());
        // The pages in the HTML folder stay as they were.
        QCOMPARE(ReadFileBytes(Html("index.html")), indexBefore);

        // The server's own robots.txt stays, told, and is never taken for
        // Tarvo's: the next upload leaves it alone again.
        const QByteArray theirs = server.read("theirs/robots.txt");
        for (int round = 0; round < 2; ++round) {
            const TCommandRun run = Tarvo({"--upload", home, "--to", to + "theirs", "--web-address", web});
            QCOMPARE(run.status, 0);
            QVERIFY2(run.err.contains("robots.txt was not sent and the server's file is left as it is: the server "
                                      "folder has a file of that name that Tarvo did not put there"),
                     qPrintable(run.err));
            QVERIFY(!run.out.contains("robots.txt"));
            QCOMPARE(server.read("theirs/robots.txt"), theirs);
        }
        QVERIFY(server.read("theirs/404.html") == notFound);

        // The export with the same address writes the same bytes.
        QTemporaryDir out;
        QCOMPARE(Tarvo({"--export", home, out.path() + "/web", "--web-address", web}).status, 0);
        QCOMPARE(FilesBelow(out.path() + "/web"), withSiteFiles);
        for (const QString& f : withSiteFiles) QCOMPARE(ReadFileBytes(out.path() + "/web/" + f), server.read("ours/" + f));

        // The Send stage, with the server entry's own web address.
        tWWWServerType entry;
        entry.Name = "Local";
        entry.Address = QStringLiteral("127.0.0.1:%1").arg(server.port());
        entry.Directory = "window";
        entry.UserName = TFtpTestServer::kUser;
        entry.Password = TFtpTestServer::kPassword;
        entry.WebAddress = web;
        TServerList list;
        list.push_back(std::make_unique<tWWWServerType>(entry));
        SaveServerList(list);
        ServerList().clear();
        std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->Files()->OpenDocument(home);
        w->ShowRedPill(TfrmMain::stSend);
        QFrame* send = w->StagePanel(TfrmMain::stSend);
        auto* files = Child<QListWidget>(send, "lstFiles");
        QStringList listed;
        for (int i = 0; i < files->count(); ++i) listed << files->item(i)->toolTip();
        QVERIFY2(listed.contains("robots.txt (new, if the server has none)"), qPrintable(listed.join("|")));
        const QString shots = qEnvironmentVariable("TARVO_SHOTS");
        if (!shots.isEmpty()) {
            files->scrollToBottom();
            w->grab().save(shots + "/sitefiles-send-en.png");
        }
        auto& dialogs = static_cast<TScriptedDialogs&>(Dialogs());
        dialogs.runs << [](QDialog* d) { return d->exec(); };
        dialogs.runs << [](QDialog*) { return 0; };  // the congratulation
        QTest::mouseClick(Child<TPicture>(send, "imgUpload"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w->CurrentStage(), int(TfrmMain::stSent), 60000);
        for (const QString& f : withSiteFiles) QCOMPARE(server.read("window/" + f), server.read("ours/" + f));
        if (!shots.isEmpty()) {
            // The list again, in German, once the files are the server's.
            qputenv("LANGUAGE", "de");
            qputenv("LC_ALL", "de_DE.UTF-8");
            InstallTranslations(*QCoreApplication::instance());
            w->ShowRedPill(TfrmMain::stSend);
            files->scrollToBottom();
            w->grab().save(shots + "/sitefiles-send-de.png");
            qputenv("LANGUAGE", "en");
            qputenv("LC_ALL", "C.UTF-8");
            InstallTranslations(*QCoreApplication::instance());
        }
        QCOMPARE(dialogs.unexpected, 0);

        // Without a web address: none of the site's files, the pages as
        // they are.
        QCOMPARE(Tarvo({"--export", home, out.path() + "/plain"}).status, 0);
        QCOMPARE(FilesBelow(out.path() + "/plain"), pages);
        QCOMPARE(ReadFileBytes(out.path() + "/plain/index.html"), indexBefore);
        QCOMPARE(Tarvo({"--export", home, out.path() + "/bad", "--web-address", "www.example.org"}).status, 1);
    }

    // The lines go in once, where the card is; a robots.txt goes only at a
    // host's root; a page without a head is left as it is.
    void webAddressLinesAndRobotsPlace() {
        const QByteArray page = "<HTML LANG=\"en\">\r\n<HEAD>\r\n<TITLE>T</TITLE>\r\n<META PROPERTY=\"og:type\" "
                                "CONTENT=\"website\">\r\n</HEAD>\r\n<BODY><IMG SRC=\"../pics/a%20b.png\" ALT=\"\">"
                                "<IMG SRC=\"../pics/c.png\" ALT=\"Our hall\"></BODY></HTML>";
        const QString web = "https://example.org/choir/";
        const QByteArray once = WithWebAddress(page, "more/page.html", web);
        QCOMPARE(once, QByteArray("<HTML LANG=\"en\">\r\n<HEAD>\r\n<TITLE>T</TITLE>\r\n<META PROPERTY=\"og:type\" "
                                  "CONTENT=\"website\">\r\n"
                                  "<META PROPERTY=\"og:url\" CONTENT=\"https://example.org/choir/more/page.html\">\r\n"
                                  "<LINK REL=\"canonical\" HREF=\"https://example.org/choir/more/page.html\">\r\n"
                                  "<META PROPERTY=\"og:image\" CONTENT=\"https://example.org/choir/pics/c.png\">\r\n"
                                  "</HEAD>\r\n<BODY><IMG SRC=\"../pics/a%20b.png\" ALT=\"\">"
                                  "<IMG SRC=\"../pics/c.png\" ALT=\"Our hall\"></BODY></HTML>"));
        QCOMPARE(WithWebAddress(once, "more/page.html", web), once);
        QCOMPARE(WithWebAddress("<P>no head</P>", "x.html", web), QByteArray("<P>no head</P>"));
        QCOMPARE(WithWebAddress(page, "x.html", QString()), page);
        QCOMPARE(SiteAddress(web, "sub/index.html"), QString("https://example.org/choir/sub/"));
        QCOMPARE(SiteAddress(web, "a #1.html"), QString("https://example.org/choir/a%20%231.html"));
        QVERIFY(IsHostRoot("https://example.org/"));
        QVERIFY(!IsHostRoot(web));
        // Below a host's root no robots.txt goes (nobody would read it);
        // the page goes as a copy with its address, the sitemap and 404
        // page before it.
        QVERIFY(WriteFileBytes(Html("home.html"), page));
        QStringList planned;
        for (const TUploadFile& f : PlanUpload(Html("home.html"), nullptr, false, web).Files)
            if (f.Refused.isEmpty()) planned << f.Remote + (f.Local.startsWith(Html()) ? "" : " (copy)");
        QCOMPARE(planned, (QStringList{"sitemap.xml (copy)", "404.html (copy)", "home.html (copy)"}));
    }
};

QTEST_MAIN(TestSiteFiles)
#include "test_sitefiles.moc"
