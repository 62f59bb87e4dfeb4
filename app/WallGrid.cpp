#include "WallGrid.h"

#include "SysUtils.h"

int WallCellExtent(int panelExtent, int count) {
  if (count < 1) return 0;
  int room = panelExtent - WallGridMargin;
  return room > 0 ? room / count : 0;
}

int LowerPageControlWidth(int windowWidth) { return windowWidth - 410; }

String WallRangeLabel(const TWallSelection& s) {
  return IntToStr(s.SelLeft) + L"," + IntToStr(s.SelTop) + L" - " + IntToStr(s.SelRight) + L"," +
         IntToStr(s.SelBottom);
}

String CellColourKey(int row, int column) { return IntToStr(row) + L"," + IntToStr(column); }

TColor CellFillColour(const String& stored, TColor defaultColour) {
  if (stored.empty()) return defaultColour;
  try {
    return StringToColor(stored);
  } catch (const EConvertError&) {
    // A value the background-colours window never wrote: the cell keeps its
    // plain colour rather than the paint handler failing on every repaint.
    return defaultColour;
  }
}

bool CellKeepsHighlight(bool selected, bool focused, bool fixed) { return selected && !focused && !fixed; }

String SignalTypeName(int index) {
  static const wchar_t* const names[SignalTypeCount] = {L"VIDEO", L"VGA", L"DVI", L"HDMI", L"SDI", L"YUV", L"VIDEO2"};
  return index >= 0 && index < SignalTypeCount ? names[index] : L"";
}

TSignalTypeView SignalTypeView(int index) {
  switch (index) {
    case 0: return {0, false, TBrandFamily::Video};
    case 1: return {1, false, TBrandFamily::Vga};
    case 2: return {2, false, TBrandFamily::Dvi};
    case 3: return {2, false, TBrandFamily::Hdmi};
    case 4: return {2, false, TBrandFamily::Sdi};
    case 5: return {2, false, TBrandFamily::None};
    case 6: return {2, true, TBrandFamily::None};
    default: return {};
  }
}
