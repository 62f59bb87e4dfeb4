// The image list over the system's image lists, its change links, and the
// images' form data.
// The COM stream declarations must come before the image-list header, which
// declares ImageList_Read and ImageList_Write only when they are there.
#include <objbase.h>

#include "ImgList.h"

#include <algorithm>
#include <cstring>

#include "ImgListData.h"
#include "Streaming.h"
#include "Streams.h"

const TResStringRec SImageIndexError{L"SImageIndexError", L"Invalid ImageList Index"};
const TResStringRec SImageReadFail{L"SImageReadFail", L"Failed to read ImageList data from stream"};
const TResStringRec SImageWriteFail{L"SImageWriteFail", L"Failed to write ImageList data to stream"};
const TResStringRec SInvalidImageSize{L"SInvalidImageSize", L"Invalid image size"};
const TResStringRec SInvalidImageList{L"SInvalidImageList", L"Invalid ImageList"};
const TResStringRec SReplaceImage{L"SReplaceImage", L"Unable to Replace Image"};
const TResStringRec SAddImage{L"SAddImage", L"Unable to Add Image"};

namespace {

// The list's colours for the system: clNone and clDefault have their own values.
COLORREF ListColor(TColor Color) {
  if (Color == clNone) return CLR_NONE;
  if (Color == clDefault) return CLR_DEFAULT;
  return COLORREF(ColorToRGB(Color));
}

[[noreturn]] void Fail(PResStringRec Message) { throw EInvalidOperation(LoadResString(Message)); }

// Releases a COM stream when the scope ends.
struct TStreamRef {
  IStream* Ptr = nullptr;
  ~TStreamRef() {
    if (Ptr) Ptr->Release();
  }
};

// A copy of Image and its mask where the pixels of MaskColor are transparent.
// For a masked list those pixels become black in the copy, as the system
// stores them.
void MakeMaskedPair(TBitmap* Image, COLORREF MaskColor, bool BlackenImage, TBitmap& Copy, TBitmap& Mask) {
  Copy.Assign(Image);
  const int w = Copy.Width(), h = Copy.Height();
  Mask.SetMonochrome(true);
  Mask.SetSize(w, h);
  HDC image = Copy.Canvas()->Handle();
  HDC mask = Mask.Canvas()->Handle();
  // Colour to monochrome: pixels of the source's background colour become 1.
  const COLORREF oldBk = SetBkColor(image, MaskColor);
  BitBlt(mask, 0, 0, w, h, image, 0, 0, SRCCOPY);
  SetBkColor(image, oldBk);
  if (BlackenImage) {
    // Monochrome to colour: 0 bits take the text colour, 1 bits the background.
    const COLORREF oldText = SetTextColor(image, RGB(255, 255, 255));
    const COLORREF oldBack = SetBkColor(image, RGB(0, 0, 0));
    BitBlt(image, 0, 0, w, h, mask, 0, 0, SRCAND);
    SetTextColor(image, oldText);
    SetBkColor(image, oldBack);
  }
}

}  // namespace

void InitCommonControls32() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  done = true;
}

// --- TChangeLink ----------------------------------------------------------------------------

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (OnChange) OnChange(FSender);
}

// --- TCustomImageList -----------------------------------------------------------------------

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) { TCustomImageList::Initialize(); }

TCustomImageList::TCustomImageList(TComponent* AOwner, int AWidth, int AHeight)
    : TComponent(AOwner), FWidth(AWidth), FHeight(AHeight) {
  TCustomImageList::Initialize();
}

TCustomImageList::~TCustomImageList() {
  while (!FClients.empty()) UnRegisterChanges(FClients.back());
  FreeHandle();
}

void TCustomImageList::Initialize() {
  InitCommonControls32();
  if (FWidth < 1 || FHeight < 1 || FHeight > 32768) Fail(&SInvalidImageSize);
}

UINT TCustomImageList::CreateFlags() const {
  // 24 bits per pixel: the same look at every screen depth, and no alpha
  // channel for the system to guess at.
  return ILC_COLOR24 | (FMasked ? ILC_MASK : 0);
}

void TCustomImageList::HandleNeeded() {
  if (FHandle) return;
  FHandle = ImageList_Create(FWidth, FHeight, CreateFlags(), FAllocBy, FAllocBy);
  if (!FHandle) Fail(&SInvalidImageList);
  ImageList_SetBkColor(FHandle, ListColor(FBkColor));
}

void TCustomImageList::FreeHandle() {
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

HIMAGELIST TCustomImageList::Handle() {
  HandleNeeded();
  return FHandle;
}

void TCustomImageList::SetHandle(HIMAGELIST Value) {
  if (Value == FHandle) return;
  FreeHandle();
  if (Value) {
    int cx = 0, cy = 0;
    ImageList_GetIconSize(Value, &cx, &cy);
    FWidth = cx;
    FHeight = cy;
    FHandle = Value;
    const COLORREF bk = ImageList_GetBkColor(Value);
    FBkColor = bk == CLR_NONE ? clNone : TColor(bk);
  }
  Change();
}

int TCustomImageList::Count() { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

void TCustomImageList::Recreate() {
  if (FWidth < 1 || FHeight < 1 || FHeight > 32768) Fail(&SInvalidImageSize);
  if (FHandle) {
    FreeHandle();
    HandleNeeded();
  }
  Change();
}

void TCustomImageList::SetWidth(int Value) {
  if (Value == FWidth) return;
  const int old = FWidth;
  FWidth = Value;
  try {
    Recreate();
  } catch (...) {
    FWidth = old;
    throw;
  }
}

void TCustomImageList::SetHeight(int Value) {
  if (Value == FHeight) return;
  const int old = FHeight;
  FHeight = Value;
  try {
    Recreate();
  } catch (...) {
    FHeight = old;
    throw;
  }
}

void TCustomImageList::SetMasked(bool Value) {
  if (Value == FMasked) return;
  FMasked = Value;
  Recreate();
}

void TCustomImageList::SetBkColor(TColor Value) {
  if (Value == FBkColor) return;
  FBkColor = Value;
  if (FHandle) ImageList_SetBkColor(FHandle, ListColor(Value));
  Change();
}

void TCustomImageList::SetBlendColor(TColor Value) {
  if (Value == FBlendColor) return;
  FBlendColor = Value;
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle Value) {
  if (Value == FDrawingStyle) return;
  FDrawingStyle = Value;
  Change();
}

void TCustomImageList::SetImageType(TImageType Value) {
  if (Value == FImageType) return;
  FImageType = Value;
  Change();
}

void TCustomImageList::SetAllocBy(int Value) { FAllocBy = std::max(Value, 1); }

void TCustomImageList::SetShareImages(bool Value) { FShareImages = Value; }

void TCustomImageList::CheckIndex(int Index, bool AllowCount) {
  if (Index < 0 || Index > Count() || (Index == Count() && !AllowCount)) Fail(&SImageIndexError);
}

// --- adding and editing

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (!Image || Image->Empty()) Fail(&SAddImage);
  if (Image->Width() < FWidth || Image->Height() < FHeight) Fail(&SInvalidImageSize);
  HandleNeeded();
  const int result = ImageList_Add(FHandle, Image->Handle(), Mask ? Mask->Handle() : nullptr);
  if (result < 0) Fail(&SAddImage);
  Change();
  return result;
}

TColor TCustomImageList::MaskColorOf(TBitmap* Image, TColor MaskColor) {
  return MaskColor == clDefault ? TColor(Image->TransparentColor() & 0xFFFFFF) : MaskColor;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (!Image || Image->Empty()) Fail(&SAddImage);
  TBitmap copy, mask;
  MakeMaskedPair(Image, COLORREF(ColorToRGB(MaskColorOf(Image, MaskColor))), FMasked, copy, mask);
  return Add(&copy, &mask);
}

int TCustomImageList::AddIcon(TIcon* Image) {
  if (!Image || Image->Empty()) Fail(&SAddImage);
  HandleNeeded();
  const int result = ImageList_AddIcon(FHandle, Image->Handle());
  if (result < 0) Fail(&SAddImage);
  Change();
  return result;
}

void TCustomImageList::AddImages(TCustomImageList* Value) {
  if (!Value || Value == this) return;
  BeginUpdate();
  try {
    for (int i = 0, n = Value->Count(); i < n; ++i) {
      // The source's own bitmaps stay selected in its DCs, so each image is
      // read by drawing it: the image on black, the mask on its own.
      TBitmap image, mask;
      image.SetPixelFormat(pf24bit);
      image.SetSize(Value->Width(), Value->Height());
      image.Canvas()->Brush()->SetColor(clBlack);
      image.Canvas()->FillRect(Rect(0, 0, image.Width(), image.Height()));
      ImageList_DrawEx(Value->Handle(), i, image.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
      mask.SetMonochrome(true);
      mask.SetSize(Value->Width(), Value->Height());
      ImageList_DrawEx(Value->Handle(), i, mask.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_MASK);
      Add(&image, &mask);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// Image From goes to position To; the images between shift by one. The
// system's swap of two images is not dependable everywhere, so a spare slot
// at the end holds the moving image while the others are copied along.
void TCustomImageList::MoveImage(int From, int To) {
  if (From == To) return;
  const int count = Count();
  ImageList_SetImageCount(FHandle, UINT(count + 1));
  ImageList_Copy(FHandle, count, FHandle, From, ILCF_MOVE);
  const int step = To > From ? 1 : -1;
  for (int pos = From; pos != To; pos += step) ImageList_Copy(FHandle, pos, FHandle, pos + step, ILCF_MOVE);
  ImageList_Copy(FHandle, To, FHandle, count, ILCF_MOVE);
  ImageList_SetImageCount(FHandle, UINT(count));
}

// The images just added at First..Count-1 move to Index on.
void TCustomImageList::InsertFromEnd(int Index, int First) {
  for (int k = 0, last = Count() - 1; First + k <= last; ++k) MoveImage(First + k, Index + k);
}

// Adds at the end through AddImage, then moves what was added to Index; the
// users of the list hear of it once.
void TCustomImageList::InsertAt(int Index, const std::function<int()>& AddImage) {
  CheckIndex(Index, true);
  BeginUpdate();
  try {
    InsertFromEnd(Index, AddImage());
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCustomImageList::Insert(int Index, TBitmap* Image, TBitmap* Mask) {
  InsertAt(Index, [&] { return Add(Image, Mask); });
}

void TCustomImageList::InsertMasked(int Index, TBitmap* Image, TColor MaskColor) {
  InsertAt(Index, [&] { return AddMasked(Image, MaskColor); });
}

void TCustomImageList::InsertIcon(int Index, TIcon* Image) {
  InsertAt(Index, [&] { return AddIcon(Image); });
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index);
  if (!Image || Image->Empty()) Fail(&SReplaceImage);
  if (!ImageList_Replace(FHandle, Index, Image->Handle(), Mask ? Mask->Handle() : nullptr)) Fail(&SReplaceImage);
  Change();
}

void TCustomImageList::ReplaceMasked(int Index, TBitmap* NewImage, TColor MaskColor) {
  CheckIndex(Index);
  if (!NewImage || NewImage->Empty()) Fail(&SReplaceImage);
  TBitmap copy, mask;
  MakeMaskedPair(NewImage, COLORREF(ColorToRGB(MaskColorOf(NewImage, MaskColor))), FMasked, copy, mask);
  Replace(Index, &copy, &mask);
}

void TCustomImageList::ReplaceIcon(int Index, TIcon* Image) {
  CheckIndex(Index);
  if (!Image || Image->Empty() || ImageList_ReplaceIcon(FHandle, Index, Image->Handle()) < 0) Fail(&SReplaceImage);
  Change();
}

void TCustomImageList::Delete(int Index) {
  if (Index < -1 || Index >= Count()) Fail(&SImageIndexError);
  if (FHandle) ImageList_Remove(FHandle, Index);
  Change();
}

void TCustomImageList::Clear() { Delete(-1); }

void TCustomImageList::Move(int CurIndex, int NewIndex) {
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  if (CurIndex == NewIndex) return;
  MoveImage(CurIndex, NewIndex);
  Change();
}

// --- reading and drawing

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image) {
  if (!Image || !FHandle || Index < 0 || Index >= Count()) return false;
  Image->SetSize(FWidth, FHeight);
  Draw(Image->Canvas(), 0, 0, Index);
  return true;
}

void TCustomImageList::GetIcon(int Index, TIcon* Image) { GetIcon(Index, Image, FDrawingStyle, FImageType); }

void TCustomImageList::GetIcon(int Index, TIcon* Image, TDrawingStyle ADrawingStyle, TImageType AImageType) {
  static const UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  if (!Image || !FHandle || Index < 0 || Index >= Count()) return;
  const UINT flags = kStyles[ADrawingStyle] | (AImageType == itMask ? ILD_MASK : 0);
  if (HICON icon = ImageList_GetIcon(FHandle, Index, flags)) Image->SetHandle(icon);
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
  Draw(Canvas, X, Y, Index, FDrawingStyle, FImageType, Enabled);
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle ADrawingStyle,
                            TImageType AImageType, bool Enabled) {
  static const UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  if (!Canvas || !FHandle || Index < 0 || Index >= Count()) return;
  DoDraw(Index, Canvas, X, Y, kStyles[ADrawingStyle] | (AImageType == itMask ? ILD_MASK : 0), Enabled);
}

void TCustomImageList::DrawOverlay(TCanvas* Canvas, int X, int Y, int ImageIndex, TOverlay Overlay, bool Enabled) {
  DrawOverlay(Canvas, X, Y, ImageIndex, Overlay, FDrawingStyle, FImageType, Enabled);
}

void TCustomImageList::DrawOverlay(TCanvas* Canvas, int X, int Y, int ImageIndex, TOverlay Overlay,
                                   TDrawingStyle ADrawingStyle, TImageType AImageType, bool Enabled) {
  static const UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  if (!Canvas || !FHandle || ImageIndex < 0 || ImageIndex >= Count() || Overlay > 3) return;
  const UINT style = kStyles[ADrawingStyle] | (AImageType == itMask ? ILD_MASK : 0) | INDEXTOOVERLAYMASK(Overlay + 1);
  DoDraw(ImageIndex, Canvas, X, Y, style, Enabled);
}

bool TCustomImageList::Overlay(int ImageIndex, TOverlay Overlay) {
  if (Overlay > 3 || ImageIndex < 0 || ImageIndex >= Count()) return false;
  return ImageList_SetOverlayImage(FHandle, ImageIndex, Overlay + 1) != FALSE;
}

void TCustomImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) {
  if (!Enabled) {
    DrawDisabled(Index, Canvas, X, Y);
    return;
  }
  ImageList_DrawEx(FHandle, Index, Canvas->Handle(), X, Y, 0, 0, ListColor(FBkColor), ListColor(FBlendColor), Style);
}

// The grayed look: every opaque pixel that is not white is ink; the ink is
// drawn in the 3D highlight colour one pixel down and right, then in the 3D
// shadow colour in place. Transparent and white pixels leave the canvas alone.
void TCustomImageList::DrawDisabled(int Index, TCanvas* Canvas, int X, int Y) {
  TBitmap image, shape, mono;
  image.SetPixelFormat(pf24bit);
  image.SetSize(FWidth, FHeight);
  shape.SetPixelFormat(pf24bit);
  shape.SetSize(FWidth, FHeight);
  const TRect all = Rect(0, 0, FWidth, FHeight);
  shape.Canvas()->Brush()->SetColor(clWhite);
  shape.Canvas()->FillRect(all);
  ImageList_DrawEx(FHandle, Index, image.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
  ImageList_DrawEx(FHandle, Index, shape.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_MASK);
  // shape: black where the image is opaque. Ink stays black, the rest white.
  for (int y = 0; y < FHeight; ++y) {
    auto* imageRow = static_cast<std::uint8_t*>(image.ScanLine(y));
    auto* shapeRow = static_cast<std::uint8_t*>(shape.ScanLine(y));
    for (int x = 0; x < FWidth; ++x) {
      std::uint8_t* s = shapeRow + 3 * x;
      const std::uint8_t* p = imageRow + 3 * x;
      const bool opaque = s[0] == 0 && s[1] == 0 && s[2] == 0;
      const bool white = p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF;
      const std::uint8_t v = opaque && !white ? 0 : 0xFF;
      s[0] = s[1] = s[2] = v;
    }
  }
  mono.SetMonochrome(true);
  mono.SetSize(FWidth, FHeight);
  BitBlt(mono.Canvas()->Handle(), 0, 0, FWidth, FHeight, shape.Canvas()->Handle(), 0, 0, SRCCOPY);
  HDC src = mono.Canvas()->Handle();
  constexpr DWORD kDSPDxax = 0x00E20746;  // the brush where the source is 1 (white), the destination elsewhere
  auto blit = [&](TColor color, int offset) {
    Canvas->Brush()->SetColor(color);
    Canvas->RequiredState({csHandleValid, csBrushValid});
    HDC dest = Canvas->Handle();
    const COLORREF oldText = ::SetTextColor(dest, RGB(255, 255, 255));
    const COLORREF oldBk = ::SetBkColor(dest, RGB(0, 0, 0));
    BitBlt(dest, X + offset, Y + offset, FWidth, FHeight, src, 0, 0, kDSPDxax);
    ::SetTextColor(dest, oldText);
    ::SetBkColor(dest, oldBk);
  };
  blit(clBtnHighlight, 1);
  blit(clBtnShadow, 0);
}

// --- change links

void TCustomImageList::RegisterChanges(TChangeLink* Value) {
  if (!Value) return;
  if (Value->Sender() && Value->Sender() != this) Value->Sender()->UnRegisterChanges(Value);
  Value->SetSender(this);
  if (std::find(FClients.begin(), FClients.end(), Value) == FClients.end()) FClients.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value) {
  if (!Value) return;
  std::erase(FClients, Value);
  if (Value->Sender() == this) Value->SetSender(nullptr);
}

void TCustomImageList::BeginUpdate() { ++FUpdateCount; }

void TCustomImageList::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0 && FChanged) Change();
}

void TCustomImageList::Change() {
  FChanged = true;
  if (FUpdateCount > 0) return;
  FChanged = false;
  // A link's handler may unregister links, so walk a copy.
  const std::vector<TChangeLink*> clients = FClients;
  for (TChangeLink* link : clients)
    if (std::find(FClients.begin(), FClients.end(), link) != FClients.end()) link->Change();
  if (OnChange) OnChange(this);
}

// --- copying and streaming

void TCustomImageList::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TCustomImageList*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  if (src == this) return;
  BeginUpdate();
  try {
    Clear();
    FWidth = src->FWidth;
    FHeight = src->FHeight;
    FMasked = src->FMasked;
    FreeHandle();
    FBkColor = src->FBkColor;
    FBlendColor = src->FBlendColor;
    FDrawingStyle = src->FDrawingStyle;
    FImageType = src->FImageType;
    FAllocBy = src->FAllocBy;
    AddImages(src);
    Change();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCustomImageList::AssignTo(TPersistent* Dest) {
  auto* list = dynamic_cast<TCustomImageList*>(Dest);
  if (list) list->Assign(this);
  else inherited::AssignTo(Dest);
}

void TCustomImageList::WriteData(TStream* Stream) {
  TStreamRef ref;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &ref.Ptr))) throw EWriteError(LoadResString(&SImageWriteFail));
  if (!ImageList_Write(Handle(), ref.Ptr)) throw EWriteError(LoadResString(&SImageWriteFail));
  HGLOBAL memory = nullptr;
  ULARGE_INTEGER size{};
  LARGE_INTEGER zero{};
  if (FAILED(GetHGlobalFromStream(ref.Ptr, &memory)) || FAILED(ref.Ptr->Seek(zero, STREAM_SEEK_CUR, &size)))
    throw EWriteError(LoadResString(&SImageWriteFail));
  const void* data = GlobalLock(memory);
  try {
    Stream->WriteBuffer(data, int32_t(size.QuadPart));
  } catch (...) {
    GlobalUnlock(memory);
    throw;
  }
  GlobalUnlock(memory);
}

void TCustomImageList::ReadData(TStream* Stream) {
  const int64_t size = Stream->Size() - Stream->Position();
  if (size <= 0) throw EReadError(LoadResString(&SImageReadFail));
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(size));
  if (!memory) throw EReadError(LoadResString(&SImageReadFail));
  void* data = GlobalLock(memory);
  try {
    Stream->ReadBuffer(data, int32_t(size));
  } catch (...) {
    GlobalUnlock(memory);
    GlobalFree(memory);
    throw;
  }
  // The system reads the data as it finds it; damaged data must not reach it.
  const String problem = CheckImageListData(static_cast<const std::uint8_t*>(data), std::size_t(size));
  GlobalUnlock(memory);
  if (!problem.empty()) {
    GlobalFree(memory);
    throw EReadError(LoadResString(&SImageReadFail) + L" (" + problem + L")");
  }
  TStreamRef ref;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &ref.Ptr))) {
    GlobalFree(memory);
    throw EReadError(LoadResString(&SImageReadFail));
  }
  HIMAGELIST list = ImageList_Read(ref.Ptr);
  if (!list) throw EReadError(LoadResString(&SImageReadFail));
  SetHandle(list);
}

void TCustomImageList::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  bool write = Count() > 0;
  if (auto* ancestor = dynamic_cast<TCustomImageList*>(Filer->Ancestor())) {
    // Written only when the images differ from the ancestor's.
    TMemoryStream mine, theirs;
    if (HandleAllocated()) WriteData(&mine);
    if (ancestor->HandleAllocated()) ancestor->WriteData(&theirs);
    write = mine.Size() != theirs.Size() ||
            std::memcmp(mine.Memory(), theirs.Memory(), size_t(mine.Size())) != 0;
  }
  Filer->DefineBinaryProperty(L"Bitmap", TStreamProc(this, &TCustomImageList::ReadData),
                              TStreamProc(this, &TCustomImageList::WriteData), write);
}

// --- TDragImageList -------------------------------------------------------------------------

TDragImageList::~TDragImageList() {
  DragUnlock();
  EndDrag();
}

bool TDragImageList::BeginDrag(HWND Window, int X, int Y) {
  if (FDragging || !HandleAllocated() || FDragIndex < 0 || FDragIndex >= Count()) return false;
  if (!ImageList_BeginDrag(Handle(), FDragIndex, FDragHotspot.X, FDragHotspot.Y)) return false;
  if (!ImageList_DragEnter(Window, X, Y)) {
    ImageList_EndDrag();
    return false;
  }
  FDragging = true;
  FDragWindow = Window;
  return true;
}

bool TDragImageList::DragMove(int X, int Y) { return FDragging && ImageList_DragMove(X, Y); }

bool TDragImageList::EndDrag() {
  if (!FDragging) return false;
  ImageList_DragLeave(FDragWindow);
  ImageList_EndDrag();
  FDragging = false;
  FDragWindow = nullptr;
  return true;
}

void TDragImageList::ShowDragImage() {
  if (FDragging) ImageList_DragShowNolock(TRUE);
}

void TDragImageList::HideDragImage() {
  if (FDragging) ImageList_DragShowNolock(FALSE);
}

bool TDragImageList::DragLock(HWND Window, int XPos, int YPos) {
  if (Window == FLockedWindow) return true;
  DragUnlock();
  if (!ImageList_DragEnter(Window, XPos, YPos)) return false;
  FLockedWindow = Window;
  return true;
}

void TDragImageList::DragUnlock() {
  if (!FLockedWindow) return;
  ImageList_DragLeave(FLockedWindow);
  FLockedWindow = nullptr;
}

bool TDragImageList::SetDragImage(int Index, int HotSpotX, int HotSpotY) {
  if (Index < 0 || (HandleAllocated() && Index >= Count())) return false;
  FDragIndex = Index;
  FDragHotspot = TPoint{HotSpotX, HotSpotY};
  if (FDragging) return ImageList_SetDragCursorImage(Handle(), Index, HotSpotX, HotSpotY) != FALSE;
  return true;
}

// --- Published tables -----------------------------------------------------------------------

VAMIRE_PUBLISHED(TImageList,
  Prop(L"AllocBy", &TCustomImageList::AllocBy, &TCustomImageList::SetAllocBy).Default(4),
  Prop(L"BlendColor", &TCustomImageList::BlendColor, &TCustomImageList::SetBlendColor).Default(clNone)
      .Idents(&ColorIdentMapper),
  Prop(L"BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor).Default(clNone)
      .Idents(&ColorIdentMapper),
  Prop(L"DrawingStyle", &TCustomImageList::DrawingStyle, &TCustomImageList::SetDrawingStyle).Default(dsNormal),
  Prop(L"Height", &TCustomImageList::Height, &TCustomImageList::SetHeight).Default(16),
  Prop(L"ImageType", &TCustomImageList::ImageType, &TCustomImageList::SetImageType).Default(itImage),
  Prop(L"Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked).Default(true),
  Prop(L"ShareImages", &TCustomImageList::ShareImages, &TCustomImageList::SetShareImages).Default(false),
  Prop(L"Width", &TCustomImageList::Width, &TCustomImageList::SetWidth).Default(16),
  Prop(L"OnChange", &TCustomImageList::OnChange))

namespace {
void InitImgList() { RegisterClasses({TImageList::StaticClass()}); }
void DoneImgList() { UnRegisterClasses({TImageList::StaticClass()}); }
}  // namespace

const TUnitEntry ImgListUnit = {L"ImgList", &InitImgList, &DoneImgList};
