// Region objects: one owned region handle each.
#include "cxGraphics_win.h"

namespace {

HRGN NewEmptyRegion() {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (!region) throw EOutOfResources(LoadResString(&SOutOfResources));
  return region;
}

bool IsEmptyHandle(HRGN region) {
  RECT box;
  return !region || GetRgnBox(region, &box) == NULLREGION;
}

}  // namespace

TcxRegion::TcxRegion() : FHandle(NewEmptyRegion()) {}

TcxRegion::TcxRegion(const TRect& R) : TcxRegion(R.Left, R.Top, R.Right, R.Bottom) {}

TcxRegion::TcxRegion(int ALeft, int ATop, int ARight, int ABottom)
    : FHandle(CreateRectRgn(ALeft, ATop, ARight, ABottom)) {
  if (!FHandle) throw EOutOfResources(LoadResString(&SOutOfResources));
}

TcxRegion::TcxRegion(HRGN AHandle) : FHandle(AHandle ? AHandle : NewEmptyRegion()) {}

TcxRegion::~TcxRegion() { DeleteHandle(); }

bool TcxRegion::IsEmpty() const { return IsEmptyHandle(FHandle); }

void TcxRegion::DeleteHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

void TcxRegion::CombineWith(TcxRegion* ARegion, TcxRegionCombineMode AMode, bool ADestroyRegion) {
  if (!ARegion) return;
  if (!FHandle) FHandle = NewEmptyRegion();
  static constexpr int modes[] = {RGN_COPY, RGN_OR, RGN_DIFF, RGN_AND};
  // A copy takes its first source alone.
  if (ARegion->FHandle && AMode == roSet) CombineRgn(FHandle, ARegion->FHandle, nullptr, RGN_COPY);
  else if (ARegion->FHandle) CombineRgn(FHandle, FHandle, ARegion->FHandle, modes[AMode]);
  else if (AMode == roSet || AMode == roIntersect) SetRectRgn(FHandle, 0, 0, 0, 0);
  if (ADestroyRegion && ARegion != this) delete ARegion;
}

bool TcxRegion::EqualsRegion(const TcxRegion* ARegion) const { return ARegion && EqualsHandle(ARegion->FHandle); }

bool TcxRegion::EqualsHandle(HRGN ARegion) const {
  if (!ARegion) return false;
  if (IsEmpty() && IsEmptyHandle(ARegion)) return true;
  return FHandle && EqualRgn(FHandle, ARegion);
}

void TcxRegion::Shift(int DX, int DY) {
  if (FHandle && (DX || DY)) OffsetRgn(FHandle, DX, DY);
}

bool TcxRegion::PtInRegionXY(int X, int Y) const { return FHandle && PtInRegion(FHandle, X, Y); }
