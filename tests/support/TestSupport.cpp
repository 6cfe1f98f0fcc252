#include "TestSupport.h"

#include "app/AppPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStackedWidget>

QMessageBox::StandardButton TScriptedDialogs::Ask(QWidget*, const QString& caption, const QString& text, TMsgIcon,
                                                  QMessageBox::StandardButtons, QMessageBox::StandardButton def) {
    shown.append({QStringLiteral("ask"), caption, text});
    if (answers.isEmpty()) {
        ++unexpected;
        return def;
    }
    return answers.takeFirst();
}

void TScriptedDialogs::Tell(QWidget*, const QString& caption, const QString& text, TMsgIcon) {
    shown.append({QStringLiteral("tell"), caption, text});
}

QString TScriptedDialogs::nextFile(const QString& kind, TFileRequest& request) {
    shown.append({kind, request.caption, request.filters});
    fileRequests.append(request);
    if (!filterIndexes.isEmpty()) request.filterIndex = filterIndexes.takeFirst();
    if (fileNames.isEmpty()) {
        ++unexpected;
        return QString();
    }
    return fileNames.takeFirst();
}

QString TScriptedDialogs::OpenFile(QWidget*, TFileRequest& request) { return nextFile(QStringLiteral("open"), request); }

QString TScriptedDialogs::SaveFile(QWidget*, TFileRequest& request) { return nextFile(QStringLiteral("save"), request); }

std::optional<QColor> TScriptedDialogs::PickColor(QWidget*, const QColor& initial) {
    shown.append({QStringLiteral("color"), QString(), QString()});
    colorInitials.append(initial);
    if (colors.isEmpty()) {
        ++unexpected;
        return std::nullopt;
    }
    return colors.takeFirst();
}

int TScriptedDialogs::Run(QDialog* dialog) {
    shown.append({QStringLiteral("run"), dialog->windowTitle(), dialog->objectName()});
    if (runs.isEmpty()) {
        ++unexpected;
        return QDialog::Rejected;
    }
    return runs.takeFirst()(dialog);
}

QStringList TScriptedDialogs::texts() const {
    QStringList out;
    for (const Shown& s : shown) out << s.text;
    return out;
}

TScriptedDialogs* InstallScriptedDialogs() {
    auto d = std::make_unique<TScriptedDialogs>();
    TScriptedDialogs* raw = d.get();
    SetDialogs(std::move(d));
    return raw;
}

bool CopyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to)) return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = QDir(to).filePath(QDir(from).relativeFilePath(src));
        if (it.fileInfo().isDir()) ok = QDir().mkpath(dst) && ok;
        else ok = QFile::copy(src, dst) && ok;
    }
    return ok;
}

TTestEnv::TTestEnv() {
    // The built program folder holds data/ plus what the build generates
    // (templates); fall back to the source data/ when it is not there.
    QString data = qEnvironmentVariable("TARVO_BIN_DIR");
    if (data.isEmpty() || !QDir(data).exists(QStringLiteral("HTMLFiles"))) data = qEnvironmentVariable("TARVO_DATA_SOURCE");
    ok_ = app_.isValid() && config_.isValid() && !data.isEmpty() && CopyFolder(data, app_.path());
    // Not the program itself: only the data beside it.
    QFile::remove(QDir(app_.path()).filePath(QStringLiteral("tarvo")));
    qputenv("TARVO_APPDIR", app_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    // Run by hand, outside the private world ctest gives each suite, the
    // test must not reach the user's secret store: no session bus then.
    if (qEnvironmentVariableIsEmpty("TARVO_PRIVATE_WORLD"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tarvo-test-bus");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
    ResetAppDir();
    InstallScriptedDialogs();
}

TTestEnv::~TTestEnv() {
    SetDialogs(nullptr);
    qunsetenv("TARVO_APPDIR");
    ResetAppDir();
}

QString TTestEnv::appDir() const { return QDir::toNativeSeparators(app_.path()); }
QString TTestEnv::configDir() const { return config_.path(); }

QByteArray ReadFileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray TestPattern(int size, char seed) {
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) b[i] = char((i * 37 + seed) & 0xFF);
    return b;
}

void NoChildNamed(const QObject* root, const QString& name, const char* type) {
    qFatal("no widget named %s (%s) in %s", qPrintable(name), type, qPrintable(root->objectName()));
}

QString ShownPage(const QObject* root, const QString& stack) {
    const QWidget* page = Child<QStackedWidget>(root, stack)->currentWidget();
    return page ? page->objectName() : QString();
}
