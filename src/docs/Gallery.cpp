// The Choose stage's controls, the list of templates and saved pages, the
// preview box, and opening an entry.

#include "docs/Gallery.h"

#include "app/AppPaths.h"
#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/ShippedNames.h"
#include "app/Utils.h"
#include "docs/FileCommands.h"
#include "docs/PageFile.h"

#include <QAction>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QSet>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

// ---- TGalleryList -------------------------------------------------------------

TGalleryList::TGalleryList(QWidget* parent) : QListWidget(parent) {}

void TGalleryList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    emit mouseReleased(event->button(), event->globalPosition().toPoint());
}

void TGalleryList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

// ---- TGallery -------------------------------------------------------------------

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    return l;
}

}  // namespace

TGallery* AttachGallery(TStageHost& window, TFileCommands* files) { return new TGallery(window, files); }

TGallery::TGallery(TStageHost& window, TFileCommands* files) : QObject(&window), w_(window), files_(files) {
    setObjectName(QStringLiteral("Gallery"));
    CreateControls();
    WireControls();
    ShowIdlePicture();
}

void TGallery::CreateControls() {
    QFrame* pnl = w_.StagePanel(TStageHost::stChoose);

    lblChooseDesc1 = MakeLabel(pnl, "lblChooseDesc1", tr("Welcome to Tarvo, the easy way to the Web!"),
                               QRect(0, 6, 629, 17));
    QFont bold = lblChooseDesc1->font();
    bold.setBold(true);
    bold.setPixelSize(13);
    lblChooseDesc1->setFont(bold);
    lblChooseDesc1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    lblChooseDesc2 = MakeLabel(pnl, "lblChooseDesc2",
                               tr("You can choose a pre-designed page template below, or skip straight to "
                                              "'build your page' and design your page from scratch.  (You can change "
                                              "any page, any time, by moving WebBlocks.)"),
                               QRect(40, 23, 549, 28));
    lblChooseDesc2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblChooseDesc2->setWordWrap(true);

    Bevel1 = new QFrame(pnl);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(11, 51, 612, 241);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);

    lblChoosePages = MakeLabel(pnl, "lblChoosePages", tr(" Web Pages:"), QRect(11, 60, 64, 15));

    ilstTemplates[kTemplateIcon] = QIcon(ResourceBitmap(QStringLiteral("Icon_Template")));
    ilstTemplates[kSavedPageIcon] = QIcon(ResourceBitmap(QStringLiteral("Icon_Page")));

    lvTemplates = new TGalleryList(pnl);
    lvTemplates->setObjectName(QStringLiteral("lvTemplates"));
    lvTemplates->setGeometry(76, 60, 197, 221);
    FitLabelBeforeField(lblChoosePages, lvTemplates);
    lvTemplates->setProperty("Tag", kListContext);
    lvTemplates->setToolTip(tr("Select your file to open."));
    lvTemplates->setViewMode(QListView::ListMode);
    lvTemplates->setIconSize(QSize(32, 32));
    lvTemplates->setSelectionMode(QAbstractItemView::SingleSelection);
    // Captions are edited only during a rename, which starts the editor itself.
    lvTemplates->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvTemplates->setUniformItemSizes(true);
    lvTemplates->setTextElideMode(Qt::ElideRight);
    lvTemplates->setContextMenuPolicy(Qt::NoContextMenu);

    lblChoosePreview = MakeLabel(pnl, "lblChoosePreview", tr("Preview:"), QRect(318, 60, 46, 15));

    Panel2 = new QFrame(pnl);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(367, 60, 200, 223);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->setProperty("Tag", 71);
    Panel2->setAutoFillBackground(true);
    QPalette white = Panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel2->setPalette(white);

    imgPreView = new TPicture(Panel2, QStringLiteral("imgPreView"));
    imgPreView->setGeometry(2, 2, 196, 219);
    imgPreView->Tag = 71;
    imgPreView->hide();

    imgFrontPim = new TPicture(Panel2, QStringLiteral("imgFrontPim"));
    imgFrontPim->setGeometry(57, 56, 83, 98);
    imgFrontPim->Tag = 71;

    popFiles = new QMenu(&w_);
    popFiles->setObjectName(QStringLiteral("popFiles"));
    Delete1 = popFiles->addAction(tr("&Delete"));
    Delete1->setObjectName(QStringLiteral("Delete1"));
    Rename1 = popFiles->addAction(tr("Re&name"));
    Rename1->setObjectName(QStringLiteral("Rename1"));
    popFiles->addSeparator();
    WhatsThis1 = popFiles->addAction(tr("What's This?"));
    WhatsThis1->setObjectName(QStringLiteral("WhatsThis1"));
}

void TGallery::WireControls() {
    connect(lvTemplates, &TGalleryList::mouseReleased, this, &TGallery::lvTemplatesMouseUp);
    connect(lvTemplates, &TGalleryList::doubleClicked, this, &TGallery::lvTemplatesDblClick);
    connect(lvTemplates->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this] { RenamingEntry = false; });
    connect(Delete1, &QAction::triggered, this, &TGallery::Delete1Click);
    connect(Rename1, &QAction::triggered, this, &TGallery::Rename1Click);
    connect(WhatsThis1, &QAction::triggered, this, &TGallery::WhatsThis1Click);

    w_.Hooks().GallerySelected = [this] { return SelectedEntry() != nullptr; };
    w_.Hooks().OpenGalleryEntry = [this] {
        if (const QListWidgetItem* item = SelectedEntry()) DoTemplate(EntryPath(item), IsSavedPage(item));
    };
    w_.OnStage(&TStageHost::stageEntered, TStageHost::stChoose, this, [this](int) {
        ShowIdlePicture();
        GetTemplates();
    });
    // A page saved under a new name joins the list shown.
    if (files_)
        connect(files_, &TFileCommands::savedAs, this, [this] {
            if (w_.CurrentStage() != TStageHost::stChoose) return;
            ShowIdlePicture();
            GetTemplates();
        });
}

// ---- The list -------------------------------------------------------------------

QListWidgetItem* TGallery::SelectedEntry() const {
    const QList<QListWidgetItem*> selected = lvTemplates->selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

QString TGallery::EntryPath(const QListWidgetItem* item) { return item ? item->data(kPathRole).toString() : QString(); }

bool TGallery::IsSavedPage(const QListWidgetItem* item) {
    return item && item->data(kIconRole).toInt() == kSavedPageIcon;
}

void TGallery::GetTemplates() {
    ++generation_;
    lvTemplates->clear();
    AddFolders(TemplateFolders(), QStringLiteral("*.tvt"), kTemplateIcon);
    AddFolders({JoinPath(AppDir(), QStringLiteral("save"))}, QStringLiteral("*.tve"), kSavedPageIcon);
    if (lvTemplates->count() > 0) lvTemplates->scrollToItem(lvTemplates->item(0));
    lvTemplates->setCurrentItem(nullptr);
    lvTemplates->clearSelection();
}

void TGallery::AddFolders(const QStringList& folders, const QString& pattern, int icon) {
    // The first folder becomes the process's current folder, so the names
    // found are made absolute against it; a missing folder adds nothing. A
    // name found in an earlier folder hides the same name in a later one.
    bool current = false;
    QFileInfoList found;
    QSet<QString> names;
    for (const QString& folder : folders) {
        if (!current && QDir::setCurrent(folder)) current = true;
        const QFileInfoList files = QDir(folder).entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
        for (const QFileInfo& file : files)
            if (!names.contains(file.fileName())) {
                names.insert(file.fileName());
                found << file;
            }
    }
    // A shipped template shows its name in the user's language; the file
    // keeps its own.
    auto caption = [icon](const QFileInfo& file) {
        const QString name = StripExtension(file.fileName());
        return icon == kTemplateIcon ? ShownTemplateName(name) : name;
    };
    // Names in alphabetical order as shown, letter case ignored, as a
    // desktop file system lists them; hidden and system files count as well.
    std::stable_sort(found.begin(), found.end(), [&caption](const QFileInfo& a, const QFileInfo& b) {
        return caption(a).compare(caption(b), Qt::CaseInsensitive) < 0;
    });
    for (const QFileInfo& file : std::as_const(found)) {
        auto* item = new QListWidgetItem(ilstTemplates[icon], caption(file));
        item->setData(kPathRole, QDir::toNativeSeparators(file.absoluteFilePath()));
        item->setData(kIconRole, icon);
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        lvTemplates->addItem(item);
    }
}

// ---- Preview and opening ------------------------------------------------------

void TGallery::ShowIdlePicture() {
    imgFrontPim->ShowBitmap(QStringLiteral("Preview"), true);
    imgFrontPim->show();
    imgPreView->hide();
}

void TGallery::ShowPreview(const QString& path) {
    if (!QFile::exists(path)) return;
    const QImage snapshot = ReadThumbnail(path);
    if (snapshot.isNull()) return;
    imgPreView->setPixmap(QPixmap::fromImage(snapshot));
    imgFrontPim->hide();
    imgPreView->show();
    lblChoosePreview->show();
}

void TGallery::DoTemplate(const QString& path, bool isSavedPage) {
    if (files_) files_->DoTemplate(path, isSavedPage);
}

void TGallery::lvTemplatesClick() {
    if (const QListWidgetItem* item = SelectedEntry()) ShowPreview(EntryPath(item));
}

void TGallery::lvTemplatesDblClick() {
    if (const QListWidgetItem* item = SelectedEntry()) DoTemplate(EntryPath(item), IsSavedPage(item));
}
