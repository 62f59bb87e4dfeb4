// Form resources: a form streams the RCDATA resource named after its class
// (and those of its ancestor form classes first); the published table of
// the runtime's font, so "Font.Name" and the rest stream as nested properties.
#include <windows.h>

#include "Graphics.h"
#include "Streaming.h"
#include "Streams_win.h"

VAMIRE_ENUM_NAMES(TFontStyle, L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut")
VAMIRE_ENUM_NAMES(TFontPitch, L"fpDefault", L"fpVariable", L"fpFixed")

namespace {

const TIdentMapEntry kCharsets[] = {
    {ANSI_CHARSET, L"ANSI_CHARSET"},         {DEFAULT_CHARSET, L"DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, L"SYMBOL_CHARSET"},     {MAC_CHARSET, L"MAC_CHARSET"},
    {SHIFTJIS_CHARSET, L"SHIFTJIS_CHARSET"}, {HANGEUL_CHARSET, L"HANGEUL_CHARSET"},
    {JOHAB_CHARSET, L"JOHAB_CHARSET"},       {GB2312_CHARSET, L"GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, L"CHINESEBIG5_CHARSET"}, {GREEK_CHARSET, L"GREEK_CHARSET"},
    {TURKISH_CHARSET, L"TURKISH_CHARSET"},   {HEBREW_CHARSET, L"HEBREW_CHARSET"},
    {ARABIC_CHARSET, L"ARABIC_CHARSET"},     {BALTIC_CHARSET, L"BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, L"RUSSIAN_CHARSET"},   {THAI_CHARSET, L"THAI_CHARSET"},
    {EASTEUROPE_CHARSET, L"EASTEUROPE_CHARSET"}, {OEM_CHARSET, L"OEM_CHARSET"},
};

const TIdentMapper kCharsetMapper{
    [](const String& ident, int& value) { return IdentToInt(ident, value, kCharsets, std::size(kCharsets)); },
    [](int value, String& ident) { return IntToIdent(value, ident, kCharsets, std::size(kCharsets)); }};

bool FindFormResource(const String& name) {
  return FindResourceW(GetModuleHandleW(nullptr), name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */) != nullptr;
}

}  // namespace

// A font is written whole, as the runtime did: only charset, pitch and style
// are left out at their defaults.
VAMIRE_PUBLISHED(TFont,
  Prop(L"Charset", &TFont::Charset, &TFont::SetCharset).Default(DEFAULT_CHARSET).Idents(&kCharsetMapper),
  Prop(L"Color", &TFont::Color, &TFont::SetColor).NoDefault().Idents(&ColorIdentMapper),
  Prop(L"Height", &TFont::Height, &TFont::SetHeight).NoDefault(),
  Prop(L"Name", &TFont::Name, &TFont::SetName).NoDefault(),
  Prop(L"Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault),
  Prop(L"Size", &TFont::Size, &TFont::SetSize).Stored(false),
  Prop(L"Style", &TFont::Style, &TFont::SetStyle))

// Calling it links this file, and with it the font's table, into every program.
void InstallPlatformStreaming() {}

bool ReadComponentRes(const String& ResName, TComponent* Instance) {
  if (!FindFormResource(ResName)) return false;
  TResourceStream stream(GetModuleHandleW(nullptr), ResName, MAKEINTRESOURCEW(10));
  ReadComponentFromStream(&stream, Instance);
  return true;
}

bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor) {
  // The forms between RootAncestor and Instance's class, the oldest first.
  std::vector<TClass> chain;
  for (TClass c = Instance->ClassType(); c && c != RootAncestor; c = c->ClassParent()) chain.insert(chain.begin(), c);
  bool found = false;
  for (TClass c : chain) found = ReadComponentRes(c->ClassName(), Instance) || found;
  return found;
}
