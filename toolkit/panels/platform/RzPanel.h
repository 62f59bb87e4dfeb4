// The bordered panel: a container that draws its own border (an outer frame
// style, a band of BorderWidth, an inner frame style), fills its client area
// with a colour or a gradient, can draw a grid and a word-wrapped caption
// placed vertically too, keeps its children's enabled state while it is
// disabled, follows a frame controller, and brings a dock manager that draws
// caption grabbers. The console uses it for colour swatches and bands.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ExtCtrls.h"
#include "RzCommon_win.h"
#include "StdCtrls.h"

// The runtime streams these of every panel, though nothing here docks.
using TDockDropEvent = TMethod<void(TObject* Sender, TDragObject* Source, int X, int Y)>;
using TDockOverEvent =
    TMethod<void(TObject* Sender, TDragObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TGetSiteInfoEvent =
    TMethod<void(TObject* Sender, TControl* DockClient, TRect& InfluenceRect, TPoint MousePos, bool& CanDock)>;
using TStartDockEvent = TMethod<void(TObject* Sender, TDragObject*& DragObject)>;
using TUnDockEvent = TMethod<void(TObject* Sender, TControl* Client, TWinControl* NewTarget, bool& Allow)>;

class TRzCustomPanel;

// The dock manager of a panel that is a dock site: grabbers 14 pixels wide
// with the docked control's caption and a close glyph. At run time it also
// hears the site's messages first, repainting the site on WM_COMMAND and
// WM_MOUSEACTIVATE. The console never docks; the manager stays minimal (D-64).
class TRzPanelDockManager : public TObject {
  VAMIRE_CLASS(TRzPanelDockManager, TObject)
 public:
  explicit TRzPanelDockManager(TRzCustomPanel* Panel);
  ~TRzPanelDockManager() override;

  TRzCustomPanel* Panel() const { return FPanel; }
  int GrabberSize() const { return FGrabberSize; }
  TFont* CaptionFont() const { return FCaptionFont; }
  TFont* CloseFont() const { return FCloseFont; }
  // The grabber's side: a band on the left when the panel is aligned to the
  // top or bottom, else a band on the top.
  bool GrabberOnLeft() const;
  // Where a docked control's frame leaves room for its grabber.
  void AdjustDockRect(TControl* Control, TRect& ARect);
  // Paints a docked control's grabber in ARect (its frame) when the panel
  // shows dock client captions.
  void PaintDockFrame(TCanvas* Canvas, TControl* Control, const TRect& ARect);

 private:
  void SiteWindowProc(TMessage& Message);

  TRzCustomPanel* FPanel;
  int FGrabberSize = 14;
  TFont* FCaptionFont;
  TFont* FCloseFont;
  TWndMethod FOldWindowProc;
  bool FHooked = false;
};

class TRzCustomPanel : public TCustomPanel, public IFrameControllerClient {
  VAMIRE_CLASS(TRzCustomPanel, TCustomPanel)
 public:
  explicit TRzCustomPanel(TComponent* AOwner);
  ~TRzCustomPanel() override;
  bool GetInterface(const TGUID& iid, void** obj) override;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // --- Border
  TFrameStyleEx BorderOuter() const { return FBorderOuter; }
  virtual void SetBorderOuter(TFrameStyleEx Value);
  TFrameStyleEx BorderInner() const { return FBorderInner; }
  virtual void SetBorderInner(TFrameStyleEx Value);
  TSides BorderSides() const { return FBorderSides; }
  virtual void SetBorderSides(TSides Value);
  TColor BorderColor() const { return FBorderColor; }
  virtual void SetBorderColor(TColor Value);
  TColor BorderHighlight() const { return FBorderHighlight; }
  virtual void SetBorderHighlight(TColor Value);
  TColor BorderShadow() const { return FBorderShadow; }
  virtual void SetBorderShadow(TColor Value);
  TColor FlatColor() const { return FFlatColor; }
  virtual void SetFlatColor(TColor Value);
  int FlatColorAdjustment() const { return FFlatColorAdjustment; }
  virtual void SetFlatColorAdjustment(int Value);

  // --- Client area
  TRzVisualStyle VisualStyle() const { return FVisualStyle; }
  virtual void SetVisualStyle(TRzVisualStyle Value);
  TRzGradientColorStyle GradientColorStyle() const { return FGradientColorStyle; }
  virtual void SetGradientColorStyle(TRzGradientColorStyle Value);
  TColor GradientColorStart() const { return FGradientColorStart; }
  virtual void SetGradientColorStart(TColor Value);
  TColor GradientColorStop() const { return FGradientColorStop; }
  virtual void SetGradientColorStop(TColor Value);
  TGradientDirection GradientDirection() const { return FGradientDirection; }
  virtual void SetGradientDirection(TGradientDirection Value);
  bool PaintClientArea() const { return FPaintClientArea; }
  virtual void SetPaintClientArea(bool Value);
  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  // --- Grid
  bool ShowGrid() const { return FShowGrid; }
  virtual void SetShowGrid(bool Value);
  TColor GridColor() const { return FGridColor; }
  virtual void SetGridColor(TColor Value);
  TRzGridStyle GridStyle() const { return FGridStyle; }
  virtual void SetGridStyle(TRzGridStyle Value);
  std::uint16_t GridXSize() const { return FGridXSize; }
  virtual void SetGridXSize(std::uint16_t Value);
  std::uint16_t GridYSize() const { return FGridYSize; }
  virtual void SetGridYSize(std::uint16_t Value);

  // --- Caption
  TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
  virtual void SetAlignmentVertical(TAlignmentVertical Value);
  int TextMargin() const { return FTextMargin; }
  virtual void SetTextMargin(int Value);
  int TextMarginVertical() const { return FTextMarginVertical; }
  virtual void SetTextMarginVertical(int Value);
  bool WordWrap() const { return FWordWrap; }
  virtual void SetWordWrap(bool Value);

  // --- Frame controller
  TRzFrameController* FrameController() const { return FFrameController; }
  virtual void SetFrameController(TRzFrameController* Value);
  TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
  void SetFrameControllerNotifications(TRzFrameControllerNotifications Value) {
    FFrameControllerNotifications = Value;
  }
  void FrameControllerChanged() override;

  // --- Docking
  bool ShowDockClientCaptions() const { return FShowDockClientCaptions; }
  void SetShowDockClientCaptions(bool Value);
  bool DockSite() const { return FDockSite; }
  void SetDockSite(bool Value);
  bool UseDockManager() const { return FUseDockManager; }
  void SetUseDockManager(bool Value);
  TRzPanelDockManager* DockManager() const { return FDockManager; }
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value) { FBiDiMode = Value; }
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value) { FParentBiDiMode = Value; }

  // (0, 0, Width, Height).
  virtual TRect ControlBounds();
  // Shrinks Rect by BorderWidth (when asked) and by the outer and inner
  // styles' widths on BorderSides.
  virtual void AdjustRectForBorders(TRect& Rect, bool IncludeBorderWidth);
  virtual TPoint GetMarginSize() { return TPoint{1, 1}; }
  // The cursor in client coordinates.
  virtual TPoint GetMousePosition();
  virtual void GetGradientColors(TColor& Start, TColor& Stop);
  virtual void GetFlatColors(TColor& Color, int& Adjustment);

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TDockDropEvent OnDockDrop;
  TDockOverEvent OnDockOver;
  TEndDragEvent OnEndDock;
  TGetSiteInfoEvent OnGetSiteInfo;
  TStartDockEvent OnStartDock;
  TUnDockEvent OnUnDock;

 protected:
  void Paint() override;
  virtual void DrawCaption(TRect Rect);
  virtual void DrawGrid(TRect Rect);
  // Records the children's enabled state and disables them when the panel is
  // disabled; gives it back when the panel is enabled again.
  virtual void UpdateChildrenEnabled();
  TRect GetClientRect() override;
  void AdjustClientRect(TRect& Rect) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // "FrameSides" and "ThemeAware" of older forms are skipped; "UseGradients"
  // turns the gradient style on.
  void DefineProperties(TFiler* Filer) override;

 private:
  void ReadUseGradients(TReader* Reader);
  void InvalidateResizeStrips(const WINDOWPOS& Pos);
  void UpdateDockManager();
  template <class T>
  bool Store(T& Field, const T& Value);

  TFrameStyleEx FBorderOuter = fsRaised;
  TFrameStyleEx FBorderInner = fsNone;
  TSides FBorderSides = sdAllSides;
  TColor FBorderColor = clBtnFace;
  TColor FBorderHighlight = clBtnHighlight;
  TColor FBorderShadow = clBtnShadow;
  TColor FFlatColor = clBtnShadow;
  int FFlatColorAdjustment = 30;
  TRzVisualStyle FVisualStyle = vsWinXP;
  TRzGradientColorStyle FGradientColorStyle = gcsSystem;
  TColor FGradientColorStart = clWhite;
  TColor FGradientColorStop = clBtnFace;
  TGradientDirection FGradientDirection = gdHorizontalEnd;
  bool FPaintClientArea = true;
  bool FTransparent = false;
  bool FShowGrid = false;
  TColor FGridColor = clBtnShadow;
  TRzGridStyle FGridStyle = gsDots;
  std::uint16_t FGridXSize = 8;
  std::uint16_t FGridYSize = 8;
  TAlignmentVertical FAlignmentVertical = avCenter;
  int FTextMargin = 0;
  int FTextMarginVertical = 0;
  bool FWordWrap = true;
  TRzFrameController* FFrameController = nullptr;
  TRzFrameControllerNotifications FFrameControllerNotifications = AllFrameControllerNotifications();
  bool FShowDockClientCaptions = true;
  bool FDockSite = false;
  bool FUseDockManager = true;
  TRzPanelDockManager* FDockManager = nullptr;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  // Each child's enabled state as it was when the panel was disabled.
  std::vector<std::pair<TControl*, bool>> FEnabledList;
};

class TRzPanel : public TRzCustomPanel {
  VAMIRE_CLASS(TRzPanel, TRzCustomPanel)
 public:
  using TRzCustomPanel::TRzCustomPanel;
};

// Registers the panel for form files.
extern const TUnitEntry RzPanelUnit;
