// TcxCheckBox: values and states, the view, the drawing of the glyph, keys,
// mouse toggling, loading and the action link.
#include "cxCheckBox_win.h"

#include <algorithm>

#include "SysUtils.h"
#include "cxEditPaintUtils_win.h"
#include "cxLookAndFeelPainters_native_win.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxVariants.h"
#include "dxThemeManager.h"

namespace {

bool PointIn(const TPoint& P, const TRect& R) { return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom; }

bool IsEmptyRect(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

TRect Inflated(const TRect& R, int D) { return TRect{R.Left - D, R.Top - D, R.Right + D, R.Bottom + D}; }

TcxCheckBoxState SafeState(int AValue) { return AValue >= 0 && AValue <= 2 ? TcxCheckBoxState(AValue) : cbsGrayed; }

TBitmap* GCheckMarkMask = nullptr;

// The mask of the check mark: black where the system bitmap's unchecked and
// checked cells differ.
TBitmap* CreateCheckMarkMask() {
  const TSize size = TcxStandardLookAndFeelPainter::Instance()->GetCheckGlyphSize();
  auto* mask = new TBitmap();
  mask->SetMonochrome(true);
  mask->SetSize(size.cx, size.cy);
  HBITMAP system = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759));  // OBM_CHECKBOXES
  HDC screen = GetDC(nullptr);
  HDC source = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(source, system);
  HDC target = mask->Canvas()->Handle();
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x)
      SetPixel(target, x, y, GetPixel(source, x, y) == GetPixel(source, x + size.cx, y) ? RGB(255, 255, 255) : 0);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(system);
  return mask;
}

}  // namespace

TBitmap* CheckMarkMask() { return GCheckMarkMask; }

bool VarIdentical(const Variant& A, const Variant& B) {
  if (A.VarType() != B.VarType()) return false;
  return A.IsNull() || A.IsEmpty() || VarSameValue(A, B);
}

Variant ReadStreamedVariant(TReader* Reader) {
  switch (Reader->NextValue()) {
    case vaFalse:
    case vaTrue: return Variant(Reader->ReadBoolean());
    case vaInt8:
    case vaInt16:
    case vaInt32: return Variant(int(Reader->ReadInteger()));
    case vaInt64: return Variant(Reader->ReadInt64());
    case vaExtended:
    case vaSingle:
    case vaDouble:
    case vaCurrency: return Variant(Reader->ReadFloat());
    case vaNull:
    case vaIdent: {
      const String ident = Reader->ReadIdent();
      return ident == L"Null" ? Variant::Null() : Variant(ident);
    }
    default: return Variant(Reader->ReadString());
  }
}

void WriteStreamedVariant(TWriter* Writer, const Variant& Value) {
  if (Value.IsNull() || Value.IsEmpty())
    Writer->WriteIdent(L"Null");
  else if (Value.VarType() == varBoolean)
    Writer->WriteBoolean(Value.AsBoolean());
  else if (VarIsOrdinal(Value))
    Writer->WriteInteger(Value.AsInt64());
  else if (VarIsFloat(Value))
    Writer->WriteFloat(Value.AsDouble());
  else
    Writer->WriteString(VarToStr(Value));
}

// --- Caption items ----------------------------------------------------------------------------
void TcxCaptionItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TcxCaptionItem*>(Source)) {
    FCaption = item->FCaption;
    FTag = item->FTag;
    return;
  }
  TCollectionItem::Assign(Source);
}

void TcxCaptionItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  auto* items = dynamic_cast<TcxOwnedInterfacedCollection*>(Collection());
  if (items && items->Sorted())
    SortCollectionItems(items);
  else
    Changed(false);
}

int TcxCaptionItems::OrderItems(TCollectionItem* AItem1, TCollectionItem* AItem2) {
  return AnsiCompareText(static_cast<TcxCaptionItem*>(AItem1)->Caption(),
                         static_cast<TcxCaptionItem*>(AItem2)->Caption());
}

// --- Properties -------------------------------------------------------------------------------
TcxCustomCheckBoxProperties::TcxCustomCheckBoxProperties(TPersistent* AOwner) : TcxCustomEditProperties(AOwner) {
  FDisplayChecked = ResolveResourceString(&cxSEditCheckBoxChecked);
  FDisplayUnchecked = ResolveResourceString(&cxSEditCheckBoxUnchecked);
  FDisplayGrayed = ResolveResourceString(&cxSEditCheckBoxGrayed);
}

TcxCustomCheckBoxProperties::~TcxCustomCheckBoxProperties() { delete FGlyph; }

TClass TcxCustomCheckBoxProperties::GetContainerClass() { return TcxCheckBox::StaticClass(); }
TClass TcxCustomCheckBoxProperties::GetStyleClass() { return TcxCheckBoxStyle::StaticClass(); }
TClass TcxCustomCheckBoxProperties::GetViewDataClass() { return TcxCustomCheckBoxViewData::StaticClass(); }
TClass TcxCustomCheckBoxProperties::GetViewInfoClass() { return TcxCustomCheckBoxViewInfo::StaticClass(); }

TcxCustomEditViewData* TcxCustomCheckBoxProperties::CreateViewData(TcxContainerStyle* AStyle, bool AIsHosted,
                                                                   bool AFlag) {
  auto* viewData = new TcxCustomCheckBoxViewData(this, AStyle, AIsHosted);
  viewData->PreviewMode = AFlag;
  return viewData;
}

TObject* TcxCheckBoxStyle::CreateFresh() { return new TcxCheckBoxStyle(nullptr, false); }

bool TcxCustomCheckBoxProperties::IsOwnerLoading() const {
  auto* component = dynamic_cast<TComponent*>(Owner());
  return component && component->ComponentState().Contains(csLoading);
}

void TcxCustomCheckBoxProperties::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxCustomCheckBoxProperties*>(Source)) {
    UpdateEditProperties(this, [&] {
      TcxCustomEditProperties::Assign(Source);
      SetAllowGrayed(source->FAllowGrayed);
      SetDisplayChecked(source->FDisplayChecked);
      SetDisplayUnchecked(source->FDisplayUnchecked);
      SetDisplayGrayed(source->FDisplayGrayed);
      SetFullFocusRect(source->FFullFocusRect);
      SetGlyph(source->FGlyph);
      SetGlyphCount(source->FGlyphCount);
      SetMultiLine(source->FMultiLine);
      SetNullStyle(source->FNullStyle);
      SetUseAlignmentWhenInplace(source->FUseAlignmentWhenInplace);
      SetStateValues(source->FValueChecked, source->FValueUnchecked, source->FValueGrayed);
    });
    return;
  }
  TcxCustomEditProperties::Assign(Source);
}

void TcxCustomCheckBoxProperties::DefineProperties(TFiler* Filer) {
  TcxCustomEditProperties::DefineProperties(Filer);
  using P = TcxCustomCheckBoxProperties;
  Filer->DefineProperty(L"Caption", TReaderProc(this, &P::ReadCaption), TWriterProc(), false);
  Filer->DefineProperty(L"ValueChecked", TReaderProc(this, &P::ReadValueChecked),
                        TWriterProc(this, &P::WriteValueChecked), IsValueCheckedStored());
  Filer->DefineProperty(L"ValueGrayed", TReaderProc(this, &P::ReadValueGrayed),
                        TWriterProc(this, &P::WriteValueGrayed), IsValueGrayedStored());
  Filer->DefineProperty(L"ValueUnchecked", TReaderProc(this, &P::ReadValueUnchecked),
                        TWriterProc(this, &P::WriteValueUnchecked), IsValueUncheckedStored());
}

void TcxCustomCheckBoxProperties::SetCaption(const String& Value) { SetField(FCaption, Value); }

TBitmap* TcxCustomCheckBoxProperties::GetGlyph() {
  if (!FGlyph) {
    FGlyph = new TBitmap();
    FGlyph->OnChange = TNotifyEvent(this, &TcxCustomCheckBoxProperties::GlyphChanged);
  }
  return FGlyph;
}

void TcxCustomCheckBoxProperties::SetGlyph(TBitmap* Value) {
  if (!Value) {
    delete FGlyph;
    FGlyph = nullptr;
    Changed();
    return;
  }
  GetGlyph()->Assign(Value);
}

void TcxCustomCheckBoxProperties::GlyphChanged(TObject*) { Changed(); }

void TcxCustomCheckBoxProperties::SetGlyphCount(int Value) {
  if (FGlyphCount == Value) return;
  FGlyphCount = Value;
  if (FGlyph) Changed();
}

bool TcxCustomCheckBoxProperties::AcceptsValue(const Variant& AValue, bool ANullAllowed) const {
  if (IsOwnerLoading()) return true;
  if (!ANullAllowed && AValue.IsNull()) return false;
  return !VarIdentical(AValue, FValueChecked) && !VarIdentical(AValue, FValueUnchecked) &&
         !VarIdentical(AValue, FValueGrayed);
}

void TcxCustomCheckBoxProperties::SetValueChecked(const Variant& Value) {
  if (!AcceptsValue(Value, false)) return;
  FValueChecked = Value;
  Changed();
}

void TcxCustomCheckBoxProperties::SetValueUnchecked(const Variant& Value) {
  if (!AcceptsValue(Value, false)) return;
  FValueUnchecked = Value;
  Changed();
}

void TcxCustomCheckBoxProperties::SetValueGrayed(const Variant& Value) {
  if (!AcceptsValue(Value, true)) return;
  FValueGrayed = Value;
  Changed();
}

void TcxCustomCheckBoxProperties::SetStateValues(const Variant& AChecked, const Variant& AUnchecked,
                                                 const Variant& AGrayed) {
  if (AChecked.IsNull() || AUnchecked.IsNull() || VarIdentical(AChecked, AUnchecked) ||
      VarIdentical(AChecked, AGrayed) || VarIdentical(AUnchecked, AGrayed))
    return;
  if (VarIdentical(AChecked, FValueChecked) && VarIdentical(AUnchecked, FValueUnchecked) &&
      VarIdentical(AGrayed, FValueGrayed))
    return;
  FValueChecked = AChecked;
  FValueUnchecked = AUnchecked;
  FValueGrayed = AGrayed;
  Changed();
}

bool TcxCustomCheckBoxProperties::IsDisplayCheckedStored() const {
  return FDisplayChecked != ResolveResourceString(&cxSEditCheckBoxChecked);
}
bool TcxCustomCheckBoxProperties::IsDisplayUncheckedStored() const {
  return FDisplayUnchecked != ResolveResourceString(&cxSEditCheckBoxUnchecked);
}
bool TcxCustomCheckBoxProperties::IsDisplayGrayedStored() const {
  return FDisplayGrayed != ResolveResourceString(&cxSEditCheckBoxGrayed);
}
bool TcxCustomCheckBoxProperties::IsValueCheckedStored() const { return !VarIdentical(FValueChecked, Variant(true)); }
bool TcxCustomCheckBoxProperties::IsValueUncheckedStored() const {
  return !VarIdentical(FValueUnchecked, Variant(false));
}

void TcxCustomCheckBoxProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool) {
  if (AreVariantsEqual(AEditValue, FValueChecked))
    DisplayValue = Variant(1);
  else if (AreVariantsEqual(AEditValue, FValueUnchecked))
    DisplayValue = Variant(0);
  else
    DisplayValue = Variant(2);
}

TcxCheckBoxState TcxCustomCheckBoxProperties::GetStateOfValue(const Variant& AValue) {
  Variant display;
  PrepareDisplayValue(AValue, display, false);
  return SafeState(int(display.AsInt64()));
}

Variant TcxCustomCheckBoxProperties::StateToValue(TcxCheckBoxState AState) const {
  return AState == cbsChecked ? FValueChecked : AState == cbsUnchecked ? FValueUnchecked : FValueGrayed;
}

bool TcxCustomCheckBoxProperties::CompareDisplayValues(const Variant& V1, const Variant& V2) {
  return GetStateOfValue(V1) == GetStateOfValue(V2);
}

String TcxCustomCheckBoxProperties::GetDisplayText(const Variant& AValue, bool) {
  switch (GetStateOfValue(AValue)) {
    case cbsChecked: return FDisplayChecked;
    case cbsUnchecked: return FDisplayUnchecked;
    default: return FDisplayGrayed;
  }
}

bool TcxCustomCheckBoxProperties::IsEditValueValid(const Variant& AValue) {
  return TcxCustomEditProperties::IsEditValueValid(AValue) &&
         (VarIdentical(AValue, FValueChecked) || VarIdentical(AValue, FValueUnchecked) ||
          VarIdentical(AValue, FValueGrayed));
}

// --- Glyph size and drawing ---------------------------------------------------------------------
TSize GetCheckBoxGlyphSize(TcxLookAndFeel* ALookAndFeel, TBitmap* AGlyph, int AGlyphCount) {
  if (AGlyphCount > 0 && AGlyph && !AGlyph->Empty()) return TSize{AGlyph->Width() / AGlyphCount, AGlyph->Height()};
  if (ALookAndFeel && ALookAndFeel->CurrentSkinPainter())
    return ALookAndFeel->CurrentSkinPainter()->GetCheckGlyphSize();
  if (ALookAndFeel && ALookAndFeel->NativeStyle() && CanUseThemeKind(totButton))
    return TcxWinXPLookAndFeelPainter::Instance()->GetCheckGlyphSize();
  return TcxStandardLookAndFeelPainter::Instance()->GetCheckGlyphSize();
}

namespace {

void DrawCustomGlyph(TcxCanvas* ACanvas, const TRect& G, const TcxCheckBoxGlyphParams& P) {
  const int index = GetCheckBoxGlyphIndex(P.State, P.PaintState, P.GlyphCount);
  const int cell = P.Glyph->Width() / P.GlyphCount;
  TBitmap image;
  image.SetSize(G.Right - G.Left, G.Bottom - G.Top);
  image.Canvas()->Brush()->SetColor(P.BackgroundColor == clNone ? TColor(clWindow) : P.BackgroundColor);
  image.Canvas()->FillRect(TRect{0, 0, image.Width(), image.Height()});
  if (index < P.GlyphCount) {
    const int top = (P.Glyph->Height() - image.Height()) / 2;
    BitBlt(image.Canvas()->Handle(), 0, 0, image.Width(), image.Height(), P.Glyph->Canvas()->Handle(),
           index * cell, top, SRCCOPY);
  }
  image.SetTransparent(true);
  DrawEditGlyph(ACanvas, G.Left, G.Top, nullptr, ColorToRGB(P.BackgroundColor == clNone ? clWindow : P.BackgroundColor),
                P.PaintState != ecpsDisabled, &image);
}

void DrawNativeGlyph(TcxCanvas* ACanvas, const TRect& G, const TcxCheckBoxGlyphParams& P) {
  HTHEME theme = AcquireThemeHandle(totButton);
  const RECT r{G.Left, G.Top, G.Right, G.Bottom};
  DrawThemeBackground(theme, ACanvas->Handle(), 3, GetCheckThemeState(P.State, P.PaintState), &r, nullptr);
}

// The frame of the drawn look, by border look; answers the rectangle inside it.
void DrawGlyphBorder(TcxCanvas* ACanvas, const TRect& G, int AInset, const TcxCheckBoxGlyphParams& P) {
  if (P.Opaque && AInset > 0) ACanvas->FrameRectBorders(G, P.BackgroundColor, AInset);
  const TRect r = Inflated(G, -AInset);
  switch (P.BorderStyle) {
    case cbsSingle: ACanvas->FrameRectBorders(r, P.BorderColor, 1); break;
    case cbsThick: ACanvas->FrameRectBorders(r, P.BorderColor, 2); break;
    case cbsFlat:
      ACanvas->Draw3DEdge(r, true, true);
      ACanvas->FrameRectBorders(Inflated(r, -1), clBtnFace, 1);
      break;
    case cbs3D:
      ACanvas->Draw3DEdge(r, true, true);
      ACanvas->DrawTwoColorFrame(Inflated(r, -1), cl3DDkShadow, cl3DLight);
      break;
    case cbsUltraFlat:
    case cbsOffice11: {
      const bool office = P.BorderStyle == cbsOffice11;
      TColor color = clBtnShadow;
      if (office && P.PaintState == ecpsNormal && !P.Designing && !P.Focused)
        color = clBtnText;
      else if (P.PaintState == ecpsHot || P.PaintState == ecpsPressed ||
               (P.Designing && P.PaintState != ecpsDisabled) || (P.PaintState == ecpsNormal && P.Focused))
        color = GetEditHighlightBorderColor(office);
      ACanvas->FrameRectBorders(r, color, 1);
      break;
    }
    default: break;
  }
}

void DrawCheckMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  TBitmap* mask = CheckMarkMask();
  if (!mask) return;
  ACanvas->SaveDeviceState();
  ACanvas->IntersectClipRectangle(R);
  HDC dc = ACanvas->Handle();
  HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, R.Left - 2, R.Top - 2, mask->Width(), mask->Height(), mask->Canvas()->Handle(), 0, 0, 0xB8074A);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
  ACanvas->RestoreDeviceState();
}

void DrawDrawnGlyph(TcxCanvas* ACanvas, const TRect& G, const TcxCheckBoxGlyphParams& P) {
  const int inset = GetCheckBoxBorderInset(P.BorderStyle, false);
  DrawGlyphBorder(ACanvas, G, inset, P);
  const TRect r = Inflated(G, -2);
  const bool inactive = P.State == cbsGrayed && P.NullStyle == nssInactive;
  const bool marked = P.State == cbsChecked || (P.State == cbsGrayed && P.NullStyle == nssGrayedChecked);
  if (P.BorderStyle == cbsUltraFlat || P.BorderStyle == cbsOffice11) {
    const bool office = P.BorderStyle == cbsOffice11;
    TColor face = clWindow;
    switch (P.PaintState) {
      case ecpsNormal: face = inactive ? TColor(clBtnFace) : TColor(clWindow); break;
      case ecpsHot: face = GetEditButtonHighlightColor(false, office); break;
      case ecpsPressed: face = GetEditButtonHighlightColor(true, office); break;
      default: face = clBtnFace; break;
    }
    ACanvas->FillRect(r, face);
    if (marked)
      DrawCheckMark(ACanvas, r,
                    P.State == cbsChecked && P.PaintState != ecpsDisabled ? TColor(clBtnText) : TColor(clBtnShadow));
    return;
  }
  UINT flags = DFCS_BUTTONCHECK;
  if (P.PaintState == ecpsDisabled) {
    flags |= DFCS_BUTTON3STATE | DFCS_PUSHED;
    flags |= P.State == cbsUnchecked || (P.State == cbsGrayed && P.NullStyle != nssGrayedChecked) ? DFCS_INACTIVE
                                                                                                 : DFCS_CHECKED;
  } else {
    if (P.State == cbsChecked) flags |= DFCS_CHECKED;
    if (P.State == cbsGrayed) {
      flags |= DFCS_BUTTON3STATE;
      if (P.NullStyle == nssInactive) flags |= DFCS_INACTIVE;
      if (P.NullStyle == nssGrayedChecked) flags |= DFCS_CHECKED;
    }
    if (P.PaintState == ecpsPressed) flags |= DFCS_PUSHED;
  }
  if (P.BorderStyle != cbs3D) flags |= DFCS_FLAT;
  ACanvas->SaveDeviceState();
  ACanvas->IntersectClipRectangle(r);
  RECT frame{r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2};
  DrawFrameControl(ACanvas->Handle(), &frame, DFC_BUTTON, flags);
  ACanvas->RestoreDeviceState();
}

}  // namespace

void DrawCheckBoxGlyph(TcxCanvas* ACanvas, const TRect& G, const TcxCheckBoxGlyphParams& AParams) {
  TcxCheckBoxGlyphParams p = AParams;
  if (!p.Opaque) p.BackgroundColor = clNone;
  if (p.State == cbsGrayed && p.NullStyle == nssUnchecked) p.State = cbsUnchecked;
  if (p.GlyphCount > 0 && p.Glyph && !p.Glyph->Empty()) {
    DrawCustomGlyph(ACanvas, G, p);
  } else if (p.SkinPainter) {
    if (p.Opaque) ACanvas->FillRect(G, p.BackgroundColor);
    static constexpr TcxButtonState states[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
    p.SkinPainter->PaintCheckBox(ACanvas, G, states[p.PaintState], p.State);
  } else if (p.Native) {
    DrawNativeGlyph(ACanvas, G, p);
  } else {
    DrawDrawnGlyph(ACanvas, G, p);
  }
}

// --- View data ----------------------------------------------------------------------------------
TAlignment TcxCustomCheckBoxViewData::AlignmentInForce() {
  const TAlignment alignment = CheckProperties()->CheckAlignment();
  if (!IsHosted) return alignment;
  return CheckProperties()->UseAlignmentWhenInplace() || !Caption.empty() ? alignment : taCenter;
}

TcxTextFlags TcxCustomCheckBoxViewData::GetDrawTextFlags() {
  return GetCheckBoxTextFlags(AlignmentInForce(), CheckProperties()->MultiLine(), IsHosted);
}

void TcxCustomCheckBoxViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                          int AButtonCode, TShiftState AShift, TcxCustomEditViewInfo* AViewInfo,
                                          bool AIsMouseEvent) {
  TcxCustomEditViewData::Calculate(ACanvas, ABounds, P, AButtonCode, AShift, AViewInfo, AIsMouseEvent);
  auto* v = static_cast<TcxCustomCheckBoxViewInfo*>(AViewInfo);
  TcxCustomCheckBoxProperties* properties = CheckProperties();
  auto* box = dynamic_cast<TcxCustomCheckBox*>(v->Edit);
  v->EditBorderStyle = ebsNone;
  v->BorderStyle = cbsNone;
  v->NativeBackground = box && box->UsesNativeBackground();
  v->Designing = State.DesignTime;
  v->State = PreviewMode ? cbsChecked : CheckState;
  v->NullStyle = properties->NullStyle();
  v->Glyph = properties->HasGlyph() ? properties->GetGlyph() : nullptr;
  v->GlyphCount = properties->GlyphCount();
  v->HasCustomGlyph = v->GlyphCount > 0 && v->Glyph && !v->Glyph->Empty();
  TcxLookAndFeel* lookAndFeel = Style->MainStyle()->LookAndFeel();
  TcxCustomLookAndFeelPainterClass skin = v->UsesSkinPainter ? v->Painter : nullptr;
  const bool native = !skin && NativeStyle && CanUseThemeKind(totButton);
  v->NativeStyle = native;
  const bool hotTrack = Style->HotTrack() && !State.DesignTime && !IsHosted && (State.Focused || Hot);
  v->GlyphBorderLook = GetCheckBoxBorderStyle(int(Style->BorderStyle()), hotTrack);
  v->CheckBorderInset = GetCheckBoxBorderInset(v->GlyphBorderLook, native || v->HasCustomGlyph || skin);
  if (IsHosted && v->GlyphBorderLook == cbsSingle)
    v->BorderColor = Hot || (State.DesignTime && State.Enabled) ? TColor(clHighlight) : TColor(clBtnShadow);
  TcxCheckPaintStateParams ps;
  ps.Enabled = State.Enabled;
  ps.SpaceHeld = SpaceHeld;
  ps.Designing = State.DesignTime;
  ps.MouseInside = PointIn(P, v->BorderRect);
  ps.LeftHeld = AShift.Contains(ssLeft);
  ps.OtherButtonHeld = AShift.Contains(ssRight) || AShift.Contains(ssMiddle);
  ps.LeftButtonEvent = AButtonCode == 1 && AIsMouseEvent;
  ps.Previous = v->PreviousPaintState;
  v->PaintState = CalcCheckPaintState(ps);
  const TAlignment alignment = AlignmentInForce();
  v->Alignment = alignment;
  const TSize glyph = GetCheckBoxGlyphSize(lookAndFeel, v->Glyph, v->GlyphCount);
  v->GlyphRect = CalcCheckBoxRect(v->ClientRect, glyph, int(alignment));
  TColor skinText = clDefault, skinBack = clDefault;
  v->GetSkinColors(skinBack, skinText);
  v->CaptionColorAssigned = Style->IsValueAssigned(svTextColor) || ColorAssigned || (skin && skinText != clDefault);
  v->CaptionEnabled = State.Enabled || v->CaptionColorAssigned || native || (box && Supports<IcxContainerInnerControl>(box));
  v->TextBounds = CalcCheckBoxTextRect(v->ClientRect, v->GlyphRect, int(alignment), !v->CaptionEnabled && !skin);
  v->TextFlags = unsigned(GetDrawTextFlags());
  v->DisplayText = IsHosted && !properties->UsesEmbeddedLayout() ? String() : Caption;
  if (IsHosted) v->DisplayText = Caption;
  v->BackgroundColor = Style->Color();
  if (skinBack != clDefault) v->BackgroundColor = skinBack;
  v->FocusArea = TRect{};
  if (!IsHosted && State.Focused && alignment != taCenter && !v->DisplayText.empty()) {
    TRect area = v->TextBounds;
    if (!properties->FullFocusRect() && ACanvas) {
      if (v->Font) ACanvas->SetFont(v->Font);
      ACanvas->CalcTextRect(v->DisplayText, area, TcxTextFlags(v->TextFlags));
    }
    area = TRect{area.Left - 1, area.Top - 1, area.Right + 1, area.Bottom + 2};
    const TRect limit = Inflated(v->TextBounds, 1);
    area.Left = std::max(area.Left, limit.Left);
    area.Top = std::max(area.Top, limit.Top);
    area.Right = std::min({area.Right, limit.Right, v->BorderRect.Right - 1});
    area.Bottom = std::min(area.Bottom, limit.Bottom);
    v->FocusArea = area;
  }
}

TSize TcxCustomCheckBoxViewData::CalcEditContentSize(TcxCanvas*, const Variant&, const TcxEditSizeProperties&) {
  return TSize{};
}

TSize TcxCustomCheckBoxViewData::CalcEditSize(TcxCanvas* ACanvas, const Variant&, const TcxEditSizeProperties& ASize,
                                              TcxCustomEditViewInfo* AViewInfo) {
  // The larger of the glyph's height + 4 and the caption's, measured within
  // the caption rectangle of the given width.
  TcxCustomCheckBoxViewInfo vi;
  vi.Edit = AViewInfo ? AViewInfo->Edit : nullptr;
  const int width = ASize.Width >= 0 ? ASize.Width : 121;
  Calculate(ACanvas, TRect{0, 0, width, 1000}, TPoint{-1, -1}, 0, TShiftState{}, &vi, false);
  const TSize glyph = GetCheckBoxGlyphSize(Style->MainStyle()->LookAndFeel(), vi.Glyph, vi.GlyphCount);
  int textHeight = 0;
  if (ACanvas) {
    if (vi.Font) ACanvas->SetFont(vi.Font);
    const String text = vi.Alignment == taCenter ? String(L"Gg") : RemoveAccelChars(Caption);
    TRect r = vi.TextBounds;
    r.Bottom = r.Top + 1000;
    TcxTextFlags flags = TcxTextFlags(vi.TextFlags) & ~(cxAlignVCenter | cxAlignBottom);
    if (!CheckProperties()->MultiLine()) flags |= cxSingleLine;
    ACanvas->CalcTextRect(text.empty() ? String(L"Gg") : text, r, flags | cxAlignTop);
    textHeight = r.Bottom - r.Top;
  }
  // The content's height inside the border extents, so the glyph keeps its margin.
  const int border = vi.ClientRect.Top + (1000 - vi.ClientRect.Bottom);
  return TSize{width, std::max(int(glyph.cy) + 4, textHeight) + border};
}

// --- View info ----------------------------------------------------------------------------------
void TcxCustomCheckBoxViewInfo::Assign(TcxContainerViewInfo* AViewInfo) {
  TcxCustomTextEditViewInfo::Assign(AViewInfo);
  if (auto* v = dynamic_cast<TcxCustomCheckBoxViewInfo*>(AViewInfo)) {
    PaintState = v->PaintState;
    State = v->State;
    GlyphRect = v->GlyphRect;
  }
}

TcxRegion* TcxCustomCheckBoxViewInfo::CreateUpdateRegion(TcxContainerViewInfo* AViewInfo) {
  TcxRegion* region = TcxCustomTextEditViewInfo::CreateUpdateRegion(AViewInfo);
  auto* old = dynamic_cast<TcxCustomCheckBoxViewInfo*>(AViewInfo);
  if (old && (old->PaintState != PaintState || old->State != State)) region->CombineWith(new TcxRegion(GlyphRect), roAdd);
  return region;
}

void TcxCustomCheckBoxViewInfo::Shift(int DX, int DY) {
  TcxCustomTextEditViewInfo::Shift(DX, DY);
  GlyphRect = TRect{GlyphRect.Left + DX, GlyphRect.Top + DY, GlyphRect.Right + DX, GlyphRect.Bottom + DY};
  if (!IsEmptyRect(FocusArea))
    FocusArea = TRect{FocusArea.Left + DX, FocusArea.Top + DY, FocusArea.Right + DX, FocusArea.Bottom + DY};
}

void TcxCustomCheckBoxViewInfo::StoreButtonStates() {
  TcxCustomTextEditViewInfo::StoreButtonStates();
  PreviousPaintState = PaintState;
}

bool TcxCustomCheckBoxViewInfo::InvalidateChangedParts(HWND AWindow, TcxCustomEditViewInfo* AOld) {
  bool result = TcxCustomTextEditViewInfo::InvalidateChangedParts(AWindow, AOld);
  auto* old = dynamic_cast<TcxCustomCheckBoxViewInfo*>(AOld);
  if (old && AWindow && (old->PaintState != PaintState || old->State != State || !(old->FocusArea == FocusArea))) {
    // The whole box: a changed state may change the focus rectangle and caption colour too.
    InvalidateRect(AWindow, nullptr, FALSE);
    result = true;
  }
  return result;
}

void TcxCustomCheckBoxViewInfo::DrawText(TcxCanvas* ACanvas) {
  if (DisplayText.empty() || Alignment == taCenter) return;
  if (Font) ACanvas->SetFont(Font);
  ACanvas->Font()->SetColor(TextColor);
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTextInRect(DisplayText, TextBounds, TcxTextFlags(TextFlags), CaptionEnabled);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TcxCustomCheckBoxViewInfo::PaintBackgroundAndBorder(TcxCanvas* ACanvas) {
  TcxCustomLookAndFeelPainterClass skin = UsesSkinPainter ? Painter : nullptr;
  const int kind = GetBackgroundKind(nullptr, Bounds);
  const bool transparent = IsEditBackgroundTransparent(kind);
  const bool glyphMayNotCover =
      skin || HasCustomGlyph || (NativeStyle && IsThemeBackgroundPartiallyTransparent(
                                                    AcquireThemeHandle(totButton), 3, GetCheckThemeState(State, PaintState)));
  ACanvas->SaveDeviceState();
  if (!(transparent && glyphMayNotCover)) ACanvas->ExcludeClipRectangle(Inflated(GlyphRect, -CheckBorderInset));
  DrawBackgroundByKind(ACanvas, Bounds, true, TRect{});
  ACanvas->RestoreDeviceState();
  TcxCheckBoxGlyphParams p;
  p.State = State;
  p.NullStyle = NullStyle;
  p.SkinPainter = skin;
  p.Focused = Focused;
  p.Designing = Designing;
  p.Opaque = !transparent;
  p.BackgroundColor = BackgroundColor;
  p.BorderColor = BorderColor;
  p.Native = NativeStyle;
  p.BorderStyle = GlyphBorderLook;
  p.GlyphCount = GlyphCount;
  p.Glyph = Glyph;
  p.PaintState = PaintState;
  DrawCheckBoxGlyph(ACanvas, GlyphRect, p);
  if (Alignment != taCenter) DrawText(ACanvas);
  if (!IsEmptyRect(FocusArea)) {
    ACanvas->Font()->SetColor(TextColor);
    ACanvas->Brush()->SetColor(BackgroundColor);
    ACanvas->DrawFocusRect(FocusArea);
  }
}

// --- Control ------------------------------------------------------------------------------------
TcxCustomCheckBox::TcxCustomCheckBox(TComponent* AOwner)
    : TcxCustomCheckBox(AOwner, false, TcxCustomCheckBoxProperties::StaticClass()) {}

TcxCustomCheckBox::TcxCustomCheckBox(TComponent* AOwner, bool AIsHosted, TClass APropertiesClass)
    : TcxCustomEdit(AOwner, AIsHosted, APropertiesClass) {
  Initialize();
}

TcxCustomCheckBox::~TcxCustomCheckBox() { FActionLink.reset(); }

// The base's Initialize ran in the base constructor, before this class
// existed: the kind's part runs again here.
void TcxCustomCheckBox::Initialize() {
  if (!FProperties) return;
  TControlStyle style = ControlStyle();
  style.Exclude(csDoubleClicks);
  SetControlStyle(style);
  SetParentColor(true);
  SetWidth(121);
  FEditValue = CheckProperties()->StateToValue(cbsUnchecked);
  CheckViewInfo()->State = cbsUnchecked;
}

void TcxCustomCheckBox::InitializeViewData(TcxCustomEditViewData* AViewData) {
  TcxCustomEdit::InitializeViewData(AViewData);
  if (auto* data = dynamic_cast<TcxCustomCheckBoxViewData*>(AViewData)) {
    data->Caption = Caption();
    data->CheckState = State();
    data->SpaceHeld = FSpaceHeld;
  }
}

TcxCheckBoxState TcxCustomCheckBox::State() { return ActiveCheckProperties()->GetStateOfValue(EditValue()); }

void TcxCustomCheckBox::SetState(TcxCheckBoxState Value) {
  if (IsLoading()) {
    FLoadedState = Value;
    FLoadedStateAssigned = true;
    return;
  }
  if (Value == State()) return;
  Variant value;
  DisplayToEditValue(Variant(int(Value)), value, false);
  AssignEditValueWithClick(value);
}

bool TcxCustomCheckBox::IsStateStored() {
  if (FActionLink && FActionLink->IsCheckedLinked()) return false;
  return State() != cbsUnchecked;
}

void TcxCustomCheckBox::DisplayToEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) {
  const int64_t display = VarIsOrdinal(ADisplayValue) ? ADisplayValue.AsInt64() : -1;
  if (display < 0 || display > 2) {
    AEditValue = Variant();
    return;
  }
  AEditValue = ActiveCheckProperties()->StateToValue(TcxCheckBoxState(display));
}

void TcxCustomCheckBox::InternalSetEditValue(const Variant& Value, bool AValidateEditValue) {
  const TcxCheckBoxState previous = State();
  TcxCustomEdit::InternalSetEditValue(Value, AValidateEditValue);
  const TcxCheckBoxState current = State();
  if (current != previous) {
    CheckViewInfo()->State = current;
    Click();
    DoChange();
  }
  RefreshViewStateAtCursor(this, false);
  Invalidate();
}

void TcxCustomCheckBox::Toggle() {
  LockChangeEvents(true);
  try {
    const TUserActionScope user(this, true);
    SetState(NextCheckBoxState(State(), ActiveCheckProperties()->AllowGrayed()));
  } catch (...) {
    LockChangeEvents(false, true);
    throw;
  }
  LockChangeEvents(false, true);
  if (ActiveProperties()->ImmediatePost() && HasValueToPost() && ValidateEdit(true)) PostEditValue();
}

bool TcxCustomCheckBox::HasNativeLook() {
  TcxLookAndFeel* lookAndFeel = Style()->LookAndFeel();
  return lookAndFeel && !lookAndFeel->CurrentSkinPainter() && lookAndFeel->NativeStyle() && CanUseThemeKind(totButton);
}

bool TcxCustomCheckBox::UsesNativeBackground() {
  return HasNativeLook() && ParentBackground() && !IsHosted() && !Transparent();
}

void TcxCustomCheckBox::Loaded() {
  LockChangeEvents(true);
  LockClick(true);
  try {
    TcxCustomEdit::Loaded();
    if (FLoadedStateAssigned)
      SetState(FLoadedState);
    else if (!IsDataBoundEditor())
      SetState(cbsUnchecked);
    FLoadedStateAssigned = false;
  } catch (...) {
    LockClick(false);
    LockChangeEvents(false, false);
    throw;
  }
  LockClick(false);
  LockChangeEvents(false, false);
}

void TcxCustomCheckBox::PropertiesChanged(TObject* Sender) {
  TcxCustomCheckBoxProperties* properties = ActiveCheckProperties();
  if (!properties->Caption().empty()) {
    SetCaption(properties->Caption());
    properties->LockChanges(true);
    properties->SetCaption(String());
    properties->LockChanges(false);
  }
  const TcxCheckBoxState state = State();
  if (CheckViewInfo()->State != state) {
    CheckViewInfo()->State = state;
    Invalidate();
    Click();
    DoChange();
  }
  TcxCustomEdit::PropertiesChanged(Sender);
}

void TcxCustomCheckBox::FillSizeProperties(TcxEditSizeProperties& ASize) {
  ASize = TcxEditSizeProperties{};
  ASize.Height = 0;
  ASize.MaxLineCount = ActiveCheckProperties()->MultiLine() ? 0 : 1;
  ASize.Width = Width();
}

// --- Keys and mouse -----------------------------------------------------------------------------
void TcxCustomCheckBox::HandleEditKey(uint16_t& Key, TShiftState Shift) {
  TcxCustomCheckBoxViewInfo* vi = CheckViewInfo();
  if (Key == VK_SPACE && (vi->PaintState == ecpsNormal || vi->PaintState == ecpsHot)) {
    FSpaceHeld = true;
    RefreshViewStateAtCursor(this, false);
    Key = 0;
    return;
  }
  TcxCustomEdit::HandleEditKey(Key, Shift);
}

void TcxCustomCheckBox::DoEditKeyUp(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_SPACE && FSpaceHeld) {
    FSpaceHeld = false;
    RefreshViewStateAtCursor(this, false);
    Invalidate();
    Toggle();
    return;
  }
  TcxCustomEdit::DoEditKeyUp(Key, Shift);
}

void TcxCustomCheckBox::DoEditKeyPress(wchar_t& Key) {
  if (Key == L' ') {
    if (IsHosted() && (CheckViewInfo()->PaintState == ecpsNormal || CheckViewInfo()->PaintState == ecpsHot)) Toggle();
    Key = 0;
    return;
  }
  TcxCustomEdit::DoEditKeyPress(Key);
}

// A release over the box after a press on it: the glyph goes from pressed to hot.
void TcxCustomCheckBox::StateRefreshed() {
  TcxCustomEdit::StateRefreshed();
  TcxCustomCheckBoxViewInfo* vi = CheckViewInfo();
  if (vi->PreviousPaintState == ecpsPressed && vi->PaintState == ecpsHot && !FSpaceHeld) Toggle();
}

void TcxCustomCheckBox::DoExit() {
  if (FSpaceHeld) {
    FSpaceHeld = false;
    RefreshViewStateAtCursor(this, false);
    Invalidate();
  }
  TcxCustomEdit::DoExit();
}

TcxContainerStyleValues TcxCustomCheckBox::GetUnstoredStyleValues() {
  TcxContainerStyleValues values = TcxCustomEdit::GetUnstoredStyleValues();
  values.Include(svEdges);
  return values;
}

void TcxCustomCheckBox::GetBorderBounds(TRect& R) {
  if (!IsHosted() && HasNativeLook() && Style()->TransparentBorder()) {
    R = TRect{2, 2, Width() - 2, Height() - 2};
    return;
  }
  TcxCustomEdit::GetBorderBounds(R);
}

void TcxCustomCheckBox::CMDialogChar(TMessage& Message) {
  if (IsAccel(WPARAM(Message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    if (Focused()) Toggle();
    Message.Result = 1;
    return;
  }
  TcxCustomEdit::Dispatch(Message);
}

void TcxCustomCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case WM_LBUTTONUP: {
      // The toggle comes from the view state; the platform's click on release must not.
      TControlState state = ControlState();
      state.Exclude(csClicked);
      SetControlState(state);
      TcxCustomEdit::Dispatch(Message);
      return;
    }
    case CM_TEXTCHANGED:
      TcxCustomEdit::Dispatch(Message);
      RefreshViewStateAtCursor(this, false);
      Invalidate();
      return;
    case CM_PARENTCOLORCHANGED:
      TcxCustomEdit::Dispatch(Message);
      if (HasNativeLook() && ParentBackground()) Invalidate();
      return;
    default: TcxCustomEdit::Dispatch(Message); return;
  }
}

// --- Action -------------------------------------------------------------------------------------
TBasicAction* TcxCustomCheckBox::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TcxCustomCheckBox::SetAction(TBasicAction* Value) {
  if (!Value) {
    if (FActionLink && FActionLink->Action()) FActionLink->Action()->RemoveFreeNotification(this);
    FActionLink.reset();
    return;
  }
  if (!FActionLink) {
    FActionLink.reset(new TcxCheckBoxActionLink(this));
    FActionLink->OnChange = TNotifyEvent(this, &TcxCustomCheckBox::DoActionChange);
  }
  FActionLink->SetAction(Value);
  ActionChange(Value, IsLoading());
  Value->FreeNotification(this);
}

void TcxCustomCheckBox::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || Caption().empty()) SetCaption(action->Caption());
  if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!CheckDefaults || Hint().empty()) SetHint(action->Hint());
  if (!CheckDefaults || Visible()) SetVisible(action->Visible());
  // A state streamed with the form wins over the action's.
  if (FLoadedStateAssigned) return;
  // As the link would: a grayed box does not follow the action's Checked.
  if (State() != cbsGrayed && (!CheckDefaults || State() == cbsUnchecked)) {
    LockChangeEvents(true);
    LockClick(true);
    try {
      SetChecked(action->Checked());
    } catch (...) {
      LockClick(false);
      LockChangeEvents(false, false);
      throw;
    }
    LockClick(false);
    LockChangeEvents(false, false);
  }
}

void TcxCustomCheckBox::Click() {
  TBasicAction* action = Action();
  if (OnClick && action && !(OnClick == action->OnExecute())) {
    TcxCustomEdit::Click();
    return;
  }
  if (action && !IsDesigning() && !IsLoading()) {
    FActionLink->Execute(this);
    return;
  }
  TcxCustomEdit::Click();
}

void TcxCustomCheckBox::Notification(TComponent* AComponent, TOperation Operation) {
  TcxCustomEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && FActionLink && AComponent == FActionLink->Action()) FActionLink.reset();
}

TcxCheckBoxActionLink::TcxCheckBoxActionLink(TObject* AClient) : TActionLink(AClient) {}

bool TcxCheckBoxActionLink::IsCheckedLinked() {
  auto* action = dynamic_cast<TCustomAction*>(Action());
  return TActionLink::IsCheckedLinked() && action && Box()->State() != cbsGrayed &&
         Box()->Checked() == action->Checked();
}

void TcxCheckBoxActionLink::SetChecked(bool Value) {
  if (!IsCheckedLinked()) return;
  TcxCustomCheckBox* box = Box();
  box->LockClick(true);
  box->LockChangeEvents(true);
  try {
    box->SetChecked(Value);
  } catch (...) {
    box->LockChangeEvents(false, false);
    box->LockClick(false);
    throw;
  }
  box->LockChangeEvents(false, false);
  box->LockClick(false);
}

void TcxCheckBoxActionLink::SetCaption(const String& Value) {
  if (IsCaptionLinked()) Box()->SetCaption(Value);
}
void TcxCheckBoxActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) Box()->SetEnabled(Value);
}
void TcxCheckBoxActionLink::SetHint(const String& Value) {
  if (IsHintLinked()) Box()->SetHint(Value);
}
void TcxCheckBoxActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) Box()->SetVisible(Value);
}

// --- Mask ---------------------------------------------------------------------------------------
void cxCheckBox_BuildCheckMarkMask(bool ABuild) {
  delete GCheckMarkMask;
  GCheckMarkMask = ABuild ? CreateCheckMarkMask() : nullptr;
}
