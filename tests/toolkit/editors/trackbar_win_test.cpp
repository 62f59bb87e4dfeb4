// The track bar as the edge-blending window uses it (Max 100, PageSize 2)
// under the real keyboard and pointer: each real change fires OnChange once,
// presses beside the thumb step or jump, a drag follows the pointer, and a
// track no longer than its thumb jumps to Min. A gallery of bars is captured
// for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "cxTrackBar_win.h"
#include "edit_test_support.h"
#include "support/HostForm.h"
#include "support/WindowCapture.h"

namespace {

class TTrackBarUnits : public edit_test::TEditUnits {
 public:
  void SetUp() override {
    edit_test::TEditUnits::SetUp();
    InitializeUnits({cxTrackBarUnit});
  }
};
const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TTrackBarUnits);

void PumpFor(DWORD AMilliseconds) {
  const DWORD start = GetTickCount();
  do {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Application->ProcessMessages();
  } while (GetTickCount() - start < AMilliseconds);
}

void SendMouse(DWORD AFlags, const TPoint* AAt = nullptr) {
  if (AAt) SetCursorPos(AAt->X, AAt->Y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = AFlags;
  SendInput(1, &input, sizeof(INPUT));
  PumpFor(80);
}

void SendKey(WORD AKey) {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = AKey;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
  PumpFor(60);
}

vamire_test::Capture Shot(TcxTrackBar* ABar) {
  ABar->Invalidate();
  PumpFor(80);
  return vamire_test::CaptureClient(ABar->Handle());
}

class TChangeLog : public TObject {
  VAMIRE_CLASS(TChangeLog, TObject)
 public:
  TChangeLog() = default;
  void Change(TObject* Sender) { Positions.push_back(static_cast<TcxTrackBar*>(Sender)->Position()); }
  std::vector<int> Positions;
};

class TTrackBarFixture : public testing::Test {
 protected:
  void SetUp() override {
    Form = test_support::MakeForm(460, 300);
    Bar = Add(20, 20, 196, 40);
    Bar->TrackProperties()->Update([](auto& V) {
      V.Max = 100;
      V.PageSize = 2;
    });
    Bar->TrackProperties()->OnChange = TNotifyEvent(&Log, &TChangeLog::Change);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpFor(100);
  }
  void TearDown() override {
    SendMouse(MOUSEEVENTF_LEFTUP);
    delete Form;
  }
  TcxTrackBar* Add(int X, int Y, int AWidth, int AHeight) {
    auto* bar = new TcxTrackBar(Form);
    bar->SetParent(Form);
    bar->SetBounds(X, Y, AWidth, AHeight);
    // The classic look, drawn the same in every prefix.
    bar->Style()->LookAndFeel()->SetNativeStyle(false);
    bar->Style()->LookAndFeel()->SetKind(lfStandard);
    return bar;
  }
  TPoint ScreenAt(TcxTrackBar* ABar, int X, int Y) { return ABar->ClientToScreen(TPoint{X, Y}); }
  TPoint ThumbCentre(TcxTrackBar* ABar) {
    const TcxTrackBarLayout l = ABar->CalcLayout(nullptr);
    return ScreenAt(ABar, (l.Thumb.Left + l.Thumb.Right) / 2, (l.Thumb.Top + l.Thumb.Bottom) / 2);
  }

  test_support::THostForm* Form = nullptr;
  TcxTrackBar* Bar = nullptr;
  TChangeLog Log;
};

TEST_F(TTrackBarFixture, KeysChangeThePositionAndFireOnChangeOncePerRealChange) {
  Bar->SetPosition(99);
  EXPECT_TRUE(Log.Positions.empty()) << "code writing the position is no user change";
  Bar->SetFocus();
  PumpFor(50);
  ASSERT_EQ(GetFocus(), Bar->Handle());
  SendKey(VK_NEXT);
  EXPECT_EQ(Bar->Position(), 100);
  SendKey(VK_NEXT);
  SendKey(VK_RIGHT);
  SendKey(VK_END);
  EXPECT_EQ(Log.Positions, std::vector<int>{100}) << "at Max nothing changes";
  SendKey(VK_HOME);
  SendKey(VK_DOWN);
  SendKey(VK_PRIOR);
  EXPECT_EQ(Log.Positions, (std::vector<int>{100, 0, 1, 0}));
  EXPECT_EQ(Bar->GetDisplayText(), L"0");
}

TEST_F(TTrackBarFixture, ValuesReadAsPositionsWithinTheRange) {
  Bar->TrackProperties()->Update([](auto& V) { V.Min = 5; });
  struct Case {
    Variant Value;
    int Expected;
  } cases[] = {{Variant(L" 42 "), 42}, {Variant(L"wall"), 5}, {Variant(L"0x10"), 5}, {Variant(500), 100},
               {Variant(-4), 5},       {Variant(), 5},         {Variant(2.5), 5}};
  for (const Case& c : cases) {
    Bar->SetEditValue(c.Value);
    EXPECT_EQ(Bar->Position(), c.Expected) << VarToStr(c.Value);
  }
  Bar->TrackProperties()->Update([](auto& V) { V.Min = 50, V.Max = 10; });
  Bar->SetEditValue(Variant(30));
  EXPECT_EQ(Bar->Position(), 50) << "Min above Max reads every position as Min";
}

TEST_F(TTrackBarFixture, PressesBesideTheThumbStepOrJumpAndADragFollowsThePointer) {
  Bar->SetPosition(50);
  const TcxTrackBarLayout l = Bar->CalcLayout(nullptr);
  const int y = (l.Track.Top + l.Track.Bottom) / 2;
  const TPoint before = ScreenAt(Bar, 12, y);
  SendMouse(MOUSEEVENTF_LEFTDOWN, &before);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(Bar->Position(), 49) << "one step towards the press";
  Bar->TrackProperties()->Update([](auto& V) { V.ThumbStep = cxtsJump; });
  const TPoint jump = ScreenAt(Bar, l.TrackStart + int(25 * l.TickOffset) + 1, y);
  SendMouse(MOUSEEVENTF_LEFTDOWN, &jump);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(Bar->Position(), 25);
  const TPoint from = ThumbCentre(Bar);
  SendMouse(MOUSEEVENTF_LEFTDOWN, &from);
  EXPECT_EQ(Bar->ThumbState(), tbtsPressed);
  const TPoint to{from.X + 20, from.Y};
  SendMouse(MOUSEEVENTF_MOVE, &to);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_NEAR(Bar->Position(), 25 + 100 * 20 / 196, 1);
  EXPECT_NE(Bar->ThumbState(), tbtsPressed);
  EXPECT_EQ(Log.Positions.size(), 3u) << "one change per press and one for the drag";
}

TEST_F(TTrackBarFixture, AJumpOnATrackNoLongerThanTheThumbGivesMin) {
  // Track 7..33 and a thumb exactly as long: no room to move in.
  TcxTrackBar* narrow = Add(20, 100, 40, 40);
  narrow->TrackProperties()->Update([](auto& V) {
    V.Min = 3, V.Max = 100, V.AutoSize = false, V.ThumbWidth = 26, V.ThumbStep = cxtsJump;
  });
  narrow->TrackProperties()->OnChange = TNotifyEvent(&Log, &TChangeLog::Change);
  narrow->SetPosition(50);
  PumpFor(50);
  const TcxTrackBarLayout l = narrow->CalcLayout(nullptr);
  ASSERT_EQ(l.TickOffset, 0);
  const TPoint beside = ScreenAt(narrow, 2, (l.Track.Top + l.Track.Bottom) / 2);
  SendMouse(MOUSEEVENTF_LEFTDOWN, &beside);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(narrow->Position(), 3);
  EXPECT_EQ(Log.Positions, std::vector<int>{3});
}

TEST_F(TTrackBarFixture, ThePointerOverTheThumbMakesItHotInEveryLook) {
  Bar->SetPosition(50);
  for (TcxLookAndFeelKind kind : {lfStandard, lfUltraFlat, lfOffice11}) {
    Bar->Style()->LookAndFeel()->SetKind(kind);
    const TPoint corner = ScreenAt(Bar, 1, 1);
    SendMouse(MOUSEEVENTF_MOVE, &corner);
    EXPECT_EQ(Bar->ThumbState(), tbtsNormal) << kind;
    const TPoint centre = ThumbCentre(Bar);
    SendMouse(MOUSEEVENTF_MOVE, &centre);
    EXPECT_EQ(Bar->ThumbState(), tbtsHot) << kind;
    // The hot thumb is filled with the look's highlight, on screen too.
    const TColor fill = kind == lfStandard ? clSilver : GetEditButtonHighlightColor(false, kind == lfOffice11);
    const vamire_test::Capture shot = Shot(Bar);
    const TPoint at = Bar->ScreenToClient(centre);
    const COLORREF c = COLORREF(ColorToRGB(fill));
    EXPECT_EQ(shot.At(at.X, at.Y), uint32_t(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c))) << kind;
  }
}

// A custom thumb takes its size from OnGetThumbRect, widens the band to it and
// is drawn by OnDrawThumb in the rectangle the layout gives it.
class TThumbHooks : public TObject {
  VAMIRE_CLASS(TThumbHooks, TObject)
 public:
  TThumbHooks() = default;
  void GetRect(TObject*, TRect& ARect) { ARect = TRect{0, 0, 16, 30}; }
  void Draw(TObject*, TcxCanvas* ACanvas, const TRect& ARect) {
    Drawn.push_back(ARect);
    ACanvas->FillRect(ARect, clRed);
  }
  std::vector<TRect> Drawn;
};

TEST_F(TTrackBarFixture, ACustomThumbIsSizedAndDrawnByItsHandlers) {
  TThumbHooks hooks;
  Bar->TrackProperties()->OnGetThumbRect = TcxGetThumbRectEvent(&hooks, &TThumbHooks::GetRect);
  Bar->TrackProperties()->OnDrawThumb = TcxDrawThumbEvent(&hooks, &TThumbHooks::Draw);
  Bar->TrackProperties()->Update([](auto& V) { V.ThumbType = cxttCustom; });
  Bar->SetPosition(50);
  const TcxTrackBarLayout l = Bar->CalcLayout(nullptr);
  EXPECT_EQ(l.Thumb.Right - l.Thumb.Left, 16);
  EXPECT_EQ(l.Thumb.Bottom - l.Thumb.Top, 30);
  EXPECT_EQ(l.Band.Bottom - l.Band.Top, 30) << "the band grows to the custom thumb";
  const vamire_test::Capture shot = Shot(Bar);
  ASSERT_FALSE(hooks.Drawn.empty());
  EXPECT_EQ(hooks.Drawn.back(), l.Thumb);
  EXPECT_EQ(shot.At((l.Thumb.Left + l.Thumb.Right) / 2, (l.Thumb.Top + l.Thumb.Bottom) / 2), 0xFF0000u);
  // Without a drawing handler a custom thumb draws nothing.
  hooks.Drawn.clear();
  Bar->TrackProperties()->OnDrawThumb = nullptr;
  Bar->TrackProperties()->Changed();
  const vamire_test::Capture bare = Shot(Bar);
  EXPECT_NE(bare.At((l.Thumb.Left + l.Thumb.Right) / 2, (l.Thumb.Top + l.Thumb.Bottom) / 2), 0xFF0000u);
}

TEST(TrackBarUnit, RegistersItsPropertiesUnderTheirDescription) {
  TcxRegisteredClasses* registry = EditPropertiesRegistry();
  const int index = registry->IndexOf(TcxTrackBarProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->Descriptions(index), L"TrackBar");
  EXPECT_EQ(FindClass(L"TcxTrackBar"), TcxTrackBar::StaticClass());
}

TEST_F(TTrackBarFixture, AnEmptySelectionDrawsNothingAndAGalleryIsCaptured) {
  Bar->SetPosition(30);
  const vamire_test::Capture none = Shot(Bar);
  Bar->TrackProperties()->Update([](auto& V) { V.SelectionStart = V.SelectionEnd = 5; });
  EXPECT_EQ(Shot(Bar).Pixels, none.Pixels);
  Bar->TrackProperties()->Update([](auto& V) { V.SelectionStart = 10, V.SelectionEnd = 60; });
  EXPECT_NE(Shot(Bar).Pixels, none.Pixels);

  TcxTrackBar* numbers = Add(20, 80, 196, 50);
  numbers->TrackProperties()->Update([](auto& V) {
    V.Max = 100, V.Frequency = 25, V.TickType = tbttNumbers, V.TickMarks = cxtmBoth;
  });
  numbers->SetPosition(75);
  TcxTrackBar* vertical = Add(240, 20, 60, 200);
  vertical->TrackProperties()->Update([](auto& V) { V.Orientation = tboVertical, V.TickMarks = cxtmBoth; });
  vertical->SetPosition(3);
  TcxTrackBar* fixed = Add(20, 150, 196, 40);
  fixed->TrackProperties()->Update([](auto& V) { V.AutoSize = false, V.Max = 20, V.TickType = tbttValueNumber; });
  fixed->SetPosition(12);
  TcxTrackBar* turned = Add(320, 80, 130, 70);
  turned->TrackProperties()->Update([](auto& V) {
    V.Max = 100, V.Frequency = 50, V.TickType = tbttNumbers, V.TextOrientation = tbtoVertical;
  });
  TcxTrackBar* office = Add(320, 20, 120, 40);
  office->Style()->LookAndFeel()->SetKind(lfOffice11);
  PumpFor(100);
  Form->Invalidate();
  PumpFor(150);
  const vamire_test::Capture shot = vamire_test::CaptureClient(Form->Handle());
  EXPECT_GT(shot.CountNot(shot.At(2, 2)), 500u);
  shot.SavePng(L"trackbar_gallery.png");
  // The turned "100" below the thumb stands taller than it is wide.
  const TcxTrackBarLayout l = turned->CalcLayout(nullptr);
  const TPoint origin = Form->ScreenToClient(turned->ClientToScreen(TPoint{0, 0}));
  int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
  for (int y = l.Thumb.Bottom; y < turned->Height(); ++y)
    for (int x = turned->Width() / 2 + 10; x < turned->Width(); ++x)
      if (shot.At(origin.X + x, origin.Y + y) == 0) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, 0) << "the number is drawn";
  EXPECT_GT(bottom - top, 2 * (right - left)) << left << " " << right << " " << top << " " << bottom;
}

}  // namespace
