#pragma once
// The property panels of the Build stage: one panel per block kind that
// shows the current block's fields, plus a blank panel when no block is
// current. Every change the user makes is written straight into the block's
// record and marks the page changed; there is no OK or Apply.

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QCheckBox;
class QToolButton;
class QWidget;
class TStageHost;
class TPage;
class TPicture;
class TWebChunk;

class TPropertyPanels : public QObject {
    Q_OBJECT
public:
    static constexpr int PanelLeft = 338;
    static constexpr int PanelTop = 20;
    static constexpr int PanelWidth = 281;
    static constexpr int PanelHeight = 273;

    TPropertyPanels(TStageHost& window, TPage& page);

    // Hides every panel, releases the alignment buttons of kinds 0..4 and
    // shows the panel of `kind` (the blank panel for any other value).
    void ShowPanel(int kind);
    // Fills the panel of the current block's kind from its record.
    void FillPanel();
    void FillParaPanel();
    void FillLinkPanel();
    // Lists the saved pages (all but the page itself) in cmbLinkPages.
    void FillLinkPages();
    void FillImagePanel();
    void FillHeadingPanel();
    void FillEmailPanel();
    void FillLinePanel();

    // The image file button: picks a picture, copies it into the pages'
    // graphics folder (web-sized when the user wants) and fills in its name
    // and size.
    void spdImgFileClick();
    // Shows the size of the Image block's picture in pixels and bytes, and
    // the warning when the block has no text description.
    void ShowImageInfo();
    // The warning beside the description while a picture that is not
    // decoration has none; the description is off for a decoration.
    void ShowAltState();

    // The panel that is visible (null when none is).
    QFrame* VisiblePanel() const;

    // One alignment group with its new-line button.
    struct TButtonRow {
        QToolButton* left = nullptr;
        QToolButton* center = nullptr;
        QToolButton* right = nullptr;
        QToolButton* newLine = nullptr;
    };

    // --- panels ---
    QFrame* pnlPara = nullptr;
    QFrame* pnlLink = nullptr;
    QFrame* pnlImage = nullptr;
    QFrame* pnlHeading = nullptr;
    QFrame* pnlEmail = nullptr;
    QFrame* pnlLine = nullptr;
    QFrame* pnlBlank = nullptr;
    // The panel titles.
    std::array<TPicture*, 6> titles{};

    // --- fields ---
    QPlainTextEdit* txtParagraph = nullptr;
    QLineEdit* txtLinkURL = nullptr;
    // The user's saved pages beside the address: choosing one fills in the
    // address of its HTML file (and the text to click on, when empty).
    QComboBox* cmbLinkPages = nullptr;
    QLineEdit* txtLinkPre = nullptr;
    QLineEdit* txtLinkLink = nullptr;
    QLineEdit* txtLinkPost = nullptr;
    QLineEdit* txtImgFileName = nullptr;
    QToolButton* spdImgFile = nullptr;
    QLineEdit* txtImgHeight = nullptr;
    QLineEdit* txtImgWidth = nullptr;
    QLineEdit* txtImgDesc = nullptr;
    QLineEdit* txtImgLink = nullptr;
    QLabel* lblImgInfo = nullptr;      // the picture's size in pixels and bytes
    QLabel* lblImgAltWarn = nullptr;   // shown while there is no text description
    // "Decoration only": the picture needs no words (TBlockImage::Decoration);
    // the description is kept but not used while it is on.
    QCheckBox* chkImgDecoration = nullptr;
    QLineEdit* txtHeading = nullptr;
    QComboBox* cmbHeadSize = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtEmailPre = nullptr;
    QLineEdit* txtEmailLink = nullptr;
    QLineEdit* txtEmailPost = nullptr;
    QLineEdit* txtLineWidth = nullptr;
    QComboBox* cmbLineThick = nullptr;

    TButtonRow paraButtons, linkButtons, imageButtons, headButtons, emailButtons;

signals:
    // Reported around every change a control writes into the current
    // block, for the undo history.
    void fieldEditing(QObject* control);
    void fieldEdited(QObject* control);
    // The edits since the last report belong to one step and no later one.
    void editGroupEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout, one function per panel.
    QFrame* MakePanel(const char* name, int tag);
    void CreateParaPanel();
    void CreateLinkPanel();
    void CreateImagePanel();
    void CreateHeadingPanel();
    void CreateEmailPanel();
    void CreateLinePanel();
    void WireControls();
    QLabel* AddLabel(QWidget* panel, const char* name, const QString& text, const QRect& geometry, int tag = 0);
    QLineEdit* AddEdit(QWidget* panel, const char* name, const QRect& geometry, int tag);
    TButtonRow AddButtonRow(QWidget* panel, const char* prefix, bool emailHints);
    void AddTitle(QWidget* panel, int kind, const char* name);
    void AddExampleLine(QWidget* panel, const char* prefix, const QString& before, const QString& link,
                        const QString& after, int top);

    // Change handlers.
    void BindEdit(QLineEdit* edit, std::function<QString*(TWebChunk&)> field);
    void BindButtons(const TButtonRow& row, std::function<quint8*(TWebChunk&)> align,
                     std::function<quint8*(TWebChunk&)> newLine);
    void AlignClick(const TButtonRow& row, QToolButton* button, std::function<quint8*(TWebChunk&)> align);
    void txtParagraphChange();
    void cmbLinkPagesChange(int index);
    void cmbHeadSizeChange();
    void cmbLineThickChange();
    // Stores the change in the current block and marks the page changed,
    // unless the program itself is filling the panel or loading a page.
    bool Editing() const;
    void Store(QObject* control, const std::function<void(TWebChunk&)>& write);

    // Fill helpers.
    void SetText(QLineEdit* edit, const QString& text);
    void SetAlign(const TButtonRow& row, int align);
    void SelectListItem(QComboBox* list, const QString& text, void (TPropertyPanels::*change)());
    void Focus(QWidget* control);

    TStageHost& w_;
    TPage& page_;
    bool filling_ = false;  // a fill function is writing the controls
    QObject* editSource_ = nullptr;  // reported as the control of the edits it makes
    // What the image button did to the picture it last put in the folder
    // ("web-sized from 6.1 MB"), shown while a block names that picture.
    QString importedPath_, importedNote_;
};
