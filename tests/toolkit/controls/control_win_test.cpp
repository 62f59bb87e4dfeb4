// The base control: a look-and-feel change recalculates once and only marks
// the window for painting, also when it comes from a stream; the border and
// the client bounds; painting for the system version; a control freed in its
// own mouse handler is left alone; popup menus, wanted keys, font listeners.
#include "controls_test_support.h"

using namespace controls_test;

VAMIRE_PUBLISHED(TTestControl,
                 Prop(L"LookAndFeel", &TTestControl::LookAndFeel, &TTestControl::SetLookAndFeel),
                 Prop(L"BorderStyle", &TTestControl::BorderStyle, &TTestControl::SetBorderStyle).Default(cxcbsNone))

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TControlsUnits);

class ControlTest : public testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm();
    control = new TTestControl(form);
    control->SetBounds(10, 10, 200, 120);
    control->SetParent(form);
    control->LookAndFeel()->SetNativeStyle(false);
    control->LookAndFeel()->SetKind(lfStandard);
  }
  void TearDown() override {
    delete form;
    GlobalRootLookAndFeel()->ClearAssignedValues();
  }
  // Shown and painted, with nothing left to paint and the counters at 0.
  void ShowSettled() {
    ShowQuietly(form);
    UpdateWindow(form->Handle());
    Pump();
    control->Paints = 0;
    control->LookAndFeelChanges = 0;
    control->Erases = 0;
  }
  THostForm* form = nullptr;
  TTestControl* control = nullptr;
};

TEST_F(ControlTest, ALookAndFeelChangeRecalculatesOnceAndPaintsOnlyInTheNextPaintMessage) {
  ShowSettled();
  struct TCase {
    const char* What;
    void (*Change)(TTestControl*);
    TcxLookAndFeelValues Values;
  };
  const TCase cases[] = {
      {"own kind", [](TTestControl* c) { c->LookAndFeel()->SetKind(lfFlat); }, {lfvKind}},
      {"own native style", [](TTestControl* c) { c->LookAndFeel()->SetNativeStyle(true); }, {lfvNativeStyle}},
      {"the root's kind, through the chain",
       [](TTestControl* c) {
         c->LookAndFeel()->ClearAssignedValues();
         c->LookAndFeelChanges = 0;
         GlobalRootLookAndFeel()->SetKind(lfOffice11);
       },
       {lfvKind}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    c.Change(control);
    EXPECT_EQ(control->LookAndFeelChanges, 1);
    EXPECT_EQ(control->LastChangedValues, c.Values);
    EXPECT_EQ(control->Paints, 0) << "nothing is painted from the notification";
    EXPECT_TRUE(GetUpdateRect(control->Handle(), nullptr, FALSE)) << "the window waits for its paint";
    Pump();
    EXPECT_EQ(control->Paints, 1);
    control->Paints = 0;
    control->LookAndFeelChanges = 0;
  }
}

TEST_F(ControlTest, AStreamedLookAndFeelIsNotedWhileLoadingAndRecalculatedOnceAfterwards) {
  RegisterClasses({TTestControl::StaticClass()});
  auto* loaded = new TTestControl(form);
  loaded->SetParent(form);
  LoadFromText(loaded, L"object Loaded: TTestControl\n"
                       L"  LookAndFeel.Kind = lfFlat\n"
                       L"  LookAndFeel.NativeStyle = False\n"
                       L"  LookAndFeel.SkinName = ''\n"
                       L"  BorderStyle = cxcbsDefault\n"
                       L"end\n");
  EXPECT_EQ(loaded->LookAndFeelChanges, 1) << "Loaded recalculates once for all the values read";
  EXPECT_EQ(loaded->LastChangedValues, (TcxLookAndFeelValues{lfvKind, lfvNativeStyle}));
  EXPECT_EQ(loaded->LookAndFeel()->Kind(), lfFlat);
  EXPECT_FALSE(loaded->LookAndFeel()->NativeStyle());
  EXPECT_EQ(loaded->LookAndFeel()->AssignedValues(), cxLookAndFeelAllValues);
  EXPECT_EQ(loaded->LookAndFeel()->Painter(), TcxFlatLookAndFeelPainter::Instance());
  EXPECT_EQ(loaded->BorderStyle(), cxcbsDefault);
  // Written back: the assigned values, and read again, the same look-and-feel.
  const String text = SaveToText(loaded);
  EXPECT_NE(text.find(L"  LookAndFeel.Kind = lfFlat\n  LookAndFeel.NativeStyle = False\n  LookAndFeel.SkinName = ''\n"),
            String::npos)
      << UTF8Encode(text);
  auto* again = new TTestControl(form);
  again->SetParent(form);
  LoadFromText(again, text);
  EXPECT_EQ(again->LookAndFeel()->AssignedValues(), cxLookAndFeelAllValues);
  EXPECT_EQ(again->LookAndFeel()->Kind(), lfFlat);
  const String againText = SaveToText(again);
  EXPECT_EQ(againText.substr(againText.find(L"  LookAndFeel")), text.substr(text.find(L"  LookAndFeel")));
  // The values inherited from the root are never written.
  loaded->LookAndFeel()->ClearAssignedValues();
  EXPECT_EQ(SaveToText(loaded).find(L"LookAndFeel"), String::npos);
  UnRegisterClasses({TTestControl::StaticClass()});
}

TEST_F(ControlTest, TheBorderTakesThePaintersWidthFromTheClientBounds) {
  EXPECT_EQ(control->GetBorderSize(), 0);
  EXPECT_EQ(control->GetClientBounds(), control->GetBounds());
  EXPECT_EQ(control->GetBounds(), (TRect{0, 0, 200, 120}));
  control->SetBorderStyle(cxcbsDefault);
  struct TCase {
    TcxLookAndFeelKind Kind;
    int Border;
  };
  for (const TCase c : {TCase{lfStandard, 2}, TCase{lfFlat, 1}, TCase{lfUltraFlat, 1}}) {
    control->LookAndFeel()->SetKind(c.Kind);
    EXPECT_EQ(control->GetBorderSize(), c.Border);
    EXPECT_EQ(control->GetClientBounds(), (TRect{c.Border, c.Border, 200 - c.Border, 120 - c.Border}));
  }
  control->FBounds = TRect{20, 10, 120, 60};
  EXPECT_EQ(control->GetClientBounds(), (TRect{21, 11, 119, 59}));
}

TEST_F(ControlTest, TheStandardBorderIsDrawnAroundTheFilledClientArea) {
  control->SetBorderStyle(cxcbsDefault);
  control->Fill = clRed;
  ShowSettled();
  const vamire_test::Capture cap = vamire_test::CaptureClient(control->Handle());
  // The standard painter's sunken edge: shadow at the top left, highlight at the bottom right.
  EXPECT_EQ(cap.At(0, 0), graphics_test::Rgb(clBtnShadow));
  EXPECT_EQ(cap.At(199, 119), graphics_test::Rgb(clBtnHighlight));
  EXPECT_EQ(cap.At(1, 1), graphics_test::Rgb(cl3DDkShadow));
  EXPECT_EQ(cap.At(100, 60), 0xFF0000u);
  EXPECT_EQ(cap.At(2, 2), 0xFF0000u);
}

TEST_F(ControlTest, PaintsOffScreenOnlyOnTheSystemVersionThatAsksForIt) {
  control->Fill = clLime;
  ShowSettled();
  const bool saved = OSFlagWin7;
  struct TCase {
    bool Win7;
    DWORD DCKind;
    int Erases;
  };
  for (const TCase c : {TCase{true, OBJ_MEMDC, 1}, TCase{false, OBJ_DC, 0}}) {
    SCOPED_TRACE(c.Win7);
    OSFlagWin7 = c.Win7;
    control->Erases = 0;
    control->Invalidate();
    UpdateWindow(control->Handle());
    EXPECT_EQ(control->LastPaintDCKind, c.DCKind);
    EXPECT_EQ(control->Erases, c.Erases);
    const vamire_test::Capture cap = vamire_test::CaptureClient(control->Handle());
    EXPECT_EQ(cap.At(5, 5), 0x00FF00u);
    EXPECT_EQ(cap.At(199, 119), 0x00FF00u);
  }
  OSFlagWin7 = saved;
}

TEST_F(ControlTest, AControlFreedInItsOwnMouseHandlerIsNeverTouchedAgain) {
  struct TFreer : TObject {
    void MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) { delete Sender; }
    void MouseUp(TObject* Sender, TMouseButton, TShiftState, int, int) { delete Sender; }
  } freer;
  struct TCase {
    const char* What;
    UINT Message;
    TDragMode DragMode;
    bool Override;
  };
  const TCase cases[] = {
      {"in OnMouseDown", WM_LBUTTONDOWN, dmManual, false},
      {"in OnMouseDown, automatic drag mode", WM_LBUTTONDOWN, dmAutomatic, false},
      {"in a right press", WM_RBUTTONDOWN, dmManual, false},
      {"in a middle press", WM_MBUTTONDOWN, dmManual, false},
      {"in a double click", WM_LBUTTONDBLCLK, dmManual, false},
      {"in OnMouseUp", WM_LBUTTONUP, dmManual, false},
      {"in the MouseDown override", WM_LBUTTONDOWN, dmManual, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    auto* victim = new TTestControl(form);
    victim->SetBounds(10, 10, 50, 50);
    victim->SetParent(form);
    victim->SetDragMode(c.DragMode);
    victim->FreeOnMouseDown = c.Override;
    if (c.Message == WM_LBUTTONUP) {
      victim->OnMouseUp = TMouseEvent(&freer, &TFreer::MouseUp);
    } else if (!c.Override) {
      victim->OnMouseDown = TMouseEvent(&freer, &TFreer::MouseDown);
    }
    SendMessageW(victim->Handle(), c.Message, c.Message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(TQuarantine::Holds(victim)) << "freed";
    EXPECT_TRUE(TQuarantine::Intact()) << "and left alone afterwards";
    ReleaseCapture();
  }
}

TEST_F(ControlTest, APopupMenuOfTheWrongKindIsNoneAndAFreedOneIsForgotten) {
  auto* plain = new TComponent(form);
  control->SetPopupMenu(plain);
  EXPECT_EQ(control->PopupMenu(), nullptr);
  auto* menu = new TPopupMenu(nullptr);
  control->SetPopupMenu(menu);
  EXPECT_EQ(control->PopupMenu(), menu);
  delete menu;
  EXPECT_EQ(control->PopupMenu(), nullptr);
}

TEST_F(ControlTest, AKeyboardContextMenuOpensAtTheTopLeftCorner) {
  auto* menu = new TPopupMenu(form);
  control->SetPopupMenu(menu);
  SendMessageW(control->Handle(), WM_CONTEXTMENU, WPARAM(control->Handle()), MAKELPARAM(-1, -1));
  ASSERT_EQ(control->PopupsShown.size(), 1u);
  EXPECT_EQ(control->PopupsShown[0], control->ClientToScreen(TPoint{0, 0}));
  const TPoint at = control->ClientToScreen(TPoint{30, 40});
  SendMessageW(control->Handle(), WM_CONTEXTMENU, WPARAM(control->Handle()), MAKELPARAM(at.X, at.Y));
  ASSERT_EQ(control->PopupsShown.size(), 2u);
  EXPECT_EQ(control->PopupsShown[1], at);
}

TEST_F(ControlTest, WantedKeysAnswerTheDialogManager) {
  struct TCase {
    TcxKeys Keys;
    LRESULT Code;
  };
  const TCase cases[] = {
      {{}, 0},
      {{kAll}, DLGC_WANTALLKEYS},
      {{kArrows}, DLGC_WANTARROWS},
      {{kChars}, DLGC_WANTCHARS},
      {{kTab}, DLGC_WANTTAB},
      {{kArrows, kChars, kTab}, DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB},
  };
  for (const TCase& c : cases) {
    control->SetWantedKeys(c.Keys);
    EXPECT_EQ(SendMessageW(control->Handle(), WM_GETDLGCODE, 0, 0), c.Code);
  }
}

TEST_F(ControlTest, FontListenersHearOfEveryChangeInOrderAndMayLeaveMeanwhile) {
  struct TListener : TcxIUnknownObject, IcxControlFontListener {
    std::vector<std::string>* Log;
    std::string Name;
    TTestControl* LeaveFrom = nullptr;
    TListener(std::vector<std::string>* ALog, std::string AName) : Log(ALog), Name(std::move(AName)) {}
    void FontChanged(TObject* Sender, TFont* Font) override {
      Log->push_back(Name + " " + std::to_string(Font->Size()) + (Sender ? "" : " no sender"));
      if (LeaveFrom) LeaveFrom->RemoveFontListener(this);
    }
  };
  std::vector<std::string> log;
  TListener first(&log, "first"), second(&log, "second");
  first.LeaveFrom = control;
  control->AddFontListener(&first);
  control->AddFontListener(&second);
  control->AddFontListener(&first);  // once only
  control->Font()->SetSize(14);
  control->Font()->SetSize(15);
  EXPECT_EQ(log, (std::vector<std::string>{"first 14", "second 14", "second 15"}));
}

TEST_F(ControlTest, AtDesignTimeTheControlTakesTheMouseOnlyWhileItsOwnOperationsRun) {
  control->SetDesigning(true);
  EXPECT_TRUE(control->IsDesigning());
  EXPECT_FALSE(control->CanFocusOnClick());
  EXPECT_EQ(SendMessageW(control->Handle(), CM_DESIGNHITTEST, 0, MAKELPARAM(5, 5)), 0);
  control->SetDragAndDropState(ddsStarting);
  EXPECT_EQ(SendMessageW(control->Handle(), CM_DESIGNHITTEST, 0, MAKELPARAM(5, 5)), 1);
  control->SetDragAndDropState(ddsNone);
  // Its own bars work at design time all the same.
  EXPECT_EQ(SendMessageW(control->HScrollBar()->Handle(), CM_DESIGNHITTEST, 0, MAKELPARAM(5, 5)), 1);
  control->SetDesigning(false);
}

TEST_F(ControlTest, AChildComponentBelongsToItsControlAndLeavesItWhenFreed) {
  struct TChild : TcxControlChildComponent {
    using TcxControlChildComponent::TcxControlChildComponent;
  };
  auto* owned = new TChild(control, true);
  EXPECT_EQ(owned->Control(), control);
  EXPECT_EQ(owned->Owner(), control->Owner()) << "the control's owner owns it";
  EXPECT_TRUE(owned->HasParent());
  EXPECT_EQ(owned->GetParentComponent(), control);
  auto* loose = new TChild(control, false);
  EXPECT_EQ(loose->Owner(), nullptr);
  delete loose;
  auto* streamed = new TChild(nullptr);
  EXPECT_FALSE(streamed->HasParent());
  streamed->SetParentComponent(control);
  EXPECT_EQ(streamed->Control(), control);
  delete streamed;
  delete owned;
}

}  // namespace
