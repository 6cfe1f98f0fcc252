#pragma once
// The server wizard: adds a WWW server, changes one, deletes servers and
// reorders the list. It works on a deep copy of the list it is given and
// replaces that list (and the stored one) only when the user saves.
//
// Pages, without tabs: tab1 start (the mode), tab2 details, tab3 advanced
// details, tab4 the list.

#include "app/ListEditModel.h"
#include "app/WizardFlow.h"
#include "upload/ServerList.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class TPicture;
class TFtpClient;
class TServerProbe;
struct TUploadTarget;

class TfrmServerWizard : public QDialog {
    Q_OBJECT
public:
    // `serverList` is the list that saving replaces.
    explicit TfrmServerWizard(TServerList& serverList, QWidget* parent = nullptr);
    ~TfrmServerWizard() override;

    // The name of the server added and saved in this run, else "".
    QString AddedServer() const { return addedServer_; }
    // Whether the list in the wizard has changes not saved yet.
    bool HasUnsavedChanges() const { return EditList.Dirty(); }
    bool TestRunning() const { return testing_; }

    // Closing the wizard, however, stops a test in progress.
    void done(int result) override;

private slots:
    void butNextClick();
    void butBackClick();
    void butFinishClick();
    void butAdvancedClick();
    void butDeleteClick();
    void spbUpClick();
    void spbDownClick();
    void lstServersClick();
    void cmbServerTypeChange();
    void cmbConnectionChange();
    void btnTestClick();

private:
    enum Mode { wmAdd = 0, wmModify = 1, wmDelete = 2 };
    // The pages, in the order of pgcWizard.
    enum Page { pgStart = 0, pgDetails = 1, pgAdvanced = 2, pgList = 3 };
    // The controls of the list page a view may show, a bit each.
    enum Shown : unsigned { shModDesc = 1, shDelDesc = 2, shAddDesc = 4, shModify = 8, shDelete = 16, shDeleteButton = 32 };
    static std::span<const TWizardStep<TfrmServerWizard>> Steps();
    static std::span<const TWizardView<TfrmServerWizard>> Views();

    // --- state ---
    // Deep copies of the server list, with the chosen server and the
    // unsaved-changes flag; lstServers shows it.
    TListEditModel<tWWWServerType> EditList;
    tWWWServerType* EditServer = nullptr;  // a new record (add) or one of EditList
    int WizardMode = wmAdd;
    bool Filling = false;      // the program fills the edits; handlers store nothing
    bool AdvancedSeen = false;  // the advanced page was shown in this run
    bool urlTyped_ = false;     // the user typed the web site's address for this record

    // --- controls ---
    TPicture* imgWizard = nullptr;
    QStackedWidget* pgcWizard = nullptr;
    QWidget* tab1 = nullptr;
    QWidget* tab2 = nullptr;
    QWidget* tab3 = nullptr;
    QWidget* tab4 = nullptr;
    // tab1
    QLabel* lblIntro = nullptr;
    QLabel* lblServerIs = nullptr;
    QRadioButton* rbAdd = nullptr;
    QRadioButton* rbModify = nullptr;
    QRadioButton* rbDelete = nullptr;
    QLabel* lblHelpHint = nullptr;
    // tab2
    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblAddress = nullptr;
    QLineEdit* txtAddress = nullptr;
    QLabel* lblLogin = nullptr;
    QLineEdit* txtLogin = nullptr;
    QLabel* lblPassword = nullptr;
    QLineEdit* txtPassword = nullptr;
    QLabel* lblServerType = nullptr;
    QComboBox* cmbServerType = nullptr;
    QPushButton* butAdvanced = nullptr;
    // tab3
    QGroupBox* grpAdvanced = nullptr;
    QLabel* lblDirectory = nullptr;
    QLineEdit* txtDirectory = nullptr;
    QLabel* lblURL = nullptr;
    QLineEdit* txtURL = nullptr;
    QLabel* lblConnection = nullptr;
    QComboBox* cmbConnection = nullptr;  // entries in the order of TSecurity
    QLabel* lblBranch = nullptr;         // Git: the branch the files go to
    QComboBox* cmbBranch = nullptr;
    QLabel* lblNotEncrypted = nullptr;   // plain FTP and plain WebDAV: said, not refused
    // tab4
    QLabel* lblModDesc = nullptr;
    QLabel* lblDelDesc = nullptr;
    QLabel* lblAddDesc = nullptr;  // above the list when a new server joins it
    QListWidget* lstServers = nullptr;
    QToolButton* spbUp = nullptr;
    QPushButton* butDelete = nullptr;
    QToolButton* spbDown = nullptr;
    QLabel* lblModify = nullptr;
    QLabel* lblDelete = nullptr;
    // the button row
    QPushButton* butHelp = nullptr;
    QPushButton* butBack = nullptr;
    QPushButton* butNext = nullptr;
    QPushButton* butFinish = nullptr;
    QPushButton* butCancel = nullptr;
    // The server test, on the pages where the details are typed: the
    // button (Stop while a test runs) and its one-sentence result.
    QPushButton* btnTest = nullptr;
    QLabel* lblTestResult = nullptr;

    // --- the wizard's operations ---
    // Shows EditList in lstServers, the current server chosen.
    void LoadWWWList();
    void ClearServer();
    void ClearFields();
    void ShowMyDetails();
    QString BuildURL() const;
    bool CheckFields();
    // Asks whether to save when something changed; false keeps the wizard
    // open (also after a failed save, which is told).
    bool AskForSave();

    // Stops a test in progress (nothing is told).
    void StopTest();

    void CreatePages();
    void CreateStartPage();
    void CreateDetailsPage();
    void CreateAdvancedPage();
    void CreateListPage();
    void CreateButtons();
    void WireControls();
    void StoreField(QString tWWWServerType::*field, const QString& text);
    void SetTextFilled(QLineEdit* edit, const QString& text);
    void ShowConnection(TSecurity security);
    void ShowBranch();
    void ShowDirectory(bool proposeOnlyInAdd);
    void UpdateButtons();
    void ShowCurrentRow();      // lstServers follows EditList's current server
    int RowIndex() const;       // EditList's index of lstServers' chosen row; -1 when none
    TSaveOutcome WriteServerInfo(const TServerList& list);
    // Takes the step of the flow for `move` from the page shown.
    void Move(TWizardMove move);
    void GoTo(int page);
    // What the steps check and do on the way, and on arrival.
    void StartNewServer();
    void JoinNewServer();
    void LeaveNewServer();
    void PrepareAdvanced();
    void FocusName();
    bool ServerChosen() const;

    TServerList& serverList_;
    std::unique_ptr<tWWWServerType> newServer_;  // EditServer before it joins EditList
    tWWWServerType* joined_ = nullptr;           // the new server, once in EditList
    std::vector<int> rows_;                      // lstServers row -> EditList index
    bool showingList_ = false;                   // lstServers is being filled by the program
    quint64 passwordRead_ = 0;                   // the keyring read the password edit waits for
    void StartProbe(const TUploadTarget& target, quint64 run);
    void ShowTestResult(const QString& text);
    void TestDetailsChanged();
    TFtpClient* testFtp_ = nullptr;
    std::unique_ptr<TServerProbe> probe_;
    quint64 testRun_ = 0;  // the test whose answers are awaited
    bool testing_ = false;
    QString addedServer_;  // the name of the server added, once saved
};

// Runs the wizard on the program's server list (through the dialog seam);
// returns the name of the server added and saved, else "".
QString RunServerWizard(QWidget* parent);
