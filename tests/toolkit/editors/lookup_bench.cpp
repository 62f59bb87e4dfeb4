// What the incremental search costs per keystroke: the lookup data's prefix
// search over 10,000 items, beside CB_FINDSTRING of a system combo box holding
// the same items, in the same run. Two scripts: typing the last item's text
// letter by letter (each keystroke searches the prefix typed so far), and a
// prefix no item has (every keystroke scans the whole list). Prints the
// medians and the ratios.
#include <windows.h>

#include <cstdio>

#include "Runtime.h"
#include "lookup_test_support.h"
#include "support/BenchTiming.h"

namespace {

class TBenchEdit : public TcxCustomEdit {
  VAMIRE_CLASS(TBenchEdit, TcxCustomEdit)
 public:
  explicit TBenchEdit(TComponent* AOwner) : TcxCustomEdit(AOwner, false, TcxTextEditProperties::StaticClass()) {}
};

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  edit_test::StartEditUnits();
  InitializeUnits({cxContainerPopupsUnit, cxDrawTextUtilsUnit, cxTextEditUnit});
  Application->Initialize();

  constexpr int kItems = 10000;
  TBenchEdit edit(nullptr);
  auto* properties = static_cast<TcxCustomTextEditProperties*>(edit.ActiveProperties());
  HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_POPUP | CBS_DROPDOWN | CBS_HASSTRINGS, 0, 0, 200, 300, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  properties->LookupItems()->BeginUpdate();
  for (int i = 0; i < kItems; ++i) {
    wchar_t item[32];
    swprintf(item, 32, L"Source %05d input", i);
    properties->LookupItems()->Add(item);
    SendMessageW(combo, CB_ADDSTRING, 0, LPARAM(item));
  }
  properties->LookupItems()->EndUpdate();
  TcxCustomTextEditLookupData data(&edit);
  IcxTextEditLookupData* lookup = &data;

  struct TScript {
    const char* Name;
    const wchar_t* Typed;
  };
  const TScript scripts[] = {{"typing the last item", L"source 09999"}, {"a prefix no item has", L"sourcf 00000"}};
  for (const TScript& script : scripts) {
    const String typed = script.Typed;
    std::vector<String> prefixes;
    for (size_t n = 1; n <= typed.size(); ++n) prefixes.push_back(typed.substr(0, n));
    int ourHits = 0, platformHits = 0;
    auto ours = [&] {
      for (const String& prefix : prefixes) {
        String text = prefix, tail;
        ourHits += lookup->FindPrefix(text, tail, false);
      }
    };
    auto platform = [&] {
      for (const String& prefix : prefixes)
        platformHits += SendMessageW(combo, CB_FINDSTRING, WPARAM(-1), LPARAM(prefix.c_str())) != CB_ERR;
    };
    const auto [our, sys] = vamire_bench::MeasureSideBySide(ours, platform, 21, 3);
    const double keys = double(prefixes.size());
    std::printf("%-22s per keystroke: ours %8.1f us, CB_FINDSTRING %8.1f us, ratio %.2f (hits %d / %d)\n",
                script.Name, our / keys, sys / keys, our / sys, ourHits, platformHits);
  }
  DestroyWindow(combo);
  FinalizeUnits();
  return 0;
}
