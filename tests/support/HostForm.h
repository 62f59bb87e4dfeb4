// The form window tests host their controls on, and a pump for the messages a
// test posts or provokes. Test programs that share one of these share the class.
#pragma once

#include <windows.h>

#include "Forms.h"

namespace test_support {

class THostForm : public TForm {
  VAMIRE_CLASS(THostForm, TForm)
 public:
  using TForm::TForm;
};

// A form with its window, not shown (tests that need the focus show it).
inline THostForm* MakeForm(int Width = 420, int Height = 320) {
  THostForm* form = TCustomForm::Create<THostForm>(nullptr);
  form->SetBounds(60, 60, Width, Height);
  form->HandleNeeded();
  return form;
}

// Dispatches what is queued for this thread, returning when the queue is empty.
inline void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

}  // namespace test_support
