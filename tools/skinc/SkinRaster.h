// The skin compiler's small rasteriser: straight-alpha RGBA pixels, shapes
// sampled on a 4 x 4 grid per pixel in integer arithmetic (so a picture comes
// out the same on every machine), solid and two-colour fills, and the marks
// controls show (check, arrows, dot, plus, cross and the caption symbols).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace skinc {

struct TRgba {
  std::uint8_t R = 0, G = 0, B = 0, A = 0;
  friend bool operator==(const TRgba&, const TRgba&) = default;
};

// A colour or a two-colour ramp along x or y of the box it fills.
struct TPaint {
  TRgba From;
  TRgba To;
  bool Ramp = false;
  bool Vertical = true;
  bool None = true;  // paints nothing
};

struct TBox {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  TBox Inflated(int d) const { return TBox{Left - d, Top - d, Right + d, Bottom + d}; }
};

// A shape answers whether a sample point, in eighths of a pixel, lies inside.
using TShape = std::function<bool(std::int64_t X, std::int64_t Y)>;

TShape RoundRectShape(const TBox& ABox, int ARadius);
// The band ABorder pixels wide inside the outline of the rounded rectangle.
TShape RingShape(const TBox& ABox, int ARadius, int ABorder);
TShape CircleShape(int ACentreX8, int ACentreY8, int ARadius8);
// A convex polygon, points in eighths of a pixel, in either winding.
TShape PolygonShape(std::vector<std::int64_t> APoints);
// Segments of the given width (eighths), joined: a polyline.
TShape StrokeShape(std::vector<std::int64_t> APoints, int AWidth8);
TShape UnionShape(std::vector<TShape> AShapes);

class TRaster {
 public:
  TRaster(int AWidth, int AHeight);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  TRgba Pixel(int X, int Y) const { return FPixels[std::size_t(Y) * std::size_t(FWidth) + std::size_t(X)]; }
  const std::vector<TRgba>& Pixels() const { return FPixels; }

  // Every pixel of the box (clipped to the raster) set to the colour, nothing blended.
  void Fill(const TBox& ABox, TRgba AColor);
  // The shape within the box, blended over what is there by its coverage;
  // ramps run across ARampBox.
  void FillShape(const TBox& ABox, const TShape& AShape, const TPaint& APaint, const TBox& ARampBox);

 private:
  void Blend(int X, int Y, TRgba AColor, int ACoverage);
  int FWidth, FHeight;
  std::vector<TRgba> FPixels;
};

// The colour at step AStep of ASteps from A to B, rounded.
TRgba MixRgba(TRgba A, TRgba B, int AStep, int ASteps);

// The marks a frame may carry.
enum class TMark {
  None, Check, Grayed, Dot, ArrowUp, ArrowDown, ArrowLeft, ArrowRight, Plus, Minus, Cross, Ellipsis, Grip,
  HLine, VLine, Minimize, Maximize, Restore, Help
};
// By its name in the catalogue ("check", "arrow-up", ...); false for an unknown name.
bool MarkFromName(const std::string& AName, TMark& AMark);
// The mark centred in the box, ASize pixels across (0: two thirds of the box; an arrow
// at least 7 where the box has room). Arrows are whole-pixel rows, their base ASize wide.
void DrawMark(TRaster& ARaster, const TBox& ABox, TMark AMark, TRgba AColor, int ASize);

}  // namespace skinc
