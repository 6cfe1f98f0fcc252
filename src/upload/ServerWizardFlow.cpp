// The server wizard's page flow and handlers.
#include "upload/ServerWizard.h"

#include "app/UserDialogs.h"
#include "html/SiteMenu.h"
#include "upload/Keyring.h"
#include "upload/ServerProbe.h"
#include "upload/TrustQuestion.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QToolButton>
#include <algorithm>

namespace {
const QString kPublicHtml = QStringLiteral("public_html");
QString Generic() { return QCoreApplication::translate("TfrmServerWizard", "Generic"); }
}  // namespace

// --- the records behind the edits ---

void TfrmServerWizard::StoreField(QString tWWWServerType::*field, const QString& text) {
    if (Filling || !EditServer) return;
    EditServer->*field = text;
    if (field != &tWWWServerType::Name && field != &tWWWServerType::URL) TestDetailsChanged();
    if (field == &tWWWServerType::Password) EditServer->KeyringName.clear();
    // What was trusted belongs to the host it was met on.
    if (field == &tWWWServerType::Address) {
        EditServer->TrustedKey.clear();
        EditServer->HostKey.clear();
    }
    // A server of the list that is renamed shows its new name there.
    const int index = EditList.IndexOf(EditServer);
    if (field == &tWWWServerType::Name && index >= 0) EditList.ItemEdited(index);
    else EditList.MarkDirty();
}

// Selects the entry of `security` in cmbConnection without storing it.
void TfrmServerWizard::ShowConnection(TSecurity security) {
    const bool filling = Filling;
    Filling = true;
    cmbConnection->setCurrentIndex(int(security));
    ShowBranch();
    Filling = filling;
}

// The branch field, for a Git repository only; the warning, for the kinds
// that are not encrypted.
void TfrmServerWizard::ShowBranch() {
    const bool git = EditServer && EditServer->Security == TSecurity::Git;
    lblNotEncrypted->setVisible(EditServer && (EditServer->Security == TSecurity::FTP ||
                                               EditServer->Security == TSecurity::WebDAV));
    lblBranch->setVisible(git);
    cmbBranch->setVisible(git);
    if (!git) return;
    const bool filling = Filling;
    Filling = true;
    cmbBranch->setCurrentText(EditServer->Branch.isEmpty() ? QStringLiteral("main") : EditServer->Branch);
    Filling = filling;
}

void TfrmServerWizard::cmbConnectionChange() {
    if (Filling || !EditServer) return;
    const auto security = TSecurity(cmbConnection->currentIndex());
    if (security == EditServer->Security) return;
    EditServer->Security = security;
    TestDetailsChanged();
    EditServer->TrustedKey.clear();
    EditServer->HostKey.clear();
    if (security == TSecurity::Git) {
        if (EditServer->Branch.isEmpty()) EditServer->Branch = QStringLiteral("main");
        // A page host publishes the branch's top folder, not public_html.
        if (EditServer->Directory == kPublicHtml) SetTextFilled(txtDirectory, QString());
    }
    ShowBranch();
    EditList.MarkDirty();
}

// Puts `text` into `edit` as the user would type it: the record follows,
// also when the edit showed that text already (no change signal then).
void TfrmServerWizard::SetTextFilled(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    static const std::pair<QLineEdit* TfrmServerWizard::*, QString tWWWServerType::*> fields[] = {
        {&TfrmServerWizard::txtName, &tWWWServerType::Name},
        {&TfrmServerWizard::txtAddress, &tWWWServerType::Address},
        {&TfrmServerWizard::txtDirectory, &tWWWServerType::Directory},
        {&TfrmServerWizard::txtLogin, &tWWWServerType::UserName},
        {&TfrmServerWizard::txtPassword, &tWWWServerType::Password},
        {&TfrmServerWizard::txtURL, &tWWWServerType::URL},
    };
    for (const auto& [e, field] : fields)
        if (this->*e == edit && EditServer && EditServer->*field != text) StoreField(field, text);
}

void TfrmServerWizard::LoadWWWList() {
    {
        const QSignalBlocker quiet(lstServers);
        lstServers->clear();
        rows_.clear();
        const TServerList& list = EditList.Items();
        for (size_t i = 0; i < list.size(); ++i) {
            if (!EditList.Listed(int(i))) continue;
            lstServers->addItem(list[i]->Name);
            rows_.push_back(int(i));
        }
    }
    ShowCurrentRow();
}

// Chooses the row of EditList's current server (by its place: two names
// may differ only in letter case), or none.
void TfrmServerWizard::ShowCurrentRow() {
    showingList_ = true;
    const auto row = std::find(rows_.begin(), rows_.end(), EditList.Current());
    lstServers->setCurrentRow(row == rows_.end() ? -1 : int(row - rows_.begin()));
    if (row == rows_.end()) lstServers->clearSelection();
    showingList_ = false;
}

int TfrmServerWizard::RowIndex() const {
    const QList<QListWidgetItem*> items = lstServers->selectedItems();
    if (items.isEmpty()) return -1;
    const int row = lstServers->row(items.constFirst());
    return row >= 0 && size_t(row) < rows_.size() ? rows_[size_t(row)] : -1;
}

void TfrmServerWizard::ClearServer() {
    for (QLineEdit* e : {txtName, txtAddress, txtLogin, txtPassword, txtURL}) SetTextFilled(e, QString());
    cmbServerType->setCurrentIndex(cmbServerType->findText(Generic()));
    SetTextFilled(txtDirectory, kPublicHtml);
    // A new server is encrypted unless the user chooses otherwise.
    EditServer->Security = TSecurity::FTPS;
    ShowConnection(TSecurity::FTPS);
    // Clearing the details page of a new server counts as a change.
    EditList.MarkDirty();
}

void TfrmServerWizard::ClearFields() {
    Filling = true;
    for (QLineEdit* e : {txtName, txtAddress, txtLogin, txtPassword, txtURL}) e->clear();
    txtDirectory->setText(kPublicHtml);
    cmbConnection->setCurrentIndex(int(TSecurity::FTPS));
    Filling = false;
}

void TfrmServerWizard::ShowMyDetails() {
    // The password is asked of the keyring on its own thread; the edit
    // says so meanwhile and shows it (as stars) when it comes.
    const quint64 read = ++passwordRead_;
    txtPassword->setPlaceholderText(QString());
    if (!EditServer->KeyringName.isEmpty()) {
        txtPassword->setPlaceholderText(QCoreApplication::translate("ServerWizardFlow", "Reading the password from the keyring..."));
        tWWWServerType* server = EditServer;
        const QString entry = server->KeyringName;
        auto current = [this, read, server, entry] {
            return read == passwordRead_ && EditServer == server && server->KeyringName == entry;
        };
        Keyring::ReadAsync(entry, this, [this, current, server](const Keyring::TReply& reply) {
            if (!current()) return;
            if (!TakePasswordReply(*server, reply)) {
                txtPassword->setPlaceholderText(
                    QCoreApplication::translate("ServerWizardFlow", "The keyring did not give the password; it stays there unless you type a new one."));
                return;
            }
            txtPassword->setPlaceholderText(QString());
            Filling = true;
            txtPassword->setText(server->Password);
            Filling = false;
        }, [this, current] {
            // Most likely the keyring's unlock prompt is open; the password
            // comes when it is unlocked.
            if (current())
                txtPassword->setPlaceholderText(
                    QCoreApplication::translate("ServerWizardFlow", "Waiting for you to unlock the keyring..."));
        });
    }
    Filling = true;
    txtName->setText(EditServer->Name);
    txtAddress->setText(EditServer->Address);
    txtDirectory->setText(EditServer->Directory);
    txtLogin->setText(EditServer->UserName);
    txtPassword->setText(EditServer->Password);
    // A list written when the web address had a field of its own may hold
    // only that.
    const QString url = !EditServer->URL.isEmpty() ? EditServer->URL : EditServer->WebAddress;
    txtURL->setText(url.isEmpty() ? BuildURL() : url);
    urlTyped_ = false;
    cmbConnection->setCurrentIndex(int(EditServer->Security));
    ShowBranch();
    Filling = false;
}

QString TfrmServerWizard::BuildURL() const {
    // A page host names its own web address: nothing to guess from.
    if (EditServer->Security == TSecurity::Git) return QString();
    // The web site is on the usual web port, whatever port uploads go to.
    QString host;
    int port = 0;
    if (!SplitAddress(EditServer->Address, DefaultPort(EditServer->Security), host, port)) host = EditServer->Address;
    if (host.contains(QLatin1Char(':'))) host = QLatin1Char('[') + host + QLatin1Char(']');
    return QStringLiteral("http://") + host + QStringLiteral("/~") + EditServer->UserName +
           QLatin1Char('/');
}

bool TfrmServerWizard::CheckFields() {
    const std::pair<QLineEdit*, const char*> checks[] = {
        {txtName, QT_TRANSLATE_NOOP("TfrmServerWizard", "Please enter a valid description for your server.")},
        {txtAddress, QT_TRANSLATE_NOOP("TfrmServerWizard", "Please enter a valid address for your server.")},
        {txtLogin, QT_TRANSLATE_NOOP("TfrmServerWizard", "Please enter a valid login name for your server.")},
    };
    for (const auto& [edit, message] : checks) {
        QString host;
        int port = 0;
        // An address must also have a usable port when it names one.
        const bool bad = edit->text().isEmpty() ||
                         (edit == txtAddress && !SplitAddress(edit->text(), DefaultPort(TSecurity::FTP), host, port) &&
                          !IsRepositoryAddress(edit->text()));
        if (!bad) continue;
        Dialogs().Tell(this, QStringLiteral("Tarvo"), tr(message), TMsgIcon::Warning);
        edit->setFocus();
        return false;
    }
    return true;
}

// txtDirectory shows the record's folder, or "public_html" for none (in add
// mode only, when `onlyInAdd`).
void TfrmServerWizard::ShowDirectory(bool onlyInAdd) {
    QString dir = EditServer->Directory;
    if (dir.isEmpty() && (!onlyInAdd || WizardMode == wmAdd) && EditServer->Security != TSecurity::Git) dir = kPublicHtml;
    SetTextFilled(txtDirectory, dir);
}

// --- the pages ---

// Which page follows which. Add: start, details (Next beside Finish leads
// to the list, where the new server is placed; Advanced to the advanced
// details). Modify: start, list, the chosen server's details. Delete:
// start, list. The details are checked before the list or the advanced
// page is shown.
std::span<const TWizardStep<TfrmServerWizard>> TfrmServerWizard::Steps() {
    using W = TfrmServerWizard;
    using M = TWizardMove;
    static const TWizardStep<W> steps[] = {
        {pgStart, WizardModes({wmAdd}), M::Next, pgDetails, nullptr, &W::StartNewServer},
        {pgStart, WizardModes({wmModify, wmDelete}), M::Next, pgList},
        {pgDetails, WizardModes({wmAdd}), M::Next, pgList, &W::CheckFields, &W::JoinNewServer},
        {pgList, WizardModes({wmModify}), M::Next, pgDetails},
        {pgDetails, kAnyWizardMode, M::Advanced, pgAdvanced, &W::CheckFields, &W::PrepareAdvanced},
        {pgAdvanced, kAnyWizardMode, M::Back, pgDetails},
        {pgList, WizardModes({wmAdd}), M::Back, pgDetails},
        {pgList, WizardModes({wmModify, wmDelete}), M::Back, pgStart},
        {pgDetails, WizardModes({wmAdd}), M::Back, pgStart, nullptr, &W::LeaveNewServer},
        // Back to the list to delete from, never stuck on the details.
        {pgDetails, WizardModes({wmModify, wmDelete}), M::Back, pgList},
    };
    return steps;
}

// What each page shows. Next is offered beside Finish only on a new
// server's details page (it leads to the list); in modify mode the list
// page's Next waits for a server to be chosen.
std::span<const TWizardView<TfrmServerWizard>> TfrmServerWizard::Views() {
    using W = TfrmServerWizard;
    static const TWizardView<W> views[] = {
        {pgStart, kAnyWizardMode, true, false, false},
        {pgDetails, WizardModes({wmAdd}), true, true, true, 0, &W::FocusName},
        {pgDetails, WizardModes({wmModify, wmDelete}), false, true, true, 0, &W::FocusName},
        {pgAdvanced, kAnyWizardMode, false, true, true},
        {pgList, WizardModes({wmAdd}), false, true, true, shAddDesc},
        {pgList, WizardModes({wmModify}), true, false, true, shModDesc | shModify, nullptr, &W::ServerChosen},
        {pgList, WizardModes({wmDelete}), false, true, true, shDelDesc | shDelete | shDeleteButton},
    };
    return views;
}

void TfrmServerWizard::Move(TWizardMove move) {
    const TWizardStep<TfrmServerWizard>* step = FindWizardStep(Steps(), pgcWizard->currentIndex(), WizardMode, move);
    if (step && (!step->allowed || (this->*step->allowed)())) {
        if (step->before) (this->*step->before)();
        GoTo(step->to);
    }
    UpdateButtons();
}

void TfrmServerWizard::GoTo(int page) {
    // A test belongs to the details pages and the server shown there.
    if (page != pgDetails && page != pgAdvanced) StopTest();
    pgcWizard->setCurrentIndex(page);
    UpdateButtons();
    if (const auto* view = FindWizardView(Views(), page, WizardMode); view && view->arrive) (this->*view->arrive)();
}

// The page shown, as its view says. The visible buttons stand
// right-aligned, so Finish takes Next's place.
void TfrmServerWizard::UpdateButtons() {
    const int page = pgcWizard->currentIndex();
    if (const auto* view = FindWizardView(Views(), page, WizardMode)) {
        butNext->setVisible(view->next);
        butFinish->setVisible(view->finish);
        butBack->setEnabled(view->back);
        butNext->setEnabled(!view->ready || (this->*view->ready)());
        const std::pair<QWidget*, unsigned> listControls[] = {
            {lblModDesc, shModDesc}, {lblDelDesc, shDelDesc},  {lblAddDesc, shAddDesc},
            {lblModify, shModify},   {lblDelete, shDelete}, {butDelete, shDeleteButton},
        };
        for (const auto& [control, bit] : listControls) control->setVisible(view->shown & bit);
    }
    const bool details = page == pgDetails || page == pgAdvanced;
    btnTest->setVisible(details);
    lblTestResult->setVisible(details && !lblTestResult->text().isEmpty());
    int x = width() - 10;
    for (QPushButton* b : {butCancel, butFinish, butNext, butBack}) {
        if (b->isHidden()) continue;
        x -= b->width();
        b->move(x, b->y());
        x -= 6;
    }
}

void TfrmServerWizard::butNextClick() { Move(TWizardMove::Next); }
void TfrmServerWizard::butBackClick() { Move(TWizardMove::Back); }
void TfrmServerWizard::butAdvancedClick() { Move(TWizardMove::Advanced); }

void TfrmServerWizard::FocusName() { txtName->setFocus(); }
bool TfrmServerWizard::ServerChosen() const { return EditList.Current() >= 0; }

// A fresh record for the server being added, its details cleared.
void TfrmServerWizard::StartNewServer() {
    newServer_ = std::make_unique<tWWWServerType>();
    EditServer = newServer_.get();
    ClearServer();
}

void TfrmServerWizard::butFinishClick() {
    // A web site's address the user typed is kept as its folder's address,
    // or not taken at all.
    if (urlTyped_ && !txtURL->text().trimmed().isEmpty()) {
        QString problem;
        const QString web = NormalWebAddress(txtURL->text(), &problem);
        if (!problem.isEmpty()) {
            Dialogs().Tell(this, windowTitle(), problem, TMsgIcon::Warning);
            txtURL->setFocus();
            return;
        }
        if (web != txtURL->text()) txtURL->setText(web);
    }
    if (WizardMode == wmAdd) {
        if (!AdvancedSeen) EditServer->URL = BuildURL();
        // Appended once, however often Finish is pressed.
        if (newServer_ && EditServer == newServer_.get()) {
            joined_ = newServer_.get();
            EditList.Add(std::move(newServer_));
        }
    }
    if (AskForSave()) accept();
}

bool TfrmServerWizard::AskForSave() {
    const TFinishOutcome outcome = EditList.Finish([this] {
        const auto answer = Dialogs().Ask(this, QCoreApplication::translate("ServerWizardFlow", "WWW Server List Changed"),
                                          QCoreApplication::translate("ServerWizardFlow", "Do you want to save the changes to your WWW Server List?"),
                                          TMsgIcon::Question,
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        return answer == QMessageBox::Yes ? TListEditCore::TAnswer::Save
               : answer == QMessageBox::No ? TListEditCore::TAnswer::Discard
                                           : TListEditCore::TAnswer::Cancel;
    });
    // A failed save keeps the edits in the wizard so the user can try again
    // or cancel; the caller's list stays what the store holds.
    if (!outcome.Message.isEmpty())
        Dialogs().Tell(this, QCoreApplication::translate("ServerWizardFlow", "WWW Server List Changed"), outcome.Message,
                       TMsgIcon::Warning);
    return outcome.Close;
}

TSaveOutcome TfrmServerWizard::WriteServerInfo(const TServerList& list) {
    TServerList saved;
    for (const auto& s : list)
        if (!s->Name.isEmpty()) saved.push_back(std::make_unique<tWWWServerType>(*s));
    QString error;
    if (!SaveServerList(saved, &error))
        return TSaveOutcome::Failed(
            QCoreApplication::translate("ServerWizardFlow", "Your WWW Server List could not be saved.\n%1").arg(error));
    serverList_ = std::move(saved);
    for (const auto& s : list)
        if (s.get() == joined_) addedServer_ = s->Name;
    return {};
}

// The server being added joins the end of the list, chosen, so that the
// list page shows it and its arrows can give it its place; an address of
// its web site and its folder are proposed where none was typed.
void TfrmServerWizard::JoinNewServer() {
    if (txtURL->text().isEmpty()) SetTextFilled(txtURL, BuildURL());
    ShowDirectory(false);
    if (newServer_ && EditServer == newServer_.get()) {
        joined_ = newServer_.get();
        EditList.Add(std::move(newServer_));
    } else {
        EditList.Select(EditList.IndexOf(joined_));
    }
}

// Going back to the start page gives up the server being added.
void TfrmServerWizard::LeaveNewServer() {
    if (std::unique_ptr<tWWWServerType> taken = EditList.Take(EditList.IndexOf(joined_))) newServer_ = std::move(taken);
    joined_ = nullptr;
    EditList.Select(-1);
}

// --- the details and the list ---

// The advanced page shows the folder and the address proposed for a new
// server; its details can be changed only for a generic provider.
void TfrmServerWizard::PrepareAdvanced() {
    grpAdvanced->setEnabled(cmbServerType->currentText() == Generic());
    if (WizardMode == wmAdd && txtURL->text().isEmpty()) SetTextFilled(txtURL, BuildURL());
    ShowDirectory(true);
    AdvancedSeen = true;
}

void TfrmServerWizard::cmbServerTypeChange() {
    const bool generic = cmbServerType->currentText() == Generic();
    grpAdvanced->setEnabled(generic);
    if (generic && EditServer) ShowDirectory(false);
}

void TfrmServerWizard::lstServersClick() {
    tWWWServerType* chosen = EditList.CurrentItem();
    // While a server is added the list only shows where it goes: the
    // details stay those of the new server.
    if (!chosen || WizardMode == wmAdd) return;
    EditServer = chosen;
    ShowMyDetails();
    UpdateButtons();
}

void TfrmServerWizard::spbUpClick() { EditList.MoveUp(); }
void TfrmServerWizard::spbDownClick() { EditList.MoveDown(); }

void TfrmServerWizard::butDeleteClick() {
    tWWWServerType* chosen = EditList.CurrentItem();
    if (!chosen) return;
    if (chosen == joined_) joined_ = nullptr;
    // The details let go of the server before it goes; the next one, if
    // any, is chosen and shown.
    ClearFields();
    newServer_ = std::make_unique<tWWWServerType>();
    EditServer = newServer_.get();
    EditList.RemoveCurrent();
}

// --- the server test ---

void TfrmServerWizard::ShowTestResult(const QString& text) {
    lblTestResult->setText(text);
    const int page = pgcWizard->currentIndex();
    lblTestResult->setVisible(!text.isEmpty() && (page == pgDetails || page == pgAdvanced));
}

void TfrmServerWizard::btnTestClick() {
    if (testing_) {
        StopTest();
        ShowTestResult(probe_ && !probe_->Sentence().isEmpty() ? probe_->Sentence() : tr("The test was stopped."));
        return;
    }
    if (!EditServer) return;
    QString host;
    int port = 0;
    if (EditServer->Security == TSecurity::Git ? !IsRepositoryAddress(EditServer->Address)
                                               : !SplitAddress(EditServer->Address, DefaultPort(EditServer->Security), host, port)) {
        ShowTestResult(EditServer->Security == TSecurity::Git
                           ? tr("Type the repository's address first, for example https://example.org/you/site.git.")
                           : tr("Type the server's address first, for example ftp.yourisp.com."));
        txtAddress->setFocus();
        return;
    }
    // What is typed, saved or not.
    const TUploadTarget target = UploadTargetOf(*EditServer);
    const quint64 run = ++testRun_;
    testing_ = true;
    btnTest->setText(tr("&Stop Test"));
    probe_.reset();
    if (EditServer->KeyringName.isEmpty()) {
        StartProbe(target, run);
        return;
    }
    // The password the entry keeps in the keyring, read on its own thread.
    ShowTestResult(tr("Reading the password from the keyring..."));
    Keyring::ReadAsync(EditServer->KeyringName, this, [this, run, target](const Keyring::TReply& reply) {
        if (run != testRun_ || !testing_) return;
        if (reply.Result != Keyring::TResult::Ok) {
            StopTest();
            ShowTestResult(tr("Tarvo could not read this server's password from the keyring (%1).").arg(reply.Error));
            return;
        }
        TUploadTarget withPassword = target;
        withPassword.Password = reply.Password;
        StartProbe(withPassword, run);
    }, [this, run] {
        if (run == testRun_ && testing_) ShowTestResult(tr("Waiting for you to unlock the keyring..."));
    });
}

void TfrmServerWizard::StartProbe(const TUploadTarget& target, quint64 run) {
    probe_ = std::make_unique<TServerProbe>(*testFtp_, target);
    connect(probe_.get(), &TServerProbe::Status, this, [this](const QString& text) { ShowTestResult(text); });
    probe_->AskTrust = [this](const TTrustQuestion& q) { return AskToTrustServer(this, q, TTrustAsker::ServerTest); };
    // A key trusted is kept with the entry, as an upload keeps it, and is
    // saved with the list.
    tWWWServerType* server = EditServer;
    connect(probe_.get(), &TServerProbe::Trusted, this, [this, run, server](const TUploadTarget& t) {
        if (run != testRun_ || EditServer != server) return;
        server->TrustedKey = t.TrustedKey;
        server->HostKey = t.HostKey;
        EditList.MarkDirty();
    });
    probe_->AskMakeFolder = [this](const QString& folder) {
        return Dialogs().Ask(this, tr("Tarvo"),
                             tr("The folder \"%1\" does not exist on the server. Shall Tarvo make it?").arg(folder),
                             TMsgIcon::Question, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::Yes) == QMessageBox::Yes;
    };
    connect(probe_.get(), &TServerProbe::Finished, this, [this, run] {
        if (run != testRun_) return;
        testing_ = false;
        btnTest->setText(tr("&Test"));
        ShowTestResult(probe_->Sentence());
    });
    probe_->Start();
}

void TfrmServerWizard::StopTest() {
    if (!testing_) return;
    testing_ = false;
    ++testRun_;  // answers still on their way are dropped
    btnTest->setText(tr("&Test"));
    if (probe_) probe_->Cancel();
}

// The details under test changed: the test and its result no longer
// describe them.
void TfrmServerWizard::TestDetailsChanged() {
    StopTest();
    ShowTestResult(QString());
}

void TfrmServerWizard::done(int result) {
    StopTest();
    QDialog::done(result);
}
