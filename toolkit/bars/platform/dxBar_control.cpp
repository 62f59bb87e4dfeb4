// The bar control base: the window behind every toolbar and menu, its layout
// of links, metrics, rebuilding, painting and messages; and the list of what
// its layout shows.
#include <windows.h>

#include <algorithm>

#include "SysUtils.h"
#include "dxBarControl_win.h"
#include "dxBar_internal.h"

namespace {

bool IsEmptyRect(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

bool Overlap(int A1, int A2, int B1, int B2) { return std::max(A1, B1) < std::min(A2, B2); }

TRect Swapped(const TRect& R) { return TRect{R.Top, R.Left, R.Bottom, R.Right}; }

}  // namespace

// --- TCustomdxBarControlViewInfo -----------------------------------------------------------

void TCustomdxBarControlViewInfo::Clear() {
  FShown.clear();
  FSeparators.clear();
}

void TCustomdxBarControlViewInfo::RemoveShownViewInfo(TdxBarItemControlViewInfo* AViewInfo) {
  std::erase(FShown, AViewInfo);
}

int TCustomdxBarControlViewInfo::IndexOfItemControl(const TdxBarItemControl* AControl) const {
  for (size_t i = 0; i < FShown.size(); ++i)
    if (FShown[i]->Control() == AControl) return int(i);
  return -1;
}

void TCustomdxBarControlViewInfo::AddSeparator(const TRect& R, bool InRow, TdxBarItemControl* AControl) {
  FSeparators.push_back(TdxBarSeparatorRecord{AControl, R, InRow});
}

void TCustomdxBarControlViewInfo::GetSeparatorInfo(int Index, TRect& R, bool& InRow) const {
  R = FSeparators[size_t(Index)].Rect;
  InRow = FSeparators[size_t(Index)].InRow;
}

bool TCustomdxBarControlViewInfo::FindSeparatorOf(const TdxBarItemControl* AControl, int& Index) const {
  for (size_t i = 0; i < FSeparators.size(); ++i)
    if (FSeparators[i].ItemControl == AControl) {
      Index = int(i);
      return true;
    }
  Index = -1;
  return false;
}

// --- Construction and destruction ----------------------------------------------------------

TCustomdxBarControl::TCustomdxBarControl(TComponent* AOwner) : TCustomControl(AOwner) {
  FCanvas = std::make_unique<TcxCanvas>(Canvas());
  AddLiveBarControl(this);
  UpdateControlStyle();
  SetColor(clBtnFace);
  FShadow = std::make_unique<TdxBarShadow>(this);
  SetVisible(false);
  SetBounds(100, 100, 50, 30);
  FBackgroundCache = std::make_unique<TBitmap>();
}

void TCustomdxBarControl::BeforeDestruction() {
  FState |= bcsBeforeDestruction;
  if (FChildBar && !FChildBar->IsDestroying()) {
    TCustomdxBarControl* child = FChildBar;
    FChildBar = nullptr;
    child->Free();
  }
  if (FParentBar) {
    if (FParentBar->FChildBar == this) FParentBar->FChildBar = nullptr;
    FParentBar = nullptr;
  }
  inherited::BeforeDestruction();
  // The window goes while the descendant's answers are still there: its item
  // controls are told that their parent window goes.
  NotifyDestroyOnce();
  if (HandleAllocated()) DestroyHandle();
}

TCustomdxBarControl::~TCustomdxBarControl() {
  NotifyDestroyOnce();
  FInDestructor = true;
  if (HandleAllocated()) DestroyHandle();
  else DestroyControls();
  if (FItemLinks) {
    if (FItemLinks->BarControl() == this) FItemLinks->SetBarControl(nullptr);
    FItemLinks = nullptr;
  }
  RemoveLiveBarControl(this);
  InvalidateObjectLinks(this);
  FShadow.reset();
  FBackgroundCache.reset();
  FViewInfo.reset();
  FActiveCanvas.reset();
  FCanvas.reset();
  FState |= bcsDestroyed;
}

void TCustomdxBarControl::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomdxBarControl::NotifyDestroyOnce() {
  if (FDestroyNotified) return;
  FDestroyNotified = true;
  DoDestroy();
}

TdxBarManager* TCustomdxBarControl::GetBarManager() const { return dynamic_cast<TdxBarManager*>(Owner()); }

TCustomdxBarControlViewInfo* TCustomdxBarControl::ViewInfo() {
  // Made on first need: the class comes from the descendant, whose answers
  // are not there while this constructor runs.
  if (!FViewInfo && !FInDestructor)
    FViewInfo.reset(static_cast<TCustomdxBarControlViewInfo*>(GetViewInfoClass()->Create(this)));
  return FViewInfo.get();
}

void TCustomdxBarControl::SetItemLinks(TdxBarItemLinks* Value) {
  if (FItemLinks == Value) return;
  DestroyControls();
  if (FItemLinks && FItemLinks->BarControl() == this) FItemLinks->SetBarControl(nullptr);
  FItemLinks = Value;
  if (FItemLinks) FItemLinks->SetBarControl(this);
  if (FItemLinks && HandleAllocated()) CreateControls();
}

void TCustomdxBarControl::SetChildBar(TCustomdxBarControl* Value) {
  if (FChildBar == Value) return;
  FChildBar = Value;
  if (Value) Value->FParentBar = this;
}

void TCustomdxBarControl::SetParentBar(TCustomdxBarControl* Value) {
  if (FParentBar == Value) return;
  FParentBar = Value;
  if (Value) Value->FChildBar = this;
}

TdxBarItemControl* TCustomdxBarControl::GetSelectedItemControl() const {
  return FSelectedLink ? FSelectedLink->Control() : nullptr;
}

bool TCustomdxBarControl::SelectedByMouse() const {
  TdxBarItemControl* control = GetSelectedItemControl();
  return control && control->SelectedByMouse;
}

void TCustomdxBarControl::SetDockingStyle(TdxBarDockingStyle Value) {
  if (FDockingStyle == Value) return;
  FDockingStyle = Value;
  ClearBackgroundCache();
  Perform(CM_FONTCHANGED);
  UpdateAlphaBlend();
}

void TCustomdxBarControl::SetDockControl(TObject* Value) {
  FDockControl = Value;
  UpdateDoubleBuffered();
}

void TCustomdxBarControl::SetOwnerBounds(const TRect& R, TWinControl* AOwnerControl) {
  FOwnerBounds = R;
  FOwnerControl = AOwnerControl;
}

void TCustomdxBarControl::SetViewState(int Value) {
  if (FViewState == Value || IsCustomizing()) return;
  FViewState = Value;
}

// --- Answers -------------------------------------------------------------------------------

uint16_t TCustomdxBarControl::GetBehaviourFlags() { return FParentBar ? FParentBar->GetBehaviourFlags() : 0x0013; }

bool TCustomdxBarControl::CanPaintItemControl(TdxBarItemControlViewInfo* AViewInfo) {
  if (IsDestroying() || !AViewInfo || !AViewInfo->Control() || !AViewInfo->Control()->ItemLink()) return false;
  if (!AViewInfo->Control()->CanDraw() || (FState & bcsPaintingItem) || IsUpdateLocked()) return false;
  return ViewInfo()->IndexOfItemControl(AViewInfo->Control()) != -1;
}

bool TCustomdxBarControl::AllowsItemCustomizing() {
  TdxBarManager* manager = GetBarManager();
  return manager && manager->IsDesigning();
}

bool TCustomdxBarControl::IsUpdateLocked() {
  TdxBarManager* manager = GetBarManager();
  return manager && manager->IsUpdateLocked();
}

bool TCustomdxBarControl::IsCustomizing() {
  TdxBarManager* manager = GetBarManager();
  return manager && manager->IsCustomizingOrDesigning();
}

bool TCustomdxBarControl::IsFlatPainted() { return GetPainter()->PaintsFlatItems(); }

bool TCustomdxBarControl::HasShadow() { return GetPainter()->BarControlHasShadow(this); }

bool TCustomdxBarControl::IsShadowVisible() { return HasShadow() && HandleAllocated() && IsWindowVisible(Handle()); }

int TCustomdxBarControl::GetMarkSize() { return HasMark() ? FMarkSize : 0; }

int TCustomdxBarControl::GetBeginGroupOffset(TdxBarItemLink* ALink) {
  return ALink->BeginGroup() && ALink->GetShownIndex() > 0 ? GetBeginGroupSize() : 0;
}

int TCustomdxBarControl::GetItemTextSize(TdxBarItemControl* AControl) { return AControl->GetTextSize(); }

TFont* TCustomdxBarControl::GetEditFont() {
  TdxBarManager* manager = GetBarManager();
  return manager ? manager->EditFont() : Font();
}

void TCustomdxBarControl::GetItemRect(TdxBarItemControl* AControl, bool, TRect& R) {
  R = AControl ? AControl->ItemRect() : TRect{};
}

HRGN TCustomdxBarControl::CreateItemRegion(TdxBarItemControl* AControl) {
  TRect r;
  GetItemRect(AControl, false, r);
  return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
}

int TCustomdxBarControl::GetPainterTextSize() { return GetPainter()->MenuReferenceTextSize(); }

TdxBarPainter* TCustomdxBarControl::GetPainter() {
  if (FPainter) return FPainter;
  if (FParentBar) return FParentBar->GetPainter();
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->Painter()) return manager->Painter();
  return GetSharedFlatPainter();
}

HBRUSH TCustomdxBarControl::GetToolbarBrush() { return GetPainter()->ToolbarBrush(); }
HBRUSH TCustomdxBarControl::GetToolbarDownedBrush() { return GetPainter()->DownBrush(); }
HBRUSH TCustomdxBarControl::GetToolbarDownedSelectedBrush() { return GetPainter()->DownSelectedBrush(); }
HBRUSH TCustomdxBarControl::GetToolbarSelectedBrush() { return GetPainter()->SelectedBrush(); }
int TCustomdxBarControl::GetPainterOffset() { return GetPainter()->SubMenuTopOffset(); }
int TCustomdxBarControl::GetIconAreaSize() { return GetPainter()->MenuItemHeight(this); }

int TCustomdxBarControl::GetTextSize() {
  TcxCanvas* canvas = GetCanvas();
  canvas->Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  return GetPainter()->EditHeight(canvas->Handle());
}

bool TCustomdxBarControl::IsOwnerAdjacent() {
  if (IsEmptyRect(FOwnerBounds)) return false;
  const TRect c = BoundsRect(), o = FOwnerBounds;
  return ((c.Top == o.Bottom || c.Bottom == o.Top) && Overlap(c.Left, c.Right, o.Left, o.Right)) ||
         ((c.Left == o.Right || c.Right == o.Left) && Overlap(c.Top, c.Bottom, o.Top, o.Bottom));
}

bool TCustomdxBarControl::CanBeActive() {
  if (dxBarApplicationActive() || IsCustomizing()) return true;
  if (!HandleAllocated()) return false;
  for (HWND w = Handle(); w; w = GetParent(w))
    if (!IsWindowEnabled(w)) return false;
  return true;
}

void TCustomdxBarControl::SetActive(bool Value) {
  if (TdxBarManager* manager = GetBarManager()) manager->HideHint();
  if (Value == FIsActive || !CanBeActive()) {
    if (!(IsCustomizing() && !Value)) return;
  }
  SetIsActive(Value);
}

void TCustomdxBarControl::CloseUp() {
  TdxBarObjectGuard guard(this);
  SetActive(false);
  if (!guard.Alive()) return;
  if (FParentBar && !FClosedByEscape) FParentBar->CloseUpChain();
}

void TCustomdxBarControl::CloseUpChain() {
  if (FState & bcsClosingUp) return;
  FState |= bcsClosingUp;
  TdxBarObjectGuard guard(this);
  TdxBarFinally clear([&] {
    if (guard.Alive()) FState &= uint16_t(~bcsClosingUp);
  });
  CloseUp();
}

void TCustomdxBarControl::CloseByEscape() {
  FClosedByEscape = true;
  CloseUpChain();
}

void TCustomdxBarControl::CalcHintPosition(TPoint& P, int Height) {
  P.Y += MulDiv(20, ScaleByScreenDPI(96), 96);
  const TRect work = GetMonitorWorkAreaAtPoint(P);
  if (P.Y + Height > work.Bottom && HandleAllocated()) {
    RECT r{};
    GetWindowRect(Handle(), &r);
    P.Y = r.top - Height;
  }
}

// --- Metrics and layout --------------------------------------------------------------------

void TCustomdxBarControl::CalcMetrics() {
  UpdateCanvasFont();
  TdxBarPainter* painter = GetPainter();
  FTextSize = GetTextSize();
  FRatio = std::max(double(FTextSize) / GetPainterTextSize(), 1.0);
  FMenuArrowHeight = std::max(FTextSize / 5, 4);
  FIconAreaSize = GetIconAreaSize();
  // The edit font's "0" sizes the edit items and the combo arrows.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetEditFont()->Handle());
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  SelectObject(dc, old);
  DeleteDC(dc);
  FEditTextSize = painter->EditItemHeight(zero.cy);
  FComboBoxArrowWidth = painter->ComboDropDownButtonWidth(zero.cx);
}

void TCustomdxBarControl::CalcItemsRect() { FItemsRect = ClientRect(); }

void TCustomdxBarControl::CalcItemRects(int Kind, int FirstIndex) {
  FVisibleItemsRect = FItemsRect;
  BeforeCalcItemRects();
  if (FItemLinks)
    for (int i = 0; i < FItemLinks->Count(); ++i) FItemLinks->Links(i)->SetItemRect(TRect{});
  if (Kind == 0 || Kind == 2) {
    CalcLinksLayout();
  } else if (Kind == 1) {
    int lastBottom = 0;
    CalcLinksVertically(FirstIndex, lastBottom);
  }
  AfterCalcItemRects();
}

void TCustomdxBarControl::CalcLinksVertically(int FirstIndex, int& LastBottom) {
  const TRect& area = FVisibleItemsRect;
  int top = area.Top;
  LastBottom = top;
  if (!FItemLinks) return;
  bool placed = false;
  for (int i = std::max(FirstIndex, 0); i < FItemLinks->GetShownLinkCount(); ++i) {
    TdxBarItemLink* link = FItemLinks->GetShownLink(i);
    TdxBarItemControl* control = link->Control();
    if (!control) continue;
    const int linkTop = top + GetBeginGroupOffset(link);
    TRect r{area.Left, linkTop, area.Right, linkTop + control->FinalHeight()};
    if (r.Bottom > area.Bottom) {
      if (AllowsPartialLastItem(r)) {
        r.Bottom = area.Bottom;
        link->SetItemRect(r);
        LastBottom = area.Bottom;
      } else if (!placed) {
        LastBottom = linkTop;
      }
      return;
    }
    link->SetItemRect(r);
    top = r.Bottom;
    LastBottom = top;
    placed = true;
  }
}

void TCustomdxBarControl::HitTestInsertion(const TPoint& P, TdxBarItemLink*& Link, bool& Vertical, bool& BeforeLink,
                                           bool& AtSeparator) {
  Link = nullptr;
  Vertical = IsVerticalLayout();
  BeforeLink = false;
  AtSeparator = false;
  if (!FItemLinks) return;
  TRect r;
  for (int i = 0; i < FItemLinks->GetShownLinkCount() && !Link; ++i) {
    TdxBarItemLink* link = FItemLinks->GetShownLink(i);
    TdxBarItemControl* control = link->Control();
    if (!control || !control->IsItemOfOwnManager()) continue;
    HRGN region = CreateItemRegion(control);
    const bool hit = PtInRegion(region, P.X, P.Y);
    DeleteObject(region);
    if (!hit) continue;
    Link = link;
    r = link->ItemRect();
    int separator = -1;
    const bool inItem = P.X >= r.Left && P.X < r.Right && P.Y >= r.Top && P.Y < r.Bottom;
    if (!inItem && ViewInfo()->FindSeparatorOf(control, separator)) {
      AtSeparator = true;
      const int itemTop = r.Top;
      bool inRow = false;
      ViewInfo()->GetSeparatorInfo(separator, r, inRow);
      if (P.Y < itemTop) Vertical = true;
    }
  }
  if (!Link) return;
  BeforeLink = Vertical ? P.Y - r.Top < r.Bottom - P.Y : P.X - r.Left < r.Right - P.X;
}

// --- Item controls and rebuilding ----------------------------------------------------------

void TCustomdxBarControl::CreateControls() {
  if (FState & (bcsCreatingControls | bcsDestroyingControls)) return;
  FState |= bcsCreatingControls;
  TdxBarFinally clear([this] { FState &= uint16_t(~bcsCreatingControls); });
  CreateItemControls();
}

void TCustomdxBarControl::DestroyControls() {
  if (FState & (bcsCreatingControls | bcsDestroyingControls)) return;
  FState |= bcsDestroyingControls;
  TdxBarFinally clear([this] { FState &= uint16_t(~bcsDestroyingControls); });
  DestroyItemControls();
}

void TCustomdxBarControl::CreateItemControls() {
  if (!FItemLinks) return;
  for (int i = 0; i < FItemLinks->GetVisibleLinkCount(); ++i) FItemLinks->GetVisibleLink(i)->CreateControl();
}

void TCustomdxBarControl::DestroyItemControls() {
  if (!FItemLinks) return;
  for (int i = 0; i < FItemLinks->Count(); ++i) FItemLinks->Links(i)->FreeControl();
  if (FViewInfo) FViewInfo->Clear();
}

bool TCustomdxBarControl::CanRebuild() const {
  if (IsDestroying() || !HandleAllocated()) return false;
  if (FState & (bcsCreatingControls | bcsDestroyingControls | bcsRebuilding)) return false;
  TdxBarManager* manager = GetBarManager();
  return !(manager && manager->IsUpdateLocked());
}

void TCustomdxBarControl::RebuildControls(bool ItemsChanged) {
  if (!CanRebuild()) return;
  FState |= bcsRebuilding;
  TdxBarObjectGuard guard(this);
  TdxBarFinally clear([&] {
    if (guard.Alive()) FState &= uint16_t(~bcsRebuilding);
  });
  // While customizing, the selected link is taken again by its new control.
  TdxBarItemLink* remembered = nullptr;
  if (IsCustomizing()) {
    remembered = FSelectedLink;
    FSelectedLink = nullptr;
  }
  AfterRebuild(ItemsChanged);
  if (guard.Alive() && remembered && FItemLinks && FItemLinks->IndexOfLink(remembered) >= 0 && remembered->Control())
    SetSelectedControl(remembered->Control());
}

void TCustomdxBarControl::AfterRebuild(bool ItemsChanged) {
  if (!ItemsChanged) return;
  DestroyControls();
  CreateControls();
}

void TCustomdxBarControl::SelectItemControl(TdxBarItemControl* AControl) { SetSelectedControl(AControl); }

void TCustomdxBarControl::SetSelectedControl(TdxBarItemControl* AControl) {
  TdxBarItemControl* old = GetSelectedItemControl();
  if (old == AControl) return;
  FSelectedLink = AControl ? AControl->ItemLink() : nullptr;
  if (old) old->Repaint();
  if (AControl) AControl->Repaint();
}

bool TCustomdxBarControl::HasItemControl(TdxBarItemControl* AControl) const {
  return AControl && FItemLinks && FItemLinks->HasItemControl(AControl);
}

TdxBarItemControl* TCustomdxBarControl::ItemControlAtPos(const TPoint& P) {
  if (IsCustomizing() && !AllowsItemCustomizing()) return nullptr;
  TCustomdxBarControlViewInfo* info = ViewInfo();
  for (int i = 0; i < info->GetItemControlCount(); ++i) {
    const TRect& r = info->GetItemControlViewInfo(i)->Bounds();
    if (P.X >= r.Left && P.X < r.Right && P.Y >= r.Top && P.Y < r.Bottom) {
      TdxBarItemControl* control = info->GetItemControlViewInfo(i)->Control();
      return IsCustomizing() && control->IgnoredByHitTest() ? nullptr : control;
    }
  }
  return nullptr;
}

// --- Container items -----------------------------------------------------------------------

void TCustomdxBarControl::ExpandContainerItems() {
  FExpandedLinks.clear();
  if (!FItemLinks) return;
  for (int i = 0; i < FItemLinks->Count(); ++i) {
    TdxBarItemLink* link = FItemLinks->Links(i);
    auto* container = dynamic_cast<IdxBarContainerExpansion*>(link->Item());
    if (!container || !link->Visible()) continue;
    auto data = std::make_unique<TdxBarContainerLinkData>(link->Item(), link, i);
    const bool replaces = container->InsertExpandedLinks(FItemLinks, i, data->ExpandedItems());
    const int inserted = data->ExpandedItems()->Count();
    FExpandedLinks.push_back(std::move(data));
    if (replaces) {
      // The container's own link leaves the links until the collapse.
      link->SetCollection(nullptr);
      i += inserted - 1;
    } else {
      i += inserted;
    }
  }
}

void TCustomdxBarControl::CollapseContainerItems() {
  auto records = std::move(FExpandedLinks);
  FExpandedLinks.clear();
  for (auto& record : records)
    if (auto* container = dynamic_cast<IdxBarContainerExpansion*>(record->Item()))
      container->MarkExpandedListForClearing();
  for (auto it = records.rbegin(); it != records.rend(); ++it) {
    TdxBarContainerLinkData& record = **it;
    if (auto* container = dynamic_cast<IdxBarContainerExpansion*>(record.Item()))
      container->RemoveExpandedLinks(FItemLinks, record.ExpandedItems());
    TdxBarItemLink* link = record.ItemLink();
    if (FItemLinks && link->Collection() == nullptr) {
      link->SetCollection(FItemLinks);
      link->SetIndex(std::min(record.ItemIndex(), FItemLinks->Count() - 1));
    }
  }
}

// --- Painting ------------------------------------------------------------------------------

TcxCanvas* TCustomdxBarControl::GetCanvas() {
  if (HandleAllocated()) {
    if (FActiveCanvas) {
      FActiveCanvas.reset();
      UpdateCanvasFont();
    }
    return FCanvas.get();
  }
  if (!FActiveCanvas) {
    FActiveCanvas = std::make_unique<TcxScreenCanvas>();
    FActiveCanvas->Font()->Assign(Font());
  }
  return FActiveCanvas.get();
}

void TCustomdxBarControl::UpdateCanvasFont() {
  if (FState & bcsUpdatingCanvasFont) return;
  FState |= bcsUpdatingCanvasFont;
  TdxBarFinally clear([this] { FState &= uint16_t(~bcsUpdatingCanvasFont); });
  TcxCanvas* canvas = GetCanvas();
  canvas->Font()->Assign(Font());
  // Turned a quarter clockwise: the text of a rotated toolbar runs downwards.
  if (IsRotated()) canvas->SetFontAngle(-90);
}

void TCustomdxBarControl::UpdateControlStyle() {
  TControlStyle style = ControlStyle();
  style.Exclude(csCaptureMouse);
  TdxBarManager* manager = GetBarManager();
  if ((manager && manager->GetEffectiveStyle() != bmsStandard) || IsCustomizing()) style.Include(csDoubleClicks);
  else style.Exclude(csDoubleClicks);
  SetControlStyle(style);
}

void TCustomdxBarControl::UpdateDoubleBuffered() {
  TdxBarManager* manager = GetBarManager();
  const bool dimmed = manager && manager->IsOtherManagerCustomizing();
  SetDoubleBuffered(HasCustomBackground() || dimmed || GetPainter()->BarNeedsDoubleBuffer());
}

void TCustomdxBarControl::ClearBackgroundCache() {
  if (FBackgroundCache) FBackgroundCache->SetSize(0, 0);
}

void TCustomdxBarControl::Paint() {}

void TCustomdxBarControl::PaintItemControls() {
  TCustomdxBarControlViewInfo* info = ViewInfo();
  TcxCanvas* canvas = GetCanvas();
  for (int i = 0; i < info->GetItemControlCount(); ++i) {
    TdxBarItemControlViewInfo* itemInfo = info->GetItemControlViewInfo(i);
    if (CanPaintItemControl(itemInfo)) PaintItemControl(canvas, itemInfo->Control());
    // Later background fills leave the items alone.
    canvas->ExcludeClipRectangle(itemInfo->Bounds());
  }
}

void TCustomdxBarControl::PaintItemControl(TcxCanvas* ACanvas, TdxBarItemControl* AControl) {
  FState |= bcsPaintingItem;
  TdxBarFinally clear([this] {
    FState &= uint16_t(~bcsPaintingItem);
    FBackgroundBrush = nullptr;
  });
  FBackgroundBrush = GetToolbarBrush();
  DrawItemControl(AControl, ACanvas, AControl->ItemRect());
}

void TCustomdxBarControl::DrawItemControl(TdxBarItemControl* AControl, TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->PushClipRegion();
  {
    TdxBarFinally pop([ACanvas] { ACanvas->PopClipRegion(); });
    ACanvas->IntersectClipRectangle(AControl->ViewInfo()->Bounds());
    AControl->Draw(ACanvas, R, GetItemDrawFlags());
  }
}

void TCustomdxBarControl::DrawNonClient(HDC DC, HRGN Region, int Flag, HBRUSH Brush) {
  HRGN saved = CreateRectRgn(0, 0, 0, 0);
  const bool hadClip = GetClipRgn(DC, saved) == 1;
  TdxBarFinally restore([&] {
    SelectClipRgn(DC, hadClip ? saved : nullptr);
    DeleteObject(saved);
  });
  ExtSelectClipRgn(DC, Region, RGN_AND);
  RECT w{};
  GetWindowRect(Handle(), &w);
  DrawNonClientWithPainter(DC, TRect{0, 0, w.right - w.left, w.bottom - w.top}, Flag, clNone, Brush);
}

void TCustomdxBarControl::WMNCPaint(TMessage& Message) {
  if (!HasNonClientArea()) {
    inherited::WndProc(Message);
    return;
  }
  HDC dc = GetNonClientDC(reinterpret_cast<HRGN>(Message.WParam));
  TdxBarFinally release([&] {
    ReleaseNonClientDC(dc);
    ++FNonClientReleases;
  });
  inherited::WndProc(Message);
  ++FNonClientPaints;
  PaintNonClient(dc);
}

// --- Window --------------------------------------------------------------------------------

void TCustomdxBarControl::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style |= CS_DBLCLKS;
}

void TCustomdxBarControl::CreateWnd() {
  inherited::CreateWnd();
  UpdateFont();
  CalcMetrics();
  CreateControls();
  UpdateAlphaBlend();
}

void TCustomdxBarControl::DestroyWnd() {
  // In the destructor the descendant's answers are gone; BeforeDestruction
  // took the window down while they were there.
  if (!FInDestructor) {
    SetMarkState(0);
    if (FItemLinks)
      for (int i = 0; i < FItemLinks->GetVisibleLinkCount(); ++i)
        if (TdxBarItemControl* control = FItemLinks->GetVisibleLink(i)->Control()) control->ParentWindowDestroyed();
  }
  FCtlColorPosted.clear();
  inherited::DestroyWnd();
  DestroyControls();
}

void TCustomdxBarControl::Resize() { inherited::Resize(); }

void TCustomdxBarControl::WindowPosChanged(TMessage& Message) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
  if (!pos || (pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE)) UpdateShadowBounds();
  if (IsShadowVisible()) FShadow->SetPartsVisible(true);
  ClearBackgroundCache();
}

void TCustomdxBarControl::UpdateShadowBounds() {
  const bool reaches = IsOwnerAdjacent() && GetPainter()->BarControlShadowReachesParent(this);
  FShadow->SetBounds(reaches ? FOwnerBounds : TRect{}, BoundsRect());
}

void TCustomdxBarControl::GetOwnerEdgeRect(bool Outside, TRect& R) {
  R = TRect{};
  if (IsEmptyRect(FOwnerBounds) || !IsOwnerAdjacent()) return;
  const TRect bounds = BoundsRect();
  TRect control{0, 0, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top};
  TRect owner{FOwnerBounds.Left - bounds.Left, FOwnerBounds.Top - bounds.Top, FOwnerBounds.Right - bounds.Left,
              FOwnerBounds.Bottom - bounds.Top};
  const bool horizontal = control.Top == owner.Bottom || control.Bottom == owner.Top;
  if (!horizontal) {
    control = Swapped(control);
    owner = Swapped(owner);
  }
  const bool ownerAbove = control.Top == owner.Bottom;
  const int row = ownerAbove ? control.Top : control.Bottom - 1;
  const int shift = Outside ? (ownerAbove ? -1 : 1) : 0;
  R = TRect{std::max(control.Left, owner.Left) + 1, row + shift, std::min(control.Right, owner.Right) - 1,
            row + shift + 1};
  if (!horizontal) R = Swapped(R);
  if (Outside) R = TRect{R.Left + Left(), R.Top + Top(), R.Right + Left(), R.Bottom + Top()};
}

void TCustomdxBarControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCACTIVATE: {
      const bool activating = Message.WParam != 0;
      Message.WParam = 1;  // always drawn active
      inherited::WndProc(Message);
      if (activating && !IsCustomizing() && HandleAllocated())
        if (HWND parent = GetParent(Handle())) SendMessageW(parent, WM_NCACTIVATE, 1, 0);
      return;
    }
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_PAINT:
      if (IsDestroying()) {
        ValidateRect(Handle(), nullptr);
        Message.Result = 0;
        return;
      }
      break;
    case WM_NCPAINT:
      WMNCPaint(Message);
      return;
    case WM_PRINT:
      inherited::WndProc(Message);
      PaintNonClient(reinterpret_cast<HDC>(Message.WParam));
      return;
    case WM_PRINTCLIENT:
      PaintWindow(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 0;
      return;
    case WM_COMMAND: {
      inherited::WndProc(Message);
      // An edit's change that nobody took goes back to the edit, never to
      // this window itself.
      const HWND from = reinterpret_cast<HWND>(Message.LParam);
      if (Message.Result == 0 && HIWORD(Message.WParam) == EN_CHANGE && from && from != Handle() &&
          IsChild(Handle(), from))
        SendMessageW(from, WM_COMMAND, Message.WParam, Message.LParam);
      return;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      const HWND inner = reinterpret_cast<HWND>(Message.LParam);
      if (!inner || !IsChild(Handle(), inner)) break;
      HDC dc = reinterpret_cast<HDC>(Message.WParam);
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      SetTextColor(dc, COLORREF(ColorToRGB(GetPainter()->ItemTextColor(false, IsFlatPainted()))));
      Message.Result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      if (WantsCtlColorPost() && std::find(FCtlColorPosted.begin(), FCtlColorPosted.end(), inner) ==
                                     FCtlColorPosted.end()) {
        FCtlColorPosted.push_back(inner);
        PostMessageW(inner, CXM_BUFFEREDREPAINT, 0, 0);
      }
      return;
    }
    case WM_SETCURSOR:
      if (LOWORD(Message.LParam) == HTCLIENT) {
        ::SetCursor(GetCursorHandle(Cursor()));
        Message.Result = 1;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      inherited::WndProc(Message);
      if (!IsDestroying()) WindowPosChanged(Message);
      return;
    case CXM_BARREBUILD:
      Rebuild();
      return;
    default:
      break;
  }
  inherited::WndProc(Message);
}
