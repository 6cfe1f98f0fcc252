#include "app/UserDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>

namespace {

std::unique_ptr<TUserDialogs>& Current() {
    static std::unique_ptr<TUserDialogs> current;
    return current;
}

QMessageBox::Icon ToQt(TMsgIcon icon) {
    switch (icon) {
        case TMsgIcon::Information: return QMessageBox::Information;
        case TMsgIcon::Warning: return QMessageBox::Warning;
        case TMsgIcon::Question: return QMessageBox::Question;
        case TMsgIcon::Critical: return QMessageBox::Critical;
        case TMsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString Caption(const QString& caption) {
    return caption.isEmpty() ? QApplication::applicationName() : caption;
}

void SetUpFileDialog(QFileDialog& dlg, const TFileRequest& r) {
    dlg.setWindowTitle(r.caption);
    if (!r.folder.isEmpty()) dlg.setDirectory(r.folder);
    if (!r.fileName.isEmpty()) dlg.selectFile(r.fileName);
    const QStringList filters = r.filters.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    dlg.setNameFilters(filters);
    if (r.filterIndex >= 0 && r.filterIndex < filters.size()) dlg.selectNameFilter(filters[r.filterIndex]);
    if (!r.defaultSuffix.isEmpty()) dlg.setDefaultSuffix(r.defaultSuffix);
}

QString RunFileDialog(QFileDialog& dlg, TFileRequest& r) {
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
    r.filterIndex = std::max<int>(0, dlg.nameFilters().indexOf(dlg.selectedNameFilter()));
    return QDir::toNativeSeparators(dlg.selectedFiles().constFirst());
}

}  // namespace

TUserDialogs& Dialogs() {
    if (!Current()) Current() = std::make_unique<TQtDialogs>();
    return *Current();
}

void SetDialogs(std::unique_ptr<TUserDialogs> dialogs) { Current() = std::move(dialogs); }

QMessageBox::StandardButton TQtDialogs::Ask(QWidget* parent, const QString& caption, const QString& text,
                                            TMsgIcon icon, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) {
    QMessageBox box(ToQt(icon), Caption(caption), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

void TQtDialogs::Tell(QWidget* parent, const QString& caption, const QString& text, TMsgIcon icon) {
    QMessageBox box(ToQt(icon), Caption(caption), text, QMessageBox::Ok, parent);
    box.exec();
}

QString TQtDialogs::OpenFile(QWidget* parent, TFileRequest& request) {
    QFileDialog dlg(parent);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(request.chooseFolder ? QFileDialog::Directory : QFileDialog::ExistingFile);
    if (request.chooseFolder) dlg.setOption(QFileDialog::ShowDirsOnly);
    SetUpFileDialog(dlg, request);
    return RunFileDialog(dlg, request);
}

QString TQtDialogs::SaveFile(QWidget* parent, TFileRequest& request) {
    QFileDialog dlg(parent);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    SetUpFileDialog(dlg, request);
    return RunFileDialog(dlg, request);
}

std::optional<QColor> TQtDialogs::PickColor(QWidget* parent, const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
}

int TQtDialogs::Run(QDialog* dialog) { return dialog->exec(); }
