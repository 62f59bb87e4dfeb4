#include "Streams_win.h"

#include <algorithm>
#include <memory>

#include "SysUtils.h"

namespace {

const DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
// Indexed by the share mode's digit: compatible and exclusive share nothing.
const DWORD kShare[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE};

DWORD ShareOf(uint16_t Mode) {
  const unsigned i = (Mode & 0xF0) >> 4;
  return i < 5 ? kShare[i] : 0;
}

}  // namespace

// --- THandleStream --------------------------------------------------------------------

int32_t THandleStream::Read(void* Buffer, int32_t Count) {
  DWORD done = 0;
  if (Count <= 0 || !ReadFile(FHandle, Buffer, DWORD(Count), &done, nullptr)) return 0;
  return int32_t(done);
}

int32_t THandleStream::Write(const void* Buffer, int32_t Count) {
  DWORD done = 0;
  if (Count <= 0 || !WriteFile(FHandle, Buffer, DWORD(Count), &done, nullptr)) return 0;
  return int32_t(done);
}

int64_t THandleStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  static const DWORD kMethod[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  LARGE_INTEGER move, result;
  move.QuadPart = Offset;
  if (!SetFilePointerEx(FHandle, move, &result, kMethod[Origin])) return -1;
  return result.QuadPart;
}

void THandleStream::SetSize(int64_t NewSize) {
  Seek(NewSize, soBeginning);
  if (!SetEndOfFile(FHandle)) RaiseLastOSError();
}

// --- TFileStream ----------------------------------------------------------------------

TFileStream::TFileStream(const String& AFileName, uint16_t Mode) : THandleStream(INVALID_HANDLE_VALUE), FFileName(AFileName) {
  if ((Mode & fmCreate) == fmCreate) {
    FHandle = CreateFileW(AFileName.c_str(), GENERIC_READ | GENERIC_WRITE, ShareOf(Mode), nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (FHandle == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      throw EFCreateError(Format(LoadResString(&SFCreateErrorEx), {ExpandFileName(AFileName), SysErrorMessage(error)}));
    }
  } else {
    const unsigned access = Mode & 3;
    FHandle = access < 3 ? CreateFileW(AFileName.c_str(), kAccess[access], ShareOf(Mode), nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)
                         : INVALID_HANDLE_VALUE;
    if (FHandle == INVALID_HANDLE_VALUE) {
      const DWORD error = access < 3 ? GetLastError() : ERROR_INVALID_PARAMETER;
      throw EFOpenError(Format(LoadResString(&SFOpenErrorEx), {ExpandFileName(AFileName), SysErrorMessage(error)}));
    }
  }
}

TFileStream::~TFileStream() {
  if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
}

// The file routines of the memory streams stand on TFileStream.
void TCustomMemoryStream::SaveToFile(const String& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

// --- TResourceStream ------------------------------------------------------------------

TResourceStream::TResourceStream(HINSTANCE Instance, const String& ResName, const wchar_t* ResType) {
  Initialize(Instance, ResName.c_str(), ResType, ResName);
}

TResourceStream::TResourceStream(HINSTANCE Instance, int ResID, const wchar_t* ResType) {
  Initialize(Instance, MAKEINTRESOURCEW(ResID), ResType, std::to_wstring(ResID));
}

void TResourceStream::Initialize(HINSTANCE Instance, const wchar_t* Name, const wchar_t* Type, const String& Shown) {
  HRSRC info = FindResourceW(Instance, Name, Type);
  HGLOBAL data = info ? LoadResource(Instance, info) : nullptr;
  void* memory = data ? LockResource(data) : nullptr;
  if (!memory) throw EResNotFound(Format(LoadResString(&SResNotFound), {Shown}));
  // Resources stay mapped as long as their module; nothing to release.
  SetPointer(memory, SizeofResource(Instance, info));
}

int32_t TResourceStream::Write(const void*, int32_t) {
  throw EStreamError(LoadResString(&SCantWriteResourceStreamError));
}

// --- TStreamAdapter -------------------------------------------------------------------

TStreamAdapter::TStreamAdapter(TStream* Stream, TStreamOwnership Ownership) : FStream(Stream), FOwnership(Ownership) {}

TStreamAdapter::~TStreamAdapter() {
  if (FOwnership == soOwned) delete FStream;
}

HRESULT TStreamAdapter::QueryInterface(REFIID riid, void** ppvObject) {
  if (!ppvObject) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_ISequentialStream || riid == IID_IStream) {
    *ppvObject = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  *ppvObject = nullptr;
  return E_NOINTERFACE;
}

ULONG TStreamAdapter::AddRef() { return ++FRefCount; }

ULONG TStreamAdapter::Release() {
  const ULONG count = --FRefCount;
  if (count == 0) delete this;
  return count;
}

HRESULT TStreamAdapter::Read(void* pv, ULONG cb, ULONG* pcbRead) {
  if (!pv) return STG_E_INVALIDPOINTER;
  try {
    ULONG total = 0;
    // Counts above the stream's block size are read in pieces.
    while (total < cb) {
      const int32_t want = int32_t(std::min<ULONG>(cb - total, 0x40000000));
      const int32_t got = FStream->Read(static_cast<char*>(pv) + total, want);
      if (got <= 0) break;
      total += ULONG(got);
    }
    if (pcbRead) *pcbRead = total;
    return S_OK;
  } catch (...) {
    if (pcbRead) *pcbRead = 0;
    return S_FALSE;
  }
}

HRESULT TStreamAdapter::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
  if (!pv) return STG_E_INVALIDPOINTER;
  try {
    ULONG total = 0;
    while (total < cb) {
      const int32_t want = int32_t(std::min<ULONG>(cb - total, 0x40000000));
      const int32_t done = FStream->Write(static_cast<const char*>(pv) + total, want);
      if (done <= 0) break;
      total += ULONG(done);
    }
    if (pcbWritten) *pcbWritten = total;
    return total == cb ? S_OK : STG_E_MEDIUMFULL;
  } catch (...) {
    if (pcbWritten) *pcbWritten = 0;
    return STG_E_CANTSAVE;
  }
}

HRESULT TStreamAdapter::Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) {
  if (dwOrigin > STREAM_SEEK_END) return STG_E_INVALIDFUNCTION;
  try {
    const int64_t pos = FStream->Seek(dlibMove.QuadPart, TSeekOrigin(dwOrigin));
    if (pos < 0) return STG_E_INVALIDFUNCTION;
    if (plibNewPosition) plibNewPosition->QuadPart = uint64_t(pos);
    return S_OK;
  } catch (...) {
    return STG_E_INVALIDPOINTER;
  }
}

HRESULT TStreamAdapter::SetSize(ULARGE_INTEGER libNewSize) {
  try {
    FStream->SetSize(int64_t(libNewSize.QuadPart));
    return FStream->Size() == int64_t(libNewSize.QuadPart) ? S_OK : E_FAIL;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TStreamAdapter::CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead, ULARGE_INTEGER* pcbWritten) {
  if (!pstm) return STG_E_INVALIDPOINTER;
  uint64_t read = 0, written = 0;
  HRESULT result = S_OK;
  try {
    const ULONG chunk = 0xF000;
    std::unique_ptr<char[]> buffer(new char[chunk]);
    while (read < cb.QuadPart) {
      const int32_t want = int32_t(std::min<uint64_t>(cb.QuadPart - read, chunk));
      const int32_t got = FStream->Read(buffer.get(), want);
      if (got <= 0) break;
      read += uint64_t(got);
      ULONG done = 0;
      result = pstm->Write(buffer.get(), ULONG(got), &done);
      written += done;
      if (FAILED(result)) break;
      if (done != ULONG(got)) {
        result = STG_E_MEDIUMFULL;
        break;
      }
    }
  } catch (...) {
    result = E_UNEXPECTED;
  }
  if (pcbRead) pcbRead->QuadPart = read;
  if (pcbWritten) pcbWritten->QuadPart = written;
  return result;
}

HRESULT TStreamAdapter::Commit(DWORD) { return S_OK; }

HRESULT TStreamAdapter::Revert() { return STG_E_REVERTED; }

HRESULT TStreamAdapter::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) { return STG_E_INVALIDFUNCTION; }

HRESULT TStreamAdapter::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) { return STG_E_INVALIDFUNCTION; }

HRESULT TStreamAdapter::Stat(STATSTG* pstatstg, DWORD) {
  if (!pstatstg) return STG_E_INVALIDPOINTER;
  try {
    *pstatstg = STATSTG{};
    pstatstg->type = STGTY_STREAM;
    pstatstg->cbSize.QuadPart = uint64_t(std::max<int64_t>(FStream->Size(), 0));
    pstatstg->grfMode = STGM_READWRITE;
    pstatstg->grfLocksSupported = 0;
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TStreamAdapter::Clone(IStream** ppstm) {
  if (ppstm) *ppstm = nullptr;
  return E_NOTIMPL;
}
