#include "platform/ImageFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "platform/Messages.h"
#include "platform/WholeFile.h"

namespace platform {

namespace {

uint32_t Le32(const uchar* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t Le16(const uchar* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

void ConversionError(const char* text) {
  MsgBox(QString::fromLatin1(text), QStringLiteral("Error encountered!"), MsgIcon::None);
}

}  // namespace

SaveResult SaveImageFile(const QImage& image, const QString& path, const char* format,
                         int quality) {
  if (image.isNull() || path.isEmpty()) return SaveResult::Failed;
  const QFileInfo target(path);
  const QFileInfo folder(target.absolutePath());
  if (!folder.isDir()) return SaveResult::Failed;
  if (target.isDir()) return SaveResult::Failed;
  if (target.exists() && !target.isWritable()) return SaveResult::WriteProtected;

  QBuffer encoded;
  encoded.open(QIODevice::WriteOnly);
  QImageWriter writer(&encoded, format);
  if (quality >= 0) writer.setQuality(std::clamp(quality, 0, 100));
  if (!writer.write(image)) return SaveResult::Failed;
  const WriteResult written = WriteWholeFile(path, encoded.data());
  if (written) return SaveResult::Ok;
  const int e = written.error;
  return e == EACCES || e == EPERM || e == EROFS ? SaveResult::WriteProtected : SaveResult::Failed;
}

bool ReadBmpInfo(const QString& path, BmpInfo& info) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = f.read(54);
  if (head.size() < 26 || head[0] != 'B' || head[1] != 'M') return false;
  const auto* p = reinterpret_cast<const uchar*>(head.constData());
  const uint32_t headerSize = Le32(p + 14);
  BmpInfo i;
  if (headerSize == 12) {  // the old core header: 16-bit sizes
    i.width = Le16(p + 18);
    i.height = Le16(p + 20);
    i.bitCount = Le16(p + 24);
  } else if (headerSize >= 40 && head.size() >= 30) {
    i.width = static_cast<int32_t>(Le32(p + 18));
    i.height = static_cast<int32_t>(Le32(p + 22));
    i.bitCount = Le16(p + 28);
  } else {
    return false;
  }
  switch (i.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      return false;
  }
  if (i.width <= 0 || i.height == 0 || i.height == INT32_MIN) return false;
  info = i;
  return true;
}

bool GuardarBMPcomoJPG(const QString& ArchivoBMP, const QString& ArchivoJPG, int Calidad) {
  BmpInfo info;
  if (!ReadBmpInfo(ArchivoBMP, info)) {
    ConversionError("Cannot find file");
    return false;
  }
  const int bits = info.bitCount >= 16 ? 24 : info.bitCount;
  const int height = std::abs(info.height);

  // The working picture must fit in memory before the file is read.
  const QImage::Format format = bits == 24  ? QImage::Format_RGB888
                                : bits == 1 ? QImage::Format_Mono
                                            : QImage::Format_Indexed8;
  if (QImage(info.width, height, format).isNull()) {
    ConversionError("Not enough memory");
    return false;
  }

  QImageReader reader(ArchivoBMP, "bmp");
  QImage image;
  if (!reader.read(&image)) {
    ConversionError("Cannot load file");
    return false;
  }
  if (bits == 1) {
    // JPEG has no 1-bit form: one byte per pixel first.
    const QImage eight = image.convertToFormat(QImage::Format_Indexed8);
    if (!eight.isNull()) image = eight;
  } else if (bits == 24) {
    image = image.convertToFormat(QImage::Format_RGB888);
  }
  return SaveImageFile(image, ArchivoJPG, "JPG", std::clamp(Calidad, 0, 100)) == SaveResult::Ok;
}

}  // namespace platform
