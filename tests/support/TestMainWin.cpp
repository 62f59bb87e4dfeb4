// Entry point of every test program under Windows. The wide entry point keeps
// argument text intact whatever the ANSI code page is; the runtime's platform
// parts are installed as the program body installs them.
#include <gtest/gtest.h>

#include "Runtime.h"

int wmain(int argc, wchar_t** argv) {
  InstallPlatformRuntime();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
