// The entry point of the program library, which the launcher (main.cpp)
// loads for everything but `--text`.

#include "main/Startup.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int TarvoProgramMain(int argc, char** argv) { return RunTarvo(argc, argv); }
