// The frame geometry of a skinned form without a window: caption buttons by
// style, their places, what points of the frame hit, the client rectangle the
// borders leave, scroll-bar parts and caption-button states.
#include <gtest/gtest.h>

#include "dxSkinsForm.h"

namespace {

using Icons = std::vector<TdxSkinFormIconType>;

TdxSkinFormFrameStyle Style(bool AMin, bool AMax, bool ASysMenu = true) {
  TdxSkinFormFrameStyle s;
  s.MinimizeBox = AMin;
  s.MaximizeBox = AMax;
  s.SystemMenu = ASysMenu;
  return s;
}

TEST(SkinFormGeometryTest, CaptionButtonsFollowTheStyle) {
  TdxSkinFormFrameStyle dialogHelp = Style(false, false);
  dialogHelp.Dialog = dialogHelp.ContextHelp = true;
  TdxSkinFormFrameStyle tool = Style(true, true);
  tool.ToolWindow = true;
  TdxSkinFormFrameStyle maximized = Style(true, true);
  maximized.Maximized = true;
  TdxSkinFormFrameStyle minimized = Style(true, true);
  minimized.Minimized = true;
  TdxSkinFormFrameStyle noCaption = Style(true, true);
  noCaption.Caption = false;
  TdxSkinFormFrameStyle helpNoDialog = Style(false, false);
  helpNoDialog.ContextHelp = true;
  const struct {
    const char* What;
    TdxSkinFormFrameStyle Style;
    Icons Expected;
  } cases[] = {
      {"all boxes", Style(true, true), {sfiMenu, sfiClose, sfiMaximize, sfiMinimize}},
      {"system menu only", Style(false, false), {sfiMenu, sfiClose}},
      {"dialog with help: close, then help to its left", dialogHelp, {sfiClose, sfiHelp}},
      {"help needs a dialog", helpNoDialog, {sfiMenu, sfiClose}},
      {"tool window: no icon", tool, {sfiClose, sfiMaximize, sfiMinimize}},
      {"maximized: restore", maximized, {sfiMenu, sfiClose, sfiRestore, sfiMinimize}},
      {"minimized: restore once", minimized, {sfiMenu, sfiClose, sfiMaximize, sfiRestore}},
      {"no system menu", Style(true, false, false), {sfiMinimize}},
      {"no caption: nothing", noCaption, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(dxSkinFormCaptionIcons(c.Style), c.Expected);
  }
}

TEST(SkinFormGeometryTest, CommandsAndHitCodesOfTheButtons) {
  const struct {
    TdxSkinFormIconType Type;
    std::uint32_t Command;
    int HitTest;
  } cases[] = {{sfiMenu, 0xF090, dxHTSYSMENU},     {sfiHelp, 0xF180, dxHTHELP},
               {sfiMinimize, 0xF020, dxHTMINBUTTON}, {sfiMaximize, 0xF030, dxHTMAXBUTTON},
               {sfiRestore, 0xF120, dxHTMAXBUTTON},  {sfiClose, 0xF060, dxHTCLOSE}};
  for (const auto& c : cases) {
    EXPECT_EQ(dxSkinFormIconCommand(c.Type), c.Command) << int(c.Type);
    EXPECT_EQ(dxSkinFormIconHitTest(c.Type), c.HitTest) << int(c.Type);
  }
}

// A 400 x 300 window with 4-pixel borders and a 30-pixel caption whose area
// is (4, 6) - (396, 26): 20-pixel square pictures.
std::vector<TdxSkinFormCaptionButton> Buttons(const Icons& AIcons, TRect* AText = nullptr, bool AMaximized = false) {
  std::vector<TdxSkinFormCaptionButton> buttons;
  for (TdxSkinFormIconType t : AIcons) buttons.push_back({t, {t == sfiMenu ? 16 : 20, t == sfiMenu ? 16 : 20}, {}, {}});
  const TRect text = dxSkinFormPlaceCaptionButtons(buttons, {4, 6, 396, 26}, 3, 14, AMaximized, 400);
  if (AText) *AText = text;
  return buttons;
}

TEST(SkinFormGeometryTest, ButtonsTakeTheEndsOfTheCaptionAndTheTextTheMiddle) {
  TRect text;
  const auto b = Buttons({sfiMenu, sfiClose, sfiMaximize, sfiMinimize}, &text);
  EXPECT_EQ(b[0].HitBounds, (TRect{4, 6, 20, 26}));
  EXPECT_EQ(b[0].Bounds, (TRect{4, 8, 20, 24}));  // centred in its hit bounds
  EXPECT_EQ(b[1].HitBounds, (TRect{376, 6, 396, 26}));
  EXPECT_EQ(b[2].HitBounds, (TRect{354, 6, 374, 26}));  // 2 pixels apart
  EXPECT_EQ(b[3].HitBounds, (TRect{332, 6, 352, 26}));
  EXPECT_EQ(text, (TRect{23, 9, 327, 23}));  // content offset at the left, 5 short of the buttons, centred

  const auto m = Buttons({sfiMenu, sfiClose, sfiRestore}, nullptr, true);
  EXPECT_EQ(m[0].HitBounds, (TRect{0, 0, 20, 26}));    // the screen's left and top edges hit the icon
  EXPECT_EQ(m[1].HitBounds, (TRect{376, 0, 400, 26}));  // and its top-right corner the close button
  EXPECT_EQ(m[2].HitBounds, (TRect{354, 0, 374, 26}));
  EXPECT_EQ(m[1].Bounds, (TRect{376, 6, 396, 26}));  // pictures stay where they were
}

TEST(SkinFormGeometryTest, CaptionAreaAndPictureSizes) {
  EXPECT_EQ(dxSkinFormCaptionArea({0, 0, 400, 30}, {2, 5, 4, 3}, 4, {4, 4}, false, false), (TRect{4, 5, 396, 27}));
  EXPECT_EQ(dxSkinFormCaptionArea({0, 0, 400, 30}, {2, 5, 4, 3}, 4, {4, 4}, false, true), (TRect{4, 6, 396, 27}));
  EXPECT_EQ(dxSkinFormCaptionArea({0, 0, 400, 30}, {2, 2, 4, 3}, 0, {8, 8}, true, false), (TRect{8, 8, 392, 27}));
  const struct {
    int Height;
    TSize Image;
    bool Tiled;
    TSize Expected;
  } sizes[] = {{20, {16, 16}, false, {20, 20}}, {20, {24, 16}, false, {30, 20}}, {21, {10, 20}, false, {11, 21}},
               {21, {16, 16}, true, {20, 20}},  {20, {16, 16}, true, {20, 20}},  {20, {0, 0}, false, {20, 20}},
               {0, {16, 16}, false, {0, 0}}};
  for (const auto& s : sizes) {
    const TSize got = dxSkinFormButtonPictureSize(s.Height, s.Image, s.Tiled);
    EXPECT_EQ(got.cx, s.Expected.cx) << s.Height << " " << s.Image.cx << "x" << s.Image.cy;
    EXPECT_EQ(got.cy, s.Expected.cy) << s.Height << " " << s.Image.cx << "x" << s.Image.cy;
  }
}

TEST(SkinFormGeometryTest, HitTestTable) {
  const auto buttons = Buttons({sfiMenu, sfiClose, sfiMaximize, sfiMinimize});
  TdxSkinFormHitTestInfo info;
  info.WindowSize = {400, 300};
  info.Widths = {4, 30, 4, 4};
  info.Band = {4, 4};
  info.Sizeable = true;
  info.Buttons = &buttons;
  TdxSkinFormHitTestInfo fixed = info;
  fixed.Sizeable = false;
  const auto maxButtons = Buttons({sfiMenu, sfiClose, sfiRestore, sfiMinimize}, nullptr, true);
  TdxSkinFormHitTestInfo maximized = info;
  maximized.Maximized = true;
  maximized.Buttons = &maxButtons;
  const struct {
    const char* What;
    const TdxSkinFormHitTestInfo* Info;
    TPoint P;
    int Expected;
  } cases[] = {
      {"top-left corner, as tall as the caption", &info, {1, 20}, dxHTTOPLEFT},
      {"top-right corner", &info, {398, 29}, dxHTTOPRIGHT},
      {"bottom-left corner", &info, {0, 299}, dxHTBOTTOMLEFT},
      {"bottom-right corner", &info, {399, 296}, dxHTBOTTOMRIGHT},
      {"left side below the caption", &info, {2, 30}, dxHTLEFT},
      {"top band", &info, {200, 3}, dxHTTOP},
      {"right side", &info, {397, 150}, dxHTRIGHT},
      {"bottom band", &info, {200, 298}, dxHTBOTTOM},
      {"close button", &info, {380, 10}, dxHTCLOSE},
      {"maximize button", &info, {360, 25}, dxHTMAXBUTTON},
      {"minimize button", &info, {340, 6}, dxHTMINBUTTON},
      {"system-menu icon", &info, {10, 10}, dxHTSYSMENU},
      {"between buttons", &info, {375, 10}, dxHTCAPTION},
      {"caption text", &info, {200, 15}, dxHTCAPTION},
      {"client area: the system answers", &info, {200, 150}, dxHTNOWHERE},
      {"outside the window", &info, {400, 150}, dxHTNOWHERE},
      {"fixed frame: no sizing at the corner", &fixed, {1, 20}, dxHTCAPTION},
      {"fixed frame: border is the system's", &fixed, {2, 150}, dxHTNOWHERE},
      {"maximized: no sizing", &maximized, {200, 1}, dxHTCAPTION},
      {"maximized: the corner pixel closes", &maximized, {399, 0}, dxHTCLOSE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(dxSkinFormHitTest(*c.Info, c.P), c.Expected);
  }
}

TEST(SkinFormGeometryTest, ClientRectangleLeftByTheBorders) {
  const struct {
    const char* What;
    TRect Widths;
    int BorderWidth;
    bool HScroll, VScroll;
    TRect Expected;
  } cases[] = {
      {"borders and caption", {4, 30, 4, 4}, 0, false, false, {104, 80, 496, 396}},
      {"the form's own border width on every side", {4, 30, 4, 4}, 3, false, false, {107, 83, 493, 393}},
      {"room for both scroll bars", {4, 30, 4, 4}, 0, true, true, {104, 80, 479, 379}},
      {"a frame wider than the window leaves nothing", {300, 350, 300, 300}, 0, true, true,
       {400, 400, 400, 400}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(dxSkinFormClientRect({100, 50, 500, 400}, c.Widths, c.BorderWidth, c.HScroll, c.VScroll, {17, 17}),
              c.Expected);
  }
  EXPECT_TRUE(dxSkinFormUsesSystemMetrics(true, false, false, true));
  EXPECT_TRUE(dxSkinFormUsesSystemMetrics(false, false, false, false));
  EXPECT_FALSE(dxSkinFormUsesSystemMetrics(false, false, false, true));
}

TEST(SkinFormGeometryTest, BorderBands) {
  const auto r = dxSkinFormBorderRects({400, 300}, {4, 30, 5, 6});
  EXPECT_EQ(r[0], (TRect{0, 0, 4, 300}));
  EXPECT_EQ(r[1], (TRect{0, 0, 400, 30}));
  EXPECT_EQ(r[2], (TRect{395, 0, 400, 300}));
  EXPECT_EQ(r[3], (TRect{0, 294, 400, 300}));
}

TEST(SkinFormGeometryTest, ScrollBarParts) {
  const auto h = dxSkinFormScrollBarParts({10, 200, 210, 217}, true, 17, 40, 60);
  EXPECT_EQ(h[1], (TRect{10, 200, 27, 217}));
  EXPECT_EQ(h[2], (TRect{193, 200, 210, 217}));
  EXPECT_EQ(h[3], (TRect{50, 200, 70, 217}));
  EXPECT_EQ(h[4], (TRect{27, 200, 50, 217}));
  EXPECT_EQ(h[5], (TRect{70, 200, 193, 217}));
  const auto v = dxSkinFormScrollBarParts({300, 0, 317, 100}, false, 17, 17, 30);
  EXPECT_EQ(v[3], (TRect{300, 17, 317, 30}));
  EXPECT_EQ(v[5], (TRect{300, 30, 317, 83}));
  // No thumb: the track is one part. Wild offsets stay inside the bar.
  const auto n = dxSkinFormScrollBarParts({0, 0, 100, 17}, true, 17, 0, 0);
  EXPECT_EQ(n[4], (TRect{17, 0, 83, 17}));
  EXPECT_EQ(n[3].Right - n[3].Left, 0);
  const auto w = dxSkinFormScrollBarParts({0, 0, 20, 17}, true, 17, -50, 5000);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_GE(w[i].Left, 0) << i;
    EXPECT_LE(w[i].Right, 20) << i;
    EXPECT_LE(w[i].Left, w[i].Right) << i;
  }
}

TEST(SkinFormGeometryTest, ButtonStates) {
  const struct {
    bool Active, Hot, Enabled, Pressed, Down;
    TdxSkinElementState Expected;
  } cases[] = {{false, true, true, true, true, esActiveDisabled}, {true, false, true, false, false, esNormal},
               {true, true, false, true, true, esNormal},          {true, true, true, true, true, esPressed},
               {true, true, true, true, false, esHot},             {true, true, true, false, true, esHot}};
  for (const auto& c : cases)
    EXPECT_EQ(dxSkinFormIconState(c.Active, c.Hot, c.Enabled, c.Pressed, c.Down), c.Expected)
        << c.Active << c.Hot << c.Enabled << c.Pressed << c.Down;
}

}  // namespace
