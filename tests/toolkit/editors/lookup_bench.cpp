// What the incremental search costs per keystroke over 10,000 items, beside a
// system combo box holding the same items, in the same run. First the search
// alone: the lookup data's prefix search against CB_FINDSTRING, in two
// scripts: typing the last item's text letter by letter (each keystroke
// searches the prefix typed so far), and a prefix no item has (every
// keystroke scans the whole list). Then a whole keystroke: a character sent
// to a text editor, which searches and shows the completion, against the
// same character sent to the combo box's edit followed by what an
// application does to complete there (CB_FINDSTRING, the item's text set,
// the tail selected). Prints the medians and the ratios.
#include <windows.h>

#include <cstdio>

#include "Runtime.h"
#include "cxTextEdit_control_win.h"
#include "lookup_test_support.h"
#include "support/HostForm.h"
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

  // A whole keystroke, the text emptied before each typed word.
  test_support::THostForm* form = test_support::MakeForm(420, 200);
  auto* editor = new TcxTextEdit(form);
  editor->SetParent(form);
  editor->SetBounds(10, 10, 300, 21);
  editor->Properties()->LookupItems()->Assign(properties->LookupItems());
  HWND inner = editor->GetInnerTextEdit()->InnerWindowControl()->Handle();
  HWND formCombo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_HASSTRINGS, 10, 50,
                                   300, 300, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int i = 0; i < kItems; ++i) {
    String item;
    data.GetItemText(i, item);
    SendMessageW(formCombo, CB_ADDSTRING, 0, LPARAM(item.c_str()));
  }
  COMBOBOXINFO info{sizeof(COMBOBOXINFO)};
  GetComboBoxInfo(formCombo, &info);
  HWND comboEdit = info.hwndItem;
  const String word = L"source 09999";
  auto typeIntoEditor = [&] {
    editor->SetText(String());
    for (wchar_t c : word) SendMessageW(inner, WM_CHAR, c, 1);
  };
  auto typeIntoCombo = [&] {
    SetWindowTextW(comboEdit, L"");
    wchar_t typed[64];
    for (wchar_t c : word) {
      SendMessageW(comboEdit, WM_CHAR, c, 1);
      DWORD caret = 0;
      SendMessageW(comboEdit, EM_GETSEL, WPARAM(&caret), 0);
      GetWindowTextW(comboEdit, typed, 64);
      typed[caret] = 0;
      const LRESULT found = SendMessageW(formCombo, CB_FINDSTRING, WPARAM(-1), LPARAM(typed));
      if (found == CB_ERR) continue;
      wchar_t item[64];
      SendMessageW(formCombo, CB_GETLBTEXT, WPARAM(found), LPARAM(item));
      SetWindowTextW(comboEdit, item);
      SendMessageW(comboEdit, EM_SETSEL, caret, -1);
    }
  };
  const auto [ourKey, sysKey] = vamire_bench::MeasureSideBySide(typeIntoEditor, typeIntoCombo, 21, 2);
  const double keys = double(word.size());
  std::printf("%-22s per keystroke: ours %8.1f us, combo box %8.1f us, ratio %.2f (shown: \"%ls\" / ",
              "a whole keystroke", ourKey / keys, sysKey / keys, ourKey / sysKey, editor->Text().c_str());
  wchar_t shown[64];
  GetWindowTextW(comboEdit, shown, 64);
  std::printf("\"%ls\")\n", shown);
  delete form;
  DestroyWindow(combo);
  FinalizeUnits();
  return 0;
}
