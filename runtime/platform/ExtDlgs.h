// The picture open dialog: an open dialog whose filter starts out listing the
// picture formats the runtime's pictures load.
#pragma once

#include "Dialogs.h"

class TOpenPictureDialog : public TOpenDialog {
  VAMIRE_CLASS(TOpenPictureDialog, TOpenDialog)
 public:
  explicit TOpenPictureDialog(TComponent* AOwner);
  // "All (*.jpg;...)|*.jpg;...|JPEG Image File (*.jpg)|*.jpg|..." from the
  // formats registered when it is asked.
  static String DefaultFilter();
  // Only a filter that differs from the default is streamed.
  bool IsFilterStored() const { return Filter() != DefaultFilter(); }
};

// Registers the picture dialog, so form files can hold it.
extern const TUnitEntry ExtDlgsUnit;
