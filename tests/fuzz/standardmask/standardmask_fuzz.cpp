// A standard edit mask (a form file brings it) with texts fitted into it, as
// typed, pasted or read back from a value. Every fitted text has one character
// per position and stays as it is when fitted again; the untouched display text
// strips to the untouched value.
#include "FuzzSupport.h"
#include "SysUtils.h"
#include "cxStandardMask.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 2048) return 0;
  fuzz::TFuzzReader in(data, size);
  // The separators the mask's literals take, the same natively and under Wine.
  FormatSettings().DateSeparator = L'/';
  FormatSettings().TimeSeparator = L':';
  TcxStandardMask mask;
  mask.SetMask(in.Text(256));

  const String empty = mask.EmptyText();
  fuzz::Check(int(empty.size()) == mask.Count(), "the empty text is not one character per position");
  String fitted = empty;
  mask.Fit(fitted, false, true);
  fuzz::Check(fitted == empty, "the untouched text changed when fitted");
  String stripped = empty;
  mask.Strip(stripped);
  fuzz::Check(stripped == mask.EmptyValue(), "the untouched text does not strip to the untouched value");

  while (in.Left() > 0) {
    const uint8_t flags = in.Byte();
    String text = in.Text(256);
    mask.Fit(text, flags & 1, flags & 2);
    fuzz::Check(int(text.size()) == mask.Count(), "a fitted text is not one character per position");
    (void)mask.IsValid(text);
    String value = text;
    mask.Strip(value);
    // A fitted text lines up with the mask: fitted again as displayed, it stays.
    String again = text;
    mask.Fit(again, false, true);
    fuzz::Check(again == text, "a fitted text changed when fitted again");
  }
  return 0;
}
