#include "SplashSchedule.h"

#include <climits>

namespace {
const int FadeTicks = 20;
const int FadeStep = 12;
const int HoldTicksPerStill = 60;
}  // namespace

int SplashEndTick(int still) {
  if (still < 0) still = 0;
  // A hold too long to count in ticks is held as long as the counter goes.
  const int longest = (INT_MAX - 2 * FadeTicks) / HoldTicksPerStill;
  if (still > longest) still = longest;
  return still * HoldTicksPerStill + 2 * FadeTicks;
}

TSplashSchedule::TSplashSchedule(bool enabled, int still) : FEnabled(enabled), FEndTick(SplashEndTick(still)) {}

bool TSplashSchedule::Tick() {
  if (!FEnabled || FTick >= FEndTick) return true;
  if (FTick < FadeTicks) FAlpha += FadeStep;
  else if (FTick == FadeTicks) FAlpha = 255;
  else if (FTick > FEndTick - FadeTicks) FAlpha -= FadeStep;
  ++FTick;
  return false;
}
