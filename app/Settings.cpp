#include "Settings.h"

#include "SysUtils.h"

int ReadSettingInteger(ISettingsStore& store, const String& section, const String& key, int def) {
  int32_t value;
  return TryStrToInt(store.ReadString(section, key, L""), value) ? value : def;
}

bool ReadSettingBool(ISettingsStore& store, const String& section, const String& key, bool def) {
  return ReadSettingInteger(store, section, key, def ? 1 : 0) != 0;
}

void WriteSettingInteger(ISettingsStore& store, const String& section, const String& key, int value) {
  store.WriteString(section, key, IntToStr(value));
}

void WriteSettingBool(ISettingsStore& store, const String& section, const String& key, bool value) {
  store.WriteString(section, key, value ? L"1" : L"0");
}

const std::vector<TSettingKey>& SettingKeys() {
  using T = TSettingType;
  static const std::vector<TSettingKey> keys = [] {
    std::vector<TSettingKey> k = {
        {L"config", L"language", T::Int, L"0"},
        {L"config", L"caption", T::Str, DefaultCaption},
        {L"config", L"USER", T::Str, L" "},
        {L"config", L"name", T::Str, L"LCD WALL"},
        {L"config", L"row", T::Int, L"3"},
        {L"config", L"col", T::Int, L"3"},
        {L"config", L"password", T::Str, L"9174"},
        {L"setting", L"com port", T::Int, L"1"},
        {L"setting", L"com port A", T::Int, L"1"},
        {L"setting", L"com port B", T::Int, L"1"},
        {L"setting", L"auto open port", T::Bool, L"0"},
        {L"setting", L"auto open port A", T::Bool, L"0"},
        {L"setting", L"auto open port B", T::Bool, L"0"},
        {L"setting", L"serialCtrl", T::Bool, L"1"},
        {L"setting", L"IPAddress", T::Str, DefaultBridgeAddress},
        {L"setting", L"Port", T::Str, L"8899"},
        {L"setting", L"jzll", T::Bool, L"0"},
        {L"setting", L"yall", T::Bool, L"0"},
        {L"setting", L"KJ", T::Bool, L"0"},
        {L"setting", L"MXSQ", T::Bool, L"0"},
        {L"setting", L"linkage", T::Bool, L"0"},
        {L"setting", L"signalindex", T::Int, L"0"},
        {L"setting", L"videomux", T::Int, L"0"},
        {L"setting", L"vgamux", T::Int, L"0"},
        {L"setting", L"dvimux", T::Int, L"0"},
        {L"setting", L"hdmimux", T::Int, L"0"},
        {L"setting", L"sdimux", T::Int, L"0"},
        {L"setting", L"mux_out0", T::Str, L"1"},
        {L"setting", L"mux_in0", T::Str, L"1"},
        {L"setting", L"video_id", T::Str, L"00"},
        {L"setting", L"vga_id", T::Str, L"01"},
        {L"setting", L"DVI_id", T::Str, L"01"},
        {L"setting", L"HDMI_id", T::Str, L"01"},
        {L"setting", L"video_inport", T::Str, L"255"},
        {L"setting", L"vga_inport", T::Str, L"255"},
        {L"setting", L"dvi_inport", T::Str, L"255"},
        {L"setting", L"hdmi_inport", T::Str, L"255"},
        {L"setting", L"mux_delay1", T::Str, L"100"},
        {L"setting", L"mux_delay2", T::Str, L"100"},
        {L"setting", L"comm_send_cfg", T::Int, L"0"},
        {L"scene", L"Matrix 1", T::Str, L"01"},
        {L"scene", L"Matrix 2", T::Str, L"01"},
        {L"scene", L"Matrix 3", T::Str, L"01"},
        {L"scene", L"Matrix 4", T::Str, L"05"},
        {L"scene", L"Matrix 5", T::Str, L"02"},
        {L"scene", L"Time C", T::Str, L"10"},
        {L"scene", L"scene A", T::Str, L"01"},
        {L"scene", L"scene B", T::Str, L"05"},
        {L"timesetting", L"ohour", T::Int, L"0"},
        {L"timesetting", L"omin", T::Int, L"0"},
        {L"timesetting", L"chour", T::Int, L"0"},
        {L"timesetting", L"cmin", T::Int, L"0"},
        {L"timesetting", L"flag", T::Bool, L"0"},
        {L"timesetting", L"mode", T::Int, L"0"},
        {L"subtitle", L"bgcolorname", T::Str, L"clWhite"},
        {L"subtitle", L"interval", T::Str, L"0"},
        {L"subtitle", L"istranp", T::Bool, L"0"},
        {L"StartAnimation", L"height", T::Int, L"400"},
        {L"StartAnimation", L"width", T::Int, L"500"},
        {L"StartAnimation", L"logoPath", T::Str, L"logo.jpg"},
        {L"StartAnimation", L"ifshow", T::Int, L"0"},
        {L"StartAnimation", L"Still", T::Int, L"3"},
        {L"AVmux", L"AVcustomer mux", T::Bool, L"0"},
        {L"VGAmux", L"VGAcustomer mux", T::Bool, L"0"},
        {L"DVImux", L"DVIcustomer mux", T::Bool, L"0"},
    };
    for (int n = 1; n <= 8; ++n) {
      const String i = IntToStr(n);
      k.push_back({L"SceneSwitch", L"switch" + i, T::Bool, L"0"});
      k.push_back({L"SceneSwitch", L"v" + i, T::Str, L"0"});
      k.push_back({L"SceneSwitch", L"h" + i, T::Str, L"0"});
      k.push_back({L"SceneSwitch", L"m" + i, T::Str, L"0"});
    }
    for (int n = 1; n <= PresetCount; ++n) k.push_back({L"nativeMatrix", L"scene" + IntToStr(n), T::Str, L"0"});
    return k;
  }();
  return keys;
}

const TSettingKey* FindSettingKey(const String& section, const String& key) {
  for (const TSettingKey& k : SettingKeys())
    if (k.Section == section && k.Key == key) return &k;
  return nullptr;
}

namespace {

int ReadWallCount(ISettingsStore& store, const wchar_t* key) {
  int n = ReadSettingInteger(store, L"config", key, WallDefaultPanels);
  return n >= 1 && n <= WallMaxPanels ? n : WallDefaultPanels;
}

}  // namespace

int ReadWallRows(ISettingsStore& store) { return ReadWallCount(store, L"row"); }
int ReadWallColumns(ISettingsStore& store) { return ReadWallCount(store, L"col"); }

TStartAnimationSettings ReadStartAnimation(ISettingsStore& store) {
  const String s = L"StartAnimation";
  TStartAnimationSettings a;
  a.Height = ReadSettingInteger(store, s, L"height", a.Height);
  a.Width = ReadSettingInteger(store, s, L"width", a.Width);
  a.LogoPath = store.ReadString(s, L"logoPath", a.LogoPath);
  a.IfShow = ReadSettingInteger(store, s, L"ifshow", a.IfShow);
  a.Still = ReadSettingInteger(store, s, L"Still", a.Still);
  return a;
}

TLinkSettings ReadLinkSettings(ISettingsStore& store) {
  const String s = L"setting";
  TLinkSettings l;
  l.ComPort = ReadSettingInteger(store, s, L"com port", l.ComPort);
  l.ComPortA = ReadSettingInteger(store, s, L"com port A", l.ComPortA);
  l.ComPortB = ReadSettingInteger(store, s, L"com port B", l.ComPortB);
  l.AutoOpen = ReadSettingBool(store, s, L"auto open port", l.AutoOpen);
  l.AutoOpenA = ReadSettingBool(store, s, L"auto open port A", l.AutoOpenA);
  l.AutoOpenB = ReadSettingBool(store, s, L"auto open port B", l.AutoOpenB);
  l.SerialCtrl = ReadSettingBool(store, s, L"serialCtrl", l.SerialCtrl);
  l.IPAddress = store.ReadString(s, L"IPAddress", l.IPAddress);
  l.Port = store.ReadString(s, L"Port", l.Port);
  return l;
}

int PortNumber(const String& portName) {
  // The digits after the three letters "COM"; "ABC" or "COM" alone raise.
  return StrToInt(portName.size() > 3 ? portName.substr(3) : String());
}

void WriteLinkSettings(ISettingsStore& store, const TLinkControls& c) {
  const String s = L"setting";
  WriteSettingInteger(store, s, L"com port", PortNumber(c.WallPort));
  WriteSettingBool(store, s, L"auto open port", c.AutoOpen);
  WriteSettingBool(store, s, L"auto open port A", c.AutoOpenA);
  WriteSettingBool(store, s, L"auto open port B", c.AutoOpenB);
  WriteSettingInteger(store, s, L"com port A", PortNumber(c.PortA));
  WriteSettingInteger(store, s, L"com port B", PortNumber(c.PortB));
  WriteSettingBool(store, s, L"serialCtrl", c.Serial);
  store.WriteString(s, L"IPAddress", c.IPAddress);
  store.WriteString(s, L"Port", c.Port);
}

String PortListText(int stored, const std::vector<String>& items) {
  if (stored < 1) stored = 1;
  if (size_t(stored) <= items.size()) return items[size_t(stored) - 1];
  return L"COM" + IntToStr(stored);
}

String ReadPresetName(ISettingsStore& store, int n, int language) {
  const String def = (language == 1 ? L"scene" : L"场景") + IntToStr(n);
  String name = store.ReadString(L"scene", L"scene" + IntToStr(n), def);
  return name.empty() ? def : name;
}

String WiringSection(TWiringFamily family) {
  switch (family) {
    case TWiringFamily::AV: return L"AVmux";
    case TWiringFamily::VGA: return L"VGAmux";
    case TWiringFamily::DVI: return L"DVImux";
  }
  return L"";
}

namespace {
String WiringManualKey(const String& section) {
  return section.substr(0, section.size() - 3) + L"customer mux";  // "AV", "VGA", "DVI"
}
}  // namespace

bool ReadWiringManual(ISettingsStore& store, TWiringFamily family) {
  const String section = WiringSection(family);
  return ReadSettingBool(store, section, WiringManualKey(section), false);
}

void WriteWiringManual(ISettingsStore& store, TWiringFamily family, bool manual) {
  const String section = WiringSection(family);
  WriteSettingBool(store, section, WiringManualKey(section), manual);
}

std::vector<std::vector<String>> ReadWiringGrid(ISettingsStore& store, TWiringFamily family, int columns, int rows) {
  const bool manual = ReadWiringManual(store, family);
  const String section = WiringSection(family);
  std::vector<std::vector<String>> cells(size_t(rows > 0 ? rows : 0), std::vector<String>(size_t(columns > 0 ? columns : 0)));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const int index = c + columns * r;
      cells[size_t(r)][size_t(c)] = manual ? store.ReadString(section, IntToStr(index), L"0") : IntToStr(index + 1);
    }
  return cells;
}

TMatrixInputNames ReadMatrixInputNames(ISettingsStore& store) {
  TMatrixInputNames names;
  for (int n = 1; n <= VideoInputNameCount; ++n)
    names.Video.push_back(store.ReadString(L"mux_port", L"port" + IntToStr(n), IntToStr(n)));
  for (int n = 1; n <= VgaInputNameCount; ++n)
    names.Vga.push_back(store.ReadString(L"VGA DVI mux_port", L"port" + IntToStr(n), IntToStr(n)));
  return names;
}
