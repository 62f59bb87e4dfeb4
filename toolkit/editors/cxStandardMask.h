// The standard edit mask: a text of fixed length in which each position is a
// literal or accepts one class of characters, optionally converting its case.
// Fits raw text into the positions, strips a displayed text back to a value,
// and tells whether a text is complete.
#pragma once

#include <memory>
#include <vector>

#include "System.h"

class TcxStandardMaskCustomItem : public TObject {
  VAMIRE_CLASS(TcxStandardMaskCustomItem, TObject)
 public:
  // Whether the position takes Ch; an editable position converts Ch to its case.
  virtual bool Accepts(wchar_t& Ch) const = 0;
};

class TcxStandardMaskLiteralItem : public TcxStandardMaskCustomItem {
  VAMIRE_CLASS(TcxStandardMaskLiteralItem, TcxStandardMaskCustomItem)
 public:
  explicit TcxStandardMaskLiteralItem(wchar_t Literal) : FLiteral(Literal) {}
  bool Accepts(wchar_t& Ch) const override { return Ch == FLiteral; }
  wchar_t Literal() const { return FLiteral; }

 private:
  wchar_t FLiteral;
};

// Case conversions of editable positions.
enum : int { cxMaskCaseUpper = 0, cxMaskCaseLower = 1, cxMaskCaseNone = 2 };

class TcxStandardMaskManyItem : public TcxStandardMaskCustomItem {
  VAMIRE_CLASS(TcxStandardMaskManyItem, TcxStandardMaskCustomItem)
 public:
  TcxStandardMaskManyItem(int CaseType, bool Optional) : FCaseType(CaseType), FOptional(Optional) {}
  // Tests the class on Ch as typed, then converts its case in every case.
  bool Accepts(wchar_t& Ch) const override;
  int CaseType() const { return FCaseType; }
  bool Optional() const { return FOptional; }

 protected:
  virtual bool IsInClass(wchar_t Ch) const = 0;

 private:
  int FCaseType;
  bool FOptional;
};

class TcxStandardMaskAlphaItem : public TcxStandardMaskManyItem {
  VAMIRE_CLASS(TcxStandardMaskAlphaItem, TcxStandardMaskManyItem)
 public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

 protected:
  bool IsInClass(wchar_t Ch) const override;
};

class TcxStandardMaskAlphaNumericItem : public TcxStandardMaskManyItem {
  VAMIRE_CLASS(TcxStandardMaskAlphaNumericItem, TcxStandardMaskManyItem)
 public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

 protected:
  bool IsInClass(wchar_t Ch) const override;
};

class TcxStandardMaskASCIIItem : public TcxStandardMaskManyItem {
  VAMIRE_CLASS(TcxStandardMaskASCIIItem, TcxStandardMaskManyItem)
 public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

 protected:
  bool IsInClass(wchar_t) const override { return true; }
};

class TcxStandardMaskNumericItem : public TcxStandardMaskManyItem {
  VAMIRE_CLASS(TcxStandardMaskNumericItem, TcxStandardMaskManyItem)
 public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

 protected:
  bool IsInClass(wchar_t Ch) const override;
};

// A digit or a sign; always optional.
class TcxStandardMaskNumericSymbolItem : public TcxStandardMaskManyItem {
  VAMIRE_CLASS(TcxStandardMaskNumericSymbolItem, TcxStandardMaskManyItem)
 public:
  explicit TcxStandardMaskNumericSymbolItem(int CaseType) : TcxStandardMaskManyItem(CaseType, true) {}

 protected:
  bool IsInClass(wchar_t Ch) const override;
};

class TcxStandardMask : public TObject {
  VAMIRE_CLASS(TcxStandardMask, TObject)
 public:
  TcxStandardMask() = default;
  ~TcxStandardMask() override;

  void SetMask(const String& Mask);
  void Clear();

  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises the runtime's list error for an index outside 0..Count-1.
  TcxStandardMaskCustomItem* Items(int Index) const;
  wchar_t Blank() const { return FBlank; }
  bool FillFromRight() const { return FFillFromRight; }
  bool SaveLiteralCharacters() const { return FSaveLiteralCharacters; }
  const String& Mask() const { return FMask; }

  // The display text of an untouched mask.
  String EmptyText() const;
  // The value text of an untouched mask.
  String EmptyValue() const;
  // Fits Text into the positions; the result always has Count characters.
  void Fit(String& Text, bool UseConvertedChars, bool TextHasLiterals) const;
  // Turns a display text into a value text.
  void Strip(String& Text) const;
  // Whether a display text is complete: every required position filled and every
  // literal in place. Text itself is not changed.
  bool IsValid(const String& Text) const;

 private:
  void Parse(const String& Mask);
  static bool IsLiteral(const TcxStandardMaskCustomItem* Item);

  wchar_t FBlank = L'_';
  std::vector<std::unique_ptr<TcxStandardMaskCustomItem>> FItems;
  bool FFillFromRight = false;
  bool FSaveLiteralCharacters = true;
  String FMask;
};
