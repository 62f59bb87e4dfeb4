// The button item kinds: push, check and drop-down buttons with their radio
// groups, large buttons whose small image follows the large one, and the item
// behind the application-menu button, which can show another button's face.
#pragma once

#include "dxBar_win.h"

enum TdxBarButtonStyle { bsDefault, bsChecked, bsDropDown, bsCheckedDropDown };
VAMIRE_ENUM_NAMES(TdxBarButtonStyle, L"bsDefault", L"bsChecked", L"bsDropDown", L"bsCheckedDropDown")

class TdxBarButton : public TdxBarItem {
  VAMIRE_CLASS(TdxBarButton, TdxBarItem)
 public:
  explicit TdxBarButton(TComponent* AOwner);

  // --- published
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  TdxBarButtonStyle ButtonStyle() const { return TdxBarButtonStyle(FStyleBits); }
  void SetButtonStyle(TdxBarButtonStyle Value);
  bool CloseSubMenuOnClick = true;
  bool DropDownEnabled() const { return FDropDownEnabled; }
  void SetDropDownEnabled(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool IsDownStored() const;
  bool Lowered() const { return FLowered; }
  void SetLowered(bool Value);

  // The two bits of the style: checking and the drop-down part.
  bool IsCheckable() const { return (FStyleBits & 1) != 0; }
  bool HasDropDownPart() const { return (FStyleBits & 2) != 0; }

  bool SupportsPaintStyle() override { return true; }
  bool CanActivateByAccelerator(TdxBarItemLink* Link) override;
  void PaintStyleChanged() override;
  uint16_t GetSupportedActions() override;
  String GetDefaultCaption() override;
  void Click() override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;

 protected:
  bool IsLoading() const { return ComponentState().Contains(csLoading); }

 private:
  void SetDownRaw(bool Value);
  int FStyleBits = 0;
  bool FAllowAllUp = false, FDropDownEnabled = true, FDown = false, FLowered = false;
  int FGroupIndex = 0;
};

class TdxBarLargeButton : public TdxBarButton {
  VAMIRE_CLASS(TdxBarLargeButton, TdxBarButton)
 public:
  explicit TdxBarLargeButton(TComponent* AOwner);

  // --- published
  bool AutoGrayScale() const { return FAutoGrayScale; }
  void SetAutoGrayScale(bool Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  TBitmap* HotGlyph() const { return FHotGlyph.get(); }
  void SetHotGlyph(TBitmap* Value) { FHotGlyph->Assign(Value); }
  int HotImageIndex() const { return FHotImageIndex; }
  void SetHotImageIndex(int Value);
  bool SyncImageIndex() const { return FSyncImageIndex; }
  void SetSyncImageIndex(bool Value);
  bool IsLargeImageIndexStored() const { return IsImageIndexStored(); }
  void SetImageIndex(int Value) override;
  void SetLargeImageIndex(int Value) override;
  void SetGlyphLayoutValue(TdxBarGlyphLayout Value);

  int GetLinkedImageIndex() override { return LargeImageIndex(); }
  void SetLinkedImageIndex(int Value) override { SetLargeImageIndex(Value); }
  bool CanActivateByAccelerator(TdxBarItemLink* Link) override;
  bool HasHotImage() override;
  bool HasImage() override;
  void LargeGlyphChanged() override;
  void WidthChanged() override;
  virtual void HotGlyphChanged();
  uint16_t GetSupportedActions() override;
  void Loaded() override;

 protected:
  void DefineProperties(TFiler* Filer) override;

 private:
  void ReadImageIndex(TReader* Reader);
  void WriteImageIndex(TWriter* Writer);
  void HotGlyphBitmapChanged(TObject* Sender);
  bool FAutoGrayScale = true, FSyncImageIndex = true, FSynchronizing = false;
  bool FImageIndexRead = false, FLargeImageIndexRead = false, FSyncImageIndexRead = false;
  int FHeight = 0, FHotImageIndex = -1;
  std::unique_ptr<TBitmap> FHotGlyph;
};

// Created hidden: the application-menu control gives it an outside button to
// show, whose caption, glyph, hint, image, state and click it then takes.
class TdxBarApplicationMenuButtonItem : public TdxBarItem {
  VAMIRE_CLASS(TdxBarApplicationMenuButtonItem, TdxBarItem)
 public:
  explicit TdxBarApplicationMenuButtonItem(TComponent* AOwner);
  TdxBarButton* ExternalItem() const { return FExternalItem; }
  void SetExternalItem(TdxBarButton* Value);

  String Caption() const override;
  String Hint() const override;
  bool Enabled() const override;
  TdxBarItemVisible Visible() const override;
  TBitmap* Glyph() const override;
  int ImageIndex() const override;
  void DoClick() override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TdxBarButton* FExternalItem = nullptr;
};

// The item-class registry's rows of the button and static kinds, in the registry's order.
void dxBarRegisterButtonItems();
