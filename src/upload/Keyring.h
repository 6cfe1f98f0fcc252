#pragma once
// The desktop's secret store (the freedesktop secret service on Linux, the
// credential store on Windows), through QtKeychain. Server passwords are kept
// there under the server's name.
//
// Every call runs on a keyring thread of its own, one after the other in the
// order they were made, so a store that is slow, locked behind the system's
// unlock prompt or not answering never holds up the window. Each call is
// bounded: without an answer within Keyring::WaitMs() it counts as failed.

#include <QString>
#include <functional>

class QObject;

namespace Keyring {

enum class TResult {
    Ok,        // done (for a read: the password is in Password)
    NotFound,  // the store answered and holds nothing under that name
    Failed,    // no store, a store that refused, or no answer in time
};

struct TReply {
    TResult Result = TResult::Failed;
    QString Password;  // what a read found
    QString Error;     // why it failed, in plain words
};

using TDone = std::function<void(const TReply&)>;

// Asynchronous forms: `done` runs later on the thread of `context`, and not
// at all once `context` is gone. It runs exactly once, with Failed when the
// store does not answer in time (a late answer is then dropped).
void ReadAsync(const QString& name, QObject* context, TDone done);
void WriteAsync(const QString& name, const QString& password, QObject* context, TDone done);
void RemoveAsync(const QString& name, QObject* context, TDone done);

// Blocking forms for callers with no window (the command line, tests):
// they wait, bounded, for the keyring thread.
TReply Read(const QString& name);
TReply Write(const QString& name, const QString& password);
// Removing a name that holds nothing counts as done.
TReply Remove(const QString& name);

// The bound of every call, in milliseconds: 60 seconds, or
// TARVO_KEYRING_WAIT_MS when set (a positive number).
int WaitMs();

}  // namespace Keyring
