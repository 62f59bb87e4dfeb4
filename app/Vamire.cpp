// The program body of the video-wall console: the application object, every
// window made up front in the console's fixed order (the start-up window
// first, so it is the main form and the loop ends when it closes), then the
// message loop. Every other window stays hidden until code shows it.
#include <windows.h>

#include "ConsoleForms.h"
#include "Forms.h"
#include "Runtime.h"
#include "SysUtils.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  InstallPlatformRuntime();
  StartConsoleUnits();
  Application->Initialize();
  Application->SetTitle(L"Quellor");
  int code = 0;
  try {
    CreateConsoleWindows();
    Application->Run();
  } catch (const Exception& e) {
    // A window that cannot be made leaves no console to run: say why and end.
    Application->ShowException(e);
    code = 1;
  }
  FinalizeUnits();
  return code;
}
