// Plain push buttons and panels drawn whole by the skin of their form.
#include "cxGeometry.h"
#include "dxSkinsForm_win.h"

// --- TdxSkinCustomController ------------------------------------------------------------------
TdxSkinWinController* TdxSkinCustomController::FindMasterController(HWND AHandle) {
  TWinControl* control = FindControl(AHandle);
  TCustomForm* form = control ? GetParentForm(control) : nullptr;
  if (!form || !form->HandleAllocated() || !CanSkinControl()) return nullptr;
  return dxSkinWinControllerOf(form->Handle());
}

void TdxSkinCustomController::WndProc(TMessage& Message) {
  if (!IsSkinned()) {
    DefWndProc(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_PAINT:
      WMPaint(Message);
      break;
    case WM_ERASEBKGND:
      Message.Result = 1;
      break;
    default:
      DefWndProc(Message);
  }
}

void TdxSkinCustomController::PaintTo(HDC DC) {
  HDC dc = DC ? DC : GetDCEx(Handle(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_VALIDATE);
  if (!dc) return;
  {
    TCanvas canvas;
    canvas.SetHandle(dc);
    {
      TcxCanvas cx(&canvas);
      if (Control()) canvas.Font()->Assign(Control()->Font());
      Paint(&cx);
    }
    canvas.SetHandle(nullptr);
  }
  if (!DC) ReleaseDC(Handle(), dc);
}

void TdxSkinCustomController::WMPaint(TMessage& Message) {
  if (Message.WParam) {
    PaintTo(reinterpret_cast<HDC>(Message.WParam));
  } else {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    PaintTo(dc);
    EndPaint(Handle(), &ps);
  }
  Message.Result = 0;
}

// --- TdxSkinButtonController ------------------------------------------------------------------
TdxSkinButtonController::TdxSkinButtonController(HWND AHandle) : TdxSkinCustomController(AHandle) {
  if (Control() && Control()->InheritsFrom(TButton::StaticClass()))
    FDefault = static_cast<TButton*>(Control())->Default();
  FState = CalcState();
}

TcxButtonState TdxSkinButtonController::CalcState() const {
  if (!IsWindowEnabled(Handle())) return cxbsDisabled;
  if (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) return cxbsPressed;
  POINT cursor{};
  if (GetCursorPos(&cursor) && WindowFromPoint(cursor) == Handle()) return cxbsHot;
  return FDefault ? cxbsDefault : cxbsNormal;
}

void TdxSkinButtonController::UpdateState() {
  if (Released()) return;
  const TcxButtonState state = CalcState();
  if (state == FState) return;
  FState = state;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TdxSkinButtonController::MouseLeave() { UpdateState(); }

void TdxSkinButtonController::WndProc(TMessage& Message) {
  if (!IsSkinned()) {
    DefWndProc(Message);
    return;
  }
  switch (Message.Msg) {
    case CM_FOCUSCHANGED: {
      DefWndProc(Message);
      if (Released()) return;
      auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
      const bool wasDefault = FDefault;
      if (focused && focused->InheritsFrom(TButton::StaticClass()))
        FDefault = focused == Control();
      else if (Control() && Control()->InheritsFrom(TButton::StaticClass()))
        FDefault = static_cast<TButton*>(Control())->Default();
      if (wasDefault != FDefault) UpdateState(), InvalidateRect(Handle(), nullptr, FALSE);
      return;
    }
    case WM_ENABLE:
    case BM_SETSTATE:
    case WM_MOUSEMOVE:
    case WM_MOUSEHOVER:
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      DefWndProc(Message);
      if (Released()) return;
      if (Message.Msg == WM_MOUSEMOVE && Control()) StartMouseTracking(Control(), Control()->ClientRect(), this);
      UpdateState();
      return;
    case WM_SETTEXT:
      DefWndProc(Message);
      if (!Released()) InvalidateRect(Handle(), nullptr, FALSE);
      return;
    case WM_UPDATEUISTATE:
      DefWndProc(Message);
      if (!Released() && (LOWORD(Message.WParam) == UIS_SET || LOWORD(Message.WParam) == UIS_CLEAR))
        InvalidateRect(Handle(), nullptr, FALSE);
      return;
    default:
      TdxSkinCustomController::WndProc(Message);
  }
}

void TdxSkinButtonController::Paint(TcxCanvas* ACanvas) {
  TcxCustomLookAndFeelPainterClass painter = Painter();
  if (!painter) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  const TRect r{client.left, client.top, client.right, client.bottom};
  FState = CalcState();
  if (Control()) PaintParentBackground(Control(), ACanvas, r, false);
  painter->PaintButtonCell(ACanvas, r, String(), FState, true, clDefault, clDefault, false, false);
  const int length = GetWindowTextLengthW(Handle());
  String caption(std::size_t(length), L'\0');
  if (length > 0) caption.resize(std::size_t(GetWindowTextW(Handle(), caption.data(), length + 1)));
  HDC dc = ACanvas->Handle();
  UINT flags = DT_CENTER | DT_VCENTER;
  flags |= (GetWindowLongPtrW(Handle(), GWL_STYLE) & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = Control() ? SelectObject(dc, Control()->Font()->Handle()) : nullptr;
  RECT text = client;
  // The highlight pass lies under the caption, not beside it: moved by a pixel it
  // showed as a bright edge on dark skins, and their disabled caption read as enabled.
  if (FState == cxbsDisabled) {
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, flags);
  }
  SetTextColor(dc, ColorToRGB(painter->GetButtonGlyphColor(FState, clDefault)));
  DrawTextW(dc, caption.c_str(), int(caption.size()), &text, flags);
  if (oldFont) SelectObject(dc, oldFont);
  if (GetFocus() == Handle()) {
    RECT focus = {client.left + 4, client.top + 4, client.right - 4, client.bottom - 4};
    DrawFocusRect(dc, &focus);
  }
}

// --- TdxSkinPanelController -------------------------------------------------------------------
void TdxSkinPanelController::WndProc(TMessage& Message) {
  if (!IsSkinned() || !Control() || !Control()->InheritsFrom(TCustomPanel::StaticClass())) {
    DefWndProc(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_PRINTCLIENT:
      WMPrintClient(Message);
      return;
    case CM_COLORCHANGED:
      DefWndProc(Message);
      if (!Released()) InvalidateRect(Handle(), nullptr, TRUE);
      return;
    default:
      TdxSkinCustomController::WndProc(Message);
  }
}

void TdxSkinPanelController::WMPrintClient(TMessage& Message) {
  if (FPrinting || ((Message.LParam & PRF_CHECKVISIBLE) && !IsWindowVisible(Handle()))) {
    Message.Result = 0;
    return;
  }
  FPrinting = true;
  PaintTo(reinterpret_cast<HDC>(Message.WParam));
  FPrinting = false;
  Message.Result = 0;
}

void TdxSkinPanelController::Paint(TcxCanvas* ACanvas) {
  TcxCustomLookAndFeelPainterClass painter = Painter();
  auto* panel = static_cast<TCustomPanel*>(Control());
  if (!painter || !panel) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  const TRect r{client.left, client.top, client.right, client.bottom};
  if (panel->ParentBackground())
    PaintParentBackground(panel, ACanvas, r, false);
  else if (panel->Color() == clBtnFace)
    painter->DrawGroupBoxPanelStyle(ACanvas, r, false);
  else
    painter->PaintGroupBoxCaptionArea(ACanvas, panel, r, clDefault, panel->Color());
  if (panel->BevelInner() != bvNone || panel->BevelOuter() != bvNone) painter->PaintGroupBoxPanelBorder(ACanvas, r);
  HDC dc = ACanvas->Handle();
  const String caption = panel->Caption();
  if (!caption.empty()) {
    HGDIOBJ oldFont = SelectObject(dc, panel->Font()->Handle());
    TColor color = panel->Font()->Color();
    if (color == clWindowText && painter->GetGroupBoxPanelTextColor() != clDefault)
      color = painter->GetGroupBoxPanelTextColor();
    SetTextColor(dc, ColorToRGB(color));
    SetBkMode(dc, TRANSPARENT);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    flags |= panel->Alignment() == taLeftJustify ? DT_LEFT : panel->Alignment() == taRightJustify ? DT_RIGHT : DT_CENTER;
    RECT text = client;
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, flags);
    SelectObject(dc, oldFont);
  }
  panel->PaintControls(dc, nullptr);
}
