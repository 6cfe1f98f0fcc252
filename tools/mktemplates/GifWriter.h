#pragma once
// Writes a picture as a GIF file (Qt reads GIF but cannot write it). The
// picture is reduced to at most 256 colours and stored with the simplest
// valid LZW stream: 9-bit literal codes with a clear code before the table
// would grow, which every decoder reads.

#include <QImage>
#include <QString>

bool WriteGif(const QImage& image, const QString& path);
