// What the files of the container unit share and nobody else needs.
#pragma once

// Set first thing when the unit ends.
extern bool cxContainerFinalizing;

// A value set for the length of a call and given back even when the call raises.
template <class T>
class TValueScope {
 public:
  TValueScope(T& Ref, T Value) : FRef(Ref), FSaved(Ref) { FRef = Value; }
  ~TValueScope() { FRef = FSaved; }
  TValueScope(const TValueScope&) = delete;
  TValueScope& operator=(const TValueScope&) = delete;

 private:
  T& FRef;
  T FSaved;
};

// A lock count held for the length of a call.
class TCountScope {
 public:
  explicit TCountScope(int& Count) : FCount(Count) { ++FCount; }
  ~TCountScope() { --FCount; }
  TCountScope(const TCountScope&) = delete;
  TCountScope& operator=(const TCountScope&) = delete;

 private:
  int& FCount;
};
