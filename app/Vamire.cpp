// The program body of the video-wall console. It grows with the runtime layer:
// application start, the windows created up front, the message loop.
#include <windows.h>

#include "Runtime.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  InstallPlatformRuntime();
  return 0;
}
