#include "app/SplashWindow.h"

#include "app/AppPaths.h"
#include "app/PictureControl.h"
#include "app/Settings.h"
#include "app/Utils.h"

#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QMediaPlayer>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

TfrmSplash::TfrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(405, 323);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    setAutoFillBackground(true);
    auto* bevel = new QFrame(this);
    bevel->setGeometry(0, 0, 405, 323);
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Raised);
    bevel->setLineWidth(2);

    imgLogo = new TPicture(this, QStringLiteral("imgLogo"));
    imgLogo->move(14, 260);
    imgLogo->ShowBitmap(QStringLiteral("Logo"));
    imgSplash = new TPicture(this, QStringLiteral("imgSplash"));
    imgSplash->move(102, 24);
    imgSplash->ShowBitmap(QStringLiteral("Splash"));
    imgSplash->hide();
    timWait = new QTimer(this);
    timWait->setObjectName(QStringLiteral("timWait"));
    timWait->setInterval(1000);
    timWait->setSingleShot(true);
    connect(timWait, &QTimer::timeout, this, [this] { waiting_ = false; });

    // The settings store's root key exists from the start on.
    TTarvoReg reg;
    reg.OpenSection(QString(), true);

    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

TfrmSplash::~TfrmSplash() = default;

void TfrmSplash::Run() {
    const QString avi = JoinPath(ShippedDir(), QStringLiteral("splash.avi"));
    if (QFile::exists(avi)) {
        auto* video = new QVideoWidget(this);
        video->setObjectName(QStringLiteral("memAVI"));
        video->setGeometry(100, 24, 205, 200);
        memAVI = video;
        medAVI = new QMediaPlayer(this);
        medAVI->setObjectName(QStringLiteral("medAVI"));
        medAVI->setVideoOutput(video);
        medAVI->setSource(QUrl::fromLocalFile(avi));
        show();
        repaint();
        ShowAVI(true);
    } else {
        imgSplash->show();
        show();
        repaint();
        ShowAVI(false);
    }
}

void TfrmSplash::ShowAVI(bool playing) {
    if (playing && medAVI) {
        // Plays to the end; a failure ends the animation at once.
        QEventLoop loop;
        connect(medAVI, &QMediaPlayer::mediaStatusChanged, &loop, [&loop](QMediaPlayer::MediaStatus st) {
            if (st == QMediaPlayer::EndOfMedia || st == QMediaPlayer::InvalidMedia) loop.quit();
        });
        connect(medAVI, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
        // Never longer than half a minute, whatever the file says.
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        medAVI->play();
        if (medAVI->error() == QMediaPlayer::NoError) loop.exec();
    }
    waiting_ = true;
    timWait->start();
    QEventLoop wait;
    connect(timWait, &QTimer::timeout, &wait, &QEventLoop::quit);
    if (waiting_) wait.exec();
}
