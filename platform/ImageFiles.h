// Writing pictures to files without ever leaving a broken one behind, and
// turning a BMP file into a JPEG file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

namespace platform {

enum class SaveResult {
  Ok,
  // The folder or the existing file may not be written.
  WriteProtected,
  // Any other failure: no such folder, a full disk, an unknown format.
  Failed,
};

// Writes the picture in the format ("BMP", "JPG") to a temporary file in the
// target's folder and moves it over the target only once it is complete, so
// a failure leaves an old file as it was. A read-only existing file is not
// replaced. quality: 0..100, or -1 for the format's default. JPEG files keep
// the full colour detail (no chroma subsampling). On failure `reason` (when
// given) gets why, in the system's words where it gave them.
SaveResult SaveImageFile(const QImage& image, const QString& path, const char* format,
                         int quality = -1, QString* reason = nullptr);

// The headers of a BMP file: size, bits per pixel, compression and where the
// pixels start, with the size of the whole file.
struct BmpInfo {
  int width = 0;
  int height = 0;  // negative for top-down pictures
  int bitCount = 0;
  uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 and 6 bit fields
  int64_t dataOffset = 0;
  int64_t fileSize = 0;
};

// From the first bytes of a BMP file (54 are enough) and the file's size.
// False when they are no BMP headers this program can read: a wrong mark,
// an unknown header or bit count, a size not above 0, pixels said to start
// inside the headers or past the end of the file.
bool ParseBmpInfo(const QByteArray& head, int64_t fileSize, BmpInfo& info);
// The same from a file; false also when it cannot be read.
bool ReadBmpInfo(const QString& path, BmpInfo& info);

// Bytes of pixel data an uncompressed picture of these headers needs (rows
// padded to 4 bytes); -1 when that passes 2^62 or the picture is compressed.
int64_t BmpPixelBytes(const BmpInfo& info);

// Whether the file holds every pixel its headers promise, judged by
// arithmetic for uncompressed pictures and by walking the codes of
// run-length ones (given the bytes from the pixel data's start), so that a
// cut-off file is never read as a picture padded with black.
bool BmpPixelsComplete(const BmpInfo& info, const QByteArray& rleData = QByteArray());

// Writes the BMP file as a JPEG file at quality Calidad (0..100), keeping
// the full colour detail. A BMP that cannot be read says so ("Cannot find
// file" for missing or unreadable headers, "Not enough memory" for a picture
// too big to hold, "Cannot load file" for pixels missing or unreadable,
// titled "Error encountered!"); the picture's size is checked against the
// file before anything is allocated. Returns true only when the JPEG file
// was written; a failed write says nothing, the caller reports it (with
// `writeReason`, when given, set to why).
bool GuardarBMPcomoJPG(const QString& ArchivoBMP, const QString& ArchivoJPG, int Calidad,
                       QString* writeReason = nullptr);

}  // namespace platform
