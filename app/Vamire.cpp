// The program body of the video-wall console. It grows with the runtime layer:
// application start, the windows created up front, the message loop.
#include <windows.h>

#include "Forms.h"
#include "Runtime.h"
#include "Threads.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  InstallPlatformRuntime();
  InitializeUnits({ThreadsUnit, FormsUnit});
  Application->Initialize();
  Application->SetTitle(L"Quellor");
  // The windows and the message loop come with the console's forms.
  FinalizeUnits();
  return 0;
}
