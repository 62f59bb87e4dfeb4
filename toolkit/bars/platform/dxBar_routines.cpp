// The library's routines that find managers, forms and windows, pump messages,
// play menu sounds, and turn keys, fonts and pixels per inch into values.
#include <algorithm>

#include "Dialogs.h"
#include "DialogService.h"
#include "Menus.h"
#include "dxBar_internal.h"

// --- Managers, forms and windows ---------------------------------------------------------

TdxBarManager* FindManagerOfOwner(TComponent* AComponent) {
  if (!AComponent) return nullptr;
  if (auto* manager = dynamic_cast<TdxBarManager*>(AComponent)) return manager;
  for (int i = 0; i < dxBarManagerCount(); ++i)
    if (dxBarManagers(i)->Owner() == AComponent) return dxBarManagers(i);
  return nullptr;
}

TWinControl* FindWindowedOwner(TComponent* AComponent) {
  for (TComponent* c = AComponent; c; c = c->Owner())
    if (auto* control = dynamic_cast<TWinControl*>(c)) return control;
  return nullptr;
}

TWinControl* FindControlAboveChildWindow(HWND Window) {
  while (Window && (GetWindowLongPtrW(Window, GWL_STYLE) & WS_CHILD)) {
    Window = GetParent(Window);
    if (TWinControl* control = FindControl(Window)) return control;
  }
  return nullptr;
}

TdxBarManager* FindManagerOfComponent(TComponent* AComponent) {
  TWinControl* w = FindWindowedOwner(AComponent);
  if (!w || !w->HandleAllocated()) return nullptr;
  TdxBarManager* manager = nullptr;
  do {
    manager = FindManagerOfOwner(w);
    w = FindControlAboveChildWindow(w->Handle());
  } while (!manager && w);
  return manager;
}

TdxBarManager* FindManagerOfWindow(HWND Window) { return FindManagerOfOwner(FindControl(Window)); }

TCustomForm* FindControlForm(TControl* AControl, int AKind) {
  auto* windowed = dynamic_cast<TWinControl*>(AControl);
  if (!windowed) return nullptr;
  TCustomForm* candidate = nullptr;
  for (HWND window = windowed->Handle(); window; window = GetParent(window)) {
    if (auto* form = dynamic_cast<TCustomForm*>(FindControl(window))) {
      candidate = form;
      if (AKind == 2 || (AKind == 1 && form->FormStyle() == fsMDIChild)) break;
    }
    if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) break;
  }
  return candidate;
}

void SetWindowZOrder(HWND Window, HWND InsertAfter, bool Activate, UINT ExtraFlags) {
  SetWindowPos(Window, InsertAfter, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | (Activate ? 0 : SWP_NOACTIVATE) | ExtraFlags);
}

void SetWindowAlpha(HWND Window, int Alpha) {
  TSetLayeredWindowAttributes setAttributes = dxBarSetLayeredWindowAttributesProc();
  if (!setAttributes) return;
  const LONG_PTR exStyle = GetWindowLongPtrW(Window, GWL_EXSTYLE);
  if (Alpha < 255) {
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(Window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    setAttributes(Window, 0, BYTE(Alpha < 0 ? 0 : Alpha), LWA_ALPHA);
  } else if (exStyle & WS_EX_LAYERED) {
    SetWindowLongPtrW(Window, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
    RedrawWindow(Window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

bool KillTimerAndClear(HWND Window, UINT_PTR& TimerID) {
  if (TimerID == 0 || !KillTimer(Window, TimerID)) return false;
  TimerID = 0;
  return true;
}

bool IsOtherProcessWindow(HWND Window) {
  if (!Window) return true;
  DWORD process = 0;
  GetWindowThreadProcessId(Window, &process);
  return process != GetCurrentProcessId();
}

void DeleteAndClearGDIObject(HGDIOBJ& Handle) {
  if (Handle) DeleteObject(Handle);
  Handle = nullptr;
}

// --- Messages ----------------------------------------------------------------------------

namespace {
// Takes and dispatches every waiting message of the range; a WM_QUIT met on
// the way is posted again so the program's loop still ends.
void DispatchPending(UINT First, UINT Last) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, First, Last, PM_NOREMOVE)) {
    const BOOL result = GetMessageW(&msg, nullptr, First, Last);
    if (result == -1) return;
    if (result == 0) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
    DispatchMessageW(&msg);
  }
}
}  // namespace

void DispatchPendingMouseMessages() { DispatchPending(WM_MOUSEFIRST, 522); }
void DispatchPendingPaintMessages() { DispatchPending(WM_PAINT, WM_PAINT); }

void RemoveCharMessages(HWND Window) {
  MSG msg;
  while (PeekMessageW(&msg, Window, WM_CHAR, WM_CHAR, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
  }
}

bool KeyProducesChar(uint16_t Key) {
  const UINT code = MapVirtualKeyW(Key, MAPVK_VK_TO_CHAR);
  return !(code & 0x80000000u) && code != L' ' && (code & 0xFFFF) >= 32;
}

uint16_t KeyToShortCut(uint16_t Key, intptr_t KeyData) {
  return dxBarShortCutOf(Key, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, KeyData);
}

String ShortCutHintText(uint16_t ShortCut) {
  const String text = ShortCutToText(ShortCut);
  return text.empty() ? text : L" (" + text + L")";
}

namespace {
int GScreenDPIOverride = 0;
}

void SetdxBarScreenDPIOverride(int DPI) { GScreenDPIOverride = DPI; }

int ScaleByScreenDPI(int Value, int Base) {
  const int dpi = GScreenDPIOverride ? GScreenDPIOverride : GetScreenDPI().X;
  return dxBarScaleValue(Value, dpi, Base);
}

TColor NearestDeviceColor(TColor Color) { return NearestScreenColor(Color); }

bool IsMouseButtonDown(int Button, int SwappedButton) {
  const int key = GetSystemMetrics(SM_SWAPBUTTON) ? SwappedButton : Button;
  return GetAsyncKeyState(key) < 0;
}

int ShowLibraryMessageBox(const String& Text, UINT Flags) {
  const String caption = Application ? Application->Title() : String();
  return DialogMessageBox(Application ? Application->Handle() : nullptr, Text, caption, Flags);
}

// --- Menu sounds -------------------------------------------------------------------------

namespace {
HMODULE GWinmm = nullptr;
TdxPlaySoundProc GPlaySound = nullptr;
bool GPlaySoundBound = false;

// winmm is loaded at the first sound, not at start: the console never shows a menu.
TdxPlaySoundProc BoundPlaySound() {
  if (!GPlaySoundBound) {
    GPlaySoundBound = true;
    GWinmm = LoadLibraryW(L"winmm.dll");
    if (GWinmm) GPlaySound = reinterpret_cast<TdxPlaySoundProc>(reinterpret_cast<void*>(GetProcAddress(GWinmm, "PlaySoundW")));
  }
  return GPlaySound;
}
}  // namespace

TdxPlaySoundProc SetdxBarPlaySoundProc(TdxPlaySoundProc Proc) {
  TdxPlaySoundProc previous = GPlaySoundBound ? GPlaySound : nullptr;
  GPlaySound = Proc;
  GPlaySoundBound = Proc != nullptr;
  return previous;
}

void dxBarFreeSoundLibrary() {
  if (GWinmm) FreeLibrary(GWinmm);
  GWinmm = nullptr;
  GPlaySound = nullptr;
  GPlaySoundBound = false;
}

BOOL PlayMenuSound(int Kind) {
  static const wchar_t* const kAliases[] = {L"MenuPopup", L"MenuCommand", nullptr};
  if (Kind < 0 || Kind > 2) return FALSE;
  // Stopping needs no library that was never loaded: no sound of this process can
  // be playing then. So the stop at every start (LoadMenuSounds) costs nothing,
  // and winmm with the COM libraries it brings comes with the first real sound.
  if (Kind == 2 && !GPlaySoundBound && !GetModuleHandleW(L"winmm.dll")) return TRUE;
  TdxPlaySoundProc play = BoundPlaySound();
  if (!play) return FALSE;
  return play(kAliases[Kind], nullptr, dxBarMenuSoundFlags);
}

void LoadMenuSounds() { PlayMenuSound(2); }

// --- Fonts -------------------------------------------------------------------------------

HFONT CreateSmallCaptionFont(TFont* AFont, bool Exact) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  LOGFONTW font = metrics.lfSmCaptionFont;
  if (!Exact) {
    font.lfHeight = std::min<LONG>(-11, font.lfHeight);
    lstrcpynW(font.lfFaceName, AFont->Name().substr(0, 31).c_str(), LF_FACESIZE);
  }
  return CreateFontIndirectW(&font);
}

void AssignEditFont(TFont* AFont, TFont* ATarget, bool FromSystem) {
  ATarget->Assign(AFont);
  if (!FromSystem) return;
  LOGFONTW iconFont{};
  SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(iconFont), &iconFont, 0);
  ATarget->SetHeight(dxBarMinFontHeight(iconFont.lfHeight));
}

// --- More of the window and form searches ------------------------------------------------

TControl* FindNearestControlOfWindow(HWND Window) {
  for (; Window; Window = GetParent(Window))
    if (TWinControl* control = FindControl(Window)) return control;
  return nullptr;
}

TCustomForm* FormOfComponent(TComponent* AComponent) {
  TWinControl* owner = FindWindowedOwner(AComponent);
  return owner ? FindControlForm(owner, 2) : nullptr;
}

TCustomForm* FormOfManager(TdxBarManager* AManager, int AKind) {
  return AManager ? FindControlForm(dynamic_cast<TControl*>(AManager->Owner()), AKind) : nullptr;
}

bool WindowContainsManagerOwner(TdxBarManager* AManager, HWND Window) {
  auto* owner = AManager ? dynamic_cast<TWinControl*>(AManager->Owner()) : nullptr;
  if (!owner || !owner->HandleAllocated()) return false;
  HWND current = owner->Handle();
  while (current && current != Window && HasChildStyle(current)) current = GetParent(current);
  return current == Window;
}

TWinControl* WindowedControlOf(TControl* AControl) {
  if (auto* windowed = dynamic_cast<TWinControl*>(AControl)) return windowed;
  return AControl ? AControl->Parent() : nullptr;
}

bool IsControlWithin(TControl* AContainer, TControl* AControl) {
  TWinControl* w = WindowedControlOf(AControl);
  auto* container = dynamic_cast<TWinControl*>(AContainer);
  if (container && w && container->HandleAllocated() && w->HandleAllocated())
    return w->Handle() == container->Handle() || IsChild(container->Handle(), w->Handle());
  for (TControl* c = w; c; c = c->Parent())
    if (c == AContainer) return true;
  return false;
}

bool IsControlInManagerOwner(TdxBarManager* AManager, TControl* AControl) {
  return AManager && IsControlWithin(dynamic_cast<TControl*>(AManager->Owner()), AControl);
}

bool WindowHasAncestor(HWND Window, HWND Ancestor) { return IsAncestorWindow(Ancestor, Window); }

bool IsInsideFocusedWindow(HWND Window) {
  if (!Window) return false;
  const HWND focus = GetFocus();
  for (HWND w = Window; w; w = GetParent(w)) {
    if (w == focus) return true;
    if (!HasChildStyle(w)) return false;
  }
  return false;
}

TCustomForm* FindActiveEnabledForm() {
  auto* form = dynamic_cast<TCustomForm*>(FindControl(GetActiveWindow()));
  if (!form || !IsWindowAndParentsEnabled(form->Handle())) return nullptr;
  if (form->FormStyle() == fsMDIForm && form->ActiveMDIChild()) return form->ActiveMDIChild();
  return form;
}

void ActivateTopLevelParent(HWND Window) {
  while (Window && HasChildStyle(Window)) Window = GetParent(Window);
  if (Window) SetActiveWindow(Window);
}

void DestroyWindowAndClear(HWND& Window, bool Destroy) {
  if (!Window) return;
  if (Destroy) DestroyWindow(Window);
  Window = nullptr;
}

namespace {
bool GApplicationActive = true;
bool GOtherProcessActive = false;
}  // namespace

bool dxBarApplicationActive() { return GApplicationActive; }
void SetdxBarApplicationActive(bool Value) { GApplicationActive = Value; }
bool dxBarOtherProcessActive() { return GOtherProcessActive; }
void SetdxBarOtherProcessActive(bool Value) { GOtherProcessActive = Value; }

bool ApplicationHasActiveWindow() {
  return GApplicationActive && !GOtherProcessActive && GetActiveWindow() != nullptr;
}

TRect GetMonitorWorkAreaAtPoint(const TPoint& P) { return GetWorkAreaAtPoint(P); }

bool IsLoadingFromAncestorOnly(TComponent* AComponent) {
  const TComponentState state = AComponent->ComponentState();
  return state.Contains(csLoading) && state.Contains(csAncestor) && !state.Contains(csReading);
}

void FreeObjectAndClear(TObject*& AObject) {
  TObject* object = AObject;
  AObject = nullptr;
  if (object) object->Free();
}

TBitmap* CreateBitmapWithChangeHandler(TNotifyEvent AHandler) {
  auto* bitmap = new TBitmap;
  bitmap->OnChange = AHandler;
  return bitmap;
}

TdxBarItemVisible BooleanToItemVisible(bool Value) { return Value ? ivAlways : ivNever; }

bool IsPrimaryMouseButtonDown() { return IsMouseButtonDown(VK_LBUTTON, VK_RBUTTON); }
bool IsSecondaryMouseButtonDown() { return IsMouseButtonDown(VK_RBUTTON, VK_LBUTTON); }

HFONT CopyFontHandle(HFONT AFont) {
  LOGFONTW font{};
  if (!AFont || !GetObjectW(AFont, sizeof(font), &font)) return nullptr;
  return CreateFontIndirectW(&font);
}
