#include "platform/ImageFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/JpegEncoder.h"
#include "platform/Messages.h"
#include "platform/WholeFile.h"

namespace platform {

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
// Qt's JPEG writer uses this when no quality is asked for.
constexpr int kDefaultJpegQuality = 75;

uint32_t Le32(const uchar* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t Le16(const uchar* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

void ConversionError(const char* text) {
  MsgBox(QString::fromLatin1(text), QStringLiteral("Error encountered!"), MsgIcon::None);
}

bool IsJpeg(const char* format) {
  const QByteArray f = QByteArray(format).toUpper();
  return f == "JPG" || f == "JPEG";
}

// The largest picture the program holds in memory: what the image reader
// itself accepts.
int64_t MaxPictureBytes() {
  const int mb = QImageReader::allocationLimit();
  return static_cast<int64_t>(mb > 0 ? mb : 256) << 20;
}

// Walks run-length codes: complete when they reach the end-of-picture code,
// or the end of the last row, inside the data.
bool RleComplete(const QByteArray& data, int64_t rows, bool fourBit) {
  const auto* d = reinterpret_cast<const uchar*>(data.constData());
  const int64_t n = data.size();
  int64_t i = 0, y = 0;
  while (i + 1 < n) {
    const uchar count = d[i], code = d[i + 1];
    i += 2;
    if (count > 0) continue;  // a run of one colour
    if (code == 0) {          // end of row
      if (++y >= rows) return true;
    } else if (code == 1) {  // end of picture
      return true;
    } else if (code == 2) {  // move right and up
      if (i + 2 > n) return false;
      y += d[i + 1];
      i += 2;
      if (y >= rows) return true;
    } else {  // `code` pixels stored as they are, padded to two bytes
      int64_t bytes = fourBit ? (code + 1) / 2 : code;
      bytes += bytes & 1;
      if (i + bytes > n) return false;
      i += bytes;
    }
  }
  return false;
}

}  // namespace

SaveResult SaveImageFile(const QImage& image, const QString& path, const char* format, int quality,
                         QString* reason) {
  const auto fail = [reason](SaveResult result, const QString& why) {
    if (reason) *reason = why;
    return result;
  };
  const QString unencodable = QStringLiteral("The picture could not be encoded");
  if (image.isNull()) return fail(SaveResult::Failed, unencodable);
  if (path.isEmpty()) return fail(SaveResult::Failed, SystemWords(ENOENT));
  const QFileInfo target(path);
  const QFileInfo folder(target.absolutePath());
  if (!folder.isDir())
    return fail(SaveResult::Failed, SystemWords(folder.exists() ? ENOTDIR : ENOENT));
  if (target.isDir()) return fail(SaveResult::Failed, SystemWords(EISDIR));
  if (target.exists() && !target.isWritable())
    return fail(SaveResult::WriteProtected, SystemWords(EACCES));

  QByteArray bytes;
  if (IsJpeg(format)) {
    if (!EncodeJpeg(image, quality >= 0 ? quality : kDefaultJpegQuality, bytes))
      return fail(SaveResult::Failed, unencodable);
  } else {
    QBuffer encoded(&bytes);
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    if (quality >= 0) writer.setQuality(std::clamp(quality, 0, 100));
    if (!writer.write(image)) return fail(SaveResult::Failed, unencodable);
  }
  const WriteResult written = WriteWholeFile(path, bytes);
  if (written) return SaveResult::Ok;
  const int e = written.error;
  return fail(
      e == EACCES || e == EPERM || e == EROFS ? SaveResult::WriteProtected : SaveResult::Failed,
      written.reason);
}

bool ParseBmpInfo(const QByteArray& head, int64_t fileSize, BmpInfo& info) {
  if (head.size() < 26 || head[0] != 'B' || head[1] != 'M') return false;
  const auto* p = reinterpret_cast<const uchar*>(head.constData());
  const uint32_t headerSize = Le32(p + 14);
  BmpInfo i;
  i.dataOffset = Le32(p + 10);
  i.fileSize = fileSize;
  if (headerSize == 12) {  // the old core header: 16-bit sizes
    i.width = Le16(p + 18);
    i.height = Le16(p + 20);
    i.bitCount = Le16(p + 24);
  } else if (headerSize >= 40 && head.size() >= 34) {
    i.width = static_cast<int32_t>(Le32(p + 18));
    i.height = static_cast<int32_t>(Le32(p + 22));
    i.bitCount = Le16(p + 28);
    i.compression = Le32(p + 30);
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
  if (i.dataOffset < kFileHeaderBytes + static_cast<int64_t>(headerSize) || i.dataOffset > fileSize)
    return false;
  info = i;
  return true;
}

bool ReadBmpInfo(const QString& path, BmpInfo& info) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  return ParseBmpInfo(f.read(54), f.size(), info);
}

int64_t BmpPixelBytes(const BmpInfo& info) {
  if (info.compression != 0 && info.compression != 3 && info.compression != 6) return -1;
  if (info.width <= 0 || info.height == 0 || info.height == INT32_MIN) return -1;
  const int64_t stride = (static_cast<int64_t>(info.width) * info.bitCount + 31) / 32 * 4;
  const int64_t rows = std::llabs(static_cast<int64_t>(info.height));
  if (stride > (int64_t{1} << 62) / rows) return -1;
  return stride * rows;
}

bool BmpPixelsComplete(const BmpInfo& info, const QByteArray& rleData) {
  if (info.compression == kRle8 || info.compression == kRle4) {
    return RleComplete(rleData, std::llabs(static_cast<int64_t>(info.height)),
                       info.compression == kRle4);
  }
  const int64_t bytes = BmpPixelBytes(info);
  return bytes >= 0 && bytes <= info.fileSize - info.dataOffset;
}

bool GuardarBMPcomoJPG(const QString& ArchivoBMP, const QString& ArchivoJPG, int Calidad,
                       QString* writeReason) {
  BmpInfo info;
  if (!ReadBmpInfo(ArchivoBMP, info)) {
    ConversionError("Cannot find file");
    return false;
  }

  // The headers' promise is checked against the file before anything the
  // size of the picture is allocated: a cut-off file is not a black picture.
  const int64_t limit = MaxPictureBytes();
  QByteArray rleData;
  if (info.compression == kRle8 || info.compression == kRle4) {
    if (info.fileSize - info.dataOffset > limit) {
      ConversionError("Not enough memory");
      return false;
    }
    QFile f(ArchivoBMP);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(info.dataOffset)) {
      ConversionError("Cannot load file");
      return false;
    }
    rleData = f.readAll();
  }
  if (!BmpPixelsComplete(info, rleData)) {
    ConversionError("Cannot load file");
    return false;
  }
  const double rows = std::fabs(static_cast<double>(info.height));
  if (static_cast<double>(info.width) * rows * 4 > static_cast<double>(limit)) {
    ConversionError("Not enough memory");
    return false;
  }

  QImageReader reader(ArchivoBMP, "bmp");
  QImage image;
  // The picture read must be the one the header describes: readers differ on
  // odd headers (a core header's 16-bit height above 32767), and a JPEG of
  // another size would pass for the graph.
  if (!reader.read(&image) || image.width() != info.width ||
      image.height() != std::llabs(static_cast<int64_t>(info.height))) {
    ConversionError("Cannot load file");
    return false;
  }
  return SaveImageFile(image, ArchivoJPG, "JPG", std::clamp(Calidad, 0, 100), writeReason) ==
         SaveResult::Ok;
}

}  // namespace platform
