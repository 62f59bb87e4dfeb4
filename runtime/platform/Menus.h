// Menus of the runtime: menu items kept as a tree of components and mirrored
// into system menus (HMENU), the main menu a form attaches to its window, the
// pop-up menu with its hidden "popup list" window, owner drawing of items, and
// the shortcut values with their text forms ("Ctrl+S", "Shift+Del", "F5").
//
// A form that carries a TMainMenu hands the menu messages of its window to
// TMenu::HandleMenuMessage (WM_COMMAND, WM_INITMENUPOPUP, WM_MENUSELECT,
// WM_MENUCHAR, and WM_DRAWITEM / WM_MEASUREITEM with ODT_MENU); its key
// handling asks TMenu::IsShortCut first. A control's WM_CONTEXTMENU goes to
// TPopupMenu::AutoPopup(), SetPopupComponent(control) and Popup(X, Y).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "Classes.h"
#include "Graphics.h"
#include "HiddenWindow.h"
#include "Units.h"

class TCustomImageList;
class TChangeLink;
class TMenu;
class TMenuItem;

VAMIRE_EXCEPTION(EMenuError, Exception)

extern const TResStringRec SMenuIndexError;    // Menu index out of range
extern const TResStringRec SMenuReinserted;    // Menu inserted twice
extern const TResStringRec SMenuNotFound;      // Sub-menu is not in menu

// --- Shortcuts --------------------------------------------------------------------------
// A key with its modifiers: the virtual-key code in the low byte.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(std::uint16_t Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, std::uint16_t& Key, TShiftState& Shift);
// "Shift+", "Ctrl+", "Alt+" in that order, then the key's name; empty for a
// key without a name.
String ShortCutToText(TShortCut ShortCut);
// The way back, modifiers in any order and case; 0 for text that names no key.
TShortCut TextToShortCut(const String& Text);
// The shortcut a WM_KEYDOWN / WM_SYSKEYDOWN makes: Shift and Ctrl from the
// keyboard state, Alt from the context bit (29) of the key data.
TShortCut ShortCutFromKey(std::uint16_t Key, LPARAM KeyData);

// --- Owner drawing ----------------------------------------------------------------------
// The state of an owner-drawn item or entry, as the platform reports it (ODS_*).
enum TOwnerDrawStateItem {
  odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive,
  odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem, 16>;
TOwnerDrawState OwnerDrawStateFromODS(UINT State);

using TMenuDrawItemEvent = TMethod<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent = TMethod<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;
using TMenuMeasureItemEvent = TMethod<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
// Source is the item that changed (null: the whole menu); Rebuild tells
// whether the system menu was built anew.
using TMenuChangeEvent = TMethod<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;

// --- Menu items -------------------------------------------------------------------------
enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

// One entry of a menu. Its children are the entries of its sub-menu; an item
// frees its children when it goes. For streaming, items are owned by the form
// and are children of their parent item (or of the menu, for the top row).
class TMenuItem : public TComponent {
  VAMIRE_CLASS(TMenuItem, TComponent)
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  // "-" makes a separator; "&" marks the accelerator ("&&" is one ampersand).
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Checked() const { return FChecked; }
  // Checking a radio item unchecks the other radio items of its group.
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  std::uint8_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(std::uint8_t Value);
  TMenuBreak Break() const { return FBreak; }
  void SetBreak(TMenuBreak Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // The item's own picture, made empty when first asked for; drawn when the
  // menu has no image for the item.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  // --- the tree
  int Count() const { return int(FItems.size()); }
  // Raises EMenuError "Menu index out of range" outside 0..Count-1.
  TMenuItem* Items(int Index) const;
  void Add(TMenuItem* Item);
  void Add(std::initializer_list<TMenuItem*> AItems);
  // Raises EMenuError "Menu inserted twice" for an item that already has a parent.
  void Insert(int Index, TMenuItem* Item);
  // Takes the item out of the sub-menu without freeing it.
  void Delete(int Index);
  void Remove(TMenuItem* Item);
  // Frees every child.
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  // The child whose caption without accelerators equals ACaption (ignoring case), or null.
  TMenuItem* Find(const String& ACaption) const;
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  void SetMenuIndex(int Value);
  bool IsLine() const { return FCaption == L"-"; }
  // The menu whose tree holds the item, or null.
  TMenu* GetParentMenu() const;
  // The image list the item draws from: the nearest one up the tree.
  TCustomImageList* GetImageList() const;

  // The identifier WM_COMMAND carries for the item; unique in the process.
  std::uint16_t Command() const { return FCommand; }
  // The system menu of the item's children, built when first asked for.
  HMENU Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  // Runs OnClick when the item is enabled.
  virtual void Click();

  // Owner drawing: the size the entry needs, and drawing it. The events
  // decide when assigned; otherwise caption, shortcut, check mark and image
  // are drawn by the item itself.
  virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
  virtual void AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel);
  void DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected);

  // --- streaming
  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;

 protected:
  // Tells the parent (and through it the menu) that the item changed;
  // Rebuild when the system menu must be built again.
  virtual void MenuChanged(bool Rebuild);
  void Loaded() override;
  virtual bool IsOwnerDraw() const;

 private:
  friend class TMenu;
  void RebuildHandle();
  void AppendTo(HMENU Menu, bool TopLevel);
  void SubItemChanged(TMenuItem* Source, bool Rebuild);
  void TurnSiblingsOff();
  void DoDrawText(TCanvas* ACanvas, const String& ACaption, TRect& Rect, bool Selected, UINT Flags);
  void DrawDefault(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel);
  bool HasBitmap() const;
  TMenuItem* FindItem(UINT Value, TFindItemKind Kind);
  bool BitmapStored() const { return HasBitmap(); }
  void BitmapChanged(TObject* Sender);

  String FCaption;
  String FHint;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  bool FRadioItem = false;
  std::uint8_t FGroupIndex = 0;
  TMenuBreak FBreak = mbNone;
  TShortCut FShortCut = 0;
  int FImageIndex = -1;
  TBitmap* FBitmap = nullptr;
  std::uint16_t FCommand = 0;
  HMENU FHandle = nullptr;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on the root item of a menu only
  std::vector<TMenuItem*> FItems;
  bool FStreamedRebuild = false;
};

// --- Menus ------------------------------------------------------------------------------
class TMenu : public TComponent {
  VAMIRE_CLASS(TMenu, TComponent)
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  // The root item: its children are the menu's top row.
  TMenuItem* Items() const { return FItems; }
  // The system menu (a bar for a main menu, a pop-up otherwise).
  virtual HMENU Handle();
  bool HandleAllocated() const { return FItems->HandleAllocated(); }
  TCustomImageList* Images() const { return FImages; }
  // Not owned; cleared when the list goes. A change of the list redraws the menu.
  void SetImages(TCustomImageList* Value);
  // Every item is drawn through MeasureItem / AdvancedDrawItem.
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  // The window that shows the menu and receives its messages (a form for its
  // main menu, a control for its pop-up menu); null while there is none.
  HWND WindowHandle() const { return FWindowHandle; }
  void SetWindowHandle(HWND Value) { FWindowHandle = Value; }

  TMenuChangeEvent OnChange;

  // Runs the OnClick of the item with that WM_COMMAND identifier; false when
  // no item of this menu has it.
  bool DispatchCommand(std::uint16_t ACommand);
  // A sub-menu is about to open (WM_INITMENUPOPUP): its item's OnClick runs,
  // so handlers can adjust the entries. False when the menu is not ours.
  bool DispatchPopup(HMENU AHandle);
  // The item with that command identifier, sub-menu handle or shortcut, or null.
  TMenuItem* FindItem(UINT Value, TFindItemKind Kind);
  // Runs the enabled item whose shortcut the key makes (WM_KEYDOWN or
  // WM_SYSKEYDOWN key and key data); true when one ran.
  bool IsShortCut(std::uint16_t Key, LPARAM KeyData);
  // Answers the menu messages a window receives for this menu. True when the
  // message was the menu's; Message.Result then holds the answer.
  bool HandleMenuMessage(HWND Window, TMessage& Message);

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 protected:
  // The menu changed (Source: the item, null for the whole menu).
  virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);
  virtual HMENU CreateMenuHandle();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  void SetChildOrder(TComponent* Child, int Order) override;

 private:
  friend class TMenuItem;
  void ImageListChange(TObject* Sender);
  bool DrawMenuItem(const DRAWITEMSTRUCT& Draw);
  bool MeasureMenuItem(HWND Window, MEASUREITEMSTRUCT& Measure);
  TMenuItem* ItemFromData(ULONG_PTR Data);

  TMenuItem* FItems;
  TCustomImageList* FImages = nullptr;
  TChangeLink* FImageChangeLink;
  bool FOwnerDraw = false;
  HWND FWindowHandle = nullptr;
};

// The menu bar of a form. The form sets WindowHandle once it has attached
// Handle() with SetMenu; changes then redraw the bar.
class TMainMenu : public TMenu {
  VAMIRE_CLASS(TMainMenu, TMenu)
 public:
  explicit TMainMenu(TComponent* AOwner);

 protected:
  void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;
  HMENU CreateMenuHandle() override;
};

enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };

// A menu shown at a screen point. Its messages go to one hidden window of
// the process, the popup list, which hands them to the menu they belong to.
class TPopupMenu : public TMenu {
  VAMIRE_CLASS(TPopupMenu, TMenu)
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  // Runs OnPopup, then tracks the menu at the screen point (TrackPopupMenu).
  // The chosen item's OnClick runs when its WM_COMMAND reaches the popup list.
  virtual void Popup(int X, int Y);
  // The component that showed the menu; not owned, cleared when it goes.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  // Controls show the menu on a right click when set (true by default).
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  TTrackButton TrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }
  // The point of the last Popup.
  TPoint PopupPoint() const { return FPopupPoint; }

  TNotifyEvent OnPopup;

 protected:
  virtual void DoPopup(TObject* Sender);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TComponent* FPopupComponent = nullptr;
  bool FAutoPopup = true;
  TPopupAlignment FAlignment = paLeft;
  TTrackButton FTrackButton = tbRightButton;
  TPoint FPopupPoint{};
};

// The unit's entry for the program's unit list: registers the menu classes
// for the form reader.
extern const TUnitEntry MenusUnit;

// The hidden window that receives the messages of every pop-up menu shown;
// null while no pop-up menu exists.
HWND PopupListWindow();

// Where the hint of the entry under the mouse goes while a menu is open
// (the application sets it to show the hint); called with an empty text
// when the menu closes or the entry has none.
using TMenuHintProc = TMethod<void(const String& Hint)>;
void SetMenuHintProc(TMenuHintProc Proc);

// The caption without accelerator marks: "&" dropped, "&&" kept as one "&".
String StripHotkey(const String& Text);
// The accelerator character of a caption (upper case), or 0.
wchar_t GetHotkey(const String& Text);
