#pragma once
// The Choose stage: one list of the templates in the program's "template"
// folder and of the pages saved in its "save" folder, with a preview of the
// snapshot of the entry clicked. Opening an entry loads it and goes to the
// Build stage; the entry menu deletes or renames entries.

#include <QListWidget>
#include <QObject>
#include <QString>
#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class TPicture;
class TFileCommands;
class TStageHost;

// The list view of the gallery: a list that reports the mouse releases and
// double clicks the gallery acts on.
class TGalleryList : public QListWidget {
    Q_OBJECT
public:
    explicit TGalleryList(QWidget* parent = nullptr);

signals:
    void mouseReleased(Qt::MouseButton button, const QPoint& globalPos);
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TGallery : public QObject {
    Q_OBJECT
public:
    // Entry kinds, which are also the entries' icon indexes.
    enum { kTemplateIcon = 0, kSavedPageIcon = 1 };
    static constexpr int kListContext = 20;  // help context of the list
    // Item data: the entry's full path and its icon index.
    static constexpr int kPathRole = Qt::UserRole;
    static constexpr int kIconRole = Qt::UserRole + 1;

    TGallery(TStageHost& window, TFileCommands* files);

    // True while an entry's name is edited in place.
    bool RenamingEntry = false;

    // --- controls ---
    QLabel* lblChooseDesc1 = nullptr;
    QLabel* lblChooseDesc2 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* lblChoosePages = nullptr;
    TGalleryList* lvTemplates = nullptr;
    QLabel* lblChoosePreview = nullptr;
    QFrame* Panel2 = nullptr;  // the white preview box
    TPicture* imgPreView = nullptr;
    TPicture* imgFrontPim = nullptr;
    QMenu* popFiles = nullptr;
    QAction* Delete1 = nullptr;
    QAction* Rename1 = nullptr;
    QAction* WhatsThis1 = nullptr;
    // The two list icons: template, saved page.
    std::array<QIcon, 2> ilstTemplates;

    // Rebuilds the list from the folders: templates first, then saved pages.
    void GetTemplates();
    // Shows the snapshot of `path` in the preview box; leaves the box as it
    // was when the file or its snapshot is missing or not a page.
    void ShowPreview(const QString& path);
    // The idle picture in the preview box.
    void ShowIdlePicture();
    // Opens a file as the current page and goes to the Build stage.
    void DoTemplate(const QString& path, bool isSavedPage);

    // The selected entry, or null.
    QListWidgetItem* SelectedEntry() const;
    static QString EntryPath(const QListWidgetItem* item);
    static bool IsSavedPage(const QListWidgetItem* item);

    // The handlers of the list and of the entry menu.
    void lvTemplatesClick();
    void lvTemplatesDblClick();
    void lvTemplatesMouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void Delete1Click();
    void Rename1Click();
    void WhatsThis1Click();

private:
    void CreateControls();
    void WireControls();
    void AddFolders(const QStringList& folders, const QString& pattern, int icon);
    // Moves the file of an entry to its new name; see Rename1Click.
    void MoveEntryFiles(const QString& oldPath, const QString& newCaption);

    TStageHost& w_;
    TFileCommands* files_;
    int generation_ = 0;  // counts list rebuilds (a rename waits across them)
};

TGallery* AttachGallery(TStageHost& window, TFileCommands* files);
