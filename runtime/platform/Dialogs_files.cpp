// The open and save dialogs.
#include <algorithm>

#include "Dialogs.h"

namespace {

// Room for the names of many files chosen at once; the platform fails the
// dialog rather than cut a list that does not fit.
constexpr DWORD kFileBufferSize = 65536;

constexpr DWORD kOpenFlags[] = {
    OFN_READONLY,       OFN_OVERWRITEPROMPT,   OFN_HIDEREADONLY,   OFN_NOCHANGEDIR,        OFN_SHOWHELP,
    OFN_NOVALIDATE,     OFN_ALLOWMULTISELECT,  OFN_EXTENSIONDIFFERENT, OFN_PATHMUSTEXIST, OFN_FILEMUSTEXIST,
    OFN_CREATEPROMPT,   OFN_SHAREAWARE,        OFN_NOREADONLYRETURN, OFN_NOTESTFILECREATE, OFN_NONETWORKBUTTON,
    OFN_NOLONGNAMES,    0 /* ofOldStyleDialog */, OFN_NODEREFERENCELINKS, OFN_ENABLEINCLUDENOTIFY,
    OFN_ENABLESIZING,   OFN_DONTADDTORECENT,   OFN_FORCESHOWHIDDEN};
static_assert(sizeof kOpenFlags / sizeof *kOpenFlags == 22);

// "Text|*.txt|All|*.*" as the platform wants it: each part ended by a null
// character, the list by a second one.
String PlatformFilter(const String& Filter) {
  String result = Filter;
  std::replace(result.begin(), result.end(), L'|', L'\0');
  result += L'\0';
  result += L'\0';
  return result;
}

String JoinPath(const String& Folder, const String& Name) {
  if (Folder.empty() || Folder.back() == L'\\' || Folder.back() == L'/') return Folder + Name;
  return Folder + L'\\' + Name;
}

}  // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFiles(new TStringList) {}

TOpenDialog::~TOpenDialog() { delete FFiles; }

bool TOpenDialog::Execute() { return DoExecute(false); }

bool TSaveDialog::Execute() { return DoExecute(true); }

bool TOpenDialog::DoExecute(bool Save) {
  std::vector<wchar_t> buffer(kFileBufferSize, L'\0');
  std::copy_n(FFileName.begin(), std::min<size_t>(FFileName.size(), kFileBufferSize - 2), buffer.begin());
  const String filter = PlatformFilter(FFilter);
  // The platform wants the default extension without its dot.
  const String defaultExt = !FDefaultExt.empty() && FDefaultExt[0] == L'.' ? FDefaultExt.substr(1) : FDefaultExt;
  const bool oldStyle = FOptions.Contains(ofOldStyleDialog);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = OwnerWindow();
  ofn.lpstrFilter = FFilter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = DWORD(std::max(FFilterIndex, 0));
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = kFileBufferSize;
  ofn.lpstrInitialDir = FInitialDir.empty() ? nullptr : FInitialDir.c_str();
  ofn.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
  ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  ofn.Flags = OFN_ENABLEHOOK | (oldStyle ? 0 : OFN_EXPLORER);
  for (int i = 0; i < 22; ++i)
    if (FOptions.Contains(TOpenOption(i))) ofn.Flags |= kOpenFlags[i];
  ofn.lpfnHook = &TCommonDialog::HookProc;
  if (!Run([&] { return Save ? DialogGetSaveFileName(ofn) : DialogGetOpenFileName(ofn); })) return false;
  FFilterIndex = int(ofn.nFilterIndex);
  FOptions.Exclude(ofReadOnly).Exclude(ofExtensionDifferent);
  if (ofn.Flags & OFN_READONLY) FOptions.Include(ofReadOnly);
  if (ofn.Flags & OFN_EXTENSIONDIFFERENT) FOptions.Include(ofExtensionDifferent);
  ReadFileNames(buffer.data(), FOptions.Contains(ofAllowMultiSelect));
  return true;
}

// One file: its full path. Several: the folder, then the names, separated
// by null characters (by blanks in the old-style dialog).
void TOpenDialog::ReadFileNames(const wchar_t* Buffer, bool Multi) {
  std::vector<String> parts;
  if (Multi && FOptions.Contains(ofOldStyleDialog)) {
    String all = Buffer;
    for (size_t start = 0; start < all.size();) {
      size_t end = all.find(L' ', start);
      if (end == String::npos) end = all.size();
      if (end > start) parts.push_back(all.substr(start, end - start));
      start = end + 1;
    }
  } else {
    for (const wchar_t* p = Buffer; *p; p += wcslen(p) + 1) {
      parts.emplace_back(p);
      if (!Multi) break;
    }
  }
  FFiles->BeginUpdate();
  FFiles->Clear();
  if (parts.size() == 1) {
    FFiles->Add(parts[0]);
  } else {
    for (size_t i = 1; i < parts.size(); ++i) FFiles->Add(JoinPath(parts[0], parts[i]));
  }
  FFiles->EndUpdate();
  FFileName = FFiles->Count() > 0 ? FFiles->Strings(0) : String();
}

VAMIRE_PUBLISHED(TOpenDialog,
                 Prop(L"DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt).Default(L""),
                 Prop(L"FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName).Default(L""),
                 Prop(L"Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter).Default(L""),
                 Prop(L"FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1),
                 Prop(L"InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir).Default(L""),
                 Prop(L"Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
                     .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing}),
                 Prop(L"Title", &TOpenDialog::Title, &TOpenDialog::SetTitle).Default(L""))
