// Streams on the platform: over a file handle, over a named file with the
// runtime's open and share modes, over a resource of a module, and a COM
// IStream over any stream (GDI+ reads and writes images through it).
#pragma once

#include <windows.h>
#include <objidl.h>

#include <atomic>

#include "Streams.h"

// Open modes of TFileStream: one access mode, or fmCreate, combined with one
// share mode.
constexpr uint16_t fmCreate = 0xFF00;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

// A stream over a handle that somebody else opened and closes.
class THandleStream : public TStream {
  VAMIRE_CLASS(THandleStream, TStream)
 public:
  explicit THandleStream(HANDLE AHandle) : FHandle(AHandle) {}

  // A failing system call moves 0 bytes.
  int32_t Read(void* Buffer, int32_t Count) override;
  int32_t Write(const void* Buffer, int32_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  // Raises EOSError with the system's reason when the file refuses.
  void SetSize(int64_t NewSize) override;
  HANDLE Handle() const { return FHandle; }

 protected:
  HANDLE FHandle;
};

// A stream over a file it opens and closes. fmCreate makes the file anew (or
// empties it); the other modes open an existing file. Failures raise
// EFCreateError "Cannot create file \"%s\". %s" or EFOpenError
// "Cannot open file \"%s\". %s" with the full path and the system's reason.
class TFileStream : public THandleStream {
  VAMIRE_CLASS(TFileStream, THandleStream)
 public:
  TFileStream(const String& AFileName, uint16_t Mode);
  ~TFileStream() override;
  const String& FileName() const { return FFileName; }

 private:
  String FFileName;
};

// A read-only stream over a resource of a module. A missing resource raises
// EResNotFound "Resource %s not found"; writing raises EStreamError.
class TResourceStream : public TCustomMemoryStream {
  VAMIRE_CLASS(TResourceStream, TCustomMemoryStream)
 public:
  // ResType is a type name ("DXSKINS") or a MAKEINTRESOURCE type (RT_RCDATA).
  TResourceStream(HINSTANCE Instance, const String& ResName, const wchar_t* ResType);
  TResourceStream(HINSTANCE Instance, int ResID, const wchar_t* ResType);
  int32_t Write(const void* Buffer, int32_t Count) override;

 private:
  void Initialize(HINSTANCE Instance, const wchar_t* Name, const wchar_t* Type, const String& Shown);
};

enum TStreamOwnership { soReference, soOwned };

// IStream over a runtime stream. Reference counted: it starts with one
// reference, held by its creator, who releases it; with soOwned the last
// release also frees the stream. No exception leaves its methods (D-5): a
// failing stream answers with an error code.
class TStreamAdapter : public IStream {
 public:
  TStreamAdapter(TStream* Stream, TStreamOwnership Ownership);
  virtual ~TStreamAdapter();
  TStreamAdapter(const TStreamAdapter&) = delete;
  TStreamAdapter& operator=(const TStreamAdapter&) = delete;

  TStream* Stream() const { return FStream; }
  TStreamOwnership StreamOwnership() const { return FOwnership; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
  HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) override;
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER libNewSize) override;
  HRESULT STDMETHODCALLTYPE CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                                   ULARGE_INTEGER* pcbWritten) override;
  HRESULT STDMETHODCALLTYPE Commit(DWORD grfCommitFlags) override;
  HRESULT STDMETHODCALLTYPE Revert() override;
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
  HRESULT STDMETHODCALLTYPE Clone(IStream** ppstm) override;

 private:
  TStream* FStream;
  TStreamOwnership FOwnership;
  std::atomic<ULONG> FRefCount{1};
};
