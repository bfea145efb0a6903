// make_manual <source.md> <source folder> <manual.pdf>: writes the user
// manual from its Markdown source.
// "{{KSL:key}}" and the like are the captions of the program's language
// files (so the manual names what the windows show), "{{PICTURE:code}}" is
// the picture of a case and "{{CASES}}" the catalogue of the 54 cases with
// their pictures, inputs and formulas.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextObjectInterface>
#include <QTextTable>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "engine/Cases.h"
#include "graphs/Mini_HTFC_rut.h"
#include "htf/FormulaPicture.h"
#include "img/BeamCases.h"
#include "img/BeamDrawing.h"
#include "mainwin/CaseRows.h"
#include "manual/PdfOutline.h"
#include "platform/LanguageTable.h"

namespace {

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

// "{{KSL:key|a|b}}" is a message with an example of what it names in
// place of its %1 and %2.
QString ExpandCaptions(QString text) {
  static const QRegularExpression key(QStringLiteral("\\{\\{([A-Z0-9]{3}):([^}]+)\\}\\}"));
  QString out;
  int last = 0;
  for (auto it = key.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    const QStringList parts = m.captured(2).split('|');
    QString shown = LanguageText(m.captured(1), parts[0]);
    for (const QString& example : parts.mid(1)) shown = shown.arg(example);
    out += text.mid(last, m.capturedStart() - last) + shown;
    last = m.capturedEnd();
  }
  return out + text.mid(last);
}

// ---- Drawings -----------------------------------------------------------------

// The beam and formula pictures go into the PDF as what they are, lines and
// text, drawn by the code that draws the program's pictures: sharp at any
// zoom and printer, and a few kilobytes each. In the document each is an
// object of this type named "beam:<code>" or "formula:<code>".
constexpr int kDrawingObject = QTextFormat::UserObject + 1;

std::map<int, formulas::CaseFormulas> caseFormulas;

class Drawings : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& f) override {
    return QSizeF(f.doubleProperty(QTextFormat::ImageWidth),
                  f.doubleProperty(QTextFormat::ImageHeight));
  }

  void drawObject(QPainter* p, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& f) override {
    const QString name = f.stringProperty(QTextFormat::ImageName);
    const int code = name.section(':', 1).toInt();
    p->save();
    p->translate(rect.topLeft());
    p->setRenderHint(QPainter::Antialiasing);
    if (name.startsWith("beam:")) {
      p->scale(rect.width() / beam_drawing::kWidth, rect.height() / beam_drawing::kHeight);
      beam_drawing::DrawCaseOn(*p, *beam_cases::FindCase(code), beam_drawing::kPrintScale);
    } else {
      QString error;
      const QSize size = formulas::FormulaPictureSize(caseFormulas.at(code), error);
      p->scale(rect.width() / size.width(), rect.height() / size.height());
      formulas::DrawFormulas(caseFormulas.at(code), *p, error);
    }
    p->restore();
  }
};

// The case's beam picture, about the panel's size on the page, three
// cases to a page.
QString BeamPicture(int code) {
  if (!beam_cases::FindCase(code)) {
    Fail(QStringLiteral("no beam picture of case %1").arg(code));
    return QString();
  }
  return QStringLiteral("<img src=\"beam:%1\" width=\"440\" height=\"208\">").arg(code);
}

// The formulas at the size the formula panel shows them.
QString FormulaPicture(int code) {
  const auto found = caseFormulas.find(code);
  QString error;
  const QSize size =
      found == caseFormulas.end() ? QSize() : formulas::FormulaPictureSize(found->second, error);
  if (size.isEmpty()) {
    Fail(QStringLiteral("no formulas of case %1 %2").arg(code).arg(error));
    return QString();
  }
  return QStringLiteral("<img src=\"formula:%1\" width=\"%2\" height=\"%3\">")
      .arg(code)
      .arg(size.width())
      .arg(size.height());
}

// The pictures the HTML named become drawings.
void MakeDrawings(QTextDocument& doc, Drawings& drawings) {
  doc.documentLayout()->registerHandler(kDrawingObject, &drawings);
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextCharFormat f = fragment.charFormat();
      if (!f.isImageFormat()) continue;
      const QString name = f.toImageFormat().name();
      if (!name.startsWith("beam:") && !name.startsWith("formula:")) continue;
      f.setObjectType(kDrawingObject);
      QTextCursor c(&doc);
      c.setPosition(fragment.position());
      c.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      c.setCharFormat(f);
    }
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

QString CaseEntry(int code) {
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
  html += "<p>" + BeamPicture(code) + "</p>";
  html += "<p>You type: " + inputs.join(", ") + ".";
  if (!derived.isEmpty()) html += " The case works out: " + derived.join(", ") + ".";
  html += "</p>";
  html += "<p>" + FormulaPicture(code) + "</p>";
  return html;
}

// A stretch that must stay on one page, held by cursors, which follow the
// text inserted before it later.
struct Together {
  QTextCursor first, last;
};

QTextCursor FixedAt(QTextDocument* doc, int position) {
  QTextCursor c(doc);
  c.setPosition(position);
  c.setKeepPositionOnInsert(true);
  return c;
}

QTextBlockFormat NewPage() {
  QTextBlockFormat f;
  f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  return f;
}

// The catalogue at the cursor: each support type on a new page, each case
// kept on one page.
void InsertCatalogue(QTextCursor& c, std::vector<Together>& keep) {
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
      QTextCursor first = FixedAt(c.document(), c.position());
      c.insertHtml(CaseEntry(Vigas::CaseCode(t, k)));
      keep.push_back({first, FixedAt(c.document(), c.position())});
    }
  }
}

// ---- Contents --------------------------------------------------------------------

// A line of the contents: what it names, where that starts, and the cell
// that is to show its page once the pages are known.
struct ContentsLine {
  QTextCursor target, page;
  int level;  // of the bookmark: 1 a section, 2 a sub-section, 3 a case
  QString title;
  QTextCursor name;  // the cell that names it, a link to its page
};

// The cell's cursor, kept where it is when text goes in before the next cell.
QTextCursor CellText(QTextTable* table, int row, int column, const QString& text,
                     bool right = false) {
  QTextCursor c = table->cellAt(row, column).firstCursorPosition();
  if (right) {
    QTextBlockFormat f = c.blockFormat();
    f.setAlignment(Qt::AlignRight);
    c.setBlockFormat(f);
  }
  c.insertText(text);
  return c;
}

// The contents at the cursor: every section and sub-section after it, then
// every case code, each with a cell for its page.
void InsertContents(QTextCursor& c, std::vector<ContentsLine>& lines) {
  QTextDocument* doc = c.document();
  std::vector<QTextBlock> sections, cases;
  // The contents fill the first page; the sections start on the next.
  static const QRegularExpression caseLine(QStringLiteral("^Case (\\d{3}):"));
  for (QTextBlock b = c.block().next(); b.isValid(); b = b.next()) {
    if (b.blockFormat().headingLevel() >= 2) sections.push_back(b);
    if (caseLine.match(b.text()).hasMatch()) cases.push_back(b);
  }
  if (!sections.empty()) QTextCursor(sections[0]).mergeBlockFormat(NewPage());
  QTextBlockFormat headingFormat;
  headingFormat.setHeadingLevel(1);
  headingFormat.setTopMargin(12);
  headingFormat.setBottomMargin(6);
  QTextCharFormat headingText;
  headingText.setFontPointSize(13);
  headingText.setFontWeight(QFont::Bold);
  c.setBlockFormat(headingFormat);
  c.setCharFormat(headingText);
  c.insertText(QStringLiteral("Contents"));
  c.insertBlock(QTextBlockFormat(), QTextCharFormat());

  QTextTableFormat grid;
  grid.setBorder(0);
  grid.setCellPadding(1);
  grid.setCellSpacing(0);
  grid.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  grid.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                  QTextLength(QTextLength::PercentageLength, 10)});
  QTextTable* list = c.insertTable(int(sections.size()), 2, grid);
  for (int r = 0; r < int(sections.size()); ++r) {
    const QTextBlock& b = sections[r];
    const QString indent = b.blockFormat().headingLevel() > 2 ? QStringLiteral("      ") : "";
    const QTextCursor name = CellText(list, r, 0, indent + b.text());
    lines.push_back({FixedAt(doc, b.position()), CellText(list, r, 1, QString(), true),
                     b.blockFormat().headingLevel() - 1, b.text(), name});
  }
  c = list->lastCursorPosition();
  c.movePosition(QTextCursor::NextBlock);
  c.insertBlock(QTextBlockFormat(), QTextCharFormat());
  c.insertText(QStringLiteral("The cases, by their code:"));
  constexpr int kColumns = 4;
  const int rows = (int(cases.size()) + kColumns - 1) / kColumns;
  QVector<QTextLength> widths;
  for (int k = 0; k < kColumns; ++k)
    widths << QTextLength(QTextLength::PercentageLength, 15)
           << QTextLength(QTextLength::PercentageLength, 10);
  grid.setColumnWidthConstraints(widths);
  QTextTable* codes = c.insertTable(std::max(1, rows), 2 * kColumns, grid);
  for (int k = 0; k < int(cases.size()); ++k) {
    const int row = k % std::max(1, rows), column = 2 * (k / std::max(1, rows));
    const QTextCursor name = CellText(codes, row, column, cases[k].text().section(':', 0, 0));
    // The page stands right after its code, well clear of the next column's code.
    lines.push_back({FixedAt(doc, cases[k].position()), CellText(codes, row, column + 1, ""), 3,
                     cases[k].text(), name});
  }
}

// Replaces each paragraph that is only a placeholder, last first so the
// positions of the earlier ones stay.
void FillPlaceholders(QTextDocument& doc, std::vector<Together>& keep,
                      std::vector<ContentsLine>& contents) {
  std::vector<QTextBlock> blocks;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    if (b.text().startsWith("{{")) blocks.push_back(b);
  for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) {
    const QString what = it->text().trimmed();
    QTextCursor c(*it);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    if (what == "{{CASES}}")
      InsertCatalogue(c, keep);
    else if (what == "{{CONTENTS}}")
      InsertContents(c, contents);
    else if (what.startsWith("{{PICTURE:") && what.endsWith("}}"))
      c.insertHtml(BeamPicture(what.mid(10, what.size() - 12).toInt()));
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
      keep.push_back({FixedAt(&doc, b.position()), FixedAt(&doc, b.next().position())});
  std::sort(keep.begin(), keep.end(), [](const Together& x, const Together& y) {
    return x.first.position() < y.first.position();
  });
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  // Lay the whole document out again after each page break: the layout's
  // own update loses the pages behind it. A break moves what follows, so
  // the stretches are looked at again until none needs one.
  auto layOut = [&] {
    doc.markContentsDirty(0, doc.characterCount());
    layout->documentSize();
  };
  layOut();
  for (int pass = 0, breaks = 1; breaks > 0 && pass < 10; ++pass) {
    breaks = 0;
    for (const Together& k : keep) {
      const QTextBlock first = k.first.block(), last = k.last.block();
      const QRectF top = layout->blockBoundingRect(first), bottom = layout->blockBoundingRect(last);
      // A block whose lines do not fit reports the place they would have
      // had, past the foot of the page: its bottom tells.
      const int pageTop = int(top.top() / kPageHeight);
      const bool split = bottom.bottom() > (pageTop + 1) * kPageHeight - kMargin;
      // Its height without the room a page break left inside it.
      double height = 0;
      for (QTextBlock b = first; b.isValid() && b.position() <= last.position(); b = b.next())
        height += layout->blockBoundingRect(b).height();
      if (split && height < kPageHeight - 2 * kMargin &&
          first.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_AlwaysBefore) {
        QTextCursor(first).mergeBlockFormat(NewPage());
        layOut();
        ++breaks;
      }
    }
  }
}

// Where the block's first line is drawn, in the document: a line that did
// not fit is moved down within its block, onto the next page.
double TopOf(const QTextBlock& b) {
  const QTextLayout* lines = b.layout();
  double y = lines->position().y();
  if (lines->lineCount() > 0) y += lines->lineAt(0).y();
  return y;
}

// The pages in the contents, and the bookmarks of the same places.
std::vector<manual::Bookmark> FillInPages(QTextDocument& doc, std::vector<ContentsLine>& lines) {
  std::vector<manual::Bookmark> bookmarks;
  for (ContentsLine& l : lines) {
    const double top = TopOf(l.target.block());
    const int page = int((top + 1) / kPageHeight);
    l.page.insertText(QString::number(page + 1));
    const QRectF row = doc.documentLayout()->blockBoundingRect(l.name.block()) |
                       doc.documentLayout()->blockBoundingRect(l.page.block());
    const int rowPage = int((row.top() + 1) / kPageHeight);
    constexpr double kPoints = 72.0 / 96;
    bookmarks.push_back({l.level, l.title, page, (top - page * kPageHeight) * kPoints, rowPage,
                         QRectF(row.left() * kPoints, (row.top() - rowPage * kPageHeight) * kPoints,
                                row.width() * kPoints, row.height() * kPoints)});
  }
  std::vector<std::pair<int, manual::Bookmark>> ordered;
  for (std::size_t i = 0; i < lines.size(); ++i)
    ordered.emplace_back(lines[i].target.position(), bookmarks[i]);
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  bookmarks.clear();
  for (const auto& o : ordered) bookmarks.push_back(o.second);
  doc.markContentsDirty(0, doc.characterCount());
  doc.documentLayout()->documentSize();
  return bookmarks;
}

// Each page of the document, scaled to the writer's resolution, with its
// number at the foot.
bool Print(QTextDocument& doc, QPdfWriter& writer) {
  QPainter p;
  if (!p.begin(&writer)) return false;
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

#include "make_manual.moc"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_manual <source.md> <source folder> <pdf>\n");
    return 2;
  }
  const QString source = QString::fromLocal8Bit(argv[1]);
  const QString sourceFolder = QString::fromLocal8Bit(argv[2]);
  platform::SetResourceFolder(sourceFolder);  // the language files
  const QString pdf = QString::fromLocal8Bit(argv[3]);
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  {
    std::vector<formulas::CaseFormulas> all;
    QString error;
    if (!formulas::ReadSources(sourceFolder + "/htf/cases", all, error)) {
      Fail(error);
      return 1;
    }
    for (auto& c : all) caseFormulas.emplace(c.code, std::move(c));
  }

  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) {
    Fail("cannot read " + source);
    return 1;
  }
  QTextDocument doc;
  doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
  doc.setMarkdown(ExpandCaptions(QString::fromUtf8(in.readAll())));
  // The text of a table cell keeps clear of its rules.
  for (QTextFrame* f : doc.rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(f)) {
      QTextTableFormat format = table->format();
      format.setCellPadding(4);
      table->setFormat(format);
    }
  doc.setPageSize(QSizeF(kPageWidth, kPageHeight));
  QTextFrameFormat frame = doc.rootFrame()->frameFormat();
  frame.setMargin(kMargin);
  doc.rootFrame()->setFrameFormat(frame);
  std::vector<Together> keep;
  std::vector<ContentsLine> contents;
  FillPlaceholders(doc, keep, contents);
  if (failed) return 1;
  Drawings drawings;
  MakeDrawings(doc, drawings);
  KeepTogether(doc, keep);
  const std::vector<manual::Bookmark> bookmarks = FillInPages(doc, contents);

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
  // The writer makes no bookmarks: they go in after it.
  QFile written(part);
  if (printed && written.open(QIODevice::ReadWrite)) {
    const QByteArray marked = manual::WithBookmarks(written.readAll(), bookmarks);
    printed = !marked.isNull() && written.seek(0) && written.write(marked) == marked.size() &&
              written.flush();
    written.close();
  }
  if (!printed || QFileInfo(part).size() == 0 || (QFile::exists(pdf) && !QFile::remove(pdf)) ||
      !QFile::rename(part, pdf)) {
    QFile::remove(part);
    Fail("cannot write " + pdf);
    return 1;
  }
  return 0;
}
