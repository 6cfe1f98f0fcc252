#pragma once
// The names of the templates and styles that ship with Tarvo, shown in the
// user's language. Files keep them as they are (a template's file name, a
// style's name in Styles.data and in a document), so a page made in one
// language opens with the same style in another; only what the lists show
// is translated. A name the user gave is shown as it is.

#include <QString>
#include <QStringList>

// A template's name as the gallery shows it (STORED: its file name without
// the extension, "Home Page").
QString ShownTemplateName(const QString& stored);

// A style's name as the style lists show it ("Classic", or the "[None]" of
// no style).
QString ShownStyleName(const QString& stored);

// The English names the two functions above translate.
QStringList ShippedTemplateNames();
QStringList ShippedStyleNames();
