// What the tab-control tests share: the units in the program's order with the
// page-control ones, test painters with fixed metrics (every tab 50 wide and 20
// high, navigator buttons 16 wide at the right end of a strip on top), a
// control that counts its layouts and invalidations, and a host form.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "Forms.h"
#include "Menus.h"
#include "../controls/controls_test_support.h"
#include "cxPCGoDialog.h"
#include "cxPCPainters.h"
#include "cxPCPaintersFactory.h"
#include "cxPC_win.h"
#include "support/WindowCapture.h"

namespace pc_test {

using controls_test::MakeForm;
using controls_test::Pump;
using controls_test::ShowQuietly;
using controls_test::THostForm;

constexpr int kTabWidth = 50, kTabHeight = 20, kButtonWidth = 16;

// A plain style: rectangles and captions, metrics fixed so layouts can be predicted.
class TTestPCPainter : public TcxPCCustomPainter {
  VAMIRE_PC_PAINTER(TTestPCPainter, TcxPCCustomPainter)
 public:
  using TcxPCCustomPainter::TcxPCCustomPainter;
  static TcxPCStyleID GetStyleID() { return 101; }
  static String GetStyleName() { return L"Test"; }
  static bool CanRotateTabs() { return false; }

  int CalculateTabNormalWidth(TcxTab* ATab) override {
    return ATab->Caption().rfind(L"Long", 0) == 0 ? 3 * kTabWidth : kTabWidth;
  }
  int CalculateTabNormalHeight() override { return kTabHeight; }
  int GetMinTabWidth(int) override { return 20; }
  void GetTabImageOffsets(int, int AOffsets[4]) override { std::fill(AOffsets, AOffsets + 4, 0); }
  void GetImageOnlyTabOffsets(int, int AOffsets[2]) override { std::fill(AOffsets, AOffsets + 2, 0); }
  void GetTabTextOffsets(int, int AOffsets[4]) override { std::fill(AOffsets, AOffsets + 4, 0); }
  int GetImageTextDistance(int) override { return 2; }
  TColor GetTabColor(int) override { return clBtnFace; }
  void GetTextMargins(int, int AMargins[2]) override { AMargins[0] = AMargins[1] = 2; }
  void GetTruncatedTextMargins(int, int AMargins[2]) override { AMargins[0] = AMargins[1] = 2; }
  void SetTabImageAndTextRects(int AVisibleIndex, const TRect& AImage, const TRect& AText) override {
    TabContent() = TcxPCTabContent{AImage, AText, AVisibleIndex};
  }
  int GetTabDrawState(int AVisibleIndex) override { return AVisibleIndex == TabControl()->SelectedVisibleTab(); }
  void GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) override {
    const int w = TabControl()->Width(), h = TabControl()->Height();
    const int buttons = CountNavigatorButtons(AButtons) * kButtonWidth;
    AInfo.TabsAreaRect = TRect{0, 0, w - buttons, h};
    AInfo.RowLength = w - buttons;
    AInfo.RowsBounds = TRect{0, 0, w - buttons, h};
  }
  // Shown buttons left to right in declaration order at the right end of the first row.
  TRect ButtonRect(TcxPCNavigatorButton AButton) {
    const TcxPCNavigatorButtons shown = TabControl()->NavigatorButtons();
    int x = TabControl()->Width() - CountNavigatorButtons(shown) * kButtonWidth;
    for (int b = nbTopLeft; b < AButton; ++b)
      if (shown.Contains(TcxPCNavigatorButton(b))) x += kButtonWidth;
    return shown.Contains(AButton) ? TRect{x, 0, x + kButtonWidth, kTabHeight} : TRect{};
  }
  bool GetNavigatorButtonAt(int X, int Y, TcxPCNavigatorButton& AButton) override {
    if (TabControl()->HideTabs()) return false;
    for (int b = nbTopLeft; b <= nbClose; ++b)
      if (XYInRect(ButtonRect(TcxPCNavigatorButton(b)), X, Y)) {
        AButton = TcxPCNavigatorButton(b);
        return true;
      }
    return false;
  }
  TRect GetGoDialogButtonRect() override { return ButtonRect(nbGoDialog); }
  void DrawNavigatorButtons() override {
    for (int b = nbTopLeft; b <= nbClose; ++b) {
      const TRect r = ButtonRect(TcxPCNavigatorButton(b));
      if (RectHasNoArea(r)) continue;
      const TcxPCNavigatorButtonState state = TabControl()->NavigatorButtonState(TcxPCNavigatorButton(b));
      TabControl()->Canvas()->FillRect(r, state == nbsDisabled ? clBtnShadow : clBtnFace);
      TabControl()->Canvas()->FrameRectBorders(r, clBtnText);
    }
  }
  void DrawFrame() override { TabControl()->Canvas()->FrameRectBorders(CalculateTabsAreaInnerRect(), clBtnText); }
  void DrawTabs() override {
    int first, last;
    TabControl()->Layout().GetTabsInViewRange(first, last);
    for (int i = first; i <= last && i >= 0; ++i) {
      TcxTab* tab = TabControl()->Tabs()->VisibleTab(i);
      const TRect r = tab->VisibleRect();
      if (RectHasNoArea(r)) continue;
      TcxCanvas* canvas = TabControl()->Canvas();
      canvas->FillRect(r, i == TabControl()->SelectedVisibleTab() ? clWindow : clBtnFace);
      canvas->FrameRectBorders(r, clBtnShadow);
      PrepareTabFont(tab, canvas);
      canvas->Canvas()->Brush()->SetStyle(bsClear);
      DrawTabText(canvas, tab->Caption(), i, r);
    }
  }
  void RepaintTab(int AVisibleIndex, TcxPCTabChangeReason) override { InvalidateTab(AVisibleIndex); }
};

// The same metrics in a button style: tabs are selected on release, rows keep their place.
class TTestPCButtonsPainter : public TTestPCPainter {
  VAMIRE_PC_PAINTER(TTestPCButtonsPainter, TTestPCPainter)
 public:
  using TTestPCPainter::TTestPCPainter;
  static TcxPCStyleID GetStyleID() { return 102; }
  static String GetStyleName() { return L"TestButtons"; }
  static int GetStyleKind() { return 1; }
  static bool KeepsSelectedRowAdjacent() { return false; }
  static bool SelectsTabOnMouseUp() { return true; }
};

class TCountingTabControl : public TcxCustomTabControl {
  VAMIRE_CLASS(TCountingTabControl, TcxCustomTabControl)
 public:
  using TcxCustomTabControl::TcxCustomTabControl;
  int Relayouts = 0, Invalidates = 0, Changings = 0, Changes = 0;
  bool Veto = false;
  std::vector<int> ChangingSeen;  // TabIndex at each OnChanging
  void Relayout() override {
    ++Relayouts;
    inherited::Relayout();
  }
  void Invalidate() override {
    ++Invalidates;
    inherited::Invalidate();
  }
  void ResetCounts() { Relayouts = Invalidates = Changings = Changes = 0; }
  void CountEvents() {
    OnChanging = TcxTabChangingEvent(this, &TCountingTabControl::Changing);
    OnChange = TNotifyEvent(this, &TCountingTabControl::Changed);
  }

 private:
  void Changing(TObject*, bool& AllowChange) {
    ++Changings;
    ChangingSeen.push_back(TabIndex());
    if (Veto) AllowChange = false;
  }
  void Changed(TObject*) { ++Changes; }
};

class TPageControlUnits : public controls_test::TControlsUnits {
 public:
  void SetUp() override {
    controls_test::TControlsUnits::SetUp();
    InitializeUnits({cxPCPaintersFactoryUnit, cxPCUnit});
    RegisterPainterClass(TTestPCPainter::PainterStaticClass());
    RegisterPainterClass(TTestPCButtonsPainter::PainterStaticClass());
  }
};

// The units with the real page-control styles instead of the test painters.
class TPaintersUnits : public controls_test::TControlsUnits {
 public:
  void SetUp() override {
    controls_test::TControlsUnits::SetUp();
    InitializeUnits({cxPCPaintersFactoryUnit, cxPCUnit, cxPCPaintersUnit});
  }
};

// A page control of the real styles on a shown form, classic look; a test
// may make it of a class of its own.
class TRealStylesTest : public testing::Test {
 protected:
  explicit TRealStylesTest(TSize AControlSize) : FControlSize(AControlSize) {}
  virtual TcxPageControl* NewControl(TComponent* AOwner) { return new TcxPageControl(AOwner); }
  void SetUp() override {
    form = MakeForm(520, 260);
    ShowQuietly(form);
    control = NewControl(form);
    control->SetBounds(10, 10, FControlSize.cx, FControlSize.cy);
    control->SetParent(form);
    control->LookAndFeel()->SetNativeStyle(false);
  }
  void TearDown() override { delete form; }
  TcxTabSheet* AddPage(const wchar_t* ACaption) {
    auto* page = new TcxTabSheet(form);
    page->SetCaption(ACaption);
    page->SetPageControl(control);
    return page;
  }
  vamire_test::Capture Shot() {
    control->Repaint();
    Pump();
    return vamire_test::CaptureClient(control->Handle());
  }
  THostForm* form = nullptr;
  TcxPageControl* control = nullptr;

 private:
  TSize FControlSize;
};

// A tab control on a shown form with the given tabs, laid out.
inline TCountingTabControl* MakeTabControl(THostForm* AForm, std::initializer_list<const wchar_t*> ACaptions,
                                           int AWidth = 300, int AHeight = 150) {
  auto* control = new TCountingTabControl(AForm);
  control->SetBounds(10, 10, AWidth, AHeight);
  control->SetParent(AForm);
  control->SetStyle(TTestPCPainter::GetStyleID());
  control->Tabs()->BeginUpdate();
  for (const wchar_t* caption : ACaptions) control->Tabs()->Add(caption);
  control->Tabs()->EndUpdate();
  return control;
}

}  // namespace pc_test
