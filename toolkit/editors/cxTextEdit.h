// The rules of the text editors that need no window: how long a text may be,
// how its case and password echo change what is shown, which value bounds are
// in force, which display or edit format wins, whether a text is acceptable to
// a fixed list, and how a number or a typed number becomes its display text.
// The properties, view data and view info built on them are in
// platform/cxTextEdit_win.h.
#pragma once

#include <vector>

#include "SysUtils.h"
#include "Types.h"
#include "Variants.h"

enum TcxEditEchoMode { eemNormal, eemPassword };

// How a text-like editor shows and accepts text.
enum TcxTextEditingStyle { tesFreeText, tesCompleteFromList, tesPickFromList, tesNoText };

// The case conversions, in the order of the runtime's TEditCharCase.
constexpr int cxCharCaseNormal = 0, cxCharCaseUpper = 1, cxCharCaseLower = 2;

// Which of the two value bounds HasValueBound asks for.
constexpr int cxLowerBound = 0, cxUpperBound = 1;

// --- Length, case, password ----------------------------------------------------------------
// A negative maximum length is stored as 0 (no limit).
int NormalizeMaxLength(int AValue);
// The own value when assigned, else the data source's, else 0.
int EffectiveMaxLength(bool AAssigned, int AValue, bool AHasProvider, int AProviderValue);
// The locale's upper or lower case for ACharCase; the text itself for normal.
String ApplyCharCase(const String& AText, int ACharCase);
// ALength copies of the password character, '*' for #0.
String PasswordText(size_t ALength, wchar_t APasswordChar);
// Password mode hides every character; otherwise the case conversion applies.
String TransformDisplayText(const String& AText, TcxEditEchoMode AEchoMode, wchar_t APasswordChar, int ACharCase);

// --- Value bounds --------------------------------------------------------------------------
// What the bounds depend on: the assigned flags and the effective values.
struct TcxValueBounds {
  bool MinAssigned = false;
  bool MaxAssigned = false;
  double Min = 0;
  double Max = 0;
};
// With exactly one bound assigned, whether it is the one asked for; otherwise
// whether the maximum lies above the minimum.
bool HasValueBound(int AKind, const TcxValueBounds& ABounds);
bool HasValueBounds(const TcxValueBounds& ABounds);
// Numbers and dates only (a text or Null is never out of bounds): below the
// lower bound or above the upper one while that bound is in force.
bool IsValueOutOfBounds(const Variant& AValue, const TcxValueBounds& ABounds);

// --- Display and edit formats --------------------------------------------------------------
// Everything the choice of format reads; a data source's answers only count
// with HasProvider.
struct TcxFormatSources {
  bool DisplayFormatAssigned = false;
  String DisplayFormat;
  bool EditFormatAssigned = false;
  String EditFormat;
  String DefaultDisplayFormat;  // the properties class's own
  bool HasProvider = false;
  bool ProviderIsCurrency = false;
  String ProviderDisplayFormat;
  String ProviderEditFormat;
  bool ProviderDisplayTextFromData = false;
  bool HasEditor = false;
  bool Hosted = false;
  bool CapabilitiesHaveBit2 = false;  // the edit capabilities include bit 2
  bool UseDisplayFormatWhenEditing = false;
};
struct TcxDisplayFormatOptions {
  bool FromData = false;
  bool IsCurrency = false;
  String Format;
};
// The format used while editing: an assigned edit format wins at once, then
// the data source's edit format, then the display format in the order of
// CalcDisplayFormat; kept only with UseDisplayFormatWhenEditing (an edit
// format taken early is kept too).
TcxDisplayFormatOptions CalcDisplayFormatOptions(const TcxFormatSources& ASources);
// The format shown when not editing: the assigned display format (even empty),
// else the data source's when not empty, else the class's default.
String CalcDisplayFormat(const TcxFormatSources& ASources);

// --- Fixed lists ---------------------------------------------------------------------------
// Whether AText equals one of AItems, letter case ignored (the locale's rules).
bool IsLookupItemText(const String& AText, const std::vector<String>& AItems);
// An empty text and any text of a free-text or no-text style are valid; a
// list style that uses lookup data accepts only an item's text. A valid text
// comes back in ACharCase.
bool IsFixedListTextValid(String& AText, TcxTextEditingStyle AStyle, bool AUsesLookupData,
                          const std::vector<String>& AItems, int ACharCase);

// --- Numbers shown as text -----------------------------------------------------------------
struct TcxNumberDisplayParams {
  bool Editing = false;
  bool IsCurrency = false;  // editing: the currency decimals of the settings
  String EditFormat;        // editing: a float format, empty for general
  String DisplayFormat;     // not editing: empty shows the plain text
  int Precision = 15;       // significant digits, held to 1..15
};
// A typed number written back as the editor shows it: the text read as a
// decimal number, then written fixed with the currency decimals, with the
// format, or in general format with the precision. False (AResult
// untouched) for a text that is no finite number.
bool NumberTextToDisplayText(const String& AText, const TcxNumberDisplayParams& AParams,
                             const TFormatSettings& ASettings, String& AResult);
// The display text of a numeric value: Null and empty give an empty text; a
// number or a text goes through the format; a text that is no number shows
// as it is, so nothing typed is lost. Any other value raises EConvertError
// "Could not convert to numeric value".
String NumericDisplayText(const Variant& AValue, const TcxNumberDisplayParams& AParams,
                          const TFormatSettings& ASettings);
// The display text of a value of non-numeric properties: an array of more
// than one dimension is empty, anything else its plain text (Null empty).
String PlainDisplayText(const Variant& AValue);

// --- Text drawing --------------------------------------------------------------------------
// The text-output flags of a text editor: horizontal alignment (left 0,
// centre 1, right 2, from the runtime's TAlignment order left, right, centre),
// vertical (top 0, centre 16, bottom 32), single line, keep left and keep top.
unsigned TextEditDrawTextFlags(int AHorzAlignment, int AVertAlignment);
// The text offsets of a text editor from its content offsets (left, top,
// right, bottom): an editor that paints its own text in a pick-from-list or
// no-text style moves one pixel in at the top and on its alignment side, and
// one pixel down at the bottom.
TRect TextEditTextOffsets(const TRect& AContentOffsets, bool AHosted, TcxTextEditingStyle AStyle,
                          int AHorzAlignment);
// A selection range held inside a text of ALength: a start outside the text
// selects nothing, a length past the end is shortened.
void ClipTextSelection(int ALength, int& AStart, int& ASelLength);
