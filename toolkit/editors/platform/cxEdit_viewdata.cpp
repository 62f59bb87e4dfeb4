// The view data: from the properties, the style and the editor's state to a view info.
#include <algorithm>
#include <climits>
#include <memory>

#include "cxEditPaintUtils.h"
#include "cxEdit_win.h"

#include <vssym32.h>

#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

bool PointIn(const TPoint& P, const TRect& R) { return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom; }

TRect ThemeContentMargins(TdxThemedObjectType AKind, int APart) {
  HTHEME theme = AcquireThemeHandle(AKind);
  if (!theme) return TRect{2, 2, 2, 2};
  RECT outer{0, 0, 100, 100}, inner{};
  HDC dc = GetDC(nullptr);
  const HRESULT hr = GetThemeBackgroundContentRect(theme, dc, APart, 1, &outer, &inner);
  ReleaseDC(nullptr, dc);
  if (FAILED(hr)) return TRect{2, 2, 2, 2};
  return TRect{int(inner.left), int(inner.top), 100 - int(inner.right), 100 - int(inner.bottom)};
}

}  // namespace

TcxCustomEditViewData::TcxCustomEditViewData(TcxCustomEditProperties* AProperties, TcxContainerStyle* AStyle,
                                             bool AIsHosted)
    : Properties(AProperties), Style(AStyle), IsHosted(AIsHosted) {
  InitFromProperties();
}

bool TcxCustomEditViewData::UsesNativeBorder(TcxLookAndFeel* ALookAndFeel) {
  return ALookAndFeel && ALookAndFeel->Painter() && ALookAndFeel->Painter()->GetPainterStyle() == lfsNative;
}

bool TcxCustomEditViewData::IsSkinned() const {
  return Style && Style->LookAndFeel() && Style->LookAndFeel()->CurrentSkinPainter() != nullptr;
}

void TcxCustomEditViewData::InitFromProperties() {
  ButtonsCount = Properties ? Properties->Buttons()->VisibleCount() : 0;
  if (Properties) {
    TcxEditAlignment* alignment = Properties->Alignment();
    HorzAlignment = alignment->Horz();
    VertAlignment = alignment->Vert();
  }
  NativeStyle = Style && UsesNativeBorder(Style->MainStyle()->LookAndFeel());
  ContentOffsets = EditDefaultContentOffsets(IsHosted);
}

TcxEditBorderStyle TcxCustomEditViewData::GetEffectiveBorderStyle() {
  return CalcEffectiveBorderStyle(TcxEditBorderStyle(Style->BorderStyle()), IsHosted);
}

bool TcxCustomEditViewData::HasShadow() { return EditHasShadow(Style->Shadow(), NativeStyle, IsHosted); }

TRect TcxCustomEditViewData::GetBorderExtent() {
  TcxEditBorderExtentParams p;
  p.Hosted = IsHosted;
  p.HostedBorderRect = HostedBorderRect;
  p.Skinned = IsSkinned();
  p.TransparentBorder = Style->TransparentBorder();
  p.HasBorder = Style->BorderShown();
  p.Native = NativeStyle;
  p.NormalBorderStyle = TcxEditBorderStyle(Style->MainStyle()->BorderStyle());
  p.BorderStyle = IsHosted || !NativeStyle ? GetEffectiveBorderStyle() : p.NormalBorderStyle;
  p.Edges = Style->Edges();
  p.Shadow = Style->Shadow();
  return CalcEditBorderExtent(p);
}

TRect TcxCustomEditViewData::GetNativeContentMargins() {
  if (IsHosted) return HostedBorderRect;
  if (!NativeStyle) return GetBorderExtent();
  if (Style->MainStyle()->BorderStyle() == cbsNone && !Style->TransparentBorder()) return TRect{};
  if (CanUseThemeKind(totEdit)) return ThemeContentMargins(totEdit, 1);
  return TRect{2, 2, 2, 2};
}

TColor TcxCustomEditViewData::GetBorderColor(bool AHotOrFocused) {
  if (IsSkinned()) {
    const TColor skin = Style->LookAndFeel()->CurrentSkinPainter()->GetEditBorderColor(AHotOrFocused);
    if (skin != clDefault) return skin;
  }
  const TcxEditBorderStyle style = TcxEditBorderStyle(Style->BorderStyle());
  if (style != ebsUltraFlat && style != ebsOffice11) return Style->BorderColor();
  if (!AHotOrFocused) return clBtnShadow;
  return style == ebsOffice11 ? Office11SelectionBorderColor() : clHighlight;
}

TColor TcxCustomEditViewData::GetBackgroundColor(int ANativeState) {
  TcxContainer* container = Style->Container();
  if (container && container->PrefersParentColor()) return Style->Color();
  // A native editor shows the system's edit face unless its style names a colour.
  if (NativeStyle && State.Enabled && !Style->IsValueAssigned(svColor)) {
    COLORREF color = 0;
    if (HTHEME theme = AcquireThemeHandle(totEdit))
      if (SUCCEEDED(GetThemeColor(theme, EP_EDITTEXT, ANativeState, TMT_FILLCOLOR, &color))) return TColor(color);
  }
  return Style->Color();
}

TcxEditButtonStyle TcxCustomEditViewData::EffectiveButtonStyle() {
  TcxLookAndFeel* lf = Style->MainStyle()->LookAndFeel();
  return CalcEffectiveButtonStyle(EditStyle()->ButtonStyle(), IsHosted, TcxEditBorderStyle(Style->BorderStyle()),
                                  Style->HotTrack(), lf ? lf->Kind() : lfStandard);
}

int TcxCustomEditViewData::GetEditButtonWidth(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButton) {
  TcxEditButtonWidthParams p;
  p.Kind = AButton->Kind;
  p.Width = AButton->Width;
  if (p.Width == 0 && OnGetDefaultButtonWidth) OnGetDefaultButtonWidth(this, AButton->ButtonIndex, p.Width);
  if (NativeStyle) {
    const TRect m = AButton->SingleDropDown ? ThemeContentMargins(totComboBox, 1) : ThemeContentMargins(totButton, 1);
    p.BorderExtent = m.Left + m.Right;
  }
  p.GlyphWidth = AButton->Glyph && !AButton->Glyph->Empty() ? AButton->Glyph->Width() : 0;
  if (p.Kind == bkText && ACanvas) p.CaptionWidth = ACanvas->MeasureTextWidth(AButton->VisibleCaption);
  p.ScrollBarHeight = GetSystemMetrics(SM_CYHSCROLL);
  return CalcEditButtonAutoWidth(p);
}

void TcxCustomEditViewData::InitButtonViewInfo(TcxEditButtonViewInfo* B, TcxEditButton* AButton) {
  B->Caption = AButton->Caption();
  B->VisibleCaption = AButton->VisibleCaption();
  B->ContentAlignment = AButton->ContentAlignment();
  B->Default = AButton->Default();
  B->Glyph = AButton->HasGlyph() ? AButton->Glyph() : nullptr;
  B->Hint = AButton->Hint();
  B->Kind = AButton->Kind();
  B->LeftAlignment = AButton->LeftAlignment();
  B->Stretchable = AButton->Stretchable();
  B->Gradient = EditStyle()->GradientButtons();
  B->Hosted = IsHosted;
  B->TextColor = AButton->TextColor();
  B->Width = AButton->Width();
  B->SingleDropDown = ButtonsCount == 1 && AButton->Kind() == bkDown;
}

void TcxCustomEditViewData::CalcButtons(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, const TPoint& P,
                                        int AButtonCode, TShiftState AShift, bool AIsMouseEvent) {
  AViewInfo->ClearButtons();
  AViewInfo->PressedButton = AViewInfo->SelectedButton = -1;
  Layout = TcxEditButtonsLayout{};
  TcxCustomEditStyle* style = EditStyle();
  if (!AreEditButtonsShown(ButtonsCount, style->ButtonTransparency(), State.Focused, Hot)) return;
  const bool visualStyles = NativeStyle && CanUseThemes();
  std::vector<TcxEditButtonLayoutItem> items;
  TcxEditButtons* buttons = Properties->Buttons();
  const TcxEditButtonStyle buttonStyle = EffectiveButtonStyle();
  const bool transparent = IsEditButtonTransparent(style->ButtonTransparency(), State.Focused, Hot);
  bool fontSet = false;
  for (int i = 0; i < buttons->Count(); ++i) {
    TcxEditButton* button = buttons->Items(i);
    if (!button->Visible()) continue;
    TcxEditButtonViewInfo* b = AViewInfo->AddButton();
    b->ButtonIndex = i;
    b->Style = buttonStyle;
    b->Transparent = transparent;
    InitButtonViewInfo(b, button);
    if (b->Kind == bkText && !fontSet && ACanvas) {
      ACanvas->SetFont(style->GetEffectiveFont());
      fontSet = true;
    }
    TcxEditButtonLayoutItem item;
    item.Width = GetEditButtonWidth(ACanvas, b);
    item.LeftAlignment = b->LeftAlignment;
    item.Stretchable = b->Stretchable;
    item.FixedWidth = IsFixedWidthButton(i);
    items.push_back(item);
  }
  TRect space = AViewInfo->Bounds;
  const bool singleNative = !IsHosted && visualStyles && AViewInfo->ButtonCount() == 1 &&
                            AViewInfo->Button(0)->SingleDropDown;
  if (!singleNative) space = ShrinkByExtent(space, GetNativeContentMargins());
  const bool stretch = IsHosted ? Properties->ButtonsViewStyle() != 0 && AViewInfo->Bounds.Right < INT_MAX
                                : Properties->ButtonsViewStyle() == cxEditButtonsViewStretch;
  Layout = CalcEditButtonsLayout(space, items, stretch);
  const bool leftDown = AButtonCode == 1;
  for (int i = 0; i < AViewInfo->ButtonCount(); ++i) {
    TcxEditButtonViewInfo* b = AViewInfo->Button(i);
    const TcxEditButtonPlace& place = Layout.Places[i];
    b->Bounds = place.Bounds;
    b->VisibleBounds = place.VisibleBounds;
    b->OuterEdge = place.OuterEdge;
    b->ContentSide = place.ContentSide;
    b->LeftAlignment = place.LeftSide;
    TcxEditButtonStateParams s;
    s.Enabled = State.Enabled && buttons->Items(b->ButtonIndex)->Enabled();
    s.DrawnPressed = IsButtonDrawnPressed(b->ButtonIndex);
    s.DesignTime = State.DesignTime;
    s.PointInside = PointIn(P, b->VisibleBounds);
    s.MouseButtonDown = AButtonCode != 0 || AShift.Contains(ssLeft) || AShift.Contains(ssRight) ||
                        AShift.Contains(ssMiddle);
    s.LeftButtonOnly = (leftDown || AShift.Contains(ssLeft)) && !AShift.Contains(ssRight) &&
                       !AShift.Contains(ssMiddle);
    s.WasPressed = AViewInfo->LastPressedButton == i;
    s.LeftPressEvent = AIsMouseEvent && leftDown;
    s.CanBeHot = CanButtonBeHot();
    s.IsCaptured = State.CapturedButton == i;
    TcxEditButtonState state = CalcEditButtonState(s);
    if (state == ebsPressed) AViewInfo->PressedButton = i;
    if (state == ebsSelected) AViewInfo->SelectedButton = i;
    if (AViewInfo->OnGetButtonState) AViewInfo->OnGetButtonState(AViewInfo, i, state);
    b->State = state;
    static constexpr int themeStates[] = {4, 1, 3, 2};
    if (!IsHosted && visualStyles && b->SingleDropDown)
      b->NativePart = b->LeftAlignment ? 7 : 6;
    else
      b->NativePart = 1;
    b->NativeState = themeStates[state];
  }
}

void TcxCustomEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, int AButtonCode,
                                      TShiftState AShift, TcxCustomEditViewInfo* V, bool AIsMouseEvent) {
  Hot = State.Enabled && !State.DesignTime && PointIn(P, ABounds) &&
        (AButtonCode == 0 || State.CapturedButton >= 0);
  V->HotState = State.DesignTime || !Style->HotTrack() || IsHosted ? HotStateNone
                : State.Focused || Hot                              ? HotStateHot
                                                                    : HotStateNormal;
  V->EditBorderStyle = IsHosted || !NativeStyle ? GetEffectiveBorderStyle()
                                                : TcxEditBorderStyle(Style->MainStyle()->BorderStyle());
  V->BorderStyle = TcxContainerBorderStyle(V->EditBorderStyle);
  V->Bounds = ABounds;
  V->Enabled = State.Enabled;
  V->Focused = State.Focused;
  V->IsHosted = IsHosted;
  V->Edges = Style->Edges();
  V->Font = Style->GetEffectiveFont();
  V->Shadow = HasShadow();
  V->WindowHandle = State.Window;
  V->LookAndFeel = Style->MainStyle()->LookAndFeel();
  V->NativeStyle = NativeStyle;
  V->UpdateStyle(Style);
  V->ContainerState = TcxContainerState(CalcEditStateBits(State.Enabled, State.DesignTime, State.Focused, Hot));
  V->NativeState = !State.Enabled ? 4 : Hot ? 2 : State.Focused ? 5 : Properties->ReadOnly() ? 6 : 1;
  const TRect extent = GetBorderExtent();
  V->BorderRect = ShrinkByExtent(ABounds, extent);
  V->ShadowRect = V->BorderRect;
  V->BorderWidth = EditBorderStyleWidth(V->EditBorderStyle);
  if (!IsHosted) V->BorderColor = GetBorderColor(State.Focused || (Hot && Style->HotTrack()));
  V->HasOwnBorder = !IsHosted && Style->MainStyle()->BorderStyle() != cbsNone;
  V->UsesOffice11 = EffectiveButtonStyle() == btsOffice11;
  TColor background = clDefault, text = clDefault;
  V->GetSkinColors(background, text);
  if (text == clDefault) text = Style->TextColor();
  if (background == clDefault) background = GetBackgroundColor(V->NativeState);
  V->BackgroundColor = background;
  V->TextColor = text;
  CalcButtons(ACanvas, V, P, AButtonCode, AShift, AIsMouseEvent);
  TRect clientExtent = extent;
  if (Properties->ButtonsViewStyle() != 0 && V->ButtonCount() > 0) {
    const TRect margins = GetNativeContentMargins();
    clientExtent.Left = margins.Left;
    clientExtent.Right = margins.Right;
  }
  if (State.HasHScrollBar) clientExtent.Bottom += State.HScrollBarHeight;
  if (State.HasVScrollBar) clientExtent.Right += State.VScrollBarWidth;
  V->ClientRect = ShrinkByExtent(ABounds, CalcEditClientExtent(ABounds, clientExtent, Layout));
  V->InnerEditRect = V->ClientRect;
  TcxEditPopupBorderParams pp;
  pp.StyleValue = EditStyle()->PopupBorderStyle();
  pp.Hosted = IsHosted;
  pp.Kind = V->LookAndFeel ? V->LookAndFeel->Kind() : lfStandard;
  pp.BorderStyle = TcxEditBorderStyle(Style->BorderStyle());
  pp.HasButtons = V->ButtonCount() > 0;
  pp.FirstButtonKind = pp.HasButtons ? EditButtonStyleToLookAndFeelKind(V->Button(0)->Style) : lfStandard;
  V->PopupBorderStyle = CalcPopupBorderStyle(pp);
  CalcKindSpecificParts(ACanvas, V);
}

TSize TcxCustomEditViewData::CalcEditSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                          const TcxEditSizeProperties& ASize, TcxCustomEditViewInfo* AViewInfo) {
  // What border, buttons and scroll bars take, measured on a view info without a size limit.
  TClass viewInfoClass = AViewInfo ? AViewInfo->ClassType() : TcxCustomEditViewInfo::StaticClass();
  std::unique_ptr<TcxCustomEditViewInfo> vi(
      static_cast<TcxCustomEditViewInfo*>(TcxContainerViewInfo::CreateViewInfo(viewInfoClass)));
  vi->Edit = AViewInfo ? AViewInfo->Edit : nullptr;
  const TRect unbounded{0, 0, INT_MAX, INT_MAX};
  Calculate(ACanvas, unbounded, TPoint{-1, -1}, 0, TShiftState{}, vi.get(), false);
  const int constWidth = vi->ClientRect.Left + (INT_MAX - vi->ClientRect.Right);
  const int constHeight = vi->ClientRect.Top + (INT_MAX - vi->ClientRect.Bottom);
  TcxEditSizeProperties content = ASize;
  bool tooNarrow = false;
  if (ASize.Width >= 0 && ASize.Width != INT_MAX) {
    content.Width = ASize.Width - constWidth;
    if (content.Width < 0) {
      content.Width = 0;
      tooNarrow = true;
    }
  }
  TSize size{};
  if (Properties->ButtonsViewStyle() != 0 && vi->ButtonCount() > 0) {
    size.cy = ContentOffsets.Top + ContentOffsets.Bottom + FontTextHeight(Style->GetEffectiveFont(), L"Zg");
  } else {
    size = CalcEditContentSize(ACanvas, AEditValue, content);
  }
  return TSize{tooNarrow ? ASize.Width : constWidth + size.cx, constHeight + size.cy};
}
