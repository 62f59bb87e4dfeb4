// The built-in skins' common ground: the user skin's painter and info, the
// registration every skin unit does at start (each of its skins filed by name
// with its painter, when GDI+ is there, and read from the program's resources
// when first asked for) and undoes at end, and the reader of a skin file's names.
#pragma once

#include <vector>

#include "Units.h"
#include "dxGDIPlusAPI.h"
#include "dxSkinsDefaultPainters.h"
#include "dxSkinsLookAndFeelPainter.h"

// The user skin's table: a change of its data repaints every control.
class TdxSkinUserLookAndFeelPainterInfo : public TdxSkinLookAndFeelPainterInfo {
  VAMIRE_CLASS(TdxSkinUserLookAndFeelPainterInfo, TdxSkinLookAndFeelPainterInfo)
 public:
  using TdxSkinLookAndFeelPainterInfo::TdxSkinLookAndFeelPainterInfo;
  bool IsUserSkin() override { return true; }
  // The table is rebuilt, then the root look-and-feel refreshed.
  void SkinChanged(TdxSkin* ASkin) override;
};

// The skins one unit carries, with the painter class that stands for each.
// Each is filed by name at the unit's start with an info that follows no skin
// yet; its tree is read from the program's resources and its lookup table
// built on the first request for its info, once.
class TdxSkinUnitSkins {
 public:
  struct TEntry {
    const wchar_t* RegisteredName;  // in the registry of named painters
    const wchar_t* SkinName;        // of the skin, and so of its resource
    TcxCustomLookAndFeelPainterClass (*Painter)();
    TdxSkinLookAndFeelPainterInfo* (*CreateInfo)(TdxSkin* ASkin);
  };
  explicit TdxSkinUnitSkins(std::vector<TEntry> AEntries);

  // Files each skin; nothing without GDI+. A missing resource raises
  // EResNotFound here; a damaged one raises the skin reader's error on first use.
  void Register();
  // Takes back what Register filed: the registry frees the infos, and they their skins.
  void Unregister();
  // The info made for the entry, while the registry still holds it, its skin
  // read on the first call; else null. A skin whose reading failed raises that
  // error once and answers null from then on, so its painter draws as a
  // painter without skin.
  TdxSkinLookAndFeelPainterInfo* Info(int AIndex = 0);

 private:
  enum class TRead { Waiting, Done, Failed };
  TdxSkinLookAndFeelPainterInfo* Filed(std::size_t AIndex) const;

  std::vector<TEntry> FEntries;
  std::vector<TcxObjectLink*> FInfos;
  std::vector<TRead> FRead;
};

// The plain info class of the built-in skins, for TEntry::CreateInfo.
TdxSkinLookAndFeelPainterInfo* CreateSkinPainterInfo(TdxSkin* ASkin);

// A skin unit's start and end: through the GDI+ units loader, which starts
// it at once in a program and ends it in reverse order.
template <TdxSkinUnitSkins& Skins>
struct TdxSkinUnitProcedures {
  static void Start() { Skins.Register(); }
  static void End() { Skins.Unregister(); }
  static void Initialize() {
    if (TdxUnitsLoader* loader = GetUnitsLoader()) loader->RegisterUnit(&Start, &End);
  }
  static void Finalize() {
    if (TdxUnitsLoader* loader = GetUnitsLoader()) loader->UnregisterUnit(&End);
  }
};

// The painter of the user skin, filed as "UserSkin".
class TdxSkinsUserSkinPainter : public TdxSkinLookAndFeelPainter {
  VAMIRE_CLASS(TdxSkinsUserSkinPainter, TdxSkinLookAndFeelPainter)
 public:
  static TcxCustomLookAndFeelPainterClass Instance();
  TdxSkinLookAndFeelPainterInfo* GetSkinInfo() const override;
  String GetSkinUnitName() const override;

 protected:
  TdxSkinsUserSkinPainter() = default;
};

// Appends the names (or display names) of the skins FileName holds to
// Strings: see ReadSkinNamesFromStream. The file is opened for reading with
// every sharing allowed; one that can't be opened raises EFOpenError.
bool ReadSkinNames(const String& FileName, TStrings* Strings, bool UseDisplayNames);

extern const TUnitEntry dxSkinsDefaultPaintersUnit;
