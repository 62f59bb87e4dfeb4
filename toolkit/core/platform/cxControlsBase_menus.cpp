// Popup menus and the system menus of windows that draw their own caption.
#include <cstddef>

#include "cxControlsBase_internal.h"
#include "cxControlsBase_win.h"
#include "dxCore.h"

namespace {

// The item-information record the system expects: without the bitmap member
// on the Windows 95 family.
UINT MenuItemInfoSize() { return OSFlagWin95 ? UINT(offsetof(MENUITEMINFOW, hbmpItem)) : sizeof(MENUITEMINFOW); }

void SetItemBitmap(HMENU Menu, UINT Command, HBITMAP Bitmap) {
  MENUITEMINFOW info{};
  info.cbSize = MenuItemInfoSize();
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = Bitmap;
  SetMenuItemInfoW(Menu, Command, FALSE, &info);
}

void EnableCommand(HMENU Menu, UINT Command, bool Enabled) {
  EnableMenuItem(Menu, Command, MF_BYCOMMAND | (Enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
}

}  // namespace

// --- Popup menus -------------------------------------------------------------------------
bool IsPopupMenuShortCut(TComponent* Menu, TMessage& Message) {
  if (!Menu) return false;
  IcxPopupMenuHandler* handler = nullptr;
  if (Supports<IcxPopupMenuHandler>(Menu, handler)) return handler->IsShortCut(Message);
  auto* popup = dynamic_cast<TPopupMenu*>(Menu);
  return popup && popup->WindowHandle() && popup->IsShortCut(std::uint16_t(Message.WParam), Message.LParam);
}

bool ShowPopupMenu(TControl* Control, TComponent* Menu, int X, int Y) {
  if (!Menu) return false;
  IcxPopupMenuHandler* handler = nullptr;
  if (Supports<IcxPopupMenuHandler>(Menu, handler)) {
    handler->Popup(X, Y);
    return true;
  }
  auto* popup = dynamic_cast<TPopupMenu*>(Menu);
  if (!popup || !popup->AutoPopup()) return false;
  popup->SetPopupComponent(Control);
  popup->Popup(X, Y);
  return true;
}

void SetPopupMenuLink(TComponent* Owner, TComponent*& Field, TComponent* Value) {
  if (Value && !dynamic_cast<TPopupMenu*>(Value) && !Supports<IcxPopupMenuHandler>(Value)) Value = nullptr;
  if (Field == Value) return;
  if (Field) Field->RemoveFreeNotification(Owner);
  Field = Value;
  if (Field) Field->FreeNotification(Owner);
}

int CalcPopupMenuHeight(TMenu* Menu) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  TScreenCanvas canvas;
  canvas.Font()->SetHandle(CreateFontIndirectW(&metrics.lfMenuFont));
  const int plainHeight = canvas.TextHeight(L"Qg") + 4;
  int tallest = 0;
  int column = 0;
  TMenuItem* items = Menu->Items();
  for (int i = 0; i < items->Count(); ++i) {
    TMenuItem* item = items->Items(i);
    if (!item->Visible()) continue;
    if (item->Break() != mbNone) column = 0;
    int height = plainHeight;
    if (Menu->OwnerDraw() || item->GetImageList() || !item->Bitmap()->Empty()) {
      int width = 0;
      item->MeasureItem(&canvas, width, height);
    }
    column += height;
    if (column > tallest) tallest = column;
  }
  return tallest + 4;
}

// --- System menus ------------------------------------------------------------------------
HMENU LoadSystemMenuTemplate(int Index) {
  static const int kTemplates[] = {16, 32, 48};
  if (Index < 0 || Index > 2) return nullptr;
  HMENU menu = LoadMenuW(GetModuleHandleW(L"user32.dll"), MAKEINTRESOURCEW(kTemplates[Index]));
  if (!menu) return nullptr;
  if (cxSetMenuInfo) {
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_STYLE | MIM_APPLYTOSUBMENUS;
    info.dwStyle = MNS_CHECKORBMP;
    cxSetMenuInfo(menu, &info);
  }
  SetItemBitmap(menu, SC_CLOSE, HBMMENU_POPUP_CLOSE);
  if (Index != 2) {
    SetItemBitmap(menu, SC_MINIMIZE, HBMMENU_POPUP_MINIMIZE);
    SetItemBitmap(menu, SC_MAXIMIZE, HBMMENU_POPUP_MAXIMIZE);
    SetItemBitmap(menu, SC_RESTORE, HBMMENU_POPUP_RESTORE);
  }
  return menu;
}

void UpdateSystemMenuItems(HWND Window, HMENU Menu) {
  const LONG_PTR style = GetWindowLongPtrW(Window, GWL_STYLE);
  const bool iconic = IsIconic(Window) != FALSE;
  const bool zoomed = IsZoomed(Window) != FALSE;
  EnableCommand(Menu, SC_SIZE, (style & WS_THICKFRAME) && !iconic && !zoomed);
  EnableCommand(Menu, SC_MINIMIZE, (style & WS_MINIMIZEBOX) && !iconic);
  EnableCommand(Menu, SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) && !zoomed);
  EnableCommand(Menu, SC_RESTORE, iconic || (zoomed && (style & WS_MAXIMIZEBOX)));
  EnableCommand(Menu, SC_MOVE, !zoomed || (!HasChildStyle(Window) && IsWindowSmallerThanWorkArea(Window)));
  SetMenuDefaultItem(Menu, iconic ? SC_RESTORE : SC_CLOSE, FALSE);
}

void AdjustSystemMenu(HMENU Menu, HWND Window, bool IsDialog, bool LockUpdate, TBorderIcons BorderIcons) {
  if (!BorderIcons.Contains(biSystemMenu)) return;
  if (LockUpdate) LockWindowUpdate(Window);
  try {
    if (IsDialog) {
      DeleteMenu(Menu, SC_TASKLIST, MF_BYCOMMAND);
      DeleteMenu(Menu, 7, MF_BYPOSITION);
      DeleteMenu(Menu, 5, MF_BYPOSITION);
      for (UINT command : {SC_MAXIMIZE, SC_MINIMIZE, SC_SIZE, SC_RESTORE}) DeleteMenu(Menu, command, MF_BYCOMMAND);
    }
    UpdateSystemMenuItems(Window, Menu);
  } catch (...) {
    if (LockUpdate) LockWindowUpdate(nullptr);
    throw;
  }
  if (LockUpdate) LockWindowUpdate(nullptr);
}

void CopyMenuItems(HMENU Source, HMENU Destination) {
  if (Source == Destination || !IsMenu(Source) || !IsMenu(Destination)) return;
  for (int i = GetMenuItemCount(Destination) - 1; i >= 0; --i) DeleteMenu(Destination, UINT(i), MF_BYPOSITION);
  const int count = GetMenuItemCount(Source);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = MenuItemInfoSize();
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;
    wchar_t text[512] = {};
    info.dwTypeData = text;
    info.cch = 512;
    if (!GetMenuItemInfoW(Source, UINT(i), TRUE, &info)) continue;
    InsertMenuItemW(Destination, UINT(i), TRUE, &info);
    // The text, and the bitmap where the system has one, once the item stands.
    MENUITEMINFOW extra{};
    extra.cbSize = MenuItemInfoSize();
    extra.fMask = MIIM_STRING | (OSFlagWin95 ? 0 : MIIM_BITMAP);
    wchar_t string[512] = {};
    extra.dwTypeData = string;
    extra.cch = 512;
    if (GetMenuItemInfoW(Source, UINT(i), TRUE, &extra)) {
      extra.dwTypeData = string;
      SetMenuItemInfoW(Destination, UINT(i), TRUE, &extra);
    }
  }
  EnableMenuItem(Destination, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  EnableMenuItem(Destination, SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
}
