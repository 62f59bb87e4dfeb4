// The radio button's drawing in both prefixes: the painter's own glyph where
// the control puts it, the parent showing through a transparent button, the
// disabled caption, and a screenshot of the looks; the extended editors'
// drawing and measuring helpers.
#include <algorithm>
#include <string>
#include <vector>

#include "FormText.h"
#include "Streams.h"

#include "boxes_test_support.h"
#include "toolkit/core/popup_menu_handler.h"

using namespace boxes_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBoxUnits);

constexpr TColor Paper = 0x00D8E8F0;     // the form
constexpr TColor Coloured = 0x0040A0E0;  // a parent that must show through

struct TRadioPaint : testing::Test {
  THostForm* Form = MakeForm(420, 320);
  TRadioPaint() { Form->SetColor(Paper); }
  ~TRadioPaint() override { delete Form; }
  TcxRadioButton* NewRadio(TWinControl* AParent, int X, int Y, const String& ACaption,
                           TcxLookAndFeelKind AKind = lfUltraFlat, bool ANative = false) {
    auto* r = new TcxRadioButton(Form);
    r->SetParent(AParent);
    r->SetBounds(X, Y, 150, 21);
    r->SetCaption(ACaption);
    r->LookAndFeel()->SetKind(AKind);
    r->LookAndFeel()->SetNativeStyle(ANative);
    r->HandleNeeded();
    return r;
  }
  // The painter's glyph alone, over the control's colour.
  vamire_test::Capture PainterGlyph(TcxRadioButton* R, TcxButtonState AState, bool AChecked) {
    const TSize size = R->LookAndFeel()->Painter()->GetRadioGlyphSize();
    return PaintWith(size.cx, size.cy, Rgb(R->Color()), [&](TcxCanvas* c) {
      R->LookAndFeel()->Painter()->DrawRadioButton(c, 0, 0, AState, AChecked, false, R->Color(), false);
    });
  }
  static void ExpectGlyphAt(const vamire_test::Capture& AControl, const TRect& AGlyph,
                            const vamire_test::Capture& AExpected) {
    int differing = 0;
    for (int y = 0; y < AExpected.Height; ++y)
      for (int x = 0; x < AExpected.Width; ++x)
        differing += AControl.At(AGlyph.Left + x, AGlyph.Top + y) != AExpected.At(x, y);
    EXPECT_EQ(differing, 0);
  }
};

TEST_F(TRadioPaint, ThePaintersGlyphInEachStateWhereTheAlignmentPutsIt) {
  TcxRadioButton* r = NewRadio(Form, 10, 10, L"Wall");
  struct Case {
    bool Checked;
    bool Enabled;
    TcxButtonState State;
  };
  for (const Case c : {Case{false, true, cxbsNormal}, Case{true, true, cxbsNormal}, Case{true, false, cxbsDisabled}}) {
    r->SetChecked(c.Checked);
    r->SetEnabled(c.Enabled);
    const vamire_test::Capture cap = PaintControl(r);
    const TSize size = r->LookAndFeel()->Painter()->GetRadioGlyphSize();
    EXPECT_EQ(r->GlyphRect(), (TRect{1, (21 - size.cy) / 2, 1 + size.cx, (21 - size.cy) / 2 + size.cy}));
    ExpectGlyphAt(cap, r->GlyphRect(), PainterGlyph(r, c.State, c.Checked));
  }
  // Caption on the left: the glyph sits at the right edge.
  r->SetEnabled(true);
  r->SetAlignment(taLeftJustify);
  const vamire_test::Capture cap = PaintControl(r);
  EXPECT_EQ(r->GlyphRect().Right, r->Width());
  ExpectGlyphAt(cap, r->GlyphRect(), PainterGlyph(r, cxbsNormal, true));
}

TEST_F(TRadioPaint, TheParentShowsThroughATransparentButton) {
  auto* panel = new TPanel(Form);
  panel->SetParent(Form);
  panel->SetBounds(10, 10, 300, 100);
  panel->SetBevelOuter(bvNone);
  panel->SetColor(Coloured);
  panel->SetParentBackground(false);
  TcxRadioButton* r = NewRadio(panel, 20, 20, L"Wall");
  const uint32_t white = 0x00FFFFFF;
  EXPECT_EQ(PaintControl(r, white).At(r->Width() - 2, 1), Rgb(r->Color())) << "opaque: its own colour";
  r->SetTransparent(true);
  const vamire_test::Capture cap = PaintControl(r, white);
  EXPECT_EQ(cap.At(r->Width() - 2, 1), Rgb(Coloured)) << "beside the caption";
  EXPECT_EQ(cap.At(r->GlyphRect().Left, r->GlyphRect().Top), Rgb(Coloured)) << "the glyph's corner";
}

TEST_F(TRadioPaint, ADisabledCaptionIsEmbossedWhereThePainterGivesNoColour) {
  TcxRadioButton* r = NewRadio(Form, 10, 10, L"WWWW", lfStandard);
  r->SetEnabled(false);
  const vamire_test::Capture cap = PaintControl(r);
  int highlight = 0, shadow = 0, text = 0;
  for (int y = 0; y < cap.Height; ++y)
    for (int x = r->GlyphRect().Right + 2; x < cap.Width; ++x) {
      highlight += cap.At(x, y) == Rgb(clBtnHighlight);
      shadow += cap.At(x, y) == Rgb(clBtnShadow);
      text += cap.At(x, y) == Rgb(clWindowText);
    }
  EXPECT_GT(highlight, 10);
  EXPECT_GT(shadow, 10);
  EXPECT_EQ(text, 0);
}

TEST_F(TRadioPaint, OnlyMenusArePopupMenusAndAFreedMenuIsForgotten) {
  TcxRadioButton* r = NewRadio(Form, 10, 10, L"Wall");
  auto* other = new TPanel(Form);
  r->SetPopupMenu(other);
  EXPECT_EQ(r->PopupMenu(), nullptr);
  auto* menu = new TPopupMenu(Form);
  r->SetPopupMenu(menu);
  EXPECT_EQ(r->PopupMenu(), menu);
  delete menu;
  EXPECT_EQ(r->PopupMenu(), nullptr);
}

using core_test::TMenuHandler;

TEST_F(TRadioPaint, ContextMenuAtThePointerOrTheTopLeftCornerAndItsShortCut) {
  TcxRadioButton* r = NewRadio(Form, 10, 10, L"Wall");
  auto* menu = new TMenuHandler(Form);
  // Without a menu the request goes unanswered.
  const TPoint inside = r->ClientToScreen(TPoint{30, 5});
  EXPECT_EQ(SendMessageW(r->Handle(), WM_CONTEXTMENU, WPARAM(r->Handle()), MAKELPARAM(inside.X, inside.Y)), 0);
  r->SetPopupMenu(menu);
  EXPECT_EQ(SendMessageW(r->Handle(), WM_CONTEXTMENU, WPARAM(r->Handle()), MAKELPARAM(inside.X, inside.Y)), 1);
  // From the keyboard (-1, -1): at the control's top-left corner.
  SendMessageW(r->Handle(), WM_CONTEXTMENU, WPARAM(r->Handle()), MAKELPARAM(-1, -1));
  EXPECT_EQ(menu->Shown, (std::vector<TPoint>{inside, r->ClientToScreen(TPoint{0, 0})}));
  // The menu's short-cut keys are taken before the button sees them.
  EXPECT_EQ(r->Perform(CN_KEYDOWN, 'K', 0), 1);
  EXPECT_EQ(r->Perform(CN_KEYDOWN, 'J', 0), 0);
}

TEST_F(TRadioPaint, ReadFromAForm) {
  const String text =
      L"object Host: THostForm\n"
      L"  object Radio1: TcxRadioButton\n"
      L"    Left = 8\n"
      L"    Top = 8\n"
      L"    Width = 120\n"
      L"    Height = 21\n"
      L"    Caption = #20998#23631\n"
      L"    Checked = True\n"
      L"    LookAndFeel.Kind = lfOffice11\n"
      L"    LookAndFeel.NativeStyle = False\n"
      L"    TabOrder = 0\n"
      L"    Transparent = True\n"
      L"  end\n"
      L"  object Radio2: TcxRadioButton\n"
      L"    Left = 8\n"
      L"    Top = 34\n"
      L"    Width = 120\n"
      L"    Height = 21\n"
      L"    Caption = 'Wall'\n"
      L"    Alignment = taLeftJustify\n"
      L"    ParentBackground = False\n"
      L"    TabOrder = 1\n"
      L"  end\n"
      L"end\n";
  TStringStream in(FormTextToBinary(text));
  try {
    ReadComponentFromStream(&in, Form);
  } catch (const Exception& e) {
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* first = dynamic_cast<TcxRadioButton*>(Form->FindComponent(L"Radio1"));
  auto* second = dynamic_cast<TcxRadioButton*>(Form->FindComponent(L"Radio2"));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->Parent(), Form);
  EXPECT_EQ(first->Caption(), L"分屏");
  EXPECT_TRUE(first->Checked());
  EXPECT_TRUE(first->TabStop());
  EXPECT_TRUE(first->Transparent());
  EXPECT_EQ(first->LookAndFeel()->Kind(), lfOffice11);
  EXPECT_FALSE(first->LookAndFeel()->NativeStyle());
  EXPECT_FALSE(second->Checked());
  EXPECT_EQ(second->Alignment(), taLeftJustify);
  EXPECT_FALSE(second->ParentBackground());
  EXPECT_TRUE(second->ParentBackground() == false && first->ParentBackground()) << "on unless the form says otherwise";
}

// The looks side by side, as an operator sees them: ultra-flat, standard and
// flat drawn looks, then the native look (the themed prefix's visual style;
// the plain prefix has none and draws the kind's look instead).
TEST_F(TRadioPaint, Screenshot) {
  Form->SetBounds(60, 60, 500, 250);
  struct Column {
    const wchar_t* Title;
    TcxLookAndFeelKind Kind;
    bool Native;
  };
  const Column columns[] = {{L"Ultra-flat", lfUltraFlat, false}, {L"Standard", lfStandard, false},
                            {L"Native", lfUltraFlat, true}};
  for (int c = 0; c < 3; ++c) {
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(10 + 160 * c, 10, 150, 200);
    panel->SetBevelOuter(bvNone);
    panel->SetCaption(L"");
    auto* title = new TLabel(Form);
    title->SetParent(panel);
    title->SetBounds(8, 6, 130, 16);
    title->SetCaption(columns[c].Title);
    const wchar_t* captions[] = {L"&Single screen", L"Wall 2 x 2", L"分屏显示", L"Disabled", L"Transparent"};
    for (int i = 0; i < 5; ++i) {
      TcxRadioButton* r = NewRadio(panel, 8, 28 + 26 * i, captions[i], columns[c].Kind, columns[c].Native);
      r->SetWidth(134);
      if (i == 1) r->SetChecked(true);
      if (i == 3) r->SetEnabled(false);
      if (i == 4) r->SetTransparent(true);
    }
    auto* strip = new TPanel(Form);
    strip->SetParent(panel);
    strip->SetBounds(4, 154, 142, 30);
    strip->SetBevelOuter(bvNone);
    strip->SetColor(Coloured);
    strip->SetParentBackground(false);
    TcxRadioButton* over = NewRadio(strip, 4, 5, L"Over colour", columns[c].Kind, columns[c].Native);
    over->SetWidth(130);
    over->SetTransparent(true);
    over->SetChecked(true);
  }
  Form->Show();
  SetForegroundWindow(Form->Handle());
  PumpFor(200);
  const vamire_test::Capture cap = vamire_test::CaptureClient(Form->Handle());
  const std::wstring prefix = vamire_test::InThemedPrefix() ? L"themed" : L"plain";
  EXPECT_TRUE(cap.SavePng(L"radio_buttons_" + prefix + L".png"));
  EXPECT_GT(cap.CountNot(Rgb(Paper)), 1000u);
}

// --- Extended editors' helpers --------------------------------------------------------------
TEST(ExtEditDrawing, DoubleSeparatorLinesAtTheBottomInTheLightOrDarkColour) {
  for (const bool light : {false, true}) {
    const vamire_test::Capture cap =
        PaintWith(20, 10, 0x00808080, [&](TcxCanvas* c) { DrawDoubleSeparatorLine(c, TRect{2, 0, 18, 10}, light); });
    const uint32_t line = Rgb(light ? clWindow : clWindowText);
    for (int y = 0; y < 10; ++y) {
      const bool onLine = y == 7 || y == 9;
      EXPECT_EQ(cap.At(5, y), onLine ? line : 0x00808080u) << y;
    }
    EXPECT_EQ(cap.At(1, 9), 0x00808080u) << "nothing left of R";
    EXPECT_EQ(cap.At(17, 9), line);
  }
}

TEST(ExtEditDrawing, TextSizesInTheGivenFont) {
  TFont font;
  font.SetName(L"Tahoma");
  font.SetHeight(-23);
  TBitmap b;
  b.Canvas()->Font()->Assign(&font);
  EXPECT_EQ(GetFontTextHeight(&font), b.Canvas()->TextHeight(L"Wg"));
  EXPECT_EQ(GetFontTextWidth(&font, L"Video wall"), b.Canvas()->TextWidth(L"Video wall"));
  EXPECT_GT(GetFontTextHeight(&font), 20);
}

TEST(ExtEditDrawing, OnlyTrueTypeFontsTurnAndAWholeTurnIsNone) {
  TBitmap b;
  TFont font;
  font.SetName(L"Tahoma");
  font.SetHeight(-13);
  auto escapement = [&]() {
    LOGFONTW lf{};
    GetObjectW(b.Canvas()->Font()->Handle(), sizeof lf, &lf);
    return lf.lfEscapement;
  };
  struct Case {
    int Angle;
    LONG Escapement;
  };
  for (const Case c : {Case{90, 900}, Case{-90, 2700}, Case{360, 0}, Case{450, 900}, Case{0, 0}}) {
    EXPECT_TRUE(SetRotatedFont(b.Canvas(), &font, c.Angle)) << c.Angle;
    EXPECT_EQ(escapement(), c.Escapement) << c.Angle;
    EXPECT_EQ(b.Canvas()->Font()->Height(), -13);
  }
}

}  // namespace
