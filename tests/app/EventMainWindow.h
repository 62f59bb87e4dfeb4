// The main window for the tests of windows that send to the device peer:
// debug mode on, the selection fields 1,1 - 2,2, every frame's echo in the
// event list (RecordedEvents.h); and the peer test that opens the serial
// ports for it.
#pragma once

#include <memory>

#include "RecordedEvents.h"
#include "TestMainWindow.h"
#include "link/PeerTest.h"
#include "link/encoders_test.h"

namespace app_test {

class TEventMain : public TTestMainWindow {
 public:
  TEventMain() {
    Debug = true;
    Selection = {1, 1, 2, 2};
    Events().clear();
  }
  void AddLogLine(const String& line) override {
    TTestMainWindow::AddLogLine(line);
    Events().push_back(line);
  }
};

class TEventPeerTest : public link_test::TPeerTest {
 protected:
  void SetUp() override {
    TPeerTest::SetUp();
    OpenSerial(Main);
  }
  void TearDown() override { OpenCommPorts(false); }
  // A linked VGA matrix (CREATEK) with a brand named for each family, and a
  // 2 x 2 grid selection.
  void UseLinkedMatrices() {
    Main.Matrix = encoders_test::Linked(encoders_test::Vga(0));
    Main.Matrix.VideoBrandText = L"VBRAND";
    Main.Matrix.DviBrandText = L"DBRAND";
    Main.Splice().Grid = {1, 1, 2, 2};
  }

  TEventMain Main;
};

template <class T>
using TFormHolder = std::unique_ptr<T, void (*)(T*)>;
// A console window streamed from its form file, freed with the holder.
template <class T>
TFormHolder<T> MakeWindow() {
  return {TCustomForm::Create<T>(nullptr), [](T* f) { f->Free(); }};
}

}  // namespace app_test
