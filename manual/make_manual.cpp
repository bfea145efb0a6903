// make_manual <source.md> <source folder> <program folder> <formula print
// folder> <manual.pdf>: writes the user manual from its Markdown source.
// "{{KSL:key}}" and the like are the captions of the program's language
// files (so the manual names what the windows show), "{{PICTURE:code}}" is
// the picture of a case and "{{CASES}}" the catalogue of the 54 cases with
// their pictures, inputs and, when the build made them, formula pictures at
// print resolution.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "engine/Cases.h"
#include "mainwin/CaseRows.h"
#include "platform/LanguageTable.h"

namespace {

QString programFolder;
QString formulaPrintFolder;
bool failed = false;

void Fail(const QString& what) {
  std::fprintf(stderr, "make_manual: %s\n", qPrintable(what));
  failed = true;
}

// The text of a language key, without the "&" of menu access keys.
QString LanguageText(const QString& prefix, const QString& key) {
  static std::map<QString, platform::LanguageTable> tables;
  auto it = tables.find(prefix);
  if (it == tables.end()) it = tables.emplace(prefix, platform::LanguageTable(prefix)).first;
  QString text = it->second.GetL_win(key);
  if (text.isEmpty()) Fail("no text for " + prefix + ":" + key);
  return text.remove('&');
}

QString ExpandCaptions(QString text) {
  static const QRegularExpression key(QStringLiteral("\\{\\{([A-Z0-9]{3}):([^}]+)\\}\\}"));
  QString out;
  int last = 0;
  for (auto it = key.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    out += text.mid(last, m.capturedStart() - last) + LanguageText(m.captured(1), m.captured(2));
    last = m.capturedEnd();
  }
  return out + text.mid(last);
}

// ---- Pictures -----------------------------------------------------------------

// The case's beam picture, registered with the document; its HTML.
QString BeamPicture(QTextDocument& doc, int code) {
  const QString name = QStringLiteral("h%1.jpg").arg(code);
  QImage picture(programFolder + "/" + name);
  if (picture.isNull()) {
    Fail("cannot read " + programFolder + "/" + name);
    return QString();
  }
  doc.addResource(QTextDocument::ImageResource, QUrl(name), picture);
  // About the panel's size on the page, three cases to a page; the print
  // resolution keeps it sharp.
  return QStringLiteral("<img src=\"%1\" width=\"440\" height=\"208\">").arg(name);
}

// The formula picture when the build made one; "" otherwise. It is drawn
// finer than the screen's and placed at its own size on paper, the size the
// formula panel shows it at.
QString FormulaPicture(QTextDocument& doc, int code) {
  const QString name = QStringLiteral("F%1.png").arg(code);
  const QString path = formulaPrintFolder + "/" + name;
  if (!QFileInfo::exists(path)) return QString();
  QImage picture(path);
  if (picture.isNull() || picture.dotsPerMeterX() <= 0 || picture.dotsPerMeterY() <= 0) {
    Fail("cannot read " + path);
    return QString();
  }
  doc.addResource(QTextDocument::ImageResource, QUrl(name), picture);
  constexpr double kDocumentDotsPerMeter = 96 / 0.0254;
  return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
      .arg(name)
      .arg(picture.width() * kDocumentDotsPerMeter / picture.dotsPerMeterX(), 0, 'f', 2)
      .arg(picture.height() * kDocumentDotsPerMeter / picture.dotsPerMeterY(), 0, 'f', 2);
}

// ---- The catalogue of cases ------------------------------------------------------

// A row's symbol as the formulas write it: "W0" is w with subscript 0.
QString Symbol(QString tag) {
  if (tag == "EI") return QStringLiteral("<i>E</i>·<i>I</i>");
  tag.remove('#');
  if (tag == "X") tag = "x";
  if (tag[0] == 'W') tag[0] = 'w';
  QString s = "<i>" + tag.left(1) + "</i>";
  if (tag.size() > 1) s += "<sub>" + tag.mid(1) + "</sub>";
  return s;
}

QString RowText(const case_rows::RowSetting& r) {
  QString caption = QString::fromLatin1(r.caption).toLower();
  if (caption == "moment") caption = "couple";
  QString text = caption.toHtmlEscaped() + " " + Symbol(QString::fromLatin1(r.tag));
  if (r.tag[0] == '#') text += " (the overhang)";
  return text;
}

QString CaseEntry(QTextDocument& doc, int code) {
  // The row settings in order; a row set twice keeps the later setting.
  std::map<int, case_rows::RowSetting> rows;
  for (const auto& r : case_rows::RowsOfCase(code)) rows[r.row] = r;
  const int inputRows = 3 * case_rows::ExtraRows(code) + 6;
  QStringList inputs, derived;
  for (const auto& [row, r] : rows) {
    const QString tag = QString::fromLatin1(r.tag);
    if (tag.isEmpty()) continue;
    if (row < inputRows)
      inputs << RowText(r);
    else if (tag == "a" || tag == "b" || tag == "c")
      derived << RowText(r);
  }

  QString html = QStringLiteral("<p style=\"margin-top:8px\"><b>Case %1:</b> %2</p>")
                     .arg(code)
                     .arg(LanguageText("KSL", "TC_V" + QString::number(code)).toHtmlEscaped());
  html += "<p>" + BeamPicture(doc, code) + "</p>";
  html += "<p>You type: " + inputs.join(", ") + ".";
  if (!derived.isEmpty()) html += " The case works out: " + derived.join(", ") + ".";
  html += "</p>";
  const QString formulas = FormulaPicture(doc, code);
  if (!formulas.isEmpty()) html += "<p>" + formulas + "</p>";
  return html;
}

// Document positions of a stretch that must stay on one page.
struct Together {
  int first, last;
};

QTextBlockFormat NewPage() {
  QTextBlockFormat f;
  f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  return f;
}

// The catalogue at the cursor: each support type on a new page, each case
// kept on one page.
void InsertCatalogue(QTextDocument& doc, QTextCursor& c, std::vector<Together>& keep) {
  QTextBlockFormat heading = NewPage();
  heading.setHeadingLevel(3);
  heading.setTopMargin(6);
  heading.setBottomMargin(6);
  QTextCharFormat headingText;
  headingText.setFontPointSize(13);
  headingText.setFontWeight(QFont::Bold);
  for (int t = 1; t <= Vigas::kSupportTypes; ++t) {
    if (t > 1) c.insertBlock();
    c.setBlockFormat(heading);
    c.setCharFormat(headingText);
    c.insertText(
        QStringLiteral("6.%1 %2").arg(t).arg(LanguageText("KSL", "TV" + QString::number(t))));
    for (int k = 0; k < Vigas::CasesOfType(t); ++k) {
      c.insertBlock(QTextBlockFormat(), QTextCharFormat());
      const int first = c.position();
      c.insertHtml(CaseEntry(doc, Vigas::CaseCode(t, k)));
      keep.push_back({first, c.position()});
    }
  }
}

// Replaces each paragraph that is only a placeholder, last first so the
// positions of the earlier ones stay.
void FillPlaceholders(QTextDocument& doc, std::vector<Together>& keep) {
  std::vector<QTextBlock> blocks;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    if (b.text().startsWith("{{")) blocks.push_back(b);
  for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) {
    const QString what = it->text().trimmed();
    QTextCursor c(*it);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    if (what == "{{CASES}}")
      InsertCatalogue(doc, c, keep);
    else if (what.startsWith("{{PICTURE:") && what.endsWith("}}"))
      c.insertHtml(BeamPicture(doc, what.mid(10, what.size() - 12).toInt()));
    else
      Fail("unknown placeholder " + what);
  }
}

// ---- Pages -----------------------------------------------------------------------

// A4 in the document's units (pixels at 96 per inch) and its margins.
constexpr double kPageWidth = 210 / 25.4 * 96, kPageHeight = 297 / 25.4 * 96;
constexpr double kMargin = 20 / 25.4 * 96;

// A heading stays with the paragraph after it, a case with all of its
// paragraphs: what would run over the end of a page starts the next page.
void KeepTogether(QTextDocument& doc, std::vector<Together> keep) {
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    if (b.blockFormat().headingLevel() > 0 && b.next().isValid())
      keep.push_back({b.position(), b.next().position()});
  std::sort(keep.begin(), keep.end(),
            [](const Together& x, const Together& y) { return x.first < y.first; });
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  for (const Together& k : keep) {
    const QTextBlock first = doc.findBlock(k.first), last = doc.findBlock(k.last);
    const QRectF top = layout->blockBoundingRect(first), bottom = layout->blockBoundingRect(last);
    const int pageTop = int(top.top() / kPageHeight);
    const int pageBottom = int((bottom.bottom() - 1) / kPageHeight);
    if (pageTop != pageBottom && bottom.bottom() - top.top() < kPageHeight - 2 * kMargin) {
      QTextCursor(first).mergeBlockFormat(NewPage());
      // Lay the whole document out again: the layout's own update after a
      // page break loses the pages behind it.
      doc.markContentsDirty(0, doc.characterCount());
      layout->documentSize();
    }
  }
}

// Each page of the document, scaled to the writer's resolution, with its
// number at the foot.
bool Print(QTextDocument& doc, QPdfWriter& writer) {
  QPainter p;
  if (!p.begin(&writer)) return false;
  // Pictures go in as they are: JPEG would blur the text of the formulas.
  p.setRenderHint(QPainter::LosslessImageRendering);
  const double scale = writer.resolution() / 96.0;
  const int pages = doc.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !writer.newPage()) return false;
    p.save();
    p.scale(scale, scale);
    p.translate(0, -page * kPageHeight);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, page * kPageHeight, kPageWidth, kPageHeight);
    doc.documentLayout()->draw(&p, context);
    p.restore();
    p.save();
    p.scale(scale, scale);
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(12);  // in the document's pixels, as the text
    p.setFont(small);
    p.drawText(QRectF(0, kPageHeight - kMargin + 20, kPageWidth, 20), Qt::AlignHCenter,
               QString::number(page + 1));
    p.restore();
  }
  return p.end();
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 6) {
    std::fprintf(stderr,
                 "usage: make_manual <source.md> <source folder> <program folder> "
                 "<formula print folder> <pdf>\n");
    return 2;
  }
  const QString source = QString::fromLocal8Bit(argv[1]);
  platform::SetResourceFolder(QString::fromLocal8Bit(argv[2]));  // the language files
  programFolder = QString::fromLocal8Bit(argv[3]);
  formulaPrintFolder = QString::fromLocal8Bit(argv[4]);
  const QString pdf = QString::fromLocal8Bit(argv[5]);

  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) {
    Fail("cannot read " + source);
    return 1;
  }
  QTextDocument doc;
  doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
  doc.setMarkdown(ExpandCaptions(QString::fromUtf8(in.readAll())));
  doc.setPageSize(QSizeF(kPageWidth, kPageHeight));
  QTextFrameFormat frame = doc.rootFrame()->frameFormat();
  frame.setMargin(kMargin);
  doc.rootFrame()->setFrameFormat(frame);
  std::vector<Together> keep;
  FillPlaceholders(doc, keep);
  if (failed) return 1;
  KeepTogether(doc, keep);

  // Written aside and moved into place, so a failed run leaves no manual
  // that looks complete.
  const QString part = pdf + ".part";
  bool printed = false;
  {
    QPdfWriter writer(part);
    writer.setTitle(QStringLiteral("TORV - User manual"));
    writer.setCreator(QStringLiteral("TORV"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    printed = Print(doc, writer);
  }
  if (!printed || QFileInfo(part).size() == 0 || (QFile::exists(pdf) && !QFile::remove(pdf)) ||
      !QFile::rename(part, pdf)) {
    QFile::remove(part);
    Fail("cannot write " + pdf);
    return 1;
  }
  return 0;
}
