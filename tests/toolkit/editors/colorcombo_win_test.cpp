// The colour combo box: the prepared lists (52 constants, 138 X11 colours both
// ways), the naming of values in each format, the MRU colours, Text as a
// colour name (the console's use), the console's refill of 18 colours, the
// items' refusal of a listed colour, registration, and the editor and its
// open list as a person sees them.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/RealKeys.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"
#include "cxColorComboBox_win.h"
#include "cxContainer_popup_win.h"
#include "cxExtEditConsts.h"
#include "textedit_test_support.h"

using test_support::THostForm;

namespace {

class TColorComboUnits : public edit_test::TTextEditUnits {
 public:
  void SetUp() override {
    edit_test::TTextEditUnits::SetUp();
    InitializeUnits({cxContainerPopupsUnit, cxExtEditConstsUnit, cxDropDownEditUnit, cxColorComboBoxUnit});
    RegisterClasses({THostForm::StaticClass()});
  }
};
const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TColorComboUnits);

class TColorComboFixture : public testing::Test {
 protected:
  void SetUp() override {
    Form = test_support::MakeForm(300, 260);
    Combo = new TcxColorComboBox(Form);
    Combo->SetParent(Form);
    Combo->SetBounds(10, 10, 200, 21);
  }
  void TearDown() override { delete Form; }
  TcxColorComboBoxProperties* P() { return Combo->Properties(); }
  std::vector<String> Names() {
    std::vector<String> names;
    for (int i = 0; i < P()->ListCount(); ++i) names.push_back(P()->GetListText(i));
    return names;
  }
  THostForm* Form = nullptr;
  TcxColorComboBox* Combo = nullptr;
};

TEST(TColorComboRegistration, PropertiesFilterHelperAndClassAreRegistered) {
  TcxRegisteredClasses* registry = EditPropertiesRegistry();
  const int index = registry->IndexOf(TcxColorComboBoxProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->Descriptions(index).substr(0, 13), L"ColorComboBox");
  EXPECT_EQ(GetFilterEditsController()->FindHelper(TcxColorComboBoxProperties::StaticClass()),
            TcxFilterColorComboBoxHelper::StaticClass());
  EXPECT_NE(FindClass(L"TcxColorComboBox"), nullptr);
}

TEST_F(TColorComboFixture, PreparedListsHoldEachColourOnce) {
  EXPECT_EQ(P()->ListCount(), 52);
  EXPECT_EQ(P()->GetListText(0), L"clBlack");
  EXPECT_EQ(P()->GetListText(51), L"clWindowText");
  EXPECT_EQ(P()->DropDownListStyle(), lsFixedList);
  struct {
    TcxColorPrepareList Kind;
    int Count;
    const wchar_t* Kept;
    const wchar_t* Skipped;
  } cases[] = {
      {cxplX11, 138, L"Aqua", L"Cyan"},
      {cxplX11Ordered, 138, L"Cyan", L"Aqua"},
      {cxplHTML4, 16, L"Aqua", L"Cyan"},
  };
  P()->SetNamingConvention(cxncNone);  // the rows show the table names
  for (const auto& c : cases) {
    P()->SetPrepareList(c.Kind);
    EXPECT_EQ(P()->ListCount(), c.Count) << c.Kind;
    const std::vector<String> names = Names();
    EXPECT_NE(std::find(names.begin(), names.end(), String(c.Kept)), names.end()) << c.Kind;
    EXPECT_EQ(std::find(names.begin(), names.end(), String(c.Skipped)), names.end()) << c.Kind;
  }
  EXPECT_EQ(ColorTable(cxplX11).size(), 140u);
  EXPECT_EQ(ColorTable(cxplX11Ordered).size(), 140u);
}

TEST_F(TColorComboFixture, ValuesAreNamedInEachFormat) {
  const TColor orange = 0x0080FF;  // red 255, green 128, blue 0: in no table
  struct {
    TColor Color;
    TcxColorValueFormat Format;
    const wchar_t* Text;
  } cases[] = {
      {clRed, cxcvRGB, L"clRed"},
      {orange, cxcvRGB, L"255.128.0"},
      {orange, cxcvHexadecimal, L"$ff8000"},
      {orange, cxcvInteger, L"33023"},
  };
  for (const auto& c : cases) {
    P()->SetColorValueFormat(c.Format);
    Combo->SetColorValue(c.Color);
    EXPECT_EQ(Combo->Text(), String(c.Text));
    EXPECT_EQ(Combo->ColorValue(), c.Color);
  }
  // A value that is no colour shows the default description in the default colour.
  Combo->SetEditValue(Variant(String(L"no colour")));
  EXPECT_EQ(Combo->Text(), ResolveResourceString(&cxSColorComboBoxDefaultDescription));
  EXPECT_EQ(Combo->ColorValue(), clWindow);
}

TEST_F(TColorComboFixture, TextIsAColourName) {
  Combo->SetText(L"clWhite");
  EXPECT_EQ(Combo->Text(), L"clWhite");
  EXPECT_EQ(Combo->ColorValue(), clWhite);
  Combo->SetText(L"clSkyBlue");
  EXPECT_EQ(Combo->ColorValue(), clSkyBlue);
}

TEST_F(TColorComboFixture, MruKeepsTheNewestFirstUpToItsLength) {
  P()->SetMaxMRUColors(2);
  int added = 0, dropped = 0;
  struct TCount : TObject {
    int* Value;
    void Hit(TObject*) { ++*Value; }
  } addedCount, droppedCount;
  addedCount.Value = &added;
  droppedCount.Value = &dropped;
  P()->OnAddedMRUColor = TNotifyEvent(&addedCount, &TCount::Hit);
  P()->OnDeletedMRUColor = TNotifyEvent(&droppedCount, &TCount::Hit);
  for (const TColor color : {clRed, clGreen, clBlue}) Combo->SelectColor(color, String(), false);
  ASSERT_EQ(P()->MRUColors()->Count(), 2);
  EXPECT_EQ(P()->MRUColors()->Items(0)->Color(), clBlue);
  EXPECT_EQ(P()->MRUColors()->Items(1)->Color(), clGreen);
  EXPECT_EQ(P()->ListCount(), 54);
  EXPECT_EQ(P()->GetListText(0), L"clBlue");
  EXPECT_EQ(added, 3);
  EXPECT_EQ(dropped, 1);
  // A colour already in the MRU moves to the top; a colour in no list is not added.
  EXPECT_EQ(P()->AddMRUColor(clGreen), 1);
  EXPECT_EQ(P()->MRUColors()->Items(0)->Color(), clGreen);
  EXPECT_EQ(P()->AddMRUColor(0x123456), 0);
}

TEST_F(TColorComboFixture, AddingAListedColourAddsNothing) {
  const int count = P()->Items()->Count();
  EXPECT_EQ(P()->Items()->AddColor(clRed, L"again"), nullptr);
  EXPECT_EQ(P()->Items()->Count(), count);
}

// The console's subtitle window clears the items and adds its 18 colours.
TEST_F(TColorComboFixture, TheConsolesEighteenColours) {
  const TColor colors[] = {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal,    clGray,    clSilver,
                           clRed,   clLime,   clYellow, clBlue, clFuchsia, clAqua, clWhite, clSkyBlue, clCream};
  TcxColorComboBoxItems* items = P()->GetItems();
  items->Clear();
  for (const TColor color : colors) items->AddColor(color, ColorToString(color));
  EXPECT_EQ(P()->ListCount(), 18);
  EXPECT_EQ(P()->GetListText(16), L"clSkyBlue");
  Combo->SetText(L"clCream");
  EXPECT_EQ(Combo->ColorValue(), clCream);
  EXPECT_EQ(Combo->ItemIndex(), 17);
}

TEST_F(TColorComboFixture, AllowSelectColorShowsTheDialogButton) {
  ASSERT_EQ(P()->Buttons()->Count(), 2);
  EXPECT_FALSE(P()->Buttons()->Items(1)->Visible());
  EXPECT_EQ(P()->Buttons()->Items(1)->Kind(), bkEllipsis);
  P()->SetAllowSelectColor(true);
  EXPECT_TRUE(P()->Buttons()->Items(1)->Visible());
  // A custom choice with no dialog: the colour joins the custom colours and the MRU list.
  P()->SetColorDialogType(cxcdtCustom);
  struct TChooser : TObject {
    void Choose(TObject*, TColor& AColor, String& ADescription, bool&) {
      AColor = 0x3366CC;
      ADescription = L"brand";
    }
  } chooser;
  P()->OnSelectCustomColor = TcxSelectCustomColorEvent(&chooser, &TChooser::Choose);
  Combo->SelectCustomColor();
  EXPECT_EQ(P()->CustomColors()->Count(), 1);
  EXPECT_EQ(P()->Items()->Items(0)->Color(), 0x3366CC);
  EXPECT_EQ(P()->MRUColors()->Items(0)->Color(), 0x3366CC);
  EXPECT_EQ(Combo->ColorValue(), 0x3366CC);
}

TEST_F(TColorComboFixture, TheEditorAndItsOpenList) {
  P()->SetMaxMRUColors(2);
  Combo->SelectColor(clNavy, String(), false);
  Combo->SelectColor(clRed, String(), false);
  Combo->SetColorValue(clRed);
  Form->Show();
  SetForegroundWindow(Form->Handle());
  Combo->SetFocus();
  test_support::PumpFor(100);
  test_support::Type({VK_F4});
  test_support::PumpFor(150);
  ASSERT_TRUE(Combo->DroppedDown());
  RECT f{};
  GetWindowRect(Form->Handle(), &f);
  HDC screen = GetDC(nullptr);
  const vamire_test::Capture cap = vamire_test::CaptureDC(screen, f.left, f.top, 300, 260);
  ReleaseDC(nullptr, screen);
  const std::wstring prefix = vamire_test::InThemedPrefix() ? L"themed" : L"plain";
  EXPECT_TRUE(cap.SavePng(L"editors_colorcombo_" + prefix + L".png"));
  test_support::Type({VK_ESCAPE});
  // The editor's own box shows the value's colour.
  auto* info = dynamic_cast<TcxCustomColorComboBoxViewInfo*>(Combo->EditViewInfo());
  ASSERT_NE(info, nullptr) << std::string(Combo->EditViewInfo()->ClassName().begin(), Combo->EditViewInfo()->ClassName().end());
  const TRect box = info->ColorBoxRect;
  ASSERT_GT(box.Right - box.Left, 4);
  test_support::PumpFor(100);
  const vamire_test::Capture editor = vamire_test::CaptureClient(Combo->Handle());
  EXPECT_TRUE(editor.SavePng(L"editors_colorcombo_editor_" + prefix + L".png"));
  EXPECT_EQ(editor.At((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2), 0xFF0000u);
}

}  // namespace
