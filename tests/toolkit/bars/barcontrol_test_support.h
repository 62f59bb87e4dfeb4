// A bar control and item kinds for the tests of the bar control and item
// control bases: the real toolbars, menus and kinds build on the same bases.
#pragma once

#include <algorithm>
#include <functional>

#include "bars_test_support.h"
#include "dxBarControl_win.h"

namespace bars_test {

// Lists each shown link's view info, and a separator before each group start
// (in the row on a horizontal bar, across the bar on a vertical one).
class TTestBarControlViewInfo : public TCustomdxBarControlViewInfo {
  VAMIRE_CLASS(TTestBarControlViewInfo, TCustomdxBarControlViewInfo)
 public:
  using TCustomdxBarControlViewInfo::TCustomdxBarControlViewInfo;
  void RebuildList() override;
};

// A bar control whose kind, direction and partial-item rule a test sets. Its
// horizontal layout puts the links in one row; vertical ones in one column.
class TTestBarControl : public TCustomdxBarControl {
  VAMIRE_CLASS(TTestBarControl, TCustomdxBarControl)
 public:
  using TCustomdxBarControl::TCustomdxBarControl;
  int Kind = 0;
  bool Vertical = false, Partial = false, Rotated = false, ThrowInNonClient = false, PostCtlColor = false;
  // A pop-up window owned by Owner's window instead of a child.
  HWND PopupOwner = nullptr;
  int ForcedTextSize = 0;
  int Repaints = 0, Rebuilds = 0;
  static constexpr int SeparatorSize = 6;

  int GetKind() override { return Kind; }
  TClass GetViewInfoClass() override { return TTestBarControlViewInfo::StaticClass(); }
  int GetBeginGroupSize() override { return SeparatorSize; }
  bool IsMainMenu() override { return false; }
  bool IsStatusBar() override { return false; }
  bool IsVertical() override { return Vertical; }
  bool IsRotated() override { return Rotated; }
  bool IsPopupKind() override { return Kind == 2; }
  bool AllowsPartialLastItem(const TRect&) override { return Partial; }
  bool WantsCtlColorPost() override { return PostCtlColor; }
  int GetTextSize() override { return ForcedTextSize ? ForcedTextSize : TCustomdxBarControl::GetTextSize(); }
  void RepaintItemControl(TdxBarItemControl* AControl) override {
    ++Repaints;
    if (!HandleAllocated()) return;
    const TRect r = AControl->ItemRect();
    RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    InvalidateRect(Handle(), &rect, FALSE);
  }
  void SetMarkState(int AState) override { FMarkState = AState; }
  void UpdateFont() override {}
  void Hide() override { SetVisible(false); }
  void DestroyWindowNow() { DestroyHandle(); }
  void DrawNonClientWithPainter(HDC DC, const TRect& R, int, TColor, HBRUSH Brush) override {
    RECT r{R.Left, R.Top, R.Right, R.Bottom};
    FillRect(DC, &r, Brush ? Brush : GetToolbarBrush());
  }
  void PaintNonClient(HDC DC) override {
    if (ThrowInNonClient) throw Exception(L"non-client painting failed");
    RECT w{};
    GetWindowRect(Handle(), &w);
    RECT r{0, 0, w.right - w.left, w.bottom - w.top};
    FrameRect(DC, &r, GetSysColorBrush(COLOR_BTNSHADOW));
  }
  HRGN CreateItemRegion(TdxBarItemControl* AControl) override {
    HRGN region = TCustomdxBarControl::CreateItemRegion(AControl);
    int index = -1;
    if (ViewInfo()->FindSeparatorOf(AControl, index)) {
      TRect r;
      bool inRow = false;
      ViewInfo()->GetSeparatorInfo(index, r, inRow);
      HRGN separator = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
      CombineRgn(region, region, separator, RGN_OR);
      DeleteObject(separator);
    }
    return region;
  }
  void CalcLinksLayout() override {
    const TRect area = VisibleItemsRect();
    int x = area.Left;
    for (int i = 0; ItemLinks() && i < ItemLinks()->GetShownLinkCount(); ++i) {
      TdxBarItemLink* link = ItemLinks()->GetShownLink(i);
      if (!link->Control()) continue;
      x += GetBeginGroupOffset(link);
      TRect r{x, area.Top, x + link->Control()->FinalWidth(), area.Bottom};
      if (r.Right > area.Right) {
        if (AllowsPartialLastItem(r)) {
          r.Right = area.Right;
          link->SetItemRect(r);
        }
        return;
      }
      link->SetItemRect(r);
      x = r.Right;
    }
  }
  // Lays the links out and lists them.
  void Layout() {
    CalcLayout();
    CalcItemRects(Vertical ? 1 : 0, 0);
    for (int i = 0; ItemLinks() && i < ItemLinks()->Count(); ++i)
      if (TdxBarItemControl* control = ItemLinks()->Links(i)->Control()) control->CalcParts();
    CalcViewInfo();
  }
  void AfterRebuild(bool ItemsChanged) override {
    ++Rebuilds;
    TCustomdxBarControl::AfterRebuild(ItemsChanged);
    Layout();
    Invalidate();
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomdxBarControl::CreateParams(Params);
    if (!PopupOwner) return;
    Params.Style = WS_POPUP;
    Params.WndParent = PopupOwner;
  }
  void Paint() override {
    TcxCanvas* canvas = GetCanvas();
    RECT r{0, 0, ClientWidth(), ClientHeight()};
    FillRect(canvas->Handle(), &r, GetToolbarBrush());
    PaintItemControls();
  }
};

inline void TTestBarControlViewInfo::RebuildList() {
  Clear();
  TCustomdxBarControl* bar = DescribedControl();
  TdxBarItemLinks* links = bar->ItemLinks();
  for (int i = 0; links && i < links->GetShownLinkCount(); ++i) {
    TdxBarItemLink* link = links->GetShownLink(i);
    TdxBarItemControl* control = link->Control();
    const TRect r = link->ItemRect();
    if (!control || r.Right <= r.Left || r.Bottom <= r.Top) continue;
    control->ViewInfo()->SetBounds(r);
    AddShownViewInfo(control->ViewInfo());
    if (bar->GetBeginGroupOffset(link) > 0) {
      const int s = TTestBarControl::SeparatorSize;
      if (bar->IsVertical()) AddSeparator(TRect{r.Left, r.Top - s, r.Right, r.Top}, false, control);
      else AddSeparator(TRect{r.Left - s, r.Top, r.Left, r.Bottom}, true, control);
    }
  }
}

// A plain command of the tests, shown by TTestItemControl.
class TTestButtonItem : public TdxBarItem {
  VAMIRE_CLASS(TTestButtonItem, TdxBarItem)
 public:
  using TdxBarItem::TdxBarItem;
  bool StyleBackground = false;
  bool UsesStyleBackground() override { return StyleBackground; }
};

// Draws its background (hot, selected or plain) and its caption.
class TTestItemControl : public TdxBarItemControl {
  VAMIRE_CLASS(TTestItemControl, TdxBarItemControl)
 public:
  using TdxBarItemControl::TdxBarItemControl;
  int GetClassicContentParts() override { return dxBarCaptionPart | (HasImage(0) ? dxBarGlyphPart : 0); }
  // Runs first in every drawing, when set.
  static inline std::function<void(TdxBarItemControl*)> OnDrawContent;
  void DrawContent(const TRect& R, int) override {
    if (OnDrawContent) OnDrawContent(this);
    TdxBarItemControlDrawParams* p = DrawParams();
    HDC dc = p->Canvas->Handle();
    RECT r{R.Left, R.Top, R.Right, R.Bottom};
    HBRUSH brush = p->DrawSelected ? Parent()->GetToolbarSelectedBrush() : BackgroundBrush();
    FillRect(dc, &r, brush ? brush : Parent()->GetToolbarBrush());
    p->Canvas->Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
    TRect text = R;
    if (p->ContentParts & dxBarGlyphPart) {
      GetPainter()->DrawItemGlyph(p, dc, R);
      text.Left += p->ButtonSize.cx;
    } else {
      text.Left += GetTextIndent();
    }
    GetPainter()->DrawItemCaption(p, dc, DT_SINGLELINE, text, 0);
  }
};

// Two parts, the left and the right third, with a gap between them.
class TGapItem : public TTestButtonItem {
  VAMIRE_CLASS(TGapItem, TTestButtonItem)
 public:
  using TTestButtonItem::TTestButtonItem;
};
class TGapItemControl : public TTestItemControl {
  VAMIRE_CLASS(TGapItemControl, TTestItemControl)
 public:
  using TTestItemControl::TTestItemControl;
  int GetPartCount() override { return 2; }
  void CalcParts() override {
    TdxBarItemControl::CalcParts();
    const TRect r = ItemRect();
    const int third = (r.Right - r.Left) / 3;
    auto& parts = const_cast<std::vector<TRect>&>(Parts());
    parts[0].Right = r.Left + third;
    parts[1].Left = r.Right - third;
  }
};

// A kind with no view level at all.
class TLevellessItem : public TTestButtonItem {
  VAMIRE_CLASS(TLevellessItem, TTestButtonItem)
 public:
  using TTestButtonItem::TTestButtonItem;
};
class TLevellessItemControl : public TTestItemControl {
  VAMIRE_CLASS(TLevellessItemControl, TTestItemControl)
 public:
  using TTestItemControl::TTestItemControl;
  TdxBarItemViewLevels GetPossibleViewLevels() override { return TdxBarItemViewLevels{}; }
};

// A container that puts Count links to its Target items after its own link,
// replacing it when Replaces is set.
class TTestContainerItem : public TTestButtonItem, public IdxBarContainerExpansion {
  VAMIRE_CLASS(TTestContainerItem, TTestButtonItem)
 public:
  using TTestButtonItem::TTestButtonItem;
  std::vector<TdxBarItem*> Targets;
  bool Replaces = false;
  int Marked = 0;
  bool InsertExpandedLinks(TdxBarItemLinks* ALinks, int AIndex, TObjectList* AExpanded) override {
    for (size_t i = 0; i < Targets.size(); ++i) {
      TdxBarItemLink* link = ALinks->InsertLink(AIndex + 1 + int(i));
      link->SetItem(Targets[i]);
      AExpanded->Add(link);
    }
    return Replaces;
  }
  void MarkExpandedListForClearing() override { ++Marked; }
  void RemoveExpandedLinks(TdxBarItemLinks*, TObjectList* AExpanded) override { AExpanded->Clear(); }
};

inline void RegisterTestKinds() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterBarItem(TTestButtonItem::StaticClass(), TTestItemControl::StaticClass(), false);
  RegisterBarItem(TGapItem::StaticClass(), TGapItemControl::StaticClass(), false);
  RegisterBarItem(TLevellessItem::StaticClass(), TLevellessItemControl::StaticClass(), false);
  RegisterBarItem(TTestContainerItem::StaticClass(), TTestItemControl::StaticClass(), false);
}

}  // namespace bars_test
