// The bar control base and the item control base, on a test bar control with
// test item kinds: metrics, layout, insertion points, owner edges, container
// expansion, rebuild guards, view levels, sizes, hot parts, clicks, hints,
// messages, painting and GDI objects.
#include <functional>

#include "barcontrol_test_support.h"
#include "support/WindowCapture.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

class TExceptionCatcher : public TObject {
 public:
  void Handle(TObject*, const Exception& E) { Messages.push_back(E.Message()); }
  std::vector<String> Messages;
};

// Records the WParam of one message a window receives.
struct TSpy {
  static LRESULT CALLBACK Proc(HWND W, UINT M, WPARAM WP, LPARAM LP) {
    if (M == Watched) Seen.push_back(WP);
    return CallWindowProcW(Old, W, M, WP, LP);
  }
  static void Attach(HWND W, UINT Message) {
    Watched = Message;
    Seen.clear();
    Old = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(W, GWLP_WNDPROC, LONG_PTR(&Proc)));
  }
  static void Detach(HWND W) { SetWindowLongPtrW(W, GWLP_WNDPROC, LONG_PTR(Old)); }
  static inline UINT Watched = 0;
  static inline std::vector<WPARAM> Seen;
  static inline WNDPROC Old = nullptr;
};

class BarControlTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterTestKinds();
    Form = MakeForm();
    Manager = new TdxBarManager(Form);
    Manager->SetStyle(bmsStandard);
    Bar = Manager->Bars()->Add();
  }
  void TearDown() override {
    Application->OnException = nullptr;
    Form->Free();
  }
  template <class T = TTestButtonItem>
  T* Item(const String& Caption) {
    auto* item = new T(Form);
    item->SetCaption(Caption);
    item->SetCategory(0);
    return item;
  }
  TdxBarItemLink* Add(TdxBarItem* AItem, bool BeginGroup = false) {
    TdxBarItemLink* link = Bar->ItemLinks()->AddItem(AItem);
    link->SetBeginGroup(BeginGroup);
    return link;
  }
  // A shown test bar control on the form, of the given size, laid out.
  TTestBarControl* Control(int W = 300, int H = 24, std::function<void(TTestBarControl*)> Prepare = nullptr) {
    auto* control = new TTestBarControl(Manager);
    if (Prepare) Prepare(control);
    control->SetParent(Form);
    control->SetBounds(10, 10, W, H);
    control->SetItemLinks(Bar->ItemLinks());
    control->HandleNeeded();
    control->Layout();
    control->SetVisible(true);
    return control;
  }
  THostForm* Form = nullptr;
  TdxBarManager* Manager = nullptr;
  TdxBar* Bar = nullptr;
};

// --- Metrics ---------------------------------------------------------------------------------

TEST_F(BarControlTest, MetricsFollowTheTextSizeAgainstThePaintersReference) {
  struct TCase {
    TdxBarManagerStyle Style;
    int TextSize;  // 0: the control's font decides
    int Reference;
    double Ratio;
    int ArrowHeight;
    int LargeItemHeight;
  };
  const TCase cases[] = {
      {bmsStandard, 19, 19, 1.0, 4, 40},           {bmsFlat, 20, 20, 1.0, 4, 40},
      {bmsStandard, 25, 19, 25.0 / 19, 5, 53},     {bmsFlat, 25, 20, 1.25, 5, 50},
      {bmsStandard, 20, 19, 20.0 / 19, 4, 42},
  };
  Add(Item(L"One"));
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << int(c.Style) << " text " << c.TextSize);
    Manager->SetStyle(c.Style);
    TTestBarControl* control = Control(300, 24, [&](TTestBarControl* b) { b->ForcedTextSize = c.TextSize; });
    EXPECT_EQ(control->GetPainterTextSize(), c.Reference);
    EXPECT_EQ(control->TextSize(), c.TextSize);
    EXPECT_DOUBLE_EQ(control->Ratio(), c.Ratio);
    EXPECT_EQ(control->MenuArrowHeight(), c.ArrowHeight);
    EXPECT_EQ(control->IconAreaSize(), c.TextSize);
    Bar->ItemLinks()->ItemOptions()->SetSize(misLarge);
    control->CalcMetrics();
    EXPECT_EQ(control->IconAreaSize(), c.LargeItemHeight);
    Bar->ItemLinks()->ItemOptions()->SetSize(misNormal);

    // The edit items and combo arrows are sized by the edit font's "0".
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Manager->EditFont()->Handle());
    SIZE zero{};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    SelectObject(dc, old);
    DeleteDC(dc);
    const TdxBarPainter* painter = control->GetPainter();
    const TRect m = painter->EditTextMargins(), o = painter->CaptionOffsets();
    EXPECT_EQ(control->EditTextSize(), zero.cy + m.Top + m.Bottom + o.Top + o.Bottom);
    EXPECT_EQ(control->ComboBoxArrowWidth(), 2 * zero.cx - 1);
    control->Free();
  }
}

TEST_F(BarControlTest, ATinyFontNeverScalesBelowOne) {
  Add(Item(L"One"));
  TTestBarControl* control = Control(300, 24, [](TTestBarControl* b) { b->Font()->SetHeight(-2); });
  EXPECT_LT(control->TextSize(), 19);
  EXPECT_EQ(control->TextSize(), control->GetPainter()->EditHeight(control->GetCanvas()->Handle()));
  EXPECT_DOUBLE_EQ(control->Ratio(), 1.0);
  EXPECT_EQ(control->MenuArrowHeight(), 4);
}

// --- Layout ----------------------------------------------------------------------------------

TEST_F(BarControlTest, APartlyFittingLastLinkEndsAtTheBottomOnlyWhenAllowed) {
  for (int i = 0; i < 3; ++i) Add(Item(L"Row " + IntToStr(i)));
  for (const bool partial : {false, true}) {
    SCOPED_TRACE(partial ? "partial allowed" : "partial refused");
    TTestBarControl* control = Control(120, 100, [&](TTestBarControl* b) {
      b->Vertical = true;
      b->Partial = partial;
    });
    TdxBarItemLinks* links = Bar->ItemLinks();
    const int h = links->Links(0)->Control()->FinalHeight();
    control->SetBounds(10, 10, 120, 2 * h + h / 2);
    control->CalcLayout();
    control->CalcItemRects(1, 0);
    int lastBottom = -1;
    control->CalcLinksVertically(0, lastBottom);
    EXPECT_EQ(links->Links(0)->ItemRect(), (TRect{0, 0, 120, h}));
    EXPECT_EQ(links->Links(1)->ItemRect(), (TRect{0, h, 120, 2 * h}));
    EXPECT_EQ(links->Links(2)->ItemRect(), partial ? (TRect{0, 2 * h, 120, 2 * h + h / 2}) : TRect{});
    EXPECT_EQ(lastBottom, partial ? 2 * h + h / 2 : 2 * h);
    control->Free();
  }
}

TEST_F(BarControlTest, AGroupStartIsOffsetByTheSeparatorAndNoFittingLinkGivesItsTop) {
  Add(Item(L"First"));
  Add(Item(L"Second"), true);
  TTestBarControl* control = Control(120, 200, [](TTestBarControl* b) { b->Vertical = true; });
  TdxBarItemLinks* links = Bar->ItemLinks();
  const int h = links->Links(0)->Control()->FinalHeight();
  EXPECT_EQ(links->Links(1)->ItemRect().Top, h + TTestBarControl::SeparatorSize);
  // From the second link alone in a box too small for it: nothing placed.
  control->SetBounds(10, 10, 120, h - 1);
  control->CalcLayout();
  int lastBottom = -1;
  control->CalcItemRects(1, 1);
  control->CalcLinksVertically(1, lastBottom);
  EXPECT_EQ(links->Links(1)->ItemRect(), TRect{});
  EXPECT_EQ(lastBottom, TTestBarControl::SeparatorSize);
}

TEST_F(BarControlTest, InsertionPointsByHalfAndOnSeparators) {
  Add(Item(L"Alpha"));
  Add(Item(L"Bravo"), true);
  struct TCase {
    bool Vertical;
    int Link;       // whose rectangle the point is placed in, or -1: on the second link's separator
    double Along;   // fraction along the bar's direction
    bool Before, AtSeparator, TurnsVertical;
  };
  const TCase cases[] = {
      {false, 0, 0.25, true, false, false}, {false, 0, 0.75, false, false, false},
      {false, 1, 0.25, true, false, false}, {false, 1, 0.75, false, false, false},
      {false, -1, 0.25, true, true, false}, {true, 0, 0.25, true, false, true},
      {true, 1, 0.75, false, false, true},  {true, -1, 0.25, true, true, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.Vertical ? "vertical" : "horizontal") << " link " << c.Link << " at "
                                    << c.Along);
    TTestBarControl* control =
        Control(c.Vertical ? 120 : 300, c.Vertical ? 200 : 24, [&](TTestBarControl* b) { b->Vertical = c.Vertical; });
    TdxBarItemLinks* links = Bar->ItemLinks();
    TRect r;
    if (c.Link >= 0) {
      r = links->Links(c.Link)->ItemRect();
    } else {
      int index = -1;
      bool inRow = false;
      ASSERT_TRUE(control->ViewInfo()->FindSeparatorOf(links->Links(1)->Control(), index));
      control->ViewInfo()->GetSeparatorInfo(index, r, inRow);
      EXPECT_EQ(inRow, !c.Vertical);
    }
    const TPoint p = c.Vertical ? TPoint{(r.Left + r.Right) / 2, r.Top + int((r.Bottom - r.Top) * c.Along)}
                                : TPoint{r.Left + int((r.Right - r.Left) * c.Along), (r.Top + r.Bottom) / 2};
    TdxBarItemLink* link = nullptr;
    bool vertical = false, before = false, atSeparator = false;
    control->HitTestInsertion(p, link, vertical, before, atSeparator);
    EXPECT_EQ(link, links->Links(c.Link < 0 ? 1 : c.Link));
    EXPECT_EQ(before, c.Before);
    EXPECT_EQ(atSeparator, c.AtSeparator);
    EXPECT_EQ(vertical, c.TurnsVertical);
    control->Free();
  }
}

TEST_F(BarControlTest, ASeparatorAboveAnItemTurnsTheInsertionVertical) {
  Add(Item(L"Alpha"));
  TTestBarControl* control = Control(300, 40);
  TdxBarItemControl* item = Bar->ItemLinks()->Links(0)->Control();
  TRect r = item->ItemRect();
  r.Top = 20;
  Bar->ItemLinks()->Links(0)->SetItemRect(r);
  control->ViewInfo()->AddSeparator(TRect{r.Left, 14, r.Right, 20}, false, item);
  TdxBarItemLink* link = nullptr;
  bool vertical = false, before = false, atSeparator = false;
  control->HitTestInsertion(TPoint{r.Left + 2, 16}, link, vertical, before, atSeparator);
  EXPECT_EQ(link, Bar->ItemLinks()->Links(0));
  EXPECT_TRUE(atSeparator);
  EXPECT_TRUE(vertical);
  EXPECT_TRUE(before);
  EXPECT_FALSE(Control(10, 10)->ViewInfo()->FindSeparatorOf(nullptr, *std::make_unique<int>().get()));
}

TEST_F(BarControlTest, OwnerEdgeStripsLieWhereTheControlTouchesItsOwner) {
  auto* control = new TTestBarControl(Manager);
  struct TCase {
    const char* Name;
    TRect Owner;
    TRect Inside, Outside;
  };
  // The control covers (100, 120)-(200, 220).
  const TCase cases[] = {
      {"owner above", {110, 100, 160, 120}, {11, 0, 59, 1}, {111, 119, 159, 120}},
      {"owner below", {130, 220, 260, 240}, {31, 99, 99, 100}, {131, 220, 199, 221}},
      {"owner left", {50, 130, 100, 150}, {0, 11, 1, 29}, {99, 131, 100, 149}},
      {"owner apart", {50, 50, 60, 60}, {}, {}},
      {"corner only", {200, 220, 210, 230}, {}, {}},
  };
  control->SetBounds(100, 120, 100, 100);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    control->SetOwnerBounds(c.Owner, nullptr);
    TRect inside, outside;
    control->GetOwnerEdgeRect(false, inside);
    control->GetOwnerEdgeRect(true, outside);
    EXPECT_EQ(inside, c.Inside);
    EXPECT_EQ(outside, c.Outside);
  }
  control->Free();
}

TEST_F(BarControlTest, CollapsingContainersRestoresTheirLinksLastRecordedFirst) {
  TdxBarItem* a = Item(L"A");
  TdxBarItem* b = Item(L"B");
  auto* first = Item<TTestContainerItem>(L"List 1");
  auto* second = Item<TTestContainerItem>(L"List 2");
  auto* kept = Item<TTestContainerItem>(L"List 3");
  first->Targets = {Item(L"X"), Item(L"Y")};
  first->Replaces = true;
  second->Targets = {Item(L"Z")};
  second->Replaces = true;
  kept->Targets = {Item(L"W")};
  for (TdxBarItem* item : {static_cast<TdxBarItem*>(a), static_cast<TdxBarItem*>(first), b,
                           static_cast<TdxBarItem*>(second), static_cast<TdxBarItem*>(kept)})
    Add(item);
  TTestBarControl* control = Control();
  TdxBarItemLinks* links = Bar->ItemLinks();
  auto captions = [&] {
    String out;
    for (int i = 0; i < links->Count(); ++i) out += (i ? L"," : L"") + links->Links(i)->Item()->Caption();
    return out;
  };
  control->ExpandContainerItems();
  EXPECT_EQ(captions(), L"A,X,Y,B,Z,List 3,W");
  ASSERT_EQ(control->ExpandedLinkCount(), 3);
  EXPECT_EQ(control->ExpandedLink(0)->ItemIndex(), 1);
  EXPECT_EQ(control->ExpandedLink(1)->ItemIndex(), 4);
  EXPECT_EQ(control->ExpandedLink(2)->ItemIndex(), 5);
  control->CollapseContainerItems();
  EXPECT_EQ(captions(), L"A,List 1,B,List 2,List 3");
  EXPECT_EQ(control->ExpandedLinkCount(), 0);
  EXPECT_EQ(first->Marked, 1);
  EXPECT_EQ(second->Marked, 1);
  EXPECT_EQ(kept->Marked, 1);
}

// --- Rebuilding ------------------------------------------------------------------------------

TEST_F(BarControlTest, EachRebuildGuardRefusesAndTheMessageRebuildsOtherwise) {
  Add(Item(L"One"));
  struct TGuard {
    const char* Name;
    std::function<void(TTestBarControl*)> Set, Clear;
  };
  struct TStateBits : TTestBarControl {
    static void Set(TTestBarControl* C, uint16_t Bits) { static_cast<TStateBits*>(C)->FState |= Bits; }
    static void Clear(TTestBarControl* C, uint16_t Bits) { static_cast<TStateBits*>(C)->FState &= ~Bits; }
  };
  const TGuard guards[] = {
      {"creating item controls", [](TTestBarControl* c) { TStateBits::Set(c, bcsCreatingControls); },
       [](TTestBarControl* c) { TStateBits::Clear(c, bcsCreatingControls); }},
      {"destroying item controls", [](TTestBarControl* c) { TStateBits::Set(c, bcsDestroyingControls); },
       [](TTestBarControl* c) { TStateBits::Clear(c, bcsDestroyingControls); }},
      {"rebuilding", [](TTestBarControl* c) { TStateBits::Set(c, bcsRebuilding); },
       [](TTestBarControl* c) { TStateBits::Clear(c, bcsRebuilding); }},
      {"update lock", [this](TTestBarControl*) { Manager->LockUpdate(); },
       [this](TTestBarControl*) { Manager->UnlockUpdateNoLayout(); }},
      {"no window", [](TTestBarControl* c) { c->DestroyWindowNow(); }, [](TTestBarControl* c) { c->HandleNeeded(); }},
  };
  TTestBarControl* control = Control();
  for (const TGuard& g : guards) {
    SCOPED_TRACE(g.Name);
    const int before = control->Rebuilds;
    g.Set(control);
    control->Rebuild();
    EXPECT_EQ(control->Rebuilds, before);
    g.Clear(control);
    SendMessageW(control->Handle(), CXM_BARREBUILD, 0, 0);
    EXPECT_EQ(control->Rebuilds, before + 1);
    EXPECT_EQ(control->State() & bcsRebuilding, 0);
  }
}

TEST_F(BarControlTest, ARebuildWhileCustomizingSelectsTheSameLinkAgain) {
  Add(Item(L"One"));
  TdxBarItemLink* second = Add(Item(L"Two"));
  TTestBarControl* control = Control();
  Manager->SetCustomizing(true);
  TdxBarItemControl* old = second->Control();
  control->SetSelectedControl(old);
  control->Rebuild();
  EXPECT_EQ(control->SelectedLink(), second);
  EXPECT_NE(control->GetSelectedItemControl(), nullptr);
  EXPECT_EQ(control->GetSelectedItemControl(), second->Control());
  Manager->SetCustomizing(false);
}

// --- Messages and painting -------------------------------------------------------------------

TEST_F(BarControlTest, TheMessagesOfABarControl) {
  Add(Item(L"One"));
  TTestBarControl* control = Control(200, 24, [](TTestBarControl* b) { b->PostCtlColor = true; });
  HWND wnd = control->Handle();
  EXPECT_EQ(SendMessageW(wnd, WM_MOUSEACTIVATE, WPARAM(Form->Handle()), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
  EXPECT_EQ(SendMessageW(wnd, WM_ERASEBKGND, WPARAM(GetDC(wnd)), 0), 1);

  // The colour request of an inner edit posts it one buffered repaint, once.
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 40, 20, wnd, nullptr, nullptr, nullptr);
  HDC dc = GetDC(edit);
  MSG msg;
  while (PeekMessageW(&msg, edit, CXM_BUFFEREDREPAINT, CXM_BUFFEREDREPAINT, PM_REMOVE)) {}
  EXPECT_EQ(HBRUSH(SendMessageW(wnd, WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(edit))), GetSysColorBrush(COLOR_WINDOW));
  SendMessageW(wnd, WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(edit));
  int posted = 0;
  while (PeekMessageW(&msg, edit, CXM_BUFFEREDREPAINT, CXM_BUFFEREDREPAINT, PM_REMOVE)) ++posted;
  EXPECT_EQ(posted, 1);
  ReleaseDC(edit, dc);

  // An unhandled EN_CHANGE goes back to the child that sent it, never to the bar itself.
  TSpy::Attach(edit, WM_COMMAND);
  SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(7, EN_CHANGE), LPARAM(edit));
  SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(7, EN_CHANGE), LPARAM(wnd));
  TSpy::Detach(edit);
  EXPECT_EQ(TSpy::Seen, std::vector<WPARAM>{MAKEWPARAM(7, EN_CHANGE)});
  DestroyWindow(edit);
}

TEST_F(BarControlTest, TheNonClientDCIsReleasedAlsoWhenPaintingFails) {
  Add(Item(L"One"));
  TExceptionCatcher catcher;
  Application->OnException = TExceptionEvent(&catcher, &TExceptionCatcher::Handle);
  TTestBarControl* control = Control();
  for (const bool fails : {false, true}) {
    SCOPED_TRACE(fails ? "failing" : "plain");
    control->ThrowInNonClient = fails;
    const int paints = control->NonClientPaints(), releases = control->NonClientReleases();
    SendMessageW(control->Handle(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(control->NonClientPaints(), paints + 1);
    EXPECT_EQ(control->NonClientReleases(), releases + 1);
  }
  EXPECT_EQ(catcher.Messages, (std::vector<String>{L"non-client painting failed"}));
  control->ThrowInNonClient = false;
}

TEST_F(BarControlTest, TheLiveListAndObjectLinksForgetAFreedControl) {
  TTestBarControl* control = Control();
  TcxObjectLink* link = control->CreateLink();
  EXPECT_TRUE(IsBarControlAlive(control));
  control->Free();
  EXPECT_FALSE(IsBarControlAlive(control));
  EXPECT_EQ(link->Target(), nullptr);
  FreeObjectLink(link);
}

TEST_F(BarControlTest, FreeingABarFreesItsOpenChildAndLeavesItsParent) {
  TTestBarControl* parent = Control();
  auto* child = new TTestBarControl(Manager);
  auto* grandChild = new TTestBarControl(Manager);
  parent->SetChildBar(child);
  grandChild->SetParentBar(child);
  EXPECT_EQ(child->ParentBar(), parent);
  EXPECT_EQ(child->ChildBar(), grandChild);
  TcxObjectLink* grandLink = grandChild->CreateLink();
  child->Free();
  EXPECT_EQ(grandLink->Target(), nullptr);
  EXPECT_EQ(parent->ChildBar(), nullptr);
  FreeObjectLink(grandLink);
}

TEST_F(BarControlTest, AFlatPopupCastsItsShadowWhenItMoves) {
  const TdxBarShadowSystem old = SetdxBarShadowSystem(TdxBarShadowSystem{8, nullptr, true});
  Add(Item(L"One"));
  for (const TdxBarManagerStyle style : {bmsFlat, bmsStandard}) {
    SCOPED_TRACE(style == bmsFlat ? "flat" : "standard");
    Manager->SetStyle(style);
    auto* control = new TTestBarControl(Manager);
    control->PopupOwner = Form->Handle();
    control->SetItemLinks(Bar->ItemLinks());
    control->HandleNeeded();
    control->SetVisible(true);
    control->SetBounds(200, 210, 100, 80);
    Pump();
    const TRect bounds{200, 210, 300, 290};
    if (style == bmsFlat) {
      const auto expected = TdxBarShadow::CalcParts(TRect{}, bounds, 2);
      ASSERT_EQ(control->Shadow()->Parts().size(), expected.size());
      for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(control->Shadow()->Parts()[i]->BoundsRect(), expected[i].Bounds);
      EXPECT_TRUE(control->Shadow()->Visible());
    } else {
      EXPECT_FALSE(control->Shadow()->Visible());
    }
    control->Free();
  }
  SetdxBarShadowSystem(old);
}

TEST_F(BarControlTest, DoubleBufferingFollowsThePainterAndOtherManagersCustomizing) {
  TTestBarControl* control = Control();
  control->UpdateDoubleBuffered();
  EXPECT_FALSE(control->DoubleBuffered());
  THostForm* other = MakeForm();
  auto* otherManager = new TdxBarManager(other);
  otherManager->SetCustomizing(true);
  control->UpdateDoubleBuffered();
  EXPECT_TRUE(control->DoubleBuffered());
  otherManager->SetCustomizing(false);
  other->Free();
}

TEST_F(BarControlTest, ABarAndItsControlMayGoInEitherOrder) {
  TdxBarItemLink* link = Add(Item(L"One"));
  TTestBarControl* control = Control();
  ASSERT_NE(link->Control(), nullptr);
  control->Free();
  EXPECT_EQ(Bar->ItemLinks()->BarControl(), nullptr);
  EXPECT_EQ(link->Control(), nullptr);

  control = Control();
  ASSERT_NE(link->Control(), nullptr);
  Bar->Free();
  EXPECT_EQ(control->ItemLinks(), nullptr);
  EXPECT_EQ(control->ViewInfo()->GetItemControlCount(), 0);
  control->Repaint();
  Pump();
}

TEST_F(BarControlTest, ClosingUpTravelsToTheParentUnlessByEscape) {
  TTestBarControl* parent = Control();
  TTestBarControl* child = Control();
  parent->SetChildBar(child);
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "by Escape" : "plain");
    parent->SetActive(true);
    child->SetActive(true);
    ASSERT_TRUE(parent->IsActive() && child->IsActive());
    if (escape) child->CloseByEscape();
    else child->CloseUpChain();
    EXPECT_FALSE(child->IsActive());
    EXPECT_EQ(parent->IsActive(), escape);
    EXPECT_EQ(child->State() & bcsClosingUp, 0);
  }
}

TEST_F(BarControlTest, AHintGoesBelowTheCursorOrAboveTheControlAtTheScreensFoot) {
  TTestBarControl* control = Control();
  Form->Show();
  Pump();
  TPoint p{100, 100};
  control->CalcHintPosition(p, 30);
  EXPECT_EQ(p, (TPoint{100, 100 + ScaleByScreenDPI(20)}));
  const TRect work = GetMonitorWorkAreaAtPoint(TPoint{100, 100});
  p = TPoint{100, work.Bottom - 10};
  control->CalcHintPosition(p, 30);
  RECT w{};
  GetWindowRect(control->Handle(), &w);
  EXPECT_EQ(p.Y, w.top - 30);
}

TEST_F(BarControlTest, ActivationIsDrawnAndPassedToTheParentCaption) {
  TTestBarControl* control = Control();
  TSpy::Attach(Form->Handle(), WM_NCACTIVATE);
  SendMessageW(control->Handle(), WM_NCACTIVATE, 1, 0);
  SendMessageW(control->Handle(), WM_NCACTIVATE, 0, 0);
  TSpy::Detach(Form->Handle());
  EXPECT_EQ(TSpy::Seen, std::vector<WPARAM>{1});
}

// --- Item controls ---------------------------------------------------------------------------

TEST_F(BarControlTest, AllowedViewLevelsFallBackToThePossibleOnes) {
  TdxBarItemLink* link = Add(Item(L"Plain"));
  Control();
  struct TCase {
    TdxBarItemViewLevels LinkLevels, Allowed;
  };
  const TCase cases[] = {
      {TdxBarItemViewLevels{ivlLargeIconWithText}, TdxBarItemViewLevels{ivlSmallIconWithText}},
      {TdxBarItemViewLevels{ivlSmallIconWithText, ivlControlOnly}, TdxBarItemViewLevels{ivlSmallIconWithText}},
      {TdxBarItemViewLevels{}, TdxBarItemViewLevels{ivlSmallIconWithText}},
  };
  for (const TCase& c : cases) {
    link->SetViewLevels(c.LinkLevels);
    EXPECT_TRUE(link->Control()->GetAllowedViewLevels() == c.Allowed);
  }
  // With a glyph the small icon alone is possible too.
  std::unique_ptr<TBitmap> glyph(new TBitmap);
  glyph->SetSize(16, 16);
  link->Item()->SetGlyph(glyph.get());
  link->SetViewLevels(TdxBarItemViewLevels{ivlSmallIcon, ivlLargeIconWithText});
  EXPECT_TRUE(link->Control()->GetAllowedViewLevels() == TdxBarItemViewLevels{ivlSmallIcon});
}

TEST_F(BarControlTest, TheTwoErrorsOfAnItemControl) {
  TdxBarItemLink* plain = Add(Item(L"Plain"));
  Control();
  TdxBarItemLink* levelless = Add(Item<TLevellessItem>(L"None"));
  try {
    TdxBarItemControl::CreateFor(TLevellessItemControl::StaticClass(), levelless);
    ADD_FAILURE() << "no error";
  } catch (const EdxException& e) {
    EXPECT_EQ(e.Message(), L"TLevellessItemControl.GetPossibleViewLevels = []");
  }
  TdxBarItemControlViewInfo* info = plain->Control()->ViewInfo();
  try {
    info->GetWidth(ivlSmallIcon);
    ADD_FAILURE() << "no error";
  } catch (const EdxException& e) {
    EXPECT_EQ(e.Message(), L"Testing! The level is not allowed");
  }
  // An allowed level is measured once, at that level, and the level put back.
  EXPECT_FALSE(info->IsWidthCached(ivlSmallIconWithText));
  const int width = info->GetWidth(ivlSmallIconWithText);
  EXPECT_GT(width, 1);
  EXPECT_TRUE(info->IsWidthCached(ivlSmallIconWithText));
  EXPECT_EQ(info->ViewLevel(), ivlDefault);
}

TEST_F(BarControlTest, SizeFormulas) {
  std::unique_ptr<TBitmap> glyph(new TBitmap);
  glyph->SetSize(16, 16);
  TdxBarItem* captionOnly = Item(L"Caption");
  TdxBarItem* withGlyph = Item(L"Glyph");
  withGlyph->SetGlyph(glyph.get());
  TdxBarItem* large = Item(L"Large");
  large->SetGlyph(glyph.get());
  Add(captionOnly);
  Add(withGlyph);
  Add(large);
  TTestBarControl* control = Control(400, 40);
  auto* a = static_cast<TTestItemControl*>(Bar->ItemLinks()->Links(0)->Control());
  auto* b = static_cast<TTestItemControl*>(Bar->ItemLinks()->Links(1)->Control());
  auto* c = static_cast<TTestItemControl*>(Bar->ItemLinks()->Links(2)->Control());
  const int indent = control->Font()->Size() / 2;
  const TSize button = control->GetPainter()->ButtonSize(Manager->GetButtonGlyphSize());
  const int t = control->TextSize();
  struct TCase {
    const char* Name;
    int Got, Expected;
  };
  c->ViewInfo()->SetViewLevel(ivlLargeIconWithText);
  large->SetGlyphLayout(glTop);
  const int topWidth = c->FinalWidth(), topHeight = c->FinalHeight();
  large->SetGlyphLayout(glLeft);
  const int leftWidth = c->FinalWidth(), leftHeight = c->FinalHeight();
  const TCase cases[] = {
      {"caption only width", a->FinalWidth(), a->GetCaptionWidth() + 2 * indent},
      {"caption only height", a->FinalHeight(), t},
      {"glyph width", b->FinalWidth(), button.cx + b->GetCaptionWidth() + 4},
      {"glyph height", b->FinalHeight(), std::max(t, int(button.cy))},
      {"large, glyph on top, width", topWidth, std::max(16, c->GetCaptionWidth() + 6) + 10},
      {"large, glyph on top, height", topHeight, 16 + c->TextLineHeight() + 7},
      {"large, glyph left, width", leftWidth, 16 + c->GetCaptionWidth() + 16},
      {"large, glyph left, height", leftHeight, std::max(16, c->TextLineHeight()) + 6},
  };
  for (const TCase& k : cases) EXPECT_EQ(k.Got, k.Expected) << k.Name;
  EXPECT_EQ(c->TextLineHeight(), control->GetCanvas()->MeasureTextHeight(L"Qq"));
  // An item without any image is measured with a 20 x 20 large glyph.
  EXPECT_EQ(a->GetGlyphSize(2), (TSize{20, 20}));
}

TEST_F(BarControlTest, AMenuRowCountsItsIconAreaTwice) {
  Add(Item(L"Open"));
  TTestBarControl* control = Control(200, 200, [](TTestBarControl* b) {
    b->Kind = 2;
    b->Vertical = true;
  });
  TdxBarItemControl* row = Bar->ItemLinks()->Links(0)->Control();
  const int icon = control->IconAreaSize();
  EXPECT_EQ(row->FinalWidth(), icon + row->GetCaptionWidth() + 3 + 3 + icon);
  EXPECT_EQ(row->FinalHeight(), control->TextSize());
}

TEST_F(BarControlTest, AClientAlignedItemOnAVerticalBarIsOnePixelHigh) {
  struct TRestBar : TTestBarControl {
    using TTestBarControl::TTestBarControl;
    bool TakesRestSpace(TdxBarItemControlViewInfo*) override { return true; }
  };
  TdxBarItem* item = Item(L"Client");
  item->SetAlign(iaClient);
  Add(item);
  auto* control = new TRestBar(Manager);
  control->Vertical = true;
  control->SetParent(Form);
  control->SetItemLinks(Bar->ItemLinks());
  control->HandleNeeded();
  TdxBarItemControl* row = Bar->ItemLinks()->Links(0)->Control();
  EXPECT_EQ(row->GetRealAlign(), iaClient);
  EXPECT_EQ(row->FinalHeight(), 1);
  // Stretched by a horizontal bar whose flags say so: minimum width.
  control->Vertical = false;
  EXPECT_EQ(row->FinalWidth(), 1);
}

TEST_F(BarControlTest, HotPartsGapsAndDisabledControls) {
  TdxBarItem* item = Item<TGapItem>(L"Split button");
  Add(item);
  TTestBarControl* control = Control();
  TdxBarItemControl* gap = Bar->ItemLinks()->Links(0)->Control();
  const TRect r = gap->ItemRect();
  const int midY = (r.Top + r.Bottom) / 2, w = r.Right - r.Left;
  struct TCase {
    TPoint P;
    int Part;
  };
  for (const TCase& c : {TCase{{r.Left + 1, midY}, 0}, TCase{{r.Left + w / 2, midY}, dxBarGapPart},
                         TCase{{r.Right - 1, midY}, 1}, TCase{{r.Right + 5, midY}, -1}}) {
    gap->SetHotPoint(c.P);
    EXPECT_EQ(gap->HotPartIndex(), c.Part) << c.P.X;
  }
  gap->SetHotPoint(TPoint{r.Left + 1, midY});
  item->SetEnabled(false);
  const int repaints = control->Repaints;
  gap->SetHotPoint(TPoint{r.Right - 1, midY});
  EXPECT_EQ(gap->HotPartIndex(), -1);
  EXPECT_EQ(control->Repaints, repaints);
}

struct TSounds {
  static BOOL WINAPI Play(LPCWSTR Sound, HMODULE, DWORD) {
    Played.push_back(Sound);
    return TRUE;
  }
  static inline std::vector<String> Played;
};

class TClickLog : public TObject {
 public:
  void FreeItem(TObject* Sender) {
    ++Clicks;
    Sender->Free();
  }
  void Count(TObject*) { ++Clicks; }
  int Clicks = 0;
};

TEST_F(BarControlTest, AClickThatFreesItsItemIsSurvived) {
  TClickLog log;
  auto* item = Item(L"Close");
  item->SetOnClick(TNotifyEvent(&log, &TClickLog::FreeItem));
  item->UnclickAfterDoing = true;
  Add(Item(L"Stays"));
  TdxBarItemLink* link = Add(item);
  Control();
  const int links = TdxBarItemLink::LiveCount();
  TcxObjectLink* controlLink = CreateObjectLink(link->Control());
  link->Control()->ControlClick(true);
  EXPECT_EQ(log.Clicks, 1);
  EXPECT_EQ(TdxBarItemLink::LiveCount(), links - 1);
  EXPECT_EQ(controlLink->Target(), nullptr);
  EXPECT_EQ(Bar->ItemLinks()->Count(), 1);
  FreeObjectLink(controlLink);
}

TEST_F(BarControlTest, AToolbarButtonLooksPressedWhileItsClickRunsAMenuRowDoesNot) {
  struct TPressLog : TObject {
    TdxBarItemLink* Link = nullptr;
    std::vector<bool> Seen;
    void Click(TObject*) { Seen.push_back(Link->Control()->Pressed()); }
  } log;
  auto* item = Item(L"Apply");
  item->UnclickAfterDoing = true;
  item->SetOnClick(TNotifyEvent(&log, &TPressLog::Click));
  log.Link = Add(item);
  for (const int kind : {0, 2}) {
    TTestBarControl* control = Control(200, 100, [&](TTestBarControl* b) { b->Kind = kind; });
    log.Link->Control()->ControlClick(true);
    EXPECT_FALSE(log.Link->Control()->Pressed());
    control->Free();
  }
  EXPECT_EQ(log.Seen, (std::vector<bool>{true, false}));
}

TEST_F(BarControlTest, OnlyAMenuClickPlaysTheMenuCommandSound) {
  TClickLog log;
  auto* item = Item(L"Do");
  item->SetOnClick(TNotifyEvent(&log, &TClickLog::Count));
  TdxBarItemLink* link = Add(item);
  TdxPlaySoundProc old = SetdxBarPlaySoundProc(&TSounds::Play);
  for (const int kind : {0, 2}) {
    TSounds::Played.clear();
    TTestBarControl* control = Control(200, 100, [&](TTestBarControl* b) { b->Kind = kind; });
    link->Control()->ControlClick(true);
    EXPECT_EQ(TSounds::Played, kind == 2 ? std::vector<String>{L"MenuCommand"} : std::vector<String>{});
    control->Free();
  }
  SetdxBarPlaySoundProc(old);
  EXPECT_EQ(log.Clicks, 2);
  // A click marks the link recently used.
  EXPECT_GT(link->UseCount(), 0);
}

TEST_F(BarControlTest, TheHintIsTheShortPartAndTheShortcutInBrackets) {
  TdxBarItem* item = Item(L"Open");
  item->SetHint(L"Open|Opens a file");
  item->SetShortCut(uint16_t(0x4000 | 'O'));
  Add(item);
  TTestBarControl* control = Control();
  TdxBarItemControl* c = Bar->ItemLinks()->Links(0)->Control();
  String hint, shortcut;
  c->GetHintText(hint, shortcut);
  EXPECT_EQ(hint, L"Open");
  EXPECT_EQ(shortcut, L" (Ctrl+O)");

  // Given only while the cursor is over the control of an inactive bar.
  Form->Show();
  Pump();
  const TRect r = c->ItemRect();
  POINT p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  ClientToScreen(control->Handle(), &p);
  SetCursorPos(p.x, p.y);
  bool vetoed = true;
  EXPECT_TRUE(c->GetHintData(vetoed, hint, shortcut));
  EXPECT_FALSE(vetoed);
  EXPECT_EQ(hint + shortcut, L"Open (Ctrl+O)");
  SetCursorPos(p.x, p.y + 200);
  EXPECT_FALSE(c->GetHintData(vetoed, hint, shortcut));
}

TEST_F(BarControlTest, HidingAndShowingAnItemRemakesTheBarsControls) {
  Add(Item(L"Stays"));
  TdxBarItem* item = Item(L"Comes and goes");
  TdxBarItemLink* link = Add(item);
  TTestBarControl* control = Control();
  ASSERT_NE(link->Control(), nullptr);
  item->SetVisible(ivNever);
  EXPECT_EQ(link->Control(), nullptr);
  EXPECT_EQ(control->ViewInfo()->GetItemControlCount(), 1);
  item->SetVisible(ivAlways);
  ASSERT_NE(link->Control(), nullptr);
  EXPECT_EQ(control->ViewInfo()->GetItemControlCount(), 2);
  EXPECT_GT(link->ItemRect().Right, link->ItemRect().Left);
}

TEST_F(BarControlTest, ChangesOfTheItemReachItsControl) {
  TdxBarItem* item = Item(L"Before");
  TdxBarItemLink* link = Add(item);
  TTestBarControl* control = Control();
  const int rebuilds = control->Rebuilds;
  item->SetCaption(L"A much longer caption");
  EXPECT_EQ(control->Rebuilds, rebuilds + 1);
  EXPECT_GT(link->ItemRect().Right - link->ItemRect().Left, 0);
  EXPECT_EQ(link->Control()->DrawParams()->Caption, L"A much longer caption");
  // Disabling the selected control drops the selection.
  control->SetSelectedControl(link->Control());
  item->SetEnabled(false);
  EXPECT_EQ(control->SelectedLink(), nullptr);
}

TEST_F(BarControlTest, AGlyphThatChangesTheContentRebuildsOtherwiseRepaints) {
  TdxBarItem* item = Item(L"Picture");
  Add(item);
  TTestBarControl* control = Control();
  std::unique_ptr<TBitmap> glyph(new TBitmap);
  glyph->SetSize(16, 16);
  const int rebuilds = control->Rebuilds;
  item->SetGlyph(glyph.get());
  EXPECT_EQ(control->Rebuilds, rebuilds + 1);
  const int repaints = control->Repaints;
  glyph->SetSize(12, 12);
  item->SetGlyph(glyph.get());
  EXPECT_EQ(control->Rebuilds, rebuilds + 1);
  EXPECT_GT(control->Repaints, repaints);
}

// The font a drawing had on its canvas, and whether the drawing fails.
struct TDrawProbe {
  LOGFONTW Font{};
  bool Throw = false;
  void operator()(TdxBarItemControl* C) {
    GetObjectW(C->Canvas()->Font()->Handle(), sizeof(Font), &Font);
    if (Throw) throw Exception(L"drawing failed");
  }
};

TEST_F(BarControlTest, AStyleFontKeepsARotatedBarsTurnAndIsPutBackAlsoOnFailure) {
  auto* style = new TcxStyle(Form);
  std::unique_ptr<TFont> big(new TFont);
  big->SetName(L"Tahoma");
  big->SetSize(16);
  style->SetFont(big.get());
  TdxBarItem* styled = Item(L"Styled");
  styled->SetStyle(style);
  Add(styled);
  Add(Item(L"Plain"));
  TTestBarControl* control = Control(100, 300, [](TTestBarControl* b) {
    b->Vertical = true;
    b->Rotated = true;
  });
  TdxBarItemControl* c = Bar->ItemLinks()->Links(0)->Control();
  TdxBarItemControl* plain = Bar->ItemLinks()->Links(1)->Control();
  EXPECT_GT(c->GetTextSize(), control->TextSize());
  EXPECT_EQ(plain->GetTextSize(), control->TextSize());

  TcxCanvas* canvas = control->GetCanvas();
  LOGFONTW base{};
  GetObjectW(canvas->Font()->Handle(), sizeof(base), &base);
  ASSERT_NE(base.lfEscapement, 0);
  TDrawProbe probe;
  TTestItemControl::OnDrawContent = std::ref(probe);
  c->Draw(canvas, c->ItemRect(), 2);
  EXPECT_EQ(probe.Font.lfEscapement, base.lfEscapement);
  EXPECT_EQ(probe.Font.lfOutPrecision, base.lfOutPrecision);
  EXPECT_NE(probe.Font.lfHeight, base.lfHeight);

  probe.Throw = true;
  EXPECT_THROW(c->Draw(canvas, c->ItemRect(), 2), Exception);
  TTestItemControl::OnDrawContent = nullptr;
  LOGFONTW after{};
  GetObjectW(canvas->Font()->Handle(), sizeof(after), &after);
  EXPECT_EQ(after.lfHeight, base.lfHeight);
  EXPECT_EQ(after.lfEscapement, base.lfEscapement);
  EXPECT_EQ(c->Canvas(), canvas);
}

TEST_F(BarControlTest, AStyleColourGivesAStyleBackgroundItemItsOwnBrush) {
  auto* style = new TcxStyle(Form);
  style->SetColor(TColor(RGB(10, 200, 30)));
  auto* item = Item(L"Coloured");
  item->StyleBackground = true;
  item->SetStyle(style);
  auto* other = Item(L"Not coloured");
  other->SetStyle(style);
  Add(item);
  Add(other);
  Control();
  EXPECT_TRUE(Bar->ItemLinks()->Links(0)->Control()->HasOwnBackgroundBrush());
  EXPECT_FALSE(Bar->ItemLinks()->Links(1)->Control()->HasOwnBackgroundBrush());
  LOGBRUSH brush{};
  GetObjectW(Bar->ItemLinks()->Links(0)->Control()->BackgroundBrush(), sizeof(brush), &brush);
  EXPECT_EQ(brush.lbColor, RGB(10, 200, 30));
}

// --- Pixels, GDI objects ---------------------------------------------------------------------

TEST_F(BarControlTest, AGlyphIsCentredInItsButtonAndKeptAsTheImageBounds) {
  std::unique_ptr<TBitmap> glyph(new TBitmap);
  glyph->SetSize(16, 16);
  HDC g = glyph->Canvas()->Handle();
  RECT all{0, 0, 16, 16}, inner{2, 2, 14, 14};
  HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255)), red = CreateSolidBrush(RGB(220, 0, 0));
  FillRect(g, &all, magenta);
  FillRect(g, &inner, red);
  DeleteObject(magenta);
  DeleteObject(red);
  TdxBarItem* item = Item(L"Picture");
  item->SetGlyph(glyph.get());
  Add(item);
  TTestBarControl* control = Control(300, 24);
  TdxBarItemControl* c = Bar->ItemLinks()->Links(0)->Control();
  const TRect r = c->ItemRect();
  TSurface s(r.Right + 4, 30, GetSysColor(COLOR_BTNFACE));
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 50; ++i) {
    c->FillDrawParams(true);
    control->GetPainter()->DrawItemGlyph(c->DrawParams(), s.DC(), r);
  }
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
  // A 23 x 22 button: the glyph 3 pixels in, centred in the row.
  const TRect expected{r.Left + 3, r.Top + 4, r.Left + 19, r.Top + 20};
  EXPECT_EQ(c->ViewInfo()->ImageBounds(), expected);
  EXPECT_EQ(s.Color(expected.Left + 2, expected.Top + 2), RGB(220, 0, 0));
  EXPECT_EQ(s.Color(expected.Left + 13, expected.Top + 13), RGB(220, 0, 0));
  EXPECT_EQ(s.Color(expected.Left + 1, expected.Top + 1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(s.Color(expected.Left + 14, expected.Top + 8), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(c->CachedImageOptions()->Builds(), 1);
}


TEST_F(BarControlTest, AnAssignedStyleColourColoursTheText) {
  auto* style = new TcxStyle(Form);
  style->SetTextColor(TColor(RGB(200, 0, 0)));
  TdxBarItem* styled = Item(L"WWW");
  styled->SetStyle(style);
  TdxBarItem* plain = Item(L"WWW");
  Add(styled);
  Add(plain);
  Control();
  const TdxBarPainter painter(nullptr);
  for (const bool selected : {false, true}) {
    SCOPED_TRACE(selected ? "selected" : "normal");
    struct TCase {
      TdxBarItemControl* Control;
      COLORREF Expected;
    };
    for (const TCase& c : {TCase{Bar->ItemLinks()->Links(0)->Control(), RGB(200, 0, 0)},
                           TCase{Bar->ItemLinks()->Links(1)->Control(),
                                 GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT)}}) {
      TSurface s(60, 20, RGB(128, 128, 128));
      HFONT font = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                               L"Tahoma");
      HGDIOBJ old = SelectObject(s.DC(), font);
      painter.DrawItemText(s.DC(), DT_SINGLELINE, false, false, false, selected, true, 0, TRect{0, 0, 60, 20},
                           L"WWW", c.Control);
      SelectObject(s.DC(), old);
      DeleteObject(font);
      int text = 0, other = 0;
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
          const COLORREF p = s.Color(x, y);
          if (p == c.Expected) ++text;
          else if (p != RGB(128, 128, 128)) ++other;
        }
      EXPECT_GT(text, 20);
      EXPECT_EQ(other, 0);
    }
  }
}

TEST_F(BarControlTest, APaintedBarShowsItsItemsAndTheSelection) {
  TdxBarItem* open = Item(L"&Open");
  Add(open);
  std::unique_ptr<TBitmap> glyph(new TBitmap);
  glyph->SetSize(16, 16);
  HDC g = glyph->Canvas()->Handle();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      SetPixelV(g, x, y, x > 1 && x < 14 && y > 1 && y < 14 ? RGB(40 + 12 * x, 90, 200 - 8 * y) : RGB(255, 0, 255));
  TdxBarItem* print = Item(L"Print");
  print->SetGlyph(glyph.get());
  Add(print);
  Add(Item(L"Save"), true);
  TdxBarItem* off = Item(L"Disabled");
  off->SetEnabled(false);
  Add(off);
  TTestBarControl* control = Control(300, 24);
  control->SetSelectedControl(Bar->ItemLinks()->Links(0)->Control());
  Form->Show();
  Pump();
  control->Repaint();
  const auto capture = vamire_test::CaptureWindow(control->Handle());
  capture.SavePng(L"bar_control_items.png");
  // The selected item's background is the highlight, the rest the face.
  const TRect r = Bar->ItemLinks()->Links(0)->ItemRect();
  HDC dc = GetDC(control->Handle());
  EXPECT_EQ(GetPixel(dc, r.Left + 1, r.Top + 1), GetSysColor(COLOR_HIGHLIGHT));
  const TRect s = Bar->ItemLinks()->Links(2)->ItemRect();
  EXPECT_EQ(GetPixel(dc, s.Left - 2, s.Top + 1), GetSysColor(COLOR_BTNFACE));
  const TRect p = Bar->ItemLinks()->Links(1)->Control()->ViewInfo()->ImageBounds();
  EXPECT_EQ(GetPixel(dc, p.Left + 8, p.Top + 8), RGB(40 + 12 * 8, 90, 200 - 8 * 8));
  ReleaseDC(control->Handle(), dc);
  // Printed into another DC it draws the same client.
  const auto printed = vamire_test::PrintClient(control->Handle(), 300, 24, 0x000000);
  EXPECT_EQ(printed.Pixels, vamire_test::CaptureClient(control->Handle()).Pixels);
}

TEST_F(BarControlTest, GdiObjectsStayCountedAfterRepaintsAndControlsMadeAndFreed) {
  for (int i = 0; i < 5; ++i) Add(Item(L"Item " + IntToStr(i)), i == 2);
  // One item with a style font and a style background of its own.
  auto* style = new TcxStyle(Form);
  std::unique_ptr<TFont> font(new TFont);
  font->SetSize(12);
  style->SetFont(font.get());
  style->SetColor(TColor(RGB(250, 240, 200)));
  auto* styled = Item(L"Styled");
  styled->StyleBackground = true;
  styled->SetStyle(style);
  Add(styled);
  TTestBarControl* control = Control(300, 24);
  Form->Show();
  Pump();
  control->Repaint();
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 1000; ++i) {
    RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  }
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
  for (int i = 0; i < 100; ++i) Control(300, 24)->Free();
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
}

}  // namespace
