// What the bar model costs next to native menus holding the same entries, in
// one run with alternating rounds: reading a hidden form whose manager holds
// 200 items, 6 bars and 400 links and freeing it, against CreatePopupMenu, 400
// AppendMenuW and DestroyMenu; rebuilding the shown links of a 200-link
// collection after one visibility change, against 200 ModifyMenuW. Prints the
// medians and ratios.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Runtime.h"
#include "bars_test_support.h"
#include "support/BenchTiming.h"

namespace {

constexpr int Rounds = 40;

class TBenchItem : public TdxBarItem {
  VAMIRE_CLASS(TBenchItem, TdxBarItem)
 public:
  using TdxBarItem::TdxBarItem;
};

void Report(const char* What, std::pair<double, double> Times, const char* Platform) {
  std::printf("%-52s ours %9.1f us   %-36s %9.1f us   ratio %.2f\n", What, Times.first, Platform, Times.second,
              Times.first / Times.second);
}

// The form file of a manager with 200 items, 6 bars and 400 links, as the reader takes it.
std::string MakeFormBinary(int Items, int Bars) {
  auto* form = TCustomForm::Create<bars_test::THostForm>(nullptr);
  form->SetName(L"Host");
  auto* manager = new TdxBarManager(form);
  manager->SetName(L"Bars");
  std::vector<TdxBarItem*> items;
  for (int i = 0; i < Items; ++i) {
    auto* item = new TBenchItem(form);
    item->SetName(L"Item" + IntToStr(i));
    item->SetCaption(L"Command &" + IntToStr(i));
    item->SetCategory(0);
    items.push_back(item);
  }
  for (int b = 0; b < Bars; ++b) {
    TdxBar* bar = manager->AddToolbar();
    for (int l = b; l < 400; l += 6) bar->ItemLinks()->AddItem(items[size_t(l % 200)]);
  }
  TMemoryStream out;
  WriteComponentToStream(&out, form);
  form->Free();
  return std::string(static_cast<const char*>(out.Memory()), size_t(out.Size()));
}

}  // namespace

int wmain() {
  InstallPlatformRuntime();
  bars_test::StartUnits();
  RegisterClasses({bars_test::THostForm::StaticClass(), TBenchItem::StaticClass()});

  const std::string binary = MakeFormBinary(200, 6), empty = MakeFormBinary(0, 0);
  auto readAndFree = [](const std::string& Binary) {
    auto* form = TCustomForm::Create<bars_test::THostForm>(nullptr);
    TStringStream in(Binary);
    ReadComponentFromStream(&in, form);
    form->Free();
  };
  Report("read and free a form: 200 items, 6 bars, 400 links",
         vamire_bench::MeasureSideBySide(
             [&] { readAndFree(binary); },
             [] {
               HMENU menu = CreatePopupMenu();
               for (int i = 0; i < 400; ++i) {
                 const std::wstring text = L"Command &" + std::to_wstring(i % 200);
                 AppendMenuW(menu, MF_STRING, UINT_PTR(i + 1), text.c_str());
               }
               DestroyMenu(menu);
             },
             Rounds, 1),
         "CreatePopupMenu, 400 AppendMenuW");

  // What the manager alone costs (its fonts, brushes, painter and look and feel).
  Report("  of which a form with the manager alone",
         vamire_bench::MeasureSideBySide([&] { readAndFree(empty); }, [] {
           HMENU menu = CreatePopupMenu();
           DestroyMenu(menu);
         }, Rounds, 1),
         "CreatePopupMenu, DestroyMenu");

  bars_test::THostForm* form = TCustomForm::Create<bars_test::THostForm>(nullptr);
  auto* manager = new TdxBarManager(form);
  manager->SetStyle(bmsFlat);
  TdxBarSubMenuControlItemLinks links(manager, nullptr);
  for (int i = 0; i < 200; ++i) {
    auto* item = new TBenchItem(form);
    item->SetCaption(L"Command &" + IntToStr(i));
    item->SetCategory(0);
    links.AddItem(item);
  }
  HMENU menu = CreatePopupMenu();
  for (int i = 0; i < 200; ++i) AppendMenuW(menu, MF_STRING, UINT_PTR(i + 1), L"Command");
  TdxBarItemLink* toggled = links.Links(100);
  bool visible = true;
  Report("rebuild 200 shown links after one visibility change",
         vamire_bench::MeasureSideBySide(
             [&] {
               visible = !visible;
               toggled->SetVisible(visible);
             },
             [&] {
               for (int i = 0; i < 200; ++i)
                 ModifyMenuW(menu, UINT(i), MF_BYPOSITION | MF_STRING, UINT_PTR(i + 1), L"Command");
             },
             Rounds, 20),
         "200 ModifyMenuW");
  std::printf("shown links at the end: %d\n", links.GetShownLinkCount());
  DestroyMenu(menu);
  form->Free();

  UnRegisterClasses({bars_test::THostForm::StaticClass(), TBenchItem::StaticClass()});
  FinalizeUnits();
  return 0;
}
