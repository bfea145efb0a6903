// The saved and copied table is data: text in the system's encoding (UTF-8)
// whose cells a standard number parser reads, with whole column titles and
// Greek letters as themselves. The graphs are those of a real case.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "TableTestSupport.h"
#include "graphs/Graficas.h"
#include "output/FormTabla.h"
#include "output/OutputState.h"
#include "platform/DrawTarget.h"
#include "support/UniformLoadCase.h"

using output_test::OneAnswerDialog;
using output_test::OutputTest;

namespace {

namespace S = Vigas::Slot;

// Case 100 (EI 2e7 N·m², L 4 m, uniform load 1500 N/m): the deflection is
// negative all along, down to -5wL^4/384EI = -0.25 mm at midspan.
class TableFileTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    Vigas::IniciarVariables();
    Vigas::IniciarUnidades(Vigas::kDefaultUnitChoice);
    uniform_load::LoadInputs(1);
    Vigas::CalcularCaso(100, true);
    Vigas::Datos[S::Ymin] = -2.5e-4;
    Vigas::Datos[S::Ymax] = 0;
    Vigas::Datos[S::ThetaMin] = -2e-4;
    Vigas::Datos[S::ThetaMax] = 2e-4;
    Vigas::FlagError = 0;
    CodigoCaso = "100";
    SetCaseTitleSource([](int) { return QStringLiteral("Simply supported - Uniform load"); });
    UltimaCarpetaTabla.clear();
  }
  void TearDown() override {
    SetCaseTitleSource({});
    Vigas::TipoViga = 0;
    OutputTest::TearDown();
  }
  // The graph of the type drawn as the graph window draws it, which leaves
  // its 64 points for the table.
  static void Graph(int type) {
    TipoGrafica = static_cast<int16_t>(type);
    PrepararGrafica();
    ASSERT_EQ(Vigas::FlagError, 0);
    platform::PictureTarget picture(1080, 600);
    picture.SetFontName("Arial");
    picture.SetFontSize(10);
    DibujarGrafica(picture, true);
  }
  // The table saved through the window, as bytes.
  QByteArray Saved(FormTabla& w, const QString& name) {
    const QString path = TempPath(name);
    OneAnswerDialog dialog(path);
    w.mnu_archivo_saveas_Click();
    QFile f(path + ".txt");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

// Each blank-separated cell of a line read with std::from_chars, which must
// take the whole cell.
std::vector<double> Cells(const std::string& line) {
  std::vector<double> out;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    size_t j = i;
    while (j < line.size() && line[j] != ' ') ++j;
    if (j > i) {
      double v = 0;
      const auto [end, ec] = std::from_chars(line.data() + i, line.data() + j, v);
      EXPECT_TRUE(ec == std::errc() && end == line.data() + j)
          << "cell \"" << line.substr(i, j - i) << "\" of \"" << line << "\"";
      out.push_back(v);
    }
    i = j;
  }
  return out;
}

TEST_F(TableFileTest, ANegativeDeflectionSavesAsNumbersAStandardParserReads) {
  Graph(1);
  FormTabla w;
  const QByteArray bytes = Saved(w, "deflection");
  ASSERT_FALSE(bytes.isEmpty());
  const QStringList lines = QString::fromUtf8(bytes).split("\r\n");
  ASSERT_EQ(lines.size(), 72);  // 71 lines, each ending in CR LF
  // The column titles whole, the first followed by a blank.
  EXPECT_TRUE(lines[4].startsWith("Position x (m) Deflection y (m)")) << lines[4].toStdString();
  const int width = static_cast<int>(lines[4].size());
  EXPECT_EQ(lines[3], QString(width, u'='));
  EXPECT_EQ(lines[70], QString(width, u'='));

  double lowest = 0;
  for (int i = 1; i <= 64; ++i) {
    const std::string row = lines[5 + i].toStdString();
    EXPECT_EQ(row.find_first_not_of(" 0123456789.-E"), std::string::npos) << row;
    const std::vector<double> cells = Cells(row);
    ASSERT_EQ(cells.size(), 2u) << row;
    // Four significant digits of the graph's own points.
    EXPECT_NEAR(cells[0], PuntosX[i], 5e-4 * std::fabs(PuntosX[i]) + 1e-12) << row;
    EXPECT_NEAR(cells[1], PuntosY[i], 5e-4 * std::fabs(PuntosY[i]) + 1e-12) << row;
    EXPECT_LE(cells[1], 0) << row;
    lowest = std::min(lowest, cells[1]);
  }
  // The hand-worked midspan deflection, within the table's rounding and the
  // samples' 32 mm from the middle.
  EXPECT_NEAR(lowest, -2.5e-4, 1e-6);

  qt_test::WriteBytes(qt_test::BuildFolder() + "/table_deflection.txt", bytes);
  w.show();
  qt_test::ProcessEvents();
  w.grab().save(qt_test::BuildFolder() + "/table_window_deflection.png");

  // The clipboard gets the same text.
  w.mnu_edicion_copiar_Click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(bytes));
}

TEST_F(TableFileTest, GreekLettersAreThemselvesInUtf8AndTitlesAreNeverCut) {
  Graph(2);
  FormTabla w;
  const QByteArray bytes = Saved(w, "slope");
  // θ is U+03B8: the two bytes CE B8; never the symbol font's "q".
  EXPECT_TRUE(bytes.contains("Slope \xCE\xB8")) << bytes.left(300).toStdString();
  EXPECT_FALSE(bytes.contains("Slope q"));
  // Nothing of Windows-1252 is left: the text is valid UTF-8 throughout.
  EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes);
  EXPECT_FALSE(bytes.contains('\x96'));

  // With 12 digits the columns are wide enough for the titles already.
  Vigas::NumDigitos = 12;
  FormTabla wide;
  const QStringList lines = wide.TextoTabla.split("\r\n");
  EXPECT_EQ(lines[4], "Position x (m)      Slope " + QString(QChar(0x03B8)) + "             ");
  EXPECT_EQ(lines[3], QString(40, u'='));
}

}  // namespace
