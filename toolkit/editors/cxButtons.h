// What the toolkit's push button decides without a window: its state colours
// and their fallback chain, how many cells a glyph strip holds, which cell a
// state shows, the used-index bookkeeping of the shared glyph lists, and where
// glyph and caption go inside the button. The control itself is in
// platform/cxButtons_win.h.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "Classes.h"
#include "Streaming.h"
#include "GraphicsColors.h"
#include "Types.h"
#include "cxLookAndFeelPainters.h"

// --- State colours ------------------------------------------------------------------------
enum TcxButtonAssignedColor {
  cxbcDefault, cxbcDefaultText, cxbcDisabled, cxbcDisabledText, cxbcHot,
  cxbcHotText, cxbcNormal, cxbcNormalText, cxbcPressed, cxbcPressedText
};
VAMIRE_ENUM_NAMES(TcxButtonAssignedColor, L"cxbcDefault", L"cxbcDefaultText", L"cxbcDisabled", L"cxbcDisabledText",
                  L"cxbcHot", L"cxbcHotText", L"cxbcNormal", L"cxbcNormalText", L"cxbcPressed", L"cxbcPressedText")
using TcxButtonAssignedColors = TSet<TcxButtonAssignedColor, 16>;

// A face and a text colour per painter state. Only assigned slots count and
// are stored; an unassigned Normal slot falls back to Default, any other
// unassigned slot to Normal, and what is left is clDefault: the painter's.
class TcxButtonColors : public TPersistent {
  VAMIRE_CLASS(TcxButtonColors, TPersistent)
 public:
  // AOwner is the button: its design state gates AssignedColors.
  explicit TcxButtonColors(TComponent* AOwner) : FOwner(AOwner) { FColors.fill(clDefault); }
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override { return FOwner; }

  TcxButtonAssignedColors AssignedColors() const { return FAssignedColors; }
  // Takes effect only while the owner is designed.
  void SetAssignedColors(TcxButtonAssignedColors Value);
  // The held value of a slot (clDefault when unassigned).
  TColor Color(TcxButtonAssignedColor ASlot) const { return FColors[ASlot]; }
  // clDefault and clNone unassign the slot.
  void SetColor(TcxButtonAssignedColor ASlot, TColor Value);
  // The colour a state paints with, through the fallback chain.
  TColor GetColor(TcxButtonState AState) const { return Lookup(AState, false); }
  TColor GetTextColor(TcxButtonState AState) const { return Lookup(AState, true); }

  // Property access by name for the published table.
  TColor Default() const { return Color(cxbcDefault); }
  void SetDefault(TColor V) { SetColor(cxbcDefault, V); }
  TColor DefaultText() const { return Color(cxbcDefaultText); }
  void SetDefaultText(TColor V) { SetColor(cxbcDefaultText, V); }
  TColor Disabled() const { return Color(cxbcDisabled); }
  void SetDisabled(TColor V) { SetColor(cxbcDisabled, V); }
  TColor DisabledText() const { return Color(cxbcDisabledText); }
  void SetDisabledText(TColor V) { SetColor(cxbcDisabledText, V); }
  TColor Hot() const { return Color(cxbcHot); }
  void SetHot(TColor V) { SetColor(cxbcHot, V); }
  TColor HotText() const { return Color(cxbcHotText); }
  void SetHotText(TColor V) { SetColor(cxbcHotText, V); }
  TColor Normal() const { return Color(cxbcNormal); }
  void SetNormal(TColor V) { SetColor(cxbcNormal, V); }
  TColor NormalText() const { return Color(cxbcNormalText); }
  void SetNormalText(TColor V) { SetColor(cxbcNormalText, V); }
  TColor Pressed() const { return Color(cxbcPressed); }
  void SetPressed(TColor V) { SetColor(cxbcPressed, V); }
  TColor PressedText() const { return Color(cxbcPressedText); }
  void SetPressedText(TColor V) { SetColor(cxbcPressedText, V); }
  template <TcxButtonAssignedColor ASlot>
  bool IsStored() const {
    return FAssignedColors.Contains(ASlot);
  }

  // Fired on every change (the button invalidates).
  TNotifyEvent OnChanged;

 private:
  TColor Lookup(TcxButtonState AState, bool AText) const;
  void Changed();
  TComponent* FOwner;
  std::array<TColor, 10> FColors;
  TcxButtonAssignedColors FAssignedColors;
};

// --- Glyph strips -------------------------------------------------------------------------
// The cells of a strip: up, disabled, down and a spare one.
enum TcxButtonImageKind { cxbikUp, cxbikDisabled, cxbikDown, cxbikSpare };

// The cell count of a strip: width / height when that divides exactly and is
// at most 4, else 1 (also for an empty strip).
int cxGlyphCountOfStrip(int AWidth, int AHeight);
// Default, normal and hot show up; disabled the disabled cell; pressed the
// down cell, but up while the strip has fewer than three cells.
TcxButtonImageKind cxGetStateImageKind(TcxButtonState AState, int ANumGlyphs);

// Which slots of a shared glyph list hold a live image. A freed slot keeps its
// old picture until the next image of the list reuses it.
class TcxGlyphIndexSet {
 public:
  // The first slot not in use (Size() when all are).
  int FirstFree() const;
  // Grows the set to cover AIndex when needed.
  void MarkUsed(int AIndex);
  // False, changing nothing, for a slot not in use.
  bool Release(int AIndex);
  bool IsUsed(int AIndex) const { return AIndex >= 0 && AIndex < Size() && FUsed[AIndex]; }
  int Size() const { return int(FUsed.size()); }
  int UsedCount() const { return FUsedCount; }

 private:
  std::vector<bool> FUsed;
  int FUsedCount = 0;
};

// --- Placing glyph and caption ------------------------------------------------------------
// The glyph's side, in the order of the runtime's TButtonLayout.
enum TcxGlyphLayout { cxglGlyphLeft, cxglGlyphRight, cxglGlyphTop, cxglGlyphBottom };

struct TcxButtonContentLayout {
  TPoint GlyphPos;
  TRect CaptionRect;  // empty without a caption
};

// Measures the caption in a rectangle (DT_CALCRECT); answers the rectangle it needs.
using TcxCaptionMeasureFunc = std::function<TRect(const TRect& R)>;

struct TcxButtonContentParams {
  TRect Client;                 // where glyph and caption go
  int Shift = 0;                // pressed shift, right and down
  TSize GlyphCell;              // one cell of the strip, also when the glyph is hidden
  bool HasImage = false;
  bool HasCaption = false;
  TRect TextMargins;            // left, top, right, bottom around the caption
  TcxGlyphLayout Layout = cxglGlyphLeft;
  int Margin = -1;              // -1 centres glyph and caption together
  int Spacing = 4;              // -1 distributes
  bool RightToLeft = false;     // left and right layouts swap
};

// Glyph position and caption rectangle. Divisions truncate toward zero.
TcxButtonContentLayout CalcButtonContentLayout(const TcxButtonContentParams& P, const TcxCaptionMeasureFunc& AMeasure);
