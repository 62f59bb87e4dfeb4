// Forms: window classes named after the form class, modal loops ended by
// posted messages, the main-form rule, close actions, layered windows, key
// preview, the screen's form list, and a form streamed from its resource.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "FormText.h"
#include "Forms.h"
#include "Menus.h"
#include "Streaming.h"
#include "Streams.h"
#include "SysUtils.h"
#include "support/WindowCapture.h"
#include "forms_test_support.h"

namespace {

class TForm1 : public TForm {
  VAMIRE_CLASS(TForm1, TForm)
 public:
  using TForm::TForm;
};

// A focusable painted control that logs its keys and clicks.
class TTestPanel : public TCustomControl {
  VAMIRE_CLASS(TTestPanel, TCustomControl)
 public:
  explicit TTestPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetTabStop(true);
    SetBounds(0, 0, 80, 30);
  }
  std::vector<String>* Log = nullptr;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
    Canvas()->TextOut(4, 4, Caption());
  }
};

// The form the resource "TStreamedForm" describes.
class TStreamedForm : public TForm {
  VAMIRE_CLASS(TStreamedForm, TForm)
 public:
  using TForm::TForm;
  bool PanelLoadedAtCreate = false;
  int Clicks = 0;
  void FormCreate(TObject*) {
    auto* panel = dynamic_cast<TTestPanel*>(FindComponent(L"Panel1"));
    PanelLoadedAtCreate = panel && panel->Caption() == L"Inside" && panel->Parent() == this;
  }
  void Panel1Click(TObject*) { ++Clicks; }
  String Typed;
  void FormKeyPress(TObject*, wchar_t& Key) { Typed += Key; }
};

VAMIRE_PUBLISHED(TStreamedForm, Handler(L"FormCreate", &TStreamedForm::FormCreate),
                 Handler(L"Panel1Click", &TStreamedForm::Panel1Click),
                 Handler(L"FormKeyPress", &TStreamedForm::FormKeyPress))

class TTestFrame1 : public TFrame {
  VAMIRE_CLASS(TTestFrame1, TFrame)
 public:
  using TFrame::TFrame;
};

struct TLog : TObject {
  std::vector<String> Lines;
  TCloseAction Action = caHide;
  int Refusals = 0;
  void Close(TObject*, TCloseAction& A) { A = Action; }
  void CloseQuery(TObject*, bool& CanClose) {
    if (Refusals > 0) {
      --Refusals;
      CanClose = false;
    }
  }
  void FormKey(TObject*, uint16_t& Key, TShiftState) {
    Lines.push_back(L"form " + std::to_wstring(Key));
    if (Key == VK_F5) Key = 0;
  }
  void PanelKey(TObject*, uint16_t& Key, TShiftState) { Lines.push_back(L"panel " + std::to_wstring(Key)); }
  std::vector<String> Errors;
  void Failed(TObject*, const Exception& E) { Errors.push_back(E.Message()); }
  void Raise(TObject*) { throw EConvertError(L"click failed"); }
  void Clicked(TObject* Sender) { Lines.push_back(static_cast<TMenuItem*>(Sender)->Caption()); }
};

class FormTest : public testing::Test {
 protected:
  void TearDown() override {
    Application->OnException = nullptr;
    Application->ProcessMessages();
  }
};

TEST_F(FormTest, WindowClassIsTheFormClassName) {
  TForm1* form = TCustomForm::Create<TForm1>(nullptr);
  EXPECT_EQ(WindowClassOf(form->Handle()), L"TForm1");
  // Owned by the application's window, not a child of anything.
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());
  EXPECT_EQ(GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_CHILD, 0);
  form->Free();
}

TEST_F(FormTest, BorderStylesMakeTheirFrames) {
  struct Case {
    TFormBorderStyle Style;
    DWORD Has, HasNot, ExHas;
  };
  const Case cases[] = {
      {bsNone, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0},
      {bsSingle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_THICKFRAME, 0},
      {bsSizeable, WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX, 0, 0},
      {bsDialog, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_EX_DLGMODALFRAME},
      {bsToolWindow, WS_CAPTION, WS_THICKFRAME | WS_MINIMIZEBOX, WS_EX_TOOLWINDOW},
      {bsSizeToolWin, WS_CAPTION | WS_THICKFRAME, WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.Style));
    TForm1* form = TCustomForm::Create<TForm1>(nullptr);
    form->SetBorderStyle(c.Style);
    const DWORD style = DWORD(GetWindowLongPtrW(form->Handle(), GWL_STYLE));
    const DWORD exStyle = DWORD(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE));
    EXPECT_EQ(style & c.Has, c.Has);
    EXPECT_EQ(style & c.HasNot, 0u);
    EXPECT_EQ(exStyle & c.ExHas, c.ExHas);
    // A change after the window exists makes it again with the new frame.
    form->SetBorderIcons(TBorderIcons{});
    EXPECT_EQ(GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    form->Free();
  }
}

// A modal form ends by whatever message the loop meets; each case posts its
// ending before ShowModal starts.
TEST_F(FormTest, ModalLoopEndsByPostedMessages) {
  struct Case {
    const char* Name;
    std::function<void(TForm1* Form, TPostedActions& Post)> End;
    TModalResult Expected;
  };
  const Case cases[] = {
      {"result set from a message", [](TForm1* f, TPostedActions& p) { p.Post([f] { f->SetModalResult(mrYes); }); },
       mrYes},
      {"posted WM_CLOSE", [](TForm1* f, TPostedActions&) { PostMessageW(f->Handle(), WM_CLOSE, 0, 0); }, mrCancel},
      {"Close from code", [](TForm1* f, TPostedActions& p) { p.Post([f] { f->Close(); }); }, mrCancel},
      {"application terminated", [](TForm1*, TPostedActions& p) { p.Post([] { Application->Terminate(); }); },
       mrCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TForm1* owner = TCustomForm::Create<TForm1>(nullptr);
    owner->Show();
    TForm1* form = TCustomForm::Create<TForm1>(nullptr);
    TPostedActions post;
    bool ownerDisabled = false;
    post.Post([&] { ownerDisabled = !IsWindowEnabled(owner->Handle()); });
    c.End(form, post);
    EXPECT_EQ(form->ShowModal(), c.Expected);
    EXPECT_TRUE(ownerDisabled) << "the other windows were not disabled";
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->FormState().Contains(fsModal));
    form->Free();
    owner->Free();
  }
}

TEST_F(FormTest, CloseQueryKeepsAModalFormOpen) {
  TForm1* form = TCustomForm::Create<TForm1>(nullptr);
  TLog log;
  log.Refusals = 1;
  form->OnCloseQuery = TCloseQueryEvent(&log, &TLog::CloseQuery);
  TPostedActions post;
  bool stillModal = false;
  post.Post([&] { form->SetModalResult(mrOk); });  // refused: the loop goes on
  post.Post([&] {
    stillModal = form->Visible() && form->ModalResult() == mrNone;
    form->SetModalResult(mrNo);
  });
  EXPECT_EQ(form->ShowModal(), mrNo);
  EXPECT_TRUE(stillModal);
  // A visible form cannot be made modal.
  form->Show();
  EXPECT_THROW(form->ShowModal(), EInvalidOperation);
  form->Free();
}

// The first form the application creates is the main form: closing it ends
// Run, closing another only hides it.
TEST_F(FormTest, ClosingTheMainFormEndsRun) {
  ASSERT_EQ(Application->MainForm(), nullptr);
  TForm1* first = nullptr;
  TForm1* second = nullptr;
  Application->CreateForm(first);
  Application->CreateForm(second);
  EXPECT_EQ(Application->MainForm(), first);
  TPostedActions post;
  bool mainShown = false, secondHidden = false, runningAfterSecond = false;
  post.Post([&] {
    mainShown = first->Visible() && IsWindowVisible(first->Handle());
    second->Show();
    second->Close();
  });
  post.Post([&] {
    secondHidden = !second->Visible();
    runningAfterSecond = !Application->Terminated();
    first->Close();
  });
  post.Post([&] {});  // the loop still serves what was queued before the end
  Application->Run();
  EXPECT_TRUE(mainShown) << "Run did not show the main form";
  EXPECT_TRUE(secondHidden);
  EXPECT_TRUE(runningAfterSecond) << "closing a form that is not the main form ended Run";
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(post.Ran(), 3);
  second->Free();
  first->Free();
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(FormTest, CloseActions) {
  struct Case {
    TCloseAction Action;
    bool Visible, Freed, Minimized;
  };
  const Case cases[] = {
      {caNone, true, false, false},
      {caHide, false, false, false},
      {caMinimize, true, false, true},
      {caFree, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.Action));
    TForm1* form = TCustomForm::Create<TForm1>(nullptr);
    TFreeWatch watch(form);
    TLog log;
    log.Action = c.Action;
    form->OnClose = TCloseEvent(&log, &TLog::Close);
    form->Show();
    form->Close();
    EXPECT_FALSE(watch.Freed()) << "freed inside Close: callers up the stack may still use it";
    Application->ProcessMessages();
    Application->ProcessMessages();
    EXPECT_EQ(watch.Freed(), c.Freed);
    if (!watch.Freed()) {
      EXPECT_EQ(form->Visible(), c.Visible);
      EXPECT_EQ(bool(IsIconic(form->Handle())), c.Minimized);
      EXPECT_EQ(form->WindowState() == wsMinimized, c.Minimized);
      form->Free();
    }
  }
}

TEST_F(FormTest, LayeredAttributes) {
  TForm1* form = TCustomForm::Create<TForm1>(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetAlphaBlend(true);
  form->SetAlphaBlendValue(0);  // as the start-up window begins
  form->Show();
  BYTE alpha = 1;
  COLORREF key = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form->Handle(), &key, &alpha, &flags));
  EXPECT_EQ(alpha, 0);
  EXPECT_EQ(flags & LWA_ALPHA, DWORD(LWA_ALPHA));
  for (int step = 1; step <= 20; ++step) form->SetAlphaBlendValue(uint8_t(step * 12));  // the fade in
  ASSERT_TRUE(GetLayeredWindowAttributes(form->Handle(), &key, &alpha, &flags));
  EXPECT_EQ(alpha, 240);
  form->SetTransparentColorValue(clRed);
  form->SetTransparentColor(true);
  ASSERT_TRUE(GetLayeredWindowAttributes(form->Handle(), &key, &alpha, &flags));
  EXPECT_EQ(flags, DWORD(LWA_ALPHA | LWA_COLORKEY));
  EXPECT_EQ(key, RGB(255, 0, 0));
  form->SetAlphaBlend(false);
  form->SetTransparentColor(false);
  EXPECT_EQ(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  form->Free();
}

// The menu bar is the main menu's; its commands and shortcuts reach the items.
TEST_F(FormTest, MainMenuCommandsAndShortcuts) {
  TForm1* form = TCustomForm::Create<TForm1>(nullptr);
  auto* menu = new TMainMenu(form);
  auto* file = new TMenuItem(form);
  file->SetCaption(L"&File");
  auto* save = new TMenuItem(form);
  save->SetCaption(L"&Save");
  save->SetShortCut(ShortCut(VK_F6, {}));
  menu->Items()->Add(file);
  file->Add(save);
  TLog log;
  save->OnClick = TNotifyEvent(&log, &TLog::Clicked);
  form->SetMenu(menu);
  auto* panel = new TTestPanel(form);
  panel->SetParent(form);
  form->Show();
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  PostMessageW(form->Handle(), WM_COMMAND, save->Command(), 0);
  panel->SetFocus();
  PostMessageW(panel->Handle(), WM_KEYDOWN, VK_F6, 0);  // typed in a control of the form
  Application->ProcessMessages();
  EXPECT_EQ(log.Lines, (std::vector<String>{L"&Save", L"&Save"}));
  // Made again with a new frame, the window keeps its menu.
  form->SetBorderStyle(bsSingle);
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  form->SetMenu(nullptr);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  form->Free();
}

TEST_F(FormTest, PositionPlacesTheFormWhenShown) {
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  TForm1* owner = TCustomForm::Create<TForm1>(nullptr);
  owner->SetBounds(40, 50, 400, 300);
  owner->Show();
  struct Case {
    TPosition Position;
    TComponent* Owner;
    TPoint Expected;
  };
  const Case cases[] = {
      {poDesigned, nullptr, {7, 9}},
      {poScreenCenter, nullptr, {(sw - 200) / 2, (sh - 100) / 2}},
      {poDesktopCenter, nullptr, {(sw - 200) / 2, (sh - 100) / 2}},
      {poOwnerFormCenter, owner, {40 + 100, 50 + 100}},
      {poMainFormCenter, nullptr, {(sw - 200) / 2, (sh - 100) / 2}},  // no main form: the screen
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.Position));
    TForm1* form = TCustomForm::Create<TForm1>(c.Owner);
    form->SetBounds(7, 9, 200, 100);
    form->SetPosition(c.Position);
    form->Show();
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    EXPECT_EQ((TPoint{r.left, r.top}), c.Expected);
    EXPECT_EQ((TPoint{form->Left(), form->Top()}), c.Expected);
    form->Free();
  }
  owner->Free();
}

TEST_F(FormTest, KeyPreviewGivesTheFormTheKeysFirst) {
  for (bool preview : {true, false}) {
    SCOPED_TRACE(preview);
    TForm1* form = TCustomForm::Create<TForm1>(nullptr);
    auto* panel = new TTestPanel(form);
    panel->SetParent(form);
    TLog log;
    form->SetKeyPreview(preview);
    form->OnKeyDown = TKeyEvent(&log, &TLog::FormKey);
    panel->OnKeyDown = TKeyEvent(&log, &TLog::PanelKey);
    form->Show();
    panel->SetFocus();
    ASSERT_EQ(GetFocus(), panel->Handle());
    PostMessageW(panel->Handle(), WM_KEYDOWN, VK_F5, 0);
    PostMessageW(panel->Handle(), WM_KEYDOWN, 'A', 0);
    Application->ProcessMessages();
    const std::vector<String> expected =
        preview ? std::vector<String>{L"form 116", L"form 65", L"panel 65"}  // F5 is taken by the form
                : std::vector<String>{L"panel 116", L"panel 65"};
    EXPECT_EQ(log.Lines, expected);
    form->Free();
  }
}

TEST_F(FormTest, ScreenKnowsTheFormsAndTheActiveOne) {
  const int before = Screen->FormCount();
  TForm1* a = TCustomForm::Create<TForm1>(nullptr);
  TForm1* b = TCustomForm::Create<TForm1>(nullptr);
  EXPECT_EQ(Screen->FormCount(), before + 2);
  a->Show();
  Application->ProcessMessages();
  EXPECT_EQ(Screen->ActiveForm(), a);
  EXPECT_TRUE(a->Active());
  b->Show();
  Application->ProcessMessages();
  EXPECT_EQ(Screen->ActiveForm(), b);
  EXPECT_EQ(Screen->Forms(0), b) << "the active form comes first";
  EXPECT_FALSE(a->Active());
  b->Free();
  EXPECT_EQ(Screen->FormCount(), before + 1);
  EXPECT_NE(Screen->ActiveForm(), b);
  a->Free();
  EXPECT_EQ(Screen->FormCount(), before);
}

TEST_F(FormTest, FormStreamedFromItsResource) {
  RegisterClasses({TTestPanel::StaticClass()});
  TStreamedForm* form = nullptr;
  try {
    form = TCustomForm::Create<TStreamedForm>(nullptr);
  } catch (const Exception& e) {
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  EXPECT_TRUE(form->PanelLoadedAtCreate) << "OnCreate ran before the resource was read";
  EXPECT_EQ(form->Caption(), L"Streamed");
  EXPECT_EQ(form->BorderStyle(), bsDialog);
  auto* panel = dynamic_cast<TTestPanel*>(form->FindComponent(L"Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->BoundsRect(), (TRect{8, 8, 108, 48}));
  form->Show();
  Application->ProcessMessages();
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 120);
  panel->OnClick(panel);
  EXPECT_EQ(form->Clicks, 1);
  EXPECT_TRUE(form->KeyPreview());
  ASSERT_TRUE(form->OnKeyPress);
  wchar_t key = L'x';
  form->OnKeyPress(form, key);
  EXPECT_EQ(form->Typed, L"x") << "the form's key handler was bound from its resource";
  UpdateWindow(form->Handle());
  const vamire_test::Capture shot = vamire_test::CaptureClient(form->Handle());
  EXPECT_TRUE(shot.SavePng(L"forms_streamed.png"));
  EXPECT_EQ(shot.At(50, 40), 0xFF0000u) << "the red panel is not painted";
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(shot.At(150, 100), uint32_t(GetRValue(face)) << 16 | uint32_t(GetGValue(face)) << 8 | GetBValue(face))
      << "the form's background";
  form->Free();
}

// A component written out as form-file text, and such text read into a component.
String WriteFormText(TComponent* Root) {
  TMemoryStream out;
  WriteComponentToStream(&out, Root);
  return FormBinaryToText(std::string(static_cast<const char*>(out.Memory()), size_t(out.Size())));
}

testing::AssertionResult ReadFormText(const String& Text, TComponent* Root) {
  TStringStream in(FormTextToBinary(Text));
  try {
    ReadComponentFromStream(&in, Root);
  } catch (const Exception& e) {
    return testing::AssertionFailure() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  return testing::AssertionSuccess();
}

// A form's icon travels in its form file as "Icon.Data".
TEST_F(FormTest, TheIconTravelsInTheFormFile) {
  TForm* form = TCustomForm::Create<TForm>(nullptr);
  form->Icon()->SetHandle(CopyIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
  const int width = form->Icon()->Width();
  ASSERT_GT(width, 0);
  const String text = WriteFormText(form);
  form->Free();
  EXPECT_NE(text.find(L"Icon.Data = {"), String::npos);
  TForm* copy = TCustomForm::Create<TForm>(nullptr);
  if (testing::AssertionResult read = ReadFormText(text, copy); !read) {
    copy->Free();
    FAIL() << read.message();
  }
  EXPECT_FALSE(copy->Icon()->Empty());
  EXPECT_EQ(copy->Icon()->Width(), width);
  EXPECT_NE(copy->Icon()->Handle(), nullptr);
  copy->Free();
}

// A form written as the root keeps the components it owns outside its controls, and
// writes a control's own components only once.
TEST_F(FormTest, OwnedComponentsOutsideControlsTravelInTheFormFile) {
  RegisterClasses({TTimer::StaticClass(), TMainMenu::StaticClass(), TMenuItem::StaticClass()});
  TForm* form = TCustomForm::Create<TForm>(nullptr);
  auto* timer = new TTimer(form);
  timer->SetName(L"Poll");
  timer->SetEnabled(false);
  timer->SetInterval(250);
  auto* menu = new TMainMenu(form);
  menu->SetName(L"Commands");
  auto* item = new TMenuItem(form);
  item->SetName(L"OpenItem");
  item->SetCaption(L"Open");
  menu->Items()->Add(item);
  const String text = WriteFormText(form);
  form->Free();
  EXPECT_NE(text.find(L"object Poll: TTimer"), String::npos) << UTF8Encode(text);
  EXPECT_NE(text.find(L"object Commands: TMainMenu"), String::npos) << UTF8Encode(text);
  // The item belongs to the menu's object, not a second time to the form's.
  const size_t first = text.find(L"object OpenItem: TMenuItem");
  ASSERT_NE(first, String::npos);
  EXPECT_EQ(text.find(L"object OpenItem: TMenuItem", first + 1), String::npos);

  TForm* copy = TCustomForm::Create<TForm>(nullptr);
  if (testing::AssertionResult read = ReadFormText(text, copy); !read) {
    copy->Free();
    FAIL() << read.message();
  }
  auto* read = dynamic_cast<TTimer*>(copy->FindComponent(L"Poll"));
  ASSERT_NE(read, nullptr);
  EXPECT_FALSE(read->Enabled());
  EXPECT_EQ(read->Interval(), 250u);
  auto* readMenu = dynamic_cast<TMainMenu*>(copy->FindComponent(L"Commands"));
  ASSERT_NE(readMenu, nullptr);
  EXPECT_EQ(readMenu->Items()->Count(), 1);
  copy->Free();
}

// A frame made from code streams its own resource, and shows once placed.
TEST_F(FormTest, FrameStreamsItsResource) {
  RegisterClasses({TTestPanel::StaticClass()});
  TForm1* form = TCustomForm::Create<TForm1>(nullptr);
  TTestFrame1* frame = nullptr;
  try {
    frame = TCustomFrame::Create<TTestFrame1>(form);
  } catch (const Exception& e) {
    FAIL() << UTF8Encode(e.ClassName() + L": " + e.Message());
  }
  auto* panel = dynamic_cast<TTestPanel*>(frame->FindComponent(L"FramePanel"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Parent(), frame);
  EXPECT_EQ(panel->Caption(), L"Framed");
  EXPECT_EQ(frame->Width(), 150);
  EXPECT_FALSE(frame->HandleAllocated());
  frame->SetParent(form);
  form->Show();
  EXPECT_TRUE(IsWindowVisible(panel->Handle()));
  EXPECT_EQ(GetParentForm(panel), form);
  form->Free();
}

// An exception in a click handler reaches the application's handler and the
// loop handles the next message.
TEST_F(FormTest, ClickHandlerExceptionReachesTheApplication) {
  TForm1* form = TCustomForm::Create<TForm1>(nullptr);
  auto* panel = new TTestPanel(form);
  panel->SetParent(form);
  TLog log;
  panel->OnClick = TNotifyEvent(&log, &TLog::Raise);
  Application->OnException = TExceptionEvent(&log, &TLog::Failed);
  form->Show();
  TPostedActions post;
  PostMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  bool after = false;
  post.Post([&] { after = true; });
  post.Post([] { Application->Terminate(); });
  Application->Run();
  EXPECT_EQ(log.Errors, std::vector<String>{L"click failed"});
  EXPECT_TRUE(after);
  form->Free();
}

TEST_F(FormTest, GetParentForm) {
  TForm1* form = TCustomForm::Create<TForm1>(nullptr);
  auto* outer = new TTestPanel(form);
  outer->SetParent(form);
  auto* inner = new TTestPanel(form);
  inner->SetParent(outer);
  auto* loose = new TTestPanel(form);  // no parent
  TFrame* frame = TCustomFrame::Create<TFrame>(form);
  auto* onFrame = new TTestPanel(form);
  onFrame->SetParent(frame);
  struct Case {
    TControl* Control;
    TCustomForm* Expected;
  };
  const Case cases[] = {{inner, form}, {outer, form}, {form, form}, {loose, nullptr},
                        {onFrame, nullptr}, {nullptr, nullptr}};
  for (const Case& c : cases) EXPECT_EQ(GetParentForm(c.Control), c.Expected);
  frame->SetParent(form);
  EXPECT_EQ(GetParentForm(onFrame), form);
  form->Free();
}

}  // namespace
