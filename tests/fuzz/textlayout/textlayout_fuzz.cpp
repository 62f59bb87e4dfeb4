// The toolkit's row maker on any text, flags, rectangle and row limit, with a
// table of character widths: rows lie in the text in order without overlap,
// keep to the row limit, never start with a mark that may not start a row
// after a word (unless words are cut), and are placed without overflow.
#include <algorithm>

#include "FuzzSupport.h"
#include "cxDrawTextUtils.h"

namespace {

class TTableMeasurer : public TcxTextMeasurer {
 public:
  TSize CalcTextExtent(const wchar_t* AText, int ALength, bool AExpandTabs) override {
    int width = 0;
    for (int i = 0; i < ALength; ++i) {
      const unsigned c = unsigned(AText[i]);
      if (c == L'\t' && AExpandTabs) width = (width / 48 + 1) * 48;
      else width += c < 128 ? 1 + int(c % 7) : 12;
    }
    return TSize{width, 16};
  }
};

bool IsGap(wchar_t C) { return C == L' ' || C == L'\t' || C == L'\r' || C == L'\n'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  fuzz::TFuzzReader in(data, size);
  const TcxTextLayoutFlags flags = in.Int<uint32_t>();
  const TRect r{in.Int<int16_t>(), in.Int<int16_t>(), in.Int<int16_t>(), in.Int<int16_t>()};
  const int maxRows = int(in.Byte()) - 8;
  const TcxTextMetrics metrics{int(in.Byte()), int(in.Byte() % 8), 400, L' ', 12, 134};
  const double factor = 0.5 + in.Byte() / 64.0;
  const bool farEast = in.Bool();
  const String text = fuzz::Wide(in.Data(), in.Left());
  const int length = int(text.size());

  TcxTextParams params;
  InitTextParamsFromMetrics(metrics, flags, factor, 9, 1, 6, farEast, params);
  TTableMeasurer measurer;
  TcxTextRows rows;
  int count = -1;
  BuildTextRows(measurer, text.c_str(), length, maxRows, count, rows, params, r);
  fuzz::Check(count == GetTextRowCount(rows), "the row count differs from the record's");
  fuzz::Check(count >= 0 && (maxRows <= 0 || count <= maxRows), "more rows than the limit");
  fuzz::Check(length > 0 || count == 0, "rows of an empty text");
  const bool wordsWhole = !params.CharBreak && !params.EditControl;
  int end = 0;
  for (int i = 0; i < count; ++i) {
    const TcxTextRow& row = GetTextRow(rows, i);
    fuzz::Check(row.StartOffset >= end && row.TextLength >= 0 && row.StartOffset + row.TextLength <= length,
                "a row outside the text or over the one before");
    fuzz::Check(row.Text == text.c_str() + row.StartOffset, "a row points elsewhere than its start");
    fuzz::Check(i == 0 || row.StartOffset > GetTextRow(rows, i - 1).StartOffset, "a row that does not move on");
    if (i > 0 && wordsWhole && row.TextLength > 0 && row.StartOffset > 0 && !IsGap(text[std::size_t(row.StartOffset - 1)]))
      fuzz::Check(!CannotStartLine(row.Text[0]), "a closing mark starts a row");
    end = row.StartOffset + row.TextLength;
  }
  PositionTextRows(r, params, count, rows);
  for (int i = 1; i < count; ++i)
    if (params.RowPitch > 0)
      fuzz::Check(GetTextRow(rows, i).TextOriginY >= GetTextRow(rows, i - 1).TextOriginY, "rows placed upwards");
  const int widest = GetWidestRowWidth(rows, count);
  for (int i = 0; i < count; ++i) fuzz::Check(GetTextRow(rows, i).TextWidth <= widest, "a row wider than the widest");
  const int fit = FitTextLength(measurer, text.c_str(), length, params.ExpandTabs, r.Right - r.Left);
  fuzz::Check(fit >= std::min(length, 1) && fit <= length, "a fit outside the text");
  const TRect prepared = PrepareTextRect(r, params, 3, 4);
  fuzz::Check(UnprepareTextRect(prepared, params, 3, 4) == r, "preparing the rectangle does not undo");
  ClearTextRows(rows);
  return 0;
}
