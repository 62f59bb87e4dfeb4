// What a form file holds of a bar manager, its bars and its image settings, and
// the manager's streaming: the defined properties, the read count, the Loaded
// sequence, renaming at design time and the order of its children.
#include <algorithm>

#include "dxBar_internal.h"

using enum TdxBarItemMergeKind;

using M = TdxBarManager;
using IO = TdxBarImageOptions;

VAMIRE_PUBLISHED(TdxBarManager,
                 Prop(L"AllowCallFromAnotherForm", &M::AllowCallFromAnotherForm).Default(false),
                 Prop(L"AllowReset", &M::AllowReset).Default(true),
                 Prop(L"AlwaysMerge", &M::AlwaysMerge).Default(false),
                 Prop(L"AlwaysSaveText", &M::AlwaysSaveText).Default(false),
                 Prop(L"AutoAlignBars", &M::AutoAlignBars, &M::SetAutoAlignBars).Default(false),
                 Prop(L"AutoDockColor", &M::AutoDockColor, &M::SetAutoDockColor).Default(true),
                 Prop(L"AutoHideEmptyBars", &M::AutoHideEmptyBars, &M::SetAutoHideEmptyBars).Default(false),
                 Prop(L"Scaled", &M::Scaled, &M::SetScaled).Default(true),
                 // The system's menu font is taken again where the file is read, so only a
                 // font of one's own is written: reading it back would turn UseSystemFont off.
                 Prop(L"Font", &M::Font, &M::SetFont).Stored(&M::IsFontStored),
                 Prop(L"ButtonArrowWidth", &M::ButtonArrowWidth, &M::SetButtonArrowWidth).Default(int64_t(11)),
                 Prop(L"CanCustomize", &M::CanCustomize).Default(true),
                 Prop(L"Categories", &M::Categories, &M::SetCategories),
                 Prop(L"DockColor", &M::DockColor, &M::SetDockColor).Idents(&ColorIdentMapper)
                     .Default(clBtnFace).Stored(&M::IsDockColorStored),
                 Prop(L"FlatCloseButton", &M::FlatCloseButton, &M::SetFlatCloseButton).Default(false),
                 Prop(L"HelpButtonGlyph", &M::HelpButtonGlyph, &M::SetHelpButtonGlyph),
                 Prop(L"HelpContext", &M::HelpContext).Default(int64_t(0)),
                 Prop(L"HideFloatingBarsWhenInactive", &M::HideFloatingBarsWhenInactive,
                      &M::SetHideFloatingBarsWhenInactive).Default(true),
                 Prop(L"ImageOptions", &M::ImageOptions, &M::SetImageOptions),
                 Prop(L"DisabledImages", &M::DisabledImages, &M::SetDisabledImages).Stored(false),
                 Prop(L"DisabledLargeImages", &M::DisabledLargeImages, &M::SetDisabledLargeImages).Stored(false),
                 Prop(L"HotImages", &M::HotImages, &M::SetHotImages).Stored(false),
                 Prop(L"Images", &M::Images, &M::SetImages).Stored(false),
                 Prop(L"LargeImages", &M::LargeImages, &M::SetLargeImages).Stored(false),
                 Prop(L"ImageListBkColor", &M::ImageListBkColor, &M::SetImageListBkColor).Stored(false),
                 Prop(L"LargeIcons", &M::LargeIcons, &M::SetLargeIcons).Stored(false),
                 Prop(L"MakeDisabledImagesFaded", &M::MakeDisabledImagesFaded, &M::SetMakeDisabledImagesFaded)
                     .Stored(false),
                 Prop(L"StretchGlyphs", &M::StretchGlyphs, &M::SetStretchGlyphs).Stored(false),
                 Prop(L"UseLargeImagesForLargeIcons", &M::UseLargeImagesForLargeIcons,
                      &M::SetUseLargeImagesForLargeIcons).Stored(false),
                 Prop(L"IniFileName", &M::IniFileName),
                 Prop(L"LargeButtonArrowWidth", &M::LargeButtonArrowWidth, &M::SetLargeButtonArrowWidth)
                     .Default(int64_t(13)),
                 Prop(L"LookAndFeel", &M::LookAndFeel, &M::SetLookAndFeel),
                 Prop(L"MenuAnimations", &M::MenuAnimations, &M::SetMenuAnimations).Default(maNone),
                 Prop(L"MenusShowRecentItemsFirst", &M::MenusShowRecentItemsFirst, &M::SetMenusShowRecentItemsFirst)
                     .Default(true),
                 Prop(L"MostRecentItemsPercents", &M::MostRecentItemsPercents, &M::SetMostRecentItemsPercents)
                     .Default(int64_t(95)),
                 Prop(L"NotDocking", &M::NotDocking, &M::SetNotDocking).Default(TdxBarDockingStyles{}),
                 Prop(L"RegistryPath", &M::RegistryPath, &M::SetRegistryPath),
                 Prop(L"ShowCloseButton", &M::ShowCloseButton, &M::SetShowCloseButton).Default(false),
                 Prop(L"ShowFullMenusAfterDelay", &M::ShowFullMenusAfterDelay, &M::SetShowFullMenusAfterDelay)
                     .Default(true),
                 Prop(L"ShowHelpButton", &M::ShowHelpButton, &M::SetShowHelpButton).Default(false),
                 Prop(L"ShowHint", &M::ShowHint, &M::SetShowHint).Default(true),
                 Prop(L"ShowHintForDisabledItems", &M::ShowHintForDisabledItems).Default(true),
                 Prop(L"ShowShortCutInHint", &M::ShowShortCutInHint, &M::SetShowShortCutInHint).Default(false),
                 Prop(L"StoreInIniFile", &M::StoreInIniFile).Default(false),
                 Prop(L"StoreInRegistry", &M::StoreInRegistry).Default(false),
                 Prop(L"Style", &M::Style, &M::SetStyle).Default(bmsUseLookAndFeel),
                 Prop(L"SunkenBorder", &M::SunkenBorder, &M::SetSunkenBorder).Default(false),
                 Prop(L"UseF10ForMenu", &M::UseF10ForMenu).Default(true),
                 Prop(L"UseFullReset", &M::UseFullReset).Default(false),
                 Prop(L"UseSystemFont", &M::UseSystemFont, &M::SetUseSystemFont).Default(true),
                 Prop(L"WaitForDockingTime", &M::WaitForDockingTime, &M::SetWaitForDockingTime).Default(int64_t(21)),
                 Prop(L"OnBarAdd", &M::OnBarAdd), Prop(L"OnBarAfterReset", &M::OnBarAfterReset),
                 Prop(L"OnBarBeforeReset", &M::OnBarBeforeReset), Prop(L"OnBarClose", &M::OnBarClose),
                 Prop(L"OnBarDelete", &M::OnBarDelete), Prop(L"OnBarDockingStyleChange", &M::OnBarDockingStyleChange),
                 Prop(L"OnBarVisibleChange", &M::OnBarVisibleChange), Prop(L"OnClickItem", &M::OnClickItem),
                 Prop(L"OnCloseButtonClick", &M::OnCloseButtonClick), Prop(L"OnDocking", &M::OnDocking),
                 Prop(L"OnHelpButtonClick", &M::OnHelpButtonClick),
                 Prop(L"OnHideCustomizingForm", &M::OnHideCustomizingForm),
                 Prop(L"OnShowCustomizingForm", &M::OnShowCustomizingForm))

VAMIRE_PUBLISHED(TdxBarImageOptions,
                 Prop(L"CacheGlyphs", &IO::CacheGlyphs, &IO::SetCacheGlyphs).Default(true),
                 Prop(L"DisabledImages", &IO::DisabledImages, &IO::SetDisabledImages),
                 Prop(L"DisabledLargeImages", &IO::DisabledLargeImages, &IO::SetDisabledLargeImages),
                 Prop(L"HotImages", &IO::HotImages, &IO::SetHotImages),
                 Prop(L"ImageListBkColor", &IO::ImageListBkColor, &IO::SetImageListBkColor).Idents(&ColorIdentMapper)
                     .Default(int64_t(0xFF00FF)),
                 Prop(L"Images", &IO::Images, &IO::SetImages),
                 Prop(L"LargeIcons", &IO::LargeIcons, &IO::SetLargeIcons).Default(false),
                 Prop(L"LargeImages", &IO::LargeImages, &IO::SetLargeImages),
                 Prop(L"MakeDisabledImagesFaded", &IO::MakeDisabledImagesFaded, &IO::SetMakeDisabledImagesFaded)
                     .Default(false),
                 Prop(L"SmoothGlyphs", &IO::SmoothGlyphs, &IO::SetSmoothGlyphs).Default(false),
                 Prop(L"StretchGlyphs", &IO::StretchGlyphs, &IO::SetStretchGlyphs).Default(true),
                 Prop(L"UseLargeImagesForLargeIcons", &IO::UseLargeImagesForLargeIcons,
                      &IO::SetUseLargeImagesForLargeIcons).Default(false),
                 Prop(L"UseLeftBottomPixelAsTransparent", &IO::UseLeftBottomPixelAsTransparent,
                      &IO::SetUseLeftBottomPixelAsTransparent).Default(true))

using B = TdxBar;
VAMIRE_PUBLISHED(TdxBar,
                 Prop(L"AllowClose", &B::AllowClose, &B::SetAllowClose).Default(true),
                 Prop(L"AllowCustomizing", &B::AllowCustomizing).Default(true),
                 Prop(L"AllowQuickCustomizing", &B::AllowQuickCustomizing, &B::SetAllowQuickCustomizing).Default(true),
                 Prop(L"AllowReset", &B::AllowReset).Default(true),
                 Prop(L"AlphaBlendValue", &B::AlphaBlendValue, &B::SetAlphaBlendValue).Default(int64_t(255)),
                 Prop(L"BorderStyle", &B::BorderStyle, &B::SetBorderStyle).Default(bbsSingle),
                 Prop(L"Caption", &B::Caption, &B::SetCaption).NoDefault(),
                 Prop(L"Color", &B::Color, &B::SetColor).Idents(&ColorIdentMapper).Default(int64_t(clDefault)),
                 Prop(L"DockedDockingStyle", &B::DockedDockingStyle, &B::SetDockedDockingStyle)
                     .Default(dsTop).Stored(&B::IsDockedDockingStyleStored),
                 Prop(L"DockedLeft", &B::DockedLeft, &B::SetDockedLeft).NoDefault(),
                 Prop(L"DockedTop", &B::DockedTop, &B::SetDockedTop).NoDefault(),
                 Prop(L"DockingStyle", &B::DockingStyle, &B::SetDockingStyle).NoDefault()
                     .Stored(&B::IsDockingStyleStored),
                 Prop(L"FloatLeft", &B::FloatLeft, &B::SetFloatLeft).NoDefault(),
                 Prop(L"FloatTop", &B::FloatTop, &B::SetFloatTop).NoDefault(),
                 Prop(L"FloatClientWidth", &B::FloatClientWidth, &B::SetFloatClientWidth).NoDefault(),
                 Prop(L"FloatClientHeight", &B::FloatClientHeight, &B::SetFloatClientHeight).NoDefault(),
                 Prop(L"Font", &B::Font, &B::SetFont).Stored(&B::IsFontStored),
                 Prop(L"Hidden", &B::Hidden, &B::SetHidden).Default(false),
                 Prop(L"IsMainMenu", &B::IsMainMenu, &B::SetIsMainMenu).Default(false),
                 Prop(L"ItemLinks", &B::ItemLinks, &B::SetItemLinks),
                 Prop(L"KeyTip", &B::KeyTip),
                 Prop(L"MultiLine", &B::MultiLine, &B::SetMultiLine).Default(false),
                 Prop(L"NotDocking", &B::NotDocking, &B::SetNotDocking).Default(TdxBarDockingStyles{}),
                 Prop(L"OldName", &B::OldName),
                 Prop(L"OneOnRow", &B::OneOnRow, &B::SetOneOnRow).NoDefault(),
                 Prop(L"RotateWhenVertical", &B::RotateWhenVertical, &B::SetRotateWhenVertical).Default(true),
                 Prop(L"Row", &B::Row, &B::SetRow).NoDefault(),
                 Prop(L"ShowMark", &B::ShowMark, &B::SetShowMark).Default(true),
                 Prop(L"SizeGrip", &B::SizeGrip, &B::SetSizeGrip).Default(true),
                 Prop(L"UseOwnFont", &B::UseOwnFont, &B::SetUseOwnFont).NoDefault(),
                 Prop(L"UseRecentItems", &B::UseRecentItems, &B::SetUseRecentItems).Default(true),
                 Prop(L"UseRestSpace", &B::UseRestSpace, &B::SetUseRestSpace).Default(false),
                 Prop(L"Visible", &B::Visible, &B::SetVisible).NoDefault(),
                 Prop(L"WholeRow", &B::WholeRow, &B::SetWholeRow).NoDefault())

using L = TdxBarItemLink;
VAMIRE_PUBLISHED(TdxBarItemLink,
                 Prop(L"BeginGroup", &L::StoredBeginGroup, &L::SetBeginGroup).Default(false),
                 Prop(L"ButtonGroup", &L::ButtonGroup, &L::SetButtonGroup).Default(bgpNone),
                 Prop(L"Distributed", &L::Distributed, &L::SetDistributed).Default(true),
                 Prop(L"MostRecentlyUsed", &L::MostRecentlyUsed, &L::SetMostRecentlyUsed).Default(true),
                 Prop(L"Position", &L::Position, &L::SetPosition).Default(ipBeginsNewRow),
                 Prop(L"UserCaption", &L::UserCaption, &L::SetUserCaption),
                 Prop(L"UserDefine", &L::UserDefine, &L::SetUserDefine).Default(TdxBarUserDefines{}),
                 Prop(L"UserPaintStyle", &L::UserPaintStyle, &L::SetUserPaintStyle).Default(psStandard),
                 Prop(L"UserWidth", &L::UserWidth, &L::SetUserWidth).Default(int64_t(0)),
                 Prop(L"ViewLevels", &L::ViewLevels, &L::SetViewLevels)
                     .Default(TdxBarItemViewLevels{ivlLargeIconWithText, ivlSmallIconWithText, ivlSmallIcon,
                                                   ivlControlOnly}),
                 Prop(L"Visible", &L::Visible, &L::SetVisible).Default(true))

using I = TdxBarItem;
VAMIRE_PUBLISHED(TdxBarItem,
                 Prop(L"Action", &I::Action, &I::SetAction),
                 Prop(L"Align", &I::Align, &I::SetAlign).Default(iaLeft),
                 Prop(L"Caption", &I::Caption, &I::SetCaption).Stored(&I::IsCaptionStored),
                 Prop(L"Category", &I::Category, &I::SetCategory).NoDefault(),
                 Prop(L"Description", &I::Description, &I::SetDescription),
                 Prop(L"Enabled", &I::Enabled, &I::SetEnabled).Default(true).Stored(&I::IsEnabledStored),
                 Prop(L"HelpContext", &I::HelpContext, &I::SetHelpContext).Default(int64_t(0))
                     .Stored(&I::IsHelpContextStored),
                 Prop(L"Hint", &I::Hint, &I::SetHint).Stored(&I::IsHintStored),
                 Prop(L"KeyTip", &I::KeyTip, &I::SetKeyTip),
                 Prop(L"MergeKind", &I::MergeKind, &I::SetMergeKind).Default(int64_t(mkAdd)),
                 Prop(L"MergeOrder", &I::MergeOrder, &I::SetMergeOrder).Default(int64_t(0)),
                 Prop(L"Style", &I::Style, &I::SetStyle),
                 Prop(L"Visible", &I::Visible, &I::SetVisible).Default(ivAlways).Stored(&I::IsVisibleStored),
                 Prop(L"OnDestroy", &I::OnDestroy))

VAMIRE_PUBLISHED(TdxBarItemOptions,
                 Prop(L"ShowDescriptions", &TdxBarItemOptions::ShowDescriptions,
                      &TdxBarItemOptions::SetShowDescriptions).Stored(&TdxBarItemOptions::IsShowDescriptionsStored),
                 Prop(L"ShowShortCuts", &TdxBarItemOptions::ShowShortCuts, &TdxBarItemOptions::SetShowShortCuts)
                     .Stored(&TdxBarItemOptions::IsShowShortCutsStored),
                 Prop(L"Size", &TdxBarItemOptions::Size, &TdxBarItemOptions::SetSize)
                     .Stored(&TdxBarItemOptions::IsSizeStored))

VAMIRE_PUBLISHED(TdxBarGroup,
                 Prop(L"Enabled", &TdxBarGroup::Enabled, &TdxBarGroup::SetEnabled).Default(true),
                 Prop(L"Visible", &TdxBarGroup::Visible, &TdxBarGroup::SetVisible).Default(ivAlways))

// --- Defined properties ------------------------------------------------------------------

void TdxBarManager::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(L"Bars", TReaderProc(this, &TdxBarManager::ReadBars),
                        TWriterProc(this, &TdxBarManager::WriteBars), false);
  Filer->DefineProperty(L"DockControlHeights", TReaderProc(this, &TdxBarManager::ReadDockControlHeights),
                        TWriterProc(this, &TdxBarManager::WriteDockControlHeights), true);
}

// Older form files list the bars inside the manager: the i-th entry names the
// i-th bar (made when missing); a leading number is the entry's order, not used.
void TdxBarManager::ReadBars(TReader* Reader) {
  if (Reader->ReadValue() != vaCollection) throw EReadError(L"The bar list is not a collection");
  int index = 0;
  while (!Reader->EndOfList()) {
    if (Reader->NextValue() >= vaInt8 && Reader->NextValue() <= vaInt32) Reader->ReadInteger();
    Reader->ReadListBegin();
    TdxBar* bar = index < FBars->Count() ? FBars->Items(index) : FBars->Add();
    const String name = bar->Name();
    while (!Reader->EndOfList()) Reader->ReadProperty(bar);
    if (bar->Name() != name) bar->SetName(name);
    Reader->ReadListEnd();
    ++index;
  }
  Reader->ReadListEnd();
}

void TdxBarManager::ReadDockControlHeights(TReader* Reader) {
  Reader->ReadListBegin();
  for (int i = 0; i < 4 && !Reader->EndOfList(); ++i) FDockSizes[i] = Reader->ReadInteger();
  while (!Reader->EndOfList()) Reader->SkipValue();
  Reader->ReadListEnd();
}

void TdxBarManager::WriteDockControlHeights(TWriter* Writer) {
  Writer->WriteListBegin();
  for (int size : FDockSizes) Writer->WriteInteger(size);
  Writer->WriteListEnd();
}

// --- Reading and Loaded ------------------------------------------------------------------

void TdxBarManager::ReadState(TReader* Reader) {
  inherited::ReadState(Reader);
  ++FReadStateCount;
}

void TdxBarManager::Loaded() {
  inherited::Loaded();
  if (IsUpdateLocked()) return;
  FState.Include(bmsLoading);
  TdxBarFinally clearBits([this] {
    FState.Exclude(bmsLoading);
    FState.Exclude(bmsApplyingLoadedBars);
  });
  // Items of one category keep their order: adjacent swaps until a pass makes none.
  if (IsDesigning()) {
    for (bool swapped = true; swapped;) {
      swapped = false;
      for (int i = 0; i + 1 < ItemCount(); ++i)
        if (Items(i + 1)->Category() < Items(i)->Category()) {
          MoveItem(i + 1, i);
          swapped = true;
        }
    }
  }
  // The bars' streamed docking and the stored layout are applied with the bars'
  // docking and the layout persistence.
  FState.Include(bmsApplyingLoadedBars);
  for (int i = 0; i < FBars->Count(); ++i) {
    TdxBar* bar = FBars->Items(i);
    if (bar->ItemLinks()) bar->ItemLinks()->ResolveLoadedItems();
  }
  FState.Exclude(bmsApplyingLoadedBars);
  {
    LockUpdate(true);
    TdxBarFinally unlock([this] { UnlockUpdate(true, true); });
    for (int i = 0; i < FCategories->Count(); ++i)
      if (TdxBarCategoryData* data = FCategories->Data(i)) SetCategoryItemsVisible(i, data->LoadedItemsVisible);
  }
}

// --- Names and children ------------------------------------------------------------------

void TdxBarManager::SetName(const String& NewName) {
  const String oldName = Name();
  inherited::SetName(NewName);
  if (!IsDesigning() || oldName == Name() || oldName.empty() || !Owner()) return;
  std::vector<TComponent*> renamed;
  for (int i = 0; i < Owner()->ComponentCount(); ++i) {
    auto* item = dynamic_cast<TdxBarItem*>(Owner()->Components(i));
    if (!item || item->Name().size() <= oldName.size()) continue;
    if (SameText(item->Name().substr(0, oldName.size()), oldName)) renamed.push_back(item);
  }
  for (TComponent* item : renamed) {
    try {
      item->SetName(Name() + item->Name().substr(oldName.size()));
    } catch (const EComponentError&) {
    }
  }
}

void TdxBarManager::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (int i = 0; i < FBars->Count(); ++i)
    if (FBars->Items(i)->Owner() == Root) Proc(FBars->Items(i));
  for (int i = 0; i < ItemCount(); ++i)
    if (Items(i)->Owner() == Root && Items(i)->Category() >= 0) Proc(Items(i));
  for (int i = 0; i < GroupCount(); ++i)
    if (Groups(i)->Owner() == Root) Proc(Groups(i));
}

void TdxBarManager::SetChildOrder(TComponent* Child, int Order) {
  inherited::SetChildOrder(Child, Order);
  if (auto* item = dynamic_cast<TdxBarItem*>(Child)) {
    const int from = FItems.IndexOf(item), to = Order - FBars->Count();
    if (from >= 0 && to >= 0 && to < FItems.Count()) FItems.Move(from, to);
  } else if (auto* group = dynamic_cast<TdxBarGroup*>(Child)) {
    const int from = FGroups.IndexOf(group), to = Order - FBars->Count() - ItemCount();
    if (from >= 0 && to >= 0 && to < FGroups.Count()) FGroups.Move(from, to);
  }
}

void TdxBarManager::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
}
