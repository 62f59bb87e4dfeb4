#include "dxBar.h"

#include "SysUtils.h"
#include "cxControlsBase.h"

int dxBarRecentUseThreshold(int Percents) {
  if (Percents > 100) Percents = 100;
  if (Percents < 0) Percents = 0;
  if (Percents == 100) return 0;
  int n = 1;
  while (n * (100 - Percents) / 100 <= 0) ++n;
  return n;
}

String dxBarNormalizeRegistryPath(const String& Path) {
  if (Path.empty()) return Path;
  String result = Path;
  if (result.front() != L'\\') result.insert(result.begin(), L'\\');
  if (result.back() != L'\\') result.push_back(L'\\');
  return result;
}

int AcceleratorPosition(String& Text, bool Remove) {
  int result = 0;
  // 1-based i, as the layout texts count their characters.
  size_t i = 1;
  while (i < Text.size()) {
    if (Text[i - 1] == L'&') {
      if (Remove) Text.erase(i - 1, 1);
      else ++i;
      if (i <= Text.size() && Text[i - 1] != L'&') result = int(i);
    }
    ++i;
  }
  return result;
}

String StripAccelerators(const String& Text) { return RemoveAcceleratorsW(Text, false); }

uint16_t dxBarShortCutOf(uint16_t Key, bool Shift, bool Ctrl, intptr_t KeyData) {
  if (Key == 0) return 0;
  uint32_t result = Key;
  if (Shift) result += 0x2000;
  if (Ctrl) result += 0x4000;
  if (KeyData & (intptr_t(1) << 29)) result += 0x8000;
  return uint16_t(result);
}

String PathDelimiter(bool Registry) { return Registry ? L"\\" : L"."; }

bool IsButtonDownMessage(unsigned Msg) {
  switch (Msg) {
    case 161: case 163: case 164: case 166: case 167: case 169:
    case 513: case 515: case 516: case 518: case 519: case 521:
      return true;
    default:
      return false;
  }
}

int HighestViewLevel(unsigned Levels) {
  for (int level = 3; level >= 0; --level)
    if (Levels & (1u << level)) return level;
  return 255;
}

void EnsureMinWidth(int& Width, int MinWidth) {
  if (Width < MinWidth) Width = MinWidth;
}

int dxBarScaleValue(int Value, int DPI, int Base) {
  if (Base == 0) return Value;
  return int(Round(double(Value) * DPI / Base));
}

TdxBarImageDrawMode dxBarImageDrawMode(const TdxBarImageDrawState& S, int ScreenBits) {
  if (!S.NormalLook) return S.Faded ? bidmFaded : bidmDisabled;
  if (S.Grayed) return bidmGrayScale;
  if (!S.Lighten) return bidmNormal;
  if (!S.Selected && !S.Down && ScreenBits > 8) return bidmLight;
  if (S.HighlightShadow && S.Selected && !S.Pressed) return bidmShadowed;
  return bidmNormal;
}

int dxBarArrowSizeForRect(const TRect& R, int Direction) {
  const int f = Direction == dxBarArrowDown ? (R.Right - R.Left) - 8 : (R.Bottom - R.Top) - 6;
  int size = (f - 1) / 2;
  if (f % 2 != 0) ++size;
  return size < 3 ? 3 : size;
}

TdxBarArrowShape dxBarArrowShape(const TRect& R, int Direction, int Size) {
  TdxBarArrowShape shape;
  if (Direction == dxBarArrowDown) {
    const int x = (R.Left + R.Right - (2 * Size - 1)) / 2;
    const int y = (R.Top + R.Bottom - Size) / 2;
    shape.Origin = {x, y};
    shape.Points[0] = {x, y};
    shape.Points[1] = {x + 2 * Size - 2, y};
    shape.Points[2] = {x + Size - 1, y + Size - 1};
  } else {
    const int x = (R.Left + R.Right - Size) / 2;
    const int y = (R.Top + R.Bottom - (2 * Size - 1)) / 2;
    shape.Origin = {x, y};
    shape.Points[0] = {x, y};
    shape.Points[1] = {x, y + 2 * Size - 2};
    shape.Points[2] = {x + Size - 1, y + Size - 1};
  }
  return shape;
}

std::vector<TPoint> dxBarTilePositions(const TRect& R, const TRect& OriginRect, int W, int H) {
  std::vector<TPoint> result;
  if (W <= 0 || H <= 0 || OriginRect.Right <= OriginRect.Left || OriginRect.Bottom <= OriginRect.Top) return result;
  for (int c = OriginRect.Left / W; c <= (OriginRect.Right - 1) / W; ++c)
    for (int r = OriginRect.Top / H; r <= (OriginRect.Bottom - 1) / H; ++r)
      result.push_back({W * c + R.Left - OriginRect.Left, H * r + R.Top - OriginRect.Top});
  return result;
}

namespace {
bool OnDottedFrame(const TRect& R, int X, int Y) {
  if (X < R.Left || X >= R.Right || Y < R.Top || Y >= R.Bottom) return false;
  const bool edge = Y == R.Top || Y == R.Bottom - 1 || X == R.Left || X == R.Right - 1;
  return edge && (X + Y) % 2 == 0;
}
}  // namespace

bool dxBarDoubleFocusPixel(const TRect& R, int X, int Y) {
  return OnDottedFrame(R, X, Y) || OnDottedFrame({R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1}, X, Y);
}

uint32_t dxBarFlatBorderRGB(uint32_t RGB) {
  const uint32_t r = (RGB & 0xFF) * 8 / 10, g = ((RGB >> 8) & 0xFF) * 8 / 10, b = ((RGB >> 16) & 0xFF) * 8 / 10;
  return r | (g << 8) | (b << 16);
}

uint32_t dxBarFlatFaceRGB(uint32_t RGB) {
  uint32_t result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t c = (RGB >> shift) & 0xFF;
    uint32_t v = c + (255 - c) * 16 / 100;
    if (v > 255) v = 255;
    result |= v << shift;
  }
  return result;
}

TRect dxBarThemedCloseButtonRect(const TRect& R, int Corner, int CX, int CY) {
  const int height = R.Bottom - R.Top;
  const int m = CY < height ? (height - CY) / 2 : 0;
  TRect result = R;
  if (Corner == 1 || Corner == 3) {
    result.Left = R.Left + m;
    result.Right = result.Left + CX;
  } else {
    result.Right = R.Right - m;
    result.Left = result.Right - CX;
  }
  result.Top = R.Top + m;
  result.Bottom = result.Top + CY;
  return result;
}

TRect dxBarSizeGripRect(const TRect& R, int Corner, int CX, int CY) {
  TRect result = R;
  if (Corner == 1 || Corner == 3) result.Left = R.Right - CX - 1;
  else result.Right = R.Left + CX + 1;
  if (Corner == 0 || Corner == 1) result.Bottom = R.Top + CY;
  else result.Top = R.Bottom - CY;
  return result;
}

TRect dxBarSizeGripDrawRect(const TRect& G, int Corner) {
  TRect result = G;
  if (Corner == 0 || Corner == 2) result.Right -= 2;
  else result.Left += 2;
  if (Corner == 0 || Corner == 1) result.Bottom -= 2;
  else result.Top += 2;
  return result;
}
