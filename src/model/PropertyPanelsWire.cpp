// The property panels' wiring: which record field each control writes, the
// image file button, and "What's This?" on a right click.

#include "model/PropertyPanels.h"
#include "model/PictureQuestion.h"
#include "viewer/ImageCache.h"

#include "app/AppPaths.h"
#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "app/WhatsThis.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QUrl>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>

void TPropertyPanels::WireControls() {
    connect(txtParagraph, &QPlainTextEdit::textChanged, this, &TPropertyPanels::txtParagraphChange);
    BindButtons(paraButtons, [](TWebChunk& c) { return c.Para ? &c.Para->Align : nullptr; },
                [](TWebChunk& c) { return c.Para ? &c.Para->NewLine : nullptr; });

    BindEdit(txtLinkURL, [](TWebChunk& c) { return c.Link ? &c.Link->URL : nullptr; });
    BindEdit(txtLinkPre, [](TWebChunk& c) { return c.Link ? &c.Link->PreText : nullptr; });
    BindEdit(txtLinkLink, [](TWebChunk& c) { return c.Link ? &c.Link->LinkText : nullptr; });
    BindEdit(txtLinkPost, [](TWebChunk& c) { return c.Link ? &c.Link->PostText : nullptr; });
    connect(cmbLinkPages, &QComboBox::activated, this, &TPropertyPanels::cmbLinkPagesChange);
    BindButtons(linkButtons, [](TWebChunk& c) { return c.Link ? &c.Link->Align : nullptr; },
                [](TWebChunk& c) { return c.Link ? &c.Link->NewLine : nullptr; });

    // The name shows with "/" and is stored in the page's own form.
    connect(txtImgFileName, &QLineEdit::textChanged, this, [this](const QString& text) {
        Store(txtImgFileName, [&](TWebChunk& c) {
            if (c.Image) c.Image->FileName = StoredPictureReference(text, c.Image->FileName);
        });
    });
    BindEdit(txtImgHeight, [](TWebChunk& c) { return c.Image ? &c.Image->ImgHeight : nullptr; });
    BindEdit(txtImgWidth, [](TWebChunk& c) { return c.Image ? &c.Image->ImgWidth : nullptr; });
    BindEdit(txtImgDesc, [](TWebChunk& c) { return c.Image ? &c.Image->AltText : nullptr; });
    BindEdit(txtImgLink, [](TWebChunk& c) { return c.Image ? &c.Image->ImgLink : nullptr; });
    BindButtons(imageButtons, [](TWebChunk& c) { return c.Image ? &c.Image->Align : nullptr; },
                [](TWebChunk& c) { return c.Image ? &c.Image->NewLine : nullptr; });
    connect(spdImgFile, &QToolButton::clicked, this, &TPropertyPanels::spdImgFileClick);
    connect(txtImgFileName, &QLineEdit::textChanged, this, &TPropertyPanels::ShowImageInfo);
    connect(txtImgDesc, &QLineEdit::textChanged, this, &TPropertyPanels::ShowAltState);
    connect(chkImgDecoration, &QCheckBox::toggled, this, [this](bool on) {
        Store(chkImgDecoration, [&](TWebChunk& c) {
            if (c.Image) c.Image->Decoration = on;
        });
        ShowAltState();
    });

    BindEdit(txtHeading, [](TWebChunk& c) { return c.Heading ? &c.Heading->HeadText : nullptr; });
    connect(cmbHeadSize, &QComboBox::activated, this, &TPropertyPanels::cmbHeadSizeChange);
    BindButtons(headButtons, [](TWebChunk& c) { return c.Heading ? &c.Heading->Align : nullptr; },
                [](TWebChunk& c) { return c.Heading ? &c.Heading->NewLine : nullptr; });

    BindEdit(txtEmail, [](TWebChunk& c) { return c.Email ? &c.Email->Address : nullptr; });
    BindEdit(txtEmailPre, [](TWebChunk& c) { return c.Email ? &c.Email->PreText : nullptr; });
    BindEdit(txtEmailLink, [](TWebChunk& c) { return c.Email ? &c.Email->LinkText : nullptr; });
    BindEdit(txtEmailPost, [](TWebChunk& c) { return c.Email ? &c.Email->PostText : nullptr; });
    BindButtons(emailButtons, [](TWebChunk& c) { return c.Email ? &c.Email->Align : nullptr; },
                [](TWebChunk& c) { return c.Email ? &c.Email->NewLine : nullptr; });

    BindEdit(txtLineWidth, [](TWebChunk& c) { return c.Line ? &c.Line->LineWidth : nullptr; });
    connect(cmbLineThick, &QComboBox::activated, this, &TPropertyPanels::cmbLineThickChange);
}

void TPropertyPanels::FillLinkPages() {
    cmbLinkPages->clear();
    cmbLinkPages->addItem(tr("My pages"));
    const QString self = QFileInfo(page_.DocFileName).fileName();
    const QFileInfoList saved = QDir(JoinPath(AppDir(), QStringLiteral("save")))
                                    .entryInfoList({QStringLiteral("*.tve")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& doc : saved) {
        if (doc.fileName() == self) continue;
        cmbLinkPages->addItem(StripExtension(doc.fileName()), doc.absoluteFilePath());
    }
    cmbLinkPages->setEnabled(cmbLinkPages->count() > 1);
    cmbLinkPages->setCurrentIndex(0);
}

void TPropertyPanels::cmbLinkPagesChange(int index) {
    const QString doc = cmbLinkPages->itemData(index).toString();
    cmbLinkPages->setCurrentIndex(0);
    if (doc.isEmpty() || !page_.CurrentChunk() || !page_.CurrentChunk()->Link) return;
    const QString file = w_.Hooks().LinkedPageFile ? w_.Hooks().LinkedPageFile(doc) : QString();
    if (file.isEmpty()) return;
    // "my page.html" is linked as "my%20page.html".
    txtLinkURL->setText(QString::fromLatin1(QUrl::toPercentEncoding(file)));
    if (txtLinkLink->text().trimmed().isEmpty()) txtLinkLink->setText(StripExtension(QFileInfo(doc).fileName()));
    txtLinkURL->setFocus();
}

void TPropertyPanels::spdImgFileClick() {
    const QString graphics = JoinPath(HTMLDir(), QStringLiteral("graphics"));
    TFileRequest request;
    request.caption = QCoreApplication::translate("PropertyPanelsWire", "Open");
    request.filters = PictureDialogFilters();
    request.folder = graphics;
    const QString chosen = Dialogs().OpenFile(&w_, request);
    if (chosen.isEmpty()) return;

    // Pictures live in the pages' graphics folder under a name without
    // spaces, in lower case, so the page refers to them the same way on
    // every server.
    const QString name = ReplaceAllNoCase(QFileInfo(chosen).fileName(), QStringLiteral(" "), QString()).toLower();
    const std::optional<TImportedPicture> picture = ImportChosenPicture(&w_, chosen, graphics, name);
    if (!picture) return;
    // The viewer's own loader, so the sizes are those the page will show.
    const QSize size = LoadImage(picture->path).size();

    importedPath_ = picture->path;
    importedNote_.clear();
    const QString was = DescribeBytes(picture->originalBytes);
    if (picture->webSized) importedNote_ = QCoreApplication::translate("PropertyPanelsWire", "web-sized from ") + was;
    else if (picture->converted) importedNote_ = QCoreApplication::translate("PropertyPanelsWire", "converted, was ") + was;

    // The name and the size are one change of the block.
    emit editGroupEnded();
    editSource_ = spdImgFile;
    const QString file = QStringLiteral("graphics/") + picture->name;
    // Another picture needs words of its own: the old text described the
    // old picture, so it is emptied and the warning asks for new words.
    if (file.compare(txtImgFileName->text().replace(QLatin1Char('\\'), QLatin1Char('/')), Qt::CaseInsensitive) != 0)
        txtImgDesc->clear();
    txtImgFileName->setText(file);
    if (size.isValid() && !size.isEmpty()) {
        txtImgHeight->setText(QString::number(size.height()));
        txtImgWidth->setText(QString::number(size.width()));
    }
    editSource_ = nullptr;
    emit editGroupEnded();
    ShowImageInfo();
}

void TPropertyPanels::ShowImageInfo() {
    const QString path = PicturePathInFolder(HTMLDir(), txtImgFileName->text());
    const TPictureFacts facts = path.isEmpty() ? TPictureFacts() : ReadPictureFacts(path);
    QString info = facts.readable ? DescribePicture(facts.size, facts.bytes) : QString();
    if (!info.isEmpty() && path == importedPath_ && !importedNote_.isEmpty())
        info += QStringLiteral(" (") + importedNote_ + QLatin1Char(')');
    lblImgInfo->setText(info);
    ShowAltState();
}

void TPropertyPanels::ShowAltState() {
    const bool decoration = chkImgDecoration->isChecked();
    txtImgDesc->setEnabled(!decoration);
    lblImgAltWarn->setVisible(!decoration && txtImgDesc->text().trimmed().isEmpty());
}

bool TPropertyPanels::eventFilter(QObject* watched, QEvent* event) {
    // A right-button release on a label, picture, button or panel (and on
    // the e-mail edits) asks for its "What's This?" topic.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (me->button() == Qt::RightButton && widget && widget->property("Tag").isValid()) {
            ShowWhatsThis(widget, widget->property("Tag").toInt());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
