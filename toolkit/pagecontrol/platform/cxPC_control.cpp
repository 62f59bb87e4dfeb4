// The tab control: properties, selection, the layout run, painter choice,
// painting and streaming of the display rectangle. Input is in cxPC_input.cpp.
#include <algorithm>

#include "SysUtils.h"
#include "cxPCGoDialog.h"
#include "cxPCPaintersFactory.h"
#include "cxPC_win.h"
#include "dxThemeManager.h"

TcxCustomTabControl::TcxCustomTabControl(TComponent* AOwner) : TcxControl(AOwner) {
  FTabs = std::make_unique<TcxTabs>(this);
  FVisibleTabs = std::make_unique<TcxVisibleTabList>(FTabs.get());
  FTabSlants = std::make_unique<TcxTabSlants>(this);
  FTabSlants->OnChange = TNotifyEvent(this, &TcxCustomTabControl::TabSlantsChanged);
  FImages = std::make_unique<TcxPCImageList>(this);
  FImages->OnChange = TNotifyEvent(this, &TcxCustomTabControl::ImageListChanged);
  SetBounds(Left(), Top(), 289, 193);
  SetTabStop(true);
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks,
                                csParentBackground});
  if (!IsDesigning()) FGoDialog = new TcxPCGoDialog(this);
  SetStyle(cxPCDefaultStyle);
}

TcxCustomTabControl::~TcxCustomTabControl() {
  IncludeState(csDestroying);
  FTabSlants.reset();
  delete FTimer;
  FTimer = nullptr;
  delete FGoDialog;
  FGoDialog = nullptr;
  FImages.reset();
  FTabs.reset();
  ReleasePainter(FPainter);
  FPainter = nullptr;
  FVisibleTabs.reset();
}

// --- Layout host ---------------------------------------------------------------------------------
TcxPCTabLayoutInfo& TcxCustomTabControl::LayoutTab(int AVisibleIndex) {
  return FTabs->Tab(FVisibleTabs->TabIndexAt(AVisibleIndex))->Layout;
}

int TcxCustomTabControl::CalculateTabNormalHeight() { return FPainter->CalculateTabNormalHeight(); }

int TcxCustomTabControl::CalculateTabNormalWidth(int AVisibleIndex) {
  return FPainter->CalculateTabNormalWidth(FTabs->VisibleTab(AVisibleIndex));
}

int TcxCustomTabControl::GetMinTabWidth(int AVisibleIndex) { return FPainter->GetMinTabWidth(AVisibleIndex); }

TPoint TcxCustomTabControl::GetTabsSpacing() { return FPainter->GetTabsSpacing(); }

void TcxCustomTabControl::GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) {
  FPainter->GetTabsAreaInfo(AButtons, AInfo);
}

bool TcxCustomTabControl::KeepsSelectedRowAdjacent() { return FPainter->PainterClass()->KeepsSelectedRowAdjacent(); }

int TcxCustomTabControl::MeasureTabCaptionWidth(int AVisibleIndex) {
  TcxTab* tab = FTabs->VisibleTab(AVisibleIndex);
  TSize size{};
  MeasureTabText(tab, tab->Caption(), nullptr, size);
  return size.cx;
}

void TcxCustomTabControl::NavigatorButtonsLaidOut() {
  for (int b = nbTopLeft; b <= nbClose; ++b) {
    const auto button = TcxPCNavigatorButton(b);
    if (FLayout.NavigatorButtons.Contains(button)) continue;
    FButtonStates[b] = nbsNormal;
    FHotButtons.Exclude(button);
    FPressedButtons.Exclude(button);
  }
  if (!MultiLine()) UpdateNavigatorButtonStates();
}

// --- Layout --------------------------------------------------------------------------------------
void TcxCustomTabControl::CalculateTabNormalSizes() {
  if (FTabs->Count() == 0) PCError(L"TcxCustomTabControl", L"CalculateTabNormalSizes", &scxPCTabCountEqualsZero);
  for (int i = 0; i < FTabs->Count(); ++i) FTabs->Tab(i)->Layout.NormalWidth = 0;
  FLayout.CalculateTabNormalSizes();
}

void TcxCustomTabControl::CalculateTabsLayout() {
  const int count = FVisibleTabs->Count();
  if (FHotTab >= count) FHotTab = -1;
  if (FPressedTab >= count) FPressedTab = -1;
  if (FTabIndex > FTabs->Count() - 1) FTabIndex = FTabs->Count() - 1;
  for (int i = 0; i < FTabs->Count(); ++i)
    if (!FTabs->Tab(i)->Visible()) FTabs->Tab(i)->Layout.NormalWidth = 0;
  FLayout.Calculate();
}

void TcxCustomTabControl::Relayout() {
  if (IsLoading() || FLayoutRunning || !FPainter) return;
  FLayoutRunning = true;
  try {
    const int remembered = FLayout.SelectedVisibleTab;
    if (remembered >= FVisibleTabs->Count()) FLayout.SelectedVisibleTab = -1;
    FPainter->BeforeLayout();
    if (FLayout.Settings.MaxRotatedTabWidth > 0)
      FLayout.Settings.MaxRotatedTabWidth = std::max(FLayout.Settings.MaxRotatedTabWidth, FPainter->GetMinTabWidth(-1));
    DropCaptionBitmaps();
    CalculateTabsLayout();
    for (int i = 0; i < FVisibleTabs->Count(); ++i) {
      TcxTab* tab = FTabs->VisibleTab(i);
      if (tab->ImageIndex() != -1 && tab->IsShown()) FTabs->TabChanged(i, tcrCaption);
    }
    UpdateImageRotation();
    Realign();
    Invalidate();
    FLayout.SelectedVisibleTab = remembered < FVisibleTabs->Count() ? remembered : -1;
    UpdateSelectedVisibleTab();
    UpdateHotTrackWithKeyboardState();
  } catch (...) {
    FLayoutRunning = false;
    throw;
  }
  FLayoutRunning = false;
}

void TcxCustomTabControl::MakeTabVisible(int AVisibleIndex) { FLayout.MakeTabVisible(AVisibleIndex); }

void TcxCustomTabControl::RelayoutIfTabVisible() {
  if (FVisibleTabs->Count() > 0) FullLayoutChanged();
}

void TcxCustomTabControl::DropCaptionBitmaps() {
  for (int i = 0; i < FTabs->Count(); ++i) FTabs->Tab(i)->DropCaptionBitmap();
}

void TcxCustomTabControl::UpdateImageRotation() {
  if (!ImageListHasImages(Images())) return;
  const bool native = FPainter && FPainter->IsNativePainting();
  FImages->SetImageRotationAngle(native ? 0 : GetTabCaptionRotation(TabPosition(), Rotate(), Options()));
}

void TcxCustomTabControl::RepaintTab(int AVisibleIndex, TcxPCTabChangeReason AReason) {
  if (AVisibleIndex < 0 || AVisibleIndex >= FVisibleTabs->Count()) return;
  if (AReason == tcrLayout) {
    FullLayoutChanged();
    return;
  }
  if (FTabs->UpdateCount() > 0 || IsLoading() || IsDestroying() || !FPainter) return;
  FPainter->RepaintTab(AVisibleIndex, AReason);
}

// --- Properties ----------------------------------------------------------------------------------
void TcxCustomTabControl::SetHideTabs(bool Value) {
  if (Value == FHideTabs) return;
  FHideTabs = Value;
  Invalidate();
  Realign();
}

void TcxCustomTabControl::SetHotTrack(bool Value) {
  if (Value == FHotTrack) return;
  FHotTrack = Value;
  UpdateHotTrackWithKeyboardState();
}

void TcxCustomTabControl::SetImageBorder(int Value) {
  if (Value < 0 || Value == FImageBorder) return;
  FImageBorder = Value;
  RelayoutIfTabVisible();
}

void TcxCustomTabControl::SetMaxRotatedTabWidth(int Value) {
  if (Value < 0) Value = 0;
  if (Value > 0) Value = std::max(Value, FPainter->GetMinTabWidth(-1));
  if (Value == FLayout.Settings.MaxRotatedTabWidth) return;
  FLayout.Settings.MaxRotatedTabWidth = Value;
  if (Rotate()) RelayoutIfTabVisible();
}

void TcxCustomTabControl::SetMultiLine(bool Value) {
  if (Value == FLayout.Settings.MultiLine) return;
  FLayout.Settings.MultiLine = Value;
  FullLayoutChanged();
}

void TcxCustomTabControl::SetNavigatorPosition(TcxPCNavigatorPosition Value) {
  if (Value == FNavigatorPosition) return;
  FNavigatorPosition = Value;
  FullLayoutChanged();
}

void TcxCustomTabControl::SetOptions(TcxPCOptions Value) {
  const TcxPCOptions old = FLayout.Settings.Options;
  if (Value == old) return;
  const TcxPCOptions changed = (old - Value) + (Value - old);
  FLayout.Settings.Options = Value;
  if (!(changed * cxPCLayoutOptions).Empty())
    FullLayoutChanged();
  else if (!(changed * cxPCRepaintOptions).Empty())
    Invalidate();
}

void TcxCustomTabControl::SetOwnerDraw(bool Value) {
  if (Value == FOwnerDraw) return;
  FOwnerDraw = Value;
  Invalidate();
}

void TcxCustomTabControl::SetRaggedRight(bool Value) {
  if (Value == FLayout.Settings.RaggedRight) return;
  FLayout.Settings.RaggedRight = Value;
  if (MultiLine()) FullLayoutChanged();
}

void TcxCustomTabControl::SetRotate(bool Value) {
  if (Value && FPainter && !FPainter->PainterClass()->CanRotateTabs())
    throw EdxException(cxPCFormatResourceString(&scxPCAllowRotateError, {FPainter->PainterClass()->GetStyleName()}));
  if (Value == FLayout.Settings.Rotate) return;
  FLayout.Settings.Rotate = Value;
  FullLayoutChanged();
}

void TcxCustomTabControl::SetScrollOpposite(bool Value) {
  if (Value == FLayout.Settings.ScrollOpposite) return;
  FLayout.Settings.ScrollOpposite = Value;
  if (!MultiLine()) return;
  if (FLayout.SelectedVisibleTab == -1) {
    Realign();
    return;
  }
  FLayout.OrderRows();
  Realign();
  Invalidate();
}

void TcxCustomTabControl::SetShowFrame(bool Value) {
  if (Value == FShowFrame) return;
  FShowFrame = Value;
  FullLayoutChanged();
}

void TcxCustomTabControl::SetTabHeight(int Value) {
  Value = std::int16_t(Value);
  if (Value == FTabHeight) return;
  FTabHeight = Value;
  FullLayoutChanged();
}

void TcxCustomTabControl::SetTabPosition(TcxTabPosition Value) {
  if (Value == FLayout.Settings.TabPosition) return;
  FLayout.Settings.TabPosition = Value;
  FullLayoutChanged();
}

void TcxCustomTabControl::SetTabWidth(int Value) {
  Value = std::int16_t(Value);
  if (Value == FTabWidth) return;
  FTabWidth = Value;
  FullLayoutChanged();
}

void TcxCustomTabControl::TabSlantsChanged(TObject*) { Relayout(); }

// --- Selection -----------------------------------------------------------------------------------
void TcxCustomTabControl::SetTabIndex(int Value) {
  if (IsLoading()) {
    FTabIndex = Value;
    return;
  }
  if (Value < -1 || Value >= FTabs->Count()) return;
  if (Value != -1 && SelectsVisibleTabsOnly() && !FTabs->Tab(Value)->Visible()) Value = -1;
  if (Value == FTabIndex || !CanChange(Value)) return;
  FTabIndex = -1;
  UpdateSelectedVisibleTab();
  for (int i = 0; i < FTabs->Count(); ++i) FTabs->Tab(i)->SetSelected(false);
  SetKeyboardFocusedTab(-1);
  FTabIndex = Value;
  UpdateSelectedVisibleTab();
  if (!MultiLine()) {
    if (FLayout.SelectedVisibleTab != -1) MakeTabVisible(FLayout.SelectedVisibleTab);
    Relayout();
  } else {
    FLayout.OrderRows();
    Realign();
    Invalidate();
  }
  UpdateNavigatorButtonStates();
  UpdateHotTrackWithKeyboardState();
  Change();
}

void TcxCustomTabControl::UpdateSelectedVisibleTab() {
  const int count = FVisibleTabs->Count();
  int old = FLayout.SelectedVisibleTab;
  if (old >= count) old = -1;
  int value = -1;
  if (FTabIndex != -1 && count > 0) {
    int position;
    FVisibleTabs->Find(FTabIndex, position);
    value = std::min(position, count - 1);
  }
  FLayout.SelectedVisibleTab = value;
  if (value == old) return;
  if (old != -1) RepaintTab(old, tcrSelection);
  if (value != -1) RepaintTab(value, tcrSelection);
  UpdateNavigatorButtonStates();
}

bool TcxCustomTabControl::CanChange(int) {
  bool allow = true;
  if (OnChanging && !IsChangeEventLocked()) OnChanging(this, allow);
  return allow;
}

void TcxCustomTabControl::Change() {
  if (!IsChangeEventLocked() && OnChange) OnChange(this);
}

void TcxCustomTabControl::LockChangeEvents(bool ALock) {
  if (ALock)
    ++FChangeEventLock;
  else if (FChangeEventLock > 0)
    --FChangeEventLock;
}

bool TcxCustomTabControl::IsChangeEventLocked() const { return FChangeEventLock > 0 || IsLoading(); }

// --- Painter choice ------------------------------------------------------------------------------
void TcxCustomTabControl::SetStyle(TcxPCStyleID Value) {
  if (Value == cxPCDefaultStyle) {
    FStyle = cxPCDefaultStyle;
    UpdateStyleFromLookAndFeel();
    return;
  }
  if (Value == FStyle) return;
  const TcxPCPainterClass cls = FindPainterClass(Value);
  if (!cls) return;
  FStyle = Value;
  SetPainterClass(cls);
}

void TcxCustomTabControl::SetPainterClass(TcxPCPainterClass AClass) {
  if (FPainter && FPainter->PainterClass() == AClass) return;
  TcxPCCustomPainter* painter = GetPainterInstance(AClass, this);
  ReleasePainter(FPainter);
  FPainter = painter;
  if (Rotate() && !AClass->CanRotateTabs()) SetRotate(false);
  SetDoubleBuffered(FPainter->NeedsDoubleBuffering());
  DropCaptionBitmaps();
  Relayout();
  InvalidateWithChildren();
}

void TcxCustomTabControl::UpdateStyleFromLookAndFeel() {
  if (FStyle != cxPCDefaultStyle) return;
  TcxPCStyleID id = GetLookAndFeelStyleID(LookAndFeel());
  if (id == -1) id = GetDefaultStyleID(LookAndFeel());
  if (const TcxPCPainterClass cls = FindPainterClass(id)) SetPainterClass(cls);
}

void TcxCustomTabControl::LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  inherited::LookAndFeelChanged(Sender, AChangedValues);
  UpdateStyleFromLookAndFeel();
  Relayout();
  if (AChangedValues.Contains(lfvNativeStyle)) InvalidateWithChildren();
}

// --- Operations the page control replaces --------------------------------------------------------
bool TcxCustomTabControl::DoCanClose() {
  bool canClose = true;
  if (OnCanClose) OnCanClose(this, canClose);
  return canClose;
}

void TcxCustomTabControl::CloseActiveTab() {
  FTabs->Delete(FTabIndex);
  Change();
}

bool TcxCustomTabControl::SelectTabByAccelerator(wchar_t ACharCode) {
  for (int i = 0; i < FTabs->Count(); ++i)
    if (IsAccel(ACharCode, FTabs->Tab(i)->Caption()) && CanSelectTab(i) && CanFocus()) {
      SetTabIndex(i);
      return true;
    }
  return false;
}

bool TcxCustomTabControl::CanSelectTab(int AIndex) {
  TcxTab* tab = FTabs->Tab(AIndex);
  return tab->Visible() && tab->RealEnabled();
}

void TcxCustomTabControl::ShowGoDialog() {
  if (FGoDialog) FGoDialog->Popup(Options().Contains(pcoSort));
  GoDialogClosed(-1);
}

int TcxCustomTabControl::GetTabImageIndex(int ATabIndex) {
  int result = FTabs->Tab(ATabIndex)->FImageIndex;
  if (OnGetImageIndex) OnGetImageIndex(this, ATabIndex, result);
  if (result < 0) return -1;
  TCustomImageList* images = Images();
  if (images && images->Width() > 0 && images->Height() > 0 && result < images->Count()) return result;
  return -1;
}

void TcxCustomTabControl::ImageListChanged(TObject*) { Relayout(); }

void TcxCustomTabControl::PrepareTabFont(TcxTab* ATab, TcxCanvas* ACanvas) {
  ACanvas->Font()->Assign(Font());
  ACanvas->Font()->SetColor(FPainter->GetTabTextColor(ATab->VisibleIndex()));
  if (OnDrawTabEx) OnDrawTabEx(this, ATab, ACanvas->Font());
}

// --- TcxControl and the platform -----------------------------------------------------------------
TRect TcxCustomTabControl::GetDisplayRect() {
  if (IsLoading()) return FClientRectTopRead ? FStoredClientRect : TRect{0, 0, Width(), Height()};
  return NormalizeRect(FPainter->CalculateDisplayRect());
}

void TcxCustomTabControl::AdjustClientRect(TRect& Rect) { Rect = GetDisplayRect(); }

void TcxCustomTabControl::CreateHandle() {
  inherited::CreateHandle();
  Relayout();
  Realign();
}

void TcxCustomTabControl::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TcxCustomTabControl::Paint() {
  if (IsDestroying() || !FPainter) return;
  Canvas()->PushClipRegion();
  try {
    FPainter->PaintAll();
  } catch (...) {
    Canvas()->PopClipRegion();
    throw;
  }
  Canvas()->PopClipRegion();
}

void TcxCustomTabControl::EraseBackground(HDC DC) {
  if (!FPainter) return;
  TCanvas* canvas = Canvas()->Canvas();
  const int saved = SaveDC(DC);
  canvas->Lock();
  if (auto* controlCanvas = dynamic_cast<TControlCanvas*>(canvas)) controlCanvas->FreeHandle();
  canvas->SetHandle(DC);
  try {
    FPainter->PaintControlBackground();
  } catch (...) {
    canvas->SetHandle(nullptr);
    canvas->Unlock();
    RestoreDC(DC, saved);
    throw;
  }
  canvas->SetHandle(nullptr);
  canvas->Unlock();
  RestoreDC(DC, saved);
}

bool TcxCustomTabControl::CanFocusOnClick() {
  if (!inherited::CanFocusOnClick() || !HandleAllocated()) return false;
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  const int vi = TabAt(p.x, p.y);
  return vi != -1 && FVisibleTabs->TabIndexAt(vi) == FTabIndex;
}

bool TcxCustomTabControl::NeedsInvalidateChildren() {
  return Options().Contains(pcoRedrawOnResize) && ((FPainter && FPainter->NeedsRedrawOnResize()) || AreThemesEnabled());
}

bool TcxCustomTabControl::CanFocus() { return inherited::CanFocus() && FFocusable; }

void TcxCustomTabControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  inherited::GetTabOrderList(List);
  if (!FFocusable) List.erase(std::remove(List.begin(), List.end(), static_cast<TWinControl*>(this)), List.end());
}

void TcxCustomTabControl::ChangeScale(int M, int D) {
  TRect& r = FStoredClientRect;
  r = TRect{MulDiv(r.Left, M, D), MulDiv(r.Top, M, D), MulDiv(r.Right, M, D), MulDiv(r.Bottom, M, D)};
  inherited::ChangeScale(M, D);
}

void TcxCustomTabControl::FocusChanged() {
  inherited::FocusChanged();
  if (IsDestroying()) return;
  const int selected = FLayout.SelectedVisibleTab;
  if (selected >= 0 && selected < FVisibleTabs->Count() && FTabs->VisibleTab(selected)->IsShown())
    RepaintTab(selected, tcrFocus);
}

void TcxCustomTabControl::FontChanged() {
  inherited::FontChanged();
  Relayout();
}

void TcxCustomTabControl::Resize() {
  Relayout();
  Realign();
  inherited::Resize();
}

// --- Streaming -----------------------------------------------------------------------------------
void TcxCustomTabControl::Loaded() {
  inherited::Loaded();
  FullLayoutChanged();
  if (FTabIndex != -1) {
    const int index = FTabIndex;
    FTabIndex = -1;
    LockChangeEvents(true);
    try {
      SetTabIndex(index);
    } catch (...) {
      LockChangeEvents(false);
      throw;
    }
    LockChangeEvents(false);
  }
}

void TcxCustomTabControl::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  const TRect r = GetDisplayRect();
  auto* ancestor = dynamic_cast<TcxCustomTabControl*>(Filer->Ancestor());
  const TRect a = ancestor ? ancestor->GetDisplayRect() : TRect{};
  auto stored = [&](int value, int ancestorValue, bool always) {
    return ancestor ? value != ancestorValue : (always || value != 0);
  };
  Filer->DefineProperty(L"ClientRectBottom", TReaderProc(this, &TcxCustomTabControl::ReadClientRectBottom),
                        TWriterProc(this, &TcxCustomTabControl::WriteClientRectBottom),
                        stored(r.Bottom, a.Bottom, false));
  Filer->DefineProperty(L"ClientRectLeft", TReaderProc(this, &TcxCustomTabControl::ReadClientRectLeft),
                        TWriterProc(this, &TcxCustomTabControl::WriteClientRectLeft), stored(r.Left, a.Left, false));
  Filer->DefineProperty(L"ClientRectRight", TReaderProc(this, &TcxCustomTabControl::ReadClientRectRight),
                        TWriterProc(this, &TcxCustomTabControl::WriteClientRectRight), stored(r.Right, a.Right, true));
  Filer->DefineProperty(L"ClientRectTop", TReaderProc(this, &TcxCustomTabControl::ReadClientRectTop),
                        TWriterProc(this, &TcxCustomTabControl::WriteClientRectTop), stored(r.Top, a.Top, true));
}

void TcxCustomTabControl::ReadClientRect(TReader* Reader, int AIndex) {
  const int value = Reader->ReadInteger();
  switch (AIndex) {
    case 0: FStoredClientRect.Left = value; break;
    case 1:
      FStoredClientRect.Top = value;
      FClientRectTopRead = true;
      break;
    case 2: FStoredClientRect.Right = value; break;
    default: FStoredClientRect.Bottom = value; break;
  }
}

void TcxCustomTabControl::WriteClientRectLeft(TWriter* Writer) { Writer->WriteInteger(GetDisplayRect().Left); }
void TcxCustomTabControl::WriteClientRectTop(TWriter* Writer) { Writer->WriteInteger(GetDisplayRect().Top); }
void TcxCustomTabControl::WriteClientRectRight(TWriter* Writer) { Writer->WriteInteger(GetDisplayRect().Right); }
void TcxCustomTabControl::WriteClientRectBottom(TWriter* Writer) { Writer->WriteInteger(GetDisplayRect().Bottom); }

// --- Free utilities ------------------------------------------------------------------------------
TRect GetBoundsRect(TControl* AControl) { return TRect{0, 0, AControl->Width(), AControl->Height()}; }

bool ImageListHasImages(TCustomImageList* AList) { return AList && AList->Count() > 0; }

void MeasureTabText(TcxTab* ATab, const String& AText, TFont* AFont, TSize& ASize) {
  std::unique_ptr<TcxScreenCanvas> own;
  TcxScreenCanvas* canvas = GetScreenCanvas();
  if (!canvas) {  // the graphics unit is ending
    own = std::make_unique<TcxScreenCanvas>();
    canvas = own.get();
  }
  if (AFont)
    canvas->Font()->Assign(AFont);
  else
    ATab->Control()->PrepareTabFont(ATab, canvas);
  ASize = canvas->MeasureText(AText);
}

void PrepareBitmap(TBitmap* ABitmap, TcxCanvas* ACanvas, const TSize& ASize, TColor AColor) {
  ABitmap->SetSize(ASize.cx, ASize.cy);
  TCanvas* target = ABitmap->Canvas();
  target->Font()->Assign(ACanvas->Font());
  target->Pen()->Assign(ACanvas->Canvas()->Pen());
  target->Brush()->Assign(ACanvas->Canvas()->Brush());
  const TColor brush = target->Brush()->Color();
  target->Brush()->SetColor(AColor);
  target->FillRect(TRect{0, 0, ASize.cx, ASize.cy});
  target->Brush()->SetColor(brush);
}
