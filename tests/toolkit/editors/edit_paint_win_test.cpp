// The view data and view info of a 121 x 21 editor with one drop-down button:
// where border, content and button go and the pixels they paint on a memory
// DC, in the standard, flat and ultra-flat looks; and the native branch,
// whose theme parts and states are asserted through the recording fake (D-45).
#include "edit_test_support.h"

#include <vssym32.h>

#include "support/TestPrefix.h"
#include "toolkit/core/graphics_win_test_support.h"
#include "toolkit/lookandfeel/lookandfeel2_test_support.h"

namespace {

using namespace edit_test;
using core_graphics_test::CanvasSurface;
using core_graphics_test::Rgb;

testing::Environment* const units = testing::AddGlobalTestEnvironment(new TEditUnits);

// Properties with one drop-down button and an editor style of one look.
struct TEditorModel {
  explicit TEditorModel(TcxLookAndFeelKind AKind, bool ANative = false)
      : Properties(nullptr), Styles(nullptr, TcxEditStyle::StaticClass()) {
    Properties.Buttons()->Add();
    Style()->LookAndFeel()->SetKind(AKind);
    Style()->LookAndFeel()->SetNativeStyle(ANative);
    Style()->SetColor(clWindow);
  }
  TcxEditStyle* Style() { return static_cast<TcxEditStyle*>(Styles.Style()); }
  // Calculates for the mouse at P and paints on S.
  void Paint(CanvasSurface& S, const TPoint& P = TPoint{-1, -1}, int AButtonCode = 0) {
    std::unique_ptr<TcxCustomEditViewData> data(Properties.CreateViewData(Style(), false));
    data->Calculate(&S.Cx, TRect{0, 0, 121, 21}, P, AButtonCode, {}, &ViewInfo, AButtonCode != 0);
    ViewInfo.Render(&S.Cx);
  }
  TcxCustomEditProperties Properties;
  TcxContainerStyles Styles;
  TcxCustomEditViewInfo ViewInfo;
};

uint32_t Sys(TColor AColor) { return Rgb(AColor); }

// The arrow: some pixel of the button's middle rows has the text colour.
bool HasArrow(CanvasSurface& S, const TRect& AButton) {
  vamire_test::Capture cap = S.Cap();
  for (int y = AButton.Top; y < AButton.Bottom; ++y)
    for (int x = AButton.Left; x < AButton.Right; ++x)
      if (cap.At(x, y) == Sys(clBtnText)) return true;
  return false;
}

TEST(EditPaint, StandardLookDraws3DFrameAnd3DButton) {
  TEditorModel m(lfStandard);
  CanvasSurface s(121, 21);
  m.Paint(s);
  const int w = GetSystemMetrics(SM_CYHSCROLL);
  EXPECT_EQ(m.ViewInfo.EditBorderStyle, ebs3D);
  EXPECT_EQ(m.ViewInfo.BorderRect, (TRect{2, 2, 119, 19}));
  ASSERT_EQ(m.ViewInfo.ButtonCount(), 1);
  const TcxEditButtonViewInfo* b = m.ViewInfo.Button(0);
  EXPECT_EQ(b->Style, bts3D);
  EXPECT_EQ(b->Bounds, (TRect{119 - w, 2, 119, 19}));
  EXPECT_EQ(m.ViewInfo.ClientRect, (TRect{2, 2, 119 - w, 19}));
  EXPECT_EQ(m.ViewInfo.PopupBorderStyle, epbsSingle);
  s.Save(L"edit_paint_standard");
  vamire_test::Capture cap = s.Cap();
  EXPECT_EQ(cap.At(0, 0), Sys(clBtnShadow));
  EXPECT_EQ(cap.At(1, 1), Sys(cl3DDkShadow));
  EXPECT_EQ(cap.At(120, 20), Sys(clBtnHighlight));
  EXPECT_EQ(cap.At(119, 19), Sys(cl3DLight));
  EXPECT_EQ(cap.At(10, 10), Sys(clWindow));
  EXPECT_EQ(cap.At(b->Bounds.Left, b->Bounds.Top), Sys(cl3DLight));
  EXPECT_EQ(cap.At(b->Bounds.Left + 1, b->Bounds.Top + 1), Sys(clBtnHighlight));
  EXPECT_EQ(cap.At(b->Bounds.Right - 1, b->Bounds.Bottom - 1), Sys(cl3DDkShadow));
  EXPECT_EQ(cap.At(b->Bounds.Left + 2, b->Bounds.Top + 2), Sys(clBtnFace));
  EXPECT_TRUE(HasArrow(s, b->Bounds));
}

TEST(EditPaint, FlatLookDrawsFlatFrameAndFlatButton) {
  TEditorModel m(lfFlat);
  CanvasSurface s(121, 21);
  m.Paint(s);
  const TcxEditButtonViewInfo* b = m.ViewInfo.Button(0);
  EXPECT_EQ(m.ViewInfo.EditBorderStyle, ebsFlat);
  EXPECT_EQ(b->Style, btsFlat);
  EXPECT_EQ(m.ViewInfo.PopupBorderStyle, epbsFlat);
  s.Save(L"edit_paint_flat");
  vamire_test::Capture cap = s.Cap();
  EXPECT_EQ(cap.At(0, 0), Sys(clBtnShadow));
  EXPECT_EQ(cap.At(1, 1), Sys(clBtnFace));
  EXPECT_EQ(cap.At(120, 20), Sys(clBtnHighlight));
  // A line of the background, then the button's raised frame.
  EXPECT_EQ(cap.At(b->Bounds.Left, 10), Sys(clWindow));
  EXPECT_EQ(cap.At(b->Bounds.Left + 1, b->Bounds.Top), Sys(clBtnHighlight));
  EXPECT_EQ(cap.At(b->Bounds.Right - 2, b->Bounds.Bottom - 1), Sys(clBtnShadow));
  EXPECT_EQ(cap.At(b->Bounds.Right - 1, 10), Sys(clWindow));
  EXPECT_TRUE(HasArrow(s, b->Bounds));
}

TEST(EditPaint, UltraFlatLookDrawsSingleFrameAndHighlightsTheHotButton) {
  TEditorModel m(lfUltraFlat);
  CanvasSurface s(121, 21);
  m.Paint(s);
  const TcxEditButtonViewInfo* b = m.ViewInfo.Button(0);
  EXPECT_EQ(m.ViewInfo.EditBorderStyle, ebsSingle);
  // The transparent border keeps two pixels; the frame is the inner one.
  EXPECT_EQ(m.ViewInfo.BorderRect, (TRect{2, 2, 119, 19}));
  EXPECT_EQ(b->Style, btsUltraFlat);
  s.Save(L"edit_paint_ultraflat");
  vamire_test::Capture cap = s.Cap();
  EXPECT_EQ(cap.At(1, 1), Sys(clBtnShadow)) << "not hot: the shadow colour";
  EXPECT_EQ(cap.At(0, 0), Sys(clWhite)) << "the transparent border's outer pixel is left alone";
  EXPECT_EQ(cap.At(b->Bounds.Left + 1, b->Bounds.Top + 1), Sys(clBtnFace));
  EXPECT_TRUE(HasArrow(s, b->Bounds));

  // The mouse over the button: the editor's frame and the button take the highlight.
  CanvasSurface hot(121, 21);
  m.Paint(hot, TPoint{110, 10});
  EXPECT_EQ(m.ViewInfo.Button(0)->State, ebsSelected);
  EXPECT_EQ(m.ViewInfo.SelectedButton, 0);
  EXPECT_EQ(m.ViewInfo.GetPartIndexAt(TPoint{110, 10}), 0);
  EXPECT_EQ(m.ViewInfo.GetPartIndexAt(TPoint{10, 10}), -1);
  EXPECT_EQ(m.ViewInfo.GetPartIndexAt(TPoint{0, 10}), -2);
  hot.Save(L"edit_paint_ultraflat_hot");
  b = m.ViewInfo.Button(0);  // the repaint made the view info's buttons anew
  vamire_test::Capture hcap = hot.Cap();
  EXPECT_EQ(hcap.At(1, 1), Sys(clHighlight));
  EXPECT_EQ(hcap.At(b->Bounds.Left + 3, b->Bounds.Top + 1),
            Rgb(GetPainterOfKind(lfUltraFlat)->GetButtonFaceColor(cxbsHot)));
  EXPECT_EQ(hcap.At(b->Bounds.Left, 10), Sys(clHighlight)) << "the line toward the content";
}

TEST(EditPaint, PressedButtonAndNarrowEditor) {
  TEditorModel m(lfStandard);
  CanvasSurface s(121, 21);
  m.Paint(s, TPoint{110, 10}, 1);
  EXPECT_EQ(m.ViewInfo.Button(0)->State, ebsPressed);
  EXPECT_EQ(m.ViewInfo.PressedButton, 0);
  const TRect b = m.ViewInfo.Button(0)->Bounds;
  vamire_test::Capture cap = s.Cap();
  EXPECT_EQ(cap.At(b.Left, b.Top), Sys(clBtnShadow)) << "a pressed 3D button is framed flat";

  // Two buttons in an editor too narrow for one: the last placed is cut, the other empty.
  m.Properties.Buttons()->Add()->SetKind(bkEllipsis);
  std::unique_ptr<TcxCustomEditViewData> data(m.Properties.CreateViewData(m.Style(), false));
  CanvasSurface narrow(14, 21);
  data->Calculate(&narrow.Cx, TRect{0, 0, 14, 21}, TPoint{-1, -1}, 0, {}, &m.ViewInfo, false);
  ASSERT_EQ(m.ViewInfo.ButtonCount(), 2);
  EXPECT_EQ(m.ViewInfo.Button(1)->VisibleBounds, (TRect{2, 2, 12, 19}));
  EXPECT_EQ(m.ViewInfo.Button(0)->VisibleBounds, TRect{});
  EXPECT_EQ(m.ViewInfo.ClientRect.Right - m.ViewInfo.ClientRect.Left, 0);
  m.ViewInfo.Render(&narrow.Cx);  // paints what shows and nothing outside
}

TEST(EditPaint, NativeBranchDrawsThemeParts) {
  lookandfeel2_test::TFakeThemeLibrary fake;
  TEditorModel m(lfStandard, true);
  CanvasSurface s(121, 21);
  fake.TakeCalls();
  m.Paint(s);
  EXPECT_TRUE(m.ViewInfo.NativeStyle) << (vamire_test::InThemedPrefix() ? "themed" : "plain");
  const int w = GetSystemMetrics(SM_CYHSCROLL);
  const TcxEditButtonViewInfo* b = m.ViewInfo.Button(0);
  EXPECT_TRUE(b->SingleDropDown);
  EXPECT_EQ(b->Bounds, (TRect{121 - w, 0, 121, 21})) << "the themed drop-down takes the whole height";
  const std::vector<lookandfeel2_test::TThemeCall> calls = fake.TakeCalls();
  const std::vector<lookandfeel2_test::TThemeCall> expected{{L"Edit", 1, 1, {0, 0, 121, 21}},
                                                            {L"ComboBox", 6, 1, {121 - w, 0, 121, 21}}};
  EXPECT_EQ(calls, expected);
  // Hot and pressed reach the theme as its states.
  m.Paint(s, TPoint{115, 10});
  EXPECT_EQ(fake.TakeCalls().back(), (lookandfeel2_test::TThemeCall{L"ComboBox", 6, 2, {121 - w, 0, 121, 21}}));
  m.Paint(s, TPoint{115, 10}, 1);
  EXPECT_EQ(fake.TakeCalls().back(), (lookandfeel2_test::TThemeCall{L"ComboBox", 6, 3, {121 - w, 0, 121, 21}}));
}

// A native, enabled editor whose style names no colour takes the theme's edit
// face for its state; a named colour, a disabled editor or a drawn look keep
// the style's colour.
TEST(EditPaint, NativeEditorTakesTheThemesEditFaceUnlessItsStyleNamesAColour) {
  lookandfeel2_test::TFakeThemeLibrary fake;
  const TColor normal = TColor(RGB(0x12, 0x34, 0x56)), focused = TColor(RGB(0x65, 0x43, 0x21));
  fake.Colors[{L"Edit", EP_EDITTEXT, ETS_NORMAL, TMT_FILLCOLOR}] = COLORREF(normal);
  fake.Colors[{L"Edit", EP_EDITTEXT, ETS_FOCUSED, TMT_FILLCOLOR}] = COLORREF(focused);
  struct Case {
    bool Native, NamesColor, Enabled, Focused;
    bool ThemeFace;  // else the style's colour
    TColor Face;
  };
  const Case cases[] = {
      {true, false, true, false, true, normal},  {true, false, true, true, true, focused},
      {true, true, true, false, false, clNone},  {true, false, false, false, false, clNone},
      {false, false, true, false, false, clNone},
  };
  for (const Case& c : cases) {
    TEditorModel m(lfStandard, c.Native);
    if (!c.NamesColor) {
      TcxContainerStyleValues values = m.Style()->AssignedValues();
      m.Style()->SetAssignedValues(values.Exclude(svColor));
    }
    ASSERT_EQ(m.Style()->IsValueAssigned(svColor), c.NamesColor);
    CanvasSurface s(121, 21);
    std::unique_ptr<TcxCustomEditViewData> data(m.Properties.CreateViewData(m.Style(), false));
    data->State.Enabled = c.Enabled;
    data->State.Focused = c.Focused;
    data->Calculate(&s.Cx, TRect{0, 0, 121, 21}, TPoint{-1, -1}, 0, {}, &m.ViewInfo, false);
    EXPECT_EQ(m.ViewInfo.BackgroundColor, c.ThemeFace ? c.Face : m.Style()->Color())
        << "native " << c.Native << ", names a colour " << c.NamesColor << ", enabled " << c.Enabled
        << ", focused " << c.Focused;
  }
}

}  // namespace
