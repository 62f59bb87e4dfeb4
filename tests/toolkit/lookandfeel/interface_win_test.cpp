// One painter interface for every caller: each operation that the controls,
// editors, buttons, page control, status bar, panels and bars call is called
// here as they call it (their spellings translated to the one declared name),
// through a painter class reference, and must reach the painter in force.
#include <functional>
#include <string>

#include "lookandfeel_test_support.h"

namespace {

using lookandfeel_test::CanvasSurface;

const auto* const kUnits = testing::AddGlobalTestEnvironment(new lookandfeel_test::TPainterUnits);

// The other spellings the callers' texts use must not exist beside the declared names.
template <class P>
concept HasOtherSpellings = requires(P p, TcxCanvas* c, TRect r) {
  p->GetBorderSize();
} || requires(P p, TcxCanvas* c, TRect r) { p->PaintBorder(c, r); } ||
  requires(P p) { p->GetButtonColor(cxbsNormal); } ||
  requires(P p) { p->GetButtonCaptionColor(cxbsNormal, clDefault); } ||
  requires(P p) { p->GetButtonFrameWidth(cxbsNormal); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->PaintButton(c, r, String(), cxbsNormal, true, clDefault, clDefault, false, false); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->PaintCaptionedButton(c, r, String(), cxbsNormal, true, clDefault, clDefault, false, false); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->PaintButtonFrame(c, r, cxbsNormal); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->PaintButtonArrow(c, r, cxbsNormal, adDown); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->PaintCloseButton(c, r, cxbsNormal); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->DrawCheckButton(c, r, cxbsNormal, cbsChecked); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->DrawPanelBackground(c, nullptr, r, clDefault, clDefault); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->DrawSizeGripOnBackground(c, r, clNone, coBottomRight); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->DrawProgressBarChunk(c, r, false); } ||
  requires(P p, TcxCanvas* c, TRect r) { p->DrawProgressBarBorder(c, r, false); } ||
  requires(P p) { p->GetProgressBarBorderSize(false); } ||
  requires(P p) { p->CalcArrowTriangle(TRect{}, std::declval<TcxArrowPoints&>(), adUp, true, 0); };
static_assert(!HasOtherSpellings<TcxCustomLookAndFeelPainterClass>, "one name for each painter operation");

// A painter that notes which operation reached it, then draws as the standard one.
class TRecordingPainter : public TcxStandardLookAndFeelPainter {
 public:
  mutable std::string Last;

  int GetBorderWidth() const override { return Note("GetBorderWidth", inherited::GetBorderWidth()); }
  void PaintControlBorder(TcxCanvas* C, const TRect& R) const override {
    Note("PaintControlBorder");
    inherited::PaintControlBorder(C, R);
  }
  TColor GetButtonFaceColor(TcxButtonState S) const override {
    return Note("GetButtonFaceColor", inherited::GetButtonFaceColor(S));
  }
  TColor GetButtonGlyphColor(TcxButtonState S, TColor D) const override {
    return Note("GetButtonGlyphColor", inherited::GetButtonGlyphColor(S, D));
  }
  int GetButtonBorderWidth(TcxButtonState S) const override {
    return Note("GetButtonBorderWidth", inherited::GetButtonBorderWidth(S));
  }
  TRect GetButtonFocusBounds(TcxCanvas* C, const TRect& R) const override {
    return Note("GetButtonFocusBounds", inherited::GetButtonFocusBounds(C, R));
  }
  void PaintButtonCell(TcxCanvas* C, const TRect& R, const String& T, TcxButtonState S, bool B, TColor F, TColor X,
                       bool W, bool K) const override {
    Note("PaintButtonCell");
    inherited::PaintButtonCell(C, R, T, S, B, F, X, W, K);
    Last = "PaintButtonCell";  // the cell calls further operations
  }
  void PaintButtonEdge(TcxCanvas* C, const TRect& R, TcxButtonState S) const override {
    Note("PaintButtonEdge");
    inherited::PaintButtonEdge(C, R, S);
  }
  void PaintStateArrow(TcxCanvas* C, const TRect& R, TcxButtonState S, TcxArrowDirection D) const override {
    inherited::PaintStateArrow(C, R, S, D);
    Note("PaintStateArrow");
  }
  void PaintArrow(TcxCanvas* C, const TRect& R, TcxArrowDirection D, TColor X) const override {
    Note("PaintArrow");
    inherited::PaintArrow(C, R, D, X);
  }
  void PaintCrossButton(TcxCanvas* C, const TRect& R, TcxButtonState S) const override {
    inherited::PaintCrossButton(C, R, S);
    Note("PaintCrossButton");
  }
  void PaintCheckBox(TcxCanvas* C, const TRect& R, TcxButtonState S, TcxCheckBoxState X) const override {
    inherited::PaintCheckBox(C, R, S, X);
    Note("PaintCheckBox");
  }
  void PaintLabelLine(TcxCanvas* C, const TRect& R, TColor O, TColor I, bool V) const override {
    Note("PaintLabelLine");
    inherited::PaintLabelLine(C, R, O, I, V);
  }
  int GetLabelLineThickness() const override { return Note("GetLabelLineThickness", 2); }
  void PaintGroupBoxFrame(TcxCanvas* C, const TRect& R, bool E, TcxGroupBoxCaptionPosition P,
                          TcxBorders B) const override {
    Note("PaintGroupBoxFrame");
    inherited::PaintGroupBoxFrame(C, R, E, P, B);
  }
  void PaintGroupBoxCaptionArea(TcxCanvas* C, TWinControl* W, const TRect& R, TColor A, TColor B) const override {
    inherited::PaintGroupBoxCaptionArea(C, W, R, A, B);
    Note("PaintGroupBoxCaptionArea");
  }
  void PaintGroupBoxPanelBorder(TcxCanvas* C, const TRect& R) const override {
    Note("PaintGroupBoxPanelBorder");
    inherited::PaintGroupBoxPanelBorder(C, R);
  }
  void DrawGroupBoxBackground(TcxCanvas* C, const TRect& R, const TRect& X) const override {
    Note("DrawGroupBoxBackground");
    inherited::DrawGroupBoxBackground(C, R, X);
  }
  void DrawGroupBoxCaption(TcxCanvas* C, const TRect& R, TcxGroupBoxCaptionPosition P) const override {
    Note("DrawGroupBoxCaption");
    inherited::DrawGroupBoxCaption(C, R, P);
  }
  void DrawGroupBoxContent(TcxCanvas* C, const TRect& R, TcxGroupBoxCaptionPosition P, TcxBorders B) const override {
    Note("DrawGroupBoxContent");
    inherited::DrawGroupBoxContent(C, R, P, B);
  }
  TRect GetGroupBoxFrameExtents(bool C, TcxGroupBoxCaptionPosition P) const override {
    return Note("GetGroupBoxFrameExtents", inherited::GetGroupBoxFrameExtents(C, P));
  }
  TColor GetGroupBoxCaptionTextColor(bool E, TcxGroupBoxCaptionPosition P) const override {
    return Note("GetGroupBoxCaptionTextColor", inherited::GetGroupBoxCaptionTextColor(E, P));
  }
  bool IsGroupBoxPartTransparent(bool C, TcxGroupBoxCaptionPosition P) const override {
    return Note("IsGroupBoxPartTransparent", inherited::IsGroupBoxPartTransparent(C, P));
  }
  void DrawGroupBoxPanelStyle(TcxCanvas* C, const TRect& R, bool B) const override {
    Note("DrawGroupBoxPanelStyle");
    inherited::DrawGroupBoxPanelStyle(C, R, B);
  }
  TRect GetGroupBoxPanelBorderExtents() const override {
    return Note("GetGroupBoxPanelBorderExtents", inherited::GetGroupBoxPanelBorderExtents());
  }
  TColor GetGroupBoxPanelTextColor() const override {
    return Note("GetGroupBoxPanelTextColor", inherited::GetGroupBoxPanelTextColor());
  }
  void PaintEditButton(TcxCanvas* C, const TRect& R, TcxEditBtnKind K, TcxButtonState S,
                       TcxEditBtnPosition P) const override {
    Note("PaintEditButton");
    inherited::PaintEditButton(C, R, K, S, P);
  }
  TSize GetFixedEditButtonSize() const override {
    return Note("GetFixedEditButtonSize", inherited::GetFixedEditButtonSize());
  }
  TColor GetEditBorderColor(bool H) const override { return Note("GetEditBorderColor", inherited::GetEditBorderColor(H)); }
  TColor GetEditorTextColor(bool D) const override { return Note("GetEditorTextColor", inherited::GetEditorTextColor(D)); }
  TColor GetEditorBackgroundColorForState(TcxEditStateColorKind S) const override {
    return Note("GetEditorBackgroundColorForState", inherited::GetEditorBackgroundColorForState(S));
  }
  TColor GetEditorTextColorForState(TcxEditStateColorKind S) const override {
    return Note("GetEditorTextColorForState", inherited::GetEditorTextColorForState(S));
  }
  void PaintSizeGrip(TcxCanvas* C, const TRect& R) const override {
    Note("PaintSizeGrip");
    inherited::PaintSizeGrip(C, R);
  }
  void PaintSizeGripAt(TcxCanvas* C, const TRect& R, TColor B, TcxCorner K) const override {
    inherited::PaintSizeGripAt(C, R, B, K);
    Note("PaintSizeGripAt");
  }
  TSize GetSizeGripSize() const override { return Note("GetSizeGripSize", inherited::GetSizeGripSize()); }
  TSize GetScrollBarCornerSize() const override {
    return Note("GetScrollBarCornerSize", inherited::GetScrollBarCornerSize());
  }
  void PaintProgressChunk(TcxCanvas* C, const TRect& R, bool V) const override {
    Note("PaintProgressChunk");
    inherited::PaintProgressChunk(C, R, V);
  }
  void PaintProgressFill(TcxCanvas* C, const TRect& R, bool V) const override {
    Note("PaintProgressFill");
    inherited::PaintProgressFill(C, R, V);
  }
  TRect GetProgressFrameRect(bool V) const override {
    return Note("GetProgressFrameRect", inherited::GetProgressFrameRect(V));
  }
  void CorrectTrackBarThumbRect(TcxCanvas* C, TRect& R, bool H, TcxTrackBarTicksAlign T) const override {
    Note("CorrectTrackBarThumbRect");
    inherited::CorrectTrackBarThumbRect(C, R, H, T);
  }
  void DrawTrackBarTrack(TcxCanvas* C, const TRect& R, const TRect& S, bool X, bool E, bool H,
                         TColor K) const override {
    Note("DrawTrackBarTrack");
    inherited::DrawTrackBarTrack(C, R, S, X, E, H, K);
  }
  void DrawTrackBarThumb(TcxCanvas* C, const TRect& R, TcxButtonState S, bool H, TcxTrackBarTicksAlign T,
                         TColor K) const override {
    Note("DrawTrackBarThumb");
    inherited::DrawTrackBarThumb(C, R, S, H, T, K);
  }
  int GetTrackBarTrackSize(bool H) const override {
    return Note("GetTrackBarTrackSize", inherited::GetTrackBarTrackSize(H));
  }
  TColor GetTrackBarTickColor(bool T) const override {
    return Note("GetTrackBarTickColor", inherited::GetTrackBarTickColor(T));
  }
  void DrawRadioButton(TcxCanvas* C, int X, int Y, TcxButtonState S, bool K, bool F, TColor B,
                       bool D) const override {
    inherited::DrawRadioButton(C, X, Y, S, K, F, B, D);
    Note("DrawRadioButton");
  }
  TSize GetRadioGlyphSize() const override { return Note("GetRadioGlyphSize", inherited::GetRadioGlyphSize()); }
  TSize GetCheckGlyphSize() const override { return Note("GetCheckGlyphSize", inherited::GetCheckGlyphSize()); }
  void FillPopupClientArea(TcxCanvas* C, const TRect& R) const override {
    Note("FillPopupClientArea");
    inherited::FillPopupClientArea(C, R);
  }
  TcxLookAndFeelStyle GetPainterStyle() const override { return Note("GetPainterStyle", inherited::GetPainterStyle()); }
  int GetPressedShift() const override { return Note("GetPressedShift", inherited::GetPressedShift()); }
  bool HasHotScrollBarParts() const override {
    return Note("HasHotScrollBarParts", inherited::HasHotScrollBarParts());
  }
  TColor GetScrollBarsCornerColor() const override {
    return Note("GetScrollBarsCornerColor", inherited::GetScrollBarsCornerColor());
  }
  void DrawScrollBarBackground(TcxCanvas* C, const TRect& R, bool H) const override {
    inherited::DrawScrollBarBackground(C, R, H);
    Note("DrawScrollBarBackground");
  }
  void PaintScrollBarPart(TcxCanvas* C, bool H, const TRect& R, TcxScrollBarPart P,
                          TcxButtonState S) const override {
    inherited::PaintScrollBarPart(C, H, R, P, S);
    Note("PaintScrollBarPart");
  }
  int GetMinScrollBarThumbSize(bool V) const override {
    return Note("GetMinScrollBarThumbSize", inherited::GetMinScrollBarThumbSize(V));
  }

 private:
  void Note(const char* AName) const { Last = AName; }
  template <class T>
  T Note(const char* AName, T AValue) const {
    Last = AName;
    return AValue;
  }
};

TEST(PainterInterfaceTest, EveryOperationTheCallersUseReachesThePainterInForce) {
  static const TRecordingPainter recorder;
  // What a control holds: the class reference its look-and-feel hands out.
  const TcxCustomLookAndFeelPainterClass painter = &recorder;
  CanvasSurface s(60, 40);
  TcxCanvas* c = &s.Cx;
  const TRect r{2, 2, 40, 30};
  TRect var = r;
  struct TCall {
    const char* Name;
    std::function<void()> Call;
  };
  const TCall calls[] = {
      // Component core: containers, inner list box, scroll bars, size grip.
      {"GetScrollBarsCornerColor", [&] { painter->GetScrollBarsCornerColor(); }},
      {"DrawScrollBarBackground", [&] { painter->DrawScrollBarBackground(c, r, true); }},
      {"PaintScrollBarPart", [&] { painter->PaintScrollBarPart(c, false, r, sbpThumbnail, cxbsHot); }},
      {"HasHotScrollBarParts", [&] { painter->HasHotScrollBarParts(); }},
      {"GetMinScrollBarThumbSize", [&] { painter->GetMinScrollBarThumbSize(true); }},
      {"GetEditBorderColor", [&] { painter->GetEditBorderColor(true); }},
      {"GetEditorTextColorForState", [&] { painter->GetEditorTextColorForState(esckInactive); }},
      {"GetEditorBackgroundColorForState", [&] { painter->GetEditorBackgroundColorForState(esckNormal); }},
      {"PaintSizeGripAt", [&] { painter->PaintSizeGripAt(c, r, clNone, coBottomRight); }},
      // Skinned forms: buttons and panels.
      {"PaintButtonCell", [&] { painter->PaintButtonCell(c, r, L"OK", cxbsHot, true, clDefault, clDefault, false, false); }},
      {"GetButtonGlyphColor", [&] { painter->GetButtonGlyphColor(cxbsNormal, clDefault); }},
      {"DrawGroupBoxPanelStyle", [&] { painter->DrawGroupBoxPanelStyle(c, r, false); }},
      {"PaintGroupBoxCaptionArea", [&] { painter->PaintGroupBoxCaptionArea(c, nullptr, r, clDefault, clBtnFace); }},
      {"PaintGroupBoxPanelBorder", [&] { painter->PaintGroupBoxPanelBorder(c, r); }},
      {"GetGroupBoxPanelTextColor", [&] { painter->GetGroupBoxPanelTextColor(); }},
      // Editors, buttons and boxes (their GetBorderSize, PaintBorder, GetButtonColor,
      // GetButtonCaptionColor, GetButtonFrameWidth, PaintButton, PaintButtonArrow,
      // PaintButtonFrame, PaintCloseButton, DrawCheckButton, DrawPanelBackground).
      {"CorrectTrackBarThumbRect", [&] { painter->CorrectTrackBarThumbRect(c, var, true, tbtaBoth); }},
      {"DrawTrackBarTrack", [&] { painter->DrawTrackBarTrack(c, r, TRect{4, 4, 9, 9}, true, true, true, clBtnFace); }},
      {"DrawTrackBarThumb", [&] { painter->DrawTrackBarThumb(c, r, cxbsNormal, true, tbtaUp, clBtnFace); }},
      {"GetTrackBarTickColor", [&] { painter->GetTrackBarTickColor(false); }},
      {"GetTrackBarTrackSize", [&] { painter->GetTrackBarTrackSize(true); }},
      {"PaintCheckBox", [&] { painter->PaintCheckBox(c, r, cxbsHot, cbsGrayed); }},
      {"DrawGroupBoxBackground", [&] { painter->DrawGroupBoxBackground(c, r, r); }},
      {"DrawGroupBoxCaption", [&] { painter->DrawGroupBoxCaption(c, r, cxgpTop); }},
      {"DrawGroupBoxContent", [&] { painter->DrawGroupBoxContent(c, r, cxgpTop, cxBordersAll); }},
      {"GetGroupBoxFrameExtents", [&] { painter->GetGroupBoxFrameExtents(true, cxgpLeft); }},
      {"GetGroupBoxCaptionTextColor", [&] { painter->GetGroupBoxCaptionTextColor(true, cxgpTop); }},
      {"IsGroupBoxPartTransparent", [&] { painter->IsGroupBoxPartTransparent(false, cxgpTop); }},
      {"GetGroupBoxPanelBorderExtents", [&] { painter->GetGroupBoxPanelBorderExtents(); }},
      {"DrawRadioButton", [&] { painter->DrawRadioButton(c, 4, 4, cxbsNormal, true, false, clDefault, false); }},
      {"FillPopupClientArea", [&] { painter->FillPopupClientArea(c, r); }},
      {"GetBorderWidth", [&] { painter->GetBorderWidth(); }},
      {"PaintControlBorder", [&] { painter->PaintControlBorder(c, r); }},
      {"GetButtonFaceColor", [&] { painter->GetButtonFaceColor(cxbsPressed); }},
      {"GetButtonFocusBounds", [&] { painter->GetButtonFocusBounds(c, r); }},
      {"GetButtonBorderWidth", [&] { painter->GetButtonBorderWidth(cxbsDefault); }},
      {"GetCheckGlyphSize", [&] { painter->GetCheckGlyphSize(); }},
      {"GetEditorTextColor", [&] { painter->GetEditorTextColor(true); }},
      {"GetFixedEditButtonSize", [&] { painter->GetFixedEditButtonSize(); }},
      {"GetLabelLineThickness", [&] { painter->GetLabelLineThickness(); }},
      {"GetPainterStyle", [&] { painter->GetPainterStyle(); }},
      {"GetPressedShift", [&] { painter->GetPressedShift(); }},
      {"GetRadioGlyphSize", [&] { painter->GetRadioGlyphSize(); }},
      {"PaintArrow", [&] { painter->PaintArrow(c, r, adDown, clBtnText); }},
      {"PaintStateArrow", [&] { painter->PaintStateArrow(c, r, cxbsPressed, adDown); }},
      {"PaintButtonEdge", [&] { painter->PaintButtonEdge(c, r, cxbsNormal); }},
      {"PaintCrossButton", [&] { painter->PaintCrossButton(c, r, cxbsHot); }},
      {"PaintEditButton", [&] { painter->PaintEditButton(c, r, cxbkSpinUpBtn, cxbsHot, cxbpRight); }},
      {"PaintLabelLine", [&] { painter->PaintLabelLine(c, r, clDefault, clDefault, true); }},
      {"PaintSizeGrip", [&] { painter->PaintSizeGrip(c, r); }},
      {"PaintGroupBoxFrame", [&] { painter->PaintGroupBoxFrame(c, r, true, cxgpCenter, cxBordersAll); }},
      // Page control, status bar and bars (their PaintCaptionedButton, GetSizeGripSize
      // for the scroll bars' corner, DrawSizeGripOnBackground, DrawProgressBar*).
      {"GetScrollBarCornerSize", [&] { painter->GetScrollBarCornerSize(); }},
      {"GetSizeGripSize", [&] { painter->GetSizeGripSize(); }},
      {"PaintProgressFill", [&] { painter->PaintProgressFill(c, r, false); }},
      {"PaintProgressChunk", [&] { painter->PaintProgressChunk(c, r, true); }},
      {"GetProgressFrameRect", [&] { painter->GetProgressFrameRect(false); }},
  };
  for (const TCall& call : calls) {
    recorder.Last.clear();
    call.Call();
    EXPECT_EQ(recorder.Last, call.Name);
  }
  // The registry and the shared images the callers reach besides the painter.
  TObject* info = nullptr;
  EXPECT_FALSE(ExtendedStylePainterRegistry()->GetInfoByPainter(painter, info));
  EXPECT_NE(GetRadioButtonImageList(), nullptr);
  TcxArrowPoints points;
  CalcArrowTriangle(r, points, adRight, true, 0);
  EXPECT_LT(points[0].X, points[1].X);
}

}  // namespace
