#include "upload/Keyring.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Tarvo");
// A store that has to ask the user to unlock it may take a while; one that
// does not answer at all must not keep the program waiting for ever.
constexpr int kWaitMs = 60000;

// Runs `job` to its end; false when it failed or did not finish in time.
bool RunJob(QKeychain::Job& job) {
    job.setAutoDelete(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
    job.start();
    if (!finished) loop.exec(QEventLoop::ExcludeUserInputEvents);
    return finished && job.error() == QKeychain::NoError;
}

}  // namespace

namespace Keyring {

bool Write(const QString& name, const QString& password) {
    QKeychain::WritePasswordJob job(kService);
    job.setInsecureFallback(false);  // a plain file is no better than the scrambled setting
    job.setKey(name);
    job.setTextData(password);
    return RunJob(job);
}

std::optional<QString> Read(const QString& name) {
    QKeychain::ReadPasswordJob job(kService);
    job.setInsecureFallback(false);
    job.setKey(name);
    if (!RunJob(job)) return std::nullopt;
    return job.textData();
}

bool Remove(const QString& name) {
    QKeychain::DeletePasswordJob job(kService);
    job.setInsecureFallback(false);
    job.setKey(name);
    if (RunJob(job)) return true;
    return job.error() == QKeychain::EntryNotFound;
}

}  // namespace Keyring
