#include "app/AboutBox.h"

#include "app/CommandLine.h"
#include "app/PictureControl.h"
#include "app/Resources.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {
constexpr int kClientWidth = 370;
constexpr int kClientHeight = 230;
}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Tarvo"));
    // A dialog border with the system menu (close) only.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    setAutoFillBackground(true);

    imgAbout = new TPicture(this, QStringLiteral("imgAbout"));
    imgAbout->move(2, 18);
    imgAbout->ShowBitmap(QStringLiteral("About"));

    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(11);
    lblCredit = new QLabel(QCoreApplication::translate("AboutBox", "Made with care by Brenfold Software for everyone who wants a page of their own."),
                           this);
    lblCredit->setObjectName(QStringLiteral("lblCredit"));
    lblCredit->setFont(arial);
    lblCredit->setAlignment(Qt::AlignCenter);
    lblCredit->setWordWrap(true);
    lblCredit->setGeometry(10, 164, kClientWidth - 20, 30);

    lblVersion = new QLabel(QCoreApplication::translate("AboutBox", "Version %1").arg(ProgramVersion()), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    QFont arial10(QStringLiteral("Arial"));
    arial10.setPointSize(10);
    lblVersion->setFont(arial10);
    lblVersion->setAlignment(Qt::AlignCenter);
    lblVersion->setGeometry(110, 200, 150, 20);

    imgVB = new TPicture(this, QStringLiteral("imgVB"));
    imgVB->setGeometry(64, 0, 241, 184);
    imgVB->hide();

    txtHehe = new QLineEdit(this);
    txtHehe->setObjectName(QStringLiteral("txtHehe"));
    txtHehe->setGeometry(10, 257, 100, 20);
    connect(txtHehe, &QLineEdit::textChanged, this, &TfrmAbout::txtHeheChange);

    // A click on either picture closes the box, as one on the box or its
    // labels (which pass the mouse on to it) does.
    for (TPicture* picture : {imgAbout, imgVB})
        connect(picture, &TPicture::mousePressed, this, [this](QMouseEvent*) { accept(); });
}

void TfrmAbout::txtHeheChange(const QString& text) {
    if (text != QLatin1String(kTriggerWord)) return;
    lblVersion->setGeometry(0, lblVersion->y(), width(), lblVersion->height());
    lblVersion->setText(QCoreApplication::translate("AboutBox", "Party time! You said the magic word: ") + QLatin1String(kTriggerWord) +
                        QLatin1Char('!'));
    lblCredit->hide();
    imgAbout->hide();
    imgVB->ShowBitmap(QStringLiteral("VBSlab"));
    imgVB->show();
    PlayResourceSound(QStringLiteral("wavMate"));
}

void TfrmAbout::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    txtHehe->setFocus();
}
