#include "cxButtons.h"

#include <algorithm>

#include "ButtonsLayout.h"

// --- TcxButtonColors ----------------------------------------------------------------------
void TcxButtonColors::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxButtonColors*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  FColors = source->FColors;
  FAssignedColors = source->FAssignedColors;
  Changed();
}

void TcxButtonColors::SetAssignedColors(TcxButtonAssignedColors Value) {
  if (!FOwner || !FOwner->ComponentState().Contains(csDesigning)) return;
  for (int i = cxbcDefault; i <= cxbcPressedText; ++i) {
    const auto slot = TcxButtonAssignedColor(i);
    if (!Value.Contains(slot))
      FColors[slot] = clDefault;
    else if (FColors[slot] == clDefault)
      Value.Exclude(slot);
  }
  FAssignedColors = Value;
  Changed();
}

void TcxButtonColors::SetColor(TcxButtonAssignedColor ASlot, TColor Value) {
  if (Value == clDefault || Value == clNone) {
    if (!FAssignedColors.Contains(ASlot) && FColors[ASlot] == clDefault) return;
    FColors[ASlot] = clDefault;
    FAssignedColors.Exclude(ASlot);
  } else {
    if (FAssignedColors.Contains(ASlot) && FColors[ASlot] == Value) return;
    FColors[ASlot] = Value;
    FAssignedColors.Include(ASlot);
  }
  Changed();
}

TColor TcxButtonColors::Lookup(TcxButtonState AState, bool AText) const {
  const int text = AText ? 1 : 0;
  TcxButtonAssignedColor slot;
  switch (AState) {
    case cxbsDefault: slot = cxbcDefault; break;
    case cxbsHot: slot = cxbcHot; break;
    case cxbsPressed: slot = cxbcPressed; break;
    case cxbsDisabled: slot = cxbcDisabled; break;
    default: slot = cxbcNormal; break;
  }
  slot = TcxButtonAssignedColor(slot + text);
  if (FAssignedColors.Contains(slot)) return FColors[slot];
  // The held value of the fallback slot, assigned or not: the chain ends in clDefault.
  if (slot == cxbcNormal || slot == cxbcNormalText) return FColors[cxbcDefault + text];
  return FColors[cxbcNormal + text];
}

void TcxButtonColors::Changed() {
  if (OnChanged) OnChanged(this);
}

// --- Glyph strips -------------------------------------------------------------------------
int cxGlyphCountOfStrip(int AWidth, int AHeight) {
  if (AWidth <= 0 || AHeight <= 0 || AWidth % AHeight != 0) return 1;
  const int n = AWidth / AHeight;
  return n <= 4 ? n : 1;
}

TcxButtonImageKind cxGetStateImageKind(TcxButtonState AState, int ANumGlyphs) {
  switch (AState) {
    case cxbsDisabled: return cxbikDisabled;
    case cxbsPressed: return ANumGlyphs < 3 ? cxbikUp : cxbikDown;
    default: return cxbikUp;
  }
}

int TcxGlyphIndexSet::FirstFree() const {
  const auto it = std::find(FUsed.begin(), FUsed.end(), false);
  return int(it - FUsed.begin());
}

void TcxGlyphIndexSet::MarkUsed(int AIndex) {
  if (AIndex < 0) return;
  if (AIndex >= Size()) FUsed.resize(std::size_t(AIndex) + 1, false);
  if (FUsed[AIndex]) return;
  FUsed[AIndex] = true;
  ++FUsedCount;
}

bool TcxGlyphIndexSet::Release(int AIndex) {
  if (!IsUsed(AIndex)) return false;
  FUsed[AIndex] = false;
  --FUsedCount;
  return true;
}

// --- Placing glyph and caption ------------------------------------------------------------
TcxButtonContentLayout CalcButtonContentLayout(const TcxButtonContentParams& P, const TcxCaptionMeasureFunc& AMeasure) {
  TcxGlyphLayout layout = P.Layout;
  if (P.RightToLeft) {
    if (layout == cxglGlyphLeft)
      layout = cxglGlyphRight;
    else if (layout == cxglGlyphRight)
      layout = cxglGlyphLeft;
  }
  const bool horizontal = layout == cxglGlyphLeft || layout == cxglGlyphRight;
  const TSize w{P.Client.Right - P.Client.Left, P.Client.Bottom - P.Client.Top};
  const int spacing = P.Spacing;
  const int margin = P.Margin;

  TRect t{};
  TSize s{0, 0};
  if (P.HasCaption) {
    t = TRect{0, 0, w.cx, 0};
    // The spacing as given: -1 widens the caption's room by a pixel.
    if (horizontal) t.Right -= P.GlyphCell.cx + spacing;
    t = TRect{t.Left + P.TextMargins.Left, t.Top + P.TextMargins.Top, t.Right - P.TextMargins.Right,
              t.Bottom - P.TextMargins.Bottom};
    t = AMeasure(t);
    s = TSize{t.Right - t.Left + P.TextMargins.Left + P.TextMargins.Right,
              t.Bottom - t.Top + P.TextMargins.Top + P.TextMargins.Bottom};
  }
  const TSize img = P.HasImage ? P.GlyphCell : TSize{0, 0};

  TPoint g{0, 0}, tp{0, 0};
  if (horizontal) {
    g.Y = (w.cy - img.cy) / 2;
    tp.Y = (w.cy - s.cy - 1) / 2;
  } else {
    g.X = (w.cx - img.cx) / 2;
    tp.X = (w.cx - s.cx) / 2;
  }
  const bool first = layout == cxglGlyphLeft || layout == cxglGlyphTop;
  const bool both = s.cx != 0 && img.cx != 0;
  const TGlyphCaptionSpan span = horizontal ? PlaceGlyphAndCaption(w.cx, img.cx, s.cx, margin, spacing, both, first, false)
                                            : PlaceGlyphAndCaption(w.cy, img.cy, s.cy, margin, spacing, both, first, false);
  if (horizontal) {
    g.X = span.Glyph;
    tp.X = span.Text;
  } else {
    g.Y = span.Glyph;
    tp.Y = span.Text;
  }
  const int dx = P.Client.Left + P.Shift, dy = P.Client.Top + P.Shift;
  TcxButtonContentLayout result;
  result.GlyphPos = TPoint{g.X + dx, g.Y + dy};
  if (P.HasCaption) {
    const int ox = tp.X + dx, oy = tp.Y + dy;
    result.CaptionRect = TRect{t.Left + ox, t.Top + oy, t.Right + ox, t.Bottom + oy};
  }
  return result;
}
