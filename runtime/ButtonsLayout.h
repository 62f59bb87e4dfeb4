#pragma once

// Where a button's glyph and caption sit along its main axis: shared by the runtime's speed
// button and the toolkit's buttons, which differ only in how they round the centring margin.
struct TGlyphCaptionSpan {
  int Glyph = 0;  // offset of the glyph from the start of the room
  int Text = 0;   // offset of the caption
};

// ARoom, AGlyph, AText: lengths along the axis. AMargin -1 centres glyph and caption together,
// ASpacing -1 distributes the free room; with only one of the two (ABoth false) nothing is spaced.
// AGlyphFirst puts the glyph at the start (left or top). AHalfUp rounds the centring margin of a
// given spacing half up instead of toward zero. Divisions otherwise truncate toward zero.
TGlyphCaptionSpan PlaceGlyphAndCaption(int ARoom, int AGlyph, int AText, int AMargin, int ASpacing, bool ABoth,
                                       bool AGlyphFirst, bool AHalfUp);
