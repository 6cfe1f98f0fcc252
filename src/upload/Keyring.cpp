#include "upload/Keyring.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <qt6keychain/keychain.h>

#include <algorithm>
#include <deque>
#include <future>
#include <memory>

namespace {

const QString kService = QStringLiteral("Tarvo");
// The bound of the blocking forms: a store that has to ask the user to
// unlock it may take a while.
constexpr int kDefaultWaitMs = 60000;
// An answer later than this is worth telling the user about.
constexpr int kSlowMs = 1500;

enum class TKind { Read, Write, Remove };

struct TTask {
    TKind Kind = TKind::Read;
    QString Name, Password;
    std::function<void(const Keyring::TReply&)> Finished;  // on the keyring thread
};

// The keyring thread: one task at a time, in the order given, each until
// the store answers (the store's own library runs one job at a time too, so
// a task given up on would only hold up the next one). Everything below
// runs on that thread.
class TKeyringWorker : public QObject {
public:
    void Add(TTask task) {
        queue_.push_back(std::move(task));
        if (!busy_) RunNext();
    }

private:
    void RunNext() {
        if (queue_.empty()) return;
        busy_ = true;
        auto task = std::make_shared<TTask>(std::move(queue_.front()));
        queue_.pop_front();
        auto finish = [this, task](const Keyring::TReply& reply) {
            if (task->Finished) task->Finished(reply);
            busy_ = false;
            RunNext();
        };
        QKeychain::Job* job = nullptr;
        if (task->Kind == TKind::Read) {
            job = new QKeychain::ReadPasswordJob(kService);
        } else if (task->Kind == TKind::Write) {
            auto* write = new QKeychain::WritePasswordJob(kService);
            write->setTextData(task->Password);
            job = write;
        } else {
            job = new QKeychain::DeletePasswordJob(kService);
        }
        job->setAutoDelete(true);
        job->setInsecureFallback(false);  // a plain file is no better than the scrambled setting
        job->setKey(task->Name);
        const TKind kind = task->Kind;
        connect(job, &QKeychain::Job::finished, this, [finish, kind](QKeychain::Job* j) {
            Keyring::TReply reply;
            if (j->error() == QKeychain::NoError) {
                reply.Result = Keyring::TResult::Ok;
                if (kind == TKind::Read) reply.Password = static_cast<QKeychain::ReadPasswordJob*>(j)->textData();
            } else if (j->error() == QKeychain::EntryNotFound) {
                // A locked store whose unlock prompt was cancelled, or could
                // not be shown, says the same.
                if (kind == TKind::Remove) {
                    reply.Result = Keyring::TResult::Ok;
                } else {
                    reply.Result = Keyring::TResult::NotFound;
                    reply.Error = QCoreApplication::translate("Keyring", "The keyring holds no password for this server, or it is locked.");
                }
            } else if (j->error() == QKeychain::AccessDeniedByUser) {
                reply.Error = QCoreApplication::translate("Keyring", "The keyring was not unlocked.");
            } else {
                reply.Error = j->errorString();
            }
            finish(reply);
        });
        job->start();
    }

    std::deque<TTask> queue_;
    bool busy_ = false;
};

class TKeyringThread {
public:
    static TKeyringThread& Instance() {
        // Made on first use and stopped when the application object goes;
        // a thread that does not stop in time is left to the process's end.
        static TKeyringThread* instance = [] {
            auto* t = new TKeyringThread;
            qAddPostRoutine([] {
                TKeyringThread& k = Instance();
                k.thread_.quit();
                if (k.thread_.wait(2000)) delete k.worker_;
            });
            return t;
        }();
        return *instance;
    }

    void Post(TTask task) {
        TKeyringWorker* worker = worker_;
        QMetaObject::invokeMethod(worker, [worker, task = std::move(task)]() mutable { worker->Add(std::move(task)); },
                                  Qt::QueuedConnection);
    }

private:
    TKeyringThread() {
        thread_.setObjectName(QStringLiteral("keyring"));
        worker_ = new TKeyringWorker;
        worker_->moveToThread(&thread_);
        thread_.start();
    }

    QThread thread_;
    TKeyringWorker* worker_ = nullptr;
};

// The reply goes back to `context`'s thread, once, whenever it comes; `slow`
// runs there first if it has not come within SlowMs().
void Ask(TKind kind, const QString& name, const QString& password, QObject* context, Keyring::TDone done,
         Keyring::TSlow slow = {}) {
    struct TShared {
        QPointer<QObject> context;
        Keyring::TDone done;
        bool delivered = false;
    };
    auto shared = std::make_shared<TShared>();
    shared->context = context;
    shared->done = std::move(done);
    auto deliver = [shared](const Keyring::TReply& reply) {
        if (shared->delivered || !shared->context) return;
        shared->delivered = true;
        shared->done(reply);
    };
    // Delivered through the application object, which lives on the thread
    // of every caller; `context` is looked at only there.
    QObject* home = QCoreApplication::instance();
    TTask task;
    task.Kind = kind;
    task.Name = name;
    task.Password = password;
    task.Finished = [home, deliver](const Keyring::TReply& reply) {
        QMetaObject::invokeMethod(home, [deliver, reply] { deliver(reply); }, Qt::QueuedConnection);
    };
    if (slow)
        QTimer::singleShot(Keyring::SlowMs(), context, [shared, slow] {
            if (!shared->delivered) slow();
        });
    TKeyringThread::Instance().Post(std::move(task));
}

Keyring::TReply AskAndWait(TKind kind, const QString& name, const QString& password) {
    auto promise = std::make_shared<std::promise<Keyring::TReply>>();
    std::future<Keyring::TReply> answer = promise->get_future();
    TTask task;
    task.Kind = kind;
    task.Name = name;
    task.Password = password;
    task.Finished = [promise](const Keyring::TReply& reply) { promise->set_value(reply); };
    TKeyringThread::Instance().Post(std::move(task));
    if (answer.wait_for(std::chrono::milliseconds(Keyring::WaitMs() + 1000)) != std::future_status::ready) {
        Keyring::TReply reply;
        reply.Error = QCoreApplication::translate("Keyring", "The keyring did not answer.");
        return reply;
    }
    return answer.get();
}

}  // namespace

namespace Keyring {

int WaitMs() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("TARVO_KEYRING_WAIT_MS", &ok);
    return ok && ms > 0 ? ms : kDefaultWaitMs;
}

int SlowMs() { return std::min(kSlowMs, WaitMs()); }

void ReadAsync(const QString& name, QObject* context, TDone done, TSlow slow) {
    Ask(TKind::Read, name, QString(), context, std::move(done), std::move(slow));
}

void WriteAsync(const QString& name, const QString& password, QObject* context, TDone done) {
    Ask(TKind::Write, name, password, context, std::move(done));
}

void RemoveAsync(const QString& name, QObject* context, TDone done) {
    Ask(TKind::Remove, name, QString(), context, std::move(done));
}

TReply Read(const QString& name) { return AskAndWait(TKind::Read, name, QString()); }

TReply Write(const QString& name, const QString& password) { return AskAndWait(TKind::Write, name, password); }

TReply Remove(const QString& name) { return AskAndWait(TKind::Remove, name, QString()); }

}  // namespace Keyring
