// Panels, images, radio groups, labeled edits, bit and speed buttons and mask
// edits read from a form, as the console's windows are.
#include <gtest/gtest.h>

#include "Buttons.h"
#include "ExtCtrls.h"
#include "FormText.h"
#include "Mask.h"
#include "Streams.h"
#include "SysUtils.h"
#include "extctrls_test_support.h"

using namespace extctrls_test;

namespace {

TEST(ExtCtrlsStreamTest, AFormSetsThePublishedValues) {
  InitializeUnits({StdCtrlsUnit, ExtCtrlsUnit, ButtonsUnit, MaskUnit});
  const String form =
      L"object Host: THost\n"
      L"  Left = 0\n"
      L"  Top = 0\n"
      L"  Width = 400\n"
      L"  Height = 300\n"
      L"  object Panel1: TPanel\n"
      L"    Left = 0\n"
      L"    Top = 0\n"
      L"    Width = 200\n"
      L"    Height = 120\n"
      L"    BevelInner = bvLowered\n"
      L"    BevelWidth = 2\n"
      L"    BorderWidth = 3\n"
      L"    Caption = 'Wall'\n"
      L"    object RadioGroup1: TRadioGroup\n"
      L"      Left = 10\n"
      L"      Top = 10\n"
      L"      Width = 150\n"
      L"      Height = 90\n"
      L"      Caption = 'Fan'\n"
      L"      Columns = 2\n"
      L"      ItemIndex = 2\n"
      L"      Items.Strings = (\n"
      L"        'Open'\n"
      L"        'Close'\n"
      L"        'Auto')\n"
      L"    end\n"
      L"  end\n"
      L"  object BitBtn8: TBitBtn\n"
      L"    Left = 210\n"
      L"    Top = 10\n"
      L"    Width = 80\n"
      L"    Height = 25\n"
      L"    Caption = 'Run'\n"
      L"    Kind = bkOK\n"
      L"    Layout = blGlyphRight\n"
      L"    Margin = 2\n"
      L"  end\n"
      L"  object SpeedButton1: TSpeedButton\n"
      L"    Left = 210\n"
      L"    Top = 40\n"
      L"    GroupIndex = 3\n"
      L"    Down = True\n"
      L"    Flat = True\n"
      L"  end\n"
      L"  object MaskEdit1: TMaskEdit\n"
      L"    Left = 210\n"
      L"    Top = 70\n"
      L"    EditMask = '!90:00;1;_'\n"
      L"    Text = ' 9:30'\n"
      L"  end\n"
      L"  object LabeledEdit1: TLabeledEdit\n"
      L"    Left = 210\n"
      L"    Top = 130\n"
      L"    Width = 100\n"
      L"    Height = 21\n"
      L"    EditLabel.Caption = 'Name'\n"
      L"    LabelPosition = lpLeft\n"
      L"  end\n"
      L"  object Image1: TImage\n"
      L"    Left = 10\n"
      L"    Top = 160\n"
      L"    Stretch = True\n"
      L"    Proportional = True\n"
      L"  end\n"
      L"end\n";
  THost host(nullptr);
  TStringStream in(FormTextToBinary(form));
  try {
    ReadComponentFromStream(&in, &host);
  } catch (const Exception& e) {
    FAIL() << e.ClassName() << ": " << e.Message();
  }
  auto* panel = dynamic_cast<TPanel*>(host.FindComponent(L"Panel1"));
  auto* group = dynamic_cast<TRadioGroup*>(host.FindComponent(L"RadioGroup1"));
  auto* bit = dynamic_cast<TBitBtn*>(host.FindComponent(L"BitBtn8"));
  auto* speed = dynamic_cast<TSpeedButton*>(host.FindComponent(L"SpeedButton1"));
  auto* mask = dynamic_cast<TMaskEdit*>(host.FindComponent(L"MaskEdit1"));
  auto* labeled = dynamic_cast<TLabeledEdit*>(host.FindComponent(L"LabeledEdit1"));
  auto* image = dynamic_cast<TImage*>(host.FindComponent(L"Image1"));
  ASSERT_TRUE(panel && group && bit && speed && mask && labeled && image);
  EXPECT_EQ(panel->BevelInner(), bvLowered);
  EXPECT_EQ(panel->BevelWidth(), 2);
  EXPECT_EQ(panel->BorderWidth(), 3);
  EXPECT_EQ(panel->Caption(), L"Wall");
  EXPECT_EQ(group->Parent(), panel);
  EXPECT_EQ(group->Columns(), 2);
  ASSERT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->ItemIndex(), 2) << "the index read before the items still holds";
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_EQ(bit->Caption(), L"Run") << "a caption from the form stays";
  EXPECT_EQ(bit->Kind(), bkOK);
  EXPECT_EQ(bit->ModalResult(), mrOk);
  EXPECT_EQ(bit->Layout(), blGlyphRight);
  EXPECT_EQ(bit->Margin(), 2);
  EXPECT_TRUE(speed->Down());
  EXPECT_TRUE(speed->Flat());
  EXPECT_EQ(mask->EditText(), L"_9:30");
  EXPECT_EQ(mask->Text(), L" 9:30");
  EXPECT_EQ(labeled->EditLabel()->Caption(), L"Name");
  EXPECT_EQ(labeled->LabelPosition(), lpLeft);
  EXPECT_LT(labeled->EditLabel()->Left() + labeled->EditLabel()->Width(), 210);
  EXPECT_TRUE(image->Stretch());
  EXPECT_TRUE(image->Proportional());

  // Written out and read into a new form, the values come back.
  TMemoryStream out;
  WriteComponentToStream(&out, &host);
  out.SetPosition(0);
  THost copy(nullptr);
  try {
    ReadComponentFromStream(&out, &copy);
  } catch (const Exception& e) {
    FAIL() << "reading back: " << e.ClassName() << ": " << e.Message();
  }
  auto* group2 = dynamic_cast<TRadioGroup*>(copy.FindComponent(L"RadioGroup1"));
  auto* bit2 = dynamic_cast<TBitBtn*>(copy.FindComponent(L"BitBtn8"));
  auto* mask2 = dynamic_cast<TMaskEdit*>(copy.FindComponent(L"MaskEdit1"));
  auto* labeled2 = dynamic_cast<TLabeledEdit*>(copy.FindComponent(L"LabeledEdit1"));
  auto* panel2 = dynamic_cast<TPanel*>(copy.FindComponent(L"Panel1"));
  ASSERT_TRUE(group2 && bit2 && mask2 && labeled2 && panel2);
  EXPECT_EQ(group2->ItemIndex(), 2);
  EXPECT_EQ(group2->Items()->Text(), group->Items()->Text());
  EXPECT_EQ(bit2->Caption(), L"Run");
  EXPECT_EQ(bit2->Kind(), bkOK);
  EXPECT_FALSE(bit2->Glyph()->Empty());
  EXPECT_EQ(mask2->EditMask(), L"!90:00;1;_");
  EXPECT_EQ(mask2->Text(), L" 9:30");
  EXPECT_EQ(labeled2->EditLabel()->Caption(), L"Name");
  EXPECT_EQ(labeled2->EditLabel()->Left(), labeled->EditLabel()->Left());
  EXPECT_EQ(panel2->BevelInner(), bvLowered);
  EXPECT_EQ(panel2->BorderWidth(), 3);
}

// Pictures and glyphs travel inside the form file as "Picture.Data" and
// "Glyph.Data", through the text form too.
TEST(ExtCtrlsStreamTest, PicturesAndGlyphsTravelInTheForm) {
  InitializeUnits({StdCtrlsUnit, ExtCtrlsUnit, ButtonsUnit, MaskUnit});
  auto paint = [](TBitmap* bmp) {
    bmp->SetSize(3, 2);
    bmp->Canvas()->SetPixels(0, 0, clRed);
    bmp->Canvas()->SetPixels(2, 1, clBlue);
    bmp->Canvas()->SetPixels(1, 0, clLime);
  };
  THost host(nullptr);
  auto* image = new TImage(&host);
  image->SetName(L"Image1");
  image->SetParent(&host);
  TBitmap picture;
  paint(&picture);
  image->Picture()->Assign(&picture);
  auto* bit = new TBitBtn(&host);
  bit->SetName(L"BitBtn1");
  bit->SetParent(&host);
  TBitmap glyph;
  paint(&glyph);
  bit->SetGlyph(&glyph);
  auto* empty = new TImage(&host);
  empty->SetName(L"Image2");
  empty->SetParent(&host);

  TMemoryStream out;
  WriteComponentToStream(&out, &host);
  const String text = FormBinaryToText(std::string(static_cast<const char*>(out.Memory()), size_t(out.Size())));
  EXPECT_NE(text.find(L"Picture.Data = {"), String::npos) << UTF8Encode(text);
  EXPECT_NE(text.find(L"Glyph.Data = {"), String::npos) << UTF8Encode(text);
  EXPECT_EQ(text.find(L"Picture.Data", text.find(L"object Image2")), String::npos) << "an empty picture is not written";

  TStringStream in(FormTextToBinary(text));
  THost copy(nullptr);
  try {
    ReadComponentFromStream(&in, &copy);
  } catch (const Exception& e) {
    FAIL() << e.ClassName() << ": " << e.Message();
  }
  auto* image2 = dynamic_cast<TImage*>(copy.FindComponent(L"Image1"));
  auto* bit2 = dynamic_cast<TBitBtn*>(copy.FindComponent(L"BitBtn1"));
  auto* empty2 = dynamic_cast<TImage*>(copy.FindComponent(L"Image2"));
  ASSERT_TRUE(image2 && bit2 && empty2);
  auto* read = dynamic_cast<TBitmap*>(image2->Picture()->Graphic());
  ASSERT_NE(read, nullptr) << "the picture came back as a bitmap";
  ASSERT_EQ(read->Width(), 3);
  ASSERT_EQ(read->Height(), 2);
  EXPECT_EQ(read->Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(read->Canvas()->Pixels(1, 0), clLime);
  EXPECT_EQ(read->Canvas()->Pixels(2, 1), clBlue);
  ASSERT_EQ(bit2->Glyph()->Width(), 3);
  EXPECT_EQ(bit2->Glyph()->Canvas()->Pixels(2, 1), clBlue);
  EXPECT_EQ(empty2->Picture()->Graphic(), nullptr);
}

}  // namespace
