// Entry point of every test program under Windows. The wide entry point keeps
// argument text intact whatever the ANSI code page is; the runtime's platform
// parts are installed as the program body installs them.
#include <gtest/gtest.h>

#include "DialogService.h"
#include "Runtime.h"

namespace {

// No test may wait for a person: a dialog no test answered fails the running
// test, naming it, and is cancelled at once.
class TFailingAnswerer : public TDialogAnswerer {
 public:
  bool Answer(TDialogRequest& Request, int&) override {
    ADD_FAILURE() << "Unanswered " << DialogKindName(Request.Kind) << " \"" << Request.Caption
                  << "\": " << Request.Text;
    return false;
  }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  InstallPlatformRuntime();
  static TFailingAnswerer answerer;
  SetDialogAnswerer(&answerer);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
