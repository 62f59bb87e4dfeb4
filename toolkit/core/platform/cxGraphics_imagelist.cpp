// The toolkit's image list: images kept twice, in the 32-bit system list for
// the runtime and as they were added for alpha-correct drawing, copying and
// streaming.
#include <objbase.h>

#include <algorithm>

#include "Streaming.h"
#include "Streams.h"
#include "cxGraphics_win.h"

namespace {

int RectWidth(const TRect& R) { return R.Right - R.Left; }
int RectHeight(const TRect& R) { return R.Bottom - R.Top; }

// The system list's bitmaps stay selected in its own DCs; each is read through a DIB-section copy.
void ReadListBitmap(HBITMAP AListBitmap, const RECT& AImageRect, bool AWhole, TBitmap* ATarget) {
  if (!ATarget || !AListBitmap) return;
  HBITMAP copy = CopyImageHandle(AListBitmap);
  if (!copy) return;
  if (AWhole) {
    ATarget->SetHandle(copy);
    return;
  }
  ATarget->SetSize(AImageRect.right - AImageRect.left, AImageRect.bottom - AImageRect.top);
  {
    TMemoryDC dc;
    TGdiSelection selection(dc, copy);
    BitBlt(ATarget->Canvas()->Handle(), 0, 0, ATarget->Width(), ATarget->Height(), dc, AImageRect.left, AImageRect.top,
           SRCCOPY);
  }
  DeleteObject(copy);
  ATarget->SetModified(true);
}

// One tile of a strip, of the strip's pixel format.
std::unique_ptr<TcxBitmap> StripTile(TBitmap* AStrip, int AColumn, int ARow, int AWidth, int AHeight) {
  auto tile = std::make_unique<TcxBitmap>(AWidth, AHeight, AStrip->PixelFormat());
  if (AStrip->Monochrome()) tile->SetMonochrome(true);
  tile->CopyBitmapRect(AStrip, tile->GetClientRect(), SRCCOPY, TPoint{AColumn * AWidth, ARow * AHeight});
  return tile;
}

}  // namespace

// --- TcxImageInfo -------------------------------------------------------------------------

TcxImageInfo::TcxImageInfo() : FImage(std::make_unique<TcxBitmap>()), FMask(std::make_unique<TcxBitmap>()) {}

TcxImageInfo::~TcxImageInfo() = default;

void TcxImageInfo::Assign(TPersistent* Source) {
  auto* info = dynamic_cast<TcxImageInfo*>(Source);
  if (!info) {
    inherited::Assign(Source);
    return;
  }
  AssignImage(info->Image());
  AssignMask(info->Mask());
  FMaskColor = info->MaskColor();
}

void TcxImageInfo::AssignImage(TBitmap* AImage) {
  FImage->Assign(AImage);
  FImage->Handle();
}

void TcxImageInfo::AssignMask(TBitmap* AMask) {
  FMask->Assign(AMask);
  FMask->Handle();
}

// --- TcxImageInfoItem ---------------------------------------------------------------------

TcxImageInfoItem::TcxImageInfoItem(TCollection* Collection)
    : TCollectionItem(Collection), FImageInfo(std::make_unique<TcxImageInfo>()) {
  if (auto* infos = dynamic_cast<TcxImageInfoCollection*>(Collection)) SetCompressData(infos->CompressData());
}

TcxImageInfoItem::TcxImageInfoItem(TCollection* Collection, TBitmap* AImage, TBitmap* AMask, TColor AMaskColor)
    : TcxImageInfoItem(Collection) {
  SetImage(AImage);
  SetMask(AMask);
  SetMaskColor(AMaskColor);
}

TcxImageInfoItem::~TcxImageInfoItem() = default;

void TcxImageInfoItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TcxImageInfoItem*>(Source))
    FImageInfo->Assign(item->ImageInfo());
  else
    inherited::Assign(Source);
}

bool TcxImageInfoItem::CompressData() const {
  return FImageInfo->Image()->CompressData() && FImageInfo->Mask()->CompressData();
}

void TcxImageInfoItem::SetCompressData(bool Value) {
  if (Value == CompressData()) return;
  FImageInfo->Image()->SetCompressData(Value);
  FImageInfo->Mask()->SetCompressData(Value);
}

// --- TcxImageInfoCollection ---------------------------------------------------------------

TcxImageInfoCollection::TcxImageInfoCollection(TcxImageList* AImageList)
    : TCollection(TcxImageInfoItem::StaticClass()), FImageList(AImageList) {}

TPersistent* TcxImageInfoCollection::GetOwner() { return FImageList; }

TcxImageInfoItem* TcxImageInfoCollection::AddInfo(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor) {
  auto* item = static_cast<TcxImageInfoItem*>(Add());
  item->SetImage(AImage);
  item->SetMask(AMask);
  item->SetMaskColor(AMaskColor);
  return item;
}

void TcxImageInfoCollection::MoveInfo(int ACurrentIndex, int ANewIndex) { Items(ACurrentIndex)->SetIndex(ANewIndex); }

void TcxImageInfoCollection::DeleteInfo(int AIndex) {
  if (AIndex == -1)
    Clear();
  else
    Delete(AIndex);
}

void TcxImageInfoCollection::SetCompressData(bool Value) {
  if (Value == FCompressData) return;
  FCompressData = Value;
  for (int i = 0; i < Count(); ++i) Items(i)->SetCompressData(Value);
}

// --- TcxImageList -------------------------------------------------------------------------

TcxImageList::TcxImageList(TComponent* AOwner) : TDragImageList(AOwner) { TcxImageList::Initialize(); }

TcxImageList::TcxImageList(TComponent* AOwner, int AWidth, int AHeight) : TDragImageList(AOwner, AWidth, AHeight) {
  TcxImageList::Initialize();
}

TcxImageList::~TcxImageList() = default;

void TcxImageList::Initialize() {
  inherited::Initialize();
  FImageInfo = std::make_unique<TcxImageInfoCollection>(this);
  FAlphaBlending = true;
}

UINT TcxImageList::CreateFlags() const { return ILC_COLOR32 | ILC_MASK; }

void TcxImageList::SetWidth(int Value) {
  if (Value == Width()) return;
  BeginUpdate();
  try {
    inherited::SetWidth(Value);
    FImageInfo->Clear();
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
}

void TcxImageList::SetHeight(int Value) {
  if (Value == Height()) return;
  BeginUpdate();
  try {
    inherited::SetHeight(Value);
    FImageInfo->Clear();
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
}

void TcxImageList::BeginUpdate() { ++FLockCount; }

void TcxImageList::EndUpdate(bool AChanged) {
  if (FLockCount > 0) --FLockCount;
  if (AChanged) Change();
}

void TcxImageList::Change() {
  if (FLockCount > 0) return;
  inherited::Change();
}

void TcxImageList::StoreImageInfo(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor, int AAdded) {
  const int columns = Width() > 0 ? AImage->Width() / Width() : 0, rows = Height() > 0 ? AImage->Height() / Height() : 0;
  const bool strip = columns * Width() == AImage->Width() && rows * Height() == AImage->Height() && columns * rows > 1;
  if (!strip) {
    FImageInfo->AddInfo(AImage, AMask, AMaskColor)->Image()->Dormant();
    return;
  }
  // Tiles row by row, as many as the system list took (it takes the first row of a strip only).
  for (int k = 0; k < std::min(AAdded, columns * rows); ++k) {
    const int column = k % columns, row = k / columns;
    std::unique_ptr<TcxBitmap> image = StripTile(AImage, column, row, Width(), Height());
    std::unique_ptr<TcxBitmap> mask;
    if (IsNonEmptyBitmap(AMask)) mask = StripTile(AMask, column, row, Width(), Height());
    FImageInfo->AddInfo(image.get(), mask.get(), AMaskColor)->Image()->Dormant();
  }
}

int TcxImageList::AddBitmap(TBitmap* AImage, TBitmap* AMask) {
  if (!IsNonEmptyBitmap(AImage)) return -1;
  BeginUpdate();
  int result = -1;
  try {
    // Without a mask every pixel is opaque; the mask covers the whole strip.
    std::unique_ptr<TBitmap> allOpaque;
    TBitmap* mask = AMask;
    if (!mask) {
      allOpaque = std::make_unique<TBitmap>();
      allOpaque->SetMonochrome(true);
      allOpaque->SetSize(AImage->Width(), AImage->Height());
      ::PatBlt(allOpaque->Canvas()->Handle(), 0, 0, AImage->Width(), AImage->Height(), BLACKNESS);
      mask = allOpaque.get();
    }
    const int before = Count();
    result = ImageList_Add(Handle(), AImage->Handle(), mask->Handle());
    if (result != -1 && !FRebuilding) StoreImageInfo(AImage, AMask, clNone, Count() - before);
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
  return result;
}

int TcxImageList::AddBitmapMasked(TBitmap* AImage, TColor AMaskColor) {
  if (AMaskColor == clNone) return AddBitmap(AImage, nullptr);
  if (!IsNonEmptyBitmap(AImage)) return -1;
  BeginUpdate();
  int result = -1;
  try {
    // The system list changes the bitmap it masks; it gets a copy.
    TBitmap copy;
    copy.Assign(AImage);
    const int before = Count();
    result = ImageList_AddMasked(Handle(), copy.Handle(), COLORREF(ColorToRGB(AMaskColor)));
    if (result != -1 && !FRebuilding) StoreImageInfo(AImage, nullptr, AMaskColor, Count() - before);
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
  return result;
}

void TcxImageList::AddFromInfo(TcxImageInfo* AInfo) {
  if (IsNonEmptyBitmap(AInfo->Mask()))
    AddBitmap(AInfo->Image(), AInfo->Mask());
  else
    AddBitmapMasked(AInfo->Image(), AInfo->MaskColor());
}

void TcxImageList::DeleteImage(int AIndex) {
  BeginUpdate();
  try {
    Delete(AIndex);
    if (!FRebuilding) FImageInfo->DeleteInfo(AIndex);
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
}

void TcxImageList::MoveImage(int ACurrentIndex, int ANewIndex) {
  BeginUpdate();
  try {
    Move(ACurrentIndex, ANewIndex);
    if (ACurrentIndex < FImageInfo->Count() && ANewIndex < FImageInfo->Count())
      FImageInfo->MoveInfo(ACurrentIndex, ANewIndex);
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
}

void TcxImageList::InsertImage(int AIndex, TBitmap* AImage, TBitmap* AMask) {
  if (AIndex < 0 || AIndex > Count()) return;
  BeginUpdate();
  try {
    const int first = AddBitmap(AImage, AMask);
    // As many as were added: a strip of several rows adds only its first.
    for (int k = 0, added = first < 0 ? 0 : Count() - first; k < added; ++k) MoveImage(first + k, AIndex + k);
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
}

void TcxImageList::ReplaceImage(int AIndex, TBitmap* AImage, TBitmap* AMask) {
  BeginUpdate();
  try {
    DeleteImage(AIndex);
    InsertImage(AIndex, AImage, AMask);
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
}

void TcxImageList::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCustomImageList*>(Source);
  if (!source || source == this) return;
  BeginUpdate();
  try {
    inherited::Assign(Source);
    DeleteImage(-1);
    if (auto* list = dynamic_cast<TcxImageList*>(source)) {
      TcxImageInfo info;
      for (int i = 0; i < list->Count(); ++i) {
        list->FillImageInfo(i, &info);
        AddFromInfo(&info);
      }
    } else {
      for (int i = 0; i < source->Count(); ++i) {
        TcxBitmap image(0, 0, pf32bit), mask(0, 0, pf1bit);
        ReadImageBitmaps(source->Handle(), i, &mask, &image);
        AddBitmap(&image, &mask);
      }
    }
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
}

void TcxImageList::FillImageInfo(int AIndex, TcxImageInfo* AInfo) {
  if (AIndex >= 0 && AIndex < FImageInfo->Count()) {
    AInfo->Assign(FImageInfo->Items(AIndex)->ImageInfo());
    return;
  }
  AInfo->AssignImage(nullptr);
  AInfo->AssignMask(nullptr);
  AInfo->SetMaskColor(clNone);
}

void TcxImageList::GetImageBitmaps(int AIndex, TBitmap* AImage, TBitmap* AMask) {
  if (AIndex < 0 || AIndex >= Count()) return;
  TcxImageInfo* info = AIndex < FImageInfo->Count() ? FImageInfo->Items(AIndex)->ImageInfo() : nullptr;
  if (!info || (GetBitmapBitsPerPixel(info->Image()) != 32 && !OSFlagWin9x)) {
    ReadImageBitmaps(Handle(), AIndex, AMask, AImage);
    return;
  }
  if (AImage) {
    AImage->SetSize(info->Image()->Width(), info->Image()->Height());
    CopyBitmapToBitmap(AImage, info->Image());
  }
  if (AMask) {
    if (IsNonEmptyBitmap(info->Mask())) {
      AMask->SetSize(info->Mask()->Width(), info->Mask()->Height());
      CopyBitmapToBitmap(AMask, info->Mask());
    } else {
      // Added by a colour or without a mask: the system list made the mask.
      ReadImageBitmaps(Handle(), AIndex, AMask, nullptr);
    }
  }
  info->Image()->Dormant();
}

void TcxImageList::GetImageFromList(TCustomImageList* AImageList, int AIndex, TBitmap* AMask, TBitmap* AImage) {
  if (auto* list = dynamic_cast<TcxImageList*>(AImageList))
    list->GetImageBitmaps(AIndex, AImage, AMask);
  else if (AImageList)
    ReadImageBitmaps(AImageList->Handle(), AIndex, AMask, AImage);
}

void TcxImageList::ReadImageBitmaps(HIMAGELIST AHandle, int AIndex, TBitmap* AMask, TBitmap* AImage) {
  IMAGEINFO info{};
  if (!AHandle || !ImageList_GetImageInfo(AHandle, AIndex == -1 ? 0 : AIndex, &info)) return;
  ReadListBitmap(info.hbmImage, info.rcImage, AIndex == -1, AImage);
  ReadListBitmap(info.hbmMask, info.rcImage, AIndex == -1, AMask);
}

int TcxImageList::GetImageListBitsPerPixel(HIMAGELIST AHandle) {
  IMAGEINFO info{};
  BITMAP bitmap{};
  if (!AHandle || !ImageList_GetImageInfo(AHandle, 0, &info) || !GetBitmapObjectData(info.hbmImage, bitmap)) return 0;
  return bitmap.bmBitsPixel;
}

void TcxImageList::DrawImage(int AIndex, TCanvas* ACanvas, bool AEnabled, bool ASmoothStretch, bool AStretch,
                             TDrawingStyle ADrawingStyle, const TRect& R) {
  if (RectWidth(R) == Width() && RectHeight(R) == Height()) AStretch = false;
  TRect imageRect = R;
  if (!AStretch) {
    imageRect.Left = R.Left + (RectWidth(R) - Width()) / 2;
    imageRect.Top = R.Top + (RectHeight(R) - Height()) / 2;
    imageRect.Right = imageRect.Left + Width();
    imageRect.Bottom = imageRect.Top + Height();
  }
  const TcxGlyphDrawMode mode = AEnabled ? gdmNormal : gdmDisabled;
  if (FAlphaBlending) {
    DrawImageOrGlyph(ACanvas->Handle(), imageRect, R, nullptr, this, AIndex, mode, ASmoothStretch, nullptr, clNone, true);
    return;
  }
  static const UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  if (!AStretch) {
    inherited::DoDraw(AIndex, ACanvas, imageRect.Left, imageRect.Top, kStyles[ADrawingStyle], AEnabled);
    return;
  }
  TcxBitmap glyph(Width(), Height());
  inherited::DoDraw(AIndex, glyph.Canvas(), 0, 0, kStyles[ADrawingStyle], AEnabled);
  DrawImageOrGlyph(ACanvas->Handle(), imageRect, R, &glyph, nullptr, -1, mode, ASmoothStretch, nullptr, clNone, true);
}

void TcxImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT, bool Enabled) {
  DrawImage(Index, Canvas, Enabled, false, false, DrawingStyle(), Bounds(X, Y, Width(), Height()));
}

void TcxImageList::StoreSystemImages() {
  FImageInfo->BeginUpdate();
  try {
    FImageInfo->Clear();
    for (int i = 0, n = Count(); i < n; ++i) {
      TcxBitmap image(Width(), Height(), pf32bit), mask(Width(), Height(), pf1bit);
      ReadImageBitmaps(Handle(), i, &mask, &image);
      FImageInfo->AddInfo(&image, &mask, clNone)->Image()->Dormant();
    }
  } catch (...) {
    FImageInfo->EndUpdate();
    throw;
  }
  FImageInfo->EndUpdate();
}

void TcxImageList::RebuildFromImageInfo() {
  BeginUpdate();
  FRebuilding = true;
  try {
    DeleteImage(-1);
    for (int i = 0; i < FImageInfo->Count(); ++i) {
      AddFromInfo(FImageInfo->Items(i)->ImageInfo());
      FImageInfo->Items(i)->Image()->Dormant();
    }
  } catch (...) {
    FRebuilding = false;
    EndUpdate(true);
    throw;
  }
  FRebuilding = false;
  EndUpdate(true);
}

// --- Streaming ----------------------------------------------------------------------------

void TcxImageList::ReadFormatVersion(TReader* Reader) { FFormatVersion = Reader->ReadInteger(); }

void TcxImageList::WriteFormatVersion(TWriter* Writer) {
  FFormatVersion = 1;
  Writer->WriteInteger(FFormatVersion);
}

void TcxImageList::ReadDesignInfo(TReader* Reader) { FDesignInfo = Reader->ReadInteger(); }

void TcxImageList::WriteDesignInfo(TWriter* Writer) { Writer->WriteInteger(FDesignInfo); }

void TcxImageList::ReadLeft(TReader* Reader) {
  FDesignInfo = int((std::uint32_t(FDesignInfo) & 0xFFFF0000u) | (std::uint32_t(Reader->ReadInteger()) & 0xFFFFu));
}

void TcxImageList::ReadTop(TReader* Reader) {
  FDesignInfo = int((std::uint32_t(FDesignInfo) & 0xFFFFu) | std::uint32_t(Reader->ReadInteger()) << 16);
}

void TcxImageList::ReadImageInfo(TReader* Reader) {
  // Everything is read and checked before the list changes, so damaged data leaves it as it was.
  const std::vector<TcxImageInfoData> items = ReadImageInfoData(Reader);
  std::vector<std::unique_ptr<TcxBitmap>> images, masks;
  auto bitmapOf = [](const std::vector<std::uint8_t>& record) {
    auto bitmap = std::make_unique<TcxBitmap>();
    if (record.empty()) return bitmap;
    TMemoryStream stream;
    stream.WriteBuffer(record.data(), std::int32_t(record.size()));
    stream.SetPosition(0);
    bitmap->ReadData(&stream);
    return bitmap;
  };
  for (const TcxImageInfoData& item : items) {
    images.push_back(bitmapOf(item.Image));
    masks.push_back(bitmapOf(item.Mask));
  }
  FImageInfo->BeginUpdate();
  try {
    FImageInfo->Clear();
    for (std::size_t i = 0; i < items.size(); ++i) FImageInfo->AddInfo(images[i].get(), masks[i].get(), items[i].MaskColor);
  } catch (...) {
    FImageInfo->EndUpdate();
    throw;
  }
  FImageInfo->EndUpdate();
  RebuildFromImageInfo();
}

void TcxImageList::WriteImageInfo(TWriter* Writer) { Writer->WriteCollection(FImageInfo.get()); }

void TcxImageList::DefineProperties(TFiler* Filer) {
  Filer->DefineProperty(L"FormatVersion", TReaderProc(this, &TcxImageList::ReadFormatVersion),
                        TWriterProc(this, &TcxImageList::WriteFormatVersion), true);
  if (ComponentState().Contains(csReading)) {
    // Older data: the runtime's own properties, then infos made from what the system list holds.
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(L"Left", TReaderProc(this, &TcxImageList::ReadLeft), nullptr, false);
    Filer->DefineProperty(L"Top", TReaderProc(this, &TcxImageList::ReadTop), nullptr, false);
    StoreSystemImages();
  }
  auto* ancestor = dynamic_cast<TCustomImageList*>(Filer->Ancestor());
  auto* cxAncestor = dynamic_cast<TcxImageList*>(ancestor);
  Filer->DefineProperty(L"DesignInfo", TReaderProc(this, &TcxImageList::ReadDesignInfo),
                        TWriterProc(this, &TcxImageList::WriteDesignInfo),
                        !cxAncestor || cxAncestor->DesignInfo() != DesignInfo());
  const bool writeImages = ancestor ? !AreImageListsEqual(ancestor, this) : Count() > 0;
  Filer->DefineProperty(L"ImageInfo", TReaderProc(this, &TcxImageList::ReadImageInfo),
                        TWriterProc(this, &TcxImageList::WriteImageInfo), writeImages);
}

bool AreImageListsEqual(TCustomImageList* AList1, TCustomImageList* AList2) {
  if (!AList1 || !AList2) return AList1 == AList2;
  if (AList1->Count() != AList2->Count()) return false;
  if (AList1->Count() == 0) return true;
  TMemoryStream stream1, stream2;
  AList1->WriteData(&stream1);
  AList2->WriteData(&stream2);
  return stream1.Size() == stream2.Size() &&
         std::equal(static_cast<const std::uint8_t*>(stream1.Memory()),
                    static_cast<const std::uint8_t*>(stream1.Memory()) + stream1.Size(),
                    static_cast<const std::uint8_t*>(stream2.Memory()));
}

int GetStripImageCount(TBitmap* AStrip, int AImageWidth, int AImageHeight) {
  if (!AStrip || AImageWidth <= 0 || AImageHeight <= 0 || AStrip->Width() % AImageWidth != 0 ||
      AStrip->Height() % AImageHeight != 0)
    return 1;
  return (AStrip->Width() / AImageWidth) * (AStrip->Height() / AImageHeight);
}

// --- Published ----------------------------------------------------------------------------

VAMIRE_PUBLISHED(TcxImageInfoItem,
  Prop(L"Image", &TcxImageInfoItem::Image, &TcxImageInfoItem::SetImage),
  Prop(L"Mask", &TcxImageInfoItem::Mask, &TcxImageInfoItem::SetMask),
  Prop(L"MaskColor", &TcxImageInfoItem::MaskColor, &TcxImageInfoItem::SetMaskColor).Default(clNone)
      .Idents(&ColorIdentMapper))

VAMIRE_PUBLISHED(TcxImageList,
  Prop(L"BlendColor", &TCustomImageList::BlendColor, &TCustomImageList::SetBlendColor).Default(clNone)
      .Idents(&ColorIdentMapper),
  Prop(L"BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor).Default(clNone)
      .Idents(&ColorIdentMapper),
  Prop(L"CompressData", &TcxImageList::CompressData, &TcxImageList::SetCompressData).Default(false),
  Prop(L"DrawingStyle", &TCustomImageList::DrawingStyle, &TCustomImageList::SetDrawingStyle).Default(dsNormal),
  Prop(L"Height", &TCustomImageList::Height, &TcxImageList::SetHeight).Default(16),
  Prop(L"ImageType", &TCustomImageList::ImageType, &TCustomImageList::SetImageType).Default(itImage),
  Prop(L"ShareImages", &TCustomImageList::ShareImages, &TCustomImageList::SetShareImages).Default(false),
  Prop(L"Width", &TCustomImageList::Width, &TcxImageList::SetWidth).Default(16),
  Prop(L"OnChange", &TCustomImageList::OnChange))
