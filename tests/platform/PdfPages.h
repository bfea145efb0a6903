// Pages of a PDF file written by the toolkit: its page objects counted.
#pragma once

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The document title pdfinfo reads, or "" without pdfinfo.
inline QString PdfTitle(const QString& path) {
  QProcess p;
  p.start("pdfinfo", {path});
  if (!p.waitForFinished(60000)) return QString();
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
    if (line.startsWith("Title:")) return line.mid(6).trimmed();
  return QString();
}

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

// Pictures embedded in a PDF file written by the toolkit: each is one image
// object however often it is drawn.
inline int PdfImageCount(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(f.readAll().count("/Subtype /Image"));
}

// One page (from 1) of a PDF file as a picture at the given resolution,
// drawn by pdftoppm (poppler-utils); a null image when it cannot be.
inline QImage PdfPageImage(const QString& path, int page, int dpi) {
  QTemporaryDir out;
  QProcess render;
  const QString n = QString::number(page);
  render.start("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", n, "-l", n, "-singlefile",
                            path, out.filePath("page")});
  if (!render.waitForFinished(120000) || render.exitCode() != 0) return QImage();
  return QImage(out.filePath("page.png"));
}
