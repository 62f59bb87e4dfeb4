// The program body of the video-wall console. It grows with the runtime layer:
// application start, the windows created up front, the message loop.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return 0;
}
