#include "Unit4.h"

#include <windows.h>

#include <algorithm>

#include "ConsoleForms.h"
#include "Dialogs.h"
#include "Links.h"
#include "MainWindow.h"
#include "PictureAdjust.h"
#include "RzPanel.h"
#include "Sleep.h"
#include "Streaming.h"
#include "SysUtils.h"
#include "cxButtons_win.h"
#include "cxPC_win.h"
#include "cxRadioGroup_win.h"

VAMIRE_PUBLISHED(TForm4, Handler(L"FormCreate", &TForm4::FormCreate), Handler(L"FormShow", &TForm4::FormShow),
                 Handler(L"StepButtonClick", &TForm4::StepButtonClick),
                 Handler(L"MixedStepClick", &TForm4::MixedStepClick),
                 Handler(L"BitBtn8Click", &TForm4::BitBtn8Click), Handler(L"Button2Click", &TForm4::Button2Click),
                 Handler(L"Button3Click", &TForm4::Button3Click), Handler(L"Button4Click", &TForm4::Button4Click),
                 Handler(L"Button1Click", &TForm4::Button1Click), Handler(L"btnHelpClick", &TForm4::btnHelpClick),
                 Handler(L"RadioGroup1Click", &TForm4::RadioGroup1Click),
                 Handler(L"tmr1Timer", &TForm4::tmr1Timer), Handler(L"rzpnl3MouseDown", &TForm4::rzpnl3MouseDown))

namespace {

// The pauses the panels need between the commands of one press.
const unsigned SavePauseMs = 50;
const wchar_t* const Widen = L">>>";
const wchar_t* const Narrow = L"<<<";

void LoadGlyph(TBitmap& bitmap, const wchar_t* resource) {
  auto* handle = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!handle) throw EComponentError(String(L"TForm4: the program holds no bitmap ") + resource);
  bitmap.SetHandle(handle);
}

}  // namespace

void TForm4::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"Label1", Label1, L"Label2", Label2, L"BitBtn8", BitBtn8, L"cxPageControl1",
                     cxPageControl1, L"TabSheet4", TabSheet4, L"ColorAdjust", ColorAdjust, L"Panel1", Panel1,
                     L"rzpnl1", rzpnl1, L"rzpnl2", rzpnl2, L"rzpnl3", rzpnl3, L"tmr1", tmr1, L"RadioGroup1",
                     RadioGroup1, L"Button2", Button2, L"Button3", Button3);
  LoadStepGlyphs();
}

// Every step button and mixed-colour button shows the minus (down) or plus (up) glyph.
void TForm4::LoadStepGlyphs() {
  TBitmap down, up;
  LoadGlyph(down, L"STEPDOWNGLYPH");
  LoadGlyph(up, L"STEPUPGLYPH");
  auto glyph = [this](const wchar_t* name, TBitmap& bitmap) {
    TcxButton* button = nullptr;
    BindFormComponent(this, name, button);
    button->SetGlyph(&bitmap);
  };
  for (const TStepPair& p : PictureStepPairs()) {
    glyph(p.Down, down);
    glyph(p.Up, up);
  }
  for (const TMixedRow& r : MixedColourRows()) {
    glyph(r.Sub, down);
    glyph(r.Add, up);
  }
}

void TForm4::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == TabSheet4) TabSheet4 = nullptr;
  if (AComponent == HighlightedSwatch) HighlightedSwatch = nullptr;
}

void TForm4::FormCreate(TObject*) {
  const TSwatchGeometry g = SwatchGeometry(Panel1->Width());
  for (int r = 0; r < SwatchRowCount; ++r) {
    for (int n = 0; n < SwatchesPerRow; ++n) {
      auto* swatch = new TRzPanel(this);
      swatch->SetName(SwatchRow(r).Prefix + IntToStr(n));
      swatch->SetHint(IntToStr(n));
      swatch->SetParent(Panel1);
      swatch->SetCaption(String());
      swatch->SetBounds(g.Pitch * n + 10, g.Pitch * r + 10, g.Size, g.Size);
      swatch->SetColor(TColor(SwatchColour(r, n)));
      swatch->SetBorderOuter(rzpnl2->BorderOuter());
      swatch->SetVisible(true);
      swatch->OnMouseDown = TMouseEvent(this, &TForm4::PaletteSwatchClick);
    }
  }
}

void TForm4::FormShow(TObject*) {
  IMainWindow* main = MainWindow();
  if (main) ShowSelectionRange(main->GridSelection());
  if (TabSheet4) {
    // Removing the last page re-selects the one before it, COLOR ADJUST, with no change events (D-71).
    TcxTabSheet* sheet = TabSheet4;
    TabSheet4 = nullptr;
    sheet->Free();
  }
  SetTexts(main ? main->Language() : 0);
}

void TForm4::SetTexts(int language) {
  for (const TPictureText& t : PictureAdjustTexts()) {
    const String text = language == 1 ? t.English : t.Chinese;
    if (!*t.Control) {
      SetCaption(text);
      continue;
    }
    TControl* control = nullptr;
    BindFormComponent(this, t.Control, control);
    control->SetCaption(text);
  }
}

void TForm4::ApplyEnglishCaptions() { BitBtn8->SetCaption(PictureAdjustText(L"BitBtn8", 1)); }

void TForm4::ShowSelectionRange(const TWallSelection& gridSelection) {
  Label2->SetCaption(SelectionRangeText(gridSelection));
}

bool TForm4::OpenForAdministrator() {
  IMainWindow* main = MainWindow();
  if (!main || !main->AdminRole().AdminLoggedIn) return false;
  Show();
  return true;
}

void TForm4::StepButtonClick(TObject* Sender) {
  TWallCommand command;
  if (FindStepCommand(static_cast<TComponent*>(Sender)->Name(), command))
    SendWallCommand(command.Code, command.Parameter);
}

void TForm4::MixedStepClick(TObject* Sender) {
  TWallCommand commands[3];
  if (!FindMixedCommands(static_cast<TComponent*>(Sender)->Name(), commands)) return;
  for (int i = 0; i < 3; ++i) {
    SendWallCommand(commands[i].Code, commands[i].Parameter);
    if (i < 2) SleepMs(MixedStepPauseMs);
  }
}

void TForm4::BitBtn8Click(TObject*) { SendWallCommand(0x52, 1); }

void TForm4::Button2Click(TObject*) {
  SendWallCommand(0x53, 1);
  SleepMs(SavePauseMs);
}

void TForm4::Button3Click(TObject*) { Close(); }

void TForm4::Button4Click(TObject*) { SendWallCommand(0x4D, 1); }

void TForm4::Button1Click(TObject*) { SendWallCommand(0x4C, 1); }

void TForm4::btnHelpClick(TObject*) {
  IMainWindow* main = MainWindow();
  ShowMessage(PictureHelpMessage(main ? main->Language() : 0));
}

// The hidden colour-temperature presets: standard, warm, cool.
void TForm4::RadioGroup1Click(TObject*) {
  const int index = RadioGroup1->ItemIndex();
  if (index >= 0 && index <= 2) SendWallCommand(0x3D + index, 1);
}

void TForm4::PaletteSwatchClick(TObject* Sender, TMouseButton, TShiftState, int, int) {
  auto* swatch = static_cast<TRzPanel*>(Sender);
  const int row = SwatchRowOf(swatch->Name());
  if (row < 0) return;
  const TGains gains = SwatchGains(row, StrToInt(swatch->Hint()));
  SendWallCommand(RedGainCommand, gains.Red);
  SleepMs(GainPauseMs);
  SendWallCommand(GreenGainCommand, gains.Green);
  SleepMs(GainPauseMs);
  SendWallCommand(BlueGainCommand, gains.Blue);
  SleepMs(GainPauseMs);
  ShowPressed(swatch);
}

// The pressed look: the panel pressed before gets its saved border back at
// once, this one's border is saved and replaced by the pressed one, and the
// timer restores it when no other press follows.
void TForm4::ShowPressed(TRzPanel* panel) {
  if (HighlightedSwatch) HighlightedSwatch->SetBorderOuter(rzpnl2->BorderOuter());
  rzpnl2->SetBorderOuter(panel->BorderOuter());
  panel->SetBorderOuter(rzpnl1->BorderOuter());
  HighlightedSwatch = panel;
  tmr1->SetEnabled(false);
  tmr1->SetEnabled(true);
}

// A window centred on a small screen would reach past its right edge once
// widened, taking the narrowing toggle with it: it moves left as far as needed.
void TForm4::KeepOnScreen() {
  if (!HandleAllocated()) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& area = monitor.rcWork;
  if (Left() + Width() > area.right) SetLeft(std::max<int>(area.left, area.right - Width()));
}

void TForm4::tmr1Timer(TObject*) {
  if (HighlightedSwatch) HighlightedSwatch->SetBorderOuter(rzpnl2->BorderOuter());
  tmr1->SetEnabled(false);
}

void TForm4::rzpnl3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  ShowPressed(rzpnl3);
  if (rzpnl3->Caption() == Widen) {
    SetWidth(Width() + PictureWidening);
    rzpnl3->SetLeft(Width() - PictureTogglePlace);
    rzpnl3->SetCaption(Narrow);
    KeepOnScreen();
  } else {
    SetWidth(PictureWindowWidth);
    rzpnl3->SetLeft(PictureWindowWidth - PictureTogglePlace);
    rzpnl3->SetCaption(Widen);
  }
}
