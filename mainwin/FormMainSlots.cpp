// Handlers wired to the main window's controls and menus whose work comes
// with the graphs, the report and the application shell. Each is connected
// already; its body is still to be written.
#include "mainwin/FormMain.h"

// ---- Application shell: menus, activation, unload -------------------------
void FormMain::mnu_Archivo_Salir_Click() {}
void FormMain::mnu_Config_SepaDec_PTO_Click() {}
void FormMain::mnu_Config_SepaDec_COM_Click() {}
void FormMain::mnu_Ayuda_Manual_Click() {}
void FormMain::mnu_Ayuda_WEB_Click() {}
void FormMain::mnu_help_update_now_Click() {}
void FormMain::mnu_help_upd_set_1_Click() {}
void FormMain::mnu_help_upd_set_7_Click() {}
void FormMain::mnu_help_upd_set_30_Click() {}
void FormMain::mnu_Ayuda_Acerca_Click() {}
void FormMain::Form_Activate() {}
void FormMain::Form_Unload() {}
