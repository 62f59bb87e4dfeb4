// The library's routines on real windows and memory surfaces: arrows, frames,
// the checked pattern, background tiling, glyph modes and their cache, the
// searches for managers and forms, pumps, keys, DPI, alpha and the message box.
#include "DialogService.h"
#include "bars_test_support.h"
#include "support/WindowCapture.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

int CountColor(const TSurface& S, uint32_t Color, const TRect& R) {
  int n = 0;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x) n += S.Pixel(x, y) == Color ? 1 : 0;
  return n;
}

TEST(BarRoutinesTest, ArrowsAt16And17Pixels) {
  struct {
    int Width;
    int Size;
    int Pixels;  // a filled triangle of Size rows: Size * Size pixels
  } cases[] = {{16, 3, 9}, {17, 5, 25}};
  for (const auto& c : cases) {
    TSurface s(c.Width, 16);
    DrawArrowInRect(s.DC(), TRect{0, 0, c.Width, 16}, dxBarArrowDown, clBlack, true, true, false);
    EXPECT_EQ(CountColor(s, kBlack, TRect{0, 0, c.Width, 16}), c.Pixels) << c.Width;
    const TdxBarArrowShape shape = dxBarArrowShape(TRect{0, 0, c.Width, 16}, dxBarArrowDown, c.Size);
    EXPECT_EQ(s.Pixel(shape.Points[0].X, shape.Points[0].Y), kBlack);
    EXPECT_EQ(s.Pixel(shape.Points[1].X, shape.Points[1].Y), kBlack);
    EXPECT_EQ(s.Pixel(shape.Points[2].X, shape.Points[2].Y), kBlack) << "the tip";
    EXPECT_EQ(s.Pixel(shape.Points[2].X, shape.Points[2].Y + 1), kWhite);
  }
  // Disabled: the button-shadow colour, and an embossed edge unless flat.
  const uint32_t shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
  auto rgb = [](uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); };
  TSurface flat(16, 16, RGB(0, 0, 0)), raised(16, 16, RGB(0, 0, 0));
  DrawArrowInRect(flat.DC(), TRect{0, 0, 16, 16}, dxBarArrowRight, TColor(0x20000000), true, false, false);
  DrawArrowInRect(raised.DC(), TRect{0, 0, 16, 16}, dxBarArrowRight, TColor(0x20000000), false, false, false);
  EXPECT_EQ(CountColor(flat, rgb(shadow), TRect{0, 0, 16, 16}), 16) << "size 4: 7 + 5 + 3 + 1";
  EXPECT_EQ(CountColor(flat, rgb(highlight), TRect{0, 0, 16, 16}), 0) << "no embossed edge when flat";
  EXPECT_GT(CountColor(raised, rgb(highlight), TRect{0, 0, 16, 16}), 0);
}

TEST(BarRoutinesTest, FramesAndTheCheckedPattern) {
  TSurface s(8, 7, RGB(255, 255, 255));
  DrawDoubleFocusRect(s.DC(), TRect{0, 0, 8, 7});
  const COLORREF text = GetSysColor(COLOR_BTNTEXT);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(s.Color(x, y) == text, dxBarDoubleFocusPixel(TRect{0, 0, 8, 7}, x, y)) << x << "," << y;

  TSurface c(16, 8);
  const RECT r{0, 0, 16, 8};
  FillRect(c.DC(), &r, CheckedButtonBrush());
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) EXPECT_EQ(c.Color(x, y), (x % 2) == (y % 2) ? face : light) << x << "," << y;

  TSurface dim(10, 10, RGB(255, 255, 255));
  DrawDimmedOverlay(dim.DC(), TRect{0, 0, 10, 10});
  EXPECT_NE(dim.Pixel(0, 0), kWhite) << "the hatch lies over the area";
}

TEST(BarRoutinesTest, BackgroundTilesAtTheOriginRect) {
  TBitmap tile;
  tile.SetWidth(16);
  tile.SetHeight(16);
  HDC t = tile.Canvas()->Handle();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) SetPixelV(t, x, y, RGB(x * 16, y * 16, 0x80));
  TSurface s(40, 12, RGB(1, 2, 3));
  FillBarBackground(s.DC(), TRect{0, 0, 32, 10}, TRect{8, 0, 40, 10}, &tile, clRed, nullptr);
  // The tiles went to x = -8, 8 and 24: pixel x shows the tile's column (x + 8) mod 16.
  for (int x : {0, 7, 8, 20, 31})
    EXPECT_EQ(s.Pixel(x, 3), uint32_t((((x + 8) % 16) * 16) << 16 | (3 * 16) << 8 | 0x80)) << x;
  EXPECT_EQ(s.Pixel(32, 3), 0x010203u) << "clipped to the rectangle";
  EXPECT_EQ(s.Pixel(5, 10), 0x010203u);

  // Clip regions saved and restored in pairs.
  HRGN saved = nullptr;
  bool existed = true;
  SaveDCClipRegion(s.DC(), saved, existed);
  EXPECT_FALSE(existed);
  IntersectClipRect(s.DC(), 0, 0, 2, 2);
  UniteClipWithRect(s.DC(), TRect{30, 0, 34, 2});
  RECT box{};
  GetClipBox(s.DC(), &box);
  EXPECT_EQ(box.right, 34);
  RestoreDCClipRegion(s.DC(), saved, existed);
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(s.DC(), probe), 0) << "no clipping again";
  DeleteObject(probe);

  TBitmap empty;
  TSurface plain(10, 10);
  FillBarBackground(plain.DC(), TRect{0, 0, 10, 10}, TRect{0, 0, 10, 10}, &empty, clRed, nullptr);
  EXPECT_EQ(plain.Pixel(4, 4), 0xFF0000u) << "no bitmap: the colour";
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  FillBarBackground(plain.DC(), TRect{0, 0, 10, 10}, TRect{0, 0, 10, 10}, nullptr, clRed, blue);
  EXPECT_EQ(plain.Pixel(4, 4), 0x0000FFu) << "the brush before the colour";
  DeleteObject(blue);
}

TEST(BarRoutinesTest, GlyphModesAndTheirCache) {
  TBitmap glyph;
  glyph.SetWidth(16);
  glyph.SetHeight(16);
  HDC g = glyph.Canvas()->Handle();
  const RECT all{0, 0, 16, 16}, inner{4, 4, 12, 12};
  HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255)), red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(g, &all, magenta);
  FillRect(g, &inner, red);
  DeleteObject(magenta);
  DeleteObject(red);

  TdxCachedImageOptions cache;
  const TRect r{0, 0, 16, 16};
  TSurface normal(16, 16), disabled(16, 16);
  TdxBarImageDrawState state;
  DrawItemControlImage(&cache, true, normal.DC(), nullptr, true, false, state, clNone, -1, nullptr, &glyph, r, r);
  EXPECT_EQ(normal.Pixel(8, 8), 0xFF0000u) << "normal: the glyph";
  EXPECT_EQ(normal.Pixel(1, 1), kWhite) << "its left-bottom colour is transparent";
  EXPECT_EQ(cache.Builds(), 1);
  DrawItemControlImage(&cache, true, normal.DC(), nullptr, true, false, state, clNone, -1, nullptr, &glyph, r, r);
  EXPECT_EQ(cache.Builds(), 1) << "drawn again from the cache";
  state.NormalLook = false;
  DrawItemControlImage(&cache, true, disabled.DC(), nullptr, true, false, state, clNone, -1, nullptr, &glyph, r, r);
  EXPECT_EQ(cache.Builds(), 2) << "another mode makes the cache again";
  EXPECT_NE(disabled.Pixel(8, 8), 0xFF0000u) << "disabled does not show the glyph's colour";
  TSurface direct(16, 16);
  DrawItemControlImage(nullptr, true, direct.DC(), nullptr, true, false, state, clNone, -1, nullptr, &glyph, r, r);
  EXPECT_EQ(direct.Pixel(8, 8), disabled.Pixel(8, 8)) << "the cache draws what the routine draws";
  state = TdxBarImageDrawState{.HighlightShadow = true, .Selected = true, .Lighten = true};
  DrawItemControlImage(&cache, true, normal.DC(), nullptr, true, false, state, clNone, -1, nullptr, &glyph, r, r);
  EXPECT_EQ(cache.Builds(), 2) << "the shadowed mode is not cached";
  DrawItemControlImage(&cache, false, normal.DC(), nullptr, true, false, TdxBarImageDrawState{}, clNone, -1, nullptr,
                       &glyph, r, r);
  EXPECT_EQ(cache.Builds(), 2) << "CacheGlyphs off";
}

TEST(BarRoutinesTest, SearchesForManagersAndForms) {
  THostForm* form = MakeForm();
  auto* manager = new TdxBarManager(form);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->HandleNeeded();
  auto* inner = new TPanel(panel);
  inner->SetParent(panel);
  inner->HandleNeeded();
  auto* plain = new TComponent(inner);
  EXPECT_EQ(FindManagerOfOwner(nullptr), nullptr);
  EXPECT_EQ(FindManagerOfOwner(manager), manager);
  EXPECT_EQ(FindManagerOfOwner(form), manager);
  EXPECT_EQ(FindWindowedOwner(plain), inner);
  EXPECT_EQ(FindManagerOfComponent(plain), manager) << "climbs from the panel to the form's manager";
  EXPECT_EQ(FindManagerOfWindow(form->Handle()), manager);
  EXPECT_EQ(FindManagerOfWindow(panel->Handle()), nullptr);
  EXPECT_EQ(FindControlAboveChildWindow(inner->Handle()), panel);
  EXPECT_EQ(FindControlForm(inner, 0), form);
  EXPECT_EQ(FindControlForm(inner, 1), form) << "no MDI child: the top form";
  EXPECT_EQ(FindControlForm(inner, 2), form);
  EXPECT_TRUE(IsControlWithin(form, inner));
  EXPECT_TRUE(IsControlWithin(panel, inner));
  EXPECT_FALSE(IsControlWithin(inner, panel));
  EXPECT_TRUE(IsControlInManagerOwner(manager, inner));
  EXPECT_TRUE(WindowContainsManagerOwner(manager, form->Handle()));
  EXPECT_FALSE(WindowContainsManagerOwner(manager, panel->Handle()));
  EXPECT_EQ(FormOfManager(manager, 0), form);
  EXPECT_EQ(FormOfComponent(plain), form);
  EXPECT_EQ(FindNearestControlOfWindow(inner->Handle()), inner);
  EXPECT_TRUE(WindowHasAncestor(inner->Handle(), form->Handle()));
  EXPECT_FALSE(WindowHasAncestor(form->Handle(), inner->Handle()));
  EXPECT_EQ(BooleanToItemVisible(true), ivAlways);
  EXPECT_EQ(BooleanToItemVisible(false), ivNever);
  EXPECT_FALSE(IsOtherProcessWindow(form->Handle()));
  EXPECT_TRUE(IsOtherProcessWindow(nullptr));
  form->Free();
}

TEST(BarRoutinesTest, PumpsPassQuitOnAndKeysMakeShortCuts) {
  THostForm* form = MakeForm();
  PostMessageW(form->Handle(), WM_MOUSEMOVE, 0, 0);
  PostQuitMessage(7);
  DispatchPendingMouseMessages();
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is posted again";
  EXPECT_EQ(msg.wParam, 7u);
  PostMessageW(form->Handle(), WM_CHAR, 'a', 0);
  PostMessageW(form->Handle(), WM_CHAR, 'b', 0);
  RemoveCharMessages(form->Handle());
  EXPECT_FALSE(PeekMessageW(&msg, form->Handle(), WM_CHAR, WM_CHAR, PM_NOREMOVE));

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE pressed[256];
  memcpy(pressed, keys, sizeof(keys));
  pressed[VK_SHIFT] = 0x80;
  pressed[VK_CONTROL] = 0x80;
  SetKeyboardState(pressed);
  EXPECT_EQ(KeyToShortCut('S', 0), 0x6000 + 'S');
  EXPECT_EQ(KeyToShortCut('S', LPARAM(1) << 29), 0xE000 + 'S');
  EXPECT_EQ(KeyToShortCut(0, LPARAM(1) << 29), 0);
  SetKeyboardState(keys);
  EXPECT_EQ(KeyToShortCut('S', 0), 'S');
  EXPECT_EQ(ShortCutHintText(0), L"");
  EXPECT_EQ(ShortCutHintText(0x4000 + 'S'), L" (Ctrl+S)");
  EXPECT_TRUE(KeyProducesChar('A'));
  EXPECT_FALSE(KeyProducesChar(VK_SPACE));
  EXPECT_FALSE(KeyProducesChar(VK_F5));
  form->Free();
}

TEST(BarRoutinesTest, DpiAlphaAndTheLibraryMessageBox) {
  SetdxBarScreenDPIOverride(144);
  EXPECT_EQ(ScaleByScreenDPI(16), 24);
  EXPECT_EQ(ScaleByScreenDPI(3), 4) << "4.5 to the even neighbour";
  EXPECT_EQ(ScaleByScreenDPI(5), 8) << "7.5 to the even neighbour";
  SetdxBarScreenDPIOverride(0);
  EXPECT_EQ(ScaleByScreenDPI(16), MulDiv(16, GetScreenDPI().X, 96));

  THostForm* form = MakeForm();
  const HWND wnd = form->Handle();
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
  SetWindowAlpha(wnd, 255);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_EXSTYLE), style) << "255 on a window that is not layered changes nothing";
  SetWindowAlpha(wnd, 128);
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags);
  EXPECT_EQ(alpha, 128);
  SetWindowAlpha(wnd, 255);
  EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);

  UINT_PTR timer = SetTimer(wnd, 5, 10000, nullptr);
  EXPECT_TRUE(KillTimerAndClear(wnd, timer));
  EXPECT_EQ(timer, 0u);
  EXPECT_FALSE(KillTimerAndClear(wnd, timer));

  auto* manager = new TdxBarManager(form);
  Application->SetTitle(L"Quellor");
  TDialogAnswerScope answers;
  String text, caption;
  UINT type = 0;
  answers.Expect(dkMessageBox, [&](TDialogRequest& r) {
    text = r.Text;
    caption = r.Caption;
    type = r.Type;
    return IDNO;
  });
  manager->ResetUsageData();
  EXPECT_EQ(text,
            L"This will delete the record of the commands you've used in this application and restore the default "
            L"set of visible commands to the menus and toolbars. It will not undo any explicit customizations.   "
            L"Are you sure you want to proceed?");
  EXPECT_EQ(caption, L"Quellor") << "the application's title";
  EXPECT_EQ(type, UINT(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
  form->Free();
}

// The routines side by side on the button face, saved for a person to look at.
TEST(BarRoutinesTest, SampleSheet) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  TSurface s(232, 40, face);
  HDC dc = s.DC();
  DrawArrowInRect(dc, TRect{4, 4, 20, 20}, dxBarArrowDown, TColor(0x20000000), false, true, false);
  DrawArrowInRect(dc, TRect{24, 4, 41, 20}, dxBarArrowDown, TColor(0x20000000), false, false, false);
  DrawArrowInRect(dc, TRect{44, 4, 60, 20}, dxBarArrowRight, TColor(0x20000000), true, false, false);
  DrawArrowInRect(dc, TRect{64, 4, 80, 20}, dxBarArrowRight, clNavy, true, true, false);
  DrawDoubleFocusRect(dc, TRect{84, 4, 110, 20});
  const RECT checked{114, 4, 134, 20};
  FillRect(dc, &checked, CheckedButtonBrush());
  DrawTransparentSizeGrip(dc, TRect{138, 4, 154, 20});
  DrawDimmedOverlay(dc, TRect{158, 4, 190, 20});
  TBitmap glyph;
  glyph.SetWidth(16);
  glyph.SetHeight(16);
  HDC g = glyph.Canvas()->Handle();
  const RECT all{0, 0, 16, 16}, body{3, 3, 13, 13};
  HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255)), teal = CreateSolidBrush(RGB(0, 128, 128));
  FillRect(g, &all, magenta);
  FillRect(g, &body, teal);
  DeleteObject(magenta);
  DeleteObject(teal);
  TdxCachedImageOptions cache;
  TdxBarImageDrawState state;
  DrawItemControlImage(&cache, true, dc, nullptr, true, false, state, clNone, -1, nullptr, &glyph, TRect{194, 4, 210, 20},
                       TRect{194, 4, 210, 20});
  state.NormalLook = false;
  DrawItemControlImage(&cache, true, dc, nullptr, true, false, state, clNone, -1, nullptr, &glyph,
                       TRect{212, 4, 228, 20}, TRect{212, 4, 228, 20});
  FrameHighlightRect(dc, TRect{4, 24, 228, 36});
  const vamire_test::Capture shot = vamire_test::CaptureDC(dc, 0, 0, 232, 40);
  EXPECT_TRUE(shot.SavePng(L"bars_routines.png"));
  EXPECT_GT(shot.CountNot(((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF)), 200u);
}

}  // namespace
