#include "model/PictureQuestion.h"

#include "app/Settings.h"
#include "app/UserDialogs.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kYes = QStringLiteral("Yes");
const QString kNo = QStringLiteral("No");

QString General() { return QString::fromLatin1(SettingKeys::General); }
QString AnswerKey() { return QString::fromLatin1(SettingKeys::WebSizedPictures); }

// "Yes", "No", or empty when the user has not answered once for all.
QString RememberedAnswer() {
    TTarvoReg reg;
    if (!reg.OpenRoot(false) || !reg.OpenSection(General(), false)) return QString();
    return reg.ReadString(AnswerKey());
}

}  // namespace

TfrmWebSize::TfrmWebSize(QWidget* parent, const TPictureFacts& facts)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmWebSize"));
    setWindowTitle(QCoreApplication::translate("PictureQuestion", "Picture for the Web"));
    setModal(true);

    lblWebSize = new QLabel(this);
    lblWebSize->setObjectName(QStringLiteral("lblWebSize"));
    lblWebSize->setWordWrap(true);
    lblWebSize->setText(
        QCoreApplication::translate("PictureQuestion", "This picture is %1 \u00D7 %2 pixels and %3")
            .arg(facts.size.width())
            .arg(facts.size.height())
            .arg(DescribeBytes(facts.bytes)) +
        QCoreApplication::translate("PictureQuestion", ": a page that carries it is slow to send to your web server and slow to open on a "
                       "phone.\n\nA web-sized copy is at most %1 pixels wide and high, turned the right way up and "
                       "saved for the web, without hidden details such as where a photo was taken. Your original "
                       "file stays as it is.")
            .arg(kWebMaxSide));
    lblWebSize->setMinimumWidth(400);

    chkWebSizeAlways = new QCheckBox(QCoreApplication::translate("PictureQuestion", "Do the same for every picture from now on"), this);
    chkWebSizeAlways->setObjectName(QStringLiteral("chkWebSizeAlways"));
    btnWebSized = new QPushButton(QCoreApplication::translate("PictureQuestion", "Make pictures web-sized (recommended)"), this);
    btnWebSized->setObjectName(QStringLiteral("btnWebSized"));
    btnWebSized->setDefault(true);
    btnKeepOriginal = new QPushButton(QCoreApplication::translate("PictureQuestion", "Keep the original"), this);
    btnKeepOriginal->setObjectName(QStringLiteral("btnKeepOriginal"));
    connect(btnWebSized, &QPushButton::clicked, this, [this] { Answer(WebSized); });
    connect(btnKeepOriginal, &QPushButton::clicked, this, [this] { Answer(KeepOriginal); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnWebSized);
    buttons->addWidget(btnKeepOriginal);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblWebSize);
    layout->addSpacing(6);
    layout->addWidget(chkWebSizeAlways);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void TfrmWebSize::Answer(int result) {
    if (chkWebSizeAlways->isChecked()) WriteSetting(General(), AnswerKey(), result == WebSized ? kYes : kNo);
    done(result);
}

std::optional<TPictureCopy> AskPictureCopy(QWidget* parent, const TPictureFacts& facts) {
    const QString remembered = RememberedAnswer();
    if (remembered == kYes) return TPictureCopy::WebSized;
    if (remembered == kNo) return TPictureCopy::Original;
    TfrmWebSize dlg(parent, facts);
    switch (Dialogs().Run(&dlg)) {
        case TfrmWebSize::WebSized: return TPictureCopy::WebSized;
        case TfrmWebSize::KeepOriginal: return TPictureCopy::Original;
        default: return std::nullopt;
    }
}

std::optional<TImportedPicture> ImportChosenPicture(QWidget* parent, const QString& chosen, const QString& folder,
                                                    const QString& name) {
    const TPictureFacts facts = ReadPictureFacts(chosen);
    TPictureCopy how = TPictureCopy::Original;
    if (LargerThanWebNeeds(facts)) {
        const std::optional<TPictureCopy> answer = AskPictureCopy(parent, facts);
        if (!answer) return std::nullopt;
        how = *answer;
    }
    // Making a web-sized copy of a big photo takes a moment.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const TImportedPicture picture = ImportPicture(chosen, folder, name, how);
    QGuiApplication::restoreOverrideCursor();
    if (!picture.ok) {
        Dialogs().Tell(parent, QCoreApplication::translate("PictureQuestion", "Picture"),
                       QCoreApplication::translate("PictureQuestion", "The picture could not be copied into the folder \"%1\".")
                           .arg(QDir::toNativeSeparators(folder)),
                       TMsgIcon::Warning);
        return std::nullopt;
    }
    return picture;
}
