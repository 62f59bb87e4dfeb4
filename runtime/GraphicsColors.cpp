#include "GraphicsColors.h"

#include <iterator>

#include "SysUtils.h"

namespace {

const TIdentMapEntry GColors[] = {
    {clBlack, L"clBlack"},
    {clMaroon, L"clMaroon"},
    {clGreen, L"clGreen"},
    {clOlive, L"clOlive"},
    {clNavy, L"clNavy"},
    {clPurple, L"clPurple"},
    {clTeal, L"clTeal"},
    {clGray, L"clGray"},
    {clSilver, L"clSilver"},
    {clRed, L"clRed"},
    {clLime, L"clLime"},
    {clYellow, L"clYellow"},
    {clBlue, L"clBlue"},
    {clFuchsia, L"clFuchsia"},
    {clAqua, L"clAqua"},
    {clWhite, L"clWhite"},
    {clMoneyGreen, L"clMoneyGreen"},
    {clSkyBlue, L"clSkyBlue"},
    {clCream, L"clCream"},
    {clMedGray, L"clMedGray"},
    {clActiveBorder, L"clActiveBorder"},
    {clActiveCaption, L"clActiveCaption"},
    {clAppWorkSpace, L"clAppWorkSpace"},
    {clBackground, L"clBackground"},
    {clBtnFace, L"clBtnFace"},
    {clBtnHighlight, L"clBtnHighlight"},
    {clBtnShadow, L"clBtnShadow"},
    {clBtnText, L"clBtnText"},
    {clCaptionText, L"clCaptionText"},
    {clDefault, L"clDefault"},
    {clGradientActiveCaption, L"clGradientActiveCaption"},
    {clGradientInactiveCaption, L"clGradientInactiveCaption"},
    {clGrayText, L"clGrayText"},
    {clHighlight, L"clHighlight"},
    {clHighlightText, L"clHighlightText"},
    {clHotLight, L"clHotLight"},
    {clInactiveBorder, L"clInactiveBorder"},
    {clInactiveCaption, L"clInactiveCaption"},
    {clInactiveCaptionText, L"clInactiveCaptionText"},
    {clInfoBk, L"clInfoBk"},
    {clInfoText, L"clInfoText"},
    {clMenu, L"clMenu"},
    {clMenuBar, L"clMenuBar"},
    {clMenuHighlight, L"clMenuHighlight"},
    {clMenuText, L"clMenuText"},
    {clNone, L"clNone"},
    {clScrollBar, L"clScrollBar"},
    {cl3DDkShadow, L"cl3DDkShadow"},
    {cl3DLight, L"cl3DLight"},
    {clWindow, L"clWindow"},
    {clWindowFrame, L"clWindowFrame"},
    {clWindowText, L"clWindowText"},
};

}  // namespace

const TIdentMapEntry* ColorIdentTable(std::size_t& count) {
  count = std::size(GColors);
  return GColors;
}

bool IdentToColor(const String& ident, TColor& color) {
  for (const auto& e : GColors)
    if (SameText(ident, e.Name)) {
      color = e.Value;
      return true;
    }
  return false;
}

bool ColorToIdent(TColor color, String& ident) {
  for (const auto& e : GColors)
    if (e.Value == color) {
      ident = e.Name;
      return true;
    }
  return false;
}

String ColorToString(TColor color) {
  String ident;
  if (ColorToIdent(color, ident)) return ident;
  return L"$" + IntToHex(std::uint32_t(color), 8);
}

TColor StringToColor(const String& text) {
  TColor color = clBlack;
  if (IdentToColor(text, color)) return color;
  return TColor(StrToInt(text));
}

void GetColorValues(TGetStrProc proc) {
  if (!proc) return;
  for (const auto& e : GColors) proc(e.Name);
}
