// The label's drawing. An enhanced metafile records every text output with its
// reference point and colour, so the depth copies, the raised and lowered
// copies and the etched line are counted as the canvas received them; a
// capture of labels in both languages shows the effects to a person.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "cxLabel_win.h"
#include "cxLookAndFeels.h"
#include "support/WindowCapture.h"

namespace {

struct TextOut {
  TPoint At;
  COLORREF Color;
  int Escapement;  // of the last font the metafile made, in tenths of a degree
};

struct Recording {
  std::vector<TextOut> Texts;
  int Lines = 0;  // rectangle fills and line drawing (the etched line)
  int Escapement = 0;
};

int CALLBACK RecordRecord(HDC, HANDLETABLE*, const ENHMETARECORD* ARecord, int, LPARAM AData) {
  auto* rec = reinterpret_cast<std::pair<Recording*, COLORREF>*>(AData);
  switch (ARecord->iType) {
    case EMR_EXTCREATEFONTINDIRECTW:
      rec->first->Escapement = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(ARecord)->elfw.elfLogFont.lfEscapement;
      break;
    case EMR_SETTEXTCOLOR:
      rec->second = reinterpret_cast<const EMRSETTEXTCOLOR*>(ARecord)->crColor;
      break;
    case EMR_EXTTEXTOUTW: {
      const auto* t = reinterpret_cast<const EMREXTTEXTOUTW*>(ARecord);
      rec->first->Texts.push_back({{t->emrtext.ptlReference.x, t->emrtext.ptlReference.y}, rec->second, rec->first->Escapement});
      break;
    }
    case EMR_FILLRGN:
    case EMR_BITBLT:
    case EMR_LINETO:
    case EMR_POLYLINE16:
    case EMR_POLYGON16:
    case EMR_RECTANGLE:
      ++rec->first->Lines;
      break;
    default:
      break;
  }
  return 1;
}

std::unique_ptr<TFont> MakeFont(const wchar_t* AName, int ASizePoints) {
  auto font = std::make_unique<TFont>();
  font->SetName(AName);
  font->SetSize(ASizePoints);
  return font;
}

// Draws the label into a metafile and reads back what reached it.
Recording Record(const TcxLabelPaintParams& AParams) {
  HDC screen = GetDC(nullptr);
  HDC meta = CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
  ReleaseDC(nullptr, screen);
  {
    TCanvas canvas;
    canvas.SetHandle(meta);
    TcxCanvas cx(&canvas);
    cxPaintLabel(&cx, AParams);
    canvas.SetHandle(nullptr);
  }
  HENHMETAFILE emf = CloseEnhMetaFile(meta);
  Recording result;
  std::pair<Recording*, COLORREF> state{&result, 0};
  EnumEnhMetaFile(nullptr, emf, RecordRecord, &state, nullptr);
  DeleteEnhMetaFile(emf);
  return result;
}

class LabelPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    Font = MakeFont(L"Arial", 10);
    Params.Text = L"Wall";
    Params.Font = Font.get();
    Params.ClientRect = {0, 0, 200, 60};
    Params.TextColor = clBlack;
    Params.ShadowedColor = TColor(0x00808080);
  }
  std::unique_ptr<TFont> Font;
  TcxLabelPaintParams Params;
};

TEST_F(LabelPaint, DepthCopiesReachTheCanvas) {
  struct Case {
    TcxLabelEffect Effect;
    TcxLabelOrientation Orientation;
    int Depth;
    std::vector<TPoint> Expected;  // the copies, then the text
  };
  const Case cases[] = {
      {cxleCool, cxoRightBottom, 4, {{4, 4}, {0, 0}}},
      {cxleCool, cxoLeftTop, 4, {{0, 0}, {4, 4}}},
      {cxleExtrude, cxoRightBottom, 5, {{5, 5}, {4, 4}, {3, 3}, {2, 2}, {1, 1}, {0, 0}}},
      {cxleExtrude, cxoRightBottom, 0, {{0, 0}}},
      {cxleFun, cxoLeft, 0, {{0, 0}}},
      {cxleNormal, cxoRightBottom, 7, {{0, 0}}},
  };
  for (const auto& c : cases) {
    Params.Effect = c.Effect;
    Params.Orientation = c.Orientation;
    Params.Depth = c.Depth;
    const Recording rec = Record(Params);
    std::vector<TPoint> at;
    for (const auto& t : rec.Texts) at.push_back(t.At);
    EXPECT_EQ(at, c.Expected) << c.Effect << " " << c.Orientation << " " << c.Depth;
    ASSERT_FALSE(rec.Texts.empty());
    for (size_t i = 0; i + 1 < rec.Texts.size(); ++i) EXPECT_EQ(rec.Texts[i].Color, COLORREF(0x808080));
    EXPECT_EQ(rec.Texts.back().Color, COLORREF(0));
  }
}

TEST_F(LabelPaint, RaisedAndLoweredCopiesFollowTheFontSize) {
  const COLORREF hi = COLORREF(ColorToRGB(clBtnHighlight)), sh = COLORREF(ColorToRGB(clBtnShadow));
  struct Case {
    TcxLabelStyle Style;
    int Points;
    std::vector<COLORREF> Colors;
    TPoint TextAt;
  };
  const Case cases[] = {
      // The start moves by the style offset towards the depth's default side,
      // and the text lies one pixel further.
      {cxlsRaised, 10, {hi, 0}, {2, 2}},
      {cxlsRaised, 12, {hi, sh, 0}, {3, 3}},
      {cxlsLowered, 11, {hi, 0}, {2, 2}},
      {cxlsLowered, 12, {sh, hi, 0}, {3, 3}},
  };
  for (const auto& c : cases) {
    auto font = MakeFont(L"Arial", c.Points);
    Params.Font = font.get();
    Params.Style = c.Style;
    const Recording rec = Record(Params);
    std::vector<COLORREF> colors;
    for (const auto& t : rec.Texts) colors.push_back(t.Color);
    EXPECT_EQ(colors, c.Colors) << c.Style << " " << c.Points;
    if (!rec.Texts.empty()) EXPECT_EQ(rec.Texts.back().At, c.TextAt) << c.Style << " " << c.Points;
  }
}

TEST_F(LabelPaint, RotationAndLine) {
  // 450 degrees draws as 90: the same sizes and the same output.
  HDC dc = GetDC(nullptr);
  TCanvas canvas;
  canvas.SetHandle(dc);
  TcxCanvas cx(&canvas);
  const TSize flat = cxCalcLabelTextSize(&cx, Params);
  Params.Angle = 90;
  const TSize up = cxCalcLabelTextSize(&cx, Params);
  Params.Angle = 450;
  const TSize up450 = cxCalcLabelTextSize(&cx, Params);
  EXPECT_EQ(cxLabelEffectiveAngle(&cx, Font.get(), 450), 90);
  EXPECT_EQ(cxLabelEffectiveAngle(&cx, Font.get(), -90), 270);
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(up.cx, flat.cy);
  EXPECT_EQ(up.cy, flat.cx);
  EXPECT_EQ(up450, up);
  Params.Angle = 90;
  const Recording r90 = Record(Params);
  Params.Angle = 450;
  const Recording r450 = Record(Params);
  ASSERT_EQ(r90.Texts.size(), 1u);
  ASSERT_EQ(r450.Texts.size(), 1u);
  EXPECT_EQ(r90.Texts[0].At, r450.Texts[0].At);
  EXPECT_EQ(r90.Texts[0].Escapement, 900);
  EXPECT_EQ(r450.Texts[0].Escapement, 900);

  // The etched line shows at 0 and 90 degrees only.
  Params.LineVisible = true;
  Params.Painter = GetPainterOfKind(lfStandard);
  Params.Angle = 0;
  EXPECT_GT(Record(Params).Lines, 0);
  Params.Angle = 90;
  EXPECT_GT(Record(Params).Lines, 0);
  Params.Angle = 45;
  EXPECT_EQ(Record(Params).Lines, 0);
}

// Every effect, in English and Chinese, on a button-face background: looked at
// as labels_effects.png; asserted only to have drawn in every cell.
TEST_F(LabelPaint, EffectsInBothLanguages) {
  constexpr int W = 540, H = 300, CellW = 180, CellH = 60;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  void* bits = nullptr;
  HBITMAP dib = vamire_test::CreateTopDownDib(dc, W, H, &bits);
  HGDIOBJ old = SelectObject(dc, dib);
  TBitmap texture;
  texture.SetSize(4, 4);
  texture.Canvas()->Brush()->SetColor(TColor(0x0000C0));
  texture.Canvas()->FillRect({0, 0, 4, 2});
  texture.Canvas()->Brush()->SetColor(TColor(0xC06000));
  texture.Canvas()->FillRect({0, 2, 4, 4});
  // The classic face grey, so the white of raised and lowered text shows.
  const TColor Face = TColor(0xC8D0D4);
  auto font = MakeFont(L"SimSun", 16);
  font->SetStyle(TFontStyles{fsBold});
  auto outlineFont = MakeFont(L"SimSun", 22);
  {
    TCanvas canvas;
    canvas.SetHandle(dc);
    TcxCanvas cx(&canvas);
    cx.FillRect({0, 0, W, H}, Face);
    struct Cell {
      const wchar_t* Text;
      TcxLabelEffect Effect;
      TcxLabelStyle Style;
      TcxLabelOrientation Orientation;
      int Depth;
      int Angle;
      bool Texture;
      bool Line;
    };
    const Cell cells[] = {
        {L"Normal 正常", cxleNormal, cxlsNormal, cxoRightBottom, 0, 0, false, false},
        {L"Cool 阴影", cxleCool, cxlsNormal, cxoRightBottom, 3, 0, false, false},
        {L"Extrude 立体", cxleExtrude, cxlsNormal, cxoRightTop, 4, 0, false, false},
        {L"Fun 渐变", cxleFun, cxlsNormal, cxoLeftBottom, 4, 0, false, false},
        {L"Raised 凸起", cxleNormal, cxlsRaised, cxoRightBottom, 0, 0, false, false},
        {L"Lowered 凹陷", cxleNormal, cxlsLowered, cxoRightBottom, 0, 0, false, false},
        {L"Outline 轮廓", cxleNormal, cxlsOutLine, cxoRightBottom, 0, 0, false, false},
        {L"Texture 纹理", cxleNormal, cxlsNormal, cxoRightBottom, 0, 0, true, false},
        {L"Line 分隔线", cxleNormal, cxlsNormal, cxoRightBottom, 0, 0, false, true},
        {L"Up 向上", cxleCool, cxlsNormal, cxoRightBottom, 2, 90, false, false},
        {L"45° 斜", cxleNormal, cxlsNormal, cxoRightBottom, 0, 45, false, false},
        {L"&Wall 墙", cxleNormal, cxlsNormal, cxoRightBottom, 0, 0, false, false},
    };
    for (int i = 0; i < int(std::size(cells)); ++i) {
      const Cell& c = cells[i];
      TcxLabelPaintParams p;
      p.Text = c.Text;
      p.Font = c.Style == cxlsOutLine ? outlineFont.get() : font.get();
      p.TextColor = TColor(0x402000);
      p.BackgroundColor = Face;
      p.ShadowedColor = c.Effect == cxleFun ? TColor(0x0080FF) : clGrayText;
      const int x = (i % 3) * CellW, y = (i / 3) * CellH;
      p.ClientRect = {x + 6, y + 4, x + CellW - 6, y + CellH - 4};
      p.Horz = c.Angle ? cxltsCenter : cxltsNear;
      p.Vert = cxltsCenter;
      p.Effect = c.Effect;
      p.Style = c.Style;
      p.Orientation = c.Orientation;
      p.Depth = c.Depth;
      p.Angle = c.Angle;
      p.Glyph = c.Texture ? &texture : nullptr;
      p.LineVisible = c.Line;
      p.Painter = GetPainterOfKind(lfStandard);
      cxPaintLabel(&cx, p);
    }
    canvas.SetHandle(nullptr);
  }
  const vamire_test::Capture shot = vamire_test::CaptureDC(dc, 0, 0, W, H);
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  EXPECT_TRUE(shot.SavePng(L"labels_effects.png"));
  const uint32_t face = shot.At(0, 0);
  for (int cell = 0; cell < 12; ++cell) {
    const int x0 = (cell % 3) * CellW, y0 = (cell / 3) * CellH;
    int inked = 0;
    for (int y = y0; y < y0 + CellH; ++y)
      for (int x = x0; x < x0 + CellW; ++x) inked += shot.At(x, y) != face;
    EXPECT_GT(inked, 80) << cell;
  }
}

}  // namespace
