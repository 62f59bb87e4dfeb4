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
    : FEntries(std::move(AEntries)), FInfos(FEntries.size(), nullptr) {}

void TdxSkinUnitSkins::Register() {
  if (!IsGdiPlusAvailable()) return;
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  if (!registry) return;
  for (std::size_t i = 0; i < FEntries.size(); ++i) {
    const TEntry& entry = FEntries[i];
    auto skin = std::make_unique<TdxSkin>(entry.SkinName, GetModuleHandleW(nullptr), true);
    std::unique_ptr<TdxSkinLookAndFeelPainterInfo> info(entry.CreateInfo(skin.get()));
    skin.release();  // the info owns it now
    // A name filed already by someone else stays theirs; this skin is not used.
    if (!registry->Register(entry.RegisteredName, entry.Painter(), info.get())) continue;
    FreeObjectLink(FInfos[i]);
    FInfos[i] = CreateObjectLink(info.release());
  }
}

void TdxSkinUnitSkins::Unregister() {
  TcxExtendedStylePainters* registry = ExtendedStylePainterRegistry();
  for (std::size_t i = 0; i < FEntries.size(); ++i) {
    // Only a name this unit filed, and only while its own info is still there under it.
    if (registry && Info(int(i))) registry->Unregister(FEntries[i].RegisteredName);
    FreeObjectLink(FInfos[i]);
    FInfos[i] = nullptr;
  }
}

TdxSkinLookAndFeelPainterInfo* TdxSkinUnitSkins::Info(int AIndex) const {
  TcxObjectLink* link = FInfos[std::size_t(AIndex)];
  return link ? static_cast<TdxSkinLookAndFeelPainterInfo*>(link->Target()) : nullptr;
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
