// The main window's commands of the application shell: Exit, the decimal
// separator, the help menu with the manual, the web page, the update check
// and its period, About; the check on activation and the settings stored
// when the window closes.
#include <QAction>
#include <QFileInfo>
#include <QTimer>

#include "engine/NumberText.h"
#include "mainwin/FormMain.h"
#include "mainwin/MainState.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/ShellOpen.h"
#include "shell/Actualizacion.h"
#include "shell/AjustesUsuario.h"
#include "shell/AppInfo.h"
#include "shell/FormNuevaVersion.h"
#include "shell/FormSplash.h"

namespace {
// What the check on demand found, told to the user.
void ShowUpdateResult(FormMain& f, const Actualizacion::CheckResult& result) {
  using Actualizacion::CheckOutcome;
  QString text;
  switch (result.outcome) {
    case CheckOutcome::NewerVersion: {
      FormNuevaVersion window;
      platform::ShowModal(window);
      return;
    }
    case CheckOutcome::UpToDate:
      text = f.GetL_win(QStringLiteral("No_updates"));
      break;
    case CheckOutcome::NotConfigured:
      text = f.GetL_win(QStringLiteral("Update_NoAddress"));
      break;
    case CheckOutcome::Failed:
      text = f.GetL_win(QStringLiteral("Update_Failed")) + QStringLiteral("\r\n") + result.detail;
      break;
    case CheckOutcome::NotDue:
    case CheckOutcome::AlreadyRunning:
      return;  // the check under way answers
  }
  platform::MsgBox(text, shell::kProgramName, platform::MsgIcon::None);
}

// Rewrites every number box with the other decimal separator; the boxes'
// change handling waits meanwhile, so results and commands stay as they are.
void RewriteSeparators(FormMain& f, QChar from, QChar to) {
  BusyGuard busy(f.Ocupado);
  for (int t = 1; t <= FormMain::kTabs; ++t)
    for (int r = 0; r < FormMain::kRowsPerTab; ++r) {
      platform::TextBox* box = f.Text1[(t - 1) * FormMain::kRowsPerTab + r];
      box->SetText(AjustesUsuario::CambiarSeparador(box->Text(), from, to));
    }
}
}  // namespace

void FormMain::mnu_Archivo_Salir_Click() {
  close();  // stores the settings
  shell::EndProgram();
}

void FormMain::mnu_Config_SepaDec_COM_Click() {
  Vigas::SepDecimal = ",";
  mnu_Config_SepaDec_PTO->setChecked(false);
  mnu_Config_SepaDec_COM->setChecked(true);
  RewriteSeparators(*this, QLatin1Char('.'), QLatin1Char(','));
}

void FormMain::mnu_Config_SepaDec_PTO_Click() {
  Vigas::SepDecimal = ".";
  mnu_Config_SepaDec_PTO->setChecked(true);
  mnu_Config_SepaDec_COM->setChecked(false);
  RewriteSeparators(*this, QLatin1Char(','), QLatin1Char('.'));
}

void FormMain::mnu_Ayuda_Manual_Click() {
  const QString path =
      platform::ResourceFolder() + QStringLiteral("/Manual_") + shell::kProgramName + ".pdf";
  if (platform::ShellOpen(path)) return;
  // The manual is there but the desktop has nothing to open it with: saying
  // it cannot be found would send the user looking for the wrong thing.
  const QString why = QFileInfo(path).isFile() ? QStringLiteral("NoPdfProgram")
                                               : QStringLiteral("FileNotFoundOpen");
  platform::MsgBox(GetL_win(why) + QStringLiteral("\r\n") + path, shell::kProgramName,
                   platform::MsgIcon::None);
}

void FormMain::mnu_Ayuda_WEB_Click() {
  const QString page = shell::Addresses().homePage;
  if (page.isEmpty())
    platform::MsgBox(GetL_win(QStringLiteral("WebPage_None")), shell::kProgramName,
                     platform::MsgIcon::None);
  else
    Actualizacion::AbrirURL(page);
}

void FormMain::mnu_help_update_now_Click() {
  // The answer comes when the download has ended; the window keeps working.
  Actualizacion::ComprobarActualizacion(
      true, [this](const Actualizacion::CheckResult& result) { ShowUpdateResult(*this, result); },
      this);
}

void FormMain::mnu_help_upd_set_1_Click() {
  AjustesUsuario::GuardarPeriodo(QStringLiteral("1"));
  mnu_help_upd_set_1->setChecked(true);
  mnu_help_upd_set_7->setChecked(false);
  mnu_help_upd_set_30->setChecked(false);
}

void FormMain::mnu_help_upd_set_7_Click() {
  AjustesUsuario::GuardarPeriodo(QStringLiteral("7"));
  mnu_help_upd_set_1->setChecked(false);
  mnu_help_upd_set_7->setChecked(true);
  mnu_help_upd_set_30->setChecked(false);
}

void FormMain::mnu_help_upd_set_30_Click() {
  AjustesUsuario::GuardarPeriodo(QStringLiteral("30"));
  mnu_help_upd_set_1->setChecked(false);
  mnu_help_upd_set_7->setChecked(false);
  mnu_help_upd_set_30->setChecked(true);
}

void FormMain::mnu_Ayuda_Acerca_Click() {
  FormSplash about;
  about.Timer1->stop();
  platform::ShowModal(about);
}

void FormMain::Form_Activate() {
  // Once a newer version is known, the run does not ask again by itself.
  if (!Actualizacion::HayActualizacion) Actualizacion::ComprobarActualizacion(false);
}

void FormMain::Form_Unload() {
  AjustesUsuario::GuardarAjustesSalida(UltimaCarpeta, UltimaCarpetaTabla,
                                       QString::fromStdString(Vigas::SepDecimal),
                                       Vigas::NumDigitos);
}
