#include "app/WhatsThis.h"

namespace {
int g_lastContext = 0;
}

void ShowWhatsThis(QWidget*, int context) { g_lastContext = context; }

int LastWhatsThisContext() { return g_lastContext; }
