// A control's own scroll bars: made with the control, shown as its
// descendant's values say without bars that switch each other on and off,
// placed at the bottom and right of its bounds; and the watcher that resizes
// them when the system's scroll-bar metrics change.
#include <algorithm>

#include "cxControls_internal.h"
#include "cxControls_win.h"

namespace {

TcxSettingsController* GSettingsController = nullptr;

// A descendant whose values never settle must not hang the window: after
// this many passes the last one stands.
constexpr int kMaxScrollBarPasses = 8;

}  // namespace

// --- Settings controller --------------------------------------------------------------------
TcxSettingsController* cxSettingsController() {
  if (!GSettingsController && !cxControlsFinalizing) GSettingsController = new TcxSettingsController();
  return GSettingsController;
}

void FreeSettingsController() {
  delete GSettingsController;
  GSettingsController = nullptr;
}

TcxSettingsController::~TcxSettingsController() {
  if (FWindow) DeallocateHWnd(FWindow);
}

void TcxSettingsController::AddListener(TcxControl* AControl) {
  if (std::find(FList.begin(), FList.end(), AControl) != FList.end()) return;
  FList.push_back(AControl);
  if (!FWindow) FWindow = AllocateHWnd(TWndMethod(this, &TcxSettingsController::WndProc));
}

void TcxSettingsController::RemoveListener(TcxControl* AControl) {
  std::erase(FList, AControl);
  if (FList.empty() && FWindow) {
    DeallocateHWnd(FWindow);
    FWindow = nullptr;
  }
}

void TcxSettingsController::WndProc(TMessage& Message) {
  try {
    if (Message.Msg == WM_SETTINGCHANGE && Message.WParam == SPI_SETNONCLIENTMETRICS) {
      for (TcxControl* control : std::vector<TcxControl*>(FList))
        if (std::find(FList.begin(), FList.end(), control) != FList.end() && control->HandleAllocated())
          SendNotifyMessageW(control->Handle(), CXM_SCROLLBARSIZESCHANGED, 0, 0);
      Message.Result = 0;
      return;
    }
    Message.Result = DefWindowProcW(FWindow, Message.Msg, Message.WParam, Message.LParam);
  } catch (...) {
    HandleCallbackException(this);
  }
}

// --- The control's bars ----------------------------------------------------------------------
void TcxControl::CreateScrollBars() {
  if (!HasScrollBars() || FHScrollBar) return;
  auto make = [this](TScrollBarKind kind) {
    auto* bar = static_cast<TcxControlScrollBar*>(GetScrollBarClass(kind)->Create(nullptr));
    bar->SetKind(kind);
    bar->OnScroll = TScrollEvent(this, &TcxControl::ScrollBarScroll);
    bar->LookAndFeel()->SetMaster(FLookAndFeel);
    bar->SetControlStyle(bar->ControlStyle() + TControlStyle{csReplicatable});
    return bar;
  };
  FHScrollBar = make(sbHorizontal);
  FVScrollBar = make(sbVertical);
  FSizeGrip = new TcxSizeGrip(nullptr);
  FSizeGrip->LookAndFeel()->SetMaster(FLookAndFeel);
  FSizeGrip->SetControlStyle(FSizeGrip->ControlStyle() + TControlStyle{csReplicatable});
  FSizeGrip->SetVisible(false);
  // Parented from the start: the runtime would make a parentless window
  // that is shown a top-level one.
  SetScrollBarsParent();
  if (TcxSettingsController* controller = cxSettingsController()) controller->AddListener(this);
}

void TcxControl::DestroyScrollBars() {
  if (GSettingsController) GSettingsController->RemoveListener(this);
  delete FSizeGrip;
  FSizeGrip = nullptr;
  delete FVScrollBar;
  FVScrollBar = nullptr;
  delete FHScrollBar;
  FHScrollBar = nullptr;
}

void TcxControl::SyncScrollBarsPresence() {
  if (HasScrollBars()) {
    CreateScrollBars();
    if (HandleAllocated()) SetScrollBarsParent();
  } else {
    DestroyScrollBars();
  }
}

void TcxControl::SetScrollBarsParent() {
  if (!FHScrollBar) return;
  FHScrollBar->SetParent(this);
  FVScrollBar->SetParent(this);
  FSizeGrip->SetParent(this);
}

TClass TcxControl::GetScrollBarClass(TScrollBarKind) { return TcxControlScrollBar::StaticClass(); }

void TcxControl::ScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos) {
  Scroll(static_cast<TcxScrollBar*>(Sender)->Kind(), ScrollCode, ScrollPos);
}

void TcxControl::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  BoundsChanged();
}

bool TcxControl::IsHScrollBarVisible() const {
  if (!FHScrollBar) return false;
  return FCalculatingScrollBarsParams ? FHScrollBar->Data.Visible : FHScrollBar->Visible();
}

bool TcxControl::IsVScrollBarVisible() const {
  if (!FVScrollBar) return false;
  return FCalculatingScrollBarsParams ? FVScrollBar->Data.Visible : FVScrollBar->Visible();
}

bool TcxControl::IsInternalControl(TControl* AControl) {
  return AControl && (AControl == FHScrollBar || AControl == FVScrollBar || AControl == FSizeGrip);
}

TcxMouseWheelScrollingKind TcxControl::GetMouseWheelScrollingKind() {
  return IsVScrollBarVisible() ? mwskVertical : mwskNone;
}

void TcxControl::SetScrollBarInfo(TScrollBarKind AKind, int AMin, int AMax, int AStep, int APage, int APos,
                                  bool AAllowShow, bool AAllowHide) {
  TcxControlScrollBar* bar = AKind == sbHorizontal ? FHScrollBar : FVScrollBar;
  if (!bar) return;
  const bool allowed = FScrollBars == ssBoth || FScrollBars == (AKind == sbHorizontal ? ssHorizontal : ssVertical);
  SetPendingScrollBarInfo(bar->Data, AMin, AMax, AStep, APage, APos, AAllowShow, AAllowHide, allowed);
}

void TcxControl::CalculateScrollBarsParams() {
  if (FCalculatingScrollBarsParams) return;
  FCalculatingScrollBarsParams = true;
  try {
    TcxScrollBarPendingData& h = FHScrollBar->Data;
    TcxScrollBarPendingData& v = FVScrollBar->Data;
    h.Visible = v.Visible = false;
    // Each pass sees the client area the previous one left: a bar that
    // appears narrows the room, which may call for the other bar.
    for (int pass = 0; pass < kMaxScrollBarPasses; ++pass) {
      const bool hv = h.Visible, vv = v.Visible;
      ComputeScrollBarParams();
      if (h.Visible == hv && v.Visible == vv) break;
    }
    if (h.Visible && v.Visible && h.Enabled && v.Enabled && h.AllowHide && v.AllowHide &&
        IsPixelScrollBar(sbHorizontal) && IsPixelScrollBar(sbVertical) &&
        IsRangeCoveredWithoutOtherBar(h, FVScrollBar->Width()) &&
        IsRangeCoveredWithoutOtherBar(v, FHScrollBar->Height())) {
      const TcxScrollBarPendingData oldH = h, oldV = v;
      SetScrollBarInfo(sbHorizontal, oldH.Min, oldH.Max, oldH.SmallChange, oldH.PageSize + FVScrollBar->Width(),
                       oldH.Position, oldH.AllowShow, true);
      SetScrollBarInfo(sbVertical, oldV.Min, oldV.Max, oldV.SmallChange, oldV.PageSize + FHScrollBar->Height(),
                       oldV.Position, oldV.AllowShow, true);
    }
  } catch (...) {
    FCalculatingScrollBarsParams = false;
    throw;
  }
  FCalculatingScrollBarsParams = false;
}

void TcxControl::UpdateScrollBars() {
  if (!HasScrollBars() || !FHScrollBar) return;
  const bool outermost = !FUpdatingScrollBars;
  if (outermost) {
    FInitialHScrollBarVisible = FHScrollBar->Visible();
    FInitialVScrollBarVisible = FVScrollBar->Visible();
  }
  const bool wasUpdating = FUpdatingScrollBars;
  FUpdatingScrollBars = true;
  auto restore = [&] {
    FUpdatingScrollBars = wasUpdating;
    if (outermost) FInitialScrollBarsParams = false;
  };
  try {
    const bool hBefore = FHScrollBar->Visible(), vBefore = FVScrollBar->Visible();
    if (!FInitialScrollBarsParams) {
      CalculateScrollBarsParams();
      if (!outermost && FHScrollBar->Data.Visible == FInitialHScrollBarVisible &&
          FVScrollBar->Data.Visible == FInitialVScrollBarVisible) {
        // The bars would switch back to where they began: the one that
        // appeared stays, disabled, instead of flickering.
        FInitialScrollBarsParams = true;
        for (auto [bar, initial] : {std::pair{FHScrollBar, FInitialHScrollBarVisible},
                                    std::pair{FVScrollBar, FInitialVScrollBarVisible}}) {
          if (bar->Visible() != initial) {
            bar->SetEnabled(false);
            bar->SetVisible(true);
          }
        }
      } else {
        FHScrollBar->ApplyData();
        FVScrollBar->ApplyData();
      }
    }
    if (FHScrollBar->Visible() != hBefore || FVScrollBar->Visible() != vBefore) {
      BoundsChanged();
    } else {
      FSizeGrip->SetVisible(FHScrollBar->Visible() && FVScrollBar->Visible());
      SetScrollBarsBounds();
      if (KeepScrollBarsOnTop()) BringScrollBarsToFront();
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

TRect TcxControl::GetHScrollBarBounds() { return CalcHScrollBarBounds(GetClientBounds(), FHScrollBar->Height()); }

TRect TcxControl::GetVScrollBarBounds() { return CalcVScrollBarBounds(GetClientBounds(), FVScrollBar->Width()); }

TRect TcxControl::GetSizeGripBounds() {
  return CalcSizeGripBounds(GetClientBounds(), FHScrollBar->Height(), FVScrollBar->Width());
}

void TcxControl::SetScrollBarsBounds() {
  if (!FHScrollBar) return;
  if (FHScrollBar->Visible()) FHScrollBar->SetBoundsRect(GetHScrollBarBounds());
  if (FVScrollBar->Visible()) FVScrollBar->SetBoundsRect(GetVScrollBarBounds());
  if (FSizeGrip->Visible()) FSizeGrip->SetBoundsRect(GetSizeGripBounds());
}

void TcxControl::BringScrollBarsToFront() {
  if (!FHScrollBar) return;
  FHScrollBar->BringToFront();
  FVScrollBar->BringToFront();
  FSizeGrip->BringToFront();
}

void TcxControl::RefreshScrollBars() {
  if (!HasScrollBars() || !FHScrollBar) return;
  if (FHScrollBar->Visible()) FHScrollBar->RefreshShowing();
  if (FVScrollBar->Visible()) FVScrollBar->RefreshShowing();
  if (FSizeGrip->Visible()) FSizeGrip->RefreshShowing();
}

void TcxControl::ScrollBarSizesChanged() {
  if (!HasScrollBars() || !FHScrollBar) return;
  const int height = GetSystemMetrics(SM_CYHSCROLL), width = GetSystemMetrics(SM_CXVSCROLL);
  if (FHScrollBar->Height() == height && FVScrollBar->Width() == width) return;
  FHScrollBar->SetHeight(height);
  FVScrollBar->SetWidth(width);
  BoundsChanged();
}
