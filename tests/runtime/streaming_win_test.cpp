// Form resources embedded at build time and streamed by the form's class
// name; the runtime's font as nested properties.
#include <gtest/gtest.h>

#include "FormText.h"
#include "Graphics.h"
#include "streaming_support.h"

namespace {

class TFontHolder : public TComponent {
  VAMIRE_CLASS(TFontHolder, TComponent)
 public:
  using TComponent::TComponent;
  ~TFontHolder() override { delete FFont; }
  TFont* Font() const { return FFont; }

 private:
  TFont* FFont = new TFont;
};

VAMIRE_PUBLISHED(TFontHolder, Prop(L"Font", &TFontHolder::Font, nullptr))

TEST(StreamingWin, FormStreamsTheResourceNamedAfterItsClass) {
  RegisterTestClasses();
  TTestForm1 form(nullptr);
  ASSERT_TRUE(InitInheritedComponent(&form, TTestControl::StaticClass()));
  EXPECT_EQ(form.Caption(), L"Embedded");
  auto* button = dynamic_cast<TTestControl*>(form.FindComponent(L"Button1"));
  ASSERT_NE(button, nullptr);
  button->OnClick(button);
  EXPECT_EQ(form.Clicks, std::vector<String>{L"Button1"});
  // A class without a resource of its own reads nothing.
  TTestCheck check(nullptr);
  EXPECT_FALSE(InitInheritedComponent(&check, TTestControl::StaticClass()));
}

TEST(StreamingWin, FontStreamsAsNestedProperties) {
  TFontHolder a(nullptr), b(nullptr);
  a.SetName(L"Holder");
  a.Font()->SetName(L"SimSun");
  a.Font()->SetHeight(-12);
  a.Font()->SetStyle({fsBold, fsUnderline});
  a.Font()->SetCharset(GB2312_CHARSET);
  a.Font()->SetColor(clNavy);
  TStringStream s;
  WriteComponentToStream(&s, &a);
  const String text = FormBinaryToText(s.DataString());
  EXPECT_NE(text.find(L"  Font.Charset = GB2312_CHARSET\n  Font.Color = clNavy\n  Font.Height = -12\n"
                      L"  Font.Name = 'SimSun'\n  Font.Style = [fsBold, fsUnderline]\n"),
            String::npos)
      << testing::PrintToString(text);
  s.SetPosition(0);
  ReadComponentFromStream(&s, &b);
  EXPECT_EQ(b.Font()->Name(), L"SimSun");
  EXPECT_EQ(b.Font()->Height(), -12);
  EXPECT_EQ(b.Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(b.Font()->Charset(), GB2312_CHARSET);
  EXPECT_EQ(b.Font()->Color(), clNavy);
}

}  // namespace
