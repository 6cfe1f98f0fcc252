#include "app/WhatsThis.h"

#include "app/MainWindow.h"

namespace {
int g_lastContext = 0;
}

void ShowWhatsThis(QWidget* source, int context) {
    Q_UNUSED(source);
    g_lastContext = context;
    if (TfrmMain* w = MainWindow()) w->WhatsThisContext = context;
}

int LastWhatsThisContext() { return g_lastContext; }

int BrickWhatsThisContext(int homeTop) {
    switch (homeTop) {
        case 1: return 12;
        case 23: return 13;
        case 45: return 14;
        case 67: return 15;
        case 89: return 16;
        case 111: return 17;
        default: return 0;
    }
}
