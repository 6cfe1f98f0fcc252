#pragma once
// The View stage: the title box, the preview page control with the viewer
// ("Web") and the HTML editor ("HTML"), the style list, and the logo box on
// the Send stage's panel. The HTML editor holds the page's working HTML
// between the stages; this class keeps the rules for hand edits.

#include "app/OneHook.h"
#include "styles/StyleList.h"
#include "viewer/ViewerHost.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class THTMLViewer;
class TPageSession;
class TStageHost;

// The preview is the host of its viewer (the private base).
class TViewStage : public QObject, private THtmlViewerHost {
    Q_OBJECT
public:
    TViewStage(TStageHost& window, TPageSession& session);

    // --- controls ---
    QLabel* lblPreDesc = nullptr;
    QLabel* lblPageTitle = nullptr;
    QLineEdit* txtTitle = nullptr;
    QLabel* lblTitleHint = nullptr;  // inside txtTitle: the title is still the template's
    QCheckBox* chkFitPhone = nullptr;  // "Fit phone screens", the page's FitPhone
    QTabWidget* pagePreview = nullptr;
    QWidget* tabWebView = nullptr;
    QWidget* tabHTML = nullptr;
    THTMLViewer* ctlHTML = nullptr;  // the viewer on the "Web" tab
    QPlainTextEdit* memHTML = nullptr;
    // The "Page" tab: the page options of a standards page.
    QWidget* tabPageOptions = nullptr;
    QComboBox* cmbPageLanguage = nullptr;  // item data: the language tag; "" for a page written before
    QLineEdit* txtPageDescription = nullptr;
    QLabel* lblDescriptionCount = nullptr;  // "12 / 160"
    QCheckBox* chkReadableLayout = nullptr;
    QCheckBox* chkSiteMenu = nullptr;
    // The page's icon: the title's letter (data ""), a picture of the page
    // (data: its file as the page names it), or another picture chosen
    // from the disk (the last item, data kOtherIconItem), copied into the
    // page's pictures folder.
    QComboBox* cmbPageIcon = nullptr;
    QLabel* imgPageIcon = nullptr;  // the chosen picture, small; empty for the letter
    static inline const QString kOtherIconItem = QStringLiteral("*other*");
    QFrame* Panel1 = nullptr;
    QLabel* lblStyle = nullptr;
    QListWidget* lstStyles = nullptr;
    QPushButton* btnEditStyle = nullptr;
    QCheckBox* chkLogo = nullptr;  // "Insert Tarvo Logo", on the Send panel
    // The preview's width, right of the tabs: "Desktop" (the viewer as wide
    // as its place) or "Phone" (kPhoneViewWidth, centred).
    QPushButton* btnDesktopView = nullptr;
    QPushButton* btnPhoneView = nullptr;
    static constexpr int kPhoneViewWidth = 390;

    TStyleList StyleList;

    // --- hand-edit state ---
    bool UndoingHTML = false;
    bool HTMLEditAccepted = false;  // the user accepted hand edits since the last refresh
    bool RoverBusy = false;         // a preview refresh is running

    // Whether the page is written with the Tarvo logo ("Insert Tarvo Logo").
    bool WithLogo() const;

    // The editor's text with CR LF line breaks.
    QString HTMLText() const;
    // Writes the editor's text as the program (no hand-edit warning).
    void SetHTMLText(const QString& text);

    // The page's HTML file: in the HTML folder, the document's name without
    // its extension, then ".html" (".html" alone while untitled).
    QString PageHTMLPath() const;
    // Writes the editor's whole text to `path` as EncodePageHTML gives it; a
    // failure leaves an old file there as it was and is told to the user.
    // When the page's charset cannot hold a character it is written in
    // UTF-8, after the question of AcceptPageBytes when `ask`.
    bool SaveFromHTML(const QString& path, bool ask = true) const;
    // Writes `text` to `path` the same way.
    bool WriteHTMLFile(const QString& path, const QString& text, bool ask = true) const;
    // The "Web" tab active, the viewer on it at 0, 0, 609 x 181.
    void SetHTMLView();
    // Refreshes the preview from the editor (style into the BODY tag, the
    // preview file, the viewer).
    void ShowRover();
    // The viewer shown over the whole window, or back on its tab.
    bool FullPreview() const;
    void TogglePreviewSize();
    // The preview at a phone's width, centred in its place, or back.
    bool PhoneView() const;
    void SetPhoneView(bool phone);

    // The page text for the viewer: DIV alignment turned into paragraphs.
    static QString PreviewConversion(const QString& text);

    // --- the style list ---
    void LoadStyles();
    void ShowStyles();
    // Puts the selected style's BODY tag into the editor's text.
    void AddBodyDef();
    // The text of the selected item ("[None]" when nothing is selected).
    QString SelectedStyleName() const;
    // Selects "[None]", then the item whose text is `name` (letter case
    // ignored) when there is one.
    void SelectStyleByName(const QString& name);

    // The page as the viewer shows it over the whole main panel, for the
    // document's snapshot.
    QImage PageRendering();
    // Runs the style wizard; installed when the wizard exists.
    TOneHook<void()> RunStyleWizard;

signals:
    // A mouse button was released over the preview.
    void previewMouseReleased(Qt::MouseButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void memHTMLChange();
    void txtTitleChange();
    // Shows the page's title in txtTitle (the one it goes out with) and
    // whether it is still its template's.
    void ShowTitle();
    void ShowTitleHint();
    void chkLogoClick();
    void chkFitPhoneClick();
    // Shows the page's options in the "Page" tab.
    void ShowPageOptions();
    // The user changed an option on the "Page" tab.
    void PageOptionEdited();
    // The icon list's items for the page as it is now, the page's icon chosen.
    void ShowIconChoices();
    // The user picked an item of the icon list.
    void cmbPageIconChange(int index);
    // Applies the options as the tab shows them, with `icon` as the icon.
    void ApplyPageOptions(const QString& icon);
    // Puts the viewer where it belongs: on its tab or over the main panel,
    // as wide as its place or at a phone's width.
    void PlaceViewer();
    void lstStylesClick();
    void btnEditStyleClick();
    void pagePreviewChange(int index);
    void EnterView(int from);
    bool PreviewToggleWorks() const;
    // Loads the viewer from the preview file (when given), then from the
    // converted text's lines.
    void LoadViewer(const QString& file, const QString& text);
    void EnterSend(int from);

    // What the preview's viewer asks.
    void HotSpotCovered(const QString& url) override;
    bool HotSpotClicked(const QString& url) override;
    bool PictureWanted(const QString& source, QImage& picture, QColor& transparent) override;
    void FormSubmitted(const QString& action, const QString& method, const QStringList& results) override;
    void HistoryChanged() override;
    void ProcessingChanged(bool on) override;
    void MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;
    void LayoutFailed(const QString& message) override;

    TStageHost& w_;
    TPageSession& session_;
    QWidget* phoneBackdrop_ = nullptr;
    bool settingTitle_ = false;  // the program writes txtTitle itself
    bool htmlUpdating_ = false;  // the program writes the HTML editor itself
    bool layoutFailureTold_ = false;  // a dropped section is being told
};

// Creates the View stage on the main window and plugs it into the stage
// switch.
TViewStage* AttachViewStage(TStageHost& window, TPageSession& session);
