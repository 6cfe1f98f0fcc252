#include "preview/BrowserPreview.h"

#include "app/AppPaths.h"
#include "app/MainWindow.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "html/PageEncoding.h"
#include "html/PageGenerator.h"
#include "html/ViewStage.h"
#include "preview/ExecFile.h"
#include "viewer/HtmlViewer.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>

TBrowserPreview* AttachBrowserPreview(TfrmMain& window) {
    auto* preview = new TBrowserPreview(window);
    window.Browser = preview;
    return preview;
}

TBrowserPreview::TBrowserPreview(TfrmMain& window) : QObject(&window), w_(window) {
    setObjectName(QStringLiteral("BrowserPreview"));
    w_.ExecFile = new TExecFile(&w_);
    w_.ExecFile->Associate = true;
    w_.ExecFile->Wait = false;
    w_.ExecFile->OnFail = [this](TExecFile&) { ExecFileFail(); };
    connect(w_.ExternalPreview1, &QAction::triggered, this, &TBrowserPreview::ExternalPreview1Click);
    if (w_.View)
        // The viewer reports every button's release here; only the right
        // button's says "joy" (a left click selects text or follows a link).
        w_.View->ctlHTML->RightMouseUp = [this](Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
            if (button == Qt::RightButton)
                Dialogs().Tell(&w_, w_.ApplicationTitle(), QStringLiteral("joy"), TMsgIcon::None);
        };
}

QString TBrowserPreview::PreviewFile() { return JoinPath(HTMLDir(), QStringLiteral("~tmpprvw.html")); }

void TBrowserPreview::ExternalPreview1Click() {
    TViewStage* view = w_.View;
    if (!view) return;
    QString target = PreviewFile();
    if (w_.CurrentStage < TfrmMain::stView) {
        // Built afresh from the blocks, without the style, and left in the
        // editor.
        view->SetHTMLText(BuildPageHTML(w_.Page, view->chkLogo->isChecked()));
    } else if (!w_.Page.DocFileName.isEmpty()) {
        target = view->PageHTMLPath();
    }
    view->SaveFromHTML(target);
    w_.ExecFile->CommandLine = target;
    w_.ExecFile->Execute();
}

QString TBrowserPreview::RedirectPage(const QString& address) {
    const QString q = QStringLiteral("\"");
    const QStringList lines = {
        QStringLiteral("<html>"),
        QStringLiteral("<head><meta http-equiv=") + q + QStringLiteral("refresh") + q + QStringLiteral(" content=") +
            q + QStringLiteral("0; URL=") + address + q + QStringLiteral(">"),
        QStringLiteral("<title>Preview</title>"),
        QStringLiteral("</head>"),
        QStringLiteral("<BODY>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    return lines.join(CRLF) + CRLF + CRLF;
}

void TBrowserPreview::OpenURLInBrowser(const QString& address) {
    QFile f(PreviewFileName());
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(EncodePageHTML(RedirectPage(address)).Bytes);
        f.close();
    }
    w_.ExecFile->CommandLine = PreviewFileName();
    w_.ExecFile->Execute();
}

void TBrowserPreview::ExecFileFail() {
    Dialogs().Tell(&w_, w_.ApplicationTitle(),
                   QStringLiteral("There has been an error previewing this site with your Web Browser."),
                   TMsgIcon::None);
}
