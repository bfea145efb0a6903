// Language tables: each window reads its texts from lang/ENG_WIN_<prefix>.lmo
// beside the program and looks them up by key.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// The folder the language files, formula pictures and formula files lie in:
// the folder of the running program unless a test chose another one.
QString ResourceFolder();
// An empty folder goes back to the program's own.
void SetResourceFolder(const QString& folder);

// A window's text of a key ("" when missing), as the code that builds
// texts for a window is given it.
using TextLookup = std::function<QString(const QString& key)>;

// One window's table of key/text pairs. Every window holds one and gives it
// its own three-letter prefix.
class LanguageTable {
 public:
  explicit LanguageTable(const QString& prefix = QString()) : PrefijoIdioma(prefix) {}

  // Takes the window's file; on success replaces the table. Never reports.
  // Each file is read once and kept while it stays the same on disk, so
  // windows made again and again, and lookups that retry a failed load, do
  // not read it again.
  void LoadIdioma(const QString& OBJ);
  // The text of the key ("" when missing); loads the file first when the
  // table is not loaded yet.
  QString GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND = false);

  QString PrefijoIdioma;
  QStringList ClavesIdioma;
  QStringList TextosIdioma;
  bool IdiomaCargado = false;
};

// A text of the platform's own messages (the private work folder, the
// settings store), from their language file (TMP).
QString PlatformText(const QString& key);

// Path of the language file of a prefix, and the folder of them all.
QString LanguageFilePath(const QString& prefix);
QString LanguageFolder();

// The program's own files are a few kilobytes; anything past this is refused.
constexpr qint64 kLanguageFileLimit = 1 << 20;

// How many times a language file was read from disk in this run (a test
// checks that a file is read once).
int LanguageFileReads();

// Why the language file of a prefix cannot be used, in words for a message
// ("ENG_WIN_KSL.lmo is missing", "... lacks 2 of its 130 texts (...)"): only
// keys the program looks up count. "" when it loads with all of them.
QString LanguageFileProblem(const QString& prefix);

// Splits the text of a language file into keys and texts. False when the
// file has no entry line or an entry line lacks "]" or a following "=".
bool ParseLanguageText(const QString& text, QStringList& keys, QStringList& texts);

}  // namespace platform
