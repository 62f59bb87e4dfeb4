// The sub-picture roaming window ("子画面漫游", TForm12) and the base it
// shares with its variant Tform13 (Unit13): a preview of the main grid's
// selection at 100 pixels a panel, a rectangle over it that the left button
// moves and the right one resizes, and the wall commands that place, size,
// open and close the sub-picture. The matrix linkage group routes the
// selected panels' matrix outputs to one input ("切换"). Nothing in the
// console shows these windows; they are made with the others at start.
#pragma once

#include "Buttons.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "StdLists.h"
#include "SubPicture.h"

class TSubPictureForm : public TForm {
  VAMIRE_CLASS(TSubPictureForm, TForm)
 public:
  using TForm::TForm;

  TPanel* Panel1 = nullptr;
  TImage* Image1 = nullptr;  // the preview
  TImage* Image2 = nullptr;  // the sub-picture's rectangle
  TLabel* Label8 = nullptr;  // transparent, over the preview: takes the pointer
  TGroupBox* GroupBox2 = nullptr;
  TLabel* Label1 = nullptr;
  TComboBox* ComboBox1 = nullptr;  // the channel
  TBitBtn* BitBtn3 = nullptr;      // "通道选择"
  TBitBtn* BitBtn1 = nullptr;      // "子画面打开"
  TBitBtn* BitBtn2 = nullptr;      // "子画面关闭"
  TBitBtn* BitBtn4 = nullptr;      // "画面交换", hidden
  TCheckBox* CheckBox1 = nullptr;  // "比例锁定"
  TGroupBox* GroupBox1 = nullptr;
  TLabel* Label2 = nullptr;
  TComboBox* ComboBox3 = nullptr;  // the matrix of the linkage: video, VGA, DVI
  TLabel* Label3 = nullptr;
  TComboBox* ComboBox2 = nullptr;  // the matrix input, "1" ..
  TGroupBox* GroupBox3 = nullptr;
  TLabel* Label7 = nullptr;        // the brand of the chosen matrix
  TCheckBox* CheckBox3 = nullptr;  // "矩阵联动"
  TBitBtn* BitBtn51 = nullptr;     // "切换"

  // The rectangle in preview pixels, from the preview's top-left corner.
  TSubRect Rect() const { return FRect; }
  void SetRect(const TSubRect& rect);
  TSubLimits Limits() const { return FLimits; }

  void FormShow(TObject* Sender);
  void Label8MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Label8MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void Label8MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void BitBtn3Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
  void BitBtn2Click(TObject* Sender);
  void BitBtn4Click(TObject* Sender);
  void ComboBox1Change(TObject* Sender);
  void ComboBox3Click(TObject* Sender);
  void ComboBox3Change(TObject* Sender);
  void BitBtn51Click(TObject* Sender);

 protected:
  virtual TSubPictureKind Kind() const = 0;
  void Loaded() override;

 private:
  void SizePreview(const TPreviewLayout& layout);
  void PaintPreview();
  void ShowEnglishTexts();

  TSubRect FRect;
  TSubLimits FLimits{};
  TSubPictureDrag FDrag;
};

class TForm12 : public TSubPictureForm {
  VAMIRE_CLASS(TForm12, TSubPictureForm)
 public:
  using TSubPictureForm::TSubPictureForm;

  // Switches the sub-picture off.
  void FormClose(TObject* Sender, TCloseAction& Action);

 protected:
  TSubPictureKind Kind() const override { return TSubPictureKind::Roaming; }
};

// The brand shown for a matrix of the linkage list (0 video, 1 VGA, 2 DVI),
// as the matrix configuration chose it; empty without a console.
String LinkageMatrixBrand(int matrix);
