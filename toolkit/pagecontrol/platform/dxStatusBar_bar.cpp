// TdxCustomStatusBar and its panels: layout, the size grip and its hit
// test, painting through the chosen painter, clicks and hints.
#include "dxStatusBar_win.h"

#include "ActnList.h"
#include "Forms.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"

const TResStringRec dxSBAR_NOPARENTWINDOW{L"dxSBAR_NOPARENTWINDOW", L"Control '%s' has no parent window"};
const TResStringRec dxSBAR_NOTAPARENT{L"dxSBAR_NOTAPARENT", L"Parent given is not a parent of '%s'"};
const TResStringRec dxSBAR_CANTDELETEANCESTOR{
    L"dxSBAR_CANTDELETEANCESTOR",
    L"Selection contains a component introduced in an ancestor form which cannot be deleted"};

// --- Panel --------------------------------------------------------------------------------
TdxStatusBarPanel::TdxStatusBarPanel(TCollection* Collection) : TCollectionItem(Collection) {
  TdxCustomStatusBar* bar = StatusBar();
  if (bar) FBiDiMode = bar->BiDiMode();
  if (bar && !bar->IsLoadingOrReading()) {
    FPanelStyleClass = bar->GetDefaultPanelStyleClass();
    CreatePanelStyle();
  }
}

TdxStatusBarPanel::~TdxStatusBarPanel() { FPanelStyle.reset(); }

TdxCustomStatusBar* TdxStatusBarPanel::StatusBar() const {
  auto* panels = dynamic_cast<TdxStatusBarPanels*>(Collection());
  return panels ? panels->StatusBar() : nullptr;
}

String TdxStatusBarPanel::GetDisplayName() { return FText.empty() ? TCollectionItem::GetDisplayName() : FText; }

void TdxStatusBarPanel::CreatePanelStyle() {
  if (!FPanelStyleClass) return;
  FPanelStyle.reset(static_cast<TdxStatusBarPanelStyle*>(FPanelStyleClass->Create(this)));
  if (TdxCustomStatusBar* bar = StatusBar()) bar->Invalidate();
}

void TdxStatusBarPanel::FreePanelStyle() {
  TdxCustomStatusBar* bar = StatusBar();
  if (FPanelStyle && !FPanelStyle->CanDelete() && bar && !bar->IsLoadingOrReading() &&
      !bar->ComponentState().Contains(csDestroying) && !bar->ComponentState().Contains(csUpdating))
    throw EdxException(LoadResString(&dxSBAR_CANTDELETEANCESTOR));
  FPanelStyle.reset();
}

String TdxStatusBarPanel::PanelStyleClassName() const { return FPanelStyle ? FPanelStyle->ClassName() : String(); }

void TdxStatusBarPanel::SetPanelStyleClassName(const String& Value) {
  TClass cls = GetRegisteredStatusBarPanelStyles()->FindByClassName(Value);
  if (!cls || (FPanelStyle && cls == FPanelStyleClass)) return;
  TdxCustomStatusBar* bar = StatusBar();
  if (bar && !bar->CanAcceptPanelStyle(cls)) return;
  FreePanelStyle();
  FPanelStyleClass = cls;
  CreatePanelStyle();
  Changed(false);
}

void TdxStatusBarPanel::SetPanelStyle(TdxStatusBarPanelStyle* Value) {
  if (FPanelStyle && Value) FPanelStyle->Assign(Value);
}

void TdxStatusBarPanel::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxStatusBarPanel*>(Source);
  if (!source) {
    TCollectionItem::Assign(Source);
    return;
  }
  TCollection* panels = Collection();
  if (panels) panels->BeginUpdate();
  try {
    RestoreDefaults();
    SetPanelStyleClassName(source->PanelStyleClassName());
    SetPanelStyle(source->PanelStyle());
    SetVisible(source->Visible());
    SetBevel(source->Bevel());
    SetBiDiMode(source->BiDiMode());
    SetFixed(source->FFixed);
    if (source->FMinWidthAssigned) SetMinWidth(source->FMinWidth);
    SetParentBiDiMode(source->ParentBiDiMode());
    SetText(source->Text());
    if (source->FWidthAssigned) SetWidth(source->FWidth);
    OnClick = source->OnClick;
    OnDblClick = source->OnDblClick;
    OnDrawPanel = source->OnDrawPanel;
  } catch (...) {
    if (panels) panels->EndUpdate();
    throw;
  }
  if (panels) panels->EndUpdate();
}

void TdxStatusBarPanel::RestoreDefaults() {
  FVisible = true;
  FMinWidth = 20;
  FMinWidthAssigned = false;
  FWidth = 50;
  FWidthAssigned = false;
  FFixed = true;
  FParentBiDiMode = true;
  FBevel = dxpbLowered;
  Changed(false);
}

void TdxStatusBarPanel::SetBevel(TdxStatusBarPanelBevel Value) {
  if (FBevel == Value) return;
  FBevel = Value;
  Changed(false);
}

void TdxStatusBarPanel::SetBiDiMode(TBiDiMode Value) {
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  FParentBiDiMode = false;
  Changed(false);
}

void TdxStatusBarPanel::SetParentBiDiMode(bool Value) {
  if (FParentBiDiMode == Value) return;
  FParentBiDiMode = Value;
  if (Value)
    if (TdxCustomStatusBar* bar = StatusBar()) FBiDiMode = bar->BiDiMode();
  Changed(false);
}

bool TdxStatusBarPanel::Fixed() const { return !FPanelStyle || FPanelStyle->IsSizable() ? FFixed : true; }

void TdxStatusBarPanel::SetFixed(bool Value) {
  if (FFixed == Value) return;
  FFixed = Value;
  Changed(false);
}

int TdxStatusBarPanel::MinWidth() const {
  return !FPanelStyle || FPanelStyle->IsSizable() ? FMinWidth : GetDefaultMinWidth();
}

void TdxStatusBarPanel::SetMinWidth(int Value) {
  Value = std::max(Value, 0);
  FMinWidthAssigned = true;
  if (FMinWidth == Value) return;
  FMinWidth = Value;
  if (FWidth < FMinWidth) FWidth = FMinWidth;
  Changed(false);
}

int TdxStatusBarPanel::Width() const { return !FPanelStyle || FPanelStyle->IsSizable() ? FWidth : GetDefaultWidth(); }

void TdxStatusBarPanel::SetWidth(int Value) {
  Value = std::max(Value, FMinWidth);
  FWidthAssigned = true;
  if (FWidth == Value) return;
  FWidth = Value;
  Changed(false);
}

void TdxStatusBarPanel::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  Changed(false);
}

void TdxStatusBarPanel::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (FPanelStyle) FPanelStyle->VisibleChanged();
  Changed(false);
}

void TdxStatusBarPanel::Click() {
  if (OnClick) OnClick(this);
}

void TdxStatusBarPanel::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

int TdxStatusBarPanel::GetDefaultMinWidth() const { return FPanelStyle ? FPanelStyle->MinPanelWidth() : 20; }

int TdxStatusBarPanel::GetDefaultWidth() const {
  return !FPanelStyle || FPanelStyle->IsSizable() ? 50 : GetDefaultMinWidth();
}

void TdxStatusBarPanel::AddLayoutExtents(int& AWidth) const {
  if (!FPanelStyle || !FPanelStyle->DrawsOwnBevels()) AWidth += 2;
  TdxCustomStatusBar* bar = StatusBar();
  if (!bar) return;
  // The last visible panel makes room for the grip.
  TdxStatusBarPanels* panels = bar->Panels();
  for (int i = panels->Count() - 1; i >= 0; --i) {
    TdxStatusBarPanel* p = panels->Items(i);
    if (!p->Visible()) continue;
    if (p == this && bar->IsSizeGripAllocated()) AWidth += bar->SizeGripAreaSize().cx;
    break;
  }
}

int TdxStatusBarPanel::GetLayoutMinWidth() const {
  int w = MinWidth();
  AddLayoutExtents(w);
  return w;
}

int TdxStatusBarPanel::GetLayoutWidth() const {
  int w = Width();
  AddLayoutExtents(w);
  return w;
}

// --- Panels -------------------------------------------------------------------------------
TdxStatusBarPanels::TdxStatusBarPanels(TdxCustomStatusBar* AOwner)
    : TCollection(TdxStatusBarPanel::StaticClass()), FOwner(AOwner) {
  SetPropName(L"Panels");
}

TPersistent* TdxStatusBarPanels::GetOwner() { return FOwner; }

void TdxStatusBarPanels::Update(TCollectionItem* /*Item*/) {
  if (FOwner) FOwner->UpdatePanels();
}

void TdxStatusBarPanels::Loaded() {
  for (int i = 0; i < Count(); ++i)
    if (TdxStatusBarPanelStyle* style = Items(i)->PanelStyle()) style->Loaded();
}

// --- View info ----------------------------------------------------------------------------
void TdxStatusBarViewInfo::Calculate(const TRect& AContent) {
  FPanels.clear();
  FSizeGripOverlapped = false;
  TdxStatusBarPanels* panels = FBar->Panels();
  std::vector<TdxStatusBarLayoutPanel> items;
  for (int i = 0; i < panels->Count(); ++i) {
    TdxStatusBarPanel* p = panels->Items(i);
    if (!p->Visible()) continue;
    FPanels.push_back(TdxStatusBarPanelViewInfo{p, TRect{}, TRect{}});
    items.push_back(TdxStatusBarLayoutPanel{p->GetLayoutMinWidth(), p->GetLayoutWidth(), p->Fixed()});
  }
  if (FPanels.empty()) return;
  const TRect extents = FBar->Painter()->GetBorderExtents(FBar);
  // The client width: what runs past the content's right edge is clipped when painted.
  const int available = (AContent.Right - AContent.Left) + extents.Left + extents.Right;
  const TdxStatusBarLayout layout =
      dxCalcStatusBarLayout(items, FBar->Painter()->GetSeparatorWidthFor(FBar), available);
  FSizeGripOverlapped = layout.SizeGripOverlapped;
  int x = AContent.Left;
  for (std::size_t i = 0; i < FPanels.size(); ++i) {
    TdxStatusBarPanelViewInfo& v = FPanels[i];
    const int w = layout.Widths[2 * i];
    v.Bounds = TRect{x, AContent.Top, x + w, AContent.Bottom};
    x += w;
    if (i + 1 < FPanels.size()) {
      const int s = layout.Widths[2 * i + 1];
      v.SeparatorBounds = TRect{x, AContent.Top, x + s, AContent.Bottom};
      x += s;
    }
    if (TdxStatusBarPanelStyle* style = v.Panel->PanelStyle()) style->BoundsChanged(v.Bounds);
  }
}

// --- Bar ----------------------------------------------------------------------------------
TdxCustomStatusBar::TdxCustomStatusBar(TComponent* AOwner)
    : TcxControl(AOwner),
      FPanels(new TdxStatusBarPanels(this)),
      FImageChangeLink(new TChangeLink()),
      FViewInfo(new TdxStatusBarViewInfo(this)) {
  FControlStyle.Exclude(csSetCaption);
  FControlStyle.Include(csCaptureMouse);
  FControlStyle.Include(csClickEvents);
  FControlStyle.Include(csOpaque);
  FControlStyle.Include(csDoubleClicks);
  SetDoubleBuffered(true);
  SetColor(clBtnFace);
  SetHeight(20);
  SetAlign(alBottom);
  SetParentFont(false);
  FImageChangeLink->OnChange = TNotifyEvent(this, &TdxCustomStatusBar::ImagesChanged);
  FThemeChangedNotificator.reset(new TdxThemeChangedNotificator());
  FThemeChangedNotificator->OnThemeChanged = TNotifyEvent(this, &TdxCustomStatusBar::ThemeChangedHandler);
  InitPainterClass();
  Office11ColorsAddRef();
}

TdxCustomStatusBar::~TdxCustomStatusBar() {
  Destroying();
  FThemeChangedNotificator.reset();
  if (FImages) FImages->UnRegisterChanges(FImageChangeLink.get());
  FPanels.reset();
  Office11ColorsRelease();
}

bool TdxCustomStatusBar::IsLoadingOrReading() const {
  return ComponentState().Contains(csLoading) || ComponentState().Contains(csReading);
}

void TdxCustomStatusBar::SetPaintStyle(TdxStatusBarPaintStyle Value) {
  if (FPaintStyle == Value) return;
  FPaintStyle = Value;
  PaintStyleChanged();
}

void TdxCustomStatusBar::SetBiDiMode(TBiDiMode Value) {
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  Perform(CM_BIDIMODECHANGED);
}

void TdxCustomStatusBar::SetSizeGrip(bool Value) {
  if (FSizeGrip == Value) return;
  FSizeGrip = Value;
  UpdatePanels();
}

void TdxCustomStatusBar::SetBorderWidth(int Value) {
  Value = std::max(Value, 0);
  if (FBorderWidth == Value) return;
  FBorderWidth = Value;
  UpdatePanels();
}

void TdxCustomStatusBar::SetImages(TCustomImageList* Value) {
  ReplaceImageList(Value, FImages, FImageChangeLink.get(), this);
  UpdatePanels();
}

void TdxCustomStatusBar::ImagesChanged(TObject* /*Sender*/) { UpdatePanels(); }

void TdxCustomStatusBar::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    UpdatePanels();
  }
}

TdxStatusBarPanel* TdxCustomStatusBar::AddPanel() { return FPanels->Add(); }

TClass TdxCustomStatusBar::GetDefaultPanelStyleClass() const { return TdxStatusBarTextPanelStyle::StaticClass(); }

bool TdxCustomStatusBar::CanAcceptPanelStyle(TClass AClass) { return AClass != nullptr; }

TdxStatusBarPaintStyle TdxCustomStatusBar::GetEffectivePaintStyle() {
  if (FPaintStyle != stpsUseLookAndFeel) return FPaintStyle;
  if (LookAndFeel()->NativeStyle() && FThemeAvailable) return stpsXP;
  switch (LookAndFeel()->Kind()) {
    case lfUltraFlat: return stpsFlat;
    case lfOffice11: return stpsOffice11;
    default: return stpsStandard;
  }
}

TdxStatusBarPainterClass TdxCustomStatusBar::GetPainterClass() {
  if (FPaintStyle == stpsUseLookAndFeel && dxStatusBarSkinPainterClass() && LookAndFeel()->CurrentSkinPainter())
    return dxStatusBarSkinPainterClass();
  switch (GetEffectivePaintStyle()) {
    case stpsFlat: return TdxStatusBarFlatPainter::Instance();
    case stpsXP: return FThemeAvailable ? TdxStatusBarXPPainter::Instance() : TdxStatusBarStandardPainter::Instance();
    case stpsOffice11: return TdxStatusBarOffice11Painter::Instance();
    default: return TdxStatusBarStandardPainter::Instance();
  }
}

void TdxCustomStatusBar::InitPainterClass() {
  FThemeAvailable = CanUseThemes(TdxThemedObjectTypes{totStatus});
  FPainter = GetPainterClass();
}

void TdxCustomStatusBar::PaintStyleChanged() {
  InitPainterClass();
  UpdatePanels();
}

void TdxCustomStatusBar::ThemeChanged() { PaintStyleChanged(); }
void TdxCustomStatusBar::ThemeChangedHandler(TObject* /*Sender*/) { ThemeChanged(); }

void TdxCustomStatusBar::LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  inherited::LookAndFeelChanged(Sender, AChangedValues);
  PaintStyleChanged();
}

void TdxCustomStatusBar::UpdatePanels() {
  if (!ComponentState().Contains(csDestroying) && FPanels && FPanels->Count() > 0) Calculate();
  Invalidate();
}

TRect TdxCustomStatusBar::GetContentBounds() {
  const TRect r = GetClientBounds();
  const TRect e = FPainter->GetBorderExtents(this);
  return TRect{r.Left + e.Left, r.Top + e.Top, r.Right - e.Right, r.Bottom - e.Bottom};
}

void TdxCustomStatusBar::Calculate() {
  if (IsLoadingOrReading()) return;
  ++FCalculateCount;
  // The painter is asked afresh at each calculation (D-41); whether the
  // status theme works is known since the last theme change.
  FPainter = GetPainterClass();
  FViewInfo->Calculate(GetContentBounds());
}

bool TdxCustomStatusBar::IsSizeGripAllocated() {
  if (!FSizeGrip) return false;
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  if (form->BorderStyle() != bsSizeable && form->BorderStyle() != bsSizeToolWin) return false;
  if (form->WindowState() != wsNormal) return false;
  if (form->HandleAllocated() && (IsZoomed(form->Handle()) || IsIconic(form->Handle()))) return false;
  // The bar's bottom-right corner in the form's client coordinates.
  if (!Parent()) throw EInvalidOperation(vamire_detail::FormatRes(&dxSBAR_NOPARENTWINDOW, {Name()}));
  TPoint p{Left() + Width(), Top() + Height()};
  for (TWinControl* c = Parent(); c != form; c = c->Parent()) {
    if (!c) throw EInvalidOperation(vamire_detail::FormatRes(&dxSBAR_NOTAPARENT, {Name()}));
    p.X += c->Left();
    p.Y += c->Top();
  }
  return p.X == form->ClientWidth() && p.Y >= form->ClientHeight();
}

TdxStatusBarPanel* TdxCustomStatusBar::GetPanelAt(int X, int Y) {
  for (const TdxStatusBarPanelViewInfo& v : FViewInfo->Panels())
    if (X >= v.Bounds.Left && X < v.Bounds.Right && Y >= v.Bounds.Top && Y < v.Bounds.Bottom) return v.Panel;
  return nullptr;
}

void TdxCustomStatusBar::Loaded() {
  inherited::Loaded();
  FPanels->Loaded();
  Calculate();
}

void TdxCustomStatusBar::Resize() {
  inherited::Resize();
  Calculate();
  Invalidate();
}

void TdxCustomStatusBar::FontChanged() {
  inherited::FontChanged();
  for (int i = 0; i < FPanels->Count(); ++i)
    if (TdxStatusBarPanelStyle* style = FPanels->Items(i)->PanelStyle()) style->ParentFontChanged();
}

void TdxCustomStatusBar::Paint() {
  inherited::Paint();
  FPainter = GetPainterClass();
  TcxCanvas* canvas = Canvas();
  TRect r = GetClientBounds();
  FPainter->PaintBorders(this, canvas, r);
  canvas->IntersectClipRectangle(r);
  const bool grip = IsSizeGripAllocated();
  const auto& panels = FViewInfo->Panels();
  const bool overlapped = !panels.empty() && FViewInfo->SizeGripOverlapped();
  auto paintGrip = [&] {
    if (grip) FPainter->PaintSizeGrip(this, canvas, overlapped, r);
  };
  if (FPainter->PaintsSizeGripFirst()) paintGrip();
  if (panels.empty()) {
    FPainter->PaintEmptyPanel(this, canvas, r);
  } else {
    for (const TdxStatusBarPanelViewInfo& v : panels) {
      FPainter->PaintPanel(this, v.Panel, v.Bounds, canvas);
      const TRect& s = v.SeparatorBounds;
      if (s.Right > s.Left && s.Bottom > s.Top) FPainter->DrawSeparator(this, canvas, s);
    }
  }
  if (!FPainter->PaintsSizeGripFirst()) paintGrip();
}

void TdxCustomStatusBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && Shift.Contains(ssDouble))
    if (TdxStatusBarPanel* panel = GetPanelAt(X, Y)) panel->DblClick();
}

void TdxCustomStatusBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft)
    if (TdxStatusBarPanel* panel = GetPanelAt(X, Y)) panel->Click();
}

bool TdxCustomStatusBar::DoHint() {
  if (!OnHint) return false;
  OnHint(this);
  return true;
}

bool TdxCustomStatusBar::ExecuteAction(TBasicAction* Action) {
  auto* hint = dynamic_cast<THintAction*>(Action);
  if (!hint || IsDesigning()) return false;
  TdxStatusBarPanel* target = nullptr;
  for (int i = 0; i < FPanels->Count(); ++i)
    if (auto* text = dynamic_cast<TdxStatusBarTextPanelStyle*>(FPanels->Items(i)->PanelStyle()))
      if (text->AutoHint()) target = FPanels->Items(i);
  if (!target || DoHint()) return false;
  target->SetText(hint->Hint());
  return true;
}

void TdxCustomStatusBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST: {
      inherited::Dispatch(Message);
      if (IsDesigning() || !HandleAllocated() || !IsSizeGripAllocated()) return;
      POINT p{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
      ::ScreenToClient(Handle(), &p);
      const TRect c = ClientRect();
      const TSize area = FPainter->GetSizeGripAreaSize();
      if (p.x >= c.Right - area.cx - 2 && p.x < c.Right && p.y >= c.Bottom - area.cy - 2 && p.y < c.Bottom)
        Message.Result = HTBOTTOMRIGHT;
      return;
    }
    case CM_ACTIONEXECUTE:
      if (ExecuteAction(reinterpret_cast<TBasicAction*>(Message.LParam))) {
        Message.Result = 1;
        return;
      }
      break;
    case CM_BIDIMODECHANGED:
      inherited::Dispatch(Message);
      if (HandleAllocated())
        for (int i = 0; i < FPanels->Count(); ++i)
          if (FPanels->Items(i)->ParentBiDiMode()) FPanels->Items(i)->FBiDiMode = BiDiMode();
      UpdatePanels();
      return;
    case CM_COLORCHANGED:
    case CM_PARENTFONTCHANGED:
    case CM_WININICHANGE:
      inherited::Dispatch(Message);
      UpdatePanels();
      return;
    case CM_SYSCOLORCHANGE:
      inherited::Dispatch(Message);
      Office11ColorsRefresh();
      UpdatePanels();
      return;
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      Invalidate();
      return;
    default: break;
  }
  inherited::Dispatch(Message);
}
