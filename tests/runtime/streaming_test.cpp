// The component stream: text and binary forms, reading into components,
// writing back, defined properties, loading order and damaged data.
#include <gtest/gtest.h>

#include <cmath>

#include "FormText.h"
#include "SysUtils.h"
#include "streaming_support.h"

namespace {

// A form in the canonical text layout, so its round trip must give it back unchanged.
const wchar_t* const kForm =
    L"object Form1: TTestForm1\n"
    L"  Left = 10\n"
    L"  Caption = 'Wall '#20013#25991' ''one'''#13#10'end'\n"
    L"  Align = taLeft\n"
    L"  Options = [toB, toC]\n"
    L"  Color = clRed\n"
    L"  Ratio = 1.25\n"
    L"  Font.Color = clGreen\n"
    L"  Font.Height = -14\n"
    L"  Lines.Strings = (\n"
    L"    'first'\n"
    L"    'second')\n"
    L"  Items = <\n"
    L"    item\n"
    L"      Caption = 'Input'\n"
    L"    end\n"
    L"    item\n"
    L"      Caption = 'Output'\n"
    L"      Width = 120\n"
    L"    end>\n"
    L"  FocusControl = Check1\n"
    L"  Blob = {\n"
    L"    00FF10}\n"
    L"  Tally = 70000\n"
    L"  object Button1: TTestControl\n"
    L"    Caption = 'OK'\n"
    L"    OnClick = Button1Click\n"
    L"    object Check1: TTestCheck\n"
    L"      FocusControl = Button1\n"
    L"      OnClick = CheckClick\n"
    L"      Checked = True\n"
    L"    end\n"
    L"  end\n"
    L"end\n";

class StreamingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    LoadedLog().clear();
  }

  static std::unique_ptr<TTestForm1> Load(const std::string& bytes) {
    auto form = std::make_unique<TTestForm1>(nullptr);
    TStringStream in(bytes);
    ReadComponentFromStream(&in, form.get());
    return form;
  }

  static std::string Save(TComponent* root, TComponent* ancestor = nullptr) {
    TStringStream out;
    TWriter writer(&out);
    writer.WriteDescendent(root, ancestor);
    return out.DataString();
  }

  // The message of the read error that loading `bytes` raises.
  static String ReadErrorOf(const std::string& bytes) {
    try {
      Load(bytes);
    } catch (const EStreamError& e) {
      return e.Message();
    }
    return L"(no error)";
  }
};

TEST_F(StreamingTest, TextBinaryTextRoundTripIsStable) {
  const std::string binary = FormTextToBinary(kForm);
  ASSERT_EQ(binary.substr(0, 4), "TPF0");
  EXPECT_EQ(FormBinaryToText(binary), kForm);
  EXPECT_EQ(FormTextClassName(kForm), L"TTestForm1");
}

TEST_F(StreamingTest, FormReadsItsPropertiesChildrenAndEvents) {
  auto form = Load(FormTextToBinary(kForm));
  EXPECT_EQ(form->Name(), L"Form1");
  EXPECT_EQ(form->Left(), 10);
  EXPECT_EQ(form->Caption(), L"Wall \u4E2D\u6587 'one'\r\nend");
  EXPECT_EQ(form->Align(), taLeft);
  EXPECT_EQ(form->Options(), (TTestOptions{toB, toC}));
  EXPECT_EQ(form->Color(), clRed);
  EXPECT_DOUBLE_EQ(form->Ratio(), 1.25);
  EXPECT_EQ(form->Font()->Color(), clGreen);
  EXPECT_EQ(form->Font()->Height(), -14);
  EXPECT_EQ(form->Font()->Name(), L"Tahoma");
  EXPECT_EQ(form->Lines()->Text(), L"first\r\nsecond\r\n");
  ASSERT_EQ(form->Items()->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(form->Items()->Items(1))->Caption, L"Output");
  EXPECT_EQ(static_cast<TTestItem*>(form->Items()->Items(0))->Width, 64);
  EXPECT_EQ(static_cast<TTestItem*>(form->Items()->Items(1))->Width, 120);
  EXPECT_EQ(form->Blob, (std::vector<uint8_t>{0x00, 0xFF, 0x10}));
  EXPECT_EQ(form->Tally, 70000);

  auto* button = dynamic_cast<TTestControl*>(form->FindComponent(L"Button1"));
  auto* check = dynamic_cast<TTestCheck*>(form->FindComponent(L"Check1"));
  ASSERT_TRUE(button && check);
  EXPECT_EQ(button->Owner(), form.get());
  EXPECT_EQ(check->Owner(), form.get());
  EXPECT_EQ(check->ParentControl, button);
  // References forward and backward are both resolved once the form is read.
  EXPECT_EQ(form->FocusControl(), check);
  EXPECT_EQ(check->FocusControl(), button);

  button->OnClick(button);
  check->SetChecked(false);
  EXPECT_EQ(form->Clicks, (std::vector<String>{L"Button1", L"check:Check1"}));
}

TEST_F(StreamingTest, LoadedRunsOnceForEachInReadOrderAndSettersSeeLoading) {
  auto form = Load(FormTextToBinary(kForm));
  auto* check = static_cast<TTestCheck*>(form->FindComponent(L"Check1"));
  EXPECT_EQ(LoadedLog(), (std::vector<String>{L"Form1", L"Button1", L"Check1"}));
  EXPECT_TRUE(check->SawLoading);
  EXPECT_TRUE(check->Checked());
  // Its click handler was bound before Checked was read, yet did not run.
  EXPECT_TRUE(form->Clicks.empty());
  for (TComponent* c : {static_cast<TComponent*>(form.get()), form->Components(0), form->Components(1)}) {
    EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << c->Name();
    EXPECT_FALSE(c->ComponentState().Contains(csReading)) << c->Name();
  }
}

TEST_F(StreamingTest, BinaryObjectBinaryRoundTrip) {
  const std::string binary = FormTextToBinary(kForm);
  auto form = Load(binary);
  EXPECT_EQ(Save(form.get()), binary);
}

TEST_F(StreamingTest, DefaultsAndStoredPredicatesAreNotWritten) {
  TTestForm1 form(nullptr);
  form.SetName(L"Form1");
  form.SetLeft(-5);  // IsLeftStored says no
  EXPECT_EQ(FormBinaryToText(Save(&form)), L"object Form1: TTestForm1\nend\n");
  form.SetOptions({});
  form.SetColor(0x123456);
  EXPECT_EQ(FormBinaryToText(Save(&form)),
            L"object Form1: TTestForm1\n  Options = []\n  Color = 1193046\nend\n");
}

TEST_F(StreamingTest, DescendentWritesOnlyWhatDiffersFromTheAncestor) {
  const std::string binary = FormTextToBinary(kForm);
  auto ancestor = Load(binary);
  auto form = Load(binary);
  auto* button = static_cast<TTestControl*>(form->FindComponent(L"Button1"));
  button->SetCaption(L"Cancel");
  form->Tally = 3;
  EXPECT_EQ(FormBinaryToText(Save(form.get(), ancestor.get())),
            L"object Form1: TTestForm1\n"
            L"  Tally = 3\n"
            L"  inherited Button1: TTestControl\n"
            L"    Caption = 'Cancel'\n"
            L"    inherited Check1: TTestCheck\n"
            L"    end\n"
            L"  end\n"
            L"end\n");
}

TEST_F(StreamingTest, RootIsCreatedFromTheStreamWhenNoneIsGiven) {
  TStringStream in(FormTextToBinary(kForm));
  TComponent* root = ReadComponentFromStream(&in, nullptr);
  ASSERT_NE(dynamic_cast<TTestForm1*>(root), nullptr);
  EXPECT_EQ(root->ComponentCount(), 2);
  root->Free();
}

TEST_F(StreamingTest, ReadErrorsNameTheComponentAndProperty) {
  struct Case {
    const wchar_t* text;
    const wchar_t* message;
  } cases[] = {
      {L"object Form1: TTestForm1\n  Bogus = 1\nend\n",
       L"Error reading Form1.Bogus: Property Bogus does not exist"},
      {L"object Form1: TTestForm1\n  Font.Bogus = 1\nend\n",
       L"Error reading Form1.Font.Bogus: Property Font.Bogus does not exist"},
      {L"object Form1: TTestForm1\n  object B: TTestControl\n    Align = taMiddle\n  end\nend\n",
       L"Error reading B.Align: Invalid property value"},
      {L"object Form1: TTestForm1\n  Left = 'text'\nend\n", L"Error reading Form1.Left: Invalid property value"},
      {L"object Form1: TTestForm1\n  OnClick = Nowhere\nend\n",
       L"Error reading Form1.OnClick: Method Nowhere not found in TTestForm1"},
      {L"object Form1: TTestForm1\n  FocusControl = Ghost\nend\n",
       L"Error reading Form1.FocusControl: Component Ghost not found"},
      {L"object Form1: TTestForm1\n  object X: TNoSuchClass\n  end\nend\n", L"Class TNoSuchClass not found"},
      {L"object Form1: TTestForm1\n  object X: TTestFont\n  end\nend\n",
       L"Class TTestFont not found"},
  };
  RegisterClass(TTestFont::StaticClass());
  cases[7].message = L"Class TTestFont is not a component class";
  for (const Case& c : cases) EXPECT_EQ(ReadErrorOf(FormTextToBinary(c.text)), c.message) << c.text;
  UnRegisterClass(TTestFont::StaticClass());
  EXPECT_EQ(ReadErrorOf("TPF1"), L"Invalid stream format");
  EXPECT_EQ(ReadErrorOf(""), L"Invalid stream format");
}

TEST_F(StreamingTest, EveryTruncationRaisesAReadError) {
  const std::string binary = FormTextToBinary(kForm);
  for (size_t n = 0; n < binary.size(); ++n) {
    LoadedLog().clear();
    EXPECT_THROW(Load(binary.substr(0, n)), EReadError) << n;
    EXPECT_TRUE(LoadedLog().empty()) << n;  // a failed read runs no Loaded
  }
}

TEST_F(StreamingTest, DamagedLengthsAndBytesNeverCrash) {
  const std::string binary = FormTextToBinary(kForm);
  // The Blob's 4-byte length made huge: refused before anything is allocated.
  const size_t blob = binary.find("Blob") + 4;
  ASSERT_EQ(binary[blob], char(vaBinary));
  std::string damaged = binary;
  damaged.replace(blob + 1, 4, "\xff\xff\xff\x7f");
  EXPECT_EQ(ReadErrorOf(damaged), L"Error reading Form1.Blob: Stream read error");
  // Every byte in turn set to each of a few values: an error or a form, never a crash.
  for (size_t i = 4; i < binary.size(); ++i)
    for (char v : {'\x00', '\x01', '\x0e', '\x7f', '\xf3', '\xff'}) {
      std::string s = binary;
      s[i] = v;
      try {
        Load(s);
      } catch (const Exception&) {
      }
    }
}

TEST_F(StreamingTest, DeepNestingIsRefused) {
  std::string text = "object Form1: TTestForm1\n";
  for (int i = 0; i < MaxFilerDepth + 5; ++i) text += "object C" + std::to_string(i) + ": TTestControl\n";
  for (int i = 0; i < MaxFilerDepth + 6; ++i) text += "end\n";
  EXPECT_THROW(FormTextToBinary(String(text.begin(), text.end())), EParserError);
  // Built directly in binary, past the text parser's own limit.
  TStringStream out;
  TWriter w(&out);
  w.WriteSignature();
  for (int i = 0; i < MaxFilerDepth + 5; ++i) {
    w.WriteStr(i ? L"TTestControl" : L"TTestForm1");
    w.WriteStr(L"C" + std::to_wstring(i));
    w.WriteListEnd();
  }
  EXPECT_EQ(ReadErrorOf(out.DataString()), L"Form data nested too deeply");
}

// A class name's length byte stands where a prefix may: 0xF0 or more would read as one.
TEST_F(StreamingTest, ClassNamesTheHeaderCannotHoldAreRefused) {
  const String longest(MaxClassNameLength, L'T');
  const String form = L"object Form1: TTestForm1\n  object A: " + longest + L"\n  end\nend\n";
  EXPECT_EQ(FormBinaryToText(FormTextToBinary(form)), form);
  try {
    FormTextToBinary(L"object Form1: TTestForm1\n  object A: " + longest + L"T\n  end\nend\n");
    ADD_FAILURE() << "a class name of " << MaxClassNameLength + 1 << " characters was written";
  } catch (const EParserError& e) {
    EXPECT_EQ(e.Message(), L"Line 2: class name too long");
  }
}

TEST_F(StreamingTest, FloatsWithoutFormTextRaiseWhenPrinted) {
  for (double v : {HUGE_VAL, -HUGE_VAL, std::nan("")}) {
    TStringStream out;
    TWriter w(&out);
    w.WriteSignature();
    w.WriteStr(L"TTestForm1");
    w.WriteStr(L"Form1");
    w.WriteStr(L"Ratio");
    w.WriteFloat(v);
    w.WriteListEnd();
    w.WriteListEnd();
    EXPECT_THROW(FormBinaryToText(out.DataString()), EReadError) << v;
  }
}

TEST_F(StreamingTest, TextErrorsGiveTheLine) {
  struct Case {
    const wchar_t* text;
    const wchar_t* message;
  } cases[] = {
      {L"object Form1: TTestForm1\n  Left 10\nend\n", L"Line 2: '=' expected"},
      {L"object Form1: TTestForm1\n  Caption = 'open\nend\n", L"Line 2: unterminated string"},
      {L"object Form1: TTestForm1\n  Blob = {\n  0AB}\nend\n", L"Line 3: odd number of hex digits"},
      {L"thing Form1: TTestForm1\nend\n", L"Line 1: 'object' expected"},
      {L"object Form1: TTestForm1\n  Left = 99999999999999999999\nend\n", L"Line 2: number out of range"},
      // Refused at build time rather than written as a stream the reader rejects or misreads.
      {L"object Form1: TTestForm1\n  Lines.Strings = (\n    'a'\n    Null\n    'b')\nend\n",
       L"Line 4: Null cannot stand in a list"},
      {L"object Form1: TTestForm1\n  Items = <\n    item [4294967296]\n    end>\nend\n",
       L"Line 3: item order out of range"},
      {L"object Form1: TTestForm1\n  object B: TTestControl [-2147483649]\n  end\nend\n",
       L"Line 2: child position out of range"},
      // Beyond what a single or a currency holds: they would print back as no number.
      {L"object Form1: TTestForm1\n  Ratio = 1e39s\nend\n", L"Line 2: number out of range"},
      {L"object Form1: TTestForm1\n  Ratio = -1e15c\nend\n", L"Line 2: number out of range"},
  };
  for (const Case& c : cases) {
    try {
      FormTextToBinary(c.text);
      ADD_FAILURE() << "no error for " << testing::PrintToString(c.text);
    } catch (const EParserError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

TEST_F(StreamingTest, ValuesOfEveryTagConvertBothWays) {
  const wchar_t* const text =
      L"object X: TThing\n"
      L"  A = (\n"
      L"    -128\n"
      L"    -129\n"
      L"    40000\n"
      L"    5000000000\n"
      L"    1.5s\n"
      L"    2.5c\n"
      L"    45000.5d\n"
      L"    -0.1\n"
      L"    1e+300\n"
      L"    nil\n"
      L"    False\n"
      L"    ()\n"
      L"    [])\n"
      L"  B = <>\n"
      L"  C = {}\n"
      L"  E = Null\n"
      L"  D = <\n"
      L"    item [3]\n"
      L"    end>\n"
      L"end\n";
  const std::string binary = FormTextToBinary(text);
  EXPECT_EQ(FormBinaryToText(binary), text);
  // Integers take the smallest tag that holds them.
  EXPECT_NE(binary.find(std::string("\x02\x80\x03\x7f\xff", 5)), std::string::npos);
}

// The text format's #nnn are UTF-16 code units, and so is a wide string in the binary
// form: a character beyond U+FFFF is a surrogate pair in both, on every platform (built
// natively, it was once written as one truncated unit).
TEST_F(StreamingTest, CharactersBeyondTheBasicPlaneRoundTrip) {
  const String emoji = UTF8Decode("\xF0\x9F\x98\x80");  // U+1F600
  const String text = L"object Form1: TTestForm1\n  Caption = 'a" + emoji + L"'\nend\n";
  const std::string binary = FormTextToBinary(text);
  EXPECT_NE(binary.find(std::string("\x12\x03\x00\x00\x00" "a\x00\x3D\xD8\x00\xDE", 11)), std::string::npos);
  EXPECT_EQ(Load(binary)->Caption(), L"a" + emoji);
  const String printed = FormBinaryToText(binary);
  EXPECT_EQ(printed, L"object Form1: TTestForm1\n  Caption = 'a'#55357#56832\nend\n");
  EXPECT_EQ(FormTextToBinary(printed), binary);
}

// A name is printed only when the text parser reads it back as that one name: a crafted
// property name must not turn into two properties, nor a class name into an object.
TEST_F(StreamingTest, BinaryToTextRefusesNamesTheParserWouldReadOtherwise) {
  enum TPlace { ClassName, ObjectName, PropertyName, SetElement, IdentValue };
  struct Case {
    TPlace place;
    const wchar_t* name;
    const wchar_t* message;
  } cases[] = {
      {PropertyName, L"Left = 1\n  Top", L"Invalid name in form data: 'Left = 1'#10'  Top'"},
      {ClassName, L"TTestForm1\n  Left = 3", L"Invalid name in form data: 'TTestForm1'#10'  Left = 3'"},
      {ObjectName, L"1Form", L"Invalid name in form data: '1Form'"},
      {SetElement, L"toB, toC", L"Invalid name in form data: 'toB, toC'"},
      {IdentValue, L"clRed\nend", L"Invalid name in form data: 'clRed'#10'end'"},
  };
  for (const Case& c : cases) {
    TStringStream out;
    TWriter w(&out);
    w.WriteSignature();
    w.WriteStr(c.place == ClassName ? String(c.name) : L"TTestForm1");
    w.WriteStr(c.place == ObjectName ? String(c.name) : L"Form1");
    w.WriteStr(c.place == PropertyName ? String(c.name) : L"Options");
    if (c.place == IdentValue) {
      w.WriteIdent(c.name);
    } else {
      w.WriteValue(vaSet);
      w.WriteStr(c.place == SetElement ? String(c.name) : L"toB");
      w.WriteStr(String());
    }
    w.WriteListEnd();
    w.WriteListEnd();
    try {
      FormBinaryToText(out.DataString());
      ADD_FAILURE() << "printed " << testing::PrintToString(c.name);
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  // The names the parser does read, dotted ones and an unnamed object among them, print.
  EXPECT_EQ(FormBinaryToText(FormTextToBinary(L"object TTestForm1\n  Font.Color = Form1.Red_2\nend\n")),
            L"object TTestForm1\n  Font.Color = Form1.Red_2\nend\n");
}

TEST_F(StreamingTest, ExtendedFloatsMatchTheX87Layout) {
  uint8_t b[10];
  DoubleToExtended(1.0, b);
  const uint8_t one[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  EXPECT_EQ(0, std::memcmp(b, one, 10));
  for (double v : {0.0, -2.5, 1e-300, 3.141592653589793, 1.7976931348623157e308, 4.9e-324}) {
    DoubleToExtended(v, b);
    EXPECT_EQ(ExtendedToDouble(b), v);
  }
  DoubleToExtended(INFINITY, b);
  EXPECT_TRUE(std::isinf(ExtendedToDouble(b)));
}

}  // namespace
