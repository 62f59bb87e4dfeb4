// String-list texts as ini values, list-box items and form lines bring them:
// Text, CommaText and DelimitedText (any printable delimiter and quote), the
// name=value accessors, sorting and searching. A list written out as text
// must read back to the same items.
#include <memory>

#include "Classes.h"
#include "FuzzSupport.h"
#include "Streams.h"
#include "SysUtils.h"

namespace {

std::vector<String> Items(const TStrings& list) {
  std::vector<String> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
  return items;
}

// Printable, not a blank: what a delimiter or quote is set to in practice.
wchar_t Printable(uint8_t b) { return wchar_t(L'!' + b % (0x7F - L'!')); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  fuzz::TFuzzReader in(data, size);
  const unsigned mode = in.Pick(5);
  const wchar_t delimiter = Printable(in.Byte());
  wchar_t quote = Printable(in.Byte());
  if (quote == delimiter) quote = delimiter == L'"' ? L'\'' : L'"';
  const bool sorted = in.Bool(), caseSensitive = in.Bool();
  const String text = in.Bool() ? fuzz::Wide(in.Data(), in.Left()) : in.Rest();

  TStringList list;
  list.SetDelimiter(delimiter);
  list.SetQuoteChar(quote);
  try {
    switch (mode) {
      case 0: list.SetText(text); break;
      case 1: list.SetCommaText(text); break;
      case 2: list.SetDelimitedText(text); break;
      case 3: {
        TStringStream stream(AnsiString(text.begin(), text.end()));
        list.LoadFromStream(&stream);
        break;
      }
      default: {
        // Items appended one by one, then sorted: every item must be found again.
        list.SetCaseSensitive(caseSensitive);
        list.SetDuplicates(dupAccept);
        list.SetText(text);
        list.SetSorted(sorted);
        if (!sorted) list.Sort();
        for (int i = 0; i + 1 < list.Count(); ++i) {
          const String& a = list.Strings(i);
          const String& b = list.Strings(i + 1);
          fuzz::Check((caseSensitive ? AnsiCompareStr(a, b) : AnsiCompareText(a, b)) <= 0, "sorted list out of order");
        }
        for (int i = 0; i < list.Count(); ++i) {
          int at = -1;
          fuzz::Check(list.Find(list.Strings(i), at), "sorted list does not find its own item");
        }
        break;
      }
    }
  } catch (const Exception&) {
    return 0;
  }
  const std::vector<String> items = Items(list);

  TStringList again;
  again.SetDelimiter(delimiter);
  again.SetQuoteChar(quote);
  again.SetCommaText(list.CommaText());
  fuzz::Check(Items(again) == items, "CommaText does not read back to the same items");
  again.SetDelimitedText(list.DelimitedText());
  fuzz::Check(Items(again) == items, "DelimitedText does not read back to the same items");
  if (mode == 0) {
    again.SetText(list.Text());
    fuzz::Check(Items(again) == items, "Text does not read back to the same items");
  }
  for (int i = 0; i < list.Count(); ++i) {
    const String name = list.Names(i);
    if (!name.empty() && list.IndexOfName(name) == i)
      fuzz::Check(list.Values(name) == list.ValueFromIndex(i), "Values and ValueFromIndex disagree");
  }
  return 0;
}
