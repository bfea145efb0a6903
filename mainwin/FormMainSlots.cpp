// Handlers wired to the main window's controls and menus whose work comes
// with case selection, the calculation and the application shell. Each is
// connected already; its body is still to be written.
#include "mainwin/FormMain.h"

// ---- Case selection, panel layout and calculation -------------------------
// LblMENU_Click selects a tab: TipoViga, Graph/Report off, SetTabLook, the
// tab's case, its title, PosicionaIOControls.
void FormMain::LblMENU_Click(int) {}
void FormMain::LblMENU_MouseDown(int, int) {}
void FormMain::LblMENU_MouseUp(int, int) {}
void FormMain::List1_Click(int) {}
void FormMain::LblCAL_Click(int) {}
void FormMain::LblDEL_Click(int) {}
void FormMain::LblCAL_MouseDown(int, int) {}
void FormMain::LblCAL_MouseUp(int, int) {}
void FormMain::LblDEL_MouseDown(int, int) {}
void FormMain::LblDEL_MouseUp(int, int) {}
void FormMain::ImgSLD_MouseDown(int, int) {}
void FormMain::ImgSLD_MouseMove(int) {}
void FormMain::ImgSLD_MouseUp(int, int) {}
void FormMain::Label1_DblClick(int) {}
void FormMain::Text1_KeyPress(int, int&) {}
void FormMain::Text1_KeyDown(int, int, int) {}
void FormMain::Text1_GotFocus(int) {}
void FormMain::Text1_Change(int) {}
void FormMain::PosicionaIOControls() {}

// ---- Graph and report -------------------------------------------------------
void FormMain::LblGRA_Click(int) {}
void FormMain::LblGRA_MouseDown(int, int) {}
void FormMain::LblGRA_MouseUp(int, int) {}
void FormMain::LblINF_Click(int) {}

// ---- Application shell: menus, activation, unload -------------------------
void FormMain::mnu_Archivo_Salir_Click() {}
void FormMain::mnu_Config_SepaDec_PTO_Click() {}
void FormMain::mnu_Config_SepaDec_COM_Click() {}
void FormMain::mnu_Config_Unidades_Click() {}
void FormMain::mnu_Ayuda_Manual_Click() {}
void FormMain::mnu_Ayuda_WEB_Click() {}
void FormMain::mnu_help_update_now_Click() {}
void FormMain::mnu_help_upd_set_1_Click() {}
void FormMain::mnu_help_upd_set_7_Click() {}
void FormMain::mnu_help_upd_set_30_Click() {}
void FormMain::mnu_Ayuda_Acerca_Click() {}
void FormMain::Form_Activate() {}
void FormMain::Form_Unload() {}
