#pragma once
// The pictures that ship beside the program: the images the templates show
// (HTMLFiles/graphics), the seamless background tiles the styles use
// (HTMLFiles/backgrnd) and the "Made with Tarvo" button of the logo line.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

struct TShippedPicture {
    QString file;  // relative to the HTML folder, with "/"
    std::function<QImage()> draw;
};

const std::vector<TShippedPicture>& ShippedPictures();

// Writes `image` by the file's extension (.gif through WriteGif, others
// through Qt); false on failure.
bool WritePicture(const QImage& image, const QString& path);
