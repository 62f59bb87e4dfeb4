#include "Sleep.h"

#include <windows.h>

#include <atomic>

namespace {

void PlatformSleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

std::atomic<TSleepProc> SleepProc{&PlatformSleep};

}  // namespace

void SleepMs(uint32_t milliseconds) { SleepProc.load()(milliseconds); }

TSleepProc SetSleepProc(TSleepProc proc) { return SleepProc.exchange(proc ? proc : &PlatformSleep); }
