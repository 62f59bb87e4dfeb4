// What the parts of the cxGraphics unit tell each other, for its start and end only.
#pragma once

// Binds AlphaBlend of msimg32.
void StartAlphaBlending();
// Frees the glyph pipeline's work bitmaps and lets msimg32 go.
void EndAlphaBlending();
