// Repaint of a dialog of 5 group boxes holding 20 check boxes and 10 radio
// buttons (ultra-flat, captions with Chinese text, some checked) against the
// same set of system buttons (BS_GROUPBOX, BS_AUTOCHECKBOX,
// BS_AUTORADIOBUTTON) with the same captions and font. Every control paints
// itself into one memory DC through its window's own painting
// (WM_PRINTCLIENT); rounds alternate; prints the medians and the ratio, for
// the whole dialog and for each kind of control alone.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "Runtime.h"
#include "boxes2_test_support.h"
#include "support/BenchTiming.h"

namespace {

constexpr int Groups = 5, ChecksPerGroup = 4, RadiosPerGroup = 2;
constexpr int GroupW = 170, GroupH = 200, RowH = 26, ItemW = 150, ItemH = 21;

const wchar_t* CheckCaption(int I) { return I % 2 ? L"联动 Linkage" : L"Debug mode"; }
const wchar_t* RadioCaption(int I) { return I % 2 ? L"拼接屏 2 x 2" : L"Single screen"; }

// One control of a dialog: its window and where it stands in the dialog.
struct TPlaced {
  HWND Window;
  int X, Y;
};

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  edit_test::StartEditUnits();
  InitializeUnits({cxExtEditConstsUnit, cxExtEditUtilsUnit, cxCheckBoxUnit, cxGroupBoxUnit, cxRadioGroupUnit});
  Application->Initialize();
  const int width = Groups * (GroupW + 10), height = GroupH + 20;

  test_support::THostForm* form = test_support::MakeForm(width + 20, height + 60);
  std::vector<TPlaced> ourGroups, ourChecks, ourRadios;
  std::vector<TcxRadioButton*> radios;
  HFONT font = nullptr;
  for (int g = 0; g < Groups; ++g) {
    auto* group = new TcxGroupBox(form);
    group->SetParent(form);
    group->SetBounds(g * (GroupW + 10), 0, GroupW, GroupH);
    group->SetCaption(g % 2 ? L"输出 Output" : L"Options");
    group->Style()->LookAndFeel()->SetNativeStyle(false);
    group->Style()->LookAndFeel()->SetKind(lfUltraFlat);
    group->Style()->SetBorderStyle(ebsSingle);
    group->HandleNeeded();
    ourGroups.push_back({group->Handle(), group->Left(), group->Top()});
    for (int i = 0; i < ChecksPerGroup; ++i) {
      auto* box = new TcxCheckBox(form);
      box->SetParent(group);
      box->SetBounds(10, 22 + i * RowH, ItemW, ItemH);
      box->SetCaption(CheckCaption(i));
      box->Style()->LookAndFeel()->SetNativeStyle(false);
      box->Style()->LookAndFeel()->SetKind(lfUltraFlat);
      box->HandleNeeded();
      if (i % 2 == 0) box->SetChecked(true);
      ourChecks.push_back({box->Handle(), group->Left() + box->Left(), group->Top() + box->Top()});
      if (!font) font = box->Style()->GetEffectiveFont()->Handle();
    }
    for (int i = 0; i < RadiosPerGroup; ++i) {
      auto* radio = new TcxRadioButton(form);
      radio->SetParent(group);
      radio->SetBounds(10, 22 + (ChecksPerGroup + i) * RowH, ItemW, ItemH);
      radio->SetCaption(RadioCaption(i));
      radio->LookAndFeel()->SetNativeStyle(false);
      radio->LookAndFeel()->SetKind(lfUltraFlat);
      radio->HandleNeeded();
      if (i == 0) radio->SetChecked(true);
      ourRadios.push_back({radio->Handle(), group->Left() + radio->Left(), group->Top() + radio->Top()});
      radios.push_back(radio);
    }
  }

  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr);
  std::vector<TPlaced> systemGroups, systemChecks, systemRadios;
  auto button = [&](const wchar_t* ACaption, DWORD AStyle, int X, int Y, int W, int H) {
    HWND w = CreateWindowExW(0, L"BUTTON", ACaption, WS_CHILD | WS_VISIBLE | AStyle, X, Y, W, H, host, nullptr,
                             nullptr, nullptr);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return w;
  };
  for (int g = 0; g < Groups; ++g) {
    const int x = g * (GroupW + 10);
    systemGroups.push_back({button(g % 2 ? L"输出 Output" : L"Options", BS_GROUPBOX, x, 0, GroupW, GroupH), x, 0});
    for (int i = 0; i < ChecksPerGroup; ++i) {
      HWND w = button(CheckCaption(i), BS_AUTOCHECKBOX, x + 10, 22 + i * RowH, ItemW, ItemH);
      if (i % 2 == 0) SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
      systemChecks.push_back({w, x + 10, 22 + i * RowH});
    }
    for (int i = 0; i < RadiosPerGroup; ++i) {
      HWND w = button(RadioCaption(i), BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0), x + 10,
                      22 + (ChecksPerGroup + i) * RowH, ItemW, ItemH);
      if (i == 0) SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
      systemRadios.push_back({w, x + 10, 22 + (ChecksPerGroup + i) * RowH});
    }
  }

  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP surface = vamire_test::CreateTopDownDib(dc, width, height, &bits);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);
  auto painter = [&](std::initializer_list<const std::vector<TPlaced>*> ASets) {
    std::vector<const std::vector<TPlaced>*> sets(ASets);
    return [sets, dc] {
      for (const auto* set : sets)
        for (const TPlaced& p : *set) vamire_bench::PrintClientAt(p.Window, dc, p.X, p.Y);
    };
  };
  // Where the radio buttons' time goes: their glyphs alone, drawn by the
  // painter as the buttons draw them, against the system drawing its own.
  TCanvas glyphCanvas;
  glyphCanvas.SetHandle(dc);
  TcxCanvas glyphs(&glyphCanvas);
  TcxCustomLookAndFeelPainterClass radioPainter = GetPainterOfKind(lfUltraFlat);
  const std::function<void()> ourGlyphs = [&] {
    for (int i = 0; i < Groups * RadiosPerGroup; ++i)
      radioPainter->DrawRadioButton(&glyphs, 0, i * RowH, cxbsNormal, i % 2 == 0, false, clBtnFace, false);
  };
  const std::function<void()> systemGlyphs = [&] {
    for (int i = 0; i < Groups * RadiosPerGroup; ++i) {
      RECT r{0, i * RowH, 13, i * RowH + 13};
      DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONRADIO | (i % 2 == 0 ? DFCS_CHECKED : 0));
    }
  };
  // The radio buttons' own drawing reached straight, without the system
  // button's printing and its owner-draw message to the parent.
  const std::function<void()> ourDrawing = [&] {
    for (std::size_t i = 0; i < radios.size(); ++i) {
      DRAWITEMSTRUCT item{};
      item.CtlType = ODT_BUTTON;
      item.itemAction = ODA_DRAWENTIRE;
      item.hwndItem = radios[i]->Handle();
      item.hDC = dc;
      item.rcItem = RECT{0, 0, ItemW, ItemH};
      const int saved = SaveDC(dc);
      SetViewportOrgEx(dc, ourRadios[i].X, ourRadios[i].Y, nullptr);
      radios[i]->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
      RestoreDC(dc, saved);
    }
  };
  struct Row {
    const char* Name;
    std::function<void()> Ours, System;
  } rows[] = {
      {"dialog (5 group boxes, 20 check boxes, 10 radio buttons)", painter({&ourGroups, &ourChecks, &ourRadios}),
       painter({&systemGroups, &systemChecks, &systemRadios})},
      {"20 check boxes", painter({&ourChecks}), painter({&systemChecks})},
      {"10 radio buttons", painter({&ourRadios}), painter({&systemRadios})},
      {"5 group boxes", painter({&ourGroups}), painter({&systemGroups})},
      {"10 radio glyphs alone (painter / DrawFrameControl)", ourGlyphs, systemGlyphs},
      {"10 radio buttons' own drawing, no printing (/ system printing)", ourDrawing, painter({&systemRadios})},
  };
  std::printf("repaint into a memory DC, medians of 21 rounds (us)\n");
  for (const Row& row : rows) {
    const auto times = vamire_bench::MeasureSideBySide(row.Ours, row.System, 21, 3);
    std::printf("%-58s toolkit %9.0f   system %9.0f   ratio %.2f\n", row.Name, times.first, times.second,
                times.first / times.second);
  }

  glyphCanvas.SetHandle(nullptr);
  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  DestroyWindow(host);
  delete form;
  FinalizeUnits();
  return 0;
}
