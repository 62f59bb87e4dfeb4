// A control's own drag and drop driven by its mouse messages: it starts past
// the drag threshold (or at once), shows the object's cursor, ends accepted at
// the release and unaccepted on a key, on WM_CANCELMODE or a new press; a
// double click never starts one; a control freed as its drop ends is left
// alone. And the wheel, which scrolls a control with a vertical bar.
#include "scrollbar_test_support.h"

using namespace controls_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TControlsUnits);

std::vector<std::string>& DragLog() {
  static std::vector<std::string> log;
  return log;
}

// Accepts a drop right of x = 50; logs its steps.
class TRecordingDragObject : public TcxDragAndDropObject {
  VAMIRE_CLASS(TRecordingDragObject, TcxDragAndDropObject)
 public:
  using TcxDragAndDropObject::TcxDragAndDropObject;
  static bool Immediate;
  static bool FreeControlAtEnd;
  bool GetImmediateStart() override { return Immediate; }
  void BeginDragAndDrop() override {
    DragLog().push_back("begin");
    TcxDragAndDropObject::BeginDragAndDrop();
  }
  void DragAndDrop(const TPoint& P, bool& Accepted) override {
    Accepted = P.X > 50;
    DragLog().push_back("over " + std::to_string(P.X) + (Accepted ? " accepted" : ""));
    TcxDragAndDropObject::DragAndDrop(P, Accepted);
  }
  void EndDragAndDrop(bool Accepted) override {
    DragLog().push_back(Accepted ? "end accepted" : "end refused");
    if (FreeControlAtEnd) delete Control();
  }
};
bool TRecordingDragObject::Immediate = false;
bool TRecordingDragObject::FreeControlAtEnd = false;

class TOwnDragControl : public TTestControl {
  VAMIRE_CLASS(TOwnDragControl, TTestControl)
 public:
  explicit TOwnDragControl(TComponent* AOwner) : TTestControl(AOwner) {
    SetDragAndDropObjectClass(TRecordingDragObject::StaticClass());
  }

 protected:
  bool StartDragAndDrop(const TPoint& P) override { return P.Y < 40; }
};

class OwnDragTest : public testing::Test {
 public:
  void SetUp() override {
    form = MakeForm();
    ShowQuietly(form);
    control = new TOwnDragControl(form);
    control->SetBounds(10, 10, 200, 60);
    control->SetParent(form);
    DragLog().clear();
    TRecordingDragObject::Immediate = false;
    TRecordingDragObject::FreeControlAtEnd = false;
  }
  void TearDown() override {
    ReleaseCapture();
    delete form;
    Screen->SetCursor(crDefault);
  }
  void Send(UINT Msg, int X, int Y) {
    SendMessageW(control->Handle(), Msg, Msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(X, Y));
  }
  THostForm* form = nullptr;
  TOwnDragControl* control = nullptr;
};

TEST_F(OwnDragTest, ItStartsPastTheThresholdShowsTheCursorAndEndsAcceptedAtTheRelease) {
  Send(WM_LBUTTONDOWN, 10, 10);
  EXPECT_EQ(control->DragAndDropState(), ddsStarting);
  Send(WM_MOUSEMOVE, 12, 11);
  EXPECT_EQ(control->DragAndDropState(), ddsStarting) << "still inside the threshold";
  Send(WM_MOUSEMOVE, 40, 10);
  EXPECT_EQ(control->DragAndDropState(), ddsInProcess);
  EXPECT_EQ(Screen->Cursor(), crNoDrop);
  EXPECT_TRUE(control->MouseCapture());
  Send(WM_MOUSEMOVE, 60, 10);
  EXPECT_EQ(Screen->Cursor(), crDrag);
  Send(WM_LBUTTONUP, 60, 10);
  EXPECT_EQ(control->DragAndDropState(), ddsNone);
  EXPECT_EQ(Screen->Cursor(), crDefault) << "the screen cursor of before comes back";
  EXPECT_FALSE(control->MouseCapture());
  EXPECT_EQ(DragLog(), (std::vector<std::string>{"begin", "over 40", "over 60 accepted", "end accepted"}));
}

TEST_F(OwnDragTest, AKeyACancelOrANewPressEndsItUnaccepted) {
  struct TCase {
    const char* What;
    void (*End)(OwnDragTest*);
    std::vector<std::string> Log;
  };
  const TCase cases[] = {
      {"a key, which goes no further",
       [](OwnDragTest* t) {
         EXPECT_EQ(SendMessageW(t->control->Handle(), CN_KEYDOWN, 'A', 0), 1);
       },
       {"begin", "over 40", "end refused"}},
      {"WM_CANCELMODE", [](OwnDragTest* t) { SendMessageW(t->control->Handle(), WM_CANCELMODE, 0, 0); },
       {"begin", "over 40", "end refused"}},
      {"a right press", [](OwnDragTest* t) { t->Send(WM_RBUTTONDOWN, 40, 10); }, {"begin", "over 40", "end refused"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    DragLog().clear();
    Send(WM_LBUTTONDOWN, 10, 10);
    Send(WM_MOUSEMOVE, 40, 10);
    c.End(this);
    EXPECT_EQ(control->DragAndDropState(), ddsNone);
    EXPECT_EQ(DragLog(), c.Log);
    Send(WM_LBUTTONUP, 40, 10);
    EXPECT_EQ(DragLog(), c.Log) << "the release finds nothing to end";
  }
  // A key while it is only starting ends it too.
  Send(WM_LBUTTONDOWN, 10, 10);
  EXPECT_EQ(SendMessageW(control->Handle(), CN_KEYDOWN, 'A', 0), 1);
  EXPECT_EQ(control->DragAndDropState(), ddsNone);
  Send(WM_LBUTTONUP, 10, 10);
}

TEST_F(OwnDragTest, ADoubleClickOrARefusedPressNeverStartsAndAnImmediateOneStartsAtThePress) {
  Send(WM_LBUTTONDBLCLK, 10, 10);
  EXPECT_EQ(control->DragAndDropState(), ddsNone);
  Send(WM_LBUTTONUP, 10, 10);
  Send(WM_LBUTTONDOWN, 10, 50);  // below y = 40 the control refuses
  EXPECT_EQ(control->DragAndDropState(), ddsNone);
  Send(WM_LBUTTONUP, 10, 50);
  EXPECT_TRUE(DragLog().empty());
  TRecordingDragObject::Immediate = true;
  Send(WM_LBUTTONDOWN, 10, 10);
  EXPECT_EQ(control->DragAndDropState(), ddsInProcess);
  Send(WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(DragLog(), (std::vector<std::string>{"begin", "end accepted"}));
}

TEST_F(OwnDragTest, AControlFreedAsItsDropEndsIsLeftAlone) {
  auto* victim = new TOwnDragControl(form);
  victim->SetBounds(10, 80, 200, 60);
  victim->SetParent(form);
  TRecordingDragObject::FreeControlAtEnd = true;
  SendMessageW(victim->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(victim->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 10));
  SendMessageW(victim->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
  EXPECT_TRUE(TQuarantine::Holds(victim));
  EXPECT_TRUE(TQuarantine::Intact());
  EXPECT_EQ(DragLog().back(), "end accepted");
}

TEST_F(OwnDragTest, TheWheelScrollsAControlWithAVerticalBarAndOnlyThen) {
  auto* scrolling = new TScrollingControl(form);
  scrolling->SetBounds(10, 80, 200, 100);
  scrolling->SetParent(form);
  scrolling->ContentWidth = 100;
  scrolling->ContentHeight = 500;
  scrolling->UpdateScrollBars();
  ASSERT_TRUE(scrolling->IsVScrollBarVisible());
  const TPoint at = scrolling->ClientToScreen(TPoint{20, 20});
  SendMessageW(scrolling->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(at.X, at.Y));
  const int lines = Mouse->WheelScrollLines();
  ASSERT_EQ(int(scrolling->Scrolled.size()), lines);
  for (const auto& s : scrolling->Scrolled) EXPECT_EQ(s.first, sbVertical);
  scrolling->Scrolled.clear();
  SendMessageW(scrolling->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(at.X, at.Y));
  EXPECT_EQ(int(scrolling->Scrolled.size()), lines);

  // Without a vertical bar the wheel is left to the runtime (up to the form).
  scrolling->ContentHeight = 50;
  scrolling->UpdateScrollBars();
  ASSERT_FALSE(scrolling->IsVScrollBarVisible());
  scrolling->Scrolled.clear();
  EXPECT_EQ(SendMessageW(scrolling->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(at.X, at.Y)), 0);
  EXPECT_TRUE(scrolling->Scrolled.empty());
}

}  // namespace
