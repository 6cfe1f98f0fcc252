#pragma once
// Forms of a document and their controls. A control keeps its state
// (text, checked, selection) itself; when the document is shown by a
// viewer, a real widget on the viewer's paint panel mirrors that state and
// writes the user's changes back into it. Off-screen drawing renders a
// widget made from the same state into the picture, so a page with a form
// looks the same in a PNG as on screen.
//
// A form collects "NAME=value" strings from its controls and hands them,
// with its ACTION and METHOD, to the section list's submit callback; it
// encodes and sends nothing itself.

#include "viewer/HtmlMeasure.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QListWidget;
class QPainter;
class TAttributeList;
class TSectionList;
class ThtmlForm;

// Text as a memo's lines: a line end ends a line, so text ending in one
// has no empty last line, and empty text has no lines.
QStringList MemoLines(const QString& s, QChar lineEnd);

class TFormControlObj {
public:
    TFormControlObj(ThtmlForm* form, const TAttributeList& attrs);
    virtual ~TFormControlObj();  // removes the widget from the panel
    TFormControlObj(const TFormControlObj&) = delete;
    TFormControlObj& operator=(const TFormControlObj&) = delete;

    int Pos = 0;  // character index of its placeholder in the section
    int Order = 0;  // place among the document's controls, for the Tab order
    TSectionList* MasterList;
    ThtmlForm* MyForm;
    QString Value;  // VALUE
    QString Name;   // NAME
    bool OnBaseline = false;  // check boxes and radio buttons sit on the baseline
    QPointer<QWidget> TheControl;  // the widget on the viewer's panel; null off-screen
    bool ShowIt = false;  // drawn since the last scroll
    int Width = 0, Height = 0;  // px, from SetHeightWidth

    virtual bool Hidden() const { return false; }
    // Back to the state the page gave it.
    virtual void ResetToValue() {}
    // The index-th "NAME=value" string into S; false when there is none.
    virtual bool GetSubmission(int Index, QString& S) = 0;
    // Width and height for the next layout, measured with the control's font.
    virtual void SetHeightWidth(TMeasurer& m) = 0;

    // Makes the widget on `panel`, out of sight until its line is drawn.
    void CreateWidget(QWidget* panel);
    // Puts the control at (x, y), device coordinates of `p`: the widget is
    // moved there and shown; without one, a widget made for the moment is
    // rendered into the picture.
    void Draw(QPainter& p, int x, int y);
    // The widget's font as the measurer knows it.
    TFontDesc FontDesc() const;

protected:
    // A widget showing the present state; `live` ones also write the
    // user's changes back and submit or reset the form.
    virtual QWidget* MakeWidget(QWidget* parent, bool live) = 0;
    // Copies the state into the widget.
    virtual void UpdateWidget(QWidget* w) = 0;
    void SyncWidget() {
        if (TheControl)
            UpdateWidget(TheControl);
    }
    // Edits, lists and text areas use the preformatted font; buttons and
    // boxes the interface font.
    virtual bool UsesFixedFont() const { return true; }
};

// INPUT TYPE=hidden: submits its VALUE, shows nothing.
class THiddenFormControlObj : public TFormControlObj {
public:
    using TFormControlObj::TFormControlObj;
    bool Hidden() const override { return true; }
    bool GetSubmission(int Index, QString& S) override;
    void SetHeightWidth(TMeasurer&) override {}

protected:
    QWidget* MakeWidget(QWidget*, bool) override { return nullptr; }
    void UpdateWidget(QWidget*) override {}
};

// INPUT TYPE text, password, or any other.
class TEditFormControlObj : public TFormControlObj {
public:
    TEditFormControlObj(ThtmlForm* form, const TAttributeList& attrs, bool password);
    int Size = 20;       // characters
    int MaxLength = 0;   // 0: no limit
    bool Password = false;
    QString Text;        // what the field holds now
    void ResetToValue() override;
    bool GetSubmission(int Index, QString& S) override;
    void SetHeightWidth(TMeasurer& m) override;

protected:
    QWidget* MakeWidget(QWidget* parent, bool live) override;
    void UpdateWidget(QWidget* w) override;
};

// INPUT TYPE submit or reset.
class TButtonFormControlObj : public TFormControlObj {
public:
    TButtonFormControlObj(ThtmlForm* form, const TAttributeList& attrs, bool reset);
    bool Reset;
    bool GetSubmission(int, QString&) override { return false; }
    void SetHeightWidth(TMeasurer& m) override;
    // What a click does: reset the form, or submit it.
    void Click();

protected:
    QWidget* MakeWidget(QWidget* parent, bool live) override;
    void UpdateWidget(QWidget*) override {}
    bool UsesFixedFont() const override { return false; }
};

// INPUT TYPE checkbox, and the radio button below.
class TCheckBoxFormControlObj : public TFormControlObj {
public:
    TCheckBoxFormControlObj(ThtmlForm* form, const TAttributeList& attrs);
    bool InitChecked;  // CHECKED
    bool Checked;      // now
    void ResetToValue() override;
    bool GetSubmission(int Index, QString& S) override;
    void SetHeightWidth(TMeasurer&) override;
    void SetChecked(bool on);

protected:
    QWidget* MakeWidget(QWidget* parent, bool live) override;
    void UpdateWidget(QWidget* w) override;
    bool UsesFixedFont() const override { return false; }
};

// INPUT TYPE radio: checking one unchecks the others of its form with the
// same NAME (case-insensitive).
class TRadioButtonFormControlObj : public TCheckBoxFormControlObj {
public:
    using TCheckBoxFormControlObj::TCheckBoxFormControlObj;
    void SetHeightWidth(TMeasurer&) override;
    // A click: checked, and the others of the group not.
    void Click();

protected:
    QWidget* MakeWidget(QWidget* parent, bool live) override;
    void UpdateWidget(QWidget* w) override;
};

struct TOptionObj {
    QString Text;   // trimmed, at most 80 characters
    QString Value;  // VALUE, at most 80 characters
    bool Selected = false;  // SELECTED
};

// SELECT with MULTIPLE or SIZE > 1.
class TListBoxFormControlObj : public TFormControlObj {
public:
    TListBoxFormControlObj(ThtmlForm* form, const TAttributeList& attrs);
    std::vector<TOptionObj> Options;
    std::vector<bool> Sel;  // selected items now
    bool Multiple = false;
    int Rows = -1;          // SIZE, or -1
    int LongestOption = 3;  // characters, at least 3
    void AddOption(const TOptionObj& o);
    void ResetToValue() override;
    bool GetSubmission(int Index, QString& S) override;
    void SetHeightWidth(TMeasurer& m) override;
    // Selects item i alone (or adds it, for a multiple list).
    void Select(int i, bool alone = true);

protected:
    QWidget* MakeWidget(QWidget* parent, bool live) override;
    void UpdateWidget(QWidget* w) override;
    void FitRows(QListWidget* l) const;
};

// Any other SELECT: a drop-down list with one selected item.
class TComboFormControlObj : public TListBoxFormControlObj {
public:
    using TListBoxFormControlObj::TListBoxFormControlObj;
    void ResetToValue() override;
    void SetHeightWidth(TMeasurer& m) override;
    int Current() const;  // the selected item, -1 when there are none

protected:
    QWidget* MakeWidget(QWidget* parent, bool live) override;
    void UpdateWidget(QWidget* w) override;
};

// TEXTAREA: its content as typed, one string per line.
class TTextAreaFormControlObj : public TFormControlObj {
public:
    TTextAreaFormControlObj(ThtmlForm* form, const TAttributeList& attrs);
    QStringList InitLines;  // the page's content
    QStringList Lines;      // now
    int Rows = 5, Cols = 30;
    void ResetToValue() override;
    bool GetSubmission(int Index, QString& S) override;
    void SetHeightWidth(TMeasurer& m) override;

protected:
    QWidget* MakeWidget(QWidget* parent, bool live) override;
    void UpdateWidget(QWidget* w) override;
};

class ThtmlForm {
public:
    // FORM's METHOD (at most 4 characters, "Get" when absent) and ACTION;
    // no attributes for the form of controls outside any FORM.
    ThtmlForm(TSectionList* list, const TAttributeList* attrs);
    TSectionList* MasterList;
    QString Method = QStringLiteral("Get");
    QString Action;
    std::vector<std::unique_ptr<TFormControlObj>> Controls;
    int NonHiddenCount = 0;

    // Takes the control; it becomes the last of the form.
    TFormControlObj* Add(std::unique_ptr<TFormControlObj> c);
    // Every control's strings in order, then the submit button's own
    // NAME=VALUE when it has a NAME.
    QStringList GetResults(const TButtonFormControlObj* submit) const;
    // Hands the results to the section list's submit callback, if any.
    void Submit(const TButtonFormControlObj* submit);
    void ResetControls();
    void UncheckOtherRadios(const TRadioButtonFormControlObj* checked);
    // Enter in an edit submits a form whose only visible control it is.
    void EnterPressed();
};

// The forms of a document.
class TFormList {
public:
    std::vector<std::unique_ptr<ThtmlForm>> Forms;
    // The viewer's paint panel, where controls get widgets; null for
    // off-screen documents.
    QPointer<QWidget> Panel;

    ThtmlForm* NewForm(TSectionList* list, const TAttributeList* attrs);
    // The next control's place in the document (TFormControlObj::Order).
    int NextOrder() { return controlCount_++; }
    // Puts the control's new widget into the Tab order after the widget of
    // the control before it in the document, wherever it was made.
    void PlaceInTabOrder(const TFormControlObj& c);
    // Sizes every control for the next layout.
    void SetHeightWidth(TMeasurer& m);
    // After a scroll: the next draw hides the controls it does not place.
    void ScrollStarted();
    void HideUndrawn();
    void Clear() {
        withWidgets_.clear();
        controlCount_ = 0;
        Forms.clear();
    }

private:
    bool checkShown_ = false;
    int controlCount_ = 0;
    // The widgets made so far, by their control's Order.
    std::map<int, QPointer<QWidget>> withWidgets_;
};
