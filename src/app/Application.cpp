#include "app/Application.h"

namespace {
int g_discarded = 0;
}

TTarvoApplication::TTarvoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tarvo"));
    setOrganizationName(QStringLiteral("Brenfold"));
    // No display name: Qt would append it to every caption.
    // The desktop entry's name, so the desktop matches the window to it.
    setDesktopFileName(QStringLiteral("tarvo"));
}

bool TTarvoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ++g_discarded;
        return false;
    }
}

int TTarvoApplication::DiscardedExceptions() { return g_discarded; }
