// What the tests of the toolkit's own controls share: the units in the
// program's order, a host form, message pumping, a control that counts what
// it is asked to do, and a quarantine that keeps freed controls' memory
// poisoned so a later touch shows.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "FormText.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Streaming.h"
#include "Threads.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "dxGDIPlusAPI.h"
#include "dxOffice11_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"
#include "runtime/graphics_test_support.h"
#include "support/HostForm.h"
#include "support/TestPrefix.h"
#include "support/WindowCapture.h"

namespace controls_test {

using test_support::THostForm;
using test_support::MakeForm;

// The runtime's units the controls need and the toolkit's, in the program's order.
class TControlsUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                     cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit, cxControlsUnit});
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};

// Shown without taking the activation, so tests running side by side leave one another alone.
inline void ShowQuietly(TCustomForm* Form) {
  SetWindowPos(Form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Form->SetVisible(true);
}

inline void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsControlKeyMsg(m)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
  }
}

// Freed objects of classes that use it keep their memory, filled with a
// pattern: a virtual call through it crashes and a write shows in Intact().
class TQuarantine {
 public:
  static constexpr unsigned char Pattern = 0xA7;
  static void* Allocate(std::size_t Size) {
    auto* p = static_cast<unsigned char*>(::operator new(Size + sizeof(std::size_t)));
    *reinterpret_cast<std::size_t*>(p) = Size;
    return p + sizeof(std::size_t);
  }
  static void Keep(void* P) {
    auto* base = static_cast<unsigned char*>(P) - sizeof(std::size_t);
    const std::size_t size = *reinterpret_cast<std::size_t*>(base);
    std::memset(P, Pattern, size);
    Blocks().push_back({static_cast<unsigned char*>(P), size});
  }
  // No freed block was written to since it was freed.
  static bool Intact() {
    for (const auto& b : Blocks())
      for (std::size_t i = 0; i < b.Size; ++i)
        if (b.Data[i] != Pattern) return false;
    return true;
  }
  static bool Holds(const void* P) {
    for (const auto& b : Blocks())
      if (b.Data == P) return true;
    return false;
  }

 private:
  struct TBlock {
    unsigned char* Data;
    std::size_t Size;
  };
  static std::vector<TBlock>& Blocks() {
    static std::vector<TBlock> blocks;
    return blocks;
  }
};

// A toolkit control that fills its content, counts its recalculations and
// paints, and publishes its look-and-feel and popup menu as descendants do.
class TTestControl : public TcxControl {
  VAMIRE_CLASS(TTestControl, TcxControl)
 public:
  using TcxControl::TcxControl;
  static void* operator new(std::size_t Size) { return TQuarantine::Allocate(Size); }
  static void operator delete(void* P) { TQuarantine::Keep(P); }

  int LookAndFeelChanges = 0;
  TcxLookAndFeelValues LastChangedValues;
  int Paints = 0;
  DWORD LastPaintDCKind = 0;  // OBJ_DC for the window's own, OBJ_MEMDC off screen
  int Erases = 0;
  TColor Fill = clWindow;
  std::vector<TPoint> PopupsShown;
  std::vector<std::string> Log;
  bool FreeOnMouseDown = false;

  using TcxControl::GetBorderSize;
  using TcxControl::GetBounds;
  using TcxControl::GetClientBounds;
  using TcxControl::FBounds;
  using TcxControl::IsInternalControl;
  using TcxControl::IsDesigning;
  using TcxControl::CanFocusOnClick;

 protected:
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override {
    TcxControl::LookAndFeelChanged(Sender, AChangedValues);
    ++LookAndFeelChanges;
    LastChangedValues = AChangedValues;
  }
  void Paint() override {
    ++Paints;
    LastPaintDCKind = GetObjectType(Canvas()->Handle());
    TcxControl::Paint();
    Canvas()->FillRect(GetClientBounds(), Fill);
  }
  void EraseBackground(HDC DC) override {
    ++Erases;
    TcxControl::EraseBackground(DC);
  }
  bool DoShowPopupMenu(TComponent* AMenu, int X, int Y) override {
    PopupsShown.push_back(TPoint{X, Y});
    return AMenu != nullptr;
  }
  void HandleMouseButtonDown(int AButton, int X, int Y) override {
    Log.push_back("button down");
    TcxControl::HandleMouseButtonDown(AButton, X, Y);
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    Log.push_back("mouse down");
    if (FreeOnMouseDown) {
      delete this;
      return;
    }
    TcxControl::MouseDown(Button, Shift, X, Y);
  }
};

// A tracking caller without a hit test: its tracked bounds decide.
struct TBoundsCaller : TcxIUnknownObject, IcxMouseTrackingCaller {
  int Leaves = 0;
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IcxMouseTrackingCaller>(this, iid, obj) || TcxIUnknownObject::GetInterface(iid, obj);
  }
  void MouseLeave() override { ++Leaves; }
};

inline String SaveToText(TComponent* AComponent) {
  TStringStream out;
  TWriter writer(&out);
  writer.WriteRootComponent(AComponent);
  return FormBinaryToText(out.DataString());
}

inline void LoadFromText(TComponent* ARoot, const String& AText) {
  TStringStream in(FormTextToBinary(AText));
  ReadComponentFromStream(&in, ARoot);
}

}  // namespace controls_test
