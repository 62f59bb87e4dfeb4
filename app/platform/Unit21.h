// An empty window named only in the creation order (D-99): made at start
// with the others, captioned "Form21", never shown.
#pragma once

#include "Forms.h"

class TForm21 : public TForm {
  VAMIRE_CLASS(TForm21, TForm)
 public:
  using TForm::TForm;
};
