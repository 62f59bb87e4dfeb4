// A popup menu of another kind than TPopupMenu (IcxPopupMenuHandler): it
// takes 'K' as its short-cut and records where it was asked to show.
#pragma once

#include <vector>

#include "cxControlsBase_win.h"

namespace core_test {

class TMenuHandler : public TComponent, public IcxPopupMenuHandler {
  VAMIRE_CLASS(TMenuHandler, TComponent)
 public:
  using TComponent::TComponent;
  bool IsShortCut(TMessage& Message) override { return Message.WParam == 'K'; }
  void Popup(int X, int Y) override { Shown.push_back(TPoint{X, Y}); }
  bool GetInterface(const TGUID& iid, void** obj) override {
    return InterfaceTable<IcxPopupMenuHandler>(this, iid, obj) || TComponent::GetInterface(iid, obj);
  }
  int32_t QueryInterface(const TGUID& iid, void** obj) override { return TComponent::QueryInterface(iid, obj); }
  int32_t _AddRef() override { return TComponent::_AddRef(); }
  int32_t _Release() override { return TComponent::_Release(); }
  std::vector<TPoint> Shown;
};

}  // namespace core_test
