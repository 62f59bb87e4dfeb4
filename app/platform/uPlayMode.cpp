#include "uPlayMode.h"

#include "ConsoleForms.h"
#include "Links.h"
#include "MainWindow.h"
#include "ShapeCommands.h"

VAMIRE_PUBLISHED(TfrmPlayMode, Handler(L"FormShow", &TfrmPlayMode::FormShow),
                 Handler(L"rbPicModeMouseDown", &TfrmPlayMode::RadioMouseDown),
                 Handler(L"rbVidModeMouseDown", &TfrmPlayMode::RadioMouseDown),
                 Handler(L"rbZeroMouseDown", &TfrmPlayMode::RadioMouseDown),
                 Handler(L"rbNintyMouseDown", &TfrmPlayMode::RadioMouseDown),
                 Handler(L"rbOheityMouseDown", &TfrmPlayMode::RadioMouseDown),
                 Handler(L"rbThevtyMouseDown", &TfrmPlayMode::RadioMouseDown))

void TfrmPlayMode::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"cxgrpbxPayMode", cxgrpbxPayMode, L"cxgrpbxAngle", cxgrpbxAngle, L"rbPicMode", rbPicMode,
                     L"rbVidMode", rbVidMode, L"rbZero", rbZero, L"rbNinty", rbNinty, L"rbOheity", rbOheity,
                     L"rbThevty", rbThevty);
}

void TfrmPlayMode::FormShow(TObject*) {
  if (!MainWindow() || MainWindow()->Language() != 1) return;
  SetCaption(L"Play Setting");
  cxgrpbxPayMode->SetCaption(L"Play Mode Selection");
  rbPicMode->SetCaption(L"Picture");
  rbVidMode->SetCaption(L"Video");
  cxgrpbxAngle->SetCaption(L"Picture angle selection");
}

void TfrmPlayMode::RadioMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
  const String name = static_cast<TComponent*>(Sender)->Name();
  for (const TPlayModeButton& b : PlayModeButtons())
    if (name == b.Button) SendWallCommand(b.Command, b.Parameter);
}
