#pragma once
// Git repositories are published through libgit2, which lives with the Git
// transport in a module of its own (libtarvo-git.so beside the program
// library), loaded the first time a Git server is used. Every other upload
// and every start of the program then goes without libgit2 and the TLS
// and HTTP libraries it brings, several milliseconds of dynamic loading
// for each window-free command.

#include "upload/transfer/Transport.h"

#include <QString>
#include <memory>

// A new transport to a Git repository. Without the module (missing, or it
// does not load), a transport whose every request fails, saying why.
std::unique_ptr<TTransport> MakeGitTransport();
// Where the module is looked for: by default the folder of the binary
// this code is linked into (the program library). Tests, which link this
// code into themselves, name the build's program folder.
void SetGitModuleFolder(const QString& folder);

// The name of the module's entry point: `TTransport* TarvoGitTransport()`,
// a new transport the caller owns.
#define TARVO_GIT_ENTRY "TarvoGitTransport"
