#pragma once
// The desktop's secret store (the freedesktop secret service on Linux, the
// credential store on Windows), through QtKeychain. Server passwords are kept
// there under the server's name.
//
// Every call runs on a keyring thread of its own, one after the other in the
// order they were made, so a store that is slow, locked behind the system's
// unlock prompt or not answering never holds up the window. A window that
// waits for an answer says so, and takes the answer whenever it comes (the
// user may take minutes over the unlock prompt); the blocking forms for the
// command line give up after Keyring::WaitMs().

#include <QString>
#include <functional>

class QObject;

namespace Keyring {

enum class TResult {
    Ok,        // done (for a read: the password is in Password)
    NotFound,  // the store answered that it holds nothing under that name,
               // which is also its answer while it stays locked
    Failed,    // no store, a store that refused (or was not unlocked), or, for
               // a blocking form, no answer in time
};

struct TReply {
    TResult Result = TResult::Failed;
    QString Password;  // what a read found
    QString Error;     // why it failed, in plain words
};

using TDone = std::function<void(const TReply&)>;

// Asynchronous forms: `done` runs later on the thread of `context`, exactly
// once, with the store's answer however late it comes, and not at all once
// `context` is gone. `slow`, when given, runs first (once) if the store has
// not answered within SlowMs(): it may be waiting for its unlock prompt,
// which the caller then tells the user about.
using TSlow = std::function<void()>;
void ReadAsync(const QString& name, QObject* context, TDone done, TSlow slow = {});
void WriteAsync(const QString& name, const QString& password, QObject* context, TDone done);
void RemoveAsync(const QString& name, QObject* context, TDone done);

// Blocking forms for callers with no window (the command line, tests):
// they wait, bounded, for the keyring thread.
TReply Read(const QString& name);
TReply Write(const QString& name, const QString& password);
// Removing a name that holds nothing counts as done.
TReply Remove(const QString& name);

// The bound of the blocking forms, in milliseconds: 60 seconds, or
// TARVO_KEYRING_WAIT_MS when set (a positive number).
int WaitMs();
// How long an asynchronous call waits before it counts as slow: 1.5
// seconds, or WaitMs() when that is shorter.
int SlowMs();

}  // namespace Keyring
