#include "app/UserDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QTreeView>

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

// The type column of the file dialog: the request's own names for its
// extensions, the desktop's for the rest.
class TTypeNames : public QFileIconProvider {
public:
    explicit TTypeNames(QMap<QString, QString> names) : names_(std::move(names)) {}
    QString type(const QFileInfo& info) const override {
        const auto it = info.isFile() ? names_.constFind(info.suffix().toLower()) : names_.constEnd();
        return it != names_.constEnd() ? *it : QFileIconProvider::type(info);
    }

private:
    QMap<QString, QString> names_;
};

// The picture of the file under the cursor, beside the file list.
void AddPreview(QFileDialog& dlg, const std::function<QString(const QString&)>& pictureOf) {
    auto* grid = qobject_cast<QGridLayout*>(dlg.layout());
    if (!grid) return;
    auto* preview = new QLabel(&dlg);
    preview->setObjectName(QStringLiteral("lblFilePreview"));
    preview->setAlignment(Qt::AlignCenter);
    preview->setFixedWidth(210);
    preview->setMinimumHeight(240);
    preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dlg, &QFileDialog::currentChanged, preview, [preview, pictureOf](const QString& file) {
        const QString picture = QFileInfo(file).isFile() ? pictureOf(file) : QString();
        const QPixmap pm = picture.isEmpty() ? QPixmap() : QPixmap(picture);
        if (pm.isNull()) {
            preview->setPixmap(QPixmap());
            preview->clear();
            return;
        }
        preview->setPixmap(pm.width() > 200 ? pm.scaledToWidth(200, Qt::SmoothTransformation) : pm);
    });
}

void SetUpFileDialog(QFileDialog& dlg, const TFileRequest& r) {
    // A preview needs Qt's own dialog, whose list it joins.
    if (r.previewPicture) dlg.setOption(QFileDialog::DontUseNativeDialog);
    if (!r.typeNames.isEmpty()) {
        auto* names = new TTypeNames(r.typeNames);
        dlg.setIconProvider(names);
        QObject::connect(&dlg, &QObject::destroyed, [names] { delete names; });
    }
    if (r.previewPicture) AddPreview(dlg, r.previewPicture);
    // Wide enough that the size and type columns show whole.
    dlg.resize(dlg.sizeHint().expandedTo(QSize(r.previewPicture ? 860 : 640, 420)));
    if (auto* tree = dlg.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        tree->header()->setSectionResizeMode(QHeaderView::Interactive);
        tree->header()->setStretchLastSection(false);
        tree->header()->resizeSection(0, 260);
        for (int column = 1; column < tree->header()->count(); ++column)
            tree->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
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
