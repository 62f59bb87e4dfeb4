#include "cxVariants.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "FMTBcd.h"
#include "SqlTimeStamp.h"
#include "Streaming.h"
#include "cxDataConsts.h"

// --- Comparison -------------------------------------------------------------------------

int CompareVariants(const Variant& V1, const Variant& V2) {
  if (V1.IsArray() || V2.IsArray()) return CompareVariantArrays(V1, V2);
  return CompareSimpleVariants(V1, V2);
}

int CompareVariantArrays(const Variant& V1, const Variant& V2) {
  const bool a1 = V1.IsArray(), a2 = V2.IsArray();
  if (a1 != a2) return a1 ? 1 : -1;
  if (!a1) return CompareVariants(V1, V2);
  const int high = VarArrayHighBound(V1, 1);
  const int64_t diff = int64_t(high) - VarArrayHighBound(V2, 1);
  if (diff != 0) return int(std::clamp<int64_t>(diff, INT_MIN, INT_MAX));
  // Our own arrays start at 0; others are compared where both have elements.
  for (int i = std::max(VarArrayLowBound(V1, 1), VarArrayLowBound(V2, 1)); i <= high; ++i)
    if (int r = CompareVariants(VarArrayGet(V1, {i}), VarArrayGet(V2, {i}))) return r;
  return 0;
}

int CompareSimpleVariants(const Variant& V1, const Variant& V2) {
  if (V1.IsEmpty()) return V2.IsEmpty() ? 0 : -1;
  if (V2.IsEmpty()) return 1;
  try {
    if (V1 == V2) return 0;
    if (V1.IsNull()) return -1;
    if (V2.IsNull()) return 1;
    return V1 < V2 ? -1 : 1;
  } catch (const EVariantError&) {
    return -1;
  }
}

bool SameVariants(const Variant& V1, const Variant& V2) { return CompareVariants(V1, V2) == 0; }

bool AreVariantsEqual(const Variant& V1, const Variant& V2) {
  if (V1.IsNull() || V2.IsNull() || (V1.VarType() != varBoolean && V2.VarType() != varBoolean))
    return SameVariants(V1, V2);
  try {
    return Variant(V1.AsString()) == Variant(V2.AsString());
  } catch (const EVariantError&) {
    return false;
  }
}

bool IsDateTimeVariant(const Variant& V) { return V.VarType() == varDate || V.VarType() == VarSQLTimeStamp(); }

bool IsNumericVariant(const Variant& V) { return VarIsNumeric(V) || V.VarType() == VarFMTBcd(); }

bool IsVariantNullOrEmpty(const Variant& V) { return V.IsNull() || (VarIsStr(V) && V.AsString().empty()); }

// --- Fixed-size readers and writers -----------------------------------------------------

namespace {

[[noreturn]] void ReadError() { throw EReadError(LoadResString(&cxSDataReadError)); }
[[noreturn]] void WriteError() { throw EWriteError(LoadResString(&cxSDataWriteError)); }

uint64_t GetLE(TStream* s, int n) {
  uint8_t b[8];
  s->ReadBuffer(b, n);
  uint64_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | b[i];
  return v;
}

void PutLE(TStream* s, uint64_t v, int n) {
  uint8_t b[8];
  for (int i = 0; i < n; ++i) b[i] = uint8_t(v >> (8 * i));
  s->WriteBuffer(b, n);
}

// A length read from the stream, refused unless that many units of unitSize
// bytes still follow.
int32_t CheckedLength(TStream* s, int64_t length, int unitSize) {
  if (length < 0 || length * unitSize > s->Size() - s->Position()) ReadError();
  return int32_t(length);
}

}  // namespace

AnsiString ReadStreamAnsiString(TStream* AStream) {
  const int32_t n = CheckedLength(AStream, ReadStreamInteger(AStream), 1);
  AnsiString s(size_t(n), '\0');
  if (n) AStream->ReadBuffer(s.data(), n);
  return s;
}

void WriteStreamAnsiString(TStream* AStream, const AnsiString& AValue) {
  WriteStreamInteger(AStream, int32_t(AValue.size()));
  if (!AValue.empty()) AStream->WriteBuffer(AValue.data(), int32_t(AValue.size()));
}

String ReadStreamWideString(TStream* AStream) {
  const int32_t n = CheckedLength(AStream, ReadStreamInteger(AStream), 2);
  std::vector<uint8_t> b(size_t(n) * 2);
  if (n) AStream->ReadBuffer(b.data(), n * 2);
  String s(size_t(n), L'\0');
  for (size_t i = 0; i < size_t(n); ++i) s[i] = wchar_t(b[2 * i] | b[2 * i + 1] << 8);
  return s;
}

void WriteStreamWideString(TStream* AStream, const String& AValue) {
  WriteStreamInteger(AStream, int32_t(AValue.size()));
  std::vector<uint8_t> b;
  b.reserve(AValue.size() * 2);
  for (wchar_t c : AValue) {
    b.push_back(uint8_t(c));
    b.push_back(uint8_t(unsigned(c) >> 8));
  }
  if (!b.empty()) AStream->WriteBuffer(b.data(), int32_t(b.size()));
}

uint8_t ReadStreamByte(TStream* AStream) { return uint8_t(GetLE(AStream, 1)); }
void WriteStreamByte(TStream* AStream, uint8_t AValue) { PutLE(AStream, AValue, 1); }
int16_t ReadStreamSmallInt(TStream* AStream) { return int16_t(uint16_t(GetLE(AStream, 2))); }
void WriteStreamSmallInt(TStream* AStream, int16_t AValue) { PutLE(AStream, uint16_t(AValue), 2); }
uint16_t ReadStreamWord(TStream* AStream) { return uint16_t(GetLE(AStream, 2)); }
void WriteStreamWord(TStream* AStream, uint16_t AValue) { PutLE(AStream, AValue, 2); }
int32_t ReadStreamInteger(TStream* AStream) { return int32_t(uint32_t(GetLE(AStream, 4))); }
void WriteStreamInteger(TStream* AStream, int32_t AValue) { PutLE(AStream, uint32_t(AValue), 4); }
int64_t ReadStreamInt64(TStream* AStream) { return int64_t(GetLE(AStream, 8)); }
void WriteStreamInt64(TStream* AStream, int64_t AValue) { PutLE(AStream, uint64_t(AValue), 8); }
Currency ReadStreamCurrency(TStream* AStream) { return Currency::FromScaled(ReadStreamInt64(AStream)); }
void WriteStreamCurrency(TStream* AStream, Currency AValue) { WriteStreamInt64(AStream, AValue.Scaled); }

TDateTime ReadStreamDateTime(TStream* AStream) {
  const uint64_t bits = GetLE(AStream, 8);
  double v;
  std::memcpy(&v, &bits, 8);
  return v;
}

void WriteStreamDateTime(TStream* AStream, TDateTime AValue) {
  uint64_t bits;
  std::memcpy(&bits, &AValue, 8);
  PutLE(AStream, bits, 8);
}

double ReadStreamExtended(TStream* AStream) {
  uint8_t b[10];
  AStream->ReadBuffer(b, 10);
  return ExtendedToDouble(b);
}

void WriteStreamExtended(TStream* AStream, double AValue) {
  uint8_t b[10];
  DoubleToExtended(AValue, b);
  AStream->WriteBuffer(b, 10);
}

// --- Stream form ------------------------------------------------------------------------

namespace {

void WriteTag(TStream* s, uint8_t tag) { WriteStreamByte(s, tag); }

void WriteIntegerItem(TStream* s, int64_t v) {
  if (v >= INT8_MIN && v <= INT8_MAX) {
    WriteTag(s, cxVariantTagInt8);
    PutLE(s, uint64_t(v), 1);
  } else if (v >= INT16_MIN && v <= INT16_MAX) {
    WriteTag(s, cxVariantTagInt16);
    PutLE(s, uint64_t(v), 2);
  } else if (v >= INT32_MIN && v <= INT32_MAX) {
    WriteTag(s, cxVariantTagInt32);
    PutLE(s, uint64_t(v), 4);
  } else {
    WriteTag(s, cxVariantTagInt64);
    PutLE(s, uint64_t(v), 8);
  }
}

// An 8-bit text in the ANSI code page. A text the code page can't hold goes
// as a wide text instead, so no character is lost.
void WriteText(TStream* s, const String& text) {
  const AnsiString bytes = StringToAnsi(text);
  if (AnsiToString(bytes) != text) {
    WriteTag(s, cxVariantTagWString);
    WriteStreamWideString(s, text);
  } else if (bytes.size() <= 255) {
    WriteTag(s, cxVariantTagString);
    WriteStreamByte(s, uint8_t(bytes.size()));
    if (!bytes.empty()) s->WriteBuffer(bytes.data(), int32_t(bytes.size()));
  } else {
    WriteTag(s, cxVariantTagLString);
    WriteStreamAnsiString(s, bytes);
  }
}

Variant ReadItem(TStream* s, int depth);

Variant ReadArray(TStream* s, int depth) {
  if (depth >= cxMaxVariantStreamDepth) ReadError();
  int64_t count;
  switch (ReadStreamByte(s)) {
    case cxVariantTagInt8: count = int8_t(uint8_t(GetLE(s, 1))); break;
    case cxVariantTagInt16: count = ReadStreamSmallInt(s); break;
    case cxVariantTagInt32: count = ReadStreamInteger(s); break;
    case cxVariantTagInt64: count = ReadStreamInt64(s); break;
    default: ReadError();
  }
  // Every element takes at least its tag byte.
  const int32_t n = CheckedLength(s, count, 1);
  std::vector<Variant> items;
  // Grown as elements arrive, so damaged counts cost nothing up front.
  items.reserve(size_t(std::min(n, 256)));
  for (int32_t i = 0; i < n; ++i) items.push_back(ReadItem(s, depth + 1));
  return VarArrayOf(std::move(items));
}

Variant ReadItem(TStream* s, int depth) {
  switch (ReadStreamByte(s)) {
    case cxVariantTagNull: return Null();
    case cxVariantTagArray: return ReadArray(s, depth);
    case cxVariantTagInt8: return Variant(int8_t(uint8_t(GetLE(s, 1))));
    case cxVariantTagInt16: return Variant(ReadStreamSmallInt(s));
    case cxVariantTagInt32: return Variant(ReadStreamInteger(s));
    case cxVariantTagExtended: return Variant(ReadStreamExtended(s));
    case cxVariantTagString: {
      AnsiString bytes(ReadStreamByte(s), '\0');
      if (!bytes.empty()) s->ReadBuffer(bytes.data(), int32_t(bytes.size()));
      return Variant(AnsiToString(bytes));
    }
    case cxVariantTagFalse: return Variant(false);
    case cxVariantTagTrue: return Variant(true);
    case cxVariantTagLString: return Variant(AnsiToString(ReadStreamAnsiString(s)));
    case cxVariantTagEmpty: return Variant();
    case cxVariantTagSingle: {
      const uint32_t bits = uint32_t(GetLE(s, 4));
      float f;
      std::memcpy(&f, &bits, 4);
      return Variant(f);
    }
    case cxVariantTagCurrency: return Variant(ReadStreamCurrency(s));
    case cxVariantTagDate: return VarFromDateTime(ReadStreamDateTime(s));
    case cxVariantTagWString: return Variant::OleStr(ReadStreamWideString(s));
    case cxVariantTagInt64: return Variant(ReadStreamInt64(s));
    default: ReadError();
  }
}

void WriteItem(TStream* s, const Variant& v, int depth);

// Nesting the reader would refuse is refused here, so nothing is written that
// can't be read back.
void WriteArray(TStream* s, const Variant& v, int depth) {
  if (VarArrayDimCount(v) != 1 || depth >= cxMaxVariantStreamDepth) WriteError();
  const int low = VarArrayLowBound(v, 1), high = VarArrayHighBound(v, 1);
  WriteTag(s, cxVariantTagArray);
  WriteIntegerItem(s, int64_t(high) - low + 1);
  for (int i = low; i <= high; ++i) WriteItem(s, VarArrayGet(v, {i}), depth + 1);
}

void WriteItem(TStream* AStream, const Variant& AValue, int depth) {
  if (AValue.IsArray()) {
    WriteArray(AStream, AValue, depth);
    return;
  }
  switch (AValue.VarType() & ~varByRef) {
    case varEmpty: WriteTag(AStream, cxVariantTagEmpty); return;
    case varNull: WriteTag(AStream, cxVariantTagNull); return;
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord: case varInt64:
      WriteIntegerItem(AStream, AValue.AsInt64());
      return;
    case varSingle: {
      const float f = float(AValue.AsDouble());
      uint32_t bits;
      std::memcpy(&bits, &f, 4);
      WriteTag(AStream, cxVariantTagSingle);
      PutLE(AStream, bits, 4);
      return;
    }
    case varDouble:
      WriteTag(AStream, cxVariantTagExtended);
      WriteStreamExtended(AStream, AValue.AsDouble());
      return;
    case varCurrency:
      WriteTag(AStream, cxVariantTagCurrency);
      WriteStreamCurrency(AStream, AValue.AsCurrency());
      return;
    case varDate:
      WriteTag(AStream, cxVariantTagDate);
      WriteStreamDateTime(AStream, AValue.AsDate());
      return;
    case varOleStr:
      WriteTag(AStream, cxVariantTagWString);
      WriteStreamWideString(AStream, AValue.AsString());
      return;
    case varBoolean: WriteTag(AStream, AValue.AsBoolean() ? cxVariantTagTrue : cxVariantTagFalse); return;
    case varString: WriteText(AStream, AValue.AsString()); return;
    default: break;
  }
  // Other types: a time stamp as its date, anything else as its text.
  if (AValue.VarType() == VarSQLTimeStamp()) {
    TDateTime date;
    try {
      date = AValue.AsDate();
    } catch (const EVariantError&) {
      WriteError();
    }
    WriteTag(AStream, cxVariantTagDate);
    WriteStreamDateTime(AStream, date);
    return;
  }
  String text;
  try {
    text = AValue.AsString();
  } catch (const EVariantError&) {
    WriteError();
  }
  WriteText(AStream, text);
}

}  // namespace

Variant ReadVariantFromStream(TStream* AStream) { return ReadItem(AStream, 0); }

void WriteVariantToStream(TStream* AStream, const Variant& AValue) { WriteItem(AStream, AValue, 0); }
