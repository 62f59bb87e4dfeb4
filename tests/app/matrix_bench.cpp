// The matrix configuration dialog shown to its first full paint (124 brand
// items in five toolkit combo boxes, a page control, three grids), beside a
// plain Win32 window with five system combo boxes holding the same items;
// and the mini panel shown modally and closed, the main window hidden and
// shown again, beside a plain modal dialog with a combo box and two buttons
// doing the same. Side by side in one run; medians and ratios.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "Runtime.h"
#include "TestMainWindow.h"
#include "Unit10.h"
#include "Unit3.h"
#include "cxDropDownEdit_combo_win.h"
#include "support/BenchTiming.h"

namespace {

void PaintAll(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
}

// The platform's side of the dialog: five drop-down lists with the same items.
struct TPlainBrands {
  explicit TPlainBrands(TForm3* form) {
    parent = CreateWindowExW(WS_EX_DLGMODALFRAME, L"STATIC", L"plain", WS_POPUP | WS_CAPTION, 40, 40, 712, 494,
                             nullptr, nullptr, nullptr, nullptr);
    const TcxComboBox* lists[] = {form->ComboBox3, form->ComboBox4, form->ComboBox5, form->ComboBox7,
                                  form->ComboBox8};
    int y = 30;
    for (const TcxComboBox* list : lists) {
      HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 150, y,
                                   176, 300, parent, nullptr, nullptr, nullptr);
      TStrings* items = list->Properties()->Items();
      for (int i = 0; i < items->Count(); ++i)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items->Strings(i).c_str()));
      SendMessageW(combo, CB_SETCURSEL, 0, 0);
      y += 28;
    }
  }
  ~TPlainBrands() { DestroyWindow(parent); }
  HWND parent;
};

// The platform's side of the mini panel: a modal dialog from a template in
// memory, which hides the main window, and shows it again as it closes.
HWND GPlainMain = nullptr;

INT_PTR CALLBACK PlainPanelProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      HWND combo = GetDlgItem(dialog, 100);
      for (int n = 1; n <= 16; ++n) {
        wchar_t name[16];
        swprintf(name, 16, L"场景%d", n);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
      }
      SendMessageW(combo, CB_SETCURSEL, 2, 0);
      SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      ShowWindow(GPlainMain, SW_HIDE);
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        ShowWindow(GPlainMain, SW_SHOW);
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default: return FALSE;
  }
}

// A DLGTEMPLATE with a combo box and two buttons, built word by word.
std::vector<WORD> PanelTemplate() {
  std::vector<WORD> t;
  auto dword = [&](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  auto align = [&] {
    if (t.size() % 2) t.push_back(0);
  };
  auto text = [&](const wchar_t* s) {
    for (; *s; ++s) t.push_back(WORD(*s));
    t.push_back(0);
  };
  dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE);
  dword(WS_EX_TOPMOST);
  t.push_back(3);  // items
  t.push_back(0), t.push_back(0), t.push_back(186), t.push_back(62);
  t.push_back(0), t.push_back(0), t.push_back(0);  // no menu, the dialog class, no title
  struct {
    DWORD Style;
    short X, Y, W, H;
    WORD Id;
    WORD Class;
    const wchar_t* Text;
  } items[] = {{WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 13, 11, 160, 120, 100, 0x0085, L""},
               {WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 13, 35, 76, 16, IDOK, 0x0080, L"场景调取"},
               {WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 97, 35, 76, 16, IDCANCEL, 0x0080, L"返回"}};
  for (const auto& item : items) {
    align();
    dword(item.Style);
    dword(0);
    t.push_back(WORD(item.X)), t.push_back(WORD(item.Y)), t.push_back(WORD(item.W)), t.push_back(WORD(item.H));
    t.push_back(item.Id);
    t.push_back(0xFFFF), t.push_back(item.Class);
    text(item.Text);
    t.push_back(0);  // no creation data
  }
  return t;
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  {
    app_test::TTestMainWindow main;
    std::vector<String> names;
    for (int n = 1; n <= 16; ++n) names.push_back(L"场景" + IntToStr(n));
    main.SetPresets(names, 2);
    main.ShowHost();

    TForm3* config = TCustomForm::Create<TForm3>(nullptr);
    TPlainBrands plain(config);
    const auto shown = vamire_bench::MeasureSideBySide(
        [&] {
          config->Show();
          PaintAll(config->Handle());
          config->Hide();
        },
        [&] {
          ShowWindow(plain.parent, SW_SHOW);
          PaintAll(plain.parent);
          ShowWindow(plain.parent, SW_HIDE);
        },
        21, 5);
    std::printf("matrix configuration shown to its first full paint and hidden, medians (us)\n");
    std::printf("TForm3 (5 toolkit lists, 124 items) %9.1f   5 system combo boxes (CB_ADDSTRING) %9.1f   ratio %.2f\n",
                shown.first, shown.second, shown.first / shown.second);
    config->Free();

    TForm10* panel = TCustomForm::Create<TForm10>(nullptr);
    GPlainMain = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 60, 300, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
    const std::vector<WORD> dialog = PanelTemplate();
    const auto modal = vamire_bench::MeasureSideBySide(
        [&] {
          PostMessageW(panel->Handle(), WM_CLOSE, 0, 0);
          ShowMiniPanel();
        },
        [&] {
          DialogBoxIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), GPlainMain,
                                  &PlainPanelProc, 0);
        },
        21, 5);
    std::printf("mini panel shown modally and closed, main window hidden and shown again, medians (us)\n");
    std::printf("TForm10 %9.1f   modal dialog with a combo box and two buttons %9.1f   ratio %.2f\n", modal.first,
                modal.second, modal.first / modal.second);
    DestroyWindow(GPlainMain);
    panel->Free();
  }
  FinalizeUnits();
  return 0;
}
