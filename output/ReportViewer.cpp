#include "output/ReportViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>
#include <vector>

#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"
#include "platform/Fonts.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace report {

namespace {

constexpr double kTwipsPerMm = 1440.0 / 25.4;
constexpr double kMargin = 10 * kTwipsPerMm;
constexpr double kColumn = 2 * kTwipsPerMm;  // one "&SP=n:" column
constexpr double kMinPageWidth = 190 * kTwipsPerMm;
constexpr int kMaxPageHeight = 30000;  // pixels
constexpr int kMaxPageWidth = 30000;   // pixels
constexpr double kMaxPictureMm = 1000;

QString Section(const QString& content, const QString& tag) {
  const QString open = "#" + tag + "(", close = "#" + tag + ")";
  const int a = content.indexOf(open);
  if (a < 0) return QString();
  const int b = content.indexOf(close, a + open.size());
  return content.mid(a + open.size(), b < 0 ? -1 : b - a - open.size());
}

// One piece of a report line.
struct Item {
  enum Kind { Column, Text, Underlined, Rule, Picture } kind;
  QString text = QString();      // mark-up, or the picture's file name
  double width = 0, height = 0;  // picture size in twips
  int column = 0;
};

// A picture's size in mm; nonsense (negative, not a number, beyond a metre)
// is kept within the page.
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

struct PlacedPicture {
  QString name;
  QRectF rect;  // twips
};

// Lays the lines out from the top; draws them when `pictures` is given.
// Returns the height used; `width` receives the widest line's right end.
double LayOut(platform::DrawTarget& t, const QStringList& lines, double& width,
              std::vector<PlacedPicture>* pictures) {
  const double lineHeight = t.TextHeight("Ag") * 1.4;
  const double pixel = t.TwipsPerPixelY();
  bool bold = false, italic = false;
  double y = kMargin;
  width = 0;
  for (const QString& line : lines) {
    double x = kMargin, height = lineHeight;
    for (const Item& it : SplitLine(line)) {
      switch (it.kind) {
        case Item::Column:
          x = kMargin + it.column * kColumn;
          break;
        case Item::Text:
        case Item::Underlined: {
          const QString prefix = QString(bold ? "&+B" : "") + (italic ? "&+I" : "");
          t.SetCurrentX(x);
          t.SetCurrentY(y);
          Mini_HTFC_rut::ImprimirHTFC(prefix + it.text, t);
          FollowStyle(it.text, bold, italic);
          const double end = t.CurrentX();
          if (it.kind == Item::Underlined && pictures) {
            const double under = y + t.FontAscent() + 2 * pixel;
            t.Line(x, under, end, under, 0);
          }
          x = end;
          break;
        }
        case Item::Rule: {
          const double end = x + t.TextWidth(it.text);
          if (pictures) t.Line(x, y + lineHeight / 2, end, y + lineHeight / 2, 0);
          x = end;
          break;
        }
        case Item::Picture:
          if (pictures) pictures->push_back({it.text, QRectF(x, y, it.width, it.height)});
          x += it.width;
          height = std::max(height, it.height + lineHeight / 2);
          break;
      }
    }
    width = std::max(width, x);
    y += height;
  }
  return y + kMargin;
}

void SetReportFont(platform::DrawTarget& t) {
  t.SetFontName("Arial");
  t.SetFontSize(platform::DesignFontSize(11));
  t.SetForeColor(0);
}

}  // namespace

bool ParseReportFile(const QByteArray& bytes, ReportFile& r) {
  const QString content = platform::DecodeWindows1252(bytes);
  if (!content.contains("#ENU(") && !content.contains("#SOL(") && !content.contains("#RS1("))
    return false;
  const QString sep = Section(content, "DEC");
  r.separator = sep == "," ? "," : ".";
  r.ENU = Section(content, "ENU");
  r.SOL = Section(content, "SOL");
  r.RS1 = Section(content, "RS1");
  r.RS2 = Section(content, "RS2");
  return true;
}

QString WithSeparator(const QString& markup, const QString& separator) {
  QString out;
  out.reserve(markup.size());
  for (int i = 0; i < markup.size(); ++i) {
    if (markup[i] == '&' && i + 1 < markup.size()) {
      const QChar next = markup[i + 1];
      out += '&';
      out += next == '.' ? separator : QString(next);
      ++i;
    } else {
      out += markup[i];
    }
  }
  return out;
}

QImage RenderReport(const ReportFile& r, const QStringList& pictureFolders) {
  // Statement, then the formulas with the graphs and tables they give, then
  // the results.
  QStringList lines;
  for (const QString& section : {r.ENU, r.RS1, r.SOL}) {
    QString s = WithSeparator(section, r.separator);
    s.replace("\r\n", "&LF");
    lines += s.split("&LF");
    lines += QString();
  }

  platform::MeasureTarget measure;
  SetReportFont(measure);
  double width = 0;
  const double height = LayOut(measure, lines, width, nullptr);
  const int wPx = static_cast<int>(
      std::min<double>(kMaxPageWidth, std::max(width + kMargin, kMinPageWidth) / 15 + 1));
  const int hPx = static_cast<int>(std::min<double>(kMaxPageHeight, height / 15 + 1));

  platform::PictureTarget page(wPx, hPx, platform::RGBColor(255, 255, 255));
  SetReportFont(page);
  std::vector<PlacedPicture> pictures;
  LayOut(page, lines, width, &pictures);

  QImage image = page.Image().convertToFormat(QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const PlacedPicture& pic : pictures) {
    const QRectF box(pic.rect.x() / 15, pic.rect.y() / 15, pic.rect.width() / 15,
                     pic.rect.height() / 15);
    QImage picture;
    const QString bare = QFileInfo(pic.name).fileName();  // never outside the folders
    for (const QString& folder : pictureFolders)
      if (!bare.isEmpty() && picture.load(folder + "/" + bare)) break;
    if (!picture.isNull()) {
      p.drawImage(box, picture);
    } else {
      p.setPen(QColor(160, 160, 160));
      p.drawRect(box.adjusted(0, 0, -1, -1));
      p.drawText(box, Qt::AlignCenter, bare);
    }
  }
  return image;
}

FormPlomview::FormPlomview() {
  scroll_ = new QScrollArea(this);
  scroll_->setBackgroundRole(QPalette::Dark);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  pageLabel_ = new QLabel;
  scroll_->setWidget(pageLabel_);
  setCentralWidget(scroll_);
  setWindowTitle(GetL_win("Title"));
  resize(900, 700);
}

QString FormPlomview::GetL_win(const QString& key) {
  static platform::LanguageTable table(QStringLiteral("PLV"));
  return table.GetL_win(key);
}

bool FormPlomview::OpenReport(const QString& path) {
  QFile f(path);
  ReportFile r;
  QString problem;
  if (!f.open(QIODevice::ReadOnly))
    problem = "CantReadReport";
  else if (!ParseReportFile(f.readAll(), r))
    problem = "NotAReport";
  if (!problem.isEmpty()) {
    platform::MsgBox(GetL_win(problem) + "\r\n" + path, GetL_win("Error"),
                     platform::MsgIcon::Exclamation);
    return false;
  }
  // Graphs lie beside the report; the beam pictures ship beside the program.
  const QString folder = QFileInfo(path).absolutePath();
  page_ = RenderReport(r, {folder, platform::ResourceFolder()});
  pageLabel_->setPixmap(QPixmap::fromImage(page_));
  pageLabel_->resize(page_.size());
  setWindowTitle(GetL_win("Title") + " - " + QFileInfo(path).fileName());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize avail = screen->availableSize();
    resize(std::min(page_.width() + 40, avail.width()), std::min(900, avail.height()));
  }
  return true;
}

}  // namespace report
