// The container unit's helpers: the message queue (a WM_QUIT met while
// discarding stays in the queue), windows disabled and enabled around a
// modal step, filling and invalidating the bands around an inner rectangle,
// windows inside a control or inside popups opened from it, and buffered
// printing, which runs only under desktop composition (composition and the
// buffered-paint calls are injected).
#include "container_test_support.h"
#include "cxDWMApi.h"
#include "dxUxTheme.h"

using namespace container_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TContainerUnits);

TEST(ContainerHelpersTest, DiscardingPendingMessagesKeepsAQuitInTheQueue) {
  THostForm* form = MakeForm();
  const HWND w = form->Handle();
  Pump();
  constexpr UINT first = WM_APP + 10;
  for (int i = 0; i < 3; ++i) PostMessageW(w, first, i, 0);
  EXPECT_TRUE(HasPendingMessage(w, first));
  EXPECT_TRUE(DiscardPendingMessages(w, first)) << "one removed";
  EXPECT_TRUE(HasPendingMessage(w, first));
  EXPECT_TRUE(DiscardPendingMessages(w, first, 0, true)) << "the rest removed";
  EXPECT_FALSE(HasPendingMessage(w, first));
  EXPECT_FALSE(DiscardPendingMessages(w, first));

  // A quit in the range: posted again, the removal ends, nothing else counts.
  PostQuitMessage(7);
  EXPECT_FALSE(DiscardPendingMessages(nullptr, WM_QUIT, 0, true));
  MSG m;
  ASSERT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(m.wParam, 7u);
  delete form;
}

TEST(ContainerHelpersTest, RememberedWindowsAreEnabledAgainUnlessDestroyed) {
  THostForm* form = MakeForm();
  auto* a = new TPanel(form);
  a->SetParent(form);
  auto* b = new TPanel(form);
  b->SetParent(form);
  auto* off = new TPanel(form);
  off->SetParent(form);
  off->SetEnabled(false);
  TcxWindowList list;
  for (TWinControl* c : std::vector<TWinControl*>{a, b, off}) DisableWindowAndRemember(list, c->Handle());
  EXPECT_EQ(list.size(), 2u) << "an already disabled window is not remembered";
  EXPECT_FALSE(IsWindowEnabled(a->Handle()));
  const HWND bWindow = b->Handle();
  delete b;
  EXPECT_FALSE(IsWindow(bWindow));
  EnableRememberedWindows(&list);
  EXPECT_TRUE(IsWindowEnabled(a->Handle()));
  EXPECT_FALSE(IsWindowEnabled(off->Handle()));
  EnableRememberedWindows(nullptr);
  delete form;
}

TEST(ContainerHelpersTest, FillingAndInvalidatingAroundAnInnerRectangle) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(20, 20);
  TcxCanvas canvas(bitmap.Canvas());
  canvas.FillRect(TRect{0, 0, 20, 20}, clWhite);
  FillRectExcept(&canvas, TRect{0, 0, 20, 20}, TRect{0, 0, 20, 20}, clRed);
  EXPECT_EQ(GetPixel(canvas.Handle(), 10, 10) & 0xFFFFFF, 0xFFFFFFu) << "equal rectangles paint nothing";
  FillRectExcept(&canvas, TRect{0, 0, 20, 20}, TRect{5, 5, 15, 15}, clRed);
  EXPECT_EQ(GetPixel(canvas.Handle(), 10, 10) & 0xFFFFFF, 0xFFFFFFu) << "the inner rectangle is left alone";
  for (POINT p : {POINT{0, 0}, POINT{10, 2}, POINT{10, 17}, POINT{19, 19}, POINT{2, 10}})
    EXPECT_EQ(GetPixel(canvas.Handle(), p.x, p.y) & 0xFFFFFF, 0x0000FFu) << p.x << "," << p.y;

  THostForm* form = MakeForm();
  form->SetVisible(true);
  ShowQuietly(form);
  Pump();
  ValidateRect(form->Handle(), nullptr);
  InvalidateRectExcept(form->Handle(), TRect{0, 0, 100, 100}, TRect{10, 10, 90, 90}, false);
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(form->Handle(), update, FALSE);
  EXPECT_TRUE(PtInRegion(update, 5, 50));
  EXPECT_TRUE(PtInRegion(update, 50, 95));
  EXPECT_FALSE(PtInRegion(update, 50, 50));
  DeleteObject(update);
  delete form;
}

// Two popups: one opened from the container, one from a control on that popup.
std::vector<TcxVisiblePopup> GPopups;
std::vector<TcxVisiblePopup> ReadPopups() { return GPopups; }

TEST(ContainerHelpersTest, WindowsInsideAControlOrInPopupsOpenedFromIt) {
  THostForm* form = MakeForm();
  TTestContainer* c = MakeContainer(form, 10, 10);
  TEdit* edit = c->AddInnerEdit();
  edit->HandleNeeded();
  THostForm* popup1 = MakeForm(100, 100);
  auto* onPopup = new TPanel(popup1);
  onPopup->SetParent(popup1);
  THostForm* popup2 = MakeForm(100, 100);
  auto* deep = new TPanel(popup2);
  deep->SetParent(popup2);
  deep->HandleNeeded();
  THostForm* stranger = MakeForm(100, 100);

  EXPECT_TRUE(IsChildOfControlOrPopups(c, edit->Handle()));
  EXPECT_FALSE(IsChildOfControlOrPopups(c, c->Handle())) << "its own window is not a child";
  EXPECT_FALSE(IsChildOfControlOrPopups(nullptr, edit->Handle()));
  EXPECT_FALSE(IsChildOfControlOrPopups(c, deep->Handle())) << "no popups shown";
  GPopups = {{popup1, c}, {popup2, onPopup}, {popup1, popup2}};  // the last would loop
  const TcxVisiblePopupsReader previous = SetVisiblePopupsReader(&ReadPopups);
  EXPECT_TRUE(IsChildOfControlOrPopups(c, deep->Handle()));
  EXPECT_TRUE(ControlOwnsWindow(c, popup1->Handle()));
  EXPECT_FALSE(ControlOwnsWindow(c, popup1->Handle(), false));
  EXPECT_FALSE(IsChildOfControlOrPopups(c, stranger->Handle()));
  SetVisiblePopupsReader(previous);
  GPopups.clear();

  EXPECT_TRUE(IsControlWindow(c, c->Handle()));
  EXPECT_TRUE(IsWindowInControlForm(c, edit->Handle()));
  EXPECT_FALSE(IsWindowInControlForm(c, stranger->Handle()));
  EXPECT_EQ(FindTopLevelAncestorWindow(edit->Handle()), form->Handle());
  EXPECT_EQ(GetControlSizeRect(c), (TRect{0, 0, 105, 21}));
  EXPECT_EQ(MouseButtonCode(mbLeft), 1);
  EXPECT_EQ(MouseButtonCode(mbRight), 2);
  EXPECT_EQ(MouseButtonCode(mbMiddle), 3);
  EXPECT_TRUE(TextsEqual(L"Abc", L"aBC", false));
  EXPECT_FALSE(TextsEqual(L"Abc", L"aBC", true));
  EXPECT_TRUE(IsGetScrollBarInfoAvailable());
  for (THostForm* f : {stranger, popup2, popup1, form}) delete f;
}

// --- Buffered printing under injected composition -------------------------------------------
struct TBufferRecord {
  int Begins = 0, Alphas = 0, Ends = 0;
  HDC Target = nullptr;
  HDC Buffer = nullptr;
  HGDIOBJ OldBitmap = nullptr;
} GRecord;

BOOL GComposition = FALSE;
HRESULT WINAPI FakeComposition(BOOL* AEnabled) {
  *AEnabled = GComposition;
  return S_OK;
}

HPAINTBUFFER WINAPI FakeBegin(HDC ATarget, const RECT* ARect, BP_BUFFERFORMAT, BP_PAINTPARAMS*, HDC* ABuffer) {
  ++GRecord.Begins;
  GRecord.Target = ATarget;
  GRecord.Buffer = CreateCompatibleDC(ATarget);
  HBITMAP bitmap = CreateCompatibleBitmap(ATarget, ARect->right - ARect->left, ARect->bottom - ARect->top);
  GRecord.OldBitmap = SelectObject(GRecord.Buffer, bitmap);
  *ABuffer = GRecord.Buffer;
  return reinterpret_cast<HPAINTBUFFER>(GRecord.Buffer);
}
HRESULT WINAPI FakeSetAlpha(HPAINTBUFFER, const RECT*, BYTE AAlpha) {
  if (AAlpha == 255) ++GRecord.Alphas;
  return S_OK;
}
HRESULT WINAPI FakeEnd(HPAINTBUFFER ABuffer, BOOL AUpdate) {
  ++GRecord.Ends;
  HDC dc = reinterpret_cast<HDC>(ABuffer);
  DeleteObject(SelectObject(dc, GRecord.OldBitmap));
  DeleteDC(dc);
  return AUpdate ? S_OK : E_FAIL;
}

// Counts the prints a window receives.
class TPrintedPanel : public TPanel {
  VAMIRE_CLASS(TPrintedPanel, TPanel)
 public:
  using TPanel::TPanel;
  int Prints = 0;
  HDC LastPrintDC = nullptr;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_PRINTCLIENT) {
      ++Prints;
      LastPrintDC = HDC(Message.WParam);
    }
    TPanel::WndProc(Message);
  }
};

TEST(ContainerHelpersTest, BufferedRepaintOnlyUnderDesktopComposition) {
  const TcxDwmApi realDwm = DwmApi();
  const TdxUxThemeApi realTheme = UxThemeApi();
  TcxDwmApi dwm;
  dwm.Loaded = true;
  dwm.DwmIsCompositionEnabled = &FakeComposition;
  SetDwmApi(dwm);
  TdxUxThemeApi theme = realTheme;
  theme.BeginBufferedPaint = &FakeBegin;
  theme.BufferedPaintSetAlpha = &FakeSetAlpha;
  theme.EndBufferedPaint = &FakeEnd;
  SetUxThemeApi(theme);

  THostForm* form = MakeForm();
  TTestContainer* c = MakeContainer(form, 10, 10);
  c->AddInnerEdit();
  auto* panel = new TPrintedPanel(form);
  panel->SetBounds(10, 50, 60, 30);
  panel->SetParent(form);
  panel->HandleNeeded();

  GComposition = FALSE;
  RefreshViewStateAtCursor(c, false);
  EXPECT_FALSE(CanUseBufferedPaint());
  EXPECT_FALSE(c->RepaintThroughBuffer()) << "no composition: inner edits paint as usual";

  GComposition = TRUE;
  RefreshViewStateAtCursor(c, false);
  EXPECT_TRUE(CanUseBufferedPaint());
  EXPECT_TRUE(c->RepaintThroughBuffer());
  GRecord = {};
  BufferedRepaintWindow(panel->Handle());
  EXPECT_EQ(GRecord.Begins, 1);
  EXPECT_EQ(GRecord.Alphas, 1) << "the buffer is made opaque";
  EXPECT_EQ(GRecord.Ends, 1);
  EXPECT_EQ(panel->Prints, 1);
  EXPECT_EQ(panel->LastPrintDC, GRecord.Buffer) << "the window prints into the buffer";

  // Without the buffered-paint calls there is no buffered repaint, composition or not.
  theme.BeginBufferedPaint = nullptr;
  SetUxThemeApi(theme);
  EXPECT_FALSE(CanUseBufferedPaint());

  SetUxThemeApi(realTheme);
  SetDwmApi(realDwm);
  delete form;
}

}  // namespace

namespace {

// An inner control that knows its container, as the inner list box and the editors' inner edits do.
class TKnowingInner : public TPanel, public IcxContainerInnerControl {
  VAMIRE_CLASS(TKnowingInner, TPanel)
 public:
  using TPanel::TPanel;
  TcxContainer* Container = nullptr;
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IcxContainerInnerControl>(this, iid, obj) || TPanel::GetInterface(iid, obj);
  }
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return Container; }
};

class TTakingContainer : public TTestContainer {
  VAMIRE_CLASS(TTakingContainer, TTestContainer)
 public:
  using TTestContainer::TTestContainer;
  bool HandleInnerControlMessage(TMessage& Message) override { return Message.Msg == WM_APP + 1; }
};

TEST(ContainerHelpersTest, TheContainerSeesItsInnerControlsMessagesFirstOnlyWhenItTakesThem) {
  THostForm* form = MakeForm();
  TTestContainer* plain = MakeContainer(form, 10, 10);
  auto* taking = new TTakingContainer(form);
  taking->SetParent(form);
  auto* inner = new TKnowingInner(form);
  TMessage m{};
  m.Msg = WM_APP + 1;
  EXPECT_FALSE(ContainerHandlesInnerMessage(inner, m)) << "no container";
  inner->Container = plain;
  EXPECT_FALSE(ContainerHandlesInnerMessage(inner, m)) << "the base container takes nothing";
  inner->Container = taking;
  EXPECT_TRUE(ContainerHandlesInnerMessage(inner, m));
  m.Msg = WM_APP + 2;
  EXPECT_FALSE(ContainerHandlesInnerMessage(inner, m));
  auto* stranger = new TPanel(form);
  EXPECT_FALSE(ContainerHandlesInnerMessage(stranger, m)) << "a control that is no inner control";
  EXPECT_FALSE(ContainerHandlesInnerMessage(nullptr, m));
  // Only the key-down forms of the toolkit's key messages go to the key pre-check.
  TMessage key{};
  key.Msg = WM_KEYDOWN;
  EXPECT_FALSE(plain->ProcessInnerKeyMessage(key));
  delete form;
}

}  // namespace
