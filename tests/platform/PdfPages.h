// Pages of a PDF file written by the toolkit: its page objects counted.
#pragma once

#include <QFile>
#include <QString>

inline int PdfPageCount(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray pdf = f.readAll();
  int pages = 0;
  for (int at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1)) {
    const int next = at + 11;
    if (next >= pdf.size() || pdf[next] != 's') ++pages;
  }
  return pages;
}
