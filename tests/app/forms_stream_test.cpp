// The console's windows are streamed from their form files: every component
// a window's code names is there with the class it expects, every handler a
// form file names is bound to the window's own method, and each window class
// is registered by name.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "TestMainWindow.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "cxButtons_win.h"

namespace {

using app_test::TTestMainWindow;

template <class T>
std::unique_ptr<T, void (*)(T*)> Make() {
  return {TCustomForm::Create<T>(nullptr), [](T* f) { f->Free(); }};
}

TEST(ConsoleFormsTest, WindowClassesAreRegisteredByName) {
  app_test::StartUnitsOnce();
  for (const wchar_t* name : {L"TForm5", L"TForm6", L"TForm7", L"TForm8"})
    EXPECT_EQ(FindClass(name)->ClassName(), name);
}

TEST(ConsoleFormsTest, VersionWindowStreamsWithHandlersBound) {
  TTestMainWindow main;
  auto form = Make<TForm5>();
  EXPECT_EQ(form->Caption(), L"版本信息");
  EXPECT_EQ(form->Label2->Caption(), L"VER:5.0.4");
  EXPECT_EQ(form->Button1->Caption(), L"版本查看");
  EXPECT_EQ(form->BitBtn1->Caption(), L"退出");
  EXPECT_TRUE(form->Button1->OnClick == TNotifyEvent(form.get(), &TForm5::Button1Click));
  EXPECT_TRUE(form->BitBtn1->OnClick == TNotifyEvent(form.get(), &TForm5::BitBtn1Click));
  EXPECT_TRUE(form->OnShow == TNotifyEvent(form.get(), &TForm5::FormShow));
}

TEST(ConsoleFormsTest, DebugWindowStreamsWithHandlersBound) {
  TTestMainWindow main;
  auto form = Make<TForm6>();
  EXPECT_EQ(form->Caption(), L"调试");
  EXPECT_FALSE(form->Edit3->Visible());
  EXPECT_TRUE(form->Button1->OnClick == TNotifyEvent(form.get(), &TForm6::Button1Click));
  EXPECT_TRUE(form->Button2->OnClick == TNotifyEvent(form.get(), &TForm6::Button2Click));
}

TEST(ConsoleFormsTest, LoginWindowsStreamWithHandlersBound) {
  TTestMainWindow main;
  auto login = Make<TForm7>();
  EXPECT_EQ(login->Caption(), L"管理员");
  EXPECT_EQ(login->MaskEdit1->MaxLength(), 8);
  EXPECT_EQ(login->MaskEdit1->PasswordChar(), L'*');
  EXPECT_TRUE(login->Button4->OnClick == TNotifyEvent(login.get(), &TForm7::Button4Click));
  EXPECT_TRUE(login->MaskEdit1->OnKeyPress == TKeyPressEvent(login.get(), &TForm7::MaskEdit1KeyPress));
  auto password = Make<TForm8>();
  EXPECT_EQ(password->Caption(), L"修改密码");
  for (TEdit* edit : {password->Edit1, password->Edit2, password->Edit3}) {
    EXPECT_EQ(edit->MaxLength(), 8);
    EXPECT_EQ(edit->PasswordChar(), L'*');
    EXPECT_TRUE(edit->OnKeyPress == TKeyPressEvent(password.get(), &TForm8::EditKeyPress));
  }
}

// The program carries every window's stream under its class name, as this
// test program does (both link the console's resource script).
TEST(ConsoleFormsTest, TheProgramEmbedsEveryFormUnderItsClassName) {
  HMODULE program = LoadLibraryExW(VAMIRE_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  for (const wchar_t* name : {L"TForm5", L"TForm6", L"TForm7", L"TForm8"}) {
    EXPECT_NE(FindResourceW(program, name, MAKEINTRESOURCEW(10)), nullptr) << link_test::Utf8(name);
    EXPECT_NE(FindResourceW(nullptr, name, MAKEINTRESOURCEW(10)), nullptr) << link_test::Utf8(name);
  }
  FreeLibrary(program);
}

// A window whose form file lacks a component its code names fails at once,
// naming both, rather than crashing at the first click.
TEST(ConsoleFormsTest, AMissingComponentIsNamed) {
  app_test::StartUnitsOnce();
  auto form = Make<TForm5>();
  TButton* button = nullptr;
  try {
    BindFormComponent(form.get(), L"Button9", button);
    FAIL() << "no error";
  } catch (const EComponentError& e) {
    EXPECT_NE(e.Message().find(L"TForm5.Button9"), String::npos);
  }
  TEdit* wrongKind = nullptr;
  EXPECT_THROW(BindFormComponent(form.get(), L"Label1", wrongKind), EComponentError);
}

}  // namespace
