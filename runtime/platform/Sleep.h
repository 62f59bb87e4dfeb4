// The one blocking pause of the calling thread (Sleep of the GUI thread's
// senders). Tests that don't check timing replace it to run fast; tests that
// do use the real one. Beside it the one beep of the program, which a test
// replaces to count the beeps instead of hearing them.
#pragma once

#include <cstdint>

using TSleepProc = void (*)(uint32_t milliseconds);

// Pauses the calling thread through the installed procedure (the platform's
// Sleep unless replaced).
void SleepMs(uint32_t milliseconds);
// Installs `proc` (null restores the real pause) and returns the previous one.
TSleepProc SetSleepProc(TSleepProc proc);

using TBeepProc = void (*)();

// Sounds the default beep through the installed procedure (the platform's
// MessageBeep unless replaced).
void SystemBeep();
// Installs `proc` (null restores the real beep) and returns the previous one.
TBeepProc SetBeepProc(TBeepProc proc);
