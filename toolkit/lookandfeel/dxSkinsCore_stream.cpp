// The binary form of skins: reading and writing the tree, the read window
// over a picture, and the listing of the skins in a single- or multi-skin
// stream. Every count and length is checked against the bytes that remain
// before anything is allocated, and every read that comes short raises, so
// damaged data end in an error, never in a half-read field taken for good.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "SysUtils.h"
#include "dxSkinsCore.h"

namespace {

TdxSkinReadableFunc GReadable = nullptr;

std::int64_t Remaining(TStream* S) { return S->Size() - S->Position(); }

[[noreturn]] void ShortRead() { throw EReadError(&SReadError); }

std::int32_t ReadInt(TStream* S) {
  std::uint8_t b[4];
  S->ReadBuffer(b, 4);
  return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                      std::uint32_t(b[3]) << 24);
}

std::uint8_t ReadByte(TStream* S) {
  std::uint8_t b = 0;
  S->ReadBuffer(&b, 1);
  return b;
}

std::uint16_t ReadWord(TStream* S) {
  std::uint8_t b[2];
  S->ReadBuffer(b, 2);
  return std::uint16_t(b[0] | b[1] << 8);
}

double ReadDouble(TStream* S) {
  std::uint8_t b[8];
  S->ReadBuffer(b, 8);
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = bits << 8 | b[i];
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

TRect ReadRect(TStream* S) {
  TRect r;
  r.Left = ReadInt(S);
  r.Top = ReadInt(S);
  r.Right = ReadInt(S);
  r.Bottom = ReadInt(S);
  return r;
}

// Margins and offsets: each side held to the stored bound.
TRect ReadExtents(TStream* S) {
  const TRect r = ReadRect(S);
  return TRect{dxSkinClampStoredExtent(r.Left), dxSkinClampStoredExtent(r.Top), dxSkinClampStoredExtent(r.Right),
               dxSkinClampStoredExtent(r.Bottom)};
}

TSize ReadSize(TStream* S) {
  TSize s;
  s.cx = ReadInt(S);
  s.cy = ReadInt(S);
  return s;
}

String ReadAnsi(TStream* S) {
  const std::int32_t n = ReadInt(S);
  if (n <= 0) return String();
  if (n > Remaining(S)) ShortRead();
  AnsiString bytes(std::size_t(n), '\0');
  S->ReadBuffer(bytes.data(), n);
  // Names and class names are ASCII, the same in every code page: no call to
  // the system's converter for them (a skin holds thousands).
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return String(bytes.begin(), bytes.end());
  return AnsiToString(bytes);
}

String ReadWide(TStream* S) {
  const std::int32_t n = ReadInt(S);
  if (n <= 0) return String();
  if (std::int64_t(n) * 2 > Remaining(S)) ShortRead();
  std::u16string units(std::size_t(n), u'\0');
  S->ReadBuffer(units.data(), n * 2);
  return UTF16ToString(units);
}

// A list's count; each record takes at least four bytes, so a count the
// remaining bytes cannot hold is damage.
int ReadCount(TStream* S) {
  const std::int32_t n = ReadInt(S);
  if (n <= 0) return 0;
  if (n > Remaining(S) / 4) ShortRead();
  return n;
}

[[noreturn]] void Damaged(const String& AWhat) { throw EdxSkin(L"Skin data are damaged: " + AWhat); }

template <class E>
E ReadEnum(TStream* S, int ACount, const wchar_t* AWhat) {
  const std::uint8_t v = ReadByte(S);
  if (v >= ACount) Damaged(String(AWhat) + L" " + std::to_wstring(v));
  return E(v);
}

void WriteInt(TStream* S, std::int32_t V) {
  const std::uint32_t u = std::uint32_t(V);
  const std::uint8_t b[4] = {std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16), std::uint8_t(u >> 24)};
  S->WriteBuffer(b, 4);
}

void WriteByte(TStream* S, std::uint8_t V) { S->WriteBuffer(&V, 1); }

void WriteWord(TStream* S, std::uint16_t V) {
  const std::uint8_t b[2] = {std::uint8_t(V), std::uint8_t(V >> 8)};
  S->WriteBuffer(b, 2);
}

void WriteDouble(TStream* S, double V) {
  std::uint64_t bits;
  std::memcpy(&bits, &V, sizeof bits);
  std::uint8_t b[8];
  for (auto& byte : b) {
    byte = std::uint8_t(bits);
    bits >>= 8;
  }
  S->WriteBuffer(b, 8);
}

void WriteRect(TStream* S, const TRect& R) {
  WriteInt(S, R.Left);
  WriteInt(S, R.Top);
  WriteInt(S, R.Right);
  WriteInt(S, R.Bottom);
}

void WriteSize(TStream* S, const TSize& V) {
  WriteInt(S, V.cx);
  WriteInt(S, V.cy);
}

void WriteAnsi(TStream* S, const String& V) {
  const AnsiString bytes = StringToAnsi(V);
  WriteInt(S, std::int32_t(bytes.size()));
  if (!bytes.empty()) S->WriteBuffer(bytes.data(), std::int32_t(bytes.size()));
}

void WriteWide(TStream* S, const String& V) {
  const std::u16string units = StringToUTF16(V);
  WriteInt(S, std::int32_t(units.size()));
  if (!units.empty()) S->WriteBuffer(units.data(), std::int32_t(units.size() * 2));
}

void WriteHeader(TStream* S) {
  WriteInt(S, 6);
  S->WriteBuffer(dxSkinSignature, 6);
  WriteDouble(S, dxSkinStreamVersion);
}

bool IsReadable() { return !GReadable || GReadable(); }

// A registered property class of that name; anything else is an unknown class.
TClass FindPropertyClass(const String& AName) {
  TClass c = FindClass(AName);
  for (TClass known : dxSkinPropertyClasses())
    if (c == known) return c;
  throw EClassNotFound(vamire_detail::FormatRes(&SClassNotFound, {AName}));
}

}  // namespace

void SetSkinReadableFunc(TdxSkinReadableFunc AFunc) { GReadable = AFunc; }

bool ReadSkinHeader(TStream* AStream, double& AVersion) {
  std::uint8_t head[18];
  if (AStream->Read(head, 18) != 18 || std::memcmp(head + 4, dxSkinSignature, 6) != 0) return false;
  std::uint64_t bits = 0;
  for (int i = 17; i >= 10; --i) bits = bits << 8 | head[i];
  std::memcpy(&AVersion, &bits, sizeof AVersion);
  return true;
}

void WriteMultiSkinStream(TStream* AStream, const std::vector<std::string>& ASkinStreams) {
  WriteHeader(AStream);
  WriteInt(AStream, std::int32_t(ASkinStreams.size()));
  for (const std::string& skin : ASkinStreams) {
    WriteInt(AStream, std::int32_t(skin.size()));
    if (!skin.empty()) AStream->WriteBuffer(skin.data(), std::int32_t(skin.size()));
  }
}

// --- Properties ----------------------------------------------------------------------------

void TdxSkinProperty::ReadFromStream(TStream* AStream) {
  SetName(ReadAnsi(AStream));
  ReadData(AStream);
}

void TdxSkinProperty::WriteToStream(TStream* AStream) {
  WriteAnsi(AStream, ClassName());
  WriteAnsi(AStream, Name());
  WriteData(AStream);
}

void TdxSkinIntegerProperty::ReadData(TStream* AStream) { SetValue(ReadInt(AStream)); }
void TdxSkinIntegerProperty::WriteData(TStream* AStream) { WriteInt(AStream, FValue); }
void TdxSkinBooleanProperty::ReadData(TStream* AStream) { SetValue(ReadByte(AStream) != 0); }
void TdxSkinBooleanProperty::WriteData(TStream* AStream) { WriteByte(AStream, FValue ? 1 : 0); }
void TdxSkinColor::ReadData(TStream* AStream) { SetValue(ReadInt(AStream)); }
void TdxSkinColor::WriteData(TStream* AStream) { WriteInt(AStream, FValue); }
void TdxSkinRectProperty::ReadData(TStream* AStream) { SetValue(ReadRect(AStream)); }
void TdxSkinRectProperty::WriteData(TStream* AStream) { WriteRect(AStream, Value()); }
void TdxSkinSizeProperty::ReadData(TStream* AStream) { SetValue(ReadSize(AStream)); }
void TdxSkinSizeProperty::WriteData(TStream* AStream) { WriteSize(AStream, FValue); }
void TdxSkinStringProperty::ReadData(TStream* AStream) { SetValue(ReadAnsi(AStream)); }
void TdxSkinStringProperty::WriteData(TStream* AStream) { WriteAnsi(AStream, FValue); }
void TdxSkinWideStringProperty::ReadData(TStream* AStream) { SetValue(ReadWide(AStream)); }
void TdxSkinWideStringProperty::WriteData(TStream* AStream) { WriteWide(AStream, Value()); }

void TdxSkinBorder::ReadData(TStream* AStream) {
  SetColor(ReadInt(AStream));
  SetThin(dxSkinClampStoredExtent(ReadInt(AStream)));
}

void TdxSkinBorder::WriteData(TStream* AStream) {
  WriteInt(AStream, FColor);
  WriteInt(AStream, FThin);
}

// --- Lists ---------------------------------------------------------------------------------

void TdxSkinProperties::ReadFromStream(TStream* AStream, double) {
  for (int i = 0, n = ReadCount(AStream); i < n; ++i) {
    const TClass propertyClass = FindPropertyClass(ReadAnsi(AStream));
    Add(String(), propertyClass)->ReadFromStream(AStream);
  }
}

void TdxSkinProperties::WriteToStream(TStream* AStream) {
  WriteInt(AStream, Count());
  for (int i = 0; i < Count(); ++i) Items(i)->WriteToStream(AStream);
}

void TdxSkinColors::ReadFromStream(TStream* AStream, double AVersion) {
  for (int i = 0, n = ReadCount(AStream); i < n; ++i) {
    if (AVersion >= 0.92) ReadAnsi(AStream);
    const String name = ReadAnsi(AStream);
    AddColor(name, ReadInt(AStream));
  }
}

void TdxSkinColors::WriteToStream(TStream* AStream) {
  WriteInt(AStream, Count());
  for (int i = 0; i < Count(); ++i) {
    WriteAnsi(AStream, TdxSkinColor::StaticClass()->ClassName());
    WriteAnsi(AStream, Items(i)->Name());
    WriteInt(AStream, Items(i)->Value());
  }
}

void TdxSkinControlGroups::ReadFromStream(TStream* AStream, double AVersion) {
  for (int i = 0, n = ReadCount(AStream); i < n; ++i) Add(ReadAnsi(AStream))->ReadFromStream(AStream, AVersion);
}

void TdxSkinControlGroups::WriteToStream(TStream* AStream) {
  WriteInt(AStream, Count());
  for (int i = 0; i < Count(); ++i) Items(i)->WriteToStream(AStream);
}

void TdxSkinElements::ReadFromStream(TStream* AStream, double AVersion) {
  for (int i = 0, n = ReadCount(AStream); i < n; ++i)
    Add(ReadAnsi(AStream), TdxSkinElement::StaticClass())->ReadFromStream(AStream, AVersion);
}

void TdxSkinElements::WriteToStream(TStream* AStream) {
  WriteInt(AStream, Count());
  for (int i = 0; i < Count(); ++i) Items(i)->WriteToStream(AStream);
}

// --- Groups, elements, images --------------------------------------------------------------

void TdxSkinControlGroup::ReadFromStream(TStream* AStream, double AVersion) {
  FElements->ReadFromStream(AStream, AVersion);
  if (AVersion >= 0.91) PropertyList()->ReadFromStream(AStream, AVersion);
}

void TdxSkinControlGroup::WriteToStream(TStream* AStream) {
  WriteAnsi(AStream, Name());
  FElements->WriteToStream(AStream);
  PropertyList()->WriteToStream(AStream);
}

void TdxSkinElement::ReadFromStream(TStream* AStream, double AVersion) {
  // Held back until the setter applies them with the assigned flag and brush:
  // a stream cut before then leaves the element's colour as it was.
  const TColor color = ReadInt(AStream);
  const std::uint8_t alpha = ReadByte(AStream);
  // An image count below 1 reads as 1, as the setter makes it.
  FImageCount = std::max(ReadInt(AStream), 1);
  FContentOffset->SetRect(ReadExtents(AStream));
  FGlyph->ReadFromStream(AStream, AVersion);
  FImage->ReadFromStream(AStream, AVersion);
  for (int side = 0; side < 4; ++side) {
    TdxSkinBorder* border = FBorders->Items(side);
    if (AVersion >= 0.92) ReadAnsi(AStream);
    border->SetName(ReadAnsi(AStream));
    border->ReadData(AStream);
  }
  FAlpha = alpha;
  SetColor(color);
  if (AVersion >= 0.93) SetTextColor(ReadInt(AStream));
  if (AVersion >= 0.94) FMinSize->SetSize(ReadSize(AStream));
  if (AVersion >= 0.95) PropertyList()->ReadFromStream(AStream, AVersion);
}

void TdxSkinElement::WriteToStream(TStream* AStream) {
  WriteAnsi(AStream, Name());
  WriteInt(AStream, FColor);
  WriteByte(AStream, FAlpha);
  WriteInt(AStream, FImageCount);
  WriteRect(AStream, FContentOffset->Rect());
  FGlyph->WriteToStream(AStream);
  FImage->WriteToStream(AStream);
  for (int side = 0; side < 4; ++side) {
    WriteAnsi(AStream, TdxSkinBorder::StaticClass()->ClassName());
    WriteAnsi(AStream, FBorders->Items(side)->Name());
    FBorders->Items(side)->WriteData(AStream);
  }
  WriteInt(AStream, FTextColor);
  WriteSize(AStream, FMinSize->GetSize());
  PropertyList()->WriteToStream(AStream);
}

void TdxSkinImage::ReadFromStream(TStream* AStream, double AVersion) {
  FMargins->SetRect(ReadExtents(AStream));
  FImageLayout = ReadEnum<TdxSkinImageLayout>(AStream, 2, L"image layout");
  FStates = SkinStatesFromBits(ReadWord(AStream));
  FStretch = ReadEnum<TdxSkinStretchMode>(AStream, 3, L"stretch mode");
  if (AVersion >= 1.02) {
    FGradientBeginColor = ReadInt(AStream);
    FGradientEndColor = ReadInt(AStream);
    FGradient = ReadEnum<TdxSkinGradientMode>(AStream, 4, L"gradient mode");
  }
  const std::int32_t size = ReadInt(AStream);
  if (size > 0) {
    if (size > Remaining(AStream)) ShortRead();
    const std::int64_t start = AStream->Position();
    TdxSkinPartStream part(AStream, size, start);
    try {
      FTexture->LoadFromStream(&part);
    } catch (...) {
      AStream->SetPosition(start + size);
      throw;
    }
    // Whatever the decoder took, the next field starts after the picture.
    AStream->SetPosition(start + size);
  }
  Changed();
}

void TdxSkinImage::WriteToStream(TStream* AStream) {
  WriteRect(AStream, FMargins->Rect());
  WriteByte(AStream, std::uint8_t(FImageLayout));
  WriteWord(AStream, SkinStatesToBits(FStates));
  WriteByte(AStream, std::uint8_t(FStretch));
  WriteInt(AStream, FGradientBeginColor);
  WriteInt(AStream, FGradientEndColor);
  WriteByte(AStream, std::uint8_t(FGradient));
  TMemoryStream png;
  if (!Empty()) FTexture->SaveToStream(&png);
  WriteInt(AStream, std::int32_t(png.Size()));
  if (png.Size() > 0) AStream->WriteBuffer(png.Memory(), std::int32_t(png.Size()));
}

// --- Skin ----------------------------------------------------------------------------------

void TdxSkin::LoadFromStream(TStream* AStream) {
  if (!IsReadable()) return;
  char skipped[4];
  AStream->Read(skipped, 4);
  char signature[6];
  if (AStream->Read(signature, 6) != 6 || std::memcmp(signature, dxSkinSignature, 6) != 0)
    throw EdxSkin(&sdxSkinInvalidStreamFormat);
  FVersion = ReadDouble(AStream);
  SetName(ReadAnsi(AStream));
  // Not "below": a version that is no number is refused too.
  if (!(FVersion >= dxSkinOldestReadableVersion)) throw EdxSkin(&sdxSkinVersionMismatch);
  dxSkinUpdating(this, [&] {
    Clear();
    FColors->ReadFromStream(AStream, FVersion);
    PropertyList()->ReadFromStream(AStream, FVersion);
    FGroups->ReadFromStream(AStream, FVersion);
  });
}

void TdxSkin::SaveToStream(TStream* AStream) {
  WriteHeader(AStream);
  WriteAnsi(AStream, Name());
  FColors->WriteToStream(AStream);
  PropertyList()->WriteToStream(AStream);
  FGroups->WriteToStream(AStream);
}

// --- Part stream ---------------------------------------------------------------------------

TdxSkinPartStream::TdxSkinPartStream(TStream* ASource, std::int64_t ASize, std::int64_t AStart)
    : FSource(ASource), FStart(AStart), FEnd(AStart + ASize) {}

std::int32_t TdxSkinPartStream::Read(void* Buffer, std::int32_t Count) {
  // The window ends the read as the source's end would.
  const std::int64_t left = FEnd - FSource->Position();
  if (left <= 0) return 0;
  return FSource->Read(Buffer, std::int32_t(std::min<std::int64_t>(Count, left)));
}

std::int32_t TdxSkinPartStream::Write(const void* Buffer, std::int32_t Count) {
  const std::int32_t written = FSource->Write(Buffer, Count);
  // The window ends where the writing ended, as a file does when written from a position.
  FEnd = FSource->Position();
  return written;
}

std::int64_t TdxSkinPartStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  std::int64_t target = Origin == soBeginning ? FStart + Offset
                        : Origin == soEnd     ? FEnd + Offset
                                              : FSource->Position() + Offset;
  target = std::clamp(target, FStart, FEnd);
  FSource->SetPosition(target);
  return target - FStart;
}

// --- Listing -------------------------------------------------------------------------------

TdxSkinBinaryReader::TdxSkinBinaryReader(TStream* AStream)
    : FStream(AStream), FSkins(std::make_unique<TStringList>()) {
  const std::int64_t p = FStream->Position();
  if (!ListMultiSkin(p)) {
    // The entries of a multi-skin attempt that failed part-way are not kept.
    FSkins->Clear();
    FPositions.clear();
    TdxSkinPartStream rest(FStream, FStream->Size() - p, p);
    ListSkin(&rest, p);
  }
}

TdxSkinBinaryReader::~TdxSkinBinaryReader() = default;

bool TdxSkinBinaryReader::ListMultiSkin(std::int64_t P) {
  FStream->SetPosition(P);
  double version = 0;
  if (!ReadSkinHeader(FStream, version) || !(version > dxSkinOldestReadableVersion)) return false;
  std::int32_t count = 0;
  // Each entry takes its size field and a header at least, so a count the
  // rest cannot hold is damage.
  constexpr std::int64_t kSmallestEntry = 4 + 18;
  if (FStream->Read(&count, 4) != 4 || count < 0 || count > Remaining(FStream) / kSmallestEntry) return false;
  for (std::int32_t i = 0; i < count; ++i) {
    std::int32_t size = 0;
    if (FStream->Read(&size, 4) != 4 || size < 0 || size > Remaining(FStream)) return false;
    const std::int64_t q = FStream->Position();
    // The entry is read within its own bytes, and the next one starts after
    // them: every byte of the file is read once, whatever the sizes and counts say.
    TdxSkinPartStream entry(FStream, size, q);
    if (!ListSkin(&entry, q)) return false;
    FStream->SetPosition(q + size);
  }
  return true;
}

bool TdxSkinBinaryReader::ListSkin(TStream* AStream, std::int64_t Q) {
  AStream->SetPosition(0);
  double version = 0;
  if (!ReadSkinHeader(AStream, version) || !(version >= dxSkinOldestReadableVersion)) return false;
  try {
    TdxSkin skin(ReadAnsi(AStream));
    skin.Colors()->ReadFromStream(AStream, version);
    skin.PropertyList()->ReadFromStream(AStream, version);
    FSkins->Add(skin.Name() + FSkins->NameValueSeparator() + skin.DisplayName());
    FPositions.push_back(Q);
    return true;
  } catch (const EStreamError&) {  // short data, and unknown property classes (filer errors)
  } catch (const EdxSkin&) {
  }
  return false;
}
