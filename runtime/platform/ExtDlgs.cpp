#include "ExtDlgs.h"

TOpenPictureDialog::TOpenPictureDialog(TComponent* AOwner) : TOpenDialog(AOwner) { SetFilter(DefaultFilter()); }

String TOpenPictureDialog::DefaultFilter() { return GraphicFilter(TGraphic::StaticClass()); }

VAMIRE_PUBLISHED(TOpenPictureDialog, Prop(L"Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
                                         .NoDefault()
                                         .Stored(&TOpenPictureDialog::IsFilterStored))

namespace {
void InitExtDlgs() { RegisterClasses({TOpenPictureDialog::StaticClass()}); }
void DoneExtDlgs() { UnRegisterClasses({TOpenPictureDialog::StaticClass()}); }
}  // namespace

const TUnitEntry ExtDlgsUnit = {L"ExtDlgs", &InitExtDlgs, &DoneExtDlgs};
