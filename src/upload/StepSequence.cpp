#include "upload/StepSequence.h"

#include <QEventLoop>

TStepSequence::TStepSequence(TFtpClient& ftp, std::vector<TStep> steps, QObject* parent)
    : QObject(parent), ftp_(ftp), steps_(std::move(steps)) {}

TStepSequence::~TStepSequence() = default;

void TStepSequence::Start() {
    if (at_ >= 0 || steps_.empty()) return;
    at_ = 0;
    steps_.front().second();
}

bool TStepSequence::Run() {
    bool ok = false;
    QEventLoop loop;
    connect(this, &TStepSequence::Finished, &loop, [&](bool result) {
        ok = result;
        loop.quit();
    });
    Start();
    if (Running()) loop.exec();
    return ok && !cancelled_;
}

void TStepSequence::Next() {
    if (!Running()) return;
    if (size_t(at_) + 1 >= steps_.size()) return Conclude(true);
    ++at_;
    steps_[size_t(at_)].second();
}

void TStepSequence::Go(int id) {
    if (!Running()) return;
    for (size_t i = 0; i < steps_.size(); ++i)
        if (steps_[i].first == id) {
            at_ = int(i);
            steps_[i].second();
            return;
        }
}

TFtpDone TStepSequence::Guard(TFtpDone judge) {
    return [this, judge = std::move(judge)](const TFtpOutcome& outcome) {
        if (Running() && !cancelled_) judge(outcome);
    };
}

void TStepSequence::Await(TFtpOperation* op, TFtpDone judge) {
    op->Then(this, Guard(std::move(judge)));
}

void TStepSequence::Conclude(bool ok) {
    if (!Running()) return;
    Concluding();
    over_ = true;
    // Closing never waits: an operation still running is abandoned.
    ftp_.Disconnect();
    Concluded();
    emit Finished(ok && !cancelled_);
}

void TStepSequence::Cancel() {
    if (!Running() || cancelled_) return;
    cancelled_ = true;
    Cancelling();
    ftp_.Cancel();
    Conclude(false);
}
