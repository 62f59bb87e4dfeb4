// The item list's rules that need no window.
#include "cxTextEditLookup.h"

#include <algorithm>

namespace {

wchar_t FoldAscii(wchar_t C) { return C >= L'a' && C <= L'z' ? wchar_t(C - (L'a' - L'A')) : C; }

bool IsLowSurrogate(wchar_t C) { return C >= 0xDC00 && C <= 0xDFFF; }
bool IsHighSurrogate(wchar_t C) { return C >= 0xD800 && C <= 0xDBFF; }

// The text without its last character; a surrogate pair goes as one.
void RemoveLastCharacter(String& AText) {
  if (AText.empty()) return;
  const size_t size = AText.size();
  const bool pair = size >= 2 && IsLowSurrogate(AText[size - 1]) && IsHighSurrogate(AText[size - 2]);
  AText.resize(size - (pair ? 2 : 1));
}

}  // namespace

bool LookupTextEquals(const String& AItem, const String& AText) {
  return AItem.size() == AText.size() && LookupTextStartsWith(AItem, AText);
}

bool LookupTextStartsWith(const String& AItem, const String& AText) {
  const size_t n = AText.size();
  if (AItem.size() < n) return false;
  // Item lists run to thousands and the search runs at every key: ASCII is
  // folded here, and only a prefix holding other letters asks the locale.
  for (size_t i = 0; i < n; ++i) {
    const wchar_t a = AItem[i], b = AText[i];
    if (a == b) continue;
    if (a < 128 && b < 128) {
      if (FoldAscii(a) != FoldAscii(b)) return false;
      continue;
    }
    return AnsiSameText(AItem.substr(0, n), AText);
  }
  return true;
}

int LookupIndexOfText(TcxLookupItemSource& AItems, const String& AText) {
  String item;
  for (int i = 0, count = AItems.LookupItemCount(); i < count; ++i) {
    AItems.LookupItemText(i, item);
    if (LookupTextEquals(item, AText)) return i;
  }
  return -1;
}

bool LocateLookupText(TcxLookupItemSource& AItems, TcxTextEditingStyle AStyle, int AStart, bool AExact,
                      String& AText, String& ATail, int& AKey) {
  AKey = cxLookupKeyKept;
  const size_t n = AText.size();
  if (n > 0) {
    String item;
    for (int i = std::max(AStart, -1) + 1, count = AItems.LookupItemCount(); i < count; ++i) {
      AItems.LookupItemText(i, item);
      if (!LookupTextStartsWith(item, AText)) continue;
      if (AStyle != tesFreeText) AText.assign(item, 0, n);
      ATail.assign(item, n, String::npos);
      AKey = i;
      return true;
    }
  }
  ATail.clear();
  bool clears;
  switch (AStyle) {
    case tesCompleteFromList:
      clears = AExact || n == 0;
      break;
    case tesPickFromList:
      clears = AExact;
      break;
    default:
      clears = true;
  }
  if (clears) AKey = -1;
  return false;
}

int ReadLookupItemIndex(TcxLookupItemSource& AItems, int AKeyIndex, const String& AText) {
  if (AKeyIndex >= 0 && AKeyIndex < AItems.LookupItemCount()) {
    String item;
    AItems.LookupItemText(AKeyIndex, item);
    if (LookupTextEquals(item, AText)) return AKeyIndex;
  }
  return LookupIndexOfText(AItems, AText);
}

int LookupStepIndex(int ADirection, bool AWrap, int AIndex, int ACount, int ARows) {
  if (ACount <= 0) return AIndex;
  const int last = ACount - 1;
  // A page of fewer than one row would move a page key the wrong way.
  const int rows = std::max(ARows, 1);
  switch (ADirection) {
    case cxLookupStepFirst:
      return 0;
    case cxLookupStepLast:
      return last;
    case cxLookupStepNext:
      if (AIndex >= last) return AWrap ? 0 : last;
      return AIndex + 1;
    case cxLookupStepPrior:
      if (AIndex - 1 < 0) return AWrap ? last : AIndex;
      return std::min(AIndex - 1, last);
    case cxLookupStepPageUp:
      if (AIndex == -1) return AWrap ? last : -1;
      if (AWrap && AIndex == 0) return last;
      return std::clamp(AIndex - rows + 1, 0, last);
    case cxLookupStepPageDown: {
      const int target = AIndex == -1 ? rows - 2 : AIndex + rows - 1;
      if (target >= ACount) return AWrap && AIndex == last ? 0 : last;
      return std::max(target, -1);
    }
    default:
      return AIndex;
  }
}

bool IsLookupIncrementalSearch(TcxTextEditingStyle AStyle, bool AIncrementalSearch) {
  return (AStyle == tesFreeText && AIncrementalSearch) || AStyle == tesCompleteFromList ||
         AStyle == tesPickFromList;
}

bool LocateLookupTyped(TcxLookupTyping& AState, String& ATyped, TcxTextEditingStyle AStyle, wchar_t AImeTrail,
                       TcxLookupFinder& AFinder) {
  String search = ATyped;
  if (AImeTrail != 0) search += AImeTrail;
  String tail;
  const bool found = AFinder.FindPrefix(search, tail);
  if (found) {
    ATyped = search;
    // The trail arrives as a character of its own: it belongs to the completion until then.
    if (AImeTrail != 0) {
      tail.insert(tail.begin(), ATyped.back());
      ATyped.pop_back();
    }
  }
  AState.FindSelection = found;
  if (ATyped.empty()) {
    if (AStyle != tesPickFromList) {
      AState.Text.clear();
      AState.SelStart = AState.SelLength = 0;
      AState.TextCleared = true;
      AState.TextSet = false;
    }
    AState.FindSelection = false;
  }
  if (found) {
    AState.Text = ATyped + tail;
    AState.SelStart = static_cast<int>(ATyped.size());
    AState.SelLength = static_cast<int>(tail.size());
    AState.TextSet = true;
    AState.TextCleared = false;
  }
  return found;
}

bool LookupKeyPress(TcxLookupTyping& AState, wchar_t AKey, TcxTextEditingStyle AStyle, bool AIncrementalSearch,
                    wchar_t AImeTrail, TcxLookupFinder& AFinder) {
  const bool searches = IsLookupIncrementalSearch(AStyle, AIncrementalSearch);
  const bool listStyle = AStyle == tesCompleteFromList || AStyle == tesPickFromList;
  const bool wasFind = AState.FindSelection;
  const int length = static_cast<int>(AState.Text.size());
  AState.SelStart = std::clamp(AState.SelStart, 0, length);
  AState.SelLength = std::clamp(AState.SelLength, 0, length - AState.SelStart);
  bool found = false;
  if (AKey == 8) {
    if (searches) {
      if (AStyle == tesCompleteFromList && length > 0 && !AState.FindSelection) {
        // The first Backspace only marks the tail: were it passed on, the
        // EDIT would delete the tail it just marked.
        AState.SelLength = length - AState.SelStart;
        AState.SelectionSet = true;
        AState.FindSelection = true;
        return true;
      }
      if (AState.FindSelection) {
        String typed = AState.Text;
        typed.erase(AState.SelStart, AState.SelLength);
        RemoveLastCharacter(typed);
        AState.LookupUpdating = true;
        found = LocateLookupTyped(AState, typed, AStyle, AImeTrail, AFinder);
      }
    }
    AState.Found = found;
    return found || AStyle == tesPickFromList;
  }
  if (AKey < 32) return false;
  const bool caretAtEnd = AState.SelStart == length && AState.SelLength == 0;
  if (searches && (listStyle || caretAtEnd || AState.FindSelection || AState.SelLength > 0)) {
    AState.LookupUpdating = true;
    String typed;
    if (AState.SelLength > 0) {
      typed = AState.Text.substr(0, AState.SelStart) + AKey;
    } else if (AStyle != tesPickFromList) {
      typed = AState.Text;
      typed.insert(typed.begin() + AState.SelStart, AKey);
    } else if (AState.FindSelection) {
      typed = AState.Text + AKey;
      found = LocateLookupTyped(AState, typed, AStyle, AImeTrail, AFinder);
      if (!found) typed = String(1, AKey);
    } else {
      typed = String(1, AKey);
    }
    if (!found) found = LocateLookupTyped(AState, typed, AStyle, AImeTrail, AFinder);
  }
  AState.Found = found;
  if (listStyle && !found) {
    if (AStyle == tesCompleteFromList && !AState.Text.empty()) AState.FindSelection = true;
    if (AStyle == tesPickFromList && wasFind) AState.FindSelection = true;
    return true;
  }
  return found;
}
