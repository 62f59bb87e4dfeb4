// The screen side of the bar library: the bar control base behind every
// toolbar and menu window, the list of what its current layout shows, and the
// item control base that shows one link inside a bar control.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "Controls.h"
#include "cxClasses.h"
#include "cxGraphics_win.h"
#include "cxMessages.h"
#include "dxBarShadow_win.h"
#include "dxBar_win.h"

class TCustomdxBarControl;
class TdxBarItemControl;
class TdxBarItemControlViewInfo;

// A link to an object held for one scope, for work that may free the object
// (a click, a close-up): Alive() reads false once it is gone.
class TdxBarObjectGuard {
 public:
  explicit TdxBarObjectGuard(TObject* AObject) : FLink(CreateObjectLink(AObject)) {}
  ~TdxBarObjectGuard() { FreeObjectLink(FLink); }
  TdxBarObjectGuard(const TdxBarObjectGuard&) = delete;
  TdxBarObjectGuard& operator=(const TdxBarObjectGuard&) = delete;
  bool Alive() const { return FLink && FLink->Target(); }

 private:
  TcxObjectLink* FLink;
};

// The view levels of an item control: the four real levels of the link's
// ViewLevels set, then the classic mode in which the control decides itself.
using TdxBarItemViewLevel = int;
constexpr TdxBarItemViewLevel ivlDefault = 4;

// --- The list of what a bar control's layout shows ---------------------------------------
struct TdxBarSeparatorRecord {
  TdxBarItemControl* ItemControl = nullptr;  // shown after the separator
  TRect Rect;                                // in the bar control's client coordinates
  bool InRow = false;                        // between two items of one toolbar row
};

class TCustomdxBarControlViewInfo : public TObject {
  VAMIRE_CLASS(TCustomdxBarControlViewInfo, TObject)
 public:
  using TCreateArg = TCustomdxBarControl;
  explicit TCustomdxBarControlViewInfo(TCustomdxBarControl* AControl) : FControl(AControl) {}
  TCustomdxBarControl* DescribedControl() const { return FControl; }

  virtual void Clear();
  // Descendants clear, then add what the layout shows; the base only clears.
  virtual void RebuildList() { Clear(); }

  void AddShownViewInfo(TdxBarItemControlViewInfo* AViewInfo) { FShown.push_back(AViewInfo); }
  void RemoveShownViewInfo(TdxBarItemControlViewInfo* AViewInfo);
  int IndexOfItemControl(const TdxBarItemControl* AControl) const;
  bool IsShown(const TdxBarItemControl* AControl) const { return IndexOfItemControl(AControl) != -1; }
  int GetItemControlCount() const { return int(FShown.size()); }
  TdxBarItemControlViewInfo* GetItemControlViewInfo(int Index) const { return FShown[size_t(Index)]; }
  void AddSeparator(const TRect& R, bool InRow, TdxBarItemControl* AControl);
  int GetSeparatorCount() const { return int(FSeparators.size()); }
  void GetSeparatorInfo(int Index, TRect& R, bool& InRow) const;
  // The first separator recorded for the control.
  bool FindSeparatorOf(const TdxBarItemControl* AControl, int& Index) const;

 private:
  TCustomdxBarControl* FControl;
  std::vector<TdxBarItemControlViewInfo*> FShown;  // not owned
  std::vector<TdxBarSeparatorRecord> FSeparators;
};

// What a container item (a list of generated links standing in one link)
// does when a bar control expands and collapses it.
class IdxBarContainerExpansion {
 public:
  // Inserts the generated links after the container's link at AIndex; answers
  // whether they replace the container's own link.
  virtual bool InsertExpandedLinks(TdxBarItemLinks* ALinks, int AIndex, TObjectList* AExpanded) = 0;
  virtual void MarkExpandedListForClearing() = 0;
  virtual void RemoveExpandedLinks(TdxBarItemLinks* ALinks, TObjectList* AExpanded) = 0;

 protected:
  ~IdxBarContainerExpansion() = default;
};

// --- The bar control base ----------------------------------------------------------------
// State bits.
constexpr uint16_t bcsCreatingControls = 0x0001, bcsDestroyingControls = 0x0002, bcsBeforeDestruction = 0x0008,
                   bcsDestroyed = 0x0010, bcsClosingUp = 0x0020, bcsPaintingItem = 0x0040,
                   bcsRebuilding = 0x0080, bcsUpdatingCanvasFont = 0x0100;
// Behaviour flags the bar controls consult.
constexpr uint16_t bcbSelectOnEscape = 0x0002, bcbStretchClientItems = 0x0010, bcbTakeFocusOnPress = 0x0020,
                   bcbIgnoreMouseSelection = 0x0040, bcbDefaultHitTest = 0x0080, bcbContextMenuOnUp = 0x0100;

class TCustomdxBarControl : public TCustomControl {
  VAMIRE_CLASS(TCustomdxBarControl, TCustomControl)
 public:
  // The owner is the bar manager.
  explicit TCustomdxBarControl(TComponent* AOwner);
  ~TCustomdxBarControl() override;
  void BeforeDestruction() override;

  TdxBarManager* GetBarManager() const;
  bool IsDestroying() const { return ComponentState().Contains(csDestroying) || (FState & bcsDestroyed); }
  uint16_t State() const { return FState; }
  TcxCanvas* GetCanvas();
  TCustomdxBarControlViewInfo* ViewInfo();
  TdxBarItemLinks* ItemLinks() const { return FItemLinks; }
  virtual void SetItemLinks(TdxBarItemLinks* Value);
  TdxBarShadow* Shadow() const { return FShadow.get(); }
  // The container links expanded into the links, in the order they were expanded.
  int ExpandedLinkCount() const { return int(FExpandedLinks.size()); }
  TdxBarContainerLinkData* ExpandedLink(int Index) const { return FExpandedLinks[size_t(Index)].get(); }

  // Chain and selection.
  TCustomdxBarControl* ChildBar() const { return FChildBar; }
  TCustomdxBarControl* ParentBar() const { return FParentBar; }
  void SetChildBar(TCustomdxBarControl* Value);
  void SetParentBar(TCustomdxBarControl* Value);
  TdxBarItemLink* SelectedLink() const { return FSelectedLink; }
  void SetSelectedLink(TdxBarItemLink* Value) { FSelectedLink = Value; }
  TdxBarItemControl* GetSelectedItemControl() const;
  bool IsActive() const { return FIsActive; }
  bool IsDowned = false;
  bool SelectedByMouse() const;

  // Metrics.
  int TextSize() const { return FTextSize; }
  int EditTextSize() const { return FEditTextSize; }
  int IconAreaSize() const { return FIconAreaSize; }
  int MenuArrowHeight() const { return FMenuArrowHeight; }
  int ComboBoxArrowWidth() const { return FComboBoxArrowWidth; }
  double Ratio() const { return FRatio; }
  const TRect& ItemsRect() const { return FItemsRect; }
  const TRect& VisibleItemsRect() const { return FVisibleItemsRect; }
  TdxBarDockingStyle DockingStyle() const { return FDockingStyle; }
  void SetDockingStyle(TdxBarDockingStyle Value);
  TObject* DockControl() const { return FDockControl; }
  void SetDockControl(TObject* Value);
  const TRect& OwnerBounds() const { return FOwnerBounds; }
  void SetOwnerBounds(const TRect& R, TWinControl* AOwnerControl);
  int ViewState() const { return FViewState; }
  void SetViewState(int Value);
  TdxBarPainter* OwnPainter() const { return FPainter; }
  void SetOwnPainter(TdxBarPainter* Value) { FPainter = Value; }
  TNotifyEvent OnDestroy;

  // --- Layout, metrics, rebuilding
  virtual void CalcLayout() { CalcItemsRect(); }
  virtual void CalcMetrics();
  virtual void CalcItemsRect();
  // One column from FirstIndex down the visible items rect.
  virtual void CalcLinksVertically(int FirstIndex, int& LastBottom);
  virtual void CalcLinksLayout() {}
  virtual void CalcItemRects(int Kind, int FirstIndex);
  virtual void CalcViewInfo() { ViewInfo()->RebuildList(); }
  virtual void CreateControls();
  virtual void DestroyControls();
  virtual void PostRebuild() {}
  virtual bool AllowsPartialLastItem(const TRect&) { return false; }
  virtual void BeforeCalcItemRects() {}
  virtual void AfterCalcItemRects() {}
  virtual void AfterRebuild(bool ItemsChanged);
  virtual void HitTestInsertion(const TPoint& P, TdxBarItemLink*& Link, bool& Vertical, bool& BeforeLink,
                                bool& AtSeparator);
  void RebuildControls(bool ItemsChanged);
  virtual void Rebuild() { RebuildControls(true); }
  void ExpandContainerItems();
  void CollapseContainerItems();
  // A rebuild that is refused now: why (for tests and callers that retry).
  bool CanRebuild() const;

  // --- Questions descendants answer
  virtual int GetKind() = 0;
  virtual TClass GetViewInfoClass() = 0;
  virtual int GetBeginGroupSize() = 0;
  virtual bool IsMainMenu() = 0;
  virtual bool IsStatusBar() = 0;
  virtual void RepaintItemControl(TdxBarItemControl* AControl) = 0;
  virtual void SetMarkState(int AState) = 0;
  virtual void UpdateFont() = 0;
  virtual void Hide() = 0;
  virtual void DrawNonClientWithPainter(HDC DC, const TRect& R, int Flag, TColor Color, HBRUSH Brush) = 0;
  virtual uint16_t GetBehaviourFlags();
  virtual bool TakesRestSpace(TdxBarItemControlViewInfo*) { return false; }
  virtual bool IsFramedLook() { return true; }
  virtual bool CanPaintItemControl(TdxBarItemControlViewInfo* AViewInfo);
  virtual bool AllowsItemCustomizing();
  virtual bool IsInactive() { return !FIsActive; }
  virtual bool IsUpdateLocked();
  virtual bool IsFlatPainted();
  virtual bool IsCustomizing();
  virtual bool CanFade() { return false; }
  virtual TObject* GetFader() { return nullptr; }
  virtual bool IsShadowVisible();
  virtual bool HasShadow();
  virtual bool IsPopupKind() { return false; }
  virtual bool IsPopupWindow() { return false; }
  virtual bool IsVertical() { return false; }
  virtual bool IsVerticalLayout() { return IsVertical(); }
  virtual bool IsRotated() { return false; }
  virtual bool HasMark() { return false; }
  virtual int GetMarkState() { return FMarkState; }
  virtual int GetMarkSize();
  virtual bool HasNonClientArea() { return true; }
  virtual void PaintNonClient(HDC) {}
  virtual bool HasCustomBackground() { return false; }
  virtual bool HasBackgroundImage() { return false; }
  virtual bool WantsCtlColorPost() { return false; }
  virtual void ClearBackgroundCache();
  virtual void UpdateDoubleBuffered();
  virtual void UpdateAlphaBlend() {}
  virtual int GetDefaultViewLevel(TdxBarItemControl*) { return ivlDefault; }
  virtual int GetBeginGroupOffset(TdxBarItemLink* ALink);
  virtual int GetItemTextSize(TdxBarItemControl* AControl);
  virtual TBitmap* GetFallbackGlyph() { return nullptr; }
  virtual TFont* GetEditFont();
  virtual void GetItemRect(TdxBarItemControl* AControl, bool Clip, TRect& R);
  virtual HRGN CreateItemRegion(TdxBarItemControl* AControl);
  virtual int GetPainterTextSize();
  virtual TdxBarPainter* GetPainter();
  virtual int GetItemDrawFlags() { return IsRotated() ? 2 : 0; }
  virtual HBRUSH GetToolbarBrush();
  virtual HBRUSH GetToolbarDownedBrush();
  virtual HBRUSH GetToolbarDownedSelectedBrush();
  virtual HBRUSH GetToolbarSelectedBrush();
  virtual HDC GetNonClientDC(HRGN) { return GetWindowDC(Handle()); }
  virtual void ReleaseNonClientDC(HDC DC) { ReleaseDC(Handle(), DC); }
  virtual int GetPainterOffset();
  virtual int GetIconAreaSize();
  virtual int GetTextSize();
  virtual bool IsOwnerAdjacent();
  virtual void CloseUp();
  void CloseUpChain();
  virtual void CloseByEscape();
  virtual void SetIsActive(bool Value) { FIsActive = Value; }
  void SetActive(bool Value);
  virtual bool CanBeActive();
  virtual void DrawItemControl(TdxBarItemControl* AControl, TcxCanvas* ACanvas, const TRect& R);
  virtual void PaintItemControls();
  virtual void PaintItemControl(TcxCanvas* ACanvas, TdxBarItemControl* AControl);
  virtual void DrawNonClient(HDC DC, HRGN Region, int Flag, HBRUSH Brush);
  virtual void WindowPosChanged(TMessage& Message);
  virtual void CreateItemControls();
  virtual void DestroyItemControls();
  virtual void DoDestroy();
  virtual void SelectItemControl(TdxBarItemControl* AControl);
  virtual void SetSelectedControl(TdxBarItemControl* AControl);
  virtual void MakeItemControlVisible(TdxBarItemControl*) {}
  virtual void CalcHintPosition(TPoint& P, int Height);

  // Non-virtual services.
  TdxBarItemControl* ItemControlAtPos(const TPoint& P);
  bool HasItemControl(TdxBarItemControl* AControl) const;
  void GetOwnerEdgeRect(bool Outside, TRect& R);
  void UpdateShadowBounds();
  void UpdateCanvasFont();
  void UpdateControlStyle();
  TPoint OffsetByOrigin(const TPoint& P) const { return TPoint{P.X + Left(), P.Y + Top()}; }
  // A link that reads nil once this control is gone (a click may free it).
  TcxObjectLink* CreateLink() { return CreateObjectLink(this); }
  HBRUSH BackgroundBrush() const { return FBackgroundBrush; }
  TBitmap* BackgroundCache() const { return FBackgroundCache.get(); }
  // Test hooks: how often the non-client area was painted and its DC released.
  int NonClientPaints() const { return FNonClientPaints; }
  int NonClientReleases() const { return FNonClientReleases; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void Paint() override;
  void Resize() override;
  void AdjustSize() override {}
  // Where the non-client painting may raise: a descendant's PaintNonClient.
  void WMNCPaint(TMessage& Message);

  uint16_t FState = 0;
  TRect FItemsRect{}, FVisibleItemsRect{};
  int FTextSize = 0, FEditTextSize = 0, FIconAreaSize = 0, FMenuArrowHeight = 0, FMenuArrowWidth = 0,
      FComboBoxArrowWidth = 0, FMarkSize = 0;
  double FRatio = 1.0;
  int FMarkState = 0;
  TPoint FLastMousePos{-1, -1};

 private:
  // DoDestroy runs once, whether the control is freed or deleted.
  void NotifyDestroyOnce();

  std::unique_ptr<TcxCanvas> FCanvas;
  std::unique_ptr<TcxScreenCanvas> FActiveCanvas;
  std::unique_ptr<TBitmap> FBackgroundCache;
  HBRUSH FBackgroundBrush = nullptr;
  TCustomdxBarControl* FChildBar = nullptr;
  TCustomdxBarControl* FParentBar = nullptr;
  bool FClosedByEscape = false;
  TObject* FDockControl = nullptr;
  TdxBarDockingStyle FDockingStyle = dsNone;
  std::vector<std::unique_ptr<TdxBarContainerLinkData>> FExpandedLinks;
  std::vector<HWND> FCtlColorPosted;
  bool FInDestructor = false, FDestroyNotified = false;
  bool FIsActive = false;
  TdxBarItemLinks* FItemLinks = nullptr;
  TRect FOwnerBounds{};
  TWinControl* FOwnerControl = nullptr;
  TdxBarItemLink* FSelectedLink = nullptr;
  std::unique_ptr<TdxBarShadow> FShadow;
  TdxBarPainter* FPainter = nullptr;
  std::unique_ptr<TCustomdxBarControlViewInfo> FViewInfo;
  int FViewState = 0;
  int FNonClientPaints = 0, FNonClientReleases = 0;
};

// --- The item control base ---------------------------------------------------------------
class TdxBarItemControlDrawParams : public TObject {
  VAMIRE_CLASS(TdxBarItemControlDrawParams, TObject)
 public:
  using TCreateArg = TdxBarItemControl;
  explicit TdxBarItemControlDrawParams(TdxBarItemControl* AControl) : FItemControl(AControl) {}
  TdxBarItemControl* ItemControl() const { return FItemControl; }
  int ViewSize() const { return FViewSize; }
  // A new glyph size class drops the control's cached glyph.
  void SetViewSize(int Value);

  TcxCanvas* Canvas = nullptr;
  String Caption, Description, ShortCutText;
  int PaintKind = 0;  // 0 horizontal toolbar, 1 menu, 2 rotated toolbar
  int ContentParts = 0;  // bit 0 glyph, bit 1 caption
  bool Enabled = true, CanSelect = true, DrawSelected = false, DroppedDown = false, HasDropDownPart = false;
  int HotPartIndex = -1;
  bool Customizing = false, Pressed = false, SelectedByKeyboard = false;
  TSize ButtonSize{};

 private:
  TdxBarItemControl* FItemControl;
  int FViewSize = 0;
};
constexpr int dxBarGlyphPart = 1, dxBarCaptionPart = 2;
// The hot part of a point inside the item but in none of its parts.
constexpr int dxBarGapPart = 100;

class TdxBarItemControlViewInfo : public TcxInterfacedPersistent {
  VAMIRE_CLASS(TdxBarItemControlViewInfo, TcxInterfacedPersistent)
 public:
  using TCreateArg = TdxBarItemControl;
  explicit TdxBarItemControlViewInfo(TdxBarItemControl* AControl);
  ~TdxBarItemControlViewInfo() override;
  TdxBarItemControl* Control() const { return FControl; }
  void Initialize();
  void ResetCachedValues();
  TdxBarItemAlign GetAlignment() const;
  TdxBarItemViewLevels AllowedViewLevels() const { return FAllowedLevels; }
  const TRect& Bounds() const { return FBounds; }
  void SetBounds(const TRect& R) { FBounds = R; }
  const TRect& ImageBounds() const { return FImageBounds; }
  void SetImageBounds(const TRect& R) { FImageBounds = R; }
  TdxBarItemViewLevel ViewLevel() const { return FViewLevel; }
  void SetViewLevel(TdxBarItemViewLevel Value) { FViewLevel = Value; }
  TdxBarItemViewLevel ViewLevelForButtonGroup() const { return FLevelForButtonGroup; }
  TdxBarItemViewLevel MostCompactViewLevel() const { return FMostCompact; }
  TdxBarButtonGroupPosition PositionInButtonGroup() const;
  // The final width at a level, cached; a level outside the allowed set raises.
  virtual int GetWidth(TdxBarItemRealViewLevel Level);
  bool IsWidthCached(TdxBarItemRealViewLevel Level) const { return FWidths[Level].Known; }
  int RealPositionInButtonGroup = 0;

 private:
  struct TCachedWidth {
    bool Known = false;
    int Width = 0;
  };
  TdxBarItemControl* FControl;
  TdxBarItemViewLevels FAllowedLevels;
  TdxBarItemViewLevel FMostCompact = 255, FLevelForButtonGroup = ivlSmallIconWithText;
  TRect FBounds{}, FImageBounds{};
  TdxBarItemViewLevel FViewLevel = ivlDefault;
  TCachedWidth FWidths[4];
};

// A saved canvas font, put back by RestoreFont.
struct TdxBarSavedFont {
  bool Active = false;
  LOGFONTW Font{};
};

class TdxBarItemControl : public TcxIUnknownObject {
  VAMIRE_CLASS(TdxBarItemControl, TcxIUnknownObject)
 public:
  using TCreateArg = TdxBarItemLink;
  explicit TdxBarItemControl(TdxBarItemLink* ALink);
  ~TdxBarItemControl() override;
  void BeforeDestruction() override;
  // Makes a control of the class for the link and lets it build its parts
  // (the class's own draw parameters and view info need its virtual answers).
  static TdxBarItemControl* CreateFor(TClass AClass, TdxBarItemLink* ALink);

  TdxBarItemLink* ItemLink() const { return FItemLink; }
  TdxBarItem* Item() const;
  TdxBarManager* BarManager() const;
  TCustomdxBarControl* Parent() const { return FParent; }
  TdxBarItemControlDrawParams* DrawParams() const { return FDrawParams.get(); }
  TdxBarItemControlViewInfo* ViewInfo() const { return FViewInfo.get(); }
  TdxCachedImageOptions* CachedImageOptions() const { return FCachedImage.get(); }
  TcxCanvas* Canvas() const;
  TRect ItemRect() const;
  bool Pressed() const { return FPressed; }
  void SetPressed(bool Value);
  int HotPartIndex() const { return FHotPartIndex; }
  bool IsActive() const { return FIsActive; }
  bool SelectedByMouse = false;
  bool LastInRow = false, StartsRecentRun = false, ShownByExpansion = false;
  const std::vector<TRect>& Parts() const { return FParts; }
  bool IsSelected() const;
  TdxBarItemAlign GetRealAlign() const;
  int HitTestPart(const TPoint& P) const;
  TdxBarItemViewLevels GetAllowedViewLevels();
  int GetTextSize() const;
  int TextWidth(const String& S);
  int TextLineHeight();
  HBRUSH BackgroundBrush() const;
  bool HasOwnBackgroundBrush() const { return FBackgroundBrush != nullptr; }
  bool HasImage(int ASize);
  bool UnclickAfterDoing() const;
  int FinalHeight();
  int FinalWidth();
  // Draws the control on a canvas into R (nothing for an empty one).
  void Draw(TcxCanvas* ACanvas, const TRect& R, int Flag);

  // --- Fading (no fader until fading stands) and hints
  virtual bool CanFade();
  virtual TObject* GetFader();
  virtual bool GetHintData(bool& Vetoed, String& Hint, String& ShortCutText);
  virtual bool IsEnabled();
  // --- Change notifications from the item and the link
  virtual void BeginGroupChanged();
  virtual void CaptionChanged();
  virtual void EnabledChanged();
  virtual void GlyphChanged();
  virtual void HotGlyphChanged() {}
  virtual void LargeGlyphChanged();
  virtual void Recalculate();
  virtual void PaintStyleChanged() {}
  virtual void ParentShown(bool) {}
  virtual void PressedChanged();
  virtual void VisibleChanged();
  virtual void WidthChanged();
  // --- Capabilities
  virtual void ParentWindowDestroyed() {}
  virtual bool CanBeInButtonGroup() { return false; }
  virtual bool CanClick() { return true; }
  virtual bool IsItemOfOwnManager();
  virtual bool AllowsFocusChange(TdxBarManager*) { return AllowsFocusChangeHere(); }
  virtual bool AllowsFocusChangeHere() { return true; }
  virtual bool CanSelectByMouse() { return CanSelect(); }
  virtual bool CanSelect();
  // --- Clicks
  virtual void SetHotPoint(const TPoint& P);
  virtual void ControlClick(bool ByMouse, wchar_t Key = 0);
  virtual void Activate() { FIsActive = true; }
  virtual void Deactivate() { FIsActive = false; }
  virtual void BeforeClick(bool, wchar_t) {}
  virtual void ExecuteClick(bool ByMouse);
  virtual void SelectByKeyboard();
  virtual bool IsSelectedNow() { return IsSelected(); }
  virtual bool IsDropDownKey(uint16_t) { return false; }
  // --- Classes and view
  virtual TdxBarItemViewLevels GetPossibleViewLevels();
  virtual int GetContentParts();
  virtual int GetClassicContentParts() { return 0; }
  virtual int GetClassicGlyphSize();
  virtual int GetPaintKind();
  virtual int GetPartCount() { return 1; }
  virtual TClass GetViewInfoClass() { return TdxBarItemControlViewInfo::StaticClass(); }
  virtual TClass GetDrawParamsClass() { return TdxBarItemControlDrawParams::StaticClass(); }
  virtual bool UsesGrayScaleGlyph() { return false; }
  virtual String Caption();
  // --- Item data
  virtual TBitmap* Glyph();
  virtual bool UsesNormalImageLook();
  virtual TCustomImageList* GetImageList(int ASize);
  virtual String Hint();
  virtual void GetHintText(String& AHint, String& AShortCutText);
  virtual TdxBarPainter* GetPainter();
  virtual int GetMenuTextIndent();
  // --- Drawing
  virtual void FillDrawParams(bool Full);
  virtual void CalcParts();
  virtual void RefreshStyle();
  virtual void UpdateStyleData();
  virtual void DrawContent(const TRect&, int) {}
  virtual bool CanDraw() { return true; }
  virtual void ApplyStyleFont(HFONT AFont, TcxStyle* AStyle, TdxBarSavedFont& Saved);
  virtual void RestoreFont(const TdxBarSavedFont& Saved);
  virtual TCustomdxBarControl* GetDroppedDownBarControl() { return nullptr; }
  virtual TRect GetInnerRect() { return TRect{}; }
  virtual int GetCaptionWidth();
  virtual bool GetImageInfo(int ASize, int& AImageIndex, TCustomImageList*& AImages, TBitmap*& AGlyph);
  virtual TSize GetGlyphSize(int ASize);
  // --- Sizes
  virtual int GetCaptionAreaWidth();
  virtual int GetExtraWidth() { return 0; }
  virtual int GetIconAreaWidth();
  virtual int GetTextIndent();
  virtual int CalcHeight();
  virtual int CalcWidth();
  virtual int CalcContentWidth();
  virtual int CalcLargeWidth();
  virtual int CalcMenuItemHeight();
  virtual int CalcMenuItemWidth();
  virtual int GetMinHeight() { return 1; }
  virtual int GetMinWidth() { return 1; }
  virtual int CalcLargeHeight();
  virtual int CalcSmallHeight();
  virtual int CalcToolbarHeight();
  virtual int CalcToolbarWidth();
  virtual bool UsesFlatLook();
  // --- Mouse and keyboard
  virtual bool AcceptsMouse() { return CanSelect() || CanClick(); }
  virtual bool ClosesMenusOnClick() { return true; }
  virtual bool HasDropDownPart() { return false; }
  virtual bool ExpandsOnDoubleClick() { return false; }
  virtual bool IgnoredByHitTest() { return false; }
  virtual bool IsMainMenuItem() { return false; }
  virtual bool IsRotated();
  virtual bool HoldsMouseCapture() { return false; }
  virtual bool IsWindowed() { return false; }
  virtual bool IsShowingDropDown() { return false; }
  virtual void Repaint();
  virtual void MouseEnter(TShiftState, int X, int Y) { SetHotPoint(TPoint{X, Y}); }
  virtual void MouseMove(TShiftState, int X, int Y) { SetHotPoint(TPoint{X, Y}); }
  virtual void MouseLeave() { SetHotPoint(TPoint{-1, -1}); }
  virtual void MouseDown(TMouseButton, TShiftState, int, int) {}
  virtual void MouseUp(TMouseButton, TShiftState, int, int) {}
  virtual void DoubleClick() {}

 protected:
  virtual void InitControl();
  bool InMenu() { return FParent && FParent->GetKind() == 2; }
  TcxCanvas* FActiveCanvas = nullptr;

 private:
  TdxBarItemLink* FItemLink;
  TCustomdxBarControl* FParent;
  HBRUSH FBackgroundBrush = nullptr;
  std::unique_ptr<TdxCachedImageOptions> FCachedImage;
  std::unique_ptr<TdxBarItemControlDrawParams> FDrawParams;
  std::unique_ptr<TdxBarItemControlViewInfo> FViewInfo;
  bool FIsActive = false, FPressed = false;
  int FTextSize = 0;
  int FHotPartIndex = -1;
  std::vector<TRect> FParts;
};
using TdxBarItemControlClass = TClass;
