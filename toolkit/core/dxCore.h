// Small routines every toolkit unit leans on: the toolkit's exception base,
// operating-system flags, code-page helpers, locale texts, and the process-wide
// repository in which the toolkit's string units file their message texts.
// Routines marked "Win32" are defined in platform/ and exist only there.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "System.h"
#include "Units.h"

// The toolkit's own exception base; the toolkit's error classes derive from it.
VAMIRE_EXCEPTION(EdxException, Exception)

// --- Operating-system flags -------------------------------------------------------------
// Set once when dxCore starts and never changed afterwards.
extern bool OSFlagWin9x, OSFlagWin95, OSFlagWin98, OSFlagWinME;
extern bool OSFlagWinNT, OSFlagWin2000, OSFlag2000OrLater, OSFlagWinXP, OSFlagXPOrLater, OSFlag2000OrXP;
extern bool OSFlagVistaFamily, OSFlagVistaOrLater, OSFlagWin7, OSFlagWow64;

// Computes every flag from a platform id (1 = the Windows 95 family, 2 = NT) and
// the version numbers.
void DetectWindowsVersion(int platformId, int major, int minor, bool wow64);
// Win32: the same from the running system.
void DetectWindowsVersion();

// --- Text and code pages ----------------------------------------------------------------
// 256 bits, one per byte value.
using TdxCharSet = std::array<std::uint8_t, 32>;
TdxCharSet MakeCharSet(const char* chars);
bool IsCharInSet(wchar_t c, const TdxCharSet& set);

// The ANSI code page of a font character set, 0 where none is fixed.
unsigned CharsetToCodePage(int charset);

// Win32: conversions through the system. A length of -1 takes the whole input;
// an empty input gives an empty result.
void MultiByteToWideString(const AnsiString& bytes, unsigned codePage, int byteLength, String& result);
void WideToMultiByteString(const String& text, unsigned codePage, int charLength, AnsiString& result);
String AnsiToWideString(const AnsiString& bytes, unsigned codePage = 0);
AnsiString WideToAnsiString(const String& text, unsigned codePage = 0);

// The toolkit's native string is the byte string, so these copy.
AnsiString AnsiToNativeString(const AnsiString& text, unsigned codePage = 0);
AnsiString NativeToAnsiString(const AnsiString& text, unsigned codePage = 0);

class Variant;
// A one-dimensional array gives one byte per element; a string is taken in the
// ANSI code page; anything else goes through the runtime's text conversion.
AnsiString VariantToAnsiString(const Variant& V);

// A length-prefixed string of at most 255 bytes.
using TdxShortString = std::array<std::uint8_t, 256>;
AnsiString ShortToNativeString(const TdxShortString& text);
TdxShortString NativeToShortString(const AnsiString& text);

// --- Pixels -----------------------------------------------------------------------------
// One 32-bit pixel per entry, blue, green, red, alpha from the lowest address up.
struct TRGBQuad {
  std::uint8_t rgbBlue, rgbGreen, rgbRed, rgbReserved;
};
using TRGBColors = std::vector<TRGBQuad>;

// --- Memory and values ------------------------------------------------------------------
void FillZero(void* block, std::size_t length);
void CopyBytes(const void* source, void* destination, std::size_t count);
void SwapIntegers(int& a, int& b);
class TStream;
// Writes the 4 bytes of the value, lowest first.
void WriteIntegerToStream(TStream* AStream, std::int32_t AValue);
// States an assumption of drawing code; deliberately checks nothing.
inline void CheckCondition(bool, const String& = String()) {}

// --- Locale -----------------------------------------------------------------------------
// Win32: the text of a locale item, or the default when the system has none.
String GetLocaleString(std::uint32_t locale, int item, const String& defaultText);
// Win32: 0 = Sunday .. 6 = Saturday, read when dxCore starts.
int LocaleFirstDayOfWeek();
// Turns the system's first-day item (0 = Monday) into the toolkit's count (0 = Sunday).
int FirstDayOfWeekFromLocaleItem(const String& item);

// The runtime's current format settings; the locale argument is not used.
String GetLocaleLongMonthName(std::uint32_t locale, int month);   // month 1..12
String GetLocaleShortMonthName(std::uint32_t locale, int month);  // month 1..12
int GetLocaleCurrencyDecimals(std::uint32_t locale);
int GetLocaleCurrencyFormat(std::uint32_t locale);
int GetLocaleNegCurrFormat(std::uint32_t locale);
String GetLocaleCurrencyString(std::uint32_t locale);
wchar_t GetLocaleDateSeparator(std::uint32_t locale);
wchar_t GetLocaleTimeSeparator(std::uint32_t locale);
wchar_t GetLocaleDecimalSeparator(std::uint32_t locale);
wchar_t GetLocaleThousandSeparator(std::uint32_t locale);
String GetLocaleShortDateFormat(std::uint32_t locale);
String GetLocaleLongDateFormat(std::uint32_t locale);
String GetLocaleShortTimeFormat(std::uint32_t locale);
String GetLocaleLongTimeFormat(std::uint32_t locale);
String GetLocaleTimeAMString(std::uint32_t locale);
String GetLocaleTimePMString(std::uint32_t locale);

// --- Resource-string repository ---------------------------------------------------------
class TdxProductResourceStrings;
using TdxAddResourceStringsProcedure = void (*)(TdxProductResourceStrings* product);

// The strings one toolkit library owns: identifiers kept sorted, each with the
// handle of its resource string.
class TdxProductResourceStrings : public TObject {
  VAMIRE_CLASS(TdxProductResourceStrings, TObject)
 public:
  TdxProductResourceStrings(const String& name, TdxAddResourceStringsProcedure initializeProc);
  ~TdxProductResourceStrings() override;

  // Files one string; an identifier already present keeps its first resource.
  void Add(const String& identifier, PResStringRec resString);

  const String& Name() const { return FName; }
  int Count() const { return int(FNames.size()); }
  const String& Names(int index) const;
  PResStringRec Values(int index) const;
  // The index of an identifier, -1 when the product lacks it.
  int IndexOf(const String& identifier) const;

 private:
  struct TEntry {
    String Identifier;
    PResStringRec Value;
  };
  bool Find(const String& identifier, std::size_t& index) const;

  String FName;
  TdxAddResourceStringsProcedure FInitializeProc;
  std::vector<TEntry> FNames;
};

// Told when translated texts change; nothing in this system calls it.
class IdxLocalizerListener {
 public:
  virtual void TranslationChanged() = 0;

 protected:
  ~IdxLocalizerListener() = default;
};

class TdxResourceStringsRepository : public TObject {
  VAMIRE_CLASS(TdxResourceStringsRepository, TObject)
 public:
  TdxResourceStringsRepository() = default;
  ~TdxResourceStringsRepository() override;

  // Appends a product; products of the same name may coexist.
  void AddProduct(const String& productName, TdxAddResourceStringsProcedure initializeProc);
  // Frees the first product of that name; nothing when there is none.
  void RemoveProduct(const String& productName);
  int IndexOfProduct(const String& productName) const;
  int ProductCount() const { return int(FProducts.size()); }
  TdxProductResourceStrings* Products(int index) const;

  void AttachListener(IdxLocalizerListener* listener);
  void DetachListener(IdxLocalizerListener* listener);
  int ListenerCount() const { return int(FListeners.size()); }

 private:
  std::vector<std::unique_ptr<TdxProductResourceStrings>> FProducts;
  std::vector<IdxLocalizerListener*> FListeners;
};

// The one repository, created on first use.
TdxResourceStringsRepository* GetResourceStringsRepository();

// The text of a toolkit resource string: an override text when one is filed,
// else the program's own resource text.
String ResolveResourceString(PResStringRec resString);
int FindResourceStringOverride(PResStringRec resString);
void FreeResourceStringOverrides();

// How overrides are looked up: by the resource's current text, by its identity, or not at all.
enum class TdxResourceStringOverrideMode : std::uint8_t { ByText = 0, ByResource = 1, Off = 2 };
struct TdxResourceStringOverrideKey {
  String Text;                    // the key in ByText mode
  PResStringRec Res = nullptr;    // the key in ByResource mode
};
// Files an override table (no code of the program does so; tests and
// localisation tools may). The two lists correspond by index.
void SetResourceStringOverrides(TdxResourceStringOverrideMode mode, std::vector<TdxResourceStringOverrideKey> keys,
                                std::vector<String> texts);

// A strings unit spells each text once, as a row S(Identifier, Text) of its list
// macro; the records and their registration are derived from the list:
//   #define CX_DATA_STRINGS(S) S(cxSDataReadError, L"Stream read error") ...
//   CX_DATA_STRINGS(DX_RESOURCE_STRING)
//   constexpr PResStringRec kStrings[] = {CX_DATA_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
//   TdxResourceStringsUnit GUnit(ProductName, &AddResourceStrings<kStrings>);
#define DX_RESOURCE_STRING(Name, Text) const TResStringRec Name{L## #Name, Text};
#define DX_RESOURCE_STRING_ADDRESS(Name, Text) &Name,

// Files each record of Strings under its own identifier.
template <const auto& Strings>
void AddResourceStrings(TdxProductResourceStrings* product) {
  for (PResStringRec res : Strings) product->Add(res->Identifier, res);
}

// The start and end of a strings unit: the product is filed on the first start
// and removed when the start count is back at 0.
class TdxResourceStringsUnit {
 public:
  constexpr TdxResourceStringsUnit(const wchar_t* productName, TdxAddResourceStringsProcedure initializeProc)
      : FProductName(productName), FInitializeProc(initializeProc) {}
  void Start();
  void End();

 private:
  const wchar_t* FProductName;
  TdxAddResourceStringsProcedure FInitializeProc;
  int FStartCount = 0;
};

// Unit start (Win32: the system flags and the first day of the week) and end
// (frees the repository with any product still filed).
void dxCore_Initialize();
void dxCore_Finalize();
// Win32: the entry for the program's unit list.
extern const TUnitEntry dxCoreUnit;
