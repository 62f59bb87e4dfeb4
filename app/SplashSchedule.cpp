#include "SplashSchedule.h"

namespace {
const int FadeTicks = 20;
const int FadeStep = 12;
const int HoldTicksPerStill = 60;
}  // namespace

int SplashEndTick(int still) {
  if (still < 0) still = 0;
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
