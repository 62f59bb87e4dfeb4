// Edit masks and the edit that types over them. A mask text is
// "mask;save-literals;blank": the mask of input and literal characters, then
// optionally "0" when Text leaves the literals out, then the character shown
// in empty input places (default "_").
//   L l  letter (required / optional)      A a  letter or digit
//   C c  any character                     0 9  digit
//   #    digit or sign (optional)          : /  literal separators
//   >    upper case from here              <    lower case from here ("<>": as typed)
//   \    the next character is a literal   !    Text keeps leading blanks, not trailing
//   _    a blank literal; any other character is a literal
#pragma once

#include <windows.h>

#include <vector>

#include "StdCtrls.h"
#include "Units.h"

VAMIRE_EXCEPTION(EDBEditError, Exception)

extern const TResStringRec SMaskEditErr;  // Invalid input value.  Use escape key to abandon changes

enum TMaskCharType { mcLiteral, mcLetter, mcAlphaNum, mcAny, mcDigit, mcDigitSign };
enum TMaskCase { mkNone, mkUpper, mkLower };

// One place of the edited text.
struct TMaskPlace {
  TMaskCharType Type = mcLiteral;
  bool Required = false;
  TMaskCase Case = mkNone;
  wchar_t Literal = 0;  // for mcLiteral
};

// A parsed mask: what each place of the edited text takes, and the
// conversions between the edited text (every literal, blanks shown) and Text.
class TEditMaskFormat {
 public:
  TEditMaskFormat() = default;
  explicit TEditMaskFormat(const String& EditMask);

  // False for an empty mask: the edit is a plain one.
  bool IsMasked() const { return !FPlaces.empty(); }
  int Length() const { return int(FPlaces.size()); }
  const TMaskPlace& Place(int Index) const { return FPlaces[size_t(Index)]; }
  bool SaveLiterals() const { return FSaveLiterals; }
  wchar_t Blank() const { return FBlank; }
  bool LeadingBlanks() const { return FLeadingBlanks; }

  // Every literal in its place and the blank in every input place.
  String EmptyText() const;
  // Whether Ch may stand in input place Pos; Ch gets the place's case.
  bool Accepts(int Pos, wchar_t& Ch) const;
  // The first input place at or after Pos (Length when none); the last one before Pos (-1 when none).
  int NextInput(int Pos) const;
  int PrevInput(int Pos) const;
  // The edited text brought to the mask's length, literals forced and every
  // character an input place refuses turned into the blank.
  String Normalize(const String& EditText) const;
  // Text from the edited text: blanks become spaces; without saved literals
  // only the input places are kept, and the spaces at the end (with "!": at
  // the start) are dropped.
  String TextFromEdit(const String& EditText) const;
  // The edited text for a Text: with saved literals place by place, without
  // them the characters go to the input places in order (with "!": the last
  // ones are filled).
  String EditFromText(const String& Text) const;
  // The first required place still blank (or holding a refused character); -1 when none.
  int FirstMissing(const String& EditText) const;

 private:
  std::vector<TMaskPlace> FPlaces;
  bool FSaveLiterals = true;
  wchar_t FBlank = L'_';
  bool FLeadingBlanks = false;
};

// Value as Text of an edit with EditMask would give it.
String FormatMaskText(const String& EditMask, const String& Value);

// An edit with an edit mask. Typing fills input places and steps over
// literals; Backspace and Delete put blanks back. Leaving the edit with a
// required place empty raises EDBEditError (and the focus stays); Esc brings
// back the text the edit had when it got the focus.
class TCustomMaskEdit : public TCustomEdit {
  VAMIRE_CLASS(TCustomMaskEdit, TCustomEdit)
 public:
  explicit TCustomMaskEdit(TComponent* AOwner);

  String EditMask() const { return FEditMask; }
  void SetEditMask(const String& Value);
  bool IsMasked() const { return FFormat.IsMasked(); }
  // The text as shown: literals and blanks included.
  String EditText();
  void SetEditText(const String& Value);
  // Raises EDBEditError (after putting the caret on the first missing place)
  // when a required place is empty.
  virtual void ValidateEdit();
  void Clear() override;

 protected:
  String GetText() override;
  void SetTextValue(const String& Value) override;
  void CreateWnd() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void Dispatch(TMessage& Message) override;
  virtual void ValidateError();

 private:
  // Puts Ch into the places from the caret on; false when refused.
  bool InputChar(wchar_t Ch);
  // Blanks the selection, or (no selection) the place before (Backspace) or at the caret.
  void DeleteKeys(bool Backspace);
  void ApplyEditText(const String& Value, int Caret);
  void PasteText(const String& Value);
  void GetSel(int& Start, int& Stop);
  void SetSel(int Start, int Stop);

  String FEditMask;
  TEditMaskFormat FFormat;
  String FOldEdit;  // what Esc brings back: the edited text when the focus came
};

class TMaskEdit : public TCustomMaskEdit {
  VAMIRE_CLASS(TMaskEdit, TCustomMaskEdit)
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
};

// Registers the unit's classes for the form reader.
extern const TUnitEntry MaskUnit;
