#include "cxFormats_win.h"

#include <cwchar>

#include "Forms.h"
#include "HiddenWindow.h"
#include "SysUtils.h"

namespace {

// A hidden top-level window, so broadcasts reach it. An exception in the
// handling goes to the application's handler through the window's procedure.
class TFormatControllerWindow {
 public:
  explicit TFormatControllerWindow(TcxFormatController* AController)
      : FController(AController), FHandle(AllocateHWnd(TWndMethod(this, &TFormatControllerWindow::WndProc))) {}
  ~TFormatControllerWindow() { DeallocateHWnd(FHandle); }
  TFormatControllerWindow(const TFormatControllerWindow&) = delete;
  TFormatControllerWindow& operator=(const TFormatControllerWindow&) = delete;

  HWND Handle() const { return FHandle; }

 private:
  // A listener may remove itself while it is told, and the last one takes this
  // window with it: nothing here touches the object after the controller's call.
  void WndProc(TMessage& Message) {
    switch (Message.Msg) {
      case WM_SETTINGCHANGE: {
        Message.Result = 0;
        const auto* section = reinterpret_cast<const wchar_t*>(Message.LParam);
        if (Message.WParam == 0 && section && std::wcscmp(section, L"intl") == 0 &&
            (!Application || Application->UpdateFormatSettings()))
          FController->LocaleChanged();
        return;
      }
      case WM_TIMECHANGE:
        Message.Result = 0;
        FController->SystemTimeChanged();
        return;
      default:
        Message.Result = DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
    }
  }

  TcxFormatController* FController;
  HWND FHandle;
};

void* AllocateWindow(TcxFormatController* AController) { return new TFormatControllerWindow(AController); }
void ReleaseWindow(void* AWindow) { delete static_cast<TFormatControllerWindow*>(AWindow); }

String ThreadLocaleTimeFormat() { return GetLocaleString(GetThreadLocale(), LOCALE_STIMEFORMAT, L"h:mm:ss tt"); }
void SetThreadLocaleTo(uint32_t ALocale) { SetThreadLocale(LCID(ALocale)); }
void ReadFormatSettings() { GetFormatSettings(); }

const TcxFormatControllerWindowHooks GWindowHooks{&AllocateWindow, &ReleaseWindow};
const TcxFormatLocaleReaders GReaders{&ThreadLocaleTimeFormat, &SetThreadLocaleTo, &ReadFormatSettings};

void Initialize() {
  InstallPlatformFormats();
  cxFormats_Initialize();
}

}  // namespace

HWND FormatControllerWindowHandle(const TcxFormatController* AController) {
  const auto* window = static_cast<const TFormatControllerWindow*>(AController->MessageWindow());
  return window ? window->Handle() : nullptr;
}

void InstallPlatformFormats() {
  SetFormatControllerWindowHooks(&GWindowHooks);
  SetFormatLocaleReaders(&GReaders);
}

const TUnitEntry cxFormatsUnit{L"cxFormats", &Initialize, &cxFormats_Finalize};
