// The label and group box, which the runtime paints itself, and the scroll
// bar over the system SCROLLBAR class.
#include <algorithm>

#include "StdCtrls.h"

namespace {
const TResStringRec SScrollBarRange{L"SScrollBarRange", L"Scroll bar property out of range"};
}  // namespace

namespace vamire_stdctrls {
int FontLineHeight(TFont* Font) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, Font->Handle());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

void DrawStateText(HDC DC, const String& Text, RECT& Rect, UINT Flags, bool Enabled, TColor Color) {
  if (!Enabled && !(Flags & DT_CALCRECT)) {
    RECT shade = Rect;
    OffsetRect(&shade, 1, 1);
    SetTextColor(DC, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(DC, Text.c_str(), int(Text.size()), &shade, Flags);
    SetTextColor(DC, GetSysColor(COLOR_BTNSHADOW));
  } else {
    SetTextColor(DC, COLORREF(ColorToRGB(Color)));
  }
  DrawTextW(DC, Text.c_str(), int(Text.size()), &Rect, Flags);
}
}  // namespace vamire_stdctrls

using vamire_stdctrls::FontLineHeight;

// --- TCustomGroupBox ---------------------------------------------------------------------
TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks,
                                csReplicatable, csParentBackground};
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  // Resizing repaints only what is new; the frame is redrawn by WM_SIZE's invalidation.
  Params.WindowClass.style &= ~UINT(CS_HREDRAW | CS_VREDRAW);
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  Rect.Top += FontLineHeight(Font());
  const int inset = Ctl3D() ? 2 : 1;
  Rect.Left += inset;
  Rect.Top += inset;
  Rect.Right -= inset;
  Rect.Bottom -= inset;
}

// The frame runs through the middle of the caption's line; the caption
// interrupts it, on the box's own colour.
void TCustomGroupBox::Paint() {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  const HDC dc = canvas->Handle();
  const int h = FontLineHeight(Font());
  RECT frame{0, h / 2 - 1, Width(), Height()};
  if (Ctl3D()) {
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  } else {
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
  }
  const String text = Caption();
  if (text.empty()) return;
  RECT r{8, 0, 0, h};
  const UINT flags = DT_LEFT | DT_SINGLELINE;
  const HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  DrawTextW(dc, text.c_str(), int(text.size()), &r, flags | DT_CALCRECT);
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, COLORREF(ColorToRGB(Color())));
  if (Enabled()) {
    SetTextColor(dc, COLORREF(ColorToRGB(Font()->Color())));
  } else {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  }
  DrawTextW(dc, text.c_str(), int(text.size()), &r, flags);
  SelectObject(dc, oldFont);
}

void TCustomGroupBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CM_TEXTCHANGED:
      TCustomControl::Dispatch(Message);
      Invalidate();
      return;
    case CM_FONTCHANGED:
      TCustomControl::Dispatch(Message);
      Realign();
      Invalidate();
      return;
    default: TCustomControl::Dispatch(Message); return;
  }
}

void TCustomGroupBox::CMDialogChar(TMessage& Message) {
  if (IsAccel(Message.WParam, Caption()) && CanFocus() && Visible()) {
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
    Message.Result = 1;
    return;
  }
  TCustomControl::Dispatch(Message);
}

// --- TCustomLabel ------------------------------------------------------------------------
TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csOpaque);
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 65, 17);
  TGraphicControl::SetAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (FShowAccelChar == Value) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  if (FFocusControl == Value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (AutoSize() == Value) return;
  TGraphicControl::SetAutoSize(Value);
  AdjustBounds();
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

String TCustomLabel::GetLabelText() { return Caption(); }

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (FWordWrap) flags |= DT_WORDBREAK;
  switch (FAlignment) {
    case taLeftJustify: flags |= DT_LEFT; break;
    case taRightJustify: flags |= DT_RIGHT; break;
    case taCenter: flags |= DT_CENTER; break;
  }
  return flags;
}

void TCustomLabel::DoDrawText(TRect& Rect, UINT Flags) {
  String text = GetLabelText();
  // An empty caption (or a lone "&") still measures one line high.
  if ((Flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == L"&"))) text += L" ";
  if (!FShowAccelChar) Flags |= DT_NOPREFIX;
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  const HDC dc = canvas->Handle();
  const HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  RECT r{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  vamire_stdctrls::DrawStateText(dc, text, r, Flags, Enabled(), Font()->Color());
  SelectObject(dc, oldFont);
  Rect = TRect{r.left, r.top, r.right, r.bottom};
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(client);
  }
  canvas->Brush()->SetStyle(bsClear);
  TRect r = client;
  const UINT flags = TextFlags();
  if (FLayout != tlTop) {
    TRect calc = client;
    DoDrawText(calc, flags | DT_CALCRECT);
    const int free = (client.Bottom - client.Top) - (calc.Bottom - calc.Top);
    r.Top += FLayout == tlBottom ? free : free / 2;
  }
  DoDrawText(r, flags);
}

// Measures on a screen DC, so a label can size itself before its parent has
// a window. The edge the alignment holds to stays where it is.
void TCustomLabel::AdjustBounds() {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading) || !AutoSize()) return;
  TCanvas* canvas = Canvas();
  if (canvas->HandleAllocated()) return;  // painting now: the size follows after
  const HDC dc = GetDC(nullptr);
  TRect r{0, 0, FWordWrap ? Width() : 0, 0};
  canvas->SetHandle(dc);
  try {
    DoDrawText(r, TextFlags() | DT_CALCRECT);
  } catch (...) {
    canvas->SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    throw;
  }
  canvas->SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  const int newWidth = r.Right - r.Left, newHeight = r.Bottom - r.Top;
  int x = Left();
  if (FAlignment == taRightJustify) x += Width() - newWidth;
  if (FAlignment == taCenter) x += (Width() - newWidth) / 2;
  SetBounds(x, Top(), newWidth, newHeight);
}

void TCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
      Invalidate();
      AdjustBounds();
      return;
    case CM_FONTCHANGED:
      TGraphicControl::Dispatch(Message);
      AdjustBounds();
      return;
    case CM_DIALOGCHAR:
      if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(Message.WParam, GetLabelText()) &&
          FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
        return;
      }
      TGraphicControl::Dispatch(Message);
      return;
    case CM_MOUSEENTER:
      TGraphicControl::Dispatch(Message);
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(Message);
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    default: TGraphicControl::Dispatch(Message); return;
  }
}

// --- TScrollBar --------------------------------------------------------------------------
// The system scroll bar runs its own mouse loop; the runtime neither
// captures the mouse nor makes clicks.
TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csFramed, csDoubleClicks, csOpaque};
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetPageSize(int Value) {
  if (FPageSize == Value) return;
  if (Value < 0 || Value > FMax - FMin + 1) throw EInvalidOperation(LoadResString(&SScrollBarRange));
  FPageSize = Value;
  SetParams(FPosition, FMin, FMax);
}

// The position is kept where the thumb can be: with a page size, the thumb
// reaches Max - PageSize + 1 at most, and Position says what the thumb shows.
void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  if (AMax < AMin) throw EInvalidOperation(LoadResString(&SScrollBarRange));
  if (FPageSize > AMax - AMin + 1) throw EInvalidOperation(LoadResString(&SScrollBarRange));
  const int last = FPageSize > 0 ? AMax - FPageSize + 1 : AMax;
  APosition = std::clamp(APosition, AMin, std::max(AMin, last));
  FMin = AMin;
  FMax = AMax;
  const bool moved = FPosition != APosition;
  FPosition = APosition;
  if (HandleAllocated()) UpdateScrollInfo();
  if (moved) Change();
}

void TScrollBar::UpdateScrollInfo() {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = FMin;
  si.nMax = FMax;
  si.nPage = UINT(FPageSize);
  si.nPos = FPosition;
  SetScrollInfo(Handle(), SB_CTL, &si, TRUE);
}

void TScrollBar::Change() {
  Changed();
  if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"SCROLLBAR");
  Params.Style |= FKind == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollInfo();
}

void TScrollBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: CNScroll(Message); return;
    default: TWinControl::Dispatch(Message); return;
  }
}

// The request becomes a new position; OnScroll may change it before it is set.
void TScrollBar::CNScroll(TMessage& Message) {
  const int code = LOWORD(Message.WParam);
  Message.Result = 0;
  if (code < SB_LINEUP || code > SB_ENDSCROLL) return;
  int pos = FPosition;
  switch (code) {
    case SB_LINEUP: pos -= FSmallChange; break;
    case SB_LINEDOWN: pos += FSmallChange; break;
    case SB_PAGEUP: pos -= FLargeChange; break;
    case SB_PAGEDOWN: pos += FLargeChange; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      // The message carries only 16 bits of the position; the bar has all 32.
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      pos = GetScrollInfo(Handle(), SB_CTL, &si) ? si.nTrackPos : int(short(HIWORD(Message.WParam)));
      break;
    }
    case SB_TOP: pos = FMin; break;
    case SB_BOTTOM: pos = FMax; break;
    default: break;
  }
  Scroll(TScrollCode(code), pos);
  SetPosition(pos);
}
