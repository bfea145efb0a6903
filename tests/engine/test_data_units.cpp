// Slot keys, sign suffixes and the unit tables with the stored unit choice.
#include <gtest/gtest.h>

#include "engine/Vigas.h"

using namespace Vigas;

TEST(SlotKeys, TableAndCaseBlindLookup) {
  IniciarVariables();
  EXPECT_EQ(NomDatos[5], "x");
  EXPECT_EQ(NomDatos[43], "MMin");
  EXPECT_EQ(NomDatos[44], "Mmax");
  EXPECT_EQ(NomDatos[29], "Ymin");
  for (int s : {2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14}) EXPECT_EQ(NomDatos[s], "-") << s;
  // Every named slot is found by its own key, and the Slot constants agree with the table.
  for (int i = 0; i < kNumSlots; ++i) {
    if (NomDatos[i] != "-") {
      EXPECT_EQ(IndiceDato(NomDatos[i]), i) << NomDatos[i];
    }
  }
  EXPECT_EQ(IndiceDato("X"), Slot::x);
  EXPECT_EQ(IndiceDato("W0"), Slot::w0);
  EXPECT_EQ(IndiceDato("y"), Slot::Y);
  EXPECT_EQ(IndiceDato("mmax"), Slot::Mmax);
  EXPECT_EQ(IndiceDato("#a"), Slot::a);  // the overhang input
  EXPECT_EQ(IndiceDato("##a"), -1);      // only one "#" is dropped
  EXPECT_EQ(IndiceDato("-"), -1);
  EXPECT_EQ(IndiceDato(""), -1);
  EXPECT_EQ(IndiceDato("Q"), -1);
  EXPECT_EQ(NomDatos[Slot::xVMax], "xVMax");
  EXPECT_EQ(NomDatos[Slot::sM0B], "sM0B");
}

TEST(SignSuffixes, ColumnBySignOfTheValue) {
  IniciarSimbolosSigno();
  auto suffix = [](int row, double v) { return SimboloSigno[row][(v > 0) - (v < 0) + 1]; };
  EXPECT_EQ(suffix(3, 0.0), "");
  EXPECT_EQ(suffix(3, -0.01), " (&ads)");
  EXPECT_EQ(suffix(6, 12.0), " (&aus)");
  EXPECT_EQ(suffix(5, 3.0), " (&ads)");
  EXPECT_EQ(SimboloSigno[2][0], " (\\)");
  for (int r = 0; r < 7; ++r) {
    EXPECT_EQ(SimboloSigno[r][1], "");
    EXPECT_EQ(SimboloSigno[r][0][0], ' ');
    EXPECT_EQ(SimboloSigno[r][2][0], ' ');
  }
  double a = 1, b = 2;
  Intercambiar(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
  Intercambiar(a, a);
  EXPECT_EQ(a, 2);
}

TEST(CaseCode, FormedFromTabAndRow) {
  EXPECT_TRUE(CasoExiste(3 * 100 + 5));
  EXPECT_TRUE(CasoExiste(1 * 100 + 20));
  int count = 0;
  for (int code = -5; code < 700; ++code) count += CasoExiste(code);
  EXPECT_EQ(count, 54);
  EXPECT_FALSE(CasoExiste(121));
  EXPECT_FALSE(CasoExiste(211));
  EXPECT_FALSE(CasoExiste(504));
}

TEST(Units, DefaultChoice) {
  IniciarUnidades(kDefaultUnitChoice);
  const int expected[7] = {0, 0, 6, 12, 18, 24, 30};
  for (int q = 0; q < kNumKinds; ++q) {
    EXPECT_EQ(IdxUnidad[q], expected[q]) << q;
    EXPECT_EQ(FactorUnidad[q], 1) << q;
  }
  EXPECT_EQ(UnidadSel[0], "");
  EXPECT_EQ(UnidadSel[6], "N\u00B7m\u00B2");
  EXPECT_EQ(UnidadSelHTFC[6], "N\u00B7m^2");
  EXPECT_EQ(UnidadSel[1], "m");
  EXPECT_EQ(TextoUnidadesActuales(), "000612182430");
}

TEST(Units, FactorsAreTheirFifteenDigitText) {
  IniciarUnidades(kDefaultUnitChoice);
  EXPECT_EQ(UnidadFactorTxt[1][4], "3.28083989501312");
  EXPECT_EQ(UnidadFactorTxt[1][5], "39.3700787401575");
  EXPECT_EQ(UnidadFactorTxt[3][16], ".101971621297793");
  EXPECT_EQ(UnidadFactorTxt[3][17], ".224808943099711");
  EXPECT_EQ(UnidadFactorTxt[4][22], ".0685217658567916");
  EXPECT_EQ(UnidadFactorTxt[4][23], ".00571014715473266");
  EXPECT_EQ(UnidadFactorTxt[5][28], ".737562149277266");
  EXPECT_EQ(UnidadFactorTxt[5][29], "8.85074579132716");
  EXPECT_EQ(UnidadFactorTxt[6][34], "348.454558713669");
  EXPECT_EQ(UnidadFactorTxt[6][40], "348.454558713669");
  EXPECT_EQ(UnidadFactorTxt[6][35], ".348454558713669");
  EXPECT_EQ(UnidadFactorTxt[3][15], "1E-09");
  EXPECT_EQ(UnidadNombre[1][3], "\u00B5m");
  EXPECT_EQ(UnidadNombre[6][35], "ksi\u00B7in^4");
  EXPECT_EQ(UnidadNombreHTFC[6][35], "ksi\u00B7in^4");
  EXPECT_EQ(UnidadNombreHTFC[6][41], "kp\u00B7m^2");
  // Options belong to one kind only; the other rows are empty with factor 1.
  for (int k = 0; k < kNumUnitOptions; ++k) {
    int kinds = 0;
    for (int q = 0; q < kNumKinds; ++q) {
      if (!UnidadNombre[q][k].empty()) {
        ++kinds;
      } else {
        EXPECT_EQ(UnidadFactorTxt[q][k], "1");
      }
    }
    EXPECT_EQ(kinds, 1) << k;
  }
}

TEST(Units, StoredChoices) {
  IniciarUnidades("010713192531");
  EXPECT_EQ(UnidadSel[1], "cm");
  EXPECT_EQ(UnidadSel[2], "cm");
  EXPECT_EQ(UnidadSel[3], "kN");
  EXPECT_EQ(UnidadSel[4], "kN/m");
  EXPECT_EQ(UnidadSel[5], "kN\u00B7m");
  EXPECT_EQ(UnidadSel[6], "kN\u00B7m\u00B2");
  EXPECT_EQ(FormatoNumero(-0.0123 * FactorUnidad[2], 4), "-1.23");
  EXPECT_EQ(TextoUnidadesActuales(), "010713192531");

  IniciarUnidades("041017222834");
  EXPECT_EQ(UnidadSel[1], "ft");
  EXPECT_EQ(UnidadSel[2], "ft");
  EXPECT_EQ(UnidadSel[3], "lbf");
  EXPECT_EQ(UnidadSel[4], "lbf/ft");
  EXPECT_EQ(UnidadSel[5], "lbf\u00B7ft");
  EXPECT_EQ(UnidadSel[6], "lbf\u00B7in\u00B2");
  EXPECT_EQ(FactorUnidad[3], 0.224808943099711);
  EXPECT_EQ(FactorUnidad[1], 3.28083989501312);

  // Pairs two and three here name a length and a deflection option: those
  // kinds take their defaults rather than a nameless unit.
  IniciarUnidades("040410222834");
  EXPECT_EQ(UnidadSel[1], "ft");
  EXPECT_EQ(UnidadSel[2], "m");
  EXPECT_EQ(UnidadSel[3], "N");
  EXPECT_EQ(UnidadSel[4], "lbf/ft");
}

// A stored choice that names no unit of a kind falls back to that kind's
// default instead of leaving it without a unit and with factor 0.
TEST(Units, DamagedStoredChoiceFallsBackPerKind) {
  IniciarUnidades("000012182430");  // deflection names a length option
  EXPECT_EQ(IdxUnidad[2], 6);
  EXPECT_EQ(UnidadSel[2], "m");
  IniciarUnidades("00061218243");  // short: the sixth pair is "3"
  EXPECT_EQ(IdxUnidad[6], 30);
  IniciarUnidades("");
  EXPECT_EQ(TextoUnidadesActuales(), "000612182430");
  IniciarUnidades("01xx99-11230");  // unreadable, out of range, negative
  EXPECT_EQ(IdxUnidad[1], 1);
  EXPECT_EQ(IdxUnidad[2], 6);
  EXPECT_EQ(IdxUnidad[3], 12);
  EXPECT_EQ(IdxUnidad[4], 18);
  for (int q = 1; q < kNumKinds; ++q) {
    EXPECT_GT(FactorUnidad[q], 0) << q;
    EXPECT_FALSE(UnidadSel[q].empty()) << q;
    EXPECT_TRUE(UnitBelongsToKind(q, IdxUnidad[q])) << q;
  }
}
