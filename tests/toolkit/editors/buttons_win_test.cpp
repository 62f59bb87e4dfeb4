// The push button under Wine: its painter state, speed-button groups, glyph
// cells and the shared glyph lists, the drop-down kinds with their menu, and
// the frame of flat buttons that never take the focus.
#include "buttons_test_support.h"

using namespace buttons_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TButtonUnits);

constexpr TColor Red = 0x000000E0, Green = 0x0000C000, Blue = 0x00E00000, Yellow = 0x0000E0E0;
constexpr TColor Face = 0x004080C0;

struct TClickLog : TObject {
  int Clicks = 0;
  void Click(TObject*) { ++Clicks; }
};

// Menus pop up here instead of the system's loop; Then runs while the menu is "open".
struct TMenuSpy {
  static inline int Popups = 0;
  static inline TPoint Where{};
  static inline std::function<void()> Then;
  static void Popup(TPopupMenu*, int X, int Y) {
    ++Popups;
    Where = TPoint{X, Y};
    if (Then) Then();
  }
};

struct TButtonFixture : testing::Test {
  THostForm* Form = MakeForm(420, 320);
  TcxButtonMenuPopupProc Previous = SetButtonMenuPopupProc(&TMenuSpy::Popup);
  TClickLog Log;
  TButtonFixture() {
    TMenuSpy::Popups = 0;
    TMenuSpy::Then = nullptr;
  }
  ~TButtonFixture() override {
    delete Form;
    SetButtonMenuPopupProc(Previous);
    TMenuSpy::Then = nullptr;
  }
  TcxButton* NewButton(int X = 10, int Y = 10, int W = 100, int H = 30) {
    auto* b = new TcxButton(Form);
    b->SetParent(Form);
    b->SetBounds(X, Y, W, H);
    b->OnClick = TNotifyEvent(&Log, &TClickLog::Click);
    b->HandleNeeded();
    return b;
  }
  // The state the last paint used.
  TcxButtonState PaintedState(TcxButton* B) {
    PaintButton(B);
    return B->GetButtonState();
  }
};

TEST_F(TButtonFixture, PainterStateTable) {
  struct Case {
    const char* name;
    TcxLookAndFeelKind kind;
    std::function<void(TcxButton*)> set;
    TcxButtonState expected;
  };
  const Case cases[] = {
      {"idle", lfStandard, [](TcxButton*) {}, cxbsNormal},
      {"disabled", lfStandard, [](TcxButton* b) { b->SetEnabled(false); }, cxbsDisabled},
      {"default button", lfStandard, [](TcxButton* b) { b->SetDefault(true); }, cxbsDefault},
      {"down in a group", lfStandard,
       [](TcxButton* b) {
         b->SpeedButtonOptions()->SetGroupIndex(1);
         b->SetDown(true);
       },
       cxbsPressed},
      {"hot where the look shows it", lfUltraFlat, [](TcxButton* b) { b->Perform(WM_MOUSEMOVE, 0, At(5, 5)); },
       cxbsHot},
      {"hot where the look does not", lfStandard, [](TcxButton* b) { b->Perform(WM_MOUSEMOVE, 0, At(5, 5)); },
       cxbsNormal},
      {"held down, never focused", lfStandard,
       [](TcxButton* b) {
         b->SpeedButtonOptions()->SetCanBeFocused(false);
         b->Perform(WM_MOUSEMOVE, 0, At(5, 5));
         SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
       },
       cxbsPressed},
  };
  for (const Case& c : cases) {
    TcxButton* b = NewButton();
    b->LookAndFeel()->SetNativeStyle(false);
    b->LookAndFeel()->SetKind(c.kind);
    c.set(b);
    EXPECT_EQ(PaintedState(b), c.expected) << c.name;
    if (GetCapture() == b->Handle()) ReleaseCapture();
    delete b;
  }
}

TEST_F(TButtonFixture, GroupedButtonsRaiseEachOtherAndShareTheirSettings) {
  TcxButton* first = NewButton(10, 10);
  TcxButton* second = NewButton(10, 50);
  for (TcxButton* b : {first, second}) {
    b->SpeedButtonOptions()->SetCanBeFocused(false);
    b->SpeedButtonOptions()->SetGroupIndex(1);
  }
  first->SetDown(true);
  SendMessageW(second->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(second->Handle(), WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  EXPECT_EQ(Log.Clicks, 1);
  // Pressing the down button again keeps it down while the group may not be all up.
  SendMessageW(second->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(second->Handle(), WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_TRUE(second->Down());
  EXPECT_EQ(Log.Clicks, 2);
  // A group setting made on one member reaches the other.
  first->SpeedButtonOptions()->SetAllowAllUp(true);
  first->SpeedButtonOptions()->SetFlat(true);
  EXPECT_TRUE(second->SpeedButtonOptions()->AllowAllUp());
  EXPECT_TRUE(second->SpeedButtonOptions()->Flat());
  second->SetDown(false);
  EXPECT_FALSE(second->Down());

  TcxButton* alone = NewButton(10, 90);
  alone->SetDown(true);
  EXPECT_FALSE(alone->Down());
}

TEST_F(TButtonFixture, StripCellCountsAndTheCellEachStateDraws) {
  TcxButton* b = NewButton();
  struct Shape {
    int w, h, cells;
  };
  for (const Shape& s : {Shape{64, 16, 4}, Shape{80, 16, 1}, Shape{48, 20, 1}}) {
    std::unique_ptr<TBitmap> strip(new TBitmap());
    strip->SetSize(s.w, s.h);
    b->SetGlyph(strip.get());
    EXPECT_EQ(b->NumGlyphs(), s.cells) << s.w << " x " << s.h;
  }
  constexpr TColor Paper = 0x00A0F0E0;
  std::uint32_t corner = 0;
  auto cellColour = [&](TcxButtonState AState) {
    const int index = b->ButtonGlyph()->PrepareStateImage(AState);
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(16, 16);
    target.Canvas()->Brush()->SetColor(Paper);
    target.Canvas()->FillRect(TRect{0, 0, 16, 16});
    b->ButtonGlyph()->GlyphList()->Draw(target.Canvas(), 0, 0, index, true);
    corner = Rgb(target.Canvas()->Pixels(0, 0));
    return Rgb(target.Canvas()->Pixels(8, 8));
  };
  std::unique_ptr<TBitmap> four(NewStrip(16, {Red, Green, Blue, Yellow}));
  b->SetGlyph(four.get());
  EXPECT_EQ(cellColour(cxbsNormal), Rgb(Red));
  EXPECT_EQ(corner, Rgb(Paper)) << "the key colour shows what is under the glyph";
  EXPECT_EQ(cellColour(cxbsHot), Rgb(Red));
  EXPECT_EQ(cellColour(cxbsDisabled), Rgb(Green));
  EXPECT_EQ(cellColour(cxbsPressed), Rgb(Blue));
  std::unique_ptr<TBitmap> two(NewStrip(16, {Red, Green}));
  b->SetGlyph(two.get());
  EXPECT_EQ(b->NumGlyphs(), 2);
  EXPECT_EQ(cellColour(cxbsPressed), Rgb(Red));
  EXPECT_EQ(cellColour(cxbsDisabled), Rgb(Green));
  // Fewer cells than the strip holds: each cell is wider, the second starts halfway.
  b->SetGlyph(four.get());
  b->SetNumGlyphs(2);
  EXPECT_EQ(b->ButtonGlyph()->GetGlyphSize().cx, 32);
  EXPECT_EQ(cellColour(cxbsDisabled), Rgb(Blue));
  std::unique_ptr<TBitmap> one(NewStrip(16, {Red}));
  b->SetGlyph(one.get());
  const std::uint32_t generated = cellColour(cxbsDisabled);
  EXPECT_NE(generated, Rgb(Red));
  EXPECT_NE(generated, 0x00FF00FFu);
  EXPECT_EQ(corner, Rgb(Paper));
}

TEST_F(TButtonFixture, ButtonsOfOneGlyphSizeShareAListFreedWithTheLast) {
  std::unique_ptr<TBitmap> glyph(NewStrip(16, {Red}));
  std::unique_ptr<TBitmap> big(NewStrip(24, {Blue}));
  TcxButton* a = NewButton(10, 10);
  TcxButton* b = NewButton(10, 50);
  TcxButton* c = NewButton(10, 90);
  a->SetGlyph(glyph.get());
  b->SetGlyph(glyph.get());
  c->SetGlyph(big.get());
  for (TcxButton* x : {a, b, c}) x->ButtonGlyph()->PrepareStateImage(cxbsNormal);
  ASSERT_NE(a->ButtonGlyph()->GlyphList(), nullptr);
  EXPECT_EQ(a->ButtonGlyph()->GlyphList(), b->ButtonGlyph()->GlyphList());
  EXPECT_NE(a->ButtonGlyph()->GlyphList(), c->ButtonGlyph()->GlyphList());
  ASSERT_NE(GlyphCache(), nullptr);
  EXPECT_EQ(GlyphCache()->Count(), 2);
  // A freed slot is used again by the next image of that size.
  const int slot = a->ButtonGlyph()->PrepareStateImage(cxbsNormal);
  delete c;
  EXPECT_EQ(GlyphCache()->Count(), 1);
  delete a;
  TcxButton* d = NewButton(10, 130);
  d->SetGlyph(glyph.get());
  EXPECT_EQ(d->ButtonGlyph()->PrepareStateImage(cxbsNormal), slot);
  delete d;
  EXPECT_EQ(GlyphCache()->Count(), 1);
  delete b;
  EXPECT_EQ(GlyphCache(), nullptr);
}

TEST_F(TButtonFixture, TheArrowPartOpensTheMenuOnPressAndNeverClicks) {
  auto* menu = new TPopupMenu(Form);
  TcxButton* b = NewButton(10, 10, 100, 30);
  b->SetKind(cxbkDropDownButton);
  b->SetDropDownMenu(menu);
  EXPECT_EQ(b->GetArrowPartBounds(), (TRect{85, 0, 100, 30}));
  // The system button takes the press; the pointer is over the button, as when a person clicks.
  Form->Show();
  Pump();
  const TPoint arrow = b->ClientToScreen(TPoint{90, 10});
  SetCursorPos(arrow.X, arrow.Y);
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(90, 10));
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, At(90, 10));
  Pump();
  EXPECT_EQ(TMenuSpy::Popups, 1);
  EXPECT_EQ(Log.Clicks, 0);
  EXPECT_FALSE(b->IsMenuShown());
  // The body clicks on release.
  const TPoint body = b->ClientToScreen(TPoint{40, 10});
  SetCursorPos(body.X, body.Y);
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(40, 10));
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, At(40, 10));
  Pump();
  EXPECT_EQ(Log.Clicks, 1);
  EXPECT_EQ(TMenuSpy::Popups, 1);

  // The whole of a drop-down button opens the menu and never clicks; without a menu nothing happens.
  TcxButton* whole = NewButton(10, 50, 100, 30);
  whole->SetKind(cxbkDropDown);
  SendMessageW(whole->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(40, 10));
  SendMessageW(whole->Handle(), WM_LBUTTONUP, 0, At(40, 10));
  Pump();
  EXPECT_EQ(TMenuSpy::Popups, 1);
  whole->SetDropDownMenu(menu);
  SendMessageW(whole->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(40, 10));
  SendMessageW(whole->Handle(), WM_LBUTTONUP, 0, At(40, 10));
  Pump();
  EXPECT_EQ(TMenuSpy::Popups, 2);
  EXPECT_EQ(Log.Clicks, 1);
}

TEST_F(TButtonFixture, AClickOnTheArrowThatClosesTheMenuDoesNotOpenItAgain) {
  auto* menu = new TPopupMenu(Form);
  TcxButton* b = NewButton(10, 10, 100, 30);
  b->SetKind(cxbkDropDownButton);
  b->SetDropDownMenu(menu);
  b->SpeedButtonOptions()->SetCanBeFocused(false);
  // The click that dismisses a menu stays in the queue for the window under it.
  TMenuSpy::Then = [b] {
    PostMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(92, 12));
    PostMessageW(b->Handle(), WM_LBUTTONUP, 0, At(92, 12));
  };
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(90, 10));
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, At(90, 10));
  for (int i = 0; i < 5; ++i) Pump();
  EXPECT_EQ(TMenuSpy::Popups, 1);
  EXPECT_FALSE(b->IsMenuShown());
  EXPECT_EQ(Log.Clicks, 0);
  // The next press opens it again.
  TMenuSpy::Then = nullptr;
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(90, 10));
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, At(90, 10));
  Pump();
  EXPECT_EQ(TMenuSpy::Popups, 2);
}

TRect GWorkArea;
TRect FakeWorkArea(const TPoint&) { return GWorkArea; }

TEST_F(TButtonFixture, AMenuWithoutRoomBelowOpensAboveWithATwoPixelGap) {
  TcxButton* b = NewButton(10, 200, 100, 30);
  const TPoint top = b->ClientToScreen(TPoint{0, 0});
  GWorkArea = TRect{0, 0, 1000, top.Y + 30 + 100};
  const TcxWorkAreaReader previous = SetWorkAreaReader(&FakeWorkArea);
  const TPoint below = b->CalcMenuPosition(80);
  const TPoint above = b->CalcMenuPosition(160);
  SetWorkAreaReader(previous);
  EXPECT_EQ(below, (TPoint{top.X, top.Y + 30}));
  EXPECT_EQ(above.Y + 160, top.Y - 2);
  EXPECT_EQ(above.X, top.X);
}

TEST_F(TButtonFixture, FlatButtonsThatNeverFocusAreFramedOnlyWhileHotOrDown) {
  struct Case {
    const char* name;
    bool native;
    bool hot;
    bool down;
    bool framed;
  };
  const Case cases[] = {
      {"idle", false, false, false, false},     {"hot", false, true, false, true},
      {"down", false, false, true, true},       {"native, hot", true, true, false, false},
      {"native, down", true, false, true, false},
  };
  for (const Case& c : cases) {
    TcxButton* b = NewButton();
    b->LookAndFeel()->SetKind(lfStandard);
    b->LookAndFeel()->SetNativeStyle(c.native);
    b->SpeedButtonOptions()->SetCanBeFocused(false);
    b->SpeedButtonOptions()->SetFlat(true);
    b->SpeedButtonOptions()->SetGroupIndex(1);
    for (TcxButtonState s : {cxbsNormal, cxbsHot, cxbsPressed}) b->Colors()->SetColor(
        s == cxbsNormal ? cxbcNormal : s == cxbsHot ? cxbcHot : cxbcPressed, Face);
    if (c.down) b->SetDown(true);
    if (c.hot) b->Perform(WM_MOUSEMOVE, 0, At(50, 15));
    const vamire_test::Capture cap = PaintButton(b);
    // The native look in the plain prefix draws with the kind's painter: a face without frame.
    EXPECT_EQ(cap.At(0, 0) != Rgb(Face), c.framed) << c.name;
    EXPECT_EQ(cap.At(50, 4), Rgb(Face)) << c.name;
    delete b;
  }
}

TEST_F(TButtonFixture, MarginBelowMinusOneIsIgnoredAndKindsGiveTheirArrowPart) {
  TcxButton* b = NewButton();
  b->SetMargin(3);
  b->SetMargin(-5);
  EXPECT_EQ(b->Margin(), 3);
  EXPECT_EQ(b->GetArrowPartBounds(), TRect{});
  b->SetKind(cxbkDropDown);
  EXPECT_EQ(b->GetArrowPartBounds(), b->ClientRect());
}

TEST_F(TButtonFixture, TheConsolesFlatButtonClicksOnReleaseWithoutTakingTheFocus) {
  auto* other = new TEdit(Form);
  other->SetParent(Form);
  other->SetBounds(200, 10, 100, 24);
  Form->Show();
  Pump();
  other->SetFocus();
  TcxButton* b = NewButton(10, 10, 100, 110);
  b->SetCaption(L"拼接");
  b->SetLayout(blGlyphTop);
  b->LookAndFeel()->SetNativeStyle(true);
  b->SpeedButtonOptions()->SetFlat(true);
  b->SpeedButtonOptions()->SetCanBeFocused(false);
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50));
  EXPECT_EQ(Log.Clicks, 0);
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, At(50, 50));
  EXPECT_EQ(Log.Clicks, 1);
  EXPECT_FALSE(b->Focused());
  EXPECT_FALSE(b->CanFocus());
  // A release outside the button is no click.
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50));
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, At(150, 50));
  EXPECT_EQ(Log.Clicks, 1);
}

}  // namespace
