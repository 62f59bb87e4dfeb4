#include "dxCore.h"

#include <algorithm>
#include <cstring>

#include "Streams.h"
#include "SysUtils.h"
#include "Variants.h"

bool OSFlagWin9x, OSFlagWin95, OSFlagWin98, OSFlagWinME;
bool OSFlagWinNT, OSFlagWin2000, OSFlag2000OrLater, OSFlagWinXP, OSFlagXPOrLater, OSFlag2000OrXP;
bool OSFlagVistaFamily, OSFlagVistaOrLater, OSFlagWin7, OSFlagWow64;

void DetectWindowsVersion(int platformId, int major, int minor, bool wow64) {
  OSFlagWin9x = platformId == 1;
  OSFlagWin95 = OSFlagWin9x && minor == 0;
  OSFlagWin98 = OSFlagWin9x && minor == 10;
  OSFlagWinME = OSFlagWin9x && minor == 90;
  OSFlagWinNT = platformId == 2;
  OSFlagWin2000 = OSFlagWinNT && major == 5 && minor == 0;
  OSFlag2000OrLater = OSFlagWinNT && major >= 5;
  OSFlagWinXP = OSFlagWinNT && major == 5 && minor > 0;
  OSFlagXPOrLater = OSFlag2000OrLater && !OSFlagWin2000;
  OSFlag2000OrXP = OSFlagWin2000 || OSFlagWinXP;
  OSFlagVistaFamily = OSFlagWinNT && major == 6;
  OSFlagVistaOrLater = OSFlagWinNT && major >= 6;
  OSFlagWin7 = OSFlagWinNT && major == 6 && minor == 1;
  OSFlagWow64 = wow64;
}

// --- Text and code pages ----------------------------------------------------------------

TdxCharSet MakeCharSet(const char* chars) {
  TdxCharSet set{};
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(chars); *p; ++p)
    set[*p >> 3] |= std::uint8_t(1u << (*p & 7));
  return set;
}

bool IsCharInSet(wchar_t c, const TdxCharSet& set) {
  unsigned v = unsigned(c);
  return v < 256 && (set[v >> 3] & (1u << (v & 7))) != 0;
}

unsigned CharsetToCodePage(int charset) {
  switch (charset) {
    case 128: return 932;
    case 129:
    case 130: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;
  }
}

AnsiString AnsiToNativeString(const AnsiString& text, unsigned) { return text; }
AnsiString NativeToAnsiString(const AnsiString& text, unsigned) { return text; }

AnsiString ShortToNativeString(const TdxShortString& text) {
  return AnsiString(reinterpret_cast<const char*>(text.data() + 1), text[0]);
}

TdxShortString NativeToShortString(const AnsiString& text) {
  TdxShortString result{};
  std::size_t n = std::min<std::size_t>(text.size(), 255);
  result[0] = std::uint8_t(n);
  std::memcpy(result.data() + 1, text.data(), n);
  return result;
}

AnsiString VariantToAnsiString(const Variant& V) {
  if (V.IsArray() && VarArrayDimCount(V) == 1) {
    const int low = VarArrayLowBound(V, 1), high = VarArrayHighBound(V, 1);
    AnsiString bytes;
    if (high >= low) bytes.reserve(std::size_t(high - low + 1));
    for (int i = low; i <= high; ++i) bytes.push_back(char(std::uint8_t(VarArrayGet(V, {i}).AsInteger())));
    return bytes;
  }
  if ((V.VarType() & varTypeMask) == varString || (V.VarType() & varTypeMask) == varUString ||
      (V.VarType() & varTypeMask) == varOleStr)
    return StringToAnsi(V.AsString());
  return StringToAnsi(VarToStr(V));
}

// --- Memory and values ------------------------------------------------------------------

void FillZero(void* block, std::size_t length) {
  if (length) std::memset(block, 0, length);
}

void CopyBytes(const void* source, void* destination, std::size_t count) {
  if (count) std::memmove(destination, source, count);
}

void SwapIntegers(int& a, int& b) { std::swap(a, b); }

void WriteIntegerToStream(TStream* AStream, std::int32_t AValue) {
  const std::uint32_t v = std::uint32_t(AValue);
  const std::uint8_t bytes[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
  AStream->WriteBuffer(bytes, 4);
}

// --- Locale -----------------------------------------------------------------------------

int FirstDayOfWeekFromLocaleItem(const String& item) {
  int day = 0;
  if (item.size() == 1 && item[0] >= L'0' && item[0] <= L'6') day = item[0] - L'0';
  return (day + 1) % 7;
}

namespace {
String MonthName(const String (&names)[12], int month) { return month >= 1 && month <= 12 ? names[month - 1] : String(); }
}  // namespace

String GetLocaleLongMonthName(std::uint32_t, int month) { return MonthName(FormatSettings().LongMonthNames, month); }
String GetLocaleShortMonthName(std::uint32_t, int month) { return MonthName(FormatSettings().ShortMonthNames, month); }
int GetLocaleCurrencyDecimals(std::uint32_t) { return FormatSettings().CurrencyDecimals; }
int GetLocaleCurrencyFormat(std::uint32_t) { return FormatSettings().CurrencyFormat; }
int GetLocaleNegCurrFormat(std::uint32_t) { return FormatSettings().NegCurrFormat; }
String GetLocaleCurrencyString(std::uint32_t) { return FormatSettings().CurrencyString; }
wchar_t GetLocaleDateSeparator(std::uint32_t) { return FormatSettings().DateSeparator; }
wchar_t GetLocaleTimeSeparator(std::uint32_t) { return FormatSettings().TimeSeparator; }
wchar_t GetLocaleDecimalSeparator(std::uint32_t) { return FormatSettings().DecimalSeparator; }
wchar_t GetLocaleThousandSeparator(std::uint32_t) { return FormatSettings().ThousandSeparator; }
String GetLocaleShortDateFormat(std::uint32_t) { return FormatSettings().ShortDateFormat; }
String GetLocaleLongDateFormat(std::uint32_t) { return FormatSettings().LongDateFormat; }
String GetLocaleShortTimeFormat(std::uint32_t) { return FormatSettings().ShortTimeFormat; }
String GetLocaleLongTimeFormat(std::uint32_t) { return FormatSettings().LongTimeFormat; }
String GetLocaleTimeAMString(std::uint32_t) { return FormatSettings().TimeAMString; }
String GetLocaleTimePMString(std::uint32_t) { return FormatSettings().TimePMString; }

// --- Resource-string repository ---------------------------------------------------------

namespace {

[[noreturn]] void RaiseIndexError(int index) {
  throw EdxException(L"List index out of bounds (" + std::to_wstring(index) + L")");
}

}  // namespace

TdxProductResourceStrings::TdxProductResourceStrings(const String& name, TdxAddResourceStringsProcedure initializeProc)
    : FName(name), FInitializeProc(initializeProc) {
  if (FInitializeProc) FInitializeProc(this);
}

TdxProductResourceStrings::~TdxProductResourceStrings() { FInitializeProc = nullptr; }

// Identifiers sort and match as names do in the runtime: ASCII letters folded.
bool TdxProductResourceStrings::Find(const String& identifier, std::size_t& index) const {
  auto it = std::lower_bound(FNames.begin(), FNames.end(), identifier,
                             [](const TEntry& e, const String& s) { return CompareText(e.Identifier, s) < 0; });
  index = std::size_t(it - FNames.begin());
  return it != FNames.end() && CompareText(it->Identifier, identifier) == 0;
}

void TdxProductResourceStrings::Add(const String& identifier, PResStringRec resString) {
  std::size_t index;
  if (Find(identifier, index)) return;
  FNames.insert(FNames.begin() + std::ptrdiff_t(index), TEntry{identifier, resString});
}

const String& TdxProductResourceStrings::Names(int index) const {
  if (index < 0 || index >= Count()) RaiseIndexError(index);
  return FNames[std::size_t(index)].Identifier;
}

PResStringRec TdxProductResourceStrings::Values(int index) const {
  if (index < 0 || index >= Count()) RaiseIndexError(index);
  return FNames[std::size_t(index)].Value;
}

int TdxProductResourceStrings::IndexOf(const String& identifier) const {
  std::size_t index;
  return Find(identifier, index) ? int(index) : -1;
}

TdxResourceStringsRepository::~TdxResourceStringsRepository() = default;

void TdxResourceStringsRepository::AddProduct(const String& productName,
                                              TdxAddResourceStringsProcedure initializeProc) {
  FProducts.push_back(std::make_unique<TdxProductResourceStrings>(productName, initializeProc));
}

void TdxResourceStringsRepository::RemoveProduct(const String& productName) {
  int index = IndexOfProduct(productName);
  if (index < 0) return;
  // Taken out of the list before it is freed, so the list never holds a dying product.
  std::unique_ptr<TdxProductResourceStrings> product = std::move(FProducts[std::size_t(index)]);
  FProducts.erase(FProducts.begin() + index);
}

int TdxResourceStringsRepository::IndexOfProduct(const String& productName) const {
  for (std::size_t i = 0; i < FProducts.size(); ++i)
    if (FProducts[i]->Name() == productName) return int(i);
  return -1;
}

TdxProductResourceStrings* TdxResourceStringsRepository::Products(int index) const {
  if (index < 0 || index >= ProductCount()) RaiseIndexError(index);
  return FProducts[std::size_t(index)].get();
}

void TdxResourceStringsRepository::AttachListener(IdxLocalizerListener* listener) {
  if (std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end()) FListeners.push_back(listener);
}

void TdxResourceStringsRepository::DetachListener(IdxLocalizerListener* listener) {
  auto it = std::find(FListeners.begin(), FListeners.end(), listener);
  if (it != FListeners.end()) FListeners.erase(it);
}

namespace {

std::unique_ptr<TdxResourceStringsRepository> GRepository;

struct TOverrides {
  TdxResourceStringOverrideMode Mode = TdxResourceStringOverrideMode::Off;
  std::unique_ptr<std::vector<TdxResourceStringOverrideKey>> Keys;
  std::unique_ptr<std::vector<String>> Texts;
} GOverrides;

}  // namespace

TdxResourceStringsRepository* GetResourceStringsRepository() {
  if (!GRepository) GRepository = std::make_unique<TdxResourceStringsRepository>();
  return GRepository.get();
}

int FindResourceStringOverride(PResStringRec resString) {
  const auto* keys = GOverrides.Keys.get();
  switch (GOverrides.Mode) {
    case TdxResourceStringOverrideMode::ByText: {
      if (!keys) return -1;
      String text = LoadResString(resString);
      for (std::size_t i = 0; i < keys->size(); ++i)
        if ((*keys)[i].Text == text) return int(i);
      return -1;
    }
    case TdxResourceStringOverrideMode::ByResource:
      if (!keys) return -1;
      for (std::size_t i = 0; i < keys->size(); ++i)
        if ((*keys)[i].Res == resString) return int(i);
      return -1;
    case TdxResourceStringOverrideMode::Off:
      break;
  }
  return -1;
}

String ResolveResourceString(PResStringRec resString) {
  int index = FindResourceStringOverride(resString);
  // A key without a text at the same index falls back to the resource, never past the list.
  if (index < 0 || !GOverrides.Texts || std::size_t(index) >= GOverrides.Texts->size())
    return LoadResString(resString);
  return (*GOverrides.Texts)[std::size_t(index)];
}

void FreeResourceStringOverrides() {
  GOverrides.Mode = TdxResourceStringOverrideMode::Off;
  GOverrides.Keys.reset();
  GOverrides.Texts.reset();
}

void SetResourceStringOverrides(TdxResourceStringOverrideMode mode, std::vector<TdxResourceStringOverrideKey> keys,
                                std::vector<String> texts) {
  GOverrides.Keys = std::make_unique<std::vector<TdxResourceStringOverrideKey>>(std::move(keys));
  GOverrides.Texts = std::make_unique<std::vector<String>>(std::move(texts));
  GOverrides.Mode = mode;
}

void TdxResourceStringsUnit::Start() {
  if (FStartCount++ == 0) GetResourceStringsRepository()->AddProduct(FProductName, FInitializeProc);
}

void TdxResourceStringsUnit::End() {
  // A repository already freed has nothing left to remove, and is not made again for it.
  if (FStartCount > 0 && --FStartCount == 0 && GRepository) GRepository->RemoveProduct(FProductName);
}

void dxCore_Finalize() { GRepository.reset(); }
