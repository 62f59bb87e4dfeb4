// Text typed into a text editor on its way to a value and back to display
// text: numbers read with the locale's separator and written with a format, a
// precision or the currency decimals, the case and password transforms, and a
// fixed list's check. What is written back as a number must read as one again,
// the general form must be stable, and a password shows one mark per character.
#include <cmath>

#include "FuzzSupport.h"
#include "cxTextEdit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 512) return 0;
  fuzz::TFuzzReader in(data, size);
  const unsigned mode = in.Pick(4);
  const TFormatSettings settings = fuzz::FormatSettingsFrom(in);
  TcxNumberDisplayParams params;
  params.Editing = in.Bool();
  params.IsCurrency = in.Bool();
  params.Precision = int(in.Int<int8_t>());
  try {
    switch (mode) {
      case 0: {
        // General form while editing: written back, read again, written the same.
        params.IsCurrency = false;
        params.Editing = true;
        const String text = in.Rest();
        String shown;
        if (NumberTextToDisplayText(text, params, settings, shown)) {
          String again;
          fuzz::Check(NumberTextToDisplayText(shown, params, settings, again), "a shown number does not read back");
          fuzz::Check(again == shown, "the general form of a number is not stable");
        }
        break;
      }
      case 1: {
        // Any format, from outside too: no crash, and the plain text survives a non-number.
        const String format = in.Text(40);
        params.EditFormat = format;
        params.DisplayFormat = format;
        const String text = in.Rest();
        const String shown = NumericDisplayText(Variant(text), params, settings);
        double value = 0;
        if (!TryStrToFloat(text, value, settings) || !std::isfinite(value))
          fuzz::Check(shown == text, "a text that is no number was changed");
        break;
      }
      case 2: {
        const wchar_t passwordChar = wchar_t(in.Int<uint16_t>());
        const int charCase = int(in.Pick(3));
        const TcxEditEchoMode echo = in.Bool() ? eemPassword : eemNormal;
        const String text = fuzz::Wide(in.Data(), in.Left());
        const String shown = TransformDisplayText(text, echo, passwordChar, charCase);
        if (echo == eemPassword) {
          fuzz::Check(shown.size() == text.size(), "a password shows a mark per character");
          fuzz::Check(shown.find_first_not_of(passwordChar ? passwordChar : L'*') == String::npos,
                      "a password shows only its mark");
        } else {
          fuzz::Check(ApplyCharCase(shown, charCase) == shown, "the case conversion is not stable");
        }
        break;
      }
      case 3: {
        // A fixed list: what it accepts is an item or empty, in the asked case.
        std::vector<String> items;
        for (unsigned n = in.Pick(6); n > 0; --n) items.push_back(in.Text(12));
        const TcxTextEditingStyle style = TcxTextEditingStyle(in.Pick(4));
        const int charCase = int(in.Pick(3));
        String text = in.Rest();
        const String typed = text;
        if (IsFixedListTextValid(text, style, true, items, charCase)) {
          if (!typed.empty() && (style == tesCompleteFromList || style == tesPickFromList))
            fuzz::Check(IsLookupItemText(typed, items), "a list style accepted a text that is no item");
          fuzz::Check(text == ApplyCharCase(typed, charCase), "an accepted text is not in the asked case");
        } else {
          fuzz::Check(text == typed, "a refused text was changed");
        }
        break;
      }
    }
  } catch (const EConvertError&) {
    // A format from outside may be refused with the format routine's error.
  }
  return 0;
}
