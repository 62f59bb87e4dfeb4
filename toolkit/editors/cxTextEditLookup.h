// The rules of a text editor's item list that need no window: the prefix
// search that completes typed text from the items, what typing and Backspace
// do to the shown text while a completion is displayed, how the navigation
// keys step through the items, and which item the editor's ItemIndex names.
// The lookup data object and the popup list built on them are in
// platform/cxTextEditLookup_win.h. Lengths are UTF-16 units; a character
// made of a surrogate pair counts as one where a character is removed.
#pragma once

#include <vector>

#include "SysUtils.h"
#include "cxTextEdit.h"

// --- The items -----------------------------------------------------------------------------
// What a search runs over. LookupItemText writes into a buffer the caller
// keeps, so a scan over thousands of items reuses one allocation.
class TcxLookupItemSource {
 public:
  virtual ~TcxLookupItemSource() = default;
  virtual int LookupItemCount() = 0;
  virtual void LookupItemText(int AIndex, String& AText) = 0;
};

// Items held in a vector.
class TcxLookupItemVector : public TcxLookupItemSource {
 public:
  explicit TcxLookupItemVector(std::vector<String> AItems) : Items(std::move(AItems)) {}
  int LookupItemCount() override { return static_cast<int>(Items.size()); }
  void LookupItemText(int AIndex, String& AText) override { AText = Items[AIndex]; }
  std::vector<String> Items;
};

// Whether the first AText.size() units of AItem equal AText, letter case
// ignored by the locale's rules. An empty text begins every item.
bool LookupTextStartsWith(const String& AItem, const String& AText);
// Equal ignoring letter case, by the same comparison.
bool LookupTextEquals(const String& AItem, const String& AText);
// The first item equal to AText ignoring letter case, else -1.
int LookupIndexOfText(TcxLookupItemSource& AItems, const String& AText);

// --- Search --------------------------------------------------------------------------------
// What LocateLookupText leaves for the current key: an index, -1 (cleared) or this.
constexpr int cxLookupKeyKept = -2;

// The prefix search over AItems after AStart (-1: from the first item; the
// scan stops at the last item and finds nothing for an empty text). A match
// gives the rest of the item as ATail, in the list styles turns AText into the
// item's own spelling, and names the item as the new key. Without a match the
// key is cleared in free text and no-text style always, in
// tesCompleteFromList only for an exact request or an empty text, in
// tesPickFromList only for an exact request; otherwise AKey is cxLookupKeyKept.
// The exact mode needs a flag no properties class sets: the search is by prefix.
bool LocateLookupText(TcxLookupItemSource& AItems, TcxTextEditingStyle AStyle, int AStart, bool AExact,
                      String& AText, String& ATail, int& AKey);

// The item ItemIndex names: the current key when its text equals AText
// ignoring letter case, else the first item equal to AText, else -1. A typed
// prefix of the current item reads -1; a chosen duplicate reads its own index.
int ReadLookupItemIndex(TcxLookupItemSource& AItems, int AKeyIndex, const String& AText);

// --- Stepping ------------------------------------------------------------------------------
// The directions of StepItem.
constexpr int cxLookupStepFirst = 0, cxLookupStepLast = 1, cxLookupStepNext = 2, cxLookupStepPrior = 3,
              cxLookupStepPageUp = 4, cxLookupStepPageDown = 5;
// The index a step lands on from AIndex (-1: none) among ACount items with
// ARows rows to a page. Without AWrap the ends stay; a page down from no
// item lands on row ARows - 2.
int LookupStepIndex(int ADirection, bool AWrap, int AIndex, int ACount, int ARows);

// --- Typing --------------------------------------------------------------------------------
// Whether typing searches the items: free text with IncrementalSearch, or a list style.
bool IsLookupIncrementalSearch(TcxTextEditingStyle AStyle, bool AIncrementalSearch);

// The lookup data's prefix search from the first item (FindPrefix): AText
// may come back in the item's spelling, and the found item becomes current.
class TcxLookupFinder {
 public:
  virtual ~TcxLookupFinder() = default;
  virtual bool FindPrefix(String& AText, String& ATail) = 0;
};

// An editor's text while a key is typed. The editor fills the first four
// fields, runs LookupKeyPress, and then shows the outcome: when TextSet, Text
// with the caret after the typed part and the completed tail selected
// (SelStart, SelLength); when only SelectionSet, the selection; when
// TextCleared, the empty text as if the user set it; FindSelection in any case.
struct TcxLookupTyping {
  String Text;
  int SelStart = 0;
  int SelLength = 0;
  bool FindSelection = false;

  bool TextSet = false;
  bool SelectionSet = false;
  bool TextCleared = false;
  // The value is about to change through the lookup.
  bool LookupUpdating = false;
  bool Found = false;
};

// Backspace (#8) and characters from #32 on, typed into an editor whose
// properties use lookup data; AImeTrail is the second half of a character an
// IME still delivers (0: none). True when the key is dropped: a completion
// was shown, a list style refused the character, Backspace in
// tesPickFromList, or the first Backspace in tesCompleteFromList that only
// marks the tail.
bool LookupKeyPress(TcxLookupTyping& AState, wchar_t AKey, TcxTextEditingStyle AStyle, bool AIncrementalSearch,
                    wchar_t AImeTrail, TcxLookupFinder& AFinder);
// The search for ATyped, shown as LookupKeyPress shows it; ATyped comes back
// in the item's spelling when found.
bool LocateLookupTyped(TcxLookupTyping& AState, String& ATyped, TcxTextEditingStyle AStyle, wchar_t AImeTrail,
                       TcxLookupFinder& AFinder);
