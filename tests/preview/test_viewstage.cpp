#include "app/HelpSystem.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/Settings.h"
#include "main/Startup.h"
#include "app/Utils.h"
#include "html/HtmlWarn.h"
#include "preview/ViewStage.h"
#include "docs/FileCommands.h"
#include "docs/PageFile.h"
#include "app/SafeWrite.h"
#include "viewer/HtmlViewer.h"
#include "app/WhatsThis.h"
#include "styles/StyleList.h"
#include "app/PictureControl.h"
#include "app/AppPaths.h"
#include "html/PageHead.h"
#include "html/PhoneFit.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTabBar>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QApplication>
#include <QtTest>
#include <memory>

#include "TarvoResources.h"

// Answers the hand-edit warning: ticks "Don't show this screen again." when
// asked, then presses Yes or No.
static std::function<int(QDialog*)> Answer(bool yes, bool dontShowAgain = false) {
    return [yes, dontShowAgain](QDialog* d) {
        auto* warn = qobject_cast<TfrmHTMLWarn*>(d);
        if (!warn) return int(QDialog::Rejected);
        if (dontShowAgain) warn->chkHTML->setChecked(true);
        (yes ? warn->btnJoy : warn->Button1)->click();
        return d->result();
    };
}

class TestViewStage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void enteringViewFillsEditorFromBlocks();
    void firstKeystrokeWarnsAndNoUndoesIt();
    void yesLetsKeysThroughUntilRefresh();
    void keysTypedAtTheAlertGoOnIntoTheText();
    void handEditsKeepTheRestExactly();
    void dontShowAgainWithEitherAnswer();
    void programmaticWritesNeverWarn();
    void goingBackToBuildAsks();
    void handEditNeverLostWithoutAQuestion();
    void openedPageKeepsItsStyle();
    void sendStageKeepsHandEditsAndWritesFileOnlyWhenEmpty();
    void saveFromHTMLIsExactAndSafe();
    void pageHTMLPathForUntitledAndTitled();
    void warningDialogLooksAsDesigned();
    void previewSizeToggle();
    void logoBoxRewritesThePageFile();
    void styleListAndTheWizard();
    void fitPhoneBox();
    void phoneViewShowsAWidePictureWithinItsWidth();
    void accessibleActionsDoWhatClicksDo();
    void titleStartsAsTheFirstHeading();
    void iconChosenFromAPicture();
    void droppedTableIsToldThroughTheDialogs();

private:
    void toStage(int stage) { w_->ShowRedPill(stage); }
    void typeInEditor(const QString& text);
    std::unique_ptr<TTestEnv> env_;
    TScriptedDialogs* dialogs_ = nullptr;
    TfrmMain* w_ = nullptr;
    TViewStage* v_ = nullptr;
};

void TestViewStage::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    dialogs_ = static_cast<TScriptedDialogs*>(&Dialogs());
    {
        TTarvoReg reg;
        reg.OpenSection(QString(), true);
    }
    w_ = CreateMainWindow();
    v_ = w_->View();
    QVERIFY(v_);
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
    auto heading = NewChunkForKind(bkHeading);
    heading->Heading->HeadText = "Hello";
    w_->Page().InsertChunk(0, std::move(heading));
}

void TestViewStage::cleanup() {
    delete w_;
    w_ = nullptr;
    env_.reset();
}

void TestViewStage::typeInEditor(const QString& text) {
    v_->pagePreview->setCurrentWidget(v_->tabHTML);
    v_->memHTML->setFocus();
    v_->memHTML->moveCursor(QTextCursor::End);
    QTest::keyClicks(v_->memHTML, text);
}

void TestViewStage::enteringViewFillsEditorFromBlocks() {
    toStage(1);
    QVERIFY(v_->HTMLText().isEmpty());
    toStage(2);
    const QString html = v_->HTMLText();
    QVERIFY(html.contains("Hello"));
    QVERIFY(html.contains("<BODY>\r\n"));
    QVERIFY(html.endsWith("</HTML>\r\n"));
    QVERIFY(!html.contains(QRegularExpression("[^\r]\n")));  // CR LF throughout
    QCOMPARE(v_->pagePreview->currentWidget(), v_->tabWebView);
    QCOMPARE(v_->ctlHTML->geometry(), QRect(0, 0, 609, 181));
    QCOMPARE(v_->txtTitle->text(), QString("Hello"));
    // The preview file is written from the editor.
    QString preview;
    LoadFileText(JoinPath(env_->appDir(), "HTMLFiles/~tmpprvw.html"), preview);
    QCOMPARE(preview, html);
    QVERIFY(dialogs_->shown.isEmpty());
    // The viewer shows the page.
    v_->ctlHTML->SelectAll();
    QVERIFY(v_->ctlHTML->SelectedText().contains("Hello"));
}

void TestViewStage::firstKeystrokeWarnsAndNoUndoesIt() {
    toStage(2);
    const QString before = v_->HTMLText();
    dialogs_->runs << Answer(false);
    typeInEditor("x");
    QCOMPARE(dialogs_->shown.size(), 1);
    QCOMPARE(dialogs_->shown[0].caption, QString("HTML Change Alert"));
    QCOMPARE(v_->HTMLText(), before);
    QVERIFY(!v_->HTMLEditAccepted);
    dialogs_->runs << Answer(false);
    typeInEditor("y");
    QCOMPARE(dialogs_->shown.size(), 2);
    QCOMPARE(v_->HTMLText(), before);
    QCOMPARE(dialogs_->unexpected, 0);
}

void TestViewStage::yesLetsKeysThroughUntilRefresh() {
    toStage(2);
    const QString before = v_->HTMLText();
    dialogs_->runs << Answer(true);
    typeInEditor("abc");
    QCOMPARE(dialogs_->shown.size(), 1);
    QCOMPARE(v_->HTMLText(), before + "abc");
    QVERIFY(v_->HTMLEditAccepted);
    // A refresh (choosing a style) warns again on the next key.
    v_->lstStyles->setCurrentRow(0);
    v_->AddBodyDef();
    QVERIFY(!v_->HTMLEditAccepted);
    dialogs_->runs << Answer(false);
    typeInEditor("d");
    QCOMPARE(dialogs_->shown.size(), 2);
    QCOMPARE(v_->HTMLText(), before + "abc");
}

void TestViewStage::keysTypedAtTheAlertGoOnIntoTheText() {
    toStage(2);
    const QString before = v_->HTMLText();
    // The user types on while the alert opens: letters, a space and Enter
    // reach it before they notice it; none of them answers it.
    dialogs_->runs << [](QDialog* d) {
        d->show();
        QWidget* target = d->focusWidget() ? d->focusWidget() : d;
        QTest::keyClicks(target, "bc d");
        QTest::keyClick(target, Qt::Key_Return);
        if (!d->isVisible()) return int(QDialog::Rejected);
        qobject_cast<TfrmHTMLWarn*>(d)->btnJoy->click();
        return d->result();
    };
    typeInEditor("a");
    QCOMPARE(dialogs_->shown.size(), 1);
    QVERIFY(v_->HTMLEditAccepted);
    QTRY_COMPARE(v_->HTMLText(), before + "abc d\r\n");
}

void TestViewStage::handEditsKeepTheRestExactly() {
    // A hand edit changes only what was typed: non-breaking spaces and
    // lone line breaks elsewhere stay, and a refused edit restores the text.
    toStage(2);
    const QString text = QString::fromLatin1("<P>a\xA0" "b</P>\r<P>c</P>\n</BODY>\r\n");
    v_->SetHTMLText(text);
    dialogs_->runs << Answer(false);
    typeInEditor("x");
    QCOMPARE(v_->HTMLText(), text);
    dialogs_->runs << Answer(true);
    typeInEditor("y");
    QCOMPARE(v_->HTMLText(), text + "y");
    QVERIFY(v_->SaveFromHTML(v_->PageHTMLPath()));
    QFile f(v_->PageHTMLPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    // The non-breaking space makes the file UTF-8, declared in a line of
    // its own before the text; nothing else of the text changes.
    QCOMPARE(f.readAll(), QByteArray("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n"
                                     "<P>a\xC2\xA0" "b</P>\r<P>c</P>\n</BODY>\r\ny"));
}

void TestViewStage::dontShowAgainWithEitherAnswer() {
    toStage(2);
    const QString before = v_->HTMLText();
    dialogs_->runs << Answer(false, true);
    typeInEditor("x");
    QCOMPARE(v_->HTMLText(), before);  // No still undoes the edit
    QCOMPARE(ReadSettingBool("General", "ShowHTMLWarning", true), false);
    typeInEditor("yz");  // never asked again; the edits stay but are not "accepted"
    QCOMPARE(dialogs_->shown.size(), 1);
    QCOMPARE(v_->HTMLText(), before + "yz");
    QVERIFY(!v_->HTMLEditAccepted);
    // They are still the user's: going back to building asks first.
    dialogs_->answers << QMessageBox::Yes;
    toStage(1);
    QCOMPARE(w_->CurrentStage(), 1);
    QCOMPARE(dialogs_->shown.size(), 2);
    QVERIFY(v_->HTMLText().isEmpty());

    // The other answer with the box ticked, in a fresh store.
    WriteSetting("General", "ShowHTMLWarning", "1");
    toStage(2);
    dialogs_->runs << Answer(true, true);
    typeInEditor("q");
    QVERIFY(v_->HTMLEditAccepted);
    QCOMPARE(ReadSettingBool("General", "ShowHTMLWarning", true), false);
}

void TestViewStage::programmaticWritesNeverWarn() {
    toStage(2);
    v_->txtTitle->setFocus();
    QTest::keyClicks(v_->txtTitle, "!");
    QVERIFY(v_->HTMLText().contains("<TITLE>Hello!</TITLE>"));
    QVERIFY(w_->Page().PageChanged);
    v_->chkLogo->setChecked(false);
    v_->chkLogo->setChecked(true);
    v_->lstStyles->setCurrentRow(0);
    v_->AddBodyDef();
    toStage(2);
    QVERIFY(dialogs_->shown.isEmpty());
}

void TestViewStage::goingBackToBuildAsks() {
    toStage(2);
    dialogs_->runs << Answer(true);
    typeInEditor("<!-- mine -->");
    dialogs_->answers << QMessageBox::No;
    toStage(1);
    QCOMPARE(w_->CurrentStage(), 2);
    QVERIFY(v_->HTMLText().contains("<!-- mine -->"));
    dialogs_->answers << QMessageBox::Yes;
    toStage(1);
    QCOMPARE(w_->CurrentStage(), 1);
    QVERIFY(v_->HTMLText().isEmpty());
    QCOMPARE(dialogs_->unexpected, 0);
}

void TestViewStage::handEditNeverLostWithoutAQuestion() {
    const QString path = JoinPath(env_->appDir(), "save/edited.tve");
    dialogs_->fileNames << path;
    QVERIFY(w_->Files()->FileSaveAs());
    dialogs_->unexpected = 0;  // the first save's hint
    toStage(2);
    dialogs_->runs << Answer(true);
    typeInEditor("<!-- mine -->");
    QVERIFY(w_->Page().PageChanged);
    // A style click and the preview size toggle refresh the preview; the
    // edit stays, and still counts as the user's.
    QTest::mouseClick(v_->lstStyles->viewport(), Qt::LeftButton, {},
                      v_->lstStyles->visualItemRect(v_->lstStyles->item(1)).center());
    v_->TogglePreviewSize();
    v_->TogglePreviewSize();
    QVERIFY(v_->HTMLText().contains("<!-- mine -->"));
    const QString question = "You have made changes to your HTML. If you go back now, you will lose these changes. "
                             "Do you want to go back?";
    for (const int stage : {1, 0}) {
        dialogs_->shown.clear();
        dialogs_->answers << QMessageBox::No;
        toStage(stage);
        QCOMPARE(w_->CurrentStage(), 2);
        QCOMPARE(dialogs_->lastText(), question);
    }
    // Closing asks to save.
    dialogs_->answers << QMessageBox::Cancel;
    QVERIFY(!w_->close());
    QCOMPARE(dialogs_->lastText(), QString("Do you want to save the changes to your Tarvo File?"));
    // Save writes the edit into the page's HTML file with the document.
    w_->Files()->menFileSaveClick();
    QVERIFY(!w_->Page().PageChanged);
    QString file;
    LoadFileText(v_->PageHTMLPath(), file);
    QVERIFY(file.contains("<!-- mine -->"));
    QVERIFY(v_->HTMLText().contains("<!-- mine -->"));
    // New from the View stage, the old page's text never reaches a file
    // again: the logo reset has nothing to write.
    v_->chkLogo->setChecked(false);
    LoadFileText(v_->PageHTMLPath(), file);
    w_->Page().PageChanged = true;
    dialogs_->answers << QMessageBox::No;
    w_->Files()->mnuFileNewClick();
    QCOMPARE(w_->CurrentStage(), 1);
    QVERIFY(v_->HTMLText().isEmpty());
    QString after;
    LoadFileText(JoinPath(env_->appDir(), "HTMLFiles/edited.html"), after);
    QCOMPARE(after, file);
    QVERIFY(!QFile::exists(JoinPath(env_->appDir(), "HTMLFiles/.html")));
    QCOMPARE(dialogs_->unexpected, 0);
}

void TestViewStage::openedPageKeepsItsStyle() {
    // A page saved with a style has it in the View stage however it is
    // opened, and the next save keeps it.
    const QString path = JoinPath(env_->appDir(), "save/styled.tve");
    const QString style = v_->lstStyles->item(2)->text();
    w_->Session().StyleName = style;
    dialogs_->fileNames << path;
    QVERIFY(w_->Files()->FileSaveAs());
    for (const int from : {0, 2}) {
        toStage(from);
        w_->Files()->DoTemplate(path, true);
        toStage(2);
        QCOMPARE(v_->SelectedStyleName(), style);
        QVERIFY(v_->HTMLText().contains("<BODY "));
        w_->Page().PageChanged = true;
        w_->Files()->menFileSaveClick();
        TPage back;
        QCOMPARE(ReadPageFile(path, back).StyleName, style);
    }
}

void TestViewStage::sendStageKeepsHandEditsAndWritesFileOnlyWhenEmpty() {
    w_->Hooks().SaveDocument.replace([] { return true; });
    // Straight from building: the editor is empty, so the page is built
    // and written to its HTML file.
    toStage(1);
    toStage(3);
    const QString built = v_->HTMLText();
    QVERIFY(built.contains("Hello"));
    QString file;
    LoadFileText(v_->PageHTMLPath(), file);
    QCOMPARE(file, built);
    // From the View stage with hand edits: kept, and kept again going back.
    toStage(2);
    dialogs_->runs << Answer(true);
    typeInEditor("<!-- mine -->");
    toStage(3);
    QVERIFY(v_->HTMLText().endsWith("<!-- mine -->"));
    toStage(2);
    QVERIFY(v_->HTMLText().endsWith("<!-- mine -->"));
    // The Web tab shows hand edits at once.
    v_->pagePreview->setCurrentWidget(v_->tabHTML);
    QTextCursor at = v_->memHTML->document()->find("</BODY>");
    at.setPosition(at.selectionStart());
    v_->memHTML->setTextCursor(at);
    QTest::keyClicks(v_->memHTML, "<P>Handmade words</P>");
    v_->pagePreview->setCurrentWidget(v_->tabWebView);
    v_->ctlHTML->SelectAll();
    QVERIFY(v_->ctlHTML->SelectedText().contains("Handmade words"));
}

void TestViewStage::saveFromHTMLIsExactAndSafe() {
    toStage(2);
    v_->SetHTMLText(QString::fromUtf8("<P>Caf\u00E9 \u20AC</P>\r\nlast line"));
    QTemporaryDir dir;
    const QString path = dir.filePath("page.html");
    QVERIFY(v_->SaveFromHTML(path));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n"
                                     "<P>Caf\xC3\xA9 \xE2\x82\xAC</P>\r\nlast line"));
    f.close();
    // A disk that fills part way leaves the old file as it was, and says so.
    v_->SetHTMLText("new text");
    SetWriteLimitForTests(3);
    const bool wrote = v_->SaveFromHTML(path);
    SetWriteLimitForTests(-1);
    QVERIFY(!wrote);
    QCOMPARE(dialogs_->lastText(),
             QStringLiteral("Cannot create file %1: the disk is full.").arg(QDir::toNativeSeparators(path)));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n"
                                     "<P>Caf\xC3\xA9 \xE2\x82\xAC</P>\r\nlast line"));
}

void TestViewStage::pageHTMLPathForUntitledAndTitled() {
    QCOMPARE(v_->PageHTMLPath(), JoinPath(JoinPath(env_->appDir(), "HTMLFiles"), ".html"));
    w_->Page().DocFileName = JoinPath(env_->appDir(), "save/My Page.tve");
    QCOMPARE(v_->PageHTMLPath(), JoinPath(JoinPath(env_->appDir(), "HTMLFiles"), "My Page.html"));
}

void TestViewStage::warningDialogLooksAsDesigned() {
    TfrmHTMLWarn dlg;
    QCOMPARE(dlg.size(), QSize(344, 148));
    QCOMPARE(dlg.windowTitle(), QString("HTML Change Alert"));
    QCOMPARE(dlg.btnJoy->text(), QString("&Yes"));
    QCOMPARE(dlg.Button1->text(), QString("&No"));
    QCOMPARE(dlg.chkHTML->text(), QString("Don't show this screen again."));
    // The whole label shows, clear of the buttons.
    QVERIFY(dlg.chkHTML->sizeHint().width() <= dlg.chkHTML->width());
    QVERIFY(dlg.rect().contains(dlg.chkHTML->geometry()));
    QVERIFY(!dlg.chkHTML->geometry().intersects(dlg.btnJoy->geometry()));
    QVERIFY(!dlg.chkHTML->isChecked());
    QVERIFY(!dlg.AnsweredYes());
}

void TestViewStage::previewSizeToggle() {
    // Outside the View stage the picture does nothing.
    toStage(1);
    QTest::mouseClick(w_->findChild<TPicture*>(QStringLiteral("imgView")), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!v_->FullPreview());
    toStage(2);
    // Not on the HTML tab either.
    v_->pagePreview->setCurrentWidget(v_->tabHTML);
    QTest::mouseClick(w_->findChild<TPicture*>(QStringLiteral("imgView")), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!v_->FullPreview());
    v_->pagePreview->setCurrentWidget(v_->tabWebView);
    QTest::mouseClick(w_->findChild<TPicture*>(QStringLiteral("imgView")), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(v_->FullPreview());
    QCOMPARE(v_->ctlHTML->parentWidget(), w_->findChild<QFrame*>(QStringLiteral("pnlMain")));
    QTRY_COMPARE(v_->ctlHTML->width(), w_->findChild<QFrame*>(QStringLiteral("pnlMain"))->width() - 4);
    QCOMPARE(v_->ctlHTML->height(), w_->findChild<QFrame*>(QStringLiteral("pnlMain"))->height() - 44 - 2);
    QCOMPARE(w_->findChild<QFrame*>(QStringLiteral("Panel3"))->geometry().bottom(), w_->findChild<QFrame*>(QStringLiteral("pnlMain"))->height() - 1);
    QTest::mouseClick(w_->findChild<TPicture*>(QStringLiteral("imgView")), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!v_->FullPreview());
    QCOMPARE(v_->ctlHTML->geometry(), QRect(0, 0, 609, 181));
    QTRY_COMPARE(w_->findChild<QFrame*>(QStringLiteral("pnlMain"))->size(), QSize(632, 436));
}

void TestViewStage::logoBoxRewritesThePageFile() {
    toStage(2);
    w_->Page().PageChanged = false;
    const QString path = v_->PageHTMLPath();
    v_->chkLogo->setChecked(false);
    QString file;
    LoadFileText(path, file);
    QCOMPARE(file, v_->HTMLText());
    QVERIFY(!file.contains("graphics/button.gif"));
    v_->chkLogo->setChecked(true);
    LoadFileText(path, file);
    QVERIFY(file.contains("graphics/button.gif"));
    QVERIFY(file.indexOf("button.gif") < file.indexOf("</BODY>"));
    // A text without "</BODY>" is left as it is, but the file is written.
    v_->SetHTMLText("<P>hand made</P>");
    QFile::remove(path);
    v_->chkLogo->setChecked(false);
    v_->chkLogo->setChecked(true);
    LoadFileText(path, file);
    QCOMPARE(file, QString("<P>hand made</P>\r\n"));
    QVERIFY(!w_->Page().PageChanged);
    QVERIFY(dialogs_->shown.isEmpty());
    // Opening or starting a page ticks the box again while the editor is
    // empty: the page's file keeps what it holds.
    v_->chkLogo->setChecked(false);
    toStage(1);
    v_->chkLogo->setChecked(true);
    LoadFileText(path, file);
    QCOMPARE(file, QString("<P>hand made</P>\r\n"));
}

void TestViewStage::styleListAndTheWizard() {
    TStyleList styles;
    for (const char* name : {"Sky", "Grass", "Sky"}) {
        auto s = std::make_unique<TStyleChunk>();
        s->StyleName = name;
        s->BackColor = 0x00FF8000;
        styles.push_back(std::move(s));
    }
    QVERIFY(WriteStylesToFile(StylesDataPath(), styles));
    v_->LoadStyles();
    v_->ShowStyles();
    QCOMPARE(v_->lstStyles->count(), 4);
    QCOMPARE(v_->lstStyles->item(0)->text(), QString("[None]"));
    toStage(2);
    // A click picks the style and marks the page changed.
    w_->Page().PageChanged = false;
    const QRect grass = v_->lstStyles->visualItemRect(v_->lstStyles->item(2));
    QTest::mouseClick(v_->lstStyles->viewport(), Qt::LeftButton, Qt::NoModifier, grass.center());
    QCOMPARE(v_->SelectedStyleName(), QString("Grass"));
    QVERIFY(v_->HTMLText().contains("<BODY BGCOLOR=\"#0080FF\""));
    QVERIFY(w_->Page().PageChanged);
    // After the wizard: reselected by name without regard to case; the
    // first of two equal names; a renamed style gives "[None]".
    v_->lstStyles->setCurrentRow(3);
    v_->RunStyleWizard.replace([] {
        TStyleList list;
        LoadStyleList(StylesDataPath(), list);
        list[0]->StyleName = "SKY";
        WriteStylesToFile(StylesDataPath(), list);
    });
    v_->btnEditStyle->click();
    QCOMPARE(v_->lstStyles->currentRow(), 1);
    v_->lstStyles->setCurrentRow(2);
    v_->RunStyleWizard.replace([] {
        TStyleList list;
        LoadStyleList(StylesDataPath(), list);
        list[1]->StyleName = "Meadow";
        WriteStylesToFile(StylesDataPath(), list);
    });
    w_->Page().PageChanged = false;
    v_->btnEditStyle->click();
    QCOMPARE(v_->lstStyles->currentRow(), 0);
    QVERIFY(v_->HTMLText().contains("<BODY>"));
    QVERIFY(!w_->Page().PageChanged);
    // The right button asks "What's This?" for the list.
    QTest::mouseClick(v_->lstStyles->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(w_->Help()->WhatsThisContext(), 31);
}

void TestViewStage::fitPhoneBox() {
    // A new page fits phones: the box is ticked and the lines are in the head.
    QCOMPARE(v_->chkFitPhone->text(), QString("Fit phone screens"));
    QVERIFY(v_->chkFitPhone->isChecked());
    toStage(2);
    QVERIFY(v_->HTMLText().contains(kViewportMetaLine));
    // Cleared: out of the editor's text, the page is changed, and the
    // document will say so. Ticked again: back in, once.
    w_->Page().PageChanged = false;
    v_->chkFitPhone->click();
    QVERIFY(!w_->Page().FitPhone);
    QVERIFY(w_->Page().PageChanged);
    QVERIFY(!v_->HTMLText().contains(kViewportMetaLine));
    QVERIFY(!v_->memHTML->toPlainText().contains("viewport"));
    v_->chkFitPhone->click();
    QCOMPARE(v_->HTMLText().count(kViewportMetaLine), 1);
    QVERIFY(dialogs_->shown.isEmpty());
    // The box follows the page the session opens.
    TPage old;
    const QString path = JoinPath(AppDir(), "save/old.tve");
    QVERIFY(WritePageFile(path, old, kNoStyleName, QImage()));
    toStage(1);
    w_->Hooks().OpenDocument(path);
    QVERIFY(!v_->chkFitPhone->isChecked());
}

void TestViewStage::phoneViewShowsAWidePictureWithinItsWidth() {
    QImage wide(1200, 600, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QVERIFY(wide.save(JoinPath(HTMLDir(), "graphics/wide.png")));
    auto image = NewChunkForKind(bkImage);
    image->Image->FileName = "graphics\\wide.png";
    image->Image->ImgWidth = "1200";
    image->Image->ImgHeight = "600";
    w_->Page().InsertChunk(0, std::move(image));
    // Outside the View stage the switch does nothing.
    QVERIFY(!v_->btnPhoneView->isEnabled());
    toStage(2);
    QVERIFY(v_->btnPhoneView->isEnabled());
    QVERIFY(v_->btnDesktopView->isChecked());
    QCOMPARE(v_->ctlHTML->geometry(), QRect(0, 0, 609, 181));
    v_->btnPhoneView->click();
    QVERIFY(v_->PhoneView());
    QCOMPARE(v_->ctlHTML->geometry(), QRect((609 - 390) / 2, 0, 390, 181));
    // The red picture's box in the viewer's picture.
    const auto redBox = [this] {
        const QImage shot = v_->ctlHTML->grab().toImage();
        QRect box;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) == qRgb(255, 0, 0)) box |= QRect(x, y, 1, 1);
        return box;
    };
    // Scaled down to the width the page has.
    QTRY_VERIFY(redBox().isValid());
    QRect box = redBox();
    QVERIFY2(box.width() > 300 && box.right() < 390 - 16, qPrintable(QString::number(box.width())));
    // Without the page's style blocks (the phone lines and the readable
    // layout, which keeps pictures within its column too), the picture
    // keeps its stated size.
    v_->chkReadableLayout->click();
    QVERIFY(!w_->Page().ReadableLayout);
    v_->chkFitPhone->click();
    QVERIFY(!w_->Page().FitPhone);
    QTRY_VERIFY(redBox().isValid());
    box = redBox();
    QVERIFY(box.right() >= 390 - 20);
    // Full size keeps the phone's width, centred; Desktop fills the place.
    v_->chkFitPhone->click();
    v_->TogglePreviewSize();
    QTRY_COMPARE(v_->ctlHTML->width(), 390);
    QCOMPARE(v_->ctlHTML->x(), 2 + (w_->findChild<QFrame*>(QStringLiteral("pnlMain"))->width() - 4 - 390) / 2);
    v_->btnDesktopView->click();
    QCOMPARE(v_->ctlHTML->width(), w_->findChild<QFrame*>(QStringLiteral("pnlMain"))->width() - 4);
    v_->TogglePreviewSize();
    QCOMPARE(v_->ctlHTML->geometry(), QRect(0, 0, 609, 181));
}

// An assistive tool presses a button through its accessible action (a
// checkable one through "Toggle", which raises no click): each button of
// the stage must then do what a click does.
void TestViewStage::accessibleActionsDoWhatClicksDo() {
    toStage(2);
    int styleWizards = 0;
    v_->RunStyleWizard.replace([&styleWizards] { ++styleWizards; });
    const auto state = [&] {
        return std::make_tuple(v_->ctlHTML->geometry(), v_->PhoneView(), w_->Page().FitPhone, v_->HTMLText(),
                               styleWizards);
    };
    QList<QAbstractButton*> buttons = w_->findChild<QFrame*>(QStringLiteral("pnlView"))->findChildren<QAbstractButton*>();
    int tried = 0;
    for (QAbstractButton* b : buttons) {
        if (!b->isVisibleTo(w_) || !b->isEnabled() || qobject_cast<QTabBar*>(b->parentWidget())) continue;
        QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(b);
        QVERIFY(acc && acc->actionInterface());
        const QString action = acc->actionInterface()->actionNames().value(0);
        QVERIFY2(!action.isEmpty(), qPrintable(b->objectName()));
        // Back to where the stage was: the button of an exclusive group
        // that was down, or the box as it was.
        QAbstractButton* down = nullptr;
        for (QAbstractButton* other : buttons)
            if (b->autoExclusive() && other->autoExclusive() && other->parentWidget() == b->parentWidget() &&
                other->isChecked())
                down = other;
        const bool wasChecked = b->isChecked();
        const auto reset = [&] {
            styleWizards = 0;
            if (down) QTest::mouseClick(down, Qt::LeftButton);
            else if (b->isCheckable() && b->isChecked() != wasChecked) QTest::mouseClick(b, Qt::LeftButton);
        };
        const auto before = state();
        QTest::mouseClick(b, Qt::LeftButton);
        const auto clicked = state();
        reset();
        QCOMPARE(state(), before);
        acc->actionInterface()->doAction(action);
        // A press is an animated click, which comes a moment later.
        if (clicked != before) QTRY_VERIFY2(state() == clicked, qPrintable(b->objectName() + " " + action));
        reset();
        ++tried;
    }
    // Desktop, Phone, Fit phone screens and Edit Styles at least.
    QVERIFY2(tried >= 4, qPrintable(QString::number(tried)));
}

void TestViewStage::titleStartsAsTheFirstHeading() {
    // A new page whose title nobody typed goes out with its first heading.
    toStage(2);
    QCOMPARE(v_->txtTitle->text(), QString("Hello"));
    QVERIFY(v_->HTMLText().contains("<TITLE>Hello</TITLE>"));
    QVERIFY(!v_->lblTitleHint->isVisibleTo(w_));
    // Typed, it is the user's own.
    QTest::keyClicks(v_->txtTitle, " world");
    QCOMPARE(w_->Page().PageTitle, QString("Hello world"));
    QVERIFY(v_->HTMLText().contains("<TITLE>Hello world</TITLE>"));
    // A page made from a template keeps the template's title, and the box
    // says whose it is until the user types another.
    toStage(0);
    w_->Files()->LoadTemplate(JoinPath(env_->appDir(), "template/Family.tvt"));
    const QString templateTitle = w_->Page().PageTitle;
    QVERIFY(w_->Page().HasOwnTitle());
    toStage(2);
    QCOMPARE(v_->txtTitle->text(), templateTitle);
    QVERIFY(v_->lblTitleHint->isVisibleTo(w_));
    QVERIFY(v_->txtTitle->toolTip().contains("template"));
    v_->txtTitle->selectAll();
    QTest::keyClicks(v_->txtTitle, "Our family");
    QVERIFY(!v_->lblTitleHint->isVisibleTo(w_));
    QVERIFY(v_->HTMLText().contains("<TITLE>Our family</TITLE>"));
}

void TestViewStage::droppedTableIsToldThroughTheDialogs() {
    // The viewer opens no box of its own: the View stage tells the user,
    // once a page, after the layout.
    toStage(2);
    QString cells;
    for (int i = 0; i < 31; ++i) cells += "<TD>c";
    v_->SetHTMLText("<HTML><BODY>before<TABLE><TR>" + cells + "</TABLE>after</BODY></HTML>\r\n");
    v_->ShowRover();
    QVERIFY(dialogs_->shown.isEmpty());  // not from inside the layout
    QTRY_COMPARE(dialogs_->shown.size(), 1);
    QCOMPARE(dialogs_->shown[0].kind, QString("tell"));
    QCOMPARE(dialogs_->shown[0].text, QString("Table has too many Columns"));
    v_->ctlHTML->resize(300, 181);  // laid out again: nothing more
    QCoreApplication::processEvents();
    QCOMPARE(dialogs_->shown.size(), 1);
}

void TestViewStage::iconChosenFromAPicture() {
    toStage(2);
    QVERIFY(v_->HTMLText().contains(kIconLinkStart));
    QComboBox* icons = v_->cmbPageIcon;
    QCOMPARE(icons->currentData().toString(), QString());
    QCOMPARE(icons->itemData(icons->count() - 1).toString(), TViewStage::kOtherIconItem);
    // Another picture: copied among the page's pictures, named from there,
    // written into the page in place of the letter.
    QTemporaryDir camera;
    QImage picture(48, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(camera.filePath("My Icon.png")));
    dialogs_->fileNames << camera.filePath("My Icon.png");
    w_->Page().PageChanged = false;
    icons->setFocus();
    QTest::keyClick(icons, Qt::Key_End);
    QCOMPARE(w_->Page().IconFile, QString("graphics\\myicon.png"));
    QVERIFY(QFile::exists(JoinPath(HTMLDir(), "graphics/myicon.png")));
    QVERIFY(w_->Page().PageChanged);
    QVERIFY(v_->HTMLText().contains("<LINK REL=\"icon\" HREF=\"graphics/myicon.png\">\r\n"));
    QVERIFY(!v_->HTMLText().contains(kIconLinkStart));
    QCOMPARE(icons->currentText(), QString("graphics/myicon.png"));
    QVERIFY(!v_->imgPageIcon->pixmap().isNull());
    // A cancelled choice keeps the icon; the document keeps it too.
    dialogs_->fileNames << QString();
    QTest::keyClick(icons, Qt::Key_End);
    QCOMPARE(w_->Page().IconFile, QString("graphics\\myicon.png"));
    const QString path = JoinPath(AppDir(), "save/icon.tve");
    QVERIFY(WritePageFile(path, w_->Page(), kNoStyleName, QImage()));
    w_->Page().PageChanged = false;
    toStage(1);
    w_->Hooks().OpenDocument(path);
    QCOMPARE(w_->Page().IconFile, QString("graphics\\myicon.png"));
    QCOMPARE(icons->currentData().toString(), QString("graphics\\myicon.png"));
    // Back to the title's letter.
    toStage(2);
    icons->setFocus();
    QTest::keyClick(icons, Qt::Key_Home);
    QVERIFY(w_->Page().IconFile.isEmpty());
    QVERIFY(v_->HTMLText().contains(kIconLinkStart));
    QVERIFY(v_->imgPageIcon->pixmap().isNull());
}

int main(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    TestViewStage t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_viewstage.moc"
