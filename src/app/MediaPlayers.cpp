// The sound-and-video module (libtarvo-media.so): Qt Multimedia's players
// behind TMediaModule, loaded by the program on first use.

#include "app/MediaModule.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QMediaDevices>
#include <QMediaFormat>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

namespace {

class TMediaPlayers final : public TMediaModule {
public:
    bool AudioOutputPresent() override { return !QMediaDevices::defaultAudioOutput().isNull(); }

    void PlaySound(const QString& url) override {
        QSoundEffect*& effect = effects_[url];
        if (!effect) {
            effect = new QSoundEffect(QCoreApplication::instance());
            effect->setSource(QUrl(url));
        }
        if (current_ && current_ != effect) current_->stop();
        current_ = effect;
        effect->stop();
        effect->play();
    }

    bool PlayVideo(QWidget* parent, const QRect& where, const QString& file) override {
        // Without the system's decoders (GStreamer's base plugins) Qt's
        // player crashes as it is made: ask first whether it could decode
        // anything at all.
        if (QMediaFormat().supportedFileFormats(QMediaFormat::Decode).isEmpty()) return false;
        auto* video = new QVideoWidget(parent);
        video->setObjectName(QStringLiteral("memAVI"));
        video->setGeometry(where);
        video->show();
        auto* player = new QMediaPlayer(parent);
        player->setObjectName(QStringLiteral("medAVI"));
        player->setVideoOutput(video);
        player->setSource(QUrl::fromLocalFile(file));
        // Plays to the end; a failure ends the animation at once.
        QEventLoop loop;
        QObject::connect(player, &QMediaPlayer::mediaStatusChanged, &loop, [&loop](QMediaPlayer::MediaStatus st) {
            if (st == QMediaPlayer::EndOfMedia || st == QMediaPlayer::InvalidMedia) loop.quit();
        });
        QObject::connect(player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
        // Never longer than half a minute, whatever the file says.
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        player->play();
        if (player->error() == QMediaPlayer::NoError) loop.exec();
        if (player->error() == QMediaPlayer::NoError && player->mediaStatus() != QMediaPlayer::InvalidMedia)
            return true;
        // The still picture beneath shows instead of an empty video.
        delete player;
        delete video;
        return false;
    }

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

}  // namespace

extern "C" Q_DECL_EXPORT TMediaModule* TarvoMediaModule() {
    static TMediaPlayers players;
    return &players;
}
