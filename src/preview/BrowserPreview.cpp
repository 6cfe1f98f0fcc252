#include "preview/BrowserPreview.h"

#include "app/AppPaths.h"
#include "app/StageHost.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "html/PageEncoding.h"
#include "html/PageGenerator.h"
#include "model/WebBlocks.h"
#include "preview/ViewStage.h"
#include "preview/ExecFile.h"

#include <QCoreApplication>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include "app/SafeWrite.h"

#include <QUrl>

TBrowserPreview* AttachBrowserPreview(TStageHost& window, TPage& page, TViewStage* view) {
    return new TBrowserPreview(window, page, view);
}

TBrowserPreview::TBrowserPreview(TStageHost& window, TPage& page, TViewStage* view)
    : QObject(&window), w_(window), page_(page), view_(view) {
    setObjectName(QStringLiteral("BrowserPreview"));
    ExecFile = new TExecFile(&w_);
    ExecFile->Associate = true;
    ExecFile->Wait = false;
    ExecFile->OnFail = [this](TExecFile&) { ExecFileFail(); };
    connect(w_.MenuItem(TStageHost::TMenuItem::ExternalPreview), &QAction::triggered, this, &TBrowserPreview::ExternalPreview1Click);
    if (view_)
        // The viewer reports every button's release here; only the right
        // button's says "joy" (a left click selects text or follows a link).
        connect(view_, &TViewStage::previewMouseReleased, this, [this](Qt::MouseButton button) {
            if (button == Qt::RightButton)
                Dialogs().Tell(&w_, w_.ApplicationTitle(), QStringLiteral("joy"), TMsgIcon::None);
        });
}

QString TBrowserPreview::PreviewFile() { return JoinPath(HTMLDir(), QStringLiteral("~tmpprvw.html")); }

void TBrowserPreview::ExternalPreview1Click() {
    TViewStage* view = view_;
    if (!view) return;
    QString target = PreviewFile();
    QString text = view->HTMLText();
    if (w_.CurrentStage() < TStageHost::stView) {
        // Built afresh from the blocks, without the style, for this preview
        // only: the page's HTML stays made from the blocks.
        text = BuildPageHTML(page_, view->WithLogo());
    } else if (!page_.DocFileName.isEmpty()) {
        target = view->PageHTMLPath();
    }
    if (!view->WriteHTMLFile(target, text)) return;
    ExecFile->CommandLine = target;
    ExecFile->Execute();
}

QString TBrowserPreview::RedirectPage(const QString& given) {
    // Only a web address belongs in the page, encoded so that no quote or
    // angle bracket of it can end the attribute; anything else leads to an
    // empty page.
    const QUrl url = QUrl::fromUserInput(given.trimmed());
    // The program's own help pages are the one local place it sends the
    // browser to.
    const bool help = url.isLocalFile() && LiesInsideOnDisk(HelpDir(), url.toLocalFile());
    const bool web = url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") || help);
    const QString address = web ? QString::fromLatin1(url.toEncoded()).toHtmlEscaped() : QStringLiteral("about:blank");
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
    // Written in a folder only this user can write, so nobody else's file
    // of that name can stand in for it; a page that cannot be written is
    // reported, never replaced by whatever is there.
    const QString page = PreviewFileName();
    if (page.isEmpty() || !WriteFileChecked(page, EncodePageHTML(RedirectPage(address)).Bytes, {QString(), true}).ok) {
        ExecFileFail();
        return;
    }
    ExecFile->CommandLine = page;
    ExecFile->Execute();
}

void TBrowserPreview::ExecFileFail() {
    // What is missing, and where the page is, so it can be opened by hand.
    const TExecFile& exec = *ExecFile;
    QString text = QCoreApplication::translate("BrowserPreview", "There has been an error previewing this site with your Web Browser.");
    if (exec.AssociatedProgram.isEmpty())
        text += QCoreApplication::translate("BrowserPreview", "\n\nNo program that opens web pages was found on this computer. Install a web "
                               "browser (and the xdg-utils package, which starts it), then try again.");
    else if (exec.OpenerStatus != 0)
        text += QCoreApplication::translate("BrowserPreview", "\n\nThe program that starts your web browser (%1) found no browser to start, or the "
                               "browser did not start (it ended with status %2). Check that a web browser is "
                               "installed and chosen as the default one.")
                    .arg(exec.AssociatedProgram)
                    .arg(exec.OpenerStatus);
    else
        text += QCoreApplication::translate("BrowserPreview", "\n\nThe program that starts your web browser (%1) could not be run: %2. Check that "
                               "a web browser is installed and chosen as the default one.")
                    .arg(exec.AssociatedProgram,
                         exec.LastErrorText.isEmpty() ? QString::fromLocal8Bit(std::strerror(exec.LastError))
                                                      : exec.LastErrorText);
    if (!exec.CommandLine.isEmpty() && QFileInfo(exec.CommandLine).isFile())
        text += QCoreApplication::translate("BrowserPreview", "\n\nYou can open the page in a browser yourself; it is here:\n") +
                QDir::toNativeSeparators(exec.CommandLine);
    Dialogs().Tell(&w_, w_.ApplicationTitle(), text, TMsgIcon::Warning);
}
