// The two prefixes differ as the tests rely on: visual styles are on in the
// themed one and off in the plain one. Declared BOTH_PREFIXES, so it also
// shows that a program runs once in each.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/TestPrefix.h"

namespace {

TEST(PrefixTest, VisualStylesAreOnExactlyInTheThemedPrefix) {
  HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
  ASSERT_NE(uxtheme, nullptr);
  using TIsThemeActive = BOOL(WINAPI*)();
  auto isThemeActive =
      reinterpret_cast<TIsThemeActive>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
  ASSERT_NE(isThemeActive, nullptr);
  EXPECT_EQ(isThemeActive() != FALSE, vamire_test::InThemedPrefix());
  FreeLibrary(uxtheme);
}

}  // namespace
