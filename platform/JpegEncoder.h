// JPEG encoding with full colour resolution. Qt's writer halves the colour
// detail (4:2:0), which turns a thin red curve pink; here every component
// keeps one sample per pixel (4:4:4).
#pragma once

#include <QByteArray>
#include <QImage>

namespace platform {

// The picture as a JPEG file's bytes at quality 0..100. False (and out
// empty) when the picture is empty or the encoder fails.
bool EncodeJpeg(const QImage& image, int quality, QByteArray& out);

}  // namespace platform
