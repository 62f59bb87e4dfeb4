#include "Unit12.h"

#include "ConsoleForms.h"
#include "Links.h"
#include "MainWindow.h"
#include "MatrixSend.h"
#include "Sleep.h"
#include "Splice.h"
#include "Streaming.h"
#include "SysUtils.h"
#include "Unit14.h"

VAMIRE_PUBLISHED(TSubPictureForm, Handler(L"FormShow", &TSubPictureForm::FormShow),
                 Handler(L"Label8MouseDown", &TSubPictureForm::Label8MouseDown),
                 Handler(L"Label8MouseMove", &TSubPictureForm::Label8MouseMove),
                 Handler(L"Label8MouseUp", &TSubPictureForm::Label8MouseUp),
                 Handler(L"BitBtn3Click", &TSubPictureForm::BitBtn3Click),
                 Handler(L"BitBtn1Click", &TSubPictureForm::BitBtn1Click),
                 Handler(L"BitBtn2Click", &TSubPictureForm::BitBtn2Click),
                 Handler(L"BitBtn4Click", &TSubPictureForm::BitBtn4Click),
                 Handler(L"ComboBox1Change", &TSubPictureForm::ComboBox1Change),
                 Handler(L"ComboBox3Click", &TSubPictureForm::ComboBox3Click),
                 Handler(L"ComboBox3Change", &TSubPictureForm::ComboBox3Change),
                 Handler(L"BitBtn51Click", &TSubPictureForm::BitBtn51Click))
VAMIRE_PUBLISHED(TForm12, Handler(L"FormClose", &TForm12::FormClose))

namespace {

// The wall's sub-picture commands.
const int CmdOpen = 0xC0, CmdChannel = 0xC1, CmdLeft = 0xC2, CmdTop = 0xC3, CmdWidth = 0xC4, CmdSwap = 0xC5,
          CmdHeight = 0xC6;
// Between the two frames of a finished drag.
const unsigned DragFramePauseMs = 200;
// The linkage list's matrices, and the signal type and the channel window's
// signal item each of them chooses.
const int MatrixVideo = 0, MatrixVga = 1, MatrixDvi = 2;
const int MatrixSignalType[] = {0, 2, 3};
const int MatrixChannelItem[] = {0, 1, 2};
const int MatrixInputCount = 64;

// The preview's margin around its picture, and the gap between the control
// column and the preview.
const int PanelBorder = 1;
const int FormMargin = 8;

const TColor PreviewBackground = TColor(0x3C3C3C);
const TColor PreviewGridLine = TColor(0x8C8C8C);
const TColor RectFill = TColor(0xE6B45A);
const TColor RectEdge = clNavy;

struct TChannel {
  const wchar_t* Text;
  int Code;
};
const TChannel Channels[] = {{L"VIDEO", 0}, {L"RGB", 2}, {L"DVI", 3}, {L"HDMI", 5}};

void FillList(TComboBox* list, std::initializer_list<const wchar_t*> items, int index) {
  list->Items()->Clear();
  for (const wchar_t* item : items) list->Items()->Add(item);
  list->SetItemIndex(index);
}

}  // namespace

String LinkageMatrixBrand(int matrix) {
  IConsoleState* console = LinkConsole();
  if (!console) return String();
  const TMatrixSettings s = console->MatrixSettings();
  switch (matrix) {
    case MatrixVideo: return s.VideoBrandText;
    case MatrixVga: return s.VgaBrandText;
    case MatrixDvi: return s.DviBrandText;
    default: return String();
  }
}

void TSubPictureForm::Loaded() {
  inherited::Loaded();
  BindFormComponents(this, L"Panel1", Panel1, L"Image1", Image1, L"Image2", Image2, L"Label8", Label8, L"GroupBox2",
                     GroupBox2, L"Label1", Label1, L"ComboBox1", ComboBox1, L"BitBtn3", BitBtn3, L"BitBtn1", BitBtn1,
                     L"BitBtn2", BitBtn2, L"BitBtn4", BitBtn4, L"CheckBox1", CheckBox1, L"GroupBox1", GroupBox1,
                     L"Label2", Label2, L"ComboBox3", ComboBox3, L"Label3", Label3, L"ComboBox2", ComboBox2,
                     L"GroupBox3", GroupBox3, L"Label7", Label7, L"CheckBox3", CheckBox3, L"BitBtn51", BitBtn51);
  ComboBox2->Items()->Clear();
  for (int n = 1; n <= MatrixInputCount; ++n) ComboBox2->Items()->Add(IntToStr(n));
  ComboBox2->SetItemIndex(0);
  FRect = StartRect(Kind());
  FLimits = SubLimits(Kind(), Panel1->Width(), Panel1->Height());
  PaintPreview();
}

void TSubPictureForm::FormShow(TObject*) {
  IMainWindow* main = MainWindow();
  Label7->SetCaption(LinkageMatrixBrand(MatrixVideo));
  if (Kind() == TSubPictureKind::Roaming)
    FillList(ComboBox1, {L"VIDEO", L"RGB"}, 0);
  else
    FillList(ComboBox1, {L"VIDEO", L"RGB", L"DVI", L"HDMI"}, 0);
  if (main) {
    const TWallSelection s = main->SpliceView().GridSelection();
    SizePreview(PreviewLayout(Kind(), s.SelBottom - s.SelTop + 1, s.SelRight - s.SelLeft + 1));
    if (main->Language() == 1) ShowEnglishTexts();
  }
}

// The preview and the window around it grow with the selection; the
// control column stays where it is.
void TSubPictureForm::SizePreview(const TPreviewLayout& layout) {
  Image1->SetBounds(PanelBorder, PanelBorder, layout.ImageWidth, layout.ImageHeight);
  Label8->SetBounds(PanelBorder, PanelBorder, layout.ImageWidth, layout.ImageHeight);
  Panel1->SetBounds(Panel1->Left(), Panel1->Top(), layout.ImageWidth + 2 * PanelBorder,
                    layout.ImageHeight + 2 * PanelBorder);
  SetClientWidth(Panel1->Left() + Panel1->Width() + FormMargin);
  SetClientHeight(std::max(GroupBox1->Top() + GroupBox1->Height(), Panel1->Top() + Panel1->Height()) + FormMargin);
  FLimits = SubLimits(Kind(), Panel1->Width(), Panel1->Height());
  PaintPreview();
  SetRect(layout.ResetRect ? StartRect(Kind()) : FRect);
}

// The selection's panels as a grid of 100-pixel cells.
void TSubPictureForm::PaintPreview() {
  TBitmap* bitmap = Image1->Picture()->Bitmap();
  bitmap->SetSize(Image1->Width(), Image1->Height());
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(PreviewBackground);
  canvas->FillRect(TRect{0, 0, bitmap->Width(), bitmap->Height()});
  canvas->Pen()->SetColor(PreviewGridLine);
  for (int x = 100; x < bitmap->Width(); x += 100) {
    canvas->MoveTo(x, 0);
    canvas->LineTo(x, bitmap->Height());
  }
  for (int y = 100; y < bitmap->Height(); y += 100) {
    canvas->MoveTo(0, y);
    canvas->LineTo(bitmap->Width(), y);
  }
  Image1->Invalidate();
}

void TSubPictureForm::SetRect(const TSubRect& rect) {
  const bool resized = rect.Width != FRect.Width || rect.Height != FRect.Height || Image2->Width() != rect.Width;
  FRect = rect;
  Image2->SetBounds(Image1->Left() + rect.Left, Image1->Top() + rect.Top, rect.Width, rect.Height);
  if (!resized) return;
  TBitmap* bitmap = Image2->Picture()->Bitmap();
  bitmap->SetSize(rect.Width, rect.Height);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(RectFill);
  canvas->Pen()->SetColor(RectEdge);
  canvas->Rectangle(0, 0, rect.Width, rect.Height);
  Image2->Invalidate();
}

void TSubPictureForm::ShowEnglishTexts() {
  SetCaption(L"Sprites roaming");
  Label1->SetCaption(L"Signal Type");
  BitBtn3->SetCaption(L"Channel");
  BitBtn1->SetCaption(L"Open Sprite");
  BitBtn2->SetCaption(L"Close Sprite");
  CheckBox1->SetCaption(L"H.V. Same Scale");
  Label2->SetCaption(L"Matrix Type");
  const int matrix = ComboBox3->ItemIndex();
  FillList(ComboBox3, {L"VIDEO Matrix", L"VGA Matrix", L"DVI Matrix"}, matrix);
  Label3->SetCaption(L"Matrix Input");
  GroupBox3->SetCaption(L"Matrix Model");
  CheckBox3->SetCaption(L"Matrix linkage");
  BitBtn51->SetCaption(L"Run");
}

void TSubPictureForm::Label8MouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  if (Button == mbLeft) {
    FDrag.Press(TSubDragMode::Move, X, Y, FRect);
    Label8->SetCursor(crDrag);
  } else if (Button == mbRight) {
    FDrag.Press(TSubDragMode::Resize, X, Y, FRect);
    Label8->SetCursor(crSizeNWSE);
  }
}

void TSubPictureForm::Label8MouseMove(TObject*, TShiftState, int X, int Y) {
  if (FDrag.Mode() == TSubDragMode::None) return;
  SetRect(FDrag.MoveTo(X, Y, FRect, Kind(), FLimits, CheckBox1->Checked(), Image1->Width(), Image1->Height()));
}

void TSubPictureForm::Label8MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  const TSubDragMode mode = FDrag.Release();
  Label8->SetCursor(crDefault);
  if (mode == TSubDragMode::None) return;
  const bool moved = mode == TSubDragMode::Move;
  const TSubWallValues v = moved ? MoveValues(FRect) : SizeValues(FRect);
  SendWallCommand(moved ? CmdLeft : CmdWidth, v.First);
  SleepMs(DragFramePauseMs);
  SendWallCommand(moved ? CmdTop : CmdHeight, v.Second);
}

void TSubPictureForm::BitBtn3Click(TObject*) {
  if (ComboBox1->ItemIndex() < 0) ComboBox1->SetItemIndex(0);
  const String text = ComboBox1->Text();
  for (const TChannel& c : Channels)
    if (text == c.Text) {
      SendWallCommand(CmdChannel, c.Code);
      return;
    }
}

void TSubPictureForm::BitBtn1Click(TObject*) { SendWallCommand(CmdOpen, 1); }

void TSubPictureForm::BitBtn2Click(TObject*) { SendWallCommand(CmdOpen, 0); }

void TSubPictureForm::BitBtn4Click(TObject*) { SendWallCommand(CmdSwap, 1); }

void TSubPictureForm::ComboBox1Change(TObject*) {
  const String text = ComboBox1->Text();
  if (text == L"V1" || text == L"V2" || text == L"VIDEO")
    ComboBox3->SetItemIndex(MatrixVideo);
  else if (text == L"RGB")
    ComboBox3->SetItemIndex(MatrixVga);
}

void TSubPictureForm::ComboBox3Click(TObject*) { Label7->SetCaption(LinkageMatrixBrand(ComboBox3->ItemIndex())); }

void TSubPictureForm::ComboBox3Change(TObject*) {
  const int matrix = ComboBox3->ItemIndex();
  if (matrix < MatrixVideo || matrix > MatrixDvi) return;
  if (IMainWindow* main = MainWindow()) main->SetSignalType(MatrixSignalType[matrix]);
  if (TForm14* channels = ConsoleForm<TForm14>()) {
    channels->ComboBox4->SetItemIndex(MatrixChannelItem[matrix]);
    channels->UpdateBrandLabel();
  }
}

void TSubPictureForm::BitBtn51Click(TObject*) {
  IMainWindow* main = MainWindow();
  if (!main) return;
  ISpliceWindow& view = main->SpliceView();
  const TWallSelection s = view.GridSelection();
  const String text = ComboBox1->Text();
  for (int row = s.SelTop; row <= s.SelBottom; ++row)
    for (int column = s.SelLeft; column <= s.SelRight; ++column) view.SetCellText(column, row, text);
  if (!CheckBox3->Checked()) return;
  // Every panel takes the interval pause once per matrix type; only the
  // chosen type's step routes.
  const TWiringFamily families[] = {TWiringFamily::AV, TWiringFamily::VGA, TWiringFamily::DVI};
  const int chosen = ComboBox3->ItemIndex();
  const int input = ComboBox2->ItemIndex() + 1;
  for (int row = s.SelTop; row <= s.SelBottom; ++row)
    for (int column = s.SelLeft; column <= s.SelRight; ++column)
      for (int matrix = MatrixVideo; matrix <= MatrixDvi; ++matrix) {
        PauseFor(view.IntervalPause());
        if (matrix != chosen) continue;
        const int output = WiredOutput(view, families[matrix], column, row);
        if (output >= 0) SwitchMatrix(output, input);
      }
}

void TForm12::FormClose(TObject*, TCloseAction&) { SendWallCommand(CmdOpen, 0); }
