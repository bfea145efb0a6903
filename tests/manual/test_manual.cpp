// The user manual the build writes beside the program: a real PDF whose
// pages show, with the captions the windows use, every one of the 54 cases
// with its pictures drawn as vector graphics, and the symbols its formulas use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <set>

#include "htf/FormulaCheck.h"
#include "mainwin/CalcTestSupport.h"
#include "support/QtTestSupport.h"

namespace {

QString Manual() {
  return qt_test::BuiltProgramFolder() + "/Manual_TORV.pdf";
}

// Runs a poppler tool; its standard output, or a null array when it fails.
QByteArray RunTool(const QString& tool, const QStringList& arguments) {
  QProcess p;
  p.start(tool, arguments);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    return QByteArray();
  QByteArray out = p.readAllStandardOutput();
  if (out.isNull()) out = QByteArray("");
  return out;
}

class ManualTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
      GTEST_SKIP() << "poppler-utils is not installed (scripts/install-deps.sh installs it)";
    ASSERT_TRUE(QFileInfo(Manual()).isFile()) << Manual().toStdString();
  }
};

TEST_F(ManualTest, IsADocumentOfManyPages) {
  const QString info = QString::fromUtf8(RunTool("pdfinfo", {Manual()}));
  ASSERT_FALSE(info.isEmpty());
  const auto pages = QRegularExpression("Pages:\\s+(\\d+)").match(info);
  ASSERT_TRUE(pages.hasMatch()) << info.toStdString();
  // The text and 54 cases, three to a page.
  EXPECT_GE(pages.captured(1).toInt(), 20);
  EXPECT_TRUE(info.contains("Page size:       595 x 842 pts (A4)")) << info.toStdString();
}

TEST_F(ManualTest, NamesEveryCaseAndTheCommandsAsTheWindowsShowThem) {
  const QString text = QString::fromUtf8(RunTool("pdftotext", {"-layout", Manual(), "-"}));
  ASSERT_FALSE(text.isEmpty());
  for (int first : {100, 200, 300, 400, 500}) {
    const int last = first == 100 ? 120 : first == 200 ? 210 : first == 500 ? 503 : first + 8;
    for (int code = first; code <= last; ++code)
      EXPECT_TRUE(text.contains(QString("Case %1:").arg(code))) << code;
  }
  for (const char* caption : {"Calculate", "Clear", "Graph", "Report", "Decimal separator",
                              "Significant digits", "Units...", "User manual",
                              "Check for updates now", "Propped cantilever", "Overhanging beam"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(caption))) << caption;
  EXPECT_FALSE(text.contains("{{")) << "a placeholder was left in the text";
}

// The contents, their links and the bookmarks give the page of every section and every
// case: that page opens the section or shows the case.
TEST_F(ManualTest, ContentsAndBookmarksGiveThePageOfEverySectionAndCase) {
  const QStringList pages =
      QString::fromUtf8(RunTool("pdftotext", {"-layout", Manual(), "-"})).split('\f');
  ASSERT_GT(pages.size(), 20);
  const QRegularExpression entry(
      QStringLiteral("(\\d+\\. [A-Z][a-z]+(?: [a-z0-9]+)*|Case \\d{3}) +(\\d+)(?= |$)"));
  int entries = 0, cases = 0;
  for (const QString& line : pages[0].split('\n'))
    for (auto it = entry.globalMatch(line); it.hasNext();) {
      const auto m = it.next();
      const int page = m.captured(2).toInt();
      ASSERT_TRUE(page >= 1 && page <= pages.size()) << line.toStdString();
      const QString name = m.captured(1).startsWith("Case") ? m.captured(1) + ":" : m.captured(1);
      EXPECT_TRUE(pages[page - 1].contains(name)) << name.toStdString() << " " << page;
      ++entries;
      cases += m.captured(1).startsWith("Case");
    }
  EXPECT_EQ(cases, 54);
  EXPECT_GE(entries, 54 + 12);

  // The same places as bookmarks, each leading to its page.
  const QString xml =
      QString::fromUtf8(RunTool("pdftohtml", {"-xml", "-stdout", "-i", "-q", Manual()}));
  static const QRegularExpression item(QStringLiteral("<item page=\"(\\d+)\">([^<:]+)"));
  int bookmarks = 0;
  for (auto it = item.globalMatch(xml); it.hasNext(); ++bookmarks) {
    const auto m = it.next();
    const int page = m.captured(1).toInt();
    ASSERT_TRUE(page >= 1 && page <= pages.size()) << m.captured(0).toStdString();
    EXPECT_TRUE(pages[page - 1].contains(m.captured(2))) << m.captured(0).toStdString();
  }
  EXPECT_GE(bookmarks, entries);
  // And the contents link each line to its page.
  static const QRegularExpression link(
      QStringLiteral("<a href=\"[^\"#]*#(\\d+)\">([^<]*[a-z][^<]*)</a>"));
  int links = 0;
  for (auto it = link.globalMatch(xml); it.hasNext(); ++links) {
    const auto m = it.next();
    const int page = m.captured(1).toInt();
    ASSERT_TRUE(page >= 1 && page <= pages.size()) << m.captured(0).toStdString();
    EXPECT_TRUE(pages[page - 1].contains(m.captured(2).trimmed())) << m.captured(0).toStdString();
  }
  EXPECT_GE(links, entries);
}

// A text of the language files, as a pattern that takes back what its %1
// and %2 stand for.
struct LanguageText {
  QString prefix;  // of the window's file: "KSL" for the main window
  int placeholders = 0;
  QRegularExpression pattern;
};

std::vector<LanguageText> LanguageTexts() {
  std::vector<LanguageText> texts;
  for (const QFileInfo& f : QDir(qt_test::SourceRoot() + "/lang").entryInfoList({"*.lmo"})) {
    QFile file(f.filePath());
    if (!file.open(QIODevice::ReadOnly)) continue;
    for (const QString& line : QString::fromLatin1(file.readAll()).split("\r\n")) {
      const QString text = line.section(']', 1).mid(1).simplified();
      if (!line.startsWith('[') || text.isEmpty()) continue;
      LanguageText t{f.baseName().section('_', 2), 0, {}};
      QString pattern = QRegularExpression::escape(text);
      // escape() puts a backslash before %
      static const QRegularExpression placeholder("\\\\%\\d");
      t.placeholders = int(pattern.count(placeholder));
      pattern.replace(placeholder, "(.+)");
      t.pattern = QRegularExpression(QRegularExpression::anchoredPattern(pattern));
      texts.push_back(std::move(t));
    }
  }
  return texts;
}

// The messages the manual quotes ("TORV says: ..."), as a reader finds them.
QStringList QuotedMessages() {
  QStringList pages = QString::fromUtf8(RunTool("pdftotext", {Manual(), "-"})).split('\f');
  // A page's number at its foot is no part of a sentence running on.
  static const QRegularExpression footer(QStringLiteral("\n\\s*\\d+\\s*$"));
  for (QString& page : pages) page.remove(footer);
  const QString text = pages.join(' ').simplified();
  static const QRegularExpression quoted(
      QStringLiteral("(?:says|example): \"(.+?)\"(?= [A-Z\\d]|$)"));
  QStringList messages;
  for (auto it = quoted.globalMatch(text); it.hasNext();) messages << it.next().captured(1);
  return messages;
}

const LanguageText* TextOf(const std::vector<LanguageText>& texts, const QString& message) {
  for (const LanguageText& t : texts)
    if (t.pattern.match(message).hasMatch()) return &t;
  return nullptr;
}

// Every message the manual quotes is a text of the language files, as the
// program shows it; %1 and %2 stand for what the message names.
TEST_F(ManualTest, QuotesOnlyMessagesOfTheLanguageFiles) {
  const std::vector<LanguageText> texts = LanguageTexts();
  ASSERT_FALSE(texts.empty());
  const QStringList messages = QuotedMessages();
  for (const QString& message : messages)
    EXPECT_NE(TextOf(texts, message), nullptr) << message.toStdString();
  EXPECT_GE(messages.size(), 3);
}

// A message of the main window that names a row and what it holds is what
// the program says when that is pasted into that row of case 100 and
// calculated.
class ManualExampleTest : public mainwin_test::CalcTest {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      GTEST_SKIP() << "poppler-utils is not installed (scripts/install-deps.sh installs it)";
    CalcTest::SetUp();
  }
};

TEST_F(ManualExampleTest, EachExampleInputGivesTheMessageTheManualQuotes) {
  const std::vector<LanguageText> texts = LanguageTexts();
  int examples = 0;
  for (const QString& message : QuotedMessages()) {
    const LanguageText* t = TextOf(texts, message);
    if (!t || t->prefix != "KSL" || t->placeholders != 2) continue;
    SCOPED_TRACE(message.toStdString());
    const auto named = t->pattern.match(message);
    const QString caption = named.captured(1), typed = named.captured(2);
    ChooseCase(100);
    FillInputs({{"EI", "21000"}, {"L", "6"}, {"W0", "12"}, {"X", "2.5"}});
    int row = -1;
    for (int r = 0; r < F().Model().InputRows(Tab()); ++r)
      if (F().Label1[Index(r)]->Caption().trimmed() == caption) row = r;
    ASSERT_GE(row, 0) << "case 100 has no row " << caption.toStdString();
    QApplication::clipboard()->setText(typed);
    Box(row)->selectAll();
    qt_test::Key(Box(row), Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
    ASSERT_EQ(Text(row), typed);
    messages_.messages.clear();
    Calculate();
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].prompt.simplified().toStdString(), message.toStdString());
    EXPECT_FALSE(GraphAndReportOn());
    ++examples;
  }
  EXPECT_GE(examples, 2);
}

// Every name the formula sources use has a row in the table of symbols.
TEST_F(ManualTest, ExplainsEverySymbolTheFormulasUse) {
  const QString text = QString::fromUtf8(RunTool("pdftotext", {"-layout", Manual(), "-"}));
  const qsizetype start = text.lastIndexOf("Symbols in the formulas");  // not the contents
  ASSERT_GE(start, 0);
  QSet<QString> explained;  // the first column: "MA, MB"
  for (const QString& line : text.mid(start, text.indexOf('\f', start) - start).split('\n'))
    for (const QString& s : line.trimmed().section(QRegularExpression("\\s{2,}"), 0, 0).split(", "))
      explained.insert(s);
  for (const auto& c : formula_check::ReadAllSources()) {
    std::vector<std::string> names = {"y", "theta", "M", "V"};
    formulas::NamesUsed(c, names);
    for (const auto& f : c.names) names.push_back(f.name);
    for (const auto& in : c.intervals)
      for (const auto& f : in.names) names.push_back(f.name);
    for (const std::string& name : std::set<std::string>(names.begin(), names.end())) {
      QString shown = QString::fromStdString(name).replace("theta", "θ").replace("EI", "E·I");
      EXPECT_TRUE(explained.contains(shown)) << c.code << ": " << name;
    }
  }
}

// The beam and formula pictures are drawn into the PDF as lines and text,
// sharp at any resolution, which keeps the manual small.
TEST_F(ManualTest, IsSmallWithItsPicturesDrawnAsVectorGraphics) {
  EXPECT_LE(QFileInfo(Manual()).size(), 3000000);
  const QStringList list = QString::fromUtf8(RunTool("pdfimages", {"-list", Manual()})).split('\n');
  ASSERT_GE(list.size(), 2) << "pdfimages is missing or failed";
  for (const QString& line : list.mid(2))
    EXPECT_TRUE(line.trimmed().isEmpty()) << line.toStdString();
}

// Two pages rendered as a reader sees them: the first page of text and the
// page of case 100, whose beam picture shows its blue load.
TEST_F(ManualTest, PagesRenderWithTheirPictures) {
  const QStringList texts =
      QString::fromUtf8(RunTool("pdftotext", {"-layout", Manual(), "-"})).split('\f');
  int casePage = 0;  // not the contents, which name it too
  for (int k = 1; k < texts.size() && casePage == 0; ++k)
    if (texts[k].contains("Case 100:")) casePage = k + 1;
  ASSERT_GT(casePage, 1);
  const QString out = qt_test::BuildFolder() + "/manual_page";
  for (int page : {1, casePage})
    ASSERT_FALSE(
        RunTool("pdftoppm", {"-r", "80", "-png", "-singlefile", "-f", QString::number(page), "-l",
                             QString::number(page), Manual(), out + QString::number(page)})
            .isNull())
        << page;
  auto darkAndBlue = [](const QImage& page, int& dark, int& blue) {
    dark = blue = 0;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x) {
        const QColor c = page.pixelColor(x, y);
        if (c.value() < 100) ++dark;
        if (c.blue() > c.red() + 25 && c.blue() > 200) ++blue;  // a load's light blue fill
      }
  };
  int dark = 0, blue = 0;
  const QImage text(out + "1.png"), cases(out + QString::number(casePage) + ".png");
  ASSERT_FALSE(text.isNull());
  ASSERT_FALSE(cases.isNull());
  darkAndBlue(text, dark, blue);
  EXPECT_GT(dark, 5000);  // a page full of text
  darkAndBlue(cases, dark, blue);
  EXPECT_GT(blue, 2000);  // a beam under a distributed load
}

}  // namespace
