#pragma once
// Every message box, question, file dialog, colour dialog and modal window
// of the program goes through this one interface. The real implementation
// shows Qt's dialogs; tests install a scripted one that answers in turn and
// records every text it was shown.

#include <QColor>
#include <QMessageBox>
#include <QMap>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

enum class TMsgIcon { None, Information, Warning, Question, Critical };

struct TFileRequest {
    QString caption;
    QString folder;          // the folder the dialog starts in
    QString fileName;        // the proposed file name
    QString filters;         // "Tarvo Files (*.tve);;Tarvo Templates (*.tvt)"
    int filterIndex = 0;     // in: the filter shown first; out: the filter chosen (0-based)
    QString defaultSuffix;   // added when the typed name has no extension
    bool chooseFolder = false;  // OpenFile: a folder is chosen, not a file
    // The type column's text per extension ("tve" -> "Tarvo page"), for
    // files the desktop's type list may not know.
    QMap<QString, QString> typeNames;
    // The picture shown beside the list for the file under the cursor (""
    // none); unset: no preview.
    std::function<QString(const QString& file)> previewPicture;
};

class TUserDialogs {
public:
    virtual ~TUserDialogs() = default;
    // A question with the given buttons; returns the button chosen.
    virtual QMessageBox::StandardButton Ask(QWidget* parent, const QString& caption, const QString& text,
                                            TMsgIcon icon, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) = 0;
    // A message with an OK button.
    virtual void Tell(QWidget* parent, const QString& caption, const QString& text, TMsgIcon icon) = 0;
    // File dialogs: the chosen path, or an empty text when cancelled.
    virtual QString OpenFile(QWidget* parent, TFileRequest& request) = 0;
    virtual QString SaveFile(QWidget* parent, TFileRequest& request) = 0;
    virtual std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) = 0;
    // Runs a modal window and returns its result (QDialog::Accepted, ...).
    virtual int Run(QDialog* dialog) = 0;
};

// The interface in use; Qt's dialogs unless a test installed its own.
TUserDialogs& Dialogs();
// Installs `dialogs` (nullptr goes back to Qt's dialogs).
void SetDialogs(std::unique_ptr<TUserDialogs> dialogs);

// Qt's own dialogs with the exact texts.
class TQtDialogs : public TUserDialogs {
public:
    QMessageBox::StandardButton Ask(QWidget* parent, const QString& caption, const QString& text, TMsgIcon icon,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
    void Tell(QWidget* parent, const QString& caption, const QString& text, TMsgIcon icon) override;
    QString OpenFile(QWidget* parent, TFileRequest& request) override;
    QString SaveFile(QWidget* parent, TFileRequest& request) override;
    std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) override;
    int Run(QDialog* dialog) override;
};
