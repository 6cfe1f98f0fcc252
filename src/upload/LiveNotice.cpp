#include "upload/LiveNotice.h"

#include "app/StageHost.h"
#include "html/SiteMenu.h"
#include "upload/UploadSequence.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

// A page larger than this is not read for the check.
constexpr qint64 kMaxPageBytes = 32 << 20;
// Longer addresses are shortened in their middle on the panel (the whole
// one is the label's tool tip, and Open opens it).
constexpr qsizetype kShownAddress = 90;

// The address as the label shows it: break points after its slashes, dots
// and hyphens (a zero-width space each), so that a long one wraps on the
// panel instead of running out of it.
QString Breakable(const QString& address) {
    QString shown = address.size() <= kShownAddress
                        ? address
                        : address.left(kShownAddress * 2 / 3) + QChar(0x2026) + address.right(kShownAddress / 3);
    QString out;
    out.reserve(shown.size() * 2);
    for (const QChar c : shown) {
        out += c;
        if (c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('?'))
            out += QChar(0x200B);
    }
    return out;
}

// The host the user trusted a certificate key for.
QString TrustedHostOf(const TUploadTarget& t) {
    if (t.Security == TSecurity::Git) return QUrl(t.Address).host();
    return t.Address.trimmed();
}

}  // namespace

std::optional<TLiveRequest> LiveRequestOf(const TUploadTarget& target, const std::vector<TUploadFile>& files) {
    if (target.WebAddress.isEmpty()) return std::nullopt;
    const TUploadFile* page = nullptr;
    for (const TUploadFile& f : files)
        if (f.Role == TFileRole::VisitorPage && f.Refused.isEmpty()) page = &f;
    if (!page) return std::nullopt;
    QFile file(page->Local);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPageBytes) return std::nullopt;
    TLiveRequest r;
    r.Sent = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    r.Address = PageWebAddress(target.WebAddress, page->Remote);
    r.Text = !page->Binary;
    // A key is trusted for servers that show a certificate; a host key of
    // SSH proves nothing about a web server.
    if (!ShowsHostKey(target.Security, target.Address) && target.Security != TSecurity::FTP &&
        target.Security != TSecurity::WebDAV) {
        r.TrustedKey = target.TrustedKey;
        r.TrustedHost = TrustedHostOf(target);
    }
    if (r.Address.isEmpty()) return std::nullopt;
    return r;
}

TLiveNotice::TLiveNotice(TStageHost& window) : QObject(&window), w_(window) {
    setObjectName(QStringLiteral("LiveNotice"));
    QFrame* pnl = w_.StagePanel(TStageHost::stSent);
    // Above the web, right of the server box: the stage has no other text
    // there.
    lblLive = new QLabel(pnl);
    lblLive->setObjectName(QStringLiteral("lblLive"));
    lblLive->setGeometry(200, 6, 330, 60);
    lblLive->setWordWrap(true);
    lblLive->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblLive->hide();
    butOpenLive = new QPushButton(tr("Open"), pnl);
    butOpenLive->setObjectName(QStringLiteral("butOpenLive"));
    butOpenLive->setGeometry(538, 22, 80, 27);
    butOpenLive->hide();
    connect(butOpenLive, &QPushButton::clicked, this, [this] {
        if (OpenAddress && !address_.isEmpty()) OpenAddress(address_);
    });
    check_ = new TLiveCheck(this);
    connect(check_, &TLiveCheck::Finished, this, &TLiveNotice::Done);
    again_ = new QTimer(this);
    again_->setSingleShot(true);
    connect(again_, &QTimer::timeout, this, [this] { check_->Start(request_); });
    // The sentence belongs to the Sent stage of this upload.
    connect(&w_, &TStageHost::stageEntered, this, [this](int stage) {
        if (stage != TStageHost::stSent) Stop();
    });
}

void TLiveNotice::Begin(const TLiveRequest& request, int tries) {
    again_->stop();
    request_ = request;
    triesLeft_ = std::max(1, tries);
    address_ = request.Address;
    Show(LiveCheckingSentence(request.Address), false);
    check_->Start(request);
}

void TLiveNotice::Stop() {
    again_->stop();
    triesLeft_ = 0;
    check_->Cancel();
    sentence_.clear();
    address_.clear();
    lblLive->hide();
    lblLive->clear();
    butOpenLive->hide();
}

void TLiveNotice::Show(const QString& sentence, bool live) {
    sentence_ = sentence;
    // The label breaks the address where it must; the tool tip holds the
    // sentence as it reads.
    const QString shown = Breakable(address_);
    QString text = sentence;
    text.replace(address_, shown);
    lblLive->setText(text);
    lblLive->setToolTip(sentence);
    lblLive->setAccessibleName(sentence);
    lblLive->show();
    lblLive->raise();
    // Without Open the sentence has the width of the web.
    lblLive->resize(live ? 330 : 412, lblLive->height());
    butOpenLive->setVisible(live);
    if (live) butOpenLive->raise();
}

void TLiveNotice::Done(const TLiveResult& result) {
    if (result.Kind == TLiveResult::TKind::Cancelled) {
        Stop();
        return;
    }
    const bool notYet = result.Kind == TLiveResult::TKind::Other || result.Kind == TLiveResult::TKind::NotFound;
    if (notYet && --triesLeft_ > 0) {
        // Two sentences: the answer so far, then that another look follows.
        QString sentence = LiveSentence(result);
        if (!sentence.endsWith(QLatin1Char('.'))) sentence += QLatin1Char('.');
        Show(sentence + QLatin1Char(' ') + tr("Tarvo looks again in a few seconds."), false);
        again_->start(AgainMs);
        return;
    }
    Show(LiveSentence(result), result.Kind == TLiveResult::TKind::Live);
}

int LiveTriesOf(const TUploadTarget& target) { return target.Security == TSecurity::Git ? 12 : 1; }
