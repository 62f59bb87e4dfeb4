// The drop shadow of a menu window and of the item that opened it: up to five
// thin windows along the right and bottom edges, with per-pixel alpha where
// the system offers layered windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "Classes.h"
#include "Controls.h"
#include "dxBar_win.h"

class TdxBarShadow;

using TdxBarUpdateLayeredWindow = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                                DWORD);

// What the shadow asks of the system: the screen's colour depth and the
// layered-window function. Tests put in their own; a depth of 0 asks the screen.
struct TdxBarShadowSystem {
  int BitsPerPixel = 0;
  TdxBarUpdateLayeredWindow UpdateLayeredWindow = nullptr;
  bool Injected = false;
};
TdxBarShadowSystem SetdxBarShadowSystem(const TdxBarShadowSystem& Value);

// Taper flags of a part's ends, and its kinds.
constexpr int dxBarShadowTaperLeft = 1, dxBarShadowTaperRight = 2, dxBarShadowTaperTop = 4;
constexpr int dxBarShadowBelow = 0, dxBarShadowRight = 1;

struct TdxBarShadowPartInfo {
  TRect Bounds;
  int Corners;
  int Kind;
  friend bool operator==(const TdxBarShadowPartInfo&, const TdxBarShadowPartInfo&) = default;
};

class TdxBarShadowPart : public TCustomControl {
  VAMIRE_CLASS(TdxBarShadowPart, TCustomControl)
 public:
  TdxBarShadowPart(TdxBarShadow* AShadow, int ACorners, int AKind);
  void SetPartBounds(const TRect& R);
  void Show();
  void Hide();
  bool IsDrawable() const;
  int Corners() const { return FCorners; }
  int Kind() const { return FKind; }
  // The alpha of each pixel, rows top to bottom.
  const std::vector<std::uint8_t>& Image() const { return FImage; }
  // The alpha image of a part of a given size, kind and tapered ends.
  static std::vector<std::uint8_t> BuildImage(int Width, int Height, int Kind, int Corners, int ShadowSize);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;

 private:
  TdxBarShadow* FShadow;
  int FCorners;
  int FKind;
  std::vector<std::uint8_t> FImage;
};

class TdxBarShadow {
 public:
  explicit TdxBarShadow(TWinControl* ABarControl);
  ~TdxBarShadow();
  TdxBarShadow(const TdxBarShadow&) = delete;
  TdxBarShadow& operator=(const TdxBarShadow&) = delete;

  void SetPartsVisible(bool Value);
  void SetBounds(const TRect& OwnerBounds, const TRect& ControlBounds);
  void RebuildParts();
  int ShadowExtent() const { return IsTransparent() ? 4 : 2; }
  static bool IsTransparent();
  // Where the parts go for a control and the item that opened it (empty when none).
  static std::vector<TdxBarShadowPartInfo> CalcParts(const TRect& OwnerBounds, const TRect& ControlBounds,
                                                     int ShadowSize);

  TWinControl* Owner() const { return FOwner; }
  bool Visible() const { return FVisible; }
  const std::vector<TdxBarShadowPart*>& Parts() const { return FParts; }

 private:
  void DestroyParts();

  bool FHorizontal = true;
  TWinControl* FOwner;
  std::vector<TdxBarShadowPart*> FParts;
  bool FVisible = false;
  TRect FFirstRect{};
  TRect FSecondRect{};
};

// One link a container item expanded into a bar control's links, so that the
// expansion can be undone: the index the link had, and the links it became.
class TdxBarContainerLinkData {
 public:
  TdxBarContainerLinkData(TdxBarItem* AItem, TdxBarItemLink* AItemLink, int AItemIndex);
  ~TdxBarContainerLinkData();
  TdxBarContainerLinkData(const TdxBarContainerLinkData&) = delete;
  TdxBarContainerLinkData& operator=(const TdxBarContainerLinkData&) = delete;

  TdxBarItem* Item() const { return FItem; }
  TdxBarItemLink* ItemLink() const { return FItemLink; }
  int ItemIndex() const { return FItemIndex; }
  TObjectList* ExpandedItems() const { return FExpandedItems; }

 private:
  TdxBarItem* FItem;
  TdxBarItemLink* FItemLink;
  int FItemIndex;
  TObjectList* FExpandedItems = new TObjectList;
};
