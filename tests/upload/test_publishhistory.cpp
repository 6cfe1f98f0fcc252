// The history of what was published: three publishes and a put-back of the
// first against a real local FTP server through the command line, the
// store's size limit, records that are not ours, and Send > History...
#include "FtpTestServer.h"
#include "TarvoCommand.h"
#include "TestSupport.h"
#include "app/SafeWrite.h"
#include "upload/HistoryDialog.h"
#include "upload/PublishHistory.h"
#include "upload/SentRecord.h"
#include "upload/UploadSequence.h"
#include "upload/UploadWindow.h"
#include "app/Translations.h"

#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>

#include "TarvoResources.h"

class TestPublishHistory : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestEnv> env_;
    QString dataHome_;

    QString Html(const QString& name) const { return env_->appDir() + "/HTMLFiles/" + name; }
    TCommandRun Tarvo(const QStringList& args) const { return RunTarvoCommand(*env_, args, dataHome_); }
    static QString Url(const TFtpTestServer& s) {
        return QStringLiteral("ftp://webuser@127.0.0.1:%1/site").arg(s.port());
    }
    // Every file of the server folder with its bytes.
    static QMap<QString, QByteArray> Held(const TFtpTestServer& s) {
        QMap<QString, QByteArray> held;
        for (const QString& name : s.files())
            if (name.startsWith("site/")) held[name] = s.read(name);
        return held;
    }
    static QStringList StoredVersions(const QString& dataHome) {
        QStringList out;
        QDirIterator it(dataHome + "/Brenfold/Tarvo/history/versions", QDir::Files);
        while (it.hasNext()) out << it.next();
        return out;
    }
    static QByteArray Noise(int bytes) {
        QByteArray b(bytes, Qt::Uninitialized);
        for (char& c : b) c = char(QRandomGenerator::global()->generate());
        return b;
    }

private slots:
    void initTestCase() { InitTarvoResources(); }
    void init() {
        env_ = std::make_unique<TTestEnv>();
        QVERIFY(env_->ok());
        dataHome_ = env_->appDir() + "/data-home";
        QDir(PublishHistoryFolder()).removeRecursively();
    }
    void cleanup() { env_.reset(); }

    // Three publishes: the first sends a page with one picture, the second
    // changes the picture and adds one, the third adds another. Someone
    // else puts a file of their own on the server. Putting the first back
    // leaves the server folder byte for byte as after the first publish,
    // the other file untouched, sends only what differs and removes only
    // what later publishes added; the history lists all four, newest first.
    void threePublishesAndAPutBackOfTheFirst() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        const QString url = Url(server);
        QVERIFY(WriteFileBytes(Html("graphics/one.png"), "first picture"));
        QVERIFY(WriteFileBytes(Html("graphics/keep.png"), "never changes"));
        const QString doc = WriteParagraphDocument(*env_, "home", "<IMG SRC=\"graphics/one.png\" ALT=\"one\">"
                                                                  "<IMG SRC=\"graphics/keep.png\" ALT=\"keep\">");
        QVERIFY(!doc.isEmpty());
        TCommandRun run = Tarvo({"--upload", doc, "--to", url});
        QCOMPARE(run.status, 0);
        const QMap<QString, QByteArray> afterFirst = Held(server);
        QVERIFY2(afterFirst.contains("site/graphics/keep.png") && afterFirst.contains("site/graphics/one.png") &&
                     afterFirst.contains("site/home.html"),
                 qPrintable(afterFirst.keys().join(' ')));
        QVERIFY(WriteFileBytes(server.path("site/guest.txt"), "someone else's"));

        QVERIFY(WriteFileBytes(Html("graphics/one.png"), "second picture, longer"));
        QVERIFY(WriteFileBytes(Html("graphics/two.png"), "added second"));
        QVERIFY(!WriteParagraphDocument(*env_, "home", "<IMG SRC=\"graphics/one.png\" ALT=\"one\">"
                                                       "<IMG SRC=\"graphics/keep.png\" ALT=\"keep\">"
                                                       "<IMG SRC=\"graphics/two.png\" ALT=\"two\">").isEmpty());
        QCOMPARE(Tarvo({"--upload", doc, "--to", url}).status, 0);
        QVERIFY(WriteFileBytes(Html("graphics/three.png"), "added third"));
        QVERIFY(!WriteParagraphDocument(*env_, "home", "<IMG SRC=\"graphics/two.png\" ALT=\"two\">"
                                                       "<IMG SRC=\"graphics/three.png\" ALT=\"three\">").isEmpty());
        QCOMPARE(Tarvo({"--upload", doc, "--to", url}).status, 0);
        QVERIFY(Held(server).contains("site/graphics/three.png"));

        run = Tarvo({"--history", "--to", url});
        QCOMPARE(run.status, 0);
        QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith("3  ") && lines[2].startsWith("1  "), qPrintable(run.out));
        QVERIFY2(lines[2].contains("home.html, 4 of 4 files sent"), qPrintable(lines[2]));

        run = Tarvo({"--put-back", "1", "--to", url});
        QCOMPARE(run.status, 0);
        QStringList told = run.out.split('\n', Qt::SkipEmptyParts);
        told.sort();
        // keep.png was never changed: the server already holds it.
        QCOMPARE(told, (QStringList{"graphics/one.png", "home.html", "removed graphics/three.png",
                                    "removed graphics/two.png"}));
        QMap<QString, QByteArray> expected = afterFirst;
        expected["site/guest.txt"] = "someone else's";
        QCOMPARE(Held(server), expected);

        run = Tarvo({"--history", "--to", url});
        lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines[0].startsWith("4  ") && lines[0].contains("put back"), qPrintable(lines[0]));

        // The record of what the server holds follows the put-back: the
        // page of the third publish sends its pictures again.
        run = Tarvo({"--upload", doc, "--to", url});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("graphics/two.png") && run.out.contains("graphics/three.png"), qPrintable(run.out));

        // A publish that is not there, and a number that is not one.
        QCOMPARE(Tarvo({"--put-back", "9", "--to", url}).status, 2);
        QCOMPARE(Tarvo({"--put-back", "x", "--to", url}).status, 1);
    }

    // Past the limit the oldest publishes lose their versions (they stay
    // listed and cannot be put back); the newest always keeps its own; a
    // content sent twice is stored once.
    void theStoreKeepsToItsLimit() {
        SetVersionStoreLimitMB(1);
        TUploadTarget target;
        target.Address = "example.org";
        target.UserName = "me";
        target.Directory = "site";
        const QString file = env_->appDir() + "/big.bin";
        for (int i = 0; i < 4; ++i) {
            QVERIFY(WriteFileBytes(file, Noise(400 * 1024)));
            TPublishHistory history(target);
            TUploadFile f;
            f.Local = file;
            f.Remote = "big.bin";
            f.Role = TFileRole::VisitorPage;
            QVERIFY(history.Note(f, true));
            QVERIFY(history.Note(f, true));  // once by its content
            QVERIFY(history.Record(true));
        }
        const TPublishHistory history(target);
        QCOMPARE(history.Publishes().size(), size_t(4));
        QCOMPARE(history.Publishes()[0].Kept, false);
        QCOMPARE(history.Publishes()[1].Kept, false);
        QCOMPARE(history.Publishes()[2].Kept, true);
        QCOMPARE(history.Publishes()[3].Kept, true);
        qint64 total = 0;
        for (const QFileInfo& info : QDir(VersionStoreFolder()).entryInfoList(QDir::Files)) total += info.size();
        QCOMPARE(total, qint64(2 * 400 * 1024));
        QVERIFY(!PlanPutBack(history, 0).Problem.isEmpty());
        const TPutBackPlan plan = PlanPutBack(history, 2);
        QVERIFY2(plan.Problem.isEmpty(), qPrintable(plan.Problem));
        QCOMPARE(plan.Files.size(), size_t(1));
        QCOMPARE(plan.Files[0].Role, TFileRole::VisitorPage);
        QVERIFY(!plan.Files[0].Unchanged);
        SetVersionStoreLimitMB(200);
    }

    // Versions are written behind the upload: one the disk refuses is
    // still told once the publish is recorded, and that publish cannot be
    // put back; the one after it, with the store mended, is kept.
    void aVersionTheDiskRefusesIsTold() {
        TUploadTarget target;
        target.Address = "example.org";
        target.UserName = "me";
        target.Directory = "site";
        QVERIFY(QDir().mkpath(PublishHistoryFolder()));
        QVERIFY(WriteFileBytes(VersionStoreFolder(), "not a folder"));
        TUploadFile f;
        f.Local = env_->appDir() + "/page.html";
        f.Remote = "page.html";
        f.Role = TFileRole::VisitorPage;
        QVERIFY(WriteFileBytes(f.Local, Noise(1000)));
        {
            TPublishHistory history(target);
            QByteArray hash;
            QVERIFY(history.Note(f, true, nullptr, &hash));
            QCOMPARE(hash, ContentHash(f.Local));
            QVERIFY(history.Record(true));
            QCOMPARE(history.Unkept().size(), 1);
            QVERIFY(!PlanPutBack(history, 0).Problem.isEmpty());
        }
        QVERIFY(QFile::remove(VersionStoreFolder()));
        QVERIFY(WriteFileBytes(f.Local, Noise(1000)));
        TPublishHistory history(target);
        QVERIFY(history.Note(f, true));
        QVERIFY(history.Record(true));
        QVERIFY(history.Unkept().isEmpty());
        QVERIFY2(PlanPutBack(history, 1).Problem.isEmpty(), qPrintable(PlanPutBack(history, 1).Problem));
    }

    // A record is read as a stranger's: a name leaving the server folder or
    // a hash that is not one refuses the record; a kept version whose
    // bytes changed is not sent.
    void aRecordIsReadAsAStrangers() {
        TUploadTarget target;
        target.Address = "example.org";
        target.UserName = "me";
        const QString path = QDir(PublishHistoryFolder()).filePath(SentRecordFileName(SentRecordKey(target)));
        const QString hash = QString(64, 'a');
        auto record = [&](const QString& name, const QString& sha) {
            return QStringLiteral("{\"server\":\"%1\",\"publishes\":[{\"time\":\"2026-01-01T00:00:00Z\","
                                  "\"page\":\"index.html\",\"files\":[{\"name\":\"%2\",\"size\":5,\"sha256\":\"%3\"}]}]}")
                .arg(SentRecordKey(target), name, sha)
                .toUtf8();
        };
        QVERIFY(MakePrivateFolder(VersionStoreFolder()));
        for (const QString& bad : {QString("../../outside"), QString("/etc/passwd"), QString("a//b"), QString("a\\b")}) {
            QVERIFY(WriteFileChecked(path, record(bad, hash)).ok);
            QVERIFY2(TPublishHistory(target).Publishes().empty(), qPrintable(bad));
        }
        QVERIFY(WriteFileChecked(path, record("index.html", "../../../etc/passwd")).ok);
        QVERIFY(TPublishHistory(target).Publishes().empty());

        QVERIFY(WriteFileChecked(path, record("index.html", hash)).ok);
        QVERIFY(WriteFileChecked(StoredVersionPath(hash.toLatin1()), "12345").ok);  // not what hashes to aaa...
        const TPublishHistory read(target);
        QCOMPARE(read.Publishes().size(), size_t(1));
        QVERIFY(PlanPutBack(read, 0).Problem.contains("missing or damaged"));
    }

    // Send > History... lists the publishes newest first; the newest cannot
    // be put back onto itself; Put Back on the first runs the upload window
    // and leaves the server folder as after the first publish. With
    // TARVO_SHOTS set, the dialog is drawn there in English and
    // German.
    void theHistoryDialogPutsBackTheChosenPublish() {
        auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
        TFtpTestServer server;
        QVERIFY(server.ok());
        // The commands share the history with this process: the program's
        // names make its data folder.
        const QString app = QCoreApplication::applicationName(), org = QCoreApplication::organizationName();
        QCoreApplication::setOrganizationName("Brenfold");
        QCoreApplication::setApplicationName("Tarvo");
        const auto restore = qScopeGuard([&] {
            QCoreApplication::setOrganizationName(org);
            QCoreApplication::setApplicationName(app);
        });
        const QString history = PublishHistoryFolder();
        QVERIFY2(history.endsWith("/Brenfold/Tarvo/history"), qPrintable(history));
        dataHome_ = history.chopped(QString("/Brenfold/Tarvo/history").size());
        QVERIFY(WriteFileBytes(Html("graphics/one.png"), "first picture"));
        const QString doc = WriteParagraphDocument(*env_, "home", "<IMG SRC=\"graphics/one.png\" ALT=\"one\">");
        QCOMPARE(Tarvo({"--upload", doc, "--to", Url(server)}).status, 0);
        const QMap<QString, QByteArray> afterFirst = Held(server);
        QVERIFY(WriteFileBytes(Html("graphics/one.png"), "second picture"));
        QVERIFY(WriteFileBytes(Html("graphics/two.png"), "added"));
        QVERIFY(!WriteParagraphDocument(*env_, "home", "<IMG SRC=\"graphics/one.png\" ALT=\"one\">"
                                                       "<IMG SRC=\"graphics/two.png\" ALT=\"two\">").isEmpty());
        QCOMPARE(Tarvo({"--upload", doc, "--to", Url(server)}).status, 0);

        tWWWServerType entry;
        entry.Name = "Local";
        entry.Address = QStringLiteral("127.0.0.1:%1").arg(server.port());
        entry.Directory = "site";
        entry.UserName = TFtpTestServer::kUser;
        entry.Password = TFtpTestServer::kPassword;
        THistoryDialog dialog(entry);
        auto* list = Child<QListWidget>(&dialog, "lstPublishes");
        auto* putBack = Child<QPushButton>(&dialog, "btnPutBack");
        auto* note = Child<QLabel>(&dialog, "lblNote");
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(0)->text().startsWith("2  "));
        QVERIFY(!putBack->isEnabled());
        QCOMPARE(note->text(), QString("This is what the server holds now."));
        list->setCurrentRow(1);
        QVERIFY(putBack->isEnabled());
        QVERIFY2(note->text().contains("removes the files added since (1)"), qPrintable(note->text()));

        const QString shots = qEnvironmentVariable("TARVO_SHOTS");
        if (!shots.isEmpty()) {
            dialog.resize(dialog.sizeHint());
            dialog.grab().save(shots + "/history-en.png");
            qputenv("LANGUAGE", "de");
            qputenv("LC_ALL", "de_DE.UTF-8");
            InstallTranslations(*QCoreApplication::instance());
            THistoryDialog german(entry);
            Child<QListWidget>(&german, "lstPublishes")->setCurrentRow(1);
            german.resize(german.sizeHint());
            german.grab().save(shots + "/history-de.png");
            qputenv("LANGUAGE", "en");
            qputenv("LC_ALL", "C.UTF-8");
            InstallTranslations(*QCoreApplication::instance());
        }

        dialogs->runs << [](QDialog* d) {
            auto* up = qobject_cast<TfrmUpload*>(d);
            return up ? up->exec() : -1;
        };
        QTest::mouseClick(putBack, Qt::LeftButton);
        QCOMPARE(dialogs->unexpected, 0);
        QCOMPARE(Held(server), afterFirst);
        QCOMPARE(list->count(), 3);
        QVERIFY(list->item(0)->text().contains("put back"));
    }
};

QTEST_MAIN(TestPublishHistory)
#include "test_publishhistory.moc"
