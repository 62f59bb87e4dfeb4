#include "Units.h"

#include <exception>
#include <vector>

namespace {

struct TUnitState {
  std::vector<TUnitEntry> Started;  // in order of start
  bool Finalizing = false;
};

TUnitState& State() {
  static TUnitState state;
  return state;
}

bool Started(const String& name) {
  for (const TUnitEntry& u : State().Started)
    if (name == u.Name) return true;
  return false;
}

// Ends the started units from the last down to index `downTo`.
void EndFrom(size_t downTo, std::exception_ptr& first) {
  auto& started = State().Started;
  while (started.size() > downTo) {
    TUnitEntry unit = started.back();
    started.pop_back();  // ended even when its end raises: never run twice
    if (!unit.Finalization) continue;
    try {
      unit.Finalization();
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  }
}

}  // namespace

void InitializeUnits(const TUnitEntry* units, size_t count) {
  TUnitState& state = State();
  if (state.Finalizing && state.Started.empty()) state.Finalizing = false;
  const size_t mark = state.Started.size();
  for (size_t i = 0; i < count; ++i) {
    const TUnitEntry& unit = units[i];
    if (Started(unit.Name)) continue;
    try {
      if (unit.Initialization) unit.Initialization();
    } catch (...) {
      std::exception_ptr first;
      EndFrom(mark, first);
      throw;
    }
    state.Started.push_back(unit);
  }
}

void InitializeUnits(std::initializer_list<TUnitEntry> units) { InitializeUnits(units.begin(), units.size()); }

void FinalizeUnits() {
  State().Finalizing = true;
  std::exception_ptr first;
  EndFrom(0, first);
  if (first) std::rethrow_exception(first);
}

bool IsFinalizing() { return State().Finalizing; }

bool IsUnitStarted(const String& name) { return Started(name); }
