#include "cxStandardMask.h"

#include "Classes.h"
#include "SysUtils.h"
#include "dxCore.h"

bool TcxStandardMaskManyItem::Accepts(wchar_t& Ch) const {
  const bool accepted = IsInClass(Ch);
  if (FCaseType == cxMaskCaseUpper) Ch = AsciiUpper(Ch);
  else if (FCaseType == cxMaskCaseLower) Ch = AsciiLower(Ch);
  return accepted;
}

bool TcxStandardMaskAlphaItem::IsInClass(wchar_t Ch) const { return IsAsciiLetter(Ch); }

bool TcxStandardMaskAlphaNumericItem::IsInClass(wchar_t Ch) const { return IsAsciiLetter(Ch) || IsAsciiDigit(Ch); }

bool TcxStandardMaskNumericItem::IsInClass(wchar_t Ch) const { return IsAsciiDigit(Ch); }

bool TcxStandardMaskNumericSymbolItem::IsInClass(wchar_t Ch) const {
  return IsAsciiDigit(Ch) || Ch == L'+' || Ch == L'-';
}

TcxStandardMask::~TcxStandardMask() = default;

TcxStandardMaskCustomItem* TcxStandardMask::Items(int Index) const {
  if (Index < 0 || Index >= Count()) TList::Error(&SListIndexError, Index);
  return FItems[std::size_t(Index)].get();
}

bool TcxStandardMask::IsLiteral(const TcxStandardMaskCustomItem* Item) {
  return dynamic_cast<const TcxStandardMaskLiteralItem*>(Item) != nullptr;
}

void TcxStandardMask::Clear() {
  FMask.clear();
  FFillFromRight = false;
  FSaveLiteralCharacters = true;
  FBlank = L'_';
  FItems.clear();
}

void TcxStandardMask::SetMask(const String& Mask) {
  String mask = Mask;  // Mask may be our own mask text, which Clear empties
  Clear();
  FMask = mask;
  if (!mask.empty() && mask[0] == L'!') {
    FFillFromRight = true;
    Parse(mask.substr(1));
  } else {
    Parse(mask);
  }
}

void TcxStandardMask::Parse(const String& Mask) {
  const std::size_t len = Mask.size();
  int caseType = cxMaskCaseNone;
  auto isKeepFlag = [](wchar_t c) { return c == L'0' || c == L'1'; };
  for (std::size_t i = 0; i < len; ++i) {
    const wchar_t c = Mask[i];
    switch (c) {
      case L'L': FItems.push_back(std::make_unique<TcxStandardMaskAlphaItem>(caseType, false)); break;
      case L'l': FItems.push_back(std::make_unique<TcxStandardMaskAlphaItem>(caseType, true)); break;
      case L'A': FItems.push_back(std::make_unique<TcxStandardMaskAlphaNumericItem>(caseType, false)); break;
      case L'a': FItems.push_back(std::make_unique<TcxStandardMaskAlphaNumericItem>(caseType, true)); break;
      case L'C': FItems.push_back(std::make_unique<TcxStandardMaskASCIIItem>(caseType, false)); break;
      case L'c': FItems.push_back(std::make_unique<TcxStandardMaskASCIIItem>(caseType, true)); break;
      case L'0': FItems.push_back(std::make_unique<TcxStandardMaskNumericItem>(caseType, false)); break;
      case L'9': FItems.push_back(std::make_unique<TcxStandardMaskNumericItem>(caseType, true)); break;
      case L'#': FItems.push_back(std::make_unique<TcxStandardMaskNumericSymbolItem>(caseType)); break;
      case L':': FItems.push_back(std::make_unique<TcxStandardMaskLiteralItem>(GetLocaleTimeSeparator(0))); break;
      case L'/': FItems.push_back(std::make_unique<TcxStandardMaskLiteralItem>(GetLocaleDateSeparator(0))); break;
      case L'\\':
        if (i + 1 < len) FItems.push_back(std::make_unique<TcxStandardMaskLiteralItem>(Mask[++i]));
        break;
      case L'>': caseType = cxMaskCaseUpper; break;
      case L'<':
        if (i + 1 < len && Mask[i + 1] == L'>') {
          caseType = cxMaskCaseNone;
          ++i;
        } else {
          caseType = cxMaskCaseLower;
        }
        break;
      case L';':
        // Only the two field forms at the very end are fields: ";k" and ";k;b".
        if (i + 2 == len && isKeepFlag(Mask[i + 1])) {
          FSaveLiteralCharacters = Mask[i + 1] == L'1';
          return;
        }
        if (i + 4 == len && isKeepFlag(Mask[i + 1]) && Mask[i + 2] == L';') {
          FSaveLiteralCharacters = Mask[i + 1] == L'1';
          FBlank = Mask[i + 3];
          return;
        }
        FItems.push_back(std::make_unique<TcxStandardMaskLiteralItem>(c));
        break;
      default: FItems.push_back(std::make_unique<TcxStandardMaskLiteralItem>(c)); break;
    }
  }
}

String TcxStandardMask::EmptyText() const {
  String text;
  text.reserve(FItems.size());
  for (auto& item : FItems)
    text += IsLiteral(item.get()) ? static_cast<TcxStandardMaskLiteralItem*>(item.get())->Literal() : FBlank;
  return text;
}

String TcxStandardMask::EmptyValue() const {
  String text;
  for (auto& item : FItems) {
    if (!IsLiteral(item.get())) text += L' ';
    else if (FSaveLiteralCharacters) text += static_cast<TcxStandardMaskLiteralItem*>(item.get())->Literal();
  }
  return text;
}

void TcxStandardMask::Fit(String& Text, bool UseConvertedChars, bool TextHasLiterals) const {
  String result = EmptyText();
  const int count = Count();
  const int textLength = static_cast<int>(Text.size());
  const int step = FFillFromRight ? -1 : 1;
  const bool skipLiterals = !FSaveLiteralCharacters && !TextHasLiterals;
  int current = FFillFromRight ? count - 1 : 0;
  for (int k = 0; k < textLength; ++k) {
    const wchar_t original = Text[FFillFromRight ? textLength - 1 - k : k];
    for (int p = current; p >= 0 && p < count; p += step) {
      const TcxStandardMaskCustomItem* item = FItems[p].get();
      const bool literal = IsLiteral(item);
      if (literal && skipLiterals) continue;
      wchar_t converted = original;
      if (item->Accepts(converted)) {
        result[p] = UseConvertedChars ? converted : original;
        current = p + step;
        break;
      }
      if ((original == FBlank || original == L' ') && !literal) {
        current = p + step;
        break;
      }
    }
  }
  Text = result;
}

void TcxStandardMask::Strip(String& Text) const {
  String result;
  for (int i = 0; i < Count(); ++i) {
    const TcxStandardMaskCustomItem* item = FItems[i].get();
    const bool literal = IsLiteral(item);
    if (literal && !FSaveLiteralCharacters) continue;
    // A text shorter than the mask counts as untouched where it ends.
    wchar_t c;
    if (i < static_cast<int>(Text.size())) c = Text[i];
    else c = literal ? static_cast<const TcxStandardMaskLiteralItem*>(item)->Literal() : FBlank;
    result += (!literal && c == FBlank) ? L' ' : c;
  }
  Text = result;
}

bool TcxStandardMask::IsValid(const String& Text) const {
  if (static_cast<int>(Text.size()) != Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    const TcxStandardMaskCustomItem* item = FItems[i].get();
    wchar_t c = Text[i];
    if (item->Accepts(c)) continue;
    const auto* many = dynamic_cast<const TcxStandardMaskManyItem*>(item);
    if ((Text[i] == FBlank || Text[i] == L' ') && many && many->Optional()) continue;
    return false;
  }
  return true;
}
