#include "platform/LanguageTable.h"

#include <QFileInfo>
#include <map>

#include "platform/LanguageKeys.h"
#include "platform/Program.h"
#include "platform/RegularFile.h"
#include "platform/TextFile.h"

namespace platform {

namespace {
QString& ResourceFolderOverride() {
  static QString folder;
  return folder;
}

// One language file as last read.
struct LanguageFile {
  FileRefusal refusal = FileRefusal::Missing;
  FileStamp stamp;
  bool loaded = false;  // read and holds entries
  QStringList keys;
  QStringList texts;
};

int reads = 0;

std::map<QString, LanguageFile>& Files() {
  static std::map<QString, LanguageFile> files;
  return files;
}

// A file is read again only when it changed on disk since.
const LanguageFile& ReadLanguageFile(const QString& path) {
  LanguageFile& file = Files()[path];
  FileStamp stamp;
  const FileRefusal refusal = CheckSmallRegularFile(path, kLanguageFileLimit, &stamp);
  if (refusal != FileRefusal::None) {
    file = LanguageFile{};
    file.refusal = refusal;
    return file;
  }
  if (file.refusal == FileRefusal::None && file.stamp == stamp) return file;
  file = LanguageFile{};
  QByteArray bytes;
  ++reads;
  file.refusal = ReadSmallRegularFile(path, kLanguageFileLimit, bytes, &file.stamp);
  if (file.refusal == FileRefusal::None)
    file.loaded = ParseLanguageText(DecodeWindows1252(bytes), file.keys, file.texts);
  return file;
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
  Files().clear();
}

QString PlatformText(const QString& key) {
  static LanguageTable table(QStringLiteral("TMP"));
  return table.GetL_win(key);
}

QString LanguageFolder() {
  return ResourceFolder() + "/lang";
}

QString LanguageFilePath(const QString& prefix) {
  return LanguageFolder() + "/ENG_WIN_" + prefix + ".lmo";
}

int LanguageFileReads() {
  return reads;
}

QString LanguageFileProblem(const QString& prefix) {
  const QString path = LanguageFilePath(prefix);
  const LanguageFile& file = ReadLanguageFile(path);
  const QString name = QFileInfo(path).fileName();
  if (file.refusal != FileRefusal::None)
    return name + QLatin1Char(' ') + RefusalText(file.refusal, kLanguageFileLimit);
  if (!file.loaded) return name + QStringLiteral(" holds no valid entries");
  // A file cut short or garbled still loads, and its windows would come up
  // without some of their captions.
  const QStringList wanted = LookedUpLanguageKeys(prefix);
  QStringList missing;
  for (const QString& key : wanted)
    if (!file.keys.contains(key)) missing << key;
  if (missing.isEmpty()) return QString();
  constexpr int kNamed = 3;
  QString which = QStringList(missing.mid(0, kNamed)).join(QStringLiteral(", "));
  if (missing.size() > kNamed) which += QStringLiteral(" and %1 more").arg(missing.size() - kNamed);
  return name + QStringLiteral(" lacks %1 of its %2 texts (%3)")
                    .arg(missing.size())
                    .arg(wanted.size())
                    .arg(which);
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
  const LanguageFile& file = ReadLanguageFile(LanguageFilePath(OBJ));
  if (!file.loaded) return;
  ClavesIdioma = file.keys;
  TextosIdioma = file.texts;
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
