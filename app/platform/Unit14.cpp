#include "Unit14.h"

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "Links.h"
#include "MainWindow.h"
#include "MatrixSend.h"
#include "Sleep.h"
#include "Splice.h"
#include "Streaming.h"
#include "SysUtils.h"
#include "Unit12.h"
#include "WallGrid.h"

VAMIRE_PUBLISHED(TForm14, Handler(L"FormShow", &TForm14::FormShow),
                 Handler(L"ComboBox4Change", &TForm14::ComboBox4Change),
                 Handler(L"CheckBox3Click", &TForm14::CheckBox3Click),
                 Handler(L"BitBtn3Click", &TForm14::BitBtn3Click), Handler(L"BitBtn1Click", &TForm14::BitBtn1Click))

namespace {

// The sub-picture window's linkage matrices.
const int MatrixVideo = 0, MatrixVga = 1, MatrixDvi = 2;
const unsigned PanelFramePauseMs = 50;

void FillNames(TComboBox* list, const std::vector<String>& names) {
  list->Items()->Clear();
  for (const String& name : names) list->Items()->Add(name);
  list->SetItemIndex(names.empty() ? -1 : 0);
}

// The splice's routing by signal type: the wiring family and whether the
// input comes from the video list; false for the types that route nothing.
bool RoutingOf(int signalType, TWiringFamily& family, bool& videoList) {
  videoList = false;
  switch (signalType) {
    case 0: family = TWiringFamily::AV; videoList = true; return true;  // D-24
    case 2:
    case 4: family = TWiringFamily::VGA; return true;
    case 3:
    case 5: family = TWiringFamily::DVI; return true;
    default: return false;
  }
}

}  // namespace

void TForm14::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"Label1", Label1, L"ComboBox4", ComboBox4, L"Label2", Label2, L"ComboBox2", ComboBox2,
                     L"ComboBox8", ComboBox8, L"CheckBox3", CheckBox3, L"GroupBox3", GroupBox3, L"Label7", Label7,
                     L"BitBtn3", BitBtn3, L"BitBtn1", BitBtn1);
}

void TForm14::LoadSettings(ISettingsStore& cfg) {
  CheckBox3->SetChecked(ReadSettingBool(cfg, L"setting", L"MXSQ", false));
}

void TForm14::LoadInputNames(ISettingsStore& names) {
  const TMatrixInputNames read = ReadMatrixInputNames(names);
  FillNames(ComboBox2, read.Video);
  FillNames(ComboBox8, read.Vga);
}

void TForm14::UpdateBrandLabel() {
  IMainWindow* main = MainWindow();
  if (!main) return;
  switch (main->SpliceView().SignalTypeIndex()) {
    case 0: Label7->SetCaption(LinkageMatrixBrand(MatrixVideo)); break;
    case 2:
    case 4: Label7->SetCaption(LinkageMatrixBrand(MatrixVga)); break;
    case 3:
    case 5: Label7->SetCaption(LinkageMatrixBrand(MatrixDvi)); break;
    default: break;
  }
}

void TForm14::FormShow(TObject*) {
  ComboBox4->Items()->Clear();
  for (int i = 0; i < SignalTypeCount; ++i) ComboBox4->Items()->Add(SignalTypeName(i));
  ComboBox4->SetItemIndex(0);
}

void TForm14::ComboBox4Change(TObject*) {
  const int index = std::max(ComboBox4->ItemIndex(), 0);
  if (IMainWindow* main = MainWindow()) main->SetSignalType(index);
  if (TForm12* roaming = ConsoleForm<TForm12>())
    roaming->ComboBox3->SetItemIndex(index == 0 ? MatrixVideo : index == 1 ? MatrixVga : MatrixDvi);
  const bool videoList = index == 0 || index == 6;
  ComboBox2->SetVisible(videoList);
  ComboBox8->SetVisible(!videoList);
  UpdateBrandLabel();
}

void TForm14::CheckBox3Click(TObject*) {
  const bool linked = CheckBox3->Checked();
  ComboBox2->SetEnabled(linked);
  Label2->SetEnabled(linked);
  GroupBox3->SetVisible(linked);
  TCfgIni cfg(SettingsFile);
  WriteSettingBool(cfg, L"setting", L"MXSQ", linked);
  UpdateBrandLabel();
}

void TForm14::BitBtn3Click(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  ISpliceWindow& view = main->SpliceView();
  const int type = view.SignalTypeIndex();
  const bool linked = CheckBox3->Checked();
  TWiringFamily family = TWiringFamily::AV;
  bool videoList = false;
  const bool routes = RoutingOf(type, family, videoList);
  String text = SignalTypeName(type);
  if (linked && routes) text += (videoList ? ComboBox2 : ComboBox8)->Text();
  const TWallSelection s = view.GridSelection();
  for (int column = s.SelLeft; column <= s.SelRight; ++column)
    for (int row = s.SelTop; row <= s.SelBottom; ++row) view.SetCellText(column, row, text);
  SendWallCommand(0x20, type);
  PauseFor(view.ResponsePause());
  if (linked && routes) {
    const int input = (videoList ? ComboBox2 : ComboBox8)->ItemIndex() + 1;
    for (int row = s.SelTop; row <= s.SelBottom; ++row)
      for (int column = s.SelLeft; column <= s.SelRight; ++column) SwitchPanel(view, family, column, row, input);
  }
  Close();
}

void TForm14::BitBtn1Click(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  ISpliceWindow& view = main->SpliceView();
  const int type = view.SignalTypeIndex();
  const TWallSelection s = view.GridSelection();
  bool first = true;
  for (int row = s.SelTop; row <= s.SelBottom; ++row)
    for (int column = s.SelLeft; column <= s.SelRight; ++column) {
      SendWallFrame(BuildPanelCommand(column, row, 0x20, type));
      if (first) Close();
      first = false;
      SleepMs(PanelFramePauseMs);
    }
}
