// What an editor control costs to bring up: 100 editors of the harness kind
// read from a form, given their text and painted the first time, next to 100
// system EDIT windows of the same size and text made and painted in a window
// of their own, in the same run. Prints the medians and the ratio.
#include <windows.h>

#include <cstdio>

#include "FormText.h"
#include "Runtime.h"
#include "Streams.h"
#include "editcontrol_test_support.h"
#include "support/BenchTiming.h"

using namespace editcontrol_test;

namespace {

constexpr int kCount = 100;

String CellText(int I) { return L"Wall " + IntToStr(I); }

TPoint CellPos(int I) { return TPoint{4 + (I % 5) * 124, 4 + (I / 5) * 24}; }

std::string FormWithEditors() {
  String text = L"object Host: THostForm\n  Left = 0\n  Top = 0\n  Width = 640\n  Height = 520\n";
  for (int i = 0; i < kCount; ++i) {
    const TPoint p = CellPos(i);
    text += L"  object Edit" + IntToStr(i) + L": TTestEdit\n    Left = " + IntToStr(p.X) + L"\n    Top = " +
            IntToStr(p.Y) + L"\n    AutoSize = False\n    Width = 120\n    Height = 21\n  end\n";
  }
  return FormTextToBinary(text + L"end\n");
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  edit_test::StartEditUnits();
  EditControlTestStreamed::Register();
  Application->Initialize();
  const std::string form = FormWithEditors();

  auto ours = [&] {
    auto* host = TCustomForm::Create<test_support::THostForm>(nullptr);
    TStringStream in(form);
    ReadComponentFromStream(&in, host);
    for (int i = 0; i < host->ComponentCount(); ++i)
      if (auto* edit = dynamic_cast<TTestEdit*>(host->Components(i))) edit->SetEditValue(Variant(CellText(i)));
    ShowWindow(host->Handle(), SW_SHOWNOACTIVATE);
    RedrawWindow(host->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    delete host;
  };
  auto platform = [&] {
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 640, 520, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < kCount; ++i) {
      const TPoint p = CellPos(i);
      CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", CellText(i).c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, p.X,
                      p.Y, 120, 21, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ShowWindow(host, SW_SHOWNOACTIVATE);
    RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DestroyWindow(host);
  };

  const auto [a, b] = vamire_bench::MeasureSideBySide(ours, platform, 15, 1);
  std::printf("Create, stream from a form and first-paint %d editors (median ms of one round):\n", kCount);
  std::printf("  ours (harness kind)   %8.2f\n  system EDIT windows   %8.2f\n  ratio                 %8.2f\n",
              a / 1000, b / 1000, a / b);
  EditControlTestStreamed::Unregister();
  FinalizeUnits();
  return 0;
}
