#pragma once
// Picture comparisons for the tests. A failing comparison leaves the
// picture the test drew and a difference picture in the failed-pictures
// folder (TARVO_FAILED_PICTURES, one subfolder per suite), and its message
// names that folder.

#include <QImage>
#include <QString>

// The folder where this suite leaves the pictures of failed comparisons.
QString FailedPicturesFolder();

// Writes NAME-drawn.png, NAME-expected.png and NAME-difference.png (the
// expected picture faded, each differing pixel red, parts that only one of
// the two covers magenta) to FailedPicturesFolder(); returns the folder.
QString SaveFailedPictures(const QString& name, const QImage& drawn, const QImage& expected);

// Empty when `drawn` equals the picture stored at `storedPath` pixel for
// pixel; otherwise what differs and where the pictures were left. With
// TARVO_UPDATE_PICTURES=1 the stored picture is written afresh instead.
QString CompareWithStoredPicture(const QImage& drawn, const QString& storedPath, const QString& name);
