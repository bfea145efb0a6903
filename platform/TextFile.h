// 8-bit text files in the Windows-1252 code page (language, formula, table,
// report and version files), converted exactly, never through the locale.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "platform/WholeFile.h"

namespace platform {

QString DecodeWindows1252(QByteArrayView bytes);
// Characters the code page lacks become "?"; *lossless tells whether any did.
QByteArray EncodeWindows1252(const QString& text, bool* lossless = nullptr);

// Writes the whole file in the system's own encoding (the locale's: UTF-8
// here), for text a person or another program reads; written aside and moved
// into place. False when it cannot be written completely.
WriteResult WriteLocaleTextFile(const QString& path, const QString& text);

// The text without leading and trailing spaces (only " ": tabs and line
// breaks are kept, as the program's files and settings expect).
QString TrimSpaces(const QString& text);

// Whole file as text; false when it cannot be read.
bool ReadWindows1252File(const QString& path, QString& text);
// Writes the whole file through WriteWholeFile: complete, or the old file
// kept and the reason told.
WriteResult WriteWindows1252File(const QString& path, const QString& text);

}  // namespace platform
