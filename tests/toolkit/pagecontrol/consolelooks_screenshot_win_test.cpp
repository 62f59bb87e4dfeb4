// The console's buttons and main-window status bar in every look: for each,
// a row of flat glyph buttons that never take the focus (glyph above the
// caption, one of them down in its group), a focusable command button, a
// drop-down button, and the three text panels below. Shown, captured to
// "console_looks_plain.png" / "console_looks_themed.png" for a person to look
// at, and checked for what would make it unreadable.
#include "cxButtons_win.h"
#include "dxSkinBlack.h"
#include "dxSkinBlue.h"
#include "dxSkinFoggy.h"
#include "dxSkinLiquidSky.h"
#include "dxSkinSilver.h"
#include "dxSkinXmas2008Blue.h"
#include "dxSkinsCore_win.h"
#include "dxSkinsDefaultPainters_win.h"
#include "dxGDIPlusClasses_win.h"
#include "statusbar_test_support.h"

using namespace statusbar_test;

namespace {

class TLookUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit,
                     dxGDIPlusClassesUnit, cxGraphicsUnit, cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit,
                     cxLookAndFeelPaintersUnit, cxControlsUnit, dxSkinsCoreUnit, dxSkinsDefaultPaintersUnit,
                     dxSkinSilverUnit, dxSkinLiquidSkyUnit, dxSkinBlueUnit, dxSkinBlackUnit, dxSkinFoggyUnit,
                     dxSkinXmas2008BlueUnit, cxButtonsUnit, dxStatusBarUnit, dxSkinsdxStatusBarPainterUnit});
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TLookUnits);

struct TLook {
  const wchar_t* Name;
  TcxLookAndFeelKind Kind;
  bool Native;
  const wchar_t* Skin;
};

// A 32 x 32 picture of a wall of four screens on a stand, on the key colour.
TBitmap* NewWallGlyph(TColor AScreen) {
  auto* b = new TBitmap();
  b->SetPixelFormat(pf24bit);
  b->SetSize(32, 32);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(0x00FF00FF);
  c->FillRect(TRect{0, 0, 32, 32});
  c->Brush()->SetColor(0x00303030);
  c->FillRect(TRect{2, 3, 30, 25});
  c->FillRect(TRect{14, 25, 18, 29});
  c->FillRect(TRect{8, 29, 24, 31});
  c->Brush()->SetColor(AScreen);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 2; ++col) c->FillRect(TRect{4 + col * 13, 5 + row * 10, 15 + col * 13, 13 + row * 10});
  return b;
}

constexpr int kRow = 132, kFormWidth = 860;

TEST(ConsoleLooksScreenshot, ButtonsAndStatusBarInEveryLook) {
  const TLook looks[] = {{L"Standard", lfStandard, false, L""},   {L"Flat", lfFlat, false, L""},
                         {L"UltraFlat", lfUltraFlat, false, L""}, {L"Office11", lfOffice11, false, L""},
                         {L"Native", lfStandard, true, L""},      {L"Blue skin", lfStandard, false, L"Blue"}};
  const int count = int(std::size(looks));
  THostForm* form = MakeForm(kFormWidth, count * kRow + 40);
  form->SetCaption(L"Buttons and status bar");
  form->SetColor(clBtnFace);
  std::unique_ptr<TBitmap> glyphs[] = {std::unique_ptr<TBitmap>(NewWallGlyph(0x00D08030)),
                                       std::unique_ptr<TBitmap>(NewWallGlyph(0x0030A040)),
                                       std::unique_ptr<TBitmap>(NewWallGlyph(0x002040D0))};
  const wchar_t* const captions[] = {L"拼接", L"单屏", L"开机"};
  std::vector<TdxStatusBar*> bars;
  std::vector<TcxButton*> commands;
  for (int i = 0; i < count; ++i) {
    auto* row = new TPanel(form);
    row->SetParent(form);
    row->SetBevelOuter(bvNone);
    row->SetBounds(0, i * kRow, kFormWidth - 16, kRow - 4);
    auto setLook = [&](TcxLookAndFeel* lf) {
      lf->SetKind(looks[i].Kind);
      lf->SetNativeStyle(looks[i].Native);
      lf->SetSkinName(looks[i].Skin);
    };
    for (int b = 0; b < 3; ++b) {
      auto* button = new TcxButton(form);
      button->SetParent(row);
      button->SetBounds(8 + b * 84, 6, 80, 74);
      button->SetCaption(captions[b]);
      button->SetGlyph(glyphs[b].get());
      button->SetLayout(blGlyphTop);
      button->SpeedButtonOptions()->SetFlat(true);
      button->SpeedButtonOptions()->SetCanBeFocused(false);
      button->SpeedButtonOptions()->SetGroupIndex(1);
      setLook(button->LookAndFeel());
      if (b == 1) button->SetDown(true);
    }
    auto* ok = new TcxButton(form);
    ok->SetParent(row);
    ok->SetBounds(270, 10, 90, 26);
    ok->SetCaption(L"确定");
    ok->SetDefault(true);
    setLook(ok->LookAndFeel());
    commands.push_back(ok);
    auto* off = new TcxButton(form);
    off->SetParent(row);
    off->SetBounds(270, 44, 90, 26);
    off->SetCaption(L"关闭");
    off->SetEnabled(false);
    setLook(off->LookAndFeel());
    auto* drop = new TcxButton(form);
    drop->SetParent(row);
    drop->SetBounds(370, 10, 110, 26);
    drop->SetCaption(L"VIDEO");
    drop->SetKind(cxbkDropDownButton);
    setLook(drop->LookAndFeel());
    auto* label = new TLabel(form);
    label->SetParent(row);
    label->SetBounds(500, 16, 200, 16);
    label->SetCaption(looks[i].Name);
    TCountingStatusBar* bar = MakeConsoleBar(row);
    setLook(bar->LookAndFeel());
    bar->Panels()->Items(0)->SetText(L"串口已打开 COM5");
    bar->Panels()->Items(1)->SetText(L"管理员");
    bar->Panels()->Items(2)->SetText(L"2026-12-11 08:00:00 星期五");
    bars.push_back(bar);
  }
  form->Show();
  SetForegroundWindow(form->Handle());
  for (int i = 0; i < 5; ++i) Pump();
  const vamire_test::Capture cap = vamire_test::CaptureClient(form->Handle());
  const std::wstring prefix = vamire_test::InThemedPrefix() ? L"themed" : L"plain";
  EXPECT_TRUE(cap.SavePng(L"console_looks_" + prefix + L".png"));

  // The skinned row draws from the skin's elements.
  EXPECT_EQ(bars.back()->Painter(), TdxStatusBarSkinPainter::Instance());
  for (int i = 0; i < count; ++i) {
    SCOPED_TRACE(UTF8Encode(looks[i].Name));
    TdxStatusBar* bar = bars[std::size_t(i)];
    const TPoint at = bar->ClientToScreen(TPoint{0, 0});
    POINT origin{0, 0};
    ClientToScreen(form->Handle(), &origin);
    const int top = at.Y - origin.y, left = at.X - origin.x;
    ASSERT_EQ(bar->ViewInfo()->Panels().size(), 3u);
    // Each panel shows its text: dark pixels inside its bounds.
    for (int p = 0; p < 3; ++p) {
      const TRect r = bar->ViewInfo()->Panels()[std::size_t(p)].Bounds;
      int dark = 0;
      for (int y = top + r.Top; y < top + r.Bottom; ++y)
        for (int x = left + r.Left + 3; x < left + r.Right - 3; ++x) {
          const std::uint32_t c = cap.At(x, y);
          if (((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF) < 3 * 96) ++dark;
        }
      EXPECT_GT(dark, 20) << "panel " << p;
    }
    // The command button's caption is drawn.
    TcxButton* ok = commands[std::size_t(i)];
    const TPoint b = ok->ClientToScreen(TPoint{0, 0});
    int ink = 0;
    for (int y = 6; y < ok->Height() - 6; ++y)
      for (int x = 20; x < ok->Width() - 20; ++x) {
        const std::uint32_t c = cap.At(b.X - origin.x + x, b.Y - origin.y + y);
        if (((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF) < 3 * 96) ++ink;
      }
    EXPECT_GT(ink, 15);
  }
  delete form;
}

}  // namespace
