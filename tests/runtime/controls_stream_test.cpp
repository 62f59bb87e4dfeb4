// Controls read from a form: parents from the nesting, published values set
// by name, alignment done once the form is loaded.
#include <gtest/gtest.h>

#include "FormText.h"
#include "Menus.h"
#include "Streams.h"
#include "controls_test_support.h"

using namespace controls_test;

namespace {

TEST(ControlStreamTest, AFormSetsParentsValuesAndAlignment) {
  RegisterClasses({TMyPanel::StaticClass(), TMyShape::StaticClass(), TPopupMenu::StaticClass()});
  const String form =
      L"object Host: THost\n"
      L"  Left = 0\n"
      L"  Top = 0\n"
      L"  Width = 300\n"
      L"  Height = 200\n"
      L"  object Menu1: TPopupMenu\n"
      L"  end\n"
      L"  object Top1: TMyPanel\n"
      L"    Left = 0\n"
      L"    Top = 0\n"
      L"    Width = 10\n"
      L"    Height = 30\n"
      L"    Align = alTop\n"
      L"    Color = clRed\n"
      L"    Cursor = crHandPoint\n"
      L"    PopupMenu = Menu1\n"
      L"    object Shape1: TMyShape\n"
      L"      Left = 4\n"
      L"      Top = 5\n"
      L"      Width = 6\n"
      L"      Height = 7\n"
      L"      Hint = 'tip'\n"
      L"      Visible = False\n"
      L"      Anchors = [akLeft, akTop, akRight]\n"
      L"    end\n"
      L"  end\n"
      L"  object Client1: TMyPanel\n"
      L"    Left = 0\n"
      L"    Top = 0\n"
      L"    Width = 10\n"
      L"    Height = 10\n"
      L"    Align = alClient\n"
      L"  end\n"
      L"end\n";
  THost host(nullptr);
  TStringStream in(FormTextToBinary(form));
  try {
    ReadComponentFromStream(&in, &host);
  } catch (const Exception& e) {
    FAIL() << e.ClassName() << ": " << e.Message();
  }
  auto* top = dynamic_cast<TMyPanel*>(host.FindComponent(L"Top1"));
  auto* client = dynamic_cast<TMyPanel*>(host.FindComponent(L"Client1"));
  auto* shape = dynamic_cast<TMyShape*>(host.FindComponent(L"Shape1"));
  ASSERT_TRUE(top && client && shape);
  EXPECT_EQ(top->Parent(), &host);
  EXPECT_EQ(shape->Parent(), top);
  EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 300, 30}));
  EXPECT_EQ(client->BoundsRect(), (TRect{0, 30, 300, 200}));
  EXPECT_EQ(top->Color(), clRed);
  EXPECT_FALSE(top->ParentColor());
  EXPECT_EQ(top->Cursor(), crHandPoint);
  EXPECT_EQ(top->PopupMenu(), host.FindComponent(L"Menu1"));
  EXPECT_EQ(shape->BoundsRect(), (TRect{4, 5, 10, 12}));
  EXPECT_FALSE(shape->Visible());
  EXPECT_EQ(shape->Hint(), L"tip");
  EXPECT_EQ(shape->Anchors(), (TAnchors{akLeft, akTop, akRight}));
  EXPECT_EQ(client->Color(), host.Color()) << "an unset colour follows the parent";
}

}  // namespace
