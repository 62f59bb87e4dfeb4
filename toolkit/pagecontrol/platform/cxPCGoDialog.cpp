#include "cxPCGoDialog.h"

#include <memory>

#include "cxControlsBase.h"

TcxPCGoDialog::TcxPCGoDialog(TcxCustomTabControl* AControl) : TPopupMenu(AControl), FControl(AControl) {
  OnTabChosen = TMethod<void(int)>(AControl, &TcxCustomTabControl::GoDialogClosed);
}

void TcxPCGoDialog::BuildItems(bool ASorted) {
  auto list = std::make_unique<TStringList>();
  TcxTabs* tabs = FControl->Tabs();
  for (int i = 0; i < FControl->VisibleTabs().Count(); ++i) {
    TcxTab* tab = tabs->VisibleTab(i);
    if (tab->RealEnabled()) list->AddObject(RemoveAcceleratorsW(tab->Caption(), false), tab);
  }
  if (ASorted) list->Sort();
  SetImages(FControl->Images());
  Items()->Clear();
  for (int i = 0; i < list->Count(); ++i) {
    auto* tab = static_cast<TcxTab*>(list->Objects(i));
    auto* item = new TMenuItem(this);
    item->SetCaption(tab->Caption());
    item->SetTag(tab->Index());
    item->SetChecked(tab->Index() == FControl->TabIndex());
    item->SetDefault(tab->Index() == FControl->TabIndex());
    item->SetImageIndex(tab->ImageIndex());
    item->OnClick = TNotifyEvent(this, &TcxPCGoDialog::ItemClick);
    Items()->Add(item);
  }
}

void TcxPCGoDialog::Popup(bool ASorted) {
  BuildItems(ASorted);
  const TRect button = FControl->Painter()->GetGoDialogButtonRect();
  const TPoint at = FControl->ClientToScreen(TPoint{button.Left, button.Bottom});
  TPopupMenu::Popup(at.X, at.Y);
}

void TcxPCGoDialog::ItemClick(TObject* Sender) {
  if (OnTabChosen) OnTabChosen(int(static_cast<TMenuItem*>(Sender)->Tag()));
}
