#pragma once
// The File menu: new, open, save, save as, make template; the question
// about unsaved changes; the saving the Send stage demands; and opening a
// document or template into the page.

#include <QMessageBox>
#include <QObject>
#include <QString>

enum class TPageReadResult;

class TfrmMain;

class TFileCommands : public QObject {
    Q_OBJECT
public:
    explicit TFileCommands(TfrmMain& window);

    // Yes, No or Cancel; No without asking when nothing changed.
    QMessageBox::StandardButton AskForSave();
    // The question before discarding the page: true when the page was
    // saved or the user chose to discard it; false keeps the page.
    bool SavedOrDiscarded();
    // Writes the page to `path`; on success it becomes the document.
    bool SaveBuilder(const QString& path);
    bool FileSaveAs();
    bool SaveChanges();
    // Before the Send stage: the page must be saved; false stays.
    bool SaveDocument();
    void OpenDocument(const QString& path);
    void LoadTemplate(const QString& path);
    void FileNew();
    // Opens a file as the current page and goes to the Build stage.
    void DoTemplate(const QString& path, bool isSavedPage);

    // The menu commands.
    void mnuFileNewClick();
    void menFileOpenClick();
    void menFileSaveClick();
    void menFileSaveAsClick();
    void menFileMakeClick();

    // "Tarvo - name.tve", or "Tarvo - Untitled".
    void UpdateCaption();

    QString SaveFolder() const;
    QString TemplateFolder() const;

private:
    // Empties the page and reads `path` into it (when it exists).
    TPageReadResult ReadInto(const QString& path);
    void ClearForOpen();
    QString StartFolder() const;
    // The save dialog for a document or a template; "" when cancelled.
    QString AskSavePath(const QString& caption, const QString& folder, const QString& fileName, bool isTemplate);

    TfrmMain& w_;
};

TFileCommands* AttachFileCommands(TfrmMain& window);
