// Image lists of the runtime over the system's (comctl32 ImageList_*): images
// of one size in a strip, with masks, drawn normal, focused, selected,
// transparent or grayed; change links that tell users of a list about its
// changes; the drag image list; the images streamed in forms as "Bitmap".
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "Classes.h"
#include "Graphics.h"
#include "Streaming.h"
#include "Units.h"

class TCustomImageList;

extern const TResStringRec SImageIndexError;   // Invalid ImageList Index
extern const TResStringRec SImageReadFail;     // Failed to read ImageList data from stream
extern const TResStringRec SImageWriteFail;    // Failed to write ImageList data to stream
extern const TResStringRec SInvalidImageSize;  // Invalid image size
extern const TResStringRec SInvalidImageList;  // Invalid ImageList
extern const TResStringRec SReplaceImage;      // Unable to Replace Image
extern const TResStringRec SAddImage;          // Unable to Add Image

// The unit's entry for the program's unit list: registers TImageList for
// the form reader.
extern const TUnitEntry ImgListUnit;

// Makes sure the common controls are registered (InitCommonControlsEx once).
void InitCommonControls32();

// A user's subscription to the changes of one image list. Freeing the link
// takes it off the list.
class TChangeLink : public TObject {
  VAMIRE_CLASS(TChangeLink, TObject)
 public:
  TChangeLink() = default;
  ~TChangeLink() override;

  TCustomImageList* Sender() const { return FSender; }
  void SetSender(TCustomImageList* Value) { FSender = Value; }
  TNotifyEvent OnChange;
  virtual void Change();

 private:
  TCustomImageList* FSender = nullptr;
};

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };
VAMIRE_ENUM_NAMES(TDrawingStyle, L"dsFocus", L"dsSelected", L"dsNormal", L"dsTransparent")
VAMIRE_ENUM_NAMES(TImageType, L"itImage", L"itMask")
using TOverlay = std::uint8_t;

// Images of Width x Height in a system image list. The handle is made when
// first needed and destroyed with the list unless ShareImages is set.
class TCustomImageList : public TComponent {
  VAMIRE_CLASS(TCustomImageList, TComponent)
 public:
  explicit TCustomImageList(TComponent* AOwner);
  // The list with images of that size (the runtime's CreateSize).
  TCustomImageList(TComponent* AOwner, int AWidth, int AHeight);
  ~TCustomImageList() override;

  // Changing the size or Masked empties the list.
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  bool Masked() const { return FMasked; }
  void SetMasked(bool Value);
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor Value);
  TColor BlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor Value);
  TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle Value);
  TImageType ImageType() const { return FImageType; }
  void SetImageType(TImageType Value);
  int AllocBy() const { return FAllocBy; }
  void SetAllocBy(int Value);
  // Set: the handle is not destroyed with the list (another owner has it).
  bool ShareImages() const { return FShareImages; }
  void SetShareImages(bool Value);

  int Count();
  HIMAGELIST Handle();
  // Takes the list over; the old one is destroyed unless ShareImages. The
  // image size is read from the new list.
  void SetHandle(HIMAGELIST Value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  // Each answers the index of the (first) image added. A bitmap wider than
  // the list gives one image per Width pixels. Raises EInvalidOperation
  // "Unable to Add Image" when the system list refuses it.
  int Add(TBitmap* Image, TBitmap* Mask);
  // Pixels of MaskColor become transparent; clDefault takes the bitmap's
  // bottom-left pixel. Image itself is left as it was.
  int AddMasked(TBitmap* Image, TColor MaskColor);
  int AddIcon(TIcon* Image);
  // Adds every image of another list.
  void AddImages(TCustomImageList* Value);
  // Raise EInvalidOperation "Invalid ImageList Index" outside 0..Count.
  void Insert(int Index, TBitmap* Image, TBitmap* Mask);
  void InsertMasked(int Index, TBitmap* Image, TColor MaskColor);
  void InsertIcon(int Index, TIcon* Image);
  // Raise EInvalidOperation "Invalid ImageList Index" outside 0..Count-1.
  void Replace(int Index, TBitmap* Image, TBitmap* Mask);
  void ReplaceMasked(int Index, TBitmap* NewImage, TColor MaskColor);
  void ReplaceIcon(int Index, TIcon* Image);
  // -1 deletes every image; other indexes outside the list raise.
  void Delete(int Index);
  void Clear();
  void Move(int CurIndex, int NewIndex);

  // Image Index drawn (normal style) into Image, which takes the list's size.
  // False for an index outside the list.
  bool GetBitmap(int Index, TBitmap* Image);
  void GetIcon(int Index, TIcon* Image);
  void GetIcon(int Index, TIcon* Image, TDrawingStyle ADrawingStyle, TImageType AImageType);

  // Draws image Index at X, Y in the list's drawing style and image type.
  // Disabled images are drawn grayed: their shape in the 3D shadow colour
  // with a highlight one pixel below and right. An index outside the list
  // draws nothing.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
  void Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle ADrawingStyle, TImageType AImageType,
            bool Enabled = true);
  // Draws the image with overlay image number Overlay (0..3, set by Overlay()).
  void DrawOverlay(TCanvas* Canvas, int X, int Y, int ImageIndex, TOverlay Overlay, bool Enabled = true);
  void DrawOverlay(TCanvas* Canvas, int X, int Y, int ImageIndex, TOverlay Overlay, TDrawingStyle ADrawingStyle,
                   TImageType AImageType, bool Enabled = true);
  // Makes image ImageIndex overlay number Overlay; false when refused.
  bool Overlay(int ImageIndex, TOverlay Overlay);

  void RegisterChanges(TChangeLink* Value);
  void UnRegisterChanges(TChangeLink* Value);
  // Changes between these are told once, at the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();

  TNotifyEvent OnChange;

  // From another image list: its size, options and a copy of its images.
  void Assign(TPersistent* Source) override;
  // The images stream as the binary property "Bitmap" in the system's
  // image-list format (ImageList_Write / ImageList_Read).
  void DefineProperties(TFiler* Filer) override;
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);

 protected:
  // Tells the change links and OnChange (held back while updating).
  virtual void Change();
  // Draws one image; Style holds the ILD_ flags for the drawing style and
  // image type.
  virtual void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled);
  // Sets the defaults; a class that replaces the handle's kind overrides it
  // and calls its own from its constructor (the base's runs in the base's).
  virtual void Initialize();
  // The ILC_ flags of the handle made for the list.
  virtual UINT CreateFlags() const;
  void AssignTo(TPersistent* Dest) override;

 private:
  void HandleNeeded();
  void FreeHandle();
  void CheckIndex(int Index, bool AllowCount = false);
  void Recreate();
  void MoveImage(int From, int To);
  void InsertFromEnd(int Index, int First);
  void InsertAt(int Index, const std::function<int()>& AddImage);
  void DrawDisabled(int Index, TCanvas* Canvas, int X, int Y);
  TColor MaskColorOf(TBitmap* Image, TColor MaskColor);
  bool HasImages() { return Count() > 0; }
  void ReadLeft(TReader*) {}

  HIMAGELIST FHandle = nullptr;
  int FWidth = 16;
  int FHeight = 16;
  bool FMasked = true;
  TColor FBkColor = clNone;
  TColor FBlendColor = clNone;
  TDrawingStyle FDrawingStyle = dsNormal;
  TImageType FImageType = itImage;
  int FAllocBy = 4;
  bool FShareImages = false;
  int FUpdateCount = 0;
  bool FChanged = false;
  std::vector<TChangeLink*> FClients;
};

// The image list with an image that follows the mouse while dragging.
class TDragImageList : public TCustomImageList {
  VAMIRE_CLASS(TDragImageList, TCustomImageList)
 public:
  using TCustomImageList::TCustomImageList;
  ~TDragImageList() override;

  // Starts dragging image DragIndex over Window (client point X, Y); false
  // when the system refuses.
  bool BeginDrag(HWND Window, int X, int Y);
  bool DragMove(int X, int Y);
  bool EndDrag();
  // Shows or hides the image while dragging (ImageList_DragShowNolock).
  void ShowDragImage();
  void HideDragImage();
  // Locks or unlocks the drawing of Window for the drag image.
  bool DragLock(HWND Window, int XPos, int YPos);
  void DragUnlock();
  // The image dragged and its hot spot; while dragging the cursor image changes too.
  bool SetDragImage(int Index, int HotSpotX, int HotSpotY);
  int DragIndex() const { return FDragIndex; }
  TPoint DragHotspot() const { return FDragHotspot; }
  bool Dragging() const { return FDragging; }

 private:
  int FDragIndex = 0;
  TPoint FDragHotspot{};
  bool FDragging = false;
  HWND FDragWindow = nullptr;
  HWND FLockedWindow = nullptr;
};

// The published image list of forms.
class TImageList : public TDragImageList {
  VAMIRE_CLASS(TImageList, TDragImageList)
 public:
  using TDragImageList::TDragImageList;
};
