#include "Unit18.h"

#include <windows.h>

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "Streaming.h"
#include "SysUtils.h"

VAMIRE_PUBLISHED(TForm18, Handler(L"FormCreate", &TForm18::FormCreate), Handler(L"tmr1Timer", &TForm18::tmr1Timer))

TForm18::~TForm18() = default;

void TForm18::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"img1", img1, L"tmr1", tmr1);
}

void TForm18::FormCreate(TObject*) {
  SetBorderStyle(bsNone);
  Brush()->SetStyle(bsClear);
  // The application's own window keeps no task-bar button; the main window
  // asks for one of its own.
  if (Application && Application->Handle()) SetWindowLongPtrW(Application->Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  FSettings = std::make_unique<TCfgIni>();
  ReadAnimation(*FSettings);
}

// A logo that cannot be read skips the animation like a missing one, so the
// main window still comes up.
void TForm18::ReadAnimation(ISettingsStore& store) {
  const TStartAnimationSettings s = ReadStartAnimation(store);
  bool enabled = s.IfShow == 1 && !s.LogoPath.empty() && FileExists(s.LogoPath);
  if (enabled) {
    try {
      img1->Picture()->LoadFromFile(s.LogoPath);
    } catch (const Exception&) {
      enabled = false;
    }
  }
  FSchedule = TSplashSchedule(enabled, s.Still);
  if (!enabled) return;
  SetHeight(s.Height);
  SetWidth(s.Width);
}

void TForm18::tmr1Timer(TObject*) {
  const bool wasEnabled = FSchedule.Enabled();
  if (!FSchedule.Tick()) {
    SetAlphaBlend(true);
    SetAlphaBlendValue(uint8_t(FSchedule.Alpha()));
    return;
  }
  tmr1->SetEnabled(false);
  if (!MainWindowForm) {
    Close();
    return;
  }
  if (wasEnabled) {
    Hide();
    MainWindowForm->Show();
  } else {
    MainWindowForm->Show();
    Hide();
  }
}
