#include "app/WhatsThis.h"

#include "app/HelpSystem.h"
#include "app/PictureControl.h"

#include <QCursor>

namespace {
int g_lastContext = 0;
}

void ShowWhatsThis(QWidget* source, int context) {
    g_lastContext = context;
    if (THelpSystem* help = THelpSystem::Instance()) help->WhatsThisContext = context;
    if (source)
        if (THelpSystem* help = THelpSystem::Instance()) help->PopupWhatsThis(source, QCursor::pos());
}

void ShowBrickWhatsThis(TPicture* brick) { ShowWhatsThis(brick, BrickWhatsThisContext(brick->Tag)); }

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
