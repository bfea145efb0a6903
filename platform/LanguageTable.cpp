#include "platform/LanguageTable.h"

#include <QFileInfo>

#include "platform/Program.h"
#include "platform/TextFile.h"

namespace platform {

namespace {
QString& ResourceFolderOverride() {
  static QString folder;
  return folder;
}

}  // namespace

QString ResourceFolder() {
  if (!ResourceFolderOverride().isEmpty()) return ResourceFolderOverride();
  return ProgramFolder();
}

void SetResourceFolder(const QString& folder) {
  QString f = folder;
  while (f.size() > 1 && (f.endsWith('/') || f.endsWith('\\'))) f.chop(1);
  ResourceFolderOverride() = f;
}

QString LanguageFilePath(const QString& prefix) {
  return ResourceFolder() + "/lang/ENG_WIN_" + prefix + ".lmo";
}

bool ParseLanguageText(const QString& text, QStringList& keys, QStringList& texts) {
  if (text.isEmpty()) return false;
  // Only CR LF ends a line; a lone CR or LF belongs to the text.
  const QStringList lines = text.split(QStringLiteral("\r\n"));
  QStringList k;
  QStringList t;
  for (const QString& raw : lines) {
    int start = 0;
    while (start < raw.size() && raw[start] == QLatin1Char(' ')) ++start;
    if (start >= raw.size() || raw[start] != QLatin1Char('[')) continue;
    const int close = raw.indexOf(QLatin1Char(']'), start);
    if (close < 0) return false;
    const int eq = raw.indexOf(QLatin1Char('='), close);
    if (eq < 0) return false;
    k << TrimSpaces(raw.mid(start + 1, close - start - 1).toUpper());
    t << raw.mid(eq + 1);
  }
  if (k.isEmpty()) return false;
  keys = k;
  texts = t;
  return true;
}

void LanguageTable::LoadIdioma(const QString& OBJ) {
  IdiomaCargado = false;
  const QFileInfo info(LanguageFilePath(OBJ));
  if (!info.exists() || !info.isFile()) return;
  QString text;
  if (!ReadWindows1252File(info.filePath(), text)) return;
  QStringList keys;
  QStringList texts;
  if (!ParseLanguageText(text, keys, texts)) return;
  ClavesIdioma = keys;
  TextosIdioma = texts;
  IdiomaCargado = true;
}

QString LanguageTable::GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND) {
  if (!IdiomaCargado) {
    LoadIdioma(PrefijoIdioma);
    if (!IdiomaCargado) return QString();
  }
  const QString key = TrimSpaces(Etiqueta.toUpper());
  const int i = ClavesIdioma.indexOf(key);
  if (i < 0) return QString();
  QString s = TextosIdioma[i];
  s.replace(QStringLiteral("%CRLF%"), QStringLiteral("\r\n"));
  if (RemoveAMPERSAND) s.remove(QLatin1Char('&'));
  return s;
}

}  // namespace platform
