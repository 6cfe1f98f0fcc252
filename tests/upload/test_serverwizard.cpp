#include "TestSupport.h"
#include "app/HelpCalls.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "upload/ServerBox.h"
#include "upload/ServerWizard.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>
#include "upload/UploadSequence.h"

namespace {

void Click(QAbstractButton* b) {
    QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(b->objectName()));
    // A radio button takes clicks on its circle and words only.
    if (qobject_cast<QRadioButton*>(b)) QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    else QTest::mouseClick(b, Qt::LeftButton);
}

void Type(QLineEdit* e, const QString& text) {
    e->setFocus();
    QTest::keyClicks(e, text);
}

void ClickRow(QListWidget* list, int row, bool twice = false) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// The wizard's controls, by their names.
QString Page(const QWidget* w) { return ShownPage(w, "pgcWizard"); }
void Click(QWidget* w, const char* name) { Click(Child<QAbstractButton>(w, name)); }
void Type(QWidget* w, const char* name, const QString& text) { Type(Child<QLineEdit>(w, name), text); }
bool Shown(const QWidget* w, const char* name) { return Child<QWidget>(w, name)->isVisible(); }
bool Enabled(const QWidget* w, const char* name) { return Child<QWidget>(w, name)->isEnabled(); }
QString Text(const QWidget* w, const char* name) { return Child<QLineEdit>(w, name)->text(); }
QListWidget* List(QWidget* w) { return Child<QListWidget>(w, "lstServers"); }

// The names the wizard's list page shows.
QStringList Rows(QWidget* w) {
    QStringList rows;
    for (int i = 0; i < List(w)->count(); ++i) rows << List(w)->item(i)->text();
    return rows;
}

TServerList Servers(std::initializer_list<const char*> names) {
    TServerList list;
    for (const char* n : names) {
        auto s = std::make_unique<tWWWServerType>();
        s->Name = n;
        s->Address = QString("ftp.%1.example").arg(n).toLower();
        s->Directory = "www";
        s->UserName = "jo";
        s->Password = "pw";
        list.push_back(std::move(s));
    }
    return list;
}

QStringList Names(const TServerList& list) {
    QStringList names;
    for (const auto& s : list) names << s->Name;
    return names;
}

// Start page, add mode, Next; then the details typed in.
void EnterNewServer(TfrmServerWizard& w, const QString& name, const QString& address, const QString& login,
                    const QString& password) {
    Click(&w, "rbAdd");
    Click(&w, "butNext");
    QCOMPARE(Page(&w), QString("tab2"));
    Type(&w, "txtName", name);
    Type(&w, "txtAddress", address);
    Type(&w, "txtLogin", login);
    Type(&w, "txtPassword", password);
}

bool StoreHasServers() {
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Brenfold", "Tarvo");
    raw.beginGroup("WWWServers");
    return !raw.childGroups().isEmpty();
}

}  // namespace

class TestServerWizard : public QObject {
    Q_OBJECT
private slots:
    void init() { env_ = std::make_unique<TTestEnv>(); }
    void cleanup() { env_.reset(); }

    void addWithoutTheAdvancedPage();
    void nextShowsTheNewServerInTheList();
    void addWithATypedURL();
    void webAddressIsTheUsersOwnAndChecked();
    void checkFieldsMessages();
    void modifyAChosenServer();
    void reorderAndDelete();
    void finishAndCancel();
    void aFailedSaveIsToldAndKeepsTheWizardOpen();
    void backTableAndHelp();
    void sendStageBoxRemembersTheUsersPick();
    void serversSurviveARestart();
    void connectionKinds();
    void gitRepository();

private:
    std::unique_ptr<TTestEnv> env_;
    TScriptedDialogs* dialogs() { return static_cast<TScriptedDialogs*>(&Dialogs()); }
};

void TestServerWizard::addWithoutTheAdvancedPage() {
    TServerList list = Servers({"First"});
    TfrmServerWizard w(list);
    w.show();
    QCOMPARE(w.windowTitle(), QString("Edit WWW Server List Wizard"));
    QVERIFY(!Enabled(&w, "butBack"));
    QVERIFY(!Shown(&w, "butFinish"));
    EnterNewServer(w, "My Web Server", "ftp.isp.example", "jo", "s3cret");
    QLineEdit* password = Child<QLineEdit>(&w, "txtPassword");
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QCOMPARE(password->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, password), int('*'));
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    QVERIFY(!w.isVisible());
    QCOMPARE(dialogs()->shown.size(), 1);
    QCOMPARE(dialogs()->shown[0].caption, QString("WWW Server List Changed"));
    QCOMPARE(dialogs()->shown[0].text, QString("Do you want to save the changes to your WWW Server List?"));
    QCOMPARE(Names(list), QStringList({"First", "My Web Server"}));
    const tWWWServerType added = ReadServer("My Web Server");
    QCOMPARE(added.URL, QString("http://ftp.isp.example/~jo/"));
    QCOMPARE(added.Directory, QString("public_html"));
    QCOMPARE(added.Password, QString("s3cret"));
    QCOMPARE(*list[1], added);
    QCOMPARE(ServerNames(), QStringList({"First", "My Web Server"}));
}

void TestServerWizard::nextShowsTheNewServerInTheList() {
    TServerList list = Servers({"First", "Second"});
    TfrmServerWizard w(list);
    w.show();
    EnterNewServer(w, "Mine", "ftp.mine.example", "jo", "pw");
    Click(&w, "butNext");
    // The list page shows the new server, chosen, under words that say so.
    QCOMPARE(Page(&w), QString("tab4"));
    QCOMPARE(List(&w)->count(), 3);
    QCOMPARE(List(&w)->currentItem()->text(), QString("Mine"));
    QVERIFY(Shown(&w, "lblAddDesc") && !Shown(&w, "lblModDesc") && !Shown(&w, "lblDelDesc"));
    QVERIFY(!Shown(&w, "butDelete"));
    Click(&w, "spbUp");
    Click(&w, "spbUp");
    // Clicking another server only shows where the new one goes.
    ClickRow(List(&w), 2);
    QCOMPARE(Text(&w, "txtName"), QString("Mine"));
    // Back to the details and on again: still one new server.
    Click(&w, "butBack");
    QCOMPARE(Text(&w, "txtName"), QString("Mine"));
    Click(&w, "butNext");
    QCOMPARE(List(&w)->count(), 3);
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    QCOMPARE(Names(list), QStringList({"Mine", "First", "Second"}));
    QCOMPARE(w.AddedServer(), QString("Mine"));

    // Back from the details to the start page gives the new server up.
    TfrmServerWizard again(list);
    again.show();
    EnterNewServer(again, "Gone", "g.example", "jo", "");
    Click(&again, "butNext");
    Click(&again, "butBack");
    Click(&again, "butBack");
    Click(&again, "rbModify");
    Click(&again, "butNext");
    QCOMPARE(List(&again)->count(), 3);
}

void TestServerWizard::addWithATypedURL() {
    TServerList list;
    TfrmServerWizard w(list);
    w.show();
    EnterNewServer(w, "Club", "club.example", "ann", "");
    Click(&w, "butAdvanced");
    QCOMPARE(Page(&w), QString("tab3"));
    QVERIFY(Enabled(&w, "grpAdvanced"));
    QCOMPARE(Text(&w, "txtURL"), QString("http://club.example/~ann/"));
    QCOMPARE(Text(&w, "txtDirectory"), QString("public_html"));
    Child<QLineEdit>(&w, "txtURL")->selectAll();
    Type(&w, "txtURL", "http://club.example/members/ann/");
    Child<QLineEdit>(&w, "txtDirectory")->selectAll();
    Type(&w, "txtDirectory", "www");
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    const tWWWServerType added = ReadServer("Club");
    QCOMPARE(added.URL, QString("http://club.example/members/ann/"));
    QCOMPARE(added.Directory, QString("www"));
    QCOMPARE(added.Password, QString());
    QCOMPARE(list.size(), size_t(1));
}

void TestServerWizard::webAddressIsTheUsersOwnAndChecked() {
    TServerList list;
    TfrmServerWizard w(list);
    w.show();
    EnterNewServer(w, "Choir", "choir.example", "ann", "");
    Click(&w, "butAdvanced");
    // The guess the wizard shows is not taken as the web address.
    QCOMPARE(Text(&w, "txtURL"), QString("http://choir.example/~ann/"));
    Child<QLineEdit>(&w, "txtURL")->selectAll();
    Type(&w, "txtURL", "www.example.org/choir");
    const int told = int(dialogs()->shown.size());
    Click(&w, "butFinish");
    QVERIFY(w.isVisible());
    QCOMPARE(int(dialogs()->shown.size()), told + 1);
    QVERIFY(dialogs()->lastText().contains("https://"));
    Child<QLineEdit>(&w, "txtURL")->selectAll();
    Type(&w, "txtURL", "https://www.example.org/choir");
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    const tWWWServerType added = ReadServer("Choir");
    QCOMPARE(added.WebAddress, QString("https://www.example.org/choir/"));
    QCOMPARE(added.URL, QString("https://www.example.org/choir/"));

    // A server whose shown guess is kept has no web address.
    TServerList other;
    TfrmServerWizard guess(other);
    guess.show();
    EnterNewServer(guess, "Band", "band.example", "bo", "");
    Click(&guess, "butAdvanced");
    dialogs()->answers << QMessageBox::Yes;
    Click(&guess, "butFinish");
    QCOMPARE(ReadServer("Band").WebAddress, QString());
    QCOMPARE(ReadServer("Band").URL, QString("http://band.example/~bo/"));
}

void TestServerWizard::checkFieldsMessages() {
    TServerList list;
    TfrmServerWizard w(list);
    w.show();
    Click(&w, "butNext");
    // Next stays on the details page of a new server, beside Finish.
    QVERIFY(Shown(&w, "butNext") && Shown(&w, "butFinish"));
    Click(&w, "butNext");
    QCOMPARE(dialogs()->lastText(), QString("Please enter a valid description for your server."));
    QCOMPARE(Page(&w), QString("tab2"));
    Type(&w, "txtName", "S");
    Click(&w, "butAdvanced");
    QCOMPARE(dialogs()->lastText(), QString("Please enter a valid address for your server."));
    QCOMPARE(Page(&w), QString("tab2"));
    Type(&w, "txtAddress", "a.example");
    Click(&w, "butNext");
    QCOMPARE(dialogs()->lastText(), QString("Please enter a valid login name for your server."));
    QCOMPARE(dialogs()->shown.size(), 3);
    // The password may stay empty: Next goes on to the list.
    Type(&w, "txtLogin", "jo");
    Click(&w, "butNext");
    QCOMPARE(Page(&w), QString("tab4"));
    QCOMPARE(Text(&w, "txtDirectory"), QString("public_html"));
    QCOMPARE(Text(&w, "txtURL"), QString("http://a.example/~jo/"));
    QVERIFY(Shown(&w, "butFinish") && !Shown(&w, "butNext"));
    QCOMPARE(dialogs()->shown.size(), 3);
}

void TestServerWizard::modifyAChosenServer() {
    TServerList list = Servers({"One", "Two", "Three"});
    list[1]->URL.clear();
    TfrmServerWizard w(list);
    w.show();
    Click(&w, "rbModify");
    Click(&w, "butNext");
    QCOMPARE(Page(&w), QString("tab4"));
    QVERIFY(Shown(&w, "lblModDesc") && Shown(&w, "lblModify"));
    QVERIFY(!Shown(&w, "lblDelDesc") && !Shown(&w, "butDelete"));
    // It names the label the Send stage shows over the same list.
    QVERIFY(Child<QLabel>(&w, "lblModDesc")->text().contains("under \"WWW Server to Upload to\" on the Send stage"));
    QCOMPARE(List(&w)->count(), 3);
    // Nothing chosen yet: Next waits for a server.
    QVERIFY(Shown(&w, "butNext") && !Enabled(&w, "butNext"));
    ClickRow(List(&w), 1, true);  // a double click acts as Next
    QCOMPARE(Page(&w), QString("tab2"));
    QCOMPARE(Text(&w, "txtName"), QString("Two"));
    QCOMPARE(Text(&w, "txtPassword"), QString("pw"));
    QCOMPARE(Text(&w, "txtURL"), QString("http://ftp.two.example/~jo/"));  // made, not stored
    QVERIFY(!w.HasUnsavedChanges());
    Child<QLineEdit>(&w, "txtAddress")->selectAll();
    Type(&w, "txtAddress", "ftp.new.example");
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    QCOMPARE(Names(list), QStringList({"One", "Two", "Three"}));
    QCOMPARE(list[1]->Address, QString("ftp.new.example"));
    QCOMPARE(list[1]->URL, QString());
    QCOMPARE(ReadServer("Two").Address, QString("ftp.new.example"));
    QCOMPARE(ReadServer("One").Address, QString("ftp.one.example"));
}

// The list page forwards the arrows and Delete to the list model (whose
// rules test_listedit checks) and shows what it did.
void TestServerWizard::reorderAndDelete() {
    TServerList list = Servers({"A", "B", "C", "D"});
    TfrmServerWizard w(list);
    w.show();
    Click(&w, "rbDelete");
    Click(&w, "butNext");
    QVERIFY(Shown(&w, "lblDelDesc") && Shown(&w, "lblDelete") && Shown(&w, "butDelete"));
    QVERIFY(Shown(&w, "butFinish") && !Shown(&w, "butNext"));
    ClickRow(List(&w), 3);
    Click(&w, "spbUp");
    Click(&w, "spbUp");
    QCOMPARE(List(&w)->currentItem()->text(), QString("D"));
    ClickRow(List(&w), 0);
    Click(&w, "spbDown");
    Click(&w, "butDelete");
    // The next server is chosen, its details shown.
    QCOMPARE(List(&w)->count(), 3);
    QCOMPARE(List(&w)->currentItem()->text(), QString("B"));
    QCOMPARE(Text(&w, "txtName"), QString("B"));
    QCOMPARE(Names(list), QStringList({"A", "B", "C", "D"}));  // not before saving
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    QCOMPARE(Names(list), QStringList({"D", "B", "C"}));
    TServerList loaded;
    LoadServerList(loaded);
    QCOMPARE(Names(loaded), QStringList({"D", "B", "C"}));
}

// A new server is appended once however often Finish is pressed; Cancel
// stays, No closes unsaved; Cancel and Escape close without a question.
void TestServerWizard::finishAndCancel() {
    TServerList list = Servers({"A"});
    {
        TfrmServerWizard w(list);
        w.show();
        Click(&w, "butNext");
        Type(&w, "txtName", "New");
        dialogs()->answers << QMessageBox::Cancel << QMessageBox::No;
        Click(&w, "butFinish");
        QVERIFY(w.isVisible());
        Click(&w, "butFinish");
        QVERIFY(!w.isVisible());
        QCOMPARE(dialogs()->shown.size(), 2);
        QCOMPARE(Rows(&w), QStringList({"A", "New"}));
    }
    for (bool escape : {false, true}) {
        TfrmServerWizard w(list);
        w.show();
        Click(&w, "rbDelete");
        Click(&w, "butNext");
        ClickRow(List(&w), 0);
        Click(&w, "butDelete");
        if (escape) QTest::keyClick(&w, Qt::Key_Escape);
        else Click(&w, "butCancel");
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }
    QCOMPARE(dialogs()->shown.size(), 2);
    QCOMPARE(Names(list), QStringList({"A"}));
    QVERIFY(!StoreHasServers());
}

void TestServerWizard::aFailedSaveIsToldAndKeepsTheWizardOpen() {
    // The settings folder is a plain file: nothing can be written there.
    const QString store = QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brenfold", "Tarvo").fileName();
    const QString folder = QFileInfo(store).absolutePath();
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    TServerList list = Servers({"A"});
    TfrmServerWizard w(list);
    w.show();
    Click(&w, "butNext");
    Type(&w, "txtName", "New");
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    QVERIFY(w.isVisible());
    QCOMPARE(dialogs()->shown.size(), 2);
    QCOMPARE(dialogs()->shown[1].caption, QString("WWW Server List Changed"));
    QCOMPARE(dialogs()->lastText(), QString("Your WWW Server List could not be saved.\n"
                                            "The settings file %1 could not be written.")
                                        .arg(QDir::toNativeSeparators(store)));
    QVERIFY(w.HasUnsavedChanges());
    QCOMPARE(Names(list), QStringList({"A"}));

    // Once the folder can be made again, the same Finish saves and closes.
    QVERIFY(QFile::remove(folder));
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    QVERIFY(!w.isVisible());
    QCOMPARE(Names(list), QStringList({"A", "New"}));
    QCOMPARE(ServerNames(), QStringList({"A", "New"}));
}

void TestServerWizard::backTableAndHelp() {
    TServerList list = Servers({"A", "B"});
    TfrmServerWizard w(list);
    w.show();
    THelpDesk desk(&w);
    Click(&w, "butHelp");
    QCOMPARE(desk.RequestCount(), 1);
    QCOMPARE(desk.LastRequest().call, THelpCall::Context);
    QCOMPARE(desk.LastRequest().context, 79);

    // Add: advanced page back to details (Finish), details back to start.
    EnterNewServer(w, "N", "n.example", "jo", "");
    Click(&w, "butAdvanced");
    Click(&w, "butBack");
    QCOMPARE(Page(&w), QString("tab2"));
    QVERIFY(Shown(&w, "butFinish"));
    Click(&w, "butBack");
    QCOMPARE(Page(&w), QString("tab1"));
    QVERIFY(!Enabled(&w, "butBack"));
    QVERIFY(Shown(&w, "butNext") && !Shown(&w, "butFinish"));

    // Modify: details back to the list, list back to the start.
    Click(&w, "rbModify");
    Click(&w, "butNext");
    ClickRow(List(&w), 0);
    Click(&w, "butNext");
    QCOMPARE(Page(&w), QString("tab2"));
    QCOMPARE(Text(&w, "txtName"), QString("A"));
    QVERIFY(Shown(&w, "butFinish") && !Shown(&w, "butNext"));
    // Renamed: the list shows the new name on the way back, still chosen.
    Type(&w, "txtName", "2");
    Click(&w, "butBack");
    QCOMPARE(Page(&w), QString("tab4"));
    QCOMPARE(List(&w)->currentItem()->text(), QString("A2"));
    QVERIFY(Shown(&w, "lblModDesc") && Shown(&w, "lblModify") && !Shown(&w, "butDelete"));
    Click(&w, "butBack");
    QCOMPARE(Page(&w), QString("tab1"));
    QVERIFY(!Enabled(&w, "butBack"));
}

void TestServerWizard::sendStageBoxRemembersTheUsersPick() {
    TServerList stored = Servers({"Alpha", "Beta", "Gamma"});
    SaveServerList(stored);
    WriteLastServer("bETA");  // letter case does not count
    std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
    TServerBox* box = w->Servers();
    QVERIFY(box);
    QComboBox* combo = Child<QComboBox>(w.get(), "cmbServers");
    QToolButton* edit = Child<QToolButton>(w.get(), "spdEditWWW");
    QCOMPARE(edit->text(), QString("Edit WWW Server List"));
    w->show();
    w->ChangeState(TfrmMain::stSend);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentText(), QString("Beta"));
    QCOMPARE(box->SelectedServer()->Address, QString("ftp.beta.example"));
    QCOMPARE(ReadLastServer(), QString("bETA"));  // selecting by program writes nothing

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QString("Gamma"));
    QCOMPARE(ReadLastServer(), QString("Gamma"));

    // The wizard deletes Gamma: the name stays remembered, the first is chosen.
    dialogs()->runs << [this](QDialog* d) {
        auto* wiz = qobject_cast<TfrmServerWizard*>(d);
        wiz->show();
        Click(wiz, "rbDelete");
        Click(wiz, "butNext");
        ClickRow(List(wiz), 2);
        Click(wiz, "butDelete");
        dialogs()->answers << QMessageBox::Yes;
        Click(wiz, "butFinish");
        return wiz->result();
    };
    Click(edit);
    QCOMPARE(dialogs()->unexpected, 0);
    QCOMPARE(ReadLastServer(), QString("Gamma"));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(Names(ServerList()), QStringList({"Alpha", "Beta"}));

    // A server added in the wizard is the one chosen afterwards.
    dialogs()->runs << [this](QDialog* d) {
        auto* wiz = qobject_cast<TfrmServerWizard*>(d);
        wiz->show();
        EnterNewServer(*wiz, "Delta", "ftp.delta.example", "jo", "pw");
        dialogs()->answers << QMessageBox::Yes;
        Click(wiz, "butFinish");
        return wiz->result();
    };
    Click(edit);
    QCOMPARE(dialogs()->unexpected, 0);
    QCOMPARE(combo->currentText(), QString("Delta"));
    QCOMPARE(box->SelectedServer()->Address, QString("ftp.delta.example"));
    QCOMPARE(ReadLastServer(), QString("Delta"));
}

void TestServerWizard::serversSurviveARestart() {
    {
        std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
        w->show();
        w->ChangeState(TfrmMain::stSend);
        QCOMPARE(Child<QComboBox>(w.get(), "cmbServers")->count(), 0);
        // Two servers added, the second moved to the top.
        for (const char* name : {"Zulu", "Kilo"}) {
            dialogs()->runs << [this, name](QDialog* d) {
                auto* wiz = qobject_cast<TfrmServerWizard*>(d);
                wiz->show();
                EnterNewServer(*wiz, name, "ftp.example", "jo", "pw");
                dialogs()->answers << QMessageBox::Yes;
                Click(wiz, "butFinish");
                return wiz->result();
            };
            Click(Child<QToolButton>(w.get(), "spdEditWWW"));
        }
        dialogs()->runs << [this](QDialog* d) {
            auto* wiz = qobject_cast<TfrmServerWizard*>(d);
            wiz->show();
            Click(wiz, "rbModify");
            Click(wiz, "butNext");
            ClickRow(List(wiz), 1);
            Click(wiz, "spbUp");
            dialogs()->answers << QMessageBox::Yes;
            Click(wiz, "butNext");
            Click(wiz, "butFinish");
            return wiz->result();
        };
        Click(Child<QToolButton>(w.get(), "spdEditWWW"));
        QCOMPARE(dialogs()->unexpected, 0);
        QComboBox* box = Child<QComboBox>(w.get(), "cmbServers");
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(0), QString("Kilo"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);  // the user picks Zulu
    }
    ServerList().clear();
    std::unique_ptr<TfrmMain> w(CreateMainWindow(QString()));
    w->show();
    w->ChangeState(TfrmMain::stSend);
    QComboBox* box = Child<QComboBox>(w.get(), "cmbServers");
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->itemText(0), QString("Kilo"));
    QCOMPARE(box->itemText(1), QString("Zulu"));
    QCOMPARE(box->currentText(), QString("Zulu"));
    QCOMPARE(w->Servers()->SelectedServer()->Password, QString("pw"));
}

QTEST_MAIN(TestServerWizard)
// A repository's address chooses the Git kind, whose branch field offers
// the usual branches; the branch chosen is stored with the server.
void TestServerWizard::gitRepository() {
    TServerList list;
    TfrmServerWizard w(list);
    w.show();
    EnterNewServer(w, "Pages", "https://git.example.org/jo/site.git", "jo", "token");
    Click(&w, "butAdvanced");
    auto* connection = Child<QComboBox>(&w, "cmbConnection");
    QCOMPARE(connection->currentText(), QString("Git repository (page hosts)"));
    auto* branch = Child<QComboBox>(&w, "cmbBranch");
    QVERIFY(branch->isVisible());
    QCOMPARE(branch->currentText(), QString("main"));
    QVERIFY(branch->findText("gh-pages") >= 0);
    branch->setCurrentText("gh-pages");
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    const tWWWServerType added = ReadServer("Pages");
    QCOMPARE(added.Security, TSecurity::Git);
    QCOMPARE(added.Branch, QString("gh-pages"));
    // The branch's top folder, not a proposed public_html.
    QCOMPARE(added.Directory, QString());
    const TUploadTarget target = UploadTargetOf(added);
    QCOMPARE(target.Address, QString("https://git.example.org/jo/site.git"));
    QCOMPARE(target.Branch, QString("gh-pages"));
    QCOMPARE(target.Port, 443);
    QCOMPARE(dialogs()->unexpected, 0);

    // Another kind hides the field.
    TfrmServerWizard other(list);
    other.show();
    EnterNewServer(other, "Plain", "ftp.example.org", "jo", "pw");
    Click(&other, "butAdvanced");
    QVERIFY(!Child<QComboBox>(&other, "cmbBranch")->isVisible());
}
// A new server starts at FTPS; the kind picked in "Connection:" is stored,
// and picking another forgets the keys trusted for the old one.
void TestServerWizard::connectionKinds() {
    TServerList list;
    TfrmServerWizard w(list);
    w.show();
    EnterNewServer(w, "Host", "sftp.host.example:2222", "jo", "pw");
    Click(&w, "butAdvanced");
    auto* connection = Child<QComboBox>(&w, "cmbConnection");
    QCOMPARE(connection->currentText(), QString("FTP with TLS (FTPS)"));
    QCOMPARE(connection->count(), 6);
    QCOMPARE(connection->itemText(int(TSecurity::WebDAVS)), QString("WebDAV over HTTPS"));
    QCOMPARE(connection->itemText(int(TSecurity::WebDAV)), QString("WebDAV (not encrypted)"));
    QCOMPARE(connection->itemText(int(TSecurity::Git)), QString("Git repository (page hosts)"));
    // The kinds that send the password as it is say so, the others do not.
    auto* warning = Child<QLabel>(&w, "lblNotEncrypted");
    for (int kind = 0; kind < connection->count(); ++kind) {
        connection->setCurrentIndex(kind);
        const bool plain = TSecurity(kind) == TSecurity::FTP || TSecurity(kind) == TSecurity::WebDAV;
        QCOMPARE(warning->isVisible(), plain);
    }
    connection->setCurrentIndex(int(TSecurity::FTPS));
    connection->setFocus();
    QTest::keyClick(connection, Qt::Key_Down);
    QCOMPARE(connection->currentText(), QString("SFTP (over SSH)"));
    dialogs()->answers << QMessageBox::Yes;
    Click(&w, "butFinish");
    tWWWServerType added = ReadServer("Host");
    QCOMPARE(added.Security, TSecurity::SFTP);
    QCOMPARE(added.Address, QString("sftp.host.example:2222"));
    added.HostKey = "SHA256:known";
    SaveServerTrust(added);
    QCOMPARE(ReadServer("Host").HostKey, QString("SHA256:known"));

    LoadServerList(list);
    TfrmServerWizard again(list);
    again.show();
    Click(&again, "rbModify");
    Click(&again, "butNext");
    ClickRow(List(&again), 0);
    Click(&again, "butNext");
    Click(&again, "butAdvanced");
    connection = Child<QComboBox>(&again, "cmbConnection");
    QCOMPARE(connection->currentText(), QString("SFTP (over SSH)"));
    connection->setFocus();
    QTest::keyClick(connection, Qt::Key_Up);
    dialogs()->answers << QMessageBox::Yes;
    Click(&again, "butFinish");
    const tWWWServerType changed = ReadServer("Host");
    QCOMPARE(changed.Security, TSecurity::FTPS);
    QVERIFY(changed.HostKey.isEmpty());
    QCOMPARE(dialogs()->unexpected, 0);
}

#include "test_serverwizard.moc"
