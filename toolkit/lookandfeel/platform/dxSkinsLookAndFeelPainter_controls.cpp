// The skin painter's controls: buttons and expand buttons, check boxes and
// radio buttons, label lines, scroll bars, size grip, splitters, editor
// buttons, group boxes, track bars, progress bars and navigator glyphs.
#include <algorithm>

#include "cxLookAndFeelPainters_internal.h"
#include "dxSkinsLookAndFeelPainter.h"

using namespace cxpainters;
using namespace dxskinpainter;
using E = TdxSkinElementSlot;
using P = TdxSkinPropertySlot;

namespace {

TRect Deflate(const TRect& R, const TRect& AOffsets) {
  return TRect{R.Left + AOffsets.Left, R.Top + AOffsets.Top, R.Right - AOffsets.Right, R.Bottom - AOffsets.Bottom};
}
TRect ContentOffset(TdxSkinElement* AElement) { return AElement->ContentOffset()->Rect(); }

constexpr E kGroupFrames[] = {E::CommonGroupPanelTop, E::CommonGroupPanelBottom, E::CommonGroupPanelLeft,
                              E::CommonGroupPanelRight, E::CommonGroupPanel};
constexpr E kGroupCaptions[] = {E::CommonGroupPanelCaptionTop, E::CommonGroupPanelCaptionBottom,
                                E::CommonGroupPanelCaptionLeft, E::CommonGroupPanelCaptionRight, E::None};

}  // namespace

// --- Buttons and expand buttons ---------------------------------------------------------------

void TdxSkinLookAndFeelPainter::PaintButtonCell(TcxCanvas* ACanvas, const TRect& R, const String& ACaption,
                                                TcxButtonState AState, bool ADrawBorder, TColor AFaceColor,
                                                TColor ATextColor, bool AWordWrap, bool AIsToolButton) const {
  TdxSkinElement* button = SkinElement(E::CommonButton);
  if (!button)
    return inherited::PaintButtonCell(ACanvas, R, ACaption, AState, ADrawBorder, AFaceColor, ATextColor, AWordWrap,
                                      AIsToolButton);
  DrawElement(ACanvas, button, R, 0, ButtonStateToElementState(AState));
  if (ACaption.empty()) return;
  TRect content = ButtonContentRect(Deflate(R, ContentOffset(button)));
  if (AState == cxbsPressed) content = OffsetRectBy(content, GetPressedShift(), GetPressedShift());
  ACanvas->Font()->SetColor(ATextColor == clDefault ? GetButtonGlyphColor(AState, clDefault) : ATextColor);
  ACanvas->Brush()->SetStyle(bsClear);
  // A disabled caption is drawn flat in the skin's disabled text colour: the
  // canvas's embossing uses system colours, which no skin's button is made for.
  ACanvas->DrawTextInRect(ACaption, content,
                          cxAlignHCenter | cxAlignVCenter | cxShowPrefix | (AWordWrap ? cxWordBreak : cxSingleLine));
  ACanvas->Brush()->SetStyle(bsSolid);
}

TColor TdxSkinLookAndFeelPainter::GetButtonGlyphColor(TcxButtonState AState, TColor ADefaultColor) const {
  TdxSkinElement* button = SkinElement(E::CommonButton);
  if (!button) return inherited::GetButtonGlyphColor(AState, ADefaultColor);
  if (AState == cxbsDisabled)
    if (TdxSkinColor* disabled = SkinColor(P::CommonButtonDisabledText)) return disabled->Value();
  return button->TextColor();
}

int TdxSkinLookAndFeelPainter::GetButtonBorderWidth(TcxButtonState AState) const {
  return SkinElement(E::CommonButton) ? 0 : inherited::GetButtonBorderWidth(AState);
}

TRect TdxSkinLookAndFeelPainter::GetButtonGroupBorderWidths(int ACount, int AIndex) const {
  TdxSkinElement* button = SkinElement(E::EditorsEditorButton);
  if (!button) return inherited::GetButtonGroupBorderWidths(ACount, AIndex);
  const TSize frame = FrameSize(button), glyph = GetProgressImageSize();
  const int dx = (frame.cx - glyph.cx) / 2, dy = (frame.cy - glyph.cy) / 2;
  return TRect{dx, dy, dx, dy};
}

void TdxSkinLookAndFeelPainter::PaintGroupButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                 int ACount, int AIndex, TColor AColor) const {
  if (!GetSkinInfo()) return inherited::PaintGroupButton(ACanvas, R, AState, ACount, AIndex, AColor);
  PaintEditButton(ACanvas, R, cxbkEditorBtn, AState, cxbpRight);
}

void TdxSkinLookAndFeelPainter::PaintButtonEdgeEx(TcxCanvas* ACanvas, const TRect& R, bool ADark,
                                                  bool AHighlighted) const {
  if (!GetSkinInfo()) inherited::PaintButtonEdgeEx(ACanvas, R, ADark, AHighlighted);
}

void TdxSkinLookAndFeelPainter::PaintTreeButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                TColor AColor) const {
  if (!DrawElement(ACanvas, SkinElement(E::GridPlusMinus), R, AExpanded ? 1 : 0))
    inherited::PaintTreeButton(ACanvas, R, AExpanded, AColor);
}

void TdxSkinLookAndFeelPainter::PaintPlusMinusBox(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                  TColor AColor) const {
  if (!DrawElement(ACanvas, SkinElement(E::GridPlusMinus), R, AExpanded ? 1 : 0))
    inherited::PaintPlusMinusBox(ACanvas, R, AExpanded, AColor);
}

void TdxSkinLookAndFeelPainter::PaintRotatedChevronButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                          bool AExpanded, TcxBitmapRotation ARotation) const {
  if (!SkinElement(E::GridPlusMinus))
    return inherited::PaintRotatedChevronButton(ACanvas, R, AState, AExpanded, ARotation);
  PaintTreeButton(ACanvas, R, AExpanded, clDefault);
}

int TdxSkinLookAndFeelPainter::GetTreeButtonSize() const {
  TdxSkinElement* box = SkinElement(E::GridPlusMinus);
  return box ? FrameSize(box).cy : inherited::GetTreeButtonSize();
}

// --- Check boxes, radio buttons, label lines --------------------------------------------------

void TdxSkinLookAndFeelPainter::PaintCheckBox(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                              TcxCheckBoxState ACheckState) const {
  if (!DrawElement(ACanvas, SkinElement(E::EditorsCheckbox), R, CheckStateToImageIndex(ACheckState),
                   ButtonStateToElementState(AState)))
    inherited::PaintCheckBox(ACanvas, R, AState, ACheckState);
}

TSize TdxSkinLookAndFeelPainter::GetCheckGlyphSize() const {
  TdxSkinElement* check = SkinElement(E::EditorsCheckbox);
  return check ? FrameSize(check) : inherited::GetCheckGlyphSize();
}

void TdxSkinLookAndFeelPainter::DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AState,
                                                bool AChecked, bool AFocused, TColor ABackColor,
                                                bool AIsDesigning) const {
  TdxSkinElement* radio = SkinElement(E::EditorsRadioButton);
  if (!radio)
    return inherited::DrawRadioButton(ACanvas, X, Y, AState, AChecked, AFocused, ABackColor, AIsDesigning);
  const TSize size = FrameSize(radio);
  const TRect r{X, Y, X + size.cx, Y + size.cy};
  if (ABackColor != clDefault) FillSolid(ACanvas, r, ABackColor);
  DrawElement(ACanvas, radio, r, AChecked ? 1 : 0, ButtonStateToElementState(AState));
}

TSize TdxSkinLookAndFeelPainter::GetRadioGlyphSize() const {
  TdxSkinElement* radio = SkinElement(E::EditorsRadioButton);
  return radio ? FrameSize(radio) : inherited::GetRadioGlyphSize();
}

void TdxSkinLookAndFeelPainter::PaintLabelLine(TcxCanvas* ACanvas, const TRect& R, TColor AOuterColor,
                                               TColor AInnerColor, bool AVertical) const {
  if (!DrawElement(ACanvas, SkinElement(AVertical ? E::EditorsLabelLineVert : E::EditorsLabelLine), R))
    inherited::PaintLabelLine(ACanvas, R, AOuterColor, AInnerColor, AVertical);
}

int TdxSkinLookAndFeelPainter::GetLabelLineThickness() const {
  TdxSkinElement* line = SkinElement(E::EditorsLabelLine);
  return line ? line->MinSize()->Height() : inherited::GetLabelLineThickness();
}

// --- Scroll bars, size grip, splitters --------------------------------------------------------

void TdxSkinLookAndFeelPainter::PaintScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                   TcxScrollBarPart APart, TcxButtonState AState) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  TdxSkinScrollInfo* part = info && APart != sbpNone ? info->ScrollBarPart(AHorizontal ? 1 : 0, int(APart)) : nullptr;
  if (!part || !part->Element) return inherited::PaintScrollBarPart(ACanvas, AHorizontal, R, APart, AState);
  // A normal track shows the bar's background, drawn once for the whole bar.
  if ((APart == sbpPageUp || APart == sbpPageDown) && AState == cxbsNormal) return;
  DrawElement(ACanvas, part->Element, R, part->ImageIndex, ButtonStateToElementState(AState));
}

void TdxSkinLookAndFeelPainter::DrawScrollBarBackground(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  TdxSkinScrollInfo* track = info ? info->ScrollBarPart(AHorizontal ? 1 : 0, int(sbpPageUp)) : nullptr;
  if (!track || !track->Element) return inherited::DrawScrollBarBackground(ACanvas, R, AHorizontal);
  track->Element->SetUseCache(true);
  DrawElement(ACanvas, track->Element, R, track->ImageIndex, esNormal);
}

int TdxSkinLookAndFeelPainter::GetMinScrollBarThumbSize(bool AVertical) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  TdxSkinScrollInfo* thumb = info ? info->ScrollBarPart(AVertical ? 0 : 1, int(sbpThumbnail)) : nullptr;
  if (!thumb || !thumb->Element) return inherited::GetMinScrollBarThumbSize(AVertical);
  const TSize size = FrameSize(thumb->Element);
  return AVertical ? size.cy : size.cx;
}

TSize TdxSkinLookAndFeelPainter::GetScrollBarCornerSize() const {
  TdxSkinElement* grip = SkinElement(E::CommonSizeGrip);
  return grip ? FrameSize(grip) : inherited::GetScrollBarCornerSize();
}

void TdxSkinLookAndFeelPainter::PaintSizeGrip(TcxCanvas* ACanvas, const TRect& R) const {
  if (!DrawElement(ACanvas, SkinElement(E::CommonSizeGrip), R)) inherited::PaintSizeGrip(ACanvas, R);
}

void TdxSkinLookAndFeelPainter::PaintSplitter(TcxCanvas* ACanvas, const TRect& R, bool AHighlighted, bool AClicked,
                                              bool AHorizontal) const {
  if (!DrawElement(ACanvas, SkinElement(AHorizontal ? E::CommonSplitterHorz : E::CommonSplitter), R, 0,
                   AHighlighted ? esHot : esNormal))
    inherited::PaintSplitter(ACanvas, R, AHighlighted, AClicked, AHorizontal);
}

TSize TdxSkinLookAndFeelPainter::GetSplitterGripSize(bool AHorizontal) const {
  TdxSkinElement* splitter = SkinElement(AHorizontal ? E::CommonSplitterHorz : E::CommonSplitter);
  if (!splitter) return inherited::GetSplitterGripSize(AHorizontal);
  const TSize frame = FrameSize(splitter);
  return TSize{std::max(splitter->MinSize()->Width(), frame.cx), std::max(splitter->MinSize()->Height(), frame.cy)};
}

// --- Editor buttons ---------------------------------------------------------------------------

void TdxSkinLookAndFeelPainter::PaintEditButton(TcxCanvas* ACanvas, const TRect& R, TcxEditBtnKind AButtonKind,
                                                TcxButtonState AState, TcxEditBtnPosition APosition) const {
  TdxSkinLookAndFeelPainterInfo* info = GetSkinInfo();
  TdxSkinElement* close = info ? info->Element(E::EditorsCloseButton) : nullptr;
  TdxSkinElement* editor = info ? info->Element(E::EditorsEditorButton) : nullptr;
  if (!close || !editor) return inherited::PaintEditButton(ACanvas, R, AButtonKind, AState, APosition);
  TdxSkinElement* face = AButtonKind == cxbkCloseBtn ? close : editor;
  const bool merge = info->BooleanValue(P::EditorsEditorButtonMergeBorders);
  ACanvas->PushClipRegion();
  ACanvas->IntersectClipRectangle(R);
  // Merged borders: the face's own border on the editor's side and at top and
  // bottom falls outside the clip, so the button joins the editor's frame.
  TRect r = R;
  if (merge) {
    --r.Top;
    ++r.Bottom;
    if (APosition == cxbpLeft) --r.Left;
    else ++r.Right;
  }
  DrawElement(ACanvas, face, r, 0, ButtonStateToElementState(AState));
  const TRect offsets = ContentOffset(face);
  TRect content = Deflate(r, offsets);
  if (merge) {
    if (APosition == cxbpLeft) content.Left -= offsets.Left - 1;
    else content.Right += offsets.Right - 1;
  }
  if (AButtonKind == cxbkEllipsisBtn) {
    const int d = content.Right - content.Left < 12 ? 1 : 2;
    const int x = (content.Left + content.Right - (3 * d + 4)) / 2, y = (content.Top + content.Bottom - d) / 2;
    for (int i = 0; i < 3; ++i) FillSolid(ACanvas, TRect{x + i * (d + 2), y, x + i * (d + 2) + d, y + d},
                                          editor->TextColor());
  } else if (TdxSkinElement* glyph = info->EditButtonGlyph(int(AButtonKind))) {
    glyph->Glyph()->Draw(ACanvas->Handle(), content, 0, esNormal);
  }
  ACanvas->PopClipRegion();
}

int TdxSkinLookAndFeelPainter::GetEditButtonCaptionOffset() const {
  return GetSkinInfo() ? 1 : inherited::GetEditButtonCaptionOffset();
}

TSize TdxSkinLookAndFeelPainter::GetFixedEditButtonSize() const {
  TdxSkinElement* button = SkinElement(E::EditorsEditorButton);
  return button ? FrameSize(button) : inherited::GetFixedEditButtonSize();
}

TColor TdxSkinLookAndFeelPainter::GetEditButtonCaptionColor(TcxButtonState AState) const {
  TdxSkinElement* button = SkinElement(E::EditorsEditorButton);
  return button ? button->TextColor() : inherited::GetEditButtonCaptionColor(AState);
}

// --- Group boxes ------------------------------------------------------------------------------
// A group box without a caption (cxgpCenter) is framed on all four sides by "GroupPanel".

void TdxSkinLookAndFeelPainter::DrawGroupBoxBackground(TcxCanvas* ACanvas, const TRect& R,
                                                       const TRect& AClipRect) const {
  if (!DrawElement(ACanvas, SkinElement(E::CommonGroupPanelNoBorder), R))
    inherited::DrawGroupBoxBackground(ACanvas, R, AClipRect);
}

void TdxSkinLookAndFeelPainter::DrawGroupBoxCaption(TcxCanvas* ACanvas, const TRect& R,
                                                    TcxGroupBoxCaptionPosition ACaptionPosition) const {
  if (!DrawElement(ACanvas, SkinElement(kGroupCaptions[ACaptionPosition]), R))
    inherited::DrawGroupBoxCaption(ACanvas, R, ACaptionPosition);
}

void TdxSkinLookAndFeelPainter::DrawGroupBoxContent(TcxCanvas* ACanvas, const TRect& R,
                                                    TcxGroupBoxCaptionPosition ACaptionPosition,
                                                    TcxBorders ABorders) const {
  TdxSkinElement* frame = SkinElement(kGroupFrames[ACaptionPosition]);
  TdxSkinElement* body = SkinElement(E::CommonGroupPanelNoBorder);
  if (!frame || !body) return inherited::DrawGroupBoxContent(ACanvas, R, ACaptionPosition, ABorders);
  if (IsEmptyRect(R)) return;
  ACanvas->PushClipRegion();
  ACanvas->IntersectClipRectangle(R);
  const TRect offsets = ContentOffset(frame);
  TdxSkinBorders* borders = frame->Borders();
  TRect inner = R;
  if (ABorders.Contains(bLeft)) inner.Left += offsets.Left + borders->Left()->Thin();
  if (ABorders.Contains(bTop)) inner.Top += offsets.Top + borders->Top()->Thin();
  if (ABorders.Contains(bRight)) inner.Right -= offsets.Right + borders->Right()->Thin();
  if (ABorders.Contains(bBottom)) inner.Bottom -= offsets.Bottom + borders->Bottom()->Thin();
  DrawElement(ACanvas, body, inner);
  ACanvas->ExcludeClipRectangle(inner);
  DrawElement(ACanvas, frame, R);
  ACanvas->PopClipRegion();
}

void TdxSkinLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                   TcxGroupBoxCaptionPosition ACaptionPosition,
                                                   TcxBorders ABorders) const {
  if (!SkinElement(kGroupFrames[ACaptionPosition]) || !SkinElement(E::CommonGroupPanelNoBorder))
    return inherited::PaintGroupBoxFrame(ACanvas, R, AEnabled, ACaptionPosition, ABorders);
  DrawGroupBoxContent(ACanvas, R, ACaptionPosition, ABorders);
}

TRect TdxSkinLookAndFeelPainter::GetGroupBoxFrameExtents(bool AIsCaption,
                                                         TcxGroupBoxCaptionPosition ACaptionPosition) const {
  TdxSkinElement* part = SkinElement(AIsCaption ? kGroupCaptions[ACaptionPosition] : kGroupFrames[ACaptionPosition]);
  return part ? ContentOffset(part) : inherited::GetGroupBoxFrameExtents(AIsCaption, ACaptionPosition);
}

bool TdxSkinLookAndFeelPainter::IsGroupBoxPartTransparent(bool AIsCaption,
                                                          TcxGroupBoxCaptionPosition ACaptionPosition) const {
  TdxSkinElement* part = SkinElement(AIsCaption ? kGroupCaptions[ACaptionPosition] : kGroupFrames[ACaptionPosition]);
  return part ? part->HasTransparency() : inherited::IsGroupBoxPartTransparent(AIsCaption, ACaptionPosition);
}

void TdxSkinLookAndFeelPainter::PaintGroupBoxChevron(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                     bool AExpanded, TcxBitmapRotation ARotation) const {
  TdxSkinElement* button = SkinElement(E::CommonGroupExpandButton);
  if (!button) return inherited::PaintGroupBoxChevron(ACanvas, R, AState, AExpanded, ARotation);
  const int image = AExpanded ? 0 : 1;
  const TdxSkinElementState state = ButtonStateToElementState(AState);
  if (ARotation == raNone) {
    DrawElement(ACanvas, button, R, image, state);
    return;
  }
  if (IsEmptyRect(R)) return;
  const bool quarter = ARotation == raMinus90 || ARotation == raPlus90;
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  TcxAlphaBitmap bitmap(quarter ? h : w, quarter ? w : h);
  bitmap.Clear();
  button->DrawToDC(bitmap.Canvas()->Handle(), bitmap.GetClientRect(), image, state);
  ACanvas->RotateBitmap(&bitmap, ARotation, false);
  DrawImageOrGlyph(ACanvas->Handle(), R, R, &bitmap, nullptr, -1, gdmNormal, false, nullptr, clNone);
}

void TdxSkinLookAndFeelPainter::PaintGroupBoxPanelBorder(TcxCanvas* ACanvas, const TRect& R) const {
  TdxSkinElement* panel = SkinElement(E::CommonGroupPanel);
  if (!panel) return inherited::PaintGroupBoxPanelBorder(ACanvas, R);
  ACanvas->PushClipRegion();
  ACanvas->ExcludeClipRectangle(Deflate(R, ContentOffset(panel)));
  DrawElement(ACanvas, panel, R);
  ACanvas->PopClipRegion();
}

void TdxSkinLookAndFeelPainter::DrawGroupBoxPanelStyle(TcxCanvas* ACanvas, const TRect& R, bool ABordered) const {
  if (!DrawElement(ACanvas, SkinElement(E::CommonGroupPanelNoBorder), R))
    return inherited::DrawGroupBoxPanelStyle(ACanvas, R, ABordered);
  if (ABordered) PaintGroupBoxPanelBorder(ACanvas, R);
}

// --- Track bars -------------------------------------------------------------------------------

void TdxSkinLookAndFeelPainter::DrawTrackBarTrack(TcxCanvas* ACanvas, const TRect& R, const TRect& ASelection,
                                                  bool AShowSelection, bool AEnabled, bool AHorizontal,
                                                  TColor AColor) const {
  TdxSkinElement* track = SkinElement(AHorizontal ? E::EditorsTrackBarTrack : E::EditorsTrackBarTrackVert);
  if (!track)
    return inherited::DrawTrackBarTrack(ACanvas, R, ASelection, AShowSelection, AEnabled, AHorizontal, AColor);
  DrawElement(ACanvas, track, R, AEnabled ? 0 : 2);
  if (AShowSelection) DrawElement(ACanvas, track, ASelection, AEnabled ? 1 : 3);
}

void TdxSkinLookAndFeelPainter::DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                  bool AHorizontal, TcxTrackBarTicksAlign ATicks,
                                                  TColor AColor) const {
  static constexpr E kHorizontal[] = {E::EditorsTrackBarThumbUp, E::EditorsTrackBarThumb,
                                      E::EditorsTrackBarThumbBoth};
  static constexpr E kVertical[] = {E::EditorsTrackBarThumbVertUp, E::EditorsTrackBarThumbVert,
                                    E::EditorsTrackBarThumbVertBoth};
  if (!DrawElement(ACanvas, SkinElement((AHorizontal ? kHorizontal : kVertical)[ATicks]), R, 0,
                   ButtonStateToElementState(AState)))
    inherited::DrawTrackBarThumb(ACanvas, R, AState, AHorizontal, ATicks, AColor);
}

TSize TdxSkinLookAndFeelPainter::GetTrackBarThumbSize(bool AHorizontal) const {
  TdxSkinElement* thumb = SkinElement(AHorizontal ? E::EditorsTrackBarThumb : E::EditorsTrackBarThumbVert);
  return thumb ? FrameSize(thumb) : inherited::GetTrackBarThumbSize(AHorizontal);
}

int TdxSkinLookAndFeelPainter::GetSplitterHighlightWidth() const {
  TdxSkinElement* track = SkinElement(E::EditorsTrackBarTrack);
  return track ? FrameSize(track).cy : inherited::GetSplitterHighlightWidth();
}

// --- Progress bars and navigator glyphs -------------------------------------------------------
// The bar's frame and background are its "ProgressBorder", the filled part its "ProgressChunk".

void TdxSkinLookAndFeelPainter::PaintProgressChunk(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const {
  if (!DrawElement(ACanvas, SkinElement(AVertical ? E::EditorsProgressChunkVert : E::EditorsProgressChunk), R))
    inherited::PaintProgressChunk(ACanvas, R, AVertical);
}

void TdxSkinLookAndFeelPainter::PaintProgressFill(TcxCanvas* ACanvas, const TRect& R, bool AVertical) const {
  if (!DrawElement(ACanvas, SkinElement(AVertical ? E::EditorsProgressBorderVert : E::EditorsProgressBorder), R))
    inherited::PaintProgressFill(ACanvas, R, AVertical);
}

TRect TdxSkinLookAndFeelPainter::GetProgressFrameRect(bool AVertical) const {
  TdxSkinElement* border = SkinElement(AVertical ? E::EditorsProgressBorderVert : E::EditorsProgressBorder);
  return border ? ContentOffset(border) : inherited::GetProgressFrameRect(AVertical);
}

void TdxSkinLookAndFeelPainter::PaintProgressImage(TcxCanvas* ACanvas, TCustomImageList* AImages,
                                                   bool AUseImageList, bool AEnabled, const TRect& R,
                                                   int AGlyphIndex) const {
  TdxSkinElement* horizontal = SkinElement(E::EditorsNavigator);
  TdxSkinElement* vertical = SkinElement(E::EditorsNavigatorVert);
  if (!horizontal || !vertical || AUseImageList)
    return inherited::PaintProgressImage(ACanvas, AImages, AUseImageList, AEnabled, R, AGlyphIndex);
  if (IsEmptyRect(R)) return;
  TdxSkinElement* navigator = AGlyphIndex < horizontal->ImageCount() ? horizontal : vertical;
  const int index = navigator == horizontal ? AGlyphIndex : AGlyphIndex - horizontal->ImageCount();
  if (AEnabled) {
    DrawElement(ACanvas, navigator, R, index);
    return;
  }
  // Disabled: the glyph drawn alone, greyed towards its own coverage, then blended.
  TcxAlphaBitmap bitmap(R.Right - R.Left, R.Bottom - R.Top);
  bitmap.Clear();
  navigator->DrawToDC(bitmap.Canvas()->Handle(), bitmap.GetClientRect(), index, esNormal);
  TRGBColors pixels = bitmap.GetPixels();
  for (TRGBQuad& p : pixels) {
    const auto grey = std::uint8_t((2 * p.rgbReserved + p.rgbRed + p.rgbGreen + p.rgbBlue) / 5);
    p.rgbRed = p.rgbGreen = p.rgbBlue = grey;
  }
  bitmap.SetPixels(pixels);
  AlphaBlendBitmapToDC(ACanvas->Handle(), &bitmap, R, 255, false, bitmap.GetClientRect());
}

TSize TdxSkinLookAndFeelPainter::GetProgressImageSize() const {
  TdxSkinElement* navigator = SkinElement(E::EditorsNavigator);
  return navigator ? FrameSize(navigator) : inherited::GetProgressImageSize();
}

void TdxSkinLookAndFeelPainter::PaintProgressFrame(TcxCanvas* ACanvas, TRect& R) const {
  if (!GetSkinInfo()) return inherited::PaintProgressFrame(ACanvas, R);
  R.Left -= 1;
  R.Right += 1;
  PaintHeader(ACanvas, R, R, TcxNeighbors(), cxBordersAll, cxbsNormal, taLeftJustify, vaCenter, false, false,
              String(), nullptr, clDefault, clDefault, nullptr, false);
}
