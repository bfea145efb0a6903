// The report text: tables, statement, data lines, result blocks and the
// sections, against worked examples.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>

#include "engine/Vigas.h"
#include "output/ReportText.h"

using namespace report;
namespace S = Vigas::Slot;

namespace {

const double kNone = Vigas::SinValor;

// Language texts: the key itself, except the sentences that hold "%X%".
QString Text(const QString& key) {
  if (key == "ENU3") return "Find all at %X%";
  if (key == "atxWeObtain") return "At %X% we get";
  return key;
}

class ReportTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Vigas::IniciarSimbolosSigno();
    Vigas::NumDigitos = 4;
    for (double& v : d.Datos) v = kNone;
    const char* units[7] = {"", "m", "mm", "N", "N/m", "N\u00B7m", "N\u00B7m^2"};
    for (int k = 0; k < 7; ++k) {
      d.Unidad[k] = QString::fromUtf8(units[k]);
      d.Factor[k] = 1;
    }
    d.Factor[2] = 1000;  // deflections in millimetres
    for (int r = 0; r < 7; ++r)
      for (int c = 0; c < 3; ++c) d.Signo[r][c] = QString::fromStdString(Vigas::SimboloSigno[r][c]);
    d.TituloCaso = "Simply supported - Uniform load";
    d.CodigoCaso = 107;
    d.Datos[S::EI] = 2e7;
    d.Datos[S::L] = 5;
    d.Datos[S::x] = 2;
  }
  ReportData d;
  TextLookup text = Text;
};

TEST_F(ReportTextTest, TablesListSeventeenSampledRowsUnderUnderlinedHeadings) {
  ReportTables t;
  for (int i = 1; i <= 64; ++i) {
    t.x[i] = i;
    t.y[i] = -i / 100.0;
    t.theta[i] = 0.5;
    t.m[i] = 1000 * i;
    t.v[i] = -2 * i;
  }
  const QString t1 = ReportTable1(d, t, text);
  EXPECT_TRUE(t1.startsWith(
      "&SP=2:#UDL(Position &+Ix&-I  (m)  #UDL)&SP=30:#UDL(Deflection &+Iy&-I (mm)  #UDL)"
      "&SP=60:#UDL(Slope &+I&theta&-I           #UDL)&LF"));
  const QStringList lines = t1.split("&LF", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1 + 17 + 1);
  EXPECT_EQ(lines[1], "&SP=2:1&SP=30:-0&.01&SP=60:0&.5");
  EXPECT_EQ(lines[2], "&SP=2:5&SP=30:-0&.05&SP=60:0&.5");
  EXPECT_EQ(lines[16], "&SP=2:61&SP=30:-0&.61&SP=60:0&.5");
  EXPECT_EQ(lines[17], "&SP=2:64&SP=30:-0&.64&SP=60:0&.5");
  const QString rule = "#SEG(" + QString(30, ' ') + "#SEG)";
  EXPECT_EQ(lines[18], "&SP=2:" + rule + "&SP=30:" + rule + "&SP=60:" + rule);

  const QString t2 = ReportTable2(d, t, text);
  EXPECT_TRUE(t2.startsWith(
      "&SP=2:#UDL(Position &+Ix&-I (m)  #UDL)&SP=30:#UDL(BendMom &+IM&-I (N\u00B7m)  #UDL)"
      "&SP=60:#UDL(ShearF &+IV&-I (N)  #UDL)&LF"));
  EXPECT_TRUE(t2.contains("&SP=2:64&SP=30:64000&SP=60:-128&LF"));
}

TEST_F(ReportTextTest, StatementPutsThePositionIntoTheTasks) {
  EXPECT_EQ(ReportStatement(d, text),
            "&+BSimply supported - Uniform load&-B&LFENU0"
            "    - ENU1.&LF    - ENU2.&LF    - Find all at &+Ix = &-I 2 m.&LF");
}

TEST_F(ReportTextTest, DataLinesWithLoadsCouplesAndTheRangeOfX) {
  d.Datos[S::a] = 1.5;
  d.Datos[S::w0] = -1500;
  d.Datos[S::P] = 300;
  // A couple entered as 5 whose sense mark is -1, and a couple at A.
  d.Datos[S::M1] = 5;
  d.Datos[S::sM1] = -1;
  d.Datos[S::M0] = 2;
  d.Datos[S::sM0A] = 1;
  const QString s = ReportDataLines(d, text);
  const QStringList l = s.split("&LF", Qt::SkipEmptyParts);
  ASSERT_EQ(l.size(), 10) << s.toStdString();
  EXPECT_EQ(l[0], "&+BData:&-B");
  EXPECT_EQ(l[1], "&SP=2:FlexRig:&SP=25:&+IE\u00B7I = &-I 2&.00&E7 N\u00B7m^2.");
  EXPECT_EQ(l[2], "&SP=2:Length:&SP=25:&+IL = &-I 5 m.");
  EXPECT_EQ(l[3], "&SP=2:Distance:&SP=25:&+Ia = &-I 1&.5 m");
  EXPECT_EQ(l[4], "&SP=2:DistriLoad:&SP=25:&+Iw_0 = &-I -1500 N/m (&aus)");
  EXPECT_EQ(l[5], "&SP=2:ConcenLoad:&SP=25:&+IP = &-I 300 N (&ads)");
  // No plain M_0 line: only the couple at point A.
  EXPECT_EQ(l[6], "&SP=2:CoupleMome:&SP=25:&+IM_0 = &-I 2 N\u00B7m (&ads&aus) (at_point A)");
  EXPECT_EQ(l[7], "&SP=2:CoupleMome:&SP=25:&+IM_1 = &-I 5 N\u00B7m (&aus&ads)");
  EXPECT_EQ(l[8], "&SP=2:Position:&SP=25:&+Ix = &-I 2 m");
  EXPECT_EQ(l[9], "&SP=25:0 m  &<=  &+Ix&-I  &<=  5 m");
}

TEST_F(ReportTextTest, OverhangsWidenTheRangeLine) {
  d.Datos[S::xL] = 1;
  EXPECT_TRUE(ReportDataLines(d, text).endsWith("&SP=25:-1 m  &<=  &+Ix&-I  &<=  5 m&LF"));
  d.Datos[S::xL] = kNone;
  d.Datos[S::xR] = -2;
  EXPECT_TRUE(ReportDataLines(d, text).endsWith("&SP=25:0 m  &<=  &+Ix&-I  &<=  7 m&LF"));
}

TEST_F(ReportTextTest, MaximumIsTheValueOfLargerMagnitudeWithItsSign) {
  d.Datos[S::Ymin] = -0.003;
  d.Datos[S::Ymax] = 0.002;
  d.Datos[S::xYmax] = 2.5;
  QString s = ReportSolution(d, text);
  EXPECT_TRUE(
      s.startsWith("    Deflection_Deform:&LF&SP=4:&+Iy&-I_M_A_X = -3 mm (&ads)  atx  "
                   "&+Ix = &-I2&.5 m.&LF&LF"))
      << s.toStdString();
  d.Datos[S::Ymin] = -0.002;
  d.Datos[S::xYmax] = kNone;
  s = ReportSolution(d, text);
  EXPECT_TRUE(s.contains("&SP=4:&+Iy&-I_M_A_X = 2 mm (&aus).&LF")) << s.toStdString();
}

TEST_F(ReportTextTest, SolutionBlocksReactionsAndValuesAtX) {
  d.Datos[S::Y] = -0.001;
  d.Datos[S::Ya] = 0;
  d.Datos[S::Yb] = 0;
  d.Datos[S::Yc] = -0.002;
  d.Datos[S::Theta] = 0.0125;  // slope: at x only
  d.Datos[S::M] = 1200;
  d.Datos[S::Ra] = 750;
  d.Datos[S::Rb] = 750;
  const QString s = ReportSolution(d, text);
  const QString expected =
      "    Deflection_Deform:&LF"
      "&SP=4:&+Iy&-I_A = 0 mm    &+Iy&-I_B = 0 mm.&LF"
      "&SP=4:&+Iy&-I_C = -2 mm (&ads)    &LF"
      "    Slope2:&LF&LF"
      "    BendMom2:&LF&LF"
      "    ReactionsF:&LF"
      "&SP=4:&+IR&-I_A = 750 N (&aus)    &+IR&-I_B = 750 N (&aus).&LF&LF"
      "At &+Ix = &-I2 m we get:&LF"
      "&SP=4:Deflection &SP=30:&+Iy&-I = -1 mm (&ads).&LF"
      "&SP=4:Slope  &SP=30:&+I&theta&-I = 0&.0125 (/).&LF"
      "&SP=4:BendMom &SP=30:&+IM&-I = 1200 N\u00B7m ( &union ).&LF";
  EXPECT_EQ(s, expected);
  // The shear force has no value anywhere: no block, no line.
  EXPECT_FALSE(s.contains("ShearF"));
}

TEST_F(ReportTextTest, WithoutXTheSolutionEndsWithTheReactionsAndKeepsThePlaceholder) {
  d.Datos[S::x] = kNone;
  d.Datos[S::Y] = -0.001;
  d.Datos[S::Ra] = 1;
  QString (*placeholder)(const QString&) = [](const QString& key) -> QString {
    return key == "ReactionsF" ? "Reactions %X%" : Text(key);
  };
  const QString s = ReportSolution(d, placeholder);
  EXPECT_EQ(s,
            "    Deflection_Deform:&LF&LF    Reactions %X%:&LF&SP=4:&+IR&-I_A = 1 N (&aus)    &LF");
}

TEST_F(ReportTextTest, SectionsHoldStatementSolutionAndTwiceTheGraphs) {
  d.Datos[S::Y] = -0.001;
  ReportTables t;
  const QString jpg[4] = {"y1.jpg", "t1.jpg", "m1.jpg", "v1.jpg"};
  const ReportSections s = BuildReportSections(d, t, jpg, "F1&LF", text);
  EXPECT_TRUE(s.ENUN.contains("&LF&SP=5:#IMG('h107.jpg'DXmm=81:DYmm=38.25:#IMG)&LF&+BData:&-B&LF"));
  EXPECT_EQ(s.RESOL1, s.RESOL2);
  EXPECT_TRUE(
      s.RESOL1.startsWith("&+BFormulae:&-B&LFF1&LFSubstituteObtain:&LF"
                          "&SP=2:#IMG('y1.jpg'DXmm=162:DYmm=90:#IMG)&LF&LF"
                          "&SP=2:#UDL(Position"));
  const int slope = s.RESOL1.indexOf("#IMG('t1.jpg'");
  const int table2 = s.RESOL1.indexOf("#UDL(BendMom");
  const int moment = s.RESOL1.indexOf("#IMG('m1.jpg'");
  EXPECT_TRUE(slope < table2 && table2 < moment);
  EXPECT_TRUE(s.RESOL1.endsWith("&SP=2:#IMG('v1.jpg'DXmm=162:DYmm=90:#IMG)&LF&LF"));
  EXPECT_FALSE(s.SOLU.contains("#IMG("));
  EXPECT_FALSE(s.SOLU.contains("Formulae"));
}

TEST(ReportNames, TimeStampAndPictureNames) {
  const QDateTime when(QDate(2026, 3, 5), QTime(9, 7, 3));
  EXPECT_EQ(ReportTimeStamp(when), "202635973");
  QString bmp[4], jpg[4];
  ReportPictureNames(when, bmp, jpg);
  const char letters[] = "ytmv";
  for (int i = 0; i < 4; ++i) {
    const QRegularExpression form(QString("^") + letters[i] + "202635973(1\\d{4})\\.bmp$");
    EXPECT_TRUE(form.match(bmp[i]).hasMatch()) << bmp[i].toStdString();
    EXPECT_EQ(jpg[i], bmp[i].left(bmp[i].size() - 4) + ".jpg");
  }
}

}  // namespace
