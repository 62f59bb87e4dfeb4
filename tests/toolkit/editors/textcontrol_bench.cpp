// What typing and pasting into a text editor cost beside a system EDIT on the
// same form, in the same run: 1,000 characters typed (key down, character,
// key up through the message loop) and 200 pastes, each side focused in turn.
// Prints the medians of rounds and the ratios.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "Runtime.h"
#include "support/BenchTiming.h"
#include "support/HostForm.h"
#include "cxTextEdit_control_win.h"
#include "textedit_test_support.h"

namespace {

void TypeCharacters(HWND AWindow, int ACount) {
  for (int i = 0; i < ACount; ++i) {
    const wchar_t c = wchar_t(L'a' + i % 26);
    const WORD key = WORD(L'A' + i % 26);
    PostMessageW(AWindow, WM_KEYDOWN, key, 1);
    PostMessageW(AWindow, WM_CHAR, c, 1);
    PostMessageW(AWindow, WM_KEYUP, key, LPARAM(0xC0000001));
    test_support::Pump();
  }
}

void Paste(HWND AWindow, int ACount) {
  for (int i = 0; i < ACount; ++i) SendMessageW(AWindow, WM_PASTE, 0, 0);
}

void SetClipboardText(const wchar_t* AText) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  const size_t bytes = (wcslen(AText) + 1) * sizeof(wchar_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(data), AText, bytes);
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}

double MedianOf(std::vector<double> AValues) { return vamire_bench::Median(std::move(AValues)); }

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  edit_test::StartEditUnits();
  InitializeUnits({cxDrawTextUtilsUnit, cxTextEditUnit});
  Application->Initialize();

  test_support::THostForm* form = test_support::MakeForm(420, 200);
  auto* edit = new TcxTextEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 300, 21);
  HWND system = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 50, 300,
                                21, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(system, WM_SETFONT, WPARAM(edit->Font()->Handle()), FALSE);
  // The runtime's own edit over the same class: what the wrapping alone costs.
  auto* runtimeEdit = new TEdit(form);
  runtimeEdit->SetParent(form);
  runtimeEdit->SetBounds(10, 90, 300, 21);
  form->Show();
  SetForegroundWindow(form->Handle());
  test_support::Pump();
  HWND inner = edit->GetInnerTextEdit()->InnerWindowControl()->Handle();
  SetClipboardText(L"splice 01");

  const int rounds = 9, typed = 1000, pastes = 200;
  std::vector<double> oursTyping, systemTyping, oursPaste, systemPaste, runtimeTyping;
  for (int round = 0; round < rounds + 1; ++round) {
    edit->SetText(L"");
    edit->SetFocus();
    test_support::Pump();
    double start = vamire_bench::Now();
    TypeCharacters(inner, typed);
    const double oursType = vamire_bench::Now() - start;
    start = vamire_bench::Now();
    Paste(inner, pastes);
    test_support::Pump();
    const double oursPasteTime = vamire_bench::Now() - start;

    SetWindowTextW(system, L"");
    SetFocus(system);
    test_support::Pump();
    start = vamire_bench::Now();
    TypeCharacters(system, typed);
    const double systemType = vamire_bench::Now() - start;
    start = vamire_bench::Now();
    Paste(system, pastes);
    test_support::Pump();
    const double systemPasteTime = vamire_bench::Now() - start;
    runtimeEdit->SetText(L"");
    runtimeEdit->SetFocus();
    test_support::Pump();
    start = vamire_bench::Now();
    TypeCharacters(runtimeEdit->Handle(), typed);
    const double runtimeType = vamire_bench::Now() - start;
    if (round == 0) continue;  // warm-up
    runtimeTyping.push_back(runtimeType / typed);
    oursTyping.push_back(oursType / typed);
    systemTyping.push_back(systemType / typed);
    oursPaste.push_back(oursPasteTime / pastes);
    systemPaste.push_back(systemPasteTime / pastes);
  }
  const int length = int(edit->Text().size());
  const double a = MedianOf(oursTyping), b = MedianOf(systemTyping);
  const double c = MedianOf(oursPaste), d = MedianOf(systemPaste);
  std::printf("Typing %d characters and %d pastes (median us of one, %d rounds; text %d units):\n", typed, pastes,
              rounds, length);
  std::printf("  work      ours      system EDIT   ratio\n");
  std::printf("  typing  %7.1f   %7.1f       %5.2f\n", a, b, a / b);
  std::printf("  paste   %7.1f   %7.1f       %5.2f\n", c, d, c / d);
  const double e = MedianOf(runtimeTyping);
  std::printf("  typing into the runtime's own edit: %7.1f (%4.2f of the system EDIT)\n", e, e / b);
  DestroyWindow(system);
  delete form;
  FinalizeUnits();
  return 0;
}
