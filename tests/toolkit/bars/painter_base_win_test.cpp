// The bar painter base: one metric table for every style, and the shared
// drawing checked pixel by pixel on memory surfaces against what the system
// draws for the same text in the same process.
#include <functional>

#include "bars_test_support.h"
#include "dxBarShadow_win.h"
#include "support/WindowCapture.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

struct TMetricCase {
  const char* Name;
  std::function<int(const TdxBarPainter&)> Get;
  int Base, Standard, Enhanced, Flat;
};

TEST(BarPainterBase, MetricsPerStyle) {
  const int t = 13, g = 16;
  const std::vector<TMetricCase> cases = {
      {"button width", [](const TdxBarPainter& p) { return p.ButtonSize(g).cx; }, g + 7, g + 7, g + 7, g + 7},
      {"button height", [](const TdxBarPainter& p) { return p.ButtonSize(g).cy; }, g + 6, g + 6, g + 6, g + 6},
      {"caption indent", [](const TdxBarPainter& p) { return p.FloatingCaptionIndent(); }, 0, 4, 4, 0},
      {"caption top space", [](const TdxBarPainter& p) { return p.FloatingCaptionTopSpace(); }, 0, 2, 2, 0},
      {"caption bottom space", [](const TdxBarPainter& p) { return p.FloatingCaptionBottomSpace(); }, 0, 1, 1, 0},
      {"caption offset top", [](const TdxBarPainter& p) { return p.CaptionOffsets().Top; }, 2, 1, 1, 2},
      {"caption offset bottom", [](const TdxBarPainter& p) { return p.CaptionOffsets().Bottom; }, 3, 1, 1, 3},
      {"docked border", [](const TdxBarPainter& p) { return p.DockedBorderWidths().Left; }, 2, 2, 2, 2},
      {"grip room", [](const TdxBarPainter& p) { return p.GripSize(); }, 0, 9, 6, 6},
      {"grip width", [](const TdxBarPainter& p) { return p.GripWidth(); }, 3, 3, 3, 3},
      {"grip offset", [](const TdxBarPainter& p) { return p.GripOffset(); }, 0, 2, 1, 1},
      {"mark depth", [](const TdxBarPainter& p) { return p.MarkSize(); }, 11, 11, 11, 11},
      {"separator size", [](const TdxBarPainter& p) { return p.ToolbarSeparatorSize(); }, 6, 6, 6, 5},
      {"separator inset", [](const TdxBarPainter& p) { return p.ToolbarSeparatorInset(); }, 2, 2, 2, 2},
      {"menu separator", [](const TdxBarPainter& p) { return p.MenuSeparatorHeight(); }, 10, 10, 10, 5},
      {"begin-group indent", [](const TdxBarPainter& p) { return p.MenuBeginGroupIndent(); }, 0, 2, 12, 8},
      {"sub-menu outer border", [](const TdxBarPainter& p) { return p.SubMenuOuterBorder(); }, 1, 1, 1, 1},
      {"sub-menu inner border", [](const TdxBarPainter& p) { return p.SubMenuInnerBorder(); }, 1, 2, 2, 1},
      {"sub-menu arrow width", [](const TdxBarPainter& p) { return p.SubMenuArrowWidth(t); }, 10, 10, 10, 10},
      {"scroll arrow offset", [](const TdxBarPainter& p) { return p.SubMenuScrollArrowOffset(); }, 2, 2, 2, 1},
      {"pop-up border", [](const TdxBarPainter& p) { return p.PopupBorderWidth(); }, 2, 2, 2, 2},
      {"drop-down list border", [](const TdxBarPainter& p) { return p.DropDownListBorderSize(); }, 2, 2, 2, 2},
      {"edit text margin", [](const TdxBarPainter& p) { return p.EditTextMargins().Right; }, 2, 2, 2, 1},
      {"menu text indent", [](const TdxBarPainter& p) { return p.MenuItemTextIndent(true, t); }, t + 1, t + 1,
       t + 1, t + 3},
      {"toolbar text indent", [](const TdxBarPainter& p) { return p.MenuItemTextIndent(false, t); }, 0, 0, 0, 0},
  };
  const TdxBarPainter base(nullptr);
  const TdxBarStandardPainter standard(nullptr);
  const TdxBarEnhancedPainter enhanced(nullptr);
  const TdxBarFlatPainter flat(nullptr);
  for (const TMetricCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(c.Get(base), c.Base);
    EXPECT_EQ(c.Get(standard), c.Standard);
    EXPECT_EQ(c.Get(enhanced), c.Enhanced);
    EXPECT_EQ(c.Get(flat), c.Flat);
  }
  EXPECT_EQ(base.FloatingFrameWidth(), GetSystemMetrics(SM_CXFRAME));
  EXPECT_EQ(base.FloatingCaptionHeight(), base.SmallCaptionHeight() + 1);
  EXPECT_GT(base.SmallCaptionHeight(), 0);
}

TEST(BarPainterBase, CheckMarkSizeFollowsFontSize) {
  const TRect column{0, 0, 24, 22};
  EXPECT_EQ(TdxBarPainter::MenuCheckMarkRect(column, 8), (TRect{7, 7, 16, 14}));
  EXPECT_EQ(TdxBarPainter::MenuCheckMarkRect(column, 15), (TRect{7, 7, 16, 14}));
  EXPECT_EQ(TdxBarPainter::MenuCheckMarkRect(column, 16), (TRect{3, 4, 21, 18}));
}

// Non-antialiased so that text pixels are either the text colour or untouched.
HFONT MakeFont(int Escapement) {
  return CreateFontW(-12, 0, Escapement, Escapement, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, 0, L"Tahoma");
}

struct TFontOn {
  TFontOn(HDC DC, HFONT Font) : FDC(DC), FFont(Font), FOld(SelectObject(DC, Font)) {}
  ~TFontOn() {
    SelectObject(FDC, FOld);
    DeleteObject(FFont);
  }
  HDC FDC;
  HFONT FFont;
  HGDIOBJ FOld;
};

// Pixels that differ between two surfaces of one size.
std::vector<POINT> Differences(const TSurface& A, const TSurface& B) {
  std::vector<POINT> out;
  for (int y = 0; y < A.Height(); ++y)
    for (int x = 0; x < A.Width(); ++x)
      if (A.Pixel(x, y) != B.Pixel(x, y)) out.push_back({x, y});
  return out;
}

void Save(const TSurface& S, const wchar_t* Name) {
  vamire_test::CaptureDC(S.DC(), 0, 0, S.Width(), S.Height()).SavePng(Name);
}

TEST(BarPainterBase, VerticalTextUnderlinesItsAcceleratorByHand) {
  const TdxBarPainter painter(nullptr);
  const TRect r{10, 4, 40, 90};
  const UINT format = DT_SINGLELINE;
  struct TCase {
    const wchar_t* Caption;
    const wchar_t* Shown;
    int Marked;  // index into Shown, -1 none
  };
  for (const TCase& c : {TCase{L"&File", L"File", 0}, TCase{L"A&&B", L"A&B", -1}, TCase{L"Fi&le", L"File", 2},
                         TCase{L"End&", L"End", -1}}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.Caption)));
    TSurface drawn(50, 100), expected(50, 100);
    TFontOn f1(drawn.DC(), MakeFont(2700)), f2(expected.DC(), MakeFont(2700));
    painter.DrawItemText(drawn.DC(), format, false, false, true, false, true, 0, r, c.Caption);

    // The system draws the bare text at the same place, in the same colour.
    SIZE extent{};
    GetTextExtentPoint32W(expected.DC(), c.Shown, int(wcslen(c.Shown)), &extent);
    const int left = r.Left + (r.Right - r.Left + extent.cy) / 2;
    RECT er{left, r.Top, r.Right + (r.Right - r.Left + extent.cy) / 2, r.Bottom};
    SetBkMode(expected.DC(), TRANSPARENT);
    SetTextColor(expected.DC(), GetSysColor(COLOR_BTNTEXT));
    DrawTextW(expected.DC(), c.Shown, -1, &er, format | DT_NOCLIP | DT_NOPREFIX);
    if (wcscmp(c.Caption, L"&File") == 0) Save(drawn, L"painter_base_vertical_file.png");

    const std::vector<POINT> diff = Differences(drawn, expected);
    if (c.Marked < 0) {
      EXPECT_TRUE(diff.empty()) << diff.size() << " pixels differ";
      continue;
    }
    // What differs is one straight column: the underline, under the marked
    // letter only, in the text colour.
    SIZE before{}, letter{};
    GetTextExtentPoint32W(expected.DC(), c.Shown, c.Marked, &before);
    GetTextExtentPoint32W(expected.DC(), c.Shown + c.Marked, 1, &letter);
    TEXTMETRICW tm{};
    GetTextMetricsW(expected.DC(), &tm);
    const int x = (r.Left + r.Right - extent.cy) / 2 + tm.tmDescent - 2;
    ASSERT_FALSE(diff.empty());
    for (const POINT& p : diff) {
      EXPECT_EQ(p.x, x);
      EXPECT_GE(p.y, r.Top + before.cx);
      EXPECT_LT(p.y, r.Top + before.cx + letter.cx);
    }
    for (int y = r.Top + before.cx; y < r.Top + before.cx + letter.cx; ++y)
      EXPECT_EQ(drawn.Color(x, y), GetSysColor(COLOR_BTNTEXT)) << "row " << y;
  }
}

TEST(BarPainterBase, DisabledTextIsEmbossedUnlessSelectedOrFlat) {
  struct TCase {
    bool Selected, Flat;
    COLORREF Place, Offset;
  };
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT),
                 gray = GetSysColor(COLOR_GRAYTEXT);
  const TdxBarPainter base(nullptr);
  const TdxBarFlatPainter flat(nullptr);
  for (const TCase& c : {TCase{false, false, shadow, light}, TCase{true, false, gray, gray},
                         TCase{false, true, gray, gray}}) {
    SCOPED_TRACE(testing::Message() << "selected " << c.Selected << " flat " << c.Flat);
    const TdxBarPainter& painter = c.Flat ? static_cast<const TdxBarPainter&>(flat) : base;
    TSurface drawn(80, 24, RGB(0, 128, 0));
    TFontOn f(drawn.DC(), MakeFont(0));
    painter.DrawItemText(drawn.DC(), DT_SINGLELINE, c.Flat, false, false, c.Selected, false, 0,
                         TRect{0, 0, 80, 24}, L"Il");
    // The "I" stem: a column in the place colour with the offset colour right of it.
    int stem = -1;
    for (int x = 0; x < 80 && stem < 0; ++x)
      if (drawn.Color(x, 12) == c.Place) stem = x;
    ASSERT_GE(stem, 0);
    if (c.Place != c.Offset) {
      EXPECT_EQ(drawn.Color(stem + 1, 13), c.Offset);
    }
  }
}

// The columns of a row in a colour, as one string ("..##..").
std::string Row(const TSurface& S, int Y, int X0, int X1, COLORREF Ink) {
  std::string out;
  for (int x = X0; x < X1; ++x) out += S.Color(x, Y) == Ink ? '#' : '.';
  return out;
}

TEST(BarPainterBase, SmallShapes) {
  const TdxBarPainter painter(nullptr);
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  {
    SCOPED_TRACE("caption down arrow, 7 x 4 centred");
    TSurface s(20, 12);
    painter.DrawCaptionDownArrow(s.DC(), TRect{0, 0, 17, 10}, TColor(ink));
    const std::vector<std::string> rows = {Row(s, 3, 4, 13, ink), Row(s, 4, 4, 13, ink), Row(s, 5, 4, 13, ink),
                                           Row(s, 6, 4, 13, ink), Row(s, 7, 4, 13, ink)};
    EXPECT_EQ(rows, (std::vector<std::string>{".#######.", "..#####..", "...###...", "....#....", "........."}));
  }
  for (bool small : {false, true}) {
    SCOPED_TRACE(small ? "chevron on a small bar" : "chevron on a bar");
    TSurface s(12, 12);
    painter.DrawMarkChevrons(s.DC(), true, small, 4, 12);
    const int top = small ? 3 : 4;
    EXPECT_EQ(Row(s, top - 1, 0, 10, ink), "..........");
    EXPECT_EQ(Row(s, top, 0, 10, ink), "....##....");
    EXPECT_EQ(Row(s, top + 2, 0, 10, ink), "......##..");
    EXPECT_EQ(Row(s, top + 4, 0, 10, ink), "....##....");
    EXPECT_EQ(Row(s, top + 5, 0, 10, ink), "..........");
  }
  {
    SCOPED_TRACE("chevron on a vertical bar, columns width - 8 to width - 3");
    TSurface s(20, 12);
    painter.DrawMarkChevrons(s.DC(), false, false, 4, 20);
    EXPECT_EQ(Row(s, 4, 10, 20, ink), "..#...#...");
    EXPECT_EQ(Row(s, 6, 10, 20, ink), "...###....");
  }
  {
    SCOPED_TRACE("ellipsis: three dots of width div 7, two sizes apart, one size above the bottom");
    TSurface s(21, 12);
    painter.DrawEllipsisGlyph(s.DC(), TRect{0, 0, 21, 12}, true, false);
    EXPECT_EQ(Row(s, 8, 0, 21, ink), "...###...###...###...");
    EXPECT_EQ(Row(s, 6, 0, 21, ink), "...###...###...###...");
    EXPECT_EQ(Row(s, 5, 0, 21, ink), std::string(21, '.'));
    EXPECT_EQ(Row(s, 9, 0, 21, ink), std::string(21, '.'));
  }
  for (TcxArrowDirection d : {adUp, adDown, adLeft, adRight}) {
    SCOPED_TRACE(testing::Message() << "arrow " << int(d) << " stays symmetric");
    TSurface s(16, 16);
    painter.DrawArrowTriangle(s.DC(), TRect{2, 2, 13, 13}, d, TColor(ink));
    int filled = 0;
    for (int a = 0; a < 15; ++a)
      for (int b = 0; b < 15; ++b) {
        const bool vertical = d == adUp || d == adDown;
        const int x = vertical ? b : a, y = vertical ? a : b;
        const int mx = vertical ? 14 - x : x, my = vertical ? y : 14 - y;
        filled += s.Color(x, y) == ink;
        EXPECT_EQ(s.Color(x, y) == ink, s.Color(mx, my) == ink) << x << "," << y;
      }
    EXPECT_GT(filled, 20);
  }
  TSurface sheet(120, 24, GetSysColor(COLOR_BTNFACE));
  for (TcxArrowDirection d : {adUp, adDown, adLeft, adRight})
    painter.DrawArrowTriangle(sheet.DC(), TRect{4 + 14 * int(d), 6, 15 + 14 * int(d), 17}, d, TColor(ink));
  painter.DrawCaptionDownArrow(sheet.DC(), TRect{60, 0, 72, 24}, TColor(ink));
  painter.DrawMarkChevrons(sheet.DC(), true, false, 78, 120);
  painter.DrawMarkChevrons(sheet.DC(), true, false, 82, 120);
  painter.DrawEllipsisGlyph(sheet.DC(), TRect{92, 4, 113, 20}, true, false);
  Save(sheet, L"painter_base_shapes.png");
}

TEST(BarPainterBase, ClipRegionComesBack) {
  const TdxBarPainter painter(nullptr);
  for (bool clipped : {false, true}) {
    SCOPED_TRACE(clipped ? "with a clip region" : "without one");
    TSurface s(60, 60);
    TFontOn f(s.DC(), MakeFont(2700));
    if (clipped) IntersectClipRect(s.DC(), 5, 5, 50, 50);
    RECT before{};
    GetClipBox(s.DC(), &before);
    painter.DrawArrowTriangle(s.DC(), TRect{10, 10, 20, 20}, adDown, TColor(0));
    painter.DrawItemText(s.DC(), DT_SINGLELINE, false, true, true, false, true, 0, TRect{10, 10, 20, 40}, L"&Ab");
    painter.DrawItemText(s.DC(), DT_SINGLELINE, false, true, true, false, false, 0, TRect{10, 10, 20, 40}, L"Ab");
    RECT after{};
    GetClipBox(s.DC(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(s.DC(), probe), clipped ? 1 : 0);
    DeleteObject(probe);
  }
}

// --- Shadows --------------------------------------------------------------------------------

constexpr int L = dxBarShadowTaperLeft, R = dxBarShadowTaperRight, T = dxBarShadowTaperTop;
constexpr int Below = dxBarShadowBelow, Right = dxBarShadowRight;

}  // namespace

void PrintTo(const TdxBarShadowPartInfo& P, std::ostream* Out) {
  *Out << "(" << P.Bounds.Left << "," << P.Bounds.Top << "," << P.Bounds.Right << "," << P.Bounds.Bottom
       << " corners " << P.Corners << " kind " << P.Kind << ")";
}

namespace {

TEST(BarShadow, PartRectangles) {
  const TRect menu{100, 100, 200, 300};
  struct TCase {
    const char* What;
    TRect Owner;
    std::vector<TdxBarShadowPartInfo> Parts;
  };
  const std::vector<TCase> cases = {
      {"plain pop-up", {}, {{{104, 300, 204, 304}, L | R, Below}, {{200, 104, 204, 300}, T, Right}}},
      {"under a wider button",
       {90, 80, 250, 100},
       {{{250, 84, 254, 100}, T, Right},
        {{104, 300, 204, 304}, L | R, Below},
        {{94, 100, 100, 104}, L, Below},
        {{200, 100, 254, 104}, R, Below},
        {{200, 100, 204, 300}, 0, Right}}},
      {"under a narrower button",
       {120, 80, 160, 100},
       {{{160, 84, 164, 100}, T, Right}, {{104, 300, 204, 304}, L | R, Below}, {{200, 104, 204, 300}, T, Right}}},
      // Opened upwards from a button below: the menu is the upper rectangle.
      {"above a button",
       {120, 300, 160, 320},
       {{{200, 104, 204, 300}, T, Right},
        {{124, 320, 164, 324}, L | R, Below},
        {{104, 300, 120, 304}, L, Below},
        {{160, 300, 204, 304}, R, Below},
        {{160, 300, 164, 320}, 0, Right}}},
      {"right of a taller item",
       {40, 90, 100, 320},
       {{{200, 104, 204, 300}, T, Right},
        {{100, 94, 104, 100}, T, Right},
        {{44, 320, 104, 324}, L | R, Below},
        {{100, 300, 104, 320}, 0, Right},
        {{100, 300, 204, 304}, R, Below}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(TdxBarShadow::CalcParts(c.Owner, menu, 4), c.Parts);
  }
}

TEST(BarShadow, AlphaFallsAwayFromTheEdgeAndTapersAtEnds) {
  // A strip below, 4 rows: 60, 45, 30, 15; its tapered left end 12, 24, 36, 48 on the first row.
  const std::vector<std::uint8_t> below = TdxBarShadowPart::BuildImage(10, 4, Below, L, 4);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(below[size_t(y) * 10 + 9], 60 - 15 * y) << "row " << y;
  EXPECT_EQ(std::vector<int>(below.begin(), below.begin() + 5), (std::vector<int>{12, 24, 36, 48, 60}));
  // A strip at the right, tapered at its top: columns fall, rows taper.
  const std::vector<std::uint8_t> right = TdxBarShadowPart::BuildImage(4, 8, Right, T, 4);
  EXPECT_EQ(std::vector<int>(right.end() - 4, right.end()), (std::vector<int>{60, 45, 30, 15}));
  std::vector<int> column;
  for (int y = 0; y < 5; ++y) column.push_back(right[size_t(y) * 4]);
  EXPECT_EQ(column, (std::vector<int>{12, 24, 36, 48, 60}));
  // Both ends of a strip.
  const std::vector<std::uint8_t> both = TdxBarShadowPart::BuildImage(10, 4, Below, L | R, 4);
  EXPECT_EQ(both[0], 12);
  EXPECT_EQ(both[9], 12);
}

int GUpdateCalls = 0;
BOOL WINAPI CountingUpdate(HWND Wnd, HDC Dst, POINT* Pos, SIZE* Size, HDC Src, POINT* SrcPos, COLORREF Key,
                           BLENDFUNCTION* Blend, DWORD Flags) {
  ++GUpdateCalls;
  return UpdateLayeredWindow(Wnd, Dst, Pos, Size, Src, SrcPos, Key, Blend, Flags);
}

struct TShadowSystemScope {
  explicit TShadowSystemScope(int Bits, TdxBarUpdateLayeredWindow Update)
      : Previous(SetdxBarShadowSystem({Bits, Update, true})) {}
  ~TShadowSystemScope() { SetdxBarShadowSystem(Previous); }
  TdxBarShadowSystem Previous;
};

TEST(BarShadow, LayeredOnlyWhenTransparent) {
  struct TCase {
    int Bits;
    TdxBarUpdateLayeredWindow Update;
    bool Layered;
  };
  THostForm* form = MakeForm();
  form->Show();
  for (const TCase& c : {TCase{32, &CountingUpdate, true}, TCase{8, &CountingUpdate, false},
                         TCase{32, nullptr, false}, TCase{16, &CountingUpdate, true}}) {
    SCOPED_TRACE(testing::Message() << c.Bits << " bits, function " << (c.Update != nullptr));
    TShadowSystemScope scope(c.Bits, c.Update);
    GUpdateCalls = 0;
    {
      TdxBarShadow shadow(form);
      EXPECT_EQ(shadow.ShadowExtent(), c.Layered ? 4 : 2);
      shadow.SetBounds(TRect{}, TRect{100, 100, 200, 300});
      shadow.SetPartsVisible(true);
      ASSERT_EQ(shadow.Parts().size(), 2u);
      for (TdxBarShadowPart* part : shadow.Parts()) {
        HWND wnd = part->Handle();
        EXPECT_TRUE(IsWindowVisible(wnd));
        EXPECT_EQ((GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0, c.Layered);
        EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & (WS_POPUP | WS_CHILD), LONG_PTR(WS_POPUP));
        EXPECT_EQ(GetWindow(wnd, GW_OWNER), form->Handle());
        EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(150, 301)), HTTRANSPARENT);
      }
      EXPECT_EQ(shadow.Parts()[0]->Height(), c.Layered ? 4 : 2);
      EXPECT_EQ(GUpdateCalls, c.Layered ? 2 : 0);
      shadow.SetPartsVisible(false);
      for (TdxBarShadowPart* part : shadow.Parts()) EXPECT_FALSE(part->HandleAllocated());
    }
  }
  delete form;
}

TEST(BarShadow, TaperedPartSmallerThanTheShadowIsNotShown) {
  THostForm* form = MakeForm();
  form->Show();
  TShadowSystemScope scope(32, &CountingUpdate);
  TdxBarShadow shadow(form);
  shadow.SetBounds(TRect{94, 80, 250, 100}, TRect{100, 100, 200, 300});
  shadow.SetPartsVisible(true);
  int hidden = 0;
  for (TdxBarShadowPart* part : shadow.Parts()) {
    EXPECT_EQ(part->IsDrawable(), !(part->Corners() != 0 && part->Width() < 4));
    if (!part->IsDrawable()) {
      ++hidden;
      EXPECT_FALSE(part->HandleAllocated() && IsWindowVisible(part->Handle()));
    }
  }
  EXPECT_EQ(hidden, 1);
  Pump();
  HDC screen = GetDC(nullptr);
  vamire_test::CaptureDC(screen, 80, 70, 190, 250).SavePng(L"painter_base_shadow.png");
  ReleaseDC(nullptr, screen);
  delete form;
}

TEST(BarShadow, ContainerLinkDataOwnsItsExpandedList) {
  TdxBarContainerLinkData data(nullptr, nullptr, 3);
  EXPECT_EQ(data.ItemIndex(), 3);
  ASSERT_NE(data.ExpandedItems(), nullptr);
  data.ExpandedItems()->Add(new TObject);
}

}  // namespace
