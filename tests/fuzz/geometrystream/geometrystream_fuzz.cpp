// Published rectangles and sizes as form files bring them: form text read into
// a component holding a TcxRect and a TcxSize. What the reader accepts writes
// back and reads again to the same stream; sizes never go negative.
#include <memory>

#include "FormText.h"
#include "FuzzSupport.h"
#include "Streams.h"
#include "cxGeometry.h"

namespace {

class TGeometryHolder : public TComponent {
  VAMIRE_CLASS(TGeometryHolder, TComponent)
 public:
  explicit TGeometryHolder(TComponent* AOwner) : TComponent(AOwner), FRect(this), FSize(this) {}
  TcxRect* Margins() { return &FRect; }
  TcxSize* Extent() { return &FSize; }

 private:
  TcxRect FRect;
  TcxSize FSize;
};

VAMIRE_PUBLISHED(TGeometryHolder,
  Prop(L"Margins", &TGeometryHolder::Margins, nullptr),
  Prop(L"Extent", &TGeometryHolder::Extent, nullptr))

std::string Write(TComponent* root) {
  TStringStream out;
  WriteComponentToStream(&out, root);
  return out.DataString();
}

std::unique_ptr<TGeometryHolder> Read(const std::string& bytes) {
  auto holder = std::make_unique<TGeometryHolder>(nullptr);
  TStringStream in(bytes);
  ReadComponentFromStream(&in, holder.get());
  return holder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterClass(TGeometryHolder::StaticClass()), true);
  (void)registered;
  if (size > 4096) return 0;
  std::unique_ptr<TGeometryHolder> holder;
  try {
    holder = Read(FormTextToBinary(fuzz::Narrow(data, size)));
  } catch (const Exception&) {
    return 0;
  }
  fuzz::Check(holder->Extent()->Width() >= 0 && holder->Extent()->Height() >= 0, "a streamed size is negative");
  const std::string written = Write(holder.get());
  const std::unique_ptr<TGeometryHolder> again = Read(written);
  fuzz::Check(again->Margins()->Rect() == holder->Margins()->Rect() &&
                  again->Extent()->GetSize() == holder->Extent()->GetSize(),
              "geometry changes when written and read again");
  fuzz::Check(Write(again.get()) == written, "geometry writes differently the second time");
  return 0;
}
