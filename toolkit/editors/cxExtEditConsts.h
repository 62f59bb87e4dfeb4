// The extended editors' texts (label, track bar, colour and font-name combo
// boxes and their relatives), filed under their own product in the toolkit's
// resource-string repository, and the colour-name tables the colour combo box
// lists.
#pragma once

#include <span>

#include "GraphicsColors.h"
#include "Units.h"
#include "dxCore.h"

// The product the extended editors' strings are filed under.
extern const wchar_t* const cxExtEditorsLibraryProductName;

// The texts, in the order they are filed.
extern const TResStringRec scxSEditRepositoryColorComboBoxItem;
extern const TResStringRec scxSEditRepositoryFontNameComboBoxItem;
extern const TResStringRec scxSEditRepositoryLabelItem;
extern const TResStringRec scxSEditRepositoryProgressBarItem;
extern const TResStringRec scxSEditRepositoryTrackBarItem;
extern const TResStringRec scxSEditRepositorySpinButtonItem;
extern const TResStringRec scxSEditRepositoryCheckComboBox;
extern const TResStringRec scxSEditRepositoryShellComboBoxItem;
extern const TResStringRec scxSEditRepositoryCheckGroupItem;
extern const TResStringRec scxUDAssociated;
extern const TResStringRec scxHotZoneStyleMediaPlayer9;
extern const TResStringRec scxHotZoneStyleMediaPlayer8;
extern const TResStringRec scxHotZoneStyleXPTaskBar;
extern const TResStringRec scxHotZoneStyleSimple;
extern const TResStringRec scxLoadingFonts;
extern const TResStringRec cxSEditCheckGroupCaptionStateDelimiter;
extern const TResStringRec cxSEditCheckGroupFilterColumnSeparator;
extern const TResStringRec cxSEditCheckGroupChecked;
extern const TResStringRec cxSEditCheckGroupGrayed;
extern const TResStringRec cxSEditCheckGroupUnchecked;
extern const TResStringRec cxSCheckComboBoxStatesItemsPropertyDlgCaption;
extern const TResStringRec cxSCheckControlIncorrectItemCount;
extern const TResStringRec cxSCheckGroupStatesItemsPropertyDlgCaption;
extern const TResStringRec cxSCheckComboBoxEmptySelectionText;
extern const TResStringRec cxSColorComboBoxDefaultDescription;
extern const TResStringRec cxSEditRichEditLibraryError;
extern const TResStringRec cxSEditRichEditLineInsertionError;
extern const TResStringRec cxSEditRichEditLoadFail;
extern const TResStringRec cxSEditRichEditSaveFail;
extern const TResStringRec cxSEditRichEditSelectionSaveFail;
extern const TResStringRec cxSEditRichEditOleInterfaceFail;
extern const TResStringRec cxSEditRichEditCallBackFail;
extern const TResStringRec cxSEditRichEditLinkFail;
extern const TResStringRec scxSEditRepositoryRichEditItem;
extern const TResStringRec cxSEditRichEditUndoCaption;
extern const TResStringRec cxSEditRichEditRedoCaption;
extern const TResStringRec cxSEditRichEditCutCaption;
extern const TResStringRec cxSEditRichEditCopyCaption;
extern const TResStringRec cxSEditRichEditPasteCaption;
extern const TResStringRec cxSEditRichEditDeleteCaption;
extern const TResStringRec cxSEditRichEditSelectAllCaption;
// How many strings the product files.
constexpr int cxExtEditConstsCount = 41;

// The records in the order they are filed (cxExtEditConstsCount of them).
const PResStringRec* cxExtEditConstsFiled();

// One named colour of a table.
struct TcxColorNameEntry {
  const wchar_t* Name;
  TColor Color;
};

// The component library's colour constants (52): the basic and extra colours,
// then the system and special colours.
std::span<const TcxColorNameEntry> cxColorConstantNames();
// The 16 basic colour names of HTML 4, in that standard's order.
std::span<const TcxColorNameEntry> cxHTML4ColorNames();
// The 140 X11 colours alphabetically ("LightGrey" with an e; Aqua and Cyan,
// Fuchsia and Magenta share a colour).
std::span<const TcxColorNameEntry> cxX11ColorNames();
// The same 140 ordered by hue, pinks first and greys last.
std::span<const TcxColorNameEntry> cxX11OrderedColorNames();

// Unit start files the product (counted: only the first start does); the last
// end removes it.
void cxExtEditConsts_Initialize();
void cxExtEditConsts_Finalize();
extern const TUnitEntry cxExtEditConstsUnit;
