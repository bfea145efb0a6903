// GIF files, which Qt reads but does not write, written with giflib.
#pragma once

#include <QImage>
#include <QString>

namespace formulas {

// The picture as a GIF file of at most 256 colours, written aside and moved
// into place. A picture in greys (QImage::Format_Grayscale8) keeps its levels
// in a palette of the 256 greys; one of more colours is written reduced to
// 256. False, with `error` set, when the file cannot be written.
bool WriteGifFile(const QImage& image, const QString& path, QString& error);

}  // namespace formulas
