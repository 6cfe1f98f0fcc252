#pragma once
// The question asked when a chosen picture is larger than the web needs,
// and the import of a chosen picture that asks it (used by the Image
// block's image button and the style wizard's background picture).

#include "model/PictureImport.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

class TfrmWebSize : public QDialog {
    Q_OBJECT
public:
    // Results of the dialog besides Rejected (closed: nothing is imported).
    enum { WebSized = 10, KeepOriginal = 11 };

    TfrmWebSize(QWidget* parent, const TPictureFacts& facts);

    QLabel* lblWebSize = nullptr;
    QCheckBox* chkWebSizeAlways = nullptr;
    QPushButton* btnWebSized = nullptr;
    QPushButton* btnKeepOriginal = nullptr;

private:
    void Answer(int result);
};

// How a picture larger than the web needs goes on the page: the answer
// given once for all, else the user's answer (remembered when the box is
// ticked). Empty when the user closed the question.
std::optional<TPictureCopy> AskPictureCopy(QWidget* parent, const TPictureFacts& facts);

// Imports the chosen picture into `folder` as `name`, asking first when it
// is larger than the web needs. Empty when the user closed the question or
// the copy failed (the user has been told).
std::optional<TImportedPicture> ImportChosenPicture(QWidget* parent, const QString& chosen, const QString& folder,
                                                    const QString& name);
