// Menu items and menus: the item tree, its mirror in system menus, command
// identifiers, and the menu messages of the window that shows a menu.
#include "Menus.h"

#include <algorithm>
#include <cwctype>

#include "ImgList.h"
#include "Streaming.h"
#include "SysUtils.h"

const TResStringRec SMenuIndexError{L"SMenuIndexError", L"Menu index out of range"};
const TResStringRec SMenuReinserted{L"SMenuReinserted", L"Menu inserted twice"};
const TResStringRec SMenuNotFound{L"SMenuNotFound", L"Sub-menu is not in menu"};

namespace {

// Command identifiers in use. Menu commands stay below the system-menu range
// (SC_SIZE = 0xF000) so a form never mistakes one for the other.
constexpr std::uint16_t kFirstCommand = 1;
constexpr std::uint16_t kLastCommand = 0xEFFF;

std::vector<bool>& CommandsInUse() {
  static std::vector<bool> used(size_t(kLastCommand) + 1, false);
  return used;
}

std::uint16_t AllocateCommand() {
  static std::uint16_t next = kFirstCommand;
  auto& used = CommandsInUse();
  for (unsigned tries = 0; tries < kLastCommand; ++tries) {
    const std::uint16_t id = next;
    next = next == kLastCommand ? kFirstCommand : std::uint16_t(next + 1);
    if (!used[id]) {
      used[id] = true;
      return id;
    }
  }
  throw EMenuError(L"No menu command identifiers left");
}

void ReleaseCommand(std::uint16_t Id) {
  if (Id >= kFirstCommand && Id <= kLastCommand) CommandsInUse()[Id] = false;
}

TMenuHintProc& HintProc() {
  static TMenuHintProc proc;
  return proc;
}

}  // namespace

void SetMenuHintProc(TMenuHintProc Proc) { HintProc() = Proc; }

TOwnerDrawState OwnerDrawStateFromODS(UINT State) {
  static const UINT kFlags[] = {ODS_SELECTED, ODS_GRAYED,   ODS_DISABLED,     ODS_CHECKED,  ODS_FOCUS,
                                ODS_DEFAULT,  ODS_HOTLIGHT, ODS_INACTIVE,     ODS_NOACCEL,  ODS_NOFOCUSRECT,
                                0,            0,            ODS_COMBOBOXEDIT};
  TOwnerDrawState result;
  for (int i = 0; i < int(std::size(kFlags)); ++i)
    if (kFlags[i] && (State & kFlags[i])) result.Include(TOwnerDrawStateItem(i));
  return result;
}

// --- TMenuItem ------------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  // Children leave one by one from the end; the entries of our system menu
  // go first so no child rebuilds a menu that is about to be destroyed.
  if (FHandle)
    while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
  while (!FItems.empty()) {
    TMenuItem* child = FItems.back();
    FItems.pop_back();
    child->FParent = nullptr;
    child->Free();
  }
  if (FHandle) DestroyMenu(FHandle);
  delete FBitmap;
  ReleaseCommand(FCommand);
}

void TMenuItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  MenuChanged(true);
}

void TMenuItem::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  if (Value && FRadioItem) TurnSiblingsOff();
  MenuChanged(true);
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* item : FParent->FItems)
    if (item != this && item->FRadioItem && item->FGroupIndex == FGroupIndex) item->FChecked = false;
}

void TMenuItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  MenuChanged(true);
}

void TMenuItem::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  MenuChanged(true);
}

void TMenuItem::SetDefault(bool Value) {
  if (FDefault == Value) return;
  // One default entry per sub-menu.
  if (Value && FParent)
    for (TMenuItem* item : FParent->FItems) item->FDefault = false;
  FDefault = Value;
  MenuChanged(true);
}

void TMenuItem::SetRadioItem(bool Value) {
  if (FRadioItem == Value) return;
  FRadioItem = Value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged(true);
}

void TMenuItem::SetGroupIndex(std::uint8_t Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged(true);
}

void TMenuItem::SetBreak(TMenuBreak Value) {
  if (FBreak == Value) return;
  FBreak = Value;
  MenuChanged(true);
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  MenuChanged(true);
}

void TMenuItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  MenuChanged(true);
}

TBitmap* TMenuItem::Bitmap() {
  if (!FBitmap) {
    FBitmap = new TBitmap();
    FBitmap->OnChange = TNotifyEvent(this, &TMenuItem::BitmapChanged);
  }
  return FBitmap;
}

void TMenuItem::SetBitmap(TBitmap* Value) { Bitmap()->Assign(Value); }

void TMenuItem::BitmapChanged(TObject*) { MenuChanged(true); }

bool TMenuItem::HasBitmap() const { return FBitmap && !FBitmap->Empty(); }

TMenuItem* TMenuItem::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EMenuError(LoadResString(&SMenuIndexError));
  return FItems[size_t(Index)];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Add(std::initializer_list<TMenuItem*> AItems) {
  for (TMenuItem* item : AItems) Add(item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item) return;
  if (Item->FParent || Item == this || Item->FMenu) throw EMenuError(LoadResString(&SMenuReinserted));
  // An item can't become a descendant of itself.
  for (TMenuItem* p = FParent; p; p = p->FParent)
    if (p == Item) throw EMenuError(LoadResString(&SMenuReinserted));
  if (Index < 0 || Index > Count()) throw EMenuError(LoadResString(&SMenuIndexError));
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  if (Item->FChecked && Item->FRadioItem) Item->TurnSiblingsOff();
  SubItemChanged(Item, true);
}

void TMenuItem::Delete(int Index) {
  TMenuItem* item = Items(Index);
  FItems.erase(FItems.begin() + Index);
  item->FParent = nullptr;
  SubItemChanged(item, true);
}

void TMenuItem::Remove(TMenuItem* Item) {
  const int index = IndexOf(Item);
  if (index < 0) throw EMenuError(LoadResString(&SMenuNotFound));
  Delete(index);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : int(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& ACaption) const {
  const String wanted = StripHotkey(ACaption);
  for (TMenuItem* item : FItems)
    if (AnsiCompareText(StripHotkey(item->FCaption), wanted) == 0) return item;
  return nullptr;
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int Value) {
  if (!FParent) return;
  TMenuItem* parent = FParent;
  const int count = parent->Count();
  Value = std::clamp(Value, 0, count - 1);
  const int current = MenuIndex();
  if (Value == current) return;
  parent->FItems.erase(parent->FItems.begin() + current);
  parent->FItems.insert(parent->FItems.begin() + Value, this);
  parent->SubItemChanged(this, true);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return item->FMenu;
}

TCustomImageList* TMenuItem::GetImageList() const {
  TMenu* menu = GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

HMENU TMenuItem::Handle() {
  if (!FHandle) {
    FHandle = FMenu ? FMenu->CreateMenuHandle() : CreatePopupMenu();
    if (!FHandle) throw EMenuError(SysErrorMessage(GetLastError()));
    RebuildHandle();
  }
  return FHandle;
}

bool TMenuItem::IsOwnerDraw() const {
  TMenu* menu = GetParentMenu();
  return (menu && (menu->OwnerDraw() || (menu->Images() && FImageIndex >= 0))) || HasBitmap();
}

// The entries of our system menu, built anew from the visible children.
void TMenuItem::RebuildHandle() {
  if (!FHandle || ComponentState().Contains(csDestroying)) return;
  while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
  const bool topLevel = FMenu && FMenu->InheritsFrom(TMainMenu::StaticClass());
  for (TMenuItem* item : FItems)
    if (item->FVisible) item->AppendTo(FHandle, topLevel);
}

void TMenuItem::AppendTo(HMENU Menu, bool TopLevel) {
  String text = FCaption;
  if (FShortCut != 0 && !TopLevel) {
    const String keys = ShortCutToText(FShortCut);
    if (!keys.empty()) text += L"\t" + keys;
  }
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
  if (IsLine()) info.fType = MFT_SEPARATOR;
  if (IsOwnerDraw()) info.fType |= MFT_OWNERDRAW;
  if (FRadioItem) info.fType |= MFT_RADIOCHECK;
  if (FBreak == mbBreak) info.fType |= MFT_MENUBREAK;
  if (FBreak == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
  if (FChecked) info.fState |= MFS_CHECKED;
  if (!FEnabled) info.fState |= MFS_DISABLED | MFS_GRAYED;
  if (FDefault) info.fState |= MFS_DEFAULT;
  info.wID = FCommand;
  info.dwItemData = ULONG_PTR(this);
  info.dwTypeData = text.data();
  info.cch = UINT(text.size());
  if (!FItems.empty()) {
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = Handle();
  }
  InsertMenuItemW(Menu, UINT(GetMenuItemCount(Menu)), TRUE, &info);
}

void TMenuItem::MenuChanged(bool Rebuild) {
  if (FParent) FParent->SubItemChanged(this, Rebuild);
  else if (FMenu) FMenu->MenuChanged(FMenu, this, Rebuild);
}

// Source (one of our children, or a deeper item) changed.
void TMenuItem::SubItemChanged(TMenuItem* Source, bool Rebuild) {
  if (ComponentState().Contains(csDestroying)) return;
  if (Rebuild) RebuildHandle();
  if (FParent) FParent->SubItemChanged(Source, false);
  else if (FMenu) FMenu->MenuChanged(FMenu, Source, Rebuild);
}

void TMenuItem::Loaded() {
  inherited::Loaded();
  RebuildHandle();
}

void TMenuItem::Click() {
  if (FEnabled && OnClick) OnClick(this);
}

TMenuItem* TMenuItem::FindItem(UINT Value, TFindItemKind Kind) {
  switch (Kind) {
    case fkCommand:
      if (FCommand == Value) return this;
      break;
    case fkHandle:
      // Compared in the width the caller gives: menu handles fit 32 bits.
      if (FHandle && UINT(UINT_PTR(FHandle)) == Value) return this;
      break;
    case fkShortCut:
      if (FShortCut != 0 && FShortCut == Value) return this;
      break;
  }
  for (TMenuItem* item : FItems)
    if (TMenuItem* found = item->FindItem(Value, Kind)) return found;
  return nullptr;
}

TComponent* TMenuItem::GetParentComponent() {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (FParent) FParent->Remove(this);
  if (!Value) return;
  if (auto* menu = dynamic_cast<TMenu*>(Value)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(Value)) item->Add(this);
}

void TMenuItem::GetChildren(TGetChildProc Proc, TComponent*) {
  for (TMenuItem* item : FItems) Proc(item);
}

void TMenuItem::SetChildOrder(TComponent* Child, int Order) {
  if (auto* item = dynamic_cast<TMenuItem*>(Child); item && item->FParent == this) item->SetMenuIndex(Order);
}

// --- TMenu ----------------------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {
  FItems->FMenu = this;
  FImageChangeLink = new TChangeLink();
  FImageChangeLink->OnChange = TNotifyEvent(this, &TMenu::ImageListChange);
}

TMenu::~TMenu() {
  // No rebuild or OnChange from a menu that is going.
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = nullptr;
  delete FImageChangeLink;
  FItems->FMenu = nullptr;
  FItems->Free();
}

HMENU TMenu::Handle() { return FItems->Handle(); }

HMENU TMenu::CreateMenuHandle() { return CreatePopupMenu(); }

void TMenu::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) {
    FImages->UnRegisterChanges(FImageChangeLink);
    FImages->RemoveFreeNotification(this);
  }
  FImages = Value;
  if (FImages) {
    FImages->RegisterChanges(FImageChangeLink);
    FImages->FreeNotification(this);
  }
  ImageListChange(this);
}

void TMenu::ImageListChange(TObject*) {
  // Items with images become owner-drawn or stop being so.
  if (ComponentState().Contains(csDestroying)) return;
  std::vector<TMenuItem*> stack{FItems};
  while (!stack.empty()) {
    TMenuItem* item = stack.back();
    stack.pop_back();
    item->RebuildHandle();
    stack.insert(stack.end(), item->FItems.begin(), item->FItems.end());
  }
  MenuChanged(this, nullptr, true);
}

void TMenu::SetOwnerDraw(bool Value) {
  if (FOwnerDraw == Value) return;
  FOwnerDraw = Value;
  ImageListChange(this);
}

void TMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
  if (OnChange) OnChange(Sender, Source, Rebuild);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    // The list is going: its change links are already released.
    FImages = nullptr;
    ImageListChange(this);
  }
}

void TMenu::Loaded() {
  inherited::Loaded();
  ImageListChange(this);
}

TMenuItem* TMenu::FindItem(UINT Value, TFindItemKind Kind) {
  if (Kind == fkCommand && (Value == 0 || Value > 0xFFFF)) return nullptr;
  if (Kind == fkShortCut && Value == 0) return nullptr;
  // The root's own command and handle are not entries of the menu.
  for (TMenuItem* item : FItems->FItems)
    if (TMenuItem* found = item->FindItem(Value, Kind)) return found;
  if (Kind == fkHandle && FItems->FHandle && UINT(UINT_PTR(FItems->FHandle)) == Value) return FItems;
  return nullptr;
}

bool TMenu::DispatchCommand(std::uint16_t ACommand) {
  TMenuItem* item = FindItem(ACommand, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU AHandle) {
  TMenuItem* item = FindItem(UINT(UINT_PTR(AHandle)), fkHandle);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(std::uint16_t Key, LPARAM KeyData) {
  const TShortCut shortCut = ShortCutFromKey(Key, KeyData);
  TMenuItem* item = FindItem(shortCut, fkShortCut);
  if (!item) return false;
  // An entry under a disabled sub-menu can't be reached, so neither can its keys.
  for (TMenuItem* p = item; p; p = p->FParent)
    if (!p->FEnabled) return false;
  item->Click();
  return true;
}

TMenuItem* TMenu::ItemFromData(ULONG_PTR Data) {
  // Only an item of this menu's tree is trusted: the data may be another menu's.
  std::vector<TMenuItem*> stack(FItems->FItems.begin(), FItems->FItems.end());
  while (!stack.empty()) {
    TMenuItem* item = stack.back();
    stack.pop_back();
    if (ULONG_PTR(item) == Data) return item;
    stack.insert(stack.end(), item->FItems.begin(), item->FItems.end());
  }
  return nullptr;
}

bool TMenu::HandleMenuMessage(HWND Window, TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND:
      // Menus send notification code 0, accelerators 1, and no control handle.
      if (Message.LParam != 0 || HIWORD(Message.WParam) > 1) return false;
      if (!DispatchCommand(LOWORD(Message.WParam))) return false;
      Message.Result = 0;
      return true;
    case WM_INITMENUPOPUP:
      if (HIWORD(Message.LParam) != 0) return false;  // the window's system menu
      if (!DispatchPopup(HMENU(Message.WParam))) return false;
      Message.Result = 0;
      return true;
    case WM_MENUSELECT: {
      const UINT flags = HIWORD(Message.WParam);
      const HMENU menu = HMENU(Message.LParam);
      TMenuItem* item = nullptr;
      if (flags == 0xFFFF && menu == nullptr) {
        // the menu closed
      } else if (flags & MF_POPUP) {
        const HMENU sub = GetSubMenu(menu, LOWORD(Message.WParam));
        item = sub ? FindItem(UINT(UINT_PTR(sub)), fkHandle) : nullptr;
      } else {
        item = FindItem(LOWORD(Message.WParam), fkCommand);
      }
      // An entry that is not ours (or a closing menu) shows no hint.
      if (HintProc()) HintProc()(item ? item->Hint() : String());
      if (!item) return false;
      Message.Result = 0;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      if (!draw || draw->CtlType != ODT_MENU || !DrawMenuItem(*draw)) return false;
      Message.Result = TRUE;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      if (!measure || measure->CtlType != ODT_MENU || !MeasureMenuItem(Window, *measure)) return false;
      Message.Result = TRUE;
      return true;
    }
    case WM_MENUCHAR: {
      // Owner-drawn entries have no text the system can search for the
      // accelerator, so the menu answers for them.
      const HMENU menu = HMENU(Message.LParam);
      TMenuItem* parent = FindItem(UINT(UINT_PTR(menu)), fkHandle);
      if (!parent) return false;
      const wchar_t key = wchar_t(std::towupper(wchar_t(LOWORD(Message.WParam))));
      int position = 0;
      for (TMenuItem* item : parent->FItems) {
        if (!item->FVisible) continue;
        if (item->FEnabled && GetHotkey(item->FCaption) == key) {
          Message.Result = MAKELRESULT(position, MNC_EXECUTE);
          return true;
        }
        ++position;
      }
      return false;
    }
    default:
      return false;
  }
}

void TMenu::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TMenuItem* item : FItems->FItems)
    if (item->Owner() == Root) Proc(item);
}

void TMenu::SetChildOrder(TComponent* Child, int Order) { FItems->SetChildOrder(Child, Order); }

// --- TMainMenu ------------------------------------------------------------------------------

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

HMENU TMainMenu::CreateMenuHandle() { return CreateMenu(); }

void TMainMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
  HWND window = WindowHandle();
  if (window && HandleAllocated() && GetMenu(window) == Handle()) DrawMenuBar(window);
  inherited::MenuChanged(Sender, Source, Rebuild);
}

// --- Published tables -----------------------------------------------------------------------

VAMIRE_ENUM_NAMES(TMenuBreak, L"mbNone", L"mbBreak", L"mbBarBreak")
VAMIRE_ENUM_NAMES(TPopupAlignment, L"paLeft", L"paRight", L"paCenter")
VAMIRE_ENUM_NAMES(TTrackButton, L"tbRightButton", L"tbLeftButton")

VAMIRE_PUBLISHED(TMenuItem,
  Prop(L"Break", &TMenuItem::Break, &TMenuItem::SetBreak).Default(mbNone),
  Prop(L"Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
  Prop(L"Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false),
  Prop(L"Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false),
  Prop(L"Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true),
  Prop(L"GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex),
  Prop(L"Hint", &TMenuItem::Hint, &TMenuItem::SetHint),
  Prop(L"ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1),
  Prop(L"RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false),
  Prop(L"ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut),
  Prop(L"Tag", &TMenuItem::Tag, &TMenuItem::SetTag),
  Prop(L"Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true),
  Prop(L"OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem),
  Prop(L"OnClick", &TMenuItem::OnClick),
  Prop(L"OnDrawItem", &TMenuItem::OnDrawItem),
  Prop(L"OnMeasureItem", &TMenuItem::OnMeasureItem))

VAMIRE_PUBLISHED(TMenu,
  Prop(L"Images", &TMenu::Images, &TMenu::SetImages),
  Prop(L"OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(false),
  Prop(L"OnChange", &TMenu::OnChange))

VAMIRE_PUBLISHED(TPopupMenu,
  Prop(L"Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft),
  Prop(L"AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true),
  Prop(L"TrackButton", &TPopupMenu::TrackButton, &TPopupMenu::SetTrackButton).Default(tbRightButton),
  Prop(L"OnPopup", &TPopupMenu::OnPopup))

namespace {
// The form reader creates streamed items and menus by class name.
void InitMenus() { RegisterClasses({TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass()}); }
void DoneMenus() { UnRegisterClasses({TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass()}); }
}  // namespace

const TUnitEntry MenusUnit = {L"Menus", &InitMenus, &DoneMenus};
