#include "app/Settings.h"

#include "app/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// The store holds the server list and, without a keyring, the scrambled
// passwords: its file is the user's alone (0600, in a folder of 0700), and
// one left open by an earlier version is tightened when it is opened. Qt
// keeps a file's mode when it writes it again.
void KeepPrivate(const QSettings& store) {
    const QFileInfo file(store.fileName());
    if (!file.isAbsolute()) return;  // a registry
    if (file.absolutePath().endsWith(QLatin1String("/Brenfold")) && file.absoluteDir().exists())
        MakePrivateFolder(file.absolutePath());
    TightenToPrivate(file.absoluteFilePath());
}

std::unique_ptr<QSettings> OpenStore() {
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Brenfold"), QStringLiteral("Tarvo"));
    KeepPrivate(*store);
    return store;
}

// Keys that were created but hold nothing yet. QSettings forgets empty groups,
// while a registry keeps empty keys; remembering them here for the life of the
// process keeps OpenSection(..., false) true right after a create.
QStringList& CreatedKeys() {
    static QStringList keys;
    return keys;
}

}  // namespace

TTarvoReg::TTarvoReg() : settings_(OpenStore()) {}
TTarvoReg::~TTarvoReg() { Sync(); }

bool TTarvoReg::RootExists() {
    auto s = OpenStore();
    if (s->format() == QSettings::NativeFormat && !QFileInfo(s->fileName()).isAbsolute())
        return !s->allKeys().isEmpty() || !s->childGroups().isEmpty();  // registry
    return QFile::exists(s->fileName()) || !s->allKeys().isEmpty();
}

bool TTarvoReg::OpenRoot(bool create) {
    CloseKey();
    if (!RootExists()) {
        if (!create) return false;
        // Create the store's file so that the root key exists from now on.
        QFileInfo fi(settings_->fileName());
        if (fi.isAbsolute()) {
            if (fi.absolutePath().endsWith(QLatin1String("/Brenfold")) ? !MakePrivateFolder(fi.absolutePath())
                                                                      : !QDir().mkpath(fi.absolutePath()))
                return false;
            if (!fi.exists() && !WriteFileChecked(fi.absoluteFilePath(), QByteArray(), {QString(), true}).ok) return false;
        }
    }
    key_.clear();
    open_ = true;
    return true;
}

bool TTarvoReg::OpenSection(const QString& section, bool create) {
    if (!OpenRoot(true)) return false;
    if (section.isEmpty()) return true;
    if (!KeyExists(section)) {
        if (!create) {
            CloseKey();
            return false;
        }
        CreateKey(section);
    }
    key_ = section;
    return true;
}

void TTarvoReg::CloseKey() {
    open_ = false;
    key_.clear();
}

QString TTarvoReg::path(const QString& name) const {
    return key_.isEmpty() ? name : key_ + QLatin1Char('/') + name;
}

bool TTarvoReg::ValueExists(const QString& name) const {
    return open_ && settings_->contains(path(name));
}

QString TTarvoReg::ReadString(const QString& name) const {
    if (!open_) return {};
    const QVariant value = settings_->value(path(name));
    // A value with "," typed into the file by hand comes back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void TTarvoReg::WriteString(const QString& name, const QString& text) {
    if (!open_) return;
    settings_->setValue(path(name), text);
}

void TTarvoReg::DeleteValue(const QString& name) {
    if (open_) settings_->remove(path(name));
}

QStringList TTarvoReg::GetKeyNames() const {
    if (!open_) return {};
    settings_->beginGroup(key_);
    QStringList names = settings_->childGroups();
    settings_->endGroup();
    const QString prefix = key_.isEmpty() ? QString() : key_ + QLatin1Char('/');
    for (const QString& k : CreatedKeys()) {
        if (!k.startsWith(prefix)) continue;
        const QString rest = k.mid(prefix.size());
        if (!rest.isEmpty() && !rest.contains(QLatin1Char('/')) && !names.contains(rest)) names << rest;
    }
    return names;
}

bool TTarvoReg::KeyExists(const QString& name) const {
    if (!open_) return false;
    return GetKeyNames().contains(name);
}

bool TTarvoReg::CreateKey(const QString& name) {
    if (!open_) return false;
    const QString full = path(name);
    if (!CreatedKeys().contains(full)) CreatedKeys() << full;
    return true;
}

bool TTarvoReg::DeleteKey(const QString& name) {
    if (!open_) return false;
    const QString full = path(name);
    const bool existed = KeyExists(name);
    settings_->remove(full);
    CreatedKeys().removeAll(full);
    return existed;
}

QString TTarvoReg::FileName() const { return QDir::toNativeSeparators(settings_->fileName()); }

bool TTarvoReg::Sync() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

void WriteSetting(const QString& section, const QString& name, const QString& text) {
    TTarvoReg reg;
    if (!reg.OpenRoot(false)) return;
    reg.CloseKey();
    if (!reg.OpenSection(section, true)) return;
    reg.WriteString(name, text);
}

bool ReadSettingBool(const QString& section, const QString& name, bool def) {
    TTarvoReg reg;
    if (!reg.OpenRoot(def)) return false;
    if (!reg.OpenSection(section, false) || !reg.ValueExists(name)) return def;
    const QString text = reg.ReadString(name);
    if (text == QLatin1String("No")) return false;
    bool ok = false;
    qlonglong value = 0;
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X")))) {
        value = text.mid(2).toLongLong(&ok, 16);
    } else if (text.startsWith(QLatin1Char('$'))) {
        value = text.mid(1).toLongLong(&ok, 16);
    } else {
        value = text.toLongLong(&ok, 10);
    }
    if (!ok) return def;
    return value != 0;
}
