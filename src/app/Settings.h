#pragma once
// The per-user settings store. Sections are groups of the "Brenfold"/"Tarvo"
// QSettings store (the registry key Software\Brenfold\Tarvo on Windows,
// ~/.config/Brenfold/Tarvo.conf on Linux); values are texts.

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

// Every value the program keeps, with its section, in one place.
namespace SettingKeys {
inline constexpr const char* General = "General";
inline constexpr const char* SaveInfo = "SaveInfo";
inline constexpr const char* ShowJoy = "ShowJoy";
// "Yes": a named page with changes is saved before sending without a question.
inline constexpr const char* SaveBeforeSend = "SaveBeforeSend";
inline constexpr const char* ShowHTMLWarning = "ShowHTMLWarning";
inline constexpr const char* WebSizedPictures = "WebSizedPictures";  // "Yes"/"No": the answer for every picture
// The window size in per cent: "100", "150" or "200".
inline constexpr const char* WindowSize = "WindowSize";
// "Yes" or "No": a page named Index in capitals goes up as index.html.
inline constexpr const char* IndexInSmallLetters = "IndexInSmallLetters";
inline constexpr const char* WWWServers = "WWWServers";
inline constexpr const char* LastServer = "LastServer";
}  // namespace SettingKeys

// A handle on the settings store with one current key (the root or one
// section below it), like a registry object opened on a key.
class TTarvoReg {
public:
    TTarvoReg();
    ~TTarvoReg();
    TTarvoReg(const TTarvoReg&) = delete;
    TTarvoReg& operator=(const TTarvoReg&) = delete;

    // Closes what is open, opens the root key (creating it when missing),
    // then opens `section` below it (creating it only when `create` is set).
    // An empty section leaves the root open and gives true.
    bool OpenSection(const QString& section, bool create);
    // Opens the root key without creating it; false when it does not exist.
    bool OpenRoot(bool create);
    void CloseKey();
    bool IsOpen() const { return open_; }
    QString CurrentKey() const { return key_; }

    bool ValueExists(const QString& name) const;
    QString ReadString(const QString& name) const;  // empty when missing
    void WriteString(const QString& name, const QString& text);
    void DeleteValue(const QString& name);

    // Subkeys of the current key, and deleting one with all its values.
    QStringList GetKeyNames() const;
    bool KeyExists(const QString& name) const;
    bool DeleteKey(const QString& name);
    bool CreateKey(const QString& name);

    // Flushes pending writes to the store; false when the store could not
    // be written.
    bool Sync();

    static bool RootExists();
    // Where the store lives, for messages.
    QString FileName() const;

private:
    QString path(const QString& name) const;
    std::unique_ptr<QSettings> settings_;
    QString key_;  // "" for the root, else the section's name
    bool open_ = false;
};

// Writes `text` as value `name` of `section`; does nothing when the root key
// does not exist. Never reports an error.
void WriteSetting(const QString& section, const QString& name, const QString& text);

// Reads value `name` of `section` as a yes/no setting: missing gives `def`,
// "No" gives false, "0x.."/"$.." hexadecimal and decimal integers give
// (value != 0), anything else gives `def`. The root key is created only when
// `def` is true; when it cannot be opened the answer is false.
bool ReadSettingBool(const QString& section, const QString& name, bool def);
