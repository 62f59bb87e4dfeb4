// What the container's tests share: the units with the container's, and a
// container holding a runtime edit as its inner control that counts its
// style changes and state refreshes.
#pragma once

#include "controls_test_support.h"
#include "cxContainer_win.h"

namespace container_test {

using namespace controls_test;

class TContainerUnits : public testing::Environment {
 public:
  void SetUp() override {
    InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, dxUxThemeUnit,
                     dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit, cxGraphicsUnit,
                     cxControlsBaseUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit,
                     cxControlsUnit, cxContainerUnit});
    Application->Initialize();
  }
  void TearDown() override { FinalizeUnits(); }
};

class TTestContainer : public TcxContainer {
  VAMIRE_CLASS(TTestContainer, TcxContainer)
 public:
  using TcxContainer::TcxContainer;
  int StyleChanges = 0;
  int StateRefreshes = 0;

  // A runtime edit without a frame of its own, filling the client rectangle.
  TEdit* AddInnerEdit() {
    auto* edit = new TEdit(this);
    edit->SetBorderStyle(bsNone);
    edit->SetParent(this);
    SetInnerControl(edit);
    return edit;
  }

  using TcxContainer::CreateWindowRegion;
  using TcxContainer::GetBorderBounds;
  using TcxContainer::GetHotZoneRect;
  using TcxContainer::CalculateViewInfo;

 protected:
  void StyleChanged(TObject* Sender) override {
    ++StyleChanges;
    TcxContainer::StyleChanged(Sender);
  }
  void StateRefreshed() override { ++StateRefreshes; }
};

// A container on a host form with its window, the form not shown.
inline TTestContainer* MakeContainer(TWinControl* AParent, int ALeft, int ATop, int AWidth = 105, int AHeight = 21) {
  auto* c = new TTestContainer(AParent);
  c->SetBounds(ALeft, ATop, AWidth, AHeight);
  c->SetParent(AParent);
  c->HandleNeeded();
  return c;
}

}  // namespace container_test
