// Starting the console's windows: every window of the program's order that
// this build has, streamed from its form file, and the main window (TForm1,
// or the first window made while there is none) shown and painted; beside
// the platform making as many top-level windows, each with as many system
// controls of the same kinds, at the same places, with the same texts, and
// painting the same one. Times are medians of alternating rounds in one
// process; the peak working set of each side is read from a child process
// of this program that does its side once (the units started, for ours).
//   app_console_bench [ROUNDS]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ConsoleForms.h"
#include "Forms.h"
#include "Runtime.h"
#include "support/BenchTiming.h"

namespace {

// One control as the platform makes it.
struct TPlainControl {
  const wchar_t* ClassName;
  DWORD Style;
  RECT Bounds;
  std::wstring Text;
};
struct TPlainWindow {
  int Width, Height;
  std::wstring Caption;
  std::vector<TPlainControl> Controls;
};

bool Has(const String& name, const wchar_t* part) { return name.find(part) != String::npos; }

// The system control standing for a runtime or toolkit control of this class.
TPlainControl PlainOf(TControl* c) {
  const String& kind = c->ClassName();
  const TRect r = c->BoundsRect();
  TPlainControl p{L"STATIC", SS_LEFT, RECT{r.Left, r.Top, r.Right, r.Bottom}, c->Caption()};
  if (Has(kind, L"CheckBox")) p.ClassName = L"BUTTON", p.Style = BS_AUTOCHECKBOX;
  else if (Has(kind, L"RadioButton")) p.ClassName = L"BUTTON", p.Style = BS_AUTORADIOBUTTON;
  else if (Has(kind, L"GroupBox") || Has(kind, L"RadioGroup")) p.ClassName = L"BUTTON", p.Style = BS_GROUPBOX;
  else if (Has(kind, L"Button") || Has(kind, L"BitBtn")) p.ClassName = L"BUTTON", p.Style = BS_PUSHBUTTON;
  else if (Has(kind, L"ComboBox")) p.ClassName = L"COMBOBOX", p.Style = CBS_DROPDOWNLIST;
  else if (Has(kind, L"Memo")) p.ClassName = L"EDIT", p.Style = ES_MULTILINE | WS_BORDER;
  else if (Has(kind, L"Edit")) p.ClassName = L"EDIT", p.Style = WS_BORDER;
  else if (Has(kind, L"ListBox")) p.ClassName = L"LISTBOX", p.Style = WS_BORDER;
  return p;
}

TPlainWindow PlainOf(TCustomForm* form) {
  TPlainWindow w{form->Width(), form->Height(), form->Caption(), {}};
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* c = dynamic_cast<TControl*>(form->Components(i))) w.Controls.push_back(PlainOf(c));
  return w;
}

// --- Ours -------------------------------------------------------------------------------
std::vector<TCustomForm*> MakeConsoleWindows() {
  std::vector<TCustomForm*> made;
  for (const String& name : ConsoleWindowOrder())
    if (TClass kind = GetClass(name)) made.push_back(Application->CreateForm(kind));
  return made;
}

TCustomForm* MainOf(const std::vector<TCustomForm*>& made) {
  for (TCustomForm* f : made)
    if (f->ClassName() == L"TForm1") return f;
  return made.front();
}

void ShowPainted(HWND window) {
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  GdiFlush();
}

void OursOnce() {
  std::vector<TCustomForm*> made = MakeConsoleWindows();
  TCustomForm* main = MainOf(made);
  main->Show();
  UpdateWindow(main->Handle());
  GdiFlush();
  for (auto it = made.rbegin(); it != made.rend(); ++it) (*it)->Free();
}

// --- The platform -----------------------------------------------------------------------
const wchar_t* const PlainClass = L"VamireBenchPlain";

void RegisterPlainClass() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = PlainClass;
  RegisterClassW(&wc);
}

void PlatformOnce(const std::vector<TPlainWindow>& windows, size_t mainIndex) {
  std::vector<HWND> made;
  HFONT font = HFONT(GetStockObject(DEFAULT_GUI_FONT));
  for (const TPlainWindow& w : windows) {
    HWND top = CreateWindowExW(0, PlainClass, w.Caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                               w.Width, w.Height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const TPlainControl& c : w.Controls) {
      HWND child = CreateWindowExW(0, c.ClassName, c.Text.c_str(), WS_CHILD | WS_VISIBLE | c.Style, c.Bounds.left,
                                   c.Bounds.top, c.Bounds.right - c.Bounds.left, c.Bounds.bottom - c.Bounds.top, top,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
      SendMessageW(child, WM_SETFONT, WPARAM(font), FALSE);
    }
    made.push_back(top);
  }
  ShowPainted(made[mainIndex]);
  for (auto it = made.rbegin(); it != made.rend(); ++it) DestroyWindow(*it);
}

// The platform's windows as ours are: made once, read, freed.
std::vector<TPlainWindow> PlainWindows(size_t& mainIndex) {
  std::vector<TCustomForm*> made = MakeConsoleWindows();
  std::vector<TPlainWindow> plain;
  for (TCustomForm* f : made) plain.push_back(PlainOf(f));
  TCustomForm* main = MainOf(made);
  for (size_t i = 0; i < made.size(); ++i)
    if (made[i] == main) mainIndex = i;
  for (auto it = made.rbegin(); it != made.rend(); ++it) (*it)->Free();
  return plain;
}

void Serve(int ms) {
  const DWORD end = GetTickCount() + DWORD(ms);
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(5);
  }
}

// --- The platform's windows handed to its child process, one line each -------------------
// "W width height caption" then "C class style left top right bottom text" per control.
std::wstring PlainFile() {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + L"console_bench_" + std::to_wstring(GetCurrentProcessId()) + L".txt";
}

void WritePlain(const std::wstring& file, const std::vector<TPlainWindow>& windows, size_t mainIndex) {
  FILE* f = _wfopen(file.c_str(), L"w, ccs=UTF-8");
  std::fwprintf(f, L"M\t%zu\n", mainIndex);
  for (const TPlainWindow& w : windows) {
    std::fwprintf(f, L"W\t%d\t%d\t%ls\n", w.Width, w.Height, w.Caption.c_str());
    for (const TPlainControl& c : w.Controls)
      std::fwprintf(f, L"C\t%ls\t%lu\t%ld\t%ld\t%ld\t%ld\t%ls\n", c.ClassName, c.Style, c.Bounds.left, c.Bounds.top,
                    c.Bounds.right, c.Bounds.bottom, c.Text.c_str());
  }
  std::fclose(f);
}

std::vector<TPlainWindow> ReadPlain(const std::wstring& file, size_t& mainIndex) {
  static const wchar_t* const kinds[] = {L"STATIC", L"BUTTON", L"COMBOBOX", L"EDIT", L"LISTBOX"};
  std::vector<TPlainWindow> windows;
  FILE* f = _wfopen(file.c_str(), L"r, ccs=UTF-8");
  if (!f) return windows;
  wchar_t line[4096];
  while (std::fgetws(line, 4096, f)) {
    std::wstring text = line;
    if (!text.empty() && text.back() == L'\n') text.pop_back();
    std::vector<std::wstring> fields;
    for (size_t from = 0;;) {
      const size_t tab = text.find(L'\t', from);
      fields.push_back(text.substr(from, tab - from));
      if (tab == std::wstring::npos) break;
      from = tab + 1;
    }
    if (fields[0] == L"M") mainIndex = size_t(_wtoi(fields[1].c_str()));
    if (fields[0] == L"W" && fields.size() == 4)
      windows.push_back({_wtoi(fields[1].c_str()), _wtoi(fields[2].c_str()), fields[3], {}});
    if (fields[0] == L"C" && fields.size() == 8 && !windows.empty()) {
      TPlainControl c{kinds[0], DWORD(wcstoul(fields[2].c_str(), nullptr, 10)),
                      RECT{_wtoi(fields[3].c_str()), _wtoi(fields[4].c_str()), _wtoi(fields[5].c_str()),
                           _wtoi(fields[6].c_str())},
                      fields[7]};
      for (const wchar_t* k : kinds)
        if (fields[1] == k) c.ClassName = k;
      windows.back().Controls.push_back(c);
    }
  }
  std::fclose(f);
  return windows;
}

// --- Peak working set, one side in a child process ---------------------------------------
SIZE_T ChildPeak(const std::wstring& arguments) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return 0;
  // Wine tells the peak only while the process lives: asked until the end.
  SIZE_T peak = 0;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  while (WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT)
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof(counters)))
      peak = std::max(peak, counters.PeakWorkingSetSize);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return peak;
}

void StartConsole() {
  InstallPlatformRuntime();
  StartConsoleUnits();
  Application->Initialize();
}

double MiB(SIZE_T bytes) { return double(bytes) / (1024.0 * 1024.0); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring side = argc > 1 ? argv[1] : L"";
  // A child: one side once, kept alive a moment so that its peak is read.
  if (side == L"--ours") {
    StartConsole();
    std::vector<TCustomForm*> made = MakeConsoleWindows();
    ShowPainted(MainOf(made)->Handle());
    Serve(300);
    return 0;
  }
  if (side == L"--platform" && argc > 2) {
    RegisterPlainClass();
    size_t mainIndex = 0;
    const std::vector<TPlainWindow> plain = ReadPlain(argv[2], mainIndex);
    if (plain.empty()) return 1;
    PlatformOnce(plain, mainIndex);  // the same work as a round, then the windows kept for the peak
    Serve(300);
    return 0;
  }
  const int rounds = argc > 1 ? std::max(3, _wtoi(argv[1])) : 9;
  StartConsole();
  RegisterPlainClass();
  size_t mainIndex = 0;
  const std::vector<TPlainWindow> plain = PlainWindows(mainIndex);
  size_t controls = 0;
  for (const TPlainWindow& w : plain) controls += w.Controls.size();
  const auto [ours, platform] =
      vamire_bench::MeasureSideBySide([] { OursOnce(); }, [&] { PlatformOnce(plain, mainIndex); }, rounds, 1);
  const std::wstring file = PlainFile();
  WritePlain(file, plain, mainIndex);
  const SIZE_T ourPeak = ChildPeak(L"--ours");
  const SIZE_T platformPeak = ChildPeak(L"--platform \"" + file + L"\"");
  DeleteFileW(file.c_str());
  std::printf("console windows: %zu streamed (of %zu in the program's order), %zu controls, %d rounds\n",
              plain.size(), ConsoleWindowOrder().size(), controls, rounds);
  std::printf("  time          ours %9.1f ms   platform %9.1f ms   ratio %.2f (goal 2)\n", ours / 1000.0,
              platform / 1000.0, ours / platform);
  std::printf("  peak memory   ours %9.1f MiB  platform %9.1f MiB  ratio %.2f (goal 1.5)\n", MiB(ourPeak),
              MiB(platformPeak), platformPeak ? double(ourPeak) / double(platformPeak) : 0.0);
  return 0;
}
