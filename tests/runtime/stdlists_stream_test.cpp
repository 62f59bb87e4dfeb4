// List and combo boxes read from a form: a form stores the index and the text
// before the items, so they are matched up once the whole form is read.
#include <gtest/gtest.h>

#include "FormText.h"
#include "StdCtrls.h"
#include "Streams.h"
#include "controls_test_support.h"

using namespace controls_test;

namespace {

const wchar_t* const kForm =
    L"object Host: THost\n"
    L"  object List1: TListBox\n"
    L"    Left = 8\n"
    L"    Top = 8\n"
    L"    Width = 100\n"
    L"    Height = 80\n"
    L"    ItemHeight = 20\n"
    L"    ItemIndex = 2\n"
    L"    Style = lbOwnerDrawFixed\n"
    L"    Items.Strings = (\n"
    L"      'red'\n"
    L"      'green'\n"
    L"      'blue')\n"
    L"  end\n"
    L"  object Combo1: TComboBox\n"
    L"    Left = 120\n"
    L"    Top = 8\n"
    L"    Width = 100\n"
    L"    Height = 21\n"
    L"    Style = csDropDownList\n"
    L"    ItemIndex = 1\n"
    L"    Text = 'two'\n"
    L"    Items.Strings = (\n"
    L"      'one'\n"
    L"      'two'\n"
    L"      'three')\n"
    L"  end\n"
    L"  object Combo2: TComboBox\n"
    L"    Left = 120\n"
    L"    Top = 40\n"
    L"    Width = 100\n"
    L"    Height = 21\n"
    L"    Style = csDropDownList\n"
    L"    Text = 'three'\n"
    L"    Items.Strings = (\n"
    L"      'one'\n"
    L"      'two'\n"
    L"      'three')\n"
    L"  end\n"
    L"  object Combo3: TComboBox\n"
    L"    Left = 120\n"
    L"    Top = 70\n"
    L"    Width = 100\n"
    L"    Height = 21\n"
    L"    MaxLength = 20\n"
    L"    Text = 'typed'\n"
    L"    Items.Strings = (\n"
    L"      'one')\n"
    L"  end\n"
    L"end\n";

TEST(ListStreamingTest, IndexAndTextReadBeforeTheItemsPickTheRightItem) {
  InitializeUnits({StdListsUnit});
  THost host(nullptr);
  TStringStream stream(FormTextToBinary(kForm));
  ReadComponentFromStream(&stream, &host);

  auto* list = dynamic_cast<TListBox*>(host.FindComponent(L"List1"));
  auto* combo1 = dynamic_cast<TComboBox*>(host.FindComponent(L"Combo1"));
  auto* combo2 = dynamic_cast<TComboBox*>(host.FindComponent(L"Combo2"));
  auto* combo3 = dynamic_cast<TComboBox*>(host.FindComponent(L"Combo3"));
  ASSERT_TRUE(list && combo1 && combo2 && combo3);
  host.Show();

  EXPECT_EQ(list->Items()->CommaText(), L"red,green,blue");
  EXPECT_EQ(list->Style(), lbOwnerDrawFixed);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->ItemRect(1).Top, 20);
  EXPECT_EQ(combo1->ItemIndex(), 1);
  EXPECT_EQ(combo1->Text(), L"two");
  EXPECT_EQ(combo2->ItemIndex(), 2) << "a drop-down list's stored text names its item";
  EXPECT_EQ(combo3->Text(), L"typed");
  EXPECT_EQ(combo3->ItemIndex(), -1);
  EXPECT_EQ(combo3->MaxLength(), 20);

  // Written back, the values that differ from the defaults are there.
  TStringStream out;
  WriteComponentToStream(&out, &host);
  const String text = FormBinaryToText(out.DataString());
  for (const wchar_t* expected : {L"    Style = lbOwnerDrawFixed\n", L"    ItemIndex = 2\n", L"      'green'\n",
                                  L"    Style = csDropDownList\n", L"    MaxLength = 20\n", L"    Text = 'typed'\n"})
    EXPECT_NE(text.find(expected), String::npos) << testing::PrintToString(std::wstring(expected));
}

}  // namespace
