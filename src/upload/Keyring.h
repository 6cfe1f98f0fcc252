#pragma once
// The desktop's secret store (the freedesktop secret service on Linux, the
// credential store on Windows), through QtKeychain. Server passwords are kept
// there under the server's name. Every call waits for its answer in a local
// event loop, bounded, so a store that does not answer cannot hang the
// program; where there is no store the calls fail quickly.

#include <QString>
#include <optional>

namespace Keyring {

// Stores `password` under `name`; false when there is no store to take it.
bool Write(const QString& name, const QString& password);
// The password kept under `name`; nothing when the store has none or there
// is no store.
std::optional<QString> Read(const QString& name);
// Removes what is kept under `name`; true when nothing is kept there now.
bool Remove(const QString& name);

}  // namespace Keyring
