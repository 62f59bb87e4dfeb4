// Numbers as typed by an operator or stored in cfg.ini: integers, floats and
// currency texts, booleans, and the format routines with patterns and
// arguments from outside. What a parser accepts must print back to a text it
// reads as the same value (exactly, for integers and currency).
#include <cmath>
#include <cstring>

#include "FuzzSupport.h"
#include "SysUtils.h"

namespace {

double AnyDouble(fuzz::TFuzzReader& in) {
  const uint64_t bits = in.Int<uint64_t>();
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1024) return 0;
  fuzz::TFuzzReader in(data, size);
  const unsigned mode = in.Pick(8);
  const TFormatSettings settings = fuzz::FormatSettingsFrom(in);
  try {
    switch (mode) {
      case 0: {
        const String s = in.Rest();
        int32_t v = 0;
        const bool ok = TryStrToInt(s, v);
        fuzz::Check(StrToIntDef(s, ok ? v ^ 1 : 7) == (ok ? v : 7), "TryStrToInt and StrToIntDef disagree");
        if (ok) fuzz::Check(StrToInt(IntToStr(v)) == v, "an integer does not read back");
        int64_t w = 0;
        if (TryStrToInt64(s, w)) fuzz::Check(StrToInt64(IntToStr(w)) == w, "a 64-bit integer does not read back");
        break;
      }
      case 1: {
        const String s = in.Rest();
        double v = 0;
        if (TryStrToFloat(s, v, settings) && std::isfinite(v)) {
          double back = 0;
          fuzz::Check(TryStrToFloat(FloatToStr(v, settings), back, settings), "a float does not print as a float");
        }
        break;
      }
      case 2: {
        const String s = in.Rest();
        Currency c;
        if (TryStrToCurr(s, c, settings)) {
          Currency back;
          fuzz::Check(TryStrToCurr(CurrToStr(c, settings), back, settings) && back == c,
                      "a currency value does not read back exactly");
        }
        break;
      }
      case 3: {
        const double v = AnyDouble(in);
        FormatFloat(in.Rest(), v, settings);
        break;
      }
      case 4: {
        const double v = AnyDouble(in);
        const TFloatFormat format = TFloatFormat(in.Pick(5));
        const int precision = int(in.Int<int8_t>()), digits = int(in.Int<int8_t>());
        const String s = FloatToStrF(v, format, precision, digits, settings);
        double back = 0;
        if (std::isfinite(v) && format != ffCurrency)
          fuzz::Check(TryStrToFloat(s, back, settings) || s.find(L'E') != String::npos || format == ffNumber,
                      "FloatToStrF writes what StrToFloat refuses");
        break;
      }
      case 5: {
        // A pattern from outside with one argument of each kind.
        const int64_t i = in.Int<int64_t>();
        const double d = AnyDouble(in);
        const String text = in.Text(16);
        const Currency c = Currency::FromScaled(in.Int<int64_t>());
        const TVarRec args[] = {TVarRec(int(i)), TVarRec(i), TVarRec(d), TVarRec(text), TVarRec(c), TVarRec(wchar_t(i))};
        Format(in.Rest(), args, sizeof args / sizeof *args, settings);
        break;
      }
      case 6: {
        bool b = false;
        const String s = in.Rest();
        if (TryStrToBool(s, b)) fuzz::Check(StrToBool(BoolToStr(b, s.size() % 2)) == b, "a boolean does not read back");
        break;
      }
      default: {
        const double v = AnyDouble(in);
        Round(v);
        Trunc(v);
        Currency::FromDouble(v);
        break;
      }
    }
  } catch (const Exception&) {
  }
  return 0;
}
