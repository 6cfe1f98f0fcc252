// What the desktop sees of Tarvo: its document types as the desktop's MIME
// database recognises them (from the shipped MIME file, by extension and by
// the files' first bytes), and the program icon on its windows.
#include "TestSupport.h"
#include "app/Application.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/Resources.h"
#include "main/Startup.h"
#include "app/Utils.h"
#include "docs/PageFile.h"
#include "model/WebBlocks.h"

#include <QDialog>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "TarvoResources.h"

namespace {

// A MIME database holding only the shipped MIME file, made by the desktop's
// own tool; the folder must be named before the first look-up.
QTemporaryDir& MimeHome() {
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void documentTypesByNameAndContent();
    void windowsCarryTheProgramIcon();

private:
    bool mimeReady_ = false;
};

void TestDesktop::initTestCase() {
    InitTarvoResources();
    const QString packages = MimeHome().filePath(QStringLiteral("mime/packages"));
    QVERIFY(QDir().mkpath(packages));
    const QString source = qEnvironmentVariable("TARVO_TEST_SOURCE") + QStringLiteral("/../packaging/tarvo-mime.xml");
    QVERIFY2(QFile::copy(source, packages + QStringLiteral("/tarvo.xml")), qPrintable(source));
    QProcess update;
    update.start(QStringLiteral("update-mime-database"), {MimeHome().filePath(QStringLiteral("mime"))});
    QVERIFY2(update.waitForFinished(60000), "update-mime-database (Debian shared-mime-info) did not run");
    QCOMPARE(update.exitStatus(), QProcess::NormalExit);
    QVERIFY2(update.exitCode() == 0, update.readAllStandardError().constData());
    QVERIFY(QFile::exists(MimeHome().filePath(QStringLiteral("mime/mime.cache"))));
}

void TestDesktop::documentTypesByNameAndContent() {
    TTestEnv env;
    QVERIFY(env.ok());
    TPage page;
    page.InsertChunk(0, NewChunkForKind(bkHeading));
    const QString dir = env.appDir();
    const QString pagePath = JoinPath(dir, QStringLiteral("mine.tve"));
    const QString templatePath = JoinPath(dir, QStringLiteral("start.tvt"));
    QVERIFY(WritePageFile(pagePath, page, QString(), QImage()));
    QVERIFY(WritePageFile(templatePath, page, QString(), QImage()));

    QMimeDatabase db;
    QCOMPARE(db.mimeTypeForFile(pagePath).name(), QStringLiteral("application/x-tarvo-page"));
    QCOMPARE(db.mimeTypeForFile(templatePath).name(), QStringLiteral("application/x-tarvo-template"));
    QVERIFY(db.mimeTypeForName(QStringLiteral("application/x-tarvo-template"))
                .inherits(QStringLiteral("application/x-tarvo-page")));
    QCOMPARE(db.mimeTypeForFile(pagePath).iconName(), QStringLiteral("application-x-tarvo-page"));
    QCOMPARE(db.mimeTypeForFile(templatePath).iconName(), QStringLiteral("application-x-tarvo-template"));

    // Without an extension the first bytes tell.
    const QString bare = JoinPath(dir, QStringLiteral("attachment"));
    QVERIFY(QFile::copy(pagePath, bare));
    QCOMPARE(db.mimeTypeForFile(bare, QMimeDatabase::MatchContent).name(), QStringLiteral("application/x-tarvo-page"));
    QCOMPARE(db.mimeTypeForFile(bare).name(), QStringLiteral("application/x-tarvo-page"));
    // Other files do not pass for a page, nor does a file cut in its header.
    QVERIFY(db.mimeTypeForData(QByteArrayLiteral("<HTML><BODY>Tarvo File1.03</BODY></HTML>")).name() !=
            QStringLiteral("application/x-tarvo-page"));
    QVERIFY(db.mimeTypeForData(QByteArrayLiteral("Tarvo Fil")).name() != QStringLiteral("application/x-tarvo-page"));
}

void TestDesktop::windowsCarryTheProgramIcon() {
    TTestEnv env;
    QVERIFY(env.ok());
    std::unique_ptr<TfrmMain> w(CreateMainWindow());
    const QImage icon(QStringLiteral(":/bitmaps/AppIcon.png"));
    QVERIFY(!icon.isNull());
    auto shows = [&icon](const QIcon& i) {
        return i.pixmap(64).toImage().convertToFormat(icon.format()) == icon;
    };
    QVERIFY(shows(w->windowIcon()));
    // Dialogs opened later carry it without setting it themselves.
    QDialog dialog(w.get());
    QVERIFY(shows(dialog.windowIcon()));
    QWidget loose;
    QVERIFY(shows(loose.windowIcon()));
    // On a double-density screen the icon is the one drawn at twice the size.
    const QImage twin(QStringLiteral(":/bitmaps/AppIcon@2x.png"));
    QImage big = ProgramIcon().pixmap(QSize(64, 64), 2.0).toImage().convertToFormat(twin.format());
    big.setDevicePixelRatio(twin.devicePixelRatio());
    QCOMPARE(big, twin);
}

int main(int argc, char** argv) {
    qputenv("XDG_DATA_DIRS", MimeHome().path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", MimeHome().path().toLocal8Bit());
    TTarvoApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktop.moc"
