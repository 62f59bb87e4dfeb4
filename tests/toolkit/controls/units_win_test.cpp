// The controls unit started and ended from the program's list: the library's
// cursors registered under their ids and the anchor bitmaps found, the scroll
// bar among the streamable classes, and a tracking timer left running at the
// end released quietly.
#include <set>

#include "controls_test_support.h"

namespace {

TEST(ControlsUnitsTest, StartRegistersAndEndReleasesWhatIsLeftQuietly) {
  controls_test::TControlsUnits units;
  units.SetUp();
  EXPECT_TRUE(IsUnitStarted(L"cxControls"));
  EXPECT_NE(GetClass(L"TcxScrollBar"), nullptr);
  const HCURSOR arrow = GetCursorHandle(crArrow);
  std::set<HCURSOR> seen;
  for (int id = 2100; id <= 2115; ++id) {
    const HCURSOR cursor = GetCursorHandle(TCursor(id));
    EXPECT_NE(cursor, arrow) << id;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info)) << id;
    EXPECT_FALSE(info.fIcon) << id << " is a cursor";
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    seen.insert(cursor);
  }
  EXPECT_EQ(seen.size(), 16u) << "each its own";
  EXPECT_EQ(GetCursorHandle(crcxHandPoint), LoadCursorW(nullptr, IDC_HAND));
  for (const wchar_t* name : {L"CX_VERSCROLLBITMAP", L"CX_HORSCROLLBITMAP", L"CX_FULLSCROLLBITMAP"}) {
    HANDLE bitmap = LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, 0);
    EXPECT_NE(bitmap, nullptr) << UTF8Encode(name);
    if (bitmap) DeleteObject(bitmap);
  }
  controls_test::TBoundsCaller caller;
  StartMouseTracking(nullptr, TRect{0, 0, 10, 10}, &caller);
  ASSERT_TRUE(IsMouseTracked(&caller));
  const int running = GetRunningTimerList()->Count();
  EXPECT_GE(running, 1);
  EXPECT_NO_THROW(FinalizeUnits()) << "a timer left running ends with the program, quietly";
  EXPECT_EQ(MouseTrackingTimerList(), nullptr);
  EXPECT_EQ(caller.Leaves, 0);
  EXPECT_EQ(GetClass(L"TcxScrollBar"), nullptr);
  EXPECT_EQ(GetCursorHandle(crcxDragCopy), GetCursorHandle(crArrow)) << "the library's cursors go with the unit";
  StartMouseTracking(nullptr, TRect{0, 0, 10, 10}, &caller);
  EXPECT_FALSE(IsMouseTracked(&caller)) << "nothing is tracked once the unit has ended";
}

}  // namespace
