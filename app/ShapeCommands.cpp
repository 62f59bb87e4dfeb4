#include "ShapeCommands.h"

#include "SysUtils.h"

String BlendLabelText(int language, bool vertical, int position) {
  const wchar_t* prefix = language == 0 ? L"调节  " : vertical ? L"V. Boder  " : L"H. boder ";
  return prefix + IntToStr(position);
}

TBlendWidths BlendWidths(bool enabled, int horizontalPosition, int verticalPosition) {
  if (!enabled) return {};
  return {horizontalPosition, verticalPosition};
}

const std::vector<TShapeApplyButton>& ShapeApplyButtons() {
  static const std::vector<TShapeApplyButton> buttons = {
      {L"Button5", L"Edit2", 0xF4, 0xF5},  // horizontal start
      {L"Button1", L"Edit3", 0xF6, 0xF7},  // horizontal size
      {L"Button2", L"Edit4", 0xF8, 0xF9},  // vertical start
      {L"Button3", L"Edit5", 0xFA, 0xFB},  // vertical size
  };
  return buttons;
}

TShapeValueCheck CheckShapeValue(const String& text, int& value) {
  int32_t v = 0;
  if (!TryStrToInt(text, v)) return TShapeValueCheck::NotInteger;
  if (v < 0 || v > 65535) return TShapeValueCheck::OutOfRange;
  value = v;
  return TShapeValueCheck::Valid;
}

String ShapeRangeMessage(int language) {
  return language == 1 ? L"Value range: 0 to 65535" : L"数值范围：0到65535";
}

const std::vector<TPlayModeButton>& PlayModeButtons() {
  static const std::vector<TPlayModeButton> buttons = {
      {L"rbPicMode", 0x20, 10}, {L"rbVidMode", 0x20, 11}, {L"rbZero", 0xF0, 0},
      {L"rbNinty", 0xF0, 1},    {L"rbOheity", 0xF0, 2},   {L"rbThevty", 0xF0, 3},
  };
  return buttons;
}
