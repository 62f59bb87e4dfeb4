// What the bordered panels and the status panes share that needs no Win32:
// colour arithmetic in the hue/saturation/luminance space (0..240 scales),
// the desktop colour scheme and its colours, the frame styles with their
// colour tables and widths, the enumerations the panels publish, and the
// readers that skip properties older form files still carry. The drawing
// services are RzCommon_win's.
#pragma once

#include <cstdint>

#include "GraphicsColors.h"
#include "Streaming.h"
#include "SysUtils.h"

// --- Frame vocabulary --------------------------------------------------------------------
enum TFrameStyleEx {
  fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus, fsPopup,
  fsFlatBold, fsFlatRounded
};
VAMIRE_ENUM_NAMES(TFrameStyleEx, L"fsNone", L"fsFlat", L"fsGroove", L"fsBump", L"fsLowered", L"fsButtonDown",
                  L"fsRaised", L"fsButtonUp", L"fsStatus", L"fsPopup", L"fsFlatBold", L"fsFlatRounded")
// The styles fsNone..fsFlatBold: what the frame-style stroker draws. A value
// of this type is never fsFlatRounded (setters refuse it, RzCheckFrameStyle).
using TFrameStyle = TFrameStyleEx;
constexpr TFrameStyle fsLastFrameStyle = fsFlatBold;
// The names a property of type TFrameStyle streams: fsFlatRounded is not one.
const TEnumNames& FrameStyleNames();
// Raises ERangeError for a value outside fsNone..fsFlatBold.
void RzCheckFrameStyle(TFrameStyleEx Style);
// A published row of a TFrameStyle property: the subrange's names.
TPublishedEntry FrameStyleProp(TPublishedEntry Entry);

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
VAMIRE_ENUM_NAMES(TSide, L"sdLeft", L"sdTop", L"sdRight", L"sdBottom")
// As a bit mask left = 1, top = 2, right = 4, bottom = 8.
using TSides = TSet<TSide, 4>;
inline const TSides sdAllSides{sdLeft, sdTop, sdRight, sdBottom};

// --- Colours ----------------------------------------------------------------------------
// The RGB value of system colour Index (0x00BBGGRR). The platform installs
// the system's reader at unit start; tests install their own (D-46). The
// default answers the classic Windows colours.
using TSystemColorReader = std::uint32_t (*)(int Index);
// Answers the previous reader; null restores the default.
TSystemColorReader SetSystemColorReader(TSystemColorReader Reader);
// RGB of any colour: system colours through the reader, the rest unchanged.
TColor RzColorToRGB(TColor Color);

// Hue, saturation and luminance of a colour on a 0..240 scale.
void SplitColorHls(TColor Color, std::uint8_t& Hue, std::uint8_t& Saturation, std::uint8_t& Luminance);
// The RGB colour of hue, saturation and luminance. Hue is read on a 0..239
// scale, so 239 and above wrap to red; components above 1 clamp.
TColor JoinColorHls(std::uint8_t Hue, std::uint8_t Saturation, std::uint8_t Luminance);
// Darker / lighter by Amount luminance units. A tint may pass 240 (up to
// 255): the join clamps such components to white.
TColor ShadeColor(TColor Color, std::uint8_t Amount);
TColor TintColor(TColor Color, std::uint8_t Amount);
// Negative shades, positive tints, 0 answers Color as it is (a system
// colour stays a system colour).
TColor ShiftColorLuminance(TColor Color, int Adjustment);

// --- Colour scheme ----------------------------------------------------------------------
// 0 the default (blue) scheme, 1 "HOMESTEAD" (olive), 2 "METALLIC" (silver).
using TRzXpColorScheme = std::uint8_t;
struct TRzSchemeColors {
  TColor Light, Medium, Dark;  // A, B, C
};
const TRzSchemeColors& SchemeColors(TRzXpColorScheme Scheme);
// The scheme a desktop colour-scheme name stands for (case ignored).
TRzXpColorScheme SchemeFromColorName(const String& Name);

// Reads the desktop's colour-scheme name ("ColorName" of "ThemeManager");
// empty when there is none. Raising counts as none. The platform installs
// the registry reader at unit start; tests install their own (D-46).
using TColorSchemeNameReader = String (*)();
TColorSchemeNameReader SetColorSchemeNameReader(TColorSchemeNameReader Reader);
// The scheme the reader's name gives (0 when it has none or fails).
TRzXpColorScheme ProbeXpColorScheme();
// The unit-wide scheme, set at unit start and again when a bordered panel
// hears WM_THEMECHANGED.
TRzXpColorScheme XpColorScheme();
void SetXpColorScheme(TRzXpColorScheme Value);

// True when the screen has no palette; set at unit start, read by nobody else.
bool ScreenHasFullColor();
void SetScreenHasFullColor(bool Value);

enum TRzGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
VAMIRE_ENUM_NAMES(TRzGradientColorStyle, L"gcsSystem", L"gcsMSOffice", L"gcsCustom")
// Start and stop colours of a scheme gradient. With gcsMSOffice and visual
// themes on: the scheme's light and medium colours; otherwise clWindow and
// clBtnFace shaded by 10.
void SchemeGradientColors(TRzGradientColorStyle Style, bool ThemesEnabled, TColor& Start, TColor& Stop);
// gcsMSOffice with themes on: the scheme's dark colour; otherwise
// clBtnShadow tinted by 30.
TColor SchemeFlatColor(TRzGradientColorStyle Style, bool ThemesEnabled);

// --- Frame tables -----------------------------------------------------------------------
struct TRzEdgeColors {
  TColor UpperLeft, LowerRight;
};
// The one-ring colours of a frame style (fsNone..fsFlatBold).
TRzEdgeColors FrameStyleColors(TFrameStyle Style);
// True for the styles drawn as an outer and an inner ring of their own
// colours: fsRaised, fsLowered, fsButtonUp, fsButtonDown.
bool IsDoubleBevelStyle(TFrameStyleEx Style);
// The outer ring's and the inner ring's colours of a double-bevel style.
void DoubleBevelColors(TFrameStyleEx Style, TRzEdgeColors& Outer, TRzEdgeColors& Inner);
// Pixels a style takes from each side it is drawn on, in a panel border:
// 1 for fsFlat, BevelWidth for fsStatus and fsPopup, 2 for fsGroove..fsButtonUp,
// fsFlatBold and fsFlatRounded, 0 for fsNone.
int PanelFrameWidth(TFrameStyleEx Style, int BevelWidth);
// Pixels a status pane's frame takes: 0 for fsNone, 1 for fsFlat, fsStatus
// and fsPopup, 2 for the rest.
int PaneFrameWidth(TFrameStyle Style);

// --- Enumerations of the panels and panes ---------------------------------------------
enum TGradientDirection {
  gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter, gdHorizontalBox, gdVerticalEnd,
  gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox
};
VAMIRE_ENUM_NAMES(TGradientDirection, L"gdDiagonalUp", L"gdDiagonalDown", L"gdHorizontalEnd", L"gdHorizontalCenter",
                  L"gdHorizontalBox", L"gdVerticalEnd", L"gdVerticalCenter", L"gdVerticalBox", L"gdSquareBox",
                  L"gdBigSquareBox")
enum TRzVisualStyle { vsClassic, vsWinXP, vsGradient };
VAMIRE_ENUM_NAMES(TRzVisualStyle, L"vsClassic", L"vsWinXP", L"vsGradient")
enum TRzGridStyle { gsDots, gsDottedLines, gsSolidLines };
VAMIRE_ENUM_NAMES(TRzGridStyle, L"gsDots", L"gsDottedLines", L"gsSolidLines")
enum TAlignmentVertical { avTop, avCenter, avBottom };
VAMIRE_ENUM_NAMES(TAlignmentVertical, L"avTop", L"avCenter", L"avBottom")
enum TRzScrollType { stNone, stRightToLeft, stLeftToRight };
VAMIRE_ENUM_NAMES(TRzScrollType, L"stNone", L"stRightToLeft", L"stLeftToRight")
enum TFramingPreference { fpCustomFraming, fpXPThemes };
VAMIRE_ENUM_NAMES(TFramingPreference, L"fpCustomFraming", L"fpXPThemes")

// The properties a frame controller hands to its controls; fcpAll means all.
enum TRzFrameControllerProperty {
  fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpParentColor,
  fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle,
  fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference, fcpAll
};
VAMIRE_ENUM_NAMES(TRzFrameControllerProperty, L"fcpColor", L"fcpFocusColor", L"fcpDisabledColor",
                  L"fcpReadOnlyColor", L"fcpReadOnlyColorOnFocus", L"fcpParentColor", L"fcpFlatButtonColor",
                  L"fcpFlatButtons", L"fcpFrameColor", L"fcpFrameHotColor", L"fcpFrameHotTrack", L"fcpFrameHotStyle",
                  L"fcpFrameSides", L"fcpFrameStyle", L"fcpFrameVisible", L"fcpFramingPreference", L"fcpAll")
// fcpColor..fcpFramingPreference, as a 16-bit mask (bit n = property n).
using TRzFrameControllerNotifications = TSet<TRzFrameControllerProperty, 16>;
// The published property of each single property (fcpColor.."FramingPreference").
const wchar_t* FrameControllerPropertyName(TRzFrameControllerProperty Property);
TRzFrameControllerNotifications AllFrameControllerNotifications();

// The settings component's choices.
enum TRzPathType { ptIniFile, ptRegistry };
VAMIRE_ENUM_NAMES(TRzPathType, L"ptIniFile", L"ptRegistry")
enum TRzRegKey {
  hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData, hkeyCurrentConfig, hkeyDynData
};
VAMIRE_ENUM_NAMES(TRzRegKey, L"hkeyClassesRoot", L"hkeyCurrentUser", L"hkeyLocalMachine", L"hkeyUsers",
                  L"hkeyPerformanceData", L"hkeyCurrentConfig", L"hkeyDynData")
enum TRzRegAccessItem {
  keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify, keyCreateLink, keyRead, keyWrite,
  keyExecute, keyAllAccess
};
VAMIRE_ENUM_NAMES(TRzRegAccessItem, L"keyQueryValue", L"keySetValue", L"keyCreateSubKey", L"keyEnumerateSubKeys",
                  L"keyNotify", L"keyCreateLink", L"keyRead", L"keyWrite", L"keyExecute", L"keyAllAccess")
using TRzRegAccess = TSet<TRzRegAccessItem, 10>;
enum TRzSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
VAMIRE_ENUM_NAMES(TRzSpecialFolder, L"sfNone", L"sfUserAppDataRoaming", L"sfUserAppDataLocal", L"sfUserDocuments",
                  L"sfProgramData")
enum TRzIniFileEncoding { feDefault, feUTF8, feUnicode };
VAMIRE_ENUM_NAMES(TRzIniFileEncoding, L"feDefault", L"feUTF8", L"feUnicode")

// --- Obsolete properties ------------------------------------------------------------------
// Readers that skip properties older form files carry, for DefineProperties:
//   Filer->DefineProperty(L"ThemeAware", OldPropReader().BooleanReader(), nullptr, false);
class TRzOldPropReader : public TObject {
  VAMIRE_CLASS(TRzOldPropReader, TObject)
 public:
  TRzOldPropReader() = default;
  void ReadOldBooleanProp(TReader* Reader) { Reader->ReadBoolean(); }
  void ReadOldIdentProp(TReader* Reader) { Reader->ReadIdent(); }
  // The value marker of a set, then its element names up to an empty one.
  void ReadOldSetProp(TReader* Reader);
  TReaderProc BooleanReader() { return TReaderProc(this, &TRzOldPropReader::ReadOldBooleanProp); }
  TReaderProc IdentReader() { return TReaderProc(this, &TRzOldPropReader::ReadOldIdentProp); }
  TReaderProc SetReader() { return TReaderProc(this, &TRzOldPropReader::ReadOldSetProp); }
};
// The one reader, for the life of the process.
TRzOldPropReader& OldPropReader();
