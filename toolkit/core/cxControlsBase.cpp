#include "cxControlsBase.h"

#include "SysUtils.h"
#include "dxCore.h"

namespace {

template <class S>
S RemoveMarks(const S& text, bool markLast) {
  S result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      result += text[i];
    } else if (i + 1 < text.size()) {
      result += text[++i];
    } else if (markLast) {
      result += '_';
    }
  }
  return result;
}

}  // namespace

AnsiString RemoveAccelerators(const AnsiString& Text, bool MarkLast) { return RemoveMarks(Text, MarkLast); }

String RemoveAcceleratorsW(const String& Text, bool MarkLast) { return RemoveMarks(Text, MarkLast); }

String GetFullComponentName(TComponent* Component) {
  if (!Component) return String();
  String result = Component->Name();
  for (TComponent* owner = Component->Owner(); owner; owner = owner->Owner()) result = owner->Name() + L"." + result;
  return result;
}

bool IsTextChar(wchar_t C) { return C >= 32; }

bool IsNumericInputChar(wchar_t C, int Kind) {
  if (C == L'+' || C == L'-' || IsAsciiDigit(C)) return true;
  if (Kind != nikFloat && Kind != nikFloatWithExponent) return false;
  if (C == GetLocaleDecimalSeparator(0)) return true;
  return Kind == nikFloatWithExponent && (C == L'e' || C == L'E');
}

bool IsSpecialVirtualKey(std::uint16_t Key) {
  if (Key > 255) return false;
  struct TRange {
    std::uint16_t First, Last;
  };
  static constexpr TRange kSpecial[] = {{3, 3},     {8, 9},     {12, 13},   {16, 20},   {27, 27},  {33, 47},
                                        {91, 145},  {160, 165}, {229, 229}, {246, 254}};
  for (const TRange& range : kSpecial)
    if (Key >= range.First && Key <= range.Last) return true;
  return false;
}

std::uint32_t ShiftStateToMouseKeys(TShiftState Shift) {
  std::uint32_t keys = 0;
  if (Shift.Contains(ssShift)) keys |= cxMK_SHIFT;
  if (Shift.Contains(ssCtrl)) keys |= cxMK_CONTROL;
  if (Shift.Contains(ssLeft)) keys |= cxMK_LBUTTON;
  if (Shift.Contains(ssRight)) keys |= cxMK_RBUTTON;
  if (Shift.Contains(ssMiddle)) keys |= cxMK_MBUTTON;
  return keys;
}

bool IsNoKeyOrButtonDown(TShiftState Shift) {
  return (Shift * TShiftState{ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble}).Empty();
}

bool IsLeftButtonOnly(TShiftState Shift, bool AllowDouble) {
  TShiftState others{ssShift, ssAlt, ssCtrl, ssRight, ssMiddle};
  if (!AllowDouble) others.Include(ssDouble);
  return Shift.Contains(ssLeft) && (Shift * others).Empty();
}

bool IsComponentReady(TComponent* Component) {
  const TComponentState state = Component->ComponentState();
  return !state.Contains(csLoading) && !state.Contains(csWriting) && !state.Contains(csDestroying);
}
