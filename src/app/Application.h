#pragma once
// The application object: discards any exception that escapes an event
// handler, so the handler stops and the program goes on; each one is
// written to the exception log so the fault can be found.

#include <QApplication>
#include <QString>

class TTarvoApplication : public QApplication {
    Q_OBJECT
public:
    TTarvoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // How many exceptions were discarded (for tests).
    static int DiscardedExceptions();
};

// The exception log: exceptions.log in the user's data folder.
QString ExceptionLogPath();
// Appends one line to the exception log: the time, the handler that
// swallowed the exception (`handler`) and what the exception said.
void LogSwallowedException(const QString& handler, const QString& what);
