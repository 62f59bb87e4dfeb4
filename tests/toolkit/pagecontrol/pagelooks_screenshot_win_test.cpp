// The console's page controls as it shows them: no Style set, tabs on top,
// several pages with English or Chinese captions, one tab hidden. With visual
// styles the native Tabs style draws them, without them UltraFlat (D-45: the
// test runs in both prefixes). The other band and flat styles stand below for
// comparison. Captured to "page_looks_plain.png" / "page_looks_themed.png"
// for a person to look at, and checked for what would make it unreadable.
#include "StdCtrls.h"
#include "cxPCPainters.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"
#include "tabcontrol_test_support.h"

using namespace pc_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPaintersUnits);

struct TLook {
  const wchar_t* Name;
  TcxPCStyleID Style;
};

constexpr int kWidth = 430, kHeight = 150, kGap = 8;

const wchar_t* const kEnglish[] = {L"COLOR ADJUST", L"GAMMA ADJUST", L"SIGNAL", L"EDGE BLEND", L"TabSheet4"};
const wchar_t* const kChinese[] = {L"色彩调整", L"伽马调整", L"信号源", L"边缘融合", L"TabSheet4"};

TcxPageControl* MakeConsolePageControl(TWinControl* AParent, const wchar_t* const* ACaptions, TcxPCStyleID AStyle) {
  auto* control = new TcxPageControl(AParent);
  control->SetParent(AParent);
  control->SetStyle(AStyle);
  for (int i = 0; i < 5; ++i) {
    auto* page = new TcxTabSheet(AParent);
    page->SetCaption(ACaptions[i]);
    page->SetPageControl(control);
    auto* label = new TLabel(AParent);
    label->SetParent(page);
    label->SetBounds(12, 12, 300, 16);
    label->SetCaption(String(L"Page: ") + ACaptions[i]);
  }
  control->Pages(4)->SetTabVisible(false);
  control->SetActivePage(control->Pages(1));
  return control;
}

TEST(PageLooksScreenshot, TheConsolesPageControlsInEachLook) {
  const bool themed = vamire_test::InThemedPrefix();
  const TLook looks[] = {{L"console (no Style)", 0}, {L"UltraFlat", 6}, {L"ExtraFlat", 5},
                         {L"Flat", 7},               {L"Office11", 8}};
  const int rows = int(std::size(looks));
  THostForm* form = MakeForm(2 * kWidth + 3 * kGap, rows * (kHeight + 22) + kGap);
  form->SetCaption(L"Page controls");
  form->SetColor(clBtnFace);
  std::vector<TcxPageControl*> controls;
  for (int r = 0; r < rows; ++r) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(kGap, r * (kHeight + 22) + 4, 300, 16);
    label->SetCaption(looks[r].Name);
    for (int c = 0; c < 2; ++c) {
      TcxPageControl* control = MakeConsolePageControl(form, c == 0 ? kEnglish : kChinese, looks[r].Style);
      control->SetBounds(kGap + c * (kWidth + kGap), r * (kHeight + 22) + 20, kWidth, kHeight);
      controls.push_back(control);
    }
  }
  form->Show();
  SetForegroundWindow(form->Handle());
  for (int i = 0; i < 5; ++i) Pump();
  const vamire_test::Capture cap = vamire_test::CaptureClient(form->Handle());
  EXPECT_TRUE(cap.SavePng(themed ? L"page_looks_themed.png" : L"page_looks_plain.png"));

  // The console's controls: native tabs with visual styles, UltraFlat without.
  for (int c = 0; c < 2; ++c) {
    TcxPCCustomPainter* painter = controls[std::size_t(c)]->Painter();
    if (themed) {
      EXPECT_EQ(painter->PainterClass(), TcxPCTabsPainter::PainterStaticClass());
      EXPECT_TRUE(painter->IsNativePainting());
    } else {
      EXPECT_EQ(painter->PainterClass(), TcxPCUltraFlatPainter::PainterStaticClass())
          << UTF8Encode(painter->PainterClass()->GetStyleName()) << " for the painter style "
          << int(controls[std::size_t(c)]->LookAndFeel()->Painter()->GetPainterStyle());
    }
  }
  // Every visible tab shows its caption: dark pixels inside it.
  POINT origin{0, 0};
  ClientToScreen(form->Handle(), &origin);
  for (TcxPageControl* control : controls) {
    SCOPED_TRACE(UTF8Encode(control->Painter()->PainterClass()->GetStyleName()));
    ASSERT_EQ(control->VisibleTabs().Count(), 4);
    const TPoint at = control->ClientToScreen(TPoint{0, 0});
    for (int i = 0; i < 4; ++i) {
      const TRect r = control->Tabs()->VisibleTab(i)->VisibleRect();
      ASSERT_FALSE(RectHasNoArea(r)) << "tab " << i << " fits";
      int ink = 0;
      for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
        for (int x = r.Left + 4; x < r.Right - 4; ++x) {
          const std::uint32_t p = cap.At(at.X - origin.x + x, at.Y - origin.y + y);
          if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 100) ++ink;
        }
      EXPECT_GT(ink, 15) << "tab " << i;
    }
    // The active page fills the display area and shows its label.
    EXPECT_EQ(control->ActivePage()->BoundsRect(), control->GetDisplayRect());
  }
  // With visual styles the page shows the theme's pane all over, as the
  // system draws it for the same rectangle: no band of it is left unpainted.
  if (themed) {
    TcxPageControl* control = controls[0];
    TcxTabSheet* page = control->ActivePage();
    const int w = control->Width(), h = control->Height();
    const TRect frame = InflateRectXY(control->Painter()->CalculateTabsAreaInnerRect(), 2, 2);
    const RECT box{frame.Left, frame.Top, frame.Right, frame.Bottom};
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = vamire_test::CreateTopDownDib(dc, w, h, &bits);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawThemeBackground(AcquireThemeHandle(totTab), dc, 9, 0, &box, nullptr);
    GdiFlush();
    const TPoint at = control->ClientToScreen(TPoint{0, 0});
    const int left = page->Left() + 3, top = page->Top() + 3;
    const int right = page->Left() + page->Width() - 3, bottom = page->Top() + page->Height() - 3;
    for (const TPoint p : {TPoint{left, top}, TPoint{left, bottom}, TPoint{right, bottom}}) {
      const uint32_t expected = static_cast<const uint32_t*>(bits)[p.Y * w + p.X] & 0xFFFFFF;
      EXPECT_EQ(cap.At(at.X - origin.x + p.X, at.Y - origin.y + p.Y), expected) << p.X << ", " << p.Y;
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  delete form;
}

}  // namespace
