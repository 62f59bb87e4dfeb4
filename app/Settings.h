// The console's settings: "cfg.ini" and the read-only "矩阵名称.ini" beside the
// program. Every key with its type and default, and the typed reads and writes
// the windows make. The store behind them is the platform's private-profile
// file, uncached (TCfgIni); here it is an interface, so the conversions of what
// the file holds are pure code, tested natively and fuzzed.
#pragma once

#include <array>
#include <vector>

#include "System.h"

// The settings object's operations. Integers and booleans travel as text.
class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  virtual String ReadString(const String& section, const String& key, const String& def) = 0;
  virtual void WriteString(const String& section, const String& key, const String& value) = 0;
};

// A decimal number; a missing key or a text that is no number gives `def`.
int ReadSettingInteger(ISettingsStore& store, const String& section, const String& key, int def);
// True when the stored integer is not 0; written as "1" or "0".
bool ReadSettingBool(ISettingsStore& store, const String& section, const String& key, bool def);
void WriteSettingInteger(ISettingsStore& store, const String& section, const String& key, int value);
void WriteSettingBool(ISettingsStore& store, const String& section, const String& key, bool value);

// --- The key table ----------------------------------------------------------------
enum class TSettingType { Int, Bool, Str };

struct TSettingKey {
  String Section;
  String Key;
  TSettingType Type;
  String Default;  // as text: "1", "0", "true" for a bool read as true
};
// Every fixed key of "cfg.ini". Numbered keys ("scene1".."scene16", the scene
// switch slots, the wiring cells, the native-matrix records) have their own
// functions below.
const std::vector<TSettingKey>& SettingKeys();
// The table's row, or null.
const TSettingKey* FindSettingKey(const String& section, const String& key);

const wchar_t* const CfgFileName = L"cfg.ini";
const wchar_t* const MatrixNamesFileName = L"矩阵名称.ini";
// [config] "caption" when none is stored: the product's Chinese title and a blank.
const wchar_t* const DefaultCaption = L"大屏幕拼接控制系统 ";
// [setting] "IPAddress" when none is stored (D-11: only a default).
const wchar_t* const DefaultBridgeAddress = L"192.168.1.100";

// --- Wall size (D-23) ---------------------------------------------------------------
const int WallMaxPanels = 15;
const int WallDefaultPanels = 3;
// [config] "row" and "col": a count outside 1..15 reads as the default 3.
int ReadWallRows(ISettingsStore& store);
int ReadWallColumns(ISettingsStore& store);

// --- Start-up animation ([StartAnimation], read by TForm18) -------------------------------
struct TStartAnimationSettings {
  int Height = 400;
  int Width = 500;
  String LogoPath = L"logo.jpg";
  int IfShow = 0;
  int Still = 3;
};
TStartAnimationSettings ReadStartAnimation(ISettingsStore& store);

// --- Communication settings ([setting], TForm2) -------------------------------------
struct TLinkSettings {
  int ComPort = 1;   // "com port": the wall controller's port number
  int ComPortA = 1;  // "com port A": the video matrix
  int ComPortB = 1;  // "com port B": the RGB/VGA/DVI matrix
  bool AutoOpen = false;
  bool AutoOpenA = false;  // the video matrix linkage box
  bool AutoOpenB = false;  // the RGB matrix linkage box
  bool SerialCtrl = true;  // serial (else the wireless bridge)
  String IPAddress = DefaultBridgeAddress;
  String Port = L"8899";
};
TLinkSettings ReadLinkSettings(ISettingsStore& store);

// What the dialog's controls hold when OK is pressed: port names as shown.
struct TLinkControls {
  String WallPort, PortA, PortB;
  bool AutoOpen = false, AutoOpenA = false, AutoOpenB = false;
  bool Serial = true;
  String IPAddress, Port;
};
// TForm2.Button1Click's writes, in its order. A port name without a number
// after "COM" raises EConvertError ("'x' is not a valid integer value") and
// what was written before it stays written.
void WriteLinkSettings(ISettingsStore& store, const TLinkControls& controls);
// The number after "COM" in a port name; EConvertError when there is none.
int PortNumber(const String& portName);
// The text a port list shows for a stored port number (D-93): the list's
// entry at number - 1 when it exists, else "COM" and the number; a number
// below 1 reads as 1.
String PortListText(int stored, const std::vector<String>& items);

// --- Presets ([scene]) --------------------------------------------------------------
const int PresetCount = 16;
// "scene" n's name; a missing or empty value gives "场景" n ("scene" n in English).
String ReadPresetName(ISettingsStore& store, int n, int language);

// --- Wiring grids ([AVmux], [VGAmux], [DVImux]) -----------------------------------------
enum class TWiringFamily { AV, VGA, DVI };
String WiringSection(TWiringFamily family);
// "AVcustomer mux", "VGAcustomer mux", "DVIcustomer mux": manual wiring on.
bool ReadWiringManual(ISettingsStore& store, TWiringFamily family);
void WriteWiringManual(ISettingsStore& store, TWiringFamily family, bool manual);
// The cell of the panel in column c and row r (from 0) of a grid `columns`
// wide: the stored text under the key c + columns * r ("0" when missing) with
// manual wiring, else c + columns * r + 1 (one output per panel, row-major).
// Answers rows of cells: cells[r][c].
std::vector<std::vector<String>> ReadWiringGrid(ISettingsStore& store, TWiringFamily family, int columns,
                                                int rows);

// --- Matrix input names ("矩阵名称.ini") -------------------------------------------------
const int VideoInputNameCount = 255;
const int VgaInputNameCount = 64;
struct TMatrixInputNames {
  std::vector<String> Video;  // [mux_port] "port1".."port255", default the number
  std::vector<String> Vga;    // [VGA DVI mux_port] "port1".."port64"
};
TMatrixInputNames ReadMatrixInputNames(ISettingsStore& store);
