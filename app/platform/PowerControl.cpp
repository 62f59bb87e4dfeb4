#include "PowerControl.h"

#include "Links.h"
#include "Sleep.h"
#include "SysUtils.h"

namespace {
const int PowerCommand = 0x10;
const int PowerOnParameter = 1;
const int StandbyParameter = 0;
}  // namespace

void PowerOn(IPowerWindow& window) {
  if (!window.DelayedPowerOn()) {
    SendWallCommand(PowerCommand, PowerOnParameter);
    return;
  }
  const TWallSelection s = window.GridSelection();
  for (int row = s.SelTop; row <= s.SelBottom; ++row)
    for (int column = s.SelLeft; column <= s.SelRight; ++column) {
      SendWallFrame(BuildPanelCommand(column, row, PowerCommand, PowerOnParameter));
      const int seconds = StrToInt(window.DelaySeconds());
      // A negative or huge field waits nothing rather than wrapping around.
      if (seconds > 0 && seconds <= int(UINT32_MAX / 1000)) SleepMs(uint32_t(seconds) * 1000u);
    }
}

void Standby() { SendWallCommand(PowerCommand, StandbyParameter); }

void StoreDelayedPowerOn(ISettingsStore& store, bool delayed) { WriteSettingBool(store, L"setting", L"KJ", delayed); }
