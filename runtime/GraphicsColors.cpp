#include "GraphicsColors.h"

#include <cwctype>
#include <iterator>

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

bool SameIdent(const String& a, const wchar_t* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return i == a.size() && b[i] == 0;
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// The integer forms a colour may be written in: decimal with an optional
// sign, or hex after "$", "0x" or "x". The value must fit 32 bits.
bool ParseColorNumber(const String& text, TColor& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  bool hex = false;
  if (i < text.size() && text[i] == L'$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    hex = true;
    i += 2;
  } else if (i < text.size() && (text[i] == L'x' || text[i] == L'X')) {
    hex = true;
    ++i;
  }
  if (i >= text.size()) return false;
  std::uint64_t v = 0;
  for (; i < text.size(); ++i) {
    int d = hex ? HexDigit(text[i]) : (text[i] >= L'0' && text[i] <= L'9' ? text[i] - L'0' : -1);
    if (d < 0) return false;
    v = v * (hex ? 16 : 10) + std::uint64_t(d);
    if (v > 0xFFFFFFFFull) return false;
  }
  // Hex texts name the 32 bits directly; decimal ones must fit a signed value.
  if (!hex && v > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
  std::uint32_t bits = std::uint32_t(v);
  if (negative) bits = 0u - bits;
  value = TColor(bits);
  return true;
}

}  // namespace

const TIdentMapEntry* ColorIdentTable(std::size_t& count) {
  count = std::size(GColors);
  return GColors;
}

bool IdentToColor(const String& ident, TColor& color) {
  for (const auto& e : GColors)
    if (SameIdent(ident, e.Name)) {
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
  static const wchar_t digits[] = L"0123456789ABCDEF";
  String text(9, L'$');
  std::uint32_t bits = std::uint32_t(color);
  for (int i = 8; i >= 1; --i, bits >>= 4) text[std::size_t(i)] = digits[bits & 0xF];
  return text;
}

TColor StringToColor(const String& text) {
  TColor color = clBlack;
  if (IdentToColor(text, color) || ParseColorNumber(text, color)) return color;
  throw EConvertError(L"'" + text + L"' is not a valid integer value");
}

void GetColorValues(TGetStrProc proc) {
  if (!proc) return;
  for (const auto& e : GColors) proc(e.Name);
}
