// The item control base: one link shown inside a bar control, with its view
// levels, parts, click, change notices, style font and sizes; and the link's
// side of it (making and freeing its control).
#include <windows.h>

#include <algorithm>

#include "SysUtils.h"
#include "dxBarControl_win.h"
#include "dxBar_internal.h"

namespace {

bool IsEmptyRect(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

bool Contains(const TRect& R, const TPoint& P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

bool IsGlyphEmpty(TBitmap* Glyph) { return !Glyph || Glyph->Width() == 0 || Glyph->Height() == 0; }

TcxStyle* ItemStyle(TdxBarItem* AItem) { return AItem ? AItem->Style() : nullptr; }

bool StyleAssignsFont(TcxStyle* AStyle) {
  return AStyle && AStyle->AssignedValues().Contains(TcxStyleValue::svFont);
}

}  // namespace

// --- The link's side -----------------------------------------------------------------------

TCustomdxBarControl* TdxBarItemLink::BarControl() const {
  TdxBarItemLinks* links = GetLinks();
  return links ? links->BarControl() : nullptr;
}

void TdxBarItemLink::CreateControl() {
  if (FControl || !FItem) return;
  TCustomdxBarControl* bar = BarControl();
  if (!bar || bar->IsDestroying()) return;
  if (TClass cls = FItem->GetItemControlClass()) FControl = TdxBarItemControl::CreateFor(cls, this);
}

void TdxBarItemLink::FreeControl() {
  if (TdxBarItemControl* control = FControl) control->Free();
  FControl = nullptr;
}

void TdxBarItemLink::RecreateControl() {
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->IsUpdateLocked()) return;
  FreeControl();
  CreateControl();
}

bool TdxBarItemLinks::HasItemControl(const TdxBarItemControl* AControl) const {
  for (int i = 0; i < Count(); ++i)
    if (Links(i)->Control() == AControl) return true;
  return false;
}

// --- Draw parameters and view info ---------------------------------------------------------

void TdxBarItemControlDrawParams::SetViewSize(int Value) {
  if (FViewSize == Value) return;
  FViewSize = Value;
  if (FItemControl && FItemControl->CachedImageOptions()) FItemControl->CachedImageOptions()->Invalidate();
}

TdxBarItemControlViewInfo::TdxBarItemControlViewInfo(TdxBarItemControl* AControl)
    : TcxInterfacedPersistent(nullptr), FControl(AControl) {}

TdxBarItemControlViewInfo::~TdxBarItemControlViewInfo() {
  TCustomdxBarControl* parent = FControl ? FControl->Parent() : nullptr;
  if (parent && !parent->IsDestroying())
    if (TCustomdxBarControlViewInfo* list = parent->ViewInfo()) list->RemoveShownViewInfo(this);
}

void TdxBarItemControlViewInfo::Initialize() {
  FAllowedLevels = FControl->GetAllowedViewLevels();
  const TdxBarItemViewLevels possible = FControl->GetPossibleViewLevels();
  FMostCompact = 255;
  for (int level = ivlControlOnly; level >= ivlLargeIconWithText; --level)
    if (possible.Contains(TdxBarItemRealViewLevel(level))) {
      FMostCompact = level;
      break;
    }
  int highest = -1;
  for (int level = ivlLargeIconWithText; level <= ivlControlOnly; ++level)
    if (FAllowedLevels.Contains(TdxBarItemRealViewLevel(level))) {
      highest = level;
      break;
    }
  FLevelForButtonGroup = highest == ivlLargeIconWithText ? FMostCompact : highest;
  ResetCachedValues();
}

void TdxBarItemControlViewInfo::ResetCachedValues() {
  for (TCachedWidth& w : FWidths) w.Known = false;
}

TdxBarItemAlign TdxBarItemControlViewInfo::GetAlignment() const {
  TdxBarItem* item = FControl->Item();
  return item ? item->Align() : iaLeft;
}

TdxBarButtonGroupPosition TdxBarItemControlViewInfo::PositionInButtonGroup() const {
  return FControl->CanBeInButtonGroup() ? FControl->ItemLink()->ButtonGroup() : bgpNone;
}

int TdxBarItemControlViewInfo::GetWidth(TdxBarItemRealViewLevel Level) {
  if (!FAllowedLevels.Contains(Level)) throw EdxException(L"Testing! The level is not allowed");
  TCachedWidth& cached = FWidths[Level];
  if (cached.Known) return cached.Width;
  const TdxBarItemViewLevel saved = FViewLevel;
  {
    TdxBarFinally restore([&] { FViewLevel = saved; });
    FViewLevel = Level;
    cached.Width = FControl->FinalWidth();
  }
  cached.Known = true;
  return cached.Width;
}

// --- Creation and destruction --------------------------------------------------------------

TdxBarItemControl::TdxBarItemControl(TdxBarItemLink* ALink)
    : FItemLink(ALink), FParent(ALink ? ALink->BarControl() : nullptr) {}

TdxBarItemControl* TdxBarItemControl::CreateFor(TClass AClass, TdxBarItemLink* ALink) {
  auto* control = static_cast<TdxBarItemControl*>(AClass->Create(ALink));
  try {
    control->InitControl();
  } catch (...) {
    control->Free();
    throw;
  }
  return control;
}

void TdxBarItemControl::InitControl() {
  FDrawParams.reset(static_cast<TdxBarItemControlDrawParams*>(GetDrawParamsClass()->Create(this)));
  FCachedImage = std::make_unique<TdxCachedImageOptions>();
  FViewInfo.reset(static_cast<TdxBarItemControlViewInfo*>(GetViewInfoClass()->Create(this)));
  FViewInfo->Initialize();
  RefreshStyle();
  FHotPartIndex = -1;
  FillDrawParams(true);
  if (FParent) FViewInfo->SetViewLevel(FParent->GetDefaultViewLevel(this));
}

void TdxBarItemControl::BeforeDestruction() {
  inherited::BeforeDestruction();
  TdxBarManager* manager = BarManager();
  if (FParent && manager && !manager->IsDestroying() && !manager->IsCustomizingOrDesigning() &&
      FParent->GetSelectedItemControl() == this) {
    // The link stays selected only while it is still shown.
    if (FParent->ItemLinks() && FParent->ItemLinks()->IndexOfLink(FItemLink) >= 0 && FItemLink->GetShownIndex() < 0)
      FParent->SetSelectedLink(nullptr);
    else
      SelectedByMouse = false;
  }
  if (manager && manager->HintObject() == this) manager->HideHint();
}

TdxBarItemControl::~TdxBarItemControl() {
  if (FItemLink && FItemLink->FControl == this) FItemLink->FControl = nullptr;
  if (FParent && !FParent->IsDestroying() && FParent->GetSelectedItemControl() == this &&
      FItemLink && FItemLink->GetShownIndex() < 0)
    FParent->SetSelectedLink(nullptr);
  if (FBackgroundBrush) DeleteObject(FBackgroundBrush);
  InvalidateObjectLinks(this);
  FViewInfo.reset();
  FCachedImage.reset();
  FDrawParams.reset();
}

TdxBarItem* TdxBarItemControl::Item() const { return FItemLink ? FItemLink->Item() : nullptr; }

TdxBarManager* TdxBarItemControl::BarManager() const { return FItemLink ? FItemLink->GetBarManager() : nullptr; }

TcxCanvas* TdxBarItemControl::Canvas() const {
  return FActiveCanvas ? FActiveCanvas : FParent ? FParent->GetCanvas() : nullptr;
}

TRect TdxBarItemControl::ItemRect() const { return FItemLink ? FItemLink->ItemRect() : TRect{}; }

TdxBarPainter* TdxBarItemControl::GetPainter() { return FParent ? FParent->GetPainter() : GetSharedFlatPainter(); }

// --- States --------------------------------------------------------------------------------

bool TdxBarItemControl::IsEnabled() {
  TdxBarItem* item = Item();
  return item && item->Enabled();
}

bool TdxBarItemControl::CanSelect() { return true; }

bool TdxBarItemControl::IsSelected() const {
  if (!FParent || FParent->GetSelectedItemControl() != this) return false;
  TdxBarItem* item = Item();
  return !(item && !item->Enabled() && SelectedByMouse);
}

TdxBarItemAlign TdxBarItemControl::GetRealAlign() const {
  TdxBarItem* item = Item();
  if (item && item->Align() != iaLeft && FParent && FParent->TakesRestSpace(FViewInfo.get())) return item->Align();
  return iaLeft;
}

bool TdxBarItemControl::IsItemOfOwnManager() {
  return FParent && BarManager() == FParent->GetBarManager();
}

bool TdxBarItemControl::IsRotated() { return FParent && FParent->IsRotated(); }

bool TdxBarItemControl::UsesFlatLook() { return FParent && FParent->IsFlatPainted(); }

bool TdxBarItemControl::UnclickAfterDoing() const {
  TdxBarItem* item = Item();
  return !item || item->UnclickAfterDoing;
}

void TdxBarItemControl::SetPressed(bool Value) {
  if (FPressed == Value) return;
  FPressed = Value;
  PressedChanged();
}

void TdxBarItemControl::PressedChanged() {
  if (!FPressed) Repaint();
}

void TdxBarItemControl::Repaint() {
  if (FParent && FParent->HandleAllocated()) FParent->RepaintItemControl(this);
}

// --- Parts and the hot part ----------------------------------------------------------------

void TdxBarItemControl::CalcParts() { FParts.assign(size_t(std::max(GetPartCount(), 0)), ItemRect()); }

int TdxBarItemControl::HitTestPart(const TPoint& P) const {
  if (!Contains(ItemRect(), P)) return -1;
  for (size_t i = 0; i < FParts.size(); ++i)
    if (Contains(FParts[i], P)) return int(i);
  return dxBarGapPart;
}

bool TdxBarItemControl::CanFade() {
  return (!FParent || FParent->CanFade()) && GetFader() && GetPainter()->SupportsFading();
}

TObject* TdxBarItemControl::GetFader() { return FParent ? FParent->GetFader() : nullptr; }

void TdxBarItemControl::SetHotPoint(const TPoint& P) {
  if (!IsEnabled()) {
    FHotPartIndex = -1;
    return;
  }
  const int part = HitTestPart(P);
  if (part == FHotPartIndex) return;
  FHotPartIndex = part;
  Repaint();
}

// --- Clicks --------------------------------------------------------------------------------

void TdxBarItemControl::ControlClick(bool ByMouse, wchar_t Key) {
  if (!IsEnabled()) return;
  TdxBarObjectGuard self(this);
  TCustomdxBarControl* parent = FParent;
  TdxBarObjectGuard parentAlive(parent);
  BeforeClick(ByMouse, Key);
  if (self.Alive() && parentAlive.Alive() && parent->HasItemControl(this)) ExecuteClick(ByMouse);
}

void TdxBarItemControl::ExecuteClick(bool) {
  if (FParent && FParent->GetKind() == 2) PlayMenuSound(1);
  TdxBarItemLink* original = FItemLink->GetOriginalLink();
  TdxBarItem* item = Item();
  if (!item) return;
  const bool closes = ClosesMenusOnClick();
  if (closes) {
    original->MarkAsRecentlyUsed(true);
    if (FItemLink != original) FItemLink->MarkAsRecentlyUsed(true);
  }
  TdxBarObjectGuard self(this);
  TdxBarObjectGuard itemAlive(item);
  const bool pressLook = UnclickAfterDoing() && (!closes || !FParent || !FParent->IsPopupKind());
  if (pressLook) SetPressed(true);
  if (closes && FParent) FParent->CloseUpChain();
  if (self.Alive() && CanClick() && itemAlive.Alive()) {
    item->ClickLink = original;
    TdxBarFinally clear([&] {
      if (itemAlive.Alive()) item->ClickLink = nullptr;
    });
    item->DoClick();
  }
  if (pressLook && self.Alive()) SetPressed(false);
}

void TdxBarItemControl::SelectByKeyboard() {
  if (!FParent) return;
  FParent->IsDowned = false;
  FParent->SelectItemControl(this);
}

// --- Change notifications ------------------------------------------------------------------

void TdxBarItemControl::BeginGroupChanged() {
  if (FParent) FParent->Rebuild();
}

void TdxBarItemControl::VisibleChanged() {
  if (FParent) FParent->Rebuild();
}

void TdxBarItemControl::CaptionChanged() {
  if (GetRealAlign() == iaClient && FParent && (FParent->GetBehaviourFlags() & bcbStretchClientItems))
    Repaint();
  else if (FParent)
    FParent->Rebuild();
}

void TdxBarItemControl::EnabledChanged() {
  if (!IsEnabled() && FParent && FParent->GetSelectedItemControl() == this) FParent->SetSelectedLink(nullptr);
  if (!IsEnabled()) FHotPartIndex = -1;
  Repaint();
}

void TdxBarItemControl::GlyphChanged() {
  const bool levelsDiffer = !(GetAllowedViewLevels() == FViewInfo->AllowedViewLevels());
  const bool glyphBitDiffers = ((GetContentParts() ^ FDrawParams->ContentParts) & dxBarGlyphPart) != 0;
  if ((levelsDiffer || glyphBitDiffers) && FParent) {
    FParent->Rebuild();
  } else {
    FViewInfo->ResetCachedValues();
    Repaint();
  }
}

void TdxBarItemControl::LargeGlyphChanged() {
  if (FDrawParams->ViewSize() == 0) return;
  if (InMenu()) Repaint();
  else if (FParent) FParent->Rebuild();
}

void TdxBarItemControl::WidthChanged() {
  // Only toolbars give an item its own width.
  if (FParent && FParent->GetKind() == 0) FParent->Rebuild();
}

void TdxBarItemControl::Recalculate() {
  FillDrawParams(false);
  CalcParts();
  Repaint();
}

// --- View levels, content and images -------------------------------------------------------

TdxBarItemViewLevels TdxBarItemControl::GetPossibleViewLevels() {
  if (HasImage(0)) return TdxBarItemViewLevels{ivlSmallIconWithText, ivlSmallIcon};
  return TdxBarItemViewLevels{ivlSmallIconWithText};
}

TdxBarItemViewLevels TdxBarItemControl::GetAllowedViewLevels() {
  const TdxBarItemViewLevels possible = GetPossibleViewLevels();
  if (possible.Empty()) throw EdxException(ClassName() + L".GetPossibleViewLevels = []");
  TdxBarItemViewLevels allowed = possible;
  if (FItemLink) allowed = possible * FItemLink->ViewLevels();
  return allowed.Empty() ? possible : allowed;
}

int TdxBarItemControl::GetClassicGlyphSize() {
  TdxBarItemLinks* links = FItemLink ? FItemLink->GetLinks() : nullptr;
  if (links && links->GetMenuItemSize() == misLarge) return 2;
  TdxBarManager* manager = BarManager();
  return manager && manager->LargeIcons() && GetPainter()->AllowsLargeIcons() ? 1 : 0;
}

namespace {

int GlyphSizeOfLevel(TdxBarItemControl* AControl, TdxBarItemViewLevel Level) {
  switch (Level) {
    case ivlLargeIconWithText: return 2;
    case ivlSmallIconWithText:
    case ivlSmallIcon: return 0;
    default: return AControl->GetClassicGlyphSize();
  }
}

}  // namespace

int TdxBarItemControl::GetContentParts() {
  const TdxBarItemViewLevel level = FViewInfo ? FViewInfo->ViewLevel() : ivlDefault;
  switch (level) {
    case ivlLargeIconWithText:
    case ivlSmallIconWithText:
      return dxBarCaptionPart | (HasImage(GlyphSizeOfLevel(this, level)) ? dxBarGlyphPart : 0);
    case ivlSmallIcon: return HasImage(0) ? dxBarGlyphPart : 0;
    case ivlControlOnly: return 0;
    default: return GetClassicContentParts();
  }
}

int TdxBarItemControl::GetPaintKind() {
  if (!FParent) return 0;
  if (FParent->GetKind() == 2) return 1;
  return FParent->IsRotated() ? 2 : 0;
}

String TdxBarItemControl::Caption() { return FItemLink ? FItemLink->Caption() : String(); }

TBitmap* TdxBarItemControl::Glyph() { return FItemLink ? FItemLink->Glyph() : nullptr; }

String TdxBarItemControl::Hint() {
  TdxBarItem* item = Item();
  return item ? item->Hint() : String();
}

TCustomImageList* TdxBarItemControl::GetImageList(int ASize) {
  TdxBarManager* manager = BarManager();
  if (!manager) return nullptr;
  const bool large = ASize == 2 || (GetPaintKind() != 1 && ASize == 1 && manager->UseLargeImagesForLargeIcons());
  const bool disabled = !IsEnabled();
  if (large) return disabled && manager->DisabledLargeImages() ? manager->DisabledLargeImages() : manager->LargeImages();
  return disabled && manager->DisabledImages() ? manager->DisabledImages() : manager->Images();
}

bool TdxBarItemControl::GetImageInfo(int ASize, int& AImageIndex, TCustomImageList*& AImages, TBitmap*& AGlyph) {
  TdxBarManager* manager = BarManager();
  TdxBarItem* item = Item();
  const bool large =
      ASize == 2 || (GetPaintKind() != 1 && ASize == 1 && manager && manager->UseLargeImagesForLargeIcons());
  AImages = GetImageList(ASize);
  AImageIndex = item ? item->ImageIndex() : -1;
  if (large && AImages && item && item->LargeImageIndex() != -1) AImageIndex = item->LargeImageIndex();
  const bool listHolds = AImages && AImageIndex >= 0 && AImageIndex < AImages->Count();
  AGlyph = nullptr;
  if (large && item && !IsGlyphEmpty(item->LargeGlyph())) AGlyph = item->LargeGlyph();
  else if (!(large && listHolds)) AGlyph = Glyph();
  if (IsGlyphEmpty(AGlyph)) AGlyph = nullptr;
  if (AGlyph || listHolds) return true;
  AGlyph = FParent ? FParent->GetFallbackGlyph() : nullptr;
  return AGlyph != nullptr;
}

bool TdxBarItemControl::HasImage(int ASize) {
  int index = -1;
  TCustomImageList* images = nullptr;
  TBitmap* glyph = nullptr;
  return GetImageInfo(ASize, index, images, glyph);
}

TSize TdxBarItemControl::GetGlyphSize(int ASize) {
  int index = -1;
  TCustomImageList* images = nullptr;
  TBitmap* glyph = nullptr;
  if (GetImageInfo(ASize, index, images, glyph)) {
    if (glyph) return TSize{glyph->Width(), glyph->Height()};
    return TSize{images->Width(), images->Height()};
  }
  if (ASize == 2) return TSize{20, 20};
  TdxBarManager* manager = BarManager();
  const int g = manager ? manager->GetButtonGlyphSize() : 16;
  return TSize{g, g};
}

bool TdxBarItemControl::UsesNormalImageLook() {
  if (IsEnabled()) return true;
  TdxBarManager* manager = BarManager();
  if (!manager || (FDrawParams->ContentParts & dxBarGlyphPart)) return false;
  return FDrawParams->ViewSize() == 2 ? manager->DisabledLargeImages() != nullptr
                                      : manager->DisabledImages() != nullptr;
}

// --- Draw parameters, style and drawing ----------------------------------------------------

void TdxBarItemControl::FillDrawParams(bool Full) {
  TdxBarItemControlDrawParams& p = *FDrawParams;
  if (Full) {
    p.Caption = Caption();
    TdxBarItem* item = Item();
    p.Description = item ? item->Description() : String();
    p.ShortCutText.clear();
    p.PaintKind = GetPaintKind();
    p.Enabled = IsEnabled();
    p.CanSelect = CanSelect();
    p.DrawSelected = IsSelectedNow();
    p.HasDropDownPart = HasDropDownPart();
    p.HotPartIndex = FHotPartIndex;
    p.Customizing = FParent && FParent->IsCustomizing();
    p.SelectedByKeyboard = p.DrawSelected && !SelectedByMouse;
  }
  p.Canvas = Canvas();
  p.SetViewSize(GlyphSizeOfLevel(this, FViewInfo ? FViewInfo->ViewLevel() : ivlDefault));
  p.ContentParts = GetContentParts();
  TdxBarManager* manager = BarManager();
  p.ButtonSize = GetPainter()->ButtonSize(manager ? manager->GetButtonGlyphSize() : 16);
}

void TdxBarItemControl::ApplyStyleFont(HFONT AFont, TcxStyle* AStyle, TdxBarSavedFont& Saved) {
  Saved.Active = false;
  const bool styleFont = StyleAssignsFont(AStyle);
  TcxCanvas* canvas = Canvas();
  if ((!AFont && !styleFont) || !canvas) return;
  TFont* current = canvas->Font();
  GetObjectW(current->Handle(), sizeof(Saved.Font), &Saved.Font);
  Saved.Active = true;
  LOGFONTW base{};
  GetObjectW(AFont ? AFont : current->Handle(), sizeof(base), &base);
  LOGFONTW font = base;
  if (styleFont) {
    GetObjectW(AStyle->Font()->Handle(), sizeof(font), &font);
    // A rotated toolbar keeps its text turned.
    font.lfEscapement = font.lfOrientation = base.lfEscapement;
    font.lfOutPrecision = base.lfOutPrecision;
  }
  current->SetHandle(CreateFontIndirectW(&font));
}

void TdxBarItemControl::RestoreFont(const TdxBarSavedFont& Saved) {
  TcxCanvas* canvas = Canvas();
  if (Saved.Active && canvas) canvas->Font()->SetHandle(CreateFontIndirectW(&Saved.Font));
}

void TdxBarItemControl::RefreshStyle() {
  TdxBarSavedFont saved;
  ApplyStyleFont(nullptr, ItemStyle(Item()), saved);
  TdxBarFinally restore([&] { RestoreFont(saved); });
  UpdateStyleData();
}

void TdxBarItemControl::UpdateStyleData() {
  if (FBackgroundBrush) {
    DeleteObject(FBackgroundBrush);
    FBackgroundBrush = nullptr;
  }
  TdxBarItem* item = Item();
  TcxStyle* style = ItemStyle(item);
  if (item && style && item->UsesStyleBackground() && style->AssignedValues().Contains(TcxStyleValue::svColor) &&
      style->Color() != clDefault)
    FBackgroundBrush = CreateSolidBrush(COLORREF(ColorToRGB(style->Color())));
  if (FParent) {
    TcxCanvas* canvas = Canvas();
    canvas->Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
    FTextSize = GetPainter()->EditHeight(canvas->Handle());
  }
}

HBRUSH TdxBarItemControl::BackgroundBrush() const {
  return FBackgroundBrush ? FBackgroundBrush : FParent ? FParent->BackgroundBrush() : nullptr;
}

int TdxBarItemControl::GetTextSize() const {
  if (StyleAssignsFont(ItemStyle(Item()))) return FTextSize;
  return FParent ? FParent->TextSize() : FTextSize;
}

int TdxBarItemControl::GetTextIndent() {
  const int points = FParent ? FParent->Font()->Size() : 8;
  return points / 2;
}

void TdxBarItemControl::Draw(TcxCanvas* ACanvas, const TRect& R, int Flag) {
  if (IsEmptyRect(R)) return;
  ACanvas->SaveDeviceState();
  TdxBarFinally restoreState([&] { ACanvas->RestoreDeviceState(); });
  if (FParent && ACanvas != FParent->GetCanvas()) ACanvas->Font()->Assign(FParent->GetCanvas()->Font());
  FActiveCanvas = ACanvas;
  TdxBarFinally clearCanvas([&] {
    FActiveCanvas = nullptr;
    FillDrawParams(false);
  });
  TdxBarSavedFont saved;
  ApplyStyleFont(nullptr, ItemStyle(Item()), saved);
  TdxBarFinally restoreFont([&] { RestoreFont(saved); });
  FillDrawParams(true);
  DrawContent(R, Flag);
}

int TdxBarItemControl::GetMenuTextIndent() {
  return GetPainter()->MenuItemTextIndent(InMenu(), FParent ? FParent->TextSize() : 0);
}

// --- Sizes ---------------------------------------------------------------------------------

int TdxBarItemControl::TextWidth(const String& S) {
  TcxCanvas* canvas = Canvas();
  if (!canvas) return 0;
  TdxBarSavedFont saved;
  ApplyStyleFont(nullptr, ItemStyle(Item()), saved);
  TdxBarFinally restore([&] { RestoreFont(saved); });
  return canvas->MeasureTextWidth(S);
}

int TdxBarItemControl::TextLineHeight() {
  TcxCanvas* canvas = Canvas();
  if (!canvas) return 0;
  TdxBarSavedFont saved;
  ApplyStyleFont(nullptr, ItemStyle(Item()), saved);
  TdxBarFinally restore([&] { RestoreFont(saved); });
  return canvas->MeasureTextHeight(L"Qq");
}

int TdxBarItemControl::GetCaptionWidth() {
  TcxCanvas* canvas = Canvas();
  if (!canvas) return 0;
  TdxBarSavedFont saved;
  ApplyStyleFont(nullptr, ItemStyle(Item()), saved);
  TdxBarFinally restore([&] { RestoreFont(saved); });
  canvas->Canvas()->RequiredState(TCanvasStates{csHandleValid, csFontValid});
  const TRect r = GetPainter()->CalcItemTextRect(canvas->Handle(), FDrawParams->Caption);
  return r.Right - r.Left;
}

int TdxBarItemControl::GetCaptionAreaWidth() {
  if (!(FDrawParams->ContentParts & dxBarCaptionPart)) return 0;
  TdxBarPainter* painter = GetPainter();
  if (InMenu()) {
    int width = GetCaptionWidth();
    TdxBarItemLinks* links = FItemLink->GetLinks();
    TdxBarItem* item = Item();
    if (links && links->ShowShortCuts() && item && item->ShortCut() != 0)
      width += TextWidth(ShortCutToText(item->ShortCut())) + FParent->TextSize() - 6;
    const TRect margins = painter->ItemContentMargins();
    // The icon area is counted here as well as in the icon width (D-135).
    return width + margins.Left + margins.Right + painter->MenuIconAreaSize(this);
  }
  if (!(FDrawParams->ContentParts & dxBarGlyphPart)) return GetCaptionWidth() + 2 * GetTextIndent();
  return GetCaptionWidth() + painter->ItemTextMargins().Left;
}

int TdxBarItemControl::GetIconAreaWidth() {
  if (InMenu()) return FParent->IconAreaSize();
  if (FDrawParams->ContentParts & dxBarGlyphPart)
    return IsRotated() ? FDrawParams->ButtonSize.cy : FDrawParams->ButtonSize.cx;
  return 0;
}

int TdxBarItemControl::CalcContentWidth() { return GetIconAreaWidth() + GetCaptionAreaWidth() + GetExtraWidth(); }

int TdxBarItemControl::CalcLargeWidth() {
  const TSize glyph = GetGlyphSize(2);
  const int g = IsRotated() ? glyph.cy : glyph.cx;
  if (!(FDrawParams->ContentParts & dxBarCaptionPart)) return g + 10;
  const TdxBarGlyphLayout layout = Item() ? Item()->GlyphLayout() : glTop;
  if (layout == glTop || layout == glBottom) return std::max(g, GetCaptionWidth() + 6) + 10;
  return g + GetCaptionWidth() + 16;
}

int TdxBarItemControl::CalcLargeHeight() {
  const TSize glyph = GetGlyphSize(2);
  const int g = IsRotated() ? glyph.cx : glyph.cy;
  if (!(FDrawParams->ContentParts & dxBarCaptionPart)) return g + 6;
  const TdxBarGlyphLayout layout = Item() ? Item()->GlyphLayout() : glTop;
  if (layout == glTop || layout == glBottom) return g + TextLineHeight() + 7;
  return std::max(g, TextLineHeight()) + 6;
}

int TdxBarItemControl::CalcSmallHeight() {
  int height = 0;
  if (FDrawParams->ContentParts & dxBarCaptionPart) height = GetTextSize();
  if (FDrawParams->ContentParts & dxBarGlyphPart)
    height = std::max(height, int(IsRotated() ? FDrawParams->ButtonSize.cx : FDrawParams->ButtonSize.cy));
  return height;
}

int TdxBarItemControl::CalcToolbarHeight() {
  return FDrawParams->ViewSize() == 2 ? CalcLargeHeight() : CalcSmallHeight();
}

int TdxBarItemControl::CalcToolbarWidth() {
  return FDrawParams->ViewSize() == 2 ? CalcLargeWidth() : CalcContentWidth();
}

int TdxBarItemControl::CalcMenuItemHeight() {
  int height = FParent ? FParent->GetItemTextSize(this) : GetTextSize();
  GetPainter()->AdjustMenuItemHeight(height);
  return height;
}

int TdxBarItemControl::CalcMenuItemWidth() {
  TSize size{CalcContentWidth(), 0};
  GetPainter()->AdjustItemSize(size);
  return size.cx;
}

int TdxBarItemControl::CalcHeight() {
  if (InMenu()) return CalcMenuItemHeight();
  return IsRotated() ? CalcToolbarWidth() : CalcToolbarHeight();
}

int TdxBarItemControl::CalcWidth() {
  if (InMenu()) return CalcMenuItemWidth();
  return IsRotated() ? CalcToolbarHeight() : CalcToolbarWidth();
}

int TdxBarItemControl::FinalHeight() {
  FillDrawParams(false);
  if (GetRealAlign() == iaClient && FParent && FParent->IsVertical())
    return IsRotated() ? GetMinWidth() : GetMinHeight();
  return CalcHeight();
}

int TdxBarItemControl::FinalWidth() {
  FillDrawParams(false);
  if (GetRealAlign() == iaClient && FParent && !FParent->IsVertical() &&
      (FParent->GetBehaviourFlags() & bcbStretchClientItems))
    return GetMinWidth();
  return std::max(CalcWidth(), GetMinWidth());
}

// --- Hints ---------------------------------------------------------------------------------

void TdxBarItemControl::GetHintText(String& AHint, String& AShortCutText) {
  const String hint = Hint();
  AHint = hint.substr(0, hint.find(L'|'));
  TdxBarItem* item = Item();
  AShortCutText = item && item->ShortCut() != 0 ? ShortCutHintText(item->ShortCut()) : String();
}

bool TdxBarItemControl::GetHintData(bool& Vetoed, String& AHint, String& AShortCutText) {
  Vetoed = false;
  AHint.clear();
  AShortCutText.clear();
  if (!FParent || !FParent->IsInactive() || !FParent->HandleAllocated()) return false;
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(FParent->Handle(), &cursor);
  if (FParent->ItemControlAtPos(TPoint{cursor.x, cursor.y}) != this) return false;
  GetHintText(AHint, AShortCutText);
  return true;
}
