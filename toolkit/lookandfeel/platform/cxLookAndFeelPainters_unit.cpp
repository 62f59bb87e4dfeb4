// What the painters share for the life of the unit: the row-marker images, the
// scroll-bar pattern bitmaps, the check-glyph size, the radio-button images
// and the registry of named painters; and the unit's start and end.
#include <algorithm>

#include "SysUtils.h"
#include "cxLookAndFeelPainters_internal.h"
#include "dxCore.h"

namespace {

struct TSharedResources {
  std::unique_ptr<TcxExtendedStylePainters> Registry;
  std::unique_ptr<TcxImageList> RowMarkers;
  std::unique_ptr<TBitmap> Patterns[2];
  HBRUSH PatternBrushes[2] = {};
  std::unique_ptr<TcxRadioButtonImageList> RadioImages;
  TSize CheckGlyph;
  bool Started = false;
};

TSharedResources& Shared() {
  static TSharedResources resources;
  return resources;
}

// The row-marker bitmaps in the order of TcxRowMarkerKind (after rmkNone).
const wchar_t* const kRowMarkerResources[] = {L"CX_ARROWBITMAP",      L"CX_EDITBITMAP",
                                              L"CX_INSERTBITMAP",     L"CX_MULTIDOTBITMAP",
                                              L"CX_MULTIARROWBITMAP", L"CX_FILTERBITMAP"};

std::unique_ptr<TcxImageList> LoadRowMarkerImages() {
  std::unique_ptr<TcxImageList> list;
  for (const wchar_t* name : kRowMarkerResources) {
    TBitmap bitmap;
    HBITMAP handle = LoadBitmapW(GetModuleHandleW(nullptr), name);
    if (!handle) throw EdxException(Format(L"The bitmap resource %s is missing from the program", {String(name)}));
    bitmap.SetHandle(handle);
    // The first bitmap gives the size of them all.
    if (!list) list = std::make_unique<TcxImageList>(nullptr, bitmap.Width(), bitmap.Height());
    list->AddBitmapMasked(&bitmap, clWhite);
  }
  return list;
}

void DeletePatternBrushes() {
  for (HBRUSH& brush : Shared().PatternBrushes) {
    if (brush) DeleteObject(brush);
    brush = nullptr;
  }
}

void PaintPattern(TBitmap* ABitmap, TColor APattern, TColor AOther) {
  const COLORREF pattern = COLORREF(ColorToRGB(APattern)) & 0xFFFFFF, other = COLORREF(ColorToRGB(AOther)) & 0xFFFFFF;
  HDC dc = ABitmap->Canvas()->Handle();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ::SetPixel(dc, x, y, (x % 2) != (y % 2) ? pattern : other);
  ABitmap->SetModified(true);
}

TSize MeasureCheckGlyph() {
  HBITMAP bitmap = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759));  // OBM_CHECKBOXES
  BITMAP data{};
  const bool read = bitmap && GetObjectW(bitmap, sizeof data, &data) == int(sizeof data);
  if (bitmap) DeleteObject(bitmap);
  return read ? TSize{data.bmWidth / 4, data.bmHeight / 3} : TSize{13, 13};
}

}  // namespace

// --- Shared resources -------------------------------------------------------------------------

TSize CheckGlyphSize() { return Shared().Started ? Shared().CheckGlyph : MeasureCheckGlyph(); }

TcxImageList* RowMarkerImages() { return Shared().RowMarkers.get(); }

TBitmap* ScrollBarPatternBitmap(bool APressed) { return Shared().Patterns[APressed ? 1 : 0].get(); }

void RefreshScrollBarPatternBitmaps() {
  if (!Shared().Started) return;
  for (auto& bitmap : Shared().Patterns)
    if (!bitmap) {
      bitmap = std::make_unique<TBitmap>();
      bitmap->SetSize(8, 8);
    }
  PaintPattern(Shared().Patterns[0].get(), clBtnHighlight, clBtnFace);
  PaintPattern(Shared().Patterns[1].get(), cl3DDkShadow, clBlack);
  // Tracks are brushed often: each bitmap's brush is made once with it.
  DeletePatternBrushes();
  for (int i = 0; i < 2; ++i) Shared().PatternBrushes[i] = CreatePatternBrush(Shared().Patterns[i]->Handle());
}

HBRUSH cxpainters::ScrollBarPatternBrush(bool APressed) { return Shared().PatternBrushes[APressed ? 1 : 0]; }

TcxRadioButtonImageList* GetRadioButtonImageList() {
  TSharedResources& shared = Shared();
  if (!shared.RadioImages && !IsFinalizing()) shared.RadioImages = std::make_unique<TcxRadioButtonImageList>();
  return shared.RadioImages.get();
}

void cxLookAndFeelPaintersPaletteChanged() {
  if (TcxRadioButtonImageList* images = Shared().RadioImages.get()) images->Rebuild();
}

void DrawSortTriangle(TcxCustomLookAndFeelPainterClass APainter, TcxCanvas* ACanvas, const TRect& R,
                      TColor ADarkColor, TColor ALightColor, bool AAscending) {
  cxpainters::DrawStroke(ACanvas, SortTriangleStroke(R, APainter->GetSortGlyphSize(), AAscending), ALightColor,
                         ADarkColor);
}

// --- Named painters ---------------------------------------------------------------------------

TcxExtendedStylePainterInfo::TcxExtendedStylePainterInfo(const String& AName,
                                                         TcxCustomLookAndFeelPainterClass APainter, TObject* AInfo)
    : FInfo(AInfo), FName(AName), FPainter(APainter) {}

TcxExtendedStylePainterInfo::~TcxExtendedStylePainterInfo() = default;

TcxExtendedStylePainters::TcxExtendedStylePainters() = default;
TcxExtendedStylePainters::~TcxExtendedStylePainters() = default;

int TcxExtendedStylePainters::IndexOfName(const String& AName) const {
  for (std::size_t i = 0; i < FPainters.size(); ++i)
    if (AnsiSameText(FPainters[i]->Name(), AName)) return int(i);
  return -1;
}

bool TcxExtendedStylePainters::Register(const String& AName, TcxCustomLookAndFeelPainterClass APainter,
                                        TObject* AInfo) {
  if (IndexOfName(AName) >= 0) return false;
  FPainters.push_back(std::make_unique<TcxExtendedStylePainterInfo>(AName, APainter, AInfo));
  std::stable_sort(FPainters.begin(), FPainters.end(), [](const auto& a, const auto& b) {
    return AnsiCompareStr(a->Name(), b->Name()) < 0;
  });
  NotifyListeners(APainter);
  return true;
}

bool TcxExtendedStylePainters::Unregister(const String& AName) {
  const int index = IndexOfName(AName);
  if (index < 0) return false;
  // Out of the list before anyone hears of it, so a listener looking the name up finds nothing.
  std::unique_ptr<TcxExtendedStylePainterInfo> entry = std::move(FPainters[std::size_t(index)]);
  FPainters.erase(FPainters.begin() + index);
  NotifyListeners(entry->Painter());
  return true;
}

bool TcxExtendedStylePainters::FindPainterByName(const String& AName,
                                                 TcxCustomLookAndFeelPainterClass& APainter) const {
  const int index = IndexOfName(AName);
  if (index < 0) return false;
  APainter = FPainters[std::size_t(index)]->Painter();
  return true;
}

bool TcxExtendedStylePainters::GetNameByPainter(TcxCustomLookAndFeelPainterClass APainter, String& AName) const {
  AName.clear();
  for (const auto& entry : FPainters)
    if (entry->Painter() == APainter) {
      AName = entry->Name();
      return true;
    }
  return false;
}

bool TcxExtendedStylePainters::GetInfoByPainter(TcxCustomLookAndFeelPainterClass APainter, TObject*& AInfo) const {
  AInfo = nullptr;
  for (const auto& entry : FPainters)
    if (entry->Painter() == APainter) {
      AInfo = entry->Info();
      return true;
    }
  return false;
}

const String& TcxExtendedStylePainters::Names(int AIndex) const { return FPainters.at(std::size_t(AIndex))->Name(); }

TcxCustomLookAndFeelPainterClass TcxExtendedStylePainters::Painters(int AIndex) const {
  return FPainters.at(std::size_t(AIndex))->Painter();
}

void TcxExtendedStylePainters::AttachListener(IcxExtendedStylePaintersListener* AListener) {
  if (AListener && std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
    FListeners.push_back(AListener);
}

void TcxExtendedStylePainters::DetachListener(IcxExtendedStylePaintersListener* AListener) {
  FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), AListener), FListeners.end());
}

void TcxExtendedStylePainters::NotifyListeners(TcxCustomLookAndFeelPainterClass APainter) {
  const std::vector<IcxExtendedStylePaintersListener*> snapshot = FListeners;
  for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
    if (std::find(FListeners.begin(), FListeners.end(), *it) != FListeners.end()) (*it)->PainterChanged(APainter);
}

TcxExtendedStylePainters* ExtendedStylePainterRegistry() { return Shared().Registry.get(); }

// --- Unit -------------------------------------------------------------------------------------

void cxLookAndFeelPainters_Initialize() {
  TSharedResources& shared = Shared();
  shared.Registry = std::make_unique<TcxExtendedStylePainters>();
  shared.RowMarkers = LoadRowMarkerImages();
  shared.Started = true;
  RefreshScrollBarPatternBitmaps();
  shared.CheckGlyph = MeasureCheckGlyph();
}

void cxLookAndFeelPainters_Finalize() {
  TSharedResources& shared = Shared();
  shared.Started = false;
  DeletePatternBrushes();
  for (auto& bitmap : shared.Patterns) bitmap.reset();
  shared.RowMarkers.reset();
  shared.RadioImages.reset();
  shared.Registry.reset();
}

const TUnitEntry cxLookAndFeelPaintersUnit{L"cxLookAndFeelPainters", &cxLookAndFeelPainters_Initialize,
                                           &cxLookAndFeelPainters_Finalize};
