// The manager list, the library's one hint with its show, hide and quick
// re-show timing, and the manager's fonts and brushes.
#include <algorithm>

#include "dxBar_internal.h"
#include "dxOffice11_win.h"

namespace {

std::vector<TdxBarManager*>* GManagers = nullptr;
TdxBarHintWindow* GHintWindow = nullptr;

// The hint state: one for the program, so one hint shows at a time.
struct THintState {
  UINT_PTR Timer = 0;        // the show timer, then the hide timer
  UINT_PTR ReshowTimer = 0;  // the 400 ms after a hint vanished
  bool QuickReshow = false;
  bool Requested = false;
  bool Shown = false;
  String Text;
  TdxBarManager* Pending = nullptr;
  bool TimerShows = false;   // what the running timer does when it fires
} GHint;

void KillHintTimer() {
  if (GHint.Timer) KillTimer(nullptr, GHint.Timer);
  GHint.Timer = 0;
}

void KillReshowTimer() {
  if (GHint.ReshowTimer) KillTimer(nullptr, GHint.ReshowTimer);
  GHint.ReshowTimer = 0;
}

// No exception leaves a timer procedure: it goes to the application's handler.
template <class F>
void GuardedTick(F f) {
  try {
    f();
  } catch (Exception& E) {
    if (Application) Application->ShowException(E);
  } catch (...) {
  }
}

void HintTick() {
  TdxBarManager* manager = GHint.Pending;
  const bool shows = GHint.TimerShows;
  KillHintTimer();
  if (!manager || manager->IsDestroying()) return;
  if (shows) dxBarShowHintNow(manager);
  else manager->HideHint();
}

void ReshowTick() {
  KillReshowTimer();
  GHint.QuickReshow = false;
}

void CALLBACK HintTimerProc(HWND, UINT, UINT_PTR, DWORD) { GuardedTick(&HintTick); }
void CALLBACK ReshowTimerProc(HWND, UINT, UINT_PTR, DWORD) { GuardedTick(&ReshowTick); }

void StartHintTimer(TdxBarManager* AManager, int ADelay, bool AShows) {
  KillHintTimer();
  GHint.Pending = AManager;
  GHint.TimerShows = AShows;
  GHint.Timer = SetTimer(nullptr, 0, UINT(ADelay), &HintTimerProc);
}

bool HintWindowVisible() { return GHintWindow && GHintWindow->IsShown(); }

}  // namespace

// --- Manager list ------------------------------------------------------------------------

void dxBarCreateManagerList() {
  if (!GManagers) GManagers = new std::vector<TdxBarManager*>;
}

void dxBarFreeManagerList() {
  dxBarFreeHintWindow();
  delete GManagers;
  GManagers = nullptr;
}

void dxBarRegisterManager(TdxBarManager* AManager) {
  dxBarCreateManagerList();
  GManagers->push_back(AManager);
  if (!AManager->IsDesigning() && !GHintWindow && !dxBarFinalizing()) GHintWindow = new TdxBarHintWindow(nullptr);
}

void dxBarUnregisterManager(TdxBarManager* AManager) {
  if (!GManagers) return;
  GManagers->erase(std::remove(GManagers->begin(), GManagers->end(), AManager), GManagers->end());
}

int dxBarManagerCount() { return GManagers ? int(GManagers->size()) : 0; }

TdxBarManager* dxBarManagers(int Index) {
  if (!GManagers || Index < 0 || Index >= int(GManagers->size())) return nullptr;
  return (*GManagers)[Index];
}

// --- Hint window -------------------------------------------------------------------------

TdxBarHintWindow::TdxBarHintWindow(TComponent* AOwner) : TcxBaseHintWindow(AOwner) {}

bool TdxBarHintWindow::ShowHint(const String& AHint, const String& AShortCut) {
  String text = AHint;
  if (!AShortCut.empty()) text += L" (" + AShortCut + L")";
  if (text.empty()) return false;
  POINT cursor{};
  GetCursorPos(&cursor);
  TRect r = CalcHintRect(Screen ? Screen->Width() : 800, text, nullptr);
  const int w = r.Right - r.Left, h = r.Bottom - r.Top;
  r = TRect{cursor.x, cursor.y + 20, cursor.x + w, cursor.y + 20 + h};
  ActivateHint(r, text);
  FShownText = text;
  return true;
}

bool TdxBarHintWindow::IsShown() const {
  return HandleAllocated() && IsWindowVisible(const_cast<TdxBarHintWindow*>(this)->Handle());
}

void TdxBarHintWindow::HideHint() {
  FShownText.clear();
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

TdxBarHintWindow* dxBarHintWindow() { return GHintWindow; }

void dxBarFreeHintWindow() {
  KillHintTimer();
  KillReshowTimer();
  GHint = THintState();
  delete GHintWindow;
  GHintWindow = nullptr;
}

void dxBarFireHintTimer() { HintTick(); }
void dxBarFireHintReshowTimer() { ReshowTick(); }
bool dxBarHintTimerRunning() { return GHint.Timer != 0; }
bool dxBarHintReshowTimerRunning() { return GHint.ReshowTimer != 0; }
bool dxBarHintQuickReshow() { return GHint.QuickReshow; }

void dxBarKillHintTimersOf(TdxBarManager* AManager) {
  if (GHint.Pending == AManager) {
    if (GHint.Timer) {
      KillHintTimer();
      if (GHintWindow) GHintWindow->HideHint();
    }
    GHint.Pending = nullptr;
  }
  KillReshowTimer();
  GHint.QuickReshow = false;
}

// --- Showing and hiding ------------------------------------------------------------------

void dxBarShowHintNow(TdxBarManager* AManager) {
  if (!GHintWindow) return;
  bool shown = false;
  if (!GHint.Text.empty()) {
    shown = GHintWindow->ShowHint(GHint.Text, String());
  } else {
    IdxBarHintSource* source = nullptr;
    String hint, shortCut;
    if (AManager->FHintObject &&
        AManager->FHintObject->GetInterface(IdxBarHintSource::IID, reinterpret_cast<void**>(&source)) &&
        source->HasHint(hint, shortCut)) {
      if (source->IsEnabled() || AManager->ShowHintForDisabledItems) {
        if (!AManager->ShowShortCutInHint()) shortCut.clear();
        shown = GHintWindow->ShowHint(hint, shortCut);
      }
    }
  }
  if (shown) {
    GHint.Shown = true;
    StartHintTimer(AManager, GHintWindow->HideDelay(), false);
  } else {
    AManager->HideHint();
  }
}

void TdxBarManager::UpdateHint(bool AShow, const String& AText, TObject* AHintObject) {
  if (IsCustomizingOrDesigning() || !FShowHint) return;
  auto update = [this](bool show, const String& text, TObject* hintObject) {
    if (!show && !GHint.Requested) return;
    GHint.Requested = show;
    GHint.Text = text;
    GHint.Shown = false;
    const bool toShow = show && (!text.empty() || hintObject);
    KillHintTimer();
    FHintObject = hintObject;
    if (toShow) {
      if (HintWindowVisible() || GHint.QuickReshow) {
        GHint.Pending = this;
        dxBarShowHintNow(this);
      } else {
        StartHintTimer(this, GHintWindow ? GHintWindow->ShowDelay() : 1000, true);
      }
    } else if (HintWindowVisible()) {
      GHintWindow->HideHint();
      if (show) {
        KillReshowTimer();
        GHint.QuickReshow = true;
        GHint.ReshowTimer = SetTimer(nullptr, 0, 400, &ReshowTimerProc);
      }
    }
  };
  if (AShow && GHintWindow && GHintWindow->ScreenTipMode) update(false, String(), nullptr);
  update(AShow, AText, AHintObject);
}

// --- Fonts -------------------------------------------------------------------------------

namespace {
NONCLIENTMETRICSW NonClientMetrics() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  return metrics;
}
}  // namespace

void TdxBarManager::SetUseSystemFont(bool Value) {
  if (FUseSystemFont == Value) return;
  FUseSystemFont = Value;
  if (FUseSystemFont) RefreshSystemFont();
}

void TdxBarManager::RefreshSystemFont() {
  const NONCLIENTMETRICSW metrics = NonClientMetrics();
  if (FUseSystemFont) {
    FInternalFontChange = true;
    TdxBarFinally done([this] { FInternalFontChange = false; });
    FFont->SetHandle(CreateFontIndirectW(&metrics.lfMenuFont));
  } else if (FScaled) {
    FFont->SetHeight(metrics.lfMenuFont.lfHeight);
  }
}

void TdxBarManager::FontChanged(TObject*) { HandleFontChange(); }

void TdxBarManager::HandleFontChange() {
  if (!FInternalFontChange) FUseSystemFont = false;
  if (FScaled) {
    FFont->OnChange = nullptr;
    TdxBarFinally attach([this] { FFont->OnChange = TNotifyEvent(this, &TdxBarManager::FontChanged); });
    RefreshSystemFont();
  }
  AssignEditFont(FFont.get(), FEditFont.get(), FScaled);
  FBarCaptionFont->SetHandle(CreateSmallCaptionFont(FFont.get(), FUseSystemFont));
  FSystemFontChangedHandlers->CallHandlers(this, nullptr);
}

// --- Colours and brushes -----------------------------------------------------------------

TColor TdxBarManager::GetFlatBorderColor() const {
  return NearestDeviceColor(TColor(dxBarFlatBorderRGB(uint32_t(ColorToRGB(clBtnShadow)))));
}

TColor TdxBarManager::GetFlatFaceColor() const {
  return NearestDeviceColor(TColor(dxBarFlatFaceRGB(uint32_t(ColorToRGB(clBtnFace)))));
}

TColor TdxBarManager::GetFlatDownColor() const { return NearestDeviceColor(MixSystemColors(11, 9, 73)); }
TColor TdxBarManager::GetFlatDownSelectedColor() const { return NearestDeviceColor(MixSystemColors(14, 44, 40)); }
TColor TdxBarManager::GetFlatSelectedColor() const { return NearestDeviceColor(MixSystemColors(-2, 30, 72)); }

void TdxBarManager::CreateFlatBrushes() {
  FreeFlatBrushes();
  const TColor colors[5] = {GetFlatBorderColor(), GetFlatFaceColor(), GetFlatDownColor(), GetFlatDownSelectedColor(),
                            GetFlatSelectedColor()};
  for (int i = 0; i < 5; ++i) FFlatBrushes[i] = CreateSolidBrush(COLORREF(ColorToRGB(colors[i])));
}

void TdxBarManager::FreeFlatBrushes() {
  for (HBRUSH& brush : FFlatBrushes) {
    HGDIOBJ object = brush;
    DeleteAndClearGDIObject(object);
    brush = nullptr;
  }
}

void TdxBarManager::CreateThemedBrush() {
  FreeThemedBrush();
  if (FThemesUsable) FThemedBrush = CreateSolidBrush(COLORREF(ColorToRGB(ThemedToolbarFillColor())));
}

void TdxBarManager::FreeThemedBrush() {
  HGDIOBJ object = FThemedBrush;
  DeleteAndClearGDIObject(object);
  FThemedBrush = nullptr;
}

void TdxBarManager::CreateColorResources() {
  CreateFlatBrushes();
  CreateThemedBrush();
  if (!FOffice11ColorsHeld) {
    Office11ColorsAddRef();
    FOffice11ColorsHeld = true;
  }
  RepaintAll();
}

void TdxBarManager::RefreshColorResources() {
  CreateFlatBrushes();
  CreateThemedBrush();
  Office11ColorsRefresh();
  RepaintAll();
}

void TdxBarManager::FreeColorResources() {
  FreeThemedBrush();
  FreeFlatBrushes();
  if (FOffice11ColorsHeld) {
    Office11ColorsRelease();
    FOffice11ColorsHeld = false;
  }
}

// --- Image options' reactions -------------------------------------------------------------

void TdxBarManager::ImageOptionsChanged(TObject*) {}

void TdxBarManager::LargeIconsChanged(TObject*) {
  FImageOptions->UpdateGlyphSize();
  NotifyModified();
}

// The items' glyph notifications come with the items' glyphs; the walk runs
// under the update lock as they will need.
void TdxBarManager::ImageListContentsChanged(TdxBarImageOptions::TList) {
  if (IsLoading() || IsDestroying()) return;
  LockUpdate(true);
  TdxBarFinally unlock([this] { UnlockUpdate(true, true); });
}
