// The user skin, the registration of a unit's skins, and ReadSkinNames.
#include "dxSkinsDefaultPainters_win.h"

#include <memory>

#include "Streams_win.h"
#include "cxLookAndFeels.h"

void TdxSkinUserLookAndFeelPainterInfo::SkinChanged(TdxSkin* ASkin) {
  inherited::SkinChanged(ASkin);
  if (TcxLookAndFeel* root = GlobalRootLookAndFeel()) root->Refresh();
}

TdxSkinLookAndFeelPainterInfo* CreateSkinPainterInfo(TdxSkin* ASkin) {
  return new TdxSkinLookAndFeelPainterInfo(ASkin);
}

// --- A unit's skins ---------------------------------------------------------------------------

TdxSkinUnitSkins::TdxSkinUnitSkins(std::vector<TEntry> AEntries)
    : FEntries(std::move(AEntries)), FInfos(FEntries.size(), nullptr), FRead(FEntries.size(), TRead::Done) {}

namespace {

// A skin the program does not carry is refused at start, as reading it at once
// would. Its data are not touched: that would bring their pages in for a skin
// that may never be drawn; a damaged one raises on its first use.
void CheckSkinResource(const wchar_t* ASkinName) {
  if (!FindResourceW(GetModuleHandleW(nullptr), ASkinName, L"DXSKINS"))
    throw EResNotFound(Format(LoadResString(&SResNotFound), {String(ASkinName)}));
}

}  // namespace

void TdxSkinUnitSkins::Register() {
  if (!CanLoadGdiPlus()) return;
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  if (!registry) return;
  for (std::size_t i = 0; i < FEntries.size(); ++i) {
    const TEntry& entry = FEntries[i];
    CheckSkinResource(entry.SkinName);
    std::unique_ptr<TdxSkinLookAndFeelPainterInfo> info(entry.CreateInfo(nullptr));
    // A name filed already by someone else stays theirs; this skin is not used.
    if (!registry->Register(entry.RegisteredName, entry.Painter(), info.get())) continue;
    FreeObjectLink(FInfos[i]);
    FInfos[i] = CreateObjectLink(info.release());
    FRead[i] = TRead::Waiting;
  }
}

void TdxSkinUnitSkins::Unregister() {
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  for (std::size_t i = 0; i < FEntries.size(); ++i) {
    // Only a name this unit filed, and only while its own info is still there under it.
    if (registry && Filed(i)) registry->Unregister(FEntries[i].RegisteredName);
    FreeObjectLink(FInfos[i]);
    FInfos[i] = nullptr;
    FRead[i] = TRead::Done;
  }
}

TdxSkinLookAndFeelPainterInfo* TdxSkinUnitSkins::Filed(std::size_t AIndex) const {
  TcxObjectLink* link = FInfos[AIndex];
  return link ? static_cast<TdxSkinLookAndFeelPainterInfo*>(link->Target()) : nullptr;
}

TdxSkinLookAndFeelPainterInfo* TdxSkinUnitSkins::Info(int AIndex) {
  const std::size_t i = std::size_t(AIndex);
  TdxSkinLookAndFeelPainterInfo* info = Filed(i);
  if (!info) return nullptr;
  if (FRead[i] == TRead::Waiting) {
    // Marked first: a reading that raises is not tried again on every paint.
    FRead[i] = TRead::Failed;
    // GDI+ found at start and failing to start now leaves nothing to draw the pictures with.
    if (!IsGdiPlusAvailable()) return nullptr;
    info->TakeSkin(new TdxSkin(FEntries[i].SkinName, GetModuleHandleW(nullptr), true));
    FRead[i] = TRead::Done;
  }
  return FRead[i] == TRead::Done ? info : nullptr;
}

// --- The user skin ----------------------------------------------------------------------------

namespace {

TdxSkinLookAndFeelPainterInfo* CreateUserSkinInfo(TdxSkin* ASkin) {
  return new TdxSkinUserLookAndFeelPainterInfo(ASkin);
}

TdxSkinUnitSkins UserSkins({{L"UserSkin", L"DefaultUserSkinData", &TdxSkinsUserSkinPainter::Instance,
                             &CreateUserSkinInfo}});
using TUserSkinUnit = TdxSkinUnitProcedures<UserSkins>;

}  // namespace

TcxCustomLookAndFeelPainterClass TdxSkinsUserSkinPainter::Instance() {
  static const auto* instance = new TdxSkinsUserSkinPainter();
  return instance;
}
TdxSkinLookAndFeelPainterInfo* TdxSkinsUserSkinPainter::GetSkinInfo() const { return UserSkins.Info(); }
String TdxSkinsUserSkinPainter::GetSkinUnitName() const { return L"dxSkinsDefaultPainters"; }

bool ReadSkinNames(const String& FileName, TStrings* Strings, bool UseDisplayNames) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyNone);
  return ReadSkinNamesFromStream(&stream, Strings, UseDisplayNames);
}

const TUnitEntry dxSkinsDefaultPaintersUnit{L"dxSkinsDefaultPainters", TUserSkinUnit::Initialize,
                                            TUserSkinUnit::Finalize};
