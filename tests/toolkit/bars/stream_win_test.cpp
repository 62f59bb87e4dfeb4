// A bar manager in a form file: its properties read and written back
// unchanged, the dock sizes, the older bar list, the read count, a Loaded that
// raises, and the renaming of items at design time.
#include <algorithm>

#include "FormText.h"
#include "Streaming.h"
#include "bars_test_support.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

class TStreamItem : public TdxBarItem {
  VAMIRE_CLASS(TStreamItem, TdxBarItem)
 public:
  using TdxBarItem::TdxBarItem;
  bool RaiseOnVisible = false;
  void SetVisible(TdxBarItemVisible Value) override {
    if (RaiseOnVisible) throw EdxException(L"refused");
    TdxBarItem::SetVisible(Value);
  }
};

testing::AssertionResult ReadsFormText(const String& Text, TComponent* Root) {
  const String error = ReadFormText(Text, Root);
  if (error.empty()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << UTF8Encode(error);
}

class BarStreamTest : public testing::Test {
 protected:
  void SetUp() override { RegisterClasses({THostForm::StaticClass(), TStreamItem::StaticClass()}); }
  void TearDown() override { UnRegisterClasses({THostForm::StaticClass(), TStreamItem::StaticClass()}); }
};

TEST_F(BarStreamTest, PropertiesTravelUnchanged) {
  THostForm* form = MakeForm();
  form->SetName(L"Host");
  auto* m = new TdxBarManager(form);
  m->SetName(L"BarManager1");
  m->SetStyle(bmsFlat);
  m->SetDockColor(clRed);
  m->SetRegistryPath(L"Software\\App");
  m->SetMostRecentItemsPercents(80);
  m->SetButtonArrowWidth(9);
  m->SetNotDocking(TdxBarDockingStyles{dsLeft, dsRight});
  m->SetMenuAnimations(maFade);
  m->ShowHintForDisabledItems = false;
  m->Categories()->Add(L"File");
  m->Categories()->Add(L"Edit");
  m->ImageOptions()->SetCacheGlyphs(false);
  for (int i = 0; i < 4; ++i) m->SetDefaultDockSize(i, 10 * (i + 1));
  TdxBar* bar = m->AddToolbar();
  auto* item = new TStreamItem(form);
  item->SetName(L"Open");
  item->SetCaption(L"&Open");
  item->SetCategory(1);
  item->SetBarManager(m);
  const String text = WriteFormText(form);
  for (const wchar_t* line : {L"Style = bmsFlat", L"DockColor = clRed", L"RegistryPath = '\\Software\\App\\'",
                              L"NotDocking = [dsLeft, dsRight]", L"MenuAnimations = maFade",
                              L"ShowHintForDisabledItems = False", L"CacheGlyphs = False", L"object Open: TStreamItem",
                              L"object BarManager1Bar1: TdxBar", L"Caption = 'Custom 1'"})
    EXPECT_NE(text.find(line), String::npos) << UTF8Encode(line) << "\n" << UTF8Encode(text);
  EXPECT_NE(text.find(L"AutoDockColor = False"), String::npos);
  for (const wchar_t* absent : {L"Images =", L"LargeIcons", L"Bars =", L"StretchGlyphs", L"    Font."})
    EXPECT_EQ(text.find(absent), String::npos) << UTF8Encode(absent);
  EXPECT_NE(text.find(L"DockControlHeights = (\n      10\n      20\n      30\n      40)"), String::npos)
      << UTF8Encode(text);
  EXPECT_FALSE(m->CanResetWhileStreamed()) << "made in code";
  form->Free();

  THostForm* copy = TCustomForm::Create<THostForm>(nullptr);
  ASSERT_TRUE(ReadsFormText(text, copy));
  auto* read = dynamic_cast<TdxBarManager*>(copy->FindComponent(L"BarManager1"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Style(), bmsFlat);
  EXPECT_FALSE(read->AutoDockColor());
  EXPECT_EQ(read->DockColor(), clRed);
  EXPECT_EQ(read->RegistryPath(), L"\\Software\\App\\");
  EXPECT_EQ(read->RecentUseThreshold(), 5);
  EXPECT_EQ(read->DefaultDockSize(3), 40);
  EXPECT_EQ(read->Categories()->Count(), 3) << "Default, File, Edit";
  ASSERT_EQ(read->Bars()->Count(), 1);
  EXPECT_EQ(read->Bars()->Items(0)->Caption(), L"Custom 1");
  ASSERT_EQ(read->ItemCount(), 1);
  EXPECT_EQ(read->Items(0)->Caption(), L"&Open");
  EXPECT_EQ(read->Items(0)->Category(), 1);
  EXPECT_TRUE(read->CanResetWhileStreamed());
  read->AllowReset = false;
  EXPECT_FALSE(read->CanResetWhileStreamed());
  read->AllowReset = true;
  EXPECT_EQ(read->ReadStateCount(), 1);
  EXPECT_FALSE(read->HasStateBits());
  EXPECT_TRUE(read->UseSystemFont()) << "the system font is not turned off by reading";
  EXPECT_EQ(WriteFormText(copy), text) << "written back unchanged";
  // A font of one's own travels, and UseSystemFont stays off.
  read->Font()->SetName(L"Tahoma");
  const String own = WriteFormText(copy);
  EXPECT_NE(own.find(L"Font.Name = 'Tahoma'"), String::npos);
  EXPECT_NE(own.find(L"UseSystemFont = False"), String::npos);
  THostForm* third = TCustomForm::Create<THostForm>(nullptr);
  ASSERT_TRUE(ReadsFormText(own, third));
  auto* again = dynamic_cast<TdxBarManager*>(third->FindComponent(L"BarManager1"));
  EXPECT_EQ(again->Font()->Name(), L"Tahoma");
  EXPECT_FALSE(again->UseSystemFont());
  EXPECT_EQ(WriteFormText(third), own);
  third->Free();
  copy->Free();
  (void)bar;
}

TEST_F(BarStreamTest, OlderFilesListTheBarsInsideTheManager) {
  const String text =
      L"object Host: THostForm\r\n"
      L"  object BarManager1: TdxBarManager\r\n"
      L"    Bars = <\r\n"
      L"      item\r\n"
      L"        Caption = 'Main'\r\n"
      L"        DockingStyle = dsTop\r\n"
      L"        IsMainMenu = True\r\n"
      L"      end\r\n"
      L"      item\r\n"
      L"        Caption = 'Tools'\r\n"
      L"        Row = 1\r\n"
      L"      end>\r\n"
      L"    DockControlHeights = (\r\n"
      L"      0\r\n"
      L"      0\r\n"
      L"      26\r\n"
      L"      0)\r\n"
      L"  end\r\n"
      L"end\r\n";
  THostForm* form = TCustomForm::Create<THostForm>(nullptr);
  ASSERT_TRUE(ReadsFormText(text, form));
  auto* m = dynamic_cast<TdxBarManager*>(form->FindComponent(L"BarManager1"));
  ASSERT_NE(m, nullptr);
  ASSERT_EQ(m->Bars()->Count(), 2);
  EXPECT_EQ(m->Bars()->Items(0)->Caption(), L"Main");
  EXPECT_TRUE(m->Bars()->Items(0)->IsMainMenu());
  EXPECT_EQ(m->Bars()->Items(1)->Row(), 1);
  EXPECT_EQ(m->DefaultDockSize(2), 26);
  const String written = WriteFormText(form);
  EXPECT_EQ(written.find(L"Bars ="), String::npos) << "the older list is read only";
  EXPECT_NE(written.find(L": TdxBar\n"), String::npos) << "the bars are written as children";
  form->Free();

  THostForm* damaged = TCustomForm::Create<THostForm>(nullptr);
  EXPECT_FALSE(ReadsFormText(L"object Host: THostForm\r\n  object M: TdxBarManager\r\n    Bars = 'x'\r\n  end\r\nend\r\n",
                            damaged))
      << "a bar list that is no list is refused";
  damaged->Free();
}

TEST_F(BarStreamTest, ALoadedThatRaisesLeavesNoLockOrBit) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  m->Categories()->Add(L"File");
  m->Categories()->Add(L"Edit");
  auto* refusing = new TStreamItem(form);
  refusing->SetBarManager(m);
  refusing->SetCategory(0);
  auto* item = new TStreamItem(form);
  item->SetBarManager(m);
  item->SetCategory(1);
  m->IncludeState(csLoading);
  m->SetCategoryItemsVisible(0, ivNever);
  m->SetCategoryItemsVisible(1, ivNever);
  EXPECT_EQ(item->Visible(), ivAlways) << "while loading only the streamed value is kept";
  EXPECT_EQ(m->CategoryItemsVisible(1), ivAlways);
  refusing->RaiseOnVisible = true;
  EXPECT_THROW(m->Loaded(), EdxException);
  EXPECT_FALSE(m->IsUpdateLocked());
  EXPECT_FALSE(m->HasStateBits());
  EXPECT_FALSE(m->IsLoadingOrInLoaded());
  EXPECT_EQ(item->Visible(), ivAlways) << "the steps after the failure did not run";
  refusing->RaiseOnVisible = false;
  m->IncludeState(csLoading);
  m->Loaded();
  EXPECT_EQ(item->Visible(), ivNever) << "applied in Loaded";
  EXPECT_EQ(m->CategoryItemsVisible(1), ivNever);
  form->Free();
}

TEST_F(BarStreamTest, DesignTimeRenameTable) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  m->SetName(L"BarManager1");
  struct {
    const wchar_t* Before;
    const wchar_t* After;
  } cases[] = {
      {L"BarManager1Button1", L"BarsButton1"},
      {L"barmanager1Save", L"BarsSave"},
      {L"BarManager", L"BarManager"},
      {L"BarManager1Taken", L"BarManager1Taken"},
      {L"BarManager1Zoom", L"BarsZoom"},
      {L"Other", L"Other"},
  };
  std::vector<TStreamItem*> items;
  for (const auto& c : cases) {
    items.push_back(new TStreamItem(form));
    items.back()->SetName(c.Before);
  }
  auto* blocker = new TStreamItem(form);
  blocker->SetName(L"BarsTaken");
  m->SetName(L"Renamed");
  EXPECT_EQ(items[0]->Name(), L"BarManager1Button1") << "only at design time";
  m->SetName(L"BarManager1");
  form->SetDesigning(true);
  m->SetName(L"Bars");
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i]->Name(), cases[i].After) << UTF8Encode(cases[i].Before);
  form->SetDesigning(false);
  form->Free();
}

TEST_F(BarStreamTest, ChildrenComeInBarItemGroupOrder) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  m->Categories()->Add(L"File");
  auto* hidden = new TStreamItem(form);
  hidden->SetBarManager(m);
  hidden->SetCategory(-1);
  auto* item = new TStreamItem(form);
  item->SetBarManager(m);
  item->SetCategory(0);
  TdxBarGroup* group = m->AddGroup();
  TdxBar* bar = m->AddToolbar();
  std::vector<TComponent*> children;
  struct TCollect {
    std::vector<TComponent*>* List;
    void Add(TComponent* C) { List->push_back(C); }
  } collect{&children};
  m->GetChildren(TGetChildProc(&collect, &TCollect::Add), form);
  ASSERT_EQ(children.size(), 3u) << "an item without a category is not streamed";
  EXPECT_EQ(children[0], bar);
  EXPECT_EQ(children[1], item);
  EXPECT_EQ(children[2], group);
  EXPECT_EQ(m->GetChildOwner(), form);
  form->Free();
}

}  // namespace
