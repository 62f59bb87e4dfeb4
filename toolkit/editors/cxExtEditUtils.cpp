#include "cxExtEditUtils.h"

#include "SysUtils.h"

namespace {

bool IsDigit(wchar_t C) { return C >= L'0' && C <= L'9'; }

int HexDigit(wchar_t C) {
  if (IsDigit(C)) return C - L'0';
  if (C >= L'a' && C <= L'f') return C - L'a' + 10;
  if (C >= L'A' && C <= L'F') return C - L'A' + 10;
  return -1;
}

// "$" followed by hexadecimal digits only, the value within 32 bits (leading
// zeros allowed).
bool ReadDollarHex(const String& AText, TColor& AColor) {
  if (AText.size() < 2) return false;
  std::uint64_t value = 0;
  for (std::size_t i = 1; i < AText.size(); ++i) {
    const int digit = HexDigit(AText[i]);
    if (digit < 0) return false;
    value = value * 16 + unsigned(digit);
    if (value > 0xFFFFFFFFu) return false;
  }
  AColor = TColor(std::uint32_t(value));
  return true;
}

int GUnitCount = 0;

}  // namespace

int GetRectWidthOrZero(const TRect& R) { return R.Right > R.Left ? R.Right - R.Left : 0; }

int GetRectHeightOrZero(const TRect& R) { return R.Bottom > R.Top ? R.Bottom - R.Top : 0; }

bool IsNullOrEmptyVariant(const Variant& AValue) { return VarIsNull(AValue) || VarIsEmpty(AValue); }

bool IsIntegerText(const String& AText) {
  const String text = Trim(AText);
  std::size_t i = 0;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) ++i;
  if (i == text.size()) return false;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return false;
    value = value * 10 + (text[i] - L'0');
    if (value > 0x80000000LL) return false;
  }
  return text[0] == L'-' || value <= 0x7FFFFFFF;
}

int ExtractInteger(const String& AText, bool AStopAtForeign) {
  String kept;
  for (const wchar_t c : AText) {
    if (c == L'-' || IsDigit(c))
      kept += c;
    else if (AStopAtForeign)
      break;
  }
  if (kept.empty()) return 0;
  return StrToInt(kept);
}

bool TextToColor(const String& AText, TColor& AColor) {
  const String text = Trim(AText);
  if (text.empty()) return false;
  if (IdentToColor(text, AColor)) return true;
  if (text[0] == L'$') return ReadDollarHex(text, AColor);
  if (!IsIntegerText(text)) return false;
  AColor = ExtractInteger(text, false);
  return true;
}

void cxExtEditUtils_Initialize() { ++GUnitCount; }

void cxExtEditUtils_Finalize() {
  if (GUnitCount > 0) --GUnitCount;
}

const TUnitEntry cxExtEditUtilsUnit{L"cxExtEditUtils", &cxExtEditUtils_Initialize, &cxExtEditUtils_Finalize};
