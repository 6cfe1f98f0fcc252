#pragma once
// Text kept as typed in a plain-text editor. The editor knows only one kind
// of line break and its plain-text reading turns non-breaking spaces into
// spaces, so the exact text lives beside the editor and an edit replaces
// only the stretch of it that the user changed.

#include <QString>

class QPlainTextEdit;

// What the editor shows for `exact`: one '\n' for each line break (CR LF, a
// lone CR or a lone LF); every other character as it is.
QString EditorForm(const QString& exact);

// `exact` after the editor's text went from EditorForm(exact) to `edited`:
// the text before and after the changed stretch stays byte for byte, and
// line breaks typed inside the stretch become `lineBreak`.
QString ApplyEditorChange(const QString& exact, const QString& edited, const QString& lineBreak);

// The editor's text with non-breaking spaces kept and '\n' between lines.
QString EditorContents(const QPlainTextEdit* editor);
// Shows `exact` in the editor (in its editor form).
void ShowInEditor(QPlainTextEdit* editor, const QString& exact);
