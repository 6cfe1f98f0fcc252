#pragma once
// Shared pieces of the test suites: a scripted twin of the user-dialog
// interface and a fresh program folder and settings store per test.

#include "app/UserDialogs.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// Answers questions and dialogs from queues, in turn, and records every
// text it was shown. An unexpected call is recorded and answered with the
// default button, an empty file name or a rejected dialog.
class TScriptedDialogs : public TUserDialogs {
public:
    struct Shown {
        QString kind;  // "ask", "tell", "open", "save", "color", "run"
        QString caption;
        QString text;
    };
    QList<Shown> shown;
    QList<QMessageBox::StandardButton> answers;
    QStringList fileNames;        // "" cancels the dialog
    QList<int> filterIndexes;     // chosen filter per file dialog (default: the one offered)
    QList<TFileRequest> fileRequests;  // what each file dialog was asked with
    QList<std::optional<QColor>> colors;
    QList<QColor> colorInitials;  // the colour each colour dialog was preset with
    // Each script receives the dialog (already built, not shown) and returns
    // its result; it may tick boxes or fill fields first.
    QList<std::function<int(QDialog*)>> runs;
    int unexpected = 0;

    QMessageBox::StandardButton Ask(QWidget*, const QString& caption, const QString& text, TMsgIcon,
                                    QMessageBox::StandardButtons, QMessageBox::StandardButton def) override;
    void Tell(QWidget*, const QString& caption, const QString& text, TMsgIcon) override;
    QString OpenFile(QWidget*, TFileRequest& request) override;
    QString SaveFile(QWidget*, TFileRequest& request) override;
    std::optional<QColor> PickColor(QWidget*, const QColor& initial) override;
    int Run(QDialog* dialog) override;

    QStringList texts() const;  // every text shown, in order
    QString lastText() const { return shown.isEmpty() ? QString() : shown.constLast().text; }

private:
    QString nextFile(const QString& kind, TFileRequest& request);
};

// Installs a fresh TScriptedDialogs and returns it (owned by the program).
TScriptedDialogs* InstallScriptedDialogs();

// A fresh program folder (a copy of data/) and an empty settings store for
// one test; both are removed with the object.
class TTestEnv {
public:
    TTestEnv();
    ~TTestEnv();
    QString appDir() const;
    QString configDir() const;
    bool ok() const { return ok_; }

private:
    QTemporaryDir app_;
    QTemporaryDir config_;
    bool ok_ = false;
};

// The bytes of a file; empty when it cannot be read.
QByteArray ReadFileBytes(const QString& path);
// Writes `bytes` as the whole file, making its folder first; true when
// every byte was written.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);
// `size` bytes of a pattern that takes every byte value, different per `seed`.
QByteArray TestPattern(int size, char seed);

// The child of `root` of type T named `name` (found at any depth). A test
// that names a control the window lacks stops there, saying "no widget
// named NAME".
[[noreturn]] void NoChildNamed(const QObject* root, const QString& name, const char* type);
template <class T = QWidget>
T* Child(const QObject* root, const QString& name) {
    T* child = root->findChild<T*>(name);
    if (!child) NoChildNamed(root, name, T::staticMetaObject.className());
    return child;
}
// The objectName of the page the stacked widget `stack` of `root` shows.
QString ShownPage(const QObject* root, const QString& stack);

// Copies a folder tree; true on success.
bool CopyFolder(const QString& from, const QString& to);
