// Layout of the main window for its current size.
#include <cmath>

#include "mainwin/FormMain.h"
#include "platform/ScreenFit.h"

void FormMain::Form_Resize() {
  if (isMinimized()) return;
  platform::KeepOuterMinimum(this, QSize(980, 600));

  const double W = std::nearbyint(ScaleWidth());
  const double H = std::nearbyint(ScaleHeight());
  PicMENU->SetWidth(W);  // the tab strip spans the window
  for (int i = 1; i <= kTabs; ++i) LayoutPage(i, W, H);
  PosicionaIOControls();
}

// Left column: case list above, input/output panel below; right column: the
// formula panel. Sizes keep their halves; they reach the screen rounded.
void FormMain::LayoutPage(int i, double W, double H) {
  PicTASK[i]->SetWidth(W - 8);
  PicTASK[i]->SetHeight(H - 44);
  const double PT = PicTASK[i]->Width();

  List1[i]->SetWidth((PT - 6) / 2 + 28);
  PicIO[i]->Move(2, 119, (PT - 6) / 2 + 30, H - 166);
  ShaOPT[i]->Move(1, 24, (PT - 6) / 2 + 32, 93);
  ShaIO[i]->Move(1, 116, (PT - 6) / 2 + 32, H - 162);
  PicFOR[i]->Move((PT - 6) / 2 + 36, 25, (PT - 14) / 2 - 30, H - 72);
  ShaFOR[i]->Move(ShaOPT[i]->Left() + ShaIO[i]->Width() - 1, ShaOPT[i]->Top(),
                  PicFOR[i]->Width() + 6, PicFOR[i]->Height() + 2);
  LblMainTIT[i]->SetWidth(W - LblMainTIT[i]->Left());

  PlaceFormulaPictures(i);
}
