#include "app/ShippedNames.h"

#include <QCoreApplication>

namespace {

// The names of tools/mktemplates/pages/*.txt and tools/mktemplates/styles.txt.
const char* const kTemplateNames[] = {
    QT_TRANSLATE_NOOP("TemplateNames", "CV"),          QT_TRANSLATE_NOOP("TemplateNames", "Club or Team"),
    QT_TRANSLATE_NOOP("TemplateNames", "Family"),      QT_TRANSLATE_NOOP("TemplateNames", "Hobby"),
    QT_TRANSLATE_NOOP("TemplateNames", "Home Page"),   QT_TRANSLATE_NOOP("TemplateNames", "Invitation"),
    QT_TRANSLATE_NOOP("TemplateNames", "Photo Album"), QT_TRANSLATE_NOOP("TemplateNames", "Shop"),
};

const char* const kStyleNames[] = {
    QT_TRANSLATE_NOOP("StyleNames", "[None]"),   QT_TRANSLATE_NOOP("StyleNames", "Classic"),
    QT_TRANSLATE_NOOP("StyleNames", "Sky"),      QT_TRANSLATE_NOOP("StyleNames", "Sunshine"),
    QT_TRANSLATE_NOOP("StyleNames", "Forest"),   QT_TRANSLATE_NOOP("StyleNames", "Ocean"),
    QT_TRANSLATE_NOOP("StyleNames", "Night"),    QT_TRANSLATE_NOOP("StyleNames", "Rose"),
    QT_TRANSLATE_NOOP("StyleNames", "Paper"),
};

template <size_t N>
QString Shown(const char* context, const char* const (&names)[N], const QString& stored) {
    for (const char* name : names)
        if (stored == QLatin1String(name)) return QCoreApplication::translate(context, name);
    return stored;
}

template <size_t N>
QStringList All(const char* const (&names)[N]) {
    QStringList all;
    for (const char* name : names) all << QString::fromLatin1(name);
    return all;
}

}  // namespace

QString ShownTemplateName(const QString& stored) { return Shown("TemplateNames", kTemplateNames, stored); }

QString ShownStyleName(const QString& stored) { return Shown("StyleNames", kStyleNames, stored); }

QStringList ShippedTemplateNames() { return All(kTemplateNames); }

QStringList ShippedStyleNames() { return All(kStyleNames); }
