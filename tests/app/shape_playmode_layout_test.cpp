// The special-shape, play-mode and vertical subtitle windows as the operator
// sees them, in both languages: the sizes the windows are given, every text
// fitting its control, nothing overlapping, and a screenshot of each.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "TestMainWindow.h"
#include "Unit11.h"
#include "Unit16.h"
#include "Unit19.h"
#include "support/LayoutCheck.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"
#include "uPlayMode.h"

namespace {

// The window from its form file; a form file the window cannot read fails
// the test with the reader's message.
template <class T>
std::unique_ptr<T, void (*)(T*)> Make() {
  try {
    return {TCustomForm::Create<T>(nullptr), [](T* f) { f->Free(); }};
  } catch (const Exception& e) {
    ADD_FAILURE() << UTF8Encode(e.ClassName() + L": " + e.Message());
    throw;
  }
}

// Shows the window in the language, checks its layout and saves what it shows.
template <class T>
void CheckWindow(const wchar_t* name, int language, int width, int height) {
  app_test::TTestMainWindow main;
  main.LanguageFlag = language;
  auto form = Make<T>();
  form->Show();
  for (int i = 0; i < 20; ++i) {
    Application->ProcessMessages();
    Sleep(10);
  }
  const std::wstring suffix = std::wstring(language ? L"_english" : L"_chinese") +
                              (vamire_test::InThemedPrefix() ? L"_themed" : L"_plain") + L".png";
  EXPECT_TRUE(vamire_test::CaptureWindow(form->Handle()).SavePng(std::wstring(name) + suffix));
  EXPECT_EQ(form->Width(), width);
  EXPECT_EQ(form->Height(), height);
  EXPECT_EQ(test_support::CheckLayout(form.get()), std::vector<std::string>{});
}

TEST(ShapeLayoutTest, TheSpecialShapeWindowInBothLanguages) {
  CheckWindow<TForm16>(L"special_shape", 0, 366, 373);
  CheckWindow<TForm16>(L"special_shape", 1, 366, 373);
  app_test::TTestMainWindow main;
  main.LanguageFlag = 1;
  auto form = Make<TForm16>();
  form->Show();
  EXPECT_EQ(form->Caption(), L"Special Regulation");
  EXPECT_FALSE(form->Label20->Visible());
  EXPECT_TRUE(form->LabelEn->Visible());
  EXPECT_EQ(form->LabelEn->Caption(),
            L"Horizontal Input:0 to the width of\r\ncurrent screen\r\nVertical Input:0 to the height of\r\ncurrent screen");
  EXPECT_EQ(form->Label23->Caption(), L"Vertical Size");
}

TEST(ShapeLayoutTest, TheEdgeBlendingWindowInBothLanguages) {
  CheckWindow<TForm11>(L"edge_blending", 0, 441, 222);
  CheckWindow<TForm11>(L"edge_blending", 1, 441, 222);
}

TEST(ShapeLayoutTest, ThePlayModeWindowInBothLanguages) {
  CheckWindow<TfrmPlayMode>(L"play_mode", 0, 586, 163);
  CheckWindow<TfrmPlayMode>(L"play_mode", 1, 586, 163);
}

TEST(ShapeLayoutTest, TheVerticalSubtitleWindowKeepsItsLabelInside) {
  app_test::TTestMainWindow main;
  auto form = Make<TForm19>();
  form->Show();
  Application->ProcessMessages();
  EXPECT_EQ(test_support::CheckLayout(form.get()), std::vector<std::string>{});
}

}  // namespace
