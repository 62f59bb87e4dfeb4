// A skinned form's frame: its geometry and state read from the window, the
// system and the skin, and its drawing, composed off screen where layers
// would otherwise flicker.
#include <algorithm>

#include "cxControls.h"
#include "cxGeometry.h"
#include "dxSkinsForm_win.h"

namespace {

TRect ScreenToWindowRect(const TRect& R, const TRect& AWindowRect) {
  return OffsetRectBy(R, -AWindowRect.Left, -AWindowRect.Top);
}

int RectW(const TRect& R) { return R.Right - R.Left; }
int RectH(const TRect& R) { return R.Bottom - R.Top; }

// A device context with a bitmap of its own, compatible with another DC.
class TOffscreen {
 public:
  TOffscreen(HDC ADC, int AWidth, int AHeight)
      : FDC(CreateCompatibleDC(ADC)), FBitmap(CreateCompatibleBitmap(ADC, std::max(1, AWidth), std::max(1, AHeight))) {
    FOld = SelectObject(FDC, FBitmap);
  }
  ~TOffscreen() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  HDC DC() const { return FDC; }

 private:
  HDC FDC;
  HBITMAP FBitmap;
  HGDIOBJ FOld;
};

// A toolkit canvas on a DC for one painter call.
class TDCCanvas {
 public:
  explicit TDCCanvas(HDC DC) : FCanvas(std::make_unique<TCanvas>()) {
    FCanvas->SetHandle(DC);
    FcxCanvas = std::make_unique<TcxCanvas>(FCanvas.get());
  }
  ~TDCCanvas() {
    FcxCanvas.reset();
    FCanvas->SetHandle(nullptr);
  }
  TcxCanvas* Canvas() const { return FcxCanvas.get(); }

 private:
  std::unique_ptr<TCanvas> FCanvas;
  std::unique_ptr<TcxCanvas> FcxCanvas;
};

int SideThickness(TdxSkinElement* AElement, bool AByWidth) {
  if (!AElement) return 0;
  const TSize image = AElement->GetImageSize();
  const TSize minSize = AElement->MinSize()->GetSize();
  return AByWidth ? std::max(image.cx, minSize.cx) : std::max(image.cy, minSize.cy);
}

}  // namespace

// --- TdxSkinFormNonClientAreaInfo -----------------------------------------------------------
TdxSkinFormNonClientAreaInfo::TdxSkinFormNonClientAreaInfo(TdxSkinFormController* AController)
    : FController(AController) {}

TdxSkinFormNonClientAreaInfo::~TdxSkinFormNonClientAreaInfo() {
  if (FCaptionFont) DeleteObject(FCaptionFont);
}

bool TdxSkinFormNonClientAreaInfo::HasBorder() const {
  return (FStyle & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0 || (FExStyle & WS_EX_DLGMODALFRAME) != 0;
}

bool TdxSkinFormNonClientAreaInfo::UsesSystemMetrics() const {
  return dxSkinFormUsesSystemMetrics((FStyle & WS_MAXIMIZE) != 0, FHasMenuBar, FMDIClient, FThemesActive != 0);
}

TPoint TdxSkinFormNonClientAreaInfo::ScreenToWindow(const TPoint& P) const {
  return {P.X - FWindowRect.Left, P.Y - FWindowRect.Top};
}

TdxSkinElement* TdxSkinFormNonClientAreaInfo::IconElement(TdxSkinFormIconType AType) const {
  if (!FSkinInfo) return nullptr;
  switch (AType) {
    case sfiHelp: return FSkinInfo->Element(TdxSkinElementSlot::FormFormButtonHelp);
    case sfiMinimize: return FSkinInfo->Element(TdxSkinElementSlot::FormFormButtonMinimize);
    case sfiMaximize: return FSkinInfo->Element(TdxSkinElementSlot::FormFormButtonMaximize);
    case sfiRestore: return FSkinInfo->Element(TdxSkinElementSlot::FormFormButtonRestore);
    case sfiClose:
      return FSkinInfo->Element(IsToolWindow() ? TdxSkinElementSlot::FormSmallFormButtonClose
                                               : TdxSkinElementSlot::FormFormButtonClose);
    default: return nullptr;
  }
}

void TdxSkinFormNonClientAreaInfo::Calculate() {
  const HWND wnd = FController->Handle();
  FMetrics = {};
  FMetrics.cbSize = sizeof(FMetrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(FMetrics), &FMetrics, 0);
  FStyle = DWORD(GetWindowLongPtrW(wnd, GWL_STYLE));
  FExStyle = DWORD(GetWindowLongPtrW(wnd, GWL_EXSTYLE));
  FMDIChild = TdxSkinWinController::IsMDIChild(wnd);
  FMDIClient = TdxSkinWinController::IsMDIClient(wnd);
  FHasMenuBar = !FMDIChild && (FStyle & WS_CHILD) == 0 && GetMenu(wnd) != nullptr;
  if (FThemesActive < 0) FThemesActive = AreThemesEnabled() ? 1 : 0;
  FPainter = FController->Painter();
  FSkinInfo = dxSkinPainterInfo(FPainter);
  const bool small = IsToolWindow();
  const bool maximized = (FStyle & WS_MAXIMIZE) != 0;
  const bool minimized = (FStyle & WS_MINIMIZE) != 0;
  FWindowState = minimized ? 1 : maximized ? 2 : 0;
  const bool systemMetrics = UsesSystemMetrics();

  // Geometry.
  GetWindowRect(wnd, reinterpret_cast<RECT*>(&FWindowRect));
  RECT client{};
  GetClientRect(wnd, &client);
  MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  FClientRect = {client.left, client.top, client.right, client.bottom};
  TWinControl* form = FController->Form();
  FBorderWidth = form && form->InheritsFrom(TCustomForm::StaticClass()) ? form->BorderWidth() : 0;

  TRect skinWidths = FSkinInfo ? FSkinInfo->FormFrameWidths(small) : TRect{};
  FBand = HasBorder() ? TSize{skinWidths.Bottom, skinWidths.Right} : TSize{0, 0};
  if (systemMetrics && HasBorder()) {
    const bool sizeable = (FStyle & WS_THICKFRAME) != 0;
    const int fx = GetSystemMetrics(SM_CXSIZEFRAME) - (sizeable ? 0 : GetSystemMetrics(SM_CXBORDER));
    const int fy = GetSystemMetrics(SM_CYSIZEFRAME) - (sizeable ? 0 : GetSystemMetrics(SM_CYBORDER));
    FBand = {std::min(FBand.cx, fx), std::min(FBand.cy, fy)};
  }

  // The small icon, through the procedures below the controller.
  TMessage getIcon{WM_GETICON, ICON_SMALL2, 0, 0};
  FController->DefWndProc(getIcon);
  FIcon = reinterpret_cast<HICON>(getIcon.Result);
  if (!FIcon) FIcon = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICONSM));

  FMenuBarHeight = 0;
  if (FHasMenuBar) {
    HMENU menu = GetMenu(wnd);
    const int count = GetMenuItemCount(menu);
    RECT first{}, last{};
    if (count > 0 && GetMenuItemRect(wnd, menu, 0, &first) && GetMenuItemRect(wnd, menu, count - 1, &last))
      FMenuBarHeight = std::max(0L, last.bottom - first.top);
  }

  // Caption font and colours.
  LOGFONTW lf = small ? FMetrics.lfSmCaptionFont : FMetrics.lfCaptionFont;
  if (!small && FSkinInfo) {
    const int delta = FSkinInfo->CaptionFontDelta() - 1;
    lf.lfHeight = lf.lfHeight < 0 ? lf.lfHeight - delta : lf.lfHeight + delta;
  }
  if (FCaptionFont) DeleteObject(FCaptionFont);
  FCaptionFont = CreateFontIndirectW(&lf);
  {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FCaptionFont);
    SIZE size{};
    GetTextExtentPoint32W(dc, L"Wg", 2, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    FCaptionFontHeight = size.cy;
  }
  TdxSkinElement* caption = FSkinInfo ? FSkinInfo->FormFrame(small, 1) : nullptr;
  FTextColorActive = clCaptionText;
  FTextColorInactive = clInactiveCaptionText;
  FTextShadowColor = clBtnShadow;
  if (FSkinInfo) {
    if (caption && caption->TextColor() != clDefault) FTextColorActive = caption->TextColor();
    const TColor inactive = FSkinInfo->ColorValue(TdxSkinPropertySlot::FormTextColorInactive);
    FTextColorInactive = inactive != clDefault && inactive != clNone ? inactive : FTextColorActive;
    const TColor shadow = FSkinInfo->ColorValue(TdxSkinPropertySlot::FormTextShadowColor);
    if (shadow != clDefault) FTextShadowColor = shadow;
  }

  // Border widths.
  const TRect clientInWindow = ScreenToWindowRect(FClientRect, FWindowRect);
  const int windowW = RectW(FWindowRect), windowH = RectH(FWindowRect);
  FWidths = HasBorder() ? TRect{skinWidths.Left, 0, skinWidths.Right, skinWidths.Bottom} : TRect{};
  if (systemMetrics) {
    FWidths.Left = std::min(FWidths.Left, std::max(0, clientInWindow.Left - FBorderWidth));
    FWidths.Right = std::min(FWidths.Right, std::max(0, windowW - clientInWindow.Right - FBorderWidth));
    FWidths.Bottom = std::min(FWidths.Bottom, std::max(0, windowH - clientInWindow.Bottom - FBorderWidth));
  }
  const TRect offsets = caption ? caption->ContentOffset()->Rect() : TRect{};
  if ((FStyle & WS_CAPTION) != WS_CAPTION) {
    FWidths.Top = 0;
  } else if (systemMetrics) {
    FWidths.Top = std::max(0, clientInWindow.Top - FBorderWidth - (FMenuBarHeight ? FMenuBarHeight + 1 : 0));
  } else {
    int tallest = 0;
    TdxSkinFormFrameStyle style;
    style.SystemMenu = (FStyle & WS_SYSMENU) != 0;
    style.MinimizeBox = (FStyle & WS_MINIMIZEBOX) != 0;
    style.MaximizeBox = (FStyle & WS_MAXIMIZEBOX) != 0;
    style.ToolWindow = small;
    style.Dialog = (FExStyle & WS_EX_DLGMODALFRAME) != 0;
    style.ContextHelp = (FExStyle & WS_EX_CONTEXTHELP) != 0;
    for (TdxSkinFormIconType t : dxSkinFormCaptionIcons(style))
      if (TdxSkinElement* e = IconElement(t)) tallest = std::max(tallest, e->GetImageSize().cy);
    FWidths.Top = std::max(tallest, FCaptionFontHeight) + offsets.Top + offsets.Bottom;
  }
  FBorders = dxSkinFormBorderRects({windowW, windowH}, FWidths);
  FMenuStrip = {};
  if (FHasMenuBar) {
    const int top = FWidths.Top + FMenuBarHeight;
    FMenuStrip = {FWidths.Left, top, windowW - FWidths.Right, top + 1};
  }
  CalculateCaption();
  CalculateScrollBars();
}

void TdxSkinFormNonClientAreaInfo::CalculateCaption() {
  const bool small = IsToolWindow();
  const bool maximized = (FStyle & WS_MAXIMIZE) != 0;
  TdxSkinFormFrameStyle style;
  style.Caption = (FStyle & WS_CAPTION) == WS_CAPTION;
  style.SystemMenu = (FStyle & WS_SYSMENU) != 0;
  style.MinimizeBox = (FStyle & WS_MINIMIZEBOX) != 0;
  style.MaximizeBox = (FStyle & WS_MAXIMIZEBOX) != 0;
  style.Sizeable = (FStyle & WS_THICKFRAME) != 0;
  style.ToolWindow = small;
  style.Dialog = (FExStyle & WS_EX_DLGMODALFRAME) != 0;
  style.ContextHelp = (FExStyle & WS_EX_CONTEXTHELP) != 0;
  style.Minimized = (FStyle & WS_MINIMIZE) != 0;
  style.Maximized = maximized;

  TdxSkinElement* caption = FSkinInfo ? FSkinInfo->FormFrame(small, 1) : nullptr;
  TRect offsets = caption ? caption->ContentOffset()->Rect() : TRect{};
  if (UsesSystemMetrics() && caption) {
    // The skin's offsets shrink with a caption lower than the skin's own.
    const int skinHeight = std::max(1, std::max(caption->GetImageSize().cy, FCaptionFontHeight + offsets.Top + offsets.Bottom));
    if (FWidths.Top < skinHeight)
      offsets = {MulDiv(offsets.Left, FWidths.Top, skinHeight), MulDiv(offsets.Top, FWidths.Top, skinHeight),
                 MulDiv(offsets.Right, FWidths.Top, skinHeight), MulDiv(offsets.Bottom, FWidths.Top, skinHeight)};
  }
  const TRect area = dxSkinFormCaptionArea(FBorders[1], offsets, FWidths.Left, FBand, maximized, small);
  std::vector<TdxSkinFormCaptionButton> buttons;
  for (TdxSkinFormIconType t : dxSkinFormCaptionIcons(style)) {
    TSize picture;
    if (t == sfiMenu) {
      const int side = small ? GetSystemMetrics(SM_CYSMCAPTION) - 2 * GetSystemMetrics(SM_CYEDGE)
                             : GetSystemMetrics(SM_CYSMICON);
      picture = {side, side};
    } else {
      TdxSkinElement* e = IconElement(t);
      picture = dxSkinFormButtonPictureSize(RectH(area), e ? e->GetImageSize() : TSize{},
                                            e && e->Image()->Stretch() == smTile);
    }
    buttons.push_back({t, picture, {}, {}});
  }
  FCaptionTextRect = dxSkinFormPlaceCaptionButtons(buttons, area, offsets.Left, FCaptionFontHeight, maximized,
                                                   RectW(FWindowRect));
  const HMENU sysMenu = GetSystemMenu(FController->Handle(), FALSE);
  const UINT closeState = sysMenu ? GetMenuState(sysMenu, SC_CLOSE, MF_BYCOMMAND) : 0;
  FIcons.clear();
  for (const TdxSkinFormCaptionButton& b : buttons) {
    TdxSkinFormIconInfo icon;
    icon.IconType = b.IconType;
    icon.HitBounds = b.HitBounds;
    icon.Bounds = b.Bounds;
    switch (b.IconType) {
      case sfiMinimize: icon.Enabled = style.MinimizeBox; break;
      case sfiMaximize: icon.Enabled = style.MaximizeBox; break;
      case sfiClose: icon.Enabled = closeState == UINT(-1) || (closeState & (MF_GRAYED | MF_DISABLED)) == 0; break;
      default: icon.Enabled = true;
    }
    FIcons.push_back(icon);
  }
  if (!FindIcon(FHotIcon)) FHotIcon = -1;
  if (!FindIcon(FPressedIcon)) FPressedIcon = -1;
  POINT cursor{};
  GetCursorPos(&cursor);
  UpdateIconStates({cursor.x, cursor.y});
}

void TdxSkinFormNonClientAreaInfo::CalculateScrollBars() {
  const HWND wnd = FController->Handle();
  const TRect client = ScreenToWindowRect(FClientRect, FWindowRect);
  const int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
  const bool minimized = (FStyle & WS_MINIMIZE) != 0;
  FScrollBars[sbkHorizontal] = {};
  FScrollBars[sbkVertical] = {};
  FScrollBars[sbkHorizontal].Present = !minimized && (FStyle & WS_HSCROLL) != 0;
  FScrollBars[sbkVertical].Present = !minimized && (FStyle & WS_VSCROLL) != 0;
  FScrollBars[sbkHorizontal].Bounds = {client.Left, client.Bottom, client.Right, client.Bottom + cy};
  FScrollBars[sbkVertical].Bounds = {client.Right, client.Top, client.Right + cx, client.Bottom};
  FSizeBoxPresent = FScrollBars[0].Present && FScrollBars[1].Present;
  FSizeBox = {client.Right, client.Bottom, client.Right + cx, client.Bottom + cy};

  POINT cursorPos{};
  GetCursorPos(&cursorPos);
  const TPoint cursor = ScreenToWindow({cursorPos.x, cursorPos.y});
  const bool leftDown = (GetKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
  // SCROLLBARINFO's states: 1 first arrow, 2 track before, 3 thumb, 4 track after, 5 second arrow.
  static constexpr int kStateIndex[6] = {0, 1, 5, 3, 2, 4};
  for (int kind = sbkHorizontal; kind <= sbkVertical; ++kind) {
    TdxSkinFormScrollBar& bar = FScrollBars[kind];
    if (!bar.Present) continue;
    const LONG object = kind == sbkHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL;
    const int sbBar = kind == sbkHorizontal ? SB_HORZ : SB_VERT;
    bar.Info.cbSize = sizeof(bar.Info);
    if (!GetScrollBarInfo(wnd, object, &bar.Info)) {
      bar.Info = {};
      bar.Info.cbSize = sizeof(bar.Info);
    }
    // The arrows and thumb are placed here as the system places them: Wine's
    // SCROLLBARINFO answers the thumb's length for the arrow size. The
    // thumb being dragged stands where the drag has it.
    const bool horizontal = kind == sbkHorizontal;
    const bool tracked = FTrackedBar == kind;
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(wnd, sbBar, &si);
    const TcxScrollBarRange range{si.nMin, si.nMax, tracked ? si.nTrackPos : si.nPos, int(si.nPage)};
    const TcxScrollBarMetrics metrics{
        horizontal ? GetSystemMetrics(SM_CXHSCROLL) : GetSystemMetrics(SM_CYVSCROLL),
        horizontal ? GetSystemMetrics(SM_CXHTHUMB) : GetSystemMetrics(SM_CYVTHUMB),
        FPainter ? FPainter->GetMinScrollBarThumbSize(!horizontal) : 8};
    const int width = bar.Bounds.Right - bar.Bounds.Left, height = bar.Bounds.Bottom - bar.Bounds.Top;
    const bool enabled = (bar.Info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
    const TcxScrollBarRects rects = CalcScrollBarRects(width, height, horizontal, enabled, range, metrics);
    const int arrow = horizontal ? rects.TopLeftArrow.Right - rects.TopLeftArrow.Left
                                 : rects.TopLeftArrow.Bottom - rects.TopLeftArrow.Top;
    const int thumbTop = horizontal ? rects.Thumb.Left : rects.Thumb.Top;
    const int thumbBottom = horizontal ? rects.Thumb.Right : rects.Thumb.Bottom;
    const auto parts = dxSkinFormScrollBarParts(bar.Bounds, horizontal, arrow, thumbTop, thumbBottom);
    for (int i = 1; i <= 5; ++i) {
      TdxSkinFormScrollBarPart& part = bar.Parts[i];
      const DWORD state = bar.Info.rgstate[kStateIndex[i]];
      part.Bounds = parts[i];
      // Present where it has room (the system's flags follow its own placing).
      part.Present = !RectHasNoArea(parts[i]);
      if (!part.Present) continue;
      const bool inPart = PointInRect(part.Bounds, cursor);
      if (state & STATE_SYSTEM_PRESSED) part.State = cxbsPressed;
      else if (!enabled || (state & STATE_SYSTEM_UNAVAILABLE)) part.State = cxbsDisabled;
      else if (tracked && i == 3) part.State = cxbsPressed;
      else if ((state & STATE_SYSTEM_HOTTRACKED) || inPart) part.State = inPart && leftDown ? cxbsPressed : cxbsHot;
      else part.State = cxbsNormal;
    }
  }
}

void TdxSkinFormNonClientAreaInfo::UpdateIconStates(const TPoint& AScreenCursor) {
  const TPoint p = ScreenToWindow(AScreenCursor);
  const bool leftDown = (GetKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
  FHotIcon = IconAt(p);
  for (TdxSkinFormIconInfo& icon : FIcons)
    icon.State = dxSkinFormIconState(FActive, int(icon.IconType) == FHotIcon, icon.Enabled,
                                     int(icon.IconType) == FPressedIcon, leftDown);
}

int TdxSkinFormNonClientAreaInfo::IconAt(const TPoint& AWindowPoint) const {
  for (const TdxSkinFormIconInfo& icon : FIcons)
    if (PointInRect(icon.HitBounds, AWindowPoint)) return icon.IconType;
  return -1;
}

TdxSkinFormIconInfo* TdxSkinFormNonClientAreaInfo::FindIcon(int AType) {
  for (TdxSkinFormIconInfo& icon : FIcons)
    if (int(icon.IconType) == AType) return &icon;
  return nullptr;
}

int TdxSkinFormNonClientAreaInfo::ScrollBarPartAt(const TPoint& AScreenPoint) const {
  const TPoint p = ScreenToWindow(AScreenPoint);
  for (int kind = sbkHorizontal; kind <= sbkVertical; ++kind) {
    if (!FScrollBars[kind].Present) continue;
    for (int i = 1; i <= 5; ++i)
      if (FScrollBars[kind].Parts[i].Present && PointInRect(FScrollBars[kind].Parts[i].Bounds, p))
        return kind * 8 + i;
  }
  return 0;
}

int TdxSkinFormNonClientAreaInfo::HitTest(const TPoint& AScreenPoint) const {
  std::vector<TdxSkinFormCaptionButton> buttons;
  for (const TdxSkinFormIconInfo& icon : FIcons) buttons.push_back({icon.IconType, {}, icon.HitBounds, icon.Bounds});
  TdxSkinFormHitTestInfo info;
  info.WindowSize = {RectW(FWindowRect), RectH(FWindowRect)};
  info.Widths = FWidths;
  info.Band = FBand;
  info.Sizeable = (FStyle & WS_THICKFRAME) != 0;
  info.Maximized = (FStyle & WS_MAXIMIZE) != 0;
  info.Buttons = &buttons;
  return dxSkinFormHitTest(info, ScreenToWindow(AScreenPoint));
}

TRect TdxSkinFormNonClientAreaInfo::ClientRectFor(const TRect& AWindowRect) const {
  return dxSkinFormClientRect(AWindowRect, FWidths, FBorderWidth, (FStyle & WS_HSCROLL) != 0,
                              (FStyle & WS_VSCROLL) != 0,
                              {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)});
}

// --- TdxSkinFormPainter -------------------------------------------------------------------------
TdxSkinElementCache& TdxSkinFormPainter::Cache(std::unique_ptr<TdxSkinElementCache>& ACache) {
  if (!ACache) ACache = std::make_unique<TdxSkinElementCache>();
  return *ACache;
}

void TdxSkinFormPainter::FlushCache() {
  for (auto& c : FBorderCaches) c.reset();
  for (auto& c : FIconCaches) c.reset();
  FContentCache.reset();
  FCaptionCache.reset();
}

void TdxSkinFormPainter::PaintContent(HDC DC, const TRect& R) {
  TdxSkinElement* content = FInfo->SkinInfo() ? FInfo->SkinInfo()->Element(TdxSkinElementSlot::FormFormContent) : nullptr;
  if (!content) {
    FillRect(DC, reinterpret_cast<const RECT*>(&R), GetSysColorBrush(COLOR_BTNFACE));
  } else if (!content->Image()->Empty()) {
    content->DrawToDC(DC, R, 0, esNormal);
  } else {
    Cache(FContentCache).Draw(DC, content, 0, esNormal, R);
  }
}

void TdxSkinFormPainter::PaintClientBackground(HDC DC, const TRect& R) { PaintContent(DC, R); }

void TdxSkinFormPainter::PaintNonClient(HDC DC, HRGN AClip) {
  TdxSkinInfo* skin = FInfo->SkinInfo();
  if (!skin) return;
  const bool minimized = (FInfo->FStyle & WS_MINIMIZE) != 0;
  const TRect client = ScreenToWindowRect(FInfo->FClientRect, FInfo->FWindowRect);
  // The band between the borders and the client area: the form's own border
  // width, or an MDI client's edge.
  const bool mdiEdge = FInfo->FMDIClient && (FInfo->FExStyle & WS_EX_CLIENTEDGE) != 0;
  if (!minimized && (FInfo->FBorderWidth > 0 || mdiEdge)) {
    const int saved = SaveDC(DC);
    ExcludeClipRect(DC, client.Left, client.Top, client.Right, client.Bottom);
    const TRect inner = {FInfo->FWidths.Left, FInfo->FWidths.Top + (FInfo->FHasMenuBar ? FInfo->FMenuBarHeight + 1 : 0),
                         RectW(FInfo->FWindowRect) - FInfo->FWidths.Right,
                         RectH(FInfo->FWindowRect) - FInfo->FWidths.Bottom};
    PaintContent(DC, inner);
    RestoreDC(DC, saved);
  }
  PaintCaption(DC);
  PaintBorders(DC, AClip);
  if (FInfo->FHasMenuBar && !minimized)
    FillRect(DC, reinterpret_cast<const RECT*>(&FInfo->FMenuStrip), GetSysColorBrush(COLOR_MENU));
  if (!minimized) PaintScrollBars(DC);
}

void TdxSkinFormPainter::PaintCaption(HDC DC) {
  const TRect& caption = FInfo->FBorders[1];
  if (RectHasNoArea(caption) || !RectVisible(DC, reinterpret_cast<const RECT*>(&caption))) return;
  TdxSkinInfo* skin = FInfo->SkinInfo();
  const bool small = FInfo->IsToolWindow();
  TOffscreen buffer(DC, RectW(caption), RectH(caption));
  const TRect local = {0, 0, RectW(caption), RectH(caption)};
  TRect elementRect = local;
  if (FInfo->FStyle & WS_MINIMIZE) {
    EmptyElementOr(skin->FormFrame(small, 3))->DrawToDC(buffer.DC(), local, 0, FrameState());
    elementRect.Bottom -= 1;
  }
  if (TdxSkinElement* element = skin->FormFrame(small, 1))
    Cache(FCaptionCache).Draw(buffer.DC(), element, 0, FrameState(), elementRect);
  else
    EmptyElementOr(nullptr)->DrawToDC(buffer.DC(), elementRect, 0, FrameState());
  PaintCaptionText(buffer.DC(), caption);
  for (const TdxSkinFormIconInfo& icon : FInfo->FIcons) PaintIcon(buffer.DC(), icon, caption.TopLeft());
  BitBlt(DC, caption.Left, caption.Top, RectW(caption), RectH(caption), buffer.DC(), 0, 0, SRCCOPY);
}

void TdxSkinFormPainter::PaintCaptionText(HDC DC, const TRect& AOrigin) {
  if (FInfo->FCaptionText.empty()) return;
  TRect r = OffsetRectBy(FInfo->FCaptionTextRect, -AOrigin.Left, -AOrigin.Top);
  HGDIOBJ old = SelectObject(DC, FInfo->FCaptionFont);
  SetBkMode(DC, TRANSPARENT);
  const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS | DT_EDITCONTROL;
  const TColor shadow = FInfo->FTextShadowColor;
  if (FInfo->FActive && !FInfo->IsToolWindow() && shadow != clNone && shadow != clDefault) {
    SetTextColor(DC, ColorToRGB(shadow));
    DrawTextW(DC, FInfo->FCaptionText.c_str(), int(FInfo->FCaptionText.size()), reinterpret_cast<RECT*>(&r), flags);
  }
  r = OffsetRectBy(r, -1, -1);
  SetTextColor(DC, ColorToRGB(FInfo->FActive ? FInfo->FTextColorActive : FInfo->FTextColorInactive));
  DrawTextW(DC, FInfo->FCaptionText.c_str(), int(FInfo->FCaptionText.size()), reinterpret_cast<RECT*>(&r), flags);
  SelectObject(DC, old);
}

void TdxSkinFormPainter::PaintIcon(HDC DC, const TdxSkinFormIconInfo& AIcon, const TPoint& AOffset) {
  const TRect r = OffsetRectBy(AIcon.Bounds, -AOffset.X, -AOffset.Y);
  if (RectHasNoArea(r) || !RectVisible(DC, reinterpret_cast<const RECT*>(&r))) return;
  if (AIcon.IconType == sfiMenu) {
    if (FInfo->FIcon) DrawIconEx(DC, r.Left, r.Top, FInfo->FIcon, RectW(r), RectH(r), 0, nullptr, DI_NORMAL);
    return;
  }
  TdxSkinElement* element = nullptr;
  TdxSkinInfo* skin = FInfo->SkinInfo();
  switch (AIcon.IconType) {
    case sfiHelp: element = skin->Element(TdxSkinElementSlot::FormFormButtonHelp); break;
    case sfiMinimize: element = skin->Element(TdxSkinElementSlot::FormFormButtonMinimize); break;
    case sfiMaximize: element = skin->Element(TdxSkinElementSlot::FormFormButtonMaximize); break;
    case sfiRestore: element = skin->Element(TdxSkinElementSlot::FormFormButtonRestore); break;
    default:
      element = skin->Element(FInfo->IsToolWindow() ? TdxSkinElementSlot::FormSmallFormButtonClose
                                                    : TdxSkinElementSlot::FormFormButtonClose);
  }
  if (element) Cache(FIconCaches[AIcon.IconType]).Draw(DC, element, 0, AIcon.State, r);
}

void TdxSkinFormPainter::PaintBorders(HDC DC, HRGN AClip) {
  TdxSkinInfo* skin = FInfo->SkinInfo();
  const bool small = FInfo->IsToolWindow();
  const int w = RectW(FInfo->FWindowRect), h = RectH(FInfo->FWindowRect);
  const TRect& widths = FInfo->FWidths;
  bool thin = false;
  for (int side = 0; side < 4; ++side)
    if (TdxSkinElement* e = skin->FormFrame(small, side))
      thin = thin || SideThickness(e, side == 0 || side == 2) < 3;
  HWND frameWnd = FInfo->FMDIClient ? GetParent(FInfo->Controller()->Handle()) : FInfo->Controller()->Handle();
  const bool layered = (GetWindowLongPtrW(frameWnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  auto visible = [&](const TRect& R) {
    if (RectHasNoArea(R) || !RectVisible(DC, reinterpret_cast<const RECT*>(&R))) return false;
    return !AClip || RectInRegion(AClip, reinterpret_cast<const RECT*>(&R));
  };
  if (!thin && !layered) {
    const TRect rects[3] = {{0, widths.Top, widths.Left, h - widths.Bottom},
                            {w - widths.Right, widths.Top, w, h - widths.Bottom},
                            {0, h - widths.Bottom, w, h}};
    const int sides[3] = {0, 2, 3};
    for (int i = 0; i < 3; ++i)
      if (TdxSkinElement* e = skin->FormFrame(small, sides[i]); e && visible(rects[i]))
        Cache(FBorderCaches[sides[i]]).Draw(DC, e, 0, FrameState(), rects[i]);
    return;
  }
  const int bottomThickness = std::min(widths.Bottom, SideThickness(skin->FormFrame(small, 3), false));
  const TRect rects[3] = {{0, h - widths.Bottom, w, h},
                          {0, widths.Top, widths.Left, h - bottomThickness},
                          {w - widths.Right, widths.Top, w, h - bottomThickness}};
  const int sides[3] = {3, 0, 2};
  for (int i = 0; i < 3; ++i) {
    const TRect& r = rects[i];
    if (!visible(r)) continue;
    TOffscreen buffer(DC, RectW(r), RectH(r));
    const TRect local = {0, 0, RectW(r), RectH(r)};
    PaintContent(buffer.DC(), local);
    if (TdxSkinElement* e = skin->FormFrame(small, sides[i]))
      Cache(FBorderCaches[sides[i]]).Draw(buffer.DC(), e, 0, FrameState(), local);
    BitBlt(DC, r.Left, r.Top, RectW(r), RectH(r), buffer.DC(), 0, 0, SRCCOPY);
  }
}

void TdxSkinFormPainter::PaintScrollBars(HDC DC) {
  for (int kind = sbkHorizontal; kind <= sbkVertical; ++kind)
    if (FInfo->FScrollBars[kind].Present) PaintScrollBar(DC, FInfo->FScrollBars[kind], kind == sbkHorizontal);
  if (!FInfo->FSizeBoxPresent || !FInfo->FPainter) return;
  const TRect& r = FInfo->FSizeBox;
  TOffscreen buffer(DC, RectW(r), RectH(r));
  const TRect local = {0, 0, RectW(r), RectH(r)};
  PaintContent(buffer.DC(), local);
  {
    TDCCanvas canvas(buffer.DC());
    FInfo->FPainter->PaintSizeGripAt(canvas.Canvas(), local, clNone, coBottomRight);
  }
  BitBlt(DC, r.Left, r.Top, RectW(r), RectH(r), buffer.DC(), 0, 0, SRCCOPY);
}

void TdxSkinFormPainter::PaintScrollBar(HDC DC, const TdxSkinFormScrollBar& ABar, bool AHorizontal) {
  const TRect& r = ABar.Bounds;
  if (RectHasNoArea(r) || !FInfo->FPainter) return;
  TOffscreen buffer(DC, RectW(r), RectH(r));
  const TRect local = {0, 0, RectW(r), RectH(r)};
  PaintContent(buffer.DC(), local);
  {
    TDCCanvas canvas(buffer.DC());
    FInfo->FPainter->DrawScrollBarBackground(canvas.Canvas(), local, AHorizontal);
    static constexpr TcxScrollBarPart kParts[6] = {sbpNone, sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp,
                                                   sbpPageDown};
    for (int i = 1; i <= 5; ++i) {
      const TdxSkinFormScrollBarPart& part = ABar.Parts[i];
      if (!part.Present) continue;
      FInfo->FPainter->PaintScrollBarPart(canvas.Canvas(), AHorizontal, OffsetRectBy(part.Bounds, -r.Left, -r.Top),
                                          kParts[i], part.State);
    }
  }
  BitBlt(DC, r.Left, r.Top, RectW(r), RectH(r), buffer.DC(), 0, 0, SRCCOPY);
}
