// Compiled, never run: the check that a unit's list of streamed classes refuses
// what it cannot register. OMIT picks the fault; 0 is the sound declaration.
#include "Streaming.h"

class TListedA : public TPersistent {
  VAMIRE_CLASS(TListedA, TPersistent)
 public:
  TListedA() = default;
  int Value() const { return 0; }
  void SetValue(int) {}
};

// No class object of its own: it would register as TListedA.
class TWithoutClassObject : public TListedA {
 public:
  TWithoutClassObject() = default;
};

class TNotListed : public TPersistent {
  VAMIRE_CLASS(TNotListed, TPersistent)
 public:
  TNotListed() = default;
};

#if OMIT == 1
VAMIRE_STREAMED_CLASSES(CheckStreamed, TListedA, TWithoutClassObject)
#else
VAMIRE_STREAMED_CLASSES(CheckStreamed, TListedA)
#endif

#if OMIT != 2
VAMIRE_STREAMED_TABLE(CheckStreamed, TListedA, Prop(L"Value", &TListedA::Value, &TListedA::SetValue))
#endif
#if OMIT == 3
VAMIRE_STREAMED_TABLE(CheckStreamed, TNotListed)
#endif

void StartCheckUnit() { CheckStreamed::Register(); }
