// A manager with bars, items, links, groups, categories, styles and actions in
// a form file: read and written back unchanged, names of removed items
// dropped, a damaged list refused without half-linked objects, and every
// item, link and style freed with the form.
#include <algorithm>

#include "FormText.h"
#include "Streaming.h"
#include "bars_test_support.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

int GLiveItems = 0, GLiveStyles = 0;

// A clickable kind as the form files of the tests know it.
class TCountedItem : public TdxBarItem {
  VAMIRE_CLASS(TCountedItem, TdxBarItem)
 public:
  explicit TCountedItem(TComponent* AOwner) : TdxBarItem(AOwner) { ++GLiveItems; }
  ~TCountedItem() override { --GLiveItems; }
};
VAMIRE_PUBLISHED(TCountedItem,
                 Prop(L"ImageIndex", &TdxBarItem::ImageIndex, &TdxBarItem::SetImageIndex).Default(int64_t(-1))
                     .Stored(&TdxBarItem::IsImageIndexStored),
                 Prop(L"ShortCut", &TdxBarItem::ShortCut, &TdxBarItem::SetShortCut).Default(int64_t(0))
                     .Stored(&TdxBarItem::IsShortCutStored),
                 Prop(L"OnClick", &TdxBarItem::OnClick, &TdxBarItem::SetOnClick).Stored(&TdxBarItem::IsOnClickStored))

class TCountedStyle : public TcxStyle {
  VAMIRE_CLASS(TCountedStyle, TcxStyle)
 public:
  explicit TCountedStyle(TComponent* AOwner) : TcxStyle(AOwner) { ++GLiveStyles; }
  ~TCountedStyle() override { --GLiveStyles; }
};

class TBarsForm : public THostForm {
  VAMIRE_CLASS(TBarsForm, THostForm)
 public:
  using THostForm::THostForm;
  int Prints = 0, Saves = 0;
  void PrintExecute(TObject*) { ++Prints; }
  void SaveClick(TObject*) { ++Saves; }
};
VAMIRE_PUBLISHED(TBarsForm, Handler(L"PrintExecute", &TBarsForm::PrintExecute),
                 Handler(L"SaveClick", &TBarsForm::SaveClick))

String Replaced(String Text, const String& From, const String& To) {
  const size_t at = Text.find(From);
  if (at != String::npos) Text.replace(at, From.size(), To);
  return Text;
}

class BarFormTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterClasses({TBarsForm::StaticClass(), TCountedItem::StaticClass(), TCountedStyle::StaticClass()});
  }
  void TearDown() override {
    UnRegisterClasses({TBarsForm::StaticClass(), TCountedItem::StaticClass(), TCountedStyle::StaticClass()});
  }

  // A form made in code: two categories, an action, four items (one styled,
  // one linked to the action), two bars with their links, a group.
  String MadeFormText() {
    auto* form = TCustomForm::Create<TBarsForm>(nullptr);
    form->SetName(L"Host");
    auto* actions = new TActionList(form);
    actions->SetName(L"Actions");
    auto* print = new TAction(form);
    print->SetName(L"PrintAction");
    print->SetActionList(actions);
    print->SetCaption(L"&Print...");
    print->SetShortCut(0x4050);
    print->SetOnExecute(TNotifyEvent(form, &TBarsForm::PrintExecute));
    auto* repository = new TcxStyleRepository(form);
    repository->SetName(L"Styles");
    auto* bold = static_cast<TcxStyle*>(repository->NewStyleOwned(TCountedStyle::StaticClass(), form));
    bold->SetName(L"BoldStyle");
    bold->Font()->SetStyle(TFontStyles{fsBold});
    bold->SetColor(clYellow);
    auto* m = new TdxBarManager(form);
    m->SetName(L"Bars");
    m->Categories()->Add(L"File");
    auto item = [&](const wchar_t* Name, const wchar_t* Caption, int Category) {
      auto* i = new TCountedItem(form);
      i->SetName(Name);
      i->SetCaption(Caption);
      i->SetCategory(Category);
      return i;
    };
    TCountedItem* open = item(L"OpenItem", L"&Open...", 1);
    TCountedItem* save = item(L"SaveItem", L"&Save", 1);
    save->SetOnClick(TNotifyEvent(form, &TBarsForm::SaveClick));
    save->SetStyle(bold);
    TCountedItem* printItem = item(L"PrintItem", L"", 1);
    printItem->SetAction(print);
    TCountedItem* help = item(L"HelpItem", L"&Help", 0);
    help->SetMergeOrder(5);
    TdxBar* main = m->AddToolbar(true);
    main->SetCaption(L"Main");
    TdxBar* tools = m->AddToolbar();
    tools->SetCaption(L"Tools");
    main->ItemLinks()->AddItem(open);
    main->ItemLinks()->AddItem(save)->SetBeginGroup(true);
    main->ItemLinks()->AddItem(printItem)->SetUserCaption(L"P&rint");
    tools->ItemLinks()->AddItem(help)->SetVisible(false);
    tools->ItemLinks()->AddItem(open)->SetMostRecentlyUsed(false);
    TdxBarGroup* group = m->AddGroup();
    group->SetName(L"FileGroup");
    group->AddItem(open);
    group->AddItem(save);
    const String text = WriteFormText(form);
    form->Free();
    return text;
  }
};

TEST_F(BarFormTest, AManagerWithItsModelTravelsUnchanged) {
  const String text = MadeFormText();
  for (const wchar_t* line :
       {L"object Bars: TdxBarManager", L"object BarsBar1: TdxBar", L"Caption = 'Main'", L"IsMainMenu = True",
        L"ItemName = 'OpenItem'", L"BeginGroup = True", L"UserCaption = 'P&rint'", L"UserDefine = [udCaption]",
        L"object OpenItem: TCountedItem", L"Category = 1", L"Action = PrintAction", L"OnClick = SaveClick",
        L"Style = BoldStyle", L"MergeOrder = 5", L"object FileGroup: TdxBarGroup", L"'OpenItem'",
        L"object PrintAction: TAction", L"OnExecute = PrintExecute", L"PixelsPerInch = ",
        L"AssignedValues = [svColor, svFont]", L"MostRecentlyUsed = False", L"ItemsVisibles = ("})
    EXPECT_NE(text.find(line), String::npos) << UTF8Encode(line) << "\n" << UTF8Encode(text);
  EXPECT_EQ(text.find(L"Caption = '&Print...'\n        Category"), String::npos)
      << "the action supplies the linked item's caption";

  const int items = GLiveItems, links = TdxBarItemLink::LiveCount(), styles = GLiveStyles;
  auto* form = TCustomForm::Create<TBarsForm>(nullptr);
  ASSERT_EQ(ReadFormText(text, form), L"");
  auto* m = dynamic_cast<TdxBarManager*>(form->FindComponent(L"Bars"));
  ASSERT_NE(m, nullptr);
  ASSERT_EQ(m->Bars()->Count(), 2);
  TdxBar* main = m->Bars()->Items(0);
  EXPECT_TRUE(main->IsMainMenu());
  ASSERT_EQ(main->ItemLinks()->Count(), 3);
  EXPECT_EQ(main->ItemLinks()->Links(0)->Item(), m->FindItemByName(L"OpenItem")) << "links find their items by name";
  EXPECT_EQ(main->ItemLinks()->Links(2)->Caption(), L"P&rint");
  EXPECT_FALSE(m->Bars()->Items(1)->ItemLinks()->Links(0)->Visible());
  auto* printItem = m->FindItemByName(L"PrintItem");
  EXPECT_EQ(printItem->Caption(), L"&Print...") << "the action gives its values back";
  EXPECT_EQ(printItem->ShortCut(), 0x4050);
  printItem->Click();
  EXPECT_EQ(static_cast<TBarsForm*>(form)->Prints, 1);
  m->FindItemByName(L"SaveItem")->Click();
  EXPECT_EQ(static_cast<TBarsForm*>(form)->Saves, 1);
  EXPECT_NE(m->FindItemByName(L"SaveItem")->Style(), nullptr);
  ASSERT_EQ(m->GroupCount(), 1);
  EXPECT_EQ(m->Groups(0)->ItemCount(), 2);
  EXPECT_EQ(m->Categories()->Count(), 2);
  EXPECT_FALSE(m->HasStateBits());
  EXPECT_EQ(WriteFormText(form), text) << "written back unchanged";
  form->Free();
  EXPECT_EQ(GLiveItems, items);
  EXPECT_EQ(TdxBarItemLink::LiveCount(), links);
  EXPECT_EQ(GLiveStyles, styles) << "every item, link and style freed with the form";
}

TEST_F(BarFormTest, NamesOfRemovedItemsAreDropped) {
  String text = MadeFormText();
  // HelpItem is gone from the file; a link and the group still name it.
  const size_t from = text.find(L"    object HelpItem: TCountedItem");
  ASSERT_NE(from, String::npos);
  const size_t to = text.find(L"    end\n", from) + 8;
  text.erase(from, to - from);
  text = Replaced(text, L"'SaveItem')", L"'SaveItem'\n      'HelpItem')");
  auto* form = TCustomForm::Create<TBarsForm>(nullptr);
  ASSERT_EQ(ReadFormText(text, form), L"");
  auto* m = dynamic_cast<TdxBarManager*>(form->FindComponent(L"Bars"));
  TdxBarItemLinks* tools = m->Bars()->Items(1)->ItemLinks();
  ASSERT_EQ(tools->Count(), 2);
  EXPECT_EQ(tools->Links(0)->Item(), nullptr);
  EXPECT_EQ(tools->GetAvailableLinkCount(), 1) << "a link without item is neither available nor shown";
  EXPECT_EQ(m->Groups(0)->ItemCount(), 2) << "the group loads without the removed item";
  const String written = WriteFormText(form);
  EXPECT_EQ(written.find(L"HelpItem"), String::npos) << UTF8Encode(written);
  form->Free();
}

TEST_F(BarFormTest, CategoryItemsVisibleAppliesWhenLoadingEnds) {
  String text = MadeFormText();
  // Category 1 keeps its items for customizing; the items themselves say nothing.
  const size_t at = text.find(L"ItemsVisibles = (");
  ASSERT_NE(at, String::npos);
  text = Replaced(text, text.substr(at, text.find(L')', at) - at + 1),
                  L"ItemsVisibles = (\n        2\n        1)");
  auto* form = TCustomForm::Create<TBarsForm>(nullptr);
  ASSERT_EQ(ReadFormText(text, form), L"");
  auto* m = dynamic_cast<TdxBarManager*>(form->FindComponent(L"Bars"));
  EXPECT_EQ(m->CategoryItemsVisible(1), ivInCustomizing);
  EXPECT_EQ(m->FindItemByName(L"OpenItem")->Visible(), ivInCustomizing);
  EXPECT_EQ(m->FindItemByName(L"HelpItem")->Visible(), ivAlways);
  EXPECT_EQ(m->Bars()->Items(0)->ItemLinks()->GetVisibleLinkCount(), 0);
  form->Free();
}

TEST_F(BarFormTest, StyleFontsScaleFromTheStoredPixelsPerInch) {
  const String made = MadeFormText();
  const size_t at = made.find(L"    PixelsPerInch = ");
  ASSERT_NE(at, String::npos);
  const String stored = made.substr(at, made.find(L'\n', at) - at);
  for (const auto& [scalable, expected] : {std::pair{false, -11}, std::pair{true, -6}}) {
    String text = Replaced(made, stored, L"    PixelsPerInch = 192");
    if (scalable) text = Replaced(text, L"    PixelsPerInch = 192", L"    Scalable = True\n    PixelsPerInch = 192");
    auto* form = TCustomForm::Create<TBarsForm>(nullptr);
    ASSERT_EQ(ReadFormText(text, form), L"");
    auto* style = dynamic_cast<TcxStyle*>(form->FindComponent(L"BoldStyle"));
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->Font()->Height(), expected) << "-11 stored at 192 pixels per inch, read at 96";
    form->Free();
  }
}

TEST_F(BarFormTest, ADamagedListLeavesNothingHalfLinked) {
  const String good = MadeFormText();
  struct {
    const char* What;
    const wchar_t* From;
    const wchar_t* To;
  } cases[] = {
      {"an item name that is a number", L"ItemName = 'SaveItem'", L"ItemName = 5"},
      {"a group list with a number", L"'SaveItem')", L"'SaveItem'\n      7)"},
      {"a group list that is no list", L"Items = (\n        'OpenItem'\n        'SaveItem')", L"Items = 'OpenItem'"},
      {"visibles that are no booleans", L"Visibles = (\n      True", L"Visibles = (\n      'x'"},
  };
  const int items = GLiveItems, links = TdxBarItemLink::LiveCount(), styles = GLiveStyles;
  for (const auto& c : cases) {
    const String text = Replaced(good, c.From, c.To);
    ASSERT_TRUE(text != good) << c.What << ": the case changes nothing";
    auto* form = TCustomForm::Create<TBarsForm>(nullptr);
    EXPECT_NE(ReadFormText(text, form), L"") << c.What << ": the reader's error";
    if (auto* group = dynamic_cast<TdxBarGroup*>(form->FindComponent(L"FileGroup")))
      EXPECT_TRUE(group->ItemCount() == 0 || group->ItemCount() == 2) << c.What;
    form->Free();
    EXPECT_EQ(GLiveItems, items) << c.What;
    EXPECT_EQ(TdxBarItemLink::LiveCount(), links) << c.What;
    EXPECT_EQ(GLiveStyles, styles) << c.What;
  }
}

}  // namespace
