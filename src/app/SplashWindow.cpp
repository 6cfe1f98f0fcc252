#include "app/SplashWindow.h"

#include "app/AppPaths.h"
#include "app/MediaModule.h"
#include "app/PictureControl.h"
#include "app/Settings.h"
#include "app/Utils.h"

#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

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
    TMediaModule* media = QFile::exists(avi) ? MediaModule() : nullptr;
    if (!media) imgSplash->show();
    show();
    repaint();
    // The animation plays to its end, or the still picture shows instead.
    if (media && !media->PlayVideo(this, QRect(100, 24, 205, 200), avi)) imgSplash->show();
    Wait();
}

void TfrmSplash::Wait() {
    waiting_ = true;
    timWait->start();
    QEventLoop wait;
    connect(timWait, &QTimer::timeout, &wait, &QEventLoop::quit);
    if (waiting_) wait.exec();
}
