#pragma once
// The File menu on the main window: it asks the user what the page session
// needs to know (through Dialogs()), runs the session's file commands and
// shows their outcome. The rules themselves live in TPageSession.

#include "docs/PageSession.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

class TStageHost;

class TFileCommands : public QObject, public TSessionUser {
    Q_OBJECT
public:
    TFileCommands(TStageHost& window, TPageSession& session);
    ~TFileCommands() override;

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
    // An empty untitled page in the Build stage.
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

    // --- TSessionUser ---
    TSaveAnswer AskSaveChanges() override;
    void ShowSaveHint() override;
    QString AskSavePath(const QString& caption, const QString& folder, const QString& fileName,
                        bool isTemplate) override;
    bool ConfirmSaveBeforeUpload(bool untitled) override;
    TDiskChangeAnswer AskDiskChanged(const QString& path) override;
    bool AcceptPageBytes(const TPageBytes& page) override;

signals:
    // "Save As" was chosen (and the page perhaps saved under a new name):
    // lists of saved pages may be out of date.
    void savedAs();

private:
    // Shows a failure or a warning; true when the outcome is Done.
    bool Show(const TSessionOutcome& outcome);

    TStageHost& w_;
    TPageSession& s_;
};

TFileCommands* AttachFileCommands(TStageHost& window, TPageSession& session);
