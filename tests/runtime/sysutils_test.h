// Shared by the SysUtils tests: the message of the exception a call raises.
#pragma once

#include <functional>

#include "System.h"

// "<no E>" when the call raises nothing; other exceptions pass through.
template <class E>
String MessageOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const E& e) {
    return e.Message();
  }
  return L"<no " + E::StaticClass()->ClassName() + L">";
}
