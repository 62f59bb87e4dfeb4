// The canvas: selects its font, brush and pen into the DC only when a drawing
// call needs them, and deselects them (stock objects in their place) when
// they change or the DC is given up, so no handle is deleted while selected.
#include "Graphics.h"

TCanvas::TCanvas() : FFont(new TFont), FBrush(new TBrush), FPen(new TPen) {
  FFont->OnChange = TNotifyEvent(this, &TCanvas::FontChanged);
  FBrush->OnChange = TNotifyEvent(this, &TCanvas::BrushChanged);
  FPen->OnChange = TNotifyEvent(this, &TCanvas::PenChanged);
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
  delete FFont;
  delete FBrush;
  delete FPen;
}

HDC TCanvas::Handle() {
  RequiredState(TCanvasStates{csHandleValid});
  return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
  if (FHandle == Value) return;
  if (FHandle) {
    DeselectHandles();
    FHandle = nullptr;
    FState.Exclude(csHandleValid);
  }
  if (Value) {
    FHandle = Value;
    FState.Include(csHandleValid);
  }
}

void TCanvas::Lock() {
  FMutex.lock();
  ++FLockCount;
}

bool TCanvas::TryLock() {
  if (!FMutex.try_lock()) return false;
  ++FLockCount;
  return true;
}

void TCanvas::Unlock() {
  if (FLockCount <= 0) return;
  --FLockCount;
  FMutex.unlock();
}

void TCanvas::RequiredState(TCanvasStates Req) {
  TCanvasStates needed = Req - FState;
  if (needed.Empty()) return;
  if (needed.Contains(csHandleValid)) {
    CreateHandle();
    if (!FHandle) throw EInvalidOperation(LoadResString(&SNoCanvasHandle));
  }
  if (needed.Contains(csFontValid)) SelectFontObject();
  if (needed.Contains(csPenValid)) SelectPenObject();
  if (needed.Contains(csBrushValid)) SelectBrushObject();
  FState += needed;
}

void TCanvas::SelectFontObject() {
  SelectObject(FHandle, FFont->Handle());
  SetTextColor(FHandle, COLORREF(ColorToRGB(FFont->Color())) & 0xFFFFFFu);
}

void TCanvas::SelectPenObject() {
  SelectObject(FHandle, FPen->Handle());
  SetROP2(FHandle, PenModeToROP2(FPen->Mode()));
}

void TCanvas::SelectBrushObject() {
  HBRUSH brush = FBrush->Handle();
  UnrealizeObject(brush);
  SelectObject(FHandle, brush);
  COLORREF color = COLORREF(ColorToRGB(FBrush->Color())) & 0xFFFFFFu;
  if (FBrush->Style() == bsSolid) {
    SetBkColor(FHandle, color);
    SetBkMode(FHandle, OPAQUE);
  } else {
    // Hatch gaps show through; the inverted colour keeps hatch lines visible
    // should something draw opaquely anyway.
    SetBkColor(FHandle, ~color & 0xFFFFFFu);
    SetBkMode(FHandle, TRANSPARENT);
  }
}

void TCanvas::DeselectHandles() {
  if (!FHandle) return;
  if (FState.Contains(csPenValid)) SelectObject(FHandle, GetStockObject(BLACK_PEN));
  if (FState.Contains(csBrushValid)) SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
  if (FState.Contains(csFontValid)) SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
  FState -= TCanvasStates{csPenValid, csBrushValid, csFontValid};
}

void TCanvas::FontChanged(TObject*) {
  if (!FState.Contains(csFontValid)) return;
  FState.Exclude(csFontValid);
  SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
}

void TCanvas::BrushChanged(TObject*) {
  if (!FState.Contains(csBrushValid)) return;
  FState.Exclude(csBrushValid);
  SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
}

void TCanvas::PenChanged(TObject*) {
  if (!FState.Contains(csPenValid)) return;
  FState.Exclude(csPenValid);
  SelectObject(FHandle, GetStockObject(BLACK_PEN));
}

void TCanvas::Refresh() { DeselectHandles(); }

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

void TCanvas::FillRect(const TRect& Rect) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csBrushValid});
  ::FillRect(FHandle, AsRect(Rect), FBrush->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& Rect) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csBrushValid});
  ::FrameRect(FHandle, AsRect(Rect), FBrush->Handle());
  Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csBrushValid, csPenValid});
  ::Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csBrushValid, csPenValid});
  ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
  Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csBrushValid, csPenValid});
  ::Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::Polygon(const TPoint* Points, int Count) {
  if (!Points || Count <= 0) return;
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csBrushValid, csPenValid});
  ::Polygon(FHandle, reinterpret_cast<const POINT*>(Points), Count);
  Changed();
}

void TCanvas::Polyline(const TPoint* Points, int Count) {
  if (!Points || Count <= 0) return;
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csPenValid});
  ::Polyline(FHandle, reinterpret_cast<const POINT*>(Points), Count);
  Changed();
}

void TCanvas::MoveTo(int X, int Y) {
  RequiredState(TCanvasStates{csHandleValid});
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csPenValid, csBrushValid});
  ::LineTo(FHandle, X, Y);
  Changed();
}

TPoint TCanvas::PenPos() {
  RequiredState(TCanvasStates{csHandleValid});
  POINT p{};
  GetCurrentPositionEx(FHandle, &p);
  return TPoint{p.x, p.y};
}

void TCanvas::TextOut(int X, int Y, const String& Text) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csFontValid, csBrushValid});
  ExtTextOutW(FHandle, X, Y, UINT(FTextFlags), nullptr, Text.c_str(), UINT(Text.size()), nullptr);
  MoveTo(X + TextWidth(Text), Y);
  Changed();
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const String& Text) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csFontValid, csBrushValid});
  UINT options = ETO_CLIPPED | UINT(FTextFlags);
  if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutW(FHandle, X, Y, options, AsRect(Rect), Text.c_str(), UINT(Text.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const String& Text) {
  RequiredState(TCanvasStates{csHandleValid, csFontValid});
  SIZE s{};
  GetTextExtentPoint32W(FHandle, Text.c_str(), int(Text.size()), &s);
  return TSize{s.cx, s.cy};
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  StretchDraw(Bounds(X, Y, Graphic->Width(), Graphic->Height()), Graphic);
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic) return;
  Changing();
  RequiredState(TCanvasStates{csHandleValid});
  // Monochrome pictures take these two colours on the way to the DC.
  SetBkColor(FHandle, COLORREF(ColorToRGB(FBrush->Color())) & 0xFFFFFFu);
  SetTextColor(FHandle, COLORREF(ColorToRGB(FFont->Color())) & 0xFFFFFFu);
  Graphic->Draw(this, Rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  if (!Canvas) return;
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csFontValid, csBrushValid});
  Canvas->RequiredState(TCanvasStates{csHandleValid, csBrushValid});
  StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Right - Dest.Left, Dest.Bottom - Dest.Top, Canvas->FHandle,
             Source.Left, Source.Top, Source.Right - Source.Left, Source.Bottom - Source.Top, DWORD(FCopyMode));
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csBrushValid});
  ::DrawFocusRect(FHandle, AsRect(Rect));
  Changed();
}

TColor TCanvas::Pixels(int X, int Y) {
  RequiredState(TCanvasStates{csHandleValid});
  return TColor(GetPixel(FHandle, X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
  Changing();
  RequiredState(TCanvasStates{csHandleValid, csPenValid});
  SetPixel(FHandle, X, Y, COLORREF(ColorToRGB(Value)) & 0xFFFFFFu);
  Changed();
}

TRect TCanvas::ClipRect() {
  RequiredState(TCanvasStates{csHandleValid});
  TRect r;
  GetClipBox(FHandle, AsRect(r));
  return r;
}

// --- TScreenCanvas ------------------------------------------------------------------------
TScreenCanvas::~TScreenCanvas() { FreeHandle(); }

void TScreenCanvas::CreateHandle() {
  if (FDC) return;
  FWindow = GetDesktopWindow();
  FDC = GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  SetHandle(FDC);
}

void TScreenCanvas::FreeHandle() {
  if (!FDC) return;
  SetHandle(nullptr);
  ReleaseDC(FWindow, FDC);
  FDC = nullptr;
  FWindow = nullptr;
}
