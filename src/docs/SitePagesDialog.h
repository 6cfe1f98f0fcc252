#pragma once
// Site > Pages and Menu...: the pages of the site of an HTML folder in the
// order of its menu, each with whether the menu shows it and the words it
// shows, moved, renamed, added from the user's saved pages and removed on
// the shared list-editing model. OK saves the site; when that changes the
// menu, every page of the folder that shows the menu gets the new one.
// Cancel leaves everything as it was.

#include "app/ListEditModel.h"
#include "html/SiteMenu.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The pages of the site's folder that the site does not hold yet: its HTML
// files by name (previews, "~...", left out), each with its title as Title
// (its TITLE element, else the title of its saved document in
// `saveFolder`). A saved page is in the folder once it was saved.
std::vector<TSitePage> SitePageCandidates(const TSite& site, const QString& saveFolder);
// Whether the saved document of the HTML file `file` (its name in the
// folder) shows the site menu.
bool DocumentShowsSiteMenu(const QString& saveFolder, const QString& file);

class TfrmSitePages : public QDialog {
    Q_OBJECT
public:
    // The site of the HTML folder `folder`; the saved documents are in
    // `saveFolder`.
    TfrmSitePages(const QString& folder, const QString& saveFolder, QWidget* parent = nullptr);

    // Called after OK saved a site whose menu changed, once the pages of the
    // folder carry the new menu (the open page makes its HTML again).
    std::function<void()> MenuChanged;

    TListEditModel<TSitePage> EditList;

    // The text of a page's row: the words the menu shows, and for a page
    // whose file is gone a note saying so.
    QString RowText(const TSitePage& page) const;

    void accept() override;

private:
    void FillList();
    void FillCandidates();
    void ShowCurrent();
    void RowChanged(QListWidgetItem* item);
    void WordsEdited(const QString& text);
    void AddClick();

    TSite site_;
    QString saveFolder_;
    bool filling_ = false;
    QLabel* lblPages = nullptr;
    QListWidget* lstPages = nullptr;
    QPushButton* btnUp = nullptr;
    QPushButton* btnDown = nullptr;
    QPushButton* btnRemove = nullptr;
    QLabel* lblWords = nullptr;
    QLineEdit* edtWords = nullptr;
    QLabel* lblAdd = nullptr;
    QComboBox* cboAdd = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};
