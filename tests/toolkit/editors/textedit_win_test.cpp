// The text editors' model under Wine: the text properties with their change
// reporting, data-source defaults, bounds, formats, fixed lists and password
// echo; their class object and streaming (an assigned empty display format
// survives a form); and the text view painted on a memory DC in two looks.
#include "FormText.h"
#include "Streams.h"
#include "cxDrawTextUtils_win.h"
#include "cxTextEditLookup_win.h"
#include "textedit_test_support.h"
#include "toolkit/core/graphics_win_test_support.h"

namespace {

using namespace edit_test;
using core_graphics_test::CanvasSurface;
using core_graphics_test::Rgb;

testing::Environment* const units = testing::AddGlobalTestEnvironment(new TTextEditUnits);

std::string Narrow(const String& S) { return std::string(S.begin(), S.end()); }

// A data source with a size, formats and bounds of its own.
class TFieldProvider : public TcxCustomEditDefaultValuesProvider {
 public:
  int DefaultMaxLength() override { return MaxLength; }
  String DefaultDisplayFormat() override { return DisplayFormat; }
  String DefaultEditFormat() override { return EditFormat; }
  bool IsCurrency() override { return Currency; }
  int DefaultPrecision() override { return Precision; }
  double DefaultMinValue() override { return Min; }
  double DefaultMaxValue() override { return Max; }
  int MaxLength = 40;
  String DisplayFormat;
  String EditFormat;
  bool Currency = false;
  int Precision = 15;
  double Min = 0, Max = 0;
};

// A kind with a fixed list, as the combo box's properties are.
class TListTextProperties : public TcxCustomTextEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TListTextProperties, TcxCustomTextEditProperties)
 public:
  explicit TListTextProperties(TPersistent* AOwner) : TcxCustomTextEditProperties(AOwner, StaticClass()) {}
  static TClass GetLookupDataClass() { return TObject::StaticClass(); }
  TcxTextEditingStyle GetEditingStyle() override { return tesPickFromList; }
};

// A numeric kind that publishes its display format, as the spin editor's properties do.
class TNumberTextProperties : public TcxCustomTextEditProperties {
  VAMIRE_TEXT_EDIT_PROPERTIES_CLASS(TNumberTextProperties, TcxCustomTextEditProperties)
 public:
  explicit TNumberTextProperties(TPersistent* AOwner) : TcxCustomTextEditProperties(AOwner, StaticClass()) {}
  bool IsEditValueNumeric() override { return true; }
};
using NP = TNumberTextProperties;
VAMIRE_PUBLISHED(TNumberTextProperties,
                 Prop(L"AssignedValues", &NP::AssignedValues, &NP::SetAssignedValues),
                 Prop(L"DisplayFormat", &NP::DisplayFormat, &NP::SetDisplayFormat).Stored(&NP::IsDisplayFormatStored),
                 Prop(L"MaxLength", &NP::MaxLength, &NP::SetMaxLength).NoDefault().Stored(&NP::IsMaxLengthStored))

// Holds numeric properties in a form.
class TTextHost : public TComponent {
  VAMIRE_CLASS(TTextHost, TComponent)
 public:
  explicit TTextHost(TComponent* AOwner) : TComponent(AOwner), FProperties(new TNumberTextProperties(this)) {}
  ~TTextHost() override { delete FProperties; }
  TNumberTextProperties* Properties() const { return FProperties; }
  void SetProperties(TNumberTextProperties* Value) { FProperties->Assign(Value); }

 private:
  TNumberTextProperties* FProperties;
};
VAMIRE_PUBLISHED(TTextHost, Prop(L"Properties", &TTextHost::Properties, &TTextHost::SetProperties))

// --- Properties -----------------------------------------------------------------------------
TEST(TextEditProperties, MaxLengthNegativeReadsZeroAndAssigned) {
  TcxTextEditProperties p(nullptr);
  TChangeCounter counter;
  counter.Attach(&p);
  TFieldProvider provider;
  p.SetDefaultValuesProvider(&provider);
  EXPECT_EQ(p.MaxLength(), 40) << "not assigned: the data source's size";
  EXPECT_FALSE(p.IsMaxLengthStored());
  p.SetMaxLength(-3);
  EXPECT_EQ(p.MaxLength(), 0);
  EXPECT_TRUE(p.AssignedValues()->MaxLength());
  EXPECT_TRUE(p.IsMaxLengthStored());
  EXPECT_EQ(counter.Count, 1);
  p.SetMaxLength(0);
  EXPECT_EQ(counter.Count, 1) << "assigned and equal: nothing";
  p.SetMaxLength(12);
  EXPECT_EQ(p.MaxLength(), 12);
  EXPECT_EQ(counter.Count, 2);
  p.AssignedValues()->SetMaxLength(false);
  EXPECT_EQ(p.MaxLength(), 40);
  EXPECT_EQ(counter.Count, 3) << "the flag reports through MaxLengthChanged";
  p.SetDefaultValuesProvider(nullptr);
  EXPECT_EQ(p.MaxLength(), 0);
}

TEST(TextEditProperties, SettersReportOnceAndEqualValuesNothing) {
  TcxTextEditProperties p(nullptr);
  TChangeCounter counter;
  counter.Attach(&p);
  p.SetCharCase(ecUpperCase);
  p.SetEchoMode(eemPassword);
  p.SetPasswordChar(L'#');
  p.SetHideSelection(false);
  p.SetImeMode(imClose);
  p.SetImeName(L"pinyin");
  p.SetIncrementalSearch(false);
  p.SetOEMConvert(true);
  p.SetUseDisplayFormatWhenEditing(true);
  p.SetNoTextEditing(true);
  p.SetDisplayFormat(L"0.00");
  p.SetEditFormat(L"0.0");
  EXPECT_EQ(counter.Count, 12);
  p.SetCharCase(ecUpperCase);
  p.SetEchoMode(eemPassword);
  p.SetPasswordChar(L'#');
  p.SetDisplayFormat(L"0.00");
  p.SetEditFormat(L"0.0");
  EXPECT_EQ(counter.Count, 12) << "equal values report nothing";

  p.BeginUpdate();
  p.SetCharCase(ecLowerCase);
  p.SetMaxLength(5);
  p.LookupItems()->Add(L"one");
  p.SetDisplayFormat(L"");
  p.EndUpdate();
  EXPECT_EQ(counter.Count, 13) << "one report for the bracket";

  p.FormatChanged();
  EXPECT_EQ(counter.Count, 14);
  EXPECT_FALSE(p.FormatChanging());

  // RestoreDefaults clears the three flags of the text values too, in one report.
  p.RestoreDefaults();
  EXPECT_EQ(counter.Count, 15);
  EXPECT_FALSE(p.AssignedValues()->MaxLength());
  EXPECT_FALSE(p.AssignedValues()->DisplayFormat());
  EXPECT_FALSE(p.AssignedValues()->EditFormat());
}

TEST(TextEditProperties, LocaleFormatChangesReportOnce) {
  TcxFormatController* formats = GetFormatController();
  ASSERT_NE(formats, nullptr);
  const int before = formats->ListenerCount();
  {
    TcxTextEditProperties p(nullptr);
    EXPECT_EQ(formats->ListenerCount(), before + 1);
    TChangeCounter counter;
    counter.Attach(&p);
    formats->NotifyListeners();
    EXPECT_EQ(counter.Count, 1);
    EXPECT_FALSE(p.FormatChanging());
  }
  EXPECT_EQ(formats->ListenerCount(), before) << "a freed properties object is no listener";
}

TEST(TextEditProperties, ValueBoundsAndTheirErrorText) {
  TcxTextEditProperties p(nullptr);
  EXPECT_FALSE(p.HasValueBounds());
  String error;
  bool failed = false;
  p.CheckValueBounds(Variant(-100), error, failed);
  EXPECT_FALSE(failed) << "no bound in force";
  p.SetMinValue(1);
  EXPECT_TRUE(p.HasValueBound(cxLowerBound));
  EXPECT_FALSE(p.HasValueBound(cxUpperBound));
  p.CheckValueBounds(Variant(0.5), error, failed);
  EXPECT_TRUE(failed);
  EXPECT_EQ(error, L"Value out of bounds");
  p.SetMaxValue(10);
  failed = false;
  error.clear();
  p.CheckValueBounds(Variant(10), error, failed);
  EXPECT_FALSE(failed);
  p.CheckValueBounds(Variant(L"11"), error, failed);
  EXPECT_FALSE(failed) << "a text is not a number";
  p.CheckValueBounds(Variant(11), error, failed);
  EXPECT_TRUE(failed);
  EXPECT_EQ(p.GetValidationErrorText(0), L"Invalid input value. Use escape key to abandon changes");

  // From the data source when nothing is assigned.
  TcxTextEditProperties q(nullptr);
  TFieldProvider provider;
  provider.Min = 2;
  provider.Max = 4;
  q.SetDefaultValuesProvider(&provider);
  EXPECT_TRUE(q.HasValueBound(cxLowerBound));
  EXPECT_TRUE(q.HasValueBound(cxUpperBound));
  failed = false;
  q.CheckValueBounds(Variant(5), error, failed);
  EXPECT_TRUE(failed);
}

TEST(TextEditProperties, DisplayTextOfNumbersFollowsTheFormatThatWins) {
  TNumberTextProperties p(nullptr);
  TFieldProvider provider;
  provider.DisplayFormat = L"#,##0.00";
  p.SetDefaultValuesProvider(&provider);
  EXPECT_EQ(p.GetDisplayText(Variant(1234.5)), L"1,234.50") << "the data source's format";
  p.SetDisplayFormat(L"0");
  EXPECT_EQ(p.GetDisplayText(Variant(1234.4)), L"1234") << "an assigned format wins";
  p.SetDisplayFormat(L"");
  EXPECT_EQ(p.GetDisplayText(Variant(1234.5)), L"1234.5") << "an assigned empty format shows the plain text";
  // While editing: general form unless display formats are kept or an edit format is there.
  Variant shown;
  p.SetDisplayFormat(L"0.0");
  p.PrepareDisplayValue(Variant(L"2.25"), shown, true);
  EXPECT_EQ(shown.AsString(), L"2.25");
  p.SetUseDisplayFormatWhenEditing(true);
  p.PrepareDisplayValue(Variant(L"2.25"), shown, true);
  EXPECT_EQ(shown.AsString(), L"2.3");
  p.SetUseDisplayFormatWhenEditing(false);
  provider.EditFormat = L"0.000";
  p.PrepareDisplayValue(Variant(L"2.25"), shown, true);
  EXPECT_EQ(shown.AsString(), L"2.250") << "the data source's edit format is taken at once";
  p.SetEditFormat(L"000");
  p.PrepareDisplayValue(Variant(L"2.25"), shown, true);
  EXPECT_EQ(shown.AsString(), L"002") << "an assigned edit format wins";
  p.PrepareDisplayValue(Variant(L"two"), shown, true);
  EXPECT_EQ(shown.AsString(), L"two") << "a text that is no number is kept";
  EXPECT_THROW(p.PrepareDisplayValue(Variant::FromDate(45000.0), shown, true), EConvertError);
  // Not numeric: the plain text, formats or not.
  TcxTextEditProperties text(nullptr);
  text.SetDisplayFormat(L"0.00");
  EXPECT_EQ(text.GetDisplayText(Variant(1.5)), L"1.5");
}

TEST(TextEditProperties, FixedListValidityWithCharCase) {
  TListTextProperties p(nullptr);
  p.LookupItems()->Add(L"Video");
  p.LookupItems()->Add(L"hdmi");
  EXPECT_TRUE(p.UseLookupData());
  struct Case {
    const wchar_t* Text;
    TEditCharCase CharCase;
    bool Valid;
    const wchar_t* Result;
  };
  const Case cases[] = {
      {L"video", ecNormal, true, L"video"},  {L"HDMI", ecNormal, true, L"HDMI"},
      {L"Video", ecUpperCase, true, L"VIDEO"}, {L"HDMI", ecLowerCase, true, L"hdmi"},
      {L"VGA", ecUpperCase, false, L"VGA"},  {L"", ecUpperCase, true, L""},
  };
  for (const Case& c : cases) {
    p.SetCharCase(c.CharCase);
    Variant value(c.Text);
    EXPECT_EQ(p.IsDisplayValueValid(value, false), c.Valid) << Narrow(c.Text);
    if (c.Valid) EXPECT_EQ(value.AsString(), String(c.Result)) << Narrow(c.Text);
    EXPECT_EQ(p.IsEditValueValid(Variant(c.Text)), c.Valid) << Narrow(c.Text);
  }
  EXPECT_TRUE(p.IsEditValueValid(Null()));
  EXPECT_TRUE(p.IsEditValueValid(Variant(7))) << "only texts are checked against the list";
  // A value that is no item is still shown, as its plain text.
  p.SetCharCase(ecNormal);
  EXPECT_EQ(p.GetDisplayText(Variant(L"VGA")), L"VGA");
  // The text properties themselves take free text, their items only complete it.
  TcxTextEditProperties free(nullptr);
  free.LookupItems()->Add(L"one");
  EXPECT_TRUE(free.UseLookupData());
  Variant any(L"anything");
  EXPECT_TRUE(free.IsDisplayValueValid(any, false));
}

TEST(TextEditProperties, PasswordTextAndCaseSensitiveComparison) {
  TcxTextEditProperties p(nullptr);
  p.SetEchoMode(eemPassword);
  EXPECT_EQ(p.GetDisplayText(Variant(L"open sesame")), L"***********");
  p.SetPasswordChar(L'\x25cf');
  EXPECT_EQ(p.GetDisplayText(Variant(L"\x53e3\x4ee4")), L"\x25cf\x25cf");
  p.SetEchoMode(eemNormal);
  p.SetCharCase(ecNormal);
  EXPECT_FALSE(p.CompareDisplayValues(Variant(L"Abc"), Variant(L"abc")));
  EXPECT_TRUE(p.CompareDisplayValues(Variant(L"abc"), Variant(L"abc")));
  p.SetCharCase(ecUpperCase);
  EXPECT_TRUE(p.CompareDisplayValues(Variant(L"Abc"), Variant(L"abc"))) << "both shown in upper case";
}

TEST(TextEditProperties, AssignCopiesTheTextSettings) {
  TcxTextEditProperties source(nullptr), target(nullptr);
  source.SetCharCase(ecLowerCase);
  source.SetEchoMode(eemPassword);
  source.SetPasswordChar(L'x');
  source.SetMaxLength(-3);
  source.SetDisplayFormat(L"");
  source.LookupItems()->Add(L"b");
  source.LookupItems()->Add(L"a");
  source.SetLookupItemsSorted(true);
  target.SetEditFormat(L"0.0");
  TChangeCounter counter;
  counter.Attach(&target);
  target.Assign(&source);
  EXPECT_EQ(counter.Count, 1);
  EXPECT_EQ(target.CharCase(), ecLowerCase);
  EXPECT_EQ(target.EchoMode(), eemPassword);
  EXPECT_EQ(target.PasswordChar(), L'x');
  EXPECT_TRUE(target.AssignedValues()->MaxLength());
  EXPECT_EQ(target.MaxLength(), 0);
  EXPECT_TRUE(target.AssignedValues()->DisplayFormat()) << "an assigned empty format is copied as assigned";
  EXPECT_FALSE(target.AssignedValues()->EditFormat()) << "the source had none";
  EXPECT_TRUE(target.LookupItemsSorted());
  EXPECT_EQ(target.LookupItems()->CommaText(), L"a,b");
}

TEST(TextEditProperties, ClassObjectNamesTheTextClasses) {
  auto* info = dynamic_cast<const TcxTextEditPropertiesClassInfo*>(TcxTextEditProperties::StaticClass());
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->GetAssignedValuesClass(), TcxTextEditPropertiesValues::StaticClass());
  EXPECT_EQ(info->GetViewDataClass(), TcxCustomTextEditViewData::StaticClass());
  EXPECT_EQ(info->GetViewInfoClass(), TcxCustomTextEditViewInfo::StaticClass());
  EXPECT_EQ(info->GetLookupDataClass(), TcxCustomTextEditLookupData::StaticClass());
  // Made through the class object, the properties carry the text values.
  std::unique_ptr<TObject> made(TcxTextEditProperties::StaticClass()->Create(nullptr));
  auto* p = dynamic_cast<TcxTextEditProperties*>(made.get());
  ASSERT_NE(p, nullptr);
  EXPECT_NE(dynamic_cast<TcxTextEditPropertiesValues*>(p->TcxCustomEditProperties::AssignedValues()), nullptr);
  EXPECT_EQ(p->GetEditCapabilities() & 0x95Eu, 0x95Eu);
  EXPECT_TRUE(p->CanValidate());
  EXPECT_TRUE(p->SupportsValueReset());
  p->SetNoTextEditing(true);
  EXPECT_EQ(p->GetEditingStyle(), tesNoText);
  EXPECT_FALSE(p->SupportsValueReset());
  TcxContainerStyles styles(nullptr, TcxEditStyle::StaticClass());
  std::unique_ptr<TcxCustomEditViewData> data(p->CreateViewData(styles.Style(), false));
  EXPECT_NE(dynamic_cast<TcxCustomTextEditViewData*>(data.get()), nullptr);
  // The registry of properties classes knows the text editor's.
  EXPECT_GE(EditPropertiesRegistry()->IndexOf(TcxTextEditProperties::StaticClass()), 0);
}

TEST(TextEditProperties, FreshInstancesHoldTheirTablesDefaults) {
  for (TClass cls : {TcxTextEditProperties::StaticClass(), TcxTextEditPropertiesValues::StaticClass()}) {
    std::unique_ptr<TObject> fresh(cls == TcxTextEditProperties::StaticClass()
                                       ? cls->Create(nullptr)
                                       : TcxTextEditPropertiesValues::CreateFresh());
    for (const String& line : PublishedDefaultMismatches(fresh.get())) ADD_FAILURE() << Narrow(line);
  }
}

// --- Streaming ------------------------------------------------------------------------------
TEST(TextEditStreaming, AssignedEmptyDisplayFormatSurvivesAForm) {
  TTextHost host(nullptr);
  host.Properties()->SetDisplayFormat(L"");
  host.Properties()->SetMaxLength(-3);
  TStringStream out;
  WriteComponentToStream(&out, &host);
  const String text = FormBinaryToText(out.DataString());
  EXPECT_NE(text.find(L"Properties.AssignedValues.DisplayFormat = True"), String::npos) << Narrow(text);
  EXPECT_NE(text.find(L"Properties.MaxLength = 0"), String::npos) << Narrow(text);

  TTextHost back(nullptr);
  TStringStream in(out.DataString());
  ReadComponentFromStream(&in, &back);
  EXPECT_TRUE(back.Properties()->AssignedValues()->DisplayFormat());
  EXPECT_EQ(back.Properties()->DisplayFormat(), L"");
  EXPECT_TRUE(back.Properties()->AssignedValues()->MaxLength());
  // The assigned empty format hides the data source's.
  TFieldProvider provider;
  provider.DisplayFormat = L"0.00";
  back.Properties()->SetDefaultValuesProvider(&provider);
  EXPECT_EQ(back.Properties()->GetDisplayText(Variant(2.5)), L"2.5");

  // Nothing assigned: nothing of the kind is written.
  TTextHost plain(nullptr);
  TStringStream out2;
  WriteComponentToStream(&out2, &plain);
  EXPECT_EQ(FormBinaryToText(out2.DataString()).find(L"DisplayFormat"), String::npos);
}

TEST(TextEditStreaming, FormsSetTheFlagDirectlyOrThroughTheLegacyEntry) {
  const wchar_t* const forms[] = {
      L"object Host: TTextHost\n  Properties.AssignedValues.DisplayFormat = True\nend\n",
      L"object Host: TTextHost\n  Properties.IsDisplayFormatAssigned = True\nend\n",
  };
  for (const wchar_t* form : forms) {
    TTextHost host(nullptr);
    TStringStream in(FormTextToBinary(form));
    ReadComponentFromStream(&in, &host);
    EXPECT_TRUE(host.Properties()->AssignedValues()->DisplayFormat()) << Narrow(form);
  }
}

// --- View -----------------------------------------------------------------------------------
uint32_t Sys(TColor AColor) { return Rgb(AColor); }

// Text properties with an editor style of one look, calculated and painted on a surface.
struct TTextModel {
  explicit TTextModel(TcxLookAndFeelKind AKind) : Properties(nullptr), Styles(nullptr, TcxEditStyle::StaticClass()) {
    Style()->LookAndFeel()->SetKind(AKind);
    Style()->LookAndFeel()->SetNativeStyle(false);
    Style()->SetColor(clWindow);
  }
  TcxEditStyle* Style() { return static_cast<TcxEditStyle*>(Styles.Style()); }
  TcxCustomTextEditViewData* Calculate(CanvasSurface& S, const Variant& AValue, const TRect& ABounds) {
    Data.reset(static_cast<TcxCustomTextEditViewData*>(Properties.CreateViewData(Style(), false)));
    Data->EditValue = AValue;
    Data->SelStart = SelStart;
    Data->SelLength = SelLength;
    Data->State.Focused = Focused;
    Data->Calculate(&S.Cx, ABounds, TPoint{-1, -1}, 0, {}, &ViewInfo, false);
    return Data.get();
  }
  void Paint(CanvasSurface& S, const Variant& AValue, const TRect& ABounds = TRect{0, 0, 121, 21}) {
    Calculate(S, AValue, ABounds);
    ViewInfo.Render(&S.Cx);
  }
  TcxTextEditProperties Properties;
  TcxContainerStyles Styles;
  TcxCustomTextEditViewInfo ViewInfo;
  std::unique_ptr<TcxCustomTextEditViewData> Data;
  int SelStart = 0, SelLength = 0;
  bool Focused = false;
};

// How many pixels of a rectangle have the colour.
int CountColor(CanvasSurface& S, const TRect& R, TColor AColor) {
  vamire_test::Capture cap = S.Cap();
  int n = 0;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x) n += cap.At(x, y) == Sys(AColor);
  return n;
}

// The columns of a rectangle holding a pixel of the colour: [first, last], or -1, -1.
std::pair<int, int> ColumnsWith(CanvasSurface& S, const TRect& R, TColor AColor) {
  vamire_test::Capture cap = S.Cap();
  std::pair<int, int> cols{-1, -1};
  for (int x = R.Left; x < R.Right; ++x)
    for (int y = R.Top; y < R.Bottom; ++y)
      if (cap.At(x, y) == Sys(AColor)) {
        if (cols.first < 0) cols.first = x;
        cols.second = x;
        break;
      }
  return cols;
}

TEST(TextEditView, TextBoundsAndFlagsFromTheClientArea) {
  TTextModel m(lfStandard);
  CanvasSurface s(121, 21);
  m.Calculate(s, Variant(L"Quellor"), TRect{0, 0, 121, 21});
  // 3D border of 2, the text offsets 1, 1, 1, 3 inside the client area.
  EXPECT_EQ(m.ViewInfo.ClientRect, (TRect{2, 2, 119, 19}));
  EXPECT_EQ(m.ViewInfo.TextBounds.Left, 3);
  EXPECT_EQ(m.ViewInfo.TextBounds.Top, 3);
  EXPECT_EQ(m.ViewInfo.TextBounds.Right, 118);
  EXPECT_LE(m.ViewInfo.TextBounds.Bottom, 19) << "never below the client area";
  EXPECT_EQ(m.ViewInfo.DisplayText, L"Quellor");
  EXPECT_EQ(m.ViewInfo.TextFlags, 512u | 262144u | 524288u);
  EXPECT_EQ(m.ViewInfo.TextEditingStyle, tesFreeText);

  m.Properties.Alignment()->SetHorz(taRightJustify);
  m.Properties.Alignment()->SetVert(taVCenter);
  m.Calculate(s, Variant(L"Quellor"), TRect{0, 0, 121, 21});
  EXPECT_EQ(m.ViewInfo.TextFlags, 2u | 16u | 512u | 262144u | 524288u);

  // No value: no text.
  m.Calculate(s, Variant(), TRect{0, 0, 121, 21});
  EXPECT_EQ(m.ViewInfo.DisplayText, L"");
}

TEST(TextEditView, PaintsTextWithSelectionInTwoLooks) {
  for (TcxLookAndFeelKind kind : {lfStandard, lfUltraFlat}) {
    TTextModel m(kind);
    m.SelStart = 4;
    m.SelLength = 3;
    CanvasSurface s(121, 21);
    m.Paint(s, Variant(L"Wall 01 splice"));
    s.Save(kind == lfStandard ? L"textedit_view_standard" : L"textedit_view_ultraflat");
    const TRect text = m.ViewInfo.TextBounds;
    EXPECT_GT(CountColor(s, text, clWindowText), 20) << "the text is drawn, look " << kind;
    EXPECT_GT(CountColor(s, text, clHighlight), 10) << "the selection's background, look " << kind;
    EXPECT_EQ(m.ViewInfo.HighlightColor, clHighlight);
    EXPECT_EQ(m.ViewInfo.HighlightTextColor, clHighlightText);
    // The selection lies after the first word, inside the text.
    const auto sel = ColumnsWith(s, text, clHighlight);
    const auto ink = ColumnsWith(s, text, clWindowText);
    EXPECT_GT(sel.first, ink.first);
    EXPECT_LT(sel.second, ink.second);
    // Outside the text and the frame the background shows.
    EXPECT_EQ(s.Cap().At(115, 10), Sys(clWindow));
  }
}

TEST(TextEditView, PasswordShowsOneStarPerCharacter) {
  TTextModel m(lfStandard);
  m.Properties.SetEchoMode(eemPassword);
  CanvasSurface s(121, 21);
  m.Paint(s, Variant(L"1234"));
  s.Save(L"textedit_view_password");
  EXPECT_EQ(m.ViewInfo.DisplayText, L"****");
  // The same surface with "****" typed in plain gives the same pixels.
  TTextModel plain(lfStandard);
  CanvasSurface t(121, 21);
  plain.Paint(t, Variant(L"****"));
  EXPECT_EQ(s.Mask(clWindow), t.Mask(clWindow));
}

TEST(TextEditView, FocusedEditorWithoutInnerEditDrawsFocusRectangle) {
  // An editor without editable text draws its own text, one pixel further in,
  // and shows the focus around its content.
  TTextModel m(lfFlat);
  m.Properties.SetNoTextEditing(true);
  m.Focused = true;
  CanvasSurface s(121, 21);
  m.Paint(s, Variant(L"focus"));
  s.Save(L"textedit_view_focused");
  const TRect c = m.ViewInfo.ClientRect;
  EXPECT_EQ(m.ViewInfo.TextBounds.Left, c.Left + 2);
  EXPECT_EQ(m.ViewInfo.TextBounds.Top, c.Top + 2);
  vamire_test::Capture cap = s.Cap();
  int dots = 0;
  for (int x = c.Left; x < c.Right; ++x) dots += cap.At(x, c.Top) != Sys(clWindow);
  EXPECT_GT(dots, 40) << "the dotted line runs along the content's top";
  EXPECT_EQ(cap.At(c.Left + 1, 10), Sys(clWindow)) << "a gap between the focus and the text";
  // Not focused: that row is background.
  TTextModel calm(lfFlat);
  calm.Properties.SetNoTextEditing(true);
  CanvasSurface t(121, 21);
  calm.Paint(t, Variant(L"focus"));
  vamire_test::Capture cap2 = t.Cap();
  for (int x = c.Left; x < c.Right; ++x) EXPECT_EQ(cap2.At(x, c.Top), Sys(clWindow)) << x;
}

TEST(TextEditView, InnerEditShownLeavesTheTextToIt) {
  TTextModel m(lfStandard);
  CanvasSurface s(121, 21);
  m.Calculate(s, Variant(L"hidden"), TRect{0, 0, 121, 21});
  m.Data->InnerEditVisible = true;
  m.Data->Calculate(&s.Cx, TRect{0, 0, 121, 21}, TPoint{-1, -1}, 0, {}, &m.ViewInfo, false);
  EXPECT_TRUE(m.ViewInfo.InnerEditShown);
  m.ViewInfo.Render(&s.Cx);
  EXPECT_EQ(CountColor(s, m.ViewInfo.TextBounds, clWindowText), 0);
}

TEST(TextEditView, CutTextGivesItsWholeTextAsHint) {
  TTextModel m(lfStandard);
  CanvasSurface s(60, 21);
  const String longText = L"A caption far too long for sixty pixels";
  m.Paint(s, Variant(longText), TRect{0, 0, 60, 21});
  s.Save(L"textedit_view_cut");
  String hint;
  TRect r;
  bool multi = true;
  ASSERT_TRUE(m.ViewInfo.GetHintInfo(&s.Cx, TPoint{10, 8}, hint, multi, r));
  EXPECT_EQ(hint, longText);
  EXPECT_EQ(r, m.ViewInfo.TextBounds);
  EXPECT_FALSE(multi);
  EXPECT_FALSE(m.ViewInfo.GetHintInfo(&s.Cx, TPoint{0, 0}, hint, multi, r)) << "on the border: no hint";
  // A text that fits shows no hint.
  TTextModel fits(lfStandard);
  CanvasSurface t(121, 21);
  fits.Paint(t, Variant(L"short"));
  EXPECT_FALSE(fits.ViewInfo.GetHintInfo(&t.Cx, TPoint{10, 8}, hint, multi, r));
}

// Over a button the hint is the button's short hint, in the rectangle a hint
// window needs for it, at the cursor and below the cursor's picture.
TEST(TextEditView, AButtonGivesItsShortHintAtTheCursor) {
  TTextModel m(lfStandard);
  m.Properties.Buttons()->Add()->SetHint(L"Open|Opens a file");
  m.Properties.Buttons()->Add()->SetKind(bkEllipsis);  // no hint of its own
  CanvasSurface s(121, 21);
  m.Paint(s, Variant(L"short"));
  ASSERT_EQ(m.ViewInfo.ButtonCount(), 2);
  auto middle = [](const TRect& R) { return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; };
  String hint;
  TRect r;
  bool multi = true;
  POINT cursor{};
  GetCursorPos(&cursor);
  ASSERT_TRUE(m.ViewInfo.GetHintInfo(&s.Cx, middle(m.ViewInfo.Button(0)->Bounds), hint, multi, r));
  EXPECT_EQ(hint, L"Open");
  EXPECT_FALSE(multi);
  THintWindow window(nullptr);
  const TRect size = window.CalcHintRect(Screen->Width(), L"Open", nullptr);
  const int below = GetCurrentCursorSize().cy;
  EXPECT_EQ(r, (TRect{cursor.x + size.Left, cursor.y + below + size.Top, cursor.x + size.Right,
                      cursor.y + below + size.Bottom}));
  EXPECT_FALSE(m.ViewInfo.GetHintInfo(&s.Cx, middle(m.ViewInfo.Button(1)->Bounds), hint, multi, r))
      << "a button without a hint";
  EXPECT_FALSE(m.ViewInfo.GetHintInfo(&s.Cx, TPoint{-5, -5}, hint, multi, r)) << "outside the editor";
}

}  // namespace
