// A site of linked pages: what is listed and sent, the record of what went
// to each server folder, the export to a folder, and the Link panel's list
// of saved pages, against real files and a real local FTP server.
#include "FtpTestServer.h"
#include "TarvoCommand.h"
#include "TestSupport.h"
#include "app/AppPaths.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "main/Startup.h"
#include "docs/FileCommands.h"
#include "docs/PageFile.h"
#include "app/SafeWrite.h"
#include "app/Settings.h"
#include "model/PropertyPanels.h"
#include "model/WebBlocks.h"
#include "upload/SendPanel.h"
#include "upload/SentRecord.h"
#include "upload/ServerBox.h"
#include "upload/ServerList.h"
#include "upload/UploadList.h"
#include "upload/UploadPlan.h"
#include "upload/UploadSequence.h"
#include "upload/UploadWindow.h"

#include <QAction>
#include <QCryptographicHash>
#include <QCheckBox>
#include <QMenu>
#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "TarvoResources.h"

class TestSite : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestEnv> env_;
    TScriptedDialogs* dialogs_ = nullptr;

    QString Html(const QString& name = QString()) const { return env_->appDir() + "/HTMLFiles/" + name; }
    // A saved document whose one paragraph holds `html`.
    QString Document(const QString& name, const QString& html, const QString& title = QString()) const {
        return WriteParagraphDocument(*env_, name, html, title);
    }
    struct TRun {
        int status = -1;
        QStringList out;   // sorted
        QStringList told;  // as told, in the order the files went
        QString err;
    };
    TRun Tarvo(const QStringList& args, const QString& dataHome) const {
        const TCommandRun run = RunTarvoCommand(*env_, args, dataHome);
        TRun r;
        r.status = run.status;
        r.told = run.out.split('\n', Qt::SkipEmptyParts);
        r.out = r.told;
        r.out.sort();
        r.err = run.err;
        return r;
    }
    static QStringList FilesBelow(const QString& folder) {
        QStringList out;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) out << QDir(folder).relativeFilePath(it.next());
        out.sort();
        return out;
    }
    // The pages linked from a home page: about.html links back home (a
    // cycle), to more/contact.html and to web addresses; contact links up
    // to about, to a page that does not exist and to one outside the HTML
    // folder. Each page has a picture of its own. "loop" is the HTML
    // folder itself.
    void WriteLinkedPages() {
        QVERIFY(WriteFileBytes(Html("graphics/about.png"), "about-picture"));
        QVERIFY(WriteFileBytes(Html("graphics/contact.png"), "contact-picture"));
        QVERIFY(WriteFileBytes(Html("graphics/home.png"), "home-picture"));
        QVERIFY(WriteFileBytes(Html("about.html"),
                      "<IMG SRC=\"graphics/about.png\"><A HREF=\"home.html\">Home</A> "
                      "<a href='more/contact.html#top'>Contact</a> <A HREF=https://example.com/x.html>web</A> "
                      "<A HREF=\"mailto:me@example.com\">mail</A> <A HREF=\"ftp://example.com/f.html\">ftp</A> "
                      "<A HREF=\"loop/about.html\">the same page through a folder that is the folder itself</A>"));
        QVERIFY(QFile::link(Html(), Html("loop")));
        QVERIFY(WriteFileBytes(Html("more/contact.html"),
                      "<IMG SRC=\"../graphics/contact.png\"><A HREF=\"../about.html?from=contact\">About</A> "
                      "<A HREF=\"../missing.html\">gone</A> <A HREF=\"../../outside.html\">out</A>"));
        QVERIFY(WriteFileBytes(env_->appDir() + "/outside.html", "<IMG SRC=\"HTMLFiles/graphics/home.png\">"));
        QVERIFY(WriteFileBytes(Html("secret.html"), "not linked"));
    }
    // The server list holds one entry, the local server's folder `dir`.
    static void StoreServer(const TFtpTestServer& server, const QString& dir) {
        tWWWServerType entry;
        entry.Name = "Local";
        entry.Address = QStringLiteral("127.0.0.1:%1").arg(server.port());
        entry.Directory = dir;
        entry.UserName = TFtpTestServer::kUser;
        entry.Password = TFtpTestServer::kPassword;
        TServerList list;
        list.push_back(std::make_unique<tWWWServerType>(entry));
        SaveServerList(list);
        ServerList().clear();
    }
    // The names the Send stage lists, sorted.
    static QStringList Listed(const QWidget* sendStage) {
        QStringList out;
        auto* files = Child<QListWidget>(sendStage, "lstFiles");
        for (int i = 0; i < files->count(); ++i) out << files->item(i)->data(Qt::UserRole).toString();
        out.sort();
        return out;
    }

private slots:
    void initTestCase() { InitTarvoResources(); }
    void init() {
        env_ = std::make_unique<TTestEnv>();
        QVERIFY(env_->ok());
        dialogs_ = static_cast<TScriptedDialogs*>(&Dialogs());
        QDir(SentRecordFolder()).removeRecursively();
    }
    void cleanup() {
        SetWriteLimitForTests(-1);
        ServerList().clear();
        env_.reset();
    }

    // The whole site goes, each file once, the missing page is named and
    // the status is 7; nothing of ours lands on the server or in the HTML
    // folder; the export writes exactly what the upload sent.
    void threePagesWithACycleAndAMissingPageUploadedAndExported() {
        WriteLinkedPages();
        const QString doc = Document("home", "<IMG SRC=\"graphics/home.png\"> <A HREF=\"about.html\">About</A> "
                                             "<A HREF=\"about.html#again\">again</A> "
                                             "<!-- <A HREF=\"secret.html\">old</A> -->");
        QVERIFY(!doc.isEmpty());
        TFtpTestServer server;
        QVERIFY(server.ok());
        QTemporaryDir data;
        const QStringList htmlBefore = FilesBelow(Html());

        const TRun up = Tarvo({"--upload", doc, "--no-logo", "--to",
                               QStringLiteral("ftp://webuser@127.0.0.1:%1/site").arg(server.port())},
                              data.path());
        QCOMPARE(up.status, 7);
        const QStringList site = {"about.html", "graphics/about.png", "graphics/contact.png", "graphics/home.png",
                                  "home.html", "more/contact.html"};
        QCOMPARE(up.out, site);
        QVERIFY2(up.err.contains("tarvo: missing.html was not sent: the page does not exist\n"), qPrintable(up.err));
        QVERIFY2(up.err.contains("tarvo: ../../outside.html was not sent: outside the page's folder\n"),
                 qPrintable(up.err));
        QStringList onServer;
        for (const QString& f : site) onServer << "site/" + f;
        QCOMPARE(server.files(), onServer);
        QStringList htmlAfter = htmlBefore + QStringList{"home.html"};
        htmlAfter.sort();
        QCOMPARE(FilesBelow(Html()), htmlAfter);
        // The record sits in the user's data folder, one file for the server.
        QCOMPARE(FilesBelow(data.path() + "/Brenfold/Tarvo/sent").size(), 1);

        QTemporaryDir out;
        const TRun ex = Tarvo({"--export", doc, out.path() + "/site", "--no-logo"}, data.path());
        QCOMPARE(ex.status, 7);
        QCOMPARE(ex.out, site);
        QVERIFY(ex.err.contains("missing.html: the page does not exist"));
        QCOMPARE(FilesBelow(out.path() + "/site"), site);
        for (const QString& f : site) QCOMPARE(ReadFileBytes(out.path() + "/site/" + f), server.read("site/" + f));

        QCOMPARE(Tarvo({"--export", doc}, data.path()).status, 1);
    }

    // A page whose name has spaces goes up without them; a link back to it
    // by its own name gets a copy under that name, so the link works there.
    void linkBackToAPageNamedWithSpaces() {
        QVERIFY(WriteFileBytes(Html("my home.html"), "<A HREF=\"about.html\">About</A>"));
        QVERIFY(WriteFileBytes(Html("about.html"), "<A HREF=\"my%20home.html\">Home</A> <A HREF=\"about.html\">me</A>"));
        const auto plan = MakeUploadPlan(Html("my home.html"), BuildSiteList(Html("my home.html")));
        QStringList remote;
        for (const TUploadFile& f : plan) remote << f.Remote + (f.Local == Html("my home.html") ? " (page)" : "");
        QCOMPARE(remote, QStringList({"about.html", "my home.html (page)", "myhome.html (page)"}));
    }

    // Unchanged means the same content under the same name on the same
    // server entry; --all and the check box send it anyway; a record that
    // cannot be written is told and taken away.
    void recordClassifiesByContentPerServerFolder() {
        WriteLinkedPages();
        QVERIFY(WriteFileBytes(Html("home.html"), "<IMG SRC=\"graphics/home.png\"><A HREF=\"about.html\">About</A>"));
        const auto plan = [&] { return MakeUploadPlan(Html("home.html"), BuildSiteList(Html("home.html"))); };
        TUploadTarget target;
        target.Address = "example.com";
        target.UserName = "me";
        target.Directory = "www";
        auto count = [](const std::vector<TSendState>& states, TSendState s) {
            return std::count(states.begin(), states.end(), s);
        };

        std::vector<TUploadFile> files = plan();
        TSentRecord first(target);
        std::vector<TSendState> states = first.Classify(files, false);
        QCOMPARE(count(states, TSendState::New), 6);
        QCOMPARE(count(states, TSendState::Missing), 1);
        QCOMPARE(count(states, TSendState::Refused), 1);
        for (const TUploadFile& f : files)
            if (f.Refused.isEmpty()) first.RecordSent(f);
        QVERIFY(first.Save());
        QVERIFY(!first.FileName().startsWith(env_->appDir()));

        // The page written afresh with the same text is still unchanged.
        QVERIFY(WriteFileBytes(Html("home.html"), ReadFileBytes(Html("home.html"))));
        QVERIFY(WriteFileBytes(Html("graphics/contact.png"), "contact-picture, new colours"));
        files = plan();
        states = TSentRecord(target).Classify(files, false);
        QCOMPARE(count(states, TSendState::Unchanged), 5);
        for (size_t i = 0; i < files.size(); ++i) {
            QCOMPARE(files[i].Unchanged, states[i] == TSendState::Unchanged);
            if (files[i].Remote == "graphics/contact.png") QCOMPARE(states[i], TSendState::Changed);
            if (files[i].Refused.isEmpty()) QCOMPARE(files[i].Size, QFileInfo(files[i].Local).size());
        }
        QVERIFY(QFile::remove(Html("graphics/about.png")));
        files = plan();
        states = TSentRecord(target).Classify(files, true);
        QCOMPARE(count(states, TSendState::Missing), 2);  // the page and now a picture
        QVERIFY(WriteFileBytes(Html("graphics/about.png"), "about-picture"));
        files = plan();
        states = TSentRecord(target).Classify(files, true);
        QCOMPARE(count(states, TSendState::Unchanged), 5);
        QVERIFY(std::none_of(files.begin(), files.end(), [](const TUploadFile& f) { return f.Unchanged; }));

        // Another folder, user, port or kind of connection has no record.
        for (auto change : std::vector<std::function<void(TUploadTarget&)>>{
                 [](TUploadTarget& t) { t.Directory = "www/new"; }, [](TUploadTarget& t) { t.UserName = "you"; },
                 [](TUploadTarget& t) { t.Port = 2121; }, [](TUploadTarget& t) { t.Security = TSecurity::FTPS; }}) {
            TUploadTarget other = target;
            change(other);
            files = plan();
            QCOMPARE(count(TSentRecord(other).Classify(files, false), TSendState::Unchanged), 0);
        }

        // A record that cannot be written says so, and the old one goes:
        // the next upload sends everything.
        TSentRecord again(target);
        files = plan();
        again.Classify(files, false);
        again.RecordSent(files.front());
        SetWriteLimitForTests(5);
        QString why;
        QVERIFY(!again.Save(&why));
        SetWriteLimitForTests(-1);
        QVERIFY2(why.contains("the disk is full") && why.contains("The next upload sends every file again."),
                 qPrintable(why));
        files = plan();
        QCOMPARE(count(TSentRecord(target).Classify(files, false), TSendState::Unchanged), 0);
    }

    // Records already on the user's disk hold SHA-256 in hex: the hash must
    // stay that, for empty files and for files longer than one read.
    void contentHashIsSha256InHex() {
        QVERIFY(WriteFileBytes(Html("empty.txt"), QByteArray()));
        QCOMPARE(ContentHash(Html("empty.txt")),
                 QByteArray("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"));
        QVERIFY(WriteFileBytes(Html("abc.txt"), "abc"));
        QCOMPARE(ContentHash(Html("abc.txt")),
                 QByteArray("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
        QByteArray large(600 * 1024 + 7, Qt::Uninitialized);
        for (qsizetype i = 0; i < large.size(); ++i) large[i] = char((i * 131) >> 3);
        QVERIFY(WriteFileBytes(Html("large.bin"), large));
        QCOMPARE(ContentHash(Html("large.bin")), QCryptographicHash::hash(large, QCryptographicHash::Sha256).toHex());
        QCOMPARE(ContentHash(Html("no such file")), QByteArray());
    }

    // As a user would: the Link panel offers the saved pages and fills in
    // the address; the Send stage lists the three pages and their pictures,
    // uploads them, and after one picture changes marks only it.
    void linkPanelListAndSendStageStates() {
        QVERIFY(WriteFileBytes(Html("graphics/about.png"), "about-picture"));
        QVERIFY(WriteFileBytes(Html("graphics/contact.png"), "contact-picture"));
        QVERIFY(!Document("about us", "<IMG SRC=\"graphics/about.png\"> <A HREF=\"home.html\">Home</A>").isEmpty());
        QVERIFY(!Document("contact", "<IMG SRC=\"graphics/contact.png\">").isEmpty());
        TPage page;
        page.InsertChunk(0, NewChunkForKind(bkLink));
        page.InsertChunk(1, NewChunkForKind(bkLink));
        const QString home = env_->appDir() + "/save/home.tve";
        QVERIFY(WritePageFile(home, page, QString(), QImage()));
        TFtpTestServer server;
        QVERIFY(server.ok());
        StoreServer(server, "site");

        std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->Files()->OpenDocument(home);
        w->ShowRedPill(TfrmMain::stBuild);
        auto* panels = w->findChild<TPropertyPanels*>();
        QVERIFY(panels);
        const QStringList links = {"about%20us.html", "contact.html"};
        for (int i = 0; i < 2; ++i) {
            w->Hooks().SelectAndHighlight(i);
            QCOMPARE(panels->VisiblePanel(), panels->pnlLink);
            QComboBox* pages = panels->cmbLinkPages;
            QCOMPARE(pages->count(), 3);  // not the page itself
            QCOMPARE(pages->itemText(1), QString("about us"));
            emit pages->activated(i + 1);
            QCOMPARE(panels->txtLinkURL->text(), links[i]);
            QCOMPARE(w->Page().Chunk(i)->Link->URL, links[i]);
            QCOMPARE(pages->currentIndex(), 0);
        }
        QCOMPARE(w->Page().Chunk(0)->Link->LinkText, QString("about us"));
        QVERIFY(QFileInfo::exists(Html("about us.html")));  // made from the saved page when chosen

        // The changed page is saved to its name before sending: one question.
        dialogs_->runs << [](QDialog*) { return int(QMessageBox::Save); };
        w->ShowRedPill(TfrmMain::stSend);
        QVERIFY2(w->CurrentStage() == TfrmMain::stSend, qPrintable(dialogs_->texts().join("|")));
        QFrame* send = w->StagePanel(TfrmMain::stSend);
        auto* files = Child<QListWidget>(send, "lstFiles");
        auto* size = Child<QLabel>(send, "lblSendSize");
        auto listed = [&] {
            QStringList out;
            for (int i = 0; i < files->count(); ++i)
                out << files->item(i)->data(Qt::UserRole).toString() + " " +
                           QString::number(files->item(i)->data(Qt::UserRole + 1).toInt());
            // The files in the order they go, the visitor's page last.
            const bool pageLast = out.constLast().startsWith("home.html ");
            out.sort();
            return pageLast ? out : QStringList();
        };
        auto text = [&](const QString& name) {
            for (int i = 0; i < files->count(); ++i)
                if (files->item(i)->data(Qt::UserRole).toString() == name)
                    return files->item(i)->text();
            return QString();
        };
        const QString n = " " + QString::number(int(TSendState::New)), u = " " + QString::number(int(TSendState::Unchanged)),
                      c = " " + QString::number(int(TSendState::Changed));
        QCOMPARE(listed(), (QStringList{"about us.html" + n, "contact.html" + n, "graphics/about.png" + n,
                                        "graphics/button.gif" + n, "graphics/contact.png" + n, "home.html" + n}));
        QCOMPARE(text("contact.html"), QString("contact.html (new)"));
        QVERIFY(size->text().startsWith("To send: 6 of 6 files"));

        dialogs_->runs << [](QDialog* d) { return d->exec(); };
        dialogs_->runs << [](QDialog*) { return 0; };  // the congratulation
        QTest::mouseClick(Child<TPicture>(send, "imgUpload"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w->CurrentStage(), int(TfrmMain::stSent), 60000);
        QCOMPARE(server.files(), (QStringList{"site/about us.html", "site/contact.html", "site/graphics/about.png",
                                              "site/graphics/button.gif", "site/graphics/contact.png", "site/home.html"}));

        QVERIFY(WriteFileBytes(Html("graphics/contact.png"), "contact-picture, brighter"));
        w->ShowRedPill(TfrmMain::stSend);
        QCOMPARE(listed(), (QStringList{"about us.html" + u, "contact.html" + u, "graphics/about.png" + u,
                                        "graphics/button.gif" + u, "graphics/contact.png" + c, "home.html" + u}));
        QCOMPARE(text("graphics/contact.png"), QString("graphics/contact.png (changed)"));
        QVERIFY(size->text().startsWith("To send: 1 of 6 files"));
        // File > Export Site... writes the same files as the upload sent.
        QTemporaryDir out;
        dialogs_->fileNames << out.path();
        Child<QAction>(w.get(), "menFileExport")->trigger();
        QCOMPARE(dialogs_->fileRequests.constLast().chooseFolder, true);
        QVERIFY(dialogs_->lastText().contains(": 6 files"));
        for (const QString& f : server.files()) QCOMPARE(ReadFileBytes(out.path() + f.mid(4)), ReadFileBytes(Html(f.mid(5))));
        QCOMPARE(FilesBelow(out.path()).size(), 6);
        QVERIFY(Child<QMenu>(w.get(), "mnuFile")->actions().contains(Child<QAction>(w.get(), "menFileExport")));

        Child<QCheckBox>(send, "chkSendAll")->setChecked(true);
        QCOMPARE(text("contact.html"), QString("contact.html (sent again)"));
        QVERIFY(size->text().startsWith("To send: 6 of 6 files"));
        QCOMPARE(dialogs_->unexpected, 0);
    }

    // One document, one plan: `tarvo --upload`, `tarvo --export` and the
    // Send stage send or write the same files under the same names. A page
    // named Index goes up as index.html on every road (a copy keeps the
    // name a link back to it writes), or keeps its name on every road once
    // the user chose so; pictures go before pages, the visitor's page last.
    void oneDocumentGivesOnePlanOnEveryRoad() {
        QVERIFY(WriteFileBytes(Html("graphics/about.png"), "about-picture"));
        QVERIFY(WriteFileBytes(Html("about.html"), "<A HREF=\"Index.html\">Home</A> <IMG SRC=\"graphics/about.png\">"));
        const QString doc = Document("Index", "<A HREF=\"about.html\">About</A>", "Home");
        QVERIFY(!doc.isEmpty());
        TFtpTestServer server;
        QVERIFY(server.ok());
        QTemporaryDir data, out;
        const QString to = QStringLiteral("ftp://webuser@127.0.0.1:%1/").arg(server.port());
        auto below = [&](const QString& folder) {
            QStringList names;
            for (const QString& f : server.files())
                if (f.startsWith(folder + "/")) names << f.mid(folder.size() + 1);
            return names;
        };

        // Nobody has been asked about the name yet.
        const TRun up = Tarvo({"--upload", doc, "--to", to + "cli"}, data.path());
        QCOMPARE(up.status, 0);
        const QStringList site = {"Index.html", "about.html", "graphics/about.png", "graphics/button.gif", "index.html"};
        QCOMPARE(up.out, site);
        QCOMPARE(up.told.constLast(), QString("index.html"));
        QCOMPARE(below("cli"), site);
        const TRun ex = Tarvo({"--export", doc, out.path() + "/all"}, data.path());
        QCOMPARE(ex.status, 0);
        QCOMPARE(FilesBelow(out.path() + "/all"), site);

        StoreServer(server, "win");
        std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->Files()->OpenDocument(doc);
        w->ShowRedPill(TfrmMain::stSend);
        QFrame* send = w->StagePanel(TfrmMain::stSend);
        QCOMPARE(Listed(send), site);
        dialogs_->answers << QMessageBox::Yes;  // send it as index.html
        dialogs_->runs << [](QDialog* d) { return d->exec(); };
        dialogs_->runs << [](QDialog*) { return 0; };  // the congratulation
        QTest::mouseClick(Child<TPicture>(send, "imgUpload"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w->CurrentStage(), int(TfrmMain::stSent), 60000);
        QCOMPARE(below("win"), site);
        for (const QString& f : site) QCOMPARE(server.read("win/" + f), server.read("cli/" + f));

        // Kept as it is: no copy is needed for the link. One connection
        // sends the pictures first, though the linked page is listed
        // before its picture.
        WriteSetting("General", "IndexInSmallLetters", "No");
        const QStringList kept = {"Index.html", "about.html", "graphics/about.png", "graphics/button.gif"};
        const TRun again = Tarvo({"--upload", doc, "--to", to + "kept"}, data.path());
        QCOMPARE(again.status, 0);
        QCOMPARE(again.told, (QStringList{"graphics/button.gif", "graphics/about.png", "about.html", "Index.html"}));
        QCOMPARE(Tarvo({"--export", doc, out.path() + "/kept"}, data.path()).status, 0);
        QCOMPARE(FilesBelow(out.path() + "/kept"), kept);
        w->ShowRedPill(TfrmMain::stSend);
        QCOMPARE(Listed(send), kept);
        QCOMPARE(dialogs_->unexpected, 0);
    }
};

QTEST_MAIN(TestSite)
#include "test_site.moc"
