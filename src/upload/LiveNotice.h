#pragma once
// The Sent stage's word on whether the web shows the page: after an upload
// to a server whose web address is known, the visitor's page is fetched from
// that address and compared with what was sent, and one sentence says what
// the web shows (with Open, when it is the page). Leaving the stage ends the
// check; without a web address nothing is shown.

#include "upload/UploadList.h"
#include "upload/transfer/LiveCheck.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;
class TStageHost;
struct TUploadTarget;

// The check of an upload of `files` to `target`: the visitor's page at its
// web address, with the bytes of its local file and the key trusted for the
// server. None when the target has no web address, the plan no visitor's
// page, or its file cannot be read.
std::optional<TLiveRequest> LiveRequestOf(const TUploadTarget& target, const std::vector<TUploadFile>& files);
// How many times the web is looked at after an upload to `target`: a Git
// page host publishes a while after the push, so its web is looked at
// again for two minutes; any other server shows the page at once.
int LiveTriesOf(const TUploadTarget& target);

class TLiveNotice : public QObject {
    Q_OBJECT
public:
    explicit TLiveNotice(TStageHost& window);

    // Opens an address in the browser (set by whoever holds the browser;
    // unset, Open does nothing).
    std::function<void(const QString&)> OpenAddress;

    // Starts the check and says so; a check still running is dropped.
    // With `tries` above 1, a web that shows another page or none yet is
    // looked at again (every AgainMs) until it shows the page or the tries
    // are used up.
    void Begin(const TLiveRequest& request, int tries = 1);
    int AgainMs = 10000;
    // Ends the check and hides the sentence.
    void Stop();
    bool Checking() const { return check_->Running(); }
    // The sentence shown, without the hidden break points ("" none).
    QString Sentence() const { return sentence_; }

private:
    void Show(const QString& sentence, bool live);
    void Done(const TLiveResult& result);

    TStageHost& w_;
    QLabel* lblLive = nullptr;
    QPushButton* butOpenLive = nullptr;
    TLiveCheck* check_ = nullptr;
    QTimer* again_ = nullptr;
    TLiveRequest request_;
    int triesLeft_ = 0;
    QString address_;   // the page's web address being checked, or found live
    QString sentence_;
};
