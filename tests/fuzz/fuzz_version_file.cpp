// The version file the update check downloads: whatever the server (or a
// man in the middle) sends, a finding is a plain newer version and an address
// that, written back into a version file, reads the same.
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "platform/TextFile.h"
#include "shell/Actualizacion.h"
#include "shell/AppInfo.h"

namespace {
const shell::AppVersion kOwnVersion{1, 11, 0};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = platform::DecodeWindows1252(fuzz::Bytes(data, size));
  QString version, url;
  if (Actualizacion::LeerArchivoVersion(text, kOwnVersion, version, url) !=
      Actualizacion::VersionFileContent::Newer)
    return 0;
  FUZZ_CHECK(!url.contains(QLatin1Char(';')));
  const QStringList parts = version.split(QLatin1Char('.'));
  FUZZ_CHECK(parts.size() == 3);
  for (const QString& p : parts) {
    bool whole = false;
    p.toInt(&whole);
    FUZZ_CHECK(whole);
  }
  QString again, againUrl;
  FUZZ_CHECK(Actualizacion::LeerArchivoVersion(
                 QStringLiteral("TORV_VER=") + version + QStringLiteral(";TORV_URL=") + url +
                     QLatin1Char(';'),
                 kOwnVersion, again, againUrl) == Actualizacion::VersionFileContent::Newer);
  FUZZ_CHECK(again == version);
  FUZZ_CHECK(againUrl == url);
  return 0;
}
