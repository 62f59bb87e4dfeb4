// What the tests of the text editors' item lists share: the units up to the
// text editors' with the popups', an owner-drawn list as a combo box makes
// one, lookup data that names it, and real pointer input.
#pragma once

#include "cxTextEditLookup_win.h"
#include "textedit_test_support.h"
#include "toolkit/controls/popuplist_test_support.h"

namespace lookup_test {

class TLookupUnits : public testing::Environment {
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

// Owner-drawn at the height of its font, as the combo boxes' lists are; it
// records the states its rows were drawn in.
class TTestEditListBox : public TcxCustomEditListBox {
  VAMIRE_CLASS(TTestEditListBox, TcxCustomEditListBox)
 public:
  using TCreateArg = TComponent;
  explicit TTestEditListBox(TComponent* AOwner) : TcxCustomEditListBox(AOwner) {}
  void UpdateItemHeight() override {
    SetStyle(lbOwnerDrawFixed);
    SetItemHeight(GetItemHeightAt(-1));
  }
  bool FocusRectWanted() { return NeedsFocusRect(); }
  std::vector<TOwnerDrawState> DrawnStates;

 protected:
  void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override {
    if (Index >= int(DrawnStates.size())) DrawnStates.resize(size_t(Index) + 1);
    DrawnStates[size_t(Index)] = State;
    TcxCustomEditListBox::DrawItem(Index, Rect, State);
  }
};

class TTestLookupData : public TcxCustomTextEditLookupData {
  VAMIRE_CLASS(TTestLookupData, TcxCustomTextEditLookupData)
 public:
  using TCreateArg = TPersistent;
  explicit TTestLookupData(TPersistent* AOwner) : TcxCustomTextEditLookupData(AOwner) {}
  TClass GetListBoxClass() override { return TTestEditListBox::StaticClass(); }
};

// Counts the current-key events of a lookup data and, as a text editor
// does, shows the current item's text in the editor.
struct TKeyEvents : TObject {
  int Count = 0;
  std::vector<int> Keys;
  IcxTextEditLookupData* Data = nullptr;
  TControl* Editor = nullptr;
  void KeyChanged(TObject*) {
    ++Count;
    Keys.push_back(Data->ReadKey().AsInteger());
    String text;
    Data->GetKeyText(Data->ReadKey(), text);
    if (Editor) Editor->SetText(text);
  }
};

// Whether the thread has taken a mouse message at the point of MoveMouseTo.
inline POINT GMouseTarget{};
inline bool GMouseArrived = false;
inline LRESULT CALLBACK WatchMouse(int ACode, WPARAM AWParam, LPARAM ALParam) {
  const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(ALParam);
  if (ACode == HC_ACTION && info->pt.x == GMouseTarget.x && info->pt.y == GMouseTarget.y) GMouseArrived = true;
  return CallNextHookEx(nullptr, ACode, AWParam, ALParam);
}

// Moves the real pointer to a screen point and serves the window until the
// move has arrived there: on a loaded machine input comes on its own time.
inline void MoveMouseTo(const TPoint& P) {
  HHOOK hook = SetWindowsHookExW(WH_MOUSE, &WatchMouse, nullptr, GetCurrentThreadId());
  GMouseTarget = POINT{P.X, P.Y};
  GMouseArrived = false;
  SetCursorPos(P.X, P.Y);
  const DWORD start = GetTickCount();
  while (!GMouseArrived && GetTickCount() - start < 3000) popuplist_test::PumpFor(20);
  popuplist_test::PumpFor(30);
  UnhookWindowsHookEx(hook);
}

}  // namespace lookup_test
