// Site > Pages and Menu...: the dialog driven as the user drives it, on
// real pages of a real HTML folder, and a changed menu reaching every page
// that shows it, and only those, in the file and in the open page.
#include "TestSupport.h"
#include "app/AppPaths.h"
#include "app/Utils.h"
#include "app/Resources.h"
#include "app/Translations.h"
#include "app/UserDialogs.h"
#include "docs/PageFile.h"
#include "docs/PageSession.h"
#include "docs/SitePagesDialog.h"
#include "html/PageEncoding.h"
#include "html/PageGenerator.h"
#include "html/SiteMenu.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "model/WebBlocks.h"
#include "upload/SentRecord.h"
#include "upload/UploadPlan.h"
#include "upload/UploadSequence.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "TarvoResources.h"

class TestSitePages : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestEnv> env_;
    QTemporaryDir data_;

    QString Html(const QString& name) const { return JoinPath(HTMLDir(), name); }
    QString Save() const { return JoinPath(AppDir(), QStringLiteral("save")); }

    // A saved page NAME (document and HTML file) titled `title`, made as the
    // program makes it, showing the site menu when `menu` is on.
    TPage MakePage(const QString& name, const QString& title, bool menu) {
        TPage page;
        page.PageTitle = title;
        page.Language = QStringLiteral("en");
        page.ShowSiteMenu = menu;
        page.DocFileName = JoinPath(Save(), name + QStringLiteral(".tve"));
        page.InsertChunk(0, NewChunkForKind(bkPara));
        page.Chunk(0)->Para->Paragraph = QStringLiteral("About ") + title;
        [&] {
            QVERIFY(WritePageFile(page.DocFileName, page, QString(), QImage()));
            QVERIFY(WriteFileChecked(Html(name + QStringLiteral(".html")),
                                     EncodePageHTML(BuildPageHTML(page, false)).Bytes)
                        .ok);
        }();
        return page;
    }

    static QStringList Rows(QListWidget* list) {
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows << (list->item(i)->checkState() == Qt::Checked ? "+" : "-") + list->item(i)->text();
        return rows;
    }

    static QString MenuOf(const QByteArray& bytes) {
        const QString html = QString::fromUtf8(bytes);
        const qsizetype from = html.indexOf(QLatin1String("<NAV"));
        const qsizetype to = html.indexOf(QLatin1String("</NAV>"));
        return from < 0 || to < from ? QString() : html.mid(from, to - from);
    }

    // The choir's site: a home page, concerts and a page to join, all in
    // the menu; a page that was renamed away; a saved page not in the site.
    TSite MakeChoir() {
        TSite site;
        site.Folder = HTMLDir();
        site.Pages = {{QStringLiteral("index.html"), QString(), true},
                      {QStringLiteral("Concerts.html"), QStringLiteral("Dates"), true},
                      {QStringLiteral("Join us.html"), QString(), true},
                      {QStringLiteral("Old news.html"), QStringLiteral("News"), true}};
        [&] { QVERIFY(SaveSite(site).ok); }();
        MakePage(QStringLiteral("index"), QStringLiteral("Welcome & hello"), true);
        MakePage(QStringLiteral("Concerts"), QStringLiteral("Our concerts"), true);
        MakePage(QStringLiteral("Join us"), QStringLiteral("Sing with us"), true);
        MakePage(QStringLiteral("Notes"), QStringLiteral("Rehearsal notes"), false);
        return site;
    }

private slots:
    void initTestCase() { InitTarvoResources(); }
    void init() {
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        env_ = std::make_unique<TTestEnv>();
        QVERIFY(env_->ok());
        QDir(SentRecordFolder()).removeRecursively();
    }
    void cleanup() { env_.reset(); }

    // The rows show the words (the page's title by default) and the gone
    // page as missing; moves, a box unticked, words typed and a page added
    // are all forgotten on Cancel and saved on OK, the missing page kept.
    void dialogEditsTheSiteAndCancelForgets() {
        const TSite before = MakeChoir();
        const QByteArray record = ReadFileBytes(SiteRecordPath(HTMLDir()));
        auto edit = [&](TfrmSitePages& d) {
            auto* list = Child<QListWidget>(&d, "lstPages");
            QCOMPARE(Rows(list), QStringList({"+Welcome & hello", "+Dates", "+Sing with us",
                                              "+News (missing: the file Old news.html is no longer in the folder)"}));
            QCOMPARE(Child<QLineEdit>(&d, "edtWords")->placeholderText(), QString("Welcome & hello"));
            list->setCurrentRow(2);
            QTest::mouseClick(Child<QPushButton>(&d, "btnUp"), Qt::LeftButton);
            QVERIFY(Child<QPushButton>(&d, "btnUp")->isEnabled());
            list->item(0)->setCheckState(Qt::Unchecked);
            list->setCurrentRow(1);
            QCOMPARE(list->currentItem()->text(), QString("Sing with us"));
            QLineEdit* words = Child<QLineEdit>(&d, "edtWords");
            words->selectAll();
            QTest::keyClicks(words, "Join");
            auto* add = Child<QComboBox>(&d, "cboAdd");
            QCOMPARE(add->count(), 1);
            QCOMPARE(add->itemText(0), QString("Rehearsal notes (Notes.html)"));
            QTest::mouseClick(Child<QPushButton>(&d, "btnAdd"), Qt::LeftButton);
            QCOMPARE(add->count(), 0);
            QCOMPARE(Rows(list), QStringList({"-Welcome & hello", "+Join", "+Dates",
                                              "+News (missing: the file Old news.html is no longer in the folder)",
                                              "+Rehearsal notes"}));
        };
        {
            TfrmSitePages d(HTMLDir(), Save());
            edit(d);
            QTest::mouseClick(Child<QPushButton>(&d, "btnCancel"), Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Rejected));
        }
        QCOMPARE(ReadFileBytes(SiteRecordPath(HTMLDir())), record);
        {
            TfrmSitePages d(HTMLDir(), Save());
            edit(d);
            QTest::mouseClick(Child<QPushButton>(&d, "btnOK"), Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        const TSite after = LoadSite(HTMLDir());
        QStringList saved;
        for (const TSitePage& p : after.Pages) saved << (p.InMenu ? "+" : "-") + p.File + "=" + p.Words;
        QCOMPARE(saved, QStringList({"-index.html=", "+Join us.html=Join", "+Concerts.html=Dates",
                                     "+Old news.html=News", "+Notes.html="}));
        // The missing page is removed only by hand.
        TfrmSitePages d(HTMLDir(), Save());
        Child<QListWidget>(&d, "lstPages")->setCurrentRow(3);
        QTest::mouseClick(Child<QPushButton>(&d, "btnRemove"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(&d, "btnOK"), Qt::LeftButton);
        QVERIFY(!LoadSite(HTMLDir()).Find("Old news.html"));
        QCOMPARE(LoadSite(HTMLDir()).Pages.size(), size_t(4));
    }

    // A fourth page joins the menu from Site > Pages and Menu...: the pages
    // that show the menu carry it, each with itself current (one of them
    // had none yet: its page was made before the site had a menu), the
    // open page's HTML too; the page that does not show it is not written,
    // and against the record of the last send only the pages that took
    // the menu are changed.
    void changedMenuReachesEveryPageThatShowsIt() {
        TSite site;
        site.Folder = HTMLDir();
        MakePage(QStringLiteral("Join us"), QStringLiteral("Sing with us"), true);  // before the menu
        QVERIFY(!MenuOf(ReadFileBytes(Html("Join us.html"))).contains("<LI>"));
        site.Pages = {{QStringLiteral("index.html"), QString(), true},
                      {QStringLiteral("Concerts.html"), QString(), true},
                      {QStringLiteral("Join us.html"), QString(), true},
                      {QStringLiteral("Notes.html"), QStringLiteral("Notes"), false}};
        QVERIFY(SaveSite(site).ok);
        const TPage home = MakePage(QStringLiteral("index"), QStringLiteral("Welcome"), true);
        MakePage(QStringLiteral("Concerts"), QStringLiteral("Our concerts"), true);
        MakePage(QStringLiteral("Notes"), QStringLiteral("Rehearsal notes"), false);
        // A page of someone else's, in Windows-1252, carrying the menu.
        const QByteArray foreign = "<HTML><HEAD><META CHARSET=\"windows-1252\"><TITLE>Caf\xE9</TITLE></HEAD><BODY>"
                                   "<P>\xE9t\xE9</P>\r\n<NAV CLASS=\"site-menu\"><UL></UL></NAV>\r\n</BODY></HTML>";
        QVERIFY(WriteFileChecked(Html("Cafe.html"), foreign).ok);
        const QByteArray notes = ReadFileBytes(Html("Notes.html"));

        TUploadTarget target;
        target.Address = "example.com";
        target.UserName = "me";
        target.Directory = "www";
        TSentRecord sent(target);
        for (const TUploadFile& f : PlanUpload(Html("index.html")).Files)
            if (f.Refused.isEmpty()) sent.RecordSent(f);
        QVERIFY(sent.Save());

        TfrmMain* w = CreateMainWindow();
        const auto close = qScopeGuard([w] { delete w; });
        TPageSession& session = w->Session();
        session.Page.DocFileName = home.DocFileName;
        session.Page.PageTitle = home.PageTitle;
        session.Page.Language = home.Language;
        session.Page.ShowSiteMenu = true;
        session.SetHTML(session.PageHTMLText());
        QVERIFY(!session.HTML().contains("Rehearsal notes"));

        auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
        dialogs->runs << [](QDialog* d) {
            auto* list = Child<QListWidget>(d, "lstPages");
            list->item(3)->setCheckState(Qt::Checked);
            list->setCurrentRow(3);
            // Typed as a keyboard types it; QTest types ASCII only.
            Child<QLineEdit>(d, "edtWords")->selectAll();
            QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("Notes \xC3\xA0 la page"));
            QApplication::sendEvent(Child<QLineEdit>(d, "edtWords"), &typed);
            QTest::mouseClick(Child<QPushButton>(d, "btnOK"), Qt::LeftButton);
            return d->result();
        };
        QAction* item = Child<QAction>(w, "menSitePages");
        QVERIFY(w->menuBar()->actions().indexOf(Child<QMenu>(w, "mnuSite")->menuAction()) + 1 ==
                w->menuBar()->actions().indexOf(w->HelpMenu()->menuAction()));
        item->trigger();
        QCOMPARE(dialogs->unexpected, 0);
        QVERIFY(dialogs->shown.isEmpty() || dialogs->shown.last().kind != "tell");

        const QString words = QString::fromUtf8("Notes \xC3\xA0 la page");
        for (const QString file : {"index.html", "Concerts.html", "Join us.html"}) {
            const QString menu = MenuOf(ReadFileBytes(Html(file)));
            QVERIFY2(menu.contains("<A HREF=\"Notes.html\">" + words + "</A>"), qPrintable(file + ": " + menu));
            QCOMPARE(menu.count("ARIA-CURRENT"), 1);
            QVERIFY2(menu.contains(QStringLiteral("HREF=\"%1\" ARIA-CURRENT=\"page\"").arg(SiteFileName(file))),
                     qPrintable(menu));
            QVERIFY(menu.indexOf("Welcome") < menu.indexOf("Our concerts"));
        }
        QVERIFY(ReadFileBytes(Html("Join us.html")).contains(".site-menu UL"));
        QCOMPARE(ReadFileBytes(Html("Notes.html")), notes);
        // The stranger's page: its own bytes kept, the new words as references.
        const QByteArray cafe = ReadFileBytes(Html("Cafe.html"));
        QVERIFY(cafe.startsWith(foreign.left(foreign.indexOf("<NAV"))));
        QVERIFY(cafe.endsWith("</NAV>\r\n</BODY></HTML>"));
        QVERIFY2(cafe.contains("Notes &#224; la page</A>"), cafe.constData());
        QVERIFY(session.HTML().contains(words));

        std::vector<TSendState> states;
        const TSentRecord record(target);
        const TUploadPlan plan = PlanUpload(Html("index.html"), &record);
        QStringList changed, unchanged;
        for (size_t i = 0; i < plan.Files.size(); ++i)
            (plan.States[i] == TSendState::Changed ? changed : unchanged) << plan.Files[i].Remote;
        changed.sort();
        QCOMPARE(changed, QStringList({"Concerts.html", "Joinus.html", "index.html"}));
        QVERIFY(unchanged.contains("Notes.html"));
    }

    // With TARVO_SHOTS set: pictures of the dialog, the menu bar and the
    // Site menu in English and German (the texts are checked whole by
    // test_labelfit, translated by test_translation).
    void picturesOnRequest() {
        const QString shots = qEnvironmentVariable("TARVO_SHOTS");
        if (shots.isEmpty()) QSKIP("pictures only with TARVO_SHOTS");
        MakeChoir();
        for (const QString language : {"en", "de"}) {
            qputenv("LANGUAGE", language.toLatin1());
            qputenv("LC_ALL", language == "de" ? "de_DE.UTF-8" : "C.UTF-8");
            InstallTranslations(*QCoreApplication::instance());
            TfrmSitePages d(HTMLDir(), Save());
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            d.grab().save(shots + "/sitepages-" + language + ".png");
            std::unique_ptr<TfrmMain> w(CreateMainWindow());
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            auto* site = Child<QMenu>(w.get(), "mnuSite");
            site->popup(w->mapToGlobal(QPoint(0, 0)));
            QVERIFY(QTest::qWaitForWindowExposed(site));
            w->menuBar()->grab().save(shots + "/menubar-" + language + ".png");
            site->grab().save(shots + "/sitemenu-" + language + ".png");
        }
        qputenv("LANGUAGE", "en");
        qputenv("LC_ALL", "C.UTF-8");
        InstallTranslations(*QCoreApplication::instance());
    }
};

QTEST_MAIN(TestSitePages)
#include "test_sitepages.moc"
