// The form controller: the messages a skinned form's frame answers itself,
// its window region, redraw locks and system menu. Every step after the
// default procedure first checks that the controller was not released
// meanwhile: closing the form inside that call frees it.
#include <algorithm>

#include "cxGeometry.h"
#include "dxSkinsForm_win.h"

namespace {

TPoint MessagePoint(LPARAM AParam) {
  return {static_cast<short>(LOWORD(AParam)), static_cast<short>(HIWORD(AParam))};
}

// Runs ABody with WS_VISIBLE taken from the window's style, so that the
// default procedure draws nothing of the frame meanwhile.
template <class TBody>
void WithoutVisibleStyle(HWND AHandle, TBody ABody) {
  const LONG_PTR style = GetWindowLongPtrW(AHandle, GWL_STYLE);
  const bool visible = (style & WS_VISIBLE) != 0;
  if (visible) SetWindowLongPtrW(AHandle, GWL_STYLE, style & ~LONG_PTR(WS_VISIBLE));
  ABody();
  if (visible && IsWindow(AHandle))
    SetWindowLongPtrW(AHandle, GWL_STYLE, GetWindowLongPtrW(AHandle, GWL_STYLE) | WS_VISIBLE);
}

}  // namespace

TdxSkinFormController::TdxSkinFormController(HWND AHandle) : TdxSkinWinController(AHandle) {
  FViewInfo = std::make_unique<TdxSkinFormNonClientAreaInfo>(this);
  FFormPainter = std::make_unique<TdxSkinFormPainter>(FViewInfo.get());
  FViewInfo->FWindowState = (GetWindowLongPtrW(AHandle, GWL_STYLE) & WS_MAXIMIZE) ? 2 : 0;
  if (IsStandardFormClass(AHandle)) PostMessageW(AHandle, CXM_SKINTRANSPARENTLABELS, 0, 0);
}

TdxSkinFormController::~TdxSkinFormController() = default;

TWinControl* TdxSkinFormController::Form() const {
  if (IsMDIClient(Handle())) return FindControl(GetParent(Handle()));
  return Control();
}

bool TdxSkinFormController::IsSkinned() const { return FViewInfo && TdxSkinWinController::IsSkinned(); }

TdxSkinWinController* TdxSkinFormController::FindMasterController(HWND AHandle) {
  return TdxSkinWinController::FindMasterController(AHandle);
}

void TdxSkinFormController::InitializePainter() {
  TcxCustomLookAndFeelPainterClass painter = nullptr;
  const auto& controllers = dxSkinControllers();
  for (std::size_t i = 0; i < controllers.size() && !painter; ++i) {
    if (i == 0) {
      painter = controllers[i]->GetFormPainter(Form(), Handle());
    } else {
      String name;
      bool found = false;
      painter = controllers[i]->DoSkinForm(Form(), name, found);
    }
  }
  SetPainter(painter);
}

void TdxSkinFormController::UpdatePainter() {
  TdxSkinWinController::UpdatePainter();
  ReadCaptionText();
  const std::vector<TdxSkinController*> controllers = dxSkinControllers();
  for (auto it = controllers.rbegin(); it != controllers.rend(); ++it) {
    TdxSkinController* controller = *it;
    if (controller->IsDestroying()) continue;
    TcxCustomLookAndFeelPainterClass painter = OwnPainter();
    if (!painter) {
      SetPainter(controller->GetFormPainter(Form(), Handle()));
    } else if (!cxSkinRefuseMessage || SendMessageW(Handle(), cxSkinRefuseMessage, 0, 0) == 0) {
      String name;
      bool hasName = ExtendedStylePainterRegistry() && ExtendedStylePainterRegistry()->GetNameByPainter(painter, name);
      SetPainter(controller->DoSkinForm(Form(), name, hasName));
    } else {
      SetPainter(nullptr);
    }
  }
}

void TdxSkinFormController::FrameChanged() {
  TdxSkinWinController::FrameChanged();
  FFormPainter->FlushCache();
  if (!Handle() || !IsWindow(Handle())) return;
  if (IsSkinned()) {
    InitializeForm();
    CalculateNonClient();
  } else {
    ResetWindowRegion(false);
  }
}

void TdxSkinFormController::InitializeForm() {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  FViewInfo->FWindowState = (style & WS_MAXIMIZE) ? 2 : 0;
  RestoreSystemMenu();
  UpdateWindowRegion();
}

void TdxSkinFormController::ReadCaptionText() {
  const int length = GetWindowTextLengthW(Handle());
  String text(std::size_t(std::max(0, length)), L'\0');
  if (length > 0) text.resize(std::size_t(GetWindowTextW(Handle(), text.data(), length + 1)));
  FViewInfo->FCaptionText = text;
}

void TdxSkinFormController::CalculateNonClient() { FViewInfo->Calculate(); }

void TdxSkinFormController::UpdateWindowRegion() {
  if (!FViewInfo->HasBorder()) {
    ResetWindowRegion(true);
    return;
  }
  RECT wr{};
  GetWindowRect(Handle(), &wr);
  HRGN region = CreateRectRgn(0, 0, wr.right - wr.left, wr.bottom - wr.top);
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  TWinControl* form = Form();
  const bool constrained = form && (form->Constraints()->MaxWidth() || form->Constraints()->MaxHeight());
  if ((style & WS_MAXIMIZE) && !constrained && !(style & WS_CHILD)) {
    // A maximized frame must not spill onto the neighbouring monitor.
    MONITORINFO mi{sizeof(mi), {}, {}, 0};
    RECT bounds{};
    if (HMONITOR monitor = MonitorFromWindow(Handle(), MONITOR_DEFAULTTONULL); monitor && GetMonitorInfoW(monitor, &mi))
      bounds = mi.rcMonitor;
    else
      GetWindowRect(GetDesktopWindow(), &bounds);
    HRGN screen = CreateRectRgn(bounds.left - wr.left, bounds.top - wr.top, bounds.right - wr.left, bounds.bottom - wr.top);
    CombineRgn(region, region, screen, RGN_AND);
    DeleteObject(screen);
  }
  if (SetWindowRgn(Handle(), region, TRUE)) FHasRegion = true;
  else DeleteObject(region);
}

void TdxSkinFormController::ResetWindowRegion(bool ARepaint) {
  if (FHasRegion) {
    FHasRegion = false;
    SetWindowRgn(Handle(), nullptr, TRUE);
  }
  if (ARepaint) PostMessageW(Handle(), CXM_SKINREDRAW, 0, 0);
}

void TdxSkinFormController::PaintClientBackground(HDC DC) {
  RECT client{};
  GetClientRect(Handle(), &client);
  FFormPainter->PaintClientBackground(DC, {client.left, client.top, client.right, client.bottom});
}

void TdxSkinFormController::PaintNonClient(HDC DC, HRGN AClip) {
  if (!IsSkinned() || !IsWindow(Handle())) return;
  HRGN clip = nullptr;
  if (AClip) {
    // The update region comes in screen coordinates; the frame is drawn in the window's.
    clip = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(clip, AClip, nullptr, RGN_COPY);
    OffsetRgn(clip, -FViewInfo->FWindowRect.Left, -FViewInfo->FWindowRect.Top);
  }
  if (DC) {
    FFormPainter->PaintNonClient(DC, clip);
  } else if (HDC windowDC = GetDCEx(Handle(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_VALIDATE)) {
    FFormPainter->PaintNonClient(windowDC, clip);
    ReleaseDC(Handle(), windowDC);
  }
  if (clip) DeleteObject(clip);
}

void TdxSkinFormController::PaintScrollBars(HDC DC) {
  if (DC) {
    FFormPainter->PaintScrollBars(DC);
  } else if (HDC windowDC = GetDCEx(Handle(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_VALIDATE)) {
    FFormPainter->PaintScrollBars(windowDC);
    ReleaseDC(Handle(), windowDC);
  }
}

void TdxSkinFormController::MakeLabelsTransparent() {
  TWinControl* form = Control();
  if (!form) return;
  for (int i = 0; i < form->ControlCount(); ++i)
    if (form->Controls(i)->InheritsFrom(TCustomLabel::StaticClass()))
      static_cast<TCustomLabel*>(form->Controls(i))->SetTransparent(true);
}

void TdxSkinFormController::LockRedraw() {
  if (FRedrawLockCount++ == 0) {
    TMessage m{WM_SETREDRAW, FALSE, 0, 0};
    DefWndProc(m);
  }
}

void TdxSkinFormController::UnlockRedraw() {
  if (FRedrawLockCount > 0 && --FRedrawLockCount == 0) {
    TMessage m{WM_SETREDRAW, TRUE, 0, 0};
    DefWndProc(m);
  }
}

// --- System menu ------------------------------------------------------------------------------
void TdxSkinFormController::RebuildSystemMenu() {
  if (!FViewInfo->HasBorder()) return;
  HMENU source = LoadSystemMenuTemplate(IsMDIChild(Handle()) ? 1 : 0);
  if (!source) return;
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (HMENU items = GetSubMenu(source, 0); menu && items) {
    CopyMenuItems(items, menu);
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    TBorderIcons icons;
    if (style & WS_SYSMENU) icons.Include(biSystemMenu);
    if (style & WS_MINIMIZEBOX) icons.Include(biMinimize);
    if (style & WS_MAXIMIZEBOX) icons.Include(biMaximize);
    if (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP) icons.Include(biHelp);
    AdjustSystemMenu(menu, Handle(), (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) != 0, true,
                     icons);
  }
  DestroyMenu(source);
}

void TdxSkinFormController::RestoreSystemMenu() {
  // Where the system has no template to rebuild it from, the window's own
  // menu, with whatever the program added to it, stays.
  HMENU probe = LoadSystemMenuTemplate(IsMDIChild(Handle()) ? 1 : 0);
  if (!probe) return;
  DestroyMenu(probe);
  GetSystemMenu(Handle(), TRUE);
  if (IsMDIChild(Handle())) RebuildSystemMenu();
}

void TdxSkinFormController::PopupSysMenuOnControllers(HMENU AMenu) {
  const std::vector<TdxSkinController*> controllers = dxSkinControllers();
  for (TdxSkinController* c : controllers) c->DoPopupSysMenu(Form(), AMenu);
}

void TdxSkinFormController::ShowSystemMenu(const TPoint& AScreenPoint) {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return;
  TPMPARAMS params{sizeof(params), {0, 0, 0, 0}};
  const HWND wnd = Handle();
  const int command = int(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_LEFTALIGN, AScreenPoint.X, AScreenPoint.Y, wnd,
                                           &params));
  if (command != 0) PostMessageW(wnd, WM_SYSCOMMAND, WPARAM(command), 0);
}

// --- Messages ---------------------------------------------------------------------------------
void TdxSkinFormController::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT:
      DefWndProc(Message);
      if (Released()) return;
      ReadCaptionText();
      FrameChanged();
      return;
    case WM_THEMECHANGED:
      FViewInfo->FThemesActive = -1;
      break;
    case CXM_SKINTRANSPARENTLABELS:
      MakeLabelsTransparent();
      Message.Result = 0;
      return;
  }
  if (cxSkinUpdatePainterMessage && Message.Msg == cxSkinUpdatePainterMessage) {
    UpdatePainter();
    FrameChanged();
    return;
  }
  if (!IsSkinned()) {
    DefWndProc(Message);
    return;
  }
  if (HandleSkinnedMessage(Message) || Released()) return;
  BeforeDefault(Message);
  DefWndProc(Message);
  if (Released()) return;
  AfterDefault(Message);
}

bool TdxSkinFormController::HandleSkinnedMessage(TMessage& Message) {
  if (FNeedNonClientRepaint) {
    FNeedNonClientRepaint = false;
    RepaintNonClient();
  }
  switch (Message.Msg) {
    case WM_ACTIVATE:
    case WM_MOUSEACTIVATE:
      DefWndProc(Message);
      if (!Released()) RepaintNonClient();
      return true;
    case WM_ERASEBKGND:
      if (!Message.WParam) return false;
      {
        HDC dc = reinterpret_cast<HDC>(Message.WParam);
        const int saved = SaveDC(dc);
        PaintClientBackground(dc);
        RestoreDC(dc, saved);
      }
      Message.Result = 1;
      return true;
    case 0x003F:
      DefWndProc(Message);
      if (!Released()) FrameChanged();
      return true;
    case WM_CONTEXTMENU: {
      const TPoint p = MessagePoint(Message.LParam);
      const int hit = FViewInfo->HitTest(p);
      if (hit != HTCAPTION && hit != HTSYSMENU) return false;
      ShowSystemMenu(p);
      Message.Result = 0;
      return true;
    }
    case WM_NCCALCSIZE:
      WMNCCalcSize(Message);
      return true;
    case WM_NCHITTEST: {
      const int hit = FViewInfo->HitTest(MessagePoint(Message.LParam));
      if (hit == HTNOWHERE || hit == HTSYSMENU) return false;
      Message.Result = hit;
      return true;
    }
    case WM_NCPAINT:
      WMNCPaint(Message);
      return true;
    case WM_NCACTIVATE:
      WMNCActivate(Message);
      return true;
    case WM_SYNCPAINT:
    case 0x00AE:
    case 0x00AF:
      RepaintNonClient();
      Message.Result = 0;
      return true;
    case WM_NCMOUSEMOVE:
      if (!WMNCMouseMove(Message)) {
        TMessage plain{Message.Msg, 0, Message.LParam, 0};
        DefWndProc(plain);
        Message.Result = plain.Result;
        if (!Released()) RepaintNonClient();
      }
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      WMNCLButtonDown(Message);
      return true;
    case WM_NCLBUTTONUP:
      return WMNCLButtonUp(Message);
    case WM_SYSCOMMAND:
      WMSysCommand(Message);
      return true;
    case WM_INITMENU:
      WMInitMenu(Message);
      return true;
    case 0x0313:
      if (IsWindowEnabled(Handle())) {
        PopupSysMenuOnControllers(reinterpret_cast<HMENU>(Message.LParam));
        if (Released()) return true;
        POINT cursor{};
        GetCursorPos(&cursor);
        ShowSystemMenu({cursor.x, cursor.y});
      }
      Message.Result = 0;
      return true;
    case CXM_SKINREDRAW:
      RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      Message.Result = 0;
      return true;
    case CXM_SKINMDICAPTION:
      ReadCaptionText();
      RepaintNonClient();
      Message.Result = 0;
      return true;
    case CXM_SKININITIALIZE:
      InitializeForm();
      Message.Result = 0;
      return true;
    default:
      return false;
  }
}

void TdxSkinFormController::BeforeDefault(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      FViewInfo->CalculateScrollBars();
      if (FViewInfo->FScrollBars[sbkHorizontal].Present || FViewInfo->FScrollBars[sbkVertical].Present)
        PaintScrollBars(nullptr);
      break;
    case WM_QUERYOPEN:
    case WM_EXITMENULOOP:
      RestoreSystemMenu();
      break;
    case WM_SHOWWINDOW:
      PostMessageW(Handle(), CXM_SKINREDRAW, 0, 0);
      break;
    case WM_NCCREATE:
      ResetWindowRegion(true);
      CalculateNonClient();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      FViewInfo->FTrackedBar = LOWORD(Message.WParam) != SB_THUMBTRACK ? sbkNone
                               : Message.Msg == WM_HSCROLL           ? sbkHorizontal
                                                                     : sbkVertical;
      break;
  }
}

void TdxSkinFormController::AfterDefault(TMessage& Message) {
  switch (Message.Msg) {
    case WM_DESTROY:
      SetPainter(nullptr);
      UnhookWindow();
      break;
    case WM_SIZE: {
      if (FViewInfo->FWindowState == 2) PostMessageW(Handle(), CXM_SKINREDRAW, 0, 0);
      FViewInfo->FWindowState = Message.WParam == SIZE_MAXIMIZED ? 2 : Message.WParam == SIZE_MINIMIZED ? 1 : 0;
      break;
    }
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
      if (pos && (pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE)) {
        CalculateNonClient();
        UpdateWindowRegion();
      }
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (FRedrawLockCount > 0) {
        UnlockRedraw();
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        LockRedraw();
      }
      break;
    case WM_PRINT:
      if ((Message.LParam & PRF_NONCLIENT) && (!(Message.LParam & PRF_CHECKVISIBLE) || IsWindowVisible(Handle()))) {
        CalculateNonClient();
        PaintNonClient(reinterpret_cast<HDC>(Message.WParam));
      }
      break;
  }
}

void TdxSkinFormController::WMNCCalcSize(TMessage& Message) {
  auto* rect = reinterpret_cast<RECT*>(Message.LParam);
  const TRect kept = rect ? TRect{rect->left, rect->top, rect->right, rect->bottom} : TRect{};
  DefWndProc(Message);
  if (Released()) return;
  CalculateNonClient();
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const bool maximizedMDIChild = IsMDIChild(Handle()) && (style & WS_MAXIMIZE);
  if (Message.WParam && rect && (style & WS_CAPTION) == WS_CAPTION && !FViewInfo->UsesSystemMetrics() &&
      !maximizedMDIChild) {
    const TRect client = FViewInfo->ClientRectFor(kept);
    *rect = {client.Left, client.Top, client.Right, client.Bottom};
    Message.Result = 0;
  }
}

void TdxSkinFormController::WMNCPaint(TMessage& Message) {
  CalculateNonClient();
  HRGN given = Message.WParam > 1 ? reinterpret_cast<HRGN>(Message.WParam) : nullptr;
  PaintNonClient(nullptr, given);
  if (FViewInfo->FHasMenuBar || FViewInfo->FMDIClient) {
    // The system draws what the skin leaves: the menu bar, an MDI client's edge.
    const TRect& wr = FViewInfo->FWindowRect;
    const TRect& widths = FViewInfo->FWidths;
    HRGN rest = CreateRectRgn(wr.Left + widths.Left, wr.Top + widths.Top, wr.Right - widths.Right,
                              wr.Bottom - widths.Bottom);
    auto cut = [&](const TRect& R) {
      HRGN part = CreateRectRgn(wr.Left + R.Left, wr.Top + R.Top, wr.Left + R.Right, wr.Top + R.Bottom);
      CombineRgn(rest, rest, part, RGN_DIFF);
      DeleteObject(part);
    };
    if (FViewInfo->FSizeBoxPresent) cut(FViewInfo->FSizeBox);
    for (const TdxSkinFormScrollBar& bar : FViewInfo->FScrollBars)
      if (bar.Present) cut(bar.Bounds);
    if (given) CombineRgn(rest, rest, given, RGN_AND);
    TMessage def{WM_NCPAINT, reinterpret_cast<WPARAM>(rest), 0, 0};
    DefWndProc(def);
    DeleteObject(rest);
  }
  Message.Result = 0;
}

void TdxSkinFormController::WMNCActivate(TMessage& Message) {
  FViewInfo->FActive = Message.WParam != 0;
  if (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_CHILD) {
    TMessage def = Message;
    WithoutVisibleStyle(Handle(), [&] { DefWndProc(def); });
    Message.Result = def.Result;
    if (Released()) return;
  } else {
    Message.Result = TRUE;
  }
  if (TWinControl* form = Form(); form && form->InheritsFrom(TCustomForm::StaticClass()) &&
                                  IsMDIParentForm(static_cast<TCustomForm*>(form))) {
    HWND client = FindWindowExW(Handle(), nullptr, L"MDICLIENT", nullptr);
    if (HWND active = client ? reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) : nullptr)
      SendMessageW(active, WM_NCACTIVATE, Message.WParam, 0);
    if (Released()) return;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  FViewInfo->UpdateIconStates({cursor.x, cursor.y});
  RepaintNonClient();
}

void TdxSkinFormController::WMNCLButtonDown(TMessage& Message) {
  FNeedNonClientRepaint = true;
  const TPoint p = MessagePoint(Message.LParam);
  FViewInfo->FPressedIcon = FViewInfo->IconAt(FViewInfo->ScreenToWindow(p));
  FViewInfo->UpdateIconStates(p);
  const bool scrollBar = Message.WParam == HTHSCROLL || Message.WParam == HTVSCROLL;
  if (scrollBar) LockRedraw();
  if (FViewInfo->FPressedIcon < 0 || FViewInfo->FPressedIcon == sfiMenu) DefWndProc(Message);
  if (Released()) return;
  if (scrollBar) UnlockRedraw();
  UpdateMouseTracking();
  RepaintNonClient();
  Message.Result = 0;
}

bool TdxSkinFormController::WMNCLButtonUp(TMessage& Message) {
  const TPoint p = MessagePoint(Message.LParam);
  const int hot = FViewInfo->IconAt(FViewInfo->ScreenToWindow(p));
  const int acting = FViewInfo->FPressedIcon >= 0 && FViewInfo->FPressedIcon == hot ? hot : -1;
  FViewInfo->FPressedIcon = -1;
  FViewInfo->UpdateIconStates(p);
  UpdateMouseTracking();
  RepaintNonClient();
  const TdxSkinFormIconInfo* icon = acting >= 0 ? FViewInfo->FindIcon(acting) : nullptr;
  if (!icon) return false;
  Message.Result = 0;
  if (!icon->Enabled) return true;
  if (icon->IconType == sfiHelp) return false;
  SendMessageW(Handle(), WM_SYSCOMMAND, dxSkinFormIconCommand(icon->IconType), 0);
  return true;
}

bool TdxSkinFormController::UpdateMouseTracking() {
  POINT pos{};
  GetCursorPos(&pos);
  const TPoint cursor{pos.x, pos.y};
  std::vector<TdxSkinElementState> before;
  for (const TdxSkinFormIconInfo& icon : FViewInfo->FIcons) before.push_back(icon.State);
  FViewInfo->UpdateIconStates(cursor);
  bool changed = false;
  for (std::size_t i = 0; i < before.size(); ++i) changed = changed || before[i] != FViewInfo->FIcons[i].State;
  const bool tracking = IsMouseTracked(this);
  const TPoint origin = FViewInfo->FWindowRect.TopLeft();
  auto track = [&](const TRect& AWindowRect) {
    StopMouseTracking(this);
    StartMouseTracking(nullptr, OffsetRectByPoint(AWindowRect, origin), this);
  };
  if (TdxSkinFormIconInfo* icon = FViewInfo->FindIcon(FViewInfo->FHotIcon)) {
    track(icon->Bounds);
    return changed;
  }
  if (const int part = FViewInfo->ScrollBarPartAt(cursor)) {
    track(FViewInfo->FScrollBars[part / 8].Parts[part % 8].Bounds);
    return !tracking;
  }
  StopMouseTracking(this);
  return changed || tracking;
}

bool TdxSkinFormController::WMNCMouseMove(TMessage& Message) {
  const bool outcome = UpdateMouseTracking();
  if (outcome) {
    RepaintNonClient();
    Message.Result = 0;
  }
  return outcome;
}

void TdxSkinFormController::MouseLeave() {
  if (Released() || !IsWindow(Handle())) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  FViewInfo->UpdateIconStates({cursor.x, cursor.y});
  FViewInfo->CalculateScrollBars();
  RepaintNonClient();
}

void TdxSkinFormController::WMSysCommand(TMessage& Message) {
  if (FViewInfo->UsesSystemMetrics()) PostMessageW(Handle(), CXM_SKINREDRAW, 0, 0);
  const HWND wnd = Handle();
  if ((Message.WParam & 0xFFF0) == SC_KEYMENU && Message.LParam == 32) {
    LockWindowUpdate(wnd);
    DefWndProc(Message);
    LockWindowUpdate(nullptr);
  } else {
    DefWndProc(Message);
  }
  if (!Released()) RepaintNonClient();
}

void TdxSkinFormController::WMInitMenu(TMessage& Message) {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  Message.WParam = reinterpret_cast<WPARAM>(menu);
  WithoutVisibleStyle(Handle(), [&] {
    RebuildSystemMenu();
    PopupSysMenuOnControllers(menu);
    if (!Released()) DefWndProc(Message);
  });
}

// --- Frames ---------------------------------------------------------------------------------------
TdxSkinWinController* TdxSkinFrameController::FindMasterController(HWND AHandle) {
  TWinControl* control = FindControl(AHandle);
  TCustomForm* form = control ? GetParentForm(control) : nullptr;
  return form && form->HandleAllocated() ? dxSkinWinControllerOf(form->Handle()) : nullptr;
}

void TdxSkinFrameController::PaintClientBackground(HDC DC) {
  TWinControl* control = Control();
  if (!control || !control->ParentBackground()) {
    TdxSkinFormController::PaintClientBackground(DC);
    return;
  }
  TCanvas canvas;
  canvas.SetHandle(DC);
  {
    TcxCanvas cx(&canvas);
    RECT client{};
    GetClientRect(Handle(), &client);
    PaintParentBackground(control, &cx, {client.left, client.top, client.right, client.bottom}, false);
  }
  canvas.SetHandle(nullptr);
}

void TdxSkinFrameController::AfterDefault(TMessage& Message) {
  TdxSkinFormController::AfterDefault(Message);
  if (Message.Msg == WM_WINDOWPOSCHANGED) PostMessageW(Handle(), CXM_SKINREDRAW, 0, 0);
}
