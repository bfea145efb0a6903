#include "platform/TextFile.h"

#include <QFile>

namespace platform {

namespace {
// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes.
const char16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

QString DecodeWindows1252(QByteArrayView bytes) {
  // Written in place: a report file may be tens of megabytes.
  QString out(bytes.size(), Qt::Uninitialized);
  QChar* o = out.data();
  for (char c : bytes) {
    const unsigned char b = static_cast<unsigned char>(c);
    // Unassigned bytes pass through as their C1 code, like the system's own conversion.
    const char16_t u = b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : 0;
    *o++ = QChar(u ? u : static_cast<char16_t>(b));
  }
  return out;
}

QByteArray EncodeWindows1252(const QString& text, bool* lossless) {
  QByteArray out;
  out.reserve(text.size());
  bool exact = true;
  for (QChar qc : text) {
    const char16_t u = qc.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out += static_cast<char>(u);
      continue;
    }
    int found = -1;
    for (int i = 0; i < 32; ++i)
      if (kHighControls[i] == u || (kHighControls[i] == 0 && u == 0x80 + i)) found = i;
    if (found >= 0) {
      out += static_cast<char>(0x80 + found);
    } else {
      out += '?';
      exact = false;
    }
  }
  if (lossless) *lossless = exact;
  return out;
}

WriteResult WriteLocaleTextFile(const QString& path, const QString& text) {
  return WriteWholeFile(path, text.toLocal8Bit());
}

QString TrimSpaces(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first] == QLatin1Char(' ')) ++first;
  while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
  return text.mid(first, last - first);
}

bool ReadWindows1252File(const QString& path, QString& text) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  text = DecodeWindows1252(f.readAll());
  return f.error() == QFileDevice::NoError;
}

WriteResult WriteWindows1252File(const QString& path, const QString& text) {
  return WriteWholeFile(path, EncodeWindows1252(text));
}

}  // namespace platform
