// The web of the Send stage: its rotation with real clicks and the timer,
// the logos in the magnifier before and after an upload, and the addresses
// their clicks open (through the redirect page, with a recording script in
// place of the desktop's opener).

#include "LauncherSeam.h"
#include "TestSupport.h"
#include "app/AppPaths.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "main/Startup.h"
#include "app/Utils.h"
#include "model/WebBlocks.h"
#include "preview/SendWeb.h"
#include "upload/ServerBox.h"
#include "upload/ServerList.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "TarvoResources.h"

namespace {

QImage Plain(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// Which picture the web shows: "Web_Back" or the rotation frame at (72, 0).
QString WebPicture(TPicture* web) {
    const QImage shown = Plain(web->pixmap().toImage());
    if (shown == Plain(ResourceBitmap("Web_Back").toImage())) return "Web_Back";
    for (int k = 1; k <= 4; ++k) {
        const QString name = QString("Web_Rotate%1").arg(k);
        const QImage frame = Plain(ResourceBitmap(name).toImage());
        if (shown.copy(QRect(QPoint(72, 0), frame.size())) == frame) return name;
    }
    return "?";
}

bool ShowsPicture(TPicture* picture, const char* name) {
    return Plain(picture->pixmap().toImage()) == Plain(ResourceBitmap(name).toImage());
}

}  // namespace

class TestSendWeb : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void rotationFramesTicksAndDirectionChange();
    void cycleBeforeAndAfterUpload();
    void logosOpenTheirAddresses();
    void yourPageAddressFromChosenServer();

private:
    void toSendStage();
    // One turn of the web with a real click on an arrow, until it stops.
    void turn(bool left);
    // The name of the one visible logo ("" when none is).
    QString visibleLogo() const;
    void upload();
    // The address the last link sent to the browser, from the redirect page.
    QString openedAddress();

    std::unique_ptr<TTestEnv> env_;
    std::unique_ptr<TLauncherSeam> seam_;
    int opened_ = 0;  // starts of the opener seen so far
    TScriptedDialogs* dialogs_ = nullptr;
    TfrmMain* w_ = nullptr;
    TSendWeb* web_ = nullptr;
};

void TestSendWeb::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    dialogs_ = static_cast<TScriptedDialogs*>(&Dialogs());
    seam_ = std::make_unique<TLauncherSeam>();
    seam_->AddRecorder("xdg-open");
    opened_ = 0;

    TServerList servers;
    for (auto [name, url] : {std::pair{"Home", "http://home.example/~jo/"}, {"Club", "http://club.example/members/jo"}}) {
        auto s = std::make_unique<tWWWServerType>();
        s->Name = name;
        s->Address = "ftp.example";
        s->URL = url;
        servers.push_back(std::move(s));
    }
    SaveServerList(servers);

    w_ = CreateMainWindow();
    web_ = w_->Web();
    QVERIFY(web_);
    w_->Hooks().SaveDocument.replace([] { return true; });
    w_->Page().DocFileName = JoinPath(env_->appDir(), "save/My Page.tvx");
    auto heading = NewChunkForKind(bkHeading);
    heading->Heading->HeadText = "Hello";
    w_->Page().InsertChunk(0, std::move(heading));
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
}

void TestSendWeb::cleanup() {
    delete w_;
    w_ = nullptr;
    seam_.reset();
    env_.reset();
}

void TestSendWeb::toSendStage() {
    w_->ShowRedPill(TfrmMain::stBuild);
    w_->ShowRedPill(TfrmMain::stSend);
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stSend));
    QCOMPARE(web_->MagnifierPage, -1);
}

void TestSendWeb::turn(bool left) {
    QTest::mouseClick(left ? web_->imgUploadLeft : web_->imgUploadRight, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!w_->findChild<QTimer*>(QStringLiteral("timWebAn"))->isActive(), 30000);
}

QString TestSendWeb::visibleLogo() const {
    QStringList shown;
    for (TPicture* logo : {web_->imgBrenfoldPage, web_->imgPartnerPage[0], web_->imgPartnerPage[1],
                           web_->imgPartnerPage[2], web_->imgPartnerPage[3], web_->imgPartnerPage[4],
                           web_->imgYourPage})
        if (logo->isVisible()) shown << logo->objectName();
    return shown.join(',');
}

void TestSendWeb::upload() {
    emit w_->uploadSucceeded();
    w_->ShowRedPill(TfrmMain::stSent);
}

QString TestSendWeb::openedAddress() {
    const QStringList opened = seam_->Arguments(++opened_);
    if (opened.size() != opened_ || opened.constLast() != PreviewFileName()) return "opener got " + opened.join('|');
    QString page;
    LoadFileText(PreviewFileName(), page);
    const int at = page.indexOf("URL=") + 4;
    return page.mid(at, page.indexOf("\">\r\n<title>") - at);
}

void TestSendWeb::rotationFramesTicksAndDirectionChange() {
    toSendStage();
    QCOMPARE(web_->imgWebBack->geometry(), QRect(192, 70, 420, 210));
    QCOMPARE(WebPicture(web_->imgWebBack), QString("Web_Back"));
    QCOMPARE(w_->findChild<QTimer*>(QStringLiteral("timWebAn"))->interval(), 250);

    QStringList frames;
    connect(w_->findChild<QTimer*>(QStringLiteral("timWebAn")), &QTimer::timeout, this, [&] { frames << WebPicture(web_->imgWebBack); });
    // The arrow goes down with the button and up again.
    QTest::mousePress(web_->imgUploadRight, Qt::LeftButton);
    QVERIFY(ShowsPicture(web_->imgUploadRight, "Web_RightDn"));
    PlayedSounds().clear();
    QTest::mouseRelease(web_->imgUploadRight, Qt::LeftButton);
    QVERIFY(ShowsPicture(web_->imgUploadRight, "Web_RightUp"));
    QCOMPARE(PlayedSounds(), QStringList({"wavwebturn"}));
    QVERIFY(w_->findChild<QTimer*>(QStringLiteral("timWebAn"))->isActive());
    QTRY_VERIFY(!w_->findChild<QTimer*>(QStringLiteral("timWebAn"))->isActive());
    QCOMPARE(frames, QStringList({"Web_Rotate1", "Web_Rotate2", "Web_Rotate3", "Web_Rotate4", "Web_Back"}));
    QCOMPARE(web_->MagnifierPage, 0);
    QCOMPARE(visibleLogo(), QString("imgBrenfoldPage"));
    QCOMPARE(web_->lblMag->text(), QString("Click the logo to visit Brenfold Software"));

    // Turning left shows the frames backwards; the first frame hides the
    // logo. A click on the other arrow after two frames turns the rest of
    // the way right, without starting the count again.
    frames.clear();
    QTest::mouseClick(web_->imgUploadLeft, Qt::LeftButton);
    QTRY_COMPARE(frames.size(), 1);
    QCOMPARE(visibleLogo(), QString());
    QTRY_COMPARE(frames.size(), 2);
    QTest::mouseClick(web_->imgUploadRight, Qt::LeftButton);
    QTRY_VERIFY(!w_->findChild<QTimer*>(QStringLiteral("timWebAn"))->isActive());
    QCOMPARE(frames, QStringList({"Web_Rotate4", "Web_Rotate3", "Web_Rotate3", "Web_Rotate4", "Web_Back"}));
    QCOMPARE(web_->MagnifierPage, 1);
    QCOMPARE(web_->RotateFrame, 0);
    QCOMPARE(visibleLogo(), QString("imgPartnerPage1"));
    QCOMPARE(PlayedSounds().count("wavwebturn"), 3);
}

void TestSendWeb::cycleBeforeAndAfterUpload() {
    toSendStage();
    w_->findChild<QTimer*>(QStringLiteral("timWebAn"))->setInterval(1);
    QCOMPARE(visibleLogo(), QString());
    QCOMPARE(web_->lblMag->geometry().topLeft(), QPoint(301, 264));
    // Left first: the last partner, before an upload.
    turn(true);
    QCOMPARE(web_->MagnifierPage, 5);
    QCOMPARE(visibleLogo(), QString("imgPartnerPage5"));
    QCOMPARE(web_->lblMag->text(), QString("Click the logo to visit the W3C on Accessibility"));
    // Six turns right come back to it, through the maker and every partner.
    QStringList seen;
    for (int i = 0; i < 6; ++i) {
        turn(false);
        seen << visibleLogo();
    }
    QCOMPARE(seen, QStringList({"imgBrenfoldPage", "imgPartnerPage1", "imgPartnerPage2", "imgPartnerPage3",
                                "imgPartnerPage4", "imgPartnerPage5"}));

    // After the upload the magnifier shows the user's page, which now takes
    // its place in the cycle of seven.
    upload();
    QVERIFY(w_->Web()->Uploaded);
    QCOMPARE(web_->MagnifierPage, 6);
    QCOMPARE(visibleLogo(), QString("imgYourPage"));
    QCOMPARE(web_->lblMag->text(), QString("Click the logo to view your Web Page"));
    for (int i = 0; i < 6; ++i) {
        turn(false);
        QVERIFY(visibleLogo() != "imgYourPage");
    }
    turn(false);
    QCOMPARE(visibleLogo(), QString("imgYourPage"));

    // Back in the Send stage the count starts again: left first now
    // reaches the user's page. A partner's logo shown when the stage was
    // left is still there on return.
    turn(false);
    turn(false);
    QCOMPARE(visibleLogo(), QString("imgPartnerPage1"));
    w_->ShowRedPill(TfrmMain::stView);
    toSendStage();
    QCOMPARE(visibleLogo(), QString("imgPartnerPage1"));
    turn(true);
    QCOMPARE(visibleLogo(), QString("imgYourPage"));
}

void TestSendWeb::logosOpenTheirAddresses() {
    toSendStage();
    w_->findChild<QTimer*>(QStringLiteral("timWebAn"))->setInterval(1);
    turn(false);
    QCOMPARE(web_->imgBrenfoldPage->cursor().shape(), ScreenCursor(5).shape());
    QTest::mouseClick(web_->imgBrenfoldPage, Qt::LeftButton);
    const QString maker = openedAddress();
    QCOMPARE(maker, TSendWeb::MakerAddress());
    const QString home = QUrl(maker).toLocalFile();
    QCOMPARE(home, JoinPath(AppDir(), "Help/home.html"));
    QVERIFY(QFile::exists(home));
    for (size_t i = 0; i < kPartnerSites.size(); ++i) {
        turn(false);
        QTest::mouseClick(web_->imgPartnerPage[i], Qt::LeftButton);
        const QString address = openedAddress();
        QCOMPARE(address, QString(kPartnerSites[i].address));
        QVERIFY(address.startsWith("https://"));
    }
    QVERIFY(dialogs_->shown.isEmpty());
}

void TestSendWeb::yourPageAddressFromChosenServer() {
    toSendStage();
    // Before any upload the logo does nothing.
    QFile::remove(PreviewFileName());
    // (The page to open would be written before the browser starts.)
    QTest::mouseClick(web_->imgYourPage, Qt::LeftButton);
    QVERIFY(!QFile::exists(PreviewFileName()));
    QCOMPARE(seam_->Starts(), 0);

    upload();
    QTest::mouseClick(web_->imgYourPage, Qt::LeftButton);
    QCOMPARE(openedAddress(), QString("http://home.example/~jo/MyPage.html"));
    // The server chosen at the time of the click counts, not the one the
    // page went to; its address gets the slash it lacks.
    Child<QComboBox>(w_, "cmbServers")->setCurrentIndex(1);
    QTest::mouseClick(web_->imgYourPage, Qt::LeftButton);
    QCOMPARE(openedAddress(), QString("http://club.example/members/jo/MyPage.html"));
}

QTEST_MAIN(TestSendWeb)
#include "test_sendweb.moc"
