// The sub-picture window's variant (Tform13, "Form13"): four channels, a
// preview capped at 500 pixels a side, a 20 x 20 rectangle whose largest
// size is the preview's, and its own scale lock. It sends nothing on close.
#pragma once

#include "Unit12.h"

class Tform13 : public TSubPictureForm {
  VAMIRE_CLASS(Tform13, TSubPictureForm)
 public:
  using TSubPictureForm::TSubPictureForm;

 protected:
  TSubPictureKind Kind() const override { return TSubPictureKind::Variant; }
};
