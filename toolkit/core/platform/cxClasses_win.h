// The parts of cxClasses that stand on Win32: multi-byte character lengths and
// thread hooks.
#pragma once

#include <windows.h>

#include "cxClasses.h"

// Bytes taken by the multi-byte character at a 1-based position (the system's next-character step).
int CharByteLength(const AnsiString& S, int APosition);

// Installs a hook for the current thread into an empty handle variable;
// raises EAssertionFailed when the variable already holds a hook.
void InstallThreadHook(HHOOK& AHookHandle, int AHookType, HOOKPROC AHookProc);
// Unhooks and clears the variable; an empty variable is left alone.
void RemoveThreadHook(HHOOK& AHookHandle);
