// Language files (lang/ENG_WIN_<prefix>.lmo) as a damaged disk or a careless
// translator might leave them: split into keys and texts, then looked up.
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "platform/LanguageTable.h"
#include "platform/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = platform::DecodeWindows1252(fuzz::Bytes(data, size));
  QStringList keys, texts;
  if (!platform::ParseLanguageText(text, keys, texts)) {
    FUZZ_CHECK(keys.isEmpty() && texts.isEmpty());
    return 0;
  }
  FUZZ_CHECK(!keys.isEmpty());
  FUZZ_CHECK(keys.size() == texts.size());

  // Every key finds a text: its own or that of an earlier line with the same key.
  platform::LanguageTable table;
  table.ClavesIdioma = keys;
  table.TextosIdioma = texts;
  table.IdiomaCargado = true;
  for (int i = 0; i < keys.size(); ++i) {
    FUZZ_CHECK(keys[i] == platform::TrimSpaces(keys[i]));
    const QString shown = table.GetL_win(keys[i].toLower());
    const int first = keys.indexOf(keys[i]);
    QString expected = texts[first];
    expected.replace(QStringLiteral("%CRLF%"), QStringLiteral("\r\n"));
    FUZZ_CHECK(shown == expected);
    FUZZ_CHECK(!table.GetL_win(keys[i], true).contains(QLatin1Char('&')));
  }
  return 0;
}
