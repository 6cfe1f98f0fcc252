#pragma once
// Runs the built program as the upload suites' command-line road does, in
// the test's private folders, and writes the small documents they send.

#include "FtpTestServer.h"
#include "TestSupport.h"
#include "docs/PageFile.h"
#include "model/WebBlocks.h"

#include <QImage>
#include <QProcess>
#include <QStringList>

struct TCommandRun {
    int status = -1;  // -1 when the process crashed
    QString out, err;
};

// `tarvo ARGS` with the test's program and settings folders, `dataHome` as
// XDG_DATA_HOME and the test server's password at hand.
inline TCommandRun RunTarvoCommand(const TTestEnv& env, const QStringList& args, const QString& dataHome) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("TARVO_APPDIR", env.appDir());
    e.insert("XDG_CONFIG_HOME", env.configDir());
    e.insert("XDG_DATA_HOME", dataHome);
    e.insert("TARVO_PASSWORD", TFtpTestServer::kPassword);
    p.setProcessEnvironment(e);
    p.start(QString::fromLocal8Bit(qgetenv("TARVO_BIN_DIR")) + "/tarvo", args);
    p.waitForFinished(120000);
    TCommandRun r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// A document saved as save/NAME.tve whose one paragraph holds `html` ("" when
// it could not be written).
inline QString WriteParagraphDocument(const TTestEnv& env, const QString& name, const QString& html,
                                      const QString& title = QString()) {
    TPage page;
    if (!title.isEmpty()) page.PageTitle = title;
    page.InsertChunk(0, NewChunkForKind(bkPara));
    page.Chunk(0)->Para->Paragraph = html;
    const QString doc = env.appDir() + "/save/" + name + ".tve";
    return WritePageFile(doc, page, QString(), QImage()) ? doc : QString();
}
