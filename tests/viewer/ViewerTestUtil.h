#pragma once
// Helpers shared by the viewer suites: documents measured with a fixed
// 10 px advance (20 px lines, descent 4) so that positions are exact.

#include "viewer/HtmlDocument.h"

#include <QStringList>
#include <memory>

inline std::unique_ptr<THtmlDocument> fixedDoc(const QString& html, int width = 1000,
                                               QString* error = nullptr) {
    auto doc = std::make_unique<THtmlDocument>(std::make_unique<TFixedMeasurer>(10, 20, 4));
    const QString e = doc->parse(html);
    if (error)
        *error = e;
    doc->layout(width);
    return doc;
}

// Text sections of the document, in order ("|" between sections when
// joined); spacing sections and rules are left out.
inline QStringList sectionTexts(const THtmlDocument& doc) {
    QStringList out;
    for (const auto& s : doc.list())
        if (auto* t = dynamic_cast<const TSection*>(s.get()))
            out << t->text();
    return out;
}

// The visible text: non-empty text sections joined with "|".
inline QString shown(const QString& html) {
    auto doc = fixedDoc(html);
    QStringList parts = sectionTexts(*doc);
    parts.removeAll(QString());
    return parts.join(QLatin1Char('|'));
}

// The first text section holding `text`, table cells included.
inline TSection* sectionWith(const THtmlDocument& doc, const QString& text) {
    TSection* found = nullptr;
    ForEachSection(doc.list(), [&](TSectionBase& s) {
        if (auto* t = dynamic_cast<TSection*>(&s); t && !found && t->text().contains(text))
            found = t;
    });
    return found;
}
