// Variant streams (the values of records kept in streams) read by the variant
// reader and by each value type's stream reader, from 8-bit and wide-text
// streams. Whatever is read writes back, and that reads and writes again to
// the same bytes. Damaged data may only raise the runtime's errors.
#include <memory>
#include <vector>

#include "FuzzSupport.h"
#include "Streams.h"
#include "cxDataStorage.h"
#include "cxVariants.h"

namespace {

class TWideStream : public TMemoryStream, public IcxWideTextStream {
 public:
  bool HoldsWideText() const override { return true; }
};

std::unique_ptr<TMemoryStream> NewStream(bool wide) {
  if (wide) return std::make_unique<TWideStream>();
  return std::make_unique<TMemoryStream>();
}

std::string Contents(TMemoryStream& s) { return std::string(static_cast<const char*>(s.Memory()), size_t(s.Size())); }

void Fill(TMemoryStream& s, const std::string& bytes) {
  if (!bytes.empty()) s.WriteBuffer(bytes.data(), int32_t(bytes.size()));
  s.SetPosition(0);
}

std::string Rewritten(const std::string& bytes, bool wide) {
  auto in = NewStream(wide);
  Fill(*in, bytes);
  const Variant v = ReadVariantFromStream(in.get());
  auto out = NewStream(wide);
  WriteVariantToStream(out.get(), v);
  return Contents(*out);
}

// One slot of a kind, released however the reading ends.
struct TSlot {
  explicit TSlot(TcxValueTypeClass type) : Type(type), Buffer(size_t(type->ValueSize()), 0) {}
  ~TSlot() { Type->ReleaseValueBuffer(Buffer.data()); }
  TcxValueTypeClass Type;
  std::vector<uint8_t> Buffer;
};

std::string ValueRewritten(TcxValueTypeClass type, const std::string& bytes, bool wide) {
  auto in = NewStream(wide);
  Fill(*in, bytes);
  TSlot slot(type);
  type->ReadValueFromStream(slot.Buffer.data(), in.get());
  auto out = NewStream(wide);
  type->WriteValueToStream(slot.Buffer.data(), out.get());
  return Contents(*out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool settings = (FormatSettings() = TFormatSettings::Invariant(), true);
  (void)settings;
  if (size < 1 || size > 8192) return 0;
  // The first byte picks a value type and the text form; the rest is the stream.
  static const TcxValueTypeClass kinds[] = {
      TcxStringValueType::Class(),   TcxWideStringValueType::Class(), TcxSmallintValueType::Class(),
      TcxIntegerValueType::Class(),  TcxWordValueType::Class(),       TcxBooleanValueType::Class(),
      TcxFloatValueType::Class(),    TcxCurrencyValueType::Class(),   TcxDateTimeValueType::Class(),
      TcxLargeIntValueType::Class(), TcxFMTBcdValueType::Class(),     TcxSQLTimeStampValueType::Class(),
      TcxVariantValueType::Class(),  TcxObjectValueType::Class()};
  const TcxValueTypeClass kind = kinds[(data[0] & 0x7F) % std::size(kinds)];
  const bool wide = (data[0] & 0x80) != 0;
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  try {
    const std::string once = Rewritten(bytes, wide);
    fuzz::Check(Rewritten(once, wide) == once, "a read variant writes back differently the second time");
  } catch (const Exception&) {
  }
  try {
    const std::string once = ValueRewritten(kind, bytes, wide);
    fuzz::Check(ValueRewritten(kind, once, wide) == once, "a read value writes back differently the second time");
  } catch (const Exception&) {
  }
  return 0;
}
