#include "Buttons.h"

#include <algorithm>

#include "ButtonsLayout.h"

#include "Streaming.h"

// --- Layout ------------------------------------------------------------------------------
TButtonGeometry CalcButtonLayout(const TRect& Client, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                                 int Margin, int Spacing) {
  const TPoint clientSize{Client.Right - Client.Left, Client.Bottom - Client.Top};
  TPoint glyphPos{0, 0};
  TPoint textPos{0, 0};
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  // The cross axis is simply centred.
  if (horizontal) {
    glyphPos.Y = (clientSize.Y - GlyphSize.cy + 1) / 2;
    textPos.Y = (clientSize.Y - TextSize.cy + 1) / 2;
  } else {
    glyphPos.X = (clientSize.X - GlyphSize.cx + 1) / 2;
    textPos.X = (clientSize.X - TextSize.cx + 1) / 2;
  }
  const bool first = Layout == blGlyphLeft || Layout == blGlyphTop;
  const TGlyphCaptionSpan span =
      horizontal ? PlaceGlyphAndCaption(clientSize.X, GlyphSize.cx, TextSize.cx, Margin, Spacing,
                                        TextSize.cx != 0 && GlyphSize.cx != 0, first, true)
                 : PlaceGlyphAndCaption(clientSize.Y, GlyphSize.cy, TextSize.cy, Margin, Spacing,
                                        TextSize.cx != 0 && GlyphSize.cx != 0, first, true);
  if (horizontal) {
    glyphPos.X = span.Glyph;
    textPos.X = span.Text;
  } else {
    glyphPos.Y = span.Glyph;
    textPos.Y = span.Text;
  }
  TButtonGeometry g;
  g.GlyphPos = TPoint{glyphPos.X + Client.Left, glyphPos.Y + Client.Top};
  g.TextBounds = Bounds(textPos.X + Client.Left, textPos.Y + Client.Top, TextSize.cx, TextSize.cy);
  return g;
}

// --- TButtonGlyph ------------------------------------------------------------------------
TButtonGlyph::TButtonGlyph() : FGlyph(new TBitmap()) { FGlyph->OnChange = TNotifyEvent(this, &TButtonGlyph::GlyphChanged); }

TButtonGlyph::~TButtonGlyph() { delete FGlyph; }

void TButtonGlyph::SetGlyph(TBitmap* Value) {
  if (Value)
    FGlyph->Assign(Value);
  else
    FGlyph->SetSize(0, 0);
}

// A strip whose width is a whole number of square cells says how many it holds.
void TButtonGlyph::GlyphChanged(TObject* /*Sender*/) {
  const int w = FGlyph->Width(), h = FGlyph->Height();
  if (h > 0 && w > h && w % h == 0) {
    const int n = w / h;
    if (n <= 4) FNumGlyphs = n;
  }
  if (OnChange) OnChange(nullptr);
}

void TButtonGlyph::SetNumGlyphs(TNumGlyphs Value) {
  Value = std::clamp(Value, 1, 4);
  if (Value == FNumGlyphs) return;
  FNumGlyphs = Value;
  if (OnChange) OnChange(nullptr);
}

TSize TButtonGlyph::CellSize() const {
  if (FGlyph->Empty()) return TSize{0, 0};
  return TSize{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

void TButtonGlyph::Draw(TCanvas* Canvas, int X, int Y, TButtonState State) {
  const TSize cell = CellSize();
  if (cell.cx <= 0 || cell.cy <= 0) return;
  int index = 0;
  switch (State) {
    case bsUp: index = 0; break;
    case bsDisabled: index = FNumGlyphs > 1 ? 1 : -1; break;
    case bsDown: index = FNumGlyphs > 2 ? 2 : 0; break;
    case bsExclusive: index = FNumGlyphs > 3 ? 3 : (FNumGlyphs > 2 ? 2 : 0); break;
  }
  TCanvas* src = FGlyph->Canvas();
  const HDC srcDC = src->Handle();
  const COLORREF transparent = COLORREF(ColorToRGB(src->Pixels(0, cell.cy - 1)));
  const HDC dest = Canvas->Handle();
  if (index >= 0) {
    TransparentBlt(dest, X, Y, cell.cx, cell.cy, srcDC, index * cell.cx, 0, cell.cx, cell.cy, transparent);
    return;
  }
  // No disabled cell: the glyph's shape, embossed in the system's highlight and shadow.
  const HDC monoDC = CreateCompatibleDC(dest);
  const HBITMAP mono = CreateBitmap(cell.cx, cell.cy, 1, 1, nullptr);
  {
    TGdiSelection selMono(monoDC, mono);
    const COLORREF oldSrcBk = SetBkColor(srcDC, transparent);
    BitBlt(monoDC, 0, 0, cell.cx, cell.cy, srcDC, 0, 0, SRCCOPY);  // transparent -> 1, shape -> 0
    SetBkColor(srcDC, oldSrcBk);
    const COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
    const COLORREF oldBk = SetBkColor(dest, RGB(255, 255, 255));
    constexpr DWORD PSDPxax = 0x00B8074A;  // brush where the mask is 0, destination where it is 1
    for (const auto& [dx, color] : {std::pair{1, clBtnHighlight}, std::pair{0, clBtnShadow}}) {
      const HBRUSH brush = CreateSolidBrush(COLORREF(ColorToRGB(color)));
      TGdiSelection selBrush(dest, brush);
      BitBlt(dest, X + dx, Y + dx, cell.cx, cell.cy, monoDC, 0, 0, PSDPxax);
      SelectObject(dest, GetStockObject(NULL_BRUSH));
      DeleteObject(brush);
    }
    SetTextColor(dest, oldText);
    SetBkColor(dest, oldBk);
  }
  DeleteObject(mono);
  DeleteDC(monoDC);
  // The canvas's own brush goes back in on its next use.
  Canvas->Refresh();
}

TRect TButtonGlyph::DrawButton(TCanvas* Canvas, const TRect& Client, const String& Caption, TButtonLayout Layout,
                               int Margin, int Spacing, TButtonState State) {
  TSize textSize{0, 0};
  if (!Caption.empty()) {
    Canvas->RequiredState({csHandleValid, csFontValid});
    RECT r{0, 0, Client.Right - Client.Left, 0};
    DrawTextW(Canvas->Handle(), Caption.c_str(), int(Caption.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    textSize = TSize{r.right - r.left, r.bottom - r.top};
  }
  const TButtonGeometry g = CalcButtonLayout(Client, CellSize(), textSize, Layout, Margin, Spacing);
  Draw(Canvas, g.GlyphPos.X, g.GlyphPos.Y, State);
  if (!Caption.empty()) {
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    const HDC dc = Canvas->Handle();
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    TRect r = g.TextBounds;
    const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (State == bsDisabled) {
      TRect shifted{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
      SetTextColor(dc, COLORREF(ColorToRGB(clBtnHighlight)));
      DrawTextW(dc, Caption.c_str(), int(Caption.size()), AsRect(shifted), flags);
      SetTextColor(dc, COLORREF(ColorToRGB(clBtnShadow)));
    }
    DrawTextW(dc, Caption.c_str(), int(Caption.size()), AsRect(r), flags);
    SetBkMode(dc, oldMode);
    Canvas->Brush()->SetStyle(bsSolid);
  }
  return g.TextBounds;
}

// --- TSpeedButton ------------------------------------------------------------------------
TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 23, 22);
  // Clicks are decided here, after the group rules have run.
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
  FGlyph.OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::GlyphChanged(TObject* /*Sender*/) { Invalidate(); }

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (Value == FAllowAllUp) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  if (Value == 0 && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  // The down button of a group that may not be all up stays down.
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  FState = Value ? bsExclusive : bsUp;
  Invalidate();
  if (Value) UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  if (Value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Invalidate();
}

// Tells the siblings of the group that this button went down (and the group's AllowAllUp).
void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !FParent) return;
  TMessage m{CM_BUTTONPRESSED, WPARAM(FGroupIndex), LPARAM(this), 0};
  FParent->Broadcast(m);
}

void TSpeedButton::CMButtonPressed(TMessage& Message) {
  if (int(Message.WParam) != FGroupIndex) return;
  auto* sender = reinterpret_cast<TSpeedButton*>(Message.LParam);
  if (sender == this) return;
  if (sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

void TSpeedButton::Click() {
  if (FGroupIndex != 0) SetDown(!FDown);
  TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  const bool inside = X >= 0 && X < FWidth && Y >= 0 && Y < FHeight;
  TButtonState next = FDown ? bsExclusive : bsUp;
  if (inside && !FDown) next = bsDown;
  if (next != FState) {
    FState = next;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging || Button != mbLeft) return;
  FDragging = false;
  const bool inside = X >= 0 && X < FWidth && Y >= 0 && Y < FHeight;
  FState = FDown ? bsExclusive : bsUp;
  Invalidate();
  if (inside) Click();
}

void TSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED: CMButtonPressed(Message); return;
    case CM_MOUSEENTER:
      TGraphicControl::Dispatch(Message);
      FMouseInControl = true;
      if (FFlat) Invalidate();
      return;
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(Message);
      FMouseInControl = false;
      if (FFlat) Invalidate();
      return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TGraphicControl::Dispatch(Message);
      Invalidate();
      return;
    default: TGraphicControl::Dispatch(Message);
  }
}

void TSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  const TRect all{0, 0, FWidth, FHeight};
  const bool pressed = FState == bsDown || FState == bsExclusive;
  canvas->Font()->Assign(Font());
  if (!FFlat || !FTransparent) {
    canvas->Brush()->SetColor(clBtnFace);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(all);
  }
  TRect face = all;
  const HDC dc = canvas->Handle();
  if (FFlat) {
    // A flat button shows an edge only under the mouse or while down.
    if (pressed || (FMouseInControl && Enabled()))
      DrawEdge(dc, AsRect(face), pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  } else {
    UINT state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (pressed) state |= DFCS_PUSHED;
    DrawFrameControl(dc, AsRect(face), DFC_BUTTON, state);
  }
  if (FState == bsExclusive && (!FFlat || !FTransparent)) {
    // A button kept down shows a dithered face, as the system's toggles do.
    static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    const HBITMAP bits = CreateBitmap(8, 8, 1, 1, pattern);
    const HBRUSH brush = CreatePatternBrush(bits);
    const COLORREF oldText = SetTextColor(dc, COLORREF(ColorToRGB(clBtnFace)));
    const COLORREF oldBk = SetBkColor(dc, COLORREF(ColorToRGB(clBtnHighlight)));
    TRect inner{face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1};
    FillRect(dc, AsRect(inner), brush);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
    DeleteObject(brush);
    DeleteObject(bits);
  }
  TRect content = FFlat ? TRect{1, 1, FWidth - 1, FHeight - 1} : face;
  if (pressed) content = TRect{content.Left + 1, content.Top + 1, content.Right + 1, content.Bottom + 1};
  const TButtonState drawState = Enabled() ? FState : bsDisabled;
  canvas->Refresh();
  FGlyph.DrawButton(canvas, content, Caption(), FLayout, FMargin, FSpacing, drawState);
  TGraphicControl::Paint();
}

// --- Published properties ----------------------------------------------------------------
VAMIRE_PUBLISHED(TSpeedButton,
                 Prop(L"AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false),
                 Prop(L"GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(int64_t(0)),
                 Prop(L"Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false),
                 Prop(L"Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false),
                 Prop(L"Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph),
                 Prop(L"NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(int64_t(1)),
                 Prop(L"Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft),
                 Prop(L"Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(int64_t(-1)),
                 Prop(L"Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(int64_t(4)),
                 Prop(L"Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(true))
