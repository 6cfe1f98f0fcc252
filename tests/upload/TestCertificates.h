#pragma once
// Certificates for a test's TLS servers on 127.0.0.1, made with the openssl
// command in a temporary folder removed with the object.

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// Certificates for 127.0.0.1 made with the openssl command: a test
// authority and a server certificate it signed, one signed by itself, and
// one from the authority for another name.
class TCertificates {
public:
    TCertificates() {
        ok_ = Run({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", Path("ca.key"), "-out", Path("ca.pem"),
                   "-days", "2", "-subj", "/CN=Tarvo Test Authority"}) &&
              Signed("server", "IP:127.0.0.1") && Signed("other", "DNS:elsewhere.example") &&
              Run({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", Path("self.key"), "-out",
                   Path("self.pem"), "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
    }
    bool ok() const { return ok_; }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // The server script's arguments for the certificate NAME.
    QStringList Server(const QString& name) const { return {Path(name + ".pem"), Path(name + ".key")}; }

private:
    bool Run(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral("openssl"), args);
        return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    bool Signed(const QString& name, const QString& altName) {
        QFile ext(Path(name + ".ext"));
        if (!ext.open(QIODevice::WriteOnly)) return false;
        ext.write("subjectAltName=" + altName.toLatin1() + "\n");
        ext.close();
        return Run({"req", "-newkey", "rsa:2048", "-nodes", "-keyout", Path(name + ".key"), "-out", Path(name + ".csr"),
                    "-subj", "/CN=" + name}) &&
               Run({"x509", "-req", "-in", Path(name + ".csr"), "-CA", Path("ca.pem"), "-CAkey", Path("ca.key"),
                    "-CAcreateserial", "-out", Path(name + ".pem"), "-days", "2", "-extfile", Path(name + ".ext")});
    }
    QTemporaryDir dir_;
    bool ok_ = false;
};
