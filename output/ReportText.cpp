#include "output/ReportText.h"

#include <QRandomGenerator>
#include <cmath>

#include "engine/Vigas.h"
#include "graphs/Mini_HTFC_rut.h"

namespace report {

namespace S = Vigas::Slot;

namespace {

// A slot holding anything but the no-value marker.
bool SlotFilled(const ReportData& d, int slot) {
  return std::fabs(d.Datos[slot]) != Vigas::SinValor;
}

QString Fmt(double v) {
  return QString::fromStdString(Mini_HTFC_rut::FormatoNumeroHTFC(v, 0));
}

// Suffix of row r for the sign of v: column 0 negative, 1 zero, 2 positive.
QString Sign(const ReportData& d, int row, double v) {
  const int col = v < 0 ? 0 : (v > 0 ? 2 : 1);
  return d.Signo[row][col];
}

QString Unit(const ReportData& d, int kind) {
  return d.Unidad[kind];
}

// A length in the display unit: number, blank, unit.
QString Length(const ReportData& d, double si) {
  return Fmt(si * d.Factor[1]) + " " + Unit(d, 1);
}

// One of the four quantities of the results.
struct Quantity {
  const char* heading;  // key of the block heading
  const char* symbol;
  int min, max, xOfMax;
  int at[4];  // A, B, C, D
  int atX;
  int unit;  // 0: slope, shown as stored without a unit
  int signRow;
  const char* column;  // column title, used in the value-at-x line
};

const Quantity kQuantities[4] = {
    {"Deflection_Deform",
     "&+Iy&-I",
     S::Ymin,
     S::Ymax,
     S::xYmax,
     {S::Ya, S::Yb, S::Yc, S::Yd},
     S::Y,
     2,
     3,
     "Deflection"},
    {"Slope2",
     "&+I&theta&-I",
     S::ThetaMin,
     S::ThetaMax,
     S::xThetaMax,
     {S::ThetaA, S::ThetaB, S::ThetaC, S::ThetaD},
     S::Theta,
     0,
     2,
     "Slope"},
    {"BendMom2",
     "&+IM&-I",
     S::MMin,
     S::Mmax,
     S::xMMax,
     {S::Ma, S::Mb, S::Mc, S::Md},
     S::M,
     5,
     1,
     "BendMom"},
    {"ShearF2",
     "&+IV&-I",
     S::VMin,
     S::Vmax,
     S::xVMax,
     {S::Va, S::Vb, S::Vc, S::Vd},
     S::V,
     3,
     0,
     "ShearF"},
};

QString ValueText(const ReportData& d, int unit, int signRow, double si) {
  if (unit == 0) return Fmt(si) + Sign(d, signRow, si);
  const double v = si * d.Factor[unit];
  return Fmt(v) + " " + Unit(d, unit) + Sign(d, signRow, v);
}

// Values at A, B, C and D: two lines, each piece only when its slot has a
// value.
QString PointLines(const ReportData& d, const QString& symbol, const int (&pts)[4], int unit,
                   int signRow) {
  QString out;
  if (SlotFilled(d, pts[0]))
    out += "&SP=4:" + symbol + "_A = " + ValueText(d, unit, signRow, d.Datos[pts[0]]) + "    ";
  if (SlotFilled(d, pts[1]))
    out += symbol + "_B = " + ValueText(d, unit, signRow, d.Datos[pts[1]]) + ".&LF";
  if (SlotFilled(d, pts[2]))
    out += "&SP=4:" + symbol + "_C = " + ValueText(d, unit, signRow, d.Datos[pts[2]]) + "    ";
  if (SlotFilled(d, pts[3]))
    out += symbol + "_D = " + ValueText(d, unit, signRow, d.Datos[pts[3]]) + ".&LF";
  return out;
}

// The block of one quantity ("" when none of its seven slots has a value)
// and, apart, its line of the value at x.
void QuantityBlock(const ReportData& d, const Quantity& q, const TextLookup& text, QString& block,
                   QString& atX) {
  const QString sym = QString::fromUtf8(q.symbol);
  block.clear();
  atX.clear();
  bool any = SlotFilled(d, q.atX) || SlotFilled(d, q.min) || SlotFilled(d, q.max);
  for (int s : q.at) any = any || SlotFilled(d, s);
  if (any) {
    block = "    " + text(q.heading) + ":&LF";
    if (SlotFilled(d, q.min) && SlotFilled(d, q.max)) {
      double mn = d.Datos[q.min];
      double mx = d.Datos[q.max];
      // The value of larger magnitude; a tie, to rounding, keeps the maximum.
      if (Vigas::SmallerMagnitude(mx, mn)) Vigas::Intercambiar(mn, mx);
      block += "&SP=4:" + sym + "_M_A_X = " + ValueText(d, q.unit, q.signRow, mx);
      if (SlotFilled(d, q.xOfMax))
        block += "  " + text("atx") + "  &+Ix = &-I" + Length(d, d.Datos[q.xOfMax]);
      block += ".&LF";
    }
    block += PointLines(d, sym, q.at, q.unit, q.signRow) + "&LF";
  }
  if (SlotFilled(d, q.atX) && SlotFilled(d, S::x)) {
    // The slope's title is shorter: two blanks keep the column.
    const QString gap = q.unit == 0 ? "  " : " ";
    atX = "&SP=4:" + text(q.column) + gap + "&SP=30:" + sym + " = " +
          ValueText(d, q.unit, q.signRow, d.Datos[q.atX]) + ".&LF";
  }
}

QString Reactions(const ReportData& d, const TextLookup& text) {
  const int r[4] = {S::Ra, S::Rb, S::Rc, S::Rd};
  bool any = false;
  for (int s : r) any = any || SlotFilled(d, s);
  if (!any) return QString();
  return "    " + text("ReactionsF") + ":&LF" + PointLines(d, "&+IR&-I", r, 3, 6) + "&LF";
}

// Rows 1, 5, 9, ..., 61 and 64 of three columns.
QString TableRows(const double* a, const double* b, const double* c) {
  QString out;
  for (int i = 1; i <= 64; i = (i == 61 ? 64 : i + 4)) {
    out += "&SP=2:" + Fmt(a[i]) + "&SP=30:" + Fmt(b[i]) + "&SP=60:" + Fmt(c[i]) + "&LF";
    if (i == 64) break;
  }
  const QString rule = "#SEG(" + QString(30, ' ') + "#SEG)";
  out += "&SP=2:" + rule + "&SP=30:" + rule + "&SP=60:" + rule + "&LF";
  return out;
}

QString DataLine(const QString& label, const QString& symbol, double value, const QString& unit) {
  return "&SP=2:" + label + ":&SP=25:&+I" + symbol + " = &-I " + Fmt(value) + " " + unit;
}

}  // namespace

ReportData ReportDataFromEngine(const QString& caseTitle) {
  ReportData d;
  std::copy(std::begin(Vigas::Datos), std::end(Vigas::Datos), d.Datos);
  for (int k = 0; k < Vigas::kNumKinds; ++k) {
    d.Unidad[k] = QString::fromStdString(Vigas::UnidadSelHTFC[k]);
    d.Factor[k] = Vigas::FactorUnidad[k];
  }
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 3; ++c) d.Signo[r][c] = QString::fromStdString(Vigas::SimboloSigno[r][c]);
  d.TituloCaso = caseTitle;
  d.CodigoCaso = Vigas::CurrentCaseCode();
  return d;
}

QString ReportTable1(const ReportData& d, const ReportTables& t, const TextLookup& text) {
  return "&SP=2:#UDL(" + text("Position") + " &+Ix&-I  (" + Unit(d, 1) + ")  #UDL)&SP=30:#UDL(" +
         text("Deflection") + " &+Iy&-I (" + Unit(d, 2) + ")  #UDL)&SP=60:#UDL(" + text("Slope") +
         " &+I&theta&-I           #UDL)&LF" + TableRows(t.x, t.y, t.theta);
}

QString ReportTable2(const ReportData& d, const ReportTables& t, const TextLookup& text) {
  return "&SP=2:#UDL(" + text("Position") + " &+Ix&-I (" + Unit(d, 1) + ")  #UDL)&SP=30:#UDL(" +
         text("BendMom") + " &+IM&-I (" + Unit(d, 5) + ")  #UDL)&SP=60:#UDL(" + text("ShearF") +
         " &+IV&-I (" + Unit(d, 3) + ")  #UDL)&LF" + TableRows(t.x, t.m, t.v);
}

QString ReportStatement(const ReportData& d, const TextLookup& text) {
  QString out = "&+B" + d.TituloCaso + "&-B&LF" + text("ENU0");
  for (const char* key : {"ENU1", "ENU2", "ENU3"}) out += "    - " + text(key) + ".&LF";
  out.replace("%X%", "&+Ix = &-I " + Length(d, d.Datos[S::x]));
  return out;
}

QString ReportDataLines(const ReportData& d, const TextLookup& text) {
  const double* D = d.Datos;
  const double* f = d.Factor;
  QString out = "&+B" + text("Data") + ":&-B&LF";
  out += DataLine(text("FlexRig"), QString::fromUtf8("E\u00B7I"), D[S::EI] * f[6], Unit(d, 6)) +
         ".&LF";
  out += DataLine(text("Length"), "L", D[S::L] * f[1], Unit(d, 1)) + ".&LF";
  const char* distances[4] = {"a", "b", "c", "d"};
  for (int i = 0; i < 4; ++i)
    if (SlotFilled(d, S::a + i))
      out += DataLine(text("Distance"), distances[i], D[S::a + i] * f[1], Unit(d, 1)) + "&LF";
  const char* loads[3] = {"w_0", "w_1", "w_2"};
  for (int i = 0; i < 3; ++i)
    if (SlotFilled(d, S::w0 + i)) {
      const double v = D[S::w0 + i] * f[4];
      out += DataLine(text("DistriLoad"), loads[i], v, Unit(d, 4)) + Sign(d, 5, v) + "&LF";
    }
  const char* points[3] = {"P", "P_1", "P_2"};
  for (int i = 0; i < 3; ++i)
    if (SlotFilled(d, S::P + i)) {
      const double v = D[S::P + i] * f[3];
      out += DataLine(text("ConcenLoad"), points[i], v, Unit(d, 3)) + Sign(d, 5, v) + "&LF";
    }
  // A couple is written as entered; its sense shows only in the suffix.
  auto couple = [&](const char* symbol, int slot, int mark, const QString& ending) {
    if (!SlotFilled(d, slot) || !SlotFilled(d, mark)) return;
    const double v = D[slot] * f[5];
    out += DataLine(text("CoupleMome"), symbol, v, Unit(d, 5)) + Sign(d, 4, D[mark] * v) + ending;
  };
  couple("M_0", S::M0, S::sM0, "&LF");
  couple("M_0", S::M0, S::sM0A, " (" + text("at_point") + " A)&LF");
  couple("M_0", S::M0, S::sM0B, " (" + text("at_point") + " B)&LF");
  couple("M_1", S::M1, S::sM1, "&LF");
  couple("M_2", S::M2, S::sM2, "&LF");
  out += DataLine(text("Position"), "x", D[S::x] * f[1], Unit(d, 1)) + "&LF";

  const double lo = SlotFilled(d, S::xL) ? -std::fabs(D[S::xL]) : 0;
  const double hi = SlotFilled(d, S::xR) ? D[S::L] + std::fabs(D[S::xR]) : D[S::L];
  out += "&SP=25:" + Length(d, lo) + "  &<=  &+Ix&-I  &<=  " + Length(d, hi) + "&LF";
  return out;
}

QString ReportSolution(const ReportData& d, const TextLookup& text) {
  QString solution;
  QString atX[4];
  for (int i = 0; i < 4; ++i) {
    QString block;
    QuantityBlock(d, kQuantities[i], text, block, atX[i]);
    solution += block;
  }
  solution += Reactions(d, text);
  const bool anyAtX = !(atX[0] + atX[1] + atX[2] + atX[3]).isEmpty();
  if (SlotFilled(d, S::x) && anyAtX) {
    solution += text("atxWeObtain") + ":&LF";
    solution.replace("%X%", "&+Ix = &-I" + Length(d, d.Datos[S::x]));
    for (const QString& line : atX) solution += line;
  }
  return solution;
}

ReportSections BuildReportSections(const ReportData& d, const ReportTables& t,
                                   const QString (&jpg)[4], const QString& formulas,
                                   const TextLookup& text) {
  const QString beam =
      "&SP=5:#IMG('h" + QString::number(d.CodigoCaso) + ".jpg'DXmm=81:DYmm=38.25:#IMG)&LF";
  QString graphs;
  for (int i = 0; i < 4; ++i) {
    graphs += "&SP=2:#IMG('" + jpg[i] + "'DXmm=162:DYmm=90:#IMG)&LF&LF";
    if (i == 0) graphs += ReportTable1(d, t, text);
    if (i == 1) graphs += ReportTable2(d, t, text);
  }
  ReportSections s;
  s.ENUN = ReportStatement(d, text) + beam + ReportDataLines(d, text);
  s.SOLU = ReportSolution(d, text);
  s.RESOL1 =
      "&+B" + text("Formulae") + ":&-B&LF" + formulas + text("SubstituteObtain") + ":&LF" + graphs;
  s.RESOL2 = s.RESOL1;
  return s;
}

QString ReportTimeStamp(const QDateTime& when) {
  const QDate day = when.date();
  const QTime time = when.time();
  QString s;
  for (int part : {day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second()})
    s += QString::number(part);
  return s;
}

void ReportPictureNames(const QDateTime& when, QString (&bmp)[4], QString (&jpg)[4]) {
  const QString stamp = ReportTimeStamp(when);
  const char letters[4] = {'y', 't', 'm', 'v'};
  for (int i = 0; i < 4; ++i) {
    const int r = static_cast<int>(QRandomGenerator::global()->bounded(10000, 20000));
    bmp[i] = QChar(letters[i]) + stamp + QString::number(r) + ".bmp";
    jpg[i] = JpegName(bmp[i]);
  }
}

QString JpegName(const QString& bmpName) {
  QString j = bmpName;
  j.replace(".bmp", ".jpg");
  return j;
}

}  // namespace report
