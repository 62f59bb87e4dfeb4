// The program body of the video-wall console. It grows with the runtime layer:
// application start, the windows created up front, the message loop.
#include <windows.h>

#include "ConsoleForms.h"
#include "Forms.h"
#include "Runtime.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  InstallPlatformRuntime();
  StartConsoleUnits();
  Application->Initialize();
  Application->SetTitle(L"Quellor");
  // The windows and the message loop come with the console's forms.
  FinalizeUnits();
  return 0;
}
