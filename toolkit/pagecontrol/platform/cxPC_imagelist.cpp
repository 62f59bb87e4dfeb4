// The tab control's image list: the Images list with its images turned for
// vertical tabs, each turned bitmap built once per background colour.
#include "SysUtils.h"
#include "cxPC_win.h"

// Clears the base list when the list is destroyed.
class TcxPCImageList::TFreeWatcher : public TComponent {
  VAMIRE_CLASS(TFreeWatcher, TComponent)
 public:
  explicit TFreeWatcher(TcxPCImageList* AOwner) : TComponent(nullptr), FOwner(AOwner) {}

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FOwner->FBaseImages) FOwner->SetBaseImages(nullptr);
  }

 private:
  TcxPCImageList* FOwner;
};

TcxPCImageList::TcxPCImageList(TcxCustomTabControl* AControl)
    : FControl(AControl), FWatcher(std::make_unique<TFreeWatcher>(this)) {
  FChangeLink.OnChange = TNotifyEvent(this, &TcxPCImageList::BaseChanged);
}

TcxPCImageList::~TcxPCImageList() {
  if (FBaseImages) {
    FBaseImages->UnRegisterChanges(&FChangeLink);
    FBaseImages->RemoveFreeNotification(FWatcher.get());
  }
}

void TcxPCImageList::SetBaseImages(TCustomImageList* Value) {
  if (Value == FBaseImages) return;
  if (FBaseImages) {
    FBaseImages->UnRegisterChanges(&FChangeLink);
    FBaseImages->RemoveFreeNotification(FWatcher.get());
  }
  FBaseImages = Value;
  if (FBaseImages) {
    FBaseImages->RegisterChanges(&FChangeLink);
    FBaseImages->FreeNotification(FWatcher.get());
  }
  BaseChanged(nullptr);
}

void TcxPCImageList::SetImageRotationAngle(int Value) {
  if (Value == FRotation) return;
  FRotation = Value;
  BaseChanged(nullptr);
}

void TcxPCImageList::BaseChanged(TObject*) {
  Rebuild();
  if (OnChange) OnChange(this);
}

void TcxPCImageList::Rebuild() {
  FRotated.clear();
  if (FRotation == 0 || !ImageListHasImages(FBaseImages)) return;
  FRotated.resize(std::size_t(FBaseImages->Count()));
  for (TRotatedEntry& entry : FRotated) {
    entry.Bitmap = std::make_unique<TBitmap>();
    entry.Bitmap->SetPixelFormat(pf32bit);
  }
}

TSize TcxPCImageList::GetImageSize() {
  if (FBaseImages && FBaseImages->Width() > 0 && FBaseImages->Height() > 0)
    return TSize{FBaseImages->Width(), FBaseImages->Height()};
  return TSize{0, 0};
}

TSize TcxPCImageList::GetRotatedImageSize() {
  const TSize size = GetImageSize();
  return FRotation == 0 ? size : TSize{size.cy, size.cx};
}

void TcxPCImageList::Error(PResStringRec AText, int AIndex, int AMax) {
  if (AText == &scxPCNoBaseImages) PCError(L"TcxPCImageList", L"Draw", AText);
  PCError(L"TcxPCImageList", L"Draw", AText, {IntToStr(AIndex), IntToStr(AMax)});
}

void TcxPCImageList::Draw(TcxCanvas* ACanvas, int X, int Y, int AImageIndex, bool AEnabled,
                          TColor ABackgroundColor) {
  if (!ImageListHasImages(FBaseImages)) Error(&scxPCNoBaseImages, 0, 0);
  const int count = FBaseImages->Count();
  if (AImageIndex < 0 || AImageIndex >= count) Error(&scxPCImageListIndexError, AImageIndex, count - 1);
  const TSize size = GetImageSize();
  const bool native = FControl->Painter() && FControl->Painter()->IsNativePainting();
  auto prepare = [&](TBitmap* bitmap) {
    PrepareBitmap(bitmap, FControl->Canvas(), size, ABackgroundColor);
    if (native) bitmap->SetTransparent(true);
    if (OnPrepareBitmap) OnPrepareBitmap(bitmap, TRect{0, 0, size.cx, size.cy}, -1);
    FBaseImages->Draw(bitmap->Canvas(), 0, 0, AImageIndex, AEnabled);
  };
  if (FRotation != 0 && std::size_t(AImageIndex) < FRotated.size()) {
    TRotatedEntry& entry = FRotated[std::size_t(AImageIndex)];
    if (!entry.Valid || entry.Background != ABackgroundColor) {
      prepare(entry.Bitmap.get());
      ACanvas->RotateBitmap(entry.Bitmap.get(), TcxBitmapRotation(FRotation));
      entry.Background = ABackgroundColor;
      entry.Valid = true;
      ++FBuildCount;
    }
    ACanvas->DrawGraphic(X, Y, entry.Bitmap.get());
    return;
  }
  if (native) {
    FBaseImages->Draw(ACanvas->Canvas(), X, Y, AImageIndex, AEnabled);
    return;
  }
  TBitmap bitmap;
  prepare(&bitmap);
  ACanvas->DrawGraphic(X, Y, &bitmap);
}
