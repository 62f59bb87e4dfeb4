// A swatch form as the picture-adjustment window builds it: 7 x 36 bordered
// colour panels made at run time, a rounded swatch with a caption, a gradient
// panel, and a bottom band holding a marquee and a status pane. Shown,
// captured to panels_swatches.png for a person to look at, and checked.
#include <gtest/gtest.h>

#include "panels_test_support.h"

using namespace panels_test;

namespace {

const bool registered = (::testing::AddGlobalTestEnvironment(new TPanelUnits), true);

constexpr int Columns = 36, Rows = 7, Cell = 18;

TColor SwatchColor(int Column, int Row) {
  return JoinColorHls(std::uint8_t(Column * 239 / Columns), 200, std::uint8_t(50 + Row * 24));
}

TEST(PanelScreenshotTest, ASwatchFormLooksRight) {
  THostForm* form = MakeForm(Columns * Cell + 24, 360);
  form->SetCaption(L"Picture adjustment");
  form->SetColor(clBtnFace);
  UseCrispFont(form->Font());

  std::vector<TRzPanel*> swatches;
  for (int row = 0; row < Rows; ++row)
    for (int column = 0; column < Columns; ++column) {
      auto* swatch = new TRzPanel(form);
      swatch->SetBounds(8 + column * Cell, 8 + row * Cell, Cell, Cell);
      swatch->SetColor(SwatchColor(column, row));
      swatch->SetCaption(L"");
      swatch->SetParent(form);
      swatches.push_back(swatch);
    }

  const int below = 8 + Rows * Cell + 10;
  auto* current = new TRzPanel(form);
  current->SetParent(form);
  current->SetBounds(8, below, 150, 60);
  current->SetBorderOuter(fsFlatRounded);
  current->SetColor(SwatchColor(20, 3));
  current->SetCaption(L"Current colour");
  current->Font()->SetColor(clWhite);

  auto* gradient = new TRzPanel(form);
  gradient->SetParent(form);
  gradient->SetBounds(170, below, 300, 60);
  gradient->SetBorderOuter(fsLowered);
  gradient->SetVisualStyle(vsGradient);
  gradient->SetGradientColorStyle(gcsCustom);
  gradient->SetGradientColorStart(clWhite);
  gradient->SetGradientColorStop(0x00A05020);
  gradient->SetGradientDirection(gdVerticalEnd);
  gradient->SetCaption(L"Brightness");
  gradient->SetAlignment(taLeftJustify);
  gradient->SetTextMargin(8);

  auto* band = new TRzPanel(form);
  band->SetParent(form);
  band->SetAlign(alBottom);
  band->SetHeight(30);
  band->SetBorderOuter(fsGroove);
  auto* marquee = new TRzMarqueeStatus(form);
  marquee->SetParent(band);
  marquee->SetBounds(4, 4, 420, 22);
  marquee->SetScrollDelay(60000);
  marquee->SetFrameStyle(fsNone);
  marquee->SetBorderWidth(0);
  marquee->SetTransparent(false);
  marquee->SetColor(clBlue);
  marquee->SetFillColor(clBlue);
  marquee->SetAlignment(taCenter);
  UseCrispFont(marquee->Font(), -15);
  marquee->Font()->SetColor(clYellow);
  marquee->Perform(CM_FONTCHANGED);
  marquee->SetCaption(L"Wall 1: picture adjusted, 36 colours on 7 rows");
  marquee->SetScrollSize(4);
  for (int i = 0; i < 80; ++i) marquee->ScrollTimer()->OnTimer()(marquee->ScrollTimer());
  auto* status = new TRzStatusPane(form);
  status->SetParent(band);
  status->SetBounds(432, 4, 150, 22);
  status->SetCaption(L"Ready");
  status->SetFrameStyle(fsStatus);

  form->Show();
  Pump();
  UpdateWindow(form->Handle());
  const vamire_test::Capture shot = vamire_test::CaptureClient(form->Handle());
  EXPECT_TRUE(shot.SavePng(L"panels_swatches.png"));

  for (TRzPanel* swatch : swatches) {
    const TRect b = swatch->BoundsRect();
    EXPECT_EQ(shot.At((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2), Rgb(swatch->Color()));
    EXPECT_EQ(shot.At(b.Left, b.Top + 5), Rgb(cl3DLight)) << "each swatch keeps its raised border";
  }
  const TRect g = gradient->BoundsRect();
  EXPECT_NE(shot.At(g.Left + 20, g.Top + 40), shot.At(g.Right - 20, g.Top + 40));
  const TRect m{band->Left() + 4, band->Top() + 4, band->Left() + 424, band->Top() + 26};
  EXPECT_NE(PixelsOf(shot, Rgb(clYellow), m), TRect{}) << "the marquee's text is on its way across";
  delete form;
}

}  // namespace
