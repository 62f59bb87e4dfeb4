// The group box's drawing steps that stand without the control: the frame of
// the drawn looks by border style, and the caption turned along a side. A
// picture of the 13 caption alignments drawn from the layout is kept.
#include "boxes_test_support.h"
#include "cxGroupBox_win.h"

using namespace boxes_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBoxUnits);

constexpr uint32_t Paper = 0x00C8D0D8;
constexpr TColor Border = 0x00204080, Background = 0x00336699;

TEST(GroupBoxPaint, FrameByBorderStyle) {
  struct Case {
    const char* Name;
    TcxEditBorderStyle Style;
    bool Ctl3D;
    TColor Outer, Inner;  // the frame's left column and the one inside it; clNone: paper
  };
  const Case cases[] = {
      {"single", ebsSingle, true, Border, clNone},
      {"thick", ebsThick, true, Border, Border},
      {"flat: the flat painter's", ebsFlat, true, clBtnShadow, clBtnHighlight},
      {"3D: the standard painter's", ebs3D, true, clBtnShadow, clBtnHighlight},
      {"3D without Ctl3D", ebs3D, false, clWindowFrame, Background},
      {"ultra-flat: none", ebsUltraFlat, true, clNone, clNone},
      {"Office11: none", ebsOffice11, true, clNone, clNone},
      {"none", ebsNone, true, clNone, clNone},
  };
  auto expected = [](TColor C) { return C == clNone ? Paper : Rgb(C); };
  for (const Case& c : cases) {
    TcxGroupBoxFrameParams p;
    p.BorderStyle = c.Style;
    p.Ctl3D = c.Ctl3D;
    p.BorderColor = Border;
    p.BackgroundColor = Background;
    const vamire_test::Capture cap = PaintWith(100, 70, Paper, [&](TcxCanvas* canvas) {
      PaintGroupBoxFrameByBorderStyle(canvas, TRect{10, 10, 90, 60}, p);
    });
    EXPECT_EQ(cap.At(10, 35), expected(c.Outer)) << c.Name;
    EXPECT_EQ(cap.At(11, 35), expected(c.Inner)) << c.Name;
    EXPECT_EQ(cap.At(50, 10), expected(c.Outer)) << c.Name << ": top";
    EXPECT_EQ(cap.At(9, 35), Paper) << c.Name << ": nothing outside";
    EXPECT_EQ(cap.At(50, 35), Paper) << c.Name << ": nothing inside";
  }
  // Only the edges asked for.
  TcxGroupBoxFrameParams p;
  p.BorderColor = Border;
  p.Edges = TcxBorders{bTop, bRight, bBottom};
  const vamire_test::Capture cap =
      PaintWith(100, 70, Paper, [&](TcxCanvas* canvas) { PaintGroupBoxFrameByBorderStyle(canvas, TRect{10, 10, 90, 60}, p); });
  EXPECT_EQ(cap.At(10, 35), Paper);
  EXPECT_EQ(cap.At(50, 10), Rgb(Border));
}

// Ink per half of a caption band: the heavy "W" marks where the text starts.
struct TInk {
  int First = 0, Second = 0;
};
TInk InkAlong(const vamire_test::Capture& C, bool AVertical) {
  TInk ink;
  for (int y = 0; y < C.Height; ++y)
    for (int x = 0; x < C.Width; ++x)
      if (C.At(x, y) != 0x00FFFFFF) ((AVertical ? y < C.Height / 2 : x < C.Width / 2) ? ink.First : ink.Second)++;
  return ink;
}

TEST(GroupBoxPaint, SideCaptionsReadInOppositeDirections) {
  auto draw = [](TcxCaptionAlignment A) {
    return PaintWith(20, 80, 0x00FFFFFF, [&](TcxCanvas* c) {
      c->Font()->SetName(L"Tahoma");
      c->Font()->SetHeight(-13);
      c->Font()->SetColor(clBlack);
      DrawGroupBoxCaptionText(c, L"WWW . . . .", TRect{2, 2, 18, 78}, A, false, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
    });
  };
  const vamire_test::Capture left = draw(alLeftTop), right = draw(alRightTop);
  // Rotation code 2 (raPlus90, a clockwise quarter turn) for the left side, code 1 for the right.
  EXPECT_GT(InkAlong(left, true).First, 3 * InkAlong(left, true).Second) << "a left caption starts at the top";
  EXPECT_GT(InkAlong(right, true).Second, 3 * InkAlong(right, true).First) << "a right caption starts at the bottom";
  int mismatches = 0;
  for (int y = 0; y < left.Height; ++y)
    for (int x = 0; x < left.Width; ++x) mismatches += left.At(x, y) != right.At(left.Width - 1 - x, left.Height - 1 - y);
  EXPECT_EQ(mismatches, 0) << "one is the other turned half round";
}

// The 13 alignments drawn from the layout as the framed, drawn look does: the
// frame through the caption's middle, a gap under the caption, the children's
// rectangle marked. Kept as a picture to look at.
TEST(GroupBoxPaint, TheThirteenAlignmentsPicture) {
  constexpr int BoxW = 150, BoxH = 90, Cols = 5;
  const wchar_t* names[] = {L"Top left",     L"Top centre",  L"Top right",    L"Bottom left",  L"Bottom centre",
                            L"Bottom right", L"Left top",    L"Left centre",  L"Left bottom",  L"Right top",
                            L"Right centre", L"Right bottom", L"Centre"};
  const vamire_test::Capture cap = PaintWith(Cols * (BoxW + 10) + 10, 3 * (BoxH + 10) + 10, Rgb(clBtnFace), [&](TcxCanvas* c) {
    c->Font()->SetName(L"Tahoma");
    c->Font()->SetHeight(-11);
    c->Font()->SetColor(clWindowText);
    const int h = c->MeasureTextHeight(L"Wg");
    for (int a = alTopLeft; a <= alCenterCenter; ++a) {
      const auto alignment = TcxCaptionAlignment(a);
      const int x0 = 10 + (a % Cols) * (BoxW + 10), y0 = 10 + (a / Cols) * (BoxH + 10);
      c->SetWindowOrigin(TPoint{-x0, -y0});
      TcxGroupBoxExtentParams p;
      p.BorderExtent = TRect{1, 1, 1, 1};
      p.Alignment = alignment;
      p.CaptionTextHeight = h;
      const TRect extent = CalcGroupBoxBorderExtent(p);
      const TRect frame{extent.Left - 1, extent.Top - 1, BoxW - extent.Right + 1, BoxH - extent.Bottom + 1};
      const TRect client = CalcGroupBoxClientRect(BoxW, BoxH, CalcGroupBoxClientExtent(p), false, 0);
      c->FillRect(client, 0x00E8ECF0);
      const TcxGroupBoxCaptionPosition position = GroupBoxAlignmentToCaptionPosition(alignment);
      const bool turned = position == cxgpLeft || position == cxgpRight;
      const TSize text = c->MeasureText(names[a]);
      const TRect caption = CalcGroupBoxFramedCaptionRect(alignment, BoxW, BoxH, TSize{text.cx, text.cy}, false, true);
      c->PushClipRegion();
      DrawGroupBoxCaptionText(c, names[a], caption, alignment, false, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
      c->ExcludeClipRectangle(caption);
      TcxGroupBoxFrameParams f;
      f.BorderStyle = ebs3D;
      f.Position = turned ? position : cxgpTop;
      PaintGroupBoxFrameByBorderStyle(c, frame, f);
      c->PopClipRegion();
    }
    c->SetWindowOrigin(TPoint{0, 0});
  });
  EXPECT_TRUE(cap.SavePng(L"groupbox_alignments.png"));
  EXPECT_GT(cap.CountNot(Rgb(clBtnFace)), 5000u);
}

}  // namespace
