// The button's glyph: its image source, the state images built once and kept
// in glyph lists shared by size, and the placing and drawing of glyph and caption.
#include "cxButtons_win.h"

#include <commctrl.h>

namespace {
TcxGlyphCache* GCache = nullptr;

TcxGlyphCache* NeedCache() {
  if (!GCache) GCache = new TcxGlyphCache();
  return GCache;
}

// Pixels of the key colour become transparent (black, alpha 0), the rest
// opaque: the copy of a strip cell carries no alpha of its own, and the
// system may leave any alpha byte in it.
void KeyOut(TcxBitmap32* AImage, TColor AKey) {
  const COLORREF key = ColorToRGB(AKey);
  TRGBColors pixels = AImage->GetPixels();
  for (TRGBQuad& p : pixels) {
    if (RGB(p.rgbRed, p.rgbGreen, p.rgbBlue) == key)
      p = TRGBQuad{0, 0, 0, 0};
    else
      p.rgbReserved = 255;
  }
  AImage->SetPixels(pixels);
}
}  // namespace

TcxGlyphCache* GlyphCache() { return GCache; }

void FreeGlyphCache() {
  delete GCache;
  GCache = nullptr;
}

// --- TcxGlyphList -------------------------------------------------------------------------
TcxGlyphList::TcxGlyphList(int AWidth, int AHeight) : TcxImageList(nullptr, AWidth, AHeight) {}

int TcxGlyphList::StoreImage(TBitmap* AImage, TBitmap* AMask) {
  const int index = FUsed.FirstFree();
  if (index >= Count())
    AddBitmap(AImage, AMask);
  else
    ReplaceImage(index, AImage, AMask);
  FUsed.MarkUsed(index);
  return index;
}

void TcxGlyphList::ReleaseIndex(int AIndex) { FUsed.Release(AIndex); }

// --- TcxGlyphCache ------------------------------------------------------------------------
TcxGlyphCache::~TcxGlyphCache() {
  for (TcxGlyphList* list : FLists) delete list;
}

TcxGlyphList* TcxGlyphCache::GetList(int AWidth, int AHeight) {
  for (auto it = FLists.rbegin(); it != FLists.rend(); ++it)
    if ((*it)->Width() == AWidth && (*it)->Height() == AHeight) return *it;
  FLists.push_back(new TcxGlyphList(AWidth, AHeight));
  return FLists.back();
}

void TcxGlyphCache::ReturnList(TcxGlyphList* AList) {
  if (!AList || AList->UsedCount() > 0) return;
  const auto it = std::find(FLists.begin(), FLists.end(), AList);
  if (it == FLists.end()) return;
  FLists.erase(it);
  delete AList;
}

// --- TcxButtonGlyph -----------------------------------------------------------------------
bool TcxButtonGlyph::TcxImageInfo::IsAssigned() {
  return IsNonEmptyBitmap(Glyph.get()) || IsValidImageIndex(Images, ImageIndex);
}

TcxButtonGlyph::TcxButtonGlyph(TcxCustomButton* AOwner) : FOwner(AOwner), FImageInfo(new TcxImageInfo) {
  FImageInfo->Glyph.reset(new TBitmap());
  FImageInfo->Glyph->OnChange = TNotifyEvent(this, &TcxButtonGlyph::GlyphBitmapChanged);
  NeedCache();
}

TcxButtonGlyph::~TcxButtonGlyph() {
  FImageInfo->Glyph->OnChange = TNotifyEvent();
  ClearStateImages();
  FImageInfo.reset();
  if (GCache && GCache->IsEmpty()) {
    delete GCache;
    GCache = nullptr;
  }
}

void TcxButtonGlyph::SetGlyph(TBitmap* Value) {
  FImageInfo->Glyph->Assign(Value);
  TBitmap* glyph = FImageInfo->Glyph.get();
  int n = 1;
  if (Value && !glyph->Empty()) n = cxGlyphCountOfStrip(glyph->Width(), glyph->Height());
  FNumGlyphs = n;
  GlyphChanged();
}

void TcxButtonGlyph::SetNumGlyphs(int Value) {
  Value = std::clamp(Value, 1, 4);
  if (Value == FNumGlyphs) return;
  FNumGlyphs = Value;
  GlyphChanged();
}

void TcxButtonGlyph::SetImages(TCustomImageList* Value) {
  if (Value == FImageInfo->Images) return;
  FImageInfo->Images = Value;
  if (FImageInfo->Glyph->Empty() && FImageInfo->ImageIndex != -1) GlyphChanged();
}

void TcxButtonGlyph::SetImageIndex(int Value) {
  if (Value == FImageInfo->ImageIndex) return;
  FImageInfo->ImageIndex = Value;
  if (FImageInfo->Glyph->Empty() && FImageInfo->Images) GlyphChanged();
}

void TcxButtonGlyph::GlyphBitmapChanged(TObject* /*Sender*/) { GlyphChanged(); }

void TcxButtonGlyph::GlyphChanged() {
  ClearStateImages();
  if (OnChange) OnChange(this);
}

void TcxButtonGlyph::ClearStateImages() {
  for (int& index : FImageIndexes) {
    if (index != -1 && FGlyphList) FGlyphList->ReleaseIndex(index);
    index = -1;
  }
  if (FGlyphList && GCache) GCache->ReturnList(FGlyphList);
  FGlyphList = nullptr;
}

TSize TcxButtonGlyph::GetGlyphSize() {
  TBitmap* glyph = FImageInfo->Glyph.get();
  if (IsNonEmptyBitmap(glyph)) return TSize{glyph->Width() / FNumGlyphs, glyph->Height()};
  if (FImageInfo->Images) return TSize{FImageInfo->Images->Width(), FImageInfo->Images->Height()};
  return TSize{0, 0};
}

bool TcxButtonGlyph::HasCaption() const {
  return FOwner->PaintStyle() != bpsGlyph && !FOwner->Caption().empty();
}

bool TcxButtonGlyph::HasImage() { return FOwner->PaintStyle() != bpsCaption && FImageInfo->IsAssigned(); }

void TcxButtonGlyph::BuildImage(TcxButtonImageKind AKind, TcxBitmap32* AImage, TBitmap* AMask) {
  const TRect r{0, 0, AImage->Width(), AImage->Height()};
  const HDC dc = AImage->Canvas()->Handle();
  TBitmap* glyph = FImageInfo->Glyph.get();
  if (IsNonEmptyBitmap(glyph)) {
    const TColor transparent = TColor(glyph->TransparentColor() & 0xFFFFFF);
    if (AKind == cxbikDisabled && FNumGlyphs == 1) {
      // No disabled cell: one is made from the up cell over the glyph's transparent colour.
      const HBRUSH brush = CreateSolidBrush(ColorToRGB(transparent));
      DrawImageOrGlyph(dc, r, r, glyph, nullptr, -1, gdmDisabled, false, brush, clNone, true);
      DeleteObject(brush);
    } else {
      const int cell = AKind < FNumGlyphs ? int(AKind) : 0;
      DrawBitmapOnDC(dc, glyph, r, SRCCOPY, TPoint{cell * r.Right, 0});
    }
    KeyOut(AImage, transparent);
    FillMaskBitmap(AImage, AMask);
    glyph->Dormant();
    return;
  }
  TCustomImageList* images = FImageInfo->Images;
  if (AKind == cxbikDisabled) {
    DrawImageOrGlyph(dc, r, r, nullptr, images, FImageInfo->ImageIndex, gdmDisabled);
    FillMaskBitmap(AImage, AMask);
  } else {
    TcxImageList::ReadImageBitmaps(images->Handle(), FImageInfo->ImageIndex, AMask, AImage);
  }
}

int TcxButtonGlyph::PrepareStateImage(TcxButtonState AState) {
  const TcxButtonImageKind kind = cxGetStateImageKind(AState, FNumGlyphs);
  int& index = FImageIndexes[kind];
  if (index != -1 || !FImageInfo->IsAssigned()) return index;
  const TSize size = GetGlyphSize();
  if (size.cx <= 0 || size.cy <= 0) return -1;
  TcxBitmap32 image(size.cx, size.cy, true);
  TBitmap mask;
  mask.SetMonochrome(true);
  mask.SetSize(size.cx, size.cy);
  BuildImage(kind, &image, &mask);
  if (!FGlyphList) FGlyphList = NeedCache()->GetList(size.cx, size.cy);
  index = FGlyphList->StoreImage(&image, &mask);
  return index;
}

TRect TcxButtonGlyph::GetTextMargins(TButtonLayout /*ALayout*/) {
  return HasImage() ? TRect{0, 0, 0, 0} : TRect{1, 0, 2, 0};
}

void TcxButtonGlyph::PaintGlyph(TcxCanvas* ACanvas, const TPoint& APos, TcxButtonState AState) {
  const int index = PrepareStateImage(AState);
  if (index < 0 || !FGlyphList) return;
  // The state images are ready to draw (alpha and mask made when built): the
  // system list draws them without the toolkit's buffered glyph pipeline.
  ImageList_Draw(FGlyphList->Handle(), index, ACanvas->Handle(), APos.X, APos.Y, ILD_TRANSPARENT);
}

void TcxButtonGlyph::DrawCaption(TcxCanvas* ACanvas, const String& ACaption, const TRect& R, TcxButtonState AState,
                                 unsigned ATextFlags, bool /*ANative*/, bool AWordWrap, bool ASkinned) {
  if (!HasCaption()) return;
  TBrush* brush = ACanvas->Brush();
  const TBrushStyle style = brush->Style();
  brush->SetStyle(bsClear);
  const unsigned flags = ATextFlags | DT_CENTER | DT_VCENTER | (AWordWrap ? DT_WORDBREAK : 0u);
  if (AState == cxbsDisabled && !ASkinned) {
    TRect shadow{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
    DrawTextOnCanvas(ACanvas->Canvas(), ACaption, shadow, clBtnHighlight, flags);
  }
  TRect r = R;
  DrawTextOnCanvas(ACanvas->Canvas(), ACaption, r, ACanvas->Font()->Color(), flags);
  brush->SetStyle(style);
}

TcxButtonContentLayout TcxButtonGlyph::CalcContentLayout(TcxCanvas* ACanvas, const TRect& AClient, int AShift,
                                                         const String& ACaption, TButtonLayout ALayout,
                                                         int AMargin, int ASpacing, unsigned ATextFlags,
                                                         bool AWordWrap) {
  TcxButtonContentParams p;
  p.Client = AClient;
  p.Shift = AShift;
  p.GlyphCell = GetGlyphSize();
  p.HasImage = HasImage();
  p.HasCaption = HasCaption();
  p.TextMargins = GetTextMargins(ALayout);
  p.Layout = TcxGlyphLayout(ALayout);
  p.Margin = AMargin;
  p.Spacing = ASpacing;
  p.RightToLeft = (ATextFlags & DT_RIGHT) != 0;
  const unsigned flags = ATextFlags | DT_CALCRECT | (AWordWrap ? DT_WORDBREAK : 0u);
  return CalcButtonContentLayout(p, [&](const TRect& R) {
    TRect r = R;
    DrawTextOnCanvas(ACanvas->Canvas(), ACaption, r, clDefault, flags);
    return r;
  });
}

void TcxButtonGlyph::RenderContent(TcxCanvas* ACanvas, const TRect& AClient, int AShift, const String& ACaption,
                                   TButtonLayout ALayout, int AMargin, int ASpacing, TcxButtonState AState,
                                   unsigned ATextFlags, bool ANative, bool AWordWrap, bool ASkinned) {
  const TcxButtonContentLayout l =
      CalcContentLayout(ACanvas, AClient, AShift, ACaption, ALayout, AMargin, ASpacing, ATextFlags, AWordWrap);
  if (HasImage()) PaintGlyph(ACanvas, l.GlyphPos, AState);
  DrawCaption(ACanvas, ACaption, l.CaptionRect, AState, ATextFlags, ANative, AWordWrap, ASkinned);
}

static_assert(int(cxglGlyphLeft) == int(blGlyphLeft) && int(cxglGlyphRight) == int(blGlyphRight) &&
              int(cxglGlyphTop) == int(blGlyphTop) && int(cxglGlyphBottom) == int(blGlyphBottom));
