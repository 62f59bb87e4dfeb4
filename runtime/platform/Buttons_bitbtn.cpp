// The bit button: kinds with their captions, results and glyphs, and the
// owner drawing of face, glyph, caption and focus.
#include <array>
#include <memory>

#include "Buttons.h"
#include "Forms.h"
#include "Streaming.h"

namespace {

const TResStringRec SOKButton{L"SOKButton", L"OK"};
const TResStringRec SCancelButton{L"SCancelButton", L"Cancel"};
const TResStringRec SHelpButton{L"SHelpButton", L"&Help"};
const TResStringRec SYesButton{L"SYesButton", L"&Yes"};
const TResStringRec SNoButton{L"SNoButton", L"&No"};
const TResStringRec SCloseButton{L"SCloseButton", L"&Close"};
const TResStringRec SAbortButton{L"SAbortButton", L"Abort"};
const TResStringRec SRetryButton{L"SRetryButton", L"&Retry"};
const TResStringRec SIgnoreButton{L"SIgnoreButton", L"&Ignore"};
const TResStringRec SAllButton{L"SAllButton", L"&All"};

struct TKindInfo {
  const TResStringRec* Caption;
  TModalResult Result;
};
constexpr std::array<TKindInfo, 11> KindInfo{{
    {nullptr, mrNone},           // bkCustom
    {&SOKButton, mrOk},          // bkOK
    {&SCancelButton, mrCancel},  // bkCancel
    {&SHelpButton, mrNone},      // bkHelp
    {&SYesButton, mrYes},        // bkYes
    {&SNoButton, mrNo},          // bkNo
    {&SCloseButton, mrNone},     // bkClose
    {&SAbortButton, mrAbort},    // bkAbort
    {&SRetryButton, mrRetry},    // bkRetry
    {&SIgnoreButton, mrIgnore},  // bkIgnore
    {&SAllButton, mrAll},        // bkAll
}};

bool KindIsDefault(TBitBtnKind Kind) { return Kind == bkOK || Kind == bkYes; }
bool KindIsCancel(TBitBtnKind Kind) { return Kind == bkCancel || Kind == bkNo; }

constexpr int GlyphSize = 18;
// The glyphs' background: the bottom-left pixel, so it is what shows the face.
constexpr TColor GlyphKey = clOlive;

void Line(TCanvas* C, int X1, int Y1, int X2, int Y2) {
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
}

void Check(TCanvas* C, int Dx) {
  const TPoint p[] = {{3 + Dx, 9}, {7 + Dx, 13}, {14 + Dx, 4}};
  C->Polyline(p, 3);
}

// Draws the kind's picture in 18 x 18 pixels on GlyphKey.
void DrawKindGlyph(TCanvas* C, TBitBtnKind Kind) {
  C->Pen()->SetWidth(3);
  C->Brush()->SetStyle(bsClear);
  switch (Kind) {
    case bkOK:
    case bkYes:
      C->Pen()->SetColor(clGreen);
      Check(C, 0);
      break;
    case bkAll:
      C->Pen()->SetWidth(2);
      C->Pen()->SetColor(clGreen);
      Check(C, -2);
      Check(C, 3);
      break;
    case bkCancel:
      C->Pen()->SetColor(clRed);
      Line(C, 4, 4, 13, 13);
      Line(C, 13, 4, 4, 13);
      break;
    case bkAbort:
      C->Pen()->SetWidth(1);
      C->Pen()->SetColor(clMaroon);
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(clRed);
      C->Ellipse(1, 1, 17, 17);
      C->Pen()->SetWidth(2);
      C->Pen()->SetColor(clWhite);
      Line(C, 6, 6, 12, 12);
      Line(C, 12, 6, 6, 12);
      break;
    case bkNo:
      C->Pen()->SetWidth(2);
      C->Pen()->SetColor(clRed);
      C->Ellipse(2, 2, 16, 16);
      Line(C, 5, 13, 13, 5);
      break;
    case bkHelp:
    case bkRetry:
    case bkIgnore: {
      // A letter in a coloured disc: ?, R, I.
      C->Pen()->SetWidth(1);
      C->Pen()->SetColor(clNavy);
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(Kind == bkHelp ? clBlue : Kind == bkRetry ? clGreen : clTeal);
      C->Ellipse(1, 1, 17, 17);
      C->Brush()->SetStyle(bsClear);
      C->Font()->SetName(L"Arial");
      C->Font()->SetHeight(-12);
      C->Font()->SetStyle(TFontStyles{fsBold});
      C->Font()->SetColor(clWhite);
      const String letter = Kind == bkHelp ? L"?" : Kind == bkRetry ? L"R" : L"I";
      const TSize size = C->TextExtent(letter);
      C->TextOut((GlyphSize - size.cx) / 2, (GlyphSize - size.cy) / 2, letter);
      break;
    }
    case bkClose:
      // An open door.
      C->Pen()->SetWidth(1);
      C->Pen()->SetColor(clBlack);
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(clTeal);
      C->Rectangle(4, 1, 14, 17);
      C->Brush()->SetColor(clYellow);
      C->Rectangle(4, 3, 10, 17);
      break;
    case bkCustom: break;
  }
  C->Pen()->SetWidth(1);
  C->Brush()->SetStyle(bsSolid);
}

}  // namespace

String BitBtnCaption(TBitBtnKind Kind) {
  const TResStringRec* rec = KindInfo[size_t(Kind)].Caption;
  return rec ? LoadResString(rec) : String();
}

TModalResult BitBtnModalResult(TBitBtnKind Kind) { return KindInfo[size_t(Kind)].Result; }

// --- TBitBtn -----------------------------------------------------------------------------
TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {
  FGlyph.OnChange = TNotifyEvent(this, &TBitBtn::GlyphChanged);
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::CreateParams(TCreateParams& Params) {
  TButton::CreateParams(Params);
  Params.Style = (Params.Style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::GlyphChanged(TObject* /*Sender*/) {
  if (!FSettingKind) FModifiedGlyph = true;
  Invalidate();
}

void TBitBtn::SetGlyph(TBitmap* Value) { FGlyph.SetGlyph(Value); }

TBitBtnKind TBitBtn::Kind() const {
  if (FKind == bkCustom) return bkCustom;
  if (KindIsDefault(FKind) != Default() || KindIsCancel(FKind) != Cancel() ||
      ModalResult() != BitBtnModalResult(FKind) || FModifiedGlyph)
    return bkCustom;
  return FKind;
}

void TBitBtn::SetKind(TBitBtnKind Value) {
  if (Value != bkCustom) {
    SetDefault(KindIsDefault(Value));
    SetCancel(KindIsCancel(Value));
    // A caption read from a form stays: it may be a translated one.
    if (!ComponentState().Contains(csLoading) || Caption().empty()) SetCaption(BitBtnCaption(Value));
    SetModalResult(BitBtnModalResult(Value));
    FSettingKind = true;
    try {
      std::unique_ptr<TBitmap> glyph(new TBitmap());
      glyph->SetPixelFormat(pf24bit);
      glyph->SetSize(GlyphSize, GlyphSize);
      glyph->Canvas()->Brush()->SetColor(GlyphKey);
      glyph->Canvas()->FillRect(TRect{0, 0, GlyphSize, GlyphSize});
      DrawKindGlyph(glyph->Canvas(), Value);
      FGlyph.SetGlyph(glyph.get());
      FGlyph.SetNumGlyphs(1);
    } catch (...) {
      FSettingKind = false;
      throw;
    }
    FSettingKind = false;
    FModifiedGlyph = false;
  }
  FKind = Value;
  Invalidate();
}

bool TBitBtn::IsCustomCaption() {
  return FKind == bkCustom || Caption() != BitBtnCaption(FKind);
}

void TBitBtn::SetLayout(TButtonLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TBitBtn::SetMargin(int Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  Invalidate();
}

void TBitBtn::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  Invalidate();
}

void TBitBtn::Click() {
  if (FKind == bkClose) {
    if (TCustomForm* form = GetParentForm(this)) {
      form->Close();
      return;
    }
  }
  TButton::Click();
}

void TBitBtn::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button takes a quick second click as a click, not a double click.
      Message.Msg = WM_LBUTTONDOWN;
      TButton::Dispatch(Message);
      return;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      TButton::Dispatch(Message);
      Invalidate();
      return;
    default: TButton::Dispatch(Message);
  }
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& DrawItemStruct) {
  TCanvas canvas;
  canvas.SetHandle(DrawItemStruct.hDC);
  struct TRelease {
    TCanvas& c;
    ~TRelease() { c.SetHandle(nullptr); }
  } release{canvas};
  canvas.Font()->Assign(Font());
  const bool down = (DrawItemStruct.itemState & ODS_SELECTED) != 0;
  const bool focused = (DrawItemStruct.itemState & ODS_FOCUS) != 0;
  TRect r{DrawItemStruct.rcItem.left, DrawItemStruct.rcItem.top, DrawItemStruct.rcItem.right,
          DrawItemStruct.rcItem.bottom};
  const HDC dc = DrawItemStruct.hDC;
  // The default button (and the focused one) wears a dark outline.
  if (Active() || focused) {
    canvas.Brush()->SetColor(clWindowFrame);
    canvas.FrameRect(r);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }
  if (down) {
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(r);
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect(r);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  } else {
    DrawFrameControl(dc, AsRect(r), DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
  }
  canvas.Refresh();
  TRect content = r;
  if (down) content = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  const TButtonState state = !Enabled() ? bsDisabled : down ? bsDown : bsUp;
  FGlyph.DrawButton(&canvas, content, Caption(), FLayout, FMargin, FSpacing, state);
  if (focused) {
    TRect f{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
    canvas.Brush()->SetColor(clBtnFace);
    DrawFocusRect(dc, AsRect(f));
  }
}

// --- Published properties ----------------------------------------------------------------
VAMIRE_PUBLISHED(TBitBtn,
                 Prop(L"Caption", &TControl::Caption, &TControl::SetCaption).Stored(&TBitBtn::IsCustomCaption),
                 Prop(L"Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph).Stored(&TBitBtn::IsCustomGlyph),
                 Prop(L"Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom),
                 Prop(L"Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft),
                 Prop(L"Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(int64_t(-1)),
                 Prop(L"NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Default(int64_t(1)),
                 Prop(L"Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(int64_t(4)))

namespace {
// The form reader creates these by class name.
void InitButtons() { RegisterClasses({TSpeedButton::StaticClass(), TBitBtn::StaticClass()}); }
void DoneButtons() { UnRegisterClasses({TSpeedButton::StaticClass(), TBitBtn::StaticClass()}); }
}  // namespace

const TUnitEntry ButtonsUnit = {L"Buttons", &InitButtons, &DoneButtons};
