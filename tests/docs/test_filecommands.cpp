#include "app/HelpSystem.h"
#include "TestSupport.h"
#include "TarvoResources.h"
#include "app/Application.h"
#include "app/HelpCalls.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/Settings.h"
#include "main/Startup.h"
#include "app/Utils.h"
#include "docs/FileCommands.h"
#include "docs/PageFile.h"
#include "docs/SaveInfo.h"
#include "preview/ViewStage.h"
#include "model/BuildCanvas.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <memory>

namespace {

// Presses OK on the save hint, ticking "Don't show this screen again." when asked.
std::function<int(QDialog*)> OkOnHint(bool dontShowAgain = false) {
    return [dontShowAgain](QDialog* d) {
        auto* hint = qobject_cast<TfrmSaveInfo*>(d);
        if (!hint) return int(QDialog::Rejected);
        hint->chkShow->setChecked(dontShowAgain);
        hint->btnJoy->click();
        return d->result();
    };
}

}  // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void unchangedPageAsksNothing();
    void noDiscardsCancelAborts();
    void saveShowsHintThenDialog();
    void saveOnTitledPage();
    void templatesStayUntitled();
    void sendStageDemandsSave();
    void makeTemplateNamesTheCaption();
    void failedSaveKeepsNameAndChange();
    void cancelledOrFailedSaveKeepsThePage();
    void damagedFileStaysUntitled();
    void openDialogPreviewsTheSnapshot();
    void roundTripThroughTheWindow();
    void commandLineDocumentAtStart();
    void commandLineExitStatuses();

private:
    QString writeDocument(const QString& name, const QString& heading, const QString& style = "[None]");
    void addHeading(const QString& text);
    std::unique_ptr<TTestEnv> env_;
    TScriptedDialogs* d_ = nullptr;
    TfrmMain* w_ = nullptr;
    TFileCommands* f_ = nullptr;
};

void TestFileCommands::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    d_ = static_cast<TScriptedDialogs*>(&Dialogs());
    TTarvoReg reg;
    reg.OpenSection(QString(), true);
    w_ = CreateMainWindow();
    f_ = w_->Files();
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
}

void TestFileCommands::cleanup() {
    w_->Hooks().AskForSave = nullptr;  // no question while the window goes
    delete w_;
    w_ = nullptr;
    env_.reset();
}

QString TestFileCommands::writeDocument(const QString& name, const QString& heading, const QString& style) {
    TPage page;
    auto c = NewChunkForKind(bkHeading);
    c->Heading->HeadText = heading;
    page.InsertChunk(0, std::move(c));
    page.InsertChunk(1, NewChunkForKind(bkLine));
    page.PageTitle = heading + " title";
    const QString path = JoinPath(env_->appDir(), name);
    if (!WritePageFile(path, page, style, QImage())) return QString();
    return path;
}

namespace {
QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

void TestFileCommands::addHeading(const QString& text) {
    auto c = NewChunkForKind(bkHeading);
    c->Heading->HeadText = text;
    const int i = w_->Page().InsertChunk(w_->Page().Count(), std::move(c));
    w_->Hooks().LoadChunk(i);
    w_->Page().PageChanged = true;
}

void TestFileCommands::unchangedPageAsksNothing() {
    const QString doc = writeDocument("save/a.tve", "A");
    f_->mnuFileNewClick();
    QCOMPARE(w_->CurrentStage(), 1);
    d_->fileNames << doc;
    f_->menFileOpenClick();
    QCOMPARE(w_->Page().DocFileName, doc);
    QVERIFY(!w_->Page().PageChanged);
    QCOMPARE(w_->Page().Count(), 2);
    QCOMPARE(w_->windowTitle(), QString("Tarvo - a.tve"));
    QVERIFY(w_->close());
    // Only the open dialog was shown.
    QCOMPARE(d_->shown.size(), 1);
    QCOMPARE(d_->shown[0].kind, QString("open"));
    QCOMPARE(d_->fileRequests[0].filters, QString("Tarvo Files (*.tve);;Tarvo Template (*.tvt)"));
    QCOMPARE(d_->fileRequests[0].folder, JoinPath(env_->appDir(), "save"));
}

void TestFileCommands::noDiscardsCancelAborts() {
    addHeading("mine");
    d_->answers << QMessageBox::Cancel;
    f_->mnuFileNewClick();
    QCOMPARE(w_->Page().Count(), 1);
    QVERIFY(w_->Page().PageChanged);
    QCOMPARE(d_->lastText(), QString("Do you want to save the changes to your Tarvo File?"));
    d_->answers << QMessageBox::Cancel;
    QVERIFY(!w_->close());
    QVERIFY(w_->isVisible());
    d_->answers << QMessageBox::No;
    f_->mnuFileNewClick();
    QCOMPARE(w_->Page().Count(), 0);
    QVERIFY(!w_->Page().PageChanged);
    QCOMPARE(w_->windowTitle(), QString("Tarvo - Untitled"));
    QCOMPARE(d_->unexpected, 0);
}

void TestFileCommands::saveShowsHintThenDialog() {
    addHeading("mine");
    const QString path = JoinPath(env_->appDir(), "save/mine.tve");
    // The tutorial link opens its topic.
    const int helpCalls = w_->Help()->RequestCount();
    d_->runs << [](QDialog* d) {
        if (auto* hint = qobject_cast<TfrmSaveInfo*>(d)) QTest::mouseClick(hint->lblLink, Qt::LeftButton);
        return OkOnHint(true)(d);
    };
    d_->fileNames << path;
    f_->menFileSaveClick();
    QCOMPARE(w_->Help()->RequestCount(), helpCalls + 1);
    QCOMPARE(w_->Help()->LastRequest().call, THelpCall::Context);
    QCOMPARE(w_->Help()->LastRequest().context, 102);
    QCOMPARE(d_->shown[0].kind, QString("run"));
    QCOMPARE(d_->shown[0].caption, QString("File Save Information"));
    QCOMPARE(d_->shown[1].kind, QString("save"));
    QCOMPARE(d_->fileRequests[0].filters, QString("Tarvo Files (*.tve)"));
    QCOMPARE(d_->fileRequests[0].defaultSuffix, QString("tve"));
    QVERIFY(QFile::exists(path));
    QVERIFY(QFile::exists(path + ".bmp"));
    QCOMPARE(w_->Page().DocFileName, path);
    QVERIFY(!w_->Page().PageChanged);
    QCOMPARE(ReadSettingBool("General", "SaveInfo", true), false);
    // Switched off: the next first save goes straight to the dialog.
    d_->shown.clear();
    f_->mnuFileNewClick();
    addHeading("second");
    d_->fileNames << JoinPath(env_->appDir(), "save/second.tve");
    f_->menFileSaveClick();
    QCOMPARE(d_->shown.size(), 1);
    QCOMPARE(d_->shown[0].kind, QString("save"));
    QCOMPARE(d_->unexpected, 0);
}

void TestFileCommands::saveOnTitledPage() {
    const QString doc = writeDocument("save/t.tve", "T");
    f_->OpenDocument(doc);
    addHeading("more");
    f_->menFileSaveClick();  // the file exists: written silently
    QVERIFY(d_->shown.isEmpty());
    TPage back;
    QCOMPARE(ReadPageFile(doc, back).Result, TPageReadResult::Ok);
    QCOMPARE(back.Count(), 3);
    // Its file deleted meanwhile: like the first save, in the document's folder.
    QFile::remove(doc);
    addHeading("again");
    d_->runs << OkOnHint();
    d_->fileNames << QString();  // cancelled
    f_->menFileSaveClick();
    QCOMPARE(d_->shown.size(), 2);
    QCOMPARE(d_->fileRequests[0].folder, JoinPath(env_->appDir(), "save"));
    QVERIFY(d_->fileRequests[0].fileName.isEmpty());
    QVERIFY(w_->Page().PageChanged);
}

void TestFileCommands::templatesStayUntitled() {
    const QString tpl = writeDocument("template/club.tvt", "Club", "[None]");
    f_->DoTemplate(tpl, false);
    QCOMPARE(w_->CurrentStage(), 1);
    QVERIFY(w_->Page().DocFileName.isEmpty());
    QCOMPARE(w_->Page().Count(), 2);
    QCOMPARE(w_->windowTitle(), QString("Tarvo - Untitled"));
    // The second filter opens even a document as a template.
    const QString doc = writeDocument("save/d.tve", "D");
    d_->fileNames << doc;
    d_->filterIndexes << 1;
    f_->menFileOpenClick();
    QVERIFY(w_->Page().DocFileName.isEmpty());
    QCOMPARE(w_->Page().PageTitle, QString("D title"));
    // Saving asks for a name in the save folder.
    addHeading("x");
    d_->runs << OkOnHint();
    d_->fileNames << QString();
    f_->menFileSaveAsClick();
    QCOMPARE(d_->fileRequests.last().folder, JoinPath(env_->appDir(), "save"));
    QCOMPARE(d_->unexpected, 0);
}

void TestFileCommands::sendStageDemandsSave() {
    addHeading("mine");
    w_->ShowRedPill(1);
    d_->runs << OkOnHint();
    d_->fileNames << QString();
    w_->ShowRedPill(3);
    QCOMPARE(w_->CurrentStage(), 1);
    QCOMPARE(d_->shown[0].text, QString("Before uploading this file, you will need to save the Tarvo File."));
    // Saved now: the Send stage is entered and the page's HTML file written.
    d_->runs << OkOnHint();
    const QString path = JoinPath(env_->appDir(), "save/index.tve");
    d_->fileNames << path;
    w_->ShowRedPill(3);
    QCOMPARE(w_->CurrentStage(), 3);
    QVERIFY(QFile::exists(JoinPath(env_->appDir(), "HTMLFiles/index.html")));
    // A page with a name and changes: the title bar marks them; one
    // question, and Save writes the page to its name with no file dialog.
    w_->ShowRedPill(1);
    QCOMPARE(w_->windowTitle(), QString("Tarvo - index.tve"));
    addHeading("later");
    QCOMPARE(w_->windowTitle(), QString("Tarvo - *index.tve"));
    QString asked;
    d_->runs << [&asked](QDialog* d) {
        asked = static_cast<QMessageBox*>(d)->text();
        return int(QMessageBox::Cancel);
    };
    w_->ShowRedPill(3);
    QCOMPARE(w_->CurrentStage(), 1);
    QCOMPARE(asked, QString("Your page has changes that are not saved yet. Tarvo saves them to \"index.tve\" and "
                            "then sends the page."));
    const int before = d_->shown.size();
    d_->runs << [](QDialog*) { return int(QMessageBox::Save); };
    w_->ShowRedPill(3);
    QCOMPARE(w_->CurrentStage(), 3);
    QCOMPARE(d_->shown.size(), before + 1);
    QVERIFY(!w_->Page().PageChanged);
    QCOMPARE(w_->windowTitle(), QString("Tarvo - index.tve"));
    QVERIFY(Bytes(path).contains("later"));
    // "Always": this time and from now on, no question.
    w_->ShowRedPill(1);
    addHeading("always");
    d_->runs << [](QDialog* d) {
        d->findChild<QCheckBox*>(QStringLiteral("chkAlwaysSave"))->setChecked(true);
        return int(QMessageBox::Save);
    };
    w_->ShowRedPill(3);
    QCOMPARE(w_->CurrentStage(), 3);
    w_->ShowRedPill(1);
    addHeading("silent");
    const int quiet = d_->shown.size();
    w_->ShowRedPill(3);
    QCOMPARE(w_->CurrentStage(), 3);
    QCOMPARE(d_->shown.size(), quiet);
    QVERIFY(Bytes(path).contains("silent"));
    QCOMPARE(d_->unexpected, 0);
}

void TestFileCommands::makeTemplateNamesTheCaption() {
    addHeading("t");
    const QString path = JoinPath(env_->appDir(), "template/party.tvt");
    d_->fileNames << path;
    f_->menFileMakeClick();
    QCOMPARE(d_->fileRequests[0].filters, QString("Tarvo Template (*.tvt)"));
    QCOMPARE(d_->fileRequests[0].folder, JoinPath(env_->appDir(), "template"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(w_->windowTitle(), QString("Tarvo - party.tvt"));
    QCOMPARE(w_->Page().DocFileName, path);
}

void TestFileCommands::failedSaveKeepsNameAndChange() {
    const QString doc = writeDocument("save/keep.tve", "Keep");
    f_->OpenDocument(doc);
    addHeading("unsaved");
    const QString bad = JoinPath(env_->appDir(), "no such folder/x.tve");
    QVERIFY(!f_->SaveBuilder(bad));
    QCOMPARE(w_->Page().DocFileName, doc);
    QVERIFY(w_->Page().PageChanged);
    QVERIFY(d_->lastText().startsWith("Cannot create file"));
    // And Save As through a failing save reports no success.
    d_->runs << OkOnHint();
    d_->fileNames << bad;
    QVERIFY(!f_->FileSaveAs());
}

void TestFileCommands::cancelledOrFailedSaveKeepsThePage() {
    addHeading("mine");
    // New: Yes, then the save dialog cancelled.
    d_->answers << QMessageBox::Yes;
    d_->runs << OkOnHint();
    d_->fileNames << QString();
    f_->mnuFileNewClick();
    QCOMPARE(w_->Page().Count(), 1);
    QVERIFY(w_->Page().PageChanged);
    // New: Yes, then a save that fails (a plain file stands where the
    // folder should be, which even root cannot get past).
    QFile blocker(JoinPath(env_->appDir(), "blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    d_->answers << QMessageBox::Yes;
    d_->runs << OkOnHint();
    d_->fileNames << JoinPath(env_->appDir(), "blocker/x.tve");
    f_->mnuFileNewClick();
    QCOMPARE(w_->Page().Count(), 1);
    QVERIFY(w_->Page().PageChanged);
    QVERIFY(d_->lastText().startsWith("Cannot create file"));
    // Close: Yes, then the save dialog cancelled: the window stays open.
    d_->answers << QMessageBox::Yes;
    d_->runs << OkOnHint();
    d_->fileNames << QString();
    QVERIFY(!w_->close());
    QVERIFY(w_->isVisible());
    QCOMPARE(w_->Page().Count(), 1);
    QCOMPARE(d_->unexpected, 0);
}

void TestFileCommands::damagedFileStaysUntitled() {
    // A foreign or damaged file is told, and the page on screen stays.
    addHeading("Mine");
    const QString junk = JoinPath(env_->appDir(), "save/junk.tve");
    QFile f(junk);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a page at all");
    f.close();
    f_->OpenDocument(junk);
    QVERIFY(w_->Page().DocFileName.isEmpty());
    QCOMPARE(w_->Page().Count(), 1);
    QCOMPARE(d_->lastText(),
             QDir::toNativeSeparators(junk) + " is not a Tarvo page. Your page was kept as it was.");
    // A page cut off in its blocks is damaged too.
    const QString doc = writeDocument("save/cut.tve", "Cut");
    QFile cut(doc);
    QVERIFY(cut.open(QIODevice::ReadWrite));
    cut.resize(cut.size() - 30);
    cut.close();
    f_->OpenDocument(doc);
    QVERIFY(w_->Page().DocFileName.isEmpty());
    QCOMPARE(w_->Page().Count(), 1);
    QVERIFY(d_->lastText().contains("is damaged"));
}

void TestFileCommands::openDialogPreviewsTheSnapshot() {
    // The Open dialog the program shows (Qt's own, not the scripted one):
    // the snapshot beside the current page is shown; a page without one, or
    // with a damaged one, shows none.
    const QString with = writeDocument("save/with.tve", "With");
    const QString without = writeDocument("save/without.tve", "Without");
    QVERIFY(QFile::remove(SnapshotPath(without)));
    const QString damaged = writeDocument("save/damaged.tve", "Damaged");
    // A picture header that promises 30000 x 30000 pixels and holds none.
    QByteArray bmp("BM");
    bmp += QByteArray::fromHex("36000000000000003600000028000000" "30750000" "30750000" "01001800");
    QVERIFY(WriteFileBytes(SnapshotPath(damaged), bmp));
    // The request the Open command makes, taken from the scripted dialog.
    d_->fileNames << QString();
    f_->menFileOpenClick();
    QCOMPARE(d_->fileRequests.size(), 1);
    TFileRequest request = d_->fileRequests.constLast();
    request.folder = QFileInfo(with).absolutePath();
    QStringList shown;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto done = qScopeGuard([dialog] { dialog->reject(); });
        auto* preview = dialog->findChild<QLabel*>(QStringLiteral("lblFilePreview"));
        auto* files = dialog->findChild<QFileSystemModel*>();
        auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(preview && files && view && view->model() == files);
        for (const QString& page : {with, without, damaged, with}) {
            // The list's model is filled on a thread of its own.
            QTRY_VERIFY(files->index(page).isValid());
            view->selectionModel()->setCurrentIndex(files->index(page),
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            shown << QStringLiteral("%1 %2x%3").arg(QFileInfo(page).baseName())
                         .arg(preview->pixmap().width()).arg(preview->pixmap().height());
        }
    });
    QVERIFY(TQtDialogs().OpenFile(w_, request).isEmpty());
    QCOMPARE(shown, QStringList({"with 196x229", "without 0x0", "damaged 0x0", "with 196x229"}));
}

void TestFileCommands::roundTripThroughTheWindow() {
    // Blocks, title and style survive save and open.
    addHeading("Round");
    auto link = NewChunkForKind(bkLink);
    link->Link->URL = "http://example.org/";
    link->Link->LinkText = "there";
    w_->Hooks().LoadChunk(w_->Page().InsertChunk(1, std::move(link)));
    w_->Page().PageTitle = "My title";
    w_->View()->lstStyles->setCurrentRow(w_->View()->lstStyles->count() - 1);
    const QString style = w_->View()->SelectedStyleName();
    const QString path = JoinPath(env_->appDir(), "save/round.tve");
    QVERIFY(f_->SaveBuilder(path));
    f_->FileNew();
    QCOMPARE(w_->View()->SelectedStyleName(), QString("[None]"));
    f_->DoTemplate(path, true);
    QCOMPARE(w_->Page().Count(), 2);
    QCOMPARE(w_->Page().Chunk(1)->Link->URL, QString("http://example.org/"));
    QCOMPARE(w_->Page().PageTitle, QString("My title"));
    QCOMPARE(w_->View()->SelectedStyleName(), style);
    QCOMPARE(w_->Page().CurrentIndex, 0);
    QVERIFY(!w_->Page().PageChanged);
}

void TestFileCommands::commandLineDocumentAtStart() {
    const QString doc = writeDocument("save/start.tve", "Start");
    delete w_;
    w_ = CreateMainWindow(doc);
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
    QTRY_COMPARE(w_->CurrentStage(), 1);
    QCOMPARE(w_->Page().DocFileName, doc);
    QCOMPARE(w_->Page().CurrentIndex, 0);
    QVERIFY(!w_->Page().PageChanged);
    QVERIFY(!w_->Page().FillingPanel);

    // A name relative to the folder the program was started in ("tarvo
    // page.tve" from a shell elsewhere) opens that file, not one of that
    // name in the program's folders.
    QTemporaryDir elsewhere;
    const QString there = elsewhere.filePath("there.tve");
    QVERIFY(QFile::copy(doc, there));
    const QString started = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    delete w_;
    w_ = CreateMainWindow("there.tve");
    QDir::setCurrent(started);
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
    QTRY_COMPARE(w_->CurrentStage(), 1);
    QCOMPARE(QFileInfo(w_->Page().DocFileName).canonicalFilePath(), QFileInfo(there).canonicalFilePath());
    QCOMPARE(w_->Page().CurrentIndex, 0);

    // A template given at the start is a new page made from it: Save asks
    // for a name and the template stays as it was.
    const QString tpl = writeDocument("template/club.tvt", "Club", "[None]");
    const QByteArray shipped = ReadFileBytes(tpl);
    delete w_;
    w_ = CreateMainWindow(tpl);
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
    QTRY_COMPARE(w_->CurrentStage(), 1);
    QVERIFY(w_->Page().DocFileName.isEmpty());
    QVERIFY(w_->Page().FitPhone);
    QVERIFY(w_->Page().Count() > 0);
    const QString named = JoinPath(env_->appDir(), "save/club page.tve");
    d_->fileNames << named;
    QVERIFY(w_->Session().Save().done());
    QCOMPARE(d_->fileRequests.last().folder, JoinPath(env_->appDir(), "save"));
    QCOMPARE(w_->Page().DocFileName, named);
    QCOMPARE(ReadFileBytes(tpl), shipped);
}

void TestFileCommands::commandLineExitStatuses() {
    const QString tarvo = JoinPath(qEnvironmentVariable("TARVO_BIN_DIR"), "tarvo");
    if (!QFile::exists(tarvo)) QSKIP("the program is not built beside the tests");
    auto run = [&](const QStringList& args, QByteArray* out = nullptr) {
        QProcess p;
        p.start(tarvo, args);
        p.waitForFinished(30000);
        if (out) *out = p.readAllStandardOutput();
        return p.exitCode();
    };
    const QString doc = writeDocument("save/cli.tve", "Cli");
    QByteArray html;
    QCOMPARE(run({"--html", doc}, &html), 0);
    QVERIFY(html.contains("Cli"));
    QVERIFY(html.endsWith("</HTML>\r\n"));
    QCOMPARE(run({"--html"}), 1);
    QCOMPARE(run({"--html", JoinPath(env_->appDir(), "missing.tve")}), 2);
    QFile junk(JoinPath(env_->appDir(), "junk.tve"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a page at all");
    junk.close();
    QCOMPARE(run({"--html", junk.fileName()}), 2);

    // Without a display: one line naming the script options, status 1,
    // both when no display is named and when the named one is not there.
    // The absent display is one with neither a socket nor a lock file now.
    int absent = 97;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(absent)) ||
           QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(absent)))
        ++absent;
    for (const QString& display : {QString(), QStringLiteral(":%1").arg(absent)}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        if (display.isEmpty()) env.remove("DISPLAY");
        else env.insert("DISPLAY", display);
        p.setProcessEnvironment(env);
        p.start(tarvo, {});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(err.count('\n'), 1);
        QVERIFY2(err.contains("graphical display") && err.contains("--html") && err.contains("--render"),
                 err.constData());
    }
}

int main(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    TestFileCommands t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_filecommands.moc"
