#include "Runtime.h"

#include "Classes.h"
#include "SysUtils.h"

void InstallPlatformRuntime() {
  InstallPlatformResStrings();
  InstallPlatformSysUtils();
  InstallPlatformClasses();
  InstallPlatformStreaming();
}
