// The formula files the build writes beside the program: a text in the
// report's code page and line ends and a GIF picture for each of the 54
// cases, shown by the main window at its default size and placed in the
// report by its formula block.
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include "FormulaCheck.h"
#include "graphs/Mini_HTFC_rut.h"
#include "htf/FormulaMarkup.h"
#include "htf/FormulaPicture.h"
#include "mainwin/CalcTestSupport.h"
#include "output/ReportFiles.h"
#include "output/ReportViewer.h"
#include "platform/LanguageTable.h"
#include "platform/TextFile.h"

namespace {

const QString kProgramFolder = QStringLiteral(TORV_PROGRAM_FOLDER);
// The beam picture above the formulas in the formula panel.
constexpr int kBeamPictureHeight = 217;

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString FormulaFile(int code) {
  return kProgramFolder + "/htf/f" + QString::number(code) + ".htf";
}
QString FormulaPictureFile(int code) {
  return kProgramFolder + "/img/F" + QString::number(code) + ".gif";
}

// Bytes that Windows-1252 leaves undefined, and control characters other
// than the line ends.
bool Windows1252Text(const QByteArray& bytes) {
  for (char ch : bytes) {
    const unsigned char b = static_cast<unsigned char>(ch);
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) return false;
    if (b < 0x20 && b != '\r' && b != '\n') return false;
  }
  return true;
}

bool CrLfLines(const QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
  }
  return bytes.endsWith("\r\n");
}

// Divisors shown without brackets that read as a product or quotient
// ("/E·I", "/2L"): a single letter, number or symbol with its indices is all
// that may follow "/" unbracketed.
QStringList UnbracketedProductDivisors(QString text) {
  static const QRegularExpression end(QStringLiteral("[ ),\r\n]")), index(QStringLiteral("[_^].")),
      single(QStringLiteral("^(\\d+(&\\.\\d+)?|[A-Za-z]|&[a-z]+)$"));
  text.remove(QStringLiteral("&+I")).remove(QStringLiteral("&-I"));
  QStringList found;
  for (qsizetype i = text.indexOf('/'); i >= 0; i = text.indexOf('/', i + 1)) {
    const QString divisor = text.mid(i + 1).section(end, 0, 0).remove(index);
    if (!text.mid(i + 1).startsWith('(') && !single.match(divisor).hasMatch()) found << divisor;
  }
  return found;
}

TEST(FormulaFiles, EachCaseHasItsCurrentTextInWindows1252WithCrLfLines) {
  const auto cases = formula_check::ReadAllSources();
  ASSERT_EQ(cases.size(), 54u);
  platform::SetResourceFolder(kProgramFolder);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const QByteArray bytes = ReadAll(FormulaFile(c.code));
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(Windows1252Text(bytes));
    EXPECT_TRUE(CrLfLines(bytes));
    EXPECT_FALSE(bytes.contains("\xC2\xB7")) << "the middle dot is one byte, 183";
    EXPECT_TRUE(bytes.contains('\xB7'));  // every case divides by E·I somewhere
    // Written from the sources as they are now.
    EXPECT_EQ(platform::DecodeWindows1252(bytes), QString::fromStdString(formulas::FormulaText(c)));
    // The same mark-up is drawn in the picture.
    const QStringList unbracketed = UnbracketedProductDivisors(platform::DecodeWindows1252(bytes));
    EXPECT_TRUE(unbracketed.isEmpty()) << unbracketed.join(" ").toStdString();
    // The report finds it under the case's code and gets one line per line.
    const QString forReport = report::LoadFormulasHTFC(c.code);
    EXPECT_EQ(forReport.count("&LF"), bytes.count("\r\n"));
    EXPECT_FALSE(forReport.contains('\r') || forReport.contains('\n'));
  }
  platform::SetResourceFolder(QString());
}

TEST(FormulaFiles, EachCaseHasAGifPictureThatFitsUnderTheBeamPicture) {
  for (int code : mainwin_test::AllCodes()) {
    SCOPED_TRACE(code);
    const QString path = FormulaPictureFile(code);
    const QByteArray bytes = ReadAll(path);
    EXPECT_TRUE(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"));
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "gif");
    const QImage picture = reader.read();
    ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
    EXPECT_LE(picture.width(), formulas::kPictureMaxWidth);
    EXPECT_LE(picture.height(), formulas::kPictureMaxHeight);
    // Black formulas on white, smoothed in greys.
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
    int dark = 0, coloured = 0;
    QSet<int> greys;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb p = picture.pixel(x, y);
        dark += qGray(p) < 100;
        coloured += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
        greys.insert(qGray(p));
      }
    EXPECT_GT(dark, 500);
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(greys.size(), 32);
  }
}

using mainwin_test::CalcTest;

class FormulaPanelTest : public CalcTest {};

// The main window at its default size shows every case's formula picture in
// the formula panel, with room left for the beam picture above it.
TEST_F(FormulaPanelTest, EveryCaseShowsItsFormulasWithRoomForTheBeamPicture) {
  FormMain& f = F();
  ASSERT_EQ(f.size(), QSize(1040, 734));
  platform::SetResourceFolder(kProgramFolder);  // the texts are loaded already
  for (int code : mainwin_test::AllCodes()) {
    SCOPED_TRACE(code);
    ChooseCase(code);
    const int t = code / 100;
    ASSERT_TRUE(f.HayFormula[t]);
    const QSize shown = f.ImgFOR[t]->Picture().size();
    EXPECT_EQ(shown, QImage(FormulaPictureFile(code)).size());
    EXPECT_LT(shown.height() + kBeamPictureHeight + 10, f.PicFOR[t]->Height());
    EXPECT_LE(shown.width(), f.PicFOR[t]->Width());
    EXPECT_TRUE(f.ImgFOR[t]->Visible());
  }
}

TEST_F(FormulaPanelTest, ScreenshotsOfOneCasePerSupportType) {
  platform::SetResourceFolder(kProgramFolder);
  for (int code : {103, 206, 303, 403, 500}) {
    ASSERT_TRUE(CalculateTypicalCase(code)) << code;
    EXPECT_TRUE(F().grab().save(mainwin_test::BuildFolder() +
                                QString("/formulas_tab%1.png").arg(code / 100)));
  }
}

// The report's formula block as the viewer lays it out.
TEST(FormulaFiles, ReportViewerShowsTheFormulaBlock) {
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  platform::SetResourceFolder(kProgramFolder);
  report::ReportFile r;
  r.RS1 = "&+BFormulae:&-B&LF" + report::LoadFormulasHTFC(403);
  platform::SetResourceFolder(QString());
  const report::ReportDocument document(r);
  EXPECT_GT(document.LineCount(), 20);  // one line for each of the 22 lines and more
  report::ReportPictures pictures({});
  report::ReportPagesView view;
  view.SetDocument(&document, &pictures);
  const QImage page = view.PageImage(0);
  ASSERT_FALSE(page.isNull());
  EXPECT_TRUE(page.save(qt_test::BuildFolder() + "/formulas_report_403.png"));
}

}  // namespace
