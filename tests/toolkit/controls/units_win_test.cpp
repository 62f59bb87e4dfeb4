// The controls unit started and ended from the program's list: the scroll bar
// joins the streamable classes, and a tracking timer left running at the end
// is released quietly.
#include "controls_test_support.h"

namespace {

struct TCaller : TcxIUnknownObject, IcxMouseTrackingCaller {
  int Leaves = 0;
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IcxMouseTrackingCaller>(this, iid, obj) || TcxIUnknownObject::GetInterface(iid, obj);
  }
  void MouseLeave() override { ++Leaves; }
};

TEST(ControlsUnitsTest, StartRegistersAndEndReleasesWhatIsLeftQuietly) {
  controls_test::TControlsUnits units;
  units.SetUp();
  EXPECT_TRUE(IsUnitStarted(L"cxControls"));
  EXPECT_NE(GetClass(L"TcxScrollBar"), nullptr);
  TCaller caller;
  StartMouseTracking(nullptr, TRect{0, 0, 10, 10}, &caller);
  ASSERT_TRUE(IsMouseTracked(&caller));
  const int running = GetRunningTimerList()->Count();
  EXPECT_GE(running, 1);
  EXPECT_NO_THROW(FinalizeUnits()) << "a timer left running ends with the program, quietly";
  EXPECT_EQ(MouseTrackingTimerList(), nullptr);
  EXPECT_EQ(caller.Leaves, 0);
  EXPECT_EQ(GetClass(L"TcxScrollBar"), nullptr);
  StartMouseTracking(nullptr, TRect{0, 0, 10, 10}, &caller);
  EXPECT_FALSE(IsMouseTracked(&caller)) << "nothing is tracked once the unit has ended";
}

}  // namespace
