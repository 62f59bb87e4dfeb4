// The unit of the toolkit's own controls: what it registers when it starts and
// frees when it ends.
#include "cxControls_win.h"

void cxControls_Initialize() {
  GroupDescendentsWith(TcxControlChildComponent::StaticClass(), TControl::StaticClass());
}

void cxControls_Finalize() {}

const TUnitEntry cxControlsUnit{L"cxControls", cxControls_Initialize, cxControls_Finalize};
