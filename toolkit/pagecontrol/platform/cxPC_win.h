// The tab control: a strip of tabs along one side (or several rows of them),
// navigator buttons that scroll the strip, list the tabs or close the selected
// one, and a display area that takes the rest of the bounds. Its tabs are a
// string list whose strings are the captions; a style painter object, one per
// control, measures and draws everything, chosen by Style or, with Style 0, by
// the look-and-feel. The layout arithmetic is in cxPC.h.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "Classes.h"
#include "Controls.h"
#include "Graphics.h"
#include "ImgList.h"
#include "cxControls_win.h"
#include "cxGraphics_win.h"
#include "cxLookAndFeels.h"
#include "cxPC.h"
#include "cxPCConsts.h"

class TcxCustomTabControl;
class TcxPCCustomPainter;
class TcxPCGoDialog;
class TcxTabs;
class TcxTab;
class TcxTabSheet;

// Why a tab asks to be drawn again.
enum TcxPCTabChangeReason {
  tcrCaption = 0, tcrColor = 1, tcrEnabled = 2, tcrFocus = 3, tcrHighlighted = 4, tcrHot = 5, tcrSelection = 6,
  tcrLayout = 7, tcrPressed = 8, tcrSelected = 9, tcrKeyboardFocus = 10
};

using TcxPCCanCloseEvent = TMethod<void(TObject* Sender, bool& ACanClose)>;
using TcxTabChangingEvent = TMethod<void(TObject* Sender, bool& AllowChange)>;
using TcxDrawTabEvent = TMethod<void(TcxCustomTabControl* AControl, TcxTab* ATab, bool& DefaultDraw)>;
using TcxDrawTabExEvent = TMethod<void(TcxCustomTabControl* AControl, TcxTab* ATab, TFont* Font)>;
using TcxGetTabImageEvent = TMethod<void(TObject* Sender, int TabIndex, int& ImageIndex)>;

// --- Tabs ----------------------------------------------------------------------------------------
class TcxTab : public TPersistent {
  VAMIRE_CLASS(TcxTab, TPersistent)
  friend class TcxCustomTabControl;

 public:
  TcxTab(TcxTabs* ATabs, int AIndex);
  ~TcxTab() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Highlighted() const { return FHighlighted; }
  void SetHighlighted(bool Value);
  // The effective image: the control's GetTabImageIndex for this tab.
  int ImageIndex() const;
  void SetImageIndex(int Value);
  // Streamed only when it differs from the index.
  bool IsImageIndexStored() const { return FImageIndex != FIndex; }
  bool Selected() const { return FSelected; }
  void SetSelected(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  int Index() const { return FIndex; }
  TObject* Data() const { return FObject; }
  TcxCustomTabControl* Control() const;
  TcxTabs* Tabs() const { return FTabs; }
  // -1 when hidden.
  int VisibleIndex() const;
  // Control enabled and Enabled.
  bool RealEnabled() const;
  bool IsHot() const;
  bool IsPressed() const;
  bool IsKeyboardFocused() const;
  bool IsMainSelected() const;
  // Along the strip: the tab height with Rotate, else the normal width.
  int Extent() const;
  TRect NormalRect() const;
  TRect FullRect() const;
  // Empty when hidden or outside the single-line range; else clipped by its tab area.
  TRect VisibleRect() const;
  bool IsShown() const;
  TcxPCTabSide Side() const;
  int LayoutKind() const;

  TcxPCTabLayoutInfo Layout;
  TRect RectCorrection;
  std::unique_ptr<TBitmap> CaptionBitmap;  // the turned caption, dropped at each layout
  void DropCaptionBitmap() { CaptionBitmap.reset(); }

 private:
  friend class TcxTabs;
  void Changed(TcxPCTabChangeReason AReason);

  TcxTabs* FTabs;
  int FIndex;
  String FCaption;
  TColor FColor = clDefault;
  bool FEnabled = true;
  bool FHighlighted = false;
  int FImageIndex;
  bool FSelected = false;
  bool FVisible = true;
  TObject* FObject = nullptr;
};

// The tab list: strings are the captions, objects the tabs' attached objects.
class TcxTabs : public TStrings {
  VAMIRE_CLASS(TcxTabs, TStrings)
 public:
  explicit TcxTabs(TcxCustomTabControl* AControl) : FControl(AControl) {}
  ~TcxTabs() override;

  int Count() const override { return int(FTabs.size()); }
  String Strings(int Index) const override;
  void SetStrings(int Index, const String& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void Move(int CurIndex, int NewIndex) override;

  TcxTab* Tab(int Index) const;
  TcxTab* VisibleTab(int AVisibleIndex) const;
  TcxCustomTabControl* Control() const { return FControl; }

  virtual void RemoveTab(int Index, bool KeepObject = false);
  [[noreturn]] virtual void IndexError(const String& MethodName, int Index) const;
  // Visible index -1 with reason 7 rebuilds the visible list and re-lays out.
  void TabChanged(int AVisibleIndex, TcxPCTabChangeReason AReason);

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  friend class TcxTab;
  void Renumber(int AFrom, int ATo);
  TcxCustomTabControl* FControl;
  std::vector<TcxTab*> FTabs;
  bool FDeleting = false;
  bool FTabRemovingItself = false;
};

// The indexes (in Tabs) of the visible tabs, ascending.
class TcxVisibleTabList {
 public:
  explicit TcxVisibleTabList(TcxTabs* ATabs) : FTabs(ATabs) {}
  int Count() const { return int(FItems.size()); }
  TcxTab* GetTab(int AVisibleIndex) const;
  int TabIndexAt(int AVisibleIndex) const { return FItems[std::size_t(AVisibleIndex)]; }
  // Binary search; when absent, APosition is where it would be inserted.
  bool Find(int ATabIndex, int& APosition) const;
  int IndexOf(int ATabIndex) const;
  void Add(int ATabIndex);
  void Remove(int ATabIndex);
  void Rebuild();

 private:
  TcxTabs* FTabs;
  std::vector<int> FItems;
};

class TcxTabSlants : public TPersistent {
  VAMIRE_CLASS(TcxTabSlants, TPersistent)
 public:
  explicit TcxTabSlants(TPersistent* AOwner) : FOwner(AOwner) {}
  TcxTabSlantKind Kind() const { return FKind; }
  void SetKind(TcxTabSlantKind Value);
  TcxTabSlantPositions Positions() const { return FPositions; }
  void SetPositions(TcxTabSlantPositions Value);
  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() override { return FOwner; }

 private:
  TPersistent* FOwner;
  TcxTabSlantKind FKind = skSlant;
  TcxTabSlantPositions FPositions{spLeft};
};

using TcxPCPrepareBitmapEvent = TMethod<void(TBitmap* ABitmap, const TRect& R, int AVisibleIndex)>;

// The Images list, with its images turned for vertical tabs and kept.
class TcxPCImageList : public TObject {
  VAMIRE_CLASS(TcxPCImageList, TObject)
 public:
  explicit TcxPCImageList(TcxCustomTabControl* AControl);
  ~TcxPCImageList() override;

  TCustomImageList* BaseImages() const { return FBaseImages; }
  void SetBaseImages(TCustomImageList* Value);
  int ImageRotationAngle() const { return FRotation; }
  void SetImageRotationAngle(int Value);
  TSize GetImageSize();
  TSize GetRotatedImageSize();
  void Draw(TcxCanvas* ACanvas, int X, int Y, int AImageIndex, bool AEnabled, TColor ABackgroundColor);
  // How many turned bitmaps were built (each built once per image and background).
  int RotatedBuildCount() const { return FBuildCount; }

  TNotifyEvent OnChange;
  TcxPCPrepareBitmapEvent OnPrepareBitmap;

 private:
  struct TRotatedEntry {
    TColor Background = clNone;
    std::unique_ptr<TBitmap> Bitmap;
    bool Valid = false;
  };
  class TFreeWatcher;
  void BaseChanged(TObject* Sender);
  void Rebuild();
  [[noreturn]] void Error(PResStringRec AText, int AIndex, int AMax);

  TcxCustomTabControl* FControl;
  TCustomImageList* FBaseImages = nullptr;
  TChangeLink FChangeLink;
  std::unique_ptr<TFreeWatcher> FWatcher;
  int FRotation = 0;
  std::vector<TRotatedEntry> FRotated;
  int FBuildCount = 0;
};

// --- Painters ------------------------------------------------------------------------------------
// The class object of a painter class: the operations asked of the class.
class TcxPCPainterMetaClass : public TMetaClass {
 public:
  using TMetaClass::TMetaClass;
  virtual bool CanRotateTabs() const = 0;
  // 0 tabs, 1 buttons, 2 flat buttons.
  virtual int GetStyleKind() const = 0;
  virtual TcxPCStyleID GetStyleID() const = 0;
  virtual String GetStyleName() const = 0;
  virtual bool IsLookAndFeelSupported(TcxLookAndFeel* ALookAndFeel) const = 0;
  virtual bool IsNativeFor(TcxLookAndFeel* ALookAndFeel) const = 0;
  virtual bool KeepsSelectedRowAdjacent() const = 0;
  virtual bool AllowsMultiSelect() const = 0;
  virtual bool SelectsTabOnMouseUp() const = 0;
};
using TcxPCPainterClass = const TcxPCPainterMetaClass*;

// Forwards each class operation to the painter class's static of the same name.
template <class P>
class TcxPCPainterClassOf : public TcxPCPainterMetaClass {
 public:
  using TcxPCPainterMetaClass::TcxPCPainterMetaClass;
  bool CanRotateTabs() const override { return P::CanRotateTabs(); }
  int GetStyleKind() const override { return P::GetStyleKind(); }
  TcxPCStyleID GetStyleID() const override { return P::GetStyleID(); }
  String GetStyleName() const override { return P::GetStyleName(); }
  bool IsLookAndFeelSupported(TcxLookAndFeel* L) const override { return P::IsLookAndFeelSupported(L); }
  bool IsNativeFor(TcxLookAndFeel* L) const override { return P::IsNativeFor(L); }
  bool KeepsSelectedRowAdjacent() const override { return P::KeepsSelectedRowAdjacent(); }
  bool AllowsMultiSelect() const override { return P::AllowsMultiSelect(); }
  bool SelectsTabOnMouseUp() const override { return P::SelectsTabOnMouseUp(); }
};

// Put first in a painter class body, as VAMIRE_CLASS. PainterStaticClass is
// StaticClass with the class operations in reach.
#define VAMIRE_PC_PAINTER(Self, Parent)                                                        \
  VAMIRE_CLASS_META(Self, Parent, TcxPCPainterClassOf<Self>)                                   \
 public:                                                                                      \
  static TcxPCPainterClass PainterStaticClass() { return static_cast<TcxPCPainterClass>(StaticClass()); } \
                                                                                              \
 private:

// The painter's read-only view of its control.
class TcxPCPainterParentInfo : public TObject {
  VAMIRE_CLASS(TcxPCPainterParentInfo, TObject)
 public:
  explicit TcxPCPainterParentInfo(TcxCustomTabControl* AControl) : FControl(AControl) {}
  TObject* ActivePage() const;
  TcxCanvas* Canvas() const;
  TFont* Font() const;
  TColor Color() const;
  TRect FirstTabsArea() const;
  TRect SecondTabsArea() const;
  int Height() const;
  int Width() const;
  bool HideTabs() const;
  int ImageBorder() const;
  int SelectedVisibleTab() const;
  bool MultiLine() const;
  TcxPCNavigatorButtons NavigatorButtons() const;
  TcxPCNavigatorButtonState NavigatorButtonState(TcxPCNavigatorButton AButton) const;
  TcxPCNavigatorPosition NavigatorPosition() const;
  TcxPCOptions Options() const;
  TObject* PageOfVisibleTab(int AVisibleIndex) const;
  bool RaggedRight() const;
  bool Rotate() const;
  bool ShowFrame() const;
  int TabHeight() const;
  int TabWidth() const;
  TcxTabPosition TabPosition() const;
  TcxTabSlants* TabSlants() const;
  int RowCount() const;
  int NearRowCount() const;
  TcxTab* VisibleTab(int AVisibleIndex) const;
  TColor TabOwnColor(int AVisibleIndex) const;
  bool RowsOnOppositeSide() const;

 private:
  TcxCustomTabControl* FControl;
};

// What a tab's content placement left for drawing.
struct TcxPCTabContent {
  TRect ImageRect, TextRect;
  int VisibleIndex = -1;
};

// The base of every style painter; one object per control, made and freed by the registry.
class TcxPCCustomPainter : public TObject {
  VAMIRE_PC_PAINTER(TcxPCCustomPainter, TObject)
 public:
  using TCreateArg = TcxCustomTabControl;
  explicit TcxPCCustomPainter(TcxCustomTabControl* ATabControl);
  ~TcxPCCustomPainter() override;

  TcxPCPainterClass PainterClass() const { return static_cast<TcxPCPainterClass>(ClassType()); }

  // --- Operations of the class
  static bool CanRotateTabs() { return true; }
  static int GetStyleKind() { return 0; }
  static TcxPCStyleID GetStyleID() { return -1; }
  static String GetStyleName() { return String(); }
  static bool IsLookAndFeelSupported(TcxLookAndFeel*) { return false; }
  static bool IsNativeFor(TcxLookAndFeel*) { return false; }
  static bool KeepsSelectedRowAdjacent() { return true; }
  static bool AllowsMultiSelect() { return false; }
  static bool SelectsTabOnMouseUp() { return false; }

  // --- Operations every style provides or inherits
  virtual int CalculateTabNormalWidth(TcxTab* ATab) = 0;
  virtual void GetTabRectCorrection(int AVisibleIndex, TRect& ADeltas);
  virtual void PaintTabSheetBackground(HDC /*DC*/, TObject* /*ATabSheet*/) {}
  virtual void DrawTabImageAndText(TcxTab* ATab, int AVisibleIndex);
  virtual void FillDisplayBackground();
  virtual void PaintControlBackground() { FillDisplayBackground(); }
  virtual int GetNavigatorButtonSpacing(TcxPCNavigatorButton, TcxPCNavigatorButton) { return 0; }
  virtual int GetNavigatorAreaTrailingIndent() { return 0; }
  virtual int GetNavigatorAreaSideIndent() { return 0; }
  virtual int GetNavigatorAreaLeadingIndent() { return 0; }
  virtual TColor GetDisplayColor();
  virtual TRect GetDisplayAreaMargins();
  virtual TColor GetDefaultColor();
  virtual TRect GetTabsAreaMargins();
  virtual void GetTabImageOffsets(int AVisibleIndex, int AOffsets[4]) = 0;
  virtual void GetImageOnlyTabOffsets(int AVisibleIndex, int AOffsets[2]) = 0;
  virtual void GetTabTextOffsets(int AVisibleIndex, int AOffsets[4]) = 0;
  virtual int GetFrameThickness() { return 0; }
  virtual void OwnerDrawTab(int AVisibleIndex);
  virtual bool UsesPageColorForTabs() { return false; }
  virtual int GetImageTextDistance(int AVisibleIndex) = 0;
  virtual int GetMinTabWidth(int AVisibleIndex) = 0;
  virtual TRect GetNativeContentMargins();
  virtual TColor GetTabColor(int AVisibleIndex) = 0;
  virtual TColor GetTabOwnColor(int AVisibleIndex);
  virtual std::unique_ptr<TcxRegion> CreateTabClipRegion(int AVisibleIndex);
  virtual TcxRegionCombineMode GetTabClipOperation(int AVisibleIndex);
  virtual void GetTextMargins(int AVisibleIndex, int AMargins[2]) = 0;
  virtual void GetNativeTabPartAndState(int /*AVisibleIndex*/, int& APart, int& AState) { APart = AState = 0; }
  virtual TPoint GetTabsSpacing() { return TPoint{}; }
  virtual void GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) = 0;
  virtual TColor GetTabTextColor(int AVisibleIndex);
  virtual void GetTruncatedTextMargins(int AVisibleIndex, int AMargins[2]) = 0;
  virtual void BeforeLayout() {}
  virtual void DrawTabText(TcxCanvas* ACanvas, const String& AText, int AVisibleIndex, const TRect& R);
  virtual void Paint();
  virtual void SetTabImageAndTextRects(int AVisibleIndex, const TRect& AImageRect, const TRect& ATextRect) = 0;
  virtual void InvalidateTab(int AVisibleIndex);
  virtual bool UsesTabHotTracking() { return IsNativePainting(); }
  virtual bool IsNativePainting() { return false; }
  virtual bool GetNavigatorButtonAt(int X, int Y, TcxPCNavigatorButton& AButton) = 0;
  virtual bool IsPointInTab(int /*AVisibleIndex*/, int /*X*/, int /*Y*/) { return true; }
  virtual int GetTabDrawState(int AVisibleIndex) = 0;
  virtual bool ClipsTabContentOnly(int /*AVisibleIndex*/) { return false; }
  virtual bool DrawsEmbossedDisabledText() { return true; }
  virtual bool NeedsDoubleBuffering() { return false; }
  virtual bool NeedsRedrawOnResize() { return IsNativePainting(); }
  virtual bool IsFrameVisible();
  virtual void PaintAll() { Paint(); }
  virtual void DrawNavigatorButtons() = 0;
  virtual void DrawClientArea();
  virtual void DrawFrame() = 0;
  virtual void DrawTabs() = 0;
  virtual void PrepareTabContentBitmap(TBitmap* /*ABitmap*/, const TRect& /*R*/, int /*AVisibleIndex*/) {}
  virtual void InvalidateNavigatorButtons(TcxPCNavigatorButton /*AButton*/, TcxPCNavigatorButtonState /*AOld*/) {}
  virtual void InvalidateNavigatorArea() {}
  virtual void RepaintTab(int /*AVisibleIndex*/, TcxPCTabChangeReason /*AReason*/) {}
  virtual int CalculateTabNormalHeight() = 0;
  virtual TRect GetGoDialogButtonRect() = 0;

  // --- Utilities of the styles
  TcxCustomTabControl* TabControl() const { return FTabControl; }
  TcxPCPainterParentInfo* ParentInfo() const { return FParentInfo.get(); }
  TcxPCTabContent& TabContent() { return FTabContent; }
  void SaveClipRegion();
  void RestoreClipRegion();
  bool SetClipRect(const TRect& R, bool AIntersect);
  void InvalidateRect(const TRect& R);
  void InvalidateTabsArea(int AVisibleIndex);
  TRect CalculateDisplayRect();
  TRect CalculateTabsAreaInnerRect();
  void DeflateByRotatedMargins(const TRect& R, const TRect& AMargins, TRect& AResult, TcxTabPosition APosition);
  void DrawPolyline(const TPoint* APoints, int ALastIndex, TcxCanvas* ACanvas, TColor AColor);
  void DrawRotatedPolyline(const TRect& R, const TPoint* APoints, int ALastIndex, TColor AColor, int ASide);
  bool DoOwnerDrawTab(int AVisibleIndex);
  bool IsOwnerDrawActive();
  void ExcludeTabContentFromClip(int AVisibleIndex);
  bool HasImages();
  bool TabHasImage(int AVisibleIndex);
  TSize GetImageSize();
  TSize GetRotatedImageSize();
  // 3 selected, 2 hot, 1 otherwise.
  int GetNativeTabState(int AVisibleIndex);
  TColor GetHighlightedTabColor() { return clHighlight; }
  TColor GetDisabledTextHighlightColor() { return clBtnHighlight; }
  TColor GetDisabledTextShadowColor() { return clBtnShadow; }
  int GetMaxCaptionHeight();
  void PrepareTabFont(TcxTab* ATab, TcxCanvas* ACanvas);

  // --- Tab content: where image and caption go, and drawing them
  // Places the image and the caption (cut with an end ellipsis when it does
  // not fit) and hands both rectangles to SetTabImageAndTextRects.
  void CalculateTabImageAndTextRects(int AVisibleIndex);
  void DrawCaptionInBitmap(TBitmap* ABitmap, const String& AText, const TRect& R, TColor AColor, bool AEnabled);
  // The caption the last placement fitted; cut captions lose their accelerator marks.
  const String& FittedCaption() const { return FFittedCaption; }
  bool IsCaptionCut() const { return FCaptionCut; }
  // The bitmap a native style draws the current tab on; null otherwise.
  TBitmap* TabPaintBitmap() const { return FTabPaintBitmap; }
  void SetTabPaintBitmap(TBitmap* ABitmap) { FTabPaintBitmap = ABitmap; }
  // The caption's direction as drawn: 0 with native painting, else the layout's code.
  int GetContentRotation();
  void AdjustOffsets(int AVisibleIndex, int AOffsets[4]);
  void AdjustMargins(int AVisibleIndex, int AMargins[2], bool AText);

 private:
  void DrawHorizontalCaption(const String& AText, TColor AColor, bool AEnabled);
  void DrawRotatedCaption(TcxTab* ATab, const String& AText, TColor AColor, bool AEnabled);

  TcxCustomTabControl* FTabControl;
  std::unique_ptr<TcxPCPainterParentInfo> FParentInfo;
  TcxPCTabContent FTabContent;
  String FFittedCaption;
  bool FCaptionCut = false;
  TBitmap* FTabPaintBitmap = nullptr;
  // Horizontal captions are drawn in its top-left corner; it only grows, so a
  // paint makes no bitmap per tab.
  std::unique_ptr<TBitmap> FCaptionCanvas;
};

// --- The control ---------------------------------------------------------------------------------
class TcxCustomTabControl : public TcxControl, protected IcxPCLayoutHost {
  VAMIRE_CLASS(TcxCustomTabControl, TcxControl)
  friend class TcxTab;
  friend class TcxTabs;
  friend class TcxPCPainterParentInfo;
  friend class TcxPageControl;
  friend class TcxTabSheet;

 public:
  explicit TcxCustomTabControl(TComponent* AOwner);
  ~TcxCustomTabControl() override;

  // --- Properties
  bool Focusable() const { return FFocusable; }
  void SetFocusable(bool Value) { FFocusable = Value; }
  bool HideTabs() const { return FHideTabs; }
  void SetHideTabs(bool Value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  int ImageBorder() const { return FImageBorder; }
  void SetImageBorder(int Value);
  TCustomImageList* Images() const { return FImages->BaseImages(); }
  void SetImages(TCustomImageList* Value) { FImages->SetBaseImages(Value); }
  int MaxRotatedTabWidth() { return FLayout.MaxRotatedTabWidth(); }
  void SetMaxRotatedTabWidth(int Value);
  bool MultiLine() const { return FLayout.Settings.MultiLine; }
  void SetMultiLine(bool Value);
  TcxPCNavigatorPosition NavigatorPosition() const { return FNavigatorPosition; }
  void SetNavigatorPosition(TcxPCNavigatorPosition Value);
  TcxPCOptions Options() const { return FLayout.Settings.Options; }
  void SetOptions(TcxPCOptions Value);
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  bool RaggedRight() const { return FLayout.Settings.RaggedRight; }
  void SetRaggedRight(bool Value);
  bool Rotate() const { return FLayout.Settings.Rotate; }
  void SetRotate(bool Value);
  bool ScrollOpposite() const { return FLayout.Settings.ScrollOpposite; }
  void SetScrollOpposite(bool Value);
  bool ShowFrame() const { return FShowFrame; }
  void SetShowFrame(bool Value);
  TcxPCStyleID Style() const { return FStyle; }
  void SetStyle(TcxPCStyleID Value);
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  TcxTabPosition TabPosition() const { return FLayout.Settings.TabPosition; }
  void SetTabPosition(TcxTabPosition Value);
  TcxTabSlants* TabSlants() const { return FTabSlants.get(); }
  void SetTabSlants(TcxTabSlants* Value) { FTabSlants->Assign(Value); }
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int Value);
  TcxTabs* Tabs() const { return FTabs.get(); }

  TcxPCCanCloseEvent OnCanClose;
  TNotifyEvent OnChange;
  TcxTabChangingEvent OnChanging;
  TcxDrawTabEvent OnDrawTab;
  TcxDrawTabExEvent OnDrawTabEx;
  TcxGetTabImageEvent OnGetImageIndex;

  // --- State
  TcxPCCustomPainter* Painter() const { return FPainter; }
  TcxPCImageList* ImageList() const { return FImages.get(); }
  TcxPCLayout& Layout() { return FLayout; }
  TcxVisibleTabList& VisibleTabs() { return *FVisibleTabs; }
  int SelectedVisibleTab() const { return FLayout.SelectedVisibleTab; }
  int FirstVisibleTab() const { return FLayout.FirstVisibleTab; }
  int LastVisibleTab() const { return FLayout.LastVisibleTab; }
  int HotTab() const { return FHotTab; }
  int PressedTab() const { return FPressedTab; }
  int KeyboardFocusedTab() const { return FKeyboardFocusedTab; }
  int RowCount() const { return FLayout.RowCount; }
  TcxPCNavigatorButtons NavigatorButtons() const { return FLayout.NavigatorButtons; }
  TcxPCNavigatorButtonState NavigatorButtonState(TcxPCNavigatorButton AButton) const { return FButtonStates[AButton]; }
  TcxPCNavigatorButtons HotNavigatorButtons() const { return FHotButtons; }
  TcxPCNavigatorButtons PressedNavigatorButtons() const { return FPressedButtons; }
  TcxTimer* AutoRepeatTimer() const { return FTimer; }
  TcxPCGoDialog* GoDialog() const { return FGoDialog; }
  bool IsGoDialogShown() const { return FGoDialogShown; }
  bool IsLoading() const { return ComponentState().Contains(csLoading); }

  void LockChangeEvents(bool ALock);
  bool IsChangeEventLocked() const;
  TRect GetDisplayRect();
  int TabAt(int X, int Y);
  void MakeTabVisible(int AVisibleIndex);
  void ScrollTabs(int ACount);
  // Raises "Tabs.Count = 0" without tabs.
  void CalculateTabNormalSizes();
  // The layout of the tabs alone: state beyond the visible tabs cleared, then the arithmetic.
  void CalculateTabsLayout();
  // The full layout; nothing while loading or while one runs.
  virtual void Relayout();

  // --- Operations the page control replaces
  virtual void DoTabClick(int /*AVisibleIndex*/, TShiftState /*Shift*/) {}
  virtual void DoDrawTabHook(TcxCanvas* /*ACanvas*/, TcxTab* /*ATab*/, const TcxPCTabContent& /*AData*/) {}
  virtual bool DoCanClose();
  virtual void CloseActiveTab();
  virtual bool SelectTabByAccelerator(wchar_t ACharCode);
  virtual bool CanSelectTab(int AIndex);
  virtual void ShowGoDialog();
  virtual TObject* GetActivePageObject() { return nullptr; }
  virtual int GetTabImageIndex(int ATabIndex);
  virtual TObject* GetPageObject(int /*AIndex*/) { return nullptr; }
  virtual void GoDialogClosed(int ATabIndex);
  virtual void ImageListChanged(TObject* Sender);
  virtual bool ProcessTabKey(WORD& AKey, TShiftState AShift);
  virtual void PrepareTabFont(TcxTab* ATab, TcxCanvas* ACanvas);
  virtual bool SelectsVisibleTabsOnly() { return false; }
  virtual bool CanChange(int ANewTabIndex);
  virtual void Change();

  void Loaded() override;
  void DefineProperties(TFiler* Filer) override;
  bool CanFocus() override;
  // Leaves itself out of the tab order unless Focusable.
  void GetTabOrderList(std::vector<TWinControl*>& List) override;

 protected:
  // --- Layout host
  int LayoutTabCount() override { return FVisibleTabs->Count(); }
  TcxPCTabLayoutInfo& LayoutTab(int AVisibleIndex) override;
  int CalculateTabNormalHeight() override;
  int CalculateTabNormalWidth(int AVisibleIndex) override;
  int GetMinTabWidth(int AVisibleIndex) override;
  TPoint GetTabsSpacing() override;
  void GetTabsAreaInfo(const TcxPCNavigatorButtons& AButtons, TcxPCTabsAreaInfo& AInfo) override;
  bool KeepsSelectedRowAdjacent() override;
  int MeasureTabCaptionWidth(int AVisibleIndex) override;
  void NavigatorButtonsLaidOut() override;

  // --- TcxControl
  void EraseBackground(HDC DC) override;
  bool CanFocusOnClick() override;
  bool NeedsEraseBackground() override { return false; }
  bool NeedsInvalidateChildren() override;
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;
  bool HasScrollBars() override { return false; }
  void FocusChanged() override;
  void FontChanged() override;
  void MouseLeave(TControl* AControl) override;
  void AdjustClientRect(TRect& Rect) override;
  void CreateHandle() override;
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Resize() override;
  void ChangeScale(int M, int D) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void WndProc(TMessage& Message) override;

  void UpdateSelectedVisibleTab();
  void UpdateNavigatorButtonStates();
  void UpdateHotTrack(TShiftState AShift);
  void UpdateHotTrackWithKeyboardState();
  void SetMarkedTab(int& AField, int Value, TcxPCTabChangeReason AReason);
  void SetHotTab(int Value);
  void SetPressedTab(int Value);
  void SetKeyboardFocusedTab(int Value);
  void SetNavigatorButtonState(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState AState);
  void SelectTabByClick(int AVisibleIndex, bool ACtrl);
  void ScrollTabsOnce(TcxPCNavigatorButton AButton);
  void PressNavigatorButton(TcxPCNavigatorButton AButton);
  void ReleaseNavigatorButton(TcxPCNavigatorButton AButton, TShiftState AShift);
  void AutoRepeatTick(TObject* Sender);
  // The wheel over the band of the strip's first tab scrolls the single-line strip.
  bool ScrollByWheel(TPoint AMousePos, int ACount);
  void UpdateStyleFromLookAndFeel();
  void RepaintTab(int AVisibleIndex, TcxPCTabChangeReason AReason);
  void DropCaptionBitmaps();
  void UpdateImageRotation();

 private:
  void SetPainterClass(TcxPCPainterClass AClass);
  void RelayoutIfTabVisible();
  void FullLayoutChanged() { FTabs->TabChanged(-1, tcrLayout); }
  void TabSlantsChanged(TObject* Sender);
  void ReadClientRect(TReader* Reader, int AIndex);
  void ReadClientRectLeft(TReader* Reader) { ReadClientRect(Reader, 0); }
  void ReadClientRectTop(TReader* Reader) { ReadClientRect(Reader, 1); }
  void ReadClientRectRight(TReader* Reader) { ReadClientRect(Reader, 2); }
  void ReadClientRectBottom(TReader* Reader) { ReadClientRect(Reader, 3); }
  void WriteClientRectLeft(TWriter* Writer);
  void WriteClientRectTop(TWriter* Writer);
  void WriteClientRectRight(TWriter* Writer);
  void WriteClientRectBottom(TWriter* Writer);
  bool ProcessDialogKey(TMessage& Message);
  int MoveTarget(WORD AKey, TShiftState AShift, bool& AHandled);

  TcxPCLayout FLayout{this};
  std::unique_ptr<TcxTabs> FTabs;
  std::unique_ptr<TcxVisibleTabList> FVisibleTabs;
  std::unique_ptr<TcxTabSlants> FTabSlants;
  std::unique_ptr<TcxPCImageList> FImages;
  TcxPCCustomPainter* FPainter = nullptr;
  TcxPCGoDialog* FGoDialog = nullptr;
  TcxTimer* FTimer = nullptr;

  bool FFocusable = true;
  bool FHideTabs = false;
  bool FHotTrack = false;
  int FImageBorder = 0;
  TcxPCNavigatorPosition FNavigatorPosition = npRightTop;
  bool FOwnerDraw = false;
  bool FShowFrame = false;
  TcxPCStyleID FStyle = cxPCDefaultStyle;
  int FTabHeight = 0;
  int FTabWidth = 0;
  int FTabIndex = -1;

  int FChangeEventLock = 0;
  TRect FStoredClientRect;
  bool FClientRectTopRead = false;
  int FHotTab = -1;
  int FPressedTab = -1;
  int FMouseDownTab = -1;
  int FKeyboardFocusedTab = -1;
  bool FMultiSelectActive = false;
  bool FLayoutRunning = false;
  TcxPCNavigatorButtons FHotButtons, FPressedButtons;
  TcxPCNavigatorButtonState FButtonStates[4] = {nbsNormal, nbsNormal, nbsNormal, nbsNormal};
  bool FGoDialogShown = false;
  bool FGoDialogClosedByClick = false;
};

// --- Page control ----------------------------------------------------------------------------------
class TcxPageControl;

using TcxPageChangingEvent = TMethod<void(TObject* Sender, TcxTabSheet* NewPage, bool& AllowChange)>;

// One page: its caption, image, highlight, enabled state and TabVisible are its tab's.
class TcxTabSheet : public TCustomControl {
  VAMIRE_CLASS(TcxTabSheet, TCustomControl)
  friend class TcxPageControl;

 public:
  explicit TcxTabSheet(TComponent* AOwner);
  ~TcxTabSheet() override;

  TcxPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TcxPageControl* Value);
  // -1 without a page control.
  int PageIndex() const;
  // Raises EListError above PageCount - 1; nothing without a page control.
  void SetPageIndex(int Value);
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool Highlighted() const { return FHighlighted; }
  void SetHighlighted(bool Value);
  // The page's tab; null without a page control.
  TcxTab* Tab() const;

  // Only a page control or nothing; anything else aborts silently.
  void SetParent(TWinControl* AParent) override;

  TNotifyEvent OnHide;
  TNotifyEvent OnShow;

 protected:
  virtual void AttachToPageControl(TcxPageControl* APageControl);
  virtual void DoHide();
  virtual void DoShow();
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

 private:
  void UpdateTab();
  bool PaintsNatively() const;
  void PaintBorderBand();
  TcxPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  int FImageIndex = -1;
  bool FHighlighted = false;
};

// The tab control whose tabs are the captions of its pages: exactly one page,
// ActivePage, is shown in the display area.
class TcxPageControl : public TcxCustomTabControl {
  VAMIRE_CLASS(TcxPageControl, TcxCustomTabControl)
  friend class TcxTabSheet;

 public:
  explicit TcxPageControl(TComponent* AOwner);
  ~TcxPageControl() override;

  TcxTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TcxTabSheet* Value);
  int ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }
  int PageCount() const { return int(FPages.size()); }
  TcxTabSheet* Pages(int AIndex) const { return FPages.at(std::size_t(AIndex)); }
  TcxTabSheet* FindNextPage(TcxTabSheet* ACurPage, bool AGoForward, bool ACheckTabVisible) {
    return FindNextPage(ACurPage, AGoForward, ACheckTabVisible, true);
  }
  void SelectNextPage(bool AGoForward, bool ACheckTabVisible = true);

  TcxPageChangingEvent OnPageChanging;

  void CloseActiveTab() override;
  TObject* GetActivePageObject() override { return FActivePage; }
  TObject* GetPageObject(int AIndex) override;
  void ImageListChanged(TObject* Sender) override;
  bool SelectsVisibleTabsOnly() override { return true; }
  bool CanChange(int ANewTabIndex) override;
  void Change() override;
  void Relayout() override;
  void Loaded() override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;

 protected:
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void WndProc(TMessage& Message) override;
  // At design time only pages stay on the page control: another control
  // dropped on it goes to its parent, at the same place on the screen.
  virtual void ControlChange(bool AInserting, TControl* AControl);
  virtual void SyncActivePage();
  virtual bool DoPageChanging(TcxTabSheet* ANewPage);
  virtual void PageChanged();

 private:
  TcxTabSheet* FindNextPage(TcxTabSheet* ACurPage, bool AGoForward, bool ACheckTabVisible, bool ACircular);
  void InsertPage(TcxTabSheet* APage);
  void RemovePage(TcxTabSheet* APage);
  void ChangeActivePage(TcxTabSheet* APage);
  void UpdateTabFromPage(TcxTabSheet* APage);
  int IndexOfPage(const TcxTabSheet* APage) const;

  TcxTabSheet* FActivePage = nullptr;
  bool FSettingActivePage = false;
  bool FInsertingPage = false;
  std::vector<TcxTabSheet*> FPages;
};

TRect GetBoundsRect(TControl* AControl);
bool ImageListHasImages(TCustomImageList* AList);
// The text extent on the screen canvas: AFont when given, else the tab's font.
void MeasureTabText(TcxTab* ATab, const String& AText, TFont* AFont, TSize& ASize);
void PrepareBitmap(TBitmap* ABitmap, TcxCanvas* ACanvas, const TSize& ASize, TColor AColor);

// The unit's entry for the program's unit list: the page-control strings.
extern const TUnitEntry cxPCUnit;
