// The display formats and input masks the editors take from the user's regional
// settings: the currency format, the date edit format, standard and
// regular-expression masks for dates and date-times, and parsed descriptions
// of the date and time formats. One process-wide controller keeps them, builds
// them again when the regional settings or the toolkit's language change, and
// tells its listeners.
//
// The unit needs no Win32. The controller's message window (WM_SETTINGCHANGE,
// WM_TIMECHANGE) and the real locale readers are the platform part's
// (platform/cxFormats_win.h), installed when the unit starts there; tests
// install their own readers (SetFormatLocaleReaders).
#pragma once

#include <cstdint>
#include <vector>

#include "System.h"
#include "cxClasses.h"
#include "dxCore.h"

// --- Parsed date and time formats -------------------------------------------------------

enum TcxDateTimeFormatItemKind : uint8_t {
  dtikLiteral,        // the text; adjacent literals are merged
  dtikYear,           // "YY" or "YYYY"
  dtikMonth,          // "M" .. "MMMM"
  dtikDay,            // "D" .. "DDDD" (3 and 4: the weekday name)
  dtikHour,           // "H" or "HH", prefixed with "12" or "24"
  dtikMinute,         // "N" or "NN"
  dtikSecond,         // "S" or "SS"
  dtikMSec,           // "Z" .. "ZZZ"
  dtikAmPm,           // "AM/PM" or "A/P" as written, or "AMPM" (the locale's designators)
  dtikDateSeparator,  // no data
  dtikTimeSeparator,  // no data
};
constexpr int cxDateTimeFormatItemKindCount = 11;

struct TcxDateTimeFormatItem {
  TcxDateTimeFormatItemKind Kind = dtikLiteral;
  String Data;
  friend bool operator==(const TcxDateTimeFormatItem&, const TcxDateTimeFormatItem&) = default;
};

struct TcxDateTimeFormatInfo {
  bool DefinedItems[cxDateTimeFormatItemKindCount] = {};
  std::vector<TcxDateTimeFormatItem> Items;  // in format order
};

// Parses a format of the runtime's date and time patterns. An empty format
// means "C"; nested patterns ("C", "DDDDD", "T" ...) go two levels deep. False,
// with an empty info, for a format with "G".
bool ParseDateTimeFormat(const String& AFormat, TcxDateTimeFormatInfo& AFormatInfo);
// The long time format in the runtime's patterns: the locale's time format
// (LOCALE_STIMEFORMAT of the thread locale) converted, or the runtime's own
// when the global controller says so.
String GetLongTimeFormatText();
// Copies a locale time format, writing a run of one "t" as "A/P" and a longer
// run as "AMPM"; quoted text is copied as it is.
String ConvertLocaleTimeFormat(const String& AFormat);
// Makes M "(M)|(today|yesterday|...)" with an optional signed offset of one to
// four digits; "now" only when asked. The words are read anew.
void AddSmartDateWordsToMask(String& AMask, bool AWithNow);

// --- Listeners --------------------------------------------------------------------------

// Told when the locale formats have changed (text editors and their properties).
class IcxFormatControllerListener : public virtual IInterface {
  VAMIRE_INTERFACE(IcxFormatControllerListener, IInterface, "{3C1F8E62-5B0D-4E7A-9A41-7D2C6B9E0F15}")
 public:
  virtual void FormatChanged() = 0;
};

// A listener that also implements this is told when the system time changes.
class IcxFormatControllerListener2 : public virtual IInterface {
  VAMIRE_INTERFACE(IcxFormatControllerListener2, IInterface, "{5E33A2A7-0C77-415F-A359-112103E54937}")
 public:
  virtual void TimeChanged() = 0;
};

// --- Platform hooks (D-46) --------------------------------------------------------------

// What the controller reads from and does to the system. Unset, the unit uses
// the runtime's long time format as the locale's and changes nothing.
struct TcxFormatLocaleReaders {
  String (*LocaleTimeFormat)();          // LOCALE_STIMEFORMAT of the thread locale
  void (*SetThreadLocale)(uint32_t Locale);
  void (*ReadFormatSettings)();          // the runtime re-reads its format settings
};
// Installs readers (null: the built-in ones); answers the previous ones.
const TcxFormatLocaleReaders* SetFormatLocaleReaders(const TcxFormatLocaleReaders* AReaders);

class TcxFormatController;
// How the controller gets and gives back its message window; the platform part
// installs them. Unset, the controller has no window.
struct TcxFormatControllerWindowHooks {
  void* (*Allocate)(TcxFormatController* AController);
  void (*Release)(void* AWindow);
};
void SetFormatControllerWindowHooks(const TcxFormatControllerWindowHooks* AHooks);

// --- The controller ---------------------------------------------------------------------

enum TcxFirstWeekOfYear { fwySystem, fwyJan1, fwyFirstFullWeek, fwyFirstFourDays };

class TcxFormatController : public TcxIUnknownObject, public IdxLocalizerListener {
  VAMIRE_CLASS(TcxFormatController, TcxIUnknownObject)
 public:
  // The first controller made becomes the global one. Computes every value.
  TcxFormatController();
  ~TcxFormatController() override;

  // Listeners are not reference-held. The first one makes the message window,
  // removing the last one releases it.
  void AddListener(IcxFormatControllerListener* AListener);
  void RemoveListener(IcxFormatControllerListener* AListener);
  int ListenerCount() const { return int(FListeners.size()); }
  // While locked, a language change neither refreshes nor notifies.
  void BeginUpdate() { ++FLockCount; }
  void EndUpdate() { --FLockCount; }
  int LockCount() const { return FLockCount; }

  // Builds every value again (the assigned ones excepted).
  void Refresh();
  // Tells every listener, walking a snapshot: one removed meanwhile is skipped,
  // one added meanwhile is not told.
  void NotifyListeners();
  // The user's regional settings changed: the thread locale becomes the user's
  // default, the runtime re-reads its settings, the values are built again and
  // the listeners told. The message window calls it.
  void LocaleChanged();
  // The system time changed: listeners with the time interface are told.
  void SystemTimeChanged();
  // The resource-string repository's language changed.
  void TranslationChanged() override;

  // 0 ShortDateFormat, 1 the long time format text, 2 both with a blank between.
  static String GetFormatText(int AKind);

  static String BuildCurrencyFormat();
  static String BuildDateEditFormat();
  // AMode: 0 date, 1 time, 2 date and time.
  static String BuildStandardMask(const TcxDateTimeFormatInfo& AFormatInfo, int AMode);
  // AMode: 0 date, 1 time. Empty for an info without items.
  static String BuildRegExprMask(const TcxDateTimeFormatInfo& AFormatInfo, int AMode);
  static String BuildMaskedEditFormat(const TcxDateTimeFormatInfo& AFormatInfo);

  const String& CurrencyFormat() const { return FCurrencyFormat; }
  // An assigned currency format or mask stays until assigned again.
  void SetCurrencyFormat(const String& Value);
  const String& DateEditFormat() const { return FDateEditFormat; }
  const String& DateEditMask() const { return FDateEditMask; }
  const String& StandardDateEditMask() const { return FStandardDateEditMask; }
  void SetStandardDateEditMask(const String& Value);
  const String& StandardDateTimeEditMask() const { return FStandardDateTimeEditMask; }
  void SetStandardDateTimeEditMask(const String& Value);
  const String& RegExprDateEditMask() const { return FRegExprDateEditMask; }
  void SetRegExprDateEditMask(const String& Value);
  const String& RegExprDateTimeEditMask() const { return FRegExprDateTimeEditMask; }
  void SetRegExprDateTimeEditMask(const String& Value);
  const String& MaskedDateEditFormat() const { return FMaskedDateEditFormat; }
  const String& MaskedDateTimeEditFormat() const { return FMaskedDateTimeEditFormat; }
  const TcxDateTimeFormatInfo& DateFormatInfo() const { return FDateFormatInfo; }
  const TcxDateTimeFormatInfo& TimeFormatInfo() const { return FTimeFormatInfo; }
  const TcxDateTimeFormatInfo& DateTimeFormatInfo() const { return FDateTimeFormatInfo; }

  TcxFirstWeekOfYear FirstWeekOfYear() const { return FFirstWeekOfYear; }
  void SetFirstWeekOfYear(TcxFirstWeekOfYear Value) { FFirstWeekOfYear = Value; }
  // The runtime's LongTimeFormat instead of the locale's time format; the
  // values are built again when it changes.
  bool UseRuntimeLongTimeFormat() const { return FUseRuntimeLongTimeFormat; }
  void SetUseRuntimeLongTimeFormat(bool Value);

  // The message window (the platform part's object), null without listeners.
  void* MessageWindow() const { return FWindow; }

 private:
  std::vector<IcxFormatControllerListener*> FListeners;
  void* FWindow = nullptr;
  const TcxFormatControllerWindowHooks* FWindowHooks = nullptr;  // the hooks that made FWindow
  int FLockCount = 0;
  TcxFirstWeekOfYear FFirstWeekOfYear = fwySystem;
  bool FUseRuntimeLongTimeFormat = false;
  bool FAssignedCurrencyFormat = false;
  bool FAssignedStandardDateEditMask = false;
  bool FAssignedStandardDateTimeEditMask = false;
  bool FAssignedRegExprDateEditMask = false;
  bool FAssignedRegExprDateTimeEditMask = false;
  String FCurrencyFormat;
  String FDateEditFormat;
  String FDateEditMask;
  String FStandardDateEditMask;
  String FStandardDateTimeEditMask;
  String FRegExprDateEditMask;
  String FRegExprDateTimeEditMask;
  String FMaskedDateEditFormat;
  String FMaskedDateTimeEditFormat;
  TcxDateTimeFormatInfo FDateFormatInfo;
  TcxDateTimeFormatInfo FTimeFormatInfo;
  TcxDateTimeFormatInfo FDateTimeFormatInfo;
};

// The global controller, made on first use; null once the units are ending.
TcxFormatController* GetFormatController();

// Unit end frees the global controller. (The unit entry is the platform part's,
// which installs the window and the readers first.)
void cxFormats_Initialize();
void cxFormats_Finalize();
