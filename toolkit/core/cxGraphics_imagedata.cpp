// The items of an image list's "ImageInfo", read and checked before any of
// them reaches a list.
#include "GraphicsColors.h"
#include "Streaming.h"
#include "Streams.h"
#include "SysUtils.h"
#include "cxGraphics.h"

namespace {

// The plain runtime record of one "Image.Data" or "Mask.Data" value: packed
// data unpacked, and in either form its length checked against what is there.
std::vector<std::uint8_t> BitmapRecord(const std::vector<std::uint8_t>& value) {
  TMemoryStream stream;
  if (!value.empty()) stream.WriteBuffer(value.data(), std::int32_t(value.size()));
  stream.SetPosition(0);
  std::vector<std::uint8_t> unpacked;
  if (ReadPackedBitmapData(&stream, unpacked)) return unpacked;
  return value;
}

void CheckRecord(const std::vector<std::uint8_t>& record) {
  TMemoryStream stream;
  if (!record.empty()) stream.WriteBuffer(record.data(), std::int32_t(record.size()));
  stream.SetPosition(0);
  CheckBitmapRecordLength(&stream);
}

TColor ReadColorValue(TReader* Reader) {
  if (Reader->NextValue() == vaIdent) {
    TColor color = clNone;
    if (!IdentToColor(Reader->ReadIdent(), color)) throw EReadError(LoadResString(&SInvalidPropertyValue));
    return color;
  }
  return TColor(Reader->ReadInteger());
}

}  // namespace

std::vector<TcxImageInfoData> ReadImageInfoData(TReader* Reader) {
  if (Reader->ReadValue() != vaCollection) throw EReadError(LoadResString(&SInvalidPropertyValue));
  std::vector<TcxImageInfoData> items;
  while (!Reader->EndOfList()) {
    const TValueType order = Reader->NextValue();
    if (order >= vaInt8 && order <= vaInt32) Reader->ReadInteger();
    Reader->ReadListBegin();
    TcxImageInfoData item;
    while (!Reader->EndOfList()) {
      const String name = Reader->ReadStr();
      if (SameText(name, L"Image.Data") || SameText(name, L"Mask.Data")) {
        std::vector<std::uint8_t> record = BitmapRecord(Reader->ReadBinary());
        CheckRecord(record);
        (SameText(name, L"Image.Data") ? item.Image : item.Mask) = std::move(record);
      } else if (SameText(name, L"MaskColor")) {
        item.MaskColor = ReadColorValue(Reader);
      } else {
        throw EReadError(vamire_detail::FormatRes(&SUnknownProperty, {name}));
      }
    }
    Reader->ReadListEnd();
    items.push_back(std::move(item));
  }
  Reader->ReadListEnd();
  return items;
}
