#include "shell/VigasMain.h"

#include "graphs/Mini_HTFC_rut.h"
#include "platform/InstallCheck.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "shell/AppInfo.h"
#include "shell/FormSplash.h"

namespace Vigas {

const QStringList kLanguagePrefixes = {
    QStringLiteral("KSL"), QStringLiteral("EUN"), QStringLiteral("GFV"),
    QStringLiteral("EGF"), QStringLiteral("TAV"), QStringLiteral("PRD"),
    QStringLiteral("INF"), QStringLiteral("A2R"), QStringLiteral("TMP")};

namespace {
// A damaged settings store is left alone; the program runs on its defaults.
void CheckSettingsStore() {
  const QString problem = platform::SettingsStoreProblem(shell::kProgramName);
  if (problem.isEmpty()) return;
  platform::MsgBox(QStringLiteral("The settings file ") + problem + QStringLiteral(".\r\n\r\n") +
                       shell::kProgramName +
                       QStringLiteral(" starts with its default settings and leaves that file "
                                      "as it is."),
                   shell::kProgramName, platform::MsgIcon::Exclamation);
}
}  // namespace

void Main(MainWindowShower showMainWindow, const QStringList& dataFiles) {
  // A damaged install is named once; the cases whose files are whole still
  // work, and the others only lack those texts and pictures.
  platform::CheckInstall(shell::kProgramName, kLanguagePrefixes, dataFiles,
                         QStringLiteral("where their texts, formulas or pictures belong, it "
                                        "shows nothing."));
  CheckSettingsStore();
  SetMainWindowShower(std::move(showMainWindow));
  // The user's private work folder; it is made and checked where it is used.
  platform::SetCarpetaTemp(platform::DefaultCarpetaTemp());
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  auto* splash = new FormSplash;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
}

}  // namespace Vigas
