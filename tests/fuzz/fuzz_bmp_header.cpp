// The BMP-to-JPEG conversion of the report's graph pictures, fed any file:
// it converts a picture it can read and says why it cannot otherwise.
#include <QFile>
#include <QImageReader>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "platform/ImageFiles.h"

namespace {
fuzz::QuietMessages* messages = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  messages = &fuzz::StartApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString bmp = fuzz::ScratchFolder() + QStringLiteral("/in.bmp");
  const QString jpg = fuzz::ScratchFolder() + QStringLiteral("/out.jpg");
  {
    QFile f(bmp);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(f.write(fuzz::Bytes(data, size)) == static_cast<qint64>(size));
  }
  QFile::remove(jpg);

  platform::BmpInfo info;
  const bool header = platform::ReadBmpInfo(bmp, info);
  if (header) {
    FUZZ_CHECK(info.width > 0 && info.height != 0);
    FUZZ_CHECK(info.bitCount == 1 || info.bitCount == 4 || info.bitCount == 8 ||
               info.bitCount == 16 || info.bitCount == 24 || info.bitCount == 32);
  }

  messages->count = 0;
  const bool converted = platform::GuardarBMPcomoJPG(bmp, jpg, size ? data[0] % 101 : 95);
  if (!header) FUZZ_CHECK(!converted && messages->count == 1);
  if (converted) {
    FUZZ_CHECK(messages->count == 0);
    QImageReader written(jpg);
    FUZZ_CHECK(written.format() == "jpeg");
    FUZZ_CHECK(written.size() == QSize(info.width, std::abs(info.height)));
  } else {
    FUZZ_CHECK(!QFile::exists(jpg));
    FUZZ_CHECK(messages->count <= 1);
  }
  return 0;
}
