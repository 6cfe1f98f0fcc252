#pragma once
// The shape of the upload and of the server test: a small table of steps
// run in order over one client. A step starts its work and returns; the
// outcome of its operations moves the sequence on to the next step, to a
// step named, or to its end. Cancel and the end come together in one place
// (Conclude), which disconnects without waiting and emits Finished; no
// outcome is acted on after that.

#include "upload/transfer/FtpClient.h"

#include <QObject>
#include <functional>
#include <utility>
#include <vector>

// Where an outcome goes.
using TFtpDone = std::function<void(const TFtpOutcome&)>;

class TStepSequence : public QObject {
    Q_OBJECT
public:
    // Starts the first step and returns at once; Finished tells the end.
    void Start();
    // Starts it and waits in an event loop of its own until it ends: for
    // callers that have no event loop running (the command line, tests).
    bool Run();
    bool Running() const { return at_ >= 0 && !over_; }
    // Abandons the sequence at once: nothing more is sent, and Finished
    // comes before Cancel returns.
    void Cancel();
    bool Cancelled() const { return cancelled_; }

signals:
    // The sequence is over: true when it reached what it set out to do.
    void Finished(bool ok);

protected:
    using TStep = std::pair<int, std::function<void()>>;
    TStepSequence(TFtpClient& ftp, std::vector<TStep> steps, QObject* parent);
    ~TStepSequence() override;

    // The step running (its number in the table's first column).
    int Step() const { return at_ >= 0 ? steps_[size_t(at_)].first : -1; }
    // On to the step after this one in the table, or to the step `id`.
    void Next();
    void Go(int id);
    // `judge` gets the outcome of `op`, unless the sequence is over by then.
    void Await(TFtpOperation* op, TFtpDone judge);
    // Wraps `judge` the same way, for work handed a done function.
    TFtpDone Guard(TFtpDone judge);
    // The end: `ok` whether the sequence reached its goal.
    void Conclude(bool ok);
    // Told in Conclude before and after the client is disconnected, and in
    // Cancel before the operations are aborted.
    virtual void Concluding() {}
    virtual void Concluded() {}
    virtual void Cancelling() {}

    TFtpClient& ftp_;

private:
    std::vector<TStep> steps_;
    int at_ = -1;
    bool over_ = false;
    bool cancelled_ = false;
};
