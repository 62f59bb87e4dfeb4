#include "ExtDlgs.h"

TOpenPictureDialog::TOpenPictureDialog(TComponent* AOwner) : TOpenDialog(AOwner) { SetFilter(DefaultFilter()); }

String TOpenPictureDialog::DefaultFilter() { return GraphicFilter(TGraphic::StaticClass()); }

VAMIRE_PUBLISHED(TOpenPictureDialog, Prop(L"Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
                                         .NoDefault()
                                         .Stored(&TOpenPictureDialog::IsFilterStored))
