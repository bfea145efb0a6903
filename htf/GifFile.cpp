#include "htf/GifFile.h"

#include <gif_lib.h>

#include <QByteArray>
#include <memory>

#include "platform/WholeFile.h"

namespace formulas {

namespace {

int AppendBytes(GifFileType* gif, const GifByteType* bytes, int count) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
  return count;
}

// The GIF stream of a picture, into `out`.
bool EncodeGif(const QImage& indexed, QByteArray& out, QString& error) {
  const QList<QRgb> table = indexed.colorTable();
  int bits = 1;  // a colour map holds a power of two entries, at least two
  while ((1 << bits) < table.size()) ++bits;
  std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
      GifMakeMapObject(1 << bits, nullptr), GifFreeMapObject);
  if (!map) {
    error = QStringLiteral("not enough memory for the colour map");
    return false;
  }
  for (int i = 0; i < (1 << bits); ++i) {
    const QRgb c = i < table.size() ? table[i] : qRgb(255, 255, 255);
    map->Colors[i] = {static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                      static_cast<GifByteType>(qBlue(c))};
  }

  int code = 0;
  GifFileType* gif = EGifOpen(&out, AppendBytes, &code);
  if (!gif) {
    error = QString::fromLatin1(GifErrorString(code));
    return false;
  }
  const int w = indexed.width(), h = indexed.height();
  bool ok = EGifPutScreenDesc(gif, w, h, bits, 0, map.get()) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < h; ++y)
    ok = EGifPutLine(gif, const_cast<GifPixelType*>(indexed.constScanLine(y)), w) == GIF_OK;
  if (!ok) code = gif->Error;
  // Closing writes the trailer and frees the encoder, whatever happened before.
  int closeCode = 0;
  if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok) {
    ok = false;
    code = closeCode;
  }
  if (!ok) error = QString::fromLatin1(GifErrorString(code));
  return ok;
}

}  // namespace

bool WriteGifFile(const QImage& image, const QString& path, QString& error) {
  if (image.isNull()) {
    error = QStringLiteral("no picture");
    return false;
  }
  QList<QRgb> greys;
  for (int level = 0; level < 256; ++level) greys.append(qRgb(level, level, level));
  const QImage indexed =
      image.format() == QImage::Format_Grayscale8
          ? image.convertToFormat(QImage::Format_Indexed8, greys, Qt::AvoidDither)
          : image.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
  QByteArray bytes;
  if (!EncodeGif(indexed, bytes, error)) return false;
  const platform::WriteResult written = platform::WriteWholeFile(path, bytes);
  if (!written) error = written.reason;
  return bool(written);
}

}  // namespace formulas
