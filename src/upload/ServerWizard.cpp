// The server wizard's window: its pages, controls and wiring. The page flow
// and the handlers are in ServerWizardFlow.cpp.
#include "upload/ServerWizard.h"

#include "app/HelpCalls.h"
#include "app/PictureControl.h"
#include "app/UserDialogs.h"
#include "app/WheelGuard.h"
#include "html/SiteMenu.h"
#include "upload/transfer/FtpClient.h"
#include "upload/ServerProbe.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

namespace {

// The password edit shows "*" for every character, whatever the style.
class TStarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

template <class T>
T* Make(QWidget* parent, const char* name, const QRect& geometry) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* l = Make<QLabel>(parent, name, geometry);
    l->setText(text);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* b = Make<QPushButton>(parent, name, geometry);
    b->setText(text);
    // Enter in an edit presses no button behind the user's back.
    b->setAutoDefault(false);
    return b;
}

QWidget* AddPage(QStackedWidget* pages, const char* name) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    pages->addWidget(page);
    return page;
}

constexpr int kPageWidth = 362;

// The label of the Send stage's box of servers, which lists them in the
// wizard's order, quoted as the user reads it there.
QString ServerBoxLabel() {
    QString label = QCoreApplication::translate("ServerBox", "WWW Server to Upload to:");
    while (label.endsWith(QLatin1Char(':'))) label.chop(1);
    return QLatin1Char('"') + label.trimmed() + QLatin1Char('"');
}

}  // namespace

TfrmServerWizard::TfrmServerWizard(TServerList& serverList, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      serverList_(serverList) {
    setObjectName(QStringLiteral("frmServerWizard"));
    setWindowTitle(tr("Edit WWW Server List Wizard"));
    // Below the pages, room for the server test's result.
    setFixedSize(520, 356);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);

    CreatePages();
    CreateButtons();
    WireControls();
    GuardWheels(this);

    // FormCreate: a fresh record, add mode, the start page, the copies.
    newServer_ = std::make_unique<tWWWServerType>();
    EditServer = newServer_.get();
    WizardMode = wmAdd;
    pgcWizard->setCurrentWidget(tab1);
    // A server without a name is not shown (nor saved): the store keeps
    // servers under their names.
    EditList.SetListed([](const tWWWServerType& s) { return !s.Name.isEmpty(); });
    EditList.SetSaver([this](const TServerList& list) { return WriteServerInfo(list); });
    Filling = true;
    EditList.SetItems(CopyServerList(serverList_));
    Filling = false;
    AdvancedSeen = false;
    cmbServerType->setCurrentIndex(cmbServerType->findText(tr("Generic")));
    UpdateButtons();
}

TfrmServerWizard::~TfrmServerWizard() = default;

void TfrmServerWizard::CreatePages() {
    imgWizard = new TPicture(this, QStringLiteral("imgWizard"));
    imgWizard->move(10, 10);
    imgWizard->ShowBitmap(QStringLiteral("Wizard_Server"));

    pgcWizard = Make<QStackedWidget>(this, "pgcWizard", QRect(150, 10, kPageWidth, 252));
    CreateStartPage();
    CreateDetailsPage();
    CreateAdvancedPage();
    CreateListPage();
}

void TfrmServerWizard::CreateStartPage() {
    tab1 = AddPage(pgcWizard, "tab1");
    lblIntro = MakeLabel(tab1, "lblIntro",
                         tr("This Wizard aids you in the construction of a server list. This list is used "
                                        "to allow you to easily transfer your files to the internet."),
                         QRect(0, 0, kPageWidth, 48));
    QFont bold = lblIntro->font();
    bold.setBold(true);
    lblIntro->setFont(bold);
    lblServerIs = MakeLabel(tab1, "lblServerIs",
                            tr("A Server is a computer that is connected to the internet. This is the "
                                           "computer that you 'Logon' to when you are surfing. Apart from this, there "
                                           "is nothing all that special about a Server. "),
                            QRect(0, 54, kPageWidth, 48));
    rbAdd = Make<QRadioButton>(tab1, "rbAdd", QRect(12, 110, 340, 22));
    rbAdd->setText(tr("Add new server details to the server list."));
    rbAdd->setChecked(true);
    rbModify = Make<QRadioButton>(tab1, "rbModify", QRect(12, 134, 340, 22));
    rbModify->setText(tr("Modify server settings."));
    rbDelete = Make<QRadioButton>(tab1, "rbDelete", QRect(12, 158, 340, 22));
    rbDelete->setText(tr("Delete a server from the server list."));
    lblHelpHint = MakeLabel(tab1, "lblHelpHint",
                            tr("If you don't know the address of your server, or are confused by all this "
                                           "terminology, then press the HELP button. "),
                            QRect(0, 196, kPageWidth, 32));
}

void TfrmServerWizard::CreateDetailsPage() {
    tab2 = AddPage(pgcWizard, "tab2");
    lblName = MakeLabel(tab2, "lblName", tr("Enter a description for your Server e.g. My Web Server"),
                        QRect(0, 0, kPageWidth, 16));
    txtName = Make<QLineEdit>(tab2, "txtName", QRect(0, 17, kPageWidth, 21));
    lblAddress = MakeLabel(tab2, "lblAddress",
                           tr("Enter your Server's address e.g. ftp.yourisp.com"),
                           QRect(0, 44, kPageWidth, 16));
    txtAddress = Make<QLineEdit>(tab2, "txtAddress", QRect(0, 61, kPageWidth, 21));
    // A port other than the usual one goes after the address.
    txtAddress->setPlaceholderText(tr("ftp.yourisp.com, or ftp.yourisp.com:2222 for another port"));
    txtAddress->setToolTip(tr("If your provider names a port, add it after a colon, e.g. "
                                          "ftp.yourisp.com:2222. Without one the usual port is used."));
    lblLogin = MakeLabel(tab2, "lblLogin",
                         tr("Enter your 'Login' name. This name is supplied to you by your Internet "
                                        "Service Provider. (ISP)"),
                         QRect(0, 88, kPageWidth, 30));
    txtLogin = Make<QLineEdit>(tab2, "txtLogin", QRect(0, 119, kPageWidth, 21));
    lblPassword = MakeLabel(tab2, "lblPassword", tr("Enter your password. (given to you by your ISP)"),
                            QRect(0, 146, kPageWidth, 16));
    txtPassword = Make<QLineEdit>(tab2, "txtPassword", QRect(0, 163, kPageWidth, 21));
    txtPassword->setEchoMode(QLineEdit::Password);
    // Where the desktop offers no keyring the password can only be kept
    // scrambled in the settings file: the user is told so, not left to
    // believe it is encrypted.
    txtPassword->setToolTip(tr("Tarvo keeps your password in the desktop's keyring. Where there is none, it is only "
                               "scrambled, not encrypted, in a settings file only you can read."));
    lblPassword->setToolTip(txtPassword->toolTip());
    auto* stars = new TStarPasswordStyle;
    stars->setParent(txtPassword);
    txtPassword->setStyle(stars);
    lblServerType = MakeLabel(tab2, "lblServerType", tr("Select Internet Service Provider"),
                              QRect(0, 196, 190, 16));
    cmbServerType = Make<QComboBox>(tab2, "cmbServerType", QRect(0, 213, 190, 22));
    cmbServerType->addItem(tr("Generic"));
    butAdvanced = MakeButton(tab2, "butAdvanced", tr("&Advanced"), QRect(kPageWidth - 90, 211, 90, 26));
}

void TfrmServerWizard::CreateAdvancedPage() {
    tab3 = AddPage(pgcWizard, "tab3");
    grpAdvanced = Make<QGroupBox>(tab3, "grpAdvanced", QRect(0, 0, kPageWidth, 210));
    grpAdvanced->setTitle(tr("Advanced Server Details"));
    lblDirectory = MakeLabel(grpAdvanced, "lblDirectory",
                             tr("Enter the Directory that your server looks in for your HTML files. "
                                            "(Usually www or public_html)"),
                             QRect(10, 22, kPageWidth - 20, 30));
    txtDirectory = Make<QLineEdit>(grpAdvanced, "txtDirectory", QRect(10, 54, kPageWidth - 20, 21));
    lblURL = MakeLabel(grpAdvanced, "lblURL", tr("Full URL for your Web Site:"),
                       QRect(10, 88, kPageWidth - 20, 16));
    txtURL = Make<QLineEdit>(grpAdvanced, "txtURL", QRect(10, 106, kPageWidth - 20, 21));
    txtURL->setPlaceholderText(QStringLiteral("https://www.example.org/choir/"));
    txtURL->setToolTip(tr("Where visitors find the server folder on the web. With it, each page "
                          "gets its own address and the site gets a sitemap."));
    lblConnection = MakeLabel(grpAdvanced, "lblConnection", tr("Connection:"), QRect(10, 142, 80, 16));
    cmbConnection = Make<QComboBox>(grpAdvanced, "cmbConnection", QRect(90, 139, kPageWidth - 100, 22));
    // In the order of TSecurity.
    cmbConnection->addItems({tr("FTP (not encrypted)"), tr("FTP with TLS (FTPS)"),
                             tr("SFTP (over SSH)"), tr("WebDAV over HTTPS"), tr("WebDAV (not encrypted)"),
                             tr("Git repository (page hosts)")});
    lblBranch = MakeLabel(grpAdvanced, "lblBranch", tr("Branch:"), QRect(10, 173, 80, 16));
    cmbBranch = Make<QComboBox>(grpAdvanced, "cmbBranch", QRect(90, 170, kPageWidth - 100, 22));
    // In the branch's place, for the kinds that send the password and the
    // pages as they are.
    lblNotEncrypted = MakeLabel(grpAdvanced, "lblNotEncrypted",
                                tr("Not encrypted: others on the network can read your password and pages."),
                                QRect(10, 168, kPageWidth - 20, 32));
    cmbBranch->setEditable(true);
    // The branches page hosts usually publish from.
    cmbBranch->addItems({QStringLiteral("main"), QStringLiteral("gh-pages"), QStringLiteral("pages"),
                         QStringLiteral("master")});
}

void TfrmServerWizard::CreateListPage() {
    tab4 = AddPage(pgcWizard, "tab4");
    lblModDesc = MakeLabel(tab4, "lblModDesc",
                           tr("To edit a server in the list below, select the server and then click the Next "
                              "button. The servers are listed in the same order under %1 on the Send stage.")
                               .arg(ServerBoxLabel()),
                           QRect(0, 0, kPageWidth, 46));
    lblDelDesc = MakeLabel(tab4, "lblDelDesc",
                           tr("To delete a server in the list below, select the server and then click the "
                              "Delete button. The servers are listed in the same order under %1 on the Send "
                              "stage.")
                               .arg(ServerBoxLabel()),
                           QRect(0, 0, kPageWidth, 46));
    lblAddDesc = MakeLabel(tab4, "lblAddDesc",
                           tr("Your new server is selected at the end of the list below. To change its place, "
                              "click the arrows. The servers are listed in the same order under %1 on the Send "
                              "stage.")
                               .arg(ServerBoxLabel()),
                           QRect(0, 0, kPageWidth, 46));
    lstServers = Make<QListWidget>(tab4, "lstServers", QRect(0, 50, 296, 158));
    const auto arrow = [&](const char* name, const char* glyph, int top) {
        auto* b = Make<QToolButton>(tab4, name, QRect(306, top, 40, 40));
        b->setIcon(QIcon(QStringLiteral(":/bitmaps/%1.png").arg(QLatin1String(glyph))));
        b->setIconSize(QSize(24, 24));
        b->setAutoRaise(false);
        return b;
    };
    spbUp = arrow("spbUp", "Glyph_Up", 50);
    butDelete = MakeButton(tab4, "butDelete", tr("&Delete"), QRect(302, 116, 60, 26));
    spbDown = arrow("spbDown", "Glyph_Down", 168);
    lblModify = MakeLabel(tab4, "lblModify",
                          tr("To modify the address of the Server, select a server, and click NEXT"),
                          QRect(0, 216, kPageWidth, 32));
    lblDelete = MakeLabel(tab4, "lblDelete", tr("Click FINISH to return to Tarvo."),
                          QRect(0, 216, kPageWidth, 32));
}

void TfrmServerWizard::CreateButtons() {
    const int top = height() - 40;
    butHelp = MakeButton(this, "butHelp", tr("&Help"), QRect(10, top, 76, 27));
    butBack = MakeButton(this, "butBack", tr("&<< Back"), QRect(0, top, 84, 27));
    butBack->setIcon(QIcon(QStringLiteral(":/bitmaps/Glyph_Back.png")));
    butNext = MakeButton(this, "butNext", tr("Next >&>"), QRect(0, top, 84, 27));
    butNext->setIcon(QIcon(QStringLiteral(":/bitmaps/Glyph_Next.png")));
    butNext->setLayoutDirection(Qt::RightToLeft);  // the arrow after the words
    butFinish = MakeButton(this, "butFinish", tr("&Finish"), QRect(0, top, 84, 27));
    butCancel = MakeButton(this, "butCancel", tr("&Cancel"), QRect(0, top, 84, 27));
    // Wider where the words and arrow need it (the row is laid out by width).
    for (QPushButton* b : {butBack, butNext, butFinish, butCancel})
        b->resize(std::max(b->width(), b->sizeHint().width()), b->height());
    // Under the picture, beside the sentence it leads to.
    btnTest = MakeButton(this, "btnTest", tr("&Test"), QRect(10, 270, 120, 27));
    btnTest->setToolTip(tr("Try these details on the server now: log in, enter the folder, write a small test file "
                           "and remove it again."));
    btnTest->hide();
    lblTestResult = MakeLabel(this, "lblTestResult", QString(), QRect(150, 266, kPageWidth, 44));
    lblTestResult->hide();
    testFtp_ = new TFtpClient(this);
    testFtp_->setObjectName(QStringLiteral("testFtp"));
}

void TfrmServerWizard::WireControls() {
    connect(rbAdd, &QRadioButton::toggled, this, [this](bool on) { if (on) WizardMode = wmAdd; });
    connect(rbModify, &QRadioButton::toggled, this, [this](bool on) { if (on) WizardMode = wmModify; });
    connect(rbDelete, &QRadioButton::toggled, this, [this](bool on) { if (on) WizardMode = wmDelete; });

    const auto store = [this](QLineEdit* edit, QString tWWWServerType::*field) {
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) { StoreField(field, text); });
    };
    store(txtName, &tWWWServerType::Name);
    store(txtAddress, &tWWWServerType::Address);
    store(txtDirectory, &tWWWServerType::Directory);
    store(txtLogin, &tWWWServerType::UserName);
    store(txtPassword, &tWWWServerType::Password);
    store(txtURL, &tWWWServerType::URL);
    // What the user types there is where the folder is seen on the web; the
    // guess the wizard fills in is not.
    connect(txtURL, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (Filling || !EditServer) return;
        urlTyped_ = true;
        EditServer->WebAddress = NormalWebAddress(text);
    });

    connect(cmbConnection, &QComboBox::currentIndexChanged, this, [this] { cmbConnectionChange(); });
    connect(cmbBranch, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!Filling && EditServer && EditServer->Branch != text.trimmed()) StoreField(&tWWWServerType::Branch, text.trimmed());
    });
    // A repository's address typed as the server's chooses the Git kind.
    connect(txtAddress, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (Filling || !EditServer || EditServer->Security == TSecurity::Git || !IsRepositoryAddress(text)) return;
        cmbConnection->setCurrentIndex(int(TSecurity::Git));
    });
    connect(cmbServerType, &QComboBox::currentIndexChanged, this, [this] { cmbServerTypeChange(); });
    connect(butAdvanced, &QPushButton::clicked, this, &TfrmServerWizard::butAdvancedClick);
    // A click or the arrow keys choose the server; the list, the choice and
    // the details shown follow EditList.
    connect(lstServers, &QListWidget::itemSelectionChanged, this, [this] {
        if (!showingList_) EditList.Select(RowIndex());
    });
    connect(&EditList, &TListEditCore::ItemsChanged, this, &TfrmServerWizard::LoadWWWList);
    connect(&EditList, &TListEditCore::ItemChanged, this, &TfrmServerWizard::LoadWWWList);
    connect(&EditList, &TListEditCore::CurrentChanged, this, [this] {
        ShowCurrentRow();
        lstServersClick();
    });
    connect(lstServers, &QListWidget::itemDoubleClicked, this, [this] {
        // Acts as Next wherever Next is offered.
        if (!butNext->isHidden() && butNext->isEnabled()) butNextClick();
    });
    connect(spbUp, &QToolButton::clicked, this, &TfrmServerWizard::spbUpClick);
    connect(spbDown, &QToolButton::clicked, this, &TfrmServerWizard::spbDownClick);
    connect(butDelete, &QPushButton::clicked, this, &TfrmServerWizard::butDeleteClick);

    connect(butHelp, &QPushButton::clicked, this, [this] { ShowHelp(this, THelpCall::Context, 79); });
    connect(butBack, &QPushButton::clicked, this, &TfrmServerWizard::butBackClick);
    connect(butNext, &QPushButton::clicked, this, &TfrmServerWizard::butNextClick);
    connect(butFinish, &QPushButton::clicked, this, &TfrmServerWizard::butFinishClick);
    // Cancel, Escape and the close box: nothing is saved.
    connect(butCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnTest, &QPushButton::clicked, this, &TfrmServerWizard::btnTestClick);
}

QString RunServerWizard(QWidget* parent) {
    TfrmServerWizard wizard(ServerList(), parent);
    Dialogs().Run(&wizard);
    return wizard.AddedServer();
}
