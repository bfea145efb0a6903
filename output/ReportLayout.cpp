#include "output/ReportLayout.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>

#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/RegularFile.h"
#include "platform/TextFile.h"
#include "platform/WholeFile.h"

namespace report {

namespace {

constexpr double kTwipsPerMm = 1440.0 / 25.4;
constexpr double kMargin = 10 * kTwipsPerMm;
constexpr double kColumn = 2 * kTwipsPerMm;  // one "&SP=n:" column
constexpr double kMaxPictureMm = 1000;
// A report line is some hundreds of characters and an A4 line shows fewer
// than two hundred: past this a line is not read, so no line, however long,
// costs more than a page's worth of work.
constexpr qsizetype kMaxLineChars = 2000;
// The beam pictures are some hundreds of kilobytes.
constexpr qint64 kMaxPictureBytes = qint64(32) << 20;
constexpr int kPdfDpi = 600;
constexpr double kA4WidthMm = 210, kA4HeightMm = 297;
constexpr double kRuleWidthMm = 0.2;
const platform::ColorValue kFrameGrey = platform::RGBColor(160, 160, 160);

// The marks are plain ASCII, so they are found in the bytes and only the
// section itself is decoded.
QString Section(QByteArrayView content, const char* tag) {
  const QByteArray open = QByteArray("#") + tag + "(", close = QByteArray("#") + tag + ")";
  const qsizetype a = content.indexOf(open);
  if (a < 0) return QString();
  const qsizetype b = content.indexOf(close, a + open.size());
  return platform::DecodeWindows1252(
      content.sliced(a + open.size()).first((b < 0 ? content.size() : b) - a - open.size()));
}

// One piece of a report line.
struct Item {
  enum Kind { Column, Text, Underlined, Rule, Picture } kind;
  QString text = QString();      // mark-up, or the picture's file name
  double width = 0, height = 0;  // picture size in twips
  int column = 0;
};

// A picture's size in mm; nonsense (negative, not a number, beyond a metre)
// is kept within bounds.
double MmValue(const QString& s, const QString& key) {
  const int a = s.indexOf(key);
  if (a < 0) return 0;
  const int b = s.indexOf(':', a);
  const double mm = s.mid(a + key.size(), b < 0 ? -1 : b - a - key.size()).toDouble();
  return mm > 0 ? std::min(mm, kMaxPictureMm) : 0.0;
}

std::vector<Item> SplitLine(const QString& line) {
  static const char* const kCodes[] = {"&SP=", "#UDL(", "#SEG(", "#IMG("};
  int next[4] = {-2, -2, -2, -2};  // where each code comes next; -2 not looked for yet
  std::vector<Item> items;
  int i = 0;
  while (i < line.size()) {
    int pos = -1;
    QString code;
    for (int k = 0; k < 4; ++k) {
      if (next[k] == -2 || (next[k] >= 0 && next[k] < i))
        next[k] = line.indexOf(QLatin1String(kCodes[k]), i);
      const int p = next[k];
      if (p >= 0 && (pos < 0 || p < pos)) pos = p, code = QLatin1String(kCodes[k]);
    }
    if (pos < 0) pos = line.size();
    if (pos > i) items.push_back({Item::Text, line.mid(i, pos - i)});
    if (pos >= line.size()) break;
    const int start = pos + code.size();
    if (code == "&SP=") {
      const int colon = line.indexOf(':', start);
      if (colon < 0) break;
      Item it{Item::Column};
      it.column = std::clamp(line.mid(start, colon - start).toInt(), 0, 500);
      items.push_back(it);
      i = colon + 1;
      continue;
    }
    const QString close = code.left(4) + ")";
    int end = line.indexOf(close, start);
    if (end < 0) end = line.size();
    const QString inner = line.mid(start, end - start);
    i = end + close.size();
    if (code == "#UDL(") {
      items.push_back({Item::Underlined, inner});
    } else if (code == "#SEG(") {
      items.push_back({Item::Rule, inner});
    } else {
      Item it{Item::Picture, inner.section('\'', 1, 1)};
      it.width = MmValue(inner, "DXmm=") * kTwipsPerMm;
      it.height = MmValue(inner, "DYmm=") * kTwipsPerMm;
      items.push_back(it);
    }
  }
  return items;
}

// Bold and italic as the codes of a run leave them, so the next run (drawn
// on its own) starts the same way.
void FollowStyle(const QString& run, bool& bold, bool& italic) {
  for (int i = 0; i + 1 < run.size(); ++i) {
    if (run[i] != '&') continue;
    if (run[i + 1] == '&') {
      ++i;
      continue;
    }
    if (i + 2 < run.size() && (run[i + 1] == '+' || run[i + 1] == '-')) {
      const bool on = run[i + 1] == '+';
      if (run[i + 2] == 'B') bold = on;
      if (run[i + 2] == 'I') italic = on;
    }
  }
}

// Whether the line needs its codes read to know its height and the style
// it leaves; most lines of a report are plain.
bool HasLayoutCodes(QStringView line) {
  return line.contains(QLatin1String("#IMG(")) || line.contains(QLatin1String("&+")) ||
         line.contains(QLatin1String("&-"));
}

// A picture's size on the page: as the report asks, or smaller (same shape)
// when that does not fit in the frame with the half line below it.
QSizeF FittedSize(const Item& picture, const PageFrame& frame) {
  const double w = picture.width, h = picture.height;
  if (!(w > 0) || !(h > 0)) return QSizeF(w > 0 ? w : 0, h > 0 ? h : 0);
  const double room = std::max(0.0, frame.content.height() - frame.lineHeight / 2);
  const double scale = std::min({1.0, frame.content.width() / w, room / h});
  return QSizeF(w * scale, h * scale);
}

// A line's height, following the style it leaves on.
double LineHeight(QStringView line, const PageFrame& frame, bool& bold, bool& italic) {
  double height = frame.lineHeight;
  if (!HasLayoutCodes(line)) return height;
  for (const Item& it : SplitLine(line.toString())) {
    if (it.kind == Item::Picture)
      height = std::max(height, FittedSize(it, frame).height() + frame.lineHeight / 2);
    else if (it.kind == Item::Text || it.kind == Item::Underlined)
      FollowStyle(it.text, bold, italic);
  }
  return height;
}

const QString kReportFace = QStringLiteral("Arial");
// The formula panel's face: its italic I has serifs, so E·I never reads as
// E·l or E·/.
const QString kSymbolFace = QStringLiteral("Times New Roman");

// The mark-up with its italic stretches in the symbol face. A symbol code
// puts the renderer back in the face the run started with, so the face is
// set again after each one.
QString WithSerifItalics(const QString& markup) {
  static const QString toSerif = "&FN=" + kSymbolFace + ":";
  static const QString toSans = "&FN=" + kReportFace + ":";
  QString out;
  out.reserve(markup.size() + 32);
  bool italic = false;
  const int n = static_cast<int>(markup.size());
  for (int i = 0; i < n; ++i) {
    if (markup[i] != '&' || i + 1 >= n) {
      out += markup[i];
      continue;
    }
    const QStringView rest = QStringView(markup).mid(i);
    if (rest.startsWith(u"&+I") || rest.startsWith(u"&-I")) {
      italic = rest[1] == '+';
      out += rest.first(3);
      out += italic ? toSerif : toSans;
      i += 2;
      continue;
    }
    if (rest.startsWith(u"&&")) {
      out += u"&&";
      ++i;
      continue;
    }
    int symbol = 0;
    for (int k = 1; k <= Mini_HTFC_rut::kNumSimbolos && !symbol; ++k)
      if (!Mini_HTFC_rut::HTFC_Codigo[k].isEmpty() &&
          rest.startsWith(Mini_HTFC_rut::HTFC_Codigo[k]))
        symbol = k;
    if (!symbol) {
      out += markup[i];
      continue;
    }
    out += Mini_HTFC_rut::HTFC_Codigo[symbol];
    if (italic) out += toSerif;
    i += static_cast<int>(Mini_HTFC_rut::HTFC_Codigo[symbol].size()) - 1;
  }
  return out;
}

void SetReportFont(platform::DrawTarget& t) {
  t.SetFontName(kReportFace);
  t.SetFontSize(11);
  t.SetFontBold(false);
  t.SetFontItalic(false);
  t.SetForeColor(0);
}

void DrawMissingPicture(platform::DrawTarget& t, const QRectF& box, const QString& name) {
  const platform::ColorValue ink = t.ForeColor();
  t.Line(box.left(), box.top(), box.right(), box.top(), kFrameGrey);
  t.Line(box.right(), box.top(), box.right(), box.bottom(), kFrameGrey);
  t.Line(box.right(), box.bottom(), box.left(), box.bottom(), kFrameGrey);
  t.Line(box.left(), box.bottom(), box.left(), box.top(), kFrameGrey);
  t.SetForeColor(kFrameGrey);
  t.SetCurrentX(box.center().x() - t.TextWidth(name) / 2);
  t.SetCurrentY(box.center().y() - t.TextHeight(name) / 2);
  t.Print(name);
  t.SetForeColor(ink);
}

// Draws one line with its top at y; returns its height.
double DrawLine(platform::DrawTarget& t, const QString& line, double y, const PageFrame& frame,
                bool& bold, bool& italic, ReportPictures& pictures) {
  const double left = frame.content.left();
  // The paper's right edge: text past it would not be seen.
  const double edge = frame.content.right() + kMargin;
  double x = left, height = frame.lineHeight;
  for (const Item& it : SplitLine(line)) {
    switch (it.kind) {
      case Item::Column:
        x = left + it.column * kColumn;
        break;
      case Item::Text:
      case Item::Underlined: {
        const QString prefix = QString(bold ? "&+B" : "") + (italic ? "&+I" : "");
        t.SetCurrentX(x);
        t.SetCurrentY(y);
        Mini_HTFC_rut::DrawMarkupCutAt(WithSerifItalics(prefix + it.text), t, edge);
        FollowStyle(it.text, bold, italic);
        const double end = t.CurrentX();
        if (it.kind == Item::Underlined) {
          const double under = y + t.FontAscent() + 2 * t.TwipsPerPixelY();
          t.Line(x, under, end, under, 0);
        }
        x = end;
        break;
      }
      case Item::Rule: {
        const double end = x + t.TextWidth(it.text);
        t.Line(x, y + frame.lineHeight / 2, end, y + frame.lineHeight / 2, 0);
        x = end;
        break;
      }
      case Item::Picture: {
        const QSizeF size = FittedSize(it, frame);
        const QRectF box(QPointF(x, y), size);
        const QString bare = QFileInfo(it.text).fileName();
        const QImage& picture = pictures.Picture(bare);
        if (!picture.isNull())
          t.PaintPicture(box.x(), box.y(), box.width(), box.height(), picture);
        else if (!size.isEmpty())
          DrawMissingPicture(t, box, bare);
        x += size.width();
        height = std::max(height, size.height() + frame.lineHeight / 2);
        break;
      }
    }
  }
  return height;
}

}  // namespace

bool ParseReportFile(const QByteArray& bytes, ReportFile& r) {
  if (!bytes.contains("#ENU(") && !bytes.contains("#SOL(") && !bytes.contains("#RS1("))
    return false;
  const QString sep = Section(bytes, "DEC");
  r.separator = sep == "," ? "," : ".";
  r.ENU = Section(bytes, "ENU");
  r.SOL = Section(bytes, "SOL");
  r.RS1 = Section(bytes, "RS1");
  r.RS2 = Section(bytes, "RS2");
  return true;
}

QString WithSeparator(const QString& markup, const QString& separator) {
  QString out = markup;
  const QChar point = separator.isEmpty() ? QChar('.') : separator[0];
  if (point == '.') return out;
  // One pass in place: a report may be one line of many megabytes.
  QChar* c = out.data();
  for (qsizetype i = 0; i + 1 < out.size(); ++i) {
    if (c[i] != '&') continue;
    if (c[i + 1] == '.') c[i + 1] = point;
    ++i;
  }
  return out;
}

const QImage& ReportPictures::Picture(const QString& name) {
  const QString bare = QFileInfo(name).fileName();
  auto found = loaded_.find(bare);
  if (found != loaded_.end()) return found->second;
  QImage picture;
  // Only a regular file is read: a pipe of that name would block the viewer.
  QByteArray bytes;
  for (const QString& folder : folders_)
    if (!bare.isEmpty() &&
        platform::ReadSmallRegularFile(folder + "/" + bare, kMaxPictureBytes, bytes) ==
            platform::FileRefusal::None &&
        picture.loadFromData(bytes))
      break;
  return loaded_.emplace(bare, picture).first->second;
}

namespace {
// Where the next line of the text ends at or after i: at "&LF" or at a CR LF
// a text may bring; n when the text ends first. `skip` is the length of the
// end mark.
qsizetype LineEnd(const QChar* c, qsizetype i, qsizetype n, qsizetype& skip) {
  for (; i < n; ++i) {
    if (c[i] == '&' && i + 2 < n && c[i + 1] == 'L' && c[i + 2] == 'F') {
      skip = 3;
      return i;
    }
    if (c[i] == '\r' && i + 1 < n && c[i + 1] == '\n') {
      skip = 2;
      return i;
    }
  }
  skip = 0;
  return n;
}
}  // namespace

QString ReportName(const ReportFile& report, const QString& prefix) {
  QString name = prefix;
  static const QRegularExpression picture(QStringLiteral("#IMG\\('h(\\d{3})\\.jpg'"));
  const auto code = picture.match(report.ENU);
  if (code.hasMatch()) name += " " + code.captured(1);
  // The statement opens with the case title in bold, as the main window's
  // title line shows it: "Fixed at both ends - Uniform load ...".
  qsizetype skip = 0;
  const QString first =
      report.ENU.left(LineEnd(report.ENU.constData(), 0, report.ENU.size(), skip));
  platform::MeasureTarget measure;
  QString printed, title;
  Mini_HTFC_rut::ImprimirHTFC(first, measure, printed, title);
  title = title.simplified().replace(QStringLiteral(" - "), QStringLiteral(" \u2013 "));
  if (!title.isEmpty()) name += QStringLiteral(" \u2013 ") + title;
  return name;
}

ReportDocument::ReportDocument(const ReportFile& r)
    : sections_{WithSeparator(r.ENU, r.separator), WithSeparator(r.RS1, r.separator),
                WithSeparator(r.SOL, r.separator)} {
  // Counted first: a report of millions of short lines grows no list.
  std::size_t count = 0;
  qsizetype skip = 0;
  for (const QString& text : sections_) {
    const qsizetype n = text.size();
    count += 2;  // the last line and the empty one closing the section
    for (qsizetype i = 0; (i = LineEnd(text.constData(), i, n, skip)) < n; i += skip) ++count;
  }
  lines_.reserve(count);
  for (int k = 0; k < 3; ++k) {
    firstLine_[k] = static_cast<int>(lines_.size());
    const QChar* c = sections_[k].constData();
    const qsizetype n = sections_[k].size();
    for (qsizetype i = 0;;) {
      const qsizetype end = LineEnd(c, i, n, skip);
      lines_.push_back({static_cast<int>(i), static_cast<int>(std::min(end - i, kMaxLineChars))});
      if (skip == 0) break;
      i = end + skip;
    }
    lines_.push_back({static_cast<int>(n), 0});
  }
}

QStringView ReportDocument::Line(int i) const {
  const int k = i >= firstLine_[2] ? 2 : i >= firstLine_[1] ? 1 : 0;
  return QStringView(sections_[k]).mid(lines_[i].start, lines_[i].length);
}

PageFrame FrameOf(platform::DrawTarget& t) {
  SetReportFont(t);
  PageFrame frame;
  frame.lineHeight = t.TextHeight("Ag") * 1.4;
  const QRectF printable(0, 0, t.ScaleWidth(), t.ScaleHeight());
  // The paper in the target's coordinates: a printer's start at its printable
  // area, which lies inside the sheet.
  QRectF paper = printable;
  const auto* printer = dynamic_cast<const platform::PrinterTarget*>(&t);
  if (printer && printer->Printer()) {
    const QPageLayout layout = printer->Printer()->pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
    paper = QRectF(-paint.left() * kTwipsPerMm, -paint.top() * kTwipsPerMm,
                   full.width() * kTwipsPerMm, full.height() * kTwipsPerMm);
  }
  QRectF content = paper.adjusted(kMargin, kMargin, -kMargin, -kMargin) & printable;
  // The last line of the frame holds the page number.
  content.setBottom(content.bottom() - frame.lineHeight);
  frame.content = content.isValid() ? content : QRectF(0, 0, 0, 0);
  return frame;
}

namespace {
// "    Bending moment:": a line that introduces the lines after it.
bool IsHeading(QStringView line) {
  const QStringView text = line.trimmed();
  return text.endsWith(u':') && !text.endsWith(u"&LF:") && !text.contains(u"#IMG(");
}
}  // namespace

std::vector<PageStart> Paginate(const ReportDocument& document, const PageFrame& frame) {
  std::vector<PageStart> pages{PageStart{}};
  bool bold = false, italic = false;
  double y = 0;
  const int count = document.LineCount();
  for (int i = 0; i < count; ++i) {
    const bool boldBefore = bold, italicBefore = italic;
    const QStringView line = document.Line(i);
    double h = LineHeight(line, frame, bold, italic);
    // A heading goes on with the line it heads, when both fit on a page.
    double together = h;
    if (i + 1 < count && IsHeading(line)) {
      bool b = bold, it = italic;
      together += LineHeight(document.Line(i + 1), frame, b, it);
    }
    if (y > 0 && y + together > frame.content.height() &&
        (y + h > frame.content.height() || together <= frame.content.height())) {
      pages.push_back({i, boldBefore, italicBefore});
      y = 0;
    }
    y += h;
  }
  return pages;
}

void DrawPage(const ReportDocument& document, const std::vector<PageStart>& pages, int page,
              const PageFrame& frame, platform::DrawTarget& t, ReportPictures& pictures) {
  if (page < 0 || page >= static_cast<int>(pages.size())) return;
  SetReportFont(t);
  t.SetDrawWidth(kRuleWidthMm * kTwipsPerMm / t.TwipsPerPixelX());
  const int end =
      page + 1 < static_cast<int>(pages.size()) ? pages[page + 1].line : document.LineCount();
  bool bold = pages[page].bold, italic = pages[page].italic;
  double y = frame.content.top();
  for (int i = pages[page].line; i < end; ++i)
    y += DrawLine(t, document.Line(i).toString(), y, frame, bold, italic, pictures);

  const QString number = QString("%1 / %2").arg(page + 1).arg(pages.size());
  SetReportFont(t);
  t.SetCurrentX(frame.content.center().x() - t.TextWidth(number) / 2);
  t.SetCurrentY(frame.content.bottom() + 0.3 * frame.lineHeight);
  t.Print(number);
}

QSize A4Pixels(int dpi) {
  return QSize(qRound(kA4WidthMm * dpi / 25.4), qRound(kA4HeightMm * dpi / 25.4));
}

QImage A4Page(int dpi, QImage::Format format) {
  QImage page(A4Pixels(dpi), format);
  page.setDotsPerMeterX(qRound(dpi / 0.0254));
  page.setDotsPerMeterY(qRound(dpi / 0.0254));
  return page;
}

PageFrame A4Frame() {
  // Measured at the PDF's resolution; nothing is drawn on this page.
  QImage paper = A4Page(kPdfDpi, QImage::Format_Mono);
  platform::PrinterTarget target(&paper);
  return FrameOf(target);
}

namespace {
bool PrintPages(const ReportDocument& document, ReportPictures& pictures,
                platform::PrinterTarget& printer, const PageFrame& frame, int copies) {
  if (copies < 1) return false;
  const std::vector<PageStart> pages = Paginate(document, frame);
  for (int copy = 0; copy < copies; ++copy) {
    for (int p = 0; p < static_cast<int>(pages.size()); ++p) {
      if (copy > 0 || p > 0) printer.NewPage();
      DrawPage(document, pages, p, frame, printer, pictures);
      // Every page prints its number, so a job that did not start shows here.
      if (!printer.Printing()) {
        printer.EndDoc();
        return false;
      }
    }
  }
  printer.EndDoc();
  return !(printer.Printer() && printer.Printer()->printerState() == QPrinter::Error);
}
}  // namespace

bool PrintReport(const ReportDocument& document, ReportPictures& pictures,
                 platform::PrinterTarget& printer, int copies, const QString& title) {
  if (printer.Printer()) printer.Printer()->setDocName(title);
  printer.SetOrientation(platform::PrinterTarget::Orientation::Portrait);
  return PrintPages(document, pictures, printer, FrameOf(printer), copies);
}

platform::WriteResult SaveReportPdf(const ReportDocument& document, ReportPictures& pictures,
                                    const QString& path, const QString& title) {
  platform::WriteResult failed;
  // The PDF printer writes only to a file it names itself: the PDF is made in
  // a folder of its own beside the target (mode 0700, a new name), then
  // written over the target as every save of the program is.
  QTemporaryDir work(QFileInfo(path).absolutePath() + "/.torv-pdf-XXXXXX");
  if (!work.isValid()) {
    failed.reason = platform::AsSentence(work.errorString());
    return failed;
  }
  const QString part = work.filePath("report.pdf");
  bool printed = false;
  {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setResolution(kPdfDpi);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setDocName(title);
    pdf.setCreator(platform::kProgramName);
    pdf.setOutputFileName(part);
    platform::PrinterTarget page(&pdf);
    printed = PrintPages(document, pictures, page, A4Frame(), 1);
  }
  // A PDF ends with its end-of-file mark; a file cut short (a full disk) lacks it.
  QFile written(part);
  const QByteArray bytes = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
  if (!printed || !bytes.right(64).contains("%%EOF")) {
    // The printer keeps its write errors to itself; the disk tells the likely one.
    failed.error = platform::DiskFull(work.path()) ? ENOSPC : EIO;
    failed.reason = failed.error == ENOSPC
                        ? platform::SystemWords(ENOSPC)
                        : QStringLiteral("The PDF printer could not write the file");
    return failed;
  }
  return platform::WriteWholeFile(path, bytes);
}

}  // namespace report
