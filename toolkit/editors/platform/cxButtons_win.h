// The toolkit's push button, TcxButton: a runtime TButton that keeps the
// platform's focus, Default, Cancel and ModalResult but draws itself wholly
// through the look-and-feel painter, with a glyph beside its caption, colours
// per state, drop-down menus and speed-button behaviour (grouped toggles,
// flat and transparent looks, buttons that never take the focus).
//
// Glyph images are built once per glyph and state and kept in image lists
// shared by every button whose images have the same size.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "Buttons.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Units.h"
#include "cxButtons.h"
#include "cxControls_win.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeels.h"

class TcxCustomButton;

enum TcxButtonKind { cxbkStandard, cxbkDropDown, cxbkDropDownButton };
VAMIRE_ENUM_NAMES(TcxButtonKind, L"cxbkStandard", L"cxbkDropDown", L"cxbkDropDownButton")
enum TcxButtonPaintStyle { bpsDefault, bpsCaption, bpsGlyph };
VAMIRE_ENUM_NAMES(TcxButtonPaintStyle, L"bpsDefault", L"bpsCaption", L"bpsGlyph")

// The width of a drop-down button's arrow part; body and arrow overlap by 2 pixels.
constexpr int cxDropDownButtonArrowWidth = 15;

// --- Speed-button options -----------------------------------------------------------------
// Makes a button a speed button (GroupIndex not 0 or CanBeFocused off) and
// keeps a group consistent: a member going down, or a changed group setting,
// is broadcast to the parent's children as CM_BUTTONPRESSED.
class TcxSpeedButtonOptions : public TPersistent {
  VAMIRE_CLASS(TcxSpeedButtonOptions, TPersistent)
 public:
  explicit TcxSpeedButtonOptions(TcxCustomButton* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool CanBeFocused() const { return FCanBeFocused; }
  void SetCanBeFocused(bool Value);
  bool Down() const;
  // A down member of a group cannot be raised directly unless AllowAllUp.
  void SetDown(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  bool IsSpeedButton() const { return FGroupIndex != 0 || !FCanBeFocused; }
  bool IsSynchronizing() const { return FSyncCount > 0; }
  // Takes the group settings of another member (and goes up when both are down).
  void SynchronizeFrom(TcxCustomButton* ASender);

 private:
  void NotifyGroup();
  TcxCustomButton* FOwner;
  bool FAllowAllUp = false;
  bool FCanBeFocused = true;
  bool FFlat = false;
  int FGroupIndex = 0;
  bool FTransparent = false;
  int FSyncCount = 0;
};

// --- Shared glyph lists -------------------------------------------------------------------
// An image list of one image size whose slots are handed out and given back.
class TcxGlyphList : public TcxImageList {
  VAMIRE_CLASS(TcxGlyphList, TcxImageList)
 public:
  TcxGlyphList(int AWidth, int AHeight);
  // Puts the image into the first free slot (appending when all are taken); answers the slot.
  int StoreImage(TBitmap* AImage, TBitmap* AMask);
  // The slot becomes free; its picture stays until it is reused.
  void ReleaseIndex(int AIndex);
  int UsedCount() const { return FUsed.UsedCount(); }

 private:
  TcxGlyphIndexSet FUsed;
};

// The glyph lists of every button, one per image size. It exists while any
// button glyph does.
class TcxGlyphCache : public TObject {
  VAMIRE_CLASS(TcxGlyphCache, TObject)
 public:
  ~TcxGlyphCache() override;
  // The list of that size, made when there is none.
  TcxGlyphList* GetList(int AWidth, int AHeight);
  // A list holding no image any more is freed.
  void ReturnList(TcxGlyphList* AList);
  bool IsEmpty() const { return FLists.empty(); }
  int Count() const { return int(FLists.size()); }

 private:
  std::vector<TcxGlyphList*> FLists;
};

// The cache while one exists, else null.
TcxGlyphCache* GlyphCache();
// A cache is freed with the last glyph; the unit's end frees one that belongs to no button.
void FreeGlyphCache();

// --- Button glyph -------------------------------------------------------------------------
// The image beside a button's caption (a strip of up to four cells, or an
// image list and index), its state images, and the placing and drawing of
// glyph and caption.
class TcxButtonGlyph : public TObject {
  VAMIRE_CLASS(TcxButtonGlyph, TObject)
 public:
  explicit TcxButtonGlyph(TcxCustomButton* AOwner);
  ~TcxButtonGlyph() override;

  TBitmap* Glyph() const { return FImageInfo->Glyph.get(); }
  // Also derives NumGlyphs from the strip's shape.
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  // Clamped to 1..4.
  void SetNumGlyphs(int Value);
  TCustomImageList* Images() const { return FImageInfo->Images; }
  void SetImages(TCustomImageList* Value);
  int ImageIndex() const { return FImageInfo->ImageIndex; }
  void SetImageIndex(int Value);

  // One cell of the source; 0 x 0 without one.
  TSize GetGlyphSize();
  bool HasCaption() const;
  bool HasImage();
  // The list slot of the state's image, built when missing; -1 without a source.
  int PrepareStateImage(TcxButtonState AState);
  // The list the images are kept in; null until the first is built.
  TcxGlyphList* GlyphList() const { return FGlyphList; }

  virtual TRect GetTextMargins(TButtonLayout ALayout);
  virtual void PaintGlyph(TcxCanvas* ACanvas, const TPoint& APos, TcxButtonState AState);
  virtual void DrawCaption(TcxCanvas* ACanvas, const String& ACaption, const TRect& R, TcxButtonState AState,
                           unsigned ATextFlags, bool ANative, bool AWordWrap, bool ASkinned);
  // Where glyph and caption go inside AClient; ATextFlags with DT_RIGHT is right-to-left.
  TcxButtonContentLayout CalcContentLayout(TcxCanvas* ACanvas, const TRect& AClient, int AShift,
                                           const String& ACaption, TButtonLayout ALayout, int AMargin,
                                           int ASpacing, unsigned ATextFlags, bool AWordWrap);
  virtual void RenderContent(TcxCanvas* ACanvas, const TRect& AClient, int AShift, const String& ACaption,
                             TButtonLayout ALayout, int AMargin, int ASpacing, TcxButtonState AState,
                             unsigned ATextFlags, bool ANative, bool AWordWrap, bool ASkinned);

  // Set by the button: its Invalidate.
  TNotifyEvent OnChange;

 private:
  // The image source of one glyph (not the image list's record of that name).
  struct TcxImageInfo {
    std::unique_ptr<TBitmap> Glyph;
    TCustomImageList* Images = nullptr;
    int ImageIndex = -1;
    bool IsAssigned();
  };
  void GlyphChanged();
  void GlyphBitmapChanged(TObject* Sender);
  void ClearStateImages();
  void BuildImage(TcxButtonImageKind AKind, TcxBitmap32* AImage, TBitmap* AMask);

  TcxCustomButton* FOwner;
  std::unique_ptr<TcxImageInfo> FImageInfo;
  int FNumGlyphs = 1;
  int FImageIndexes[4] = {-1, -1, -1, -1};
  TcxGlyphList* FGlyphList = nullptr;
};

// --- The button ---------------------------------------------------------------------------
using TcxButtonDropDownMenuPopupEvent =
    TMethod<void(TObject* Sender, TPopupMenu*& APopupMenu, bool& AHandled)>;
using TcxButtonGetDrawParamsEvent =
    TMethod<void(TcxCustomButton* Sender, TcxButtonState AState, TColor& AColor, TFont* AFont)>;

class TcxCustomButton : public TButton, public IcxLookAndFeelOwner, public IcxMouseTrackingCaller {
  VAMIRE_CLASS(TcxCustomButton, TButton)
  friend class TcxSpeedButtonOptions;

 public:
  explicit TcxCustomButton(TComponent* AOwner);
  ~TcxCustomButton() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  TcxButtonColors* Colors() const { return FColors.get(); }
  void SetColors(TcxButtonColors* Value) { FColors->Assign(Value); }
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* Value);
  TBitmap* Glyph() const { return FGlyph->Glyph(); }
  void SetGlyph(TBitmap* Value) { FGlyph->SetGlyph(Value); }
  bool IsGlyphStored() const { return Glyph() && !Glyph()->Empty(); }
  TcxButtonKind Kind() const { return FKind; }
  void SetKind(TcxButtonKind Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  int Margin() const { return FMargin; }
  // Values below -1 are ignored.
  void SetMargin(int Value);
  int NumGlyphs() const { return FGlyph->NumGlyphs(); }
  void SetNumGlyphs(int Value) { FGlyph->SetNumGlyphs(Value); }
  TcxButtonPaintStyle PaintStyle() const { return FPaintStyle; }
  void SetPaintStyle(TcxButtonPaintStyle Value);
  TPopupAlignment PopupAlignment() const { return FPopupAlignment; }
  void SetPopupAlignment(TPopupAlignment Value) { FPopupAlignment = Value; }
  // A TPopupMenu or a component with IcxPopupMenuHandler; anything else is taken as none.
  TComponent* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TcxSpeedButtonOptions* SpeedButtonOptions() const { return FSpeedButtonOptions.get(); }
  void SetSpeedButtonOptions(TcxSpeedButtonOptions* Value) { FSpeedButtonOptions->Assign(Value); }
  bool UseSystemPaint() const { return FUseSystemPaint; }
  void SetUseSystemPaint(bool Value) { FUseSystemPaint = Value; }
  TcxButtonGlyph* ButtonGlyph() const { return FGlyph.get(); }

  // The options' values under their old names (read from old forms, never written).
  bool CanBeFocused() const { return FSpeedButtonOptions->CanBeFocused(); }
  void SetCanBeFocused(bool Value) { FSpeedButtonOptions->SetCanBeFocused(Value); }
  int GroupIndex() const { return FSpeedButtonOptions->GroupIndex(); }
  void SetGroupIndex(int Value) { FSpeedButtonOptions->SetGroupIndex(Value); }
  bool Down() const { return FDown; }
  void SetDown(bool Value) { FSpeedButtonOptions->SetDown(Value); }
  bool AllowAllUp() const { return FSpeedButtonOptions->AllowAllUp(); }
  void SetAllowAllUp(bool Value) { FSpeedButtonOptions->SetAllowAllUp(Value); }
  bool IsColorsStored() const { return !FColors->AssignedColors().Empty(); }
  bool IsSpeedButton() const { return FSpeedButtonOptions->IsSpeedButton(); }

  // State read by tests and the painter.
  bool IsHot() const { return FHot; }
  bool IsMenuShown() const { return FMenuShown; }
  bool IsPressedLook() const { return FIsPressedLook; }
  TcxButtonState GetButtonState();
  // The client part that opens the menu: none, the whole button, or the right 15 pixels.
  TRect GetArrowPartBounds();
  // The painter in force; see the unit's notes on the Office11 look.
  virtual TcxCustomLookAndFeelPainterClass GetPainter();
  // Width: caption plus three "R"; height: "Wg" times 14 / 8; in the button's font.
  virtual TSize GetOptimalSize();
  // Where the menu opens for its height (screen coordinates).
  TPoint CalcMenuPosition(int AMenuHeight);

  void Click() override;
  bool CanFocus() override;
  void Loaded() override;

  // IcxLookAndFeelOwner, IcxMouseTrackingCaller
  TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }
  void MouseLeave() override { MouseLeaveStep(); }

  TcxButtonDropDownMenuPopupEvent OnDropDownMenuPopup;
  TcxButtonGetDrawParamsEvent OnGetDrawParams;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  virtual bool DoDropDownMenuPopup(TPopupMenu*& APopupMenu);
  virtual bool DoShowPopupMenu(TComponent* APopupMenu, int X, int Y);
  virtual void DoMouseEnter();
  virtual void DoMouseLeave();
  // Posts the drop-down request unless the menu is shown or the next one is to be ignored.
  void DropDown();

  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;
  void DestroyWindowHandle() override;
  void SetButtonStyle(bool ADefault) override;
  void DrawItem(const DRAWITEMSTRUCT& DrawItemStruct) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DblClick() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  TPopupMenu* GetPopupMenu() override { return nullptr; }
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

 private:
  void RenderButton(TcxCanvas* ACanvas, bool ASkinned);
  void RenderBackground(TcxCanvas* ACanvas, TcxCustomLookAndFeelPainterClass APainter, TRect R,
                        TcxButtonState AState, TColor AFaceColor, TColor ATextColor);
  TRect GetContentBounds(TcxCustomLookAndFeelPainterClass APainter, TcxButtonState AState);
  unsigned TextFlags() const;
  void MouseEnterStep();
  void MouseLeaveStep();
  void MarkPressedPart(int X, int Y);
  void HandleMenuDropDown();
  void HandleMenuCloseUp();
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  void OptionsChanged(TObject* Sender);
  void ButtonPressed(TMessage& Message);
  bool IsMouseInside();
  bool IsDesigning() const { return ComponentState().Contains(csDesigning); }

  std::unique_ptr<TcxButtonColors> FColors;
  std::unique_ptr<TcxButtonGlyph> FGlyph;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  std::unique_ptr<TcxSpeedButtonOptions> FSpeedButtonOptions;
  std::unique_ptr<TCanvas> FPaintCanvas;
  std::unique_ptr<TcxCanvas> FCanvas;
  TPopupMenu* FDropDownMenu = nullptr;
  TComponent* FPopupMenu = nullptr;
  TcxButtonKind FKind = cxbkStandard;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  TcxButtonPaintStyle FPaintStyle = bpsDefault;
  TPopupAlignment FPopupAlignment = paLeft;
  int FSpacing = 4;
  bool FUseSystemPaint = false;
  // State bits.
  bool FDown = false;
  bool FHot = false;
  bool FMainPartPressed = false;
  bool FArrowPartPressed = false;
  bool FMenuShown = false;
  bool FAcceleratorClick = false;
  bool FIsPressedLook = false;
  bool FIsDefaultLook = false;
  bool FIsActiveDefault = false;
  bool FIgnoreNextDropDown = false;
};

class TcxButton : public TcxCustomButton {
  VAMIRE_CLASS(TcxButton, TcxCustomButton)
 public:
  using TcxCustomButton::TcxCustomButton;
};

// The button's menus pop up through this, which a test may replace (the
// system's menu loop would wait for a person); answers the one replaced.
using TcxButtonMenuPopupProc = void (*)(TPopupMenu* AMenu, int X, int Y);
TcxButtonMenuPopupProc SetButtonMenuPopupProc(TcxButtonMenuPopupProc AProc);

// Unit start registers TcxButton for form streaming; end frees a glyph cache still there.
void cxButtons_Initialize();
void cxButtons_Finalize();
extern const TUnitEntry cxButtonsUnit;
