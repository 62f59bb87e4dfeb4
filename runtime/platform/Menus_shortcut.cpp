// Shortcut values and their text, and the accelerator marks of captions.
#include <windows.h>

#include <cwctype>

#include "Menus.h"
#include "SysUtils.h"

namespace {

struct TKeyName {
  std::uint16_t Key;
  const wchar_t* Name;
};

// The names the runtime gives the keys menus usually show.
const TKeyName kKeyNames[] = {
    {VK_BACK, L"BkSp"},  {VK_TAB, L"Tab"},    {VK_ESCAPE, L"Esc"}, {VK_RETURN, L"Enter"}, {VK_SPACE, L"Space"},
    {VK_PRIOR, L"PgUp"}, {VK_NEXT, L"PgDn"},  {VK_END, L"End"},    {VK_HOME, L"Home"},    {VK_LEFT, L"Left"},
    {VK_UP, L"Up"},      {VK_RIGHT, L"Right"}, {VK_DOWN, L"Down"}, {VK_INSERT, L"Ins"},   {VK_DELETE, L"Del"},
};

const wchar_t kShiftText[] = L"Shift+";
const wchar_t kCtrlText[] = L"Ctrl+";
const wchar_t kAltText[] = L"Alt+";

// Other keys are named by the keyboard layout (numeric pad, punctuation).
String LayoutKeyName(std::uint16_t Key) {
  const UINT scan = MapVirtualKeyW(Key, 0 /* MAPVK_VK_TO_VSC */);
  if (scan == 0) return {};
  wchar_t buffer[64];
  const int length = GetKeyNameTextW(LONG(scan << 16), buffer, int(std::size(buffer)));
  return length > 0 ? String(buffer, size_t(length)) : String();
}

String KeyName(std::uint16_t Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return String(1, wchar_t(Key));
  if (Key >= VK_F1 && Key <= VK_F24) return L"F" + std::to_wstring(Key - VK_F1 + 1);
  for (const TKeyName& k : kKeyNames)
    if (k.Key == Key) return k.Name;
  return LayoutKeyName(Key);
}

bool StartsWithText(const String& Text, size_t Pos, const wchar_t* Prefix) {
  const size_t n = wcslen(Prefix);
  return Text.size() - Pos >= n && CompareText(Text.substr(Pos, n), Prefix) == 0;
}

}  // namespace

TShortCut ShortCut(std::uint16_t Key, TShiftState Shift) {
  if (Key & 0xFF00) return 0;
  TShortCut result = Key;
  if (Shift.Contains(ssShift)) result |= scShift;
  if (Shift.Contains(ssCtrl)) result |= scCtrl;
  if (Shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut ShortCut, std::uint16_t& Key, TShiftState& Shift) {
  Key = ShortCut & 0xFF;
  Shift = {};
  if (ShortCut & scShift) Shift.Include(ssShift);
  if (ShortCut & scCtrl) Shift.Include(ssCtrl);
  if (ShortCut & scAlt) Shift.Include(ssAlt);
}

String ShortCutToText(TShortCut ShortCut) {
  const String name = KeyName(ShortCut & 0xFF);
  if (name.empty()) return {};
  String result;
  if (ShortCut & scShift) result += kShiftText;
  if (ShortCut & scCtrl) result += kCtrlText;
  if (ShortCut & scAlt) result += kAltText;
  return result + name;
}

TShortCut TextToShortCut(const String& Text) {
  TShortCut modifiers = 0;
  size_t pos = 0;
  for (;;) {
    if (StartsWithText(Text, pos, kShiftText)) {
      modifiers |= scShift;
      pos += wcslen(kShiftText);
    } else if (StartsWithText(Text, pos, kCtrlText)) {
      modifiers |= scCtrl;
      pos += wcslen(kCtrlText);
    } else if (StartsWithText(Text, pos, kAltText)) {
      modifiers |= scAlt;
      pos += wcslen(kAltText);
    } else {
      break;
    }
  }
  const String rest = Text.substr(pos);
  if (rest.empty()) return 0;
  for (std::uint16_t key = 0x08; key <= 0xFF; ++key)
    if (CompareText(KeyName(key), rest) == 0) return TShortCut(modifiers | key);
  return 0;
}

TShortCut ShortCutFromKey(std::uint16_t Key, LPARAM KeyData) {
  if (Key == 0 || (Key & 0xFF00)) return 0;
  TShortCut result = Key;
  if (GetKeyState(VK_SHIFT) < 0) result |= scShift;
  if (GetKeyState(VK_CONTROL) < 0) result |= scCtrl;
  if (KeyData & 0x20000000) result |= scAlt;
  return result;
}

String StripHotkey(const String& Text) {
  String result;
  result.reserve(Text.size());
  for (size_t i = 0; i < Text.size(); ++i) {
    // The mark goes, the character after it stays ("&&" leaves one "&").
    if (Text[i] == L'&') {
      if (i + 1 == Text.size()) break;
      ++i;
    }
    result += Text[i];
  }
  return result;
}

wchar_t GetHotkey(const String& Text) {
  for (size_t i = 0; i + 1 < Text.size(); ++i) {
    if (Text[i] != L'&') continue;
    if (Text[i + 1] == L'&') {
      ++i;
      continue;
    }
    return wchar_t(std::towupper(Text[i + 1]));
  }
  return 0;
}
