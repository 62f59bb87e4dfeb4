// 10,000 lines into the memo through its Lines setter, beside WM_SETTEXT of
// the same text on a system multi-line EDIT on the same form, in alternating
// rounds. Prints the medians and their ratio.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "Runtime.h"
#include "support/BenchTiming.h"
#include "support/HostForm.h"
#include "cxMemo_win.h"
#include "textedit_test_support.h"

int wmain() {
  InstallPlatformRuntime();
  edit_test::StartEditUnits();
  InitializeUnits({cxDrawTextUtilsUnit, cxTextEditUnit, cxMemoUnit});
  Application->Initialize();

  test_support::THostForm* form = test_support::MakeForm(520, 320);
  auto* memo = new TcxMemo(form);
  memo->SetParent(form);
  memo->SetBounds(10, 10, 240, 200);
  memo->Properties()->SetScrollBars(ssVertical);
  HWND system = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 260, 10, 240, 200,
                                form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(system, EM_SETLIMITTEXT, 0, 0);
  form->Show();
  test_support::Pump();

  const int lines = 10000;
  std::unique_ptr<TStringList> list(new TStringList);
  for (int i = 0; i < lines; ++i) list->Add(L"subtitle line " + IntToStr(i));
  String text;
  for (int i = 0; i < lines; ++i) text += (i ? L"\r\n" : L"") + list->Strings(i);
  // Each call a different first line, so no side finds its text unchanged.
  int oursCall = 0, platformCall = 0;
  const auto [ours, platform] = vamire_bench::MeasureSideBySide(
      [&] {
        list->SetStrings(0, L"round " + IntToStr(++oursCall));
        memo->SetLines(list.get());
        test_support::Pump();
      },
      [&] {
        const String round = L"round " + IntToStr(++platformCall) + text.substr(text.find(L'\r'));
        SendMessageW(system, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(round.c_str()));
        test_support::Pump();
      },
      5, 1);
  std::printf("%d lines (median ms of one assignment, 5 rounds; memo %d lines):\n", lines,
              memo->Lines()->Count());
  std::printf("  ours (Lines)  system EDIT (WM_SETTEXT)  ratio\n");
  std::printf("  %10.2f  %10.2f                %5.2f\n", ours / 1000, platform / 1000, ours / platform);
  DestroyWindow(system);
  delete form;
  FinalizeUnits();
  return 0;
}
