// The label and the track bar as the console's form files hold them: read
// from form text with their properties, styles and handlers, written back
// without what their defaults say, and registered by their units. A label
// beside an edit does not take the focus from it when clicked.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "FormText.h"
#include "StdCtrls.h"
#include "cxLabel_win.h"
#include "cxTrackBar_win.h"
#include "edit_test_support.h"
#include "support/HostForm.h"

namespace {

class TExtEditUnits : public edit_test::TEditUnits {
 public:
  void SetUp() override {
    edit_test::TEditUnits::SetUp();
    InitializeUnits({cxExtEditConstsUnit, cxTrackBarUnit, cxLabelUnit});
  }
};
const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TExtEditUnits);

// A console window in small: a label naming an edit and a track bar whose
// change handler the form holds.
class TBlendForm : public TForm {
  VAMIRE_CLASS(TBlendForm, TForm)
 public:
  using TForm::TForm;
  void TrackBar1PropertiesChange(TObject* Sender) { Changes.push_back(static_cast<TcxTrackBar*>(Sender)->Position()); }
  std::vector<int> Changes;
};
VAMIRE_PUBLISHED(TBlendForm, Handler(L"TrackBar1PropertiesChange", &TBlendForm::TrackBar1PropertiesChange))

const wchar_t* const kFormText =
    L"object BlendForm: TBlendForm\n"
    L"  Left = 60\n"
    L"  Top = 60\n"
    L"  Caption = 'Blend'\n"
    L"  ClientHeight = 180\n"
    L"  ClientWidth = 420\n"
    L"  object Label5: TcxLabel\n"
    L"    Left = 8\n"
    L"    Top = 12\n"
    L"    Caption = #34701#21512'&H'\n"
    L"    FocusControl = Edit1\n"
    L"    ParentFont = False\n"
    L"    Properties.Angle = 450\n"
    L"    Properties.LabelEffect = cxleCool\n"
    L"    Properties.Depth = 2\n"
    L"    Properties.ShadowedColor = clRed\n"
    L"    Style.TextColor = clNavy\n"
    L"    Transparent = True\n"
    L"  end\n"
    L"  object Edit1: TEdit\n"
    L"    Left = 8\n"
    L"    Top = 120\n"
    L"    Width = 100\n"
    L"    Height = 21\n"
    L"  end\n"
    L"  object TrackBar1: TcxTrackBar\n"
    L"    Left = 120\n"
    L"    Top = 8\n"
    L"    Width = 280\n"
    L"    Height = 40\n"
    L"    Position = 37\n"
    L"    Properties.Max = 100\n"
    L"    Properties.PageSize = 2\n"
    L"    Properties.OnChange = TrackBar1PropertiesChange\n"
    L"  end\n"
    L"end\n";

std::unique_ptr<TBlendForm> ReadForm(const String& AText) {
  std::unique_ptr<TBlendForm> form(TCustomForm::Create<TBlendForm>(nullptr));
  TStringStream in(FormTextToBinary(AText));
  ReadComponentFromStream(&in, form.get());
  return form;
}

String WriteForm(TComponent* AForm) {
  TMemoryStream out;
  WriteComponentToStream(&out, AForm);
  return FormBinaryToText(std::string(static_cast<const char*>(out.Memory()), size_t(out.Size())));
}

TEST(ExtEditForms, ALabelAndATrackBarReadFromFormTextAndWriteBackTheSame) {
  RegisterClasses({TBlendForm::StaticClass(), TEdit::StaticClass()});
  std::unique_ptr<TBlendForm> form;
  try {
    form = ReadForm(kFormText);
  } catch (const Exception& e) {
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* label = dynamic_cast<TcxLabel*>(form->FindComponent(L"Label5"));
  auto* bar = dynamic_cast<TcxTrackBar*>(form->FindComponent(L"TrackBar1"));
  ASSERT_NE(label, nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(label->Caption(), L"融合&H");
  EXPECT_EQ(label->FocusControl(), form->FindComponent(L"Edit1"));
  EXPECT_EQ(label->GetProperties()->Angle(), 90) << "450 degrees are 90";
  EXPECT_EQ(label->GetProperties()->LabelEffect(), cxleCool);
  EXPECT_EQ(label->GetProperties()->ShadowedColor(), clRed);
  EXPECT_EQ(label->Style()->TextColor(), clNavy);
  EXPECT_TRUE(label->Transparent());
  EXPECT_TRUE(label->AutoSize()) << "a label sizes itself unless told";
  // The position came before the range that holds it: it is not cut to the default Max 10.
  EXPECT_EQ(bar->Position(), 37);
  EXPECT_EQ(bar->GetProperties()->Value<&TcxTrackBarProperties::TValues::Max>(), 100);
  EXPECT_EQ(bar->GetProperties()->Value<&TcxTrackBarProperties::TValues::PageSize>(), 2);
  bar->SetPosition(40);
  bar->Properties()->Changed();
  EXPECT_EQ(bar->Style()->BorderStyle(), cbsNone) << "a track bar has no border of its own";

  const String text = WriteForm(form.get());
  for (const wchar_t* line : {L"Properties.Angle = 90", L"Properties.LabelEffect = cxleCool", L"Properties.Depth = 2",
                              L"Properties.ShadowedColor = clRed", L"Style.TextColor = clNavy", L"Transparent = True",
                              L"FocusControl = Edit1", L"Position = 40", L"Properties.Max = 100",
                              L"Properties.PageSize = 2", L"Properties.OnChange = TrackBar1PropertiesChange"})
    EXPECT_NE(text.find(line), String::npos) << UTF8Encode(line) << "\n" << UTF8Encode(text);
  // What the defaults say is not written: no border style, no parent colour, no auto-size.
  const size_t labelAt = text.find(L"object Label5"), editAt = text.find(L"object Edit1");
  const size_t barAt = text.find(L"object TrackBar1");
  ASSERT_TRUE(labelAt < editAt && editAt < barAt && barAt != String::npos);
  const String controls = text.substr(labelAt, editAt - labelAt) + text.substr(barAt);
  for (const wchar_t* absent : {L"BorderStyle", L"ParentColor", L"AutoSize", L"Properties.Min", L"TabOrder"})
    EXPECT_EQ(controls.find(absent), String::npos) << UTF8Encode(absent) << "\n" << UTF8Encode(controls);
  // Read again, the written text gives the same values.
  std::unique_ptr<TBlendForm> again = ReadForm(text);
  EXPECT_EQ(dynamic_cast<TcxTrackBar*>(again->FindComponent(L"TrackBar1"))->Position(), 40);
  EXPECT_EQ(dynamic_cast<TcxLabel*>(again->FindComponent(L"Label5"))->GetProperties()->Angle(), 90);
}

TEST(ExtEditForms, AStreamedHandlerHearsEachRealChangeOnce) {
  RegisterClasses({TBlendForm::StaticClass(), TEdit::StaticClass()});
  std::unique_ptr<TBlendForm> form = ReadForm(kFormText);
  auto* bar = dynamic_cast<TcxTrackBar*>(form->FindComponent(L"TrackBar1"));
  form->Show();
  bar->SetFocus();
  Application->ProcessMessages();
  for (WORD key : {WORD(VK_NEXT), WORD(VK_NEXT), WORD(VK_END), WORD(VK_END)}) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    for (int i = 0; i < 6; ++i) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      Application->ProcessMessages();
    }
  }
  EXPECT_EQ(form->Changes, (std::vector<int>{39, 41, 100})) << "the second End changes nothing";
}

TEST(ExtEditForms, FreshInstancesHoldTheirTablesDefaults) {
  for (TClass cls : {TcxLabel::StaticClass(), TcxLabelProperties::StaticClass(), TcxTrackBar::StaticClass(),
                     TcxTrackBarProperties::StaticClass()}) {
    std::unique_ptr<TObject> fresh(cls->Create(nullptr));
    for (const String& line : PublishedDefaultMismatches(fresh.get())) ADD_FAILURE() << UTF8Encode(line);
  }
  TcxLabelProperties properties(nullptr);
  for (const String& line : PublishedDefaultMismatches(properties.LineOptions())) ADD_FAILURE() << UTF8Encode(line);
}

TEST(ExtEditForms, TheUnitsRegisterTheirKindsByDescription) {
  TcxRegisteredClasses* registry = EditPropertiesRegistry();
  const int label = registry->IndexOf(TcxLabelProperties::StaticClass());
  const int bar = registry->IndexOf(TcxTrackBarProperties::StaticClass());
  ASSERT_GE(label, 0);
  ASSERT_GE(bar, 0);
  EXPECT_EQ(registry->Descriptions(label), L"Label");
  EXPECT_EQ(registry->Descriptions(bar), L"TrackBar");
  EXPECT_EQ(GetClass(L"TcxLabel"), TcxLabel::StaticClass());
  EXPECT_EQ(GetClass(L"TcxTrackBar"), TcxTrackBar::StaticClass());
}

// A standalone label is no stop for the focus: clicking it leaves the edit focused.
TEST(ExtEditForms, ClickingALabelLeavesTheFocusWhereItWas) {
  RegisterClasses({TBlendForm::StaticClass(), TEdit::StaticClass()});
  std::unique_ptr<TBlendForm> form = ReadForm(kFormText);
  auto* label = dynamic_cast<TcxLabel*>(form->FindComponent(L"Label5"));
  auto* edit = dynamic_cast<TEdit*>(form->FindComponent(L"Edit1"));
  form->Show();
  SetForegroundWindow(form->Handle());
  edit->SetFocus();
  Application->ProcessMessages();
  const TPoint at = label->ClientToScreen(TPoint{label->Width() / 2, label->Height() / 2});
  SetCursorPos(at.X, at.Y);
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
  for (int i = 0; i < 10; ++i) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Application->ProcessMessages();
  }
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_FALSE(label->Focused());
}

}  // namespace
