#include "app/StageHost.h"

namespace {
TStageHost* g_host = nullptr;
}

TStageHost::TStageHost(QWidget* parent) : QMainWindow(parent) { g_host = this; }

TStageHost::~TStageHost() {
    if (g_host == this) g_host = nullptr;
}

TStageHost* StageHost() { return g_host; }
