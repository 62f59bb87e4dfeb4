// The drop-down popup for real under the display: placed under its editor
// (above it at the bottom of an injected work area, with the shadow band
// under the editor cut out of its region), its system panel with close
// button and grip painted in two looks (captured to "editors_popup_*.png"),
// the grip dragged with the real pointer (applied, cancelled by Esc, held at
// the minimum size), the close button clicked, modal results, top-level mode
// on and off; and the open and close protocol driven by real keys.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "cxDropDownEdit_win.h"
#include "cxGeometry.h"
#include "edit_test_support.h"
#include "support/RealKeys.h"
#include "pointer_test_support.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace {

using pointer_test::MouseInput;
using pointer_test::MoveTo;
using pointer_test::ScreenRect;
using test_support::MakeForm;
using test_support::Pump;
using test_support::PumpFor;
using test_support::THostForm;
using test_support::Type;

class TPopupEditUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                     cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit,
                     cxContainerUnit, cxContainerPopupsUnit, cxEditConstsUnit, cxFilterControlStrsUnit,
                     cxEditPaintUtilsUnit, cxEditUnit});
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPopupEditUnits);

TRect& InjectedArea() {
  static TRect area;
  return area;
}
TRect ReadInjectedArea(const TPoint&) { return InjectedArea(); }

// The editor side as the drop-down editor will be: an edit that answers the
// popup's questions, counts what it is told and places a list in the popup.
class TOwnerEdit : public TEdit, public IcxEditPopupWindowOwner {
  VAMIRE_CLASS(TOwnerEdit, TEdit)
 public:
  using TEdit::TEdit;
  TcxCustomEditPopupWindow* Popup = nullptr;
  TListBox* List = nullptr;
  TSize Content{180, 96};
  std::vector<TcxEditCloseUpReason> CloseReasons;
  int Resized = 0, Saved = 0, Finalized = 0;
  TSize SavedSize;
  TRect Client;

  TRect GetPopupOwnerBounds() override {
    TRect r = BoundsRect();
    if (Popup && Popup->Shadow()) r.Right += cxEditPopupShadowWidth;
    return r;
  }
  TSize CalcPopupClientSize() override { return Content; }
  void CloseUp(TcxEditCloseUpReason AReason) override {
    CloseReasons.push_back(AReason);
    Popup->CloseUp();
  }
  void SetupPopupClient(const TRect& R) override {
    Client = R;
    if (List) List->SetBounds(R.Left, R.Top, GetRectWidth(R), GetRectHeight(R));
  }
  void PopupResizedByUser() override { ++Resized; }
  void SavePopupSize() override {
    ++Saved;
    SavedSize = TSize{Popup->Width(), Popup->Height()};
  }
  void DoFinalizePopup() override { ++Finalized; }
  bool CanResizePopupClient(TSize&, const TSize&) override { return true; }
};

// An edit whose keys go to the protocol first, as the drop-down editor's will; it records the keys that pass.
class TKeyEdit : public TOwnerEdit {
  VAMIRE_CLASS(TKeyEdit, TOwnerEdit)
 public:
  using TOwnerEdit::TOwnerEdit;
  TcxDropDownPopupProtocol* Protocol = nullptr;
  bool EditingAllowed = true;
  std::vector<uint16_t> Passed;

 protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    if (Protocol && Protocol->HandleKey(Key, Shift, EditingAllowed)) Key = 0;
    if (Key) Passed.push_back(Key);
    TOwnerEdit::KeyDown(Key, Shift);
  }
};

// What the drop-down editor does before each opening.
void PreparePopup(TcxCustomEditPopupWindow* APopup) {
  APopup->PositioningLock = true;
  APopup->CalculateSize();
  TPoint p;
  APopup->CalcPosition(p);
  APopup->CorrectBoundsToWorkArea(p);
  APopup->PositioningLock = false;
  APopup->SetBounds(p.X, p.Y, APopup->Width(), APopup->Height());
  APopup->Recalculate();
  APopup->UpdateWindowRegion();
}


// Presses on AFrom, moves in steps to ATo, and releases unless asked not to.
void Drag(const TPoint& AFrom, const TPoint& ATo, bool ARelease = true) {
  MoveTo(AFrom);
  MouseInput(MOUSEEVENTF_LEFTDOWN);
  for (int i = 1; i <= 4; ++i)
    MoveTo(TPoint{AFrom.X + (ATo.X - AFrom.X) * i / 4, AFrom.Y + (ATo.Y - AFrom.Y) * i / 4});
  if (ARelease) MouseInput(MOUSEEVENTF_LEFTUP);
}

TPoint ToScreen(TcxCustomEditPopupWindow* APopup, const TPoint& P) {
  POINT pt{P.X, P.Y};
  ClientToScreen(APopup->Handle(), &pt);
  return TPoint{pt.x, pt.y};
}

TPoint Center(const TRect& R) { return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

class EditPopupTest : public testing::Test {
 protected:
  void SetUp() override {
    previousArea = SetWorkAreaReader(&ReadInjectedArea);
    InjectedArea() = TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    form = MakeForm(420, 320);
    form->SetBounds(60, 60, 420, 320);
    owner = new TKeyEdit(form);
    owner->SetParent(form);
    owner->SetBounds(20, 40, 180, 21);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(20, 200, 180, 21);
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
    popup = new TcxCustomEditPopupWindow(owner);
    owner->Popup = popup;
  }
  void TearDown() override {
    if (IsPopupVisible(popup)) popup->CloseUp();
    delete popup;
    ReleaseCapture();
    delete form;
    Pump();
    SetWorkAreaReader(previousArea);
    EXPECT_TRUE(VisiblePopups().empty());
  }
  // A sizeable popup with its panel, a list in it, and no loop of its own.
  void Configure(TcxLookAndFeelKind AKind, TcxEditPopupBorderStyle AStyle, bool AShadow, bool AClientEdge) {
    popup->Style()->LookAndFeel()->SetKind(AKind);
    popup->SetBorderStyle(AStyle);
    popup->SetShadow(AShadow);
    popup->SetClientEdge(AClientEdge);
    popup->SetSysPanelVisible(true);
    popup->SetSizeable(true);
    popup->SetCloseButton(true);
    popup->SetTopLevelMode(false);
  }
  void AddList() {
    owner->List = new TListBox(popup);
    owner->List->SetParent(popup);
    for (const wchar_t* item : {L"Composite", L"S-Video", L"RGB", L"DVI", L"HDMI"}) owner->List->Items()->Add(item);
  }
  void Open() {
    PreparePopup(popup);
    popup->Popup(nullptr);
    Pump();
    ASSERT_TRUE(IsPopupVisible(popup));
    RedrawWindow(popup->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
  }
  TcxCustomEditPopupWindowViewInfo* Info() { return popup->EditViewInfo(); }
  void SaveScreen(const std::wstring& AName) {
    const TRect f = ScreenRect(form->Handle()), p = ScreenRect(popup->Handle());
    const TRect all = UnionRects(f, p);
    HDC screen = GetDC(nullptr);
    const vamire_test::Capture cap =
        vamire_test::CaptureDC(screen, all.Left, all.Top, GetRectWidth(all), GetRectHeight(all));
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(cap.SavePng(AName));
  }

  TcxWorkAreaReader previousArea = nullptr;
  THostForm* form = nullptr;
  TKeyEdit* owner = nullptr;
  TEdit* other = nullptr;
  TcxCustomEditPopupWindow* popup = nullptr;
};

// The panel and its parts painted, in two looks; the pictures are for a person to look at.
TEST_F(EditPopupTest, OpensUnderItsEditorWithPanelCloseButtonAndGripInTwoLooks) {
  struct Look {
    TcxLookAndFeelKind Kind;
    TcxEditPopupBorderStyle Style;
    bool ClientEdge;
    const wchar_t* File;
  };
  const Look looks[] = {{lfStandard, epbsFrame3D, true, L"editors_popup_standard.png"},
                        {lfUltraFlat, epbsSingle, false, L"editors_popup_ultraflat.png"}};
  AddList();
  for (const Look& look : looks) {
    Configure(look.Kind, look.Style, true, look.ClientEdge);
    Open();
    const TRect editor = ScreenRect(owner->Handle()), window = ScreenRect(popup->Handle());
    EXPECT_EQ(window.Left, editor.Left);
    EXPECT_EQ(window.Top, editor.Bottom) << "below the editor";
    EXPECT_EQ(Info()->SizeGripCorner, gcRightBottom);
    const TRect extent = Info()->GetClientExtent();
    EXPECT_EQ(popup->Width(), extent.Left + extent.Right + 180) << "sized from the content";
    EXPECT_EQ(popup->Height(), extent.Top + extent.Bottom + 96);
    EXPECT_EQ(owner->Client, Info()->ClientRect) << "the editor is given the client rectangle";
    EXPECT_EQ(owner->List->BoundsRect(), Info()->ClientRect);
    // The grip in the bottom-right corner of the panel, the button at its left.
    EXPECT_EQ(Info()->SizeGripHitRect.Right, popup->Width() - EditPopupBorderWidth(Info()->Frame(), false) - 3);
    EXPECT_LT(Info()->CloseButtonRect.Right, popup->Width() / 2);
    EXPECT_GE(Info()->CloseButtonRect.Top, Info()->ClientRect.Bottom);
    const vamire_test::Capture cap = vamire_test::CaptureWindow(popup->Handle());
    const uint32_t face = uint32_t(ColorToRGB(clBtnFace));
    const uint32_t faceRgb = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
    auto drawnIn = [&](const TRect& R) {
      int n = 0;
      for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
          if (cap.At(x, y) != faceRgb) ++n;
      return n;
    };
    EXPECT_GT(drawnIn(Info()->SizeGripRect), 6) << "the grip's lines";
    EXPECT_GT(drawnIn(Info()->CloseButtonRect), 10) << "the button's edge and cross";
    // The shadow band outside the frame, right and bottom, and nothing at its far corners (the region).
    const uint32_t shadow = uint32_t(ColorToRGB(clBtnShadow));
    const uint32_t shadowRgb = ((shadow & 0xFF) << 16) | (shadow & 0xFF00) | ((shadow >> 16) & 0xFF);
    EXPECT_EQ(cap.At(popup->Width() - 2, popup->Height() / 2), shadowRgb);
    EXPECT_EQ(cap.At(popup->Width() / 2, popup->Height() - 2), shadowRgb);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(popup->Handle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, popup->Width() - 2, 1)) << "the shadow starts 3 pixels down";
    EXPECT_TRUE(PtInRegion(region, popup->Width() - 2, 5));
    DeleteObject(region);
    SaveScreen(look.File);
    popup->CloseUp();
    Pump();
  }
}

// The native look: with a visual style the window theme draws the close button
// at its own size, the frame is one line and the window class casts the
// system's drop shadow; without one the panel falls back to the plain parts.
TEST_F(EditPopupTest, TheNativeLookTakesTheWindowThemeWhenThereIsOne) {
  Configure(lfStandard, epbsFrame3D, false, false);
  popup->SetNativeStyle(true);
  AddList();
  Open();
  const bool themed = vamire_test::InThemedPrefix() && CanUseThemeKind(totWindow);
  EXPECT_EQ(EditPopupBorderWidth(Info()->Frame(), false), 1) << "one line whatever the style";
  if (themed) {
    EXPECT_NE(Info()->ThemedCloseButtonState, 0);
    const TcxEditPopupMetrics m = TcxCustomEditPopupWindowViewInfo::ReadMetrics(true);
    EXPECT_EQ(GetRectWidth(Info()->CloseButtonRect), m.ThemedCloseButton.cx);
    EXPECT_NE(GetClassLongPtrW(popup->Handle(), GCL_STYLE) & CS_DROPSHADOW, 0u);
  } else {
    EXPECT_EQ(Info()->ThemedCloseButtonState, 0);
  }
  SaveScreen(themed ? L"editors_popup_native_themed.png" : L"editors_popup_native_plain.png");
}

TEST_F(EditPopupTest, AtTheBottomOfTheWorkAreaItOpensAboveAndCutsTheShadowUnderTheEditor) {
  const TRect editor = ScreenRect(owner->Handle());
  InjectedArea() = TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), editor.Bottom + 30};
  Configure(lfStandard, epbsSingle, true, false);
  Open();
  const TRect window = ScreenRect(popup->Handle());
  EXPECT_EQ(Info()->SizeGripCorner, gcRightTop);
  EXPECT_EQ(window.Bottom, editor.Top + cxEditPopupShadowWidth) << "moved down by the shadow";
  EXPECT_EQ(Info()->ClientRect.Top, 1 + Info()->PanelHeight + 1) << "the panel on top";
  EXPECT_EQ(Info()->SizeGripHitRect.Top, 1);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(popup->Handle(), region), ERROR);
  // The band over the editor is out; the shadow beyond the editor's right edge stays.
  EXPECT_FALSE(PtInRegion(region, 10, popup->Height() - 1));
  EXPECT_TRUE(PtInRegion(region, 10, popup->Height() - 4));
  DeleteObject(region);
  // A turn to the left too: the grip goes to the left-top corner and sizes along the falling diagonal.
  popup->CloseUp();
  InjectedArea() = TRect{0, 0, editor.Left + 150, editor.Bottom + 30};
  Open();
  EXPECT_EQ(Info()->SizeGripCorner, gcLeftTop);
  MoveTo(ToScreen(popup, Center(Info()->SizeGripHitRect)));
  EXPECT_EQ(popup->Cursor(), crSizeNWSE);
}

TEST_F(EditPopupTest, TheGripDraggedWithThePointerResizesAndTheEditorRemembersIt) {
  Configure(lfStandard, epbsSingle, true, false);
  popup->MinWidth = 150;
  popup->MinHeight = 90;
  Open();
  const TSize before{popup->Width(), popup->Height()};
  const TPoint grip = ToScreen(popup, Center(Info()->SizeGripHitRect));
  MoveTo(grip);
  EXPECT_EQ(popup->Cursor(), crSizeNWSE) << "over the bottom-right grip";
  Drag(grip, TPoint{grip.X + 40, grip.Y + 30}, false);
  EXPECT_TRUE(popup->Sizing());
  ASSERT_NE(popup->SizeFrame(), nullptr) << "the rubber band shows";
  EXPECT_TRUE(IsWindowVisible(popup->SizeFrame()->Handle()));
  EXPECT_EQ(popup->Width(), before.cx) << "the window waits for the release";
  MouseInput(MOUSEEVENTF_LEFTUP);
  EXPECT_FALSE(popup->Sizing());
  EXPECT_EQ(popup->SizeFrame(), nullptr);
  EXPECT_EQ(popup->Width(), before.cx + 40);
  EXPECT_EQ(popup->Height(), before.cy + 30);
  EXPECT_EQ(owner->Resized, 1);
  EXPECT_EQ(owner->Saved, 1);
  EXPECT_EQ(owner->SavedSize, (TSize{before.cx + 40, before.cy + 30}));
  EXPECT_EQ(owner->Client, Info()->ClientRect) << "the content follows";

  // Esc during a drag drops it.
  const TSize grown{popup->Width(), popup->Height()};
  const TPoint grip2 = ToScreen(popup, Center(Info()->SizeGripHitRect));
  Drag(grip2, TPoint{grip2.X + 50, grip2.Y + 50}, false);
  ASSERT_TRUE(popup->Sizing());
  Type({VK_ESCAPE});
  EXPECT_FALSE(popup->Sizing());
  MouseInput(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ((TSize{popup->Width(), popup->Height()}), grown);
  EXPECT_EQ(owner->Saved, 1);
  EXPECT_TRUE(IsPopupVisible(popup)) << "Esc ended the drag, not the popup";

  // Dragged far up-left: held at the minimums.
  const TPoint grip3 = ToScreen(popup, Center(Info()->SizeGripHitRect));
  Drag(grip3, TPoint{grip3.X - 400, grip3.Y - 300});
  const TSize min = popup->GetMinSize();
  EXPECT_EQ(popup->Width(), std::max(150, int(min.cx)));
  EXPECT_EQ(popup->Height(), std::max(90, int(min.cy)));
  EXPECT_EQ(owner->Saved, 2);
}

TEST_F(EditPopupTest, TheCloseButtonClosesThroughTheEditorWithReasonTwo) {
  Configure(lfUltraFlat, epbsSingle, false, false);
  Open();
  const TPoint button = ToScreen(popup, Center(Info()->CloseButtonRect));
  MoveTo(button);
  EXPECT_EQ(Info()->CloseButtonState, 2) << "hot";
  MouseInput(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(Info()->CloseButtonState, 3) << "pressed";
  MouseInput(MOUSEEVENTF_LEFTUP);
  ASSERT_EQ(owner->CloseReasons.size(), 1u);
  EXPECT_EQ(owner->CloseReasons[0], crClose);
  EXPECT_FALSE(IsPopupVisible(popup));
}

struct TShownHandler {
  std::function<void(TcxCustomPopupWindow*)> OnShown;
  void Shown(TObject* Sender) { OnShown(static_cast<TcxCustomPopupWindow*>(Sender)); }
};

// In top-level mode the call that opens runs the popup's loop until a modal
// result closes it through the editor; without it the call returns at once.
TEST_F(EditPopupTest, TopLevelModeRunsTheLoopUntilTheModalResultAndWithoutItTheCallReturns) {
  Configure(lfStandard, epbsSingle, false, false);
  popup->SetTopLevelMode(true);
  TShownHandler handler;
  int modal = mrOk;
  handler.OnShown = [&](TcxCustomPopupWindow* p) { p->SetModalResult(modal); };
  popup->OnPopupShown = TNotifyEvent(&handler, &TShownHandler::Shown);
  for (int result : {int(mrOk), int(mrCancel), int(mrYes)}) {
    modal = result;
    PreparePopup(popup);
    popup->Popup(nullptr);
    EXPECT_FALSE(IsPopupVisible(popup)) << "the loop ran until the popup closed";
  }
  EXPECT_EQ(owner->CloseReasons, (std::vector<TcxEditCloseUpReason>{crEnter, crCancel, crUnknown}));

  popup->OnPopupShown = nullptr;
  popup->SetTopLevelMode(false);
  PreparePopup(popup);
  popup->Popup(nullptr);
  EXPECT_TRUE(IsPopupVisible(popup)) << "returned while shown";
  EXPECT_TRUE(IsWindowVisible(popup->Handle()));
}

// An editor on no form (its window inside a plain window of another kind): the
// popup is owned by no form window, places itself all the same and closes through the editor.
TEST_F(EditPopupTest, AnEditorOnNoFormHasAPopupOwnedByNoWindow) {
  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 300, 300, 260, 120, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(host, nullptr);
  auto* loose = new TKeyEdit(static_cast<TComponent*>(nullptr));
  loose->SetParentWindow(host);
  loose->SetBounds(10, 10, 160, 21);
  loose->SetVisible(true);
  auto* looseUp = new TcxCustomEditPopupWindow(loose);
  loose->Popup = looseUp;
  looseUp->SetTopLevelMode(false);
  looseUp->SetBorderStyle(epbsSingle);
  PreparePopup(looseUp);
  looseUp->Popup(nullptr);
  Pump();
  ASSERT_TRUE(IsPopupVisible(looseUp));
  const HWND ownerWindow = GetWindow(looseUp->Handle(), GW_OWNER);
  EXPECT_TRUE(ownerWindow == nullptr || ownerWindow == Application->Handle()) << "no form window owns it";
  EXPECT_NE(ownerWindow, host);
  EXPECT_EQ(ScreenRect(looseUp->Handle()).Top, ScreenRect(loose->Handle()).Bottom);
  looseUp->SetModalResult(mrCancel);
  loose->CloseUp(crCancel);
  EXPECT_FALSE(IsPopupVisible(looseUp));
  delete looseUp;
  delete loose;
  DestroyWindow(host);
}

TEST_F(EditPopupTest, APopupOfAHiddenEditorFinalisesTheOpeningAndDoesNotShow) {
  Configure(lfStandard, epbsSingle, false, false);
  owner->Hide();
  Pump();
  popup->Popup(nullptr);
  EXPECT_FALSE(IsPopupVisible(popup));
  EXPECT_EQ(owner->Finalized, 1);
}

// --- The protocol -------------------------------------------------------------------------------
// The editor's events as a log; the popup's value is the list's item.
struct TProtocolHost : IcxDropDownProtocolHost {
  TOwnerEdit* Editor = nullptr;
  std::vector<std::string> Log;
  bool CanDrop = true, FailInit = false, PopupTakesFocus = false;
  int Item = -1, ListItem = 2, Locks = 0;
  bool ChangeHeld = false;

  bool IsEditorWindowVisible() override { return Editor->HandleAllocated() && IsWindowVisible(Editor->Handle()); }
  void InitPopupHooks() override {
    Log.push_back("init");
    if (FailInit) throw Exception(L"refused");
  }
  bool CanDropDown() override { return CanDrop; }
  void PreparePopupWindow() override {
    Log.push_back("prepare");
    PreparePopup(Editor->Popup);
  }
  TWinControl* GetPopupFocusedControl() override {
    return PopupTakesFocus ? static_cast<TWinControl*>(Editor->Popup) : Editor;
  }
  void PopupShownHooks() override { Log.push_back("popup"); }
  void TakePopupValue(TcxEditCloseUpReason) override {
    Log.push_back("take");
    if (Item != ListItem) ChangeHeld = Locks > 0;
    Item = ListItem;
  }
  void LockChangeEvents(bool ALock) override {
    if (ALock) ++Locks;
    else if (--Locks == 0 && ChangeHeld) {
      ChangeHeld = false;
      Log.push_back("change");
    }
  }
  void FinalizePopupHooks() override { Log.push_back("finalize"); }
  void CloseUpHooks(TcxEditCloseUpReason AReason) override { Log.push_back("closeup " + std::to_string(AReason)); }
};

class DropDownProtocolTest : public EditPopupTest {
 protected:
  void SetUp() override {
    EditPopupTest::SetUp();
    editor = owner;
    popup->SetTopLevelMode(false);
    popup->SetBorderStyle(epbsSingle);
    host.Editor = editor;
    protocol = std::make_unique<TcxDropDownPopupProtocol>(popup, &host);
    editor->Protocol = protocol.get();
    editor->SetFocus();
    Pump();
  }
  void TearDown() override {
    editor->Protocol = nullptr;
    if (IsPopupVisible(popup)) popup->CloseUp();
    protocol.reset();
    EditPopupTest::TearDown();
  }
  using TLog = std::vector<std::string>;

  TKeyEdit* editor = nullptr;
  TProtocolHost host;
  std::unique_ptr<TcxDropDownPopupProtocol> protocol;
};

TEST_F(DropDownProtocolTest, F4OpensAfterTheKeyAndF4AgainClosesTakingTheItem) {
  Type({VK_F4});
  EXPECT_TRUE(protocol->IsPopupOpen()) << "the posted show ran in the pumped loop";
  EXPECT_EQ(host.Log, (TLog{"init", "prepare", "popup"}));
  EXPECT_EQ(GetFocus(), editor->Handle()) << "the editor keeps typing";
  EXPECT_EQ(GetActiveWindow(), form->Handle()) << "shown without taking the activation, so it stays open";
  Type({VK_F4});
  EXPECT_FALSE(protocol->IsPopupOpen());
  EXPECT_EQ(host.Item, 2);
  EXPECT_EQ(host.Log, (TLog{"init", "prepare", "popup", "take", "change", "finalize", "closeup 2"}))
      << "the change fires before the popup hides and before OnCloseUp";
  // Alt+Down and Alt+Up do the same; plain Down is not this protocol's.
  host.Log.clear();
  Type({VK_MENU, VK_DOWN});
  EXPECT_TRUE(protocol->IsPopupOpen());
  Type({VK_DOWN});
  EXPECT_TRUE(protocol->IsPopupOpen());
  EXPECT_EQ(editor->Passed.back(), VK_DOWN);
  Type({VK_MENU, VK_UP});
  EXPECT_FALSE(protocol->IsPopupOpen());
  EXPECT_EQ(host.Log.back(), "closeup 2");
  EXPECT_TRUE(std::find(editor->Passed.begin(), editor->Passed.end(), VK_F4) == editor->Passed.end());
}

TEST_F(DropDownProtocolTest, EscTakesNothingAndNeverReachesTheEditorEnterRefusedActsAsEsc) {
  Type({VK_F4});
  ASSERT_TRUE(protocol->IsPopupOpen());
  host.Log.clear();
  Type({VK_ESCAPE});
  EXPECT_FALSE(protocol->IsPopupOpen());
  EXPECT_EQ(host.Log, (TLog{"finalize", "closeup 3"}));
  EXPECT_EQ(host.Item, -1);
  EXPECT_TRUE(std::find(editor->Passed.begin(), editor->Passed.end(), VK_ESCAPE) == editor->Passed.end());

  editor->EditingAllowed = false;
  Type({VK_F4});
  host.Log.clear();
  Type({VK_RETURN});
  EXPECT_EQ(host.Log, (TLog{"finalize", "closeup 3"})) << "refused Enter closes as Esc";
  EXPECT_EQ(host.Item, -1);
  editor->EditingAllowed = true;
  Type({VK_F4});
  host.Log.clear();
  Type({VK_RETURN});
  EXPECT_EQ(host.Log, (TLog{"take", "change", "finalize", "closeup 4"}));
  // Enter and Esc with the popup closed are the editor's.
  editor->Passed.clear();
  Type({VK_ESCAPE});
  EXPECT_EQ(editor->Passed, (std::vector<uint16_t>{VK_ESCAPE}));
}

TEST_F(DropDownProtocolTest, APendingShowIsAskedForOnceAndDiscardingItKeepsInitAndFinalizePaired) {
  protocol->SetDroppedDown(true);
  protocol->SetDroppedDown(true);
  EXPECT_TRUE(protocol->IsShowPending());
  EXPECT_EQ(host.Log, (TLog{"init", "prepare"})) << "a second request while the show waits is ignored";
  // The editor deactivates before the show arrives.
  protocol->DiscardPendingPopup();
  EXPECT_FALSE(protocol->IsShowPending());
  EXPECT_EQ(host.Log, (TLog{"init", "prepare", "finalize", "closeup 0"}));
  PumpFor(100);
  EXPECT_FALSE(protocol->IsPopupOpen()) << "nothing shows later";
  EXPECT_FALSE(protocol->State().Initialized());
  // The next opening initialises again.
  host.Log.clear();
  protocol->SetDroppedDown(true);
  Pump();
  EXPECT_EQ(host.Log, (TLog{"init", "prepare", "popup"}));
  protocol->SetDroppedDown(false);
  EXPECT_EQ(host.Log.back(), "closeup 0");
  EXPECT_EQ(host.Item, -1) << "closed by the program: no value";
}

TEST_F(DropDownProtocolTest, NothingToShowFinalisesAtOnceAndAFailedInitLeavesItClosed) {
  host.CanDrop = false;
  protocol->DropDown();
  Pump();
  EXPECT_EQ(host.Log, (TLog{"init", "finalize"}));
  EXPECT_FALSE(protocol->IsPopupOpen());
  host.CanDrop = true;
  host.FailInit = true;
  host.Log.clear();
  EXPECT_THROW(protocol->DropDown(), Exception);
  EXPECT_FALSE(protocol->State().Initialized());
  protocol->DoFinalizePopup();
  EXPECT_EQ(host.Log, (TLog{"init"})) << "no finalisation without an initialisation";
  host.FailInit = false;
  protocol->DropDown();
  Pump();
  EXPECT_TRUE(protocol->IsPopupOpen()) << "the next request initialises again";
}

// A popup that took the focus is closed by the hooks on a click elsewhere (one
// that left it in the editor closes as the editor loses the focus, the editor's part).
TEST_F(DropDownProtocolTest, AClickOutsideAPopupWithTheFocusClosesWithReasonZeroAndTakesNothing) {
  host.PopupTakesFocus = true;
  protocol->SetDroppedDown(true);
  Pump();
  ASSERT_TRUE(protocol->IsPopupOpen());
  host.Log.clear();
  const TRect target = ScreenRect(other->Handle());
  MoveTo(Center(target));
  MouseInput(MOUSEEVENTF_LEFTDOWN);
  MouseInput(MOUSEEVENTF_LEFTUP);
  EXPECT_FALSE(protocol->IsPopupOpen());
  EXPECT_EQ(host.Log, (TLog{"finalize", "closeup 0"}));
  EXPECT_EQ(host.Item, -1);
}

TEST_F(DropDownProtocolTest, TypedCharactersAreForwardedToTheFocusOnlyWhileOpen) {
  protocol->PostChar(L'x');
  Pump();
  EXPECT_EQ(editor->Text(), L"") << "closed: nothing is posted";
  Type({VK_F4});
  ASSERT_TRUE(protocol->IsPopupOpen());
  protocol->PostChar(L'x');
  Pump();
  EXPECT_EQ(editor->Text(), L"x");
}

}  // namespace
