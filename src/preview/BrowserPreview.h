#pragma once
// The page and web addresses in the system's browser: "External Preview"
// in the File menu, the redirect page through which addresses are opened,
// the launcher's failure message, and the "joy" of a right-click on the
// preview.

#include <QObject>
#include <QString>

class TExecFile;
class TPage;
class TStageHost;
class TViewStage;

class TBrowserPreview : public QObject {
    Q_OBJECT
public:
    TBrowserPreview(TStageHost& window, TPage& page, TViewStage* view);

    // The File menu's "External Preview": the page in the browser.
    void ExternalPreview1Click();
    // Opens `address` in the browser through the redirect page.
    void OpenURLInBrowser(const QString& address);
    // The launcher could not start anything.
    void ExecFileFail();

    // The preview file in the HTML folder.
    static QString PreviewFile();
    // The redirect page's text for `address`, exactly as written.
    static QString RedirectPage(const QString& address);

    // The launcher the browser is started with.
    TExecFile* ExecFile = nullptr;

private:
    TStageHost& w_;
    TPage& page_;
    TViewStage* view_;  // the View stage, whose HTML is previewed (null: no preview)
};

// Creates the main window's launcher and its browser commands.
TBrowserPreview* AttachBrowserPreview(TStageHost& window, TPage& page, TViewStage* view);
