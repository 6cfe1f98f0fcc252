#include "preview/SendWeb.h"

#include "app/AppPaths.h"
#include "app/StageHost.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/Utils.h"
#include "model/WebBlocks.h"
#include "preview/BrowserPreview.h"
#include "upload/SendPanel.h"
#include "upload/ServerBox.h"
#include "upload/UploadList.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

// Real, lasting pages that help someone who has just published a page:
// learning HTML, checking a page for mistakes, a free home for it, making
// it secure, and making it work for everyone. None of them carries
// advertising.
const std::array<TPartnerSite, 5> kPartnerSites = {{
    {"Web_Partner1", "The Odin Project", "https://www.theodinproject.com/"},
    {"Web_Partner2", QT_TRANSLATE_NOOP("SendWeb", "the W3C Validator"), "https://validator.w3.org/"},
    {"Web_Partner3", "Neocities", "https://neocities.org/"},
    {"Web_Partner4", "Let's Encrypt", "https://letsencrypt.org/getting-started/"},
    {"Web_Partner5", QT_TRANSLATE_NOOP("SendWeb", "the W3C on Accessibility"), "https://www.w3.org/WAI/fundamentals/accessibility-intro/"},
}};

namespace {

constexpr int kYourPage = 6;
const char* const kRotateRight[4] = {"Web_Rotate1", "Web_Rotate2", "Web_Rotate3", "Web_Rotate4"};

TPicture* MakeLogo(QWidget* parent, const char* name, const char* picture, const QRect& place) {
    auto* logo = new TPicture(parent, QLatin1String(name));
    logo->setGeometry(place);
    logo->ShowBitmap(QLatin1String(picture), true);
    logo->setCursor(ScreenCursor(5));
    logo->hide();
    return logo;
}

}  // namespace

TSendWeb* AttachSendWeb(TStageHost& window, const TPage& page, TServerBox* servers, TBrowserPreview* browser) {
    return new TSendWeb(window, page, servers, browser);
}

TSendWeb::TSendWeb(TStageHost& window, const TPage& page, TServerBox* servers, TBrowserPreview* browser)
    : QObject(&window), w_(window), page_(page), servers_(servers), browser_(browser) {
    setObjectName(QStringLiteral("SendWeb"));
    CreateControls();
    WireArrow(imgUploadLeft, true);
    WireArrow(imgUploadRight, false);
    timWebAn = new QTimer(&w_);  // the window's, where its name is looked up
    timWebAn->setObjectName(QStringLiteral("timWebAn"));
    timWebAn->setInterval(250);
    connect(timWebAn, &QTimer::timeout, this, [this] { RotateLeft ? MoveWebLeft() : MoveWebRight(); });

    auto open = [this](const QString& address) {
        if (browser_) browser_->OpenURLInBrowser(address);
    };
    connect(imgBrenfoldPage, &TPicture::clicked, this, [open] { open(MakerAddress()); });
    for (size_t i = 0; i < kPartnerSites.size(); ++i)
        connect(imgPartnerPage[i], &TPicture::clicked, this,
                [open, i] { open(QString::fromUtf8(kPartnerSites[i].address)); });
    connect(imgYourPage, &TPicture::clicked, this, &TSendWeb::imgYourPageClick);

    // The user's page leaves the magnifier with every stage switch but the
    // one that the upload itself makes.
    connect(&w_, &TStageHost::stageEntered, this, [this](int stage) {
        if (stage != TStageHost::stSent) imgYourPage->hide();
    });
    w_.OnStage(&TStageHost::stageEntered, TStageHost::stSend, this, [this](int) {
        MagnifierPage = -1;
        imgWebBack->lower();
    });
    w_.OnStage(&TStageHost::stageEntered, TStageHost::stSent, this, [this](int) {
        if (Uploaded) DisplayMagnifier();
    });
    connect(&w_, &TStageHost::uploadSucceeded, this, [this] {
        Uploaded = true;
        MagnifierPage = kYourPage;
        DisplayMagnifier();
    });
}

void TSendWeb::CreateControls() {
    QFrame* pnl = w_.StagePanel(TStageHost::stSend);
    imgWebBack = new TPicture(pnl, QStringLiteral("imgWebBack"));
    imgWebBack->setGeometry(192, 70, 420, 210);
    imgWebBack->Tag = 75;
    imgWebBack->ShowBitmap(QStringLiteral("Web_Back"), true);
    imgWebBack->lower();

    imgUploadLeft = new TPicture(pnl, QStringLiteral("imgUploadLeft"));
    imgUploadLeft->setGeometry(192, 70, 51, 54);
    imgUploadLeft->ShowBitmap(QStringLiteral("Web_LeftUp"), true);
    imgUploadRight = new TPicture(pnl, QStringLiteral("imgUploadRight"));
    imgUploadRight->setGeometry(548, 70, 53, 55);
    imgUploadRight->ShowBitmap(QStringLiteral("Web_RightUp"), true);
    // Under each arrow, from its outer edge inwards: a longer word than
    // English's stays clear of the file list on the left.
    auto rotateLabel = [pnl](const char* name, int left, Qt::Alignment side) {
        auto* l = new QLabel(QCoreApplication::translate("SendWeb", "Rotate Web"), pnl);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(left, 126, 77, 14);
        l->setAlignment(side);
        return l;
    };
    lblRotateLeft = rotateLabel("lblRotateLeft", 192, Qt::AlignLeft);
    lblRotateRight = rotateLabel("lblRotateRight", 548 + 53 - 77, Qt::AlignRight);

    // The logos lie in the magnifier's glass, centred on it.
    imgBrenfoldPage = MakeLogo(pnl, "imgBrenfoldPage", "Web_Brenfold", QRect(364, 168, 70, 41));
    for (size_t i = 0; i < kPartnerSites.size(); ++i) {
        const QByteArray name = "imgPartnerPage" + QByteArray::number(int(i) + 1);
        imgPartnerPage[i] = MakeLogo(pnl, name.constData(), kPartnerSites[i].picture, QRect(364, 168, 70, 41));
    }
    imgYourPage = MakeLogo(pnl, "imgYourPage", "Web_Your", QRect(374, 163, 50, 50));

    lblMag = new QLabel(pnl);
    lblMag->setObjectName(QStringLiteral("lblMag"));
    lblMag->setGeometry(301, 264, 195, 28);
    lblMag->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMag->setWordWrap(true);
}

void TSendWeb::WireArrow(TPicture* arrow, bool left) {
    const QString up = left ? QStringLiteral("Web_LeftUp") : QStringLiteral("Web_RightUp");
    const QString down = left ? QStringLiteral("Web_LeftDn") : QStringLiteral("Web_RightDn");
    connect(arrow, &TPicture::mousePressed, this, [arrow, down](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton) arrow->ShowBitmap(down, true);
    });
    connect(arrow, &TPicture::mouseReleased, this, [arrow, up](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton) arrow->ShowBitmap(up, true);
    });
    // A click during a rotation turns it the other way for the frames that
    // are left; the frame count goes on.
    connect(arrow, &TPicture::clicked, this, [this, left] {
        RotateLeft = left;
        timWebAn->start();
        PlayResourceSound(QStringLiteral("wavWebTurn"));
    });
}

void TSendWeb::MoveWebLeft() { MoveWeb(true); }
void TSendWeb::MoveWebRight() { MoveWeb(false); }

void TSendWeb::MoveWeb(bool left) {
    w_.LockWindow(&w_);
    if (RotateFrame == 0) HideLogos();
    if (RotateFrame < 4) {
        // Turning left shows the frames of a right turn backwards.
        const int frame = left ? 3 - RotateFrame : RotateFrame;
        DrawResourceBitmap(imgWebBack, QLatin1String(kRotateRight[frame]), 72, 0);
        ++RotateFrame;
    } else {
        DrawResourceBitmap(imgWebBack, QStringLiteral("Web_Back"), 0, 0);
        RotateFrame = 0;
        timWebAn->stop();
        MagnifierPage += left ? -1 : 1;
        DisplayMagnifier();
    }
    w_.LockWindow(nullptr);
    imgWebBack->repaint();
}

void TSendWeb::HideLogos() {
    imgBrenfoldPage->hide();
    for (TPicture* logo : imgPartnerPage) logo->hide();
    imgYourPage->hide();
}

void TSendWeb::DisplayMagnifier() {
    if (MagnifierPage < 0) MagnifierPage = Uploaded ? kYourPage : kYourPage - 1;
    if (MagnifierPage > kYourPage || (MagnifierPage == kYourPage && !Uploaded)) MagnifierPage = 0;
    HideLogos();
    TPicture* logo = nullptr;
    QString caption;
    if (MagnifierPage == 0) {
        logo = imgBrenfoldPage;
        caption = QCoreApplication::translate("SendWeb", "Click the logo to visit Brenfold Software");
    } else if (MagnifierPage == kYourPage) {
        logo = imgYourPage;
        caption = QCoreApplication::translate("SendWeb", "Click the logo to view your Web Page");
    } else {
        logo = imgPartnerPage[size_t(MagnifierPage - 1)];
        caption = QCoreApplication::translate("SendWeb", "Click the logo to visit %1")
                      .arg(QCoreApplication::translate("SendWeb", kPartnerSites[size_t(MagnifierPage - 1)].name));
    }
    logo->show();
    logo->raise();
    lblMag->setText(caption);
}

QString TSendWeb::MakerAddress() {
    return QUrl::fromLocalFile(HelpPage(QStringLiteral("home.html")))
        .toString();
}

QString TSendWeb::YourPageAddress() const {
    const tWWWServerType* server = servers_ ? servers_->SelectedServer() : nullptr;
    if (!server) return QString();
    // The page's name as the upload sends it; its extension is replaced
    // within the file name only, so a name without one never cuts the
    // server's address at a dot.
    // A list written when the web address had a field of its own may hold
    // only that.
    const QString site = server->URL.isEmpty() ? server->WebAddress : server->URL;
    const QString address = JoinURL(site, SentPageName(page_.DocFileName));
    return ReplaceAll(address, QStringLiteral(" "), QString());
}

void TSendWeb::imgYourPageClick() {
    if (!Uploaded) return;
    const QString address = YourPageAddress();
    if (!address.isEmpty() && browser_) browser_->OpenURLInBrowser(address);
}
