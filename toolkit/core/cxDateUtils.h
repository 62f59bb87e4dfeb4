// The smart date words a date field accepts besides dates ("today", "eom",
// "now" ...). They are the library's resource strings, read through the
// resource-string repository, so a replaced text takes effect at the next read.
// Needs no Win32.
#pragma once

#include <array>

#include "System.h"
#include "Units.h"

// 0 today, 1 yesterday, 2 tomorrow, 3..9 Sunday..Saturday, 10..16 first..seventh,
// 17 bom, 18 eom, 19 now.
constexpr int cxSmartDateWordCount = 20;
constexpr int cxSmartDateWordNow = 19;
using TcxSmartDateWords = std::array<String, cxSmartDateWordCount>;

// Reads the twenty words anew; they stay until the unit ends.
void LoadSmartDateWords();
// The words as last read (empty before the first read).
const TcxSmartDateWords& SmartDateWords();

void cxDateUtils_Finalize();
extern const TUnitEntry cxDateUtilsUnit;
