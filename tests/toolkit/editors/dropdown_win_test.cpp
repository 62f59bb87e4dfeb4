// The drop-down editor on a real form with real keys and pointer: F4 opens
// its popup after the key and F4 again closes it taking the list's item, the
// change before OnCloseUp; Esc takes nothing; typing opens it and the letter
// stays in the text; the drop-down button opens it and a second press closes
// it for good; leaving the editor closes it; the popup never runs a loop of
// its own for an editor whose popup leaves it the focus; and a popup the user
// resized opens at that size again, kept in the properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cxDropDownEdit_control_win.h"
#include "cxGeometry.h"
#include "edit_test_support.h"
#include "pointer_test_support.h"
#include "support/RealKeys.h"
#include "support/WindowCapture.h"

using pointer_test::ScreenRect;
using test_support::PumpFor;
using test_support::THostForm;
using test_support::Type;

namespace {

class TDropDownUnits : public testing::Environment {
 public:
  void SetUp() override {
    try {
      edit_test::StartEditUnits();
      InitializeUnits({cxContainerPopupsUnit, cxDrawTextUtilsUnit, cxTextEditUnit});
    } catch (const Exception& e) {
      FAIL() << "the units did not start: " << std::string(e.Message().begin(), e.Message().end());
    }
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};
const auto* const GEnvironment = testing::AddGlobalTestEnvironment(new TDropDownUnits);

// Properties of a kind that drops down on a click in its text, as a fixed list does.
class TClickDropDownProperties : public TcxCustomDropDownEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TClickDropDownProperties, TcxCustomDropDownEditProperties)
 public:
  using TCreateArg = TPersistent;
  explicit TClickDropDownProperties(TPersistent* AOwner) : TcxCustomDropDownEditProperties(AOwner, StaticClass()) {}
  bool DropDownOnClick() override { return true; }
};

// A drop-down kind whose popup holds a list; an accepted close takes its item.
class TListDropDownEdit : public TcxCustomDropDownEdit {
  VAMIRE_CLASS(TListDropDownEdit, TcxCustomDropDownEdit)
 public:
  explicit TListDropDownEdit(TComponent* AOwner, TClass AProperties = TcxCustomDropDownEditProperties::StaticClass())
      : TcxCustomDropDownEdit(AOwner, AProperties) {
    List = new TListBox(PopupWindow());
    List->SetParent(PopupWindow());
    for (const wchar_t* item : {L"PAL", L"NTSC", L"SECAM"}) List->Items()->Add(item);
  }
  TcxCustomDropDownEditProperties* Props() { return static_cast<TcxCustomDropDownEditProperties*>(Properties()); }
  TListBox* List;
  bool CanDropDown() override { return true; }
  TSize CalcPopupClientSize() override { return TSize{160, 80}; }
  void SetupPopupClient(const TRect& R) override {
    List->SetBounds(R.Left, R.Top, GetRectWidth(R), GetRectHeight(R));
  }

 protected:
  void TakeValueFromPopup(TcxEditCloseUpReason) override {
    if (List->ItemIndex() >= 0) SetEditValue(Variant(List->Items()->Strings(List->ItemIndex())));
  }
};

struct TEventLog : TObject {
  std::vector<std::string> Events;
  void Init(TObject*) { Events.push_back("init"); }
  void Popup(TObject*) { Events.push_back("popup"); }
  void CloseUp(TObject*) { Events.push_back("closeup"); }
  void Finalize(TObject*) { Events.push_back("finalize"); }
  void ClosePopup(TObject*, int AReason) { Events.push_back("close " + std::to_string(AReason)); }
  void Change(TObject*) { Events.push_back("change"); }
  void EditValueChanged(TObject*) { Events.push_back("value"); }
};

void Mouse(DWORD AFlags) { pointer_test::MouseInput(AFlags); }
void PointAt(const TPoint& P) { pointer_test::MoveTo(P); }

class DropDownEditTest : public testing::Test {
 protected:
  void SetUp() override {
    form = test_support::MakeForm(420, 320);
    form->SetBounds(80, 80, 420, 320);
    edit = new TListDropDownEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 30, 180, 21);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(20, 220, 180, 21);
    auto* p = edit->Props();
    p->OnInitPopup = TNotifyEvent(&log, &TEventLog::Init);
    p->OnPopup = TNotifyEvent(&log, &TEventLog::Popup);
    p->OnCloseUp = TNotifyEvent(&log, &TEventLog::CloseUp);
    p->OnFinalizePopup = TNotifyEvent(&log, &TEventLog::Finalize);
    p->OnClosePopup = TcxEditClosePopupEvent(&log, &TEventLog::ClosePopup);
    p->OnChange = TNotifyEvent(&log, &TEventLog::Change);
    p->OnEditValueChanged = TNotifyEvent(&log, &TEventLog::EditValueChanged);
    form->Show();
    SetForegroundWindow(form->Handle());
    edit->SetFocus();
    PumpFor(50);
  }
  void TearDown() override {
    delete form;
    test_support::Pump();
    EXPECT_TRUE(VisiblePopups().empty());
  }
  HWND Inner() { return edit->InnerControl()->Handle(); }
  TPoint ButtonCentre() {
    const TRect b = edit->EditViewInfo()->Button(0)->Bounds;
    POINT p{(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
    ClientToScreen(edit->Handle(), &p);
    return TPoint{p.x, p.y};
  }
  bool Has(const std::string& AEvent) {
    return std::find(log.Events.begin(), log.Events.end(), AEvent) != log.Events.end();
  }
  int IndexOf(const std::string& AEvent) {
    return int(std::find(log.Events.begin(), log.Events.end(), AEvent) - log.Events.begin());
  }

  THostForm* form = nullptr;
  TListDropDownEdit* edit = nullptr;
  TEdit* other = nullptr;
  TEventLog log;
};

TEST_F(DropDownEditTest, F4OpensUnderTheEditorAndF4AgainTakesTheItemChangeBeforeCloseUp) {
  ASSERT_EQ(GetFocus(), Inner());
  Type({VK_F4});
  ASSERT_TRUE(edit->DroppedDown());
  EXPECT_EQ(log.Events, (std::vector<std::string>{"init", "popup"}));
  EXPECT_FALSE(edit->PopupWindow()->TopLevelMode()) << "the combo kinds' popup leaves the editor the focus";
  EXPECT_EQ(GetFocus(), Inner());
  // Against the editor's hot zone, in its parent's coordinates.
  const TRect zone = edit->GetPopupOwnerBounds(), popup = ScreenRect(edit->PopupWindow()->Handle());
  POINT corner{zone.Left, zone.Bottom};
  ClientToScreen(form->Handle(), &corner);
  EXPECT_EQ(popup.Left, corner.x);
  EXPECT_EQ(popup.Top, corner.y);
  EXPECT_EQ(edit->List->BoundsRect(), edit->PopupWindow()->EditViewInfo()->ClientRect);
  edit->List->SetItemIndex(1);
  log.Events.clear();
  Type({VK_F4});
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_EQ(edit->FirstCloseReason(), crClose);
  EXPECT_EQ(edit->Text(), L"NTSC");
  ASSERT_TRUE(Has("close 2"));
  ASSERT_TRUE(Has("closeup"));
  ASSERT_TRUE(Has("value") || Has("change")) << "the taken item changes the value";
  const int change = std::min(IndexOf("value"), IndexOf("change"));
  EXPECT_LT(change, IndexOf("finalize"));
  EXPECT_LT(IndexOf("finalize"), IndexOf("close 2"));
  EXPECT_LT(IndexOf("close 2"), IndexOf("closeup"));
  // Alt+Down opens as well; Esc closes taking nothing and leaves the typed text alone.
  edit->SetText(L"");
  edit->Props()->SetImmediateDropDown(false);
  Type({'P'});
  Type({VK_MENU, VK_DOWN});
  ASSERT_TRUE(edit->DroppedDown());
  edit->List->SetItemIndex(2);
  Type({VK_ESCAPE});
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_EQ(edit->FirstCloseReason(), crCancel);
  EXPECT_EQ(edit->Text(), L"p") << "the editor's own Esc reset did not run";
}

TEST_F(DropDownEditTest, TypingOpensThePopupAndTheLetterStaysInTheText) {
  Type({'N'});
  EXPECT_TRUE(edit->DroppedDown());
  EXPECT_EQ(edit->Text(), L"n");
  edit->Props()->SetImmediateDropDown(false);
  edit->SetDroppedDown(false);
  Type({'T'});
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_EQ(edit->Text(), L"nt");
}

TEST_F(DropDownEditTest, TheButtonOpensAndASecondPressClosesForGood) {
  PointAt(ButtonCentre());
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Mouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(edit->DroppedDown());
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Mouse(MOUSEEVENTF_LEFTUP);
  PumpFor(100);
  EXPECT_FALSE(edit->DroppedDown()) << "closed and not opened again";
  EXPECT_EQ(edit->FirstCloseReason(), crUnknown);
  EXPECT_EQ(std::count(log.Events.begin(), log.Events.end(), "init"), 1);
  EXPECT_EQ(std::count(log.Events.begin(), log.Events.end(), "finalize"), 1);
}

TEST_F(DropDownEditTest, TheButtonKeepsPressedWhileOpenWhenAskedAndThePopupFollowsTheEditorsLook) {
  edit->Style()->LookAndFeel()->SetKind(lfUltraFlat);
  EXPECT_EQ(edit->PopupWindow()->Style()->LookAndFeel()->Kind(), lfUltraFlat);
  for (const bool keep : {false, true}) {
    edit->Props()->KeepPressed = keep;
    edit->SetDroppedDown(true);
    PumpFor(50);
    ASSERT_TRUE(edit->DroppedDown());
    EXPECT_EQ(edit->EditViewInfo()->Button(0)->State == ebsPressed, keep) << "keep pressed " << keep;
    EXPECT_EQ(edit->PopupWindow()->EditViewInfo()->LookAndFeelKind, lfUltraFlat);
    edit->SetDroppedDown(false);
    PumpFor(50);
    EXPECT_NE(edit->EditViewInfo()->Button(0)->State, ebsPressed) << "released once closed";
  }
}

// For a person to look at: "editors_dropdown_open.png".
TEST_F(DropDownEditTest, AnOpenEditorWithItsPanelCaptured) {
  edit->Style()->LookAndFeel()->SetKind(lfUltraFlat);
  edit->Props()->SetPopupSysPanelStyle(true);
  edit->Props()->SetPopupSizeable(true);
  edit->SetText(L"NTSC");
  edit->SetDroppedDown(true);
  PumpFor(50);
  ASSERT_TRUE(edit->DroppedDown());
  edit->List->SetItemIndex(1);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RedrawWindow(edit->PopupWindow()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(50);
  const TRect f = ScreenRect(form->Handle()), p = ScreenRect(edit->PopupWindow()->Handle());
  const TRect all = UnionRects(f, p);
  HDC screen = GetDC(nullptr);
  const vamire_test::Capture cap = vamire_test::CaptureDC(screen, all.Left, all.Top, GetRectWidth(all), GetRectHeight(all));
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(cap.SavePng(L"editors_dropdown_open.png"));
}

// A press in the text closes an open popup (reason 0); a kind that drops down
// on a click opens with one, and the press that closes it does not open it again.
TEST_F(DropDownEditTest, APressInTheTextClosesAndOpensOnlyKindsThatDropDownOnClick) {
  auto textPoint = [](TcxCustomDropDownEdit* AEdit) {
    const TRect c = AEdit->EditViewInfo()->ClientRect;
    POINT p{c.Left + 10, (c.Top + c.Bottom) / 2};
    ClientToScreen(AEdit->Handle(), &p);
    return TPoint{p.x, p.y};
  };
  Type({VK_F4});
  ASSERT_TRUE(edit->DroppedDown());
  PointAt(textPoint(edit));
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Mouse(MOUSEEVENTF_LEFTUP);
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_EQ(edit->FirstCloseReason(), crUnknown);
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Mouse(MOUSEEVENTF_LEFTUP);
  EXPECT_FALSE(edit->DroppedDown()) << "this kind does not drop down on a click";

  auto* fixed = new TListDropDownEdit(form, TClickDropDownProperties::StaticClass());
  fixed->SetParent(form);
  fixed->SetBounds(20, 120, 180, 21);
  fixed->SetFocus();
  PumpFor(50);
  PointAt(textPoint(fixed));
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Mouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(fixed->DroppedDown());
  Mouse(MOUSEEVENTF_LEFTDOWN);
  Mouse(MOUSEEVENTF_LEFTUP);
  PumpFor(100);
  EXPECT_FALSE(fixed->DroppedDown()) << "closed by the press and not opened again";
}

// Tab with PostPopupValueOnTab takes the item (reason 1) and moves on; without
// it the popup closes as the focus leaves, taking nothing.
TEST_F(DropDownEditTest, TabTakesTheItemOnlyWhenAskedAndMovesOn) {
  for (const bool post : {true, false}) {
    edit->SetText(L"");
    edit->SetFocus();
    PumpFor(50);
    edit->Props()->SetPostPopupValueOnTab(post);
    Type({VK_F4});
    ASSERT_TRUE(edit->DroppedDown());
    edit->List->SetItemIndex(2);
    Type({VK_TAB});
    EXPECT_FALSE(edit->DroppedDown()) << "post " << post;
    EXPECT_EQ(edit->FirstCloseReason(), post ? crTab : crUnknown);
    EXPECT_EQ(edit->Text(), post ? L"SECAM" : L"");
    EXPECT_EQ(GetFocus(), other->Handle()) << "the focus moved on";
  }
}

TEST_F(DropDownEditTest, LeavingTheEditorClosesWithReasonZero) {
  edit->SetDroppedDown(true);
  PumpFor(50);
  ASSERT_TRUE(edit->DroppedDown());
  EXPECT_TRUE(edit->Focused()) << "the editor counts as focused while open";
  edit->List->SetItemIndex(0);
  other->SetFocus();
  PumpFor(50);
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_EQ(edit->FirstCloseReason(), crUnknown);
  EXPECT_EQ(edit->Text(), L"") << "no value taken";
}

TEST_F(DropDownEditTest, APopupTheUserResizedOpensAtThatSizeAgain) {
  auto* p = edit->Props();
  p->SetPopupSizeable(true);
  p->SetPopupSysPanelStyle(true);
  p->SetPopupAutoSize(false);
  p->SetPopupMinWidth(120);
  edit->SetDroppedDown(true);
  PumpFor(50);
  ASSERT_TRUE(edit->DroppedDown());
  TcxCustomEditPopupWindow* popup = edit->PopupWindow();
  const TSize before{popup->Width(), popup->Height()};
  EXPECT_EQ(before.cx, GetRectWidth(edit->GetPopupOwnerBounds())) << "no stored width: the editor's";
  const TRect grip = popup->EditViewInfo()->SizeGripHitRect;
  POINT start{(grip.Left + grip.Right) / 2, (grip.Top + grip.Bottom) / 2};
  ClientToScreen(popup->Handle(), &start);
  PointAt(TPoint{start.x, start.y});
  Mouse(MOUSEEVENTF_LEFTDOWN);
  for (int i = 1; i <= 3; ++i) PointAt(TPoint{start.x + 20 * i, start.y + 10 * i});
  Mouse(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(popup->Width(), before.cx + 60);
  EXPECT_EQ(p->PopupWidth(), before.cx + 60) << "kept in the properties";
  EXPECT_EQ(p->PopupHeight(), before.cy + 30);
  EXPECT_TRUE(edit->UserResizedPopup());
  edit->SetDroppedDown(false);
  edit->SetDroppedDown(true);
  PumpFor(50);
  ASSERT_TRUE(edit->DroppedDown());
  EXPECT_EQ((TSize{popup->Width(), popup->Height()}), (TSize{before.cx + 60, before.cy + 30}));
  // The stored sizes stay in range.
  p->SetPopupWidth(50);
  EXPECT_EQ(p->PopupWidth(), 120);
  p->SetPopupMinWidth(-4);
  EXPECT_EQ(p->PopupMinWidth(), 0);
}

}  // namespace
