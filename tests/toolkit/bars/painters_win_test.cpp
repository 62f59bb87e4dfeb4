// The painter operations of bars, menus and item kinds in the base, standard
// and enhanced looks: the metric tables, and the drawing checked pixel by
// pixel on memory surfaces, with system colours given by the test and what
// the system draws compared with the system's own call in the same process.
#include <functional>

#include "bars_test_support.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

const TdxBarPainter kBase(nullptr);
const TdxBarStandardPainter kStandard(nullptr);
const TdxBarEnhancedPainter kEnhanced(nullptr);

// --- Metrics -------------------------------------------------------------------------------

struct TMetricCase {
  const char* Name;
  std::function<int(const TdxBarPainter&)> Get;
  int Base, Standard, Enhanced;
};

TEST(BarPainters, MetricsPerLook) {
  const std::vector<TMetricCase> cases = {
      {"button width for 16", [](const TdxBarPainter& p) { return p.ButtonSize(16).cx; }, 23, 23, 23},
      {"button height for 16", [](const TdxBarPainter& p) { return p.ButtonSize(16).cy; }, 22, 22, 22},
      {"button width for 32", [](const TdxBarPainter& p) { return p.ButtonSize(32).cx; }, 39, 39, 39},
      {"grip room", [](const TdxBarPainter& p) { return p.GripSize(); }, 0, 9, 6},
      {"quick customizing", [](const TdxBarPainter& p) { return int(p.BarAllowsQuickCustomizing()); }, 1, 0, 1},
      {"caption indent", [](const TdxBarPainter& p) { return p.FloatingCaptionIndent(); }, 0, 4, 4},
      {"caption top space", [](const TdxBarPainter& p) { return p.FloatingCaptionTopSpace(); }, 0, 2, 2},
      {"caption bottom space", [](const TdxBarPainter& p) { return p.FloatingCaptionBottomSpace(); }, 0, 1, 1},
      {"caption buttons framed", [](const TdxBarPainter& p) { return int(p.CaptionButtonsHaveFrame()); }, 0, 1, 1},
      {"floating frame", [](const TdxBarPainter& p) { return int(p.FloatingBarHasFrame()); }, 0, 1, 1},
      {"begin-group indent", [](const TdxBarPainter& p) { return p.MenuBeginGroupIndent(); }, 0, 2, 12},
      {"sub-menu border", [](const TdxBarPainter& p) { return p.SubMenuBorderWidth(); }, 2, 3, 3},
      {"recent-group frames", [](const TdxBarPainter& p) { return int(p.SubMenuFramesRecentGroups()); }, 0, 1, 1},
      {"segmented progress", [](const TdxBarPainter& p) { return int(p.ProgressIsSegmented()); }, 0, 1, 1},
      {"small bar",
       [](const TdxBarPainter& p) {
         return int(p.BarIsSmall(TRect{0, 0, 11, 16}));
       },
       1, 0, 0},
      {"separate drop-down look", [](const TdxBarPainter& p) { return int(p.ItemHasSeparateDropDownLook()); }, 0, 1, 1},
      {"docked frame", [](const TdxBarPainter& p) { return p.DockedBarFrameWidths().Bottom; }, 1, 1, 1},
      {"status top space", [](const TdxBarPainter& p) { return p.StatusBarTopSpace(); }, 2, 2, 2},
      {"separator size", [](const TdxBarPainter& p) { return p.SeparatorSize(); }, 2, 2, 2},
      {"separator caption margin", [](const TdxBarPainter& p) { return p.SeparatorCaptionMargins().Left; }, 6, 6, 6},
      {"check size of 20", [](const TdxBarPainter& p) { return p.SubMenuCheckSize(20); }, 7, 7, 7},
      {"text indent",
       [](const TdxBarPainter& p) {
         TdxBarItemPaintInfo item;
         item.IconColumnWidth = 24;
         return p.SubMenuItemTextIndent(item);
       },
       27, 27, 27},
      {"small arrow width", [](const TdxBarPainter& p) { return p.SmallArrowSize().cx; }, 5, 5, 5},
      {"reference text size", [](const TdxBarPainter& p) { return p.MenuReferenceTextSize(); }, 19, 19, 19},
      {"footer line", [](const TdxBarPainter& p) { return p.ScreenTipFooterLineHeight(); }, 3, 3, 3},
  };
  for (const TMetricCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(c.Get(kBase), c.Base);
    EXPECT_EQ(c.Get(kStandard), c.Standard);
    EXPECT_EQ(c.Get(kEnhanced), c.Enhanced);
  }
}

TEST(BarPainters, CaptionSizesComeFromTheNonClientMetrics) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
  EXPECT_EQ(kBase.SmallCaptionHeight(), metrics.iSmCaptionHeight);
  EXPECT_EQ(kBase.FloatingCaptionHeight(), metrics.iSmCaptionHeight + 1);
  EXPECT_EQ(kBase.CaptionButtonSize(), (TSize{metrics.iSmCaptionHeight, metrics.iSmCaptionHeight}));
  EXPECT_EQ(kBase.SizeGripSize(), (TSize{GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYHSCROLL)}));
}

TEST(BarPainters, ComboAndSpinMetrics) {
  const std::vector<std::pair<int, int>> combo = {{12, 3}, {11, 3}, {16, 5}, {13, 3}, {8, 3}, {4, 1}};
  for (auto [width, size] : combo) EXPECT_EQ(dxBarComboArrowSize(width), size) << "combo button " << width;

  EXPECT_EQ(kBase.SpinArrowSize(22), (TSize{7, 4}));
  EXPECT_EQ(kBase.SpinButtonWidth(22), 7 + 2 * 4 + 4 - 2);
  const TRect item{0, 0, 80, 22};
  const int area = kBase.SpinButtonWidth(22) + 2;
  EXPECT_EQ(kBase.CalcSpinButtonRect(item, 0), (TRect{80 - area, 0, 80, 22}));
  EXPECT_EQ(kBase.CalcSpinButtonRect(item, 1), (TRect{80 - area, 0, 80, 11}));
  EXPECT_EQ(kBase.CalcSpinButtonRect(item, 2), (TRect{80 - area, 11, 80, 22}));
  EXPECT_EQ(kBase.CalcSpinButtonRect(TRect{0, 0, 2 * area, 22}, 0), TRect{}) << "half of the item or more";

  struct TSpinCase {
    bool Enabled;
    int Pressed, Hot, Up, Down;
  };
  // Buttons 1 (up) and 2 (down); 0 names none.
  const std::vector<TSpinCase> spins = {
      {true, 0, 0, 1, 1}, {true, 0, 1, 2, 1},  {true, 1, 1, 3, 1},
      {true, 2, 1, 2, 3}, {false, 1, 1, 4, 4}, {false, 0, 2, 4, 4},
  };
  for (const TSpinCase& c : spins) {
    SCOPED_TRACE(testing::Message() << "enabled " << c.Enabled << " pressed " << c.Pressed << " hot " << c.Hot);
    EXPECT_EQ(kBase.SpinButtonState(c.Enabled, 1, c.Pressed, c.Hot), c.Up);
    EXPECT_EQ(kBase.SpinButtonState(c.Enabled, 2, c.Pressed, c.Hot), c.Down);
  }
}

TEST(BarPainters, MarkRectangles) {
  TdxBarControlPaintInfo bar;
  bar.ClientRect = TRect{0, 0, 120, 26};
  bar.MarkSize = 11;
  const TRect caption{4, 3, 116, 19};
  struct TCase {
    TdxBarDockingStyle Style;
    TRect Expected;
  };
  for (const TCase& c : std::vector<TCase>{{dsTop, {109, 0, 120, 26}},
                                           {dsBottom, {109, 0, 120, 26}},
                                           {dsLeft, {0, 15, 120, 26}},
                                           {dsRight, {0, 15, 120, 26}}}) {
    bar.DockingStyle = c.Style;
    EXPECT_EQ(kBase.MarkRect(bar, caption), c.Expected) << int(c.Style);
    EXPECT_EQ(kStandard.MarkRect(bar, caption), c.Expected) << int(c.Style);
  }
  bar.DockingStyle = dsNone;
  EXPECT_EQ(kBase.MarkRect(bar, caption), (TRect{100, 3, 116, 19}));
  bar.ShowsCloseButton = true;
  bar.CloseButtonWidth = 16;
  EXPECT_EQ(kBase.MarkRect(bar, caption), (TRect{83, 3, 99, 19}));
  EXPECT_EQ(kBase.MarkPaintRect(bar, caption), kBase.MarkRect(bar, caption));
  EXPECT_EQ(kBase.MarkRect(bar, TRect{4, 3, 30, 19}), (TRect{4, 3, 20, 19})) << "never left of the caption";
  bar.CaptionButtonsRect = TRect{70, 3, 116, 19};
  EXPECT_EQ(kStandard.MarkRect(bar, caption), (TRect{70, 3, 83, 19}));
  EXPECT_EQ(kEnhanced.MarkRect(bar, caption), (TRect{70, 3, 83, 19}));
}

// --- System colours given by the test ------------------------------------------------------

struct TColorOverride {
  int Index;
  TColor Color;
};
std::vector<TColorOverride> GOverrides;

TColor OverridingReader(int Index) {
  for (const TColorOverride& o : GOverrides)
    if (o.Index == Index) return o.Color;
  return TColor(GetSysColor(Index));
}

// Puts the test's colours in force for a scope (D-46: the system's stay as they are).
class TSysColors {
 public:
  explicit TSysColors(std::vector<TColorOverride> Colors) {
    GOverrides = std::move(Colors);
    FPrevious = SetSysColorReader(&OverridingReader);
  }
  ~TSysColors() {
    SetSysColorReader(FPrevious);
    GOverrides.clear();
  }

 private:
  TSysColorReader FPrevious;
};

// 0xRRGGBB of a COLORREF, as TSurface::Pixel reads it.
uint32_t Rgb(COLORREF C) { return (GetRValue(C) << 16) | (GetGValue(C) << 8) | GetBValue(C); }

HBITMAP SolidBitmap(int W, int H, COLORREF Color) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, W, H);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(Color);
  RECT r{0, 0, W, H};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

TEST(BarPainters, BarBackgroundPrecedence) {
  TBitmap own, managerBar;
  own.SetHandle(SolidBitmap(8, 8, RGB(200, 0, 0)));
  managerBar.SetHandle(SolidBitmap(8, 8, RGB(0, 0, 200)));
  HBRUSH brush = CreateSolidBrush(RGB(200, 0, 200));
  struct TCase {
    const char* Name;
    bool Own, Status, ManagerBitmap;
    TColor Color;
    TdxBarDockingStyle Style;
    uint32_t Expected;
  };
  const std::vector<TCase> cases = {
      {"own bitmap first", true, true, false, TColor(0x00C800), dsTop, 0xC80000},
      {"status bar from the dock", false, true, false, TColor(0x00C800), dsBottom, 0x00C8C8},
      {"status bar with a bar bitmap takes its colour", false, true, true, TColor(0x00C800), dsBottom, 0x00C800},
      {"bar colour", false, false, false, TColor(0x00C800), dsTop, 0x00C800},
      {"docked: the dock's fill", false, false, false, clDefault, dsTop, 0x00C8C8},
      {"floating: the manager's bar bitmap", false, false, true, clDefault, dsNone, 0x0000C8},
      {"floating without one: the brush", false, false, false, clDefault, dsNone, 0xC800C8},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TSurface s(20, 20);
    TdxBarControlPaintInfo bar;
    bar.Bounds = bar.ClientRect = TRect{0, 0, 20, 20};
    bar.BackgroundBitmap = c.Own ? &own : nullptr;
    bar.ManagerBarBitmap = c.ManagerBitmap ? &managerBar : nullptr;
    bar.StatusBarLike = c.Status;
    bar.Color = c.Color;
    bar.DockingStyle = c.Style;
    bar.DockColor = TColor(0xC8C800);  // BGR: yellow-green reads 0x00C8C8
    kStandard.DrawBarBackground(s.DC(), bar, brush, clBtnFace, bar.Bounds, TRect{2, 2, 18, 18});
    EXPECT_EQ(s.Pixel(10, 10), c.Expected);
    EXPECT_EQ(s.Pixel(1, 1), 0xFFFFFFu) << "nothing outside the rectangle";
  }
  DeleteObject(brush);
}

TEST(BarPainters, HotAndDownButtonSitsOnTheDownSelectedBrush) {
  HBRUSH face = CreateSolidBrush(RGB(10, 20, 30)), selected = CreateSolidBrush(RGB(0, 0, 250)),
         down = CreateSolidBrush(RGB(0, 250, 0)), downSelected = CreateSolidBrush(RGB(250, 0, 0));
  struct TCase {
    bool Selected, Down;
    uint32_t Expected;
  };
  for (const TCase& c : std::vector<TCase>{
           {false, false, 0x0A141E}, {true, false, 0x0A141E}, {false, true, 0x00FA00}, {true, true, 0xFA0000}}) {
    SCOPED_TRACE(testing::Message() << "selected " << c.Selected << " down " << c.Down);
    TSurface s(40, 30);
    TdxBarItemPaintInfo item;
    item.ItemRect = TRect{2, 2, 25, 24};
    item.Selected = c.Selected;
    item.Down = c.Down;
    item.ShowsCaption = false;
    item.Brush = face;
    item.SelectedBrush = selected;
    item.DownBrush = down;
    item.DownSelectedBrush = downSelected;
    kStandard.DrawButtonLikeItem(s.DC(), item);
    EXPECT_EQ(s.Pixel(12, 12), c.Expected);
    if (c.Selected || c.Down) {
      // The edge the system draws round it: sunken for down, raised for hot.
      TSurface expected(40, 30);
      RECT r{2, 2, 25, 24};
      DrawEdge(expected.DC(), &r, c.Down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      EXPECT_EQ(s.Pixel(2, 2), expected.Pixel(2, 2));
      EXPECT_EQ(s.Pixel(24, 23), expected.Pixel(24, 23));
    }
  }
  for (HBRUSH b : {face, selected, down, downSelected}) DeleteObject(b);
}

TEST(BarPainters, CheckMarkBodyIsWhiteOnABlackButtonFace) {
  // Row 1 of the body runs through (x + 3, y + 5) for scale 1.
  for (const bool black : {false, true}) {
    TSysColors colors({{COLOR_BTNFACE, black ? TColor(0) : TColor(0xC0C0C0)}});
    TSurface s(20, 20, RGB(0, 0, 255));
    kStandard.DrawCheckMarkGlyph(s.DC(), TPoint{4, 6}, 1, clBtnText, true);
    EXPECT_EQ(s.Pixel(7, 11), black ? 0xFFFFFFu : 0x000000u);
    EXPECT_EQ(s.Pixel(7, 10), 0xC0C0C0u) << "the silver row above it";
    EXPECT_EQ(s.Pixel(7, 13), black ? 0x000000u : 0xFFFFFFu) << "the other colour below";
  }
  TSysColors colors({{COLOR_BTNSHADOW, TColor(0x00FF00)}, {COLOR_BTNHIGHLIGHT, TColor(0xFF0000)}});
  TSurface s(20, 20, RGB(0, 0, 0));
  kStandard.DrawCheckMarkGlyph(s.DC(), TPoint{4, 6}, 1, clBtnText, false);
  EXPECT_EQ(s.Pixel(7, 11), 0x00FF00u) << "disabled rows in the shadow colour, one lower";
  EXPECT_EQ(s.Pixel(5, 9), 0x00FF00u);
  TSurface none(20, 20, RGB(0, 0, 0));
  kBase.DrawCheckMarkGlyph(none.DC(), TPoint{4, 6}, 1, clBtnText, true);
  EXPECT_EQ(none.Pixel(7, 11), 0u) << "the base look has no check mark of its own";
}

TEST(BarPainters, GripBarsOfTheStandardAndEnhancedLooks) {
  TSysColors colors({{COLOR_BTNHIGHLIGHT, TColor(0x00FF00)}, {COLOR_BTNFACE, TColor(0x0000FF)}});
  TdxBarControlPaintInfo bar;
  bar.ShowsGrip = true;
  const TRect r{0, 0, 60, 26};
  const TRect in{3, 3, 57, 23};  // inside the raised edge, less two
  {
    TSurface s(60, 26, RGB(255, 255, 255));
    kStandard.DrawDockedBarBorder(s.DC(), bar, r);
    // Two bars of 3 from GripOffset 2: highlight pixels at their bottom-left
    // corners, face in their middles.
    EXPECT_EQ(s.Pixel(in.Left + 2, in.Bottom - 1), 0x00FF00u);
    EXPECT_EQ(s.Pixel(in.Left + 5, in.Bottom - 1), 0x00FF00u);
    EXPECT_EQ(s.Pixel(in.Left + 3, 12), 0xFF0000u);
    EXPECT_EQ(s.Pixel(in.Left + 6, 12), 0xFF0000u);
    EXPECT_EQ(s.Pixel(in.Left + 9, 12), 0xFFFFFFu) << "nothing beyond the two bars";
    // The grip is kept out of what is drawn next.
    RECT all{0, 0, 60, 26};
    FillRect(s.DC(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(s.Pixel(in.Left + 3, 12), 0xFF0000u);
    EXPECT_EQ(s.Pixel(30, 12), 0u);
  }
  {
    TSurface s(60, 26, RGB(255, 255, 255));
    kEnhanced.DrawDockedBarBorder(s.DC(), bar, r);
    // One bar from GripOffset 1, a pixel shorter at each end.
    EXPECT_EQ(s.Pixel(in.Left + 1, in.Bottom - 2), 0x00FF00u);
    EXPECT_EQ(s.Pixel(in.Left + 2, 12), 0xFF0000u);
    EXPECT_EQ(s.Pixel(in.Left + 2, in.Top), 0xFFFFFFu);
    EXPECT_EQ(s.Pixel(in.Left + 5, 12), 0xFFFFFFu) << "no second bar";
  }
  bar.Vertical = true;
  TSurface s(26, 60, RGB(255, 255, 255));
  kStandard.DrawDockedBarBorder(s.DC(), bar, TRect{0, 0, 26, 60});
  EXPECT_EQ(s.Pixel(23 - 1, 3 + 2), 0x00FF00u) << "top-right corner on vertical bars";
}

// The painter's drawing against the system's own in the same process.
void ExpectSameAs(const std::function<void(HDC)>& Ours, const std::function<void(HDC)>& Theirs, int W, int H) {
  TSurface a(W, H), b(W, H);
  Ours(a.DC());
  Theirs(b.DC());
  int differ = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) differ += a.Pixel(x, y) != b.Pixel(x, y);
  EXPECT_EQ(differ, 0);
}

TEST(BarPainters, FrameAndCaptionButtonsAreTheSystemsOwn) {
  TdxBarControlPaintInfo bar;
  bar.CaptionColor = TColor(0x804020);
  for (const bool pressed : {false, true}) {
    SCOPED_TRACE(pressed ? "pressed close" : "close");
    ExpectSameAs(
        [&](HDC DC) {
          kStandard.DrawFloatingCloseButton(DC, bar, pressed, TRect{2, 2, 20, 18});
        },
        [&](HDC DC) {
          HBRUSH b = CreateSolidBrush(0x804020);
          RECT r{2, 2, 20, 18};
          FrameRect(DC, &r, b);
          DeleteObject(b);
          InflateRect(&r, -1, -1);
          DrawFrameControl(DC, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE | (pressed ? DFCS_PUSHED : 0));
        },
        24, 20);
  }
  const UINT kinds[3] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
  const std::pair<int, UINT> states[3] = {{0, 0}, {1, DFCS_INACTIVE}, {4, DFCS_PUSHED}};
  for (int kind = 0; kind < 3; ++kind)
    for (auto [state, flag] : states) {
      SCOPED_TRACE(testing::Message() << "MDI kind " << kind << " state " << state);
      ExpectSameAs(
          [&](HDC DC) {
            kStandard.DrawMDIButton(DC, kind, state, false, TRect{1, 1, 17, 15});
          },
          [&](HDC DC) {
            RECT r{1, 1, 17, 15};
            DrawFrameControl(DC, &r, DFC_CAPTION, kinds[kind] | flag);
          },
          18, 16);
    }
  // The flat close button keeps only the system glyph inside its own edge.
  TSurface flat(18, 16);
  kStandard.DrawMDIButton(flat.DC(), 2, 0, true, TRect{1, 1, 17, 15});
  TSurface edge(18, 16);
  RECT r{1, 1, 17, 15};
  DrawEdge(edge.DC(), &r, BDR_RAISEDINNER, BF_RECT);
  for (int x = 1; x < 17; ++x) EXPECT_EQ(flat.Pixel(x, 1), edge.Pixel(x, 1)) << x;
  ExpectSameAs(
      [&](HDC DC) {
        kStandard.DrawPushButton(DC, TRect{0, 0, 40, 20}, String(), true);
      },
      [&](HDC DC) {
        RECT b{0, 0, 40, 20};
        DrawFrameControl(DC, &b, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
      },
      40, 20);
}

TEST(BarPainters, HandDrawnPushButtonTakesTheGivenColours) {
  TSysColors colors({{COLOR_BTNTEXT, TColor(0x0000FF)},
                     {COLOR_BTNFACE, TColor(0x00FF00)},
                     {COLOR_BTNSHADOW, TColor(0xFF0000)},
                     {COLOR_BTNHIGHLIGHT, TColor(0xFFFF00)}});
  TSurface s(40, 20);
  kBase.DrawPushButton(s.DC(), TRect{0, 0, 40, 20}, String(), false);
  EXPECT_EQ(s.Pixel(20, 19), 0xFF0000u) << "text colour at the bottom";
  EXPECT_EQ(s.Pixel(39, 10), 0xFF0000u) << "and at the right";
  EXPECT_EQ(s.Pixel(20, 0), 0x00FF00u) << "face at the top";
  EXPECT_EQ(s.Pixel(20, 18), 0x0000FFu) << "inner shadow";
  EXPECT_EQ(s.Pixel(20, 1), 0x00FFFFu) << "inner highlight";
  EXPECT_EQ(s.Pixel(38, 1), 0x00FF00u) << "the face pixel at the inner top-right corner";
  EXPECT_EQ(s.Pixel(20, 10), 0x00FF00u) << "the face inside";
}

// --- Texts ---------------------------------------------------------------------------------

HFONT MakeFont(int Weight = FW_NORMAL) {
  return CreateFontW(-12, 0, 0, 0, Weight, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     NONANTIALIASED_QUALITY, 0, L"Tahoma");
}

TEST(BarPainters, FloatingCaptionNarrowerThanItsButtonsWritesNothing) {
  HFONT font = MakeFont();
  TdxBarControlPaintInfo bar;
  bar.Caption = L"Formatting";
  bar.CaptionFont = font;
  bar.CaptionColor = TColor(0x800000);
  bar.CaptionTextColor = TColor(0xFFFFFF);
  bar.ShowsCaptionButtons = true;
  HBRUSH brush = CreateSolidBrush(RGB(0, 200, 0));
  const TRect caption{0, 0, 60, 16};
  {
    bar.CaptionButtonsRect = TRect{20, 0, 60, 16};
    TSurface s(60, 20);
    kStandard.DrawFloatingCaption(s.DC(), bar, brush, caption);
    int written = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 60; ++x) written += s.Pixel(x, y) != 0xFFFFFF;
    EXPECT_EQ(written, 0);
    EXPECT_EQ(s.Pixel(10, 16), 0x00C800u) << "the line below the caption all the same";
  }
  // Without caption buttons the text starts 2 pixels in, on the caption colour,
  // as the system writes it with the same font.
  bar.ShowsCaptionButtons = false;
  TSurface ours(60, 20), theirs(60, 20);
  kStandard.DrawFloatingCaption(ours.DC(), bar, brush, caption);
  HGDIOBJ old = SelectObject(theirs.DC(), font);
  SetTextColor(theirs.DC(), 0xFFFFFF);
  SetBkColor(theirs.DC(), 0x800000);
  SIZE wg{};
  GetTextExtentPoint32W(theirs.DC(), L"Wg", 2, &wg);
  RECT clip{0, 0, 60, 16};
  ExtTextOutW(theirs.DC(), 2, (16 - wg.cy) / 2, ETO_CLIPPED | ETO_OPAQUE, &clip, L"Formatting", 10, nullptr);
  SelectObject(theirs.DC(), old);
  int differ = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 60; ++x) differ += ours.Pixel(x, y) != theirs.Pixel(x, y);
  EXPECT_EQ(differ, 0);
  DeleteObject(brush);
  DeleteObject(font);
}

TEST(BarPainters, AThreeLineDescriptionIsDrawnAsTwoWithAnEllipsis) {
  HFONT font = MakeFont();
  TSurface s(220, 60);
  SelectObject(s.DC(), font);
  const String text =
      L"Opens the wall layout of the selected preset and shows every source "
      L"assigned to its screens, ready to be switched";
  String first, second;
  // The item below is 220 wide, its text column from 43, less the text size of
  // 30 at the right.
  const int width = 220 - 43 - 30;
  kBase.SplitMenuDescription(s.DC(), text, width, first, second);
  SIZE extent{};
  GetTextExtentPoint32W(s.DC(), first.c_str(), int(first.size()), &extent);
  EXPECT_LE(extent.cx, width);
  EXPECT_EQ(first + L" " + second, text) << "the second line holds all the rest";
  GetTextExtentPoint32W(s.DC(), second.c_str(), int(second.size()), &extent);
  EXPECT_GT(extent.cx, width) << "the rest needs more than one line";

  // Drawn in a large menu item: the two lines below the bold caption, the
  // second cut with an ellipsis where DrawText cuts it.
  TdxBarItemPaintInfo item;
  item.InMenu = true;
  item.ItemRect = TRect{0, 0, 220, 60};
  item.IconColumnWidth = 40;
  item.TextSize = 30;
  item.Font = font;
  item.Caption = L"Layout";
  item.Description = text;
  item.ShowsDescription = true;
  item.ShowsGlyph = false;
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  item.Brush = white;
  kBase.DrawButtonLikeItem(s.DC(), item);
  TSurface expected(220, 60);
  SelectObject(expected.DC(), font);
  const int h = [&] {
    SIZE wg{};
    GetTextExtentPoint32W(expected.DC(), L"Wg", 2, &wg);
    return int(wg.cy);
  }();
  const int top = 60 - (2 * ((60 - 3 * h) / 4) + 2 * h);
  SetBkMode(expected.DC(), TRANSPARENT);
  SetTextColor(expected.DC(), GetSysColor(COLOR_BTNTEXT));
  RECT line1{43, top, 190, top + h}, line2{43, top + h, 190, top + 2 * h};
  const UINT format = DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_LEFT | DT_TOP;
  DrawTextW(expected.DC(), first.c_str(), int(first.size()), &line1, format);
  DrawTextW(expected.DC(), second.c_str(), int(second.size()), &line2, format);
  int differ = 0, ink = 0;
  for (int y = top; y < top + 2 * h; ++y)
    for (int x = 0; x < 220; ++x) {
      differ += s.Pixel(x, y) != expected.Pixel(x, y);
      ink += expected.Pixel(x, y) != 0xFFFFFF;
    }
  EXPECT_EQ(differ, 0);
  EXPECT_GT(ink, 100);
  SelectObject(s.DC(), GetStockObject(SYSTEM_FONT));
  SelectObject(expected.DC(), GetStockObject(SYSTEM_FONT));
  DeleteObject(font);
}

// --- Progress ------------------------------------------------------------------------------

struct TProgressCase {
  const char* Name;
  int Position, Min, Max;
  std::vector<std::pair<int, int>> Blocks;  // [from, to) along the bar
};

TEST(BarPainters, ProgressBlocksAndEmptyRanges) {
  TSysColors colors({{COLOR_HIGHLIGHT, TColor(0x0000FF)}});
  HBRUSH back = CreateSolidBrush(RGB(0, 255, 0));
  // Thickness 12: blocks of 8 with gaps of 2.
  const std::vector<TProgressCase> cases = {
      {"half", 50, 0, 100, {{0, 8}, {10, 18}, {20, 28}, {30, 38}, {40, 48}}},
      {"last block cut", 55, 0, 100, {{0, 8}, {10, 18}, {20, 28}, {30, 38}, {40, 48}, {50, 55}}},
      {"offset range", 30, 20, 40, {{0, 8}, {10, 18}, {20, 28}, {30, 38}, {40, 48}}},
      {"maximum equal to minimum", 5, 5, 5, {}},
      {"maximum below minimum", 5, 10, 0, {}},
      {"below the minimum", -10, 0, 100, {}},
      {"beyond the maximum",
       500,
       0,
       10,
       {{0, 8}, {10, 18}, {20, 28}, {30, 38}, {40, 48}, {50, 58}, {60, 68}, {70, 78}, {80, 88}, {90, 98}}},
  };
  for (const bool vertical : {false, true})
    for (const TProgressCase& c : cases) {
      SCOPED_TRACE(testing::Message() << c.Name << (vertical ? " vertical" : ""));
      TSurface s(vertical ? 12 : 100, vertical ? 100 : 12);
      TdxBarItemPaintInfo item;
      item.Vertical = vertical;
      item.Position = c.Position;
      item.Min = c.Min;
      item.Max = c.Max;
      item.Brush = item.BarBrush = back;
      kStandard.DrawProgress(s.DC(), item, TRect{0, 0, vertical ? 12 : 100, vertical ? 100 : 12});
      for (int at = 0; at < 100; ++at) {
        bool inBlock = false;
        for (auto [from, to] : c.Blocks) inBlock = inBlock || (at >= from && at < to);
        const uint32_t p = vertical ? s.Pixel(6, at) : s.Pixel(at, 6);
        ASSERT_EQ(p, inBlock ? 0xFF0000u : 0x00FF00u) << "at " << at;
      }
    }
  // A smooth bar is one block.
  TSurface s(100, 12);
  TdxBarItemPaintInfo item;
  item.SmoothProgress = true;
  item.Position = 50;
  item.Brush = item.BarBrush = back;
  kStandard.DrawProgress(s.DC(), item, TRect{0, 0, 100, 12});
  EXPECT_EQ(s.Pixel(9, 6), 0xFF0000u);
  EXPECT_EQ(s.Pixel(50, 6), 0x00FF00u);
  DeleteObject(back);
}

// --- Separators and lines ------------------------------------------------------------------

TEST(BarPainters, SeparatorsAreEtchedLines) {
  HBRUSH back = CreateSolidBrush(RGB(0, 255, 0));
  TdxBarControlPaintInfo bar;
  bar.Bounds = bar.ClientRect = TRect{0, 0, 40, 30};
  bar.Color = TColor(0x00FF00);
  bar.ToolbarBrush = back;
  ExpectSameAs(
      [&](HDC DC) {
        kStandard.DrawToolbarSeparator(DC, bar, false, back, TRect{10, 0, 16, 30});
      },
      [&](HDC DC) {
        RECT bands[2] = {{10, 0, 12, 30}, {14, 0, 16, 30}};
        for (RECT& b : bands) FillRect(DC, &b, back);
        RECT line{12, 0, 14, 30};
        DrawEdge(DC, &line, EDGE_ETCHED, BF_LEFT);
      },
      40, 30);
  ExpectSameAs(
      [&](HDC DC) {
        kStandard.DrawToolbarSeparator(DC, bar, true, back, TRect{0, 10, 40, 16});
      },
      [&](HDC DC) {
        RECT bands[2] = {{0, 10, 40, 12}, {0, 14, 40, 16}};
        for (RECT& b : bands) FillRect(DC, &b, back);
        RECT line{0, 12, 40, 14};
        DrawEdge(DC, &line, EDGE_ETCHED, BF_TOP);
      },
      40, 30);
  // A captioned menu separator: its caption, a line at its top (none when it
  // comes first) and one at its bottom.
  HFONT font = MakeFont(FW_BOLD);
  for (const bool first : {false, true}) {
    TSurface s(80, 24);
    TdxBarItemPaintInfo item;
    item.InMenu = true;
    item.ItemRect = TRect{0, 0, 80, 24};
    item.Caption = L"Presets";
    item.Font = font;
    item.ShowsGlyph = false;
    item.FirstInBar = first;
    item.Brush = item.BarBrush = back;
    kStandard.DrawSeparatorItem(s.DC(), item, bar);
    TSurface line(80, 24);
    RECT top{0, 0, 80, 2};
    DrawEdge(line.DC(), &top, EDGE_ETCHED, BF_TOP);
    EXPECT_EQ(s.Pixel(40, 0), first ? 0x00FF00u : line.Pixel(40, 0)) << first;
    EXPECT_EQ(s.Pixel(40, 22), line.Pixel(40, 0)) << first;
  }
  DeleteObject(font);
  DeleteObject(back);
}

// --- Spin, header, edit and menu pieces ----------------------------------------------------

TEST(BarPainters, SpinArrowsAndButtons) {
  TSysColors colors(
      {{COLOR_BTNTEXT, TColor(0x0000FF)}, {COLOR_BTNSHADOW, TColor(0x00FF00)}, {COLOR_BTNHIGHLIGHT, TColor(0xFF0000)}});
  // An up arrow 7 wide centred in its rectangle: the base row at the bottom, the apex three rows above.
  TSurface up(20, 20);
  kStandard.DrawSpinArrow(up.DC(), TRect{5, 7, 12, 11}, 7, true, true);
  for (int x = 5; x < 12; ++x) EXPECT_EQ(up.Pixel(x, 10), 0xFF0000u) << x;
  EXPECT_EQ(up.Pixel(4, 10), 0xFFFFFFu);
  EXPECT_EQ(up.Pixel(8, 7), 0xFF0000u) << "the apex";
  EXPECT_EQ(up.Pixel(7, 7), 0xFFFFFFu);
  EXPECT_EQ(up.Pixel(8, 6), 0xFFFFFFu);
  TSurface down(20, 20);
  kStandard.DrawSpinArrow(down.DC(), TRect{5, 10, 12, 14}, 7, false, false);
  EXPECT_EQ(down.Pixel(5, 10), 0x00FF00u) << "disabled: the shadow colour";
  EXPECT_EQ(down.Pixel(12, 11), 0x0000FFu) << "over the highlight one pixel right and down";
  EXPECT_EQ(down.Pixel(8, 13), 0x00FF00u) << "the apex below";

  EXPECT_EQ(kBase.SpinArrowOrigin(TRect{0, 0, 15, 11}, 4, 4, false), (TPoint{4, 3}));
  EXPECT_EQ(kBase.SpinArrowOrigin(TRect{0, 0, 15, 11}, 4, 4, true), (TPoint{4, 6}));
  const TRect item{0, 0, 80, 22};
  EXPECT_EQ(kBase.CalcSpinTextRect(item).Right, kBase.CalcSpinButtonRect(item, 0).Left - 1);

  // A pressed button: sunken, as the system draws the edge.
  HBRUSH back = CreateSolidBrush(RGB(0, 255, 255));
  TdxBarItemPaintInfo spin;
  spin.BarBrush = spin.Brush = back;
  spin.ArrowOffset = 4;
  TSurface pressed(20, 12), edge(20, 12);
  kStandard.DrawSpinButton(pressed.DC(), spin, 1, 3, TRect{0, 0, 15, 11});
  RECT r{0, 0, 15, 11};
  DrawEdge(edge.DC(), &r, BDR_SUNKENOUTER, BF_RECT);
  EXPECT_EQ(pressed.Pixel(0, 0), edge.Pixel(0, 0));
  EXPECT_EQ(pressed.Pixel(14, 10), edge.Pixel(14, 10));
  TSurface normal(20, 12);
  kStandard.DrawSpinButton(normal.DC(), spin, 1, 1, TRect{0, 0, 15, 11});
  EXPECT_EQ(normal.Pixel(0, 0), 0x00FFFFu) << "not hot: a frame in the bar's brush";
  DeleteObject(back);
}

TEST(BarPainters, EditColoursMarginsAndBorder) {
  HBRUSH bar = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(kBase.EditColor(true, clDefault, bar), clWindow);
  EXPECT_EQ(kBase.EditColor(true, TColor(0x123456), bar), TColor(0x123456)) << "the item's StyleEdit colour";
  EXPECT_EQ(kBase.EditColor(false, TColor(0x123456), bar), TColor(RGB(1, 2, 3))) << "disabled: the bar's colour";
  EXPECT_EQ(kBase.EditFontColor(true, clDefault), clWindowText);
  EXPECT_EQ(kBase.EditFontColor(true, TColor(0x00AA00)), TColor(0x00AA00));
  EXPECT_EQ(kBase.EditFontColor(false, TColor(0x00AA00)), clGrayText);

  TdxBarItemPaintInfo item;
  item.GlyphSize = 16;
  item.ShowsGlyph = false;
  EXPECT_EQ(kBase.EditPartMargins(item, 0), (TRect{2, 0, 4, 0})) << "no glyph";
  item.ShowsGlyph = true;
  EXPECT_EQ(kBase.EditPartMargins(item, 0), (TRect{0, 0, 4, 0}));
  EXPECT_EQ(kBase.EditPartMargins(item, 1), (TRect{3, 0, 4, 0})) << "the glyph centred in the button width";
  item.InMenu = true;
  EXPECT_EQ(kBase.EditPartMargins(item, 0), (TRect{2, 0, 4, 0}));
  EXPECT_EQ(kBase.EditPartMargins(item, 1), (TRect{4, 0, 0, 0}));
  item.Selected = true;
  EXPECT_TRUE(kBase.EditCaptionSolid(item));
  EXPECT_FALSE(kBase.EditMarginSolid(item));
  item.InMenu = false;
  EXPECT_FALSE(kBase.EditCaptionSolid(item));

  // Selected: a sunken outer ring as the system draws it; the rectangle ends two smaller.
  item.BarBrush = bar;
  TSurface s(40, 20), edge(40, 20);
  TRect r{0, 0, 40, 20};
  kBase.DrawEditBorder(s.DC(), item, false, r);
  EXPECT_EQ(r, (TRect{2, 2, 38, 18}));
  RECT e{0, 0, 40, 20};
  DrawEdge(edge.DC(), &e, BDR_SUNKENOUTER, BF_RECT);
  EXPECT_EQ(s.Pixel(0, 0), edge.Pixel(0, 0));
  EXPECT_EQ(s.Pixel(39, 19), edge.Pixel(39, 19));
  EXPECT_EQ(s.Pixel(1, 1), 0x010203u) << "the inner ring in the bar's brush";
  EXPECT_EQ(s.Pixel(2, 2), 0xFFFFFFu);
  DeleteObject(bar);
}

TEST(BarPainters, HeadersAndRecentGroupFrames) {
  HBRUSH bar = CreateSolidBrush(RGB(0, 255, 0)), selected = CreateSolidBrush(RGB(255, 0, 0));
  TdxBarItemPaintInfo header;
  header.ItemRect = TRect{0, 0, 100, 18};
  header.BarBrush = bar;
  header.SelectedBrush = selected;
  header.Caption = L"Recent";
  header.ArrowSize = 3;
  TSurface plain(100, 18);
  kBase.DrawHeaderItem(plain.DC(), header, false);
  EXPECT_EQ(plain.Pixel(50, 0), 0x00FF00u) << "the line at the top in the bar's background";
  EXPECT_EQ(plain.Pixel(2, 10), Rgb(GetSysColor(COLOR_BTNSHADOW)));
  header.Selected = true;
  TSurface hot(100, 18);
  kBase.DrawHeaderItem(hot.DC(), header, true);
  EXPECT_EQ(hot.Pixel(2, 10), 0xFF0000u);

  // Standard recent-group frames: the line above a change of group in the
  // colour of the item's side, the highlight pixels at the group's corners.
  TSysColors colors({{COLOR_BTNHIGHLIGHT, TColor(0x0000FF)}, {COLOR_BTNSHADOW, TColor(0x00FFFF)}});
  TdxBarControlPaintInfo menu;
  menu.ClientRect = TRect{0, 0, 120, 100};
  menu.ToolbarBrush = bar;
  TdxBarItemPaintInfo item;
  item.ItemRect = TRect{4, 20, 100, 40};
  for (const bool nonRecent : {false, true}) {
    TSurface s(120, 100);
    item.NonRecent = nonRecent;
    kStandard.SubMenuDrawItemFrame(s.DC(), menu, item, true);
    EXPECT_EQ(s.Pixel(3, 19), nonRecent ? 0xFFFF00u : 0xFF0000u) << "one pixel further left, just above";
    EXPECT_EQ(s.Pixel(101, 30), nonRecent ? 0x00FF00u : 0xFFFFFFu) << "two pixels right of a non-recent item";
  }
  item.FirstInBar = item.LastInBar = true;
  TSurface s(120, 100);
  kStandard.SubMenuDrawItemFrame(s.DC(), menu, item, false);
  EXPECT_EQ(s.Pixel(101, 18), 0xFF0000u) << "(right + 1, top - 2)";
  EXPECT_EQ(s.Pixel(2, 99), 0xFF0000u) << "(left - 2, client height - 1)";
  EXPECT_EQ(s.Pixel(50, 70), 0x00FF00u) << "below the last item down to the client bottom";
  TSurface none(120, 100);
  kBase.SubMenuDrawItemFrame(none.DC(), menu, item, true);
  EXPECT_EQ(none.Pixel(50, 70), 0xFFFFFFu) << "the base look frames nothing";
  DeleteObject(bar);
  DeleteObject(selected);
}

TEST(BarPainters, StaticItemIndentsAndBorders) {
  HBRUSH bar = CreateSolidBrush(RGB(0, 255, 0));
  TdxBarItemPaintInfo label;
  label.ItemRect = TRect{0, 0, 80, 20};
  label.BarBrush = bar;
  label.BorderStyle = 4;
  TSurface s(80, 20);
  EXPECT_EQ(kBase.CalcStaticItemSize(s.DC(), label, 5, 7), (TRect{7, 2, 71, 18})) << "indents, then the bump";
  EXPECT_EQ(s.Pixel(2, 10), 0x00FF00u);
  EXPECT_EQ(s.Pixel(76, 10), 0x00FF00u);
  label.Vertical = true;
  label.BorderStyle = 3;
  EXPECT_EQ(kBase.CalcStaticItemSize(s.DC(), label, 5, 7), (TRect{2, 7, 78, 11}));
  const std::vector<std::pair<int, int>> widths = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}};
  for (auto [style, width] : widths) EXPECT_EQ(kBase.StaticBorderWidths(style).Left, width) << style;
  DeleteObject(bar);
}

TEST(BarPainters, StatusBarGripAndEditItems) {
  HBRUSH bar = CreateSolidBrush(RGB(0, 255, 0));
  TdxBarControlPaintInfo status;
  status.Bounds = status.ClientRect = TRect{0, 0, 120, 24};
  status.Color = TColor(0x00FF00);
  status.StatusBarLike = true;
  status.ManagerBarBitmap = nullptr;
  status.DockColor = TColor(0xFF0000);
  status.ShowsSizeGrip = true;
  TSurface s(120, 24);
  kStandard.DrawStatusBarSizeGrip(s.DC(), status);
  const TSize grip = kStandard.SizeGripSize();
  EXPECT_EQ(s.Pixel(120 - grip.cx, 0), 0x0000FFu) << "the strip from the dock's fill, as status bars take it";
  EXPECT_EQ(s.Pixel(120 - grip.cx - 1, 0), 0xFFFFFFu) << "nothing left of the strip";
  status.ShowsSizeGrip = false;
  TSurface none(120, 24);
  kStandard.DrawStatusBarSizeGrip(none.DC(), status);
  EXPECT_EQ(none.Pixel(119, 0), 0xFFFFFFu);

  // An edit item: its value on the style's colour, the caption right-aligned before the edit part.
  TdxBarItemPaintInfo edit;
  edit.ItemRect = TRect{0, 0, 160, 22};
  edit.BarBrush = edit.Brush = bar;
  edit.ShowsGlyph = false;
  edit.Caption = L"Wall";
  HFONT font = MakeFont();
  edit.Font = font;
  TSurface e(160, 22);
  kStandard.DrawEditItem(e.DC(), edit, TRect{0, 0, 50, 22}, TRect{}, TRect{50, 0, 160, 22}, L"3");
  EXPECT_EQ(e.Pixel(48, 2), 0x00FF00u) << "the caption's right margin in the bar's background";
  EXPECT_EQ(e.Pixel(150, 11), Rgb(GetSysColor(COLOR_WINDOW))) << "the value on the edit colour";
  TSurface styled(160, 22);
  kStandard.DrawEditText(styled.DC(), edit, TColor(0x0000FF), clDefault, TRect{10, 2, 150, 20}, L"");
  EXPECT_EQ(styled.Pixel(80, 10), 0xFF0000u) << "the style's own colour";
  EXPECT_EQ(styled.Pixel(5, 10), 0xFFFFFFu) << "clipped to the rectangle";
  TColor text{}, back{};
  kStandard.EditColors(false, TColor(0x0000FF), TColor(0x00FF00), bar, text, back);
  EXPECT_EQ(text, clGrayText);
  EXPECT_EQ(back, TColor(RGB(0, 255, 0)));
  DeleteObject(font);
  DeleteObject(bar);
}

TEST(BarPainters, AnEditTakesTheLookOfTheManagersStyle) {
  THostForm* form = MakeForm();
  auto* manager = new TdxBarManager(form);
  for (const TdxBarManagerStyle style : {bmsStandard, bmsFlat, bmsOffice11}) {
    manager->SetStyle(style);
    TcxLookAndFeel ours(nullptr), direct(nullptr);
    ours.SetSkinName(L"Left over");
    kStandard.AssignEditLookAndFeel(manager, &ours);
    manager->ApplyStyleToLookAndFeel(&direct);
    EXPECT_EQ(ours.SkinName(), L"") << int(style);
    EXPECT_EQ(ours.Kind(), direct.Kind()) << int(style);
  }
  kStandard.AssignEditLookAndFeel(nullptr, nullptr);  // nothing to give, nothing done
  form->Free();
}

// --- Gallery -------------------------------------------------------------------------------

HIMAGELIST GalleryGlyphs(TCustomImageList& List) {
  HIMAGELIST handle = List.Handle();
  const COLORREF colors[3] = {RGB(30, 110, 200), RGB(200, 60, 40), RGB(40, 150, 60)};
  for (COLORREF c : colors) {
    HBITMAP bitmap = SolidBitmap(16, 16, RGB(255, 0, 255));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(c);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Ellipse(dc, 1, 1, 15, 15);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(handle, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
  }
  return handle;
}

void DrawGallery(HDC DC, const TdxBarPainter& P, int Left, TCustomImageList* Images, HFONT Font) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  TdxBarControlPaintInfo bar;
  bar.Bounds = bar.ClientRect = TRect{Left, 0, Left + 300, 440};
  bar.ToolbarBrush = face;
  bar.DockColor = clBtnFace;
  bar.DockingStyle = dsTop;
  bar.ShowsGrip = true;
  RECT all{Left, 0, Left + 300, 440};
  FillRect(DC, &all, face);
  // A docked toolbar: grip, buttons in every state, a separator and a split button.
  const int save = SaveDC(DC);
  P.DrawDockedBarBorder(DC, bar, TRect{Left + 4, 4, Left + 292, 34});
  const char* const captions[] = {"Open", "Hot", "Down", "Off"};
  int x = Left + 4 + 3 + P.GripSize() + 2;
  for (int state = 0; state < 4; ++state) {
    TdxBarItemPaintInfo item;
    item.ItemRect = TRect{x, 7, x + 62, 29};
    item.Selected = state == 1;
    item.Down = state == 2;
    item.Enabled = state != 3;
    item.Brush = item.BarBrush = face;
    item.Images = Images;
    item.ImageIndex = state % 3;
    item.Font = Font;
    item.Caption = String(captions[state], captions[state] + strlen(captions[state]));
    P.DrawButtonLikeItem(DC, item);
    x += 63;
  }
  P.DrawToolbarSeparator(DC, bar, false, face, TRect{x, 7, x + P.ToolbarSeparatorSize(), 29});
  RestoreDC(DC, save);

  // Split and plain drop-down buttons, combo buttons, ellipsis, push and spin buttons.
  TdxBarItemPaintInfo split;
  split.ItemRect = TRect{Left + 8, 44, Left + 42, 66};
  split.SplitButton = split.ShowsArrow = true;
  split.ShowsCaption = false;
  split.Selected = true;
  split.Brush = split.BarBrush = face;
  split.Images = Images;
  split.ImageIndex = 0;
  P.DrawButtonLikeItem(DC, split);
  split.ItemRect = TRect{Left + 48, 44, Left + 82, 66};
  split.DroppedDown = true;
  P.DrawButtonLikeItem(DC, split);
  TdxBarItemPaintInfo combo;
  combo.Brush = combo.BarBrush = face;
  combo.Selected = true;
  P.DrawComboButton(DC, combo, TRect{Left + 92, 44, Left + 108, 66});
  combo.Selected = false;
  P.DrawComboButton(DC, combo, TRect{Left + 112, 44, Left + 124, 66});
  P.DrawEllipsisButton(DC, combo, TRect{Left + 130, 44, Left + 150, 66});
  HGDIOBJ oldFont = SelectObject(DC, Font);
  P.DrawPushButton(DC, TRect{Left + 156, 44, Left + 216, 66}, L"Apply", false);
  P.DrawPushButton(DC, TRect{Left + 222, 44, Left + 282, 66}, L"Apply", true);
  SelectObject(DC, oldFont);

  // A floating caption with its close button, and MDI buttons.
  TdxBarControlPaintInfo floating = bar;
  floating.DockingStyle = dsNone;
  floating.Caption = L"Wall tools";
  floating.CaptionFont = Font;
  floating.ShowsCloseButton = true;
  const TRect caption{Left + 8, 76, Left + 200, 92};
  P.DrawFloatingBarBorder(DC, TRect{Left + 4, 72, Left + 204, 120});
  P.DrawFloatingCaption(DC, floating, face, caption);
  P.DrawFloatingCloseButton(DC, floating, false, TRect{Left + 184, 77, Left + 199, 91});
  for (int kind = 0; kind < 3; ++kind) {
    P.DrawMDIButton(DC, kind, 0, false, TRect{Left + 212 + kind * 18, 78, Left + 228 + kind * 18, 92});
    P.DrawMDIButton(DC, kind, 4, false, TRect{Left + 212 + kind * 18, 96, Left + 228 + kind * 18, 110});
  }

  // A menu: border, items with glyph, check, shortcut, description, separators.
  TdxBarControlPaintInfo menu;
  menu.Bounds = TRect{Left + 8, 130, Left + 250, 330};
  menu.TearOffHeight = 0;
  const int save2 = SaveDC(DC);
  SetViewportOrgEx(DC, Left + 8, 130, nullptr);
  TdxBarControlPaintInfo local = menu;
  local.Bounds = TRect{0, 0, 242, 200};
  P.SubMenuDrawBorder(DC, local);
  P.SubMenuDrawClientBorder(DC, local, face, TRect{1, 1, 241, 199});
  HBRUSH highlight = GetSysColorBrush(COLOR_HIGHLIGHT);
  const int itemLeft = 3, itemRight = 239;
  int y = 4;
  auto menuItem = [&](const wchar_t* Caption, int Height) {
    TdxBarItemPaintInfo item;
    item.InMenu = true;
    item.ItemRect = TRect{itemLeft, y, itemRight, y + Height};
    item.IconColumnWidth = 24;
    item.TextSize = 16;
    item.Font = Font;
    item.Brush = item.BarBrush = face;
    item.SelectedBrush = highlight;
    item.Images = Images;
    item.Caption = Caption;
    y += Height;
    return item;
  };
  TdxBarItemPaintInfo open = menuItem(L"&Open preset", 22);
  open.ImageIndex = 1;
  open.ShortCutText = L"Ctrl+O";
  P.DrawButtonLikeItem(DC, open);
  TdxBarItemPaintInfo hot = menuItem(L"&Save preset", 22);
  hot.Selected = true;
  hot.ImageIndex = 2;
  hot.ShortCutText = L"Ctrl+S";
  P.DrawButtonLikeItem(DC, hot);
  TdxBarItemPaintInfo checked = menuItem(L"Show &grid", 22);
  checked.Down = true;
  P.DrawButtonLikeItem(DC, checked);
  TdxBarItemPaintInfo group = menuItem(L"", P.MenuSeparatorHeight());
  P.DrawSeparatorItem(DC, group, local);
  TdxBarItemPaintInfo large = menuItem(L"Layout", 52);
  large.ShowsDescription = true;
  large.Description =
      L"Opens the wall layout of the selected preset and shows "
      L"every source assigned to its screens";
  large.ImageIndex = 0;
  P.DrawButtonLikeItem(DC, large);
  TdxBarItemPaintInfo sub = menuItem(L"Recent walls", 22);
  sub.ShowsArrow = true;
  sub.ArrowWidth = 16;
  P.DrawButtonLikeItem(DC, sub);
  TdxBarItemPaintInfo disabled = menuItem(L"Disconnect", 22);
  disabled.Enabled = false;
  P.DrawButtonLikeItem(DC, disabled);
  RestoreDC(DC, save2);

  // Static labels with their borders, a captioned separator, progress.
  TdxBarItemPaintInfo label;
  label.Brush = label.BarBrush = face;
  label.Font = Font;
  label.ShowsGlyph = false;
  for (int style = 0; style < 5; ++style) {
    TRect r{Left + 8 + style * 56, 340, Left + 60 + style * 56, 362};
    P.DrawStaticBorder(DC, style, r);
    label.ItemRect = r;
    label.Alignment = 2;
    label.Caption = L"Label";
    P.DrawStaticItem(DC, label);
  }
  TdxBarItemPaintInfo progress;
  progress.Brush = progress.BarBrush = face;
  progress.Position = 62;
  P.DrawProgress(DC, progress, TRect{Left + 8, 372, Left + 200, 384});
  progress.SmoothProgress = true;
  P.DrawProgress(DC, progress, TRect{Left + 8, 390, Left + 200, 402});

  // A spin item with its two buttons, an edit item's border and value, a menu group header.
  TdxBarItemPaintInfo spin;
  spin.Brush = spin.BarBrush = face;
  spin.ArrowOffset = 3;
  const TRect spinItem{Left + 8, 412, Left + 90, 434};
  const TRect up = P.CalcSpinButtonRect(spinItem, 1), down = P.CalcSpinButtonRect(spinItem, 2);
  P.FillSpinBackground(DC, spin, spinItem);
  P.DrawSpinButton(DC, spin, 1, 2, up);
  P.DrawSpinButton(DC, spin, 2, 3, down);
  TdxBarItemPaintInfo edit;
  edit.Brush = edit.BarBrush = face;
  edit.Selected = true;
  TRect editRect{Left + 100, 412, Left + 190, 434};
  P.DrawEditBorder(DC, edit, false, editRect);
  HGDIOBJ oldBrush = SelectObject(DC, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ oldEditFont = SelectObject(DC, Font);
  P.DrawEditValue(DC, editRect, L"Wall 3");
  SelectObject(DC, oldEditFont);
  SelectObject(DC, oldBrush);
  TdxBarItemPaintInfo header;
  header.ItemRect = TRect{Left + 198, 412, Left + 292, 430};
  header.Brush = header.BarBrush = face;
  header.Font = Font;
  header.Caption = L"Recent";
  header.ArrowSize = 3;
  P.DrawHeaderItem(DC, header, true);
}

TEST(BarPainters, GalleryOfBothLooks) {
  HFONT font = MakeFont();
  TCustomImageList images(nullptr, 16, 16);
  GalleryGlyphs(images);
  TSurface s(600, 440);
  DrawGallery(s.DC(), kStandard, 0, &images, font);
  DrawGallery(s.DC(), kEnhanced, 300, &images, font);
  const vamire_test::Capture shot = vamire_test::CaptureDC(s.DC(), 0, 0, 600, 440);
  EXPECT_TRUE(shot.SavePng(vamire_test::InThemedPrefix() ? L"bars_painters_gallery_themed.png"
                                                         : L"bars_painters_gallery_plain.png"));
  EXPECT_GT(shot.CountNot(Rgb(GetSysColor(COLOR_BTNFACE))), 5000u);
  DeleteObject(font);
}

}  // namespace
