#include "ConsoleForms.h"

#include <vector>

#include "Buttons.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "ExtDlgs.h"
#include "Forms.h"
#include "Grids.h"
#include "ImgList.h"
#include "Mask.h"
#include "Menus.h"
#include "RzCommon_win.h"
#include "RzPanel.h"
#include "RzStatus.h"
#include "SerialComm.h"
#include "Sockets.h"
#include "StdCtrls.h"
#include "SysUtils.h"
#include "Threads.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "Unit10.h"
#include "Unit11.h"
#include "Unit15.h"
#include "Unit16.h"
#include "Unit18.h"
#include "Unit19.h"
#include "Unit20.h"
#include "Unit12.h"
#include "Unit13.h"
#include "Unit14.h"
#include "Unit21.h"
#include "uPlayMode.h"
#include "uSubtitleSettings.h"
#include "uTimingSetting.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxColorComboBox_win.h"
#include "cxClasses.h"
#include "cxContainer_popup_win.h"
#include "cxContainer_win.h"
#include "cxControlsBase_win.h"
#include "cxControls_win.h"
#include "cxDWMApi.h"
#include "cxDataConsts.h"
#include "cxDataStorage.h"
#include "cxDateUtils.h"
#include "cxDrawTextUtils_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxEditPaintUtils_win.h"
#include "cxEdit_win.h"
#include "cxExtEditConsts.h"
#include "cxExtEditUtils.h"
#include "cxFilterConsts.h"
#include "cxFilterControlStrs.h"
#include "cxFormats_win.h"
#include "cxGeometry.h"
#include "cxGroupBox_win.h"
#include "cxGraphics_win.h"
#include "cxLabel_win.h"
#include "cxLibraryStrs.h"
#include "cxLookAndFeelPainters_win.h"
#include "cxLookAndFeels.h"
#include "cxMemo_win.h"
#include "cxPCPainters.h"
#include "cxPCPaintersFactory.h"
#include "cxRadioGroup_win.h"
#include "cxStyles_win.h"
#include "cxTextEdit_win.h"
#include "cxTrackBar_win.h"
#include "dxBarStrs.h"
#include "dxBar_win.h"
#include "dxCore.h"
#include "dxGDIPlusAPI.h"
#include "dxGDIPlusClasses_win.h"
#include "dxOffice11_win.h"
#include "dxSkinBlack.h"
#include "dxSkinBlue.h"
#include "dxSkinFoggy.h"
#include "dxSkinLiquidSky.h"
#include "dxSkinSilver.h"
#include "dxSkinXmas2008Blue.h"
#include "dxSkinsCore_win.h"
#include "dxSkinsDefaultPainters_win.h"
#include "dxSkinsForm_win.h"
#include "dxSkinsdxStatusBarPainter.h"
#include "dxStatusBar_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

// Every window class of the console, one line per window.
std::vector<TClass> ConsoleFormClasses() {
  return {TForm1::StaticClass(), TForm4::StaticClass(), TForm5::StaticClass(), TForm6::StaticClass(), TForm7::StaticClass(), TForm8::StaticClass(),
          TForm16::StaticClass(), TfrmPlayMode::StaticClass(), TForm19::StaticClass(),
          TfrmTimingSetting::StaticClass(),
          TfrmLEDDisplay::StaticClass(),
          TForm18::StaticClass(), TForm2::StaticClass(),
          TForm3::StaticClass(), TForm9::StaticClass(), TForm10::StaticClass(),
          TForm15::StaticClass(), TForm20::StaticClass(),
          TForm12::StaticClass(), Tform13::StaticClass(), TForm14::StaticClass(), TForm21::StaticClass(),
          TForm11::StaticClass(), TfrmSubtitleSettings::StaticClass()};
}

void InitConsoleForms() {
  for (TClass c : ConsoleFormClasses()) RegisterClasses({c});
}

void DoneConsoleForms() {
  for (TClass c : ConsoleFormClasses()) UnRegisterClasses({c});
}

}  // namespace

const TUnitEntry ConsoleFormsUnit = {L"ConsoleForms", &InitConsoleForms, &DoneConsoleForms};

void StartConsoleUnits() {
  // Every unit whose classes the console's form files may hold, in dependency order:
  // the runtime's, the link's, then the toolkit's: the theme units and the GDI+ loader first among those,
  // the look-and-feel after the core: the Office colour set, the settings, the painters and the toolkit's
  // own controls, then the skin core and the built-in skins (both started by the GDI+ loader, the skins
  // filed only when GDI+ is there), then the skinned forms; the panels (which stand on the core alone); the
  // bar library's strings and main unit, which every run starts though the console shows no bar; last the
  // console's own windows.
  InitializeUnits({ThreadsUnit, ImgListUnit, MenusUnit, FormsUnit, StdCtrlsUnit, StdListsUnit, ExtCtrlsUnit,
                   ButtonsUnit, MaskUnit, GridsUnit, DialogsUnit, ExtDlgsUnit, SocketsUnit, SerialCommUnit,
                   dxUxThemeUnit, dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit,
                   dxCoreUnit, cxClassesUnit, cxGeometryUnit, dxGDIPlusClassesUnit, cxGraphicsUnit, cxDataConstsUnit,
                   cxLibraryStrsUnit, cxFilterConstsUnit, cxControlsBaseUnit, cxDrawTextUtilsUnit, cxDataStorageUnit,
                   cxDateUtilsUnit, cxFormatsUnit, dxOffice11Unit, cxLookAndFeelsUnit, cxLookAndFeelPaintersUnit,
                   cxControlsUnit, cxContainerUnit, cxContainerPopupsUnit, cxEditConstsUnit,
                   cxFilterControlStrsUnit, cxEditPaintUtilsUnit, cxEditUnit, cxTextEditUnit, cxDropDownEditUnit,
                   dxSkinsCoreUnit, dxSkinsDefaultPaintersUnit,
                   dxSkinSilverUnit, dxSkinLiquidSkyUnit, dxSkinBlueUnit, dxSkinBlackUnit, dxSkinFoggyUnit,
                   dxSkinXmas2008BlueUnit, dxSkinsFormUnit, cxButtonsUnit, cxExtEditConstsUnit, cxExtEditUtilsUnit,
                   cxCheckBoxUnit, cxGroupBoxUnit, cxRadioGroupUnit, cxTrackBarUnit, cxLabelUnit, cxMemoUnit, cxColorComboBoxUnit,
                   cxPCPaintersFactoryUnit, cxPCUnit, cxPCPaintersUnit,
                   dxStatusBarUnit, dxSkinsdxStatusBarPainterUnit, dxBarStrsUnit, cxStylesUnit, dxBarUnit,
                   RzCommonUnit, RzPanelUnit, RzStatusUnit, ConsoleFormsUnit});
}

const std::vector<String>& ConsoleWindowOrder() {
  static const std::vector<String> order = {
      L"TForm18", L"TForm1",  L"TForm2",  L"TForm3",           L"TForm4",           L"TForm5",
      L"TForm6",  L"TForm7",  L"TForm8",  L"TForm9",           L"TForm10",          L"TForm12",
      L"Tform13", L"TForm14", L"TForm11", L"TForm15",          L"TForm16",          L"TfrmPlayMode",
      L"TfrmTimingSetting",   L"TfrmSubtitleSettings",         L"TfrmLEDDisplay",   L"TForm19",
      L"TForm20", L"TForm21"};
  return order;
}

std::vector<TCustomForm*> CreateConsoleWindows() {
  std::vector<TCustomForm*> made;
  TForm18* splash = nullptr;
  TCustomForm* main = nullptr;
  for (const String& name : ConsoleWindowOrder()) {
    TClass kind = GetClass(name);
    if (!kind) continue;  // not in this program yet
    TCustomForm* form = Application->CreateForm(kind);
    made.push_back(form);
    if (auto* start = dynamic_cast<TForm18*>(form)) splash = start;
    if (name == L"TForm1") main = form;
  }
  if (splash) splash->MainWindowForm = main;
  return made;
}

TComponent* FindFormComponent(TComponent* form, const String& name, TClass expected) {
  TComponent* found = form->FindComponent(name);
  if (!found || !found->InheritsFrom(expected))
    throw EComponentError(form->ClassName() + L"." + name + L": the form file holds no " + expected->ClassName() +
                          L" of that name");
  return found;
}
