#pragma once
// A real web server for a test: webserver.py run by the system's own
// python3 on 127.0.0.1 on a free port, serving a folder (or misbehaving as
// its mode says). Started by the constructor, stopped by the destructor.

#include "ServerFiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

class TWebTestServer {
public:
    // `mode`: "serve", "endless" or "silent" (webserver.py); `tls`: the
    // certificate and key files for HTTPS.
    explicit TWebTestServer(const QString& folder, const QString& mode = QStringLiteral("serve"),
                            const QStringList& tls = {}) {
        const QString script = QString::fromLocal8Bit(qgetenv("TARVO_TEST_SOURCE")) + QStringLiteral("/upload/webserver.py");
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start(QStringLiteral("/usr/bin/python3"), QStringList{script, folder, mode} + tls);
        if (!process_.waitForStarted(10000)) return;
        port_ = AnnouncedPort(process_);
        tls_ = !tls.isEmpty();
    }
    ~TWebTestServer() {
        process_.kill();
        process_.waitForFinished(3000);
    }
    TWebTestServer(const TWebTestServer&) = delete;
    TWebTestServer& operator=(const TWebTestServer&) = delete;

    bool ok() const { return port_ > 0; }
    int port() const { return port_; }
    // The server's address of `path` ("site/" gives "http://127.0.0.1:N/site/").
    QString Address(const QString& path = QString()) const {
        return QStringLiteral("%1://127.0.0.1:%2/%3").arg(tls_ ? "https" : "http").arg(port_).arg(path);
    }

private:
    QProcess process_;
    int port_ = 0;
    bool tls_ = false;
};
