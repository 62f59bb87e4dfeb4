#include "cxLookAndFeelPainters.h"

#include <cmath>

#include "SysUtils.h"

namespace {

// MulDiv(X, 1, 2) of the platform: halves away from zero.
int HalfAwayFromZero(int X) { return MulDivRounded(X, 1, 2); }

int Width(const TRect& R) { return R.Right - R.Left; }
int Height(const TRect& R) { return R.Bottom - R.Top; }

const TcxRadioOfficeColors* GRadioOfficeColors = nullptr;

}  // namespace

TcxLookAndFeelKind StyleNumberToKind(TcxLookAndFeelStyle AStyle) {
  switch (AStyle) {
    case lfsFlat: return lfFlat;
    case lfsUltraFlat: return lfUltraFlat;
    case lfsOffice11: return lfOffice11;
    default: return lfStandard;
  }
}

// --- Arrow triangles ----------------------------------------------------------------------

void CalcArrowTriangle(const TRect& R, TcxArrowPoints& APoints, TcxArrowDirection ADirection, bool ASquareFirst,
                       int ASize) {
  TRect r = R;
  if (ASquareFirst) {
    const int d = (Width(r) - Height(r)) / 2;
    if (d > 0) {
      r.Left += d;
      r.Right -= d;
    } else if (d < 0) {
      r.Top -= d;
      r.Bottom += d;
    }
  }
  const bool vertical = IsVerticalArrow(ADirection);
  const int extent = vertical ? Width(r) : Height(r);
  const int size = ASize != 0 ? ASize : (extent - 1) / 4 + 1;
  const int w = vertical ? 2 * size - 1 : size;
  const int h = vertical ? size : 2 * size - 1;
  const int x0 = (r.Left + r.Right - w) / 2;
  const int y0 = HalfAwayFromZero(r.Top + r.Bottom - h);
  switch (ADirection) {
    case adUp:
      APoints = {TPoint{x0, y0 + h - 1}, TPoint{(r.Left + r.Right - 1) / 2, y0}, TPoint{x0 + w - 1, y0 + h - 1}};
      break;
    case adDown:
      APoints = {TPoint{x0 + w - 1, y0}, TPoint{(r.Left + r.Right - 1) / 2, y0 + h - 1}, TPoint{x0, y0}};
      break;
    case adLeft:
      APoints = {TPoint{x0 + w - 1, y0 + h - 1}, TPoint{x0, (r.Top + r.Bottom) / 2}, TPoint{x0 + w - 1, y0}};
      break;
    case adRight:
      APoints = {TPoint{x0, y0}, TPoint{x0 + w - 1, (r.Top + r.Bottom) / 2}, TPoint{x0, y0 + h - 1}};
      break;
  }
}

TcxArrowPoints DownTrianglePoints(const TRect& R) {
  int w = Width(R) / 2;
  if (w % 2 == 0) ++w;
  const int h = w / 2 + 1;
  const int x0 = (R.Left + R.Right - w) / 2;
  const int y0 = HalfAwayFromZero(R.Top + R.Bottom - h);
  return {TPoint{x0, y0}, TPoint{x0 + w - 1, y0}, TPoint{x0 + w / 2, y0 + h - 1}};
}

// --- Strokes ------------------------------------------------------------------------------

TcxStroke SortTriangleStroke(const TRect& R, const TSize& AGlyphSize, bool AAscending) {
  const int d = AAscending ? 1 : -1;
  const int W = AGlyphSize.cx, H = AGlyphSize.cy;
  const bool even = W % 2 == 0;
  const int X = (R.Left + R.Right) / 2 - (even ? 1 : 0);
  const int Y = AAscending ? (R.Top + R.Bottom - H) / 2 : (R.Top + R.Bottom + H) / 2 - 1;
  const int m = W / 2, n = m - (even ? 1 : 0);
  TcxStroke s;
  s.Points = {TPoint{X + m, Y + (H - 2) * d}, TPoint{X + m - n, Y},     TPoint{X + m, Y + (H - 1) * d},
              TPoint{X - n, Y + (H - 1) * d}, TPoint{X, Y},             TPoint{X - n, Y + (H - W % 2) * d}};
  // The dark part begins with the base when descending, with the left side when ascending.
  s.ColorChange = AAscending ? 3 : 2;
  return s;
}

std::array<TcxStroke, 3> CheckMarkStrokes(const TRect& R) {
  const int w = Width(R) - 2, h = Height(R) - 4;
  const int X = (R.Left + R.Right) / 2 - 1;
  std::array<TcxStroke, 3> strokes;
  for (int d = 0; d < 3; ++d) {
    const int Y = (R.Top + R.Bottom + h) / 2 - 2 + d;
    strokes[std::size_t(d)].Points = {TPoint{X - w / 2 + 1, Y - h / 2}, TPoint{X, Y}, TPoint{X + w / 2 + 2, Y - h}};
  }
  return strokes;
}

std::array<TcxStroke, 4> ChevronStrokes(const TRect& R, bool AExpanded) {
  constexpr int s = 3;
  const int X0 = (R.Left + R.Right - 2 * s - 1) / 2;
  const int Y0 = (R.Top + R.Bottom - 2 * s - 2) / 2;
  const int d = AExpanded ? 1 : -1;
  std::array<TcxStroke, 4> strokes;
  for (int i = 0; i < 4; ++i) {
    const int y = Y0 + i + (i >= 2 ? 2 : 0) + (AExpanded ? s : 0);
    const int o = AExpanded ? i % 2 : 1 - i % 2;
    strokes[std::size_t(i)].Points = {TPoint{X0 + o, y - d * o}, TPoint{X0 + s, y - d * s},
                                      TPoint{X0 + 2 * s + 1 - o, y + d * (1 - o)}};
  }
  return strokes;
}

TcxLinesMark LinesMarkShape(const TRect& R) {
  TcxLinesMark mark;
  const int x = R.Left + 3, w = Width(R) - 6;
  const int y0 = (R.Top + R.Bottom - 9) / 2;
  for (int row = 0; row < 5; ++row) {
    const int y = y0 + 2 * row;
    if (row % 2 == 0) mark.Dots.push_back(TPoint{x, y});
    mark.Lines.push_back({TPoint{x + 2, y}, TPoint{x + w, y}});
  }
  return mark;
}

std::vector<TRect> SideArrowBars(const TRect& R, bool AFlag) {
  std::vector<TRect> bars;
  const int n = Height(R) / 2 + Height(R) % 2;
  const int dx = AFlag ? 1 : -1;
  const int left = AFlag ? R.Left : R.Right - 2;
  TRect top{left, R.Top, left + 2, R.Top + 1};
  TRect bottom{left, R.Bottom - 1, left + 2, R.Bottom};
  for (int i = 0; i < n; ++i) {
    bars.push_back(top);
    bars.push_back(bottom);
    top = TRect{top.Left + dx, top.Top + 1, top.Right + dx, top.Bottom + 1};
    bottom = TRect{bottom.Left + dx, bottom.Top - 1, bottom.Right + dx, bottom.Bottom - 1};
  }
  const int column = AFlag ? R.Right - 1 : R.Left;
  bars.push_back(TRect{column, R.Top, column + 1, R.Bottom});
  return bars;
}

std::vector<TRect> TreeButtonCross(const TRect& R, bool AExpanded) {
  const int h = (Width(R) - 4) / 2;
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  std::vector<TRect> bars{TRect{cx - h, cy, cx + h + 1, cy + 1}};
  if (!AExpanded) bars.push_back(TRect{cx, cy - h, cx + 1, cy + h + 1});
  return bars;
}

// --- Track-bar thumb ----------------------------------------------------------------------

TcxTrackBarThumbShape TrackBarThumbShape(const TRect& R, bool AHorizontal, TcxTrackBarTicksAlign ATicks) {
  const int L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom, W = Width(R), H = Height(R);
  TcxTrackBarThumbShape t;
  if (AHorizontal && ATicks == tbtaUp) {
    const int a = L + W / 2, s = T + W / 2 - 1;
    t.Polygon = {{Rt - 1, B - 2}, {L + 1, B - 2}, {L + 1, s}, {a, T}, {Rt - 1, s}};
    t.LightLine = {{L, B - 1}, {L, s}, {a, T - 1}};
    t.InnerShadowLine = {{a, T}, {Rt - 1, s}, {Rt - 1, B - 2}, {L, B - 2}};
    t.OuterShadowLine = {{a, T - 1}, {Rt, s}, {Rt, B - 1}, {L, B - 1}};
  } else if (AHorizontal) {
    const int a = L + W / 2, s = B - W / 2;
    t.Polygon = {{Rt - 1, T + 1}, {L + 1, T + 1}, {L + 1, s}, {a, B - 1}, {Rt - 1, s}};
    t.LightLine = {{Rt, T}, {L, T}, {L, s}, {a, B}};
    t.InnerShadowLine = {{a, B - 1}, {Rt - 1, s}, {Rt - 1, T}};
    t.OuterShadowLine = {{a, B}, {Rt, s}, {Rt, T}};
  } else if (ATicks == tbtaUp) {
    const int a = T + H / 2, s = L + H / 2 - 1;
    t.Polygon = {{Rt - 2, B - 1}, {Rt - 2, T + 1}, {s, T + 1}, {L, a}, {s, B - 1}};
    t.LightLine = {{Rt - 1, T}, {s, T}, {L - 1, a}};
    t.InnerShadowLine = {{L, a}, {s, B - 1}, {Rt - 2, B - 1}, {Rt - 2, T}};
    t.OuterShadowLine = {{L - 1, a}, {s, B}, {Rt - 1, B}, {Rt - 1, T}};
  } else {
    const int a = T + H / 2, s = Rt - H / 2;
    t.Polygon = {{L + 1, B - 1}, {L + 1, T + 1}, {s, T + 1}, {Rt - 1, a}, {s, B - 1}};
    t.LightLine = {{L, B}, {L, T}, {s, T}, {Rt, a}};
    t.InnerShadowLine = {{Rt - 1, a}, {s, B - 1}, {L, B - 1}};
    t.OuterShadowLine = {{Rt, a}, {s, B}, {L, B}};
  }
  return t;
}

// --- Clock face ---------------------------------------------------------------------------

namespace {

TPoint RoundPoint(double X, double Y) { return TPoint{int(std::nearbyint(X)), int(std::nearbyint(Y))}; }

// Tip, the two sides and the back of a filled hand.
std::array<TPoint, 4> Hand(double cx, double cy, double rx, double ry, double a, double tip, double back,
                           double width) {
  constexpr double pi = 3.14159265358979323846;
  const double half = width / 2;
  return {RoundPoint(cx + tip * rx * std::cos(a), cy + tip * ry * std::sin(a)),
          RoundPoint(cx + half * std::cos(a + pi / 2), cy + half * std::sin(a + pi / 2)),
          RoundPoint(cx + back * rx * std::cos(a + pi), cy + back * ry * std::sin(a + pi)),
          RoundPoint(cx + half * std::cos(a + 3 * pi / 2), cy + half * std::sin(a + 3 * pi / 2))};
}

}  // namespace

TcxClockFace ClockFaceShape(const TRect& R, double ATime) {
  constexpr double pi = 3.14159265358979323846;
  TcxClockFace face;
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  const double rx = Width(R) / 2.0 - 2, ry = Height(R) / 2.0 - 2;
  face.Center = TPoint{cx, cy};
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * pi * (i * 5) / 60;
    face.HourDots[std::size_t(i)] = RoundPoint(rx * std::cos(a) + cx, ry * std::sin(a) + cy);
  }
  // The time of day in whole seconds; the milliseconds do not move the hands.
  const double day = ATime - std::floor(ATime);
  const long long ms = std::llround(day * 86400000.0) % 86400000;
  const int seconds = int(ms / 1000 % 60), minutes = int(ms / 60000 % 60), hours = int(ms / 3600000);
  const double hourAngle = ((hours % 12) * 3600 + minutes * 60 + seconds - 10800) * 2 * pi / 43200;
  const double minuteAngle = (minutes * 60 + seconds - 900) * 2 * pi / 3600;
  const double secondAngle = (seconds - 15) * 2 * pi / 60;
  face.HourHand = Hand(cx, cy, rx, ry, hourAngle, 0.75, 0.15, 9);
  face.MinuteHand = Hand(cx, cy, rx, ry, minuteAngle, 0.85, 0.2, 7);
  face.SecondHandEnd = RoundPoint(cx + 0.9 * rx * std::cos(secondAngle), cy + 0.9 * ry * std::sin(secondAngle));
  return face;
}

// --- Size grip ----------------------------------------------------------------------------

TcxCornerTurn SizeGripCornerTurn(TcxCorner ACorner) {
  switch (ACorner) {
    case coTopLeft: return {ra180, false};
    case coTopRight: return {raNone, true};  // upside down
    case coBottomLeft: return {ra180, true};  // a half turn, then upside down: mirrored left to right
    default: return {raNone, false};
  }
}

// --- Radio-button images ------------------------------------------------------------------

int RadioButtonImageKey(TcxLookAndFeelKind AKind, TcxButtonState AState, bool AChecked, bool AFirstFlag,
                        bool ASecondFlag) {
  const int state = AState == cxbsDefault ? cxbsNormal : AState;
  return (state - 1) + 4 * int(AChecked) + 8 * int(AKind) + 32 * int(ASecondFlag) + 64 * int(AFirstFlag);
}

bool IsRadioLowerRightCell(int ARow, int AColumn, int AWidth, int AHeight) {
  return (AHeight - 1) * (AWidth - AColumn - 1) < ARow * (AWidth - 1);
}

namespace {

// On the anti-diagonal the ring cells right of the middle column count as lower-right.
TcxRadioPatternCode RingCode(int ARow, int AColumn, int AWidth, int AHeight) {
  const bool onDiagonal = (AHeight - 1) * (AWidth - AColumn - 1) == ARow * (AWidth - 1);
  const bool lowerRight =
      IsRadioLowerRightCell(ARow, AColumn, AWidth, AHeight) || (onDiagonal && AColumn > AWidth / 2);
  return lowerRight ? rpcInnerDark : rpcInnerLight;
}

bool IsInterior(TcxRadioPatternCode C) { return C == rpcBody || C == rpcInnerLight || C == rpcInnerDark; }

}  // namespace

TcxRadioPattern BuildRadioPattern(int AWidth, int AHeight, const std::vector<bool>& AOutline,
                                  const std::vector<bool>& ADot) {
  TcxRadioPattern p;
  p.Width = AWidth;
  p.Height = AHeight;
  p.Cells.assign(std::size_t(AWidth * AHeight), rpcOutside);
  auto cell = [&](int i, int j) -> TcxRadioPatternCode& { return p.Cells[std::size_t(i * AWidth + j)]; };
  for (int i = 0; i < AHeight; ++i)
    for (int j = 0; j < AWidth; ++j)
      if (AOutline[std::size_t(i * AWidth + j)])
        cell(i, j) = IsRadioLowerRightCell(i, j, AWidth, AHeight) ? rpcOuterDark : rpcOuterLight;
  const int midColumn = AWidth / 2, midRow = AHeight / 2;
  // Interior: from the middle column outward until the outline.
  for (int i = 1; i < AHeight - 1; ++i) {
    for (int j = midColumn; j < AWidth && cell(i, j) == rpcOutside; ++j) cell(i, j) = rpcBody;
    for (int j = midColumn - 1; j >= 0 && cell(i, j) == rpcOutside; --j) cell(i, j) = rpcBody;
  }
  // Ring: the last interior cell before the outline on each side, along rows and then columns.
  auto walk = [&](int AFixed, bool ARows, int AFrom, int AStep, int ALimit, bool AAll) {
    int last = -1;
    for (int k = AFrom; k >= 0 && k < ALimit; k += AStep) {
      const int i = ARows ? AFixed : k, j = ARows ? k : AFixed;
      if (!IsInterior(cell(i, j))) break;
      if (AAll) cell(i, j) = RingCode(i, j, AWidth, AHeight);
      last = k;
    }
    if (last >= 0) {
      const int i = ARows ? AFixed : last, j = ARows ? last : AFixed;
      cell(i, j) = RingCode(i, j, AWidth, AHeight);
    }
  };
  for (int i = 1; i < AHeight - 1; ++i) {
    const bool all = i == 1 || i == AHeight - 2;
    walk(i, true, midColumn, 1, AWidth, all);
    walk(i, true, midColumn - 1, -1, AWidth, all);
  }
  for (int j = 1; j < AWidth - 1; ++j) {
    const bool all = j == 1 || j == AWidth - 2;
    walk(j, false, midRow, 1, AHeight, all);
    walk(j, false, midRow - 1, -1, AHeight, all);
  }
  for (int i = 0; i < AHeight; ++i)
    for (int j = 0; j < AWidth; ++j)
      if (ADot[std::size_t(i * AWidth + j)]) cell(i, j) = rpcCheck;
  return p;
}

const TcxRadioOfficeColors* SetRadioOfficeColors(const TcxRadioOfficeColors* AColors) {
  const TcxRadioOfficeColors* previous = GRadioOfficeColors;
  GRadioOfficeColors = AColors;
  return previous;
}

TcxRadioColorMap RadioButtonColorMap(TcxLookAndFeelKind AKind, TcxButtonState AState, bool AChecked,
                                     bool AFirstFlag, bool ASecondFlag, const TcxRadioHighlightColors& AHighlight) {
  const TcxButtonState state = AState == cxbsDefault ? cxbsNormal : AState;
  const bool hotOrPressed = state == cxbsHot || state == cxbsPressed;
  const bool disabled = state == cxbsDisabled;
  // Without the Office colour unit: the colours its entries take when no scheme is themed.
  const TcxRadioOfficeColors* office = GRadioOfficeColors;
  auto officeFace = [&](TcxButtonState s) {
    if (office) return office->ButtonFaceColor(s);
    return s == cxbsHot ? AHighlight.Hot : s == cxbsPressed ? AHighlight.Pressed : clBtnFace;
  };
  const TColor officeDisabled = office ? office->DisabledGlyphColor() : clGrayText;
  const TColor officeHighlight = office ? office->HighlightBorderColor() : clHighlight;

  TcxRadioColorMap map{};
  if (AKind == lfOffice11) map.Body = state == cxbsNormal ? clWindow : officeFace(state);
  else if (disabled) map.Body = clBtnFace;
  else if (AKind == lfUltraFlat)
    map.Body = state == cxbsHot ? AHighlight.Hot : state == cxbsPressed ? AHighlight.Pressed : clWindow;
  else map.Body = state == cxbsPressed ? clBtnFace : clWindow;

  switch (AKind) {
    case lfFlat:
      map = {clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight, map.Body, 0};
      break;
    case lfStandard:
      map = {clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, map.Body, 0};
      break;
    case lfUltraFlat: {
      const TColor h = AFirstFlag || hotOrPressed || (ASecondFlag && !disabled) ? clHighlight : clBtnShadow;
      map = {h, h, map.Body, map.Body, map.Body, 0};
      break;
    }
    case lfOffice11: {
      const TColor o = disabled ? officeDisabled : AFirstFlag || ASecondFlag || hotOrPressed ? officeHighlight
                                                                                              : clBtnText;
      map = {o, o, map.Body, map.Body, map.Body, 0};
      break;
    }
  }
  if (!AChecked) map.Check = map.Body;
  else if (!disabled) map.Check = clWindowText;
  else map.Check = AKind == lfOffice11 ? officeDisabled : clBtnShadow;
  return map;
}
