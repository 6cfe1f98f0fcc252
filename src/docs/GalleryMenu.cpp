// The gallery's entry menu: delete and rename an entry (with the snapshot
// beside its file), and "What's This?" for the list.

#include "docs/Gallery.h"

#include "app/HelpCalls.h"
#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "app/WhatsThis.h"
#include "docs/PageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>

namespace {

// A new caption names a file in the entry's own folder only: an empty name,
// "." or "..", or one with a folder separator in it is refused, so a rename
// can neither hide a page in a dot-file nor move it out of the gallery.
bool IsPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

}  // namespace

void TGallery::lvTemplatesMouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::LeftButton) {
        lvTemplatesClick();
    } else if (button == Qt::RightButton) {
        if (SelectedEntry()) popFiles->popup(globalPos);
        else ShowWhatsThis(lvTemplates, kListContext);
    }
}

void TGallery::WhatsThis1Click() { ShowHelp(lvTemplates, THelpCall::ContextPopup, kListContext); }

void TGallery::Delete1Click() {
    const QListWidgetItem* item = SelectedEntry();
    if (!item) return;
    const QString path = EntryPath(item);
    const QString name = StripExtension(QFileInfo(path).fileName());
    const auto answer = Dialogs().Ask(
        &w_, w_.ApplicationTitle(),
        QCoreApplication::translate("GalleryMenu", "Are you sure you want to delete the Tarvo file \"%1\"?").arg(name),
        TMsgIcon::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    // The page being built is left alone, even when it was read from this file.
    if (QFile::exists(path)) QFile::remove(path);
    const QString snapshot = SnapshotPath(path);
    if (QFile::exists(snapshot)) QFile::remove(snapshot);
    ShowIdlePicture();
    GetTemplates();
}

void TGallery::Rename1Click() {
    QListWidgetItem* item = SelectedEntry();
    if (!item) return;
    const QString oldCaption = item->text();
    const QString oldPath = EntryPath(item);
    const int generation = generation_;

    // Edit the caption in place and wait for the edit to end. The wait ends
    // on an accepted edit, on a cancelled one (Escape), and when the editor
    // goes away because the list was rebuilt meanwhile.
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    RenamingEntry = true;
    lvTemplates->editItem(item);
    QPointer<QWidget> editor = lvTemplates->indexWidget(lvTemplates->model()->index(lvTemplates->row(item), 0));
    QPointer<TGalleryList> list = lvTemplates;
    while (RenamingEntry && list && generation_ == generation && editor && !editor->isHidden())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    RenamingEntry = false;
    // A rebuilt list no longer holds the item.
    if (!list || generation_ != generation) return;
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);

    const QString newCaption = item->text();
    if (newCaption == oldCaption) return;
    MoveEntryFiles(oldPath, newCaption);
    GetTemplates();
}

void TGallery::MoveEntryFiles(const QString& oldPath, const QString& newCaption) {
    if (!IsPlainFileName(newCaption)) return;
    const QFileInfo old(oldPath);
    const QString dot = old.fileName().contains(QLatin1Char('.')) ? QStringLiteral(".") + old.suffix() : QString();
    const QString newPath = JoinPath(QDir::toNativeSeparators(old.absolutePath()), newCaption) + dot;
    // A file of the new name is never replaced: the move fails and both
    // files stay as they were. The snapshot follows only a document that
    // moved, so it never ends up beside another page.
    if (QFile::exists(oldPath) && !QFile::rename(oldPath, newPath)) return;
    const QString oldSnapshot = SnapshotPath(oldPath);
    if (QFile::exists(oldSnapshot)) QFile::rename(oldSnapshot, SnapshotPath(newPath));
}
