#include "Dialogs.h"

#include <cwchar>

#include "HiddenWindow.h"

const TResStringRec SMsgDlgWarning{L"SMsgDlgWarning", L"Warning"};
const TResStringRec SMsgDlgError{L"SMsgDlgError", L"Error"};
const TResStringRec SMsgDlgInformation{L"SMsgDlgInformation", L"Information"};
const TResStringRec SMsgDlgConfirm{L"SMsgDlgConfirm", L"Confirm"};
const TResStringRec SMsgDlgYes{L"SMsgDlgYes", L"&Yes"};
const TResStringRec SMsgDlgNo{L"SMsgDlgNo", L"&No"};
const TResStringRec SMsgDlgOK{L"SMsgDlgOK", L"OK"};
const TResStringRec SMsgDlgCancel{L"SMsgDlgCancel", L"Cancel"};
const TResStringRec SMsgDlgAbort{L"SMsgDlgAbort", L"&Abort"};
const TResStringRec SMsgDlgRetry{L"SMsgDlgRetry", L"&Retry"};
const TResStringRec SMsgDlgIgnore{L"SMsgDlgIgnore", L"&Ignore"};
const TResStringRec SMsgDlgAll{L"SMsgDlgAll", L"&All"};
const TResStringRec SMsgDlgNoToAll{L"SMsgDlgNoToAll", L"N&o to All"};
const TResStringRec SMsgDlgYesToAll{L"SMsgDlgYesToAll", L"Yes to &All"};
const TResStringRec SMsgDlgHelp{L"SMsgDlgHelp", L"&Help"};

namespace {

// The component whose platform dialog is being opened on this thread; the
// hook procedure takes it over when the dialog window arrives.
thread_local TCommonDialog* GOpening = nullptr;
const wchar_t* const kDialogProp = L"VamireCommonDialog";

struct TOpening {
  TCommonDialog* Saved;
  explicit TOpening(TCommonDialog* Dialog) : Saved(GOpening) { GOpening = Dialog; }
  ~TOpening() { GOpening = Saved; }
  TOpening(const TOpening&) = delete;
  TOpening& operator=(const TOpening&) = delete;
};

// "ColorA".."ColorP": the names of the sixteen custom colour slots.
String CustomColorName(int Index) { return String(L"Color") + wchar_t(L'A' + Index); }

// A slot's value as hexadecimal digits, with or without a leading "$";
// damaged or missing values read as white, the slots' empty state.
COLORREF ReadCustomColor(const String& Text) {
  const wchar_t* p = Text.c_str();
  if (*p == L'$') ++p;
  if (*p == 0) return 0xFFFFFF;
  wchar_t* end = nullptr;
  const unsigned long value = std::wcstoul(p, &end, 16);
  if (*end != 0 || value > 0xFFFFFF) return 0xFFFFFF;
  return COLORREF(value);
}

String CustomColorText(COLORREF Value) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%.6X", unsigned(Value & 0xFFFFFF));
  return text;
}

// A device context of the default printer, or null when there is none.
HDC DefaultPrinterDC() {
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
  if (!PrintDlgW(&pd)) return nullptr;
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  return pd.hDC;
}

}  // namespace

// --- TCommonDialog --------------------------------------------------------------------

void TCommonDialog::DoShow() {
  if (OnShow) OnShow(this);
}

void TCommonDialog::DoClose() {
  if (OnClose) OnClose(this);
}

HWND TCommonDialog::OwnerWindow() { return GetActiveWindow(); }

bool TCommonDialog::Run(const std::function<bool()>& Call) {
  if (!DialogAnswerer()) {
    TOpening opening(this);
    TModalWindowsLock lock(OwnerWindow());
    return Call();
  }
  DoShow();
  bool accepted = false;
  try {
    accepted = Call();
  } catch (...) {
    DoClose();
    throw;
  }
  DoClose();
  return accepted;
}

UINT_PTR CALLBACK TCommonDialog::HookProc(HWND Wnd, UINT Msg, WPARAM, LPARAM) {
  try {
    if (Msg == WM_INITDIALOG && GOpening) {
      TCommonDialog* dialog = GOpening;
      GOpening = nullptr;
      SetPropW(Wnd, kDialogProp, dialog);
      // Explorer-style file dialogs hook a child of the dialog window.
      dialog->FHandle = (GetWindowLongPtrW(Wnd, GWL_STYLE) & WS_CHILD) ? GetParent(Wnd) : Wnd;
      dialog->DoShow();
      return TRUE;
    }
    if (Msg == WM_DESTROY) {
      if (auto* dialog = static_cast<TCommonDialog*>(RemovePropW(Wnd, kDialogProp))) {
        dialog->FHandle = nullptr;
        dialog->DoClose();
      }
    }
  } catch (...) {
    HandleCallbackException(nullptr);
  }
  return 0;
}

// --- TColorDialog ---------------------------------------------------------------------

TColorDialog::TColorDialog(TComponent* AOwner) : TCommonDialog(AOwner), FCustomColors(new TStringList) {}

TColorDialog::~TColorDialog() { delete FCustomColors; }

bool TColorDialog::Execute() {
  COLORREF custom[16];
  for (int i = 0; i < 16; ++i) custom[i] = ReadCustomColor(FCustomColors->Values(CustomColorName(i)));
  static constexpr DWORD kFlags[] = {CC_FULLOPEN, CC_PREVENTFULLOPEN, CC_SHOWHELP, CC_SOLIDCOLOR, CC_ANYCOLOR};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = OwnerWindow();
  cc.rgbResult = COLORREF(ColorToRGB(FColor));
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_ENABLEHOOK;
  for (int i = 0; i < 5; ++i)
    if (FOptions.Contains(TColorDialogOption(i))) cc.Flags |= kFlags[i];
  cc.lpfnHook = &TCommonDialog::HookProc;
  if (!Run([&] { return DialogChooseColor(cc); })) return false;
  FColor = TColor(cc.rgbResult);
  FCustomColors->BeginUpdate();
  FCustomColors->Clear();
  for (int i = 0; i < 16; ++i) FCustomColors->Add(CustomColorName(i) + L"=" + CustomColorText(custom[i]));
  FCustomColors->EndUpdate();
  return true;
}

// --- TFontDialog ----------------------------------------------------------------------

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFont(new TFont) {}

TFontDialog::~TFontDialog() { delete FFont; }

bool TFontDialog::Execute() {
  static constexpr DWORD kFlags[] = {CF_ANSIONLY,      CF_TTONLY,        CF_EFFECTS,         CF_FIXEDPITCHONLY,
                                     CF_FORCEFONTEXIST, CF_NOFACESEL,     CF_NOOEMFONTS,      CF_NOSIMULATIONS,
                                     CF_NOSIZESEL,      CF_NOSTYLESEL,    CF_NOVECTORFONTS,   CF_SHOWHELP,
                                     CF_WYSIWYG,        CF_LIMITSIZE,     CF_SCALABLEONLY,    CF_APPLY};
  LOGFONTW lf{};
  GetObjectW(FFont->Handle(), sizeof lf, &lf);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = OwnerWindow();
  cf.lpLogFont = &lf;
  cf.rgbColors = COLORREF(ColorToRGB(FFont->Color()));
  cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
  for (int i = 0; i < 16; ++i)
    if (FOptions.Contains(TFontDialogOption(i))) cf.Flags |= kFlags[i];
  if (FMinFontSize != 0 || FMaxFontSize != 0) {
    cf.Flags |= CF_LIMITSIZE;
    cf.nSizeMin = FMinFontSize;
    cf.nSizeMax = FMaxFontSize != 0 ? FMaxFontSize : 0x7FFF;
  }
  // Printer fonts need the printer's device context; without a printer the
  // screen's fonts are offered rather than a dialog that fails to open.
  HDC printer = FDevice != fdScreen && !DialogAnswerer() ? DefaultPrinterDC() : nullptr;
  const DWORD device = FDevice == fdScreen ? CF_SCREENFONTS : FDevice == fdPrinter ? CF_PRINTERFONTS : CF_BOTH;
  cf.Flags |= (printer || DialogAnswerer()) ? device : CF_SCREENFONTS;
  cf.hDC = printer;
  cf.lpfnHook = &TCommonDialog::HookProc;
  bool accepted = false;
  try {
    accepted = Run([&] { return DialogChooseFont(cf); });
  } catch (...) {
    if (printer) DeleteDC(printer);
    throw;
  }
  if (printer) DeleteDC(printer);
  if (!accepted) return false;
  FFont->SetHandle(CreateFontIndirectW(&lf));
  FFont->SetColor(TColor(cf.rgbColors));
  return true;
}

// --- Published tables -----------------------------------------------------------------

VAMIRE_PUBLISHED(TCommonDialog,
                 Prop(L"Ctl3D", &TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D).Default(true),
                 Prop(L"HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext),
                 Prop(L"OnClose", &TCommonDialog::OnClose), Prop(L"OnShow", &TCommonDialog::OnShow))

VAMIRE_PUBLISHED(TColorDialog,
                 Prop(L"Color", &TColorDialog::Color, &TColorDialog::SetColor).Default(clBlack).Idents(&ColorIdentMapper),
                 Prop(L"CustomColors", &TColorDialog::CustomColors, &TColorDialog::SetCustomColors),
                 Prop(L"Options", &TColorDialog::Options, &TColorDialog::SetOptions).Default(TColorDialogOptions{}))

VAMIRE_PUBLISHED(TFontDialog,
                 Prop(L"Font", &TFontDialog::Font, &TFontDialog::SetFont),
                 Prop(L"Device", &TFontDialog::Device, &TFontDialog::SetDevice).Default(fdScreen),
                 Prop(L"MinFontSize", &TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize),
                 Prop(L"MaxFontSize", &TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize),
                 Prop(L"Options", &TFontDialog::Options, &TFontDialog::SetOptions).Default(TFontDialogOptions{fdEffects}))

namespace {
void InitDialogs() {
  RegisterClasses({TColorDialog::StaticClass(), TFontDialog::StaticClass(), TOpenDialog::StaticClass(),
                   TSaveDialog::StaticClass()});
}
void DoneDialogs() {
  UnRegisterClasses({TColorDialog::StaticClass(), TFontDialog::StaticClass(), TOpenDialog::StaticClass(),
                     TSaveDialog::StaticClass()});
}
}  // namespace

const TUnitEntry DialogsUnit = {L"Dialogs", &InitDialogs, &DoneDialogs};
