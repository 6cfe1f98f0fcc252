#include "docs/SitePagesDialog.h"

#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "docs/PageFile.h"
#include "model/WebBlocks.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString DocumentPath(const QString& saveFolder, const QString& file) {
    return QDir(saveFolder).filePath(StripExtension(QFileInfo(file).fileName()) + QStringLiteral(".tve"));
}

// The saved document of the HTML file, read whole, or false.
bool ReadDocument(const QString& saveFolder, const QString& file, TPage& page) {
    const QString path = DocumentPath(saveFolder, file);
    if (!QFileInfo(path).isFile()) return false;
    return ReadPageFile(path, page).Result == TPageReadResult::Ok;
}

// The page's title: its file's TITLE element, else its saved document's.
QString PageTitle(const TSite& site, const TSitePage& page, const QString& saveFolder) {
    const QString title = SitePageTitle(site, page);
    if (!title.isEmpty()) return title;
    TPage doc;
    return ReadDocument(saveFolder, page.File, doc) ? SiteTitleText(doc.PageTitle.toHtmlEscaped()) : QString();
}

// The menu as every page shows it, but for which page is current.
QStringList MenuOf(const TSite& site) {
    QStringList menu;
    for (const TSitePage& p : site.Pages)
        if (p.InMenu) menu << SiteFileName(p.File) + QLatin1Char('\n') + SiteMenuWords(site, p);
    return menu;
}

}  // namespace

std::vector<TSitePage> SitePageCandidates(const TSite& site, const QString& saveFolder) {
    std::vector<TSitePage> pages;
    const QFileInfoList files = QDir(site.Folder).entryInfoList({QStringLiteral("*.html"), QStringLiteral("*.htm")},
                                                                QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        // The previews, and the file of a page never given a name.
        if (name.startsWith(QLatin1Char('~')) || StripExtension(name).isEmpty()) continue;
        if (site.Find(name)) continue;
        TSitePage page;
        page.File = name;
        page.Words.clear();
        page.InMenu = true;
        page.Title = PageTitle(site, page, saveFolder);
        pages.push_back(page);
    }
    return pages;
}

bool DocumentShowsSiteMenu(const QString& saveFolder, const QString& file) {
    TPage doc;
    return ReadDocument(saveFolder, file, doc) && doc.ShowSiteMenu;
}

TfrmSitePages::TfrmSitePages(const QString& folder, const QString& saveFolder, QWidget* parent)
    : QDialog(parent), site_(LoadSite(folder)), saveFolder_(saveFolder) {
    setObjectName(QStringLiteral("frmSitePages"));
    setWindowTitle(tr("Pages and Menu"));
    lblPages = new QLabel(tr("The pages of your site in the order of the menu. The menu shows the checked pages."), this);
    lblPages->setObjectName(QStringLiteral("lblPages"));
    lblPages->setWordWrap(true);
    lstPages = new QListWidget(this);
    lstPages->setObjectName(QStringLiteral("lstPages"));
    // Small enough for a dialog that fits a low screen at twice the size;
    // the list takes what room the window has.
    lstPages->setMinimumSize(420, 96);
    btnUp = new QPushButton(tr("Move &Up"), this);
    btnUp->setObjectName(QStringLiteral("btnUp"));
    btnDown = new QPushButton(tr("Move &Down"), this);
    btnDown->setObjectName(QStringLiteral("btnDown"));
    btnRemove = new QPushButton(tr("&Remove"), this);
    btnRemove->setObjectName(QStringLiteral("btnRemove"));
    lblWords = new QLabel(tr("&Words in the menu:"), this);
    lblWords->setObjectName(QStringLiteral("lblWords"));
    edtWords = new QLineEdit(this);
    edtWords->setObjectName(QStringLiteral("edtWords"));
    lblWords->setBuddy(edtWords);
    lblAdd = new QLabel(tr("&Saved page:"), this);
    lblAdd->setObjectName(QStringLiteral("lblAdd"));
    cboAdd = new QComboBox(this);
    cboAdd->setObjectName(QStringLiteral("cboAdd"));
    cboAdd->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboAdd->setMinimumContentsLength(20);
    lblAdd->setBuddy(cboAdd);
    btnAdd = new QPushButton(tr("&Add to Site"), this);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto* side = new QVBoxLayout;
    side->addWidget(btnUp);
    side->addWidget(btnDown);
    side->addSpacing(12);
    side->addWidget(btnRemove);
    side->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lstPages, 1);
    listRow->addLayout(side);
    auto* fields = new QGridLayout;
    fields->addWidget(lblWords, 0, 0);
    fields->addWidget(edtWords, 0, 1, 1, 2);
    fields->addWidget(lblAdd, 1, 0);
    fields->addWidget(cboAdd, 1, 1);
    fields->addWidget(btnAdd, 1, 2);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPages);
    layout->addLayout(listRow, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    EditList.SetSaver([this](const TListEditModel<TSitePage>::TItems& items) {
        TSite site;
        site.Folder = site_.Folder;
        for (const auto& item : items) site.Pages.push_back(*item);
        const TSite before = LoadSite(site.Folder);
        const TWriteOutcome saved = SaveSite(site);
        if (!saved.ok) return TSaveOutcome::Failed(saved.Message(SiteRecordPath(site.Folder)));
        if (MenuOf(site) != MenuOf(before)) {
            const QString save = saveFolder_;
            const TMenuRewrite rewrite =
                RewriteSiteMenus(site, [save](const QString& file) { return DocumentShowsSiteMenu(save, file); });
            if (MenuChanged) MenuChanged();
            // The site is saved; a page that could not take the menu is
            // named, and takes it when it is made again.
            if (!rewrite.Problems.isEmpty())
                Dialogs().Tell(this, windowTitle(),
                               tr("The site is saved, but these pages could not be given the new menu:") +
                                   QStringLiteral("\n\n") + rewrite.Problems.join(QLatin1Char('\n')),
                               TMsgIcon::Warning);
        }
        site_ = site;
        return TSaveOutcome{};
    });
    TListEditModel<TSitePage>::TItems items;
    for (const TSitePage& p : site_.Pages) {
        auto item = std::make_unique<TSitePage>(p);
        if (!SitePageMissing(site_, p)) item->Title = PageTitle(site_, p, saveFolder_);
        items.push_back(std::move(item));
    }

    connect(&EditList, &TListEditCore::ItemsChanged, this, &TfrmSitePages::FillList);
    connect(&EditList, &TListEditCore::ItemChanged, this, [this](int index) {
        const TSitePage* page = EditList.At(index);
        QListWidgetItem* row = lstPages->item(index);
        if (!page || !row) return;
        const bool was = filling_;
        filling_ = true;
        row->setText(RowText(*page));
        row->setCheckState(page->InMenu ? Qt::Checked : Qt::Unchecked);
        filling_ = was;
    });
    connect(&EditList, &TListEditCore::CurrentChanged, this, &TfrmSitePages::ShowCurrent);
    connect(lstPages, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) EditList.Select(row);
    });
    connect(lstPages, &QListWidget::itemChanged, this, &TfrmSitePages::RowChanged);
    connect(edtWords, &QLineEdit::textEdited, this, &TfrmSitePages::WordsEdited);
    connect(btnUp, &QPushButton::clicked, this, [this] { EditList.MoveUp(); });
    connect(btnDown, &QPushButton::clicked, this, [this] { EditList.MoveDown(); });
    connect(btnRemove, &QPushButton::clicked, this, [this] {
        EditList.RemoveCurrent();
        FillCandidates();
    });
    connect(btnAdd, &QPushButton::clicked, this, &TfrmSitePages::AddClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmSitePages::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSitePages::reject);

    EditList.SetItems(std::move(items));
    FillCandidates();
    if (EditList.Count() > 0) EditList.Select(0);
}

QString TfrmSitePages::RowText(const TSitePage& page) const {
    const QString words = SiteMenuWords(site_, page);
    if (!SitePageMissing(site_, page)) return words;
    return tr("%1 (missing: the file %2 is no longer in the folder)").arg(words, page.File);
}

void TfrmSitePages::FillList() {
    const bool was = filling_;
    filling_ = true;
    lstPages->clear();
    for (const auto& page : EditList.Items()) {
        auto* row = new QListWidgetItem(RowText(*page), lstPages);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(page->InMenu ? Qt::Checked : Qt::Unchecked);
    }
    lstPages->setCurrentRow(EditList.Current());
    filling_ = was;
}

void TfrmSitePages::FillCandidates() {
    TSite held = site_;
    held.Pages.clear();
    for (const auto& page : EditList.Items()) held.Pages.push_back(*page);
    cboAdd->clear();
    for (const TSitePage& page : SitePageCandidates(held, saveFolder_)) {
        const QString title = page.Title.isEmpty() ? StripExtension(page.File) : page.Title;
        cboAdd->addItem(title == StripExtension(page.File) ? page.File : QStringLiteral("%1 (%2)").arg(title, page.File),
                        page.File);
        cboAdd->setItemData(cboAdd->count() - 1, page.Title, Qt::UserRole + 1);
    }
    cboAdd->setEnabled(cboAdd->count() > 0);
    btnAdd->setEnabled(cboAdd->count() > 0);
}

void TfrmSitePages::ShowCurrent() {
    const int current = EditList.Current();
    const bool was = filling_;
    filling_ = true;
    lstPages->setCurrentRow(current);
    filling_ = was;
    const TSitePage* page = EditList.CurrentItem();
    edtWords->setEnabled(page != nullptr);
    lblWords->setEnabled(page != nullptr);
    edtWords->setText(page ? page->Words : QString());
    if (page) {
        TSitePage plain = *page;
        plain.Words.clear();
        edtWords->setPlaceholderText(SiteMenuWords(site_, plain));
    } else {
        edtWords->setPlaceholderText(QString());
    }
    btnUp->setEnabled(page && current > 0);
    btnDown->setEnabled(page && current + 1 < EditList.Count());
    btnRemove->setEnabled(page != nullptr);
}

void TfrmSitePages::RowChanged(QListWidgetItem* row) {
    if (filling_ || !row) return;
    const int index = lstPages->row(row);
    TSitePage* page = EditList.At(index);
    if (!page) return;
    const bool on = row->checkState() == Qt::Checked;
    if (page->InMenu == on) return;
    page->InMenu = on;
    EditList.ItemEdited(index);
}

void TfrmSitePages::WordsEdited(const QString& text) {
    TSitePage* page = EditList.CurrentItem();
    if (!page) return;
    page->Words = text;
    EditList.ItemEdited(EditList.Current());
}

void TfrmSitePages::AddClick() {
    const int i = cboAdd->currentIndex();
    if (i < 0) return;
    auto page = std::make_unique<TSitePage>();
    page->File = cboAdd->itemData(i).toString();
    page->Title = cboAdd->itemData(i, Qt::UserRole + 1).toString();
    page->InMenu = true;
    EditList.Add(std::move(page));
    FillCandidates();
}

void TfrmSitePages::accept() {
    // Nothing changed: nothing to save, nothing to write.
    if (!EditList.Dirty()) {
        QDialog::accept();
        return;
    }
    const TSaveOutcome saved = EditList.Save();
    if (!saved.Ok) {
        Dialogs().Tell(this, windowTitle(), saved.Message, TMsgIcon::Warning);
        return;
    }
    QDialog::accept();
}
