// Shapes are tested at 16 sample points per pixel, in eighths of a pixel, with
// 64-bit integers only; blending is straight-alpha "over" with rounding.
#include "SkinRaster.h"

#include <algorithm>
#include <map>

namespace skinc {

namespace {

std::int64_t Sq(std::int64_t v) { return v * v; }

// Whether P lies within half of AWidth8 of the segment AB (all in eighths),
// compared in squares so no root is taken.
bool NearSegment(std::int64_t PX, std::int64_t PY, std::int64_t AX, std::int64_t AY, std::int64_t BX,
                 std::int64_t BY, std::int64_t AWidth8) {
  const std::int64_t dx = BX - AX, dy = BY - AY;
  const std::int64_t length2 = dx * dx + dy * dy;
  const std::int64_t dot = (PX - AX) * dx + (PY - AY) * dy;
  // 4 * distance^2 <= width^2
  if (length2 == 0 || dot <= 0) return 4 * (Sq(PX - AX) + Sq(PY - AY)) <= Sq(AWidth8);
  if (dot >= length2) return 4 * (Sq(PX - BX) + Sq(PY - BY)) <= Sq(AWidth8);
  const std::int64_t cross = (PX - AX) * dy - (PY - AY) * dx;
  // Both sides fit 64 bits for pictures of a few hundred pixels.
  return 4 * Sq(cross) <= Sq(AWidth8) * length2;
}

// An arrow built of whole-pixel rows, each two pixels wider than the one before it,
// centred in the box. Sampled like any shape, a small antialiased triangle smears into
// a blob at glyph sizes (a 9 x 7 spin glyph showed a dot); whole rows stay crisp. The
// base keeps the parity of the box's extent across it, so the rows centre on pixels.
TShape ArrowShape(const TBox& ABox, TMark AMark, int ABase) {
  const bool vertical = AMark == TMark::ArrowUp || AMark == TMark::ArrowDown;
  const bool tipFirst = AMark == TMark::ArrowUp || AMark == TMark::ArrowLeft;
  const int across = std::max(vertical ? ABox.Width() : ABox.Height(), 0);
  const int along = std::max(vertical ? ABox.Height() : ABox.Width(), 0);
  int base = std::min(ABase, across);
  if ((across - base) % 2 != 0) --base;
  if (base < 1) base = across;
  const int tip = 2 - base % 2;
  const int depth = std::min((base + 1) / 2, along);
  const std::int64_t start8 = 8 * std::int64_t((along - depth) / 2);
  const std::int64_t left8 = 8 * std::int64_t(ABox.Left), top8 = 8 * std::int64_t(ABox.Top);
  return [=](std::int64_t X, std::int64_t Y) {
    const std::int64_t u = vertical ? X - left8 : Y - top8, v = (vertical ? Y - top8 : X - left8) - start8;
    if (v < 0 || v >= 8 * std::int64_t(depth)) return false;
    const std::int64_t row = v / 8, width = tip + 2 * (tipFirst ? row : depth - 1 - row);
    return u >= 4 * (across - width) && u < 4 * (across + width);
  };
}

}  // namespace

TShape RoundRectShape(const TBox& ABox, int ARadius) {
  const std::int64_t l = 8 * std::int64_t(ABox.Left), t = 8 * std::int64_t(ABox.Top);
  const std::int64_t r = 8 * std::int64_t(ABox.Right), b = 8 * std::int64_t(ABox.Bottom);
  const std::int64_t radius = 8 * std::int64_t(std::max(0, std::min({ARadius, ABox.Width() / 2, ABox.Height() / 2})));
  return [=](std::int64_t X, std::int64_t Y) {
    if (X < l || X >= r || Y < t || Y >= b) return false;
    const std::int64_t dx = X < l + radius ? l + radius - X : X > r - radius ? X - (r - radius) : 0;
    const std::int64_t dy = Y < t + radius ? t + radius - Y : Y > b - radius ? Y - (b - radius) : 0;
    return dx == 0 || dy == 0 || dx * dx + dy * dy <= radius * radius;
  };
}

TShape RingShape(const TBox& ABox, int ARadius, int ABorder) {
  const TShape outer = RoundRectShape(ABox, ARadius);
  const TShape inner = RoundRectShape(ABox.Inflated(-ABorder), std::max(ARadius - ABorder, 0));
  return [=](std::int64_t X, std::int64_t Y) { return outer(X, Y) && !inner(X, Y); };
}

TShape CircleShape(int ACentreX8, int ACentreY8, int ARadius8) {
  return [=](std::int64_t X, std::int64_t Y) { return Sq(X - ACentreX8) + Sq(Y - ACentreY8) <= Sq(ARadius8); };
}

TShape PolygonShape(std::vector<std::int64_t> APoints) {
  return [points = std::move(APoints)](std::int64_t X, std::int64_t Y) {
    const std::size_t n = points.size() / 2;
    bool positive = false, negative = false;
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t j = (i + 1) % n;
      const std::int64_t c = (points[2 * j] - points[2 * i]) * (Y - points[2 * i + 1]) -
                             (points[2 * j + 1] - points[2 * i + 1]) * (X - points[2 * i]);
      positive |= c > 0;
      negative |= c < 0;
    }
    return !(positive && negative);
  };
}

TShape StrokeShape(std::vector<std::int64_t> APoints, int AWidth8) {
  return [points = std::move(APoints), AWidth8](std::int64_t X, std::int64_t Y) {
    for (std::size_t i = 0; i + 3 < points.size(); i += 2)
      if (NearSegment(X, Y, points[i], points[i + 1], points[i + 2], points[i + 3], AWidth8)) return true;
    return false;
  };
}

TShape UnionShape(std::vector<TShape> AShapes) {
  return [shapes = std::move(AShapes)](std::int64_t X, std::int64_t Y) {
    return std::any_of(shapes.begin(), shapes.end(), [&](const TShape& s) { return s(X, Y); });
  };
}

TRgba MixRgba(TRgba A, TRgba B, int AStep, int ASteps) {
  if (ASteps <= 0) return A;
  auto mix = [&](int a, int b) { return std::uint8_t((a * (ASteps - AStep) + b * AStep + ASteps / 2) / ASteps); };
  return TRgba{mix(A.R, B.R), mix(A.G, B.G), mix(A.B, B.B), mix(A.A, B.A)};
}

TRaster::TRaster(int AWidth, int AHeight)
    : FWidth(std::max(AWidth, 0)), FHeight(std::max(AHeight, 0)),
      FPixels(std::size_t(FWidth) * std::size_t(FHeight)) {}

void TRaster::Fill(const TBox& ABox, TRgba AColor) {
  for (int y = std::max(ABox.Top, 0); y < std::min(ABox.Bottom, FHeight); ++y)
    for (int x = std::max(ABox.Left, 0); x < std::min(ABox.Right, FWidth); ++x)
      FPixels[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)] = AColor;
}

void TRaster::Blend(int X, int Y, TRgba AColor, int ACoverage) {
  TRgba& d = FPixels[std::size_t(Y) * std::size_t(FWidth) + std::size_t(X)];
  const int sa = (AColor.A * ACoverage + 8) / 16;
  if (sa == 0) return;
  const int outA255 = sa * 255 + d.A * (255 - sa);
  auto channel = [&](int s, int dc) {
    return std::uint8_t((std::int64_t(s) * sa * 255 + std::int64_t(dc) * d.A * (255 - sa) + outA255 / 2) / outA255);
  };
  d = TRgba{channel(AColor.R, d.R), channel(AColor.G, d.G), channel(AColor.B, d.B),
            std::uint8_t((outA255 + 127) / 255)};
}

void TRaster::FillShape(const TBox& ABox, const TShape& AShape, const TPaint& APaint, const TBox& ARampBox) {
  if (APaint.None) return;
  for (int y = std::max(ABox.Top, 0); y < std::min(ABox.Bottom, FHeight); ++y) {
    for (int x = std::max(ABox.Left, 0); x < std::min(ABox.Right, FWidth); ++x) {
      int coverage = 0;
      for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) coverage += AShape(8 * x + 1 + 2 * i, 8 * y + 1 + 2 * j) ? 1 : 0;
      if (coverage == 0) continue;
      TRgba color = APaint.From;
      if (APaint.Ramp) {
        const int extent = (APaint.Vertical ? ARampBox.Height() : ARampBox.Width()) - 1;
        const int at = std::clamp(APaint.Vertical ? y - ARampBox.Top : x - ARampBox.Left, 0, std::max(extent, 0));
        color = MixRgba(APaint.From, APaint.To, at, extent);
      }
      Blend(x, y, color, coverage);
    }
  }
}

// --- Marks ---------------------------------------------------------------------------------

bool MarkFromName(const std::string& AName, TMark& AMark) {
  static const std::map<std::string, TMark> names = {
      {"none", TMark::None},         {"check", TMark::Check},           {"grayed", TMark::Grayed},
      {"dot", TMark::Dot},           {"arrow-up", TMark::ArrowUp},      {"arrow-down", TMark::ArrowDown},
      {"arrow-left", TMark::ArrowLeft}, {"arrow-right", TMark::ArrowRight}, {"plus", TMark::Plus},
      {"minus", TMark::Minus},       {"cross", TMark::Cross},           {"ellipsis", TMark::Ellipsis},
      {"grip", TMark::Grip},         {"hline", TMark::HLine},           {"vline", TMark::VLine},
      {"minimize", TMark::Minimize}, {"maximize", TMark::Maximize},     {"restore", TMark::Restore},
      {"help", TMark::Help}};
  const auto it = names.find(AName);
  if (it == names.end()) return false;
  AMark = it->second;
  return true;
}

void DrawMark(TRaster& ARaster, const TBox& ABox, TMark AMark, TRgba AColor, int ASize) {
  if (AMark == TMark::None) return;
  const int size = ASize > 0 ? ASize : std::max(2 * std::min(ABox.Width(), ABox.Height()) / 3, 1);
  // An arrow is half as deep as it is wide, so two thirds of a small box's shorter side
  // leaves it too small to read: it takes at least 7 pixels across where the box has room.
  const int arrowAcross = AMark == TMark::ArrowUp || AMark == TMark::ArrowDown ? ABox.Width() : ABox.Height();
  const int arrowBase = ASize > 0 ? ASize : std::max(size, std::min(arrowAcross - 2, 7));
  const std::int64_t cx = 4 * std::int64_t(ABox.Left + ABox.Right), cy = 4 * std::int64_t(ABox.Top + ABox.Bottom);
  const std::int64_t s8 = 8 * std::int64_t(size);
  // A point of the mark given in hundredths of its size from the centre.
  auto px = [&](int f) { return cx + f * s8 / 100; };
  auto py = [&](int f) { return cy + f * s8 / 100; };
  const int line8 = std::max(12, int(s8 / 7));  // about a seventh of the mark, at least 1.5 pixels
  TPaint paint;
  paint.From = AColor;
  paint.None = false;
  TShape shape;
  switch (AMark) {
    case TMark::None: return;
    case TMark::Check:
      shape = StrokeShape({px(-38), py(2), px(-12), py(30), px(40), py(-30)}, line8 + 4);
      break;
    case TMark::Grayed:
      shape = PolygonShape({px(-26), py(-26), px(26), py(-26), px(26), py(26), px(-26), py(26)});
      break;
    // The whole mark size across: at about half of it a radio button's dot was a speck.
    case TMark::Dot: shape = CircleShape(int(cx), int(cy), int(s8 / 2)); break;
    case TMark::ArrowUp:
    case TMark::ArrowDown:
    case TMark::ArrowLeft:
    case TMark::ArrowRight: shape = ArrowShape(ABox, AMark, arrowBase); break;
    case TMark::Plus:
      shape = UnionShape({StrokeShape({px(-40), py(0), px(40), py(0)}, line8),
                          StrokeShape({px(0), py(-40), px(0), py(40)}, line8)});
      break;
    case TMark::Minus: shape = StrokeShape({px(-40), py(0), px(40), py(0)}, line8); break;
    case TMark::Cross:
      shape = UnionShape({StrokeShape({px(-36), py(-36), px(36), py(36)}, line8 + 2),
                          StrokeShape({px(-36), py(36), px(36), py(-36)}, line8 + 2)});
      break;
    case TMark::Ellipsis:
      shape = UnionShape({CircleShape(int(px(-34)), int(cy), line8), CircleShape(int(cx), int(cy), line8),
                          CircleShape(int(px(34)), int(cy), line8)});
      break;
    case TMark::Grip: {
      std::vector<TShape> dots;
      for (int row = -1; row <= 1; ++row)
        for (int col = -1; col <= 1; ++col)
          if (row + col >= 0) dots.push_back(CircleShape(int(px(col * 34)), int(py(row * 34)), line8 * 2 / 3));
      shape = UnionShape(std::move(dots));
      break;
    }
    case TMark::HLine:
      shape = StrokeShape({8 * std::int64_t(ABox.Left), cy, 8 * std::int64_t(ABox.Right), cy}, 8);
      break;
    case TMark::VLine:
      shape = StrokeShape({cx, 8 * std::int64_t(ABox.Top), cx, 8 * std::int64_t(ABox.Bottom)}, 8);
      break;
    case TMark::Minimize: shape = StrokeShape({px(-36), py(30), px(36), py(30)}, line8 + 4); break;
    case TMark::Maximize:
      shape = UnionShape({StrokeShape({px(-38), py(-34), px(38), py(-34)}, line8 + 4),
                          StrokeShape({px(-38), py(-38), px(-38), py(38), px(38), py(38), px(38), py(-38)}, 10)});
      break;
    case TMark::Restore:
      shape = UnionShape({StrokeShape({px(-38), py(-8), px(18), py(-8), px(18), py(38), px(-38), py(38), px(-38),
                                       py(-8)},
                                      10),
                          StrokeShape({px(-18), py(-8), px(-18), py(-36), px(38), py(-36), px(38), py(18),
                                       px(18), py(18)},
                                      10)});
      break;
    case TMark::Help:
      shape = UnionShape({StrokeShape({px(-24), py(-22), px(-16), py(-36), px(0), py(-40), px(16), py(-36),
                                       px(24), py(-22), px(16), py(-8), px(0), py(0), px(0), py(14)},
                                      line8),
                          CircleShape(int(cx), int(py(34)), line8 * 3 / 4)});
      break;
  }
  ARaster.FillShape(ABox, shape, paint, ABox);
}

}  // namespace skinc
