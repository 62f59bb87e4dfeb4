// Streams on the platform: files with open and share modes and their errors,
// resources, and the IStream adapter as GDI+ uses it.
#include <gtest/gtest.h>

#include <windows.h>
// GDI+ wants the property types that the lean Windows headers leave out.
#include <propidl.h>
#include <gdiplus.h>

#include <functional>
#include <memory>

#include "Streams_win.h"
#include "services_temp.h"

namespace {

void WriteFileBytes(const String& Name, const std::string& Bytes) {
  TFileStream f(Name, fmCreate);
  f.WriteBuffer(Bytes.data(), int32_t(Bytes.size()));
}

std::string Narrow(const String& S) { return std::string(S.begin(), S.end()); }

TEST(FileStream, OpenErrorsNameTheFile) {
  TTempFolder dir(L"streams");
  const String existing = dir / L"held.bin";
  WriteFileBytes(existing, "data");
  const String missing = dir / L"missing.bin";
  const String badFolder = dir / L"no such folder\\new.bin";

  struct Case {
    const char* Name;
    std::function<void()> Open;
    TClass Expected;
    String Prefix;
  };
  std::unique_ptr<TFileStream> holder;
  const Case cases[] = {
      {"missing file", [&] { TFileStream f(missing, fmOpenRead); }, EFOpenError::StaticClass(),
       L"Cannot open file \"" + missing + L"\". "},
      {"create in a missing folder", [&] { TFileStream f(badFolder, fmCreate); }, EFCreateError::StaticClass(),
       L"Cannot create file \"" + badFolder + L"\". "},
      {"second open of an exclusively held file",
       [&] {
         holder = std::make_unique<TFileStream>(existing, fmOpenReadWrite | fmShareExclusive);
         TFileStream f(existing, fmOpenRead | fmShareDenyNone);
       },
       EFOpenError::StaticClass(), L"Cannot open file \"" + existing + L"\". "},
      {"writer while a reader denies writing",
       [&] {
         holder = std::make_unique<TFileStream>(existing, fmOpenRead | fmShareDenyWrite);
         TFileStream f(existing, fmOpenWrite | fmShareDenyNone);
       },
       EFOpenError::StaticClass(), L"Cannot open file \"" + existing + L"\". "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    try {
      c.Open();
      ADD_FAILURE() << "opened";
    } catch (const EFileStreamError& e) {
      EXPECT_EQ(e.ClassType(), c.Expected);
      EXPECT_EQ(e.Message().rfind(c.Prefix, 0), 0u) << Narrow(e.Message());
      // The system's reason follows, without its trailing full stop.
      EXPECT_GT(e.Message().size(), c.Prefix.size()) << Narrow(e.Message());
      EXPECT_NE(e.Message().back(), L'.');
    }
    holder.reset();
  }
  // Relative names are reported with their full path.
  try {
    TFileStream f(L"surely-not-here.bin", fmOpenRead);
    ADD_FAILURE() << "opened";
  } catch (const EFOpenError& e) {
    wchar_t full[MAX_PATH];
    GetFullPathNameW(L"surely-not-here.bin", MAX_PATH, full, nullptr);
    EXPECT_NE(e.Message().find(L"\"" + String(full) + L"\""), String::npos) << Narrow(e.Message());
  }
}

TEST(FileStream, SharingThatIsAllowed) {
  TTempFolder dir(L"streams");
  const String name = dir / L"shared.bin";
  WriteFileBytes(name, "0123456789");
  TFileStream a(name, fmOpenRead | fmShareDenyNone);
  TFileStream b(name, fmOpenReadWrite | fmShareDenyNone);
  b.Seek(0, soEnd);
  b.WriteBuffer("AB", 2);
  EXPECT_EQ(a.Size(), 12);  // the reader sees the writer's bytes
  TFileStream c(name, fmOpenRead | fmShareDenyNone);
  EXPECT_EQ(c.FileName(), name);
  // Denying writers is refused while one has the file open.
  EXPECT_THROW(TFileStream(name, fmOpenRead | fmShareDenyWrite), EFOpenError);
}

TEST(FileStream, ReadWriteSeekAndSize) {
  TTempFolder dir(L"streams");
  const String name = dir / L"data.bin";
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("hello world", 11);
    EXPECT_EQ(f.Position(), 11);
    f.Seek(-5, soFromEnd);
    f.WriteBuffer("WORLD", 5);
    f.SetSize(8);
    EXPECT_EQ(f.Size(), 8);
  }
  TFileStream f(name, fmOpenRead);
  char buf[16] = {};
  EXPECT_EQ(f.Read(buf, 16), 8);
  EXPECT_EQ(std::string(buf, 8), "hello WO");
  EXPECT_THROW(f.ReadBuffer(buf, 1), EReadError);
  EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);  // opened for reading only
  f.Seek(2, soFromBeginning);
  f.ReadBuffer(buf, 3);
  EXPECT_EQ(std::string(buf, 3), "llo");
  EXPECT_EQ(f.Seek(0, soFromCurrent), 5);

  // fmCreate empties an existing file.
  TFileStream again(dir / L"data2.bin", fmCreate);
  again.WriteBuffer("x", 1);
}

TEST(FileStream, MemoryStreamFiles) {
  TTempFolder dir(L"streams");
  TMemoryStream m;
  std::string bytes(70000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = char(i * 13);
  m.WriteBuffer(bytes.data(), int32_t(bytes.size()));
  m.SaveToFile(dir / L"m.bin");
  TMemoryStream back;
  back.LoadFromFile(dir / L"m.bin");
  ASSERT_EQ(back.Size(), int64_t(bytes.size()));
  EXPECT_EQ(std::string(static_cast<const char*>(back.Memory()), bytes.size()), bytes);
  EXPECT_THROW(back.LoadFromFile(dir / L"none.bin"), EFOpenError);
}

TEST(ResourceStream, ByNameAndByNumber) {
  HINSTANCE self = GetModuleHandleW(nullptr);
  TResourceStream named(self, L"STREAMTEST", L"DXSKINS");
  EXPECT_EQ(named.Size(), 10);
  char buf[10];
  named.ReadBuffer(buf, 10);
  EXPECT_EQ(std::string(buf, 10), "0123456789");
  EXPECT_THROW(named.WriteBuffer("x", 1), EStreamError);

  TResourceStream numbered(self, 101, RT_RCDATA);
  EXPECT_EQ(numbered.Size(), 9);

  struct Case {
    const char* Name;
    std::function<void()> Open;
    const wchar_t* Message;
  };
  const Case cases[] = {
      {"missing name", [&] { TResourceStream s(self, L"NOPE", L"DXSKINS"); }, L"Resource NOPE not found"},
      {"wrong type", [&] { TResourceStream s(self, L"STREAMTEST", RT_RCDATA); }, L"Resource STREAMTEST not found"},
      {"missing number", [&] { TResourceStream s(self, 999, RT_RCDATA); }, L"Resource 999 not found"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    try {
      c.Open();
      ADD_FAILURE() << "found";
    } catch (const EResNotFound& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
  }
}

TEST(StreamAdapter, IStreamCalls) {
  auto* memory = new TMemoryStream;
  auto* adapter = new TStreamAdapter(memory, soOwned);
  IStream* stm = nullptr;
  ASSERT_EQ(adapter->QueryInterface(IID_IStream, reinterpret_cast<void**>(&stm)), S_OK);
  adapter->Release();  // the interface reference keeps it alive

  ULONG done = 0;
  EXPECT_EQ(stm->Write("abcdef", 6, &done), S_OK);
  EXPECT_EQ(done, 6u);
  LARGE_INTEGER move;
  ULARGE_INTEGER pos;
  move.QuadPart = -4;
  EXPECT_EQ(stm->Seek(move, STREAM_SEEK_END, &pos), S_OK);
  EXPECT_EQ(pos.QuadPart, 2u);
  char buf[8] = {};
  EXPECT_EQ(stm->Read(buf, 8, &done), S_OK);
  EXPECT_EQ(done, 4u);
  EXPECT_EQ(std::string(buf, 4), "cdef");
  EXPECT_EQ(stm->Seek(move, 7, &pos), STG_E_INVALIDFUNCTION);

  STATSTG st;
  EXPECT_EQ(stm->Stat(&st, STATFLAG_NONAME), S_OK);
  EXPECT_EQ(st.type, DWORD(STGTY_STREAM));
  EXPECT_EQ(st.cbSize.QuadPart, 6u);
  ULARGE_INTEGER size;
  size.QuadPart = 3;
  EXPECT_EQ(stm->SetSize(size), S_OK);
  EXPECT_EQ(memory->Size(), 3);

  // CopyTo into a system stream.
  IStream* target = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &target), S_OK);
  move.QuadPart = 0;
  stm->Seek(move, STREAM_SEEK_SET, nullptr);
  ULARGE_INTEGER all, read, written;
  all.QuadPart = 100;
  EXPECT_EQ(stm->CopyTo(target, all, &read, &written), S_OK);
  EXPECT_EQ(read.QuadPart, 3u);
  EXPECT_EQ(written.QuadPart, 3u);
  target->Release();

  // A failing stream answers with a code, never with an exception.
  TResourceStream readOnly(GetModuleHandleW(nullptr), L"STREAMTEST", L"DXSKINS");
  TStreamAdapter guarded(&readOnly, soReference);
  EXPECT_EQ(guarded.Write("x", 1, &done), STG_E_CANTSAVE);
  EXPECT_EQ(done, 0u);

  EXPECT_EQ(stm->Release(), 0u);  // frees the adapter and, owned, the memory stream
}

TEST(StreamAdapter, GdiPlusSavesAndLoadsPngThroughIt) {
  using namespace Gdiplus;
  GdiplusStartupInput input;
  ULONG_PTR token = 0;
  ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
  const CLSID pngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

  uint32_t pixels[6] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF, 0xFF000000, 0xFF123456};
  GpBitmap* bitmap = nullptr;
  ASSERT_EQ(DllExports::GdipCreateBitmapFromScan0(3, 2, 12, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels),
                                                  &bitmap),
            Ok);
  TMemoryStream png;
  {
    auto* adapter = new TStreamAdapter(&png, soReference);
    EXPECT_EQ(DllExports::GdipSaveImageToStream(bitmap, adapter, &pngEncoder, nullptr), Ok);
    adapter->Release();
  }
  DllExports::GdipDisposeImage(bitmap);
  ASSERT_GT(png.Size(), 8);
  EXPECT_EQ(std::string(static_cast<const char*>(png.Memory()), 4), "\x89PNG");

  png.SetPosition(0);
  auto* adapter = new TStreamAdapter(&png, soReference);
  GpBitmap* loaded = nullptr;
  ASSERT_EQ(DllExports::GdipCreateBitmapFromStream(adapter, &loaded), Ok);
  UINT w = 0, h = 0;
  DllExports::GdipGetImageWidth(loaded, &w);
  DllExports::GdipGetImageHeight(loaded, &h);
  EXPECT_EQ(w, 3u);
  EXPECT_EQ(h, 2u);
  ARGB c = 0;
  DllExports::GdipBitmapGetPixel(loaded, 2, 1, &c);
  EXPECT_EQ(c, 0xFF123456u);
  DllExports::GdipDisposeImage(loaded);
  adapter->Release();
  GdiplusShutdown(token);
}

}  // namespace
