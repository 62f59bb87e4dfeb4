// Push buttons, check boxes and radio buttons driven by real messages: mouse
// presses on their windows, BM_CLICK, Enter and Esc through the form's key
// routing, accelerators, and changes from code.
#include "stdctrls_test_support.h"

using namespace stdctrls_test;

namespace {

// A button that draws itself, as the toolkit's button does.
class TDrawnButton : public TButton {
  VAMIRE_CLASS(TDrawnButton, TButton)
 public:
  using TButton::TButton;
  int Draws = 0;
  bool LastFocus = false;
  bool ActiveLook() const { return Active(); }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TButton::CreateParams(Params);
    Params.Style |= BS_OWNERDRAW;
  }
  void DrawItem(const DRAWITEMSTRUCT& DrawItemStruct) override {
    ++Draws;
    TButton::DrawItem(DrawItemStruct);
  }
};

LONG_PTR ButtonType(HWND Wnd) { return GetWindowLongPtrW(Wnd, GWL_STYLE) & 0x0F; }

// Posts a key to the window with the focus and lets the application route it.
void PressKey(HWND Wnd, WPARAM Key) {
  PostMessageW(Wnd, WM_KEYDOWN, Key, 1);
  PostMessageW(Wnd, WM_KEYUP, Key, LPARAM(0xC0000001u));
  Pump();
}

TEST_F(StdCtrlsTest, ButtonClicksByMouseAndMessage) {
  struct Case {
    const char* Name;
    void (*Act)(HWND);
    int Clicks;
  };
  const Case cases[] = {
      {"press and release inside", [](HWND w) { MouseClick(w); }, 1},
      {"release outside", [](HWND w) { MouseClick(w, 10, 10, 200, 200); }, 0},
      {"BM_CLICK", [](HWND w) { SendMessageW(w, BM_CLICK, 0, 0); }, 1},
      {"two presses", [](HWND w) {
         MouseClick(w);
         MouseClick(w);
       }, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* b = Put<TButton>(Form, 10, 10, L"Go");
    b->SetName(L"Go");
    b->OnClick = Rec.OnClick();
    Rec.Log.clear();
    c.Act(b->Handle());
    EXPECT_EQ(Rec.Count(L"click Go"), c.Clicks);
    b->Free();
  }
}

TEST_F(StdCtrlsTest, ButtonWindowIsTheRuntimeClassOverButton) {
  auto* b = Put<TButton>(Form, 10, 10, L"Go");
  wchar_t cls[64] = {};
  GetClassNameW(b->Handle(), cls, 64);
  EXPECT_STREQ(cls, L"TButton");
  EXPECT_EQ(WindowText(b->Handle()), L"Go");
  EXPECT_EQ(SendMessageW(b->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON, DLGC_UNDEFPUSHBUTTON);
}

// Enter reaches the Default button from any control that does not take it
// itself, Esc the Cancel button; a focused push button takes Enter itself.
TEST_F(StdCtrlsTest, EnterAndEscapeGoToDefaultAndCancelButtons) {
  auto* edit = Put<TEdit>(Form, 10, 10);
  auto* ok = Put<TButton>(Form, 10, 50, L"OK");
  auto* cancel = Put<TButton>(Form, 100, 50, L"Cancel");
  auto* other = Put<TButton>(Form, 190, 50, L"Other");
  ok->SetName(L"OK");
  cancel->SetName(L"Cancel");
  other->SetName(L"Other");
  for (TButton* b : {ok, cancel, other}) b->OnClick = Rec.OnClick();
  ok->SetDefault(true);
  cancel->SetCancel(true);
  Form->Show();
  Pump();

  struct Case {
    const char* Name;
    TWinControl* Focus;
    WPARAM Key;
    const wchar_t* Clicked;
  };
  const Case cases[] = {
      {"Enter in the edit", edit, VK_RETURN, L"click OK"},
      {"Esc in the edit", edit, VK_ESCAPE, L"click Cancel"},
      {"Enter on another button", other, VK_RETURN, L"click Other"},
      {"Esc on another button", other, VK_ESCAPE, L"click Cancel"},
      {"Enter back in the edit", edit, VK_RETURN, L"click OK"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Focus->SetFocus();
    Pump();
    ASSERT_TRUE(c.Focus->Focused());
    Rec.Log.clear();
    PressKey(c.Focus->Handle(), c.Key);
    EXPECT_EQ(Rec.Log, std::vector<String>{c.Clicked});
  }
}

// The default look follows the focus: a focused button looks like the
// default one, and the Default button takes the look back when the focus
// leaves the buttons.
TEST_F(StdCtrlsTest, DefaultLookFollowsTheFocus) {
  auto* edit = Put<TEdit>(Form, 10, 10);
  auto* ok = Put<TButton>(Form, 10, 50, L"OK");
  auto* other = Put<TButton>(Form, 100, 50, L"Other");
  ok->SetDefault(true);
  EXPECT_EQ(ButtonType(ok->Handle()), BS_DEFPUSHBUTTON);
  Form->Show();
  other->SetFocus();
  Pump();
  EXPECT_EQ(ButtonType(ok->Handle()), BS_PUSHBUTTON);
  EXPECT_EQ(ButtonType(other->Handle()), BS_DEFPUSHBUTTON);
  edit->SetFocus();
  Pump();
  EXPECT_EQ(ButtonType(ok->Handle()), BS_DEFPUSHBUTTON);
  EXPECT_EQ(ButtonType(other->Handle()), BS_PUSHBUTTON);
  ok->SetDefault(false);
  EXPECT_EQ(ButtonType(ok->Handle()), BS_PUSHBUTTON);
}

TEST_F(StdCtrlsTest, ButtonModalResultEndsTheModalForm) {
  struct Case {
    const char* Name;
    TModalResult Result;
    bool ByKey;
  };
  const Case cases[] = {{"click on OK", mrOk, false}, {"Enter on the default button", mrYes, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    THostForm* dlg = MakeForm();
    auto* b = Put<TButton>(dlg, 10, 10, L"OK");
    b->SetModalResult(c.Result);
    b->SetDefault(true);
    auto* edit = Put<TEdit>(dlg, 10, 50);
    dlg->SetActiveControl(edit);
    if (c.ByKey) {
      PostMessageW(edit->Handle(), WM_KEYDOWN, VK_RETURN, 1);
    } else {
      PostMessageW(b->Handle(), BM_CLICK, 0, 0);
    }
    EXPECT_EQ(dlg->ShowModal(), c.Result);
    dlg->Free();
  }
}

TEST_F(StdCtrlsTest, ButtonAcceleratorClicks) {
  auto* b = Put<TButton>(Form, 10, 10, L"&Apply");
  b->SetName(L"Apply");
  b->OnClick = Rec.OnClick();
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, L'x', 0), 0);
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, L'a', 0), 1);
  EXPECT_EQ(Rec.Log, std::vector<String>{L"click Apply"});
  // A disabled button takes no accelerator.
  b->SetEnabled(false);
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, L'a', 0), 0);
  EXPECT_EQ(Rec.Log.size(), 1u);
}

// An owner-drawn button keeps BS_OWNERDRAW when its default look changes
// (BS_DEFPUSHBUTTON would replace it) and is painted through DrawItem.
TEST_F(StdCtrlsTest, OwnerDrawnButtonKeepsItsStyle) {
  auto* b = Put<TDrawnButton>(Form, 10, 10, L"Drawn");
  auto* other = Put<TButton>(Form, 100, 10, L"Other");
  b->SetName(L"Drawn");
  b->OnClick = Rec.OnClick();
  Form->Show();
  Pump();
  UpdateWindow(b->Handle());
  EXPECT_GT(b->Draws, 0);
  EXPECT_EQ(ButtonType(b->Handle()), BS_OWNERDRAW);
  b->SetDefault(true);
  EXPECT_EQ(ButtonType(b->Handle()), BS_OWNERDRAW);
  EXPECT_TRUE(b->ActiveLook());
  other->SetFocus();
  Pump();
  EXPECT_FALSE(b->ActiveLook());
  EXPECT_EQ(ButtonType(b->Handle()), BS_OWNERDRAW);
  SendMessageW(b->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Rec.Log, std::vector<String>{L"click Drawn"});
}

// --- Check boxes ---------------------------------------------------------------------------
TEST_F(StdCtrlsTest, CheckBoxCheckedFromCodeRunsTheClickHandler) {
  auto* box = Put<TCheckBox>(Form, 10, 10, L"Box");
  box->SetName(L"Box");
  box->OnClick = Rec.OnClick();
  box->SetChecked(true);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  box->SetChecked(true);  // unchanged: no click
  box->SetState(cbGrayed);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_FALSE(box->Checked());
  box->SetChecked(false);
  EXPECT_EQ(Rec.Count(L"click Box"), 3);
}

TEST_F(StdCtrlsTest, CheckBoxClicksCycleItsStates) {
  struct Case {
    const char* Name;
    bool AllowGrayed;
    std::vector<TCheckBoxState> After;
  };
  const Case cases[] = {
      {"two states", false, {cbChecked, cbUnchecked, cbChecked}},
      {"three states", true, {cbChecked, cbGrayed, cbUnchecked, cbChecked}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* box = Put<TCheckBox>(Form, 10, 10, L"Box");
    box->SetName(L"Box");
    box->SetAllowGrayed(c.AllowGrayed);
    box->OnClick = Rec.OnClick();
    Rec.Log.clear();
    for (size_t i = 0; i < c.After.size(); ++i) {
      if (i % 2)
        SendMessageW(box->Handle(), BM_CLICK, 0, 0);
      else
        MouseClick(box->Handle());
      EXPECT_EQ(box->State(), c.After[i]) << "after click " << i + 1;
      EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), LRESULT(c.After[i]));
    }
    EXPECT_EQ(Rec.Count(L"click Box"), int(c.After.size()));
    box->Free();
  }
}

// The state lives in the object: set before the window exists, and kept
// when the window is made again.
TEST_F(StdCtrlsTest, CheckBoxStateOutlivesItsWindow) {
  auto* box = new TCheckBox(Form);
  box->SetAllowGrayed(true);
  box->SetState(cbGrayed);
  box->SetAlignment(taLeftJustify);
  box->SetParent(Form);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & BS_LEFTTEXT, BS_LEFTTEXT);
  box->SetWordWrap(true);  // makes a new window
  EXPECT_EQ(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & BS_MULTILINE, BS_MULTILINE);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(box->State(), cbGrayed);
}

// --- Radio buttons ---------------------------------------------------------------------------
// Three buttons on one panel and one on another: checking one unchecks its
// siblings only, and only the newly checked one runs its click handler.
TEST_F(StdCtrlsTest, RadioButtonsUncheckTheirSiblings) {
  auto* groupA = Put<TGroupBox>(Form, 10, 10);
  auto* groupB = Put<TGroupBox>(Form, 200, 10);
  TRadioButton* r[3];
  for (int i = 0; i < 3; ++i) {
    r[i] = Put<TRadioButton>(groupA, 10, 20 + 22 * i, L"Item");
    r[i]->SetName(L"R" + std::to_wstring(i));
    r[i]->OnClick = Rec.OnClick();
  }
  auto* lone = Put<TRadioButton>(groupB, 10, 20, L"Lone");
  lone->SetName(L"Lone");
  lone->SetChecked(true);

  struct Case {
    const char* Name;
    void (*Act)(TRadioButton* const* R);
    int Checked;
    std::vector<String> Log;
  };
  const Case cases[] = {
      {"from code", [](TRadioButton* const* R) { R[0]->SetChecked(true); }, 0, {L"click R0"}},
      {"by mouse", [](TRadioButton* const* R) { MouseClick(R[2]->Handle()); }, 2, {L"click R2"}},
      {"BM_CLICK", [](TRadioButton* const* R) { SendMessageW(R[1]->Handle(), BM_CLICK, 0, 0); }, 1, {L"click R1"}},
      {"click on the checked one", [](TRadioButton* const* R) { MouseClick(R[1]->Handle()); }, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Rec.Log.clear();
    c.Act(r);
    EXPECT_EQ(Rec.Log, c.Log);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(r[i]->Checked(), i == c.Checked) << i;
      EXPECT_EQ(SendMessageW(r[i]->Handle(), BM_GETCHECK, 0, 0), i == c.Checked ? BST_CHECKED : BST_UNCHECKED) << i;
      // Tab enters the group at its checked button.
      EXPECT_EQ(r[i]->TabStop(), i == c.Checked) << i;
    }
    EXPECT_TRUE(lone->Checked());
  }
}

TEST_F(StdCtrlsTest, RadioButtonAcceleratorChecksIt) {
  auto* a = Put<TRadioButton>(Form, 10, 10, L"&First");
  auto* b = Put<TRadioButton>(Form, 10, 40, L"&Second");
  a->SetChecked(true);
  Form->Show();
  Pump();
  EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, L's', 0), 1);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Focused());
}

}  // namespace
