#include "TestSupport.h"
#include "app/AppPaths.h"
#include "docs/PageCheckup.h"
#include "docs/FileCommands.h"
#include "docs/PageFile.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "TarvoResources.h"
#include "model/WebBlocks.h"
#include "styles/StyleList.h"

#include <QDir>
#include <QAction>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

TWebChunk& Add(TPage& page, int kind) {
    auto c = std::make_unique<TWebChunk>();
    c->Kind = kind;
    c->AllocateRecord();
    page.WebChunks.push_back(std::move(c));
    return *page.WebChunks.back();
}

// A page with nothing to find: a title, a heading, a paragraph.
void GoodPage(TPage& page) {
    page.PageTitle = QStringLiteral("Our club");
    Add(page, bkHeading).Heading->HeadText = QStringLiteral("Welcome");
    Add(page, bkPara).Para->Paragraph = QStringLiteral("We meet on Fridays.");
}

QStringList Texts(const QList<TCheckFinding>& findings) {
    QStringList texts;
    for (const TCheckFinding& f : findings) texts << QStringLiteral("%1 %2").arg(f.Block).arg(f.Text);
    return texts;
}

bool SavePicture(const QString& path, int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path);
}

}  // namespace

class TestCheckup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }

    void theSendStageListsFindingsAndOneLeadsToItsBlock() {
        TTestEnv env;
        QVERIFY(env.ok());
        TPage page;
        GoodPage(page);
        Add(page, bkImage).Image->FileName = QStringLiteral("graphics\\button.gif");  // block 2, no words
        const QString doc = QDir(env.appDir()).filePath("save/club.tve");
        QVERIFY(WriteFileBytes(doc, PageFileBytes(page, QString())));
        std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->Files()->OpenDocument(doc);
        w->ShowRedPill(TfrmMain::stSend);
        QCOMPARE(w->CurrentStage(), int(TfrmMain::stSend));
        auto* findings = Child<QListWidget>(w.get(), "lstCheckup");
        QVERIFY(findings->isVisible());
        QCOMPARE(findings->count(), 1);
        QVERIFY(findings->item(0)->text().contains("\"button.gif\" has no words"));
        const QRect place = findings->visualItemRect(findings->item(0));
        QTest::mouseClick(findings->viewport(), Qt::LeftButton, {}, place.center());
        QCOMPARE(w->CurrentStage(), int(TfrmMain::stBuild));
        QCOMPARE(w->Page().CurrentIndex, 2);

        // View > Check Page... tells the same of the page as it stands.
        auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
        w->findChild<QAction*>("menViewCheckPage")->trigger();
        QCOMPARE(dialogs->lastText(),
                 QString{"Block 3: The picture \"button.gif\" has no words for visitors who cannot see it."});
    }

    void contrastFollowsTheStandardFormula() {
        QCOMPARE(qRound(ContrastRatio(0x000000, 0xFFFFFF) * 10), 210);
        QCOMPARE(ContrastRatio(0x123456, 0x123456), 1.0);
        // #777777 on white is just under 4.5:1.
        QVERIFY(ContrastRatio(0x777777, 0xFFFFFF) < kMinContrast);
        QVERIFY(ContrastRatio(0x767676, 0xFFFFFF) >= kMinContrast - 0.05);
    }

    void aSoundPageHasNoFinding() {
        TPage page;
        GoodPage(page);
        QVERIFY2(CheckPage(page, nullptr, QString()).isEmpty(), qPrintable(Texts(CheckPage(page, nullptr, {})).join('\n')));
    }

    void eachFaultIsNamedOnceWithItsBlock() {
        QTemporaryDir dir;
        const QString pageFile = dir.filePath("page.html");
        QVERIFY(SavePicture(dir.filePath("graphics/big.png"), 1600, 1200, Qt::red));
        QVERIFY(WriteFileBytes(dir.filePath("other.html"), "<HTML></HTML>"));
        TPage page;
        Add(page, bkHeading).Heading->HeadText = QStringLiteral("Top");  // 0
        TBlockImage& noWords = *Add(page, bkImage).Image;                 // 1
        noWords.FileName = QStringLiteral("graphics\\big.png");
        noWords.ImgWidth = QStringLiteral("200");
        TBlockImage& decoration = *Add(page, bkImage).Image;  // 2: decoration needs no words
        decoration.FileName = QStringLiteral("graphics\\big.png");
        decoration.Decoration = true;
        Add(page, bkHeading).Heading->HeadSize = QStringLiteral("3");  // 3: skips size 2
        TBlockLink& here = *Add(page, bkLink).Link;                   // 4
        here.LinkText = QStringLiteral("Click here!");
        here.URL = QStringLiteral("other.html#top");
        TBlockLink& empty = *Add(page, bkLink).Link;  // 5
        empty.URL = QStringLiteral("missing.html");
        empty.LinkText = QStringLiteral("  ");
        TBlockLink& outside = *Add(page, bkLink).Link;  // 6
        outside.URL = QStringLiteral("../../etc/passwd");
        outside.LinkText = QStringLiteral("Secrets");
        TBlockLink& web = *Add(page, bkLink).Link;  // 7: the web is not checked
        web.URL = QStringLiteral("https://example.org/nothing.html");
        web.LinkText = QStringLiteral("Example");

        const QStringList got = Texts(CheckPage(page, nullptr, pageFile));
        const QStringList want{
            "-1 The page has no title: give it one in the View stage.",
            "-1 The page has no description for search engines and link previews.",
            "1 The picture \"big.png\" has no words for visitors who cannot see it.",
            "1 The picture \"big.png\" is 1600 × 1200 pixels but shown much smaller: a smaller copy loads faster.",
            "3 This heading of size 3 follows one of size 1 and skips a level.",
            "4 The link \"Click here!\" does not say where it goes: use words that name its page.",
            "5 A link has no words: visitors cannot tell where it goes.",
            "5 The link to \"missing.html\" leads to a page that does not exist.",
            "6 The link to \"../../etc/passwd\" leads to a page that does not exist.",
        };
        QCOMPARE(got, want);
    }

    void coloursAreJudgedOnTheBackgroundPicture() {
        QTemporaryDir dir;
        const QString pageFile = dir.filePath("page.html");
        // A dark picture: white text reads well on it, though the colour
        // behind it is white as well.
        QVERIFY(SavePicture(dir.filePath("backgrnd/night.png"), 300, 200, QColor(10, 10, 40)));
        TPage page;
        GoodPage(page);
        TStyleChunk style{"Night", "backgrnd\\night.png", 0xFFFFFF, 0xFFFFFF, 0x202020, 0, 0};
        QCOMPARE(Texts(CheckPage(page, &style, pageFile)),
                 QStringList{"-1 The link colour is hard to read on the background (contrast 1.2:1, at least 4.5:1 is "
                             "needed)."});
        // Without the picture the colour behind is white: the text is unreadable, the link fine.
        style.BackImage.clear();
        QCOMPARE(Texts(CheckPage(page, &style, pageFile)),
                 QStringList{"-1 The text colour is hard to read on the background (contrast 1.0:1, at least 4.5:1 is "
                             "needed)."});
        // A background reaching outside the page's folder is not read.
        style.BackImage = QStringLiteral("..\\..\\night.png");
        QCOMPARE(CheckPage(page, &style, pageFile).size(), 1);
    }

    void aHeavyPageIsNamedAndEachPictureCountsOnce() {
        QTemporaryDir dir;
        const QString pageFile = dir.filePath("page.html");
        QVERIFY(WriteFileBytes(dir.filePath("a.bin"), QByteArray(1500 * 1024, 'a')));
        QVERIFY(WriteFileBytes(dir.filePath("b.bin"), QByteArray(1500 * 1024, 'b')));
        TPage page;
        GoodPage(page);
        for (int i = 0; i < 3; ++i) {
            TBlockImage& b = *Add(page, bkImage).Image;
            b.FileName = QStringLiteral("a.bin");
            b.Decoration = true;
        }
        QVERIFY(CheckPage(page, nullptr, pageFile).isEmpty());
        TBlockImage& b = *Add(page, bkImage).Image;
        b.FileName = QStringLiteral("b.bin");
        b.Decoration = true;
        QCOMPARE(Texts(CheckPage(page, nullptr, pageFile)),
                 QStringList{"-1 The page weighs 2.9 MB with its pictures: over 2 MB it loads slowly on phones."});
    }

    void theShippedTemplatesGiveNoFinding() {
        TTestEnv env;
        QVERIFY(env.ok());
        int templates = 0;
        for (const QString& folder : TemplateFolders()) {
            for (const QFileInfo& f : QDir(folder).entryInfoList({"*.tvt"}, QDir::Files)) {
                QString out, err;
                QTextStream o(&out), e(&err);
                const int rc = RunCheckCommand({"--check", f.filePath()}, o, e);
                o.flush();
                QVERIFY2(rc == 0, qPrintable(f.fileName() + ": " + out + err));
                ++templates;
            }
        }
        QVERIFY(templates >= 8);
    }

    void theCommandPrintsOneLinePerFindingAndSaysSoInItsStatus() {
        TTestEnv env;
        QTemporaryDir dir;
        TPage page;
        Add(page, bkPara).Para->Paragraph = QStringLiteral("Text");
        Add(page, bkLink).Link->URL = QStringLiteral("nowhere.html");
        const QString doc = dir.filePath("mine.tve");
        QVERIFY(WriteFileBytes(doc, PageFileBytes(page, QString())));
        QString out, err;
        QTextStream o(&out), e(&err);
        QCOMPARE(RunCheckCommand({"--check", doc}, o, e), 10);
        o.flush();
        QCOMPARE(out, QStringLiteral("The page has no title: give it one in the View stage.\n"
                                     "Block 2: A link has no words: visitors cannot tell where it goes.\n"
                                     "Block 2: The link to \"nowhere.html\" leads to a page that does not exist.\n"));
        QCOMPARE(RunCheckCommand({"--check", dir.filePath("none.tve")}, o, e), 2);
        QCOMPARE(RunCheckCommand({"--check"}, o, e), 1);
    }
};

QTEST_MAIN(TestCheckup)
#include "test_checkup.moc"
