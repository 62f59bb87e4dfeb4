// The Win32 parts of cxClasses: thread hooks and multi-byte character lengths.
#include <gtest/gtest.h>

#include "cxClasses_win.h"

namespace {

int GHookCalls = 0;

LRESULT CALLBACK CountingHook(int code, WPARAM wParam, LPARAM lParam) {
  ++GHookCalls;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(ThreadHookTest, InstallsOnceAndRemovesCleanly) {
  HHOOK hook = nullptr;
  InstallThreadHook(hook, WH_GETMESSAGE, &CountingHook);
  ASSERT_NE(hook, nullptr);
  HHOOK installed = hook;
  EXPECT_THROW(InstallThreadHook(hook, WH_GETMESSAGE, &CountingHook), EAssertionFailed);
  EXPECT_EQ(hook, installed);  // the live hook stays

  GHookCalls = 0;
  PostThreadMessageW(GetCurrentThreadId(), WM_USER + 1, 0, 0);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  EXPECT_GT(GHookCalls, 0);

  RemoveThreadHook(hook);
  EXPECT_EQ(hook, nullptr);
  RemoveThreadHook(hook);  // an empty variable is left alone
  GHookCalls = 0;
  PostThreadMessageW(GetCurrentThreadId(), WM_USER + 1, 0, 0);
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  EXPECT_EQ(GHookCalls, 0);
}

TEST(CharByteLengthTest, SingleAndDoubleByteCharacters) {
  if (GetACP() != 936) {
    EXPECT_EQ(CharByteLength("ab", 1), 1);
    EXPECT_EQ(CharByteLength("ab", 3), 0);
    return;
  }
  const AnsiString text = "a\xD6\xD0z";  // "a", one GBK character, "z"
  EXPECT_EQ(CharByteLength(text, 1), 1);
  EXPECT_EQ(CharByteLength(text, 2), 2);
  EXPECT_EQ(CharByteLength(text, 4), 1);
}

}  // namespace
