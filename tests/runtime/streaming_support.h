// Small component classes with published tables, for the streaming tests: a
// control with every property kind, a check box whose click must not run
// while loading, and a form with event handlers.
#pragma once

#include <string>
#include <vector>

#include "Streaming.h"

enum TTestAlign { taNone, taLeft, taRight };
VAMIRE_ENUM_NAMES(TTestAlign, L"taNone", L"taLeft", L"taRight")
enum TTestOption { toA, toB, toC };
VAMIRE_ENUM_NAMES(TTestOption, L"toA", L"toB", L"toC")
using TTestOptions = TSet<TTestOption, 3>;

// The order in which components were told Loaded, by name.
std::vector<String>& LoadedLog();

class TTestFont : public TPersistent {
  VAMIRE_CLASS(TTestFont, TPersistent)
 public:
  String Name() const { return FName; }
  void SetName(const String& v) { FName = v; }
  int Height() const { return FHeight; }
  void SetHeight(int v) { FHeight = v; }
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }

 private:
  String FName = L"Tahoma";
  int FHeight = -11;
  TColor FColor = clWindowText;
};

class TTestItem : public TCollectionItem {
  VAMIRE_CLASS(TTestItem, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  String Caption;
  int Width = 64;
};

class TTestControl : public TComponent {
  VAMIRE_CLASS(TTestControl, TComponent)
 public:
  explicit TTestControl(TComponent* AOwner);
  ~TTestControl() override;

  int Left() const { return FLeft; }
  void SetLeft(int v) { FLeft = v; }
  String Caption() const { return FCaption; }
  void SetCaption(const String& v) { FCaption = v; }
  TTestAlign Align() const { return FAlign; }
  void SetAlign(TTestAlign v) { FAlign = v; }
  TTestOptions Options() const { return FOptions; }
  void SetOptions(TTestOptions v) { FOptions = v; }
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  double Ratio() const { return FRatio; }
  void SetRatio(double v) { FRatio = v; }
  TTestFont* Font() const { return FFont; }
  TStringList* Lines() const { return FLines; }
  TOwnedCollection* Items() const { return FItems; }
  TTestControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TTestControl* v) { FFocusControl = v; }
  bool IsLeftStored() const { return FLeft >= 0; }

  TNotifyEvent OnClick;
  std::vector<uint8_t> Blob;   // streamed as the defined binary property "Blob"
  int Tally = 0;               // streamed as the defined integer property "Tally"
  TTestControl* ParentControl = nullptr;
  std::vector<TTestControl*> Children;

  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override { return ParentControl; }
  void SetParentComponent(TComponent* Value) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void Loaded() override;

 protected:
  void DefineProperties(TFiler* Filer) override;

 private:
  void ReadBlob(TStream* S);
  void WriteBlob(TStream* S);
  void ReadTally(TReader* R);
  void WriteTally(TWriter* W);

  int FLeft = 0;
  String FCaption;
  TTestAlign FAlign = taNone;
  TTestOptions FOptions{toA};
  TColor FColor = clBtnFace;
  double FRatio = 0;
  TTestFont* FFont;
  TStringList* FLines;
  TOwnedCollection* FItems;
  TTestControl* FFocusControl = nullptr;
};

class TTestCheck : public TTestControl {
  VAMIRE_CLASS(TTestCheck, TTestControl)
 public:
  using TTestControl::TTestControl;
  bool Checked() const { return FChecked; }
  // A click runs when the user changes the box, never while the form loads.
  void SetChecked(bool v);
  bool SawLoading = false;

 private:
  bool FChecked = false;
};

class TTestForm1 : public TTestControl {
  VAMIRE_CLASS(TTestForm1, TTestControl)
 public:
  using TTestControl::TTestControl;
  void Button1Click(TObject* Sender) { Clicks.push_back(static_cast<TComponent*>(Sender)->Name()); }
  void CheckClick(TObject* Sender) { Clicks.push_back(L"check:" + static_cast<TComponent*>(Sender)->Name()); }
  std::vector<String> Clicks;
};

void RegisterTestClasses();
