// Layout of a tab's input/output panel, the slider thumb, and the formula
// pictures of the chosen case.
#include <QFileInfo>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "mainwin/Idioma.h"

namespace {
// Whole number nearest to v, halves to the even neighbour.
double RoundEven(double v) {
  return std::nearbyint(v);
}
}  // namespace

void FormMain::PosicionaIOControls() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs || Vigas::CasoCarga[t] == -1) return;

  const double W = std::min(RoundEven((PicIO[t]->Width() - 3) / 3), 250.0);
  const double H = std::min(RoundEven((PicIO[t]->Height() - 6) / 6), 90.0);
  const int base = (t - 1) * kRowsPerTab;

  for (int r = 0; r < kRowsPerTab; ++r) {
    const int i = base + r;
    const int col = r % 3;
    int line = r / 3;
    if (!model_.IsInputRow(t, r)) ++line;  // an empty line between inputs and results
    Label1[i]->Move(col * W + 10, line * H + 8, W - 16, 18);
    Img1[i]->Move(Label1[i]->Left(), Label1[i]->Top() + 21);
    Text1[i]->Move(Img1[i]->Left() + Img1[i]->Width() + 4, Img1[i]->Top() + 4,
                   W - Img1[i]->Width() - 21, 20);
    ShaIOTX[i]->Move(Text1[i]->Left() - 2, Text1[i]->Top() - 3, Text1[i]->Width() + 3,
                     Text1[i]->Height() + 4);
    const bool shown = Text1[i]->Visible();
    Label1[i]->SetVisible(shown);
    Img1[i]->SetVisible(shown);
    ShaIOTX[i]->SetVisible(shown);

    Label1[i]->SetCaption(QString::fromStdString(model_.CaptionShown(t, r)));

    if (model_.Row(t, r).key == "X") {
      const double y = Text1[i]->Top() + Text1[i]->Height() + 5;
      LinSLD[t]->SetLine(Text1[i]->Left(), y, Text1[i]->Left() + Text1[i]->Width(), y);
      LinSLD[t]->SetVisible(true);
      ImgSLD[t]->SetTop(y + 1);
      ImgSLD[t]->SetVisible(true);
      ImgSLD[t]->Tag = QString::number(i);
      ActualizaSlider();
    }
  }

  // Buttons on the line below the inputs: Graph and Report at the left,
  // Calculate and Clear at the right.
  const int j = base + 2;
  XposDEL[t] = static_cast<int32_t>(
      RoundEven(Label1[j]->Left() + Label1[j]->Width() - ImgDEL[t]->Width() + 3));
  YposDEL[t] = static_cast<int32_t>((model_.FilasExtra(t) + 2) * H + 8 + 4);
  XposCAL[t] = static_cast<int32_t>(RoundEven(XposDEL[t] - ImgCAL[t]->Width() - 10));
  YposCAL[t] = YposDEL[t];
  XposGRA[t] = static_cast<int32_t>(RoundEven(Label1[j - 2]->Left() - 3));
  YposGRA[t] = YposDEL[t];
  XposINF[t] = static_cast<int32_t>(RoundEven(XposGRA[t] + ImgGRA[t]->Width() + 10));
  YposINF[t] = YposDEL[t];
  ImgDEL[t]->Move(XposDEL[t], YposDEL[t]);
  ImgCAL[t]->Move(XposCAL[t], YposCAL[t]);
  ImgGRA[t]->Move(XposGRA[t], YposGRA[t]);
  ImgINF[t]->Move(XposINF[t], YposINF[t]);
  LblDEL[t]->Move(XposDEL[t], YposDEL[t] + 6);
  LblCAL[t]->Move(XposCAL[t], YposCAL[t] + 6);
  LblGRA[t]->Move(XposGRA[t], YposGRA[t] + 6);
  LblINF[t]->Move(XposINF[t], YposINF[t] + 6);

  const double sep = (model_.FilasExtra(t) + 3) * H + 8 - H / 4;
  LineIO[t]->SetLine(10, sep, PicIO[t]->Width() - 10, sep);
  LineIO[t]->SetVisible(true);
}

double FormMain::GetXtraLONG_R() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs) return 0;
  const int r = model_.OverhangRow(t);
  if (r < 0) return 0;
  const double v = Vigas::LeerNumero(Text1[(t - 1) * kRowsPerTab + r]->Text().toStdString());
  if (v >= 0 && std::fabs(v) != Vigas::SinValor) return v;
  return Vigas::SinValor;
}

void FormMain::ActualizaSlider() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs) return;
  const double L = Vigas::LeerNumero(Text1[(t - 1) * kRowsPerTab + 1]->Text().toStdString());
  const int xr = model_.PositionRow(t);
  const double x = xr >= 0
                       ? Vigas::LeerNumero(Text1[(t - 1) * kRowsPerTab + xr]->Text().toStdString())
                       : Vigas::SinValor;
  const double a = GetXtraLONG_R();
  const double X1 = LinSLD[t]->X1();
  const double X2 = LinSLD[t]->X2();
  const bool invalid = x < 0 || L == Vigas::SinValor || x == Vigas::SinValor || L + a < x ||
                       L <= 0 || a == Vigas::SinValor || a < 0;
  if (invalid)
    ImgSLD[t]->SetLeft((X1 + X2) / 2);
  else
    ImgSLD[t]->SetLeft(x / (L + a) * (X2 - X1) + X1 - ImgSLD[t]->Width() / 2);
}

void FormMain::LoadImgFORMULAS(const QString& EXT) {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs) return;
  const QString code = QString::number(Vigas::CurrentCaseCode());
  const QString folder = platform::ResourceFolder() + QStringLiteral("/img/");

  // A picture that is missing or cannot be read leaves its place empty:
  // the previous case's formulas must never stay on show.
  auto load = [](platform::ImageControl* img, const QString& path) {
    QPixmap pic;
    if (QFileInfo(path).isFile() && pic.load(path) && !pic.isNull()) {
      img->SetPicture(pic);
      return true;
    }
    img->SetPicture(QPixmap());
    return false;
  };
  HayFormula[t] = load(ImgFOR[t], folder + QStringLiteral("F") + code + EXT);
  HayFormulaX[t] = load(ImgFORX[t], folder + QStringLiteral("X") + code + QStringLiteral(".jpg"));

  PlaceFormulaPictures(t);
}

// Both pictures stand one above the other (the second on top, the spare
// height split in three) only when both were found and fit; otherwise the
// first stands alone, centred, a third of the spare height above it. A
// second picture without a first is left where it is.
void FormMain::PlaceFormulaPictures(int t) {
  const double PW = PicFOR[t]->Width();
  const double PH = PicFOR[t]->Height();
  const double wF = ImgFOR[t]->Width(), hF = ImgFOR[t]->Height();
  const double wX = ImgFORX[t]->Width(), hX = ImgFORX[t]->Height();
  if (HayFormula[t] && HayFormulaX[t] && hF + hX + 10 < PH) {
    ImgFORX[t]->SetVisible(true);
    Line1[t]->SetVisible(true);
    ImgFOR[t]->SetLeft((PW - wF) / 2);
    ImgFORX[t]->SetLeft((PW - wX) / 2);
    const double T = (PH - hX - hF - 10) / 3;
    ImgFORX[t]->SetTop(T);
    ImgFOR[t]->SetTop(2 * T + hX + 10);
    const double y = (ImgFORX[t]->Top() + hX + ImgFOR[t]->Top()) / 2;
    Line1[t]->SetLine(10, y, PW - 10, y);
    return;
  }
  if (HayFormula[t] && HayFormulaX[t]) ImgFORX[t]->SetVisible(false);
  Line1[t]->SetVisible(false);
  if (HayFormula[t]) ImgFOR[t]->Move((PW - wF) / 2, (PH - hF) / 3);
}
