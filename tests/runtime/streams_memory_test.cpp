// Streams in memory: checked block transfers, the three seek origins,
// copying between streams and the growth of memory streams.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "Streams.h"

namespace {

// A stream that takes at most Limit bytes in all, to show a short write.
class TLimitedStream : public TStream {
 public:
  explicit TLimitedStream(int32_t Limit) : FLimit(Limit) {}
  int32_t Read(void*, int32_t) override { return 0; }
  int32_t Write(const void*, int32_t Count) override {
    const int32_t n = std::min(Count, FLimit);
    FLimit -= n;
    return n;
  }
  int64_t Seek(int64_t, TSeekOrigin) override { return 0; }

 private:
  int32_t FLimit;
};

std::unique_ptr<TMemoryStream> MemoryWith(const std::string& Bytes) {
  auto s = std::make_unique<TMemoryStream>();
  s->WriteBuffer(Bytes.data(), int32_t(Bytes.size()));
  s->SetPosition(0);
  return s;
}

std::string Content(TCustomMemoryStream& S) {
  return std::string(static_cast<const char*>(S.Memory()), size_t(S.Size()));
}

TEST(Streams, ShortTransfersRaiseTheRuntimeErrors) {
  struct Case {
    const char* Name;
    std::function<void()> Run;
    TClass Expected;
    const wchar_t* Message;
  };
  auto memory = MemoryWith("abcd");
  TStringStream text("xyz");
  TLimitedStream narrow(3);
  char buf[16];
  const Case cases[] = {
      {"memory stream read past the end", [&] { memory->SetPosition(2); memory->ReadBuffer(buf, 3); },
       EReadError::StaticClass(), L"Stream read error"},
      {"read from a position beyond the end", [&] { memory->SetPosition(10); memory->ReadBuffer(buf, 1); },
       EReadError::StaticClass(), L"Stream read error"},
      {"string stream read past the end", [&] { text.SetPosition(0); text.ReadBuffer(buf, 4); },
       EReadError::StaticClass(), L"Stream read error"},
      {"short write", [&] { narrow.WriteBuffer("12345", 5); }, EWriteError::StaticClass(), L"Stream write error"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    try {
      c.Run();
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_EQ(e.ClassType(), c.Expected) << std::string(e.ClassName().begin(), e.ClassName().end());
      EXPECT_TRUE(e.InheritsFrom(EStreamError::StaticClass()));
      EXPECT_EQ(e.Message(), c.Message);
    }
  }
  // Exact and empty transfers pass.
  memory->SetPosition(0);
  EXPECT_NO_THROW(memory->ReadBuffer(buf, 4));
  EXPECT_NO_THROW(memory->ReadBuffer(buf, 0));
  EXPECT_EQ(std::string(buf, 4), "abcd");
}

TEST(Streams, SeekOrigins) {
  struct Case {
    int64_t Start;
    int64_t Offset;
    TSeekOrigin Origin;
    int64_t Memory;  // where a memory stream lands
    int64_t Text;    // where a string stream lands (kept inside its string)
  };
  const Case cases[] = {
      {5, 3, soFromBeginning, 3, 3}, {5, -2, soFromCurrent, 3, 3}, {5, 2, soFromCurrent, 7, 7},
      {5, -1, soFromEnd, 9, 9},      {5, 0, soEnd, 10, 10},       {5, 4, soEnd, 14, 10},
      {5, -20, soCurrent, -15, 0},   {0, 12, soBeginning, 12, 10},
  };
  auto memory = MemoryWith("0123456789");
  TStringStream text("0123456789");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Start << " " << c.Offset << " " << int(c.Origin));
    memory->SetPosition(c.Start);
    EXPECT_EQ(memory->Seek(c.Offset, c.Origin), c.Memory);
    EXPECT_EQ(memory->Position(), c.Memory);
    text.SetPosition(c.Start);
    EXPECT_EQ(text.Seek(c.Offset, c.Origin), c.Text);
  }
  // Reading where a seek landed.
  memory->Seek(-3, soFromEnd);
  char buf[3];
  memory->ReadBuffer(buf, 3);
  EXPECT_EQ(std::string(buf, 3), "789");
  memory->Seek(-15, soFromCurrent);  // before the beginning: nothing to read, nothing broken
  EXPECT_EQ(memory->Read(buf, 3), 0);
}

TEST(Streams, CopyFrom) {
  auto source = MemoryWith("The quick brown fox");
  TMemoryStream dest;

  source->SetPosition(4);
  EXPECT_EQ(dest.CopyFrom(source.get(), 5), 5);
  EXPECT_EQ(Content(dest), "quick");
  EXPECT_EQ(source->Position(), 9);

  // 0 copies all of the source from its beginning, wherever it stands.
  dest.Clear();
  source->SetPosition(12);
  EXPECT_EQ(dest.CopyFrom(source.get(), 0), 19);
  EXPECT_EQ(Content(dest), "The quick brown fox");

  // More than the source holds: a read error.
  dest.Clear();
  source->SetPosition(16);
  EXPECT_THROW(dest.CopyFrom(source.get(), 10), EReadError);

  // Larger than one copy chunk.
  std::string big(200000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = char(i * 7 + i / 251);
  auto bigSource = MemoryWith(big);
  TStringStream bigDest;
  EXPECT_EQ(bigDest.CopyFrom(bigSource.get(), 0), int64_t(big.size()));
  EXPECT_EQ(bigDest.DataString(), big);
}

TEST(Streams, MemoryStreamGrowth) {
  TMemoryStream s;
  EXPECT_EQ(s.Memory(), nullptr);
  int capacityChanges = 0;
  int64_t capacity = 0;
  for (int i = 0; i < 200000; ++i) {
    const char b = char(i % 253);
    s.WriteBuffer(&b, 1);
    if (s.Capacity() != capacity) {
      ++capacityChanges;
      capacity = s.Capacity();
      EXPECT_EQ(capacity % 0x2000, 0);
    }
  }
  EXPECT_EQ(s.Size(), 200000);
  EXPECT_GE(s.Capacity(), s.Size());
  // Growth by a share of the capacity, not by a fixed step.
  EXPECT_LT(capacityChanges, 20);
  const auto* p = static_cast<const unsigned char*>(s.Memory());
  for (int i = 0; i < 200000; i += 997) ASSERT_EQ(p[i], i % 253);
}

TEST(Streams, MemoryStreamSizeAndGaps) {
  auto s = MemoryWith("abcdef");
  s->SetSize(3);  // shrinking keeps the head
  EXPECT_EQ(Content(*s), "abc");
  s->SetPosition(3);
  s->SetSize(6);  // growing adds zeros
  EXPECT_EQ(Content(*s), std::string("abc\0\0\0", 6));
  EXPECT_EQ(s->Position(), 3);

  s->SetPosition(6);
  s->SetSize(2);  // a position beyond the new end moves to it
  EXPECT_EQ(s->Position(), 2);

  // Writing beyond the end fills the gap with zeros.
  s->SetPosition(5);
  s->WriteBuffer("Z", 1);
  EXPECT_EQ(Content(*s), std::string("ab\0\0\0Z", 6));

  s->Clear();
  EXPECT_EQ(s->Size(), 0);
  EXPECT_EQ(s->Position(), 0);
  EXPECT_EQ(s->Memory(), nullptr);
}

TEST(Streams, MemoryStreamLoadAndSave) {
  TStringStream source("payload");
  source.SetPosition(3);
  TMemoryStream m;
  m.WriteBuffer("old content that goes", 21);
  m.LoadFromStream(&source);
  EXPECT_EQ(Content(m), "payload");
  EXPECT_EQ(m.Position(), 7);  // a position beyond the new end moves to it

  TStringStream out;
  out.WriteString(">");
  m.SetPosition(4);  // saving writes all, whatever the position
  m.SaveToStream(&out);
  EXPECT_EQ(out.DataString(), ">payload");
}

TEST(Streams, StringStream) {
  TStringStream s("hello world");
  EXPECT_EQ(s.Size(), 11);
  EXPECT_EQ(s.ReadString(5), "hello");
  EXPECT_EQ(s.ReadString(100), " world");
  EXPECT_EQ(s.ReadString(1), "");
  s.SetPosition(6);
  s.WriteString("there, friend");  // overwrites and extends
  EXPECT_EQ(s.DataString(), "hello there, friend");
  s.SetSize(5);
  EXPECT_EQ(s.DataString(), "hello");
  EXPECT_EQ(s.Position(), 5);
  const std::string bytes("\x00\xff\x80", 3);  // any bytes, not only text
  TStringStream raw(bytes);
  char buf[3];
  raw.ReadBuffer(buf, 3);
  EXPECT_EQ(std::string(buf, 3), bytes);
}

}  // namespace
