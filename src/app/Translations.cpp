#include "app/Translations.h"

#include "app/AppPaths.h"
#include "app/Resources.h"
#include "app/Utils.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

namespace {

QString MessagesLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return value;
    }
    return QString();
}

// "de_DE.UTF-8@euro" -> "de_DE".
QString Bare(QString name) {
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0) name.truncate(cut);
    return name.replace(QLatin1Char('-'), QLatin1Char('_')).trimmed();
}

bool IsPlainLocale(const QString& bare) {
    return bare.isEmpty() || bare == QLatin1String("C") || bare == QLatin1String("POSIX");
}

QTranslator* g_own = nullptr;
QTranslator* g_qt = nullptr;

}  // namespace

QStringList WantedLanguages() {
    const QString messages = Bare(MessagesLocale());
    if (IsPlainLocale(messages)) return {};
    QStringList wanted;
    const QString list = qEnvironmentVariable("LANGUAGE");
    for (const QString& entry : list.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString bare = Bare(entry);
        if (!IsPlainLocale(bare) && !wanted.contains(bare)) wanted << bare;
    }
    if (wanted.isEmpty()) wanted << messages;
    return wanted;
}

QString ChooseTranslation(const QStringList& languages, const QString& folder) {
    for (const QString& language : languages) {
        const QString base = language.section(QLatin1Char('_'), 0, 0);
        if (base == QLatin1String("en")) return QString();
        for (const QString& name : {language, base}) {
            const QString file = JoinPath(folder, QStringLiteral("tarvo_%1.qm").arg(name));
            if (QFileInfo(file).isFile()) return file;
        }
    }
    return QString();
}

QString TranslationsDir() { return JoinPath(ShippedDir(), QStringLiteral("translations")); }

QString InterfaceLanguage() {
    if (!g_own) return QStringLiteral("en");
    const QString language = g_own->language().section(QLatin1Char('_'), 0, 0);
    return language.isEmpty() ? QStringLiteral("en") : language;
}

QString InstallTranslations(QCoreApplication& app) {
    for (QTranslator** t : {&g_own, &g_qt}) {
        if (*t) app.removeTranslator(*t);
        delete *t;
        *t = nullptr;
    }
    SetPictureLanguage(QString());
    SetHelpLanguage(QString());
    const QString file = ChooseTranslation(WantedLanguages(), TranslationsDir());
    if (file.isEmpty()) return QString();
    auto* own = new QTranslator(&app);
    if (!own->load(file)) {
        delete own;
        return QString();
    }
    app.installTranslator(own);
    g_own = own;
    // Qt's own texts (Yes, No, Cancel, the file dialog) in the same language.
    const QString language = own->language().isEmpty()
                                 ? QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1)
                                 : own->language();
    SetPictureLanguage(language.section(QLatin1Char('_'), 0, 0));
    SetHelpLanguage(language.section(QLatin1Char('_'), 0, 0));
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(qt);
        g_qt = qt;
    } else {
        delete qt;
    }
    return language;
}
