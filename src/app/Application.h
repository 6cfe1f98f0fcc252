#pragma once
// The application object: discards any exception that escapes an event
// handler, so the handler stops and the program goes on.

#include <QApplication>

class TTarvoApplication : public QApplication {
    Q_OBJECT
public:
    TTarvoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // How many exceptions were discarded (for tests).
    static int DiscardedExceptions();
};
