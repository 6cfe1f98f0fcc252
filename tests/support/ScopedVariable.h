#pragma once
// An environment variable set for as long as the object lives, then put back
// as it was (unset when it was unset), whichever way the test ends.

#include <QByteArray>
#include <QtGlobal>

class TScopedVariable {
public:
    TScopedVariable(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~TScopedVariable() { wasSet_ ? qputenv(name_, old_) : qunsetenv(name_); }
    TScopedVariable(const TScopedVariable&) = delete;
    TScopedVariable& operator=(const TScopedVariable&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool wasSet_;
};
