// The main window from nothing to its first full paint: streamed from its
// form file, loaded at its show and painted, side by side in one run with a
// plain Win32 window making as many system controls of the same kinds, at
// the same places and sizes, and painting them.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "ConsoleForms.h"
#include "Forms.h"
#include "Grids.h"
#include "Runtime.h"
#include "SerialComm.h"
#include "SysUtils.h"
#include "Unit1.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxGroupBox_win.h"
#include "cxPC_win.h"
#include "cxRadioGroup_win.h"
#include "dxStatusBar_win.h"
#include "support/BenchTiming.h"

namespace {

// One system control standing for one of the main window's controls.
struct TPlainControl {
  const wchar_t* Class;
  DWORD Style;
  int Parent;  // index in the list, -1 for the window
  RECT Bounds;
  String Text;
};

// The system control of each kind the main window streams, with its parent
// and bounds, walking the window's controls as they are placed.
void Collect(TWinControl* parent, int parentIndex, std::vector<TPlainControl>& out) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    const RECT r{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
    TPlainControl p{L"STATIC", WS_CHILD | WS_VISIBLE, parentIndex, r, c->Caption()};
    if (dynamic_cast<TcxButton*>(c)) p = {L"BUTTON", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, parentIndex, r, c->Caption()};
    else if (dynamic_cast<TcxCheckBox*>(c)) p = {L"BUTTON", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, parentIndex, r, c->Caption()};
    else if (dynamic_cast<TcxRadioButton*>(c)) p = {L"BUTTON", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, parentIndex, r, c->Caption()};
    else if (dynamic_cast<TcxGroupBox*>(c)) p = {L"BUTTON", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, parentIndex, r, c->Caption()};
    else if (dynamic_cast<TcxComboBox*>(c)) p = {L"COMBOBOX", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, parentIndex, {r.left, r.top, r.right, r.top + 200}, L""};
    else if (dynamic_cast<TCustomEdit*>(c) || dynamic_cast<TcxCustomEdit*>(c)) p = {L"EDIT", WS_CHILD | WS_VISIBLE | WS_BORDER, parentIndex, r, c->Text()};
    else if (dynamic_cast<TcxPageControl*>(c)) p = {L"SysTabControl32", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, parentIndex, r, L""};
    else if (dynamic_cast<TdxStatusBar*>(c)) p = {L"msctls_statusbar32", WS_CHILD | WS_VISIBLE, parentIndex, r, L""};
    if (!c->Visible()) p.Style &= ~WS_VISIBLE;
    out.push_back(p);
    if (auto* w = dynamic_cast<TWinControl*>(c)) Collect(w, int(out.size()) - 1, out);
  }
}

void PaintNow(HWND wnd) { RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  StartConsoleUnits();
  Application->Initialize();
  std::vector<TPlainControl> plain;
  int width = 0, height = 0;
  {
    TForm1* form = TCustomForm::Create<TForm1>(nullptr);
    form->Show();
    Collect(form, -1, plain);
    width = form->Width();
    height = form->Height();
    form->Comm1Port->ClosePort();
    form->Free();
  }
  const std::vector<double> us = vamire_bench::MeasureInTurns(
      {[&] {
         TForm1* form = TCustomForm::Create<TForm1>(nullptr);
         form->Show();
         PaintNow(form->Handle());
         form->Free();
       },
       [&] {
         HWND top = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                    width, height, nullptr, nullptr, nullptr, nullptr);
         std::vector<HWND> made;
         for (const TPlainControl& p : plain)
           made.push_back(CreateWindowExW(0, p.Class, p.Text.c_str(), p.Style, p.Bounds.left, p.Bounds.top,
                                          p.Bounds.right - p.Bounds.left, p.Bounds.bottom - p.Bounds.top,
                                          p.Parent < 0 ? top : made[size_t(p.Parent)], nullptr, nullptr, nullptr));
         PaintNow(top);
         DestroyWindow(top);
       }},
      9, 1);
  std::printf("Main window, creation to first full paint (median of 9 rounds), %d controls:\n", int(plain.size()));
  std::printf("  TForm1 streamed, loaded and painted   %10.1f us   ratio to the platform %.2f\n", us[0], us[0] / us[1]);
  std::printf("  platform, as many system controls     %10.1f us\n", us[1]);
  FinalizeUnits();
  return 0;
}
