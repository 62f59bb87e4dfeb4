// The check box under the real keyboard and pointer: the toggle cycle with and
// without AllowGrayed, events from code and from the user, a state streamed
// with the form, where glyph and caption go, and the check mark the drawn
// looks blit, compared with the system bitmap it is computed from.
#include "boxes2_test_support.h"

using namespace boxes2_test;

namespace {

const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TBoxUnits);

class TCheckBoxFixture : public testing::Test {
 protected:
  void SetUp() override {
    Form = test_support::MakeForm(360, 200);
    Box = Add(20, 20, L"&Wall power");
    Box->OnClick = TNotifyEvent(&Log, &TEventLog::Click);
    Box->Properties()->OnChange = TNotifyEvent(&Log, &TEventLog::Change);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpFor(100);
  }
  void TearDown() override {
    SendMouse(MOUSEEVENTF_LEFTUP);
    delete Form;
  }
  TcxCheckBox* Add(int X, int Y, const String& ACaption) {
    auto* box = new TcxCheckBox(Form);
    box->SetParent(Form);
    box->SetBounds(X, Y, 160, 21);
    box->SetCaption(ACaption);
    box->Style()->LookAndFeel()->SetNativeStyle(false);
    box->Style()->LookAndFeel()->SetKind(lfStandard);
    return box;
  }
  TPoint Centre(TcxCheckBox* ABox) { return ABox->ClientToScreen(TPoint{ABox->Width() / 2, ABox->Height() / 2}); }

  test_support::THostForm* Form = nullptr;
  TcxCheckBox* Box = nullptr;
  TEventLog Log;
};

TEST_F(TCheckBoxFixture, SettingCheckedFiresOnlyForAChange) {
  Box->SetChecked(false);
  EXPECT_EQ(Log.Clicks, 0);
  EXPECT_EQ(Log.Changes, 0);
  Box->SetChecked(true);
  EXPECT_TRUE(Box->Checked());
  EXPECT_EQ(Log.Clicks, 1);
  EXPECT_EQ(Log.Changes, 1);
  Box->SetChecked(true);
  EXPECT_EQ(Log.Clicks, 1) << "the current value again fires nothing";
  EXPECT_EQ(Log.Changes, 1);
  Box->SetChecked(false);
  EXPECT_EQ(Log.Clicks, 2);
  EXPECT_EQ(Log.Changes, 2);
}

// Space and a click step through the cycle; a grayed box set from code goes
// to checked at the next toggle even without AllowGrayed.
TEST_F(TCheckBoxFixture, ToggleTableUnderRealKeysAndPointer) {
  struct Case {
    bool AllowGrayed;
    TcxCheckBoxState Start;
    bool ByMouse;
    std::vector<TcxCheckBoxState> Expected;
  } cases[] = {
      {false, cbsUnchecked, false, {cbsChecked, cbsUnchecked, cbsChecked}},
      {false, cbsGrayed, false, {cbsChecked, cbsUnchecked}},
      {true, cbsUnchecked, false, {cbsGrayed, cbsChecked, cbsUnchecked}},
      {false, cbsUnchecked, true, {cbsChecked, cbsUnchecked}},
      {true, cbsUnchecked, true, {cbsGrayed, cbsChecked, cbsUnchecked}},
  };
  for (const Case& c : cases) {
    Box->Properties()->SetAllowGrayed(c.AllowGrayed);
    Box->SetState(c.Start);
    Box->SetFocus();
    PumpFor(40);
    ASSERT_EQ(GetFocus(), Box->Handle());
    Log.Clicks = Log.Changes = 0;
    std::vector<TcxCheckBoxState> seen;
    for (size_t i = 0; i < c.Expected.size(); ++i) {
      if (c.ByMouse)
        ClickAt(Centre(Box));
      else
        SendKey(VK_SPACE);
      seen.push_back(Box->State());
    }
    EXPECT_EQ(seen, c.Expected) << "AllowGrayed " << c.AllowGrayed << ", start " << c.Start << ", mouse "
                                << c.ByMouse;
    EXPECT_EQ(Log.Clicks, int(c.Expected.size()));
    EXPECT_EQ(Log.Changes, int(c.Expected.size()));
  }
}

TEST_F(TCheckBoxFixture, APressReleasedOutsideOrAReleaseWithoutPressDoesNotToggle) {
  const TPoint inside = Centre(Box);
  const TPoint outside = Box->ClientToScreen(TPoint{Box->Width() / 2, Box->Height() + 30});
  SendMouse(MOUSEEVENTF_LEFTDOWN, &inside);
  EXPECT_EQ(Box->CheckViewInfo()->PaintState, ecpsPressed);
  SendMouse(MOUSEEVENTF_MOVE, &outside);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_FALSE(Box->Checked());
  SendMouse(MOUSEEVENTF_LEFTDOWN, &outside);
  SendMouse(MOUSEEVENTF_MOVE, &inside);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Log.Clicks, 0);
}

TEST_F(TCheckBoxFixture, SpaceDownThenFocusLostNeitherTogglesNorStaysPressed) {
  TcxCheckBox* other = Add(20, 60, L"Other");
  Box->SetFocus();
  PumpFor(40);
  SendKey(VK_SPACE, true, false);
  EXPECT_EQ(Box->CheckViewInfo()->PaintState, ecpsPressed);
  other->SetFocus();
  PumpFor(40);
  SendKey(VK_SPACE, false, true);
  EXPECT_FALSE(Box->Checked());
  EXPECT_NE(Box->CheckViewInfo()->PaintState, ecpsPressed);
}

TEST_F(TCheckBoxFixture, ReadOnlyIgnoresTheUserButNotTheCode) {
  Box->Properties()->SetReadOnly(true);
  Box->SetFocus();
  PumpFor(40);
  SendKey(VK_SPACE);
  ClickAt(Centre(Box));
  EXPECT_FALSE(Box->Checked());
  Box->SetChecked(true);
  EXPECT_TRUE(Box->Checked());
}

TEST_F(TCheckBoxFixture, TheAcceleratorFocusesAndToggles) {
  TcxCheckBox* other = Add(20, 60, L"Other");
  other->SetFocus();
  PumpFor(40);
  SendAltChord('W');
  EXPECT_EQ(GetFocus(), Box->Handle());
  EXPECT_TRUE(Box->Checked());
}

TEST_F(TCheckBoxFixture, MappedValuesGiveTheState) {
  Box->Properties()->SetValueChecked(Variant(L"Yes"));
  Box->Properties()->SetValueUnchecked(Variant(L"No"));
  Box->Properties()->SetValueChecked(Variant(L"No"));
  EXPECT_EQ(VarToStr(Box->Properties()->ValueChecked()), L"Yes") << "a value equal to another is refused";
  Box->Properties()->SetValueUnchecked(Variant::Null());
  EXPECT_EQ(VarToStr(Box->Properties()->ValueUnchecked()), L"No") << "Null is refused";
  struct Case {
    Variant Value;
    TcxCheckBoxState Expected;
  } cases[] = {{Variant(L"Yes"), cbsChecked}, {Variant(L"No"), cbsUnchecked}, {Variant(5), cbsGrayed},
               {Variant::Null(), cbsGrayed}};
  for (const Case& c : cases) {
    Box->SetEditValue(c.Value);
    EXPECT_EQ(Box->State(), c.Expected) << Narrow(VarToStr(c.Value));
  }
  Box->SetChecked(false);
  EXPECT_EQ(VarToStr(Box->EditValue()), L"No");
}

// Glyph 2 pixels into the client rectangle (the bounds less the transparent
// border), caption 3 pixels beyond the glyph; the height follows the content.
TEST_F(TCheckBoxFixture, GlyphAndTextRectangles) {
  const TSize glyph = TcxStandardLookAndFeelPainter::Instance()->GetCheckGlyphSize();
  for (const TAlignment alignment : {taLeftJustify, taRightJustify}) {
    Box->Properties()->SetCheckAlignment(alignment);
    Box->RefreshIfNeeded();
    const TcxCustomCheckBoxViewInfo* vi = Box->CheckViewInfo();
    const int w = Box->Width(), h = Box->Height();
    EXPECT_EQ(h, std::max(int(glyph.cy) + 4, FontTextHeight(Box->Style()->GetEffectiveFont(), L"Wall power")) + 4)
        << "auto-sized: the larger of glyph + 4 and the caption, within the transparent border";
    const TRect c{2, 2, w - 2, h - 2};
    ASSERT_EQ(vi->ClientRect, c);
    const int top = (c.Top + 2 + c.Bottom - 2 - glyph.cy) / 2;
    const int left = alignment == taLeftJustify ? c.Left + 2 : c.Right - 2 - glyph.cx;
    EXPECT_EQ(vi->GlyphRect, (TRect{left, top, left + glyph.cx, top + glyph.cy})) << alignment;
    const TRect text = alignment == taLeftJustify ? TRect{left + glyph.cx + 3, c.Top + 1, c.Right - 2, c.Bottom - 2}
                                                  : TRect{c.Left + 2, c.Top + 1, left - 3, c.Bottom - 2};
    EXPECT_EQ(vi->TextBounds, text) << alignment;
  }
  Box->Properties()->SetCheckAlignment(taCenter);
  Box->RefreshIfNeeded();
  EXPECT_EQ(Box->CheckViewInfo()->GlyphRect.Left, (160 - glyph.cx) / 2);
  Box->SetFocus();
  PumpFor(40);
  EXPECT_TRUE(IsRectEmpty(reinterpret_cast<const RECT*>(&Box->CheckViewInfo()->FocusArea)))
      << "a centred glyph has no caption and no focus rectangle";
  Box->Properties()->SetCheckAlignment(taLeftJustify);
  Box->RefreshIfNeeded();
  EXPECT_FALSE(IsRectEmpty(reinterpret_cast<const RECT*>(&Box->CheckViewInfo()->FocusArea)));
}

// The mask is computed here again from the system bitmap: black exactly where
// its unchecked and checked cells differ; the drawn ultra-flat glyph shows the
// mark in the text colour exactly there.
TEST_F(TCheckBoxFixture, TheCheckMarkIsWhereTheSystemCellsDiffer) {
  TBitmap* mask = CheckMarkMask();
  ASSERT_NE(mask, nullptr);
  const TSize size = TcxStandardLookAndFeelPainter::Instance()->GetCheckGlyphSize();
  ASSERT_EQ(mask->Width(), size.cx);
  HBITMAP system = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759));  // OBM_CHECKBOXES
  ASSERT_NE(system, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, system);
  int differing = 0, marked = 0;
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) {
      const bool differ = GetPixel(dc, x, y) != GetPixel(dc, x + size.cx, y);
      const bool black = GetPixel(mask->Canvas()->Handle(), x, y) == 0;
      differing += differ;
      marked += black;
      EXPECT_EQ(black, differ) << x << "," << y;
    }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(system);
  EXPECT_GT(differing, 8) << "the cells differ by a check mark";

  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(size.cx, size.cy);
  TcxCanvas canvas(bitmap.Canvas());
  TcxCheckBoxGlyphParams p;
  p.State = cbsChecked;
  p.BackgroundColor = clWhite;
  p.BorderStyle = cbsUltraFlat;
  const TRect g{0, 0, size.cx, size.cy};
  DrawCheckBoxGlyph(&canvas, g, p);
  GdiFlush();
  const COLORREF text = ColorToRGB(clBtnText);
  for (int y = 2; y < size.cy - 2; ++y)
    for (int x = 2; x < size.cx - 2; ++x) {
      const bool black = GetPixel(mask->Canvas()->Handle(), x, y) == 0;
      EXPECT_EQ(GetPixel(bitmap.Canvas()->Handle(), x, y) == text, black) << x << "," << y;
    }
  EXPECT_GT(marked, 0);
}

// The action's Checked reaches the box without a click; a grayed box stops following it.
TEST_F(TCheckBoxFixture, TheActionLinkCarriesCheckedWithoutClicks) {
  auto* action = new TAction(Form);
  action->SetCaption(L"Linkage");
  action->SetChecked(true);
  Box->SetAction(action);
  EXPECT_TRUE(Box->Checked());
  EXPECT_EQ(Box->Caption(), L"Linkage");
  action->SetChecked(false);
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Log.Clicks, 0);
  EXPECT_EQ(Log.Changes, 0);
  Box->SetState(cbsGrayed);
  action->SetChecked(true);
  EXPECT_EQ(Box->State(), cbsGrayed);
  Box->SetAction(nullptr);
  EXPECT_EQ(Box->Action(), nullptr);
}

TEST(TCheckBoxRegistration, PropertiesAndFilterHelpersAreRegistered) {
  TcxRegisteredClasses* registry = EditPropertiesRegistry();
  const int check = registry->IndexOf(TcxCheckBoxProperties::StaticClass());
  ASSERT_GE(check, 0);
  EXPECT_EQ(registry->Descriptions(check).substr(0, 8), L"CheckBox");
  const int radio = registry->IndexOf(TcxRadioGroupProperties::StaticClass());
  ASSERT_GE(radio, 0);
  EXPECT_EQ(registry->Descriptions(radio).substr(0, 10), L"RadioGroup");
  EXPECT_EQ(GetFilterEditsController()->FindHelper(TcxCheckBoxProperties::StaticClass()),
            TcxFilterCheckBoxHelper::StaticClass());
  EXPECT_EQ(GetFilterEditsController()->FindHelper(TcxRadioGroupProperties::StaticClass()),
            TcxFilterRadioGroupHelper::StaticClass());
  for (const wchar_t* name : {L"TcxCheckBox", L"TcxGroupBox", L"TcxRadioGroup"}) EXPECT_NE(FindClass(name), nullptr);
}

TEST(TCheckBoxStreaming, AStreamedStateAppliesSilently) {
  TBoxesForm* form = ReadForm(
      L"object BoxesForm: TBoxesForm\n"
      L"  Left = 0\n  Top = 0\n  Width = 300\n  Height = 120\n"
      L"  object CheckBox1: TcxCheckBox\n"
      L"    Left = 10\n    Top = 10\n    Caption = 'Linkage'\n"
      L"    Properties.AllowGrayed = True\n"
      L"    Properties.OnChange = BoxChange\n"
      L"    State = cbsGrayed\n"
      L"    OnClick = BoxClick\n"
      L"  end\n"
      L"  object CheckBox2: TcxCheckBox\n"
      L"    Left = 10\n    Top = 40\n    Caption = 'Debug'\n"
      L"    Properties.ValueChecked = 'On'\n    Properties.ValueUnchecked = 'Off'\n"
      L"    State = cbsChecked\n"
      L"    OnClick = BoxClick\n"
      L"  end\n"
      L"end\n");
  auto* box1 = dynamic_cast<TcxCheckBox*>(form->FindComponent(L"CheckBox1"));
  auto* box2 = dynamic_cast<TcxCheckBox*>(form->FindComponent(L"CheckBox2"));
  ASSERT_NE(box1, nullptr);
  ASSERT_NE(box2, nullptr);
  EXPECT_EQ(box1->State(), cbsGrayed);
  EXPECT_EQ(box2->State(), cbsChecked);
  EXPECT_EQ(VarToStr(box2->EditValue()), L"On");
  EXPECT_EQ(form->Clicks, 0) << "loading fires no click";
  EXPECT_EQ(form->Changes, 0);
  box1->SetChecked(false);
  EXPECT_EQ(form->Clicks, 1) << "the handlers are bound";
  EXPECT_EQ(form->Changes, 1);
  delete form;
}

}  // namespace
