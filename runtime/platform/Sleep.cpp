#include "Sleep.h"

#include <windows.h>

#include <atomic>

namespace {

void PlatformSleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

std::atomic<TSleepProc> SleepProc{&PlatformSleep};

void PlatformBeep() { ::MessageBeep(0); }

std::atomic<TBeepProc> BeepProc{&PlatformBeep};

}  // namespace

void SleepMs(uint32_t milliseconds) { SleepProc.load()(milliseconds); }

TSleepProc SetSleepProc(TSleepProc proc) { return SleepProc.exchange(proc ? proc : &PlatformSleep); }

void SystemBeep() { BeepProc.load()(); }

TBeepProc SetBeepProc(TBeepProc proc) { return BeepProc.exchange(proc ? proc : &PlatformBeep); }
