// The colour, font, open and save dialogs answered by the dialog service:
// what each hands to the platform and what it makes of the answer.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <vector>

#include "Dialogs.h"
#include "ExtDlgs.h"
#include "FormText.h"
#include "Streams.h"

namespace {

// Records the dialog's events, and whether the answer came between them.
struct EventLog : TObject {
  std::vector<String> Events;
  void Show(TObject*) { Events.push_back(L"show"); }
  void Close(TObject*) { Events.push_back(L"close"); }
  void Attach(TCommonDialog& Dialog) {
    Dialog.OnShow = TNotifyEvent(this, &EventLog::Show);
    Dialog.OnClose = TNotifyEvent(this, &EventLog::Close);
  }
};

std::vector<String> Lines(TStrings* Strings) {
  std::vector<String> lines;
  for (int i = 0; i < Strings->Count(); ++i) lines.push_back(Strings->Strings(i));
  return lines;
}

TEST(ColorDialogTest, AnsweredColourAndCustomSlotsComeBack) {
  TColorDialog dialog(nullptr);
  dialog.SetColor(clBtnFace);  // a system colour goes to the platform as its RGB value
  dialog.SetOptions({cdFullOpen, cdSolidColor});
  dialog.CustomColors()->Add(L"ColorA=00FF00");
  dialog.CustomColors()->Add(L"ColorC=green");  // damaged: an empty (white) slot
  dialog.CustomColors()->Add(L"ColorD=$123");
  EventLog log;
  log.Attach(dialog);
  TDialogAnswerScope scope;
  scope.Expect(dkColor, [&](TDialogRequest& r) {
    log.Events.push_back(L"answer");
    EXPECT_EQ(r.Values.Color, COLORREF(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(r.Values.CustomColors[0], 0x00FF00u);
    EXPECT_EQ(r.Values.CustomColors[1], 0xFFFFFFu);
    EXPECT_EQ(r.Values.CustomColors[2], 0xFFFFFFu);
    EXPECT_EQ(r.Values.CustomColors[3], 0x000123u);
    EXPECT_EQ(r.Values.Flags & (CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR | CC_PREVENTFULLOPEN),
              DWORD(CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR));
    r.Values.Color = RGB(0x12, 0x34, 0x56);
    r.Values.CustomColors[15] = 0xABCDEF;
    return IDOK;
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Color(), TColor(RGB(0x12, 0x34, 0x56)));
  EXPECT_EQ(log.Events, (std::vector<String>{L"show", L"answer", L"close"}));
  const std::vector<String> lines = Lines(dialog.CustomColors());
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[0], L"ColorA=00FF00");
  EXPECT_EQ(lines[2], L"ColorC=FFFFFF");
  EXPECT_EQ(lines[3], L"ColorD=000123");
  EXPECT_EQ(lines[15], L"ColorP=ABCDEF");
}

TEST(ColorDialogTest, CancelledOrUnansweredChangesNothing) {
  TColorDialog dialog(nullptr);
  dialog.SetColor(clRed);
  dialog.CustomColors()->Add(L"ColorA=00FF00");
  TDialogAnswerScope scope;
  scope.Expect(dkColor, [](TDialogRequest& r) {
    r.Values.Color = 0x111111;
    return IDCANCEL;
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(dialog.Execute()), "Unanswered colour dialog");
  EXPECT_EQ(dialog.Color(), clRed);
  EXPECT_EQ(Lines(dialog.CustomColors()), std::vector<String>{L"ColorA=00FF00"});
}

// The font goes to the platform as its LOGFONT and comes back through it,
// Chinese face names and the GB2312 character set included.
TEST(FontDialogTest, FontRoundTripThroughTheAnswer) {
  TFontDialog dialog(nullptr);
  dialog.Font()->SetName(L"宋体");
  dialog.Font()->SetSize(12);
  dialog.Font()->SetCharset(GB2312_CHARSET);
  dialog.Font()->SetStyle({fsBold});
  dialog.Font()->SetColor(clBlue);
  dialog.SetMinFontSize(8);
  dialog.SetMaxFontSize(72);
  dialog.SetOptions({fdEffects, fdForceFontExist});
  const int ppi = dialog.Font()->PixelsPerInch();
  TDialogAnswerScope scope;
  scope.Expect(dkFont, [&](TDialogRequest& r) {
    EXPECT_STREQ(r.Values.Font.lfFaceName, L"宋体");
    EXPECT_EQ(r.Values.Font.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(r.Values.Font.lfHeight, -MulDiv(12, ppi, 72));
    EXPECT_GE(r.Values.Font.lfWeight, FW_BOLD);
    EXPECT_EQ(r.Values.FontColor, 0xFF0000u);
    const DWORD expected = CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_FORCEFONTEXIST | CF_LIMITSIZE | CF_SCREENFONTS;
    EXPECT_EQ(r.Values.Flags & expected, expected);
    EXPECT_EQ(r.SizeMin, 8);
    EXPECT_EQ(r.SizeMax, 72);
    LOGFONTW& lf = r.Values.Font;
    wcscpy(lf.lfFaceName, L"黑体");
    lf.lfHeight = -MulDiv(16, ppi, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = TRUE;
    lf.lfUnderline = TRUE;
    lf.lfCharSet = GB2312_CHARSET;
    r.Values.FontColor = RGB(0, 128, 0);
    r.Values.PointSize = 160;
    return IDOK;
  });
  ASSERT_TRUE(dialog.Execute());
  TFont* font = dialog.Font();
  EXPECT_EQ(font->Name(), L"黑体");
  EXPECT_EQ(font->Size(), 16);
  EXPECT_EQ(font->Style(), (TFontStyles{fsItalic, fsUnderline}));
  EXPECT_EQ(font->Charset(), GB2312_CHARSET);
  EXPECT_EQ(font->Color(), clGreen);
  // The font made from the answer is the one chosen.
  LOGFONTW made{};
  ASSERT_EQ(GetObjectW(font->Handle(), sizeof made, &made), int(sizeof made));
  EXPECT_STREQ(made.lfFaceName, L"黑体");
  EXPECT_EQ(made.lfCharSet, GB2312_CHARSET);
}

TEST(FontDialogTest, CancelKeepsTheFont) {
  TFontDialog dialog(nullptr);
  dialog.Font()->SetName(L"Arial");
  dialog.Font()->SetColor(clRed);
  TDialogAnswerScope scope;
  scope.Expect(dkFont, [](TDialogRequest& r) {
    wcscpy(r.Values.Font.lfFaceName, L"Courier New");
    return IDCANCEL;
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Font()->Name(), L"Arial");
  EXPECT_EQ(dialog.Font()->Color(), clRed);
}

TEST(FontDialogTest, DeviceAndOptionFlags) {
  struct Case {
    TFontDialogDevice Device;
    TFontDialogOptions Options;
    DWORD Expected;
  } cases[] = {
      {fdScreen, {}, CF_SCREENFONTS},
      {fdPrinter, {fdTrueTypeOnly}, CF_PRINTERFONTS | CF_TTONLY},
      {fdBoth, {fdFixedPitchOnly, fdNoStyleSel}, CF_BOTH | CF_FIXEDPITCHONLY | CF_NOSTYLESEL},
      {fdScreen, {fdLimitSize, fdScalableOnly}, CF_SCREENFONTS | CF_LIMITSIZE | CF_SCALABLEONLY},
  };
  for (const Case& c : cases) {
    TFontDialog dialog(nullptr);
    dialog.SetDevice(c.Device);
    dialog.SetOptions(c.Options);
    TDialogAnswerScope scope;
    scope.Expect(dkFont, IDCANCEL);
    dialog.Execute();
    ASSERT_EQ(scope.Requests().size(), 1u);
    const DWORD flags = scope.Requests()[0].Values.Flags;
    EXPECT_EQ(flags & c.Expected, c.Expected) << std::hex << flags;
    EXPECT_EQ(flags & CF_EFFECTS, 0u);
  }
}

class OpenDialogTest : public ::testing::Test {
 protected:
  OpenDialogTest() {
    Dialog.SetFilter(L"Text|*.txt|All|*.*");
    Dialog.SetFilterIndex(2);
    Dialog.SetFileName(L"a.txt");
    Dialog.SetInitialDir(L"C:\\walls");
    Dialog.SetDefaultExt(L".txt");
    Dialog.SetTitle(L"Load preset");
  }
  TOpenDialog Dialog{nullptr};
};

TEST_F(OpenDialogTest, RequestCarriesTheDialogsValues) {
  Dialog.SetOptions({ofFileMustExist, ofHideReadOnly});
  TDialogAnswerScope scope;
  scope.Expect(dkOpen, IDCANCEL);
  EXPECT_FALSE(Dialog.Execute());
  ASSERT_EQ(scope.Requests().size(), 1u);
  const TDialogRequest& r = scope.Requests()[0];
  EXPECT_EQ(r.Filter, L"Text|*.txt|All|*.*");
  EXPECT_EQ(r.Values.FilterIndex, 2);
  EXPECT_EQ(r.Values.FileName, L"a.txt");
  EXPECT_EQ(r.InitialDir, L"C:\\walls");
  EXPECT_EQ(r.DefaultExt, L"txt");  // the platform wants it without the dot
  EXPECT_EQ(r.Caption, L"Load preset");
  const DWORD expected = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLEHOOK;
  EXPECT_EQ(r.Values.Flags & expected, expected);
  EXPECT_EQ(r.Values.Flags & OFN_ALLOWMULTISELECT, 0u);
  // Cancelled: nothing changed.
  EXPECT_EQ(Dialog.FileName(), L"a.txt");
  EXPECT_EQ(Dialog.FilterIndex(), 2);
}

TEST_F(OpenDialogTest, AnsweredFilesAsThePlatformReturnsThem) {
  struct Case {
    const char* Name;
    bool Multi;
    String Answer;
    std::vector<String> Files;
  } cases[] = {
      {"one file", false, L"C:\\walls\\b.ini", {L"C:\\walls\\b.ini"}},
      {"one of a multi-select", true, L"C:\\walls\\b.ini", {L"C:\\walls\\b.ini"}},
      {"several", true, String(L"C:\\walls\0a.txt\0b 2.txt\0", 23), {L"C:\\walls\\a.txt", L"C:\\walls\\b 2.txt"}},
      {"several in a root folder", true, String(L"C:\\\0a.txt\0b.txt\0", 16), {L"C:\\a.txt", L"C:\\b.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Dialog.SetOptions(c.Multi ? TOpenOptions{ofAllowMultiSelect} : TOpenOptions{});
    TDialogAnswerScope scope;
    scope.Expect(dkOpen, [&](TDialogRequest& r) {
      EXPECT_EQ((r.Values.Flags & OFN_ALLOWMULTISELECT) != 0, c.Multi);
      r.Values.FileName = c.Answer;
      r.Values.FilterIndex = 1;
      r.Values.Flags |= OFN_READONLY;
      return IDOK;
    });
    ASSERT_TRUE(Dialog.Execute());
    EXPECT_EQ(Lines(Dialog.Files()), c.Files);
    EXPECT_EQ(Dialog.FileName(), c.Files[0]);
    EXPECT_EQ(Dialog.FilterIndex(), 1);
    EXPECT_TRUE(Dialog.Options().Contains(ofReadOnly));
  }
}

TEST(SaveDialogTest, GoesToTheSaveDialog) {
  TSaveDialog dialog(nullptr);
  dialog.SetOptions({ofOverwritePrompt});
  TDialogAnswerScope scope;
  scope.Expect(dkSave, [](TDialogRequest& r) {
    EXPECT_NE(r.Values.Flags & OFN_OVERWRITEPROMPT, 0u);
    r.Values.FileName = L"C:\\walls\\scene.ini";
    return IDOK;
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), L"C:\\walls\\scene.ini");
}

// The picture dialog lists the formats pictures load; index 2 is the first
// single format (the console's logo dialog opens on it).
TEST(OpenPictureDialogTest, FilterListsThePictureFormats) {
  const String filter =
      L"All (*.jpg;*.jpeg;*.bmp;*.ico)|*.jpg;*.jpeg;*.bmp;*.ico|JPEG Image File (*.jpg)|*.jpg|"
      L"JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico";
  TOpenPictureDialog dialog(nullptr);
  EXPECT_EQ(dialog.Filter(), filter);
  dialog.SetFilterIndex(2);
  TDialogAnswerScope scope;
  scope.Expect(dkOpen, [](TDialogRequest& r) {
    r.Values.FileName = L"C:\\logo.jpg";
    return IDOK;
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(scope.Requests()[0].Filter, filter);
  EXPECT_EQ(scope.Requests()[0].Values.FilterIndex, 2);
  EXPECT_EQ(dialog.FileName(), L"C:\\logo.jpg");
  EXPECT_FALSE(dialog.IsFilterStored());
  dialog.SetFilter(L"Bitmaps|*.bmp");
  EXPECT_TRUE(dialog.IsFilterStored());
}

// Dialogs live on forms as data: their properties read from a form and only
// those that differ from the defaults are written back.
TEST(DialogStreamingTest, DialogsOnAFormRoundTrip) {
  // The units register the classes; the font's nested properties come with
  // every program that installs the platform runtime.
  InitializeUnits({DialogsUnit, ExtDlgsUnit});
  struct UnitsEnd {
    ~UnitsEnd() { FinalizeUnits(); }
  } unitsEnd;
  const String form =
      L"object Form15: TComponent\n"
      L"  object dlgFont: TFontDialog\n"
      L"    Font.Charset = GB2312_CHARSET\n"
      L"    Font.Color = clRed\n"
      L"    Font.Height = -16\n"
      L"    Font.Name = #23435#20307\n"
      L"    Font.Style = [fsBold]\n"
      L"    MinFontSize = 8\n"
      L"  end\n"
      L"  object dlgColor: TColorDialog\n"
      L"    Color = clYellow\n"
      L"    Options = [cdFullOpen]\n"
      L"  end\n"
      L"  object OpenPictureDialog1: TOpenPictureDialog\n"
      L"    FilterIndex = 2\n"
      L"  end\n"
      L"end\n";
  TComponent root(nullptr);
  TStringStream in(FormTextToBinary(form));
  try {
    ReadComponentFromStream(&in, &root);
  } catch (const Exception& e) {
    FAIL() << e.ClassName() << ": " << e.Message();
  }
  auto* font = dynamic_cast<TFontDialog*>(root.FindComponent(L"dlgFont"));
  auto* color = dynamic_cast<TColorDialog*>(root.FindComponent(L"dlgColor"));
  auto* picture = dynamic_cast<TOpenPictureDialog*>(root.FindComponent(L"OpenPictureDialog1"));
  ASSERT_TRUE(font && color && picture);
  EXPECT_EQ(font->Font()->Name(), L"宋体");
  EXPECT_EQ(font->Font()->Charset(), GB2312_CHARSET);
  EXPECT_EQ(font->Font()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(font->MinFontSize(), 8);
  EXPECT_EQ(font->Options(), TFontDialogOptions{fdEffects});
  EXPECT_EQ(color->Color(), clYellow);
  EXPECT_EQ(color->Options(), TColorDialogOptions{cdFullOpen});
  EXPECT_EQ(picture->FilterIndex(), 2);
  EXPECT_EQ(picture->Filter(), TOpenPictureDialog::DefaultFilter());
  auto write = [](TComponent* c) {
    TStringStream out("");
    WriteComponentToStream(&out, c);
    return FormBinaryToText(out.DataString());
  };
  EXPECT_EQ(write(picture), L"object OpenPictureDialog1: TOpenPictureDialog\n  FilterIndex = 2\nend\n");
  const String written = write(font);
  EXPECT_NE(written.find(L"MinFontSize = 8"), String::npos) << written;
  EXPECT_NE(written.find(L"Font.Name = #23435#20307"), String::npos) << written;
  EXPECT_EQ(written.find(L"Options"), String::npos) << written;
}

}  // namespace
