#include "app/EditorText.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <vector>

namespace {

// The editor form of `exact`, and for each of its characters (and its end)
// where that character starts in `exact`.
QString EditorFormWithMap(const QString& exact, std::vector<qsizetype>* starts) {
    QString form;
    form.reserve(exact.size());
    for (qsizetype i = 0; i < exact.size(); ++i) {
        if (starts) starts->push_back(i);
        const QChar c = exact.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < exact.size() && exact.at(i + 1) == QLatin1Char('\n')) ++i;
            form += QLatin1Char('\n');
        } else {
            form += c;
        }
    }
    if (starts) starts->push_back(exact.size());
    return form;
}

}  // namespace

QString EditorForm(const QString& exact) { return EditorFormWithMap(exact, nullptr); }

QString ApplyEditorChange(const QString& exact, const QString& edited, const QString& lineBreak) {
    std::vector<qsizetype> starts;
    const QString shown = EditorFormWithMap(exact, &starts);
    if (shown == edited) return exact;
    // The changed stretch: what lies between the longest common beginning
    // and the longest common end of the old and the new editor text.
    qsizetype head = 0;
    const qsizetype shorter = std::min(shown.size(), edited.size());
    while (head < shorter && shown.at(head) == edited.at(head)) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && shown.at(shown.size() - 1 - tail) == edited.at(edited.size() - 1 - tail)) ++tail;
    QString typed = edited.mid(head, edited.size() - head - tail);
    typed.replace(QLatin1Char('\n'), lineBreak);
    const qsizetype keepHead = starts[size_t(head)];
    const qsizetype keepTail = starts[size_t(shown.size() - tail)];
    return exact.left(keepHead) + typed + exact.mid(keepTail);
}

QString EditorContents(const QPlainTextEdit* editor) {
    QString text = editor->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void ShowInEditor(QPlainTextEdit* editor, const QString& exact) { editor->setPlainText(EditorForm(exact)); }
