// The status-bar panel styles: the base with its colour and font, text with
// an image and ellipsis, state lamps, keyboard toggles polled on a timer, and
// the container that hosts child controls.
#include "dxStatusBar_win.h"

namespace {
TdxStatusBarPanelStyle* StyleOf(TdxStatusBarPanel* APanel) { return APanel ? APanel->PanelStyle() : nullptr; }

SHORT SystemKeyState(int AVirtualKey) { return GetKeyState(AVirtualKey); }
TdxKeyStateReader GKeyStateReader = &SystemKeyState;

// The toggle bit only: a key held down sets the byte's high bit, which
// neither toggles it nor may show a toggled key as off while it is held.
int ToggleState(int ACode) { return GKeyStateReader(ACode) & 1; }

const wchar_t* const LampResources[] = {L"DXSTATUSBAR_GRAY", L"DXSTATUSBAR_YELLOW", L"DXSTATUSBAR_BLUE",
                                        L"DXSTATUSBAR_GREEN", L"DXSTATUSBAR_RED",    L"DXSTATUSBAR_TEAL",
                                        L"DXSTATUSBAR_PURPLE"};
}  // namespace

TdxKeyStateReader SetStatusBarKeyStateReader(TdxKeyStateReader AReader) {
  const TdxKeyStateReader previous = GKeyStateReader;
  GKeyStateReader = AReader ? AReader : &SystemKeyState;
  return previous;
}

// --- Base style ---------------------------------------------------------------------------
TdxStatusBarPanelStyle::TdxStatusBarPanelStyle(TdxStatusBarPanel* AOwner) : FOwner(AOwner), FFont(new TFont()) {
  FFont->OnChange = TNotifyEvent(this, &TdxStatusBarPanelStyle::FontChanged);
  ParentFontChanged();
}

TdxStatusBarPanelStyle::~TdxStatusBarPanelStyle() { FFont->OnChange = TNotifyEvent(); }

TPersistent* TdxStatusBarPanelStyle::GetOwner() { return FOwner; }

TdxCustomStatusBar* TdxStatusBarPanelStyle::StatusBar() const { return FOwner ? FOwner->StatusBar() : nullptr; }

void TdxStatusBarPanelStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxStatusBarPanelStyle*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  TCollection* panels = FOwner ? FOwner->Collection() : nullptr;
  if (panels) panels->BeginUpdate();
  try {
    AssignFrom(source);
  } catch (...) {
    if (panels) panels->EndUpdate();
    throw;
  }
  if (panels) panels->EndUpdate();
}

void TdxStatusBarPanelStyle::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Changed();
}

TColor TdxStatusBarPanelStyle::Color() const { return FColorAssigned ? FColor : GetDefaultColor(); }

void TdxStatusBarPanelStyle::SetColor(TColor Value) {
  if (FColorAssigned && FColor == Value) return;
  FColor = Value;
  FColorAssigned = true;
  Changed();
}

void TdxStatusBarPanelStyle::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (Value) ParentFontChanged();
  Changed();
}

void TdxStatusBarPanelStyle::FontChanged(TObject* /*Sender*/) {
  if (FChangingFont) return;
  FParentFont = false;
  Changed();
}

void TdxStatusBarPanelStyle::ParentFontChanged() {
  TdxCustomStatusBar* bar = StatusBar();
  if (!FParentFont || !bar) return;
  FChangingFont = true;
  FFont->Assign(bar->Font());
  FChangingFont = false;
}

void TdxStatusBarPanelStyle::AdjustTextColor(TColor& AColor, bool AActive) {
  if (AColor == clDefault)
    if (TdxCustomStatusBar* bar = StatusBar()) bar->AdjustTextColorHook(AColor, AActive);
}

void TdxStatusBarPanelStyle::Changed() {
  if (FOwner) FOwner->PanelChanged();
}

void TdxStatusBarPanelStyle::ExcludeSizeGripArea(TRect& R) {
  TdxCustomStatusBar* bar = StatusBar();
  if (!bar || !FOwner) return;
  TdxStatusBarPanels* panels = bar->Panels();
  if (panels->Count() == 0 || panels->Items(panels->Count() - 1) != FOwner) return;
  if (bar->IsSizeGripAllocated()) R.Right -= bar->SizeGripAreaSize().cx;
}

TColor TdxStatusBarPanelStyle::GetDefaultColor() const {
  TdxCustomStatusBar* bar = StatusBar();
  return bar ? bar->Color() : clBtnFace;
}

void TdxStatusBarPanelStyle::AssignFrom(TdxStatusBarPanelStyle* ASource) {
  RestoreDefaults();
  SetAlignment(ASource->Alignment());
  if (ASource->FColorAssigned) SetColor(ASource->FColor);
  if (!ASource->ParentFont())
    SetFont(ASource->Font());
  else
    ParentFontChanged();
}

void TdxStatusBarPanelStyle::DrawContent(TcxCanvas* ACanvas, TRect R, TdxStatusBarPainterClass APainter) {
  APainter->FillPanelBackground(StatusBar(), FOwner, R, ACanvas);
}

void TdxStatusBarPanelStyle::RestoreDefaults() {
  FAlignment = taLeftJustify;
  FColorAssigned = false;
  FColor = clDefault;
  FParentFont = true;
  ParentFontChanged();
  Changed();
}

// --- Text ---------------------------------------------------------------------------------
void TdxStatusBarTextPanelStyle::SetAutoHint(bool Value) {
  if (Value) {
    if (TdxCustomStatusBar* bar = StatusBar())
      for (int i = 0; i < bar->Panels()->Count(); ++i)
        if (auto* text = dynamic_cast<TdxStatusBarTextPanelStyle*>(StyleOf(bar->Panels()->Items(i))))
          text->FAutoHint = false;
  }
  FAutoHint = Value;
}

void TdxStatusBarTextPanelStyle::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TdxStatusBarTextPanelStyle::SetEllipsisType(TdxStatusBarEllipsisType Value) {
  if (FEllipsisType == Value) return;
  FEllipsisType = Value;
  Changed();
}

void TdxStatusBarTextPanelStyle::AssignFrom(TdxStatusBarPanelStyle* ASource) {
  TdxStatusBarPanelStyle::AssignFrom(ASource);
  if (auto* source = dynamic_cast<TdxStatusBarTextPanelStyle*>(ASource)) {
    SetAutoHint(source->AutoHint());
    SetImageIndex(source->ImageIndex());
    SetEllipsisType(source->EllipsisType());
    OnGetText = source->OnGetText;
  }
}

void TdxStatusBarTextPanelStyle::RestoreDefaults() {
  FAutoHint = false;
  FImageIndex = -1;
  FEllipsisType = dxetNone;
  TdxStatusBarPanelStyle::RestoreDefaults();
}

void TdxStatusBarTextPanelStyle::DrawContent(TcxCanvas* ACanvas, TRect R, TdxStatusBarPainterClass APainter) {
  TdxStatusBarPanelStyle::DrawContent(ACanvas, R, APainter);
  TdxCustomStatusBar* bar = StatusBar();
  TCustomImageList* images = bar->Images();
  if (images && FImageIndex >= 0 && FImageIndex < images->Count()) {
    const int y = (R.Top + R.Bottom) / 2 - images->Height() / 2;
    images->Draw(ACanvas->Canvas(), R.Left + 1, y, FImageIndex, bar->Enabled());
    R.Left += images->Width() + 2;
  }
  ACanvas->Brush()->SetStyle(bsClear);
  TColor color = Font()->Color();
  APainter->AdjustTextColor(bar, color, true);
  AdjustTextColor(color, true);
  ACanvas->Font()->Assign(Font());
  ACanvas->Font()->SetColor(color);
  R = TRect{R.Left + 2, R.Top, R.Right - 2, R.Bottom};
  R = APainter->AdjustPanelTextRect(bar, Panel(), R);
  String text = Panel()->Text();
  if (OnGetText) OnGetText(this, R, text);
  const TcxTextFlags align = FAlignment == taRightJustify ? cxAlignRight : FAlignment == taCenter ? cxAlignHCenter
                                                                                                    : cxAlignLeft;
  const TcxTextFlags ellipsis = FEllipsisType == dxetTruncate    ? cxShowEndEllipsis
                                : FEllipsisType == dxetSmartPath ? cxShowPathEllipsis
                                                                 : 0;
  ACanvas->DrawTextInRect(text, R, align | cxAlignVCenter | cxSingleLine | ellipsis, bar->Enabled());
  ACanvas->Brush()->SetStyle(bsSolid);
}

// --- State indicators ---------------------------------------------------------------------
TdxStatusBarStateIndicatorItem::TdxStatusBarStateIndicatorItem(TCollection* Collection)
    : TCollectionItem(Collection), FBitmap(new TBitmap()) {
  LoadBitmap();
}

TdxStatusBarStateIndicatorItem::~TdxStatusBarStateIndicatorItem() = default;

void TdxStatusBarStateIndicatorItem::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TdxStatusBarStateIndicatorItem*>(Source)) {
    SetIndicatorType(source->IndicatorType());
    SetVisible(source->Visible());
    return;
  }
  TCollectionItem::Assign(Source);
}

void TdxStatusBarStateIndicatorItem::LoadBitmap() {
  auto* handle = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), LampResources[FIndicatorType], IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  // A program without the layer's resources shows no lamp.
  FBitmap.reset(new TBitmap());
  if (handle) FBitmap->SetHandle(handle);
}

void TdxStatusBarStateIndicatorItem::SetIndicatorType(TdxStatusBarStateIndicatorType Value) {
  if (FIndicatorType == Value) return;
  FIndicatorType = Value;
  LoadBitmap();
  Changed(false);
}

void TdxStatusBarStateIndicatorItem::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Changed(false);
}

TdxStatusBarStateIndicators::TdxStatusBarStateIndicators(TdxStatusBarStateIndicatorPanelStyle* AOwner)
    : TCollection(TdxStatusBarStateIndicatorItem::StaticClass()), FOwner(AOwner) {}

TPersistent* TdxStatusBarStateIndicators::GetOwner() { return FOwner; }

void TdxStatusBarStateIndicators::Update(TCollectionItem* /*Item*/) {
  if (FOwner) FOwner->Changed();
}

TdxStatusBarStateIndicatorPanelStyle::TdxStatusBarStateIndicatorPanelStyle(TdxStatusBarPanel* AOwner)
    : TdxStatusBarPanelStyle(AOwner), FIndicators(new TdxStatusBarStateIndicators(this)) {
  FIndicators->SetPropName(L"Indicators");
}

TdxStatusBarStateIndicatorPanelStyle::~TdxStatusBarStateIndicatorPanelStyle() = default;

void TdxStatusBarStateIndicatorPanelStyle::SetSpacing(int Value) {
  if (FSpacing == Value) return;
  FSpacing = Value;
  Changed();
}

void TdxStatusBarStateIndicatorPanelStyle::AssignFrom(TdxStatusBarPanelStyle* ASource) {
  TdxStatusBarPanelStyle::AssignFrom(ASource);
  if (auto* source = dynamic_cast<TdxStatusBarStateIndicatorPanelStyle*>(ASource)) {
    FIndicators->Assign(source->Indicators());
    SetSpacing(source->Spacing());
  }
}

void TdxStatusBarStateIndicatorPanelStyle::RestoreDefaults() {
  FSpacing = 4;
  TdxStatusBarPanelStyle::RestoreDefaults();
}

void TdxStatusBarStateIndicatorPanelStyle::DrawContent(TcxCanvas* ACanvas, TRect R,
                                                       TdxStatusBarPainterClass APainter) {
  TdxStatusBarPanelStyle::DrawContent(ACanvas, R, APainter);
  int x = R.Left + FSpacing;
  for (int i = 0; i < FIndicators->Count(); ++i) {
    TdxStatusBarStateIndicatorItem* item = FIndicators->Items(i);
    TBitmap* bitmap = item->Bitmap();
    if (!item->Visible() || bitmap->Empty()) continue;
    ACanvas->Canvas()->Draw(x, (R.Top + R.Bottom) / 2 - bitmap->Height() / 2, bitmap);
    x += bitmap->Width() + FSpacing;
  }
}

int TdxStatusBarStateIndicatorPanelStyle::MinPanelWidth() {
  if (FIndicators->Count() == 0) return 20;
  int width = FSpacing;
  for (int i = 0; i < FIndicators->Count(); ++i) {
    TdxStatusBarStateIndicatorItem* item = FIndicators->Items(i);
    if (item->Visible() && !item->Bitmap()->Empty()) width += item->Bitmap()->Width() + FSpacing;
  }
  if (TdxCustomStatusBar* bar = StatusBar()) {
    TdxStatusBarPainterClass painter = bar->Painter();
    const TRect e = painter->GetPanelContentExtents(Panel(), painter->GetPanelBevel(Panel()) != dxpbNone);
    width += e.Left + e.Right;
  }
  return width;
}

// --- Keyboard state -----------------------------------------------------------------------
TdxStatusBarKeyStateAppearance::TdxStatusBarKeyStateAppearance(TdxStatusBarKeyboardState AId, int ACode,
                                                               const String& AActiveCaption,
                                                               const String& AInactiveCaption, TNotifyEvent AOnChange)
    : FId(AId), FCode(ACode), FActiveCaption(AActiveCaption), FInactiveCaption(AInactiveCaption), FOnChange(AOnChange) {}

void TdxStatusBarKeyStateAppearance::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxStatusBarKeyStateAppearance*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  FActiveFontColor = source->FActiveFontColor;
  FInactiveFontColor = source->FInactiveFontColor;
  FActiveCaption = source->FActiveCaption;
  FInactiveCaption = source->FInactiveCaption;
  Changed();
}

void TdxStatusBarKeyStateAppearance::Changed() {
  if (FOnChange) FOnChange(this);
}

void TdxStatusBarKeyStateAppearance::SetActiveFontColor(TColor Value) {
  FActiveFontColor = Value;
  Changed();
}
void TdxStatusBarKeyStateAppearance::SetInactiveFontColor(TColor Value) {
  FInactiveFontColor = Value;
  Changed();
}
void TdxStatusBarKeyStateAppearance::SetActiveCaption(const String& Value) {
  FActiveCaption = Value;
  Changed();
}
void TdxStatusBarKeyStateAppearance::SetInactiveCaption(const String& Value) {
  FInactiveCaption = Value;
  Changed();
}

int TdxStatusBarKeyStateAppearance::GetRectWidth(TcxCanvas* ACanvas) const {
  return std::max(ACanvas->MeasureTextWidth(FActiveCaption), ACanvas->MeasureTextWidth(FInactiveCaption)) + 4;
}

TdxStatusBarKeyboardStateNotifier::TdxStatusBarKeyboardStateNotifier(TdxCustomStatusBar* ABar)
    : FBar(ABar), FTimer(new TTimer(nullptr)) {
  FTimer->SetInterval(100);
  FTimer->SetOnTimer(TNotifyEvent(this, &TdxStatusBarKeyboardStateNotifier::TimerHandler));
  FTimer->SetEnabled(true);
}

TdxStatusBarKeyboardStateNotifier::~TdxStatusBarKeyboardStateNotifier() { FTimer->SetEnabled(false); }

void TdxStatusBarKeyboardStateNotifier::AddKey(int ACode) {
  RemoveKey(ACode);
  FKeys.push_back(TWatchedKey{ACode, ToggleState(ACode)});
}

void TdxStatusBarKeyboardStateNotifier::RemoveKey(int ACode) {
  for (auto it = FKeys.begin(); it != FKeys.end(); ++it)
    if (it->Code == ACode) {
      FKeys.erase(it);
      return;
    }
}

std::vector<int> TdxStatusBarKeyboardStateNotifier::WatchedKeys() const {
  std::vector<int> codes;
  for (const TWatchedKey& k : FKeys) codes.push_back(k.Code);
  return codes;
}

void TdxStatusBarKeyboardStateNotifier::TimerHandler(TObject* /*Sender*/) {
  bool changed = false;
  for (TWatchedKey& k : FKeys) {
    const int state = ToggleState(k.Code);
    if (state == k.State) continue;
    k.State = state;
    changed = true;
  }
  if (changed && FBar) FBar->UpdatePanels();
}

TdxStatusBarKeyboardStatePanelStyle::TdxStatusBarKeyboardStatePanelStyle(TdxStatusBarPanel* AOwner)
    : TdxStatusBarPanelStyle(AOwner) {
  const TNotifyEvent changed(this, &TdxStatusBarKeyboardStatePanelStyle::AppearanceChanged);
  FAppearances[dxksCapsLock].reset(new TdxStatusBarKeyStateAppearance(dxksCapsLock, VK_CAPITAL, L"CAPS", L"CAPS", changed));
  FAppearances[dxksNumLock].reset(new TdxStatusBarKeyStateAppearance(dxksNumLock, VK_NUMLOCK, L"NUM", L"NUM", changed));
  FAppearances[dxksScrollLock].reset(
      new TdxStatusBarKeyStateAppearance(dxksScrollLock, VK_SCROLL, L"SCRL", L"SCRL", changed));
  FAppearances[dxksInsert].reset(new TdxStatusBarKeyStateAppearance(dxksInsert, VK_INSERT, L"OVR", L"INS", changed));
  for (auto& a : FAppearances) a->SetActiveFontColor(Font()->Color());
  FNotifier.reset(new TdxStatusBarKeyboardStateNotifier(StatusBar()));
  for (auto& a : FAppearances) FNotifier->AddKey(a->Code());
}

TdxStatusBarKeyboardStatePanelStyle::~TdxStatusBarKeyboardStatePanelStyle() {
  for (int key : {VK_INSERT, VK_SCROLL, VK_NUMLOCK, VK_CAPITAL}) FNotifier->RemoveKey(key);
  FNotifier.reset();
}

void TdxStatusBarKeyboardStatePanelStyle::AppearanceChanged(TObject* /*Sender*/) { Changed(); }

void TdxStatusBarKeyboardStatePanelStyle::SetKeyboardStates(TdxStatusBarKeyboardStates Value) {
  if (FKeyboardStates == Value) return;
  FKeyboardStates = Value;
  Changed();
}

void TdxStatusBarKeyboardStatePanelStyle::SetFullRect(bool Value) {
  if (FFullRect == Value) return;
  FFullRect = Value;
  Changed();
}

bool TdxStatusBarKeyboardStatePanelStyle::IsKeyActive(TdxStatusBarKeyboardState AKey) const {
  TdxCustomStatusBar* bar = StatusBar();
  if (bar && bar->IsDesigningBar()) return false;
  return ToggleState(FAppearances[AKey]->Code()) == 1;
}

void TdxStatusBarKeyboardStatePanelStyle::AssignFrom(TdxStatusBarPanelStyle* ASource) {
  TdxStatusBarPanelStyle::AssignFrom(ASource);
  if (auto* source = dynamic_cast<TdxStatusBarKeyboardStatePanelStyle*>(ASource)) {
    SetKeyboardStates(source->KeyboardStates());
    SetFullRect(source->FullRect());
    for (int i = 0; i < 4; ++i) FAppearances[i]->Assign(source->FAppearances[i].get());
  }
}

void TdxStatusBarKeyboardStatePanelStyle::RestoreDefaults() {
  FKeyboardStates = TdxStatusBarKeyboardStates{dxksCapsLock, dxksNumLock, dxksScrollLock, dxksInsert};
  FFullRect = false;
  TdxStatusBarPanelStyle::RestoreDefaults();
}

void TdxStatusBarKeyboardStatePanelStyle::DrawContent(TcxCanvas* ACanvas, TRect R,
                                                      TdxStatusBarPainterClass APainter) {
  TdxStatusBarPanelStyle::DrawContent(ACanvas, R, APainter);
  TdxCustomStatusBar* bar = StatusBar();
  ACanvas->Font()->Assign(Font());
  int last = -1;
  for (int k = dxksCapsLock; k <= dxksInsert; ++k)
    if (FKeyboardStates.Contains(TdxStatusBarKeyboardState(k))) last = k;
  int x = R.Left;
  for (int k = dxksCapsLock; k <= dxksInsert; ++k) {
    const auto key = TdxStatusBarKeyboardState(k);
    if (!FKeyboardStates.Contains(key)) continue;
    TdxStatusBarKeyStateAppearance* a = FAppearances[k].get();
    const bool active = IsKeyActive(key);
    const String& caption = active ? a->ActiveCaption() : a->InactiveCaption();
    TColor color = active ? a->ActiveFontColor() : a->InactiveFontColor();
    APainter->AdjustTextColor(bar, color, active);
    AdjustTextColor(color, active);
    const TRect e = APainter->GetPanelContentExtents(Panel(), !FFullRect);
    TRect cell{x, R.Top, x + e.Left + e.Right + a->GetRectWidth(ACanvas), R.Bottom};
    const TRect whole = cell;
    if (!FFullRect) APainter->DrawPanelBevel(bar, Panel()->Bevel(), cell, ACanvas);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Font()->SetColor(color);
    ACanvas->DrawTextInRect(caption, cell, cxAlignHCenter | cxAlignVCenter | cxSingleLine, bar->Enabled());
    ACanvas->Brush()->SetStyle(bsSolid);
    if (k != last) x = whole.Right + APainter->GetSeparatorWidth();
  }
}

int TdxStatusBarKeyboardStatePanelStyle::MinPanelWidth() {
  if (FKeyboardStates.Empty()) return 50;
  TdxCustomStatusBar* bar = StatusBar();
  if (!bar) return 50;
  TdxStatusBarPainterClass painter = bar->Painter();
  TcxScreenCanvas* canvas = GetScreenCanvas();
  canvas->Font()->Assign(Font());
  int width = 0, count = 0;
  for (int k = dxksCapsLock; k <= dxksInsert; ++k) {
    if (!FKeyboardStates.Contains(TdxStatusBarKeyboardState(k))) continue;
    const TRect e = painter->GetPanelContentExtents(Panel(), !FFullRect);
    width += FAppearances[k]->GetRectWidth(canvas) + e.Left + e.Right;
    ++count;
  }
  canvas->ReleaseHandle();
  return width + (count - 1) * painter->GetSeparatorWidth();
}

// --- Container ----------------------------------------------------------------------------
TdxStatusBarContainerControl::TdxStatusBarContainerControl(TComponent* AOwner) : TcxControl(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  FControlStyle.Include(csNoDesignVisible);
}

TdxStatusBarContainerControl::~TdxStatusBarContainerControl() {
  if (FPanelStyle && FPanelStyle->Container() == this) FPanelStyle->SetContainer(nullptr);
}

void TdxStatusBarContainerControl::Paint() {
  if (FPanelStyle && FPanelStyle->StatusBar()) {
    FPanelStyle->StatusBar()->Painter()->PlaceContainerControl(FPanelStyle);
  } else {
    Canvas()->FillRect(ClientRect(), clBtnFace);
  }
  if (IsDesigning()) {
    Canvas()->Brush()->SetStyle(bsBDiagonal);
    Canvas()->Brush()->SetColor(clBtnShadow);
    Canvas()->FillRect(ClientRect());
    Canvas()->Brush()->SetStyle(bsSolid);
  }
}

TdxStatusBarContainerPanelStyle::TdxStatusBarContainerPanelStyle(TdxStatusBarPanel* AOwner)
    : TdxStatusBarPanelStyle(AOwner) {
  TdxCustomStatusBar* bar = StatusBar();
  if (bar && !bar->IsLoadingOrReading() && !bar->ComponentState().Contains(csUpdating)) {
    auto* control = new TdxStatusBarContainerControl(bar->Owner());
    control->SetParent(bar);
    SetContainer(control);
  }
}

TdxStatusBarContainerPanelStyle::~TdxStatusBarContainerPanelStyle() {
  if (FContainer) {
    FContainer->SetPanelStyle(nullptr);
    TdxCustomStatusBar* bar = StatusBar();
    if (bar && !bar->IsLoadingOrReading() && !bar->ComponentState().Contains(csDestroying)) delete FContainer;
    FContainer = nullptr;
  }
}

void TdxStatusBarContainerPanelStyle::SetContainer(TdxStatusBarContainerControl* Value) {
  if (FContainer == Value) return;
  TdxStatusBarContainerControl* old = FContainer;
  FContainer = Value;
  if (old) {
    old->SetPanelStyle(nullptr);
    TdxCustomStatusBar* bar = StatusBar();
    const bool keep = bar && (bar->IsLoadingOrReading() || bar->ComponentState().Contains(csDestroying) ||
                              bar->ComponentState().Contains(csUpdating));
    if (!Value && !keep) delete old;
  }
  if (FContainer) FContainer->SetPanelStyle(this);
  VisibleChanged();
}

void TdxStatusBarContainerPanelStyle::SetAlignControl(bool Value) {
  if (FAlignControl == Value) return;
  FAlignControl = Value;
  Changed();
}

void TdxStatusBarContainerPanelStyle::BoundsChanged(const TRect& R) {
  TdxCustomStatusBar* bar = StatusBar();
  if (!FContainer || !bar) return;
  TdxStatusBarPainterClass painter = bar->Painter();
  const TRect b = painter->GetPanelBorderSizes(painter->GetPanelBevel(Panel()));
  TRect r{R.Left + b.Left, R.Top + b.Top, R.Right - b.Right, R.Bottom - b.Bottom};
  if (painter->PanelsMayCoverSizeGrip(bar)) ExcludeSizeGripArea(r);
  FContainer->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  if (!FAlignControl || bar->IsDesigningBar()) return;
  for (int i = 0; i < FContainer->ControlCount(); ++i) {
    TControl* child = FContainer->Controls(i);
    child->SetAlign(alNone);
    child->SetBounds(0, 0, FContainer->Width(), FContainer->Height());
  }
}

bool TdxStatusBarContainerPanelStyle::CanDelete() {
  return !FContainer || !FContainer->ComponentState().Contains(csAncestor);
}

void TdxStatusBarContainerPanelStyle::AssignFrom(TdxStatusBarPanelStyle* ASource) {
  TdxStatusBarPanelStyle::AssignFrom(ASource);
  auto* source = dynamic_cast<TdxStatusBarContainerPanelStyle*>(ASource);
  TdxCustomStatusBar* bar = StatusBar();
  if (!source || !bar) return;
  SetAlignControl(source->AlignControl());
  if (!source->Container()) return;
  for (int i = 0; i < bar->ControlCount(); ++i)
    if (auto* c = dynamic_cast<TdxStatusBarContainerControl*>(bar->Controls(i)))
      if (SameText(c->Name(), source->Container()->Name())) {
        SetContainer(c);
        return;
      }
}

void TdxStatusBarContainerPanelStyle::VisibleChanged() {
  if (FContainer && Panel()) FContainer->SetVisible(Panel()->Visible());
}

void TdxStatusBarContainerPanelStyle::RestoreDefaults() {
  FAlignControl = true;
  TdxStatusBarPanelStyle::RestoreDefaults();
}
