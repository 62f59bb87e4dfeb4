// The bar manager: its owner checks and their texts, the values its setters
// accept, clamp or ignore, categories, toolbars, update locking, modification,
// fonts, brushes and image settings.
#include <algorithm>

#include "bars_test_support.h"

namespace {

using namespace bars_test;
const auto* const kUnits = testing::AddGlobalTestEnvironment(new TBarUnits);

class TNonWindowed : public TComponent {
  VAMIRE_CLASS(TNonWindowed, TComponent)
 public:
  using TComponent::TComponent;
};

class TItem : public TdxBarItem {
  VAMIRE_CLASS(TItem, TdxBarItem)
 public:
  using TdxBarItem::TdxBarItem;
};

String CreationError(TComponent* Owner) {
  try {
    auto* manager = new TdxBarManager(Owner);
    manager->Free();
  } catch (const EdxException& E) {
    return E.Message();
  }
  return String();
}

TEST(BarManagerTest, OwnerTableRaisesTheTextsAndLeaksNothing) {
  THostForm* form = MakeForm();
  auto* other = new TNonWindowed(form);
  auto* manager = new TdxBarManager(form);
  const int components = form->ComponentCount();
  struct {
    TComponent* Owner;
    const wchar_t* Text;
  } cases[] = {
      {other, L"TdxBarManager should have TWinControl as its Owner"},
      {form, L"A control should contain only a single TdxBarManager"},
      {manager, L"TdxBarManager should have TWinControl as its Owner"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CreationError(c.Owner), c.Text);
    EXPECT_EQ(form->ComponentCount(), components) << "nothing joined the owner";
    EXPECT_EQ(dxBarManagerCount(), 1) << "nothing stays in the manager list";
    EXPECT_EQ(dxBarHintWindow() != nullptr, true) << "the one hint window, not another";
  }
  EXPECT_EQ(FindManagerOfOwner(form), manager);
  form->Free();
  EXPECT_EQ(dxBarManagerCount(), 0) << "the form frees its manager";
}

TEST(BarManagerTest, NilOwnerGoesToTheMainForm) {
  EXPECT_EQ(CreationError(nullptr), L"TdxBarManager should have TWinControl as its Owner") << "no main form yet";
  THostForm* form = nullptr;
  Application->CreateForm(form);
  ASSERT_EQ(Application->MainForm(), form);
  auto* manager = new TdxBarManager(nullptr);
  EXPECT_EQ(manager->Owner(), form);
  form->Free();
  EXPECT_EQ(dxBarManagerCount(), 0);
}

TEST(BarManagerTest, ValueTable) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  EXPECT_EQ(m->RecentUseThreshold(), 20);
  struct {
    int Percents, Stored, Threshold;
  } percents[] = {{200, 100, 0}, {95, 95, 20}, {0, 0, 1}};
  for (const auto& p : percents) {
    m->SetMostRecentItemsPercents(p.Percents);
    EXPECT_EQ(m->MostRecentItemsPercents(), p.Stored) << p.Percents;
    EXPECT_EQ(m->RecentUseThreshold(), p.Threshold) << p.Percents;
  }
  m->SetButtonArrowWidth(1);
  EXPECT_EQ(m->ButtonArrowWidth(), 11) << "1 is refused";
  m->SetButtonArrowWidth(2);
  EXPECT_EQ(m->ButtonArrowWidth(), 2);
  m->SetLargeButtonArrowWidth(1);
  EXPECT_EQ(m->LargeButtonArrowWidth(), 13);
  m->SetLargeButtonArrowWidth(2);
  EXPECT_EQ(m->LargeButtonArrowWidth(), 2) << "2 is accepted";
  m->SetWaitForDockingTime(-1);
  EXPECT_EQ(m->WaitForDockingTime(), 21);
  m->SetWaitForDockingTime(0);
  EXPECT_EQ(m->WaitForDockingTime(), 0);
  m->SetRegistryPath(L"Software\\App");
  EXPECT_EQ(m->RegistryPath(), L"\\Software\\App\\");
  m->SetRegistryPath(L"");
  EXPECT_EQ(m->RegistryPath(), L"");

  form->SetColor(TColor(0x123456));
  EXPECT_TRUE(m->AutoDockColor());
  EXPECT_EQ(m->DockColor(), TColor(0x123456)) << "the owner's colour while AutoDockColor is on";
  m->SetDockColor(clRed);
  EXPECT_FALSE(m->AutoDockColor());
  EXPECT_EQ(m->DockColor(), clRed);
  m->SetAutoDockColor(true);
  EXPECT_EQ(m->DockColor(), TColor(0x123456));
  form->Free();
}

TEST(BarManagerTest, CategoriesAndToolbars) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  ASSERT_EQ(m->Categories()->Count(), 1);
  EXPECT_EQ(m->Categories()->Strings(0), L"Default") << "a new manager has its default category";
  m->Categories()->Clear();
  m->Categories()->Add(L"File");
  m->Categories()->Add(L"Edit");
  m->Categories()->Add(L"View");
  auto* open = new TItem(form);
  open->SetBarManager(m);
  open->SetCategory(0);
  auto* cut = new TItem(form);
  cut->SetBarManager(m);
  cut->SetCategory(1);
  cut->SetVisible(ivInCustomizing);
  EXPECT_EQ(m->CategoryItemsVisible(1), ivAlways) << "no data yet";
  EXPECT_EQ(m->CategoryItemsVisible(7), ivNever) << "outside the list";
  m->SetModified(false);
  m->SetCategoryItemsVisible(1, ivNever);
  EXPECT_EQ(cut->Visible(), ivInCustomizing) << "only items whose visibility was the old value follow";
  m->SetCategoryItemsVisible(1, ivAlways);
  m->SetCategoryItemsVisible(1, ivInCustomizing);
  EXPECT_EQ(cut->Visible(), ivInCustomizing);
  m->SetCategoryItemsVisible(1, ivNever);
  EXPECT_EQ(cut->Visible(), ivNever);
  EXPECT_TRUE(m->Modified());
  m->SetCategoryItemsVisible(9, ivNever);
  m->SetCategoryVisible(1, false);
  EXPECT_EQ(m->VisibleCategoryIndex(1), 2);
  EXPECT_EQ(m->VisibleCategoryIndex(2), -1);
  TList list;
  EXPECT_EQ(m->GetItemsOfCategory(0, &list), 1);
  EXPECT_EQ(m->GetItemsOfCategory(5, &list), 0);
  EXPECT_EQ(m->GetNewItemName(TItem::StaticClass()), L"Item1");
  open->SetName(L"Item1");
  EXPECT_EQ(m->GetNewItemName(TItem::StaticClass()), L"Item2");
  EXPECT_EQ(m->FindItemByName(L"ITEM1"), open);

  const int updates = m->UpdateCount();
  TdxBar* first = m->AddToolbar();
  TdxBar* second = m->AddToolbar();
  EXPECT_EQ(first->Caption(), L"Custom 1");
  EXPECT_EQ(second->Caption(), L"Custom 2");
  EXPECT_EQ(second->Row(), first->Row() + 1) << "each on a new last row";
  EXPECT_EQ(first->DockingStyle(), dsTop);
  EXPECT_FALSE(first->OneOnRow());
  EXPECT_TRUE(first->Visible());
  EXPECT_EQ(first->FloatTop(), form->Top());
  EXPECT_EQ(first->FloatLeft(), form->Left() - 50 < 0 ? form->Left() + form->Width() + 10 : form->Left() - 50);
  EXPECT_EQ(m->UpdateCount(), updates + 2) << "one full update per toolbar";
  TdxBar* menu = m->AddToolbar(true);
  EXPECT_TRUE(menu->IsMainMenu());
  EXPECT_EQ(menu->Row(), 0);
  EXPECT_EQ(m->FindBarByCaption(L"Custom 3"), menu);
  EXPECT_EQ(m->FindBarByCaption(L"custom 3"), nullptr) << "captions compare exactly";
  form->Free();
}

TEST(BarManagerTest, UpdateLocksNestAndTheDesignerLockRemembers) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  const int updates = m->UpdateCount();
  m->LockUpdate(true);
  m->LockUpdate(true);
  m->UnlockUpdate(true, true);
  EXPECT_EQ(m->UpdateCount(), updates) << "only the outermost unlock updates";
  EXPECT_TRUE(m->IsUpdateLocked());
  m->UnlockUpdate(true, true);
  EXPECT_EQ(m->UpdateCount(), updates + 1);
  m->LockUpdate();
  m->UnlockUpdateNoLayout();
  EXPECT_EQ(m->UpdateCount(), updates + 1) << "no layout";

  m->SetModified(false);
  m->LockDesignerModified();
  m->SetShowHint(false);
  EXPECT_FALSE(m->Modified()) << "remembered while locked";
  m->UnlockDesignerModified(false);
  EXPECT_FALSE(m->Modified()) << "released without notifying";
  m->LockDesignerModified();
  m->SetShowHint(true);
  m->UnlockDesignerModified(true);
  EXPECT_TRUE(m->Modified());
  form->Free();
}

TEST(BarManagerTest, FontsFollowTheSystemAndKeepTheirFloor) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  EXPECT_TRUE(m->UseSystemFont());
  EXPECT_EQ(m->Font()->Name(), String(metrics.lfMenuFont.lfFaceName));
  EXPECT_LE(m->EditFont()->Height(), -11);
  int fontChanges = 0;
  struct TCounter {
    int* Count;
    void Changed(TObject*, const void*) { ++*Count; }
  } counter{&fontChanges};
  m->SystemFontChangedHandlers()->Add(TcxEventHandler(&counter, &TCounter::Changed));
  m->SetScaled(false);
  m->Font()->SetSize(6);
  EXPECT_FALSE(m->UseSystemFont()) << "a font set by hand turns the system font off";
  EXPECT_GE(fontChanges, 1);
  LOGFONTW caption{};
  GetObjectW(m->BarCaptionFont()->Handle(), sizeof(caption), &caption);
  EXPECT_LE(caption.lfHeight, -11) << "a 6-point font still gives an 11-pixel caption";
  EXPECT_EQ(m->EditFont()->Height(), m->Font()->Height()) << "unscaled: a copy";
  m->SetUseSystemFont(true);
  EXPECT_EQ(m->Font()->Name(), String(metrics.lfMenuFont.lfFaceName));
  EXPECT_EQ(m->Font()->Height(), metrics.lfMenuFont.lfHeight);
  form->Free();
}

TEST(BarManagerTest, FlatBrushesAndImageSettings) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  EXPECT_EQ(m->GetFlatBorderColor(),
            NearestDeviceColor(TColor(dxBarFlatBorderRGB(uint32_t(ColorToRGB(clBtnShadow))))));
  EXPECT_EQ(m->GetFlatSelectedColor(), NearestDeviceColor(MixSystemColors(-2, 30, 72)));
  HBRUSH brushes[5];
  for (int i = 0; i < 5; ++i) {
    brushes[i] = m->FlatBrush(i);
    EXPECT_EQ(GetObjectType(brushes[i]), DWORD(OBJ_BRUSH)) << i;
  }
  m->RefreshColorResources();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(GetObjectType(brushes[i]), 0u) << "the old brush " << i << " is deleted";

  TdxBarImageOptions* options = m->ImageOptions();
  EXPECT_EQ(m->GetButtonGlyphSize(), 16);
  auto* large = new TImageList(form);
  large->SetWidth(48);
  large->SetHeight(48);
  m->SetModified(false);
  options->SetLargeIcons(true);
  EXPECT_EQ(m->GetButtonGlyphSize(), 32);
  EXPECT_TRUE(m->Modified()) << "the large-icons change is a modification";
  options->SetUseLargeImagesForLargeIcons(true);
  options->SetLargeImages(large);
  EXPECT_EQ(m->GetButtonGlyphSize(), 48);
  options->SetLargeIcons(false);
  EXPECT_EQ(m->GetButtonGlyphSize(), 16);

  auto* images = new TImageList(form);
  options->SetImages(images);
  options->SetHotImages(images);
  options->SetCacheGlyphs(false);
  TdxBarImageOptions copy(m);
  EXPECT_TRUE(copy.CacheGlyphs());
  copy.Assign(options);
  EXPECT_TRUE(copy.CacheGlyphs()) << "Assign keeps the target's CacheGlyphs";
  EXPECT_EQ(copy.Images(), images);
  EXPECT_EQ(copy.LargeImages(), large);
  EXPECT_TRUE(copy.UseLargeImagesForLargeIcons());
  images->Free();
  EXPECT_EQ(options->Images(), nullptr) << "a freed list leaves every slot that held it";
  EXPECT_EQ(options->HotImages(), nullptr);
  EXPECT_EQ(copy.Images(), nullptr);
  EXPECT_THROW(options->Assign(m->Font()), EConvertError);
  form->Free();
}

// A design-time package's stand-in: selects what it is told, names by a counter.
class TFakeDesigner : public IdxBarDesigner {
 public:
  std::vector<TPersistent*> Selected;
  TComponent* Refused = nullptr;
  bool CanDesign(TComponent* AComponent) override { return AComponent != Refused; }
  void GetSelection(TList* AList) override {
    for (TPersistent* p : Selected) AList->Add(p);
  }
  uint8_t GetSelectionStatus(TPersistent* APersistent) override {
    return std::find(Selected.begin(), Selected.end(), APersistent) != Selected.end() ? 1 : 2;
  }
  void SelectComponent(TPersistent* APersistent, int) override { Selected = {APersistent}; }
  void SetSelection(TList* AList) override {
    Selected.clear();
    for (int i = 0; i < AList->Count(); ++i) Selected.push_back(static_cast<TPersistent*>(AList->Items(i)));
  }
  void ItemNotification(TdxBarItem*) override {}
  void UniqueName(const String& ABaseName, String& AName) override { AName = ABaseName + L"_" + IntToStr(++Names); }
  int Names = 0;
};

TEST(BarManagerTest, DesignerForwardingAndFormQueries) {
  THostForm* form = MakeForm();
  auto* m = new TdxBarManager(form);
  auto* item = new TItem(form);
  EXPECT_TRUE(m->CanDesign(item)) << "no designer: may design";
  EXPECT_EQ(m->GetSelectionStatus(item), 0);
  EXPECT_FALSE(m->IsSelected(item));
  TFakeDesigner designer;
  m->SetDesigner(&designer);
  designer.Refused = item;
  EXPECT_FALSE(m->CanDesign(item));
  m->SelectComponent(item, 0);
  EXPECT_TRUE(m->IsSelected(item));
  EXPECT_FALSE(m->IsSelected(m));
  TList list;
  list.Add(item);
  list.Add(m);
  m->SetSelection(&list);
  designer.Selected.push_back(form);
  TList filtered;
  m->FilterSelection(&filtered);
  EXPECT_EQ(filtered.Count(), 3);
  form->SetDesigning(true);
  EXPECT_EQ(m->GetNewItemName(TItem::StaticClass()), L"Item_1") << "the designer names at design time";
  form->SetDesigning(false);
  m->SetDesigner(nullptr);

  EXPECT_EQ(m->GetTopForm(), form);
  EXPECT_EQ(m->GetNearestForm(), form);
  EXPECT_EQ(m->GetMDIChildOrTopForm(), form);
  EXPECT_FALSE(m->OwnerIsMDIChild(true));
  EXPECT_EQ(m->GetParentManager(), nullptr);
  EXPECT_FALSE(m->IsOwnerShown()) << "not shown yet";
  EXPECT_EQ(m->GetMainMenuBar(), nullptr);
  m->AddToolbar();
  TdxBar* menu = m->AddToolbar(true);
  EXPECT_EQ(m->GetMainMenuBar(), menu);

  THostForm* other = MakeForm();
  auto* second = new TdxBarManager(other);
  second->SetCustomizing(true);
  EXPECT_TRUE(m->IsOtherManagerCustomizing());
  EXPECT_FALSE(second->IsOtherManagerCustomizing());
  other->Free();
  EXPECT_FALSE(m->IsOtherManagerCustomizing()) << "a customizing manager freed leaves the list";
  form->Free();
}

}  // namespace
