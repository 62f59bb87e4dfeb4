// Unit start and end. The program lists its units once, in dependency order,
// with what each does when it starts and when it ends; ends run in reverse.
// Nothing depends on the order in which C++ runs static initialisers.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "System.h"

struct TUnitEntry {
  const wchar_t* Name;
  void (*Initialization)();  // may be null
  void (*Finalization)();    // may be null
};

// Starts the listed units in order. A unit already started is skipped, so a
// second call (or a list that repeats a unit) starts nothing twice. When a
// start raises, the units started by this call end again in reverse and the
// exception passes on.
void InitializeUnits(const TUnitEntry* units, size_t count);
void InitializeUnits(std::initializer_list<TUnitEntry> units);

// Ends every started unit in reverse order of start. While it runs, and after
// it, IsFinalizing() answers true, so process-wide singletons are not created
// again by late callers. Ends that raise do not stop the others; the first
// exception passes on once all have run. A later InitializeUnits begins afresh.
void FinalizeUnits();

bool IsFinalizing();
bool IsUnitStarted(const String& name);
