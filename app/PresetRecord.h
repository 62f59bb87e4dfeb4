// The stored native-matrix record of a scene preset ([nativeMatrix] "scene"
// n): the count of recorded splices, then five numbers per splice (left,
// top, right, bottom, matrix input), every number followed by ",". Reading
// it back is pure text work, so a damaged or cut record is handled here and
// fuzzed: only complete entries are replayed (D-25).
#pragma once

#include <vector>

#include "System.h"

// The pieces of `text` between delimiters: empty pieces before a delimiter
// are dropped, the piece after the last delimiter is always added ("3,1,"
// gives 3, 1 and ""). An empty delimiter gives the whole text as one piece.
std::vector<String> SplitString(const String& text, const String& delimiter);

struct TRecordedSplice {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Input = 0;
  friend bool operator==(const TRecordedSplice&, const TRecordedSplice&) = default;
};

// The splices a stored value replays: at most the stored count of them, and
// only those whose five numbers are all present and whole; the first piece
// that is no number ends the list. Empty for "0", "0,0,0,0,0", a missing,
// zero, negative or unreadable count.
std::vector<TRecordedSplice> ReadNativeRecord(const String& value);

// The value stored when a recording stops: the count and "," before the
// splices recorded.
String FormatNativeRecord(int count, const String& record);
