// The property panels at work: which panel shows, filling a panel from the
// current block, and writing every change back into the block.

#include "model/PropertyPanels.h"

#include "app/EditorText.h"
#include "app/StageHost.h"
#include "model/PictureImport.h"
#include "model/WebBlocks.h"
#include "app/Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QToolButton>

void TPropertyPanels::ShowPanel(int kind) {
    for (QFrame* p : {pnlPara, pnlLink, pnlImage, pnlHeading, pnlEmail, pnlLine, pnlBlank}) p->hide();
    const TButtonRow* rows[] = {&paraButtons, &linkButtons, &imageButtons, &headButtons, &emailButtons};
    if (kind >= 0 && kind <= bkEmail) SetAlign(*rows[kind], alNone);
    QFrame* panels[] = {pnlPara, pnlLink, pnlImage, pnlHeading, pnlEmail, pnlLine};
    QFrame* shown = kind >= 0 && kind < kBlockKindCount ? panels[kind] : pnlBlank;
    shown->show();
    shown->raise();
}

QFrame* TPropertyPanels::VisiblePanel() const {
    for (QFrame* p : {pnlPara, pnlLink, pnlImage, pnlHeading, pnlEmail, pnlLine, pnlBlank})
        if (!p->isHidden()) return p;
    return nullptr;
}

void TPropertyPanels::FillPanel() {
    const TWebChunk* chunk = page_.CurrentChunk();
    if (!chunk) return;
    switch (chunk->Kind) {
        case bkPara: FillParaPanel(); break;
        case bkLink: FillLinkPanel(); break;
        case bkImage: FillImagePanel(); break;
        case bkHeading: FillHeadingPanel(); break;
        case bkEmail: FillEmailPanel(); break;
        case bkLine: FillLinePanel(); break;
        default: ShowPanel(-1); break;
    }
}

// Filling shows what the record holds; it never marks the page changed by
// itself (only the list rule below changes a record).

void TPropertyPanels::FillParaPanel() {
    const TBlockPara r = *page_.CurrentChunk()->Para;
    filling_ = true;
    ShowPanel(bkPara);
    if (EditorContents(txtParagraph) != EditorForm(r.Paragraph)) ShowInEditor(txtParagraph, r.Paragraph);
    SetAlign(paraButtons, r.Align);
    paraButtons.newLine->setChecked(r.NewLine != 0);
    filling_ = false;
    Focus(txtParagraph);
}

void TPropertyPanels::FillLinkPanel() {
    const TBlockLink r = *page_.CurrentChunk()->Link;
    filling_ = true;
    ShowPanel(bkLink);
    SetText(txtLinkPre, r.PreText);
    SetText(txtLinkURL, r.URL);
    SetText(txtLinkLink, r.LinkText);
    SetText(txtLinkPost, r.PostText);
    FillLinkPages();
    SetAlign(linkButtons, r.Align);
    linkButtons.newLine->setChecked(r.NewLine != 0);
    filling_ = false;
    Focus(txtLinkURL);
}

void TPropertyPanels::FillImagePanel() {
    const TBlockImage r = *page_.CurrentChunk()->Image;
    filling_ = true;
    ShowPanel(bkImage);
    SetText(txtImgFileName, ShownPictureReference(r.FileName));
    SetText(txtImgHeight, r.ImgHeight);
    SetText(txtImgWidth, r.ImgWidth);
    SetAlign(imageButtons, r.Align);
    imageButtons.newLine->setChecked(r.NewLine != 0);
    SetText(txtImgDesc, r.AltText);
    chkImgDecoration->setChecked(r.Decoration);
    SetText(txtImgLink, r.ImgLink);
    ShowImageInfo();
    filling_ = false;
    Focus(txtImgFileName);
}

void TPropertyPanels::FillHeadingPanel() {
    const TBlockHeading r = *page_.CurrentChunk()->Heading;
    filling_ = true;
    ShowPanel(bkHeading);
    SelectListItem(cmbHeadSize, r.HeadSize, &TPropertyPanels::cmbHeadSizeChange);
    SetText(txtHeading, r.HeadText);
    SetAlign(headButtons, r.Align);
    // The new-line button keeps its state from one heading to the next.
    filling_ = false;
    Focus(txtHeading);
}

void TPropertyPanels::FillEmailPanel() {
    const TBlockEmail r = *page_.CurrentChunk()->Email;
    filling_ = true;
    ShowPanel(bkEmail);
    SetText(txtEmailPre, r.PreText);
    SetText(txtEmail, r.Address);
    SetText(txtEmailLink, r.LinkText);
    SetText(txtEmailPost, r.PostText);
    SetAlign(emailButtons, r.Align);
    emailButtons.newLine->setChecked(r.NewLine != 0);
    filling_ = false;
    Focus(txtEmail);
}

void TPropertyPanels::FillLinePanel() {
    const TBlockLine r = *page_.CurrentChunk()->Line;
    filling_ = true;
    ShowPanel(bkLine);
    SetText(txtLineWidth, r.LineWidth);
    SelectListItem(cmbLineThick, r.Thickness, &TPropertyPanels::cmbLineThickChange);
    filling_ = false;
    Focus(txtLineWidth);
}

void TPropertyPanels::SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

void TPropertyPanels::SetAlign(const TButtonRow& row, int align) {
    row.left->setChecked(align == alLeft);
    row.center->setChecked(align == alCenter);
    row.right->setChecked(align == alRight);
}

void TPropertyPanels::SelectListItem(QComboBox* list, const QString& text, void (TPropertyPanels::*change)()) {
    // The items' data are the texts a page file keeps (the shown texts may be
    // translated); letter case is ignored.
    const int index = list->findData(text, Qt::UserRole, Qt::MatchFixedString);
    if (index >= 0) {
        list->setCurrentIndex(index);
        return;
    }
    // A value that is not in the list becomes the first item, stored as if
    // the user had chosen it.
    list->setCurrentIndex(0);
    const bool wasFilling = filling_;
    filling_ = false;
    (this->*change)();
    filling_ = wasFilling;
}

void TPropertyPanels::Focus(QWidget* control) {
    if (!page_.LoadingDocument) control->setFocus();
}

// --- change handlers ---

bool TPropertyPanels::Editing() const { return !filling_ && !page_.FillingPanel && page_.CurrentChunk(); }

void TPropertyPanels::Store(QObject* control, const std::function<void(TWebChunk&)>& write) {
    if (!Editing()) return;
    QObject* source = editSource_ ? editSource_ : control;
    emit fieldEditing(source);
    write(*page_.CurrentChunk());
    page_.PageChanged = true;
    emit fieldEdited(source);
}

void TPropertyPanels::BindEdit(QLineEdit* edit, std::function<QString*(TWebChunk&)> field) {
    connect(edit, &QLineEdit::textChanged, this, [this, edit, field](const QString& text) {
        Store(edit, [&](TWebChunk& c) {
            if (QString* f = field(c)) *f = text;
        });
    });
}

void TPropertyPanels::AlignClick(const TButtonRow& row, QToolButton* button, std::function<quint8*(TWebChunk&)> align) {
    // Filling the panel sets each button itself.
    if (!Editing()) return;
    // At most one button of the group is down; all may be up.
    for (QToolButton* b : {row.left, row.center, row.right})
        if (b != button) {
            const QSignalBlocker quiet(b);
            b->setChecked(false);
        }
    const quint8 code = !button->isChecked() ? alNone : button == row.left ? alLeft : button == row.center ? alCenter : alRight;
    Store(button, [&](TWebChunk& c) {
        if (quint8* a = align(c)) *a = code;
    });
}

void TPropertyPanels::BindButtons(const TButtonRow& row, std::function<quint8*(TWebChunk&)> align,
                                  std::function<quint8*(TWebChunk&)> newLine) {
    // On toggled, not clicked: an assistive tool presses a checkable
    // button through its toggle action, which raises no click. (Filling
    // the panel toggles them too, which Store ignores.)
    for (QToolButton* b : {row.left, row.center, row.right})
        connect(b, &QToolButton::toggled, this, [this, row, b, align] { AlignClick(row, b, align); });
    connect(row.newLine, &QToolButton::toggled, this, [this, button = row.newLine, newLine](bool down) {
        Store(button, [&](TWebChunk& c) {
            if (quint8* n = newLine(c)) *n = down ? 1 : 0;
        });
    });
}

void TPropertyPanels::txtParagraphChange() {
    Store(txtParagraph, [this](TWebChunk& c) {
        // Only what the user changed changes: the record's own line breaks
        // and non-breaking spaces stay; new lines are CR LF.
        if (c.Para) c.Para->Paragraph = ApplyEditorChange(c.Para->Paragraph, EditorContents(txtParagraph), CRLF);
    });
}

void TPropertyPanels::cmbHeadSizeChange() {
    Store(cmbHeadSize, [this](TWebChunk& c) {
        if (c.Heading) c.Heading->HeadSize = cmbHeadSize->currentData().toString();
    });
}

void TPropertyPanels::cmbLineThickChange() {
    Store(cmbLineThick, [this](TWebChunk& c) {
        if (c.Line) c.Line->Thickness = cmbLineThick->currentData().toString();
    });
}
