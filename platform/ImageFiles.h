// Writing pictures to files without ever leaving a broken one behind, and
// turning a BMP file into a JPEG file.
#pragma once

#include <QImage>
#include <QString>

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
// replaced. quality: 0..100, or -1 for the format's default.
SaveResult SaveImageFile(const QImage& image, const QString& path, const char* format,
                         int quality = -1);

// The header of a BMP file: size and bits per pixel. False when the file
// cannot be read or is no BMP file.
struct BmpInfo {
  int width = 0;
  int height = 0;  // negative for top-down pictures
  int bitCount = 0;
};
bool ReadBmpInfo(const QString& path, BmpInfo& info);

// Writes the BMP file as a JPEG file at quality Calidad (0..100). 16- to
// 32-bit pictures are written from 24 bits, a 1-bit picture from 8 bits.
// A BMP that cannot be read says so ("Cannot find file", "Not enough
// memory", "Cannot load file", titled "Error encountered!"). Returns true
// only when the JPEG file was written; a failed write says nothing, the
// caller reports it.
bool GuardarBMPcomoJPG(const QString& ArchivoBMP, const QString& ArchivoJPG, int Calidad);

}  // namespace platform
