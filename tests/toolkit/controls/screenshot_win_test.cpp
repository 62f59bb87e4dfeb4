// A form with one scrolled toolkit control in each look (standard, flat,
// ultra-flat, Office11 and native), each with both of its own scroll bars and
// the size grip, and a bordered one. Shown, captured to
// "controls_scrollbars_plain.png" and "controls_scrollbars_themed.png" for a
// person to look at, and checked part by part. Runs in both prefixes.
#include <set>

#include "scrollbar_test_support.h"

using namespace controls_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TControlsUnits);

// Content of ruled cells, scrolled part of the way.
class TRuledControl : public TScrollingControl {
  VAMIRE_CLASS(TRuledControl, TScrollingControl)
 public:
  using TScrollingControl::TScrollingControl;

 protected:
  void ComputeScrollBarParams() override {
    const TRect client = GetClientBounds();
    SetScrollBarInfo(sbHorizontal, 0, ContentWidth - 1, 8, client.Right - client.Left, 120, true, true);
    SetScrollBarInfo(sbVertical, 0, ContentHeight - 1, 8, client.Bottom - client.Top, 260, true, true);
  }
  void Paint() override {
    TScrollingControl::Paint();
    const TRect client = GetClientBounds();
    for (int x = client.Left + 19; x < client.Right; x += 20)
      Canvas()->FillRect(TRect{x, client.Top, x + 1, client.Bottom}, clBtnFace);
    for (int y = client.Top + 19; y < client.Bottom; y += 20)
      Canvas()->FillRect(TRect{client.Left, y, client.Right, y + 1}, clBtnFace);
  }
};

struct TLook {
  const wchar_t* Name;
  TcxLookAndFeelKind Kind;
  bool Native;
  TcxControlBorderStyle Border;
};

TEST(ControlScreenshotTest, ScrollBarsAndSizeGripsInEveryLook) {
  const TLook looks[] = {{L"standard", lfStandard, false, cxcbsNone},  {L"flat", lfFlat, false, cxcbsNone},
                         {L"ultraflat", lfUltraFlat, false, cxcbsNone}, {L"office11", lfOffice11, false, cxcbsNone},
                         {L"native", lfStandard, true, cxcbsNone},     {L"standard, bordered", lfStandard, false, cxcbsDefault}};
  THostForm* form = MakeForm(3 * 200 + 40, 2 * 150 + 60);
  form->SetCaption(L"Scroll bars");
  form->SetColor(clBtnFace);
  std::vector<TRuledControl*> controls;
  for (int i = 0; i < 6; ++i) {
    auto* c = new TRuledControl(form);
    c->SetBounds(10 + (i % 3) * 200, 10 + (i / 3) * 150, 190, 140);
    c->SetParent(form);
    c->LookAndFeel()->SetKind(looks[i].Kind);
    c->LookAndFeel()->SetNativeStyle(looks[i].Native);
    c->SetBorderStyle(looks[i].Border);
    c->ContentWidth = 600;
    c->ContentHeight = 900;
    c->UpdateScrollBars();
    controls.push_back(c);
  }
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump();
  const vamire_test::Capture cap = vamire_test::CaptureClient(form->Handle());
  const std::wstring prefix = vamire_test::InThemedPrefix() ? L"themed" : L"plain";
  EXPECT_TRUE(cap.SavePng(L"controls_scrollbars_" + prefix + L".png"));

  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(UTF8Encode(looks[i].Name));
    TRuledControl* c = controls[i];
    ASSERT_TRUE(c->IsHScrollBarVisible() && c->IsVScrollBarVisible() && c->SizeGrip()->Visible());
    const TPoint at = c->BoundsRect().TopLeft();
    // The grip: the painter's corner colour all over.
    const TRect grip = OffsetRectByPoint(c->SizeGrip()->BoundsRect(), at);
    const std::uint32_t corner = graphics_test::Rgb(c->LookAndFeel()->Painter()->GetScrollBarsCornerColor());
    EXPECT_EQ(cap.At(grip.Left, grip.Top), corner);
    EXPECT_EQ(cap.At(grip.Right - 1, grip.Bottom - 1), corner);
    // The content: the window colour between the rules.
    const TRect client = OffsetRectByPoint(c->GetClientBounds(), at);
    EXPECT_EQ(cap.At(client.Left + 5, client.Top + 5), graphics_test::Rgb(clWindow));
    // Each bar shows more than one colour: arrows, thumb and track are drawn.
    for (TcxControlScrollBar* bar : {c->HScrollBar(), c->VScrollBar()}) {
      const TRect r = OffsetRectByPoint(bar->BoundsRect(), at);
      std::set<std::uint32_t> colours;
      for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) colours.insert(cap.At(x, y));
      EXPECT_GE(colours.size(), 2u);
      // The thumb stands where the position says: the first page area ends before the middle.
      EXPECT_FALSE(RectHasNoArea(bar->ViewInfo()->Rects().Thumb));
    }
  }
  // The bordered one keeps its bars inside the border.
  EXPECT_EQ(controls[5]->VScrollBar()->Left() + controls[5]->VScrollBar()->Width(), 190 - 2);
  delete form;
}

}  // namespace
