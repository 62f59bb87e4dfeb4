// The built-in skins' common ground: the user skin's painter and info, the
// registration every skin unit does at start (each of its skins read from the
// program's resources and filed by name with its painter, when GDI+ is
// there) and undoes at end, and the reader of a skin file's names.
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
class TdxSkinUnitSkins {
 public:
  struct TEntry {
    const wchar_t* RegisteredName;  // in the registry of named painters
    const wchar_t* SkinName;        // of the skin, and so of its resource
    TcxCustomLookAndFeelPainterClass (*Painter)();
    TdxSkinLookAndFeelPainterInfo* (*CreateInfo)(TdxSkin* ASkin);
  };
  explicit TdxSkinUnitSkins(std::vector<TEntry> AEntries);

  // Reads each skin from the program's resources and files it; nothing without
  // GDI+. A missing or damaged resource raises the skin reader's error.
  void Register();
  // Takes back what Register filed: the registry frees the infos, and they their skins.
  void Unregister();
  // The info made for the entry, while the registry still holds it; else null.
  TdxSkinLookAndFeelPainterInfo* Info(int AIndex = 0) const;

 private:
  std::vector<TEntry> FEntries;
  std::vector<TcxObjectLink*> FInfos;
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
