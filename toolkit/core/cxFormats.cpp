#include "cxFormats.h"

#include <algorithm>

#include "SysUtils.h"
#include "cxDateUtils.h"

namespace {

TcxFormatController* GController = nullptr;

String DefaultLocaleTimeFormat() { return FormatSettings().LongTimeFormat; }
void DefaultSetThreadLocale(uint32_t) {}
void DefaultReadFormatSettings() { GetFormatSettings(); }

const TcxFormatLocaleReaders GDefaultReaders{&DefaultLocaleTimeFormat, &DefaultSetThreadLocale,
                                             &DefaultReadFormatSettings};
const TcxFormatLocaleReaders* GReaders = &GDefaultReaders;
const TcxFormatControllerWindowHooks* GWindowHooks = nullptr;

bool StartsWithText(const String& s, size_t at, const wchar_t* text) {
  for (size_t k = 0; text[k]; ++k)
    if (at + k >= s.size() || AsciiUpper(s[at + k]) != text[k]) return false;
  return true;
}

// Text for a mask: runs without "'" in quotes, every "'" as "\'".
String QuoteForMask(const String& text) {
  String r;
  bool open = false;
  for (wchar_t c : text) {
    if (c == L'\'') {
      if (open) r += L'\'';
      open = false;
      r += L"\\'";
    } else {
      if (!open) r += L'\'';
      open = true;
      r += c;
    }
  }
  if (open) r += L'\'';
  return r;
}

// --- Parsing ----------------------------------------------------------------------------

class TFormatParser {
 public:
  // False when the format (or one nested in it) holds "G".
  bool Parse(const String& AFormat, int ALevel);
  void Finish(TcxDateTimeFormatInfo& AInfo);

 private:
  void Add(TcxDateTimeFormatItemKind AKind, const String& AData = String());

  std::vector<TcxDateTimeFormatItem> FItems;
  bool FAmPmSeen = false;
};

void TFormatParser::Add(TcxDateTimeFormatItemKind AKind, const String& AData) {
  if (AKind == dtikLiteral) {
    if (!FItems.empty() && FItems.back().Kind == dtikLiteral) FItems.back().Data += AData;
    else FItems.push_back({AKind, AData});
    return;
  }
  // Only the first year, month, day ... stays; separators always do.
  if (AKind != dtikDateSeparator && AKind != dtikTimeSeparator)
    for (const auto& item : FItems)
      if (item.Kind == AKind) return;
  FItems.push_back({AKind, AData});
}

bool TFormatParser::Parse(const String& AFormat, int ALevel) {
  // Nested patterns go two levels deep; a third adds nothing.
  if (ALevel >= 2) return true;
  const TFormatSettings& fs = FormatSettings();
  const String f = AFormat.empty() ? String(L"C") : AFormat;
  wchar_t last = 0;
  for (size_t i = 0; i < f.size();) {
    const wchar_t c = f[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < f.size()) {  // both halves of a pair are text
      Add(dtikLiteral, f.substr(i, 2));
      i += 2;
      continue;
    }
    if (c == L'\'' || c == L'"') {
      size_t end = f.find(c, i + 1);
      if (end == String::npos) end = f.size();
      if (end > i + 1) Add(dtikLiteral, f.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    if (c == L'/' || c == L':') {
      Add(c == L'/' ? dtikDateSeparator : dtikTimeSeparator);
      ++i;
      continue;
    }
    wchar_t token = AsciiUpper(c);
    if (!IsAsciiLetter(token)) {
      Add(dtikLiteral, String(1, c));
      ++i;
      continue;
    }
    if (token == L'M' && last == L'H') token = L'N';
    last = token;
    if (token == L'A') {
      size_t n = 1;
      if (StartsWithText(f, i, L"AM/PM") || StartsWithText(f, i, L"A/P")) {
        n = f[i + 1] == L'/' ? 3 : 5;
        Add(dtikAmPm, f.substr(i, n));  // as written
        FAmPmSeen = true;
      } else if (StartsWithText(f, i, L"AMPM")) {
        n = 4;
        Add(dtikAmPm, L"AMPM");
        FAmPmSeen = true;
      } else if (StartsWithText(f, i, L"AAAA") || StartsWithText(f, i, L"AAA")) {
        n = StartsWithText(f, i, L"AAAA") ? 4 : 3;
        Add(dtikDay, String(n, L'D'));
      } else {
        Add(dtikLiteral, String(1, c));
      }
      i += n;
      continue;
    }
    size_t n = 1;
    while (i + n < f.size() && AsciiUpper(f[i + n]) == AsciiUpper(c)) ++n;
    const int count = int(n);
    switch (token) {
      case L'C':
        if (!Parse(fs.ShortDateFormat, ALevel + 1)) return false;
        Add(dtikLiteral, L" ");
        if (!Parse(GetLongTimeFormatText(), ALevel + 1)) return false;
        break;
      case L'D':
        if (count <= 4) Add(dtikDay, String(n, L'D'));
        else if (!Parse(count == 5 ? fs.ShortDateFormat : fs.LongDateFormat, ALevel + 1)) return false;
        break;
      case L'E':
      case L'Y': Add(dtikYear, count > 2 ? L"YYYY" : L"YY"); break;
      case L'H': Add(dtikHour, String(size_t(std::min(count, 2)), L'H')); break;
      case L'M': Add(dtikMonth, String(size_t(std::min(count, 4)), L'M')); break;
      case L'N': Add(dtikMinute, String(size_t(std::min(count, 2)), L'N')); break;
      case L'S': Add(dtikSecond, String(size_t(std::min(count, 2)), L'S')); break;
      case L'T':
        if (!Parse(count == 1 ? fs.ShortTimeFormat : GetLongTimeFormatText(), ALevel + 1)) return false;
        break;
      case L'Z': Add(dtikMSec, String(size_t(std::min(count, 3)), L'Z')); break;
      case L'G': return false;
      default: Add(dtikLiteral, f.substr(i, n)); break;
    }
    i += n;
  }
  return true;
}

void TFormatParser::Finish(TcxDateTimeFormatInfo& AInfo) {
  auto hour = std::find_if(FItems.begin(), FItems.end(), [](const auto& item) { return item.Kind == dtikHour; });
  if (hour != FItems.end()) {
    hour->Data.insert(0, FAmPmSeen ? L"12" : L"24");
  } else {
    // A designator without an hour means nothing.
    auto ampm = std::find_if(FItems.begin(), FItems.end(), [](const auto& item) { return item.Kind == dtikAmPm; });
    if (ampm != FItems.end()) FItems.erase(ampm);
  }
  AInfo.Items = std::move(FItems);
  for (const auto& item : AInfo.Items) AInfo.DefinedItems[item.Kind] = true;
}

// Writes a mask a piece at a time. Literal text is held back and quoted as one
// run when something else follows: two quoted runs that touch would read as
// one run holding a quote.
class TMaskWriter {
 public:
  void Text(const String& AText) { FPending += AText; }
  void Raw(const String& AText) {
    Flush();
    FMask += AText;
  }
  // A punctuation mark escaped; anything else quoted, since "\\" before a letter
  // or digit means a class, a code or a back reference to the mask engine.
  void Separator(wchar_t ASeparator) {
    if (ASeparator == 0) return;
    const bool punctuation = ASeparator > L' ' && ASeparator < 0x7F && !IsAsciiDigit(ASeparator) &&
                             !IsAsciiLetter(ASeparator);
    if (punctuation) Raw(String(L"\\") + ASeparator);
    else Text(String(1, ASeparator));
  }
  String Result() {
    Flush();
    return FMask;
  }

 private:
  void Flush() {
    FMask += QuoteForMask(FPending);
    FPending.clear();
  }
  String FMask, FPending;
};

// A month as a number or one of the locale's names. An empty name is no
// alternative (the mask engine refuses an empty one); the format writes
// nothing for it, so the month may then be left out.
String MonthMask(const String (&names)[12]) {
  String r;
  bool someEmpty = false;
  for (const String& name : names) {
    someEmpty = someEmpty || name.empty();
    if (name.empty()) continue;
    if (!r.empty()) r += L'|';
    r += QuoteForMask(name);
  }
  r = r.empty() ? String(L"(0?[1-9]|1[012])") : L"((0?[1-9]|1[012])|(" + r + L"))";
  return someEmpty ? L"(" + r + L")?" : r;
}

// The runtime writes an hour on the 12-hour clock only when the designator
// follows it; one before it leaves the hour at 24.
bool TwelveHourClock(const TcxDateTimeFormatInfo& AFormatInfo, size_t AHour) {
  if (AFormatInfo.Items[AHour].Data.compare(0, 2, L"12") != 0) return false;
  for (size_t i = AHour + 1; i < AFormatInfo.Items.size(); ++i)
    if (AFormatInfo.Items[i].Kind == dtikAmPm) return true;
  return false;
}

}  // namespace

bool ParseDateTimeFormat(const String& AFormat, TcxDateTimeFormatInfo& AFormatInfo) {
  AFormatInfo = TcxDateTimeFormatInfo();
  TFormatParser parser;
  if (!parser.Parse(AFormat, 0)) return false;
  parser.Finish(AFormatInfo);
  return true;
}

String ConvertLocaleTimeFormat(const String& AFormat) {
  String r;
  for (size_t i = 0; i < AFormat.size();) {
    const wchar_t c = AFormat[i];
    if (c == L'\'') {
      size_t end = AFormat.find(c, i + 1);
      end = end == String::npos ? AFormat.size() : end + 1;
      r.append(AFormat, i, end - i);
      i = end;
    } else if (c == L't' || c == L'T') {
      size_t n = 1;
      while (i + n < AFormat.size() && (AFormat[i + n] == L't' || AFormat[i + n] == L'T')) ++n;
      r += n == 1 ? L"A/P" : L"AMPM";
      i += n;
    } else {
      r += c;
      ++i;
    }
  }
  return r;
}

String GetLongTimeFormatText() {
  if (GController && GController->UseRuntimeLongTimeFormat()) return FormatSettings().LongTimeFormat;
  return ConvertLocaleTimeFormat(GReaders->LocaleTimeFormat());
}

void AddSmartDateWordsToMask(String& AMask, bool AWithNow) {
  LoadSmartDateWords();
  const int count = AWithNow ? cxSmartDateWordCount : cxSmartDateWordNow;
  // A word translated to nothing is left out: an empty alternative is refused.
  String words;
  for (int i = 0; i < count; ++i) {
    const String& word = SmartDateWords()[size_t(i)];
    if (word.empty()) continue;
    if (!words.empty()) words += L'|';
    words += QuoteForMask(word);
  }
  if (words.empty()) return;
  AMask = L"(" + AMask + L")|(" + words + L")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
}

const TcxFormatLocaleReaders* SetFormatLocaleReaders(const TcxFormatLocaleReaders* AReaders) {
  const TcxFormatLocaleReaders* previous = GReaders;
  GReaders = AReaders ? AReaders : &GDefaultReaders;
  return previous;
}

void SetFormatControllerWindowHooks(const TcxFormatControllerWindowHooks* AHooks) { GWindowHooks = AHooks; }

// --- TcxFormatController ----------------------------------------------------------------

TcxFormatController::TcxFormatController() {
  if (!GController) GController = this;
  GetResourceStringsRepository()->AttachListener(this);
  Refresh();
}

TcxFormatController::~TcxFormatController() {
  GetResourceStringsRepository()->DetachListener(this);
  FListeners.clear();
  if (FWindow) FWindowHooks->Release(FWindow);
  FWindow = nullptr;
  if (GController == this) GController = nullptr;
}

void TcxFormatController::AddListener(IcxFormatControllerListener* AListener) {
  if (!AListener || std::find(FListeners.begin(), FListeners.end(), AListener) != FListeners.end()) return;
  FListeners.push_back(AListener);
  if (FListeners.size() == 1 && !FWindow && GWindowHooks) {
    FWindow = GWindowHooks->Allocate(this);
    FWindowHooks = GWindowHooks;
  }
}

void TcxFormatController::RemoveListener(IcxFormatControllerListener* AListener) {
  auto it = std::find(FListeners.begin(), FListeners.end(), AListener);
  if (it == FListeners.end()) return;
  FListeners.erase(it);
  if (FListeners.empty() && FWindow) {
    void* window = FWindow;
    FWindow = nullptr;
    FWindowHooks->Release(window);
  }
}

void TcxFormatController::Refresh() {
  if (!GController) GController = this;
  if (!FAssignedCurrencyFormat) FCurrencyFormat = BuildCurrencyFormat();
  FDateEditFormat = BuildDateEditFormat();
  ParseDateTimeFormat(GetFormatText(0), FDateFormatInfo);
  ParseDateTimeFormat(GetFormatText(1), FTimeFormatInfo);
  ParseDateTimeFormat(GetFormatText(2), FDateTimeFormatInfo);
  FDateEditMask = BuildStandardMask(FDateFormatInfo, 0);
  if (!FAssignedStandardDateEditMask) FStandardDateEditMask = FDateEditMask;
  if (!FAssignedStandardDateTimeEditMask) FStandardDateTimeEditMask = BuildStandardMask(FDateTimeFormatInfo, 2);
  // A format that can't be parsed gives empty masks, words and all.
  const String date = BuildRegExprMask(FDateFormatInfo, 0);
  if (!FAssignedRegExprDateEditMask) {
    FRegExprDateEditMask = date;
    if (!date.empty()) AddSmartDateWordsToMask(FRegExprDateEditMask, false);
  }
  if (!FAssignedRegExprDateTimeEditMask) {
    const String time = BuildRegExprMask(FTimeFormatInfo, 1);
    FRegExprDateTimeEditMask = date.empty() || time.empty() ? date : date + L" ' '(" + time + L")?";
    if (!date.empty()) AddSmartDateWordsToMask(FRegExprDateTimeEditMask, true);
  }
  FMaskedDateEditFormat = BuildMaskedEditFormat(FDateFormatInfo);
  FMaskedDateTimeEditFormat = BuildMaskedEditFormat(FDateTimeFormatInfo);
}

void TcxFormatController::NotifyListeners() {
  const std::vector<IcxFormatControllerListener*> snapshot = FListeners;
  for (IcxFormatControllerListener* listener : snapshot)
    if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end()) listener->FormatChanged();
}

void TcxFormatController::LocaleChanged() {
  GReaders->SetThreadLocale(0x400);  // LOCALE_USER_DEFAULT
  GReaders->ReadFormatSettings();
  Refresh();
  NotifyListeners();
}

void TcxFormatController::SystemTimeChanged() {
  const std::vector<IcxFormatControllerListener*> snapshot = FListeners;
  for (IcxFormatControllerListener* listener : snapshot) {
    IcxFormatControllerListener2* timeListener;
    if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end() &&
        Supports<IcxFormatControllerListener2>(listener, timeListener))
      timeListener->TimeChanged();
  }
}

void TcxFormatController::TranslationChanged() {
  if (FLockCount > 0) return;
  Refresh();
  NotifyListeners();
}

String TcxFormatController::GetFormatText(int AKind) {
  switch (AKind) {
    case 0: return FormatSettings().ShortDateFormat;
    case 1: return GetLongTimeFormatText();
    default: return FormatSettings().ShortDateFormat + L" " + GetLongTimeFormatText();
  }
}

String TcxFormatController::BuildCurrencyFormat() {
  const TFormatSettings& fs = FormatSettings();
  const String n = L",0." + String(fs.CurrencyDecimals, L'0');
  String c;
  for (wchar_t ch : fs.CurrencyString) {
    if (ch == L',' || ch == L'.') c += String(L"'") + ch + L"'";
    else c += ch;
  }
  String positive;
  switch (fs.CurrencyFormat) {
    case 1: positive = n + c; break;
    case 2: positive = c + L" " + n; break;
    case 3: positive = n + L" " + c; break;
    default: positive = c + n; break;
  }
  String negative;
  switch (fs.NegCurrFormat) {
    case 1: negative = L"-" + c + n; break;
    case 2: negative = c + L"-" + n; break;
    case 3: negative = c + n + L"-"; break;
    case 4: negative = L"(" + n + c + L")"; break;
    case 5: negative = L"-" + n + c; break;
    case 6: negative = n + L"-" + c; break;
    case 7: negative = n + c + L"-"; break;
    case 8: negative = L"-" + n + L" " + c; break;
    case 9: negative = L"-" + c + L" " + n; break;
    case 10: negative = n + L" " + c + L"-"; break;
    case 11: negative = c + L" " + n + L"-"; break;
    case 12: negative = c + L" -" + n; break;
    case 13: negative = n + L"- " + c; break;
    case 14: negative = L"(" + c + L" " + n + L")"; break;
    case 15: negative = L"(" + n + L" " + c + L")"; break;
    default: negative = L"(" + c + n + L")"; break;
  }
  return positive + L";" + negative;
}

String TcxFormatController::BuildDateEditFormat() {
  const String& f = FormatSettings().ShortDateFormat;
  String r;
  for (size_t i = 0; i < f.size(); ++i) {
    const wchar_t c = f[i];
    if (c == L'\'' || c == L'"') {  // quoted text stays as it is
      size_t end = f.find(c, i + 1);
      end = end == String::npos ? f.size() - 1 : end;
      r.append(f, i, end - i + 1);
      i = end;
      continue;
    }
    r += c;
    const bool lone = (i == 0 || f[i - 1] != c) && (i + 1 == f.size() || f[i + 1] != c);
    if ((c == L'd' || c == L'M') && lone) r += c;
  }
  return r;
}

String TcxFormatController::BuildStandardMask(const TcxDateTimeFormatInfo& AFormatInfo, int AMode) {
  if (AFormatInfo.Items.empty()) return String();
  const TFormatSettings& fs = FormatSettings();
  String r = AMode == 1 ? L"" : L"!";
  for (const auto& item : AFormatInfo.Items) {
    switch (item.Kind) {
      case dtikLiteral:
        for (wchar_t c : item.Data) r += String(L"\\") + c;
        break;
      case dtikYear: r += item.Data == L"YY" ? L"99" : L"9999"; break;
      case dtikMonth:
      case dtikDay: r += item.Data.size() > 2 ? L"lll" : L"99"; break;
      case dtikHour:
      case dtikMinute:
      case dtikSecond: r += AMode == 1 ? L"00" : L"99"; break;
      case dtikAmPm:
        if (SameText(item.Data, L"A/P")) r += L"c";
        else if (SameText(item.Data, L"AM/PM")) r += L"cc";
        else r += String(std::max(fs.TimeAMString.size(), fs.TimePMString.size()), L'c');
        break;
      case dtikDateSeparator: r += L"/"; break;
      case dtikTimeSeparator: r += L":"; break;
      case dtikMSec: break;
    }
  }
  return r + (AMode == 1 ? L";1;0" : L";1; ");
}

String TcxFormatController::BuildRegExprMask(const TcxDateTimeFormatInfo& AFormatInfo, int AMode) {
  const TFormatSettings& fs = FormatSettings();
  TMaskWriter r;
  for (size_t i = 0; i < AFormatInfo.Items.size(); ++i) {
    const TcxDateTimeFormatItem& item = AFormatInfo.Items[i];
    // Either separator is written wherever the format has it.
    if (item.Kind == dtikLiteral) {
      r.Text(item.Data);
    } else if (item.Kind == dtikDateSeparator || item.Kind == dtikTimeSeparator) {
      r.Separator(item.Kind == dtikDateSeparator ? fs.DateSeparator : fs.TimeSeparator);
    } else if (AMode == 0) {
      switch (item.Kind) {
        case dtikYear: r.Raw(item.Data == L"YY" ? L"\\d\\d" : L"\\d\\d\\d\\d"); break;
        case dtikMonth: r.Raw(MonthMask(item.Data == L"MMMM" ? fs.LongMonthNames : fs.ShortMonthNames)); break;
        case dtikDay: r.Raw(L"([012]?[1-9]|[123]0|31)"); break;
        default: break;
      }
    } else {
      switch (item.Kind) {
        case dtikHour: r.Raw(TwelveHourClock(AFormatInfo, i) ? L"(0?[1-9]|1[012])" : L"([01]?\\d|2[0-3])"); break;
        case dtikMinute:
        case dtikSecond: r.Raw(L"[0-5]?\\d"); break;
        // The runtime writes three digits for "zzz", one to three otherwise.
        case dtikMSec: r.Raw(item.Data == L"ZZZ" ? L"\\d\\d\\d" : L"\\d(\\d\\d?)?"); break;
        case dtikAmPm:
          if (SameText(item.Data, L"A/P")) {
            r.Raw(L"(A|P)?");
          } else if (SameText(item.Data, L"AM/PM")) {
            r.Raw(L"(AM|PM)?");
          } else if (!fs.TimeAMString.empty() || !fs.TimePMString.empty()) {
            String both = QuoteForMask(fs.TimeAMString);
            if (!both.empty() && !fs.TimePMString.empty()) both += L'|';
            both += QuoteForMask(fs.TimePMString);
            r.Raw(L"(" + both + L")?");
          }
          break;
        default: break;
      }
    }
  }
  return r.Result();
}

String TcxFormatController::BuildMaskedEditFormat(const TcxDateTimeFormatInfo& AFormatInfo) {
  String r;
  for (const auto& item : AFormatInfo.Items) {
    switch (item.Kind) {
      case dtikLiteral: r += L"'" + item.Data + L"'"; break;
      case dtikYear:
      case dtikAmPm: r += LowerCase(item.Data); break;
      case dtikMonth: r += item.Data.size() > 2 ? L"mmm" : L"mm"; break;
      case dtikDay: r += item.Data.size() > 2 ? L"ddd" : L"dd"; break;
      case dtikHour: r += L"hh"; break;
      case dtikMinute: r += L"nn"; break;
      case dtikSecond: r += L"ss"; break;
      case dtikDateSeparator: r += L"/"; break;
      case dtikTimeSeparator: r += L":"; break;
      case dtikMSec: break;
    }
  }
  return r;
}

void TcxFormatController::SetCurrencyFormat(const String& Value) {
  FCurrencyFormat = Value;
  FAssignedCurrencyFormat = true;
}

void TcxFormatController::SetStandardDateEditMask(const String& Value) {
  FStandardDateEditMask = Value;
  FAssignedStandardDateEditMask = true;
}

void TcxFormatController::SetStandardDateTimeEditMask(const String& Value) {
  FStandardDateTimeEditMask = Value;
  FAssignedStandardDateTimeEditMask = true;
}

void TcxFormatController::SetRegExprDateEditMask(const String& Value) {
  FRegExprDateEditMask = Value;
  FAssignedRegExprDateEditMask = true;
}

void TcxFormatController::SetRegExprDateTimeEditMask(const String& Value) {
  FRegExprDateTimeEditMask = Value;
  FAssignedRegExprDateTimeEditMask = true;
}

void TcxFormatController::SetUseRuntimeLongTimeFormat(bool Value) {
  if (FUseRuntimeLongTimeFormat == Value) return;
  FUseRuntimeLongTimeFormat = Value;
  Refresh();
}

TcxFormatController* GetFormatController() {
  if (!GController && !IsFinalizing()) new TcxFormatController();
  return GController;
}

void cxFormats_Initialize() {}

void cxFormats_Finalize() {
  delete GController;
  GController = nullptr;
}
