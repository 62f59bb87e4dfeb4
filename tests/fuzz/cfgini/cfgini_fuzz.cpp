// The console's settings as "cfg.ini" and "矩阵名称.ini" hold them: the input is
// ini text, each line a section header or key=value, one byte a character.
// Every typed read answers a value in its range or its default, and nothing
// that a file holds makes a reader fail or run away.
#include "FuzzSupport.h"
#include "MemorySettings.h"
#include "Settings.h"
#include "SplashSchedule.h"

namespace {

void Parse(const String& text, app_test::TMemorySettings& store) {
  String section;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == String::npos) end = text.size();
    String line = text.substr(start, end - start);
    if (!line.empty() && line[0] == L'[') {
      size_t close = line.find(L']');
      section = line.substr(1, close == String::npos ? String::npos : close - 1);
    } else if (size_t eq = line.find(L'='); eq != String::npos) {
      store.Values[{section, line.substr(0, eq)}] = line.substr(eq + 1);
    }
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  app_test::TMemorySettings store;
  Parse(fuzz::Narrow(data, size), store);

  const int rows = ReadWallRows(store), columns = ReadWallColumns(store);
  fuzz::Check(rows >= 1 && rows <= WallMaxPanels && columns >= 1 && columns <= WallMaxPanels,
              "a wall size outside 1..15");
  for (TWiringFamily f : {TWiringFamily::AV, TWiringFamily::VGA, TWiringFamily::DVI}) {
    auto grid = ReadWiringGrid(store, f, columns, rows);
    fuzz::Check(grid.size() == size_t(rows) && grid[0].size() == size_t(columns), "a wiring grid of another size");
  }

  TLinkSettings link = ReadLinkSettings(store);
  const std::vector<String> list = {L"COM1", L"COM2", L"COM3"};
  for (int port : {link.ComPort, link.ComPortA, link.ComPortB})
    fuzz::Check(PortListText(port, list).rfind(L"COM", 0) == 0, "a port list text that is no port");

  TStartAnimationSettings splash = ReadStartAnimation(store);
  TSplashSchedule schedule(splash.IfShow == 1, splash.Still);
  fuzz::Check(schedule.EndTick() >= 40, "an animation that ends before its fades");
  for (int tick = 0; tick < 50 && !schedule.Tick(); ++tick)
    fuzz::Check(schedule.Alpha() >= 0 && schedule.Alpha() <= 255, "an alpha outside a byte");

  for (int n = 1; n <= PresetCount; ++n)
    for (int language : {0, 1}) fuzz::Check(!ReadPresetName(store, n, language).empty(), "an empty preset name");

  TMatrixInputNames names = ReadMatrixInputNames(store);
  fuzz::Check(names.Video.size() == VideoInputNameCount && names.Vga.size() == VgaInputNameCount,
              "input names missing");
  return 0;
}
