// The editors' model: change reporting of the properties, buttons, editor
// styles and the default controller, the repository and the registries, the
// brush cache, the strings, and the defaults of every streamed class.
#include <algorithm>
#include <memory>

#include "edit_test_support.h"

namespace {

using namespace edit_test;

testing::Environment* const units = testing::AddGlobalTestEnvironment(new TEditUnits);

// --- Properties -----------------------------------------------------------------------------
TEST(EditProperties, TenSettersInOneBracketReportOnce) {
  TcxCustomEditProperties p(nullptr);
  TChangeCounter counter;
  counter.Attach(&p);
  p.BeginUpdate();
  p.SetAutoSelect(false);
  p.SetButtonsViewStyle(2);
  p.SetTransparent(true);
  p.SetUseLeftAlignmentOnEditing(false);
  p.SetReadOnly(true);
  p.SetMaxValue(10);
  p.SetMinValue(1);
  p.Alignment()->SetHorz(taRightJustify);
  p.Alignment()->SetVert(taVCenter);
  p.Buttons()->Add();
  EXPECT_EQ(counter.Count, 0);
  p.EndUpdate();
  EXPECT_EQ(counter.Count, 1);
  EXPECT_EQ(p.InnerAlignment()->Horz(), taRightJustify) << "writes through Alignment reach the inner one";
}

TEST(EditProperties, EndUpdateWithoutInvokeDropsTheChange) {
  TcxCustomEditProperties p(nullptr);
  TChangeCounter counter;
  counter.Attach(&p);
  p.BeginUpdate();
  p.SetAutoSelect(false);
  p.EndUpdate(false);
  EXPECT_EQ(counter.Count, 0);
  // The pending change is forgotten at the next first-level bracket.
  p.BeginUpdate();
  p.EndUpdate(true);
  EXPECT_EQ(counter.Count, 0);
  p.EndUpdate();  // unbalanced: nothing happens
  EXPECT_EQ(p.UpdateCount(), 0);
}

TEST(EditProperties, EqualValueAndDyingOwnerReportNothing) {
  TcxCustomEditProperties p(nullptr);
  TChangeCounter counter;
  counter.Attach(&p);
  p.SetAutoSelect(true);
  p.SetTransparent(false);
  EXPECT_EQ(counter.Count, 0);
  p.SetReadOnly(false);
  EXPECT_EQ(counter.Count, 1) << "a first ReadOnly marks it assigned";
  EXPECT_TRUE(p.IsReadOnlyStored());
  p.SetReadOnly(false);
  EXPECT_EQ(counter.Count, 1);

  TComponent owner(nullptr);
  TcxCustomEditProperties owned(&owner);
  TChangeCounter ownedCounter;
  ownedCounter.Attach(&owned);
  owner.Destroying();
  owned.SetAutoSelect(false);
  EXPECT_EQ(ownedCounter.Count, 0);
}

TEST(EditProperties, ProviderAnswersUnassignedValues) {
  class TRightProvider : public TcxCustomEditDefaultValuesProvider {
   public:
    TAlignment DefaultAlignment() override { return taRightJustify; }
    double DefaultMaxValue() override { return 99; }
    bool DefaultReadOnly() override { return true; }
  };
  TcxCustomEditProperties p(nullptr);
  EXPECT_EQ(p.GetMaxValue(), 0.0);
  {
    TRightProvider provider;
    p.SetDefaultValuesProvider(&provider);
    EXPECT_EQ(p.Alignment()->Horz(), taRightJustify);
    EXPECT_FALSE(p.Alignment()->IsHorzAssigned());
    EXPECT_FALSE(p.IsAlignmentStored());
    EXPECT_EQ(p.GetMaxValue(), 99.0);
    EXPECT_TRUE(p.ReadOnly());
    p.SetMaxValue(5);
    EXPECT_EQ(p.GetMaxValue(), 5.0) << "an assigned value wins";
  }
  // The provider told its users when it went.
  EXPECT_EQ(p.DefaultValuesProvider(), nullptr);
  EXPECT_FALSE(p.ReadOnly());
}

TEST(EditProperties, AssignCopiesButNotTheClosePopupEvent) {
  TcxCustomEditProperties source(nullptr), target(nullptr);
  TChangeCounter handler;
  source.OnChange = TNotifyEvent(&handler, &TChangeCounter::Changed);
  source.OnClosePopup = TcxEditClosePopupEvent(&handler, &TChangeCounter::ClosePopup);
  source.SetReadOnly(true);
  source.SetImmediatePost(true);
  source.Buttons()->Add()->SetKind(bkEllipsis);
  TChangeCounter counter;
  counter.Attach(&target);
  target.Assign(&source);
  EXPECT_EQ(counter.Count, 1);
  EXPECT_TRUE(target.ReadOnly());
  EXPECT_TRUE(target.ImmediatePost());
  ASSERT_EQ(target.Buttons()->Count(), 1);
  EXPECT_EQ(target.Buttons()->Items(0)->Kind(), bkEllipsis);
  EXPECT_TRUE(target.OnChange == source.OnChange);
  EXPECT_FALSE(target.OnClosePopup);
}

TEST(EditProperties, ClassObjectNamesTheKindsClasses) {
  TcxCustomEditPropertiesClass info = TcxCustomEditProperties::ClassInfoOf(TcxCustomEditProperties::StaticClass());
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->GetStyleClass(), TcxEditStyle::StaticClass());
  EXPECT_EQ(info->GetViewInfoClass(), TcxCustomEditViewInfo::StaticClass());
  EXPECT_EQ(info->GetViewDataClass(), TcxCustomEditViewData::StaticClass());
  EXPECT_EQ(info->GetButtonsClass(), TcxEditButtons::StaticClass());
  TcxCustomEditProperties p(nullptr);
  std::unique_ptr<TcxCustomEditProperties> same(p.CreateSameClass());
  EXPECT_EQ(same->ClassType(), p.ClassType());
  EXPECT_EQ(same->Owner(), nullptr);
  const auto& live = LivePropertiesList();
  EXPECT_NE(std::find(live.begin(), live.end(), same.get()), live.end());
}

class TKindButton : public TcxEditButton {
  VAMIRE_CLASS(TKindButton, TcxEditButton)
 public:
  using TcxEditButton::TcxEditButton;
};
class TKindButtons : public TcxEditButtons {
  VAMIRE_CLASS(TKindButtons, TcxEditButtons)
 public:
  explicit TKindButtons(TPersistent* AOwner) : TcxEditButtons(AOwner, TKindButton::StaticClass()) {}
};
class TKindProperties : public TcxCustomEditProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TKindProperties, TcxCustomEditProperties)
 public:
  explicit TKindProperties(TPersistent* AOwner) : TcxCustomEditProperties(AOwner, StaticClass()) {}
  static TClass GetButtonsClass() { return TKindButtons::StaticClass(); }
};

TEST(EditProperties, KindMakesItsOwnButtons) {
  std::unique_ptr<TcxCustomEditProperties> p(
      static_cast<TcxCustomEditProperties*>(TKindProperties::StaticClass()->Create(nullptr)));
  EXPECT_EQ(p->Buttons()->ClassType(), TKindButtons::StaticClass());
  EXPECT_EQ(p->Buttons()->Add()->ClassType(), TKindButton::StaticClass());
}

// --- Buttons --------------------------------------------------------------------------------
TEST(EditButtons, DefaultIsOneButtonAtATime) {
  TcxCustomEditProperties p(nullptr);
  TChangeCounter counter;
  counter.Attach(&p);
  TcxEditButtons* buttons = p.Buttons();
  for (int i = 0; i < 3; ++i) buttons->Add();
  buttons->Items(0)->SetDefault(true);
  buttons->Items(2)->SetDefault(true);
  EXPECT_FALSE(buttons->Items(0)->Default());
  EXPECT_TRUE(buttons->Items(2)->Default());
  buttons->Items(1)->SetDefault(true);
  int defaults = 0;
  for (int i = 0; i < 3; ++i) defaults += buttons->Items(i)->Default();
  EXPECT_EQ(defaults, 1);
  const int before = counter.Count;
  buttons->Items(1)->SetCaption(L"&Open && save");
  EXPECT_EQ(buttons->Items(1)->VisibleCaption(), L"Open & save");
  EXPECT_EQ(counter.Count, before + 1);
  buttons->Items(1)->SetVisible(false);
  EXPECT_EQ(buttons->VisibleCount(), 2);
  EXPECT_EQ(p.GetEditCapabilities(), 32u);
}

// --- Styles ---------------------------------------------------------------------------------
TEST(EditStyles, StateStyleWritesGoToTheNormalStyle) {
  TcxContainerStyles styles(nullptr, TcxEditStyle::StaticClass());
  auto* normal = static_cast<TcxEditStyle*>(styles.Style());
  auto* hot = static_cast<TcxEditStyle*>(styles.StyleHot());
  hot->SetButtonTransparency(ebtHideInactive);
  EXPECT_EQ(normal->ButtonTransparency(), ebtHideInactive);
  EXPECT_EQ(hot->ButtonTransparency(), ebtHideInactive);
  EXPECT_TRUE(normal->AssignedValues().Contains(svButtonTransparency));
  EXPECT_FALSE(hot->AssignedValues().Contains(svButtonTransparency));
  // ButtonStyle is the state style's own.
  hot->SetButtonStyle(btsFlat);
  EXPECT_EQ(normal->ButtonStyle(), btsDefault);
  EXPECT_EQ(hot->ButtonStyle(), btsFlat);
  String name;
  ASSERT_TRUE(normal->GetValueName(svGradientDirection, name));
  EXPECT_EQ(name, L"GradientDirection");
  ASSERT_TRUE(normal->GetValueName(svBorderStyle, name));
  EXPECT_EQ(name, L"BorderStyle");
  EXPECT_FALSE(hot->IsStylePropertyPublished(L"ButtonTransparency"));
  EXPECT_TRUE(hot->IsStylePropertyPublished(L"ButtonStyle"));
  EXPECT_TRUE(hot->IsStylePropertyPublished(L"BorderStyle"));
}

TEST(EditStyles, DefaultControllerSuppliesUnassignedValuesAndLeavesAtUnitEnd) {
  TcxEditStyleController* controller = GetDefaultEditStyleController();
  ASSERT_NE(controller, nullptr);
  EXPECT_EQ(GetDefaultStyleController(), controller);
  TcxContainerStyles styles(nullptr, TcxEditStyle::StaticClass());
  auto* normal = static_cast<TcxEditStyle*>(styles.Style());
  EXPECT_EQ(normal->StyleController(), nullptr) << "the default controller is not streamed";
  controller->EditStyle()->SetButtonStyle(bts3D);
  EXPECT_EQ(normal->ButtonStyle(), bts3D);
  EXPECT_TRUE(normal->IsValueAssigned(svButtonStyle));
  EXPECT_FALSE(normal->IsButtonStyleStored());
  normal->SetButtonStyle(btsOffice11);
  EXPECT_EQ(normal->ButtonStyle(), btsOffice11);
  controller->EditStyle()->SetAssignedValues({});

  cxEdit_Finalize();
  EXPECT_EQ(GetDefaultStyleController(), nullptr);
  EXPECT_EQ(GetDefaultEditStyleController(), nullptr);
  EXPECT_EQ(normal->ActiveStyleController(), nullptr) << "the styles let go of the freed controller";
  cxEdit_Initialize();
  EXPECT_NE(GetDefaultEditStyleController(), nullptr);
}

TEST(EditStyles, DirectStyleNeverTakesTheDefaultController) {
  TcxEditStyle direct(nullptr, true);
  EXPECT_EQ(direct.ActiveStyleController(), nullptr);
  EXPECT_EQ(direct.ButtonStyle(), btsDefault);
}

// --- Repository and registries ----------------------------------------------------------------
class TListenerEditor : public TcxIUnknownObject, public IcxEditItemListener {
  VAMIRE_CLASS(TListenerEditor, TcxIUnknownObject)
 public:
  TListenerEditor() = default;
  int32_t QueryInterface(const TGUID& iid, void** obj) override { return TcxIUnknownObject::QueryInterface(iid, obj); }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }
  void Use(TcxEditRepositoryItem* AItem) {
    Item = AItem;
    AItem->AddListener(this);
  }
  void ItemRemoved(TcxEditRepositoryItem* Sender) override {
    if (Item == Sender) {
      Sender->RemoveListener(this);
      Item = nullptr;
    }
  }
  void PropertiesChanged(TcxEditRepositoryItem*) override { ++Changes; }
  TcxEditRepositoryItem* Item = nullptr;
  int Changes = 0;
};

class TcxEditRepositoryTextItem : public TcxEditRepositoryItem {
  VAMIRE_CLASS(TcxEditRepositoryTextItem, TcxEditRepositoryItem)
 public:
  using TcxEditRepositoryItem::TcxEditRepositoryItem;
};

TEST(EditRepository, FreedItemClearsEveryEditorUsingIt) {
  TcxEditRepository repository(nullptr);
  repository.SetName(L"Repo");
  TcxEditRepositoryItem* item = repository.CreateItem(TcxEditRepositoryTextItem::StaticClass());
  EXPECT_EQ(repository.Count(), 1);
  EXPECT_EQ(item->GetBaseName(), L"RepoTextItem");
  TListenerEditor a, b;
  a.Use(item);
  b.Use(item);
  item->AddListener(&a);
  EXPECT_EQ(item->ListenerCount(), 2);
  item->Properties()->SetAutoSelect(false);
  EXPECT_EQ(a.Changes, 1);
  EXPECT_EQ(b.Changes, 1);
  delete item;
  EXPECT_EQ(a.Item, nullptr);
  EXPECT_EQ(b.Item, nullptr);
  EXPECT_EQ(repository.Count(), 0);
  TcxEditRepositoryItem plain(nullptr);
  EXPECT_EQ(plain.GetBaseName(), L"Item") << "no repository, no prefix";
}

class TTextProps : public TcxCustomEditProperties {
  VAMIRE_EDIT_PROPERTIES_CLASS(TTextProps, TcxCustomEditProperties)
 public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
};
class TMaskProps : public TTextProps {
  VAMIRE_EDIT_PROPERTIES_CLASS(TMaskProps, TTextProps)
 public:
  using TTextProps::TTextProps;
};
class TTextHelper : public TcxCustomFilterEditHelper {
  VAMIRE_CLASS_META(TTextHelper, TcxCustomFilterEditHelper, TcxFilterEditHelperClassOf<TTextHelper>)
 public:
  TTextHelper() = default;
  static bool KeepsEditButtons() { return true; }
};

TEST(EditRegistries, FilterHelperOfTheNearestRegisteredAncestor) {
  TcxFilterEditsController* controller = GetFilterEditsController();
  controller->Register(TcxCustomEditProperties::StaticClass(), TcxCustomFilterEditHelper::StaticClass());
  controller->Register(TMaskProps::StaticClass(), TTextHelper::StaticClass());
  // Filed under the mask properties' parent: the text properties and below.
  EXPECT_EQ(controller->FindHelper(TMaskProps::StaticClass()), TTextHelper::StaticClass());
  EXPECT_EQ(controller->FindHelper(TTextProps::StaticClass()), TTextHelper::StaticClass());
  EXPECT_TRUE(controller->FindHelper(TMaskProps::StaticClass())->KeepsEditButtons());
  controller->Unregister(TMaskProps::StaticClass(), TTextHelper::StaticClass());
  controller->Unregister(TcxCustomEditProperties::StaticClass(), TcxCustomFilterEditHelper::StaticClass());
  EXPECT_EQ(GetFilterEditsController()->Count(), 0) << "a fresh controller after the last registration left";
}

TEST(EditRegistries, PropertiesClassesSortedByDescription) {
  TcxRegisteredClasses* registry = EditPropertiesRegistry();
  registry->Register(TTextProps::StaticClass(), ResolveResourceString(&scxSEditRepositoryTextItem));
  registry->Register(TMaskProps::StaticClass(), ResolveResourceString(&scxSEditRepositoryMaskItem));
  ASSERT_EQ(registry->Count(), 2);
  EXPECT_EQ(registry->Items(0), TMaskProps::StaticClass());
  EXPECT_EQ(registry->Descriptions(1), L"TextEdit") << "the short name before the bar";
  registry->Unregister(TTextProps::StaticClass());
  registry->Unregister(TMaskProps::StaticClass());
}

TEST(EditRegistries, FilterEditorIsEditableAndBare) {
  TcxCustomEditProperties source(nullptr), filter(nullptr);
  TChangeCounter handler;
  source.SetReadOnly(true);
  source.SetBeepOnError(true);
  source.Buttons()->Add();
  source.OnChange = TNotifyEvent(&handler, &TChangeCounter::Changed);
  source.Alignment()->SetHorz(taCenter);
  auto helper = dynamic_cast<TcxCustomFilterEditHelperClass>(TcxCustomFilterEditHelper::StaticClass());
  ASSERT_NE(helper, nullptr);
  helper->PreparePropertiesForFilter(&filter, &source, helper->KeepsEditButtons());
  EXPECT_FALSE(filter.ReadOnly());
  EXPECT_TRUE(filter.ValidateOnEnter());
  EXPECT_FALSE(filter.BeepOnError());
  EXPECT_EQ(filter.Buttons()->Count(), 0);
  EXPECT_FALSE(filter.OnChange);
  EXPECT_EQ(filter.InnerAlignment()->Horz(), taLeftJustify);
  uint64_t ops = 0;
  helper->GetAllowedOperators(&filter, false, false, ops, false);
  EXPECT_EQ(ops, 2046u & ~0x180u);
  helper->GetAllowedOperators(&filter, true, true, ops, true);
  EXPECT_EQ(ops, 32766u);
}

// --- Brush cache ----------------------------------------------------------------------------
TEST(EditBrushCache, SystemColoursAreNeverCachedAndTheRarestGoes) {
  TcxSolidBrushCache cache(128);
  EXPECT_EQ(cache.Brush(clBtnFace), GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(cache.Count(), 0);
  // 128 colours, each used once more except colour 40.
  for (int i = 0; i < 128; ++i) cache.Brush(TColor(i * 2));
  for (int i = 0; i < 128; ++i)
    if (i != 40) cache.Brush(TColor(i * 2));
  EXPECT_EQ(cache.BrushesCreated(), 128);
  // A new colour sorting far from it still evicts the unused one.
  cache.Brush(TColor(1001));
  EXPECT_EQ(cache.Count(), 128);
  auto has = [&](TColor c) {
    for (int i = 0; i < cache.Count(); ++i)
      if (cache.Colors(i) == c) return true;
    return false;
  };
  EXPECT_FALSE(has(80));
  EXPECT_TRUE(has(1001));
  for (int i = 1; i < cache.Count(); ++i) ASSERT_LT(cache.Colors(i - 1), cache.Colors(i)) << "kept sorted";
  // With no count at 0 (1001 and 0 used again), the first entry of the
  // smallest count goes: colour 2.
  cache.Brush(TColor(1001));
  cache.Brush(TColor(0));
  cache.Brush(TColor(2000));
  EXPECT_FALSE(has(2)) << "the first entry of the smallest count";
  EXPECT_TRUE(has(0));
  cache.Clear();
  EXPECT_EQ(cache.Count(), 0);
}

TEST(EditBrushCache, SharedCacheLivesWithTheUnit) {
  ASSERT_NE(EditBrushCache(), nullptr);
  EXPECT_EQ(EditBrushCache()->Capacity(), 128);
  EXPECT_EQ(EditSystemBrush(clWindow), GetSysColorBrush(COLOR_WINDOW));
  EXPECT_EQ(EditSystemBrush(clRed), nullptr);
}

// --- Strings --------------------------------------------------------------------------------
TEST(EditStrings, EditorProductFiles105InOrder) {
  TdxResourceStringsRepository* repository = GetResourceStringsRepository();
  const int index = repository->IndexOfProduct(cxEditorsLibraryProductName);
  ASSERT_GE(index, 0);
  EXPECT_EQ(repository->Products(index)->Count(), 105);
  const PResStringRec* filed = cxEditConstsFiled();
  EXPECT_EQ(filed[0], &cxSEditButtonCancel);
  EXPECT_EQ(filed[30], &scxRegExprLine);
  EXPECT_EQ(filed[56], &cxSSpinEditInvalidNumericValue);
  EXPECT_EQ(filed[57], &cxSEditDateConvertError);
  EXPECT_EQ(filed[102], &scxMaskEditMaskCollectionFiles);
  EXPECT_EQ(filed[103], &scxRegExprTooComplex);
  EXPECT_EQ(filed[104], &scxRegExprNestedTooDeeply);
  for (int i = 0; i < 105; ++i) ASSERT_NE(filed[i], nullptr);
  EXPECT_EQ(ResolveResourceString(&cxSEditInvalidRepositoryItem), L"The repository item is not acceptable");
  EXPECT_EQ(ResolveResourceString(&cxSEditCheckBoxGrayed), L"");
  EXPECT_EQ(ResolveResourceString(&cxSMenuItemCaptionCut), L"Cu&t");
  EXPECT_EQ(ResolveResourceString(&scxSEditRepositoryTextItem), L"TextEdit|Represents a single line text editor");
  for (int i = 57; i < 103; ++i) EXPECT_FALSE(ResolveResourceString(filed[i]).empty()) << filed[i]->Identifier;
}

TEST(EditStrings, FilterControlHas35UnderItsOwnProduct) {
  TdxResourceStringsRepository* repository = GetResourceStringsRepository();
  const int index = repository->IndexOfProduct(cxFilterControlProductName);
  ASSERT_GE(index, 0);
  EXPECT_NE(String(cxFilterControlProductName), String(L"Toolkit Filter"));
  EXPECT_EQ(repository->Products(index)->Count(), 35);
  EXPECT_EQ(cxFilterControlStrsFiled()[0], &cxSFilterRootButtonCaption);
  EXPECT_EQ(cxFilterControlStrsFiled()[34], &cxSFilterControlDialogFileFilter);
}

// --- Streamed classes -----------------------------------------------------------------------
TEST(EditStreamed, FreshInstancesHoldTheirTablesDefaults) {
  const std::vector<TStreamedClassInfo> classes = StreamedClasses();
  ASSERT_GE(classes.size(), 9u);
  for (const TStreamedClassInfo& info : classes) {
    ASSERT_NE(info.CreateFresh, nullptr) << info.Class->ClassName();
    TObject* fresh = info.CreateFresh();
    ASSERT_NE(fresh, nullptr) << info.Class->ClassName();
    EXPECT_EQ(PublishedDefaultMismatches(fresh), std::vector<String>{}) << info.Class->ClassName();
    delete fresh;
  }
  EXPECT_EQ(GetClass(L"TcxEditStyleController"), TcxEditStyleController::StaticClass());
  EXPECT_NE(FindPublished(TcxEditStyle::StaticClass(), L"ButtonTransparency"), nullptr);
}

}  // namespace
