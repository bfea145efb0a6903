// The main window's texts from its language file: case lists, tab titles,
// menus and buttons, and the tables the graph-type chooser reads.
#include <QAction>
#include <QMenu>
#include <algorithm>
#include <cmath>

#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "mainwin/MainState.h"

namespace {
// A count from the language file: the leading number of its text, rounded
// half to even; empty or non-numeric text counts 0.
int CountOf(FormMain& form, const QString& key) {
  double v = 0;
  if (!Vigas::LeadingValue(form.GetL_win(key).toStdString(), v)) v = 0;
  v = std::nearbyint(v);
  if (!(v > 0)) return 0;
  return v > 1e6 ? 1000000 : static_cast<int>(v);
}

QString Key(const char* stem, int number) {
  return QString::fromLatin1(stem) + QString::number(number);
}
}  // namespace

void FormMain::PutDescripcionesenListas() {
  // No more tabs than there are, no more rows than the engine has cases: a
  // row beyond them would name a case that does not exist.
  const int n = std::min(CountOf(*this, QStringLiteral("NTTV")), kTabs);
  for (int i = 1; i <= n; ++i) {
    List1[i]->Clear();
    const int m = std::min(CountOf(*this, Key("NTC_V", i)), Vigas::CasesOfType(i));
    for (int j = 0; j < m; ++j) List1[i]->AddItem(GetL_win(Key("TC_V", Vigas::CaseCode(i, j))));
  }
}

void FormMain::SetMAINTitulos() {
  const int n = std::min(CountOf(*this, QStringLiteral("NTTV")), kTabs);
  for (int i = 1; i <= n; ++i) LblMENU[i]->SetCaption(GetL_win(Key("TV", i)));
}

void FormMain::SetLanguage() {
  mnu_archivo->setTitle(GetL_win(QStringLiteral("mnu_File")));
  mnu_Archivo_Salir->setText(GetL_win(QStringLiteral("mnu_Exit")));
  mnu_TIPO->setTitle(GetL_win(QStringLiteral("mnu_TypeBeam")));
  mnu_Config->setTitle(GetL_win(QStringLiteral("mnu_Setup")));
  mnu_Config_SepaDec->setTitle(GetL_win(QStringLiteral("Decimal_sep")));
  mnu_Config_SepaDec_COM->setText(GetL_win(QStringLiteral("Decimal_sep_Comma")));
  mnu_Config_SepaDec_PTO->setText(GetL_win(QStringLiteral("Decimal_sep_Dot")));
  mnu_Config_DigiSig->setTitle(GetL_win(QStringLiteral("Signif_dig")));
  // Access keys 4..9, then 0, 1, 2 for 10, 11, 12: one of its own each.
  for (int n = 4; n <= 12; ++n) {
    QString number = QString::number(n);
    number.insert(n == 11 ? 0 : number.size() - 1, QLatin1Char('&'));
    mnu_NDIG[n]->setText(number + QLatin1Char(' ') + GetL_win(QStringLiteral("digits")));
  }
  mnu_Config_Unidades->setText(GetL_win(QStringLiteral("Units")));
  mnu_Ayuda->setTitle(GetL_win(QStringLiteral("Help0")));
  mnu_Ayuda_Manual->setText(GetL_win(QStringLiteral("Help_Manual")));
  mnu_Ayuda_WEB->setText(GetL_win(QStringLiteral("Help_WebPage")));
  mnu_help_update->setTitle(GetL_win(QStringLiteral("Help_Updates")));
  mnu_help_update_now->setText(GetL_win(QStringLiteral("Help_Updates_Now")) +
                               QStringLiteral("..."));
  mnu_help_upd_set->setTitle(GetL_win(QStringLiteral("Help_Updates_Settings")));
  mnu_help_upd_set_1->setText(GetL_win(QStringLiteral("Help_Updates_Settings_1day")));
  mnu_help_upd_set_7->setText(GetL_win(QStringLiteral("Help_Updates_Settings_1week")));
  mnu_help_upd_set_30->setText(GetL_win(QStringLiteral("Help_Updates_Settings_1month")));
  mnu_Ayuda_Acerca->setText(GetL_win(QStringLiteral("Help_About")));
  for (int i = 1; i <= kTabs; ++i) {
    LblGRA[i]->SetCaption(GetL_win(QStringLiteral("Lbl_Gra")));
    LblCAL[i]->SetCaption(GetL_win(QStringLiteral("Lbl_Cal")));
    LblDEL[i]->SetCaption(GetL_win(QStringLiteral("Lbl_Del")));
    LblINF[i]->SetCaption(GetL_win(QStringLiteral("Lbl_Inf")));
  }
}

void FormMain::CrearListaDescripTiposGraficas() {
  // Start from empty tables, so nothing of an earlier window survives.
  for (auto& d : DescTipoGrafica) d.clear();
  for (int k = 0; k <= Vigas::kCaseCount; ++k) {
    ListaCodCasos[k].clear();
    for (int j = 0; j <= 4; ++j) GraficasCaso[k][j] = 0;
  }
  for (int i = 1; i <= 4; ++i) DescTipoGrafica[i] = GetL_win(Key("H_TG", i));
  int k = 0;
  for (int i = 1; i <= kTabs; ++i) {
    for (int j = 0; j < List1[i]->ListCount(); ++j) {
      ++k;
      if (k > Vigas::kCaseCount) continue;
      ListaCodCasos[k] = QString::number(Vigas::CaseCode(i, j));
      for (int slot = 1; slot <= 4; ++slot) GraficasCaso[k][slot] = static_cast<int16_t>(slot);
    }
  }
}
