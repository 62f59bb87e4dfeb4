// The drop shadow's parts: where they go, their alpha images and their windows.
#include "dxBarShadow_win.h"
#include "dxBar_internal.h"

#include <algorithm>

namespace {

TdxBarShadowSystem GShadowSystem;

bool IsRectEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

int ScreenBitsPerPixel() {
  if (GShadowSystem.Injected) return GShadowSystem.BitsPerPixel;
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return bits;
}

TdxBarUpdateLayeredWindow UpdateLayeredWindowProc() {
  if (GShadowSystem.Injected) return GShadowSystem.UpdateLayeredWindow;
  return reinterpret_cast<TdxBarUpdateLayeredWindow>(reinterpret_cast<void*>(dxBarUpdateLayeredWindowProc()));
}

// Orders the owner item's and the control's bounds: the upper one first when
// they meet at a horizontal edge (or there is no owner item), else the left
// one first. Answers whether they meet horizontally.
bool OrderRects(TRect& First, TRect& Second) {
  const bool horizontal = IsRectEmpty(First) || First.Bottom == Second.Top || First.Top == Second.Bottom;
  if ((horizontal && !IsRectEmpty(First) && First.Top == Second.Bottom) || (!horizontal && First.Left == Second.Right))
    std::swap(First, Second);
  return horizontal;
}

}  // namespace

TdxBarShadowSystem SetdxBarShadowSystem(const TdxBarShadowSystem& Value) {
  const TdxBarShadowSystem previous = GShadowSystem;
  GShadowSystem = Value;
  return previous;
}

// --- TdxBarShadowPart ------------------------------------------------------------------------

TdxBarShadowPart::TdxBarShadowPart(TdxBarShadow* AShadow, int ACorners, int AKind)
    : TCustomControl(nullptr), FShadow(AShadow), FCorners(ACorners), FKind(AKind) {}

void TdxBarShadowPart::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = TdxBarShadow::IsTransparent() ? WS_EX_LAYERED : 0;
  HWND owner = FShadow->Owner()->Handle();
  if (GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) Params.ExStyle |= WS_EX_TOPMOST;
  Params.WndParent = owner;
  Params.WindowClass.style = 0;
}

void TdxBarShadowPart::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST:
      // The mouse goes through to what lies beneath.
      Message.Result = HTTRANSPARENT;
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    default:
      inherited::WndProc(Message);
      if (Message.Msg == WM_PAINT) Message.Result = 0;
  }
}

void TdxBarShadowPart::Paint() {
  // A layered part shows its image; an opaque one is a plain dark strip.
  if (TdxBarShadow::IsTransparent()) return;
  RECT r{0, 0, Width(), Height()};
  FillRect(Canvas()->Handle(), &r, GetSysColorBrush(COLOR_BTNSHADOW));
}

bool TdxBarShadowPart::IsDrawable() const {
  const int s = FShadow->ShadowExtent();
  return FCorners == 0 || (Width() >= s && Height() >= s);
}

std::vector<std::uint8_t> TdxBarShadowPart::BuildImage(int Width, int Height, int Kind, int Corners,
                                                       int ShadowSize) {
  std::vector<std::uint8_t> image(size_t(std::max(Width, 0)) * size_t(std::max(Height, 0)));
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      // Darkest at the casting edge; only the low byte of the size enters.
      const int across = Kind == dxBarShadowBelow ? std::uint8_t(Height) - y : std::uint8_t(Width) - x;
      int alpha = std::uint8_t(15 * across);
      int step = -1;
      if ((Corners & dxBarShadowTaperLeft) && x < ShadowSize) step = x;
      if ((Corners & dxBarShadowTaperRight) && Width - 1 - x < ShadowSize) step = Width - 1 - x;
      if ((Corners & dxBarShadowTaperTop) && y < ShadowSize) step = y;
      if (step >= 0) alpha = MulDiv(alpha, step + 1, ShadowSize + 1);
      image[size_t(y) * size_t(Width) + size_t(x)] = std::uint8_t(alpha);
    }
  return image;
}

void TdxBarShadowPart::SetPartBounds(const TRect& R) {
  SetBoundsRect(R);
  FImage = BuildImage(R.Right - R.Left, R.Bottom - R.Top, FKind, FCorners, FShadow->ShadowExtent());
  if (FShadow->Visible()) Show();
}

void TdxBarShadowPart::Show() {
  if (!IsDrawable()) return;
  HWND wnd = Handle();
  if (TdxBarShadow::IsTransparent()) {
    const int w = Width(), h = Height();
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = dxBarCreateTopDownDIB(dc, w, h, 32, &bits);
    if (bitmap) {
      // Black with alpha only: premultiplied colour bytes stay 0.
      auto* pixels = static_cast<std::uint32_t*>(bits);
      for (size_t i = 0; i < FImage.size(); ++i) pixels[i] = std::uint32_t(FImage[i]) << 24;
      HGDIOBJ old = SelectObject(dc, bitmap);
      POINT source{0, 0};
      SIZE size{w, h};
      BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      if (TdxBarUpdateLayeredWindow update = UpdateLayeredWindowProc())
        update(wnd, nullptr, nullptr, &size, dc, &source, 0, &blend, ULW_ALPHA);
      SelectObject(dc, old);
      DeleteObject(bitmap);
    }
    DeleteDC(dc);
  }
  SetWindowPos(wnd, FShadow->Owner()->Handle(), 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TdxBarShadowPart::Hide() {
  if (!HandleAllocated()) return;
  ShowWindow(Handle(), SW_HIDE);
  DestroyHandle();
}

// --- TdxBarShadow ----------------------------------------------------------------------------

TdxBarShadow::TdxBarShadow(TWinControl* ABarControl) : FOwner(ABarControl) {}

TdxBarShadow::~TdxBarShadow() { DestroyParts(); }

bool TdxBarShadow::IsTransparent() { return UpdateLayeredWindowProc() && ScreenBitsPerPixel() > 8; }

void TdxBarShadow::DestroyParts() {
  for (TdxBarShadowPart* part : FParts) delete part;
  FParts.clear();
}

void TdxBarShadow::SetPartsVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  for (TdxBarShadowPart* part : FParts) Value ? part->Show() : part->Hide();
}

std::vector<TdxBarShadowPartInfo> TdxBarShadow::CalcParts(const TRect& OwnerBounds, const TRect& ControlBounds,
                                                          int S) {
  TRect u = OwnerBounds, l = ControlBounds;
  const bool horizontal = OrderRects(u, l);
  std::vector<TdxBarShadowPartInfo> parts;
  auto add = [&](const TRect& R, int Corners, int Kind) {
    if (!IsRectEmpty(R)) parts.push_back({R, Corners, Kind});
  };
  const int left = dxBarShadowTaperLeft, right = dxBarShadowTaperRight, top = dxBarShadowTaperTop;
  if (horizontal) {
    const bool owner = !IsRectEmpty(u);
    if (owner) add({u.Right, u.Top + S, u.Right + S, u.Bottom}, top, dxBarShadowRight);
    add({l.Left + S, l.Bottom, l.Right + S, l.Bottom + S}, left | right, dxBarShadowBelow);
    if (owner && u.Left + S < l.Left) add({u.Left + S, u.Bottom, l.Left, u.Bottom + S}, left, dxBarShadowBelow);
    if (owner && l.Right < u.Right) add({l.Right, u.Bottom, u.Right + S, u.Bottom + S}, right, dxBarShadowBelow);
    if (!owner || u.Right < l.Right)
      add({l.Right, l.Top + S, l.Right + S, l.Bottom}, top, dxBarShadowRight);
    else
      add({l.Right, l.Top, l.Right + S, l.Bottom}, 0, dxBarShadowRight);
  } else {
    add({l.Right, l.Top + S, l.Right + S, l.Bottom}, top, dxBarShadowRight);
    if (u.Top + S < l.Top) add({u.Right, u.Top + S, u.Right + S, l.Top}, top, dxBarShadowRight);
    if (l.Bottom < u.Bottom) {
      add({u.Left + S, u.Bottom, u.Right + S, u.Bottom + S}, left | right, dxBarShadowBelow);
      add({u.Right, l.Bottom, u.Right + S, u.Bottom}, 0, dxBarShadowRight);
    } else {
      add({u.Left + S, u.Bottom, u.Right, u.Bottom + S}, left, dxBarShadowBelow);
    }
    if (u.Bottom < l.Bottom)
      add({l.Left + S, l.Bottom, l.Right + S, l.Bottom + S}, left | right, dxBarShadowBelow);
    else
      add({l.Left, l.Bottom, l.Right + S, l.Bottom + S}, right, dxBarShadowBelow);
  }
  return parts;
}

void TdxBarShadow::SetBounds(const TRect& OwnerBounds, const TRect& ControlBounds) {
  FFirstRect = OwnerBounds;
  FSecondRect = ControlBounds;
  FHorizontal = OrderRects(FFirstRect, FSecondRect);
  RebuildParts();
}

void TdxBarShadow::RebuildParts() {
  DestroyParts();
  for (const TdxBarShadowPartInfo& info : CalcParts(FFirstRect, FSecondRect, ShadowExtent())) {
    auto* part = new TdxBarShadowPart(this, info.Corners, info.Kind);
    FParts.push_back(part);
    part->SetPartBounds(info.Bounds);
  }
}

// --- TdxBarContainerLinkData -----------------------------------------------------------------

TdxBarContainerLinkData::TdxBarContainerLinkData(TdxBarItem* AItem, TdxBarItemLink* AItemLink, int AItemIndex)
    : FItem(AItem), FItemLink(AItemLink), FItemIndex(AItemIndex) {}

TdxBarContainerLinkData::~TdxBarContainerLinkData() { delete FExpandedItems; }
