#include "ButtonsLayout.h"

TGlyphCaptionSpan PlaceGlyphAndCaption(int ARoom, int AGlyph, int AText, int AMargin, int ASpacing, bool ABoth,
                                       bool AGlyphFirst, bool AHalfUp) {
  int margin = AMargin;
  int spacing = ABoth ? ASpacing : 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (ARoom - (AGlyph + AText)) / 3;
      spacing = margin;
    } else {
      margin = (ARoom - (AGlyph + spacing + AText) + (AHalfUp ? 1 : 0)) / 2;
    }
  } else if (spacing == -1) {
    spacing = (ARoom - (margin + AGlyph) - AText) / 2;
  }
  TGlyphCaptionSpan s;
  if (AGlyphFirst) {
    s.Glyph = margin;
    s.Text = s.Glyph + AGlyph + spacing;
  } else {
    s.Glyph = ARoom - margin - AGlyph;
    s.Text = s.Glyph - spacing - AText;
  }
  return s;
}
