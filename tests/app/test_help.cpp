#include "../model/BuildStageHelpers.h"
#include "app/AboutBox.h"
#include "app/AppPaths.h"
#include "app/CommandLine.h"
#include "app/HelpCalls.h"
#include "app/HelpSystem.h"
#include "app/HelpWindow.h"
#include "app/Resources.h"
#include "app/Utils.h"
#include "app/WhatsThis.h"
#include "viewer/HtmlViewer.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

#include "TarvoResources.h"

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init() { QVERIFY(s.open()); }
    void cleanup() { s.close(); }

    void rightReleaseOffersWhatsThis();
    void whatsThisFromTheHelpMenu();
    void noWhatsThisDuringADrag();
    void popupShowsFirstParagraphAndCloses();
    void styleListAsksForTheWholeTopic();
    void f1OpensTheFocusedControlsTopic();
    void helpWindowFollowsLinksAndGoesBack();
    void contextWithoutTopicOpensContents();
    void helpFromAModalWindowStaysUsable();
    void aboutBoxTriggerWord();
    void aboutBoxFromTheMenuClosesOnClick();
    void firstParagraph();
    void everyContextHasATopicAndEveryLinkResolves();
    void translatedHelpFallsBackToEnglish();

private:
    THelpSystem* help() { return s.w->Help(); }
    THelpWindow* helpWindow() { return help()->HelpWindow(); }
    QString shownFile() { return helpWindow() ? QFileInfo(helpWindow()->CurrentFile()).fileName() : QString(); }
    // A real right-button press and release on `widget`; true when the
    // "What's This?" menu popped up. The menu is closed again.
    bool rightClickPopsUp(QWidget* widget, QPoint at = QPoint(3, 3));
    TBuildStage s;
};

bool TestHelp::rightClickPopsUp(QWidget* widget, QPoint at) {
    help()->popWhatsThis->hide();
    QTest::mouseClick(widget, Qt::RightButton, Qt::NoModifier, at);
    const bool shown = help()->popWhatsThis->isVisible();
    help()->popWhatsThis->hide();
    return shown;
}

void TestHelp::rightReleaseOffersWhatsThis() {
    QVERIFY(help());
    // Every control the help tables name is there under that name.
    QCOMPARE(UnmatchedHelpNames(s.w), QStringList());
    QCOMPARE(help()->popMenWhatsThis->text(), QString("What's This?"));
    QCOMPARE(help()->popWhatsThis->actions().size(), 1);

    // A property panel's label.
    s.panels().ShowPanel(bkPara);
    QVERIFY(rightClickPopsUp(s.w->findChild<QLabel*>("lblParaPara")));
    QCOMPARE(help()->WhatsThisContext(), 50);
    // Toolbox blocks, by kind.
    QVERIFY(rightClickPopsUp(s.canvas->imgBrEmail, QPoint(40, 10)));
    QCOMPARE(help()->WhatsThisContext(), 16);
    QVERIFY(rightClickPopsUp(s.canvas->imgBrLine, QPoint(40, 10)));
    QCOMPARE(help()->WhatsThisContext(), 17);
    // The shredder.
    QVERIFY(rightClickPopsUp(s.canvas->imgShredder, QPoint(20, 10)));
    QCOMPARE(help()->WhatsThisContext(), 30);
    // The window's own pictures.
    QVERIFY(rightClickPopsUp(s.w->findChild<TPicture*>(QStringLiteral("imgExit"))));
    QCOMPARE(help()->WhatsThisContext(), 87);
    QVERIFY(rightClickPopsUp(s.w->findChild<TPicture*>(QStringLiteral("imgView"))));
    QCOMPARE(help()->WhatsThisContext(), 76);
    // An ordinary edit keeps its own right-click behaviour.
    s.panels().ShowPanel(bkLink);
    QVERIFY(!rightClickPopsUp(s.w->findChild<QWidget*>("txtLinkURL")));

    // The gallery: without a selection the list's topic; with one, its file
    // menu instead.
    s.w->ChangeState(TfrmMain::stChoose);
    auto* list = s.w->findChild<QListWidget*>("lvTemplates");
    QVERIFY(list && list->count() > 0);
    list->clearSelection();
    list->setCurrentItem(nullptr);
    list->scrollToBottom();
    const QPoint empty(3, list->viewport()->height() - 3);
    QVERIFY(!list->itemAt(empty));
    QVERIFY(rightClickPopsUp(list->viewport(), empty));
    QCOMPARE(help()->WhatsThisContext(), 20);
    QVERIFY(rightClickPopsUp(s.w->findChild<QWidget*>("imgFrontPim"), QPoint(10, 10)));
    QCOMPARE(help()->WhatsThisContext(), 71);
    const QRect first = list->visualItemRect(list->item(0));
    list->scrollToTop();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QVERIFY(list->currentItem());
    QVERIFY(!rightClickPopsUp(list->viewport(), list->visualItemRect(list->item(0)).center()));
    auto* popFiles = s.w->findChild<QMenu*>("popFiles");
    QVERIFY(popFiles && popFiles->isVisible());
    popFiles->hide();
    Q_UNUSED(first);
}

void TestHelp::whatsThisFromTheHelpMenu() {
    QAction* item = help()->mnuHelpWhatsThis;
    QVERIFY(item && s.w->findChild<QMenu*>(QStringLiteral("mnuHelp"))->actions().contains(item));
    QCOMPARE(item->text(), QString("What's &This?"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    // The next click shows the clicked control's topic instead of acting.
    item->trigger();
    QVERIFY(help()->InWhatsThisMode());
    QTest::mouseClick(s.w->findChild<TPicture*>(QStringLiteral("imgExit")), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!help()->InWhatsThisMode());
    QVERIFY(s.w->isVisible());
    QCOMPARE(help()->LastRequest().call, THelpCall::ContextPopup);
    QCOMPARE(help()->LastRequest().context, 87);
    item->trigger();
    QTest::mouseClick(s.canvas->imgBrLink, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QCOMPARE(help()->LastRequest().context, 13);
    QVERIFY(!s.canvas->DraggingBrick);
    // Escape leaves the mode; clicks act again.
    item->trigger();
    QTest::keyClick(s.w, Qt::Key_Escape);
    QVERIFY(!help()->InWhatsThisMode());
}

void TestHelp::noWhatsThisDuringADrag() {
    s.load(bkPara);
    s.load(bkLink);
    TWebBlock* row = s.canvas->CanvasRows[0];
    StartDrag(row);
    DragTo(row, 199, 40);
    QVERIFY(s.canvas->DraggingBlock);
    help()->AskWhatsThis(nullptr, 1);
    QTest::mouseRelease(row, Qt::RightButton, Qt::NoModifier, QPoint(30, 8));
    QVERIFY(!help()->popWhatsThis->isVisible());
    QCOMPARE(help()->WhatsThisContext(), 1);
    Release(row);
    // Once the drag is over, the row asks again.
    QVERIFY(rightClickPopsUp(s.canvas->CanvasRows[0], QPoint(40, 10)));
    QCOMPARE(help()->WhatsThisContext(), 11);

    TPicture* brick = s.canvas->imgBrHeading;
    StartDrag(brick);
    DragTo(brick, 150, brick->y());
    QVERIFY(s.canvas->DraggingBrick);
    QTest::mouseRelease(brick, Qt::RightButton, Qt::NoModifier, QPoint(30, 8));
    QVERIFY(!help()->popWhatsThis->isVisible());
    Release(brick);
    QTRY_VERIFY(!s.canvas->DraggingBrick);
}

void TestHelp::popupShowsFirstParagraphAndCloses() {
    s.panels().ShowPanel(bkHeading);
    QVERIFY(rightClickPopsUp(s.w->findChild<QLabel*>("lblHeadSize")));
    const int before = help()->RequestCount();
    help()->popMenWhatsThis->trigger();
    QCOMPARE(help()->RequestCount(), before + 1);
    QCOMPARE(help()->LastRequest().call, THelpCall::ContextPopup);
    QCOMPARE(help()->LastRequest().context, 44);
    THelpPopup* popup = help()->HelpPopup();
    QVERIFY(popup && popup->isVisible());
    QVERIFY(!helpWindow() || !helpWindow()->isVisible());  // a pop-up, not the window
    QVERIFY(popup->Shown().contains("1 is the largest"));
    QVERIFY(!popup->Shown().contains("<H2>"));
    QVERIFY(popup->width() < 400 && popup->height() > 16 && popup->height() < 200);
    QVERIFY(popup->ctlPopup->MaxVert() > 0);
    // A key closes it ...
    QTest::keyClick(popup, Qt::Key_A);
    QVERIFY(!popup->isVisible());
    // ... and so does a click on its text.
    ShowHelp(s.w->findChild<TPicture*>(QStringLiteral("imgExit")), THelpCall::ContextPopup, 87);
    popup = help()->HelpPopup();
    QVERIFY(popup->isVisible());
    QVERIFY(popup->Shown().contains("close Tarvo"));
    QTest::mouseClick(popup->ctlPopup->paintPanel(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!popup->isVisible());
}

void TestHelp::styleListAsksForTheWholeTopic() {
    s.w->ChangeState(TfrmMain::stView);
    auto* styles = s.w->findChild<QFrame*>(QStringLiteral("pnlView"))->findChild<QListWidget*>("lstStyles");
    QVERIFY(styles);
    QVERIFY(rightClickPopsUp(styles->viewport()));
    QCOMPARE(help()->WhatsThisContext(), 31);
    help()->popMenWhatsThis->trigger();
    QCOMPARE(help()->LastRequest().call, THelpCall::Context);
    QVERIFY(helpWindow() && helpWindow()->isVisible());
    QCOMPARE(helpWindow()->windowTitle(), QString("Tarvo Help"));
    QCOMPARE(shownFile(), QString("31.html"));
    QVERIFY(!help()->HelpPopup() || !help()->HelpPopup()->isVisible());
}

void TestHelp::f1OpensTheFocusedControlsTopic() {
    s.load(bkHeading);
    s.canvas->SelectBlock(0);
    auto* heading = s.w->findChild<QLineEdit*>("txtHeading");
    QVERIFY(heading && heading->isVisible());
    s.w->activateWindow();
    heading->setFocus();
    QTRY_VERIFY(heading->hasFocus());
    QTest::keyClick(heading, Qt::Key_F1);
    QCOMPARE(help()->LastRequest().call, THelpCall::Context);
    QCOMPARE(help()->LastRequest().context, 45);
    QVERIFY(helpWindow()->isVisible());
    QCOMPARE(shownFile(), QString("45.html"));
    QVERIFY(heading->text().isEmpty());  // the key typed nothing

    // A box without a topic of its own: its panel's topic.
    s.load(bkImage);
    s.canvas->SelectBlock(1);
    auto* imageLink = s.w->findChild<QLineEdit*>("txtImgLink");
    s.w->activateWindow();
    imageLink->setFocus();
    QTRY_VERIFY(imageLink->hasFocus());
    QTest::keyClick(imageLink, Qt::Key_F1);
    QCOMPARE(help()->LastRequest().context, 14);
    QCOMPARE(shownFile(), QString("14.html"));

    // "&Help Topics": the contents.
    s.w->findChild<QAction*>(QStringLiteral("mnuHelpTopics"))->trigger();
    QCOMPARE(help()->LastRequest().call, THelpCall::Contents);
    QCOMPARE(shownFile(), QString("index.html"));
}

void TestHelp::helpWindowFollowsLinksAndGoesBack() {
    ShowHelp(s.w, THelpCall::Contents);
    THelpWindow* hw = helpWindow();
    QVERIFY(QTest::qWaitForWindowExposed(hw));
    QCOMPARE(shownFile(), QString("index.html"));
    QVERIFY(!hw->btnBack->isEnabled());

    // Find the link to the canvas topic on the page and click it.
    THTMLViewer* v = hw->ctlHelp;
    QWidget* panel = v->paintPanel();
    const int index = v->document().findString(0, "the page and the toolbox", true);
    int x = 0, y = 0;
    QVERIFY(index >= 0 && v->document().cursorToXY(index, x, y));
    v->ScrollTo(std::max(0, y - 40));
    const QPoint target(x + 10 - v->HPosition() + 4, y - v->VPosition() + 6);
    const int contentsPos = v->VPosition();
    QTest::mouseClick(panel, Qt::LeftButton, {}, target);
    QCOMPARE(shownFile(), QString("11.html"));
    QVERIFY(hw->btnBack->isEnabled());

    QTest::mouseClick(hw->btnBack, Qt::LeftButton);
    QCOMPARE(shownFile(), QString("index.html"));
    QCOMPARE(v->VPosition(), contentsPos);  // back where the reader was
    QVERIFY(!hw->btnBack->isEnabled());
    QVERIFY(hw->btnForward->isEnabled());
    QTest::mouseClick(hw->btnForward, Qt::LeftButton);
    QCOMPARE(shownFile(), QString("11.html"));

    // A place on another page, then the contents button.
    hw->ShowFile(JoinPath(AppDir(), "Help/index.html#upload"));
    QCOMPARE(shownFile(), QString("index.html"));
    QVERIFY(v->VPosition() > 0);
    ShowHelp(s.w, THelpCall::Context, 79);
    QCOMPARE(shownFile(), QString("79.html"));
    QCOMPARE(v->VPosition(), 0);
    QTest::mouseClick(hw->btnContents, Qt::LeftButton);
    QCOMPARE(shownFile(), QString("index.html"));
    QCOMPARE(v->VPosition(), 0);
    hw->GoBack();
    QCOMPARE(shownFile(), QString("79.html"));
}

void TestHelp::contextWithoutTopicOpensContents() {
    QVERIFY(!HasHelpTopic(999));
    QVERIFY(!HasHelpTopic(0));
    ShowHelp(s.w, THelpCall::Context, 999);
    QCOMPARE(shownFile(), QString("index.html"));
    helpWindow()->hide();
    // A pop-up for it: the contents too, in the window.
    ShowHelp(s.w->findChild<TPicture*>(QStringLiteral("imgExit")), THelpCall::ContextPopup, 998);
    QVERIFY(helpWindow()->isVisible());
    QCOMPARE(shownFile(), QString("index.html"));
    QVERIFY(!help()->HelpPopup() || !help()->HelpPopup()->isVisible());

    // No help folder at all: the window says where the help belongs.
    helpWindow()->close();
    delete helpWindow();
    QVERIFY(QDir(JoinPath(AppDir(), "Help")).removeRecursively());
    ShowHelp(s.w, THelpCall::Context, 45);
    QVERIFY(helpWindow()->isVisible());
    QVERIFY(helpWindow()->CurrentFile().isEmpty());
    helpWindow()->ctlHelp->SelectAll();
    QVERIFY(helpWindow()->ctlHelp->SelectedText().contains("were not found"));
}

void TestHelp::helpFromAModalWindowStaysUsable() {
    // A wizard's Help button while the wizard runs modally.
    QDialog wizard(s.w);
    QPointer<THelpWindow> during;
    QPointer<QWidget> ownerDuring;
    QTimer::singleShot(0, &wizard, [&] {
        ShowHelp(&wizard, THelpCall::Context, 79);
        during = helpWindow();
        ownerDuring = during ? during->parentWidget() : nullptr;
        wizard.reject();
    });
    wizard.exec();
    QVERIFY(during);
    QCOMPARE(ownerDuring.data(), static_cast<QWidget*>(&wizard));
    // The wizard is gone; the help window stays, as the main window's.
    QVERIFY(helpWindow() == during);
    QCOMPARE(helpWindow()->parentWidget(), static_cast<QWidget*>(s.w));
    QVERIFY(helpWindow()->isVisible());
    QCOMPARE(shownFile(), QString("79.html"));
}

void TestHelp::aboutBoxTriggerWord() {
    TfrmAbout about(s.w);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.windowTitle(), QString("Tarvo"));
    QCOMPARE(about.size(), QSize(370, 230));
    QCOMPARE(about.lblVersion->text(), "Version " + ProgramVersion());
    QVERIFY(about.imgAbout->pixmap().size() == QSize(366, 140));
    QVERIFY(about.txtHehe->y() >= 230);
    QTRY_VERIFY(about.txtHehe->hasFocus());
    PlayedSounds().clear();

    QTest::keyClicks(about.txtHehe, "zorrrri");
    QVERIFY(about.imgVB->isHidden());
    QTest::keyClicks(about.txtHehe, "x");  // "zorrrrix": not the word
    QVERIFY(about.imgVB->isHidden());
    QCOMPARE(about.lblVersion->text(), "Version " + ProgramVersion());
    QVERIFY(PlayedSounds().isEmpty());

    about.txtHehe->clear();
    QTest::keyClicks(about.txtHehe, "zorrrrip");
    QVERIFY(about.imgVB->isVisible());
    QCOMPARE(about.imgVB->pixmap().size(), QSize(241, 184));
    QVERIFY(about.imgAbout->isHidden());
    QVERIFY(about.lblCredit->isHidden());
    QVERIFY(about.lblVersion->text().endsWith("zorrrrip!"));
    QCOMPARE(about.lblVersion->x(), 0);
    QCOMPARE(about.lblVersion->width(), about.width());
    QCOMPARE(PlayedSounds(), QStringList{"wavmate"});
}

void TestHelp::aboutBoxFromTheMenuClosesOnClick() {
    auto* dialogs = InstallScriptedDialogs();
    QString caption;
    bool closedByClick = false;
    dialogs->runs << [&](QDialog* d) {
        caption = d->windowTitle();
        d->show();
        auto* about = dynamic_cast<TfrmAbout*>(d);
        if (!about) return 0;
        // A click on the picture closes the box.
        QTest::mouseClick(about->imgAbout, Qt::LeftButton, {}, QPoint(20, 20));
        closedByClick = !about->isVisible() && about->result() == QDialog::Accepted;
        // And so does a click on the box itself.
        about->show();
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 225));
        closedByClick = closedByClick && !about->isVisible();
        return about->result();
    };
    s.w->findChild<QAction*>(QStringLiteral("menHelpAbout"))->trigger();
    QCOMPARE(caption, QString("Tarvo"));
    QVERIFY(closedByClick);
    QCOMPARE(dialogs->unexpected, 0);
}

void TestHelp::firstParagraph() {
    QCOMPARE(FirstParagraph("<H2>T</H2><p class=x>One <B>two</B></p><P>Three</P>"),
             QString("<p class=x>One <B>two</B></p>"));
    // Ends at the next block when the paragraph is not closed.
    QCOMPARE(FirstParagraph("<BODY><P>One\r\n<H3>Next</H3>"), QString("<P>One</P>"));
    QCOMPARE(FirstParagraph("<P>Last</BODY>"), QString("<P>Last</P>"));
    // <PRE> and <PARAM> are not paragraphs.
    QCOMPARE(FirstParagraph("<PRE>x</PRE><P>y"), QString("<P>y</P>"));
    QVERIFY(FirstParagraph("<H2>Only a title</H2>").isEmpty());
}

void TestHelp::everyContextHasATopicAndEveryLinkResolves() {
    // What the program asks for: the contexts of every control (its Tag and
    // its F1 context), the toolbox blocks, the wizards and the save hint.
    QSet<int> contexts{31, 79, 102};
    for (int top : {1, 23, 45, 67, 89, 111}) contexts << BrickWhatsThisContext(top);
    AssignHelpContext(s.w);
    for (QWidget* w : s.w->findChildren<QWidget*>()) {
        if (w->property("Tag").toInt() > 0) contexts << w->property("Tag").toInt();
        if (w->property("HelpContext").toInt() > 0) contexts << w->property("HelpContext").toInt();
    }
    // And the full list of the help's topics.
    for (int c : {11, 12, 13, 14, 15, 16, 17, 20, 21, 30, 31, 32, 40, 41, 44, 45, 47, 48, 50, 52, 53, 54, 55,
                  56, 57, 59, 61, 62, 63, 64, 71, 75, 76, 79, 87, 92, 93, 94, 95, 102})
        contexts << c;
    for (int c : contexts) QVERIFY2(HasHelpTopic(c), qPrintable(QString("no topic for context %1").arg(c)));

    // Every page of the English help and of each translated one
    // (Help/LANG/): its links and pictures resolve within its folder, and a
    // translated page links to the same pages and pictures as the English
    // one, of which every page is translated.
    const QString english = JoinPath(AppDir(), "Help");
    QStringList folders{english};
    for (const QString& language : QDir(english).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (language != "pictures") folders << JoinPath(english, language);
    QVERIFY2(folders.size() >= 2, "no translated help");
    static const QRegularExpression ref(R"re((HREF|SRC)\s*=\s*"([^"]*)")re", QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression name(R"re(NAME\s*=\s*"([^"]*)")re", QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QSet<QString>> englishRefs;
    for (const QString& folder : folders) {
        QHash<QString, QSet<QString>> names;
        QStringList pages;
        for (QDirIterator it(folder, {"*.html"}); it.hasNext();) {
            const QString file = it.next();
            pages << file;
            QString text;
            LoadFileText(file, text);
            for (auto m = name.globalMatch(text); m.hasNext();) names[QFileInfo(file).fileName()] << m.next().captured(1);
        }
        QVERIFY(pages.size() >= 42);
        if (folder != english)
            for (auto it = englishRefs.cbegin(); it != englishRefs.cend(); ++it)
                QVERIFY2(QFileInfo(JoinPath(folder, it.key())).isFile(),
                         qPrintable(QString("%1 is not translated in %2").arg(it.key(), folder)));
        int links = 0;
        for (const QString& file : pages) {
            QString text;
            LoadFileText(file, text);
            const QString page = QFileInfo(file).fileName();
            const QString here = folder == english ? page : QFileInfo(folder).fileName() + "/" + page;
            QVERIFY2(text.contains("<TITLE>") && (text.contains("\"index.html\"") || page == "index.html"), qPrintable(here));
            QVERIFY2(!FirstParagraph(text).isEmpty(), qPrintable(here));
            QSet<QString> refs;
            for (auto m = ref.globalMatch(text); m.hasNext();) {
                const QString url = m.next().captured(2);
                const QString where = here + ": " + url;
                QVERIFY2(!url.contains("://") && !url.contains('\\'), qPrintable(where));
                const QString target = url.section('#', 0, 0), place = url.section('#', 1);
                const QString targetFile = target.isEmpty() ? page : target;
                QVERIFY2(QFileInfo(JoinPath(folder, targetFile)).isFile(), qPrintable(where));
                if (!place.isEmpty()) QVERIFY2(names.value(targetFile).contains(place), qPrintable(where));
                refs << url;
                ++links;
            }
            if (folder == english) englishRefs[page] = refs;
            else QVERIFY2(refs == englishRefs.value(page), qPrintable(here + ": links or pictures differ from the English page"));
        }
        QVERIFY(links > 200);
    }
}

void TestHelp::translatedHelpFallsBackToEnglish() {
    // German help pages where they exist, else the English ones; links
    // between pages keep to the German help where it has the page.
    const QString english = JoinPath(AppDir(), "Help");
    const QString german = JoinPath(english, "de");
    SetHelpLanguage("de");
    QCOMPARE(QFileInfo(HelpTopicFile(31)).absolutePath(), QFileInfo(german).absoluteFilePath());
    QVERIFY(QFile::remove(JoinPath(german, "79.html")));
    QCOMPARE(QFileInfo(HelpTopicFile(79)).absolutePath(), QFileInfo(english).absoluteFilePath());
    QVERIFY(HasHelpTopic(79));
    QString popup;
    LoadFileText(HelpTopicFile(31), popup);
    QVERIFY(FirstParagraph(popup).contains("Stil"));

    ShowHelp(s.w, THelpCall::Contents);
    THelpWindow* hw = helpWindow();
    QCOMPARE(QFileInfo(hw->CurrentFile()).absolutePath(), QFileInfo(german).absoluteFilePath());
    // The German contents links to 79.html, which is only in English now;
    // the English page links back to German pages.
    THelpViewerHost links(hw);
    links.HotSpotClicked("79.html");
    QCOMPARE(hw->CurrentFile(), QFileInfo(JoinPath(english, "79.html")).absoluteFilePath());
    links.HotSpotClicked("connection.html");
    QCOMPARE(hw->CurrentFile(), QFileInfo(JoinPath(german, "connection.html")).absoluteFilePath());
    SetHelpLanguage(QString());
    QCOMPARE(QFileInfo(HelpFile()).absolutePath(), QFileInfo(english).absoluteFilePath());
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
