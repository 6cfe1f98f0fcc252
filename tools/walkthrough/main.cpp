// Walks through sending a page as a new user does, in a real main window,
// and saves a picture of what the user sees at each step, for a person to
// look at:
//
//   xvfb-run -a build/tests/tarvo_walkthrough FOLDER (dav|git|site) [LANGUAGE]
//
// It starts a local server of that kind (Apache with WebDAV over HTTPS and
// a web server that shows its folder to visitors, or a Git repository
// behind Apache over HTTPS), opens a saved page on the Send stage, adds the
// server with the server wizard from the Send stage's button (its Test
// included, and the trust question where the server's certificate is not
// known), sends the page by clicking it, and ends on the Sent stage.
//
// dav: before sending, the checkup names a picture whose words were taken
// away and the pale links of a style made with the style wizard, and the
// user mends both; after it, two more versions of the page
// are sent, Send > History... puts the first publish back, and a browser
// pictures the page from the web each time.
// git: the site of four pages below is published, then one picture is
// changed and published again; both publishes are timed.
// site: four pages are made first and put in the site's menu with
// Site > Pages and Menu...; the home page is sent once to the root of the
// web server, and each page (and the 404 page) is pictured from the web at
// 390 and 1280 pixels; with TARVO_WALK_RATE set, tools/page-quality.sh
// rates them there.
//
// It works on a fresh copy of the built program folder with empty
// settings, as the test suites do; the files that reached the server and
// what the program said are printed at the end.
#include "DavTestServer.h"
#include "GitTestServer.h"
#include "TarvoResources.h"
#include "TestCertificates.h"
#include "TestSupport.h"
#include "WebTestServer.h"
#include "app/Application.h"
#include "app/Translations.h"
#include "docs/FileCommands.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "model/BuildCanvas.h"
#include "model/WebBlock.h"
#include "model/WebBlocks.h"
#include "upload/ServerWizard.h"
#include "upload/UploadWindow.h"
#include "upload/transfer/GitModule.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

QString g_dir;
int g_shot = 0;

// What the user sees: every window drawn where it stands on the screen,
// the dialogs over the main window.
void Shot(const QString& name) {
    QTest::qWait(150);
    QRect area;
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::ToolTip || w->windowType() == Qt::Desktop) continue;
        shown << w;
        area |= w->frameGeometry();
    }
    // The main window first, then the dialogs.
    std::stable_sort(shown.begin(), shown.end(),
                     [](QWidget* a, QWidget* b) { return !a->parentWidget() && b->parentWidget(); });
    QImage canvas(area.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    canvas.fill(Qt::darkGray);
    QPainter p(&canvas);
    for (QWidget* w : shown) p.drawPixmap(w->geometry().topLeft() - area.topLeft(), w->grab());
    p.end();
    const QString file = QDir(g_dir).filePath(QString("%1-%2.png").arg(++g_shot, 2, 10, QChar('0')).arg(name));
    if (!canvas.save(file)) std::fprintf(stderr, "tarvo_walkthrough: could not save %s\n", qPrintable(file));
}

void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    QTest::qWait(100);
}

void Type(QWidget* root, const char* name, const QString& text) {
    auto* e = Child<QLineEdit>(root, name);
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, text, Qt::NoModifier, 15);
}

struct TServerChoice {
    QString address, login, password, directory, webAddress;
    TSecurity kind = TSecurity::WebDAVS;
};

// The server wizard as the user fills it in, from its first page to Finish.
int RunWizard(QDialog* d, const TServerChoice& server) {
    auto* w = qobject_cast<TfrmServerWizard*>(d);
    if (!w) return -1;
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    w->show();
    (void)QTest::qWaitForWindowExposed(w);
    Shot("wizard-start");
    Click(Child<QPushButton>(w, "butNext"));
    Type(w, "txtName", "My pages");
    Type(w, "txtAddress", server.address);
    Type(w, "txtLogin", server.login);
    Type(w, "txtPassword", server.password);
    auto* kind = Child<QComboBox>(w, "cmbConnection");
    if (kind->currentIndex() != int(server.kind)) kind->setCurrentIndex(int(server.kind));
    Shot("wizard-details");
    Click(Child<QPushButton>(w, "butAdvanced"));
    if (!server.directory.isNull()) {
        Type(w, "txtDirectory", server.directory);
        if (server.directory.isEmpty()) QTest::keyClick(Child<QLineEdit>(w, "txtDirectory"), Qt::Key_Delete);
    }
    if (!server.webAddress.isNull()) Type(w, "txtURL", server.webAddress);
    Shot("wizard-advanced");
    dialogs->answers << QMessageBox::Yes;  // make the folder when it is missing
    Click(Child<QPushButton>(w, "btnTest"));
    (void)QTest::qWaitFor([w] { return !w->TestRunning(); }, 60000);
    Shot("wizard-tested");
    dialogs->answers << QMessageBox::Yes;  // save the list
    Click(Child<QPushButton>(w, "butFinish"));
    return w->result();
}

// Pages and Menu...: every saved page added, the home page moved to the
// top, and the menu saved.
int RunSitePages(QDialog* d) {
    d->show();
    (void)QTest::qWaitForWindowExposed(d);
    Shot("site-pages-empty");
    auto* add = Child<QComboBox>(d, "cboAdd");
    while (add->count() > 0 && add->isEnabled()) {
        add->setCurrentIndex(0);
        Click(Child<QPushButton>(d, "btnAdd"));
    }
    auto* list = Child<QListWidget>(d, "lstPages");
    for (int row = 0; row < list->count(); ++row) {
        if (!list->item(row)->text().startsWith("Home")) continue;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        for (int up = row; up > 0; --up) Click(Child<QPushButton>(d, "btnUp"));
        break;
    }
    Shot("site-pages-ordered");
    Click(Child<QPushButton>(d, "btnOK"));
    return d->result();
}

// Four pages made from a template, each with its own title and the site
// menu shown, saved; then the site's menu made. Returns the home page's
// document.
QString MakeSite(TfrmMain& w, const QString& appDir) {
    const QStringList names{"about", "concerts", "contact", "index"};
    const QStringList titles{"About us", "Concerts", "Contact", "Home"};
    for (int i = 0; i < names.size(); ++i) {
        const QString doc = appDir + "/save/" + names[i] + ".tve";
        QFile::copy(appDir + "/template/Family.tvt", doc);
        w.Files()->OpenDocument(doc);
        w.ShowRedPill(TfrmMain::stView);
        Type(&w, "txtTitle", titles[i]);
        auto* options = Child<QWidget>(&w, "tabPageOptions");
        for (QWidget* p = options->parentWidget(); p; p = p->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
                tabs->setCurrentWidget(options);
                break;
            }
        // What the checkup asks of a page for its visitors: its language,
        // a description, a layout that reads well and fits a phone.
        auto* language = Child<QComboBox>(&w, "cmbPageLanguage");
        language->setCurrentIndex(language->findText("English", Qt::MatchStartsWith));
        Type(&w, "txtPageDescription", "The Millers: " + titles[i].toLower() + ", news and pictures of our family.");
        for (const char* box : {"chkReadableLayout", "chkFitPhone", "chkSiteMenu"}) {
            auto* check = Child<QCheckBox>(&w, box);
            if (!check->isChecked()) QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        }
        QTest::qWait(100);
        if (i == 0) Shot("page-options");
        w.findChild<QAction*>("menFileSave")->trigger();
        QTest::qWait(200);
    }
    w.findChild<QAction*>("menSitePages")->trigger();
    QTest::qWait(300);
    w.ShowRedPill(TfrmMain::stView);
    Shot("home-with-menu");
    return appDir + "/save/index.tve";
}

// The style wizard from the View stage: a new style whose links are pale
// on a pale background (the colour dialogs answered as the user picks).
int RunStyleWizard(QDialog* d) {
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    d->show();
    (void)QTest::qWaitForWindowExposed(d);
    Click(Child<QPushButton>(d, "btnNext"));
    Type(d, "txtStyleName", "Pale links");
    dialogs->colors = {QColor(0xFF, 0xFF, 0xF0), QColor(0x1A, 0x1A, 0x1A), QColor(0xE0, 0xE0, 0xA0)};
    for (const char* panel : {"pnlBack", "pnlDoc", "pnlStandard"}) Click(Child<QWidget>(d, panel));
    Shot("style-wizard-pale-links");
    dialogs->answers << QMessageBox::Yes;  // save the style list
    Click(Child<QPushButton>(d, "btnFinish"));
    return d->result();
}

// Chooses the style of that name in the View stage's list, as a click.
void ChooseStyle(TfrmMain& w, const QString& name) {
    w.ShowRedPill(TfrmMain::stView);
    auto* styles = Child<QListWidget>(w.StagePanel(TfrmMain::stView), "lstStyles");
    const QList<QListWidgetItem*> found = styles->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) return;
    styles->scrollToItem(found.first());
    QTest::mouseClick(styles->viewport(), Qt::LeftButton, {}, styles->visualItemRect(found.first()).center());
    QTest::qWait(200);
}

// The checkup before sending: a style with pale links made and chosen and
// the picture's words taken away; the Send stage's list names both, a
// click on the picture's finding leads to its block, its words are given
// back, another style is chosen, and nothing is left to name.
bool CheckupMended(TfrmMain& w) {
    w.ShowRedPill(TfrmMain::stView);
    const QString styleBefore = Child<QListWidget>(w.StagePanel(TfrmMain::stView), "lstStyles")->currentItem()->text();
    Click(Child<QPushButton>(w.StagePanel(TfrmMain::stView), "btnEditStyle"));
    ChooseStyle(w, "Pale links");
    Shot("view-pale-links");
    w.ShowRedPill(TfrmMain::stBuild);
    auto* canvas = w.findChild<TBuildCanvas*>("BuildCanvas");
    TWebBlock* picture = nullptr;
    for (TWebBlock* row : canvas->CanvasRows)
        if (const TWebChunk* c = w.Page().Chunk(row->ChunkIndex); c && c->Image) picture = row;
    if (!picture) return false;
    Click(picture);
    auto* words = Child<QLineEdit>(&w, "txtImgDesc");
    const QString given = words->text();
    words->setFocus();
    words->selectAll();
    QTest::keyClick(words, Qt::Key_Delete);
    Shot("build-picture-without-words");
    w.ShowRedPill(TfrmMain::stSend);
    auto* findings = Child<QListWidget>(&w, "lstCheckup");
    Shot("send-checkup-findings");
    for (int i = 0; i < findings->count(); ++i) std::printf("checkup: %s\n", qPrintable(findings->item(i)->text()));
    QListWidgetItem* toPicture = nullptr;
    for (int i = 0; i < findings->count(); ++i)
        if (findings->item(i)->text().contains("house.png")) toPicture = findings->item(i);
    if (findings->count() < 2 || !toPicture) return false;
    QTest::mouseClick(findings->viewport(), Qt::LeftButton, {}, findings->visualItemRect(toPicture).center());
    QTest::qWait(200);
    Shot("build-led-to-the-picture");
    Type(&w, "txtImgDesc", given.isEmpty() ? "Our yellow house" : given);
    ChooseStyle(w, styleBefore);
    w.ShowRedPill(TfrmMain::stSend);
    Shot("send-checkup-mended");
    std::printf("checkup after mending: %d findings\n", int(findings->count()));
    return !findings->isVisible() || findings->count() == 0;
}

// Entering the Send stage with changes not saved: the user reads the
// question and saves.
int RunSaveBeforeSend(QDialog* d) {
    auto* box = qobject_cast<QMessageBox*>(d);
    if (!box) return -1;
    QTimer::singleShot(0, box, [box] {
        (void)QTest::qWaitForWindowExposed(box);
        Shot("save-before-send");
        box->button(QMessageBox::Save)->click();
    });
    return box->exec();
}

// A certificate the system does not know: the user reads the question and
// trusts the server (a test server's certificate is its own).
int RunTrust(QDialog* d) {
    auto* box = qobject_cast<QMessageBox*>(d);
    if (!box) return -1;
    QTimer::singleShot(0, box, [box] {
        (void)QTest::qWaitForWindowExposed(box);
        Shot("trust-question");
        Child<QPushButton>(box, "btnTrust")->click();
    });
    return box->exec();
}

// The upload window: it starts on its own and closes itself when done.
int RunUpload(QDialog* d) {
    QTimer::singleShot(30, d, [] { Shot("uploading"); });
    QElapsedTimer clock;
    clock.start();
    const int result = d->exec();
    std::printf("upload window open %lld ms (a picture taken in it)\n", clock.elapsed());
    return result;
}

int RunJoy(QDialog* d) {
    auto* joy = qobject_cast<TfrmJoy*>(d);
    if (!joy) return -1;
    joy->show();
    (void)QTest::qWaitForWindowExposed(joy);
    Shot("joy");
    Click(Child<QPushButton>(joy, "butOK"));
    return joy->result();
}

// Send > History...: the oldest publish chosen and put back.
int RunHistory(QDialog* d) {
    d->show();
    (void)QTest::qWaitForWindowExposed(d);
    Shot("history");
    auto* list = Child<QListWidget>(d, "lstPublishes");
    QTest::qWait(500);
    const QRect oldest = list->visualItemRect(list->item(list->count() - 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, oldest.center());
    QTest::qWait(300);
    Shot("history-oldest-chosen");
    Click(Child<QPushButton>(d, "btnPutBack"));
    Shot("history-put-back");
    Click(Child<QPushButton>(d, "btnClose"));
    return QDialog::Accepted;
}

// The TITLE of a page's bytes.
QString TitleOf(const QByteArray& html) {
    const qsizetype open = html.indexOf("<TITLE>"), close = html.indexOf("</TITLE>");
    return open < 0 || close < open ? QString() : QString::fromUtf8(html.mid(open + 7, close - open - 7));
}

// A picture of the page as a browser shows it from the web.
void BrowserShot(const QString& address, const QString& name, int width = 1000) {
    const QString file = QDir(g_dir).filePath(QString("%1-%2.png").arg(++g_shot, 2, 10, QChar('0')).arg(name));
    QProcess::execute("chromium", {"--headless", "--no-sandbox", "--disable-gpu", "--ignore-certificate-errors",
                                   "--hide-scrollbars", QString("--window-size=%1,800").arg(width), "--screenshot=" + file, address});
}

bool Walk(const QString& kindName, const QString& language) {
    TCertificates certs;
    if (!certs.ok()) return false;
    // The test authority signed the servers' certificates.
    qputenv("SSL_CERT_FILE", certs.Path("ca.pem").toLocal8Bit());
    std::unique_ptr<TDavTestServer> dav;
    std::unique_ptr<TGitTestServer> git;
    std::unique_ptr<TWebTestServer> web;
    TServerChoice choice;
    if (kindName == "site") {
        // The server's folder is the web server's root: the site's
        // robots.txt is read there.
        const QStringList pem = certs.Server("server");
        dav = std::make_unique<TDavTestServer>(true, pem[0], pem[1]);
        if (!dav->ok()) return false;
        web = std::make_unique<TWebTestServer>(dav->home());
        if (!web->ok()) return false;
        choice = {QString("127.0.0.1:%1").arg(dav->port()), TDavTestServer::kUser, TDavTestServer::kPassword, "",
                  web->Address(), TSecurity::WebDAVS};
    } else if (kindName == "git") {
        git = std::make_unique<TGitTestServer>(certs);
        if (!git->ok()) return false;
        choice = {git->Url(), TGitTestServer::kUser, TGitTestServer::kToken, QString(), QString(), TSecurity::Git};
    } else {
        const QStringList pem = certs.Server("server");
        dav = std::make_unique<TDavTestServer>(true, pem[0], pem[1]);
        if (!dav->ok()) return false;
        // A web server shows the server's folder to visitors, as a host
        // does: the Sent stage looks whether the page is live there.
        web = std::make_unique<TWebTestServer>(dav->home(), "serve", pem);
        if (!web->ok()) return false;
        choice = {QString("127.0.0.1:%1").arg(dav->port()), TDavTestServer::kUser, TDavTestServer::kPassword,
                  "public_html", web->Address("public_html/"), TSecurity::WebDAVS};
    }

    TTestEnv env;
    if (!env.ok()) return false;
    // The language as a desktop in that language gives it: the program's
    // texts, its pictures with words, and the numbers.
    if (!language.isEmpty()) {
        qputenv("LC_ALL", (language + "_" + language.toUpper() + ".UTF-8").toLatin1());
        qunsetenv("LANGUAGE");
        QLocale::setDefault(QLocale(language));
        if (InstallTranslations(*qApp).isEmpty()) return false;
    }
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) return false;
    QString doc = env.appDir() + "/save/my page.tve";
    QFile::copy(env.appDir() + "/template/Family.tvt", doc);
    // Each dialog as it comes, in whatever order the server brings them.
    const auto any = [&](QDialog* d) {
        const QString name = d->objectName();
        if (name == "frmServerWizard") return RunWizard(d, choice);
        if (name == "dlgTrustServer") return RunTrust(d);
        if (name == "frmUpload") return RunUpload(d);
        if (name == "frmJoy") return RunJoy(d);
        if (name == "frmHistory") return RunHistory(d);
        if (name == "frmSitePages") return RunSitePages(d);
        if (name == "msgSaveBeforeSend") return RunSaveBeforeSend(d);
        if (name == "frmStyleWiz") return RunStyleWizard(d);
        std::fprintf(stderr, "tarvo_walkthrough: an unexpected dialog %s\n", qPrintable(name));
        return int(QDialog::Rejected);
    };
    for (int i = 0; i < 20; ++i) dialogs->runs << any;
    if (kindName == "site" || kindName == "git") doc = MakeSite(*w, env.appDir());
    w->Files()->OpenDocument(doc);
    w->ShowRedPill(TfrmMain::stSend);
    Shot("send-no-server");

    Click(Child<QWidget>(w->StagePanel(TfrmMain::stSend), "spdEditWWW"));
    Shot("send-ready");

    if (kindName == "dav" && !CheckupMended(*w)) return false;
    QElapsedTimer clock;
    clock.start();
    Click(Child<QWidget>(w->StagePanel(TfrmMain::stSend), "imgUpload"));
    (void)QTest::qWaitFor([&] { return w->CurrentStage() == int(TfrmMain::stSent); }, 120000);
    std::printf("first publish: %lld ms from the click to the Sent stage\n", clock.elapsed());
    QTest::qWait(500);
    Shot("sent");
    if (git) {
        // One picture changed (as a paint program saves it): only it goes.
        QImage changed(220, 150, QImage::Format_RGB32);
        changed.fill(QColor(0xE0, 0x80, 0x30));
        if (!changed.save(env.appDir() + "/HTMLFiles/graphics/house.png")) return false;
        w->ShowRedPill(TfrmMain::stSend);
        Shot("send-one-picture-changed");
        clock.restart();
        Click(Child<QWidget>(w->StagePanel(TfrmMain::stSend), "imgUpload"));
        (void)QTest::qWaitFor([&] { return w->CurrentStage() == int(TfrmMain::stSent); }, 120000);
        std::printf("second publish: %lld ms from the click to the Sent stage\n", clock.elapsed());
        QTest::qWait(500);
        Shot("sent-again");
        std::printf("the second commit changed:\n%s", qPrintable(git->Git({"-C", git->Repo(), "show", "--stat", "--format=", "main"})));
    }
    // Where the server has a web address, the Sent stage says what the web shows.
    if (!choice.webAddress.isNull()) {
        auto* live = w->findChild<QLabel*>("lblLive");
        const QString checking = live ? live->text() : QString();
        (void)QTest::qWaitFor([&] { return live && live->text() != checking; }, 30000);
        Shot("sent-live");
        if (live) std::printf("Sent stage: %s\n", qPrintable(live->text()));
    }
    if (kindName == "site") {
        // Each page as a browser shows it from the web, on a phone and on
        // a desktop; then rated where it landed, when asked to.
        QStringList addresses;
        for (const char* page : {"", "about.html", "concerts.html", "contact.html", "404.html"})
            addresses << web->Address(page);
        for (const QString& address : addresses) {
            const QString name = address.section('/', -1).isEmpty() ? "index" : address.section('/', -1).section('.', 0, 0);
            BrowserShot(address, "browser-" + name + "-390", 390);
            BrowserShot(address, "browser-" + name + "-1280", 1280);
        }
        if (qEnvironmentVariableIsSet("TARVO_WALK_RATE")) {
            QProcess rate;
            rate.setProcessChannelMode(QProcess::ForwardedChannels);
            QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
            e.insert("PAGE_QUALITY_URLS", addresses.join(' '));
            rate.setProcessEnvironment(e);
            rate.start("bash", {QString(TARVO_TEST_SOURCE_DIR) + "/../tools/page-quality.sh",
                                QCoreApplication::applicationDirPath() + "/.."});
            rate.waitForFinished(-1);
        }
    } else if (dav && web) {
        // Two more versions of the page, each sent; then the first put back.
        const QByteArray first = dav->read("public_html/mypage.html");
        std::printf("first publish's title: %s\n", qPrintable(TitleOf(first)));
        const QString address = web->Address("public_html/mypage.html");
        BrowserShot(address, "browser-first");
        for (int version = 2; version <= 3; ++version) {
            w->ShowRedPill(TfrmMain::stView);
            Type(w.get(), "txtTitle", QString("Our family, version %1").arg(version));
            w->findChild<QAction*>("menFileSave")->trigger();
            w->ShowRedPill(TfrmMain::stSend);
            Click(Child<QWidget>(w->StagePanel(TfrmMain::stSend), "imgUpload"));
            (void)QTest::qWaitFor([&] { return w->CurrentStage() == int(TfrmMain::stSent); }, 120000);
            QTest::qWait(1500);
        }
        Shot("third-sent");
        std::printf("third publish's title: %s\n", qPrintable(TitleOf(dav->read("public_html/mypage.html"))));
        BrowserShot(address, "browser-third");
        w->findChild<QAction*>("menSendHistory")->trigger();
        QTest::qWait(300);
        const bool same = dav->read("public_html/mypage.html") == first;
        std::printf("title after the put-back: %s\n", qPrintable(TitleOf(dav->read("public_html/mypage.html"))));
        std::printf("after the put-back the server's page is the first version: %s\n", same ? "yes" : "no");
        BrowserShot(address, "browser-put-back");
        if (!same) return false;
    }

    std::printf("server holds:\n");
    for (const QString& f : git ? git->Files() : dav->files()) std::printf("  %s\n", qPrintable(f));
    for (const QString& t : dialogs->texts()) std::printf("said: %s\n", qPrintable(t));
    const bool sent = w->CurrentStage() == int(TfrmMain::stSent);
    w.reset();
    return sent;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("TARVO_BIN_DIR")) qputenv("TARVO_BIN_DIR", TARVO_SHOTS_PROGRAM_DIR);
    if (qEnvironmentVariableIsEmpty("TARVO_TEST_SOURCE")) qputenv("TARVO_TEST_SOURCE", TARVO_TEST_SOURCE_DIR);
    qputenv("TARVO_MUTE", "1");
    TTarvoApplication app(argc, argv);
    if (argc < 3 || argc > 4 || (QString(argv[2]) != "dav" && QString(argv[2]) != "git" && QString(argv[2]) != "site")) {
        std::fprintf(stderr, "usage: tarvo_walkthrough FOLDER (dav|git|site) [LANGUAGE]\n");
        return 1;
    }
    InitTarvoResources();
    // The Git transport is a module of the build's program folder.
    SetGitModuleFolder(qEnvironmentVariable("TARVO_BIN_DIR"));
    g_dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_dir);
    const bool ok = Walk(QString::fromLocal8Bit(argv[2]), argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString());
    if (!ok) std::fprintf(stderr, "tarvo_walkthrough: the walk did not reach its end\n");
    return ok ? 0 : 2;
}
