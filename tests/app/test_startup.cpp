// How the program starts: its command line, and what an install brings into
// the user's folder when it is new and when it is upgraded, and that sound
// and video are loaded only when they are asked for.
#include "TestSupport.h"
#include "app/AppPaths.h"
#include "app/CommandLine.h"
#include "app/MediaModule.h"
#include "app/Utils.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace {


QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void commandLine();
    void upgradeKeepsTheUsersChanges();
    void folderOfAnOlderInstall();
    void soundAndVideoLoadOnFirstUse();
};

void TestStartup::commandLine() {
    auto parse = [](const QStringList& args) { return ParseCommandLine(args); };
    QCOMPARE(parse({}).action, TCommandLine::OpenWindow);
    QCOMPARE(parse({"my page.tve"}).document, QString("my page.tve"));
    // A document whose name starts with a dash follows "--".
    QCOMPARE(parse({"--", "-odd.tve"}).document, QString("-odd.tve"));
    QCOMPARE(parse({"--", "--help"}).action, TCommandLine::OpenWindow);
    QCOMPARE(parse({"page.tve", "--help"}).action, TCommandLine::ShowHelp);
    QCOMPARE(parse({"--upload", "x.tve", "-h"}).action, TCommandLine::ShowHelp);
    QCOMPARE(parse({"--version"}).action, TCommandLine::ShowVersion);
    // The commands check their own arguments, as they always did.
    QCOMPARE(parse({"--text", "a.html", "--bogus"}).action, TCommandLine::RunCommand);
    for (const QStringList& wrong : {QStringList{"--bogus"}, QStringList{"a.tve", "b.tve"}, QStringList{"a.tve", "--html"},
                                     QStringList{"--no-logo", "a.tve"}, QStringList{"--width", "40"}}) {
        const TCommandLine line = parse(wrong);
        QVERIFY2(line.action == TCommandLine::Wrong && !line.error.isEmpty(), qPrintable(wrong.join(' ')));
    }
    const QString help = CommandLineHelp();
    for (const char* word : {"Usage: tarvo", "--html <DOCUMENT>", "--upload <DOCUMENT>", "--trust", "--version", "Exit status"})
        QVERIFY2(help.contains(QLatin1String(word)), word);
}

void TestStartup::upgradeKeepsTheUsersChanges() {
    QTemporaryDir root;
    const QString shipped = root.filePath("share/tarvo"), user = root.filePath("user");
    const QString picture = "HTMLFiles/graphics/bullet.gif";
    QVERIFY(WriteFileBytes(JoinPath(shipped, "Styles.data"), "styles 1"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, picture), "bullet 1"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, "template/Home.tvt"), "template 1"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, "Help/index.html"), "help 1"));
    UpdateUserData(shipped, user);
    QCOMPARE(Read(JoinPath(user, "Styles.data")), QByteArray("styles 1"));
    QCOMPARE(Read(JoinPath(user, picture)), QByteArray("bullet 1"));
    // Help and templates stay in the install; the user's folders exist.
    QVERIFY(!QFile::exists(JoinPath(user, "Help")));
    QVERIFY(QDir(JoinPath(user, "template")).isEmpty());
    QVERIFY(QFileInfo(JoinPath(user, "save")).isDir());

    // Version 2 changes the picture and the styles; the user changed the
    // styles too and saved a page.
    QVERIFY(WriteFileBytes(JoinPath(user, "Styles.data"), "my styles"));
    QVERIFY(WriteFileBytes(JoinPath(user, "save/mine.tve"), "my page"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, "Styles.data"), "styles 2"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, picture), "bullet 2"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, "HTMLFiles/backgrnd/new.gif"), "new 2"));
    UpdateUserData(shipped, user);
    QCOMPARE(Read(JoinPath(user, "Styles.data")), QByteArray("my styles"));
    QCOMPARE(Read(JoinPath(user, picture)), QByteArray("bullet 2"));
    QCOMPARE(Read(JoinPath(user, "HTMLFiles/backgrnd/new.gif")), QByteArray("new 2"));
    QCOMPARE(Read(JoinPath(user, "save/mine.tve")), QByteArray("my page"));

    // Version 3: the picture the user has now changed stays too.
    QVERIFY(WriteFileBytes(JoinPath(user, picture), "my bullet"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, picture), "bullet 3"));
    UpdateUserData(shipped, user);
    QCOMPARE(Read(JoinPath(user, picture)), QByteArray("my bullet"));
}

void TestStartup::folderOfAnOlderInstall() {
    // Older installs copied everything into the user's folder and kept no
    // record of what they copied.
    QTemporaryDir root;
    const QString shipped = root.filePath("share/tarvo"), user = root.filePath("user");
    const QString picture = "HTMLFiles/graphics/bullet.gif";
    QVERIFY(WriteFileBytes(JoinPath(shipped, "template/Home.tvt"), "home"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, "template/Club.tvt"), "club 2"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, "Styles.data"), "styles 2"));
    QVERIFY(WriteFileBytes(JoinPath(shipped, picture), "bullet 1"));
    QVERIFY(WriteFileBytes(JoinPath(user, "template/Home.tvt"), "home"));
    QVERIFY(WriteFileBytes(JoinPath(user, "template/Club.tvt"), "club as changed"));
    QVERIFY(WriteFileBytes(JoinPath(user, "template/Mine.tvt"), "the user's own"));
    QVERIFY(WriteFileBytes(JoinPath(user, "Styles.data"), "styles 1 or the user's"));
    QVERIFY(WriteFileBytes(JoinPath(user, picture), "bullet 1"));
    UpdateUserData(shipped, user);
    // The plain copy goes, so that the shipped template shows; what may be
    // the user's work stays.
    QVERIFY(!QFile::exists(JoinPath(user, "template/Home.tvt")));
    QCOMPARE(Read(JoinPath(user, "template/Club.tvt")), QByteArray("club as changed"));
    QCOMPARE(Read(JoinPath(user, "template/Mine.tvt")), QByteArray("the user's own"));
    QCOMPARE(Read(JoinPath(user, "Styles.data")), QByteArray("styles 1 or the user's"));
    // The copy that matched is recorded now: the next version replaces it.
    QVERIFY(WriteFileBytes(JoinPath(shipped, picture), "bullet 2"));
    UpdateUserData(shipped, user);
    QCOMPARE(Read(JoinPath(user, picture)), QByteArray("bullet 2"));
}

namespace {
bool MultimediaLoaded() { return Read(QStringLiteral("/proc/self/maps")).contains("libQt6Multimedia"); }
}  // namespace

void TestStartup::soundAndVideoLoadOnFirstUse() {
    // Neither the core the program is made of nor the program library of
    // a window-free command loads Qt Multimedia; the module does, from
    // beside the program library, when asked for.
    QVERIFY(!MultimediaLoaded());
    const QString bin = qEnvironmentVariable("TARVO_BIN_DIR");
    QProcess version;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_DEBUG", "files");
    version.setProcessEnvironment(env);
    version.start(bin + "/tarvo", {"--version"});
    QVERIFY(version.waitForFinished(30000));
    QCOMPARE(version.exitCode(), 0);
    const QByteArray loaded = version.readAllStandardError();
    QVERIFY(loaded.contains("libtarvo-program"));
    QVERIFY(!loaded.contains("libQt6Multimedia"));

    QTemporaryDir empty;
    QCOMPARE(LoadMediaModule(empty.path()), nullptr);
    QVERIFY(!MultimediaLoaded());
    TMediaModule* media = LoadMediaModule(bin);
    QVERIFY(media != nullptr);
    QVERIFY(MultimediaLoaded());
    // A file that is no video ends the animation at once, whether or not
    // the system can decode videos at all.
    QTemporaryDir dir;
    QVERIFY(WriteFileBytes(dir.filePath("splash.avi"), QByteArray(5000, 'x')));
    QWidget splash;
    QVERIFY(!media->PlayVideo(&splash, QRect(0, 0, 20, 20), dir.filePath("splash.avi")));
    QVERIFY(!splash.findChild<QWidget*>("memAVI"));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
