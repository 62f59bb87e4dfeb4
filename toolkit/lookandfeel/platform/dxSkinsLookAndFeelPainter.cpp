// The skin painter: how it finds its lookup table, the state maps its drawing
// shares, and the colours it reads from the skin.
#include "dxSkinsLookAndFeelPainter.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "cxGeometry.h"
#include "cxLookAndFeelPainters_internal.h"
#include "dxGDIPlusAPI.h"
#include "dxSkinsCore_win.h"

using namespace cxpainters;
using E = TdxSkinElementSlot;
using P = TdxSkinPropertySlot;

namespace dxskinpainter {

TdxSkinElementState ButtonStateToElementState(TcxButtonState AState) {
  switch (AState) {
    case cxbsDefault: return esActive;
    case cxbsHot: return esHot;
    case cxbsPressed: return esPressed;
    case cxbsDisabled: return esDisabled;
    default: return esNormal;
  }
}

int CheckStateToImageIndex(TcxCheckBoxState AState) {
  return AState == cbsChecked ? 1 : AState == cbsGrayed ? 2 : 0;
}

TdxSkinElementState LayoutCaptionState(TcxButtonState AState) {
  switch (AState) {
    case cxbsHot:
    case cxbsPressed: return esActive;
    case cxbsDisabled: return esDisabled;
    default: return esNormal;
  }
}

bool IsColorAssigned(TColor AColor) { return AColor != clNone && AColor != clDefault; }

TColor AssignedOr(const TdxSkinColor* AColor, TColor AInherited) {
  return AColor && IsColorAssigned(AColor->Value()) ? AColor->Value() : AInherited;
}

namespace {

// The pictures of one element the painter drew lately, one per image index,
// state and size, wherever they went: controls draw the same few parts at
// the same sizes over and over, and GDI+ draws a part many times slower than
// the copy of its picture. Kept in the element's cache slot while the
// element's own cache is off; a skin change makes them draw anew.
class TdxSkinPainterCache : public TObject {
 public:
  static constexpr int Limit = 16;
  void Draw(HDC DC, TdxSkinElement* AElement, const TRect& R, int AImageIndex, TdxSkinElementState AState) {
    auto it = std::find_if(FItems.begin(), FItems.end(), [&](const std::unique_ptr<TdxSkinElementCache>& c) {
      return c->ImageIndex() == AImageIndex && c->State() == AState &&
             GetRectWidth(c->Rect()) == GetRectWidth(R) && GetRectHeight(c->Rect()) == GetRectHeight(R);
    });
    if (it == FItems.end()) {
      if (int(FItems.size()) == Limit) FItems.erase(FItems.begin());
      FItems.push_back(std::make_unique<TdxSkinElementCache>());
      it = FItems.end() - 1;
    } else if (it != FItems.end() - 1) {
      // The most recent last, so the least used goes first.
      std::rotate(it, it + 1, FItems.end());
      it = FItems.end() - 1;
    }
    (*it)->Draw(DC, AElement, AImageIndex, AState, R);
  }

 private:
  std::vector<std::unique_ptr<TdxSkinElementCache>> FItems;
};

}  // namespace

bool DrawElement(TcxCanvas* ACanvas, TdxSkinElement* AElement, const TRect& R, int AImageIndex,
                 TdxSkinElementState AState) {
  if (!AElement) return false;
  HDC DC = ACanvas->Handle();
  // The element's own cache, the empty element's box, an image it lacks and
  // a system without GDI+ are the element's to handle.
  if (AElement->UseCache() || AElement->InheritsFrom(TdxSkinEmptyElement::StaticClass()) || AImageIndex < 0 ||
      AImageIndex >= AElement->ImageCount() || !IsGdiPlusAvailable() || R.Right <= R.Left || R.Bottom <= R.Top) {
    AElement->DrawToDC(DC, R, AImageIndex, AState);
    return true;
  }
  auto* cache = dynamic_cast<TdxSkinPainterCache*>(AElement->Cache());
  if (!cache) {
    AElement->SetCache(std::make_unique<TdxSkinPainterCache>());
    cache = static_cast<TdxSkinPainterCache*>(AElement->Cache());
  }
  const RECT visible{R.Left, R.Top, R.Right, R.Bottom};
  if (RectVisible(DC, &visible)) cache->Draw(DC, AElement, R, AImageIndex, AState);
  return true;
}

TSize FrameSize(TdxSkinElement* AElement) { return AElement ? AElement->Image()->GetFrameSize() : TSize{}; }

TRect ButtonContentRect(const TRect& AContent) {
  TRect r = AContent;
  if ((r.Bottom - r.Top) % 2 != 0) --r.Bottom;
  if (r.Bottom - r.Top < 18) --r.Top;
  return r;
}

}  // namespace dxskinpainter

using namespace dxskinpainter;

namespace {

// A colour value whenever the colour object exists, whatever it holds.
TColor ExistingOr(const TdxSkinColor* AColor, TColor AInherited) { return AColor ? AColor->Value() : AInherited; }
TColor ElementColorOr(const TdxSkinElement* AElement, TColor AInherited) {
  return AElement ? AElement->Color() : AInherited;
}
TColor ElementTextColorOr(const TdxSkinElement* AElement, TColor AInherited) {
  return AElement ? AElement->TextColor() : AInherited;
}
TColor AssignedElementColorOr(const TdxSkinElement* AElement, TColor AInherited) {
  return AElement && IsColorAssigned(AElement->Color()) ? AElement->Color() : AInherited;
}
TColor AssignedElementTextColorOr(const TdxSkinElement* AElement, TColor AInherited) {
  return AElement && IsColorAssigned(AElement->TextColor()) ? AElement->TextColor() : AInherited;
}

}  // namespace

TcxCustomLookAndFeelPainterClass TdxSkinLookAndFeelPainter::Instance() {
  static const auto* instance = new TdxSkinLookAndFeelPainter();
  return instance;
}

TdxSkinLookAndFeelPainterInfo* TdxSkinLookAndFeelPainter::GetSkinInfo() const {
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  TObject* info = nullptr;
  if (!registry || !registry->GetInfoByPainter(this, info) || !info ||
      !info->InheritsFrom(TdxSkinLookAndFeelPainterInfo::StaticClass()))
    return nullptr;
  return static_cast<TdxSkinLookAndFeelPainterInfo*>(info);
}

String TdxSkinLookAndFeelPainter::GetSkinUnitName() const { return L"dxSkinsLookAndFeelPainter"; }

TdxSkinElement* TdxSkinLookAndFeelPainter::SkinElement(TdxSkinElementSlot ASlot) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  return info ? info->Element(ASlot) : nullptr;
}

TdxSkinProperty* TdxSkinLookAndFeelPainter::SkinProperty(TdxSkinPropertySlot ASlot) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  return info ? info->Property(ASlot) : nullptr;
}

TdxSkinColor* TdxSkinLookAndFeelPainter::SkinColor(TdxSkinPropertySlot ASlot) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  return info ? info->Color(ASlot) : nullptr;
}

// --- Colours ----------------------------------------------------------------------------------

TColor TdxSkinLookAndFeelPainter::DefaultColor01() const {
  return AssignedOr(SkinColor(P::SkinContentColor), inherited::DefaultColor01());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor02() const {
  return AssignedOr(SkinColor(P::SkinContentEvenColor), inherited::DefaultColor02());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor03() const {
  return AssignedOr(SkinColor(P::SkinContentOddColor), inherited::DefaultColor03());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor04() const {
  return AssignedOr(SkinColor(P::SkinContentTextColor), inherited::DefaultColor04());
}

TColor TdxSkinLookAndFeelPainter::GetEditorBackgroundColorForState(TcxEditStateColorKind AState) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  if (!info) return inherited::GetEditorBackgroundColorForState(AState);
  if (const TdxSkinColor* color = info->EditorBackgroundColor(int(AState)); color && IsColorAssigned(color->Value()))
    return color->Value();
  // An inactive or read-only editor without a colour of its own looks like a normal one.
  if (AState == esckInactive || AState == esckReadOnly) return GetEditorBackgroundColorForState(esckNormal);
  return inherited::GetEditorBackgroundColorForState(AState);
}

TColor TdxSkinLookAndFeelPainter::GetEditorTextColorForState(TcxEditStateColorKind AState) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  if (!info) return inherited::GetEditorTextColorForState(AState);
  if (const TdxSkinColor* color = info->EditorTextColor(int(AState)); color && IsColorAssigned(color->Value()))
    return color->Value();
  if (AState == esckInactive || AState == esckReadOnly) return GetEditorTextColorForState(esckNormal);
  return inherited::GetEditorTextColorForState(AState);
}

TColor TdxSkinLookAndFeelPainter::DefaultColor10() const {
  return ElementTextColorOr(SkinElement(E::GridGridFilterPanel), inherited::DefaultColor10());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor11() const {
  return ElementColorOr(SkinElement(E::GridGridFixedLine), inherited::DefaultColor11());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor28() const {
  return ElementColorOr(SkinElement(E::GridGridFixedLine), inherited::DefaultColor28());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor12() const {
  return GetSkinInfo() ? DefaultColor22() : inherited::DefaultColor12();
}
TColor TdxSkinLookAndFeelPainter::DefaultColor37() const {
  return GetSkinInfo() ? DefaultColor22() : inherited::DefaultColor37();
}
TColor TdxSkinLookAndFeelPainter::DefaultColor14() const {
  return AssignedOr(SkinColor(P::SkinContentColor), inherited::DefaultColor14());
}
TColor TdxSkinLookAndFeelPainter::GetPageFrameColor() const {
  return AssignedOr(SkinColor(P::SkinContentColor), inherited::GetPageFrameColor());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor15() const {
  return ElementColorOr(SkinElement(E::GridGridLine), inherited::DefaultColor15());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor17() const {
  return ElementTextColorOr(SkinElement(E::GridGridGroupPanel), inherited::DefaultColor17());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor18() const {
  return ElementColorOr(SkinElement(E::GridGroupRow), inherited::DefaultColor18());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor19() const {
  return ElementTextColorOr(SkinElement(E::GridGroupRow), inherited::DefaultColor19());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor20() const {
  return ExistingOr(SkinColor(P::SkinHeaderBackgroundColor), inherited::DefaultColor20());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor21() const {
  return ExistingOr(SkinColor(P::SkinHeaderBackgroundTextColor), inherited::DefaultColor21());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor22() const {
  return ElementColorOr(SkinElement(E::CommonHeader), inherited::DefaultColor22());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor23() const {
  return ElementTextColorOr(SkinElement(E::CommonHeader), inherited::DefaultColor23());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor38(bool AFlag) const {
  return ElementTextColorOr(SkinElement(E::CommonHeader), inherited::DefaultColor38(AFlag));
}
TColor TdxSkinLookAndFeelPainter::DefaultColor24() const {
  return AssignedOr(SkinColor(P::EditorsHyperLinkTextColor), inherited::DefaultColor24());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor27() const {
  return AssignedOr(SkinColor(P::EditorsHyperLinkTextColor), inherited::DefaultColor27());
}

TColor TdxSkinLookAndFeelPainter::GetScrollBarsCornerColor() const {
  TdxSkinElement* content = SkinElement(E::FormFormContent);
  return content && content->Color() != clDefault ? content->Color() : inherited::GetScrollBarsCornerColor();
}

TColor TdxSkinLookAndFeelPainter::DefaultColor30() const {
  return ElementColorOr(SkinElement(E::VerticalGridBandBorder), inherited::DefaultColor30());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor31() const {
  return ElementColorOr(SkinElement(E::VerticalGridCategory), inherited::DefaultColor31());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor32() const {
  return ElementTextColorOr(SkinElement(E::VerticalGridCategory), inherited::DefaultColor32());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor33() const {
  return ElementColorOr(SkinElement(E::VerticalGridRowHeader), inherited::DefaultColor33());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor34() const {
  return ElementTextColorOr(SkinElement(E::VerticalGridRowHeader), inherited::DefaultColor34());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor35() const {
  return ElementColorOr(SkinElement(E::VerticalGridGridLine), inherited::DefaultColor35());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor39() const {
  return AssignedOr(SkinColor(P::EditorsCalendarHolidayTextColor), inherited::DefaultColor39());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor40() const {
  return AssignedOr(SkinColor(P::EditorsCalendarInactiveDayTextColor), inherited::DefaultColor40());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor41() const {
  return AssignedOr(SkinColor(P::EditorsCalendarSelectedDayColor), inherited::DefaultColor41());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor42() const {
  return AssignedOr(SkinColor(P::EditorsCalendarSelectedDayTextColor), inherited::DefaultColor42());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor43() const {
  return AssignedOr(SkinColor(P::EditorsCalendarSeparatorColor), inherited::DefaultColor43());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor44() const {
  return GetSkinInfo() ? clNone : inherited::DefaultColor44();
}
TColor TdxSkinLookAndFeelPainter::DefaultColor45() const {
  return AssignedOr(SkinColor(P::EditorsCalendarDayTextColor), inherited::DefaultColor45());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor46() const {
  return AssignedOr(SkinColor(P::EditorsCalendarTodayFrameColor), inherited::DefaultColor46());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor47() const {
  return AssignedOr(SkinColor(P::EditorsCalendarTodayTextColor), inherited::DefaultColor47());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor48() const {
  return ExistingOr(SkinColor(P::SkinContentColor), inherited::DefaultColor48());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor51() const {
  return ExistingOr(SkinColor(P::SkinContentColor), inherited::DefaultColor51());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor50() const {
  return ExistingOr(SkinColor(P::SkinContainerBorderColor), inherited::DefaultColor50());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor52() const {
  return ExistingOr(SkinColor(P::SchedulerNavigatorColor), inherited::DefaultColor52());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor53() const {
  return AssignedElementColorOr(SkinElement(E::SchedulerRuler), inherited::DefaultColor53());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor54() const {
  return AssignedElementTextColorOr(SkinElement(E::SchedulerRuler), inherited::DefaultColor54());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor56() const {
  return ElementTextColorOr(SkinElement(E::SchedulerAppointment), inherited::DefaultColor56());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor57() const {
  return ElementTextColorOr(SkinElement(E::SchedulerAppointment), inherited::DefaultColor57());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor58() const {
  return ExistingOr(SkinColor(P::SkinSelectionColor), inherited::DefaultColor58());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor59() const {
  return ExistingOr(SkinColor(P::SkinSelectionTextColor), inherited::DefaultColor59());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor60() const {
  return ElementColorOr(SkinElement(E::GridCardSeparator), inherited::DefaultColor60());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor66() const {
  return AssignedElementTextColorOr(SkinElement(E::SchedulerTimeGridHeader), inherited::DefaultColor66());
}
TColor TdxSkinLookAndFeelPainter::DefaultColor68() const {
  return AssignedElementTextColorOr(SkinElement(E::SchedulerTimeGridHeader), inherited::DefaultColor68());
}

TColor TdxSkinLookAndFeelPainter::GetPanelColorFor(bool AFlag) const {
  return ExistingOr(SkinColor(P::GridGroupRowOffice11ContentColor), inherited::GetPanelColorFor(AFlag));
}
TColor TdxSkinLookAndFeelPainter::GetOfficePanelColor() const {
  return ExistingOr(SkinColor(P::GridGroupRowOffice11SeparatorColor), inherited::GetOfficePanelColor());
}
TColor TdxSkinLookAndFeelPainter::GetOfficePanelTextColor() const {
  return ExistingOr(SkinColor(P::GridGroupRowOffice11TextColor), inherited::GetOfficePanelTextColor());
}
TColor TdxSkinLookAndFeelPainter::GetCellEdgeColor() const {
  return AssignedElementColorOr(SkinElement(E::GridGridGroupPanel), inherited::GetCellEdgeColor());
}
TColor TdxSkinLookAndFeelPainter::GetCellColor() const {
  return AssignedElementTextColorOr(SkinElement(E::GridGridGroupPanel), inherited::GetCellColor());
}
TColor TdxSkinLookAndFeelPainter::GetEditBorderColor(bool AHighlighted) const {
  return ExistingOr(SkinColor(AHighlighted ? P::SkinContainerHighlightBorderColor : P::SkinContainerBorderColor),
                    inherited::GetEditBorderColor(AHighlighted));
}
TColor TdxSkinLookAndFeelPainter::GetProgressTextColorFor(bool AFilled) const {
  return AssignedOr(SkinColor(AFilled ? P::EditorsProgressBarFilledTextColor : P::EditorsProgressBarEmptyTextColor),
                    inherited::GetProgressTextColorFor(AFilled));
}

TColor TdxSkinLookAndFeelPainter::GetGroupBoxCaptionTextColor(bool AEnabled,
                                                              TcxGroupBoxCaptionPosition ACaptionPosition) const {
  if (GetSkinInfo() && ACaptionPosition == cxgpCenter) return GetGroupBoxPanelTextColor();
  static constexpr E kCaptions[] = {E::CommonGroupPanelCaptionTop, E::CommonGroupPanelCaptionBottom,
                                    E::CommonGroupPanelCaptionLeft, E::CommonGroupPanelCaptionRight};
  TdxSkinElement* caption = ACaptionPosition < cxgpCenter ? SkinElement(kCaptions[ACaptionPosition]) : nullptr;
  return ElementTextColorOr(caption, inherited::GetGroupBoxCaptionTextColor(AEnabled, ACaptionPosition));
}

TColor TdxSkinLookAndFeelPainter::GetGroupBoxPanelTextColor() const {
  return ElementTextColorOr(SkinElement(E::CommonGroupPanelNoBorder), inherited::GetGroupBoxPanelTextColor());
}
TColor TdxSkinLookAndFeelPainter::GetPageAreaColor() const {
  return ExistingOr(SkinColor(P::SkinLayoutControlColor), inherited::GetPageAreaColor());
}
TColor TdxSkinLookAndFeelPainter::GetPageColor(int AIndex) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  return AssignedOr(info ? info->CalculatorButtonColor(AIndex) : nullptr, inherited::GetPageColor(AIndex));
}

void TdxSkinLookAndFeelPainter::PaintPageArea(TcxCanvas* ACanvas, const TRect& R) const {
  if (!GetSkinInfo()) return inherited::PaintPageArea(ACanvas, R);
  FillSolid(ACanvas, R, GetPageAreaColor());
}

// --- Borders and content ----------------------------------------------------------------------

void TdxSkinLookAndFeelPainter::PaintControlBorder(TcxCanvas* ACanvas, const TRect& R) const {
  TdxSkinColor* color = SkinColor(P::SkinContainerBorderColor);
  if (!color) return inherited::PaintControlBorder(ACanvas, R);
  ACanvas->FrameRectBorders(R, color->Value(), 1, cxBordersAll);
}

void TdxSkinLookAndFeelPainter::PaintBorderEdges(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const {
  if (!GetSkinInfo()) return inherited::PaintBorderEdges(ACanvas, R, AVertical);
  PaintLabelLine(ACanvas, CenterBandInRect(R, 2, AVertical), clDefault, clDefault, AVertical);
}

void TdxSkinLookAndFeelPainter::PaintContent(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                             TcxButtonState AState, TAlignment AAlignmentHorz,
                                             TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                                             const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                                             TcxDrawBackgroundEvent AOnDrawBackground, bool AIsFlat) const {
  if (!GetSkinInfo())
    return inherited::PaintContent(ACanvas, ABounds, ATextAreaBounds, AState, AAlignmentHorz, AAlignmentVert,
                                   AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor,
                                   AOnDrawBackground, AIsFlat);
  // The skin's element under the cell is its background: only the text is drawn.
  const TcxTextFlags flags = AlignmentFlags(AAlignmentHorz, AAlignmentVert) |
                             (AMultiLine ? cxWordBreak : cxSingleLine) | (AShowEndEllipsis ? cxShowEndEllipsis : 0);
  DrawTextClear(ACanvas, AText, ATextAreaBounds, flags, AFont, ATextColor, true);
}
