// Fonts, brushes and pens. Equal objects share one resource (its data and
// one GDI handle); a change moves the object to the resource of its new data,
// after its users were told (so a canvas deselects the old handle before the
// last user's release deletes it).
#include <algorithm>
#include <atomic>
#include <vector>

#include "Graphics.h"

const TResStringRec SInvalidBitmap = {L"SInvalidBitmap", L"Bitmap image is not valid"};
const TResStringRec SInvalidIcon = {L"SInvalidIcon", L"Icon image is not valid"};
const TResStringRec SUnknownExtension = {L"SUnknownExtension", L"Unknown picture file extension (.%s)"};
const TResStringRec SNoCanvasHandle = {L"SNoCanvasHandle", L"Canvas does not allow drawing"};
const TResStringRec SScanLine = {L"SScanLine", L"Scan line index out of range"};
const TResStringRec SChangeIconSize = {L"SChangeIconSize", L"Cannot change the size of an icon"};
const TResStringRec SInvalidPixelFormat = {L"SInvalidPixelFormat", L"Invalid pixel format"};
const TResStringRec SOutOfResources = {L"SOutOfResources", L"Out of system resources"};
const TResStringRec SUnknownClipboardFormat = {L"SUnknownClipboardFormat", L"Unsupported clipboard format"};

namespace {
TColor SystemSysColor(int index) { return TColor(GetSysColor(index)); }
std::atomic<TSysColorReader> GSysColorReader{&SystemSysColor};
}  // namespace

TColor ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GSysColorReader.load(std::memory_order_relaxed)(color & 0xFF);
  return color;
}

TSysColorReader SetSysColorReader(TSysColorReader reader) {
  return GSysColorReader.exchange(reader ? reader : &SystemSysColor);
}

int ScreenLogPixels() {
  static const int pixels = [] {
    HDC dc = GetDC(nullptr);
    int v = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
  }();
  return pixels;
}

namespace {

const int kPenModes[] = {R2_BLACK,       R2_WHITE,       R2_NOP,        R2_NOT,
                         R2_COPYPEN,     R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT,
                         R2_MERGENOTPEN, R2_MASKNOTPEN,  R2_MERGEPEN,   R2_NOTMERGEPEN,
                         R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,     R2_NOTXORPEN};

// GDI takes 24-bit values; the flag bits a runtime colour may carry are not GDI's.
COLORREF GdiColor(TColor color) { return COLORREF(ColorToRGB(color)) & 0x00FFFFFFu; }

}  // namespace

int PenModeToROP2(TPenMode mode) { return kPenModes[mode]; }

bool ROP2ToPenMode(int rop2, TPenMode& mode) {
  for (int i = 0; i < int(std::size(kPenModes)); ++i)
    if (kPenModes[i] == rop2) {
      mode = TPenMode(i);
      return true;
    }
  return false;
}

// --- Shared resources ---------------------------------------------------------------------
namespace vamire_graphics {

enum class TKind { Font, Brush, Pen };

struct TFontData {
  int Height;
  TFontPitch Pitch;
  TFontStyles Style;
  TFontCharset Charset;
  String Name;
  bool operator==(const TFontData&) const = default;
};
// A system colour's value counts too, so a brush or pen asked for after the
// system colours changed is made anew rather than shared with a stale one.
struct TBrushData {
  TColor Color;
  TBitmap* Bitmap;
  TBrushStyle Style;
  TColor Rgb = 0;
  bool operator==(const TBrushData&) const = default;
};
struct TPenData {
  TColor Color;
  int Width;
  TPenStyle Style;
  TColor Rgb = 0;
  bool operator==(const TPenData&) const = default;
};

struct TResource {
  TKind Kind;
  TFontData Font{};
  TBrushData Brush{};
  TPenData Pen{};
  HGDIOBJ Handle = nullptr;
  bool Given = false;  // a handle from outside: never shared by value
  int RefCount = 1;

  bool SameData(const TResource& o) const {
    if (Kind != o.Kind || Given || o.Given) return false;
    switch (Kind) {
      case TKind::Font: return Font == o.Font;
      case TKind::Brush: return Brush == o.Brush;
      case TKind::Pen: return Pen == o.Pen;
    }
    return false;
  }
};

namespace {

std::mutex& ResourceMutex() {
  static std::mutex m;
  return m;
}
std::vector<TResource*>& Resources() {
  static std::vector<TResource*> list;
  return list;
}

TResource* Acquire(TResource wanted) {
  if (wanted.Kind == TKind::Brush) wanted.Brush.Rgb = ColorToRGB(wanted.Brush.Color);
  if (wanted.Kind == TKind::Pen) wanted.Pen.Rgb = ColorToRGB(wanted.Pen.Color);
  std::lock_guard<std::mutex> lock(ResourceMutex());
  auto& list = Resources();
  if (!wanted.Given)
    for (TResource* r : list)
      if (r->SameData(wanted)) {
        ++r->RefCount;
        return r;
      }
  auto* r = new TResource(wanted);
  r->RefCount = 1;
  list.push_back(r);
  return r;
}

void Release(TResource* r) {
  if (!r) return;
  std::lock_guard<std::mutex> lock(ResourceMutex());
  if (--r->RefCount > 0) return;
  auto& list = Resources();
  list.erase(std::find(list.begin(), list.end(), r));
  if (r->Handle) DeleteObject(r->Handle);
  delete r;
}

void Share(TResource* r) {
  std::lock_guard<std::mutex> lock(ResourceMutex());
  ++r->RefCount;
}

HGDIOBJ MakeHandle(TResource& r) {
  switch (r.Kind) {
    case TKind::Font: {
      LOGFONTW lf{};
      lf.lfHeight = r.Font.Height;
      lf.lfWeight = r.Font.Style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
      lf.lfItalic = r.Font.Style.Contains(fsItalic);
      lf.lfUnderline = r.Font.Style.Contains(fsUnderline);
      lf.lfStrikeOut = r.Font.Style.Contains(fsStrikeOut);
      lf.lfCharSet = r.Font.Charset;
      lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
      lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
      lf.lfQuality = DEFAULT_QUALITY;
      lf.lfPitchAndFamily = r.Font.Pitch == fpVariable ? VARIABLE_PITCH
                            : r.Font.Pitch == fpFixed  ? FIXED_PITCH
                                                       : DEFAULT_PITCH;
      r.Font.Name.copy(lf.lfFaceName, LF_FACESIZE - 1);
      return CreateFontIndirectW(&lf);
    }
    case TKind::Brush: {
      if (r.Brush.Bitmap) return CreatePatternBrush(r.Brush.Bitmap->Handle());
      LOGBRUSH lb{};
      lb.lbColor = GdiColor(r.Brush.Color);
      if (r.Brush.Style == bsSolid) {
        lb.lbStyle = BS_SOLID;
      } else if (r.Brush.Style == bsClear) {
        lb.lbStyle = BS_HOLLOW;
      } else {
        lb.lbStyle = BS_HATCHED;
        lb.lbHatch = ULONG_PTR(r.Brush.Style - bsHorizontal);  // HS_HORIZONTAL .. HS_DIAGCROSS
      }
      return CreateBrushIndirect(&lb);
    }
    case TKind::Pen: {
      LOGPEN lp{};
      lp.lopnStyle = UINT(r.Pen.Style);  // PS_SOLID .. PS_INSIDEFRAME in the same order
      lp.lopnWidth.x = r.Pen.Width;
      lp.lopnColor = GdiColor(r.Pen.Color);
      return CreatePenIndirect(&lp);
    }
  }
  return nullptr;
}

HGDIOBJ HandleOf(TResource* r) {
  // The bitmap of a pattern brush may need its own handle made first, which
  // must not happen under the resource lock.
  if (r->Kind == TKind::Brush && r->Brush.Bitmap && !r->Handle) r->Brush.Bitmap->Handle();
  std::lock_guard<std::mutex> lock(ResourceMutex());
  if (!r->Handle) {
    r->Handle = MakeHandle(*r);
    if (!r->Handle) throw EOutOfResources(LoadResString(&SOutOfResources));
  }
  return r->Handle;
}

TFontData DefaultFontData() {
  return TFontData{-MulDiv(8, ScreenLogPixels(), 72), fpDefault, TFontStyles{}, DEFAULT_CHARSET, L"MS Sans Serif"};
}

}  // namespace
}  // namespace vamire_graphics

using namespace vamire_graphics;

// --- TGraphicsObject ----------------------------------------------------------------------
TGraphicsObject::~TGraphicsObject() { Release(FResource); }

bool TGraphicsObject::HandleAllocated() const { return FResource && FResource->Handle; }

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

namespace vamire_graphics {

// Reaches the protected members of the graphics objects for the helpers below.
struct TResourceAccess {
  static void Notify(TGraphicsObject& o) { o.Changed(); }
  static TResource*& Res(TGraphicsObject& o) { return o.FResource; }
};

}  // namespace vamire_graphics

namespace {

// Moves obj to the resource of `wanted`; users hear of it before the old
// resource may go.
void Update(TGraphicsObject& obj, const TResource& wanted) {
  TResource*& field = TResourceAccess::Res(obj);
  TResource* old = field;
  field = Acquire(wanted);
  if (field != old) TResourceAccess::Notify(obj);
  Release(old);
}

// Shares source's resource. Users hear once when that or `otherChange` changed
// anything.
void ShareFrom(TGraphicsObject& obj, TGraphicsObject& source, bool otherChange) {
  TResource*& mine = TResourceAccess::Res(obj);
  TResource* theirs = TResourceAccess::Res(source);
  TResource* old = mine;
  if (mine != theirs) {
    Share(theirs);
    mine = theirs;
  }
  if (old != theirs || otherChange) TResourceAccess::Notify(obj);
  if (old != theirs) Release(old);
}

}  // namespace

// --- TFont --------------------------------------------------------------------------------
TFont::TFont() : FPixelsPerInch(ScreenLogPixels()) {
  TResource r{TKind::Font};
  r.Font = DefaultFontData();
  FResource = Acquire(r);
}

void TFont::Assign(TPersistent* Source) {
  if (auto* f = dynamic_cast<TFont*>(Source)) {
    bool colorChanged = FColor != f->FColor;
    FColor = f->FColor;
    ShareFrom(*this, *f, colorChanged);
    if (FPixelsPerInch != f->FPixelsPerInch) SetSize(f->Size());
    return;
  }
  inherited::Assign(Source);
}

HFONT TFont::Handle() { return HFONT(HandleOf(FResource)); }

void TFont::SetHandle(HFONT Value) {
  TResource r{TKind::Font};
  r.Font = DefaultFontData();
  LOGFONTW lf{};
  if (Value && GetObjectW(Value, sizeof lf, &lf) == int(sizeof lf)) {
    r.Font.Height = lf.lfHeight;
    r.Font.Style = TFontStyles{};
    if (lf.lfWeight >= FW_BOLD) r.Font.Style.Include(fsBold);
    if (lf.lfItalic) r.Font.Style.Include(fsItalic);
    if (lf.lfUnderline) r.Font.Style.Include(fsUnderline);
    if (lf.lfStrikeOut) r.Font.Style.Include(fsStrikeOut);
    r.Font.Charset = lf.lfCharSet;
    r.Font.Pitch = (lf.lfPitchAndFamily & 3) == VARIABLE_PITCH ? fpVariable
                   : (lf.lfPitchAndFamily & 3) == FIXED_PITCH  ? fpFixed
                                                               : fpDefault;
    r.Font.Name = lf.lfFaceName;
  }
  r.Handle = Value;
  r.Given = Value != nullptr;
  Update(*this, r);
}

String TFont::Name() const { return FResource->Font.Name; }
int TFont::Height() const { return FResource->Font.Height; }
int TFont::Size() const { return -MulDiv(Height(), 72, FPixelsPerInch); }
TFontStyles TFont::Style() const { return FResource->Font.Style; }
TFontCharset TFont::Charset() const { return FResource->Font.Charset; }
TFontPitch TFont::Pitch() const { return FResource->Font.Pitch; }

namespace {
template <class F>
void ChangeFont(TFont& font, TResource* current, F edit) {
  TResource r{TKind::Font};
  r.Font = current->Font;
  edit(r.Font);
  if (!current->Given && r.Font == current->Font) return;
  Update(font, r);
}
}  // namespace

void TFont::SetName(const String& Value) {
  if (Value.empty()) return;
  ChangeFont(*this, FResource, [&](TFontData& d) { d.Name = Value.substr(0, LF_FACESIZE - 1); });
}
void TFont::SetHeight(int Value) {
  ChangeFont(*this, FResource, [&](TFontData& d) { d.Height = Value; });
}
void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }
void TFont::SetStyle(TFontStyles Value) {
  ChangeFont(*this, FResource, [&](TFontData& d) { d.Style = Value; });
}
void TFont::SetCharset(TFontCharset Value) {
  ChangeFont(*this, FResource, [&](TFontData& d) { d.Charset = Value; });
}
void TFont::SetPitch(TFontPitch Value) {
  ChangeFont(*this, FResource, [&](TFontData& d) { d.Pitch = Value; });
}
void TFont::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

// --- TBrush -------------------------------------------------------------------------------
TBrush::TBrush() {
  TResource r{TKind::Brush};
  r.Brush = TBrushData{clWhite, nullptr, bsSolid};
  FResource = Acquire(r);
}

void TBrush::Assign(TPersistent* Source) {
  if (auto* b = dynamic_cast<TBrush*>(Source)) {
    ShareFrom(*this, *b, false);
    return;
  }
  inherited::Assign(Source);
}

HBRUSH TBrush::Handle() { return HBRUSH(HandleOf(FResource)); }

void TBrush::SetHandle(HBRUSH Value) {
  TResource r{TKind::Brush};
  r.Brush = TBrushData{clWhite, nullptr, bsSolid};
  LOGBRUSH lb{};
  if (Value && GetObjectW(Value, sizeof lb, &lb) == int(sizeof lb)) {
    r.Brush.Color = TColor(lb.lbColor);
    if (lb.lbStyle == BS_HOLLOW) r.Brush.Style = bsClear;
    else if (lb.lbStyle == BS_HATCHED && lb.lbHatch <= HS_DIAGCROSS) r.Brush.Style = TBrushStyle(bsHorizontal + int(lb.lbHatch));
  }
  r.Handle = Value;
  r.Given = Value != nullptr;
  Update(*this, r);
}

TColor TBrush::Color() const { return FResource->Brush.Color; }
TBrushStyle TBrush::Style() const { return FResource->Brush.Style; }
TBitmap* TBrush::Bitmap() const { return FResource->Brush.Bitmap; }

namespace {
template <class F>
void ChangeBrush(TBrush& brush, TResource* current, F edit) {
  TResource r{TKind::Brush};
  r.Brush = current->Brush;
  edit(r.Brush);
  if (!current->Given && r.Brush == current->Brush) return;
  Update(brush, r);
}
template <class F>
void ChangePen(TPen& pen, TResource* current, F edit) {
  TResource r{TKind::Pen};
  r.Pen = current->Pen;
  edit(r.Pen);
  if (!current->Given && r.Pen == current->Pen) return;
  Update(pen, r);
}
}  // namespace

void TBrush::SetColor(TColor Value) {
  ChangeBrush(*this, FResource, [&](TBrushData& d) {
    d.Color = Value;
    if (d.Style == bsClear) d.Style = bsSolid;
  });
}
void TBrush::SetStyle(TBrushStyle Value) {
  ChangeBrush(*this, FResource, [&](TBrushData& d) { d.Style = Value; });
}
void TBrush::SetBitmap(TBitmap* Value) {
  ChangeBrush(*this, FResource, [&](TBrushData& d) { d.Bitmap = Value; });
}

// --- TPen ---------------------------------------------------------------------------------
TPen::TPen() {
  TResource r{TKind::Pen};
  r.Pen = TPenData{clBlack, 1, psSolid};
  FResource = Acquire(r);
}

void TPen::Assign(TPersistent* Source) {
  if (auto* p = dynamic_cast<TPen*>(Source)) {
    bool modeChanged = FMode != p->FMode;
    FMode = p->FMode;
    ShareFrom(*this, *p, modeChanged);
    return;
  }
  inherited::Assign(Source);
}

HPEN TPen::Handle() { return HPEN(HandleOf(FResource)); }

void TPen::SetHandle(HPEN Value) {
  TResource r{TKind::Pen};
  r.Pen = TPenData{clBlack, 1, psSolid};
  LOGPEN lp{};
  if (Value && GetObjectW(Value, sizeof lp, &lp) == int(sizeof lp)) {
    r.Pen.Color = TColor(lp.lopnColor);
    r.Pen.Width = lp.lopnWidth.x;
    if (lp.lopnStyle <= PS_INSIDEFRAME) r.Pen.Style = TPenStyle(lp.lopnStyle);
  }
  r.Handle = Value;
  r.Given = Value != nullptr;
  Update(*this, r);
}

TColor TPen::Color() const { return FResource->Pen.Color; }
int TPen::Width() const { return FResource->Pen.Width; }
TPenStyle TPen::Style() const { return FResource->Pen.Style; }

void TPen::SetColor(TColor Value) {
  ChangePen(*this, FResource, [&](TPenData& d) { d.Color = Value; });
}
void TPen::SetWidth(int Value) {
  if (Value < 0) return;
  ChangePen(*this, FResource, [&](TPenData& d) { d.Width = Value; });
}
void TPen::SetStyle(TPenStyle Value) {
  ChangePen(*this, FResource, [&](TPenData& d) { d.Style = Value; });
}
void TPen::SetMode(TPenMode Value) {
  if (FMode == Value) return;
  FMode = Value;
  Changed();
}
