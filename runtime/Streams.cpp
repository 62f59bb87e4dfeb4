#include "Streams.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

const TResStringRec SReadError = {L"SReadError", L"Stream read error"};
const TResStringRec SWriteError = {L"SWriteError", L"Stream write error"};
const TResStringRec SFOpenErrorEx = {L"SFOpenErrorEx", L"Cannot open file \"%s\". %s"};
const TResStringRec SFCreateErrorEx = {L"SFCreateErrorEx", L"Cannot create file \"%s\". %s"};
const TResStringRec SResNotFound = {L"SResNotFound", L"Resource %s not found"};
const TResStringRec SMemoryStreamError = {L"SMemoryStreamError", L"Out of memory while expanding memory stream"};
const TResStringRec SCantWriteResourceStreamError = {L"SCantWriteResourceStreamError",
                                                     L"Can't write to a read-only resource stream"};

namespace {

// Growth step of memory streams: capacities are whole multiples of it.
constexpr int64_t kMemoryDelta = 0x2000;
// Chunk of CopyFrom.
constexpr int64_t kMaxBufSize = 0xF000;

// Where a seek lands, from the current position and the size.
int64_t SeekTarget(int64_t Offset, TSeekOrigin Origin, int64_t Position, int64_t Size) {
  switch (Origin) {
    case soBeginning:
      return Offset;
    case soCurrent:
      return Position + Offset;
    case soEnd:
      return Size + Offset;
  }
  return Position;
}

}  // namespace

// --- TStream --------------------------------------------------------------------------

void TStream::ReadBuffer(void* Buffer, int32_t Count) {
  if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError(LoadResString(&SReadError));
}

void TStream::WriteBuffer(const void* Buffer, int32_t Count) {
  if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError(LoadResString(&SWriteError));
}

int64_t TStream::CopyFrom(TStream* Source, int64_t Count) {
  if (Count == 0) {
    Source->SetPosition(0);
    Count = Source->Size();
  }
  if (Count <= 0) return 0;
  const int64_t result = Count;
  const int64_t bufSize = std::min(Count, kMaxBufSize);
  std::unique_ptr<char[]> buffer(new char[size_t(bufSize)]);
  while (Count > 0) {
    const int32_t n = int32_t(std::min(Count, bufSize));
    Source->ReadBuffer(buffer.get(), n);
    WriteBuffer(buffer.get(), n);
    Count -= n;
  }
  return result;
}

int64_t TStream::Size() {
  const int64_t pos = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) {}

// --- TCustomMemoryStream --------------------------------------------------------------

void TCustomMemoryStream::SetPointer(void* Ptr, int64_t Size) {
  FMemory = Ptr;
  FSize = Size;
}

int32_t TCustomMemoryStream::Read(void* Buffer, int32_t Count) {
  if (FPosition < 0 || Count <= 0) return 0;
  const int64_t n = std::min<int64_t>(FSize - FPosition, Count);
  if (n <= 0) return 0;
  std::memcpy(Buffer, static_cast<const char*>(FMemory) + FPosition, size_t(n));
  FPosition += n;
  return int32_t(n);
}

int64_t TCustomMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  FPosition = SeekTarget(Offset, Origin, FPosition, FSize);
  return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream* Stream) {
  // In pieces: one block transfer moves at most 2 GB.
  const char* p = static_cast<const char*>(FMemory);
  for (int64_t left = FSize; left > 0;) {
    const int32_t n = int32_t(std::min<int64_t>(left, 0x40000000));
    Stream->WriteBuffer(p, n);
    p += n;
    left -= n;
  }
}

// --- TMemoryStream --------------------------------------------------------------------

TMemoryStream::~TMemoryStream() { Clear(); }

void TMemoryStream::Clear() {
  SetCapacity(0);
  SetPointer(nullptr, 0);
  FPosition = 0;
}

void* TMemoryStream::Realloc(int64_t& NewCapacity) {
  if (NewCapacity > 0 && NewCapacity != Size()) NewCapacity = (NewCapacity + (kMemoryDelta - 1)) & ~(kMemoryDelta - 1);
  void* result = Memory();
  if (NewCapacity == FCapacity) return result;
  if (NewCapacity == 0) {
    std::free(result);
    return nullptr;
  }
  if (NewCapacity < 0 || uint64_t(NewCapacity) > SIZE_MAX) throw EStreamError(LoadResString(&SMemoryStreamError));
  result = std::realloc(result, size_t(NewCapacity));
  if (!result) throw EStreamError(LoadResString(&SMemoryStreamError));
  return result;
}

void TMemoryStream::SetCapacity(int64_t NewCapacity) {
  void* memory = Realloc(NewCapacity);
  SetPointer(memory, std::min(Size(), NewCapacity));
  FCapacity = NewCapacity;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) NewSize = 0;
  const int64_t oldSize = Size();
  const int64_t oldPosition = FPosition;
  if (NewSize > FCapacity || NewSize == 0) SetCapacity(NewSize);
  if (NewSize > oldSize) std::memset(static_cast<char*>(Memory()) + oldSize, 0, size_t(NewSize - oldSize));
  SetPointer(Memory(), NewSize);
  if (oldPosition > NewSize) FPosition = NewSize;
}

int32_t TMemoryStream::Write(const void* Buffer, int32_t Count) {
  if (FPosition < 0 || Count <= 0) return 0;
  const int64_t end = FPosition + Count;
  const int64_t oldSize = Size();
  if (end > oldSize) {
    if (end > FCapacity) {
      // Grow by a quarter at least, so writing piece by piece stays linear.
      SetCapacity(std::max(end, FCapacity + FCapacity / 4));
    }
    if (FPosition > oldSize) std::memset(static_cast<char*>(Memory()) + oldSize, 0, size_t(FPosition - oldSize));
    SetPointer(Memory(), end);
  }
  std::memcpy(static_cast<char*>(Memory()) + FPosition, Buffer, size_t(Count));
  FPosition = end;
  return Count;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  Stream->SetPosition(0);
  const int64_t count = Stream->Size();
  SetSize(count);
  char* p = static_cast<char*>(Memory());
  for (int64_t left = count; left > 0;) {
    const int32_t n = int32_t(std::min<int64_t>(left, 0x40000000));
    Stream->ReadBuffer(p, n);
    p += n;
    left -= n;
  }
}

// --- TStringStream --------------------------------------------------------------------

int32_t TStringStream::Read(void* Buffer, int32_t Count) {
  const int64_t size = Size();
  if (FPosition < 0 || Count <= 0 || FPosition >= size) return 0;
  const int64_t n = std::min<int64_t>(size - FPosition, Count);
  std::memcpy(Buffer, FDataString.data() + FPosition, size_t(n));
  FPosition += n;
  return int32_t(n);
}

int32_t TStringStream::Write(const void* Buffer, int32_t Count) {
  if (FPosition < 0 || Count <= 0) return 0;
  const size_t end = size_t(FPosition) + size_t(Count);
  if (end > FDataString.size()) FDataString.resize(end, '\0');
  std::memcpy(FDataString.data() + FPosition, Buffer, size_t(Count));
  FPosition = int64_t(end);
  return Count;
}

int64_t TStringStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  // Kept inside the string, as a string stream always did.
  FPosition = std::clamp<int64_t>(SeekTarget(Offset, Origin, FPosition, Size()), 0, Size());
  return FPosition;
}

void TStringStream::SetSize(int64_t NewSize) {
  FDataString.resize(size_t(std::max<int64_t>(NewSize, 0)), '\0');
  if (FPosition > NewSize) FPosition = Size();
}

AnsiString TStringStream::ReadString(int32_t Count) {
  const int64_t n = std::clamp<int64_t>(Size() - FPosition, 0, std::max(Count, 0));
  AnsiString result = FDataString.substr(size_t(FPosition), size_t(n));
  FPosition += n;
  return result;
}

void TStringStream::WriteString(const AnsiString& AString) { Write(AString.data(), int32_t(AString.size())); }
