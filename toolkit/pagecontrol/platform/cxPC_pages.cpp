// The page control and its pages: pages and tabs kept in step, the active
// page with its events, TabVisible, PageIndex, page removal and streaming order.
#include <algorithm>

#include "Forms.h"
#include "Messages.h"
#include "SysUtils.h"
#include "cxControlsBase_win.h"
#include "cxPC_win.h"

// --- TcxTabSheet ---------------------------------------------------------------------------------
TcxTabSheet::TcxTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
  SetAlign(alClient);
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  style.Include(csNoDesignVisible);
  SetControlStyle(style);
  SetVisible(false);
  SetTabStop(false);
}

TcxTabSheet::~TcxTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

int TcxTabSheet::PageIndex() const { return FPageControl ? FPageControl->IndexOfPage(this) : -1; }

TcxTab* TcxTabSheet::Tab() const {
  const int index = PageIndex();
  if (index < 0 || index >= FPageControl->Tabs()->Count()) return nullptr;
  return FPageControl->Tabs()->Tab(index);
}

void TcxTabSheet::SetPageControl(TcxPageControl* Value) {
  if (Value == FPageControl) return;
  if (FPageControl) FPageControl->RemovePage(this);
  if (!Value) return;
  Value->InsertPage(this);
  if (!Value->IsLoading() && !Value->ActivePage() && FTabVisible) Value->SetActivePage(this);
}

void TcxTabSheet::SetParent(TWinControl* AParent) {
  if (AParent && AParent == FPageControl) {
    inherited::SetParent(AParent);
    return;
  }
  auto* pageControl = dynamic_cast<TcxPageControl*>(AParent);
  if (AParent && !pageControl) throw EAbort(String());
  SetPageControl(pageControl);
}

void TcxTabSheet::AttachToPageControl(TcxPageControl* APageControl) {
  FPageControl = APageControl;
  inherited::SetParent(APageControl);
}

void TcxTabSheet::SetPageIndex(int Value) {
  if (!FPageControl) return;
  TcxPageControl* pc = FPageControl;
  const int old = PageIndex();
  if (Value > pc->PageCount() - 1)
    throw EListError(cxPCFormatResourceString(&scxPCPageIndexError, {IntToStr(Value), IntToStr(pc->PageCount() - 1)}));
  if (Value < 0) throw EListError(cxPCFormatResourceString(&SListIndexError, {IntToStr(Value)}));
  if (Value == old) return;
  pc->FPages.erase(pc->FPages.begin() + old);
  pc->FPages.insert(pc->FPages.begin() + Value, this);
  pc->Tabs()->Move(old, Value);
  // The selection still names the old position: bringing the tab up to date
  // must not announce a change of page.
  pc->LockChangeEvents(true);
  try {
    pc->UpdateTabFromPage(this);
    pc->SetTabIndex(pc->ActivePageIndex());
  } catch (...) {
    pc->LockChangeEvents(false);
    throw;
  }
  pc->LockChangeEvents(false);
}

void TcxTabSheet::SetTabVisible(bool Value) {
  if (Value == FTabVisible) return;
  FTabVisible = Value;
  UpdateTab();
  if (Value && FPageControl && FPageControl->PageCount() == 1 && !FPageControl->ActivePage())
    FPageControl->SetActivePage(this);
}

void TcxTabSheet::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  UpdateTab();
}

void TcxTabSheet::SetHighlighted(bool Value) {
  if (Value == FHighlighted) return;
  FHighlighted = Value;
  UpdateTab();
}

void TcxTabSheet::UpdateTab() {
  if (FPageControl) FPageControl->UpdateTabFromPage(this);
}

void TcxTabSheet::DoHide() {
  if (OnHide) OnHide(this);
}

void TcxTabSheet::DoShow() {
  if (OnShow) OnShow(this);
}

void TcxTabSheet::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TcxTabSheet::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: {
      if (FPageControl) {
        const HDC dc = reinterpret_cast<HDC>(Message.WParam);
        if (PaintsNatively()) {
          // The painter places the pane in the page's own coordinates.
          FPageControl->Painter()->PaintTabSheetBackground(dc, this);
        } else {
          const int saved = SaveDC(dc);
          POINT origin;
          GetWindowOrgEx(dc, &origin);
          SetWindowOrgEx(dc, origin.x + Left(), origin.y + Top(), nullptr);
          try {
            FPageControl->EraseBackground(dc);
          } catch (...) {
            RestoreDC(dc, saved);
            throw;
          }
          RestoreDC(dc, saved);
        }
      }
      Message.Result = 1;
      return;
    }
    case CM_SHOWINGCHANGED: {
      inherited::WndProc(Message);
      // An event handler's failure must not stop the showing change.
      try {
        if (Showing())
          DoShow();
        else
          DoHide();
      } catch (const Exception& e) {
        Application->ShowException(e);
      }
      return;
    }
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      inherited::WndProc(Message);
      UpdateTab();
      return;
    case WM_NCPAINT:
      if (PaintsNatively()) {
        PaintBorderBand();
        Message.Result = 0;
        return;
      }
      break;
    case CM_COLORCHANGED:
    case CM_PARENTCOLORCHANGED:
      inherited::WndProc(Message);
      if (FPageControl && Tab() && Tab()->VisibleIndex() != -1)
        FPageControl->Tabs()->TabChanged(Tab()->VisibleIndex(), tcrLayout);
      if (BorderWidth() > 0 && HandleAllocated()) SendMessageW(Handle(), WM_NCPAINT, 1, 0);
      Invalidate();
      return;
    case CM_INVALIDATE:
      if (FPageControl) {
        // Transparent children show the page control's background through: they go with the page.
        if (HandleAllocated())
          InvalidateControlAndChildren(this, Message.WParam == 0, FPageControl->NeedsInvalidateChildren());
        return;
      }
      break;
    default: break;
  }
  inherited::WndProc(Message);
}

bool TcxTabSheet::PaintsNatively() const {
  return FPageControl && FPageControl->Painter() && FPageControl->Painter()->IsNativePainting();
}

// The band BorderWidth leaves around the page shows the themed pane under it.
void TcxTabSheet::PaintBorderBand() {
  if (!HandleAllocated()) return;
  const HDC dc = GetWindowDC(Handle());
  if (!dc) return;
  const int border = BorderWidth();
  ExcludeClipRect(dc, border, border, Width() - border, Height() - border);
  try {
    FPageControl->Painter()->PaintTabSheetBackground(dc, this);
  } catch (...) {
    ReleaseDC(Handle(), dc);
    throw;
  }
  ReleaseDC(Handle(), dc);
}

// --- TcxPageControl ------------------------------------------------------------------------------
TcxPageControl::TcxPageControl(TComponent* AOwner) : TcxCustomTabControl(AOwner) {}

TcxPageControl::~TcxPageControl() {
  IncludeState(csDestroying);
  // Pages destroyed with the control must not call back into it.
  for (TcxTabSheet* page : FPages) page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

int TcxPageControl::IndexOfPage(const TcxTabSheet* APage) const {
  const auto it = std::find(FPages.begin(), FPages.end(), APage);
  return it == FPages.end() ? -1 : int(it - FPages.begin());
}

TObject* TcxPageControl::GetPageObject(int AIndex) {
  return AIndex >= 0 && AIndex < PageCount() ? FPages[std::size_t(AIndex)] : nullptr;
}

void TcxPageControl::InsertPage(TcxTabSheet* APage) {
  if (Parent()) HandleNeeded();
  FInsertingPage = true;
  try {
    FPages.push_back(APage);
    APage->AttachToPageControl(this);
    Tabs()->Add(APage->Caption());
  } catch (...) {
    FInsertingPage = false;
    throw;
  }
  FInsertingPage = false;
  UpdateTabFromPage(APage);
}

void TcxPageControl::RemovePage(TcxTabSheet* APage) {
  const bool check = !IsDesigning();
  TcxTabSheet* next = FindNextPage(APage, true, check, false);
  if (!next) next = FindNextPage(APage, false, check, false);
  const int index = IndexOfPage(APage);
  if (index != -1) {
    FPages.erase(FPages.begin() + index);
    if (!IsDestroying()) Tabs()->Delete(index);
  }
  FTabIndex = -1;
  FLayout.SelectedVisibleTab = -1;
  if (FActivePage == APage) FActivePage = nullptr;
  if (!IsDestroying()) SetActivePage(next == APage ? nullptr : next);
  APage->AttachToPageControl(nullptr);
}

TcxTabSheet* TcxPageControl::FindNextPage(TcxTabSheet* ACurPage, bool AGoForward, bool ACheckTabVisible,
                                          bool ACircular) {
  const int count = PageCount();
  if (count == 0) return nullptr;
  const int step = AGoForward ? 1 : -1;
  int at = IndexOfPage(ACurPage);
  int examine;
  auto stepOn = [&]() {
    at += step;
    if (at >= 0 && at < count) return true;
    if (!ACircular) return false;
    at = AGoForward ? 0 : count - 1;
    return true;
  };
  if (at == -1) {
    at = AGoForward ? 0 : count - 1;
    examine = count;
  } else {
    if (!stepOn()) return nullptr;
    examine = count - 1;
  }
  for (int i = 0; i < examine; ++i) {
    TcxTabSheet* page = FPages[std::size_t(at)];
    if (!ACheckTabVisible || (page->TabVisible() && page->Enabled())) return page;
    if (!stepOn()) return nullptr;
  }
  return nullptr;
}

void TcxPageControl::SelectNextPage(bool AGoForward, bool ACheckTabVisible) {
  TcxTabSheet* page = FindNextPage(FActivePage, AGoForward, ACheckTabVisible);
  if (page && page != FActivePage) SetActivePage(page);
}

void TcxPageControl::SetActivePage(TcxTabSheet* Value) {
  if (FSettingActivePage || IsDestroying()) return;
  if (Value && Value->PageControl() != this) return;
  ChangeActivePage(Value);
  if (Value != FActivePage) return;
  LockChangeEvents(true);
  FSettingActivePage = true;
  try {
    SetTabIndex(Value && Value->TabVisible() ? Value->PageIndex() : -1);
  } catch (...) {
    FSettingActivePage = false;
    LockChangeEvents(false);
    throw;
  }
  FSettingActivePage = false;
  LockChangeEvents(false);
}

void TcxPageControl::ChangeActivePage(TcxTabSheet* APage) {
  if (APage == FActivePage || !DoPageChanging(APage)) return;
  TCustomForm* form = GetParentForm(this);
  if (form && FActivePage && form->ActiveControl() && FActivePage->ContainsControl(form->ActiveControl())) {
    form->SetActiveControl(FActivePage);
    if (form->ActiveControl() != FActivePage) {
      SetTabIndex(FActivePage->PageIndex());
      return;
    }
  }
  TWinControl* focus = nullptr;
  if (APage && form && FActivePage && form->ActiveControl() == FActivePage) {
    const bool pageCanTakeIt = APage->Enabled() && Enabled() && Visible() && Parent() && Parent()->CanFocus();
    focus = pageCanTakeIt ? static_cast<TWinControl*>(APage) : this;
  }
  if (FActivePage) FActivePage->SetVisible(false);
  if (APage) {
    APage->BringToFront();
    APage->SetVisible(true);
    APage->Invalidate();
  }
  if (focus) form->SetActiveControl(focus);
  FActivePage = APage;
  PageChanged();
  if (form && APage && form->ActiveControl() == APage) APage->SelectNext(nullptr, true, true);
  if (!IsLoading()) DesignerModified();
}

bool TcxPageControl::DoPageChanging(TcxTabSheet* ANewPage) {
  bool allow = true;
  if (OnPageChanging && !IsChangeEventLocked()) OnPageChanging(this, ANewPage, allow);
  return allow;
}

void TcxPageControl::PageChanged() {
  if (!IsChangeEventLocked() && OnChange) OnChange(this);
}

bool TcxPageControl::CanChange(int ANewTabIndex) {
  if (!inherited::CanChange(ANewTabIndex)) return false;
  if (ANewTabIndex < 0 || ANewTabIndex >= PageCount()) return true;
  return DoPageChanging(FPages[std::size_t(ANewTabIndex)]);
}

void TcxPageControl::SyncActivePage() {
  const int index = TabIndex();
  SetActivePage(index >= 0 && index < PageCount() ? FPages[std::size_t(index)] : nullptr);
}

void TcxPageControl::Change() {
  LockChangeEvents(true);
  try {
    SyncActivePage();
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
  inherited::Change();
}

void TcxPageControl::CloseActiveTab() {
  if (FActivePage) FActivePage->Free();
}

void TcxPageControl::ImageListChanged(TObject* Sender) {
  if (!FInsertingPage && !IsDestroying())
    for (int i = 0; i < PageCount() && i < Tabs()->Count(); ++i) Tabs()->Tab(i)->SetImageIndex(FPages[std::size_t(i)]->ImageIndex());
  inherited::ImageListChanged(Sender);
}

void TcxPageControl::AlignControls(TControl* AControl, TRect& Rect) {
  inherited::AlignControls(AControl, Rect);
  if (FActivePage && FActivePage->HandleAllocated() && FActivePage->BorderWidth() > 0 && Painter() &&
      Painter()->IsNativePainting()) {
    const HRGN region = CreateRectRgnIndirect(AsRect(FActivePage->BoundsRect()));
    SendMessageW(FActivePage->Handle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
    DeleteObject(region);
  }
}

void TcxPageControl::WndProc(TMessage& Message) {
  inherited::WndProc(Message);
  if (Message.Msg == CM_CONTROLCHANGE)
    ControlChange(Message.LParam != 0, reinterpret_cast<TControl*>(Message.WParam));
}

void TcxPageControl::ControlChange(bool AInserting, TControl* AControl) {
  if (!AInserting || !AControl || !IsDesigning() || dynamic_cast<TcxTabSheet*>(AControl) || !Parent()) return;
  const TRect bounds = AControl->BoundsRect();
  AControl->SetParent(Parent());
  AControl->SetBounds(bounds.Left + Left(), bounds.Top + Top(), bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
}

void TcxPageControl::Relayout() {
  inherited::Relayout();
  if (FActivePage) FActivePage->Invalidate();
}

void TcxPageControl::UpdateTabFromPage(TcxTabSheet* APage) {
  if (IsLoading() || IsDestroying()) return;
  TcxTab* tab = APage->Tab();
  if (!tab) return;
  tab->SetCaption(APage->Caption());
  tab->SetEnabled(APage->Enabled());
  tab->SetImageIndex(APage->ImageIndex());
  tab->SetHighlighted(APage->Highlighted());
  tab->SetVisible(APage->TabVisible());
  if (APage == FActivePage) SetTabIndex(APage->TabVisible() ? tab->Index() : -1);
}

void TcxPageControl::Loaded() {
  inherited::Loaded();
  for (TcxTabSheet* page : std::vector<TcxTabSheet*>(FPages)) UpdateTabFromPage(page);
  if (!IsDesigning() && FActivePage && !FActivePage->Enabled()) SetActivePage(nullptr);
}

void TcxPageControl::GetChildren(TGetChildProc Proc, TComponent* /*Root*/) {
  for (TcxTabSheet* page : FPages) Proc(page);
}

void TcxPageControl::SetChildOrder(TComponent* Child, int Order) {
  if (auto* page = dynamic_cast<TcxTabSheet*>(Child); page && page->PageControl() == this) page->SetPageIndex(Order);
}
