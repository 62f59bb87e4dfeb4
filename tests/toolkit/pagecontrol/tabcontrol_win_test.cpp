// The tab control's model and state under Wine: selection with its events and
// veto, error texts, what each option change costs, painter choice through the
// registry, and the tab properties' rules.
#include "tabcontrol_test_support.h"

using namespace pc_test;

namespace {

const auto* const kUnits = testing::AddGlobalTestEnvironment(new TPageControlUnits);

class TabControlTest : public testing::Test {
 protected:
  void SetUp() override { form = MakeForm(); }
  void TearDown() override { delete form; }
  THostForm* form = nullptr;
};

String MessageOf(const std::function<void()>& AAction) {
  try {
    AAction();
  } catch (const EdxException& e) {
    return e.Message();
  }
  return L"(nothing raised)";
}

TEST_F(TabControlTest, TheFirstTabIsSelectedSilently) {
  auto* control = MakeTabControl(form, {});
  control->CountEvents();
  EXPECT_EQ(control->TabIndex(), -1);
  control->Tabs()->Add(L"One");
  EXPECT_EQ(control->TabIndex(), 0);
  control->Tabs()->Add(L"Two");
  EXPECT_EQ(control->TabIndex(), 0);
  EXPECT_EQ(control->Changings + control->Changes, 0);
  EXPECT_EQ(control->SelectedVisibleTab(), 0);
}

TEST_F(TabControlTest, SelectionFiresItsEventsAndAVetoKeepsEverything) {
  auto* control = MakeTabControl(form, {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H"}, 200);
  control->CountEvents();
  control->SetTabIndex(6);
  EXPECT_EQ(control->TabIndex(), 6);
  EXPECT_EQ(control->ChangingSeen, std::vector<int>{0}) << "asked before the change";
  EXPECT_EQ(control->Changes, 1);
  const int first = control->FirstVisibleTab();
  EXPECT_GT(first, 0) << "scrolled into view";

  control->Veto = true;
  control->SetTabIndex(1);
  EXPECT_EQ(control->TabIndex(), 6);
  EXPECT_EQ(control->SelectedVisibleTab(), 6);
  EXPECT_EQ(control->FirstVisibleTab(), first);
  EXPECT_EQ(control->Changes, 1);
  control->Veto = false;

  control->ResetCounts();
  for (int ignored : {-2, 8, 6}) control->SetTabIndex(ignored);
  EXPECT_EQ(control->Changings + control->Changes, 0);
  EXPECT_EQ(control->TabIndex(), 6);

  control->SetTabIndex(-1);
  EXPECT_EQ(control->TabIndex(), -1);
  EXPECT_EQ(control->SelectedVisibleTab(), -1);
  EXPECT_EQ(control->Changings, 1);
  EXPECT_EQ(control->Changes, 1);

  // Locked events: the selection still changes.
  control->LockChangeEvents(true);
  control->SetTabIndex(2);
  control->LockChangeEvents(false);
  control->LockChangeEvents(false);
  EXPECT_EQ(control->TabIndex(), 2);
  EXPECT_EQ(control->Changes, 1);
  EXPECT_FALSE(control->IsChangeEventLocked());
}

TEST_F(TabControlTest, ErrorTextsNameClassMethodAndIndex) {
  auto* control = MakeTabControl(form, {L"A", L"B"});
  EXPECT_EQ(MessageOf([&] { control->Tabs()->Tab(5); }), L"TcxTabs.GetTab: Tab's index (5) out of bounds");
  EXPECT_EQ(MessageOf([&] { control->Tabs()->Insert(3, L"X"); }), L"TcxTabs.Insert: Tab's index (3) out of bounds");
  EXPECT_EQ(MessageOf([&] { control->Tabs()->Delete(-1); }), L"TcxTabs.Delete: Tab's index (-1) out of bounds");
  EXPECT_EQ(MessageOf([&] { control->Tabs()->VisibleTab(2); }),
            L"TcxTabs.GetVisibleTab: TabVisibleIndex (2) must be between 0 and 1");
  EXPECT_EQ(MessageOf([&] { control->SetRotate(true); }), L"Test style does not support rotation of tabs");
  EXPECT_FALSE(control->Rotate());
  control->Tabs()->Clear();
  EXPECT_EQ(MessageOf([&] { control->VisibleTabs().GetTab(0); }), L"TcxVisibleTabList.GetTab: There are no visible tabs");
  EXPECT_EQ(MessageOf([&] { control->CalculateTabNormalSizes(); }),
            L"TcxCustomTabControl.CalculateTabNormalSizes: Tabs.Count = 0");
  EXPECT_EQ(control->TabIndex(), -1);
}

TEST_F(TabControlTest, EachOptionCostsItsLayoutOrRepaintOrNothing) {
  struct TCase {
    TcxPCOption Option;
    int Relayouts;
    int Invalidates;
  };
  const TCase cases[] = {
      {pcoSort, 0, 0},          {pcoRedrawOnResize, 0, 0}, {pcoUsePageColorForTab, 0, 1},
      {pcoGoDialog, 1, -1},     {pcoCloseButton, 1, -1},   {pcoGradient, 1, -1},
      {pcoTopToBottomText, 1, -1},
  };
  auto* control = MakeTabControl(form, {L"A", L"B"});
  for (const TCase& c : cases) {
    SCOPED_TRACE(int(c.Option));
    TcxPCOptions options = control->Options();
    if (options.Contains(c.Option))
      options.Exclude(c.Option);
    else
      options.Include(c.Option);
    control->ResetCounts();
    control->SetOptions(options);
    EXPECT_EQ(control->Relayouts, c.Relayouts);
    if (c.Invalidates >= 0) {
      EXPECT_EQ(control->Invalidates, c.Invalidates);
    }
    control->ResetCounts();
    control->SetOptions(options);
    EXPECT_EQ(control->Relayouts + control->Invalidates, 0) << "an equal set changes nothing";
  }
}

TEST_F(TabControlTest, PropertyRulesOfTheControlAndItsTabs) {
  auto* control = MakeTabControl(form, {L"A", L"B", L"C", L"D"});
  control->SetMaxRotatedTabWidth(5);
  EXPECT_EQ(control->MaxRotatedTabWidth(), 20) << "raised to the painter's least tab width";
  control->SetMaxRotatedTabWidth(-3);
  EXPECT_EQ(control->MaxRotatedTabWidth(), 0);
  control->SetImageBorder(3);
  control->SetImageBorder(-1);
  EXPECT_EQ(control->ImageBorder(), 3);
  TcxTab* tab = control->Tabs()->Tab(3);
  EXPECT_FALSE(tab->IsImageIndexStored()) << "a new tab's image index is its index";
  tab->SetImageIndex(-5);
  EXPECT_TRUE(tab->IsImageIndexStored());
  EXPECT_EQ(tab->ImageIndex(), -1) << "no images: no image";

  // A hidden TabIndex tab: the next visible one stands for it, or the last.
  control->SetTabIndex(1);
  control->Tabs()->Tab(1)->SetVisible(false);
  EXPECT_EQ(control->TabIndex(), 1);
  EXPECT_EQ(control->SelectedVisibleTab(), 1);
  EXPECT_EQ(control->Tabs()->VisibleTab(1)->Caption(), L"C");
  control->Tabs()->Tab(1)->SetVisible(true);
  control->SetTabIndex(3);
  control->Tabs()->Tab(3)->SetVisible(false);
  EXPECT_EQ(control->SelectedVisibleTab(), 2);
  EXPECT_TRUE(control->Tabs()->VisibleTab(2)->IsMainSelected());

  // The tab style refuses to select a tab other than TabIndex.
  control->Tabs()->Tab(0)->SetSelected(true);
  EXPECT_FALSE(control->Tabs()->Tab(0)->Selected());

  // Moving and deleting renumber; a deleted tab's object stays the caller's.
  control->Tabs()->Tab(3)->SetVisible(true);
  control->Tabs()->Move(0, 3);
  EXPECT_EQ(control->Tabs()->Strings(3), L"A");
  EXPECT_EQ(control->Tabs()->Tab(3)->Index(), 3);
  control->Tabs()->Delete(0);
  EXPECT_EQ(control->Tabs()->Count(), 3);
  EXPECT_EQ(control->Tabs()->Tab(0)->Caption(), L"C");
  EXPECT_EQ(control->Tabs()->Tab(0)->Index(), 0);
}

TEST_F(TabControlTest, TurnedImagesAreBuiltOncePerBackgroundAndBadIndexesRaise) {
  auto* control = MakeTabControl(form, {L"A", L"B", L"C"});
  TBitmap canvasBitmap;
  canvasBitmap.SetSize(40, 40);
  TcxCanvas canvas(canvasBitmap.Canvas());
  EXPECT_EQ(MessageOf([&] { control->ImageList()->Draw(&canvas, 0, 0, 0, true, clWhite); }),
            L"TcxPCImageList.Draw: BaseImages is not assigned");

  TCustomImageList images(nullptr, 16, 12);
  TBitmap picture;
  picture.SetSize(32, 12);
  picture.Canvas()->Brush()->SetColor(clRed);
  picture.Canvas()->FillRect(TRect{0, 0, 32, 12});
  images.Add(&picture, nullptr);
  control->SetImages(&images);
  EXPECT_EQ(control->Tabs()->Tab(1)->ImageIndex(), 1) << "a new tab shows the image of its index";
  EXPECT_EQ(control->Tabs()->Tab(2)->ImageIndex(), -1) << "beyond the list: none";
  EXPECT_EQ(control->ImageList()->ImageRotationAngle(), 0);

  control->SetTabPosition(tpLeft);
  EXPECT_EQ(control->ImageList()->ImageRotationAngle(), 1) << "vertical tabs reading upwards";
  EXPECT_EQ(control->ImageList()->GetRotatedImageSize().cx, 12);
  control->ImageList()->Draw(&canvas, 0, 0, 1, true, clWhite);
  control->ImageList()->Draw(&canvas, 20, 0, 1, true, clWhite);
  EXPECT_EQ(control->ImageList()->RotatedBuildCount(), 1);
  control->ImageList()->Draw(&canvas, 0, 20, 1, true, clYellow);
  EXPECT_EQ(control->ImageList()->RotatedBuildCount(), 2);
  EXPECT_EQ(MessageOf([&] { control->ImageList()->Draw(&canvas, 0, 0, 5, true, clWhite); }),
            L"TcxPCImageList.Draw: Index (5) must be between 0 and 1");
  control->SetImages(nullptr);
}

TEST_F(TabControlTest, AStreamedSelectionIsAppliedAtLoadedWithoutEvents) {
  auto* control = MakeTabControl(form, {L"A", L"B", L"C"});
  control->CountEvents();
  control->IncludeState(csLoading);
  control->SetTabIndex(2);
  control->Tabs()->Add(L"D");
  EXPECT_EQ(control->TabIndex(), 2) << "only stored while loading";
  control->Loaded();
  EXPECT_EQ(control->TabIndex(), 2);
  EXPECT_EQ(control->SelectedVisibleTab(), 2);
  EXPECT_EQ(control->Changings + control->Changes, 0);
  EXPECT_EQ(control->VisibleTabs().Count(), 4);
}

// --- Painter choice --------------------------------------------------------------------------------
class TNativeA : public TTestPCPainter {
  VAMIRE_PC_PAINTER(TNativeA, TTestPCPainter)
 public:
  using TTestPCPainter::TTestPCPainter;
  static TcxPCStyleID GetStyleID() { return 201; }
  static bool IsNativeFor(TcxLookAndFeel*) { return true; }
};

class TNativeB : public TNativeA {
  VAMIRE_PC_PAINTER(TNativeB, TNativeA)
 public:
  using TNativeA::TNativeA;
  static TcxPCStyleID GetStyleID() { return 202; }
};

class TOffice11Only : public TTestPCPainter {
  VAMIRE_PC_PAINTER(TOffice11Only, TTestPCPainter)
 public:
  using TTestPCPainter::TTestPCPainter;
  static TcxPCStyleID GetStyleID() { return 203; }
  static bool IsLookAndFeelSupported(TcxLookAndFeel* L) { return L->Kind() == lfOffice11; }
};

TEST_F(TabControlTest, TheRegistryKeepsOrderAndChoosesTheDefaultStyle) {
  TcxPCPaintersFactory* factory = PaintersFactory();
  ASSERT_NE(factory, nullptr);
  const int before = factory->Count();
  RegisterPainterClass(TTestPCPainter::PainterStaticClass());
  EXPECT_EQ(factory->Count(), before) << "registered twice, kept once";

  auto* control = MakeTabControl(form, {L"A"});
  control->SetStyle(cxPCDefaultStyle);
  EXPECT_EQ(control->Painter()->PainterClass(), TTestPCPainter::PainterStaticClass()) << "no native class: the first registered";
  EXPECT_EQ(control->Style(), 0);

  RegisterPainterClass(TNativeA::PainterStaticClass());
  RegisterPainterClass(TNativeB::PainterStaticClass());
  RegisterPainterClass(TOffice11Only::PainterStaticClass());
  EXPECT_EQ(GetDefaultStyleID(control->LookAndFeel()), 202) << "the last native class";
  control->LookAndFeel()->SetKind(lfOffice11);
  EXPECT_EQ(control->Painter()->PainterClass(), TOffice11Only::PainterStaticClass());
  EXPECT_EQ(control->Style(), 0) << "still following the look-and-feel";
  control->LookAndFeel()->SetKind(lfFlat);
  EXPECT_EQ(control->Painter()->PainterClass(), TNativeB::PainterStaticClass());

  control->SetStyle(102);
  EXPECT_EQ(control->Painter()->PainterClass(), TTestPCButtonsPainter::PainterStaticClass());
  control->SetStyle(4);
  EXPECT_EQ(control->Style(), 102) << "an unregistered ID is ignored";
  EXPECT_EQ(control->Painter()->PainterClass(), TTestPCButtonsPainter::PainterStaticClass());

  for (TcxPCPainterClass c : {TNativeA::PainterStaticClass(), TNativeB::PainterStaticClass(), TOffice11Only::PainterStaticClass()})
    UnregisterPainterClass(c);
  EXPECT_EQ(factory->Count(), before);
}

TEST_F(TabControlTest, WithoutRegisteredStylesNoControlCanBeMade) {
  UnregisterPainterClass(TTestPCPainter::PainterStaticClass());
  UnregisterPainterClass(TTestPCButtonsPainter::PainterStaticClass());
  EXPECT_EQ(PaintersFactory(), nullptr) << "the registry goes with its last class";
  EXPECT_EQ(MessageOf([&] { new TCountingTabControl(form); }),
            L"TcxPCPaintersFactory.GetDefaultStyleID: There are no styles registered");
  EXPECT_EQ(MessageOf([&] { GetPainterInstance(nullptr, nullptr); }),
            L"TcxPCPaintersFactory.GetPainterInstance: PCPainterClass is nil");
  RegisterPainterClass(TTestPCPainter::PainterStaticClass());
  RegisterPainterClass(TTestPCButtonsPainter::PainterStaticClass());
  ASSERT_NE(PaintersFactory(), nullptr);
  EXPECT_EQ(FindPainterClass(102), TTestPCButtonsPainter::PainterStaticClass());
}

TEST_F(TabControlTest, StringsAreFiledUnderTheProductInOrder) {
  TdxResourceStringsRepository* repository = GetResourceStringsRepository();
  const int index = repository->IndexOfProduct(cxPCLibraryProductName);
  ASSERT_GE(index, 0);
  TdxProductResourceStrings* product = repository->Products(index);
  EXPECT_EQ(product->Count(), 12);
  EXPECT_EQ(product->Values(product->IndexOf(L"scxPCAllowRotateError")), &scxPCAllowRotateError);
  EXPECT_EQ(ResolveResourceString(&scxPCPageIndexError),
            L"%d is an invalid PageIndex value.  PageIndex must be between 0 and %d");
}

}  // namespace
