#pragma once
// Where the program finds its shipped data and writes the user's files.
//
// A portable copy (the build folder, or $TARVO_APPDIR) keeps both in one
// folder. An installed program reads its shipped, read-only data (help,
// templates, pictures, styles) from the install's share folder and keeps
// the user's own files (saved pages, the HTML folder, the user's styles and
// templates) in the user's data folder.

#include <QString>
#include <QStringList>

// The user's folder: $TARVO_APPDIR when set; else the executable's folder
// when it holds the shipped data and can be written (a portable copy, and
// what the build makes); else the user's data folder, brought up to date
// with the shipped data (UpdateUserData) on first use.
QString AppDir();
// The shipped data: AppDir() for a portable copy, else the install's
// share folder.
QString ShippedDir();
// JoinPath(AppDir(), "HTMLFiles").
QString HTMLDir();
// The help folder (shipped, the English pages) and the contents page in
// the help's language.
QString HelpDir();
QString HelpFile();
// The help page NAME ("31.html") in the help's language: HelpDir()/LANG/NAME
// where that page has been translated, else the English HelpDir()/NAME.
QString HelpPage(const QString& name);
// The language ("de") of the help pages HelpPage prefers; empty for English.
void SetHelpLanguage(const QString& language);
// Where the gallery finds templates: the user's folder first (a template
// of the user's hides a shipped one of the same name), then the shipped
// one when it is another folder.
QStringList TemplateFolders();
// Forgets the folders found so far (tests change $TARVO_APPDIR).
void ResetAppDir();

// Brings the user's folder up to date with the shipped data of an install.
// The files the user works on (the pictures of the HTML folder, which the
// user's pages reference, and Styles.data) are copied when missing, and
// replaced by a newer shipped version only while the user's copy is still
// the one shipped before (the hashes of what was copied are kept in
// ".shipped" there): a file the user changed is kept. Copies an older
// install made of shipped templates that are unchanged are removed, so the
// shipped ones show. Help and templates are not copied.
void UpdateUserData(const QString& shippedDir, const QString& userDir);
