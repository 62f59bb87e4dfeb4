// The layout check of the test support finds what a reviewer would: a caption
// wider than its control's text area, in the control's own font and in both
// languages; siblings on one another; a control outside its parent. A sound
// dialog passes without a word.
#include <windows.h>

#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "support/HostForm.h"
#include "support/LayoutCheck.h"
#include "support/WindowCapture.h"

using test_support::CheckLayout;

namespace {

template <class T>
T* Add(TWinControl* parent, const wchar_t* name, const String& caption, int x, int y, int w, int h) {
  T* c = new T(parent->Owner() ? parent->Owner() : parent);
  c->SetName(name);
  c->SetParent(parent);
  c->SetBounds(x, y, w, h);
  c->SetCaption(caption);
  return c;
}

// A small classic dialog: a group with two check boxes, a label, OK and Cancel.
struct TDialog {
  TDialog() {
    form = test_support::MakeForm(360, 220);
    group = Add<TGroupBox>(form, L"GroupBox1", L"串口设置", 12, 8, 320, 90);
    auto1 = Add<TCheckBox>(group, L"CheckBox1", L"启动软件自动连接串口", 12, 24, 240, 20);
    link = Add<TCheckBox>(group, L"CheckBox2", L"矩阵联动", 12, 52, 120, 20);
    label = Add<TLabel>(form, L"Label1", L"端口号:", 12, 110, 80, 16);
    label->SetAutoSize(false);  // a fixed text area, as a form may give it
    label->SetWidth(80);
    ok = Add<TButton>(form, L"Button1", L"确定", 172, 140, 75, 25);
    cancel = Add<TButton>(form, L"Button2", L"取消", 257, 140, 75, 25);
  }
  ~TDialog() { form->Free(); }
  test_support::THostForm* form;
  TGroupBox* group;
  TCheckBox *auto1, *link;
  TLabel* label;
  TButton *ok, *cancel;
};

TEST(LayoutCheckTest, ASoundDialogPassesInBothLanguages) {
  TDialog d;
  d.form->Show();
  test_support::Pump();
  vamire_test::CaptureWindow(d.form->Handle()).SavePng(L"layout_check_chinese.png");
  EXPECT_EQ(CheckLayout(d.form), std::vector<std::string>{});
  d.group->SetCaption(L"Serial Port Setting");
  d.auto1->SetCaption(L"Auto Open");
  d.link->SetCaption(L"Select With Mux");
  d.label->SetCaption(L"Com Num.");
  d.ok->SetCaption(L"OK");
  d.cancel->SetCaption(L"Cancel");
  test_support::Pump();
  vamire_test::CaptureWindow(d.form->Handle()).SavePng(L"layout_check_english.png");
  EXPECT_EQ(CheckLayout(d.form), std::vector<std::string>{});
}

TEST(LayoutCheckTest, EachKindOfFaultIsNamedWithTheControl) {
  struct {
    const char* Fault;
    void (*Spoil)(TDialog&);
    const char* Names;  // what the one finding must mention
  } cases[] = {
      {"a caption too wide for a button", [](TDialog& d) { d.ok->SetCaption(L"Select With Mux"); },
       "Button1 (TButton) caption"},
      {"a caption too wide beside a check box's glyph",
       [](TDialog& d) { d.link->SetWidth(60); }, "CheckBox2 (TCheckBox) caption"},
      {"a Chinese caption too wide for a label", [](TDialog& d) { d.label->SetCaption(L"视频矩阵控制端口号"); },
       "Label1 (TLabel) caption"},
      {"a caption too tall for its font", [](TDialog& d) { d.cancel->SetHeight(12); }, "Button2 (TButton) caption"},
      {"siblings on one another", [](TDialog& d) { d.cancel->SetLeft(200); }, "Button1 (TButton)"},
      {"a control outside its parent", [](TDialog& d) { d.auto1->SetWidth(330); }, "lies outside GroupBox1"},
  };
  for (auto& c : cases) {
    TDialog d;
    c.Spoil(d);
    std::vector<std::string> problems = CheckLayout(d.form);
    ASSERT_EQ(problems.size(), 1u) << c.Fault << ": " << testing::PrintToString(problems);
    EXPECT_NE(problems[0].find(c.Names), std::string::npos) << c.Fault << ": " << problems[0];
  }
}

TEST(LayoutCheckTest, HiddenControlsAndAcceleratorMarksTakeNoRoom) {
  TDialog d;
  // Two lists at one place, one shown: as the main window's input lists.
  TButton* other = Add<TButton>(d.form, L"Button3", L"确定", 172, 140, 75, 25);
  other->SetVisible(false);
  // "&" marks the accelerator and draws no character.
  d.ok->SetCaption(L"&&&&&&&&OK");
  EXPECT_EQ(CheckLayout(d.form), std::vector<std::string>{});
  // A hidden group hides what it holds.
  d.auto1->SetWidth(400);
  d.group->SetVisible(false);
  EXPECT_EQ(CheckLayout(d.form), std::vector<std::string>{});
}

}  // namespace
