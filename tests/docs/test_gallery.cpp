// The Choose stage's gallery driven through the real main window, and the
// templates, styles and pictures the build ships.

#include "app/HelpSystem.h"
#include "TestSupport.h"
#include "app/AppPaths.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Settings.h"
#include "main/Startup.h"
#include "app/HelpCalls.h"
#include "app/WhatsThis.h"
#include "docs/Gallery.h"
#include "docs/PageFile.h"
#include "styles/StyleList.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QtTest>
#include <memory>

void InitTarvoResources();

class TestGallery : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void listsTemplatesThenSavedPages();
    void missingFoldersGiveFewerEntries();
    void previewShowsSnapshotOrKeepsWhatItShowed();
    void doubleClickAsksAboutUnsavedChanges();
    void templateStaysUntitledSavedPageBecomesDocument();
    void rightReleaseOffersMenuOrWhatsThis();
    void deleteAsksAndLeavesTheOpenPageAlone();
    void renameMovesSnapshotAndRefusesHarm();
    void leavingChooseOpensTheSelectedEntry();
    void newIgnoresTheSelectedEntry();
    void shippedTemplatesReadBackClean();

private:
    QString savePath(const QString& name) const { return QDir(env_->appDir()).filePath("save/" + name); }
    // A saved page with one heading; `snapshot` false leaves no .bmp beside it.
    void writePage(const QString& path, const QString& heading, bool snapshot = true);
    QListWidgetItem* entry(const QString& caption) const;
    void click(QListWidgetItem* item, Qt::MouseButton button = Qt::LeftButton);
    void doubleClick(QListWidgetItem* item);
    // Runs a rename of `item`; `edit` acts on the in-place editor.
    void rename(QListWidgetItem* item, const std::function<void(QLineEdit*)>& edit);

    std::unique_ptr<TTestEnv> env_;
    TScriptedDialogs* dialogs_ = nullptr;
    TfrmMain* w_ = nullptr;
    TGallery* g_ = nullptr;
};

void TestGallery::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    dialogs_ = static_cast<TScriptedDialogs*>(&Dialogs());
    {
        TTarvoReg reg;
        // The save hint would be one more dialog in every Save As.
        reg.OpenSection(QString::fromLatin1(SettingKeys::General), true);
        reg.WriteString(QString::fromLatin1(SettingKeys::SaveInfo), QStringLiteral("No"));
    }
    writePage(savePath("my page.tve"), "Mine");
    w_ = CreateMainWindow();
    g_ = w_->findChild<TGallery*>();
    QVERIFY(g_);
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
}

void TestGallery::cleanup() {
    delete w_;
    w_ = nullptr;
    env_.reset();
}

void TestGallery::writePage(const QString& path, const QString& heading, bool snapshot) {
    TPage page;
    auto chunk = NewChunkForKind(bkHeading);
    chunk->Heading->HeadText = heading;
    page.InsertChunk(0, std::move(chunk));
    QVERIFY(WritePageFile(path, page, kNoStyleName, QImage()));
    if (!snapshot) QVERIFY(QFile::remove(SnapshotPath(path)));
}

QListWidgetItem* TestGallery::entry(const QString& caption) const {
    const auto found = g_->lvTemplates->findItems(caption, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.constFirst();
}

void TestGallery::click(QListWidgetItem* item, Qt::MouseButton button) {
    QVERIFY(item);
    g_->lvTemplates->scrollToItem(item);
    const QPoint at = g_->lvTemplates->visualItemRect(item).center();
    QTest::mouseClick(g_->lvTemplates->viewport(), button, {}, at);
}

void TestGallery::doubleClick(QListWidgetItem* item) {
    QVERIFY(item);
    g_->lvTemplates->scrollToItem(item);
    const QPoint at = g_->lvTemplates->visualItemRect(item).center();
    QTest::mouseClick(g_->lvTemplates->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(g_->lvTemplates->viewport(), Qt::LeftButton, {}, at);
}

void TestGallery::rename(QListWidgetItem* item, const std::function<void(QLineEdit*)>& edit) {
    click(item);
    bool edited = false;
    QTimer::singleShot(0, this, [&] {
        QVERIFY(g_->RenamingEntry);
        auto* editor = g_->lvTemplates->viewport()->findChild<QLineEdit*>();
        if (!editor) editor = g_->lvTemplates->findChild<QLineEdit*>();
        QVERIFY(editor);
        edit(editor);
        edited = true;
    });
    g_->Rename1->trigger();
    QVERIFY(edited);
    QVERIFY(!g_->RenamingEntry);
}

void TestGallery::listsTemplatesThenSavedPages() {
    writePage(savePath("b.tve"), "B");
    QFile(savePath("notes.txt")).open(QIODevice::WriteOnly);
    w_->ShowRedPill(TfrmMain::stChoose);

    const QStringList templates = QDir(QDir(env_->appDir()).filePath("template")).entryList({"*.tvt"}, QDir::Files);
    QListWidget* lv = g_->lvTemplates;
    QCOMPARE(lv->count(), templates.size() + 2);
    for (int i = 0; i < lv->count(); ++i) {
        const bool saved = i >= templates.size();
        QCOMPARE(lv->item(i)->data(TGallery::kIconRole).toInt(), saved ? 1 : 0);
        QCOMPARE(lv->item(i)->icon().cacheKey(), g_->ilstTemplates[saved ? 1 : 0].cacheKey());
    }
    QListWidgetItem* mine = entry("my page");
    QVERIFY(mine);
    QCOMPARE(TGallery::EntryPath(mine), QDir::toNativeSeparators(savePath("my page.tve")));
    QVERIFY(TGallery::IsSavedPage(mine));
    QVERIFY(!entry("notes"));
    QVERIFY(lv->selectedItems().isEmpty());
    // The process is left in the save folder.
    QCOMPARE(QDir::current().canonicalPath(), QDir(savePath("")).canonicalPath());
}

void TestGallery::missingFoldersGiveFewerEntries() {
    QVERIFY(QDir(QDir(env_->appDir()).filePath("template")).removeRecursively());
    g_->GetTemplates();
    QCOMPARE(g_->lvTemplates->count(), 1);
    QVERIFY(QDir(savePath("")).removeRecursively());
    g_->GetTemplates();
    QCOMPARE(g_->lvTemplates->count(), 0);
}

void TestGallery::previewShowsSnapshotOrKeepsWhatItShowed() {
    writePage(savePath("bare.tve"), "No picture", false);
    QFile junk(savePath("junk.tve"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a page at all");
    junk.close();
    QVERIFY(QFile::copy(SnapshotPath(savePath("my page.tve")), SnapshotPath(savePath("junk.tve"))));
    w_->ShowRedPill(TfrmMain::stChoose);
    QVERIFY(g_->imgFrontPim->isVisible());
    QVERIFY(!g_->imgPreView->isVisible());

    click(entry("my page"));
    QVERIFY(g_->imgPreView->isVisible());
    QVERIFY(!g_->imgFrontPim->isVisible());
    QCOMPARE(g_->imgPreView->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             ReadThumbnail(savePath("my page.tve")).convertToFormat(QImage::Format_RGB32));
    const qint64 shown = g_->imgPreView->pixmap().cacheKey();

    // Without a snapshot, or with a snapshot beside a file that is no page,
    // the box keeps the last picture.
    click(entry("bare"));
    QCOMPARE(g_->imgPreView->pixmap().cacheKey(), shown);
    click(entry("junk"));
    QCOMPARE(g_->imgPreView->pixmap().cacheKey(), shown);
    QVERIFY(g_->imgPreView->isVisible());

    w_->ShowRedPill(TfrmMain::stChoose);
    QVERIFY(g_->imgFrontPim->isVisible());
    QVERIFY(!g_->imgPreView->isVisible());
}

void TestGallery::doubleClickAsksAboutUnsavedChanges() {
    const QString question = QStringLiteral("Do you want to save the changes to your Tarvo File?");
    auto change = [this] {
        w_->Page().InsertChunk(0, NewChunkForKind(bkPara));
        w_->Page().PageChanged = true;
    };
    change();
    // Cancel keeps the page and stays in Choose.
    dialogs_->answers = {QMessageBox::Cancel};
    doubleClick(entry("Shop"));
    QCOMPARE(dialogs_->texts(), QStringList{question});
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stChoose));
    QCOMPARE(w_->Page().Count(), 1);
    QVERIFY(w_->Page().PageChanged);
    QVERIFY(!w_->Page().FillingPanel);
    QVERIFY(!w_->Page().LoadingDocument);

    // No discards the changes and opens the template.
    dialogs_->shown.clear();
    dialogs_->answers = {QMessageBox::No};
    doubleClick(entry("Shop"));
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stBuild));
    QVERIFY(w_->Page().Count() > 1);
    QCOMPARE(w_->Page().Chunk(0)->Heading->HeadText, QStringLiteral("The Corner Shop"));
    QVERIFY(!w_->Page().PageChanged);

    // Yes saves first (Save As), then opens.
    w_->ShowRedPill(TfrmMain::stChoose);
    change();
    dialogs_->shown.clear();
    dialogs_->answers = {QMessageBox::Yes};
    dialogs_->fileNames = {savePath("kept.tve")};
    doubleClick(entry("Family"));
    QVERIFY(QFile::exists(savePath("kept.tve")));
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stBuild));
    QCOMPARE(w_->Page().Chunk(0)->Heading->HeadText, QStringLiteral("Welcome to the Miller Family Page"));
    QCOMPARE(dialogs_->unexpected, 0);

    // Yes, then a cancelled Save As: the open stops and the page is kept.
    w_->ShowRedPill(TfrmMain::stChoose);
    change();
    const int blocks = w_->Page().Count();
    dialogs_->answers = {QMessageBox::Yes};
    dialogs_->fileNames = {QString()};
    doubleClick(entry("CV"));
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stChoose));
    QVERIFY(w_->Page().PageChanged);
    QCOMPARE(w_->Page().Count(), blocks);
}

void TestGallery::templateStaysUntitledSavedPageBecomesDocument() {
    doubleClick(entry("CV"));
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stBuild));
    QVERIFY(w_->Page().DocFileName.isEmpty());
    QVERIFY(w_->windowTitle().endsWith(QStringLiteral(" - Untitled")));

    w_->ShowRedPill(TfrmMain::stChoose);
    doubleClick(entry("my page"));
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stBuild));
    QCOMPARE(w_->Page().DocFileName, QDir::toNativeSeparators(savePath("my page.tve")));
    QCOMPARE(w_->windowTitle(), QStringLiteral("Tarvo - my page.tve"));
    QCOMPARE(w_->Page().Chunk(0)->Heading->HeadText, QStringLiteral("Mine"));
    QCOMPARE(dialogs_->unexpected, 0);
}

void TestGallery::rightReleaseOffersMenuOrWhatsThis() {
    // Nothing selected: the list's help topic.
    w_->Help()->AskWhatsThis(nullptr, 0);
    const QRect empty(0, g_->lvTemplates->viewport()->height() - 4, 4, 4);
    g_->lvTemplates->scrollToBottom();
    QTest::mouseRelease(g_->lvTemplates->viewport(), Qt::RightButton, {}, empty.center());
    QCOMPARE(w_->Help()->WhatsThisContext(), 20);
    QVERIFY(!g_->popFiles->isVisible());

    click(entry("my page"), Qt::RightButton);
    QVERIFY(g_->popFiles->isVisible());
    QStringList items;
    for (QAction* a : g_->popFiles->actions()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(items, (QStringList{"&Delete", "Re&name", "-", "What's This?"}));
    g_->popFiles->hide();
    // The entry menu's own "What's This?" shows the list's pop-up topic.
    const int requests = w_->Help()->RequestCount();
    g_->WhatsThis1->trigger();
    QCOMPARE(w_->Help()->RequestCount(), requests + 1);
    QCOMPARE(w_->Help()->LastRequest().call, THelpCall::ContextPopup);
    QCOMPARE(w_->Help()->LastRequest().context, 20);
}

void TestGallery::deleteAsksAndLeavesTheOpenPageAlone() {
    doubleClick(entry("my page"));
    const QString doc = w_->Page().DocFileName;
    w_->ShowRedPill(TfrmMain::stChoose);
    click(entry("my page"));

    dialogs_->answers = {QMessageBox::No};
    g_->Delete1->trigger();
    QCOMPARE(dialogs_->lastText(), QStringLiteral("Are you sure you want to delete the Tarvo file \"my page\"?"));
    QVERIFY(QFile::exists(savePath("my page.tve")));

    dialogs_->answers = {QMessageBox::Yes};
    g_->Delete1->trigger();
    QVERIFY(!QFile::exists(savePath("my page.tve")));
    QVERIFY(!QFile::exists(savePath("my page.tve.bmp")));
    QVERIFY(!entry("my page"));
    QCOMPARE(w_->Page().DocFileName, doc);
    QCOMPARE(w_->Page().Count(), 1);
    QCOMPARE(w_->Page().Chunk(0)->Heading->HeadText, QStringLiteral("Mine"));
}

void TestGallery::renameMovesSnapshotAndRefusesHarm() {
    writePage(savePath("a.tve"), "A");
    writePage(savePath("taken.tve"), "Taken", false);
    g_->GetTemplates();
    auto bytes = [this](const QString& name) {
        QFile f(savePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray a = bytes("a.tve");

    // The same text, and a cancelled edit, leave everything as it was.
    rename(entry("a"), [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Return); });
    rename(entry("a"), [](QLineEdit* e) {
        e->setText(QStringLiteral("zzz"));
        QTest::keyClick(e, Qt::Key_Escape);
    });
    QVERIFY(QFile::exists(savePath("a.tve")));
    QVERIFY(!QFile::exists(savePath("zzz.tve")));
    QVERIFY(entry("a"));

    rename(entry("a"), [](QLineEdit* e) {
        e->setText(QStringLiteral("b"));
        QTest::keyClick(e, Qt::Key_Return);
    });
    QVERIFY(!QFile::exists(savePath("a.tve")));
    QVERIFY(!QFile::exists(savePath("a.tve.bmp")));
    QCOMPARE(bytes("b.tve"), a);
    QVERIFY(QFile::exists(savePath("b.tve.bmp")));
    QVERIFY(entry("b"));
    QVERIFY(!entry("a"));

    // Onto an existing page: nothing moves, and the snapshot stays with its own page.
    const QByteArray taken = bytes("taken.tve");
    rename(entry("b"), [](QLineEdit* e) {
        e->setText(QStringLiteral("taken"));
        QTest::keyClick(e, Qt::Key_Return);
    });
    QCOMPARE(bytes("taken.tve"), taken);
    QVERIFY(!QFile::exists(savePath("taken.tve.bmp")));
    QCOMPARE(bytes("b.tve"), a);
    QVERIFY(QFile::exists(savePath("b.tve.bmp")));

    // A name with a folder in it does not move the page out of the gallery.
    rename(entry("b"), [](QLineEdit* e) {
        e->setText(QStringLiteral("../out"));
        QTest::keyClick(e, Qt::Key_Return);
    });
    QVERIFY(QFile::exists(savePath("b.tve")));
    QVERIFY(!QFile::exists(QDir(env_->appDir()).filePath("out.tve")));
}

void TestGallery::leavingChooseOpensTheSelectedEntry() {
    click(entry("my page"));
    w_->ShowRedPill(TfrmMain::stView);
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stView));
    QCOMPARE(w_->Page().DocFileName, QDir::toNativeSeparators(savePath("my page.tve")));

    // Through the toolbar, with a template selected, to Build.
    w_->ShowRedPill(TfrmMain::stChoose);
    click(entry("Invitation"));
    QTest::mouseClick(w_->findChild<TPicture*>(QStringLiteral("picToolbar")), Qt::LeftButton, {}, QPoint(200, 50));
    QTRY_COMPARE(w_->CurrentStage(), int(TfrmMain::stBuild));
    QVERIFY(w_->Page().DocFileName.isEmpty());
    QCOMPARE(w_->Page().Chunk(0)->Heading->HeadText, QStringLiteral("You're Invited!"));
    QCOMPARE(dialogs_->unexpected, 0);
}

void TestGallery::newIgnoresTheSelectedEntry() {
    // The user's own switch opens the selected entry, and only once.
    int opened = 0;
    const auto open = w_->Hooks().OpenGalleryEntry;
    w_->Hooks().OpenGalleryEntry.replace([&] {
        ++opened;
        open();
    });
    click(entry("Invitation"));
    QTest::mouseClick(w_->findChild<TPicture*>(QStringLiteral("picToolbar")), Qt::LeftButton, {}, QPoint(200, 50));
    QTRY_COMPARE(w_->CurrentStage(), int(TfrmMain::stBuild));
    QCOMPARE(opened, 1);
    // File > New in the Choose stage with an entry selected: an empty page.
    w_->ShowRedPill(TfrmMain::stChoose);
    click(entry("Invitation"));
    w_->findChild<QAction*>(QStringLiteral("mnuFileNew"))->trigger();
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stBuild));
    QCOMPARE(opened, 1);
    QCOMPARE(w_->Page().Count(), 0);
    QCOMPARE(w_->windowTitle(), QStringLiteral("Tarvo - Untitled"));
    QCOMPARE(dialogs_->unexpected, 0);
}

void TestGallery::shippedTemplatesReadBackClean() {
    const QDir bin(qEnvironmentVariable("TARVO_BIN_DIR"));
    TStyleList styles;
    QVERIFY(LoadStyleList(bin.filePath("Styles.data"), styles));
    QVERIFY(styles.size() >= 8);
    QSet<QString> styleNames;
    for (const auto& s : styles) {
        styleNames << s->StyleName;
        if (!s->BackImage.isEmpty())
            QVERIFY2(!QImage(bin.filePath("HTMLFiles/" + QString(s->BackImage).replace('\\', '/'))).isNull(),
                     qPrintable(s->BackImage));
    }
    // The pages' pictures are drawn at twice the size the pages show them
    // at (sharp on a screen of two device pixels per pixel).
    QCOMPARE(QImage(bin.filePath("HTMLFiles/graphics/button.gif")).size(), QSize(2 * 88, 2 * 31));

    const QFileInfoList templates = QDir(bin.filePath("template")).entryInfoList({"*.tvt"}, QDir::Files);
    QVERIFY(templates.size() >= 8);
    for (const QFileInfo& file : templates) {
        TPage page;
        const TPageReadOutcome out = ReadPageFile(file.filePath(), page);
        QVERIFY2(out.Result == TPageReadResult::Ok, qPrintable(file.fileName()));
        QVERIFY2(out.HasStyleName && styleNames.contains(out.StyleName), qPrintable(file.fileName()));
        QVERIFY(!page.PageTitle.isEmpty());
        QSet<int> kinds;
        for (const auto& chunk : page.WebChunks) {
            kinds << chunk->Kind;
            if (chunk->Kind == bkImage) {
                const QString image = bin.filePath("HTMLFiles/" + QString(chunk->Image->FileName).replace('\\', '/'));
                const QImage picture(image);
                QVERIFY2(!picture.isNull(), qPrintable(file.fileName() + ": " + chunk->Image->FileName));
                QCOMPARE(picture.size(), 2 * QSize(chunk->Image->ImgWidth.toInt(), chunk->Image->ImgHeight.toInt()));
            }
        }
        QVERIFY2(kinds.size() >= 4, qPrintable(file.fileName()));
        QCOMPARE(ReadThumbnail(file.filePath()).size(), QSize(kSnapshotWidth, kSnapshotHeight));
    }
}

QTEST_MAIN(TestGallery)
#include "test_gallery.moc"
