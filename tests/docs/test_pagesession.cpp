// The page session's file-command rules, without any window: every way
// through the question, the save dialogs and failing writes.

#include "TestSupport.h"
#include "TarvoResources.h"
#include "app/AppPaths.h"
#include "app/Utils.h"
#include "docs/PageFile.h"
#include "docs/PageSession.h"
#include "app/SafeWrite.h"
#include "html/BodyStyle.h"
#include "html/PageGenerator.h"
#include "html/PhoneFit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <memory>

namespace {

// Answers the session's questions from queues and counts what it asked.
struct TScriptedUser : TSessionUser {
    QList<TSaveAnswer> answers;
    QStringList paths;  // "" cancels the dialog
    QStringList asked;  // "question", "hint", "save:CAPTION", "upload"
    TSaveAnswer AskSaveChanges() override {
        asked << "question";
        return answers.isEmpty() ? TSaveAnswer::Cancel : answers.takeFirst();
    }
    void ShowSaveHint() override { asked << "hint"; }
    QString AskSavePath(const QString& caption, const QString&, const QString&, bool) override {
        asked << "save:" + caption;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    bool ConfirmSaveBeforeUpload(bool) override {
        asked << "upload";
        return true;
    }
    QList<TDiskChangeAnswer> diskAnswers;
    TDiskChangeAnswer AskDiskChanged(const QString&) override {
        asked << "disk";
        return diskAnswers.isEmpty() ? TDiskChangeAnswer::Cancel : diskAnswers.takeFirst();
    }
    bool acceptUtf8 = false;
    bool AcceptPageBytes(const TPageBytes& page) override {
        asked << "charset:" + page.Charset + ":" + page.Unfit;
        return acceptUtf8;
    }
};


}  // namespace

class TestPageSession : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void questionBeforeDiscarding_data();
    void questionBeforeDiscarding();
    void saveRules();
    void pageFileFromTheBlocks();
    void heldHTMLWrittenExactly();
    void unreadableFileKeepsThePage();
    void fileChangedOnDiskIsAskedAbout();
    void pageHTMLWriteFailureStopsTheSendStage();
    void phoneChoiceOfNewOpenedAndStartedPages();

private:
    void addHeading(const QString& text);
    QString blockedPath() const;
    std::unique_ptr<TTestEnv> env_;
    std::unique_ptr<TPageSession> s_;
    TScriptedUser user_;
    TStyleList styles_;
};

void TestPageSession::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    s_ = std::make_unique<TPageSession>();
    user_ = TScriptedUser();
    s_->User = &user_;
    styles_.clear();
    auto sky = std::make_unique<TStyleChunk>();
    sky->StyleName = "Sky";
    sky->BackColor = 0x00FF8000;
    styles_.push_back(std::move(sky));
    s_->Styles = &styles_;
}

void TestPageSession::cleanup() {
    s_.reset();
    env_.reset();
}

void TestPageSession::addHeading(const QString& text) {
    auto chunk = NewChunkForKind(bkHeading);
    chunk->Heading->HeadText = text;
    s_->Page.InsertChunk(s_->Page.Count(), std::move(chunk));
    s_->Page.PageChanged = true;
}

QString TestPageSession::blockedPath() const {
    // A plain file where the folder should be stops even root.
    QFile blocker(JoinPath(env_->appDir(), "blocker"));
    if (blocker.open(QIODevice::WriteOnly)) blocker.close();
    return JoinPath(env_->appDir(), "blocker/page.tve");
}

void TestPageSession::questionBeforeDiscarding_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");  // TSaveAnswer
    QTest::addColumn<QString>("path");  // for Yes: "" cancels, "blocked" fails
    QTest::addColumn<int>("kind");      // TSessionOutcome::Kind
    for (const char* command : {"new", "open", "close"}) {
        const QString c = QString::fromLatin1(command);
        auto row = [&](const char* name, TSaveAnswer answer, const char* path, TSessionOutcome::Kind kind) {
            QTest::addRow("%s %s", command, name) << c << int(answer) << QString::fromLatin1(path) << int(kind);
        };
        row("yes, saved", TSaveAnswer::Yes, "save/mine.tve", TSessionOutcome::Done);
        row("yes, dialog cancelled", TSaveAnswer::Yes, "", TSessionOutcome::Cancelled);
        row("yes, write failed", TSaveAnswer::Yes, "blocked", TSessionOutcome::Failed);
        row("no", TSaveAnswer::No, "", TSessionOutcome::Done);
        row("cancel", TSaveAnswer::Cancel, "", TSessionOutcome::Cancelled);
    }
}

void TestPageSession::questionBeforeDiscarding() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(QString, path);
    QFETCH(int, kind);
    // Something to open: a saved page with one block.
    TPage other;
    auto chunk = NewChunkForKind(bkHeading);
    chunk->Heading->HeadText = "other";
    other.InsertChunk(0, std::move(chunk));
    const QString otherPath = JoinPath(env_->appDir(), "save/other.tve");
    QVERIFY(WritePageFile(otherPath, other, kNoStyleName, QImage()));

    addHeading("mine");
    addHeading("unsaved");
    user_.answers << TSaveAnswer(answer);
    if (answer == int(TSaveAnswer::Yes))
        user_.paths << (path == "blocked" ? blockedPath() : path.isEmpty() ? QString() : JoinPath(env_->appDir(), path));

    TSessionOutcome outcome;
    if (command == "new") outcome = s_->New();
    else if (command == "open") outcome = s_->Open(otherPath, true);
    else outcome = s_->Close();

    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(user_.asked.constFirst(), QString("question"));
    QVERIFY(!s_->Page.FillingPanel && !s_->Page.LoadingDocument);
    if (kind == TSessionOutcome::Failed) QVERIFY(outcome.message.startsWith("Cannot create file"));
    if (kind != TSessionOutcome::Done) {
        // The page stays exactly as it was: blocks, no name, still changed.
        QCOMPARE(s_->Page.Count(), 2);
        QVERIFY(s_->Page.DocFileName.isEmpty());
        QVERIFY(s_->Page.PageChanged);
        return;
    }
    if (answer == int(TSaveAnswer::Yes)) {
        TPage back;
        QCOMPARE(ReadPageFile(JoinPath(env_->appDir(), path), back).Result, TPageReadResult::Ok);
        QCOMPARE(back.Count(), 2);
    }
    const int blocks = command == "new" ? 0 : command == "open" ? 1 : 2;
    QCOMPARE(s_->Page.Count(), blocks);
    if (command == "open") QCOMPARE(s_->Page.DocFileName, otherPath);
    if (command != "close") QVERIFY(!s_->Page.PageChanged);
    // An unchanged page asks nothing.
    user_.asked.clear();
    s_->Page.PageChanged = false;
    QVERIFY(s_->New().done());
    QVERIFY(user_.asked.isEmpty());
}

void TestPageSession::saveRules() {
    addHeading("saved");
    // Untitled: the hint and the dialog; a cancelled dialog changes nothing.
    QCOMPARE(int(s_->Save().kind), int(TSessionOutcome::Cancelled));
    QCOMPARE(user_.asked, QStringList({"hint", "save:Save"}));
    QVERIFY(s_->Page.PageChanged);
    // A failed write keeps the page untitled and changed.
    user_.paths << blockedPath();
    QCOMPARE(int(s_->Save().kind), int(TSessionOutcome::Failed));
    QVERIFY(s_->Page.DocFileName.isEmpty());
    QVERIFY(s_->Page.PageChanged);
    const QString path = JoinPath(env_->appDir(), "save/page.tve");
    user_.paths << path;
    QVERIFY(s_->Save().done());
    QCOMPARE(s_->Page.DocFileName, path);
    QVERIFY(!s_->Page.PageChanged);
    QCOMPARE(s_->DocumentName(), QString("page.tve"));
    // Titled and on disk: written silently.
    user_.asked.clear();
    s_->Page.PageChanged = true;
    QVERIFY(s_->Save().done());
    QVERIFY(user_.asked.isEmpty());
    // Its file deleted meanwhile: asked for again, as a first save.
    QVERIFY(QFile::remove(path));
    QCOMPARE(int(s_->Save().kind), int(TSessionOutcome::Cancelled));
    QCOMPARE(user_.asked, QStringList({"hint", "save:Save"}));
    // Save As failing keeps the old name.
    user_.paths << blockedPath();
    QCOMPARE(int(s_->SaveAs().kind), int(TSessionOutcome::Failed));
    QCOMPARE(s_->Page.DocFileName, path);
    // A template opened stays untitled; Make Template names the page.
    const QString tvt = JoinPath(env_->appDir(), "template/mine.tvt");
    user_.paths << tvt;
    QVERIFY(s_->MakeTemplate().done());
    QVERIFY(s_->LoadTemplate(tvt).done());
    QVERIFY(s_->Page.DocFileName.isEmpty());
    QCOMPARE(s_->Page.Count(), 1);
}

void TestPageSession::pageFileFromTheBlocks() {
    // In the Choose and Build stages nothing holds the HTML: the page file
    // is made from the blocks with the chosen style and logo.
    addHeading("Hello there");
    s_->StyleName = "sky";  // the list's letter case does not matter
    s_->SetLogo(false);
    QVERIFY(s_->HTML().isEmpty());
    user_.paths << JoinPath(env_->appDir(), "save/hello.tve");
    QVERIFY(s_->SaveAs().done());
    const QByteArray html = ReadFileBytes(JoinPath(HTMLDir(), "hello.html"));
    QCOMPARE(html, ToAnsi(AddBodyDef(BuildPageHTML(s_->Page, false), styles_[0].get())));
    QVERIFY(html.contains("Hello there"));
    QVERIFY(html.contains(ToAnsi(BodyTagFor(styles_[0].get()))));
    // The stored style is the chosen one.
    TPage back;
    QCOMPARE(ReadPageFile(s_->Page.DocFileName, back).StyleName, QString("sky"));
    // Before the Send stage the same holds for a titled, unchanged page.
    QVERIFY(QFile::remove(JoinPath(HTMLDir(), "hello.html")));
    QVERIFY(s_->SaveDocument().done());
    QCOMPARE(ReadFileBytes(JoinPath(HTMLDir(), "hello.html")), html);
    // A plain Save writes it too, so a page linking here sends it as saved.
    addHeading("Changed since");
    QVERIFY(s_->Save().done());
    QVERIFY(ReadFileBytes(JoinPath(HTMLDir(), "hello.html")).contains("Changed since"));
}

void TestPageSession::heldHTMLWrittenExactly() {
    // Text held from the View stage (hand edits, non-breaking spaces, lone
    // line breaks) is written byte for byte, and the logo goes in and out
    // of it without touching the rest.
    addHeading("x");
    const QString held = QString::fromLatin1("<HTML>\r\n<BODY>a\xA0" "b\rc\nd\r\n</BODY>\r\n</HTML>\r\n");
    s_->SetHTML(held);
    user_.paths << JoinPath(env_->appDir(), "save/held.tve");
    QVERIFY(s_->SaveAs().done());
    // The non-breaking space makes it UTF-8, declared at its start.
    QCOMPARE(ReadFileBytes(JoinPath(HTMLDir(), "held.html")), (kUtf8MetaLine + CRLF + held).toUtf8());
    s_->SetLogo(false);
    QCOMPARE(s_->HTML(), RemoveLogo(held));
    s_->SetLogo(true);
    QCOMPARE(ReadFileBytes(JoinPath(HTMLDir(), "held.html")), EncodePageHTML(InsertLogo(RemoveLogo(held))).Bytes);

    // Hand-edited HTML that names a charset is written in it; when the
    // charset cannot hold a character, the user decides before anything is
    // written: No keeps the last file, Yes writes UTF-8 and says so.
    const QString latin = QString::fromUtf8("<HTML><HEAD><META charset=iso-8859-1></HEAD><BODY>Café ");
    const QString path = JoinPath(HTMLDir(), "held.html");
    s_->SetHTML(latin);
    QVERIFY(s_->WritePageHTML(path).done());
    QCOMPARE(ReadFileBytes(path), ToAnsi(latin));
    user_.asked.clear();
    s_->SetHTML(latin + QString::fromUtf8("日本"));
    QCOMPARE(int(s_->WritePageHTML(path).kind), int(TSessionOutcome::Cancelled));
    QCOMPARE(user_.asked, QStringList{QString::fromUtf8("charset:iso-8859-1:日")});
    QCOMPARE(ReadFileBytes(path), ToAnsi(latin));
    user_.acceptUtf8 = true;
    QVERIFY(s_->WritePageHTML(path).done());
    QCOMPARE(ReadFileBytes(path), QString(latin + QString::fromUtf8("日本")).replace("iso-8859-1", "utf-8").toUtf8());
}

void TestPageSession::unreadableFileKeepsThePage() {
    addHeading("mine");
    const QString good = JoinPath(env_->appDir(), "save/good.tve");
    QVERIFY(WritePageFile(good, s_->Page, kNoStyleName, QImage()));
    const QByteArray bytes = ReadFileBytes(good);
    const QString foreign = JoinPath(env_->appDir(), "save/notes.tve");
    const QString damaged = JoinPath(env_->appDir(), "save/cut.tve");
    for (const auto& [path, content] : {std::pair{foreign, QByteArray("just some text")},
                                        std::pair{damaged, bytes.left(bytes.size() - 30)}}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const QString missing = JoinPath(env_->appDir(), "save/gone.tve");
    addHeading("unsaved");
    for (const QString& path : {foreign, damaged, missing}) {
        for (const bool fromCommandLine : {false, true}) {
            const TSessionOutcome outcome = fromCommandLine ? s_->OpenDocument(path) : s_->Open(path, true);
            QCOMPARE(int(outcome.kind), int(TSessionOutcome::Failed));
            QVERIFY2(outcome.message.contains(QDir::toNativeSeparators(path)), qPrintable(outcome.message));
            QVERIFY(outcome.message.endsWith("Your page was kept as it was."));
            // Nothing asked, nothing lost: the page, unnamed and changed.
            QVERIFY(user_.asked.isEmpty());
            QCOMPARE(s_->Page.Count(), 2);
            QVERIFY(s_->Page.DocFileName.isEmpty());
            QVERIFY(s_->Page.PageChanged);
        }
    }
    QVERIFY(s_->Open(foreign, true).message.contains("is not a Tarvo page"));
    QVERIFY(s_->Open(damaged, true).message.contains("is damaged"));
}

namespace {
// Moves the modification time of `path`, just saved by `writer`, two
// seconds on, as a save made later would leave it (two saves in a row can
// fall within one tick of the file system's clock); `writer` takes the
// file as it now is.
bool SavedLater(TPageSession& writer, const QString& path) {
    QFile file(path);
    const QDateTime later = QFileInfo(path).lastModified().addSecs(2);
    if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(later, QFileDevice::FileModificationTime)) return false;
    writer.StampDisk();
    return true;
}
}  // namespace

void TestPageSession::fileChangedOnDiskIsAskedAbout() {
    // Two windows on one document: the later save asks first.
    const QString path = JoinPath(env_->appDir(), "save/shared.tve");
    addHeading("first window");
    user_.paths << path;
    QVERIFY(s_->SaveAs().done());
    TPageSession other;
    TScriptedUser otherUser;
    other.User = &otherUser;
    QVERIFY(other.Open(path, true).done());
    auto chunk = NewChunkForKind(bkHeading);
    chunk->Heading->HeadText = "second window";
    other.Page.InsertChunk(1, std::move(chunk));
    other.Page.PageChanged = true;
    QVERIFY(other.Save().done());
    QVERIFY(SavedLater(other, path));
    QVERIFY(otherUser.asked.isEmpty());
    const QByteArray theirs = ReadFileBytes(path);

    addHeading("more from the first");
    user_.asked.clear();
    user_.diskAnswers << TDiskChangeAnswer::Cancel;
    QCOMPARE(int(s_->Save().kind), int(TSessionOutcome::Cancelled));
    QCOMPARE(user_.asked, QStringList({"disk"}));
    QCOMPARE(ReadFileBytes(path), theirs);
    QVERIFY(s_->Page.PageChanged);
    // Keep both: this page goes to a new name, the other file stays.
    const QString copy = JoinPath(env_->appDir(), "save/shared copy.tve");
    user_.diskAnswers << TDiskChangeAnswer::KeepBoth;
    user_.paths << copy;
    QVERIFY(s_->Save().done());
    QCOMPARE(ReadFileBytes(path), theirs);
    QCOMPARE(s_->Page.DocFileName, copy);
    // Overwrite: asked once, then this window's save is the new reference.
    QVERIFY(s_->OpenDocument(path).done());
    QVERIFY(other.Save().done());  // the same bytes
    QVERIFY(SavedLater(other, path));
    addHeading("overwrite");
    user_.asked.clear();
    user_.diskAnswers << TDiskChangeAnswer::Overwrite;
    QVERIFY(s_->Save().done());
    s_->Page.PageChanged = true;
    QVERIFY(s_->Save().done());
    QCOMPARE(user_.asked, QStringList({"disk"}));
    TPage back;
    QVERIFY(ReadPageFile(path, back).Result == TPageReadResult::Ok);
    QCOMPARE(back.Count(), 3);
}

void TestPageSession::pageHTMLWriteFailureStopsTheSendStage() {
    addHeading("to send");
    user_.paths << JoinPath(env_->appDir(), "save/send.tve");
    QVERIFY(s_->SaveAs().done());
    const QString html = JoinPath(HTMLDir(), "send.html");
    const QByteArray good = ReadFileBytes(html);
    QVERIFY(!good.isEmpty());
    // A disk that fills part way: the cut file never replaces the page.
    addHeading("more");
    const QString document = JoinPath(env_->appDir(), "save/send.tve");
    user_.paths << document;
    SetWriteLimitForTests(64);
    const TSessionOutcome full = s_->SaveDocument();
    SetWriteLimitForTests(-1);
    QCOMPARE(int(full.kind), int(TSessionOutcome::Failed));
    QCOMPARE(full.message, QStringLiteral("The disk is full: your page was not saved; the last saved version is kept."));
    QCOMPARE(ReadFileBytes(html), good);
    // The document saved, the page's HTML file blocked by a folder.
    QVERIFY(QFile::remove(html));
    QVERIFY(QDir().mkpath(html));
    user_.paths << document;
    const TSessionOutcome blocked = s_->SaveDocument();
    QCOMPARE(int(blocked.kind), int(TSessionOutcome::Failed));
    QCOMPARE(blocked.message, QStringLiteral("Cannot create file %1: a folder of that name is in the way.")
                                  .arg(QDir::toNativeSeparators(html)));
}

void TestPageSession::phoneChoiceOfNewOpenedAndStartedPages() {
    QList<bool> shown;
    QObject::connect(s_.get(), &TPageSession::fitPhoneChanged, [&] { shown << s_->Page.FitPhone; });
    // A fresh page fits phones.
    QVERIFY(s_->Page.FitPhone);
    // A document written before the choice existed (no options) opens off,
    // and the check box is told.
    TPage old;
    old.PageTitle = "Old";
    const QString oldPath = JoinPath(env_->appDir(), "save/old.tve");
    QVERIFY(WritePageFile(oldPath, old, kNoStyleName, QImage()));
    QVERIFY(s_->OpenDocument(oldPath).done());
    QVERIFY(!s_->Page.FitPhone);
    QCOMPARE(shown.constLast(), false);
    // Switched on in the View stage: the held page gains the phone lines;
    // saved and opened again, it keeps the choice.
    s_->SetHTML(BuildPageHTML(s_->Page, false));
    s_->SetFitPhone(true);
    QVERIFY(s_->HTML().contains(kViewportMetaLine));
    QCOMPARE(shown.constLast(), true);
    s_->Page.PageChanged = true;
    QVERIFY(s_->Save().done());
    s_->DropHTML();
    QVERIFY(s_->OpenDocument(oldPath).done());
    QVERIFY(s_->Page.FitPhone);
    QVERIFY(s_->PageHTMLText().contains(kViewportMetaLine));
    // Off again, saved: the file is as the old version wrote it.
    s_->SetHTML(BuildPageHTML(s_->Page, false));
    s_->SetFitPhone(false);
    QVERIFY(!s_->HTML().contains(kViewportMetaLine));
    s_->Page.PageChanged = true;
    QVERIFY(s_->Save().done());
    QVERIFY(ReadFileBytes(oldPath).endsWith("End of Tarvo File >=)"));
    QVERIFY(s_->OpenDocument(oldPath).done());
    QVERIFY(!s_->Page.FitPhone);
    // A page started from a template, or anew, fits phones.
    const QString templatePath = JoinPath(env_->appDir(), "template/old.tvt");
    QVERIFY(WritePageFile(templatePath, old, kNoStyleName, QImage()));
    QVERIFY(s_->LoadTemplate(templatePath).done());
    QVERIFY(s_->Page.FitPhone);
    QCOMPARE(shown.constLast(), true);
    QVERIFY(s_->OpenDocument(oldPath).done());
    s_->FileNew();
    QVERIFY(s_->Page.FitPhone);
    QCOMPARE(shown.constLast(), true);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestPageSession t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_pagesession.moc"
