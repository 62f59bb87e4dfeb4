// The container unit: what it binds and registers when it starts and lets go
// of when it ends.
#include "cxContainer_internal.h"
#include "cxContainer_win.h"

bool cxContainerFinalizing = false;

void cxContainer_Initialize() {
  cxContainerFinalizing = false;
  SetUsecxScrollBars();
  GroupDescendentsWith(TcxStyleController::StaticClass(), TControl::StaticClass());
  RegisterClasses({TcxStyleController::StaticClass()});
}

void cxContainer_Finalize() {
  cxContainerFinalizing = true;
  UnRegisterClasses({TcxStyleController::StaticClass()});
}

const TUnitEntry cxContainerUnit{L"cxContainer", cxContainer_Initialize, cxContainer_Finalize};
