// The two streamed forms of an image list, as form files hold them (or damaged
// on disk): the first byte picks the reader. 0: the "ImageInfo" collection,
// whose items must write back and read again to the same records; 1: the
// system list's own stream of older "Bitmap" data, checked before the system
// reads it.
#include <vector>

#include "FuzzSupport.h"
#include "ImgListData.h"
#include "Streaming.h"
#include "Streams.h"
#include "cxGraphics.h"

namespace {

std::vector<TcxImageInfoData> Read(const std::uint8_t* data, std::size_t size) {
  TMemoryStream stream;
  if (size) stream.WriteBuffer(data, std::int32_t(size));
  stream.SetPosition(0);
  TReader reader(&stream);
  return ReadImageInfoData(&reader);
}

std::vector<std::uint8_t> Write(const std::vector<TcxImageInfoData>& items) {
  TMemoryStream stream;
  {
    TWriter writer(&stream);
    writer.WriteValue(vaCollection);
    for (const TcxImageInfoData& item : items) {
      writer.WriteListBegin();
      if (!item.Image.empty()) {
        writer.WriteStr(L"Image.Data");
        writer.WriteBinary(item.Image.data(), std::int32_t(item.Image.size()));
      }
      if (!item.Mask.empty()) {
        writer.WriteStr(L"Mask.Data");
        writer.WriteBinary(item.Mask.data(), std::int32_t(item.Mask.size()));
      }
      writer.WriteStr(L"MaskColor");
      writer.WriteInteger(item.MaskColor);
      writer.WriteListEnd();
    }
    writer.WriteListEnd();
  }
  const auto* bytes = static_cast<const std::uint8_t*>(stream.Memory());
  return std::vector<std::uint8_t>(bytes, bytes + stream.Size());
}

bool Same(const std::vector<TcxImageInfoData>& a, const std::vector<TcxImageInfoData>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].Image != b[i].Image || a[i].Mask != b[i].Mask || a[i].MaskColor != b[i].MaskColor) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 65536) return 0;
  const std::uint8_t* body = data + 1;
  const std::size_t length = size - 1;
  if (data[0] == 1) {
    // Only a verdict: the system reader is not here to be reached.
    CheckImageListData(body, length);
    return 0;
  }
  std::vector<TcxImageInfoData> items;
  try {
    items = Read(body, length);
  } catch (const Exception&) {
    return 0;
  }
  for (const TcxImageInfoData& item : items)
    fuzz::Check(item.Image.size() <= length * 127 && item.Mask.size() <= length * 127, "a record grew past its bound");
  const std::vector<std::uint8_t> written = Write(items);
  std::vector<TcxImageInfoData> again;
  try {
    again = Read(written.data(), written.size());
  } catch (const Exception&) {
    fuzz::Check(false, "what was read does not read again");
  }
  fuzz::Check(Same(items, again), "items read again differ");
  return 0;
}
