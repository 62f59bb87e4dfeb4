// The unit's shared canvases, the object records read back from device
// contexts, and the unit's start and end.
#include "cxGraphics_internal.h"
#include "cxGraphics_win.h"

namespace {

bool GFinalizing = false;
TcxScreenCanvas* GScreenCanvas = nullptr;
TcxPaintCanvas* GPaintCanvas = nullptr;
TPoint GScreenDPI;

TBrushStyle BrushStyleOf(const LOGBRUSH& brush) {
  if (brush.lbStyle == BS_HOLLOW) return bsClear;
  if (brush.lbStyle != BS_HATCHED) return bsSolid;
  switch (brush.lbHatch) {
    case HS_HORIZONTAL: return bsHorizontal;
    case HS_VERTICAL: return bsVertical;
    case HS_FDIAGONAL: return bsFDiagonal;
    case HS_BDIAGONAL: return bsBDiagonal;
    case HS_CROSS: return bsCross;
    case HS_DIAGCROSS: return bsDiagCross;
    default: return bsSolid;
  }
}

void ReadScreenDPI() {
  HDC screen = GetDC(nullptr);
  GScreenDPI = TPoint{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
  ReleaseDC(nullptr, screen);
}

}  // namespace

// --- Shared canvases ----------------------------------------------------------------------

TcxScreenCanvas::TcxScreenCanvas() : TcxCanvas(nullptr), FScreenCanvas(std::make_unique<TScreenCanvas>()) {
  SetCanvas(FScreenCanvas.get());
}

TcxScreenCanvas::~TcxScreenCanvas() = default;

void TcxScreenCanvas::ReleaseHandle() { FScreenCanvas->FreeHandle(); }

TcxPaintCanvas::TcxPaintCanvas() : TcxCanvas(nullptr) {}

TcxPaintCanvas::~TcxPaintCanvas() = default;

void TcxPaintCanvas::BeginPaint(TCanvas* ACanvas) {
  FStates.push_back(TPaintState{Canvas(), nullptr, 0, nullptr});
  SetCanvas(ACanvas);
  try {
    PushState();
  } catch (...) {
    SetCanvas(FStates.back().Previous);
    FStates.pop_back();
    throw;
  }
}

void TcxPaintCanvas::BeginPaintOnDC(HDC DC) {
  const int saved = ::SaveDC(DC);
  const std::size_t depth = FStates.size();
  try {
    auto temporary = std::make_unique<TCanvas>();
    temporary->SetHandle(DC);
    ApplyDCObjectsToCanvas(temporary.get(), DC);
    TCanvas* canvas = temporary.get();
    FStates.push_back(TPaintState{Canvas(), DC, saved, std::move(temporary)});
    SetCanvas(canvas);
    PushState();
  } catch (...) {
    if (FStates.size() > depth) {
      SetCanvas(FStates.back().Previous);
      FStates.pop_back();
    }
    ::RestoreDC(DC, saved);
    throw;
  }
}

void TcxPaintCanvas::EndPaint() {
  if (FStates.empty()) return;
  PopState();
  TPaintState state = std::move(FStates.back());
  FStates.pop_back();
  if (state.SavedDC) {
    state.Temporary.reset();
    ::RestoreDC(state.DC, state.SavedDC);
  }
  SetCanvas(state.Previous);
}

TcxScreenCanvas* GetScreenCanvas() {
  if (GFinalizing) return nullptr;
  if (!GScreenCanvas) GScreenCanvas = new TcxScreenCanvas;
  return GScreenCanvas;
}

TcxPaintCanvas* GetPaintCanvas() {
  if (GFinalizing) return nullptr;
  if (!GPaintCanvas) GPaintCanvas = new TcxPaintCanvas;
  return GPaintCanvas;
}

// --- Objects of a device context ----------------------------------------------------------

bool GetBitmapObjectData(HBITMAP AHandle, BITMAP& AData) {
  return AHandle && GetObjectW(AHandle, sizeof AData, &AData) == int(sizeof AData);
}

bool GetBrushObjectData(HBRUSH AHandle, LOGBRUSH& AData) {
  return AHandle && GetObjectW(AHandle, sizeof AData, &AData) == int(sizeof AData);
}

bool GetFontObjectData(HFONT AHandle, LOGFONTW& AData) {
  return AHandle && GetObjectW(AHandle, sizeof AData, &AData) == int(sizeof AData);
}

bool GetPenObjectData(HPEN AHandle, LOGPEN& AData) {
  return AHandle && GetObjectW(AHandle, sizeof AData, &AData) == int(sizeof AData);
}

void ApplyDCObjectsToCanvas(TCanvas* ACanvas, HDC DC) {
  LOGFONTW font;
  if (GetFontObjectData(HFONT(GetCurrentObject(DC, OBJ_FONT)), font))
    ACanvas->Font()->SetHandle(CreateFontIndirectW(&font));
  ACanvas->Font()->SetColor(TColor(GetTextColor(DC)));
  LOGBRUSH brush;
  if (GetBrushObjectData(HBRUSH(GetCurrentObject(DC, OBJ_BRUSH)), brush)) {
    ACanvas->Brush()->SetColor(TColor(brush.lbColor));
    ACanvas->Brush()->SetStyle(BrushStyleOf(brush));
  }
  // Pens made with ExtCreatePen have no LOGPEN; the canvas keeps its own then.
  LOGPEN pen;
  if (GetPenObjectData(HPEN(GetCurrentObject(DC, OBJ_PEN)), pen)) {
    ACanvas->Pen()->SetColor(TColor(pen.lopnColor));
    ACanvas->Pen()->SetStyle(pen.lopnStyle <= PS_INSIDEFRAME ? TPenStyle(pen.lopnStyle) : psSolid);
    ACanvas->Pen()->SetWidth(pen.lopnWidth.x);
  }
  TPenMode mode = pmCopy;
  if (!ROP2ToPenMode(GetROP2(DC), mode)) mode = pmCopy;
  ACanvas->Pen()->SetMode(mode);
}

// --- Unit ---------------------------------------------------------------------------------

TPoint GetScreenDPI() {
  if (GScreenDPI.X == 0) ReadScreenDPI();
  return GScreenDPI;
}

void cxGraphics_Initialize() {
  GFinalizing = false;
  if (OSFlagVistaOrLater) {
    using TSetProcessDPIAware = BOOL(WINAPI*)();
    auto setAware = reinterpret_cast<TSetProcessDPIAware>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDPIAware")));
    if (setAware) setAware();
  }
  RegisterClasses({TcxBitmap::StaticClass(), TcxBitmap32::StaticClass(), TcxImageList::StaticClass()});
  ReadScreenDPI();
  StartAlphaBlending();
}

void cxGraphics_Finalize() {
  GFinalizing = true;
  delete GScreenCanvas;
  GScreenCanvas = nullptr;
  delete GPaintCanvas;
  GPaintCanvas = nullptr;
  UnRegisterClasses({TcxBitmap::StaticClass(), TcxBitmap32::StaticClass(), TcxImageList::StaticClass()});
  EndAlphaBlending();
}

const TUnitEntry cxGraphicsUnit{L"cxGraphics", cxGraphics_Initialize, cxGraphics_Finalize};
