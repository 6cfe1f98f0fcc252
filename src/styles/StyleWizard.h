#pragma once
// The style wizard: adds a style to the user's style list, changes one,
// deletes styles and reorders the list. It works on copies of the list's
// records, shows the colours in a small sample page as the user goes, and on
// Finish asks whether to write "Styles.data". The main window reads the file
// again afterwards.

#include "app/ListEditModel.h"
#include "app/WizardFlow.h"
#include "styles/StyleList.h"

#include <QDialog>
#include <QFrame>
#include <QMessageBox>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class THTMLViewer;

// A panel showing one colour; a click (or Space) asks for another.
class TColorPanel : public QFrame {
    Q_OBJECT
public:
    explicit TColorPanel(QWidget* parent);
    void SetColor(quint32 color);  // 0x00BBGGRR
    quint32 Color() const { return color_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    quint32 color_ = 0;
};

// The sample page of a style: ten lines joined by CR LF (none after the
// last), colours as six hexadecimal digits without "#", the image path as
// given (with backslashes) and left out when empty.
QString StyleSampleHTML(const TStyleChunk& style, const QString& image);

class TfrmStyleWiz : public QDialog {
    Q_OBJECT
public:
    // Copies every record of `styles`; the list itself is never changed.
    explicit TfrmStyleWiz(const TStyleList& styles, QWidget* parent = nullptr);
    ~TfrmStyleWiz() override;

    // Whether the list in the wizard has changes not saved yet.
    bool HasUnsavedChanges() const { return EditList.Dirty(); }
    // The sample page's text for the style on the details page and the
    // image edit.
    QString CreateHTML() const;

    // The colours a new style starts with.
    static void SetDefaultColors(TStyleChunk& style);

private slots:
    void btnNextClick();
    void btnBackClick();
    void btnFinishClick();
    void txtStyleNameChange(const QString& text);
    void txtImgFilenameChange(const QString& text);
    void spdImgFileClick();
    void btnClearImageClick();
    void lstStylesClick();
    void spbUpClick();
    void spbDownClick();
    void butDeleteClick();

private:
    enum TWizardMode { wmAdd = 0, wmModify = 1, wmDelete = 2 };
    // The pages, in the order of PageControl1.
    enum TPage { pgStart = 0, pgDetails = 1, pgList = 2 };
    // The controls of the list page a view may show, a bit each.
    enum TShown : unsigned { shModify = 1, shDelete = 2, shDeleteButton = 4 };
    static std::span<const TWizardStep<TfrmStyleWiz>> Steps();
    static std::span<const TWizardView<TfrmStyleWiz>> Views();
    // Takes the step of the flow for `move` from the page shown.
    void Move(TWizardMove move);
    // The page shown, as its view says.
    void UpdateButtons();
    // What the steps check and do on the way, and on arrival.
    bool StyleChosen();
    void StartNewDetails();
    void ArriveWithNewStyle();

    // --- controls ---
    QStackedWidget* PageControl1 = nullptr;
    QWidget* tab1 = nullptr;
    QWidget* tab2 = nullptr;
    QWidget* tab3 = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnFinish = nullptr;
    QPushButton* btnCancel = nullptr;
    // tab1
    QLabel* imgWizard1 = nullptr;
    QRadioButton* radAdd = nullptr;
    QRadioButton* radModify = nullptr;
    QRadioButton* radDelete = nullptr;
    // tab2
    THTMLViewer* ctlHTML = nullptr;
    QLineEdit* txtStyleName = nullptr;
    QGroupBox* grpBackground = nullptr;
    QLineEdit* txtImgFilename = nullptr;
    QToolButton* spdImgFile = nullptr;
    QPushButton* btnClearImage = nullptr;
    QLabel* lblImgInfo = nullptr;  // the size of the picture just chosen
    TColorPanel* pnlBack = nullptr;
    QGroupBox* grpColours = nullptr;
    TColorPanel* pnlDoc = nullptr;
    TColorPanel* pnlStandard = nullptr;
    TColorPanel* pnlActive = nullptr;
    TColorPanel* pnlVisited = nullptr;
    // tab3
    QLabel* imgWizard3 = nullptr;
    QListWidget* lstStyles = nullptr;
    QToolButton* spbUp = nullptr;
    QPushButton* butDelete = nullptr;
    QToolButton* spbDown = nullptr;
    QLabel* lblModify = nullptr;
    QLabel* lblDelete = nullptr;

    // --- wizard state ---
    // Copies of the style list's records, with the chosen style and the
    // unsaved-changes flag; lstStyles shows it.
    TListEditModel<TStyleChunk> EditList;
    const TStyleChunk BlankStyle{QString(), QString(), 0, 0, 0, 0, 0};
    TStyleChunk* EditStyle = nullptr;  // NewStyle, or a record of EditList
    // EditStyle's name when the edits were filled: a shipped style's name
    // shows translated, and stays stored as it is until the user changes it.
    QString StoredNameShown;
    int WizardMode = wmAdd;
    bool Filling = false;

    // Shows the sample in ctlHTML.
    void RefreshHTML();
    // Empties the edits; panels and EditStyle's colours to a new style's.
    void ClearStyle();
    // Puts EditStyle into the edits and panels.
    void ShowMyDetails();
    // Asks whether to save when something changed; false keeps the wizard
    // open (also after a failed save, which is told).
    bool AskForSave();

    void CreatePage1();
    void CreatePage2();
    void CreatePage3();
    void CreateButtons();
    void WireControls();
    TColorPanel* AddColorPanel(QWidget* parent, const char* name, const QString& label, int x, int y,
                               quint32 TStyleChunk::*field);

    void LoadStyleRows();  // lstStyles shows EditList, the current style chosen
    void ShowCurrentRow();
    // A fresh record from BlankStyle becomes EditStyle.
    void StartNewStyle();

    std::unique_ptr<TStyleChunk> NewStyle;  // EditStyle while it is no EditList record
};
