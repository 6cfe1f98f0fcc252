// The launcher, External Preview, the redirect page and the "joy" of the
// preview. The browser is never started: a recording script stands in for
// the desktop's opener (xdg-open) on PATH.

#include "LauncherSeam.h"
#include "ScopedVariable.h"
#include "TestSupport.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/Settings.h"
#include "main/Startup.h"
#include "app/Utils.h"
#include "html/PageGenerator.h"
#include "preview/ViewStage.h"
#include "model/WebBlocks.h"
#include "preview/BrowserPreview.h"
#include "preview/ExecFile.h"
#include "styles/StyleList.h"
#include "viewer/HtmlViewer.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <memory>

#include "TarvoResources.h"

namespace {

void ClickStyle(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

}  // namespace

class TestBrowserPreview : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void launcherStartsProgramsAndDocuments();
    void launcherWaitsBothWays();
    void launcherFailureFiresOnFail();

    void externalPreviewInBuildUsesGeneratedPageWithoutStyle();
    void externalPreviewInViewWritesEditorTextToPageFile();
    void failingBrowserShowsTheMessage();
    void redirectPageCarriesOnlyAnEncodedWebAddress();
    void plantedPagesAreNeverRun();
    void rightReleaseOverPreviewSaysJoy();

private:
    std::unique_ptr<TTestEnv> env_;
    std::unique_ptr<TLauncherSeam> seam_;
    TScriptedDialogs* dialogs_ = nullptr;
    TfrmMain* w_ = nullptr;
};

void TestBrowserPreview::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    seam_ = std::make_unique<TLauncherSeam>();
    dialogs_ = static_cast<TScriptedDialogs*>(&Dialogs());
}

void TestBrowserPreview::cleanup() {
    delete w_;
    w_ = nullptr;
    seam_.reset();
    env_.reset();
}

void TestBrowserPreview::launcherStartsProgramsAndDocuments() {
    const QString rec = seam_->AddRecorder("rec");
    seam_->AddRecorder("xdg-open");
    TExecFile exec;
    QCOMPARE(exec.Associate, false);
    QCOMPARE(exec.Wait, false);
    QCOMPARE(exec.Priority, TExecFile::pcNormal);
    QCOMPARE(exec.WaitStyle, TExecFile::wRegular);
    QCOMPARE(exec.WindowStyle, TExecFile::wsNorm);

    // A program by its path; double quotes hold a parameter together.
    exec.CommandLine = rec;
    exec.Parameters = "one \"two words\"";
    QVERIFY(exec.Execute());
    QVERIFY(exec.ProcessId > 0);
    QCOMPARE(seam_->Arguments(1), QStringList({"one", "two words"}));

    // A command whose first word is a program on PATH, at idle priority.
    exec.CommandLine = "rec first";
    exec.Parameters = "second";
    exec.Priority = TExecFile::pcIdle;
    QVERIFY(exec.Execute());
    QCOMPARE(seam_->Arguments(2), QStringList({"one", "two words", "first", "second"}));

    // A document is no program: with Associate it goes, whole, to the
    // desktop's opener, spaces in its path and all.
    QTemporaryDir docs;
    const QString page = docs.filePath("My Page.html");
    QFile(page).open(QIODevice::WriteOnly);
    exec.CommandLine = page;
    exec.Parameters.clear();
    exec.Associate = true;
    QVERIFY(exec.Execute());
    QCOMPARE(seam_->Arguments(3).mid(4), QStringList({page}));
    QCOMPARE(exec.AssociatedProgram, JoinPath(seam_->Folder(), "xdg-open"));
    QCOMPARE(exec.LastError, 0);
}

void TestBrowserPreview::launcherWaitsBothWays() {
    const QString slow = seam_->AddRecorder("slow", "0.3");
    TExecFile exec;
    exec.CommandLine = slow;
    exec.Wait = true;
    exec.WaitStyle = TExecFile::wSuspend;
    QVERIFY(exec.Execute());
    QCOMPARE(seam_->Starts(), 1);  // finished before Execute returned

    // Waiting the regular way goes on handling events meanwhile.
    exec.WaitStyle = TExecFile::wRegular;
    bool ticked = false;
    QTimer::singleShot(50, [&ticked] { ticked = true; });
    QVERIFY(exec.Execute());
    QCOMPARE(seam_->Starts(), 2);
    QVERIFY(ticked);
}

void TestBrowserPreview::launcherFailureFiresOnFail() {
    TExecFile exec;
    int fails = 0;
    exec.OnFail = [&fails, &exec](TExecFile& sender) {
        QCOMPARE(&sender, &exec);
        ++fails;
    };
    QTemporaryDir docs;
    const QString page = docs.filePath("page.html");
    QFile(page).open(QIODevice::WriteOnly);

    // A document that is not a program, without Associate.
    exec.CommandLine = page;
    QVERIFY(!exec.Execute());
    QCOMPARE(exec.LastError, EACCES);
    QCOMPARE(fails, 1);
    // With Associate, but no opener to be found.
    seam_->Isolate();
    exec.Associate = true;
    QVERIFY(!exec.Execute());
    QCOMPARE(exec.LastError, ENOENT);
    QCOMPARE(fails, 2);
    // Nothing at all, and a folder, are not started either.
    exec.CommandLine = docs.path();
    QVERIFY(!exec.Execute());
    exec.CommandLine.clear();
    QVERIFY(!exec.Execute());
    QCOMPARE(fails, 4);
    QCOMPARE(exec.ProcessId, 0);
}

void TestBrowserPreview::externalPreviewInBuildUsesGeneratedPageWithoutStyle() {
    seam_->AddRecorder("xdg-open");
    w_ = CreateMainWindow();
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
    QVERIFY(w_->Browser()->ExecFile && w_->Browser()->ExecFile->Associate && !w_->Browser()->ExecFile->Wait);
    QVERIFY(!w_->findChild<QAction*>(QStringLiteral("ExternalPreview1"))->isEnabled());  // stage 0

    auto heading = NewChunkForKind(bkHeading);
    heading->Heading->HeadText = "Hello there";
    w_->Page().InsertChunk(0, std::move(heading));
    w_->ShowRedPill(TfrmMain::stBuild);
    QVERIFY(w_->findChild<QAction*>(QStringLiteral("ExternalPreview1"))->isEnabled());
    // A style chosen earlier stays out of what the build stage shows.
    ClickStyle(w_->View()->lstStyles, 1);
    w_->findChild<QAction*>(QStringLiteral("ExternalPreview1"))->trigger();

    const QString preview = TBrowserPreview::PreviewFile();
    const QString generated = BuildPageHTML(w_->Page(), w_->View()->chkLogo->isChecked());
    QVERIFY(generated.contains("Hello there"));
    QCOMPARE(ReadBytes(preview), ToAnsi(generated));
    QCOMPARE(seam_->Arguments(), QStringList({preview}));
    QVERIFY(dialogs_->shown.isEmpty());  // no hand-edit warning, no failure
    // The preview's text stays out of the page: a block edit, then the Send
    // stage writes the page as it now is, with its style.
    QVERIFY(w_->View()->HTMLText().isEmpty());
    w_->Page().Chunk(0)->Heading->HeadText = "Edited after the preview";
    w_->Page().PageChanged = true;
    w_->Hooks().SaveDocument.replace([this] { return w_->Session().WritePageHTML(w_->Session().PageHTMLPath()).done(); });
    w_->ShowRedPill(TfrmMain::stSend);
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stSend));
    const QByteArray sent = ReadBytes(w_->Session().PageHTMLPath());
    QVERIFY(sent.contains("Edited after the preview"));
    QVERIFY(!sent.contains("Hello there"));
    QVERIFY(sent.contains("<BODY "));
}

void TestBrowserPreview::externalPreviewInViewWritesEditorTextToPageFile() {
    seam_->AddRecorder("xdg-open");
    w_ = CreateMainWindow();
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
    auto heading = NewChunkForKind(bkHeading);
    heading->Heading->HeadText = "Words";
    w_->Page().InsertChunk(0, std::move(heading));
    w_->ShowRedPill(TfrmMain::stBuild);
    w_->ShowRedPill(TfrmMain::stView);
    ClickStyle(w_->View()->lstStyles, 1);
    QVERIFY(w_->View()->HTMLText().contains("<BODY "));  // the style went into the BODY tag

    // Untitled: the preview file.
    w_->findChild<QAction*>(QStringLiteral("ExternalPreview1"))->trigger();
    QCOMPARE(seam_->Arguments(1), QStringList({TBrowserPreview::PreviewFile()}));

    // Named, with a hand edit: the editor's text, exactly, in the page's
    // own file, which goes to the browser.
    w_->Page().DocFileName = JoinPath(env_->appDir(), "save/My Page.tvx");
    QString text = w_->View()->HTMLText();
    text.replace("</BODY>", "<P>By hand</P>\r\n</BODY>");
    w_->View()->SetHTMLText(text);
    w_->findChild<QAction*>(QStringLiteral("ExternalPreview1"))->trigger();
    const QString pageFile = JoinPath(env_->appDir(), "HTMLFiles/My Page.html");
    QCOMPARE(w_->View()->PageHTMLPath(), pageFile);
    QCOMPARE(ReadBytes(pageFile), ToAnsi(text));
    QCOMPARE(seam_->Arguments(2).mid(1), QStringList({pageFile}));
    QCOMPARE(w_->View()->HTMLText(), text);
}

void TestBrowserPreview::failingBrowserShowsTheMessage() {
    seam_->Isolate();
    w_ = CreateMainWindow();
    w_->ShowRedPill(TfrmMain::stBuild);
    w_->findChild<QAction*>(QStringLiteral("ExternalPreview1"))->trigger();
    // What is missing, and where the page is, to open it by hand.
    QCOMPARE(dialogs_->texts().size(), 1);
    const QString text = dialogs_->lastText();
    QVERIFY(text.startsWith("There has been an error previewing this site with your Web Browser.\n\n"));
    QVERIFY(text.contains("No program that opens web pages was found"));
    QVERIFY(text.endsWith("it is here:\n" + QDir::toNativeSeparators(TBrowserPreview::PreviewFile())));
    // The page was written all the same.
    QVERIFY(QFile::exists(TBrowserPreview::PreviewFile()));

    // An opener that starts but finds no browser (xdg-open's status 3) is
    // told as well, once it has ended; a quiet one that ends well is not.
    const QString opener = seam_->Folder() + "/xdg-open";
    QFile script(opener);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 3\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    w_->findChild<QAction*>(QStringLiteral("ExternalPreview1"))->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(dialogs_->texts().size(), 2, 10000);
    QVERIFY(dialogs_->lastText().contains("(" + opener + ") found no browser to start"));
    QVERIFY(dialogs_->lastText().contains("status 3"));
    QVERIFY(dialogs_->lastText().endsWith("it is here:\n" + QDir::toNativeSeparators(TBrowserPreview::PreviewFile())));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 0\n");
    script.close();
    w_->findChild<QAction*>(QStringLiteral("ExternalPreview1"))->trigger();
    QCOMPARE(w_->Browser()->ExecFile->AwaitedOpeners(), 1);
    QTRY_COMPARE(w_->Browser()->ExecFile->AwaitedOpeners(), 0);
    QCOMPARE(dialogs_->texts().size(), 2);
}

void TestBrowserPreview::redirectPageCarriesOnlyAnEncodedWebAddress() {
    seam_->AddRecorder("xdg-open");
    w_ = CreateMainWindow();
    QFile::remove(PreviewFileName());
    const QString address = "http://www.example.com/~jo/my page.html?a=\"b\"&c='d'";
    w_->Browser()->OpenURLInBrowser(address);
    QCOMPARE(ReadBytes(PreviewFileName()),
             QByteArray("<html>\r\n"
                        "<head><meta http-equiv=\"refresh\" content=\"0; URL="
                        "http://www.example.com/~jo/my%20page.html?a=%22b%22&amp;c='d'\">\r\n"
                        "<title>Preview</title>\r\n"
                        "</head>\r\n"
                        "<BODY>\r\n"
                        "</body>\r\n"
                        "</html>\r\n"
                        "\r\n"));
    QCOMPARE(seam_->Arguments(), QStringList({PreviewFileName()}));
    QVERIFY(PreviewFileName().endsWith("/~tvxpreview.html"));
    // A shorter address replaces the whole file.
    w_->Browser()->OpenURLInBrowser("x");
    QVERIFY(ReadBytes(PreviewFileName()).contains("URL=http://x\">\r\n<title>"));
    QVERIFY(!ReadBytes(PreviewFileName()).contains("example"));
    QCOMPARE(seam_->Arguments(2), QStringList({PreviewFileName(), PreviewFileName()}));
    QVERIFY(dialogs_->shown.isEmpty());
    // An address that tries to end the attribute, or that is no web address,
    // never reaches the page as it came.
    w_->Browser()->OpenURLInBrowser("http://x.example/\"><script>alert(1)</script>");
    QVERIFY(!ReadBytes(PreviewFileName()).contains("<script>"));
    w_->Browser()->OpenURLInBrowser("javascript:alert(1)");
    QVERIFY(ReadBytes(PreviewFileName()).contains("URL=about:blank\""));
}

void TestBrowserPreview::plantedPagesAreNeverRun() {
    // Another user's program under the redirect page's name in the shared
    // temporary folder, and a page that is itself executable.
    QTemporaryDir shared;
    const TScopedVariable tmp("TMPDIR", shared.path().toLocal8Bit());
    const QString ran = shared.filePath("ran");
    auto plant = [&](const QString& path) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho ran >> '" + ran.toLocal8Bit() + "'\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
    };
    const QString planted = JoinPath(GetTempFolder(), "~tvxpreview.html");
    plant(planted);
    seam_->AddRecorder("xdg-open");
    w_ = CreateMainWindow();
    w_->Browser()->OpenURLInBrowser("http://example.com/");
    // The page went to the opener from a folder only this user can enter.
    const QString page = PreviewFileName();
    QVERIFY(!page.startsWith(shared.path()));
    QVERIFY(!(QFileInfo(QFileInfo(page).path()).permissions() & (QFile::WriteGroup | QFile::WriteOther)));
    QCOMPARE(seam_->Arguments(), QStringList({page}));
    QVERIFY(ReadBytes(page).contains("URL=http://example.com/"));
    QVERIFY(ReadBytes(planted).startsWith("#!/bin/sh"));

    TExecFile exec;
    exec.CommandLine = planted;
    QVERIFY(!exec.Execute());  // without Associate a page starts nothing
    exec.Associate = true;
    QVERIFY(exec.Execute());
    QCOMPARE(seam_->Arguments(2), QStringList({page, planted}));
    QVERIFY(!QFile::exists(ran));
    QVERIFY(dialogs_->shown.isEmpty());
}

void TestBrowserPreview::rightReleaseOverPreviewSaysJoy() {
    w_ = CreateMainWindow();
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
    w_->ShowRedPill(TfrmMain::stBuild);
    w_->ShowRedPill(TfrmMain::stView);
    THTMLViewer* viewer = w_->View()->ctlHTML;
    QTest::mouseClick(viewer, Qt::LeftButton, {}, QPoint(40, 40));
    QVERIFY(dialogs_->shown.isEmpty());
    QTest::mouseClick(viewer, Qt::RightButton, {}, QPoint(40, 40));
    QCOMPARE(dialogs_->texts(), QStringList({"joy"}));
}

QTEST_MAIN(TestBrowserPreview)
#include "test_browserpreview.moc"
