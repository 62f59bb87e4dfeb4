// The canvas wrapper: objects, origins, the three saved-state stacks, clipping,
// fills and frames, lines and bitmaps. Text is in cxGraphics_text.cpp.
#include "cxGraphics_win.h"

namespace {

// A region of the rectangle that a device with no clip region draws within.
constexpr TRect NoClipArea{0, 0, 30000, 30000};

}  // namespace

TcxCanvas::TcxCanvas(TCanvas* ACanvas) : FCanvas(ACanvas) {}

TcxCanvas::~TcxCanvas() = default;

// --- Objects ------------------------------------------------------------------------------

void TcxCanvas::SetBrushColor(TColor Value) {
  if (Brush()->Color() != Value || Brush()->Style() == bsClear) Brush()->SetColor(Value);
}

void TcxCanvas::SetPixel(int X, int Y, TColor AColor) {
  if (AColor != clNone) FCanvas->SetPixels(X, Y, AColor);
}

void TcxCanvas::SetFontAngle(int ADegrees) {
  LOGFONTW font;
  if (!GetFontObjectData(Font()->Handle(), font)) return;
  font.lfEscapement = ADegrees * 10;
  if (ADegrees != 0) font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  Font()->SetHandle(CreateFontIndirectW(&font));
}

void TcxCanvas::TakeObjectsFromDC(HDC DC) { ApplyDCObjectsToCanvas(FCanvas, DC); }

// --- Origins ------------------------------------------------------------------------------

TPoint TcxCanvas::GetViewportOrigin() {
  POINT p{};
  GetViewportOrgEx(Handle(), &p);
  return TPoint{p.x, p.y};
}

void TcxCanvas::SetViewportOrigin(const TPoint& P) { SetViewportOrgEx(Handle(), P.X, P.Y, nullptr); }

TPoint TcxCanvas::GetWindowOrigin() {
  POINT p{};
  GetWindowOrgEx(Handle(), &p);
  return TPoint{p.x, p.y};
}

void TcxCanvas::SetWindowOrigin(const TPoint& P) { SetWindowOrgEx(Handle(), P.X, P.Y, nullptr); }

TPoint TcxCanvas::GetDeviceOrigin() {
  const TPoint viewport = GetViewportOrigin(), window = GetWindowOrigin();
  return TPoint{viewport.X - window.X, viewport.Y - window.Y};
}

// --- Saved states -------------------------------------------------------------------------

void TcxCanvas::SaveDeviceState() {
  HDC dc = Handle();
  FCanvas->Lock();
  FDCStates.push_back({dc, ::SaveDC(dc)});
}

void TcxCanvas::RestoreDeviceState() {
  if (FDCStates.empty()) return;
  const TDCState state = FDCStates.back();
  FDCStates.pop_back();
  FCanvas->SetHandle(state.DC);
  // The canvas would otherwise take the objects the restore brings back for
  // its own current ones and draw with them; deselecting first makes the
  // next drawing call select its own again.
  FCanvas->Refresh();
  ::RestoreDC(state.DC, state.SavedDC);
  FCanvas->Unlock();
}

void TcxCanvas::PushState() {
  // Objects assigned but not yet selected are the canvas's truth, not what
  // the DC happens to hold: select them before reading the DC back.
  FCanvas->RequiredState(TCanvasStates{csHandleValid, csFontValid, csBrushValid, csPenValid});
  TakeObjectsFromDC(Handle());
  SaveDeviceState();
  TObjectState state{std::make_unique<TFont>(), std::make_unique<TBrush>(), std::make_unique<TPen>()};
  state.Font->Assign(Font());
  state.Brush->Assign(Brush());
  state.Pen->Assign(Pen());
  FObjectStates.push_back(std::move(state));
}

void TcxCanvas::PopState() {
  if (FObjectStates.empty()) return;
  TObjectState state = std::move(FObjectStates.back());
  FObjectStates.pop_back();
  Font()->Assign(state.Font.get());
  Brush()->Assign(state.Brush.get());
  Pen()->Assign(state.Pen.get());
  RestoreDeviceState();
}

void TcxCanvas::PushClipRegion() { FClipRegions.push_back(CopyClipRegion(true)); }

void TcxCanvas::PopClipRegion() {
  if (FClipRegions.empty()) return;
  std::unique_ptr<TcxRegion> region = std::move(FClipRegions.back());
  FClipRegions.pop_back();
  SetClipRegion(region.release(), roSet, true, true);
}

// --- Clipping -----------------------------------------------------------------------------

void TcxCanvas::ExcludeClipRectangle(const TRect& R) { ::ExcludeClipRect(Handle(), R.Left, R.Top, R.Right, R.Bottom); }

void TcxCanvas::IntersectClipRectangle(const TRect& R) {
  ::IntersectClipRect(Handle(), R.Left, R.Top, R.Right, R.Bottom);
}

std::unique_ptr<TcxRegion> TcxCanvas::CopyClipRegion(bool AConsiderOrigin) {
  HDC dc = Handle();
  auto region = std::make_unique<TcxRegion>();
  if (GetClipRgn(dc, region->Handle()) != 1)
    SetRectRgn(region->Handle(), NoClipArea.Left, NoClipArea.Top, NoClipArea.Right, NoClipArea.Bottom);
  if (AConsiderOrigin) {
    const TPoint origin = GetDeviceOrigin();
    region->Shift(-origin.X, -origin.Y);
  }
  return region;
}

void TcxCanvas::SetClipRegion(TcxRegion* ARegion, TcxRegionCombineMode AMode, bool ADestroyRegion,
                              bool AConsiderOrigin) {
  std::unique_ptr<TcxRegion> owned(ADestroyRegion ? ARegion : nullptr);
  if (!ARegion) return;
  HDC dc = Handle();
  if (AMode != roSet) {
    std::unique_ptr<TcxRegion> clip = CopyClipRegion(AConsiderOrigin);
    clip->CombineWith(owned ? owned.release() : ARegion, AMode, ADestroyRegion);
    SetClipRegion(clip.release(), roSet, true, AConsiderOrigin);
    return;
  }
  const TPoint origin = AConsiderOrigin ? GetDeviceOrigin() : TPoint{};
  ARegion->Shift(origin.X, origin.Y);
  SelectClipRgn(dc, ARegion->Handle());
  if (!ADestroyRegion) ARegion->Shift(-origin.X, -origin.Y);
}

bool TcxCanvas::RectVisible(const TRect& R) { return ::RectVisible(Handle(), AsRect(R)) != FALSE; }

void TcxCanvas::BeginPath() { ::BeginPath(Handle()); }

void TcxCanvas::EndPath() { ::EndPath(Handle()); }

std::unique_ptr<TcxRegion> TcxCanvas::PathToRegion(bool AConsiderOrigin) {
  auto region = std::make_unique<TcxRegion>(::PathToRegion(Handle()));
  if (AConsiderOrigin) {
    const TPoint origin = GetDeviceOrigin();
    region->Shift(-origin.X, -origin.Y);
  }
  return region;
}

// --- Fills and frames ---------------------------------------------------------------------

void TcxCanvas::FillRect(const TRect& R, TColor AColor) {
  if (AColor == clNone) return;
  if (AColor == clDefault) {
    FCanvas->FillRect(R);
    return;
  }
  SetBrushColor(AColor);
  FillWithBrushColor(&R, 1);
}

void TcxCanvas::FillWithBrushColor(const TRect* ARects, int ACount) {
  // A pattern brush keeps its bitmap, and a hatched one its hatch, whatever
  // its colour: the canvas draws them.
  if (Brush()->Bitmap() || Brush()->Style() != bsSolid) {
    for (int i = 0; i < ACount; ++i) FCanvas->FillRect(ARects[i]);
    return;
  }
  // A solid brush of the colour draws what the DC brush of that colour draws;
  // the DC brush saves making and selecting a brush for every colour change
  // (its colour is left set: nothing else here draws with it). The canvas's
  // change events run as its own drawing calls run them.
  if (FCanvas->OnChanging) FCanvas->OnChanging(FCanvas);
  HDC dc = Handle();
  SetDCBrushColor(dc, COLORREF(ColorToRGB(Brush()->Color())) & 0xFFFFFFu);
  HBRUSH brush = HBRUSH(GetStockObject(DC_BRUSH));
  for (int i = 0; i < ACount; ++i) ::FillRect(dc, AsRect(ARects[i]), brush);
  if (FCanvas->OnChange) FCanvas->OnChange(FCanvas);
}

void TcxCanvas::FillRectWithBitmap(const TRect& R, TBitmap* ABitmap, bool AExcludeRect) {
  if (R.Left >= R.Right || R.Top >= R.Bottom) return;
  if (IsNonEmptyBitmap(ABitmap)) {
    const int width = ABitmap->Width(), height = ABitmap->Height();
    TCanvas* source = ABitmap->Canvas();
    for (const TcxBitmapTile& tile : BitmapTiles(R, width, height)) {
      const TRect from{tile.Source.X, tile.Source.Y, tile.Source.X + (tile.Dest.Right - tile.Dest.Left),
                       tile.Source.Y + (tile.Dest.Bottom - tile.Dest.Top)};
      FCanvas->CopyRect(tile.Dest, source, from);
    }
  } else {
    FCanvas->FillRect(R);
  }
  if (AExcludeRect) SetClipRegion(new TcxRegion(R), roSubtract, true, true);
}

void TcxCanvas::FrameRectBorders(const TRect& R, TColor AColor, int ALineWidth, TcxBorders ABorders,
                                 bool AExcludeRect) {
  // No colour paints nothing, and leaves nothing excluded that later painting should cover.
  if (AColor == clNone) return;
  if (R.Left >= R.Right || R.Top >= R.Bottom) return;
  const TcxBorderBands bands = FrameBorderBands(R, ALineWidth, ABorders);
  if (AColor == clDefault) {
    for (const TRect& band : bands) FCanvas->FillRect(band);
  } else {
    SetBrushColor(AColor);
    FillWithBrushColor(bands.Bands, bands.Count);
  }
  // The bands are all of one colour, so excluding them after filling them all
  // leaves the pixels and the clip region that band-by-band exclusion leaves.
  if (AExcludeRect)
    for (const TRect& band : bands) SetClipRegion(new TcxRegion(band), roSubtract, true, true);
}

void TcxCanvas::FillRectWithBorders(const TRect& R, const TcxViewStyleParams& AViewParams, TcxBorders ABorders,
                                    TColor ABorderColor, int ABorderWidth, bool AExcludeRect) {
  FrameRectBorders(R, ABorderColor, ABorderWidth, ABorders, AExcludeRect);
  TRect inner = R;
  if (ABorders.Contains(bLeft)) inner.Left += ABorderWidth;
  if (ABorders.Contains(bTop)) inner.Top += ABorderWidth;
  if (ABorders.Contains(bRight)) inner.Right -= ABorderWidth;
  if (ABorders.Contains(bBottom)) inner.Bottom -= ABorderWidth;
  // As with FillRect: no colour and no bitmap paint nothing; the default colour keeps the brush.
  if (AViewParams.Color == clNone && !IsNonEmptyBitmap(AViewParams.Bitmap)) return;
  if (AViewParams.Color != clNone && AViewParams.Color != clDefault) SetBrushColor(AViewParams.Color);
  FillRectWithBitmap(inner, AViewParams.Bitmap, AExcludeRect);
}

void TcxCanvas::DrawTwoColorFrame(const TRect& R, TColor ALeftTopColor, TColor ARightBottomColor, TcxBorders ABorders,
                                  int ABorderWidth) {
  const int w = ABorderWidth;
  if (ABorders.Contains(bLeft)) FillRect({R.Left, R.Top, R.Left + w, R.Bottom}, ALeftTopColor);
  if (ABorders.Contains(bTop)) FillRect({R.Left, R.Top, R.Right, R.Top + w}, ALeftTopColor);
  if (ABorders.Contains(bRight)) FillRect({R.Right - w, R.Top, R.Right, R.Bottom}, ARightBottomColor);
  if (ABorders.Contains(bBottom)) FillRect({R.Left, R.Bottom - w, R.Right, R.Bottom}, ARightBottomColor);
}

void TcxCanvas::Draw3DEdge(const TRect& R, bool ASunken, bool AOuter, TcxBorders ABorders) {
  TColor leftTop, rightBottom;
  if (ASunken) {
    leftTop = AOuter ? clBtnShadow : cl3DDkShadow;
    rightBottom = AOuter ? clBtnHighlight : cl3DLight;
  } else {
    leftTop = AOuter ? cl3DLight : clBtnHighlight;
    rightBottom = AOuter ? cl3DDkShadow : clBtnShadow;
  }
  DrawTwoColorFrame(R, leftTop, rightBottom, ABorders, 1);
}

void TcxCanvas::DrawFocusRect(const TRect& R) {
  SetBrushColor(clWhite);
  Font()->SetColor(clBlack);
  FCanvas->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  FCanvas->DrawFocusRect(R);
}

void TcxCanvas::InvertRect(const TRect& R) {
  SetCopyMode(cmDstInvert);
  struct TBack {
    TcxCanvas* Canvas;
    ~TBack() { Canvas->SetCopyMode(cmSrcCopy); }
  } back{this};
  CopyRectangle(R, FCanvas, R);
}

// --- Lines --------------------------------------------------------------------------------

void TcxCanvas::MoveTo(int X, int Y) { FCanvas->MoveTo(X, Y); }

void TcxCanvas::LineTo(int X, int Y) { FCanvas->LineTo(X, Y); }

void TcxCanvas::Polygon(const std::vector<TPoint>& APoints) { FCanvas->Polygon(APoints); }

void TcxCanvas::Polyline(const std::vector<TPoint>& APoints) { FCanvas->Polyline(APoints); }

// --- Bitmaps ------------------------------------------------------------------------------

void TcxCanvas::DrawGraphic(int X, int Y, TGraphic* AGraphic) { FCanvas->Draw(X, Y, AGraphic); }

void TcxCanvas::CopyRectangle(const TRect& ADest, TCanvas* ACanvas, const TRect& ASource) {
  FCanvas->CopyRect(ADest, ACanvas, ASource);
}

void TcxCanvas::RotateBitmap(TBitmap* ABitmap, TcxBitmapRotation ARotation, bool AFlip) {
  if (!ABitmap || (ARotation == raNone && !AFlip)) return;
  TRGBColors pixels;
  if (!GetBitmapColors(ABitmap, pixels, true)) return;
  int width = ABitmap->Width(), height = ABitmap->Height();
  pixels = RotatePixels(pixels, width, height, ARotation, AFlip);
  if (ARotation == raMinus90 || ARotation == raPlus90) {
    // Emptied first, so the old pixels are not copied into the turned shape.
    ABitmap->SetHeight(0);
    ABitmap->SetWidth(width);
    ABitmap->SetHeight(height);
  }
  PutBitmapColors(ABitmap, pixels, true);
  ABitmap->SetModified(true);
}
