#include "Unit3.h"

#include "CfgIni.h"
#include "ConsoleForms.h"
#include "MainWindow.h"
#include "SysUtils.h"
#include "cxButtons_win.h"
#include "cxCheckBox_win.h"
#include "cxDropDownEdit_combo_win.h"
#include "cxGroupBox_win.h"
#include "cxPC_win.h"
#include "cxRadioGroup_win.h"

VAMIRE_PUBLISHED(TForm3, Handler(L"FormShow", &TForm3::FormShow), Handler(L"Button4Click", &TForm3::Button4Click),
                 Handler(L"Button1Click", &TForm3::Button1Click), Handler(L"CheckBox1Click", &TForm3::CheckBox1Click),
                 Handler(L"CheckBox2Click", &TForm3::CheckBox2Click),
                 Handler(L"CheckBox3Click", &TForm3::CheckBox3Click), Handler(L"BitBtn1Click", &TForm3::BitBtn1Click),
                 Handler(L"ComboBox6Change", &TForm3::ComboBox6Change))

namespace {

const int WiringCellPixels = 18;
const TWiringFamily Families[] = {TWiringFamily::AV, TWiringFamily::VGA, TWiringFamily::DVI};
const wchar_t* const DefaultPause = L"100";

void SizeGrid(TStringGrid* grid, int rows, int columns) {
  grid->SetColCount(columns);
  grid->SetRowCount(rows);
  grid->SetWidth(columns * WiringCellPixels + WiringCellPixels);
  grid->SetHeight(rows * WiringCellPixels + WiringCellPixels);
}

void FillOneToOne(TStringGrid* grid) {
  const int columns = grid->ColCount();
  for (int r = 0; r < grid->RowCount(); ++r)
    for (int c = 0; c < columns; ++c) grid->SetCells(c, r, IntToStr(c + columns * r + 1));
}

}  // namespace

void TForm3::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"GroupBox1", GroupBox1, L"GroupBox2", GroupBox2, L"GroupBox3", GroupBox3, L"GroupBox4",
                     GroupBox4, L"Label1", Label1, L"Label2", Label2, L"Label3", Label3, L"Label4", Label4, L"Label5",
                     Label5, L"Label6", Label6, L"Label7", Label7, L"Label8", Label8, L"Label9", Label9, L"Label10",
                     Label10, L"ComboBox3", ComboBox3, L"ComboBox4", ComboBox4, L"ComboBox5", ComboBox5, L"ComboBox7",
                     ComboBox7, L"ComboBox8", ComboBox8, L"ComboBox6", ComboBox6, L"PageControl1", PageControl1,
                     L"TabSheet1", TabSheet1, L"TabSheet2", TabSheet2, L"TabSheet3", TabSheet3, L"TabSheet4",
                     TabSheet4, L"LabeledEdit1", LabeledEdit1, L"LabeledEdit2", LabeledEdit2, L"LabeledEdit3",
                     LabeledEdit3, L"LabeledEdit6", LabeledEdit6, L"LabeledEdit4", LabeledEdit4, L"LabeledEdit5",
                     LabeledEdit5, L"RadioGroup1", RadioGroup1, L"MaskEdit1", MaskEdit1, L"MaskEdit2", MaskEdit2,
                     L"lbledtVideoIPort", lbledtVideoIPort, L"lbledtVGAIPort", lbledtVGAIPort, L"lbledtDVIIPort",
                     lbledtDVIIPort, L"lbledtHDMIIPort", lbledtHDMIIPort, L"StringGrid1", StringGrid1, L"StringGrid2",
                     StringGrid2, L"StringGrid3", StringGrid3, L"CheckBox1", CheckBox1, L"CheckBox2", CheckBox2,
                     L"CheckBox3", CheckBox3, L"BitBtn1", BitBtn1, L"Button5", Button5, L"Button6", Button6);
}

// --- Settings ------------------------------------------------------------------------------

namespace {

// The brand lists' keys, in the order OK writes them.
struct TBrandKey {
  const wchar_t* Key;
  TcxComboBox* TForm3::*List;
};
const TBrandKey BrandKeys[] = {{L"videomux", &TForm3::ComboBox3},
                               {L"vgamux", &TForm3::ComboBox4},
                               {L"dvimux", &TForm3::ComboBox5},
                               {L"hdmimux", &TForm3::ComboBox7},
                               {L"sdimux", &TForm3::ComboBox8}};

// The stored texts of section "setting" and the edits that hold them: those
// between the brands and the send order, then those after it.
struct TEditKey {
  const wchar_t* Key;
  const wchar_t* Default;
  TCustomEdit* (*Edit)(TForm3&);
};
#define VAMIRE_EDIT(field) [](TForm3& f) -> TCustomEdit* { return f.field; }
const TEditKey TextKeysBeforeOrder[] = {
    {L"mux_out0", L"1", VAMIRE_EDIT(MaskEdit1)},       {L"mux_in0", L"1", VAMIRE_EDIT(MaskEdit2)},
    {L"video_id", L"00", VAMIRE_EDIT(LabeledEdit1)},   {L"vga_id", L"01", VAMIRE_EDIT(LabeledEdit2)},
    {L"DVI_id", L"01", VAMIRE_EDIT(LabeledEdit3)},     {L"HDMI_id", L"01", VAMIRE_EDIT(LabeledEdit6)},
    {L"mux_delay1", L"100", VAMIRE_EDIT(LabeledEdit4)}, {L"mux_delay2", L"100", VAMIRE_EDIT(LabeledEdit5)},
};
const TEditKey TextKeysAfterOrder[] = {
    {L"video_inport", L"255", VAMIRE_EDIT(lbledtVideoIPort)},
    {L"vga_inport", L"255", VAMIRE_EDIT(lbledtVGAIPort)},
    {L"dvi_inport", L"255", VAMIRE_EDIT(lbledtDVIIPort)},
    {L"hdmi_inport", L"255", VAMIRE_EDIT(lbledtHDMIIPort)},
};
#undef VAMIRE_EDIT

const wchar_t* const Setting = L"setting";

}  // namespace

void TForm3::LoadSettings(ISettingsStore& store, int rows, int columns) {
  for (const TBrandKey& b : BrandKeys) (this->*b.List)->SetItemIndex(ReadSettingInteger(store, Setting, b.Key, 0));
  for (const TEditKey& k : TextKeysBeforeOrder) k.Edit(*this)->SetText(store.ReadString(Setting, k.Key, k.Default));
  RadioGroup1->SetItemIndex(ReadSettingInteger(store, Setting, L"comm_send_cfg", 0));
  for (const TEditKey& k : TextKeysAfterOrder) k.Edit(*this)->SetText(store.ReadString(Setting, k.Key, k.Default));
  // Ticking a box from code refills its grid one-to-one, so the boxes come
  // before the grids' stored cells.
  for (TWiringFamily family : Families) WiringBox(family)->SetChecked(ReadWiringManual(store, family));
  for (TWiringFamily family : Families) {
    TStringGrid* grid = WiringGrid(family);
    SizeGrid(grid, rows, columns);
    const std::vector<std::vector<String>> cells = ReadWiringGrid(store, family, columns, rows);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < columns; ++c) grid->SetCells(c, r, cells[size_t(r)][size_t(c)]);
  }
}

void TForm3::StoreSettings(ISettingsStore& store) {
  for (const TBrandKey& b : BrandKeys) WriteSettingInteger(store, Setting, b.Key, (this->*b.List)->ItemIndex());
  for (const TEditKey& k : TextKeysBeforeOrder) store.WriteString(Setting, k.Key, k.Edit(*this)->Text());
  WriteSettingInteger(store, Setting, L"comm_send_cfg", RadioGroup1->ItemIndex());
  for (const TEditKey& k : TextKeysAfterOrder) store.WriteString(Setting, k.Key, k.Edit(*this)->Text());
  IMainWindow* main = MainWindow();
  String brand;
  if (main && BrandForSignalType(main->SignalTypeIndex(), brand)) main->SetChannelBrandLabel(brand);
  for (TWiringFamily family : Families) {
    if (!WiringManual(family)) continue;
    TStringGrid* grid = WiringGrid(family);
    const int columns = grid->ColCount();
    for (int r = 0; r < grid->RowCount(); ++r)
      for (int c = 0; c < columns; ++c)
        store.WriteString(WiringSection(family), IntToStr(c + columns * r), grid->Cells(c, r));
  }
  for (TWiringFamily family : Families) WriteWiringManual(store, family, WiringManual(family));
}

// --- What the rest of the console reads -----------------------------------------------------

int TForm3::SendOrder() { return RadioGroup1->ItemIndex(); }
String TForm3::ResponsePause() { return LabeledEdit4->Text(); }
String TForm3::IntervalPause() { return LabeledEdit5->Text(); }
bool TForm3::WiringManual(TWiringFamily family) { return WiringBox(family)->Checked(); }

String TForm3::WiringCell(TWiringFamily family, int column, int row) {
  TStringGrid* grid = WiringGrid(family);
  if (column < 0 || row < 0 || column >= grid->ColCount() || row >= grid->RowCount()) return L"";
  return grid->Cells(column, row);
}

TStringGrid* TForm3::WiringGrid(TWiringFamily family) {
  switch (family) {
    case TWiringFamily::AV: return StringGrid1;
    case TWiringFamily::VGA: return StringGrid2;
    case TWiringFamily::DVI: return StringGrid3;
  }
  return StringGrid1;
}

TcxCheckBox* TForm3::WiringBox(TWiringFamily family) {
  switch (family) {
    case TWiringFamily::AV: return CheckBox1;
    case TWiringFamily::VGA: return CheckBox2;
    case TWiringFamily::DVI: return CheckBox3;
  }
  return CheckBox1;
}

void TForm3::ReadMatrixSettings(TMatrixSettings& s) {
  s.VideoBrandIndex = ComboBox3->ItemIndex();
  s.VideoBrandText = ComboBox3->Text();
  s.VgaBrandIndex = ComboBox4->ItemIndex();
  s.VgaBrandText = ComboBox4->Text();
  s.DviBrandIndex = ComboBox5->ItemIndex();
  s.DviBrandText = ComboBox5->Text();
  s.HdmiBrandIndex = ComboBox7->ItemIndex();
  s.HdmiBrandText = ComboBox7->Text();
  s.VideoId = LabeledEdit1->Text();
  s.VgaId = LabeledEdit2->Text();
  s.DviId = LabeledEdit3->Text();
  s.HdmiId = LabeledEdit6->Text();
  s.OutputBasePort = MaskEdit1->Text();
  s.InputBasePort = MaskEdit2->Text();
}

void TForm3::ReadLinkageLists(String (&brandTexts)[4], String (&inputCounts)[4]) {
  TcxComboBox* const lists[4] = {ComboBox3, ComboBox4, ComboBox5, ComboBox7};
  TLabeledEdit* const counts[4] = {lbledtVideoIPort, lbledtVGAIPort, lbledtDVIIPort, lbledtHDMIIPort};
  for (int i = 0; i < 4; ++i) {
    brandTexts[i] = lists[i]->Text();
    inputCounts[i] = counts[i]->Text();
  }
}

bool TForm3::BrandForSignalType(int signalTypeIndex, String& brand) {
  switch (signalTypeIndex) {
    case 0: brand = ComboBox3->Text(); return true;
    case 2:
    case 4: brand = ComboBox4->Text(); return true;
    case 3:
    case 5: brand = ComboBox5->Text(); return true;
    default: return false;
  }
}

// --- Handlers --------------------------------------------------------------------------------

void TForm3::FormShow(TObject*) {
  IMainWindow* main = MainWindow();
  if (main && main->Language() == 1) ApplyEnglishTexts();
  if (LabeledEdit5->Text().empty()) LabeledEdit5->SetText(DefaultPause);
  if (LabeledEdit4->Text().empty()) LabeledEdit4->SetText(DefaultPause);
}

void TForm3::Button4Click(TObject*) {
  {
    TCfgIni ini(SettingsFile);
    StoreSettings(ini);
  }
  Close();
}

void TForm3::Button1Click(TObject*) { Close(); }

void TForm3::RefillOneToOne(TWiringFamily family) {
  TStringGrid* grid = WiringGrid(family);
  IMainWindow* main = MainWindow();
  if (main) SizeGrid(grid, main->WallRows(), main->WallColumns());
  FillOneToOne(grid);
}

void TForm3::CheckBox1Click(TObject*) { RefillOneToOne(TWiringFamily::AV); }
void TForm3::CheckBox2Click(TObject*) { RefillOneToOne(TWiringFamily::VGA); }
void TForm3::CheckBox3Click(TObject*) { RefillOneToOne(TWiringFamily::DVI); }

void TForm3::BitBtn1Click(TObject*) {
  for (TWiringFamily family : Families) RefillOneToOne(family);
}

void TForm3::ComboBox6Change(TObject*) {
  const int shown = ComboBox6->ItemIndex();
  for (int i = 0; i < 3; ++i) {
    WiringGrid(Families[i])->SetVisible(i == shown);
    WiringBox(Families[i])->SetVisible(i == shown);
  }
}

void TForm3::ApplyEnglishTexts() {
  SetCaption(L"Matrix Setting");
  const std::pair<TControl*, const wchar_t*> captions[] = {
      {GroupBox1, L"Matrix brand"},
      {GroupBox2, L"Matrix Select"},
      {GroupBox3, L"Additional"},
      {GroupBox4, L"Matrix output to splice connection diagram"},
      {Label1, L"Video Matrix"},
      {Label2, L"VGA Matrix"},
      {Label3, L"DVI Matrix"},
      {Label4, L"HDMI Matrix"},
      {Label5, L"SDI Matrix"},
      {Label6, L"Matrix Type:"},
      {Label7, L"Manual configuration: from the beginning,0 is\r\n empty. Manual configuration must be numeric."},
      {Label8, L"Only for :Samplex Infiova "},
      {Label9, L"Output Base port"},
      {Label10, L"Input Base port"},
      {TabSheet1, L"ID"},
      {TabSheet2, L"The response time"},
      {TabSheet3, L"Address"},
      {TabSheet4, L"Matrix Input Amount"},
      {RadioGroup1, L"Instructions sending sequence"},
      {CheckBox1, L"AV Customer"},
      {CheckBox2, L"VGA Customer"},
      {CheckBox3, L"DVI Customer"},
      {BitBtn1, L"Port Match"},
      {Button5, L"OK"},
      {Button6, L"Close"},
  };
  for (const auto& [control, text] : captions) control->SetCaption(text);
  const std::pair<TLabeledEdit*, const wchar_t*> labels[] = {
      {LabeledEdit1, L"Video Matrix"},       {LabeledEdit2, L"VGA Matrix"},       {LabeledEdit3, L"DVI Matrix"},
      {LabeledEdit6, L"HDMI Matrix"},        {LabeledEdit4, L"The response time"}, {LabeledEdit5, L"Time interval"},
      {lbledtVideoIPort, L"Video Matrix Input"}, {lbledtVGAIPort, L"VGA Matrix Input"},
      {lbledtDVIIPort, L"DVI Matrix Input"}, {lbledtHDMIIPort, L"HDMI Matrix Input"},
  };
  for (const auto& [edit, text] : labels) edit->EditLabel()->SetCaption(text);
  RadioGroup1->Properties()->Items()->Items(0)->SetCaption(L"Screen preferred");
  RadioGroup1->Properties()->Items()->Items(1)->SetCaption(L"Matrix preferred");
}
