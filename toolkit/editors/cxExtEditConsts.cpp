#include "cxExtEditConsts.h"

const wchar_t* const cxExtEditorsLibraryProductName = L"Toolkit Extended Editors";

#define CX_EXT_EDIT_STRINGS(S) \
  S(scxSEditRepositoryColorComboBoxItem, L"ColorComboBox |Represents a editor with color functionality") \
  S(scxSEditRepositoryFontNameComboBoxItem, L"FontNameComboBox |Represents a editor with font functionality") \
  S(scxSEditRepositoryLabelItem, L"Label|Represents a Label") \
  S(scxSEditRepositoryProgressBarItem, L"ProgressBar|Represents a ProgressBar") \
  S(scxSEditRepositoryTrackBarItem, L"TrackBar|Represents a TrackBar") \
  S(scxSEditRepositorySpinButtonItem, L"SpinButton|Represents a SpinButton") \
  S(scxSEditRepositoryCheckComboBox, L"CheckComboBox|Represents a CheckComboBox") \
  S(scxSEditRepositoryShellComboBoxItem, L"ShellComboBox|Represents a combo box with a dropdown shell tree view") \
  S(scxSEditRepositoryCheckGroupItem, L"CheckGroup|Represents a group of check boxes") \
  S(scxUDAssociated, L" is already associated with ") \
  S(scxHotZoneStyleMediaPlayer9, L"MediaPlayer9") \
  S(scxHotZoneStyleMediaPlayer8, L"MediaPlayer8") \
  S(scxHotZoneStyleXPTaskBar, L"XPTaskBar") \
  S(scxHotZoneStyleSimple, L"Simple") \
  S(scxLoadingFonts, L"Loading ...") \
  S(cxSEditCheckGroupCaptionStateDelimiter, L": ") \
  S(cxSEditCheckGroupFilterColumnSeparator, L"; ") \
  S(cxSEditCheckGroupChecked, L"Checked") \
  S(cxSEditCheckGroupGrayed, L"Grayed") \
  S(cxSEditCheckGroupUnchecked, L"Unchecked") \
  S(cxSCheckComboBoxStatesItemsPropertyDlgCaption, L"cxCheckComboBox - CheckStates editor") \
  S(cxSCheckControlIncorrectItemCount, L"The number of items cannot be greater than 64, if the EditValueFormat is cvfInteger") \
  S(cxSCheckGroupStatesItemsPropertyDlgCaption, L"cxCheckGroup - CheckStates editor") \
  S(cxSCheckComboBoxEmptySelectionText, L"None selected") \
  S(cxSColorComboBoxDefaultDescription, L"Color not selected") \
  S(cxSEditRichEditLibraryError, L"Cannot load a RichEdit library") \
  S(cxSEditRichEditLineInsertionError, L"RichEdit line insertion error") \
  S(cxSEditRichEditLoadFail, L"Failed to Load Stream") \
  S(cxSEditRichEditSaveFail, L"Failed to Save Stream") \
  S(cxSEditRichEditSelectionSaveFail, L"Failed to selection Save Stream") \
  S(cxSEditRichEditOleInterfaceFail, L"RichEdit: failed to get IRichEditOle interface") \
  S(cxSEditRichEditCallBackFail, L"RichEdit: failed to set callback") \
  S(cxSEditRichEditLinkFail, L"RichEdit: cannot link to an invalid source") \
  S(scxSEditRepositoryRichEditItem, L"RichEdit|RichEdit control") \
  S(cxSEditRichEditUndoCaption, L"&Undo") \
  S(cxSEditRichEditRedoCaption, L"&Redo") \
  S(cxSEditRichEditCutCaption, L"Cu&t") \
  S(cxSEditRichEditCopyCaption, L"&Copy") \
  S(cxSEditRichEditPasteCaption, L"&Paste") \
  S(cxSEditRichEditDeleteCaption, L"&Delete") \
  S(cxSEditRichEditSelectAllCaption, L"Select &All")

CX_EXT_EDIT_STRINGS(DX_RESOURCE_STRING)

namespace {

constexpr PResStringRec kStrings[] = {CX_EXT_EDIT_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
static_assert(std::size(kStrings) == cxExtEditConstsCount);
TdxResourceStringsUnit GUnit(cxExtEditorsLibraryProductName, &AddResourceStrings<kStrings>);

constexpr TcxColorNameEntry kColorConstants[] = {
    {L"clBlack", clBlack}, {L"clMaroon", clMaroon}, {L"clGreen", clGreen}, {L"clOlive", clOlive},
    {L"clNavy", clNavy}, {L"clPurple", clPurple}, {L"clTeal", clTeal}, {L"clGray", clGray},
    {L"clSilver", clSilver}, {L"clRed", clRed}, {L"clLime", clLime}, {L"clYellow", clYellow},
    {L"clBlue", clBlue}, {L"clFuchsia", clFuchsia}, {L"clAqua", clAqua}, {L"clWhite", clWhite},
    {L"clMoneyGreen", clMoneyGreen}, {L"clSkyBlue", clSkyBlue}, {L"clCream", clCream}, {L"clMedGray", clMedGray},
    {L"clActiveBorder", clActiveBorder}, {L"clActiveCaption", clActiveCaption},
    {L"clAppWorkSpace", clAppWorkSpace}, {L"clBackground", clBackground}, {L"clBtnFace", clBtnFace},
    {L"clBtnHighlight", clBtnHighlight}, {L"clBtnShadow", clBtnShadow}, {L"clBtnText", clBtnText},
    {L"clCaptionText", clCaptionText}, {L"clDefault", clDefault},
    {L"clGradientActiveCaption", clGradientActiveCaption},
    {L"clGradientInactiveCaption", clGradientInactiveCaption}, {L"clGrayText", clGrayText},
    {L"clHighlight", clHighlight}, {L"clHighlightText", clHighlightText}, {L"clHotLight", clHotLight},
    {L"clInactiveBorder", clInactiveBorder}, {L"clInactiveCaption", clInactiveCaption},
    {L"clInactiveCaptionText", clInactiveCaptionText}, {L"clInfoBk", clInfoBk}, {L"clInfoText", clInfoText},
    {L"clMenu", clMenu}, {L"clMenuBar", clMenuBar}, {L"clMenuHighlight", clMenuHighlight},
    {L"clMenuText", clMenuText}, {L"clNone", clNone}, {L"clScrollBar", clScrollBar},
    {L"cl3DDkShadow", cl3DDkShadow}, {L"cl3DLight", cl3DLight}, {L"clWindow", clWindow},
    {L"clWindowFrame", clWindowFrame}, {L"clWindowText", clWindowText}};

// Colours are TColor numbers: blue in the high byte, red in the low one.
constexpr TcxColorNameEntry kHTML4[] = {
    {L"Black", 0x000000}, {L"Silver", 0xC0C0C0}, {L"Gray", 0x808080}, {L"White", 0xFFFFFF},
    {L"Maroon", 0x000080}, {L"Red", 0x0000FF}, {L"Purple", 0x800080}, {L"Fuchsia", 0xFF00FF},
    {L"Green", 0x008000}, {L"Lime", 0x00FF00}, {L"Olive", 0x008080}, {L"Yellow", 0x00FFFF},
    {L"Navy", 0x800000}, {L"Blue", 0xFF0000}, {L"Teal", 0x808000}, {L"Aqua", 0xFFFF00}};

constexpr TcxColorNameEntry kX11[] = {
    {L"AliceBlue", 0xFFF8F0}, {L"AntiqueWhite", 0xD7EBFA}, {L"Aqua", 0xFFFF00}, {L"Aquamarine", 0xD4FF7F},
    {L"Azure", 0xFFFFF0}, {L"Beige", 0xDCF5F5}, {L"Bisque", 0xC4E4FF}, {L"Black", 0x000000},
    {L"BlanchedAlmond", 0xCDEBFF}, {L"Blue", 0xFF0000}, {L"BlueViolet", 0xE22B8A}, {L"Brown", 0x2A2AA5},
    {L"BurlyWood", 0x87B8DE}, {L"CadetBlue", 0xA09E5F}, {L"Chartreuse", 0x00FF7F}, {L"Chocolate", 0x1E69D2},
    {L"Coral", 0x507FFF}, {L"CornflowerBlue", 0xED9564}, {L"Cornsilk", 0xDCF8FF}, {L"Crimson", 0x3C14DC},
    {L"Cyan", 0xFFFF00}, {L"DarkBlue", 0x8B0000}, {L"DarkCyan", 0x8B8B00}, {L"DarkGoldenrod", 0x0B86B8},
    {L"DarkGray", 0xA9A9A9}, {L"DarkGreen", 0x006400}, {L"DarkKhaki", 0x6BB7BD}, {L"DarkMagenta", 0x8B008B},
    {L"DarkOliveGreen", 0x2F6B55}, {L"DarkOrange", 0x008CFF}, {L"DarkOrchid", 0xCC3299},
    {L"DarkRed", 0x00008B}, {L"DarkSalmon", 0x7A96E9}, {L"DarkSeaGreen", 0x8FBC8F},
    {L"DarkSlateBlue", 0x8B3D48}, {L"DarkSlateGray", 0x4F4F2F}, {L"DarkTurquoise", 0xD1CE00},
    {L"DarkViolet", 0xD30094}, {L"DeepPink", 0x9314FF}, {L"DeepSkyBlue", 0xFFBF00}, {L"DimGray", 0x696969},
    {L"DodgerBlue", 0xFF901E}, {L"FireBrick", 0x2222B2}, {L"FloralWhite", 0xF0FAFF},
    {L"ForestGreen", 0x228B22}, {L"Fuchsia", 0xFF00FF}, {L"Gainsboro", 0xDCDCDC}, {L"GhostWhite", 0xFFF8F8},
    {L"Gold", 0x00D7FF}, {L"Goldenrod", 0x20A5DA}, {L"Gray", 0x808080}, {L"Green", 0x008000},
    {L"GreenYellow", 0x2FFFAD}, {L"Honeydew", 0xF0FFF0}, {L"HotPink", 0xB469FF}, {L"IndianRed", 0x5C5CCD},
    {L"Indigo", 0x82004B}, {L"Ivory", 0xF0FFFF}, {L"Khaki", 0x8CE6F0}, {L"Lavender", 0xFAE6E6},
    {L"LavenderBlush", 0xF5F0FF}, {L"LawnGreen", 0x00FC7C}, {L"LemonChiffon", 0xCDFAFF},
    {L"LightBlue", 0xE6D8AD}, {L"LightCoral", 0x8080F0}, {L"LightCyan", 0xFFFFE0},
    {L"LightGoldenrodYellow", 0xD2FAFA}, {L"LightGreen", 0x90EE90}, {L"LightGrey", 0xD3D3D3},
    {L"LightPink", 0xC1B6FF}, {L"LightSalmon", 0x7AA0FF}, {L"LightSeaGreen", 0xAAB220},
    {L"LightSkyBlue", 0xFACE87}, {L"LightSlateGray", 0x998877}, {L"LightSteelBlue", 0xDEC4B0},
    {L"LightYellow", 0xE0FFFF}, {L"Lime", 0x00FF00}, {L"LimeGreen", 0x32CD32}, {L"Linen", 0xE6F0FA},
    {L"Magenta", 0xFF00FF}, {L"Maroon", 0x000080}, {L"MediumAquamarine", 0xAACD66}, {L"MediumBlue", 0xCD0000},
    {L"MediumOrchid", 0xD355BA}, {L"MediumPurple", 0xDB7093}, {L"MediumSeaGreen", 0x71B33C},
    {L"MediumSlateBlue", 0xEE687B}, {L"MediumSpringGreen", 0x9AFA00}, {L"MediumTurquoise", 0xCCD148},
    {L"MediumVioletRed", 0x8515C7}, {L"MidnightBlue", 0x701919}, {L"MintCream", 0xFAFFF5},
    {L"MistyRose", 0xE1E4FF}, {L"Moccasin", 0xB5E4FF}, {L"NavajoWhite", 0xADDEFF}, {L"Navy", 0x800000},
    {L"OldLace", 0xE6F5FD}, {L"Olive", 0x008080}, {L"OliveDrab", 0x238E6B}, {L"Orange", 0x00A5FF},
    {L"OrangeRed", 0x0045FF}, {L"Orchid", 0xD670DA}, {L"PaleGoldenrod", 0xAAE8EE}, {L"PaleGreen", 0x98FB98},
    {L"PaleTurquoise", 0xEEEEAF}, {L"PaleVioletRed", 0x9370DB}, {L"PapayaWhip", 0xD5EFFF},
    {L"PeachPuff", 0xB9DAFF}, {L"Peru", 0x3F85CD}, {L"Pink", 0xCBC0FF}, {L"Plum", 0xDDA0DD},
    {L"PowderBlue", 0xE6E0B0}, {L"Purple", 0x800080}, {L"Red", 0x0000FF}, {L"RosyBrown", 0x8F8FBC},
    {L"RoyalBlue", 0xE16941}, {L"SaddleBrown", 0x13458B}, {L"Salmon", 0x7280FA}, {L"SandyBrown", 0x60A4F4},
    {L"SeaGreen", 0x578B2E}, {L"Seashell", 0xEEF5FF}, {L"Sienna", 0x2D52A0}, {L"Silver", 0xC0C0C0},
    {L"SkyBlue", 0xEBCE87}, {L"SlateBlue", 0xCD5A6A}, {L"SlateGray", 0x908070}, {L"Snow", 0xFAFAFF},
    {L"SpringGreen", 0x7FFF00}, {L"SteelBlue", 0xB48246}, {L"Tan", 0x8CB4D2}, {L"Teal", 0x808000},
    {L"Thistle", 0xD8BFD8}, {L"Tomato", 0x4763FF}, {L"Turquoise", 0xD0E040}, {L"Violet", 0xEE82EE},
    {L"Wheat", 0xB3DEF5}, {L"White", 0xFFFFFF}, {L"WhiteSmoke", 0xF5F5F5}, {L"Yellow", 0x00FFFF},
    {L"YellowGreen", 0x32CD9A},};

constexpr TcxColorNameEntry kX11Ordered[] = {
    {L"LightPink", 0xC1B6FF}, {L"Pink", 0xCBC0FF}, {L"Crimson", 0x3C14DC}, {L"LavenderBlush", 0xF5F0FF},
    {L"PaleVioletRed", 0x9370DB}, {L"HotPink", 0xB469FF}, {L"DeepPink", 0x9314FF},
    {L"MediumVioletRed", 0x8515C7}, {L"Orchid", 0xD670DA}, {L"Thistle", 0xD8BFD8}, {L"Plum", 0xDDA0DD},
    {L"Violet", 0xEE82EE}, {L"Magenta", 0xFF00FF}, {L"Fuchsia", 0xFF00FF}, {L"DarkMagenta", 0x8B008B},
    {L"Purple", 0x800080}, {L"MediumOrchid", 0xD355BA}, {L"DarkViolet", 0xD30094}, {L"DarkOrchid", 0xCC3299},
    {L"Indigo", 0x82004B}, {L"BlueViolet", 0xE22B8A}, {L"MediumPurple", 0xDB7093},
    {L"MediumSlateBlue", 0xEE687B}, {L"SlateBlue", 0xCD5A6A}, {L"DarkSlateBlue", 0x8B3D48},
    {L"Lavender", 0xFAE6E6}, {L"GhostWhite", 0xFFF8F8}, {L"Blue", 0xFF0000}, {L"MediumBlue", 0xCD0000},
    {L"MidnightBlue", 0x701919}, {L"DarkBlue", 0x8B0000}, {L"Navy", 0x800000}, {L"RoyalBlue", 0xE16941},
    {L"CornflowerBlue", 0xED9564}, {L"LightSteelBlue", 0xDEC4B0}, {L"LightSlateGray", 0x998877},
    {L"SlateGray", 0x908070}, {L"DodgerBlue", 0xFF901E}, {L"AliceBlue", 0xFFF8F0}, {L"SteelBlue", 0xB48246},
    {L"LightSkyBlue", 0xFACE87}, {L"SkyBlue", 0xEBCE87}, {L"DeepSkyBlue", 0xFFBF00}, {L"LightBlue", 0xE6D8AD},
    {L"PowderBlue", 0xE6E0B0}, {L"CadetBlue", 0xA09E5F}, {L"Azure", 0xFFFFF0}, {L"LightCyan", 0xFFFFE0},
    {L"PaleTurquoise", 0xEEEEAF}, {L"Cyan", 0xFFFF00}, {L"Aqua", 0xFFFF00}, {L"DarkTurquoise", 0xD1CE00},
    {L"DarkSlateGray", 0x4F4F2F}, {L"DarkCyan", 0x8B8B00}, {L"Teal", 0x808000},
    {L"MediumTurquoise", 0xCCD148}, {L"LightSeaGreen", 0xAAB220}, {L"Turquoise", 0xD0E040},
    {L"Aquamarine", 0xD4FF7F}, {L"MediumAquamarine", 0xAACD66}, {L"MediumSpringGreen", 0x9AFA00},
    {L"MintCream", 0xFAFFF5}, {L"SpringGreen", 0x7FFF00}, {L"MediumSeaGreen", 0x71B33C},
    {L"SeaGreen", 0x578B2E}, {L"Honeydew", 0xF0FFF0}, {L"LightGreen", 0x90EE90}, {L"PaleGreen", 0x98FB98},
    {L"DarkSeaGreen", 0x8FBC8F}, {L"LimeGreen", 0x32CD32}, {L"Lime", 0x00FF00}, {L"ForestGreen", 0x228B22},
    {L"Green", 0x008000}, {L"DarkGreen", 0x006400}, {L"Chartreuse", 0x00FF7F}, {L"LawnGreen", 0x00FC7C},
    {L"GreenYellow", 0x2FFFAD}, {L"DarkOliveGreen", 0x2F6B55}, {L"YellowGreen", 0x32CD9A},
    {L"OliveDrab", 0x238E6B}, {L"Beige", 0xDCF5F5}, {L"LightGoldenrodYellow", 0xD2FAFA}, {L"Ivory", 0xF0FFFF},
    {L"LightYellow", 0xE0FFFF}, {L"Yellow", 0x00FFFF}, {L"Olive", 0x008080}, {L"DarkKhaki", 0x6BB7BD},
    {L"LemonChiffon", 0xCDFAFF}, {L"PaleGoldenrod", 0xAAE8EE}, {L"Khaki", 0x8CE6F0}, {L"Gold", 0x00D7FF},
    {L"Cornsilk", 0xDCF8FF}, {L"Goldenrod", 0x20A5DA}, {L"DarkGoldenrod", 0x0B86B8},
    {L"FloralWhite", 0xF0FAFF}, {L"OldLace", 0xE6F5FD}, {L"Wheat", 0xB3DEF5}, {L"Moccasin", 0xB5E4FF},
    {L"Orange", 0x00A5FF}, {L"PapayaWhip", 0xD5EFFF}, {L"BlanchedAlmond", 0xCDEBFF},
    {L"NavajoWhite", 0xADDEFF}, {L"AntiqueWhite", 0xD7EBFA}, {L"Tan", 0x8CB4D2}, {L"BurlyWood", 0x87B8DE},
    {L"Bisque", 0xC4E4FF}, {L"DarkOrange", 0x008CFF}, {L"Linen", 0xE6F0FA}, {L"Peru", 0x3F85CD},
    {L"PeachPuff", 0xB9DAFF}, {L"SandyBrown", 0x60A4F4}, {L"Chocolate", 0x1E69D2}, {L"SaddleBrown", 0x13458B},
    {L"Seashell", 0xEEF5FF}, {L"Sienna", 0x2D52A0}, {L"LightSalmon", 0x7AA0FF}, {L"Coral", 0x507FFF},
    {L"OrangeRed", 0x0045FF}, {L"DarkSalmon", 0x7A96E9}, {L"Tomato", 0x4763FF}, {L"MistyRose", 0xE1E4FF},
    {L"Salmon", 0x7280FA}, {L"Snow", 0xFAFAFF}, {L"LightCoral", 0x8080F0}, {L"RosyBrown", 0x8F8FBC},
    {L"IndianRed", 0x5C5CCD}, {L"Red", 0x0000FF}, {L"Brown", 0x2A2AA5}, {L"FireBrick", 0x2222B2},
    {L"DarkRed", 0x00008B}, {L"Maroon", 0x000080}, {L"White", 0xFFFFFF}, {L"WhiteSmoke", 0xF5F5F5},
    {L"Gainsboro", 0xDCDCDC}, {L"LightGrey", 0xD3D3D3}, {L"Silver", 0xC0C0C0}, {L"DarkGray", 0xA9A9A9},
    {L"Gray", 0x808080}, {L"DimGray", 0x696969}, {L"Black", 0x000000},};

static_assert(std::size(kColorConstants) == 52 && std::size(kHTML4) == 16 && std::size(kX11) == 140 &&
              std::size(kX11Ordered) == 140);

}  // namespace

const PResStringRec* cxExtEditConstsFiled() { return kStrings; }

std::span<const TcxColorNameEntry> cxColorConstantNames() { return kColorConstants; }
std::span<const TcxColorNameEntry> cxHTML4ColorNames() { return kHTML4; }
std::span<const TcxColorNameEntry> cxX11ColorNames() { return kX11; }
std::span<const TcxColorNameEntry> cxX11OrderedColorNames() { return kX11Ordered; }

// The tables are constant data: the unit's end has nothing of them to free.
void cxExtEditConsts_Initialize() { GUnit.Start(); }

void cxExtEditConsts_Finalize() { GUnit.End(); }

const TUnitEntry cxExtEditConstsUnit{L"cxExtEditConsts", &cxExtEditConsts_Initialize, &cxExtEditConsts_Finalize};
