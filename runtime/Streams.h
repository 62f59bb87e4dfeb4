// Streams of bytes: the abstract stream with its checked block transfers and
// copying, streams in memory and a stream over a byte string. Needs no Win32;
// the file, handle and resource streams and the COM adapter are in
// platform/Streams_win.h.
#pragma once

#include <cstdint>
#include <string>

#include "System.h"

VAMIRE_EXCEPTION(EStreamError, Exception)
VAMIRE_EXCEPTION(EFileStreamError, EStreamError)
VAMIRE_EXCEPTION(EFCreateError, EFileStreamError)
VAMIRE_EXCEPTION(EFOpenError, EFileStreamError)
// Classes.h declares the filer's own error (EFilerError) for the component reader.
VAMIRE_EXCEPTION(EReadError, EStreamError)
VAMIRE_EXCEPTION(EWriteError, EStreamError)
VAMIRE_EXCEPTION(EResNotFound, Exception)

// The runtime's texts of the stream errors.
extern const TResStringRec SReadError;           // "Stream read error"
extern const TResStringRec SWriteError;          // "Stream write error"
extern const TResStringRec SFOpenErrorEx;        // "Cannot open file \"%s\". %s"
extern const TResStringRec SFCreateErrorEx;      // "Cannot create file \"%s\". %s"
extern const TResStringRec SResNotFound;         // "Resource %s not found"
extern const TResStringRec SMemoryStreamError;   // "Out of memory while expanding memory stream"
extern const TResStringRec SCantWriteResourceStreamError;  // "Can't write to a read-only resource stream"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };
// The older names of the three origins.
constexpr TSeekOrigin soFromBeginning = soBeginning;
constexpr TSeekOrigin soFromCurrent = soCurrent;
constexpr TSeekOrigin soFromEnd = soEnd;

class TStream : public TObject {
  VAMIRE_CLASS(TStream, TObject)
 public:
  // Read and Write move up to Count bytes and answer how many moved; a short
  // count is not an error here (ReadBuffer/WriteBuffer make it one).
  virtual int32_t Read(void* Buffer, int32_t Count) = 0;
  virtual int32_t Write(const void* Buffer, int32_t Count) = 0;
  // Answers the new position.
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  // Raise EReadError "Stream read error" / EWriteError "Stream write error"
  // when fewer than Count bytes move.
  void ReadBuffer(void* Buffer, int32_t Count);
  void WriteBuffer(const void* Buffer, int32_t Count);
  // Copies Count bytes from Source's position; Count 0 copies the whole of
  // Source from its beginning. Answers the number of bytes copied.
  int64_t CopyFrom(TStream* Source, int64_t Count);

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
  virtual int64_t Size();
  // Streams that can't change their size ignore it.
  virtual void SetSize(int64_t NewSize);
};

// A stream over one block of memory that the descendant provides.
class TCustomMemoryStream : public TStream {
  VAMIRE_CLASS(TCustomMemoryStream, TStream)
 public:
  int32_t Read(void* Buffer, int32_t Count) override;
  // The position may go past the end; reading there answers 0 bytes.
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return FSize; }
  void SaveToStream(TStream* Stream);
  // Writes the whole content to a new file (platform layer: TFileStream).
  void SaveToFile(const String& FileName);
  void* Memory() const { return FMemory; }

 protected:
  void SetPointer(void* Ptr, int64_t Size);
  int64_t FPosition = 0;

 private:
  void* FMemory = nullptr;
  int64_t FSize = 0;
};

// A growable stream in memory. Writing past the end or SetSize grows it; the
// bytes between the old end and the new data are zero.
class TMemoryStream : public TCustomMemoryStream {
  VAMIRE_CLASS(TMemoryStream, TCustomMemoryStream)
 public:
  TMemoryStream() = default;
  ~TMemoryStream() override;

  int32_t Write(const void* Buffer, int32_t Count) override;
  // Keeps the content up to NewSize; a position beyond the new end moves to it.
  void SetSize(int64_t NewSize) override;
  void Clear();
  // Replaces the content with the whole of Stream (read from its beginning);
  // the position stays unless it lies beyond the new end.
  void LoadFromStream(TStream* Stream);
  // Platform layer (TFileStream), like SaveToFile.
  void LoadFromFile(const String& FileName);
  int64_t Capacity() const { return FCapacity; }

 protected:
  // Answers the memory of the new capacity; raises EStreamError
  // "Out of memory while expanding memory stream" when it can't be had.
  virtual void* Realloc(int64_t& NewCapacity);
  void SetCapacity(int64_t NewCapacity);

 private:
  int64_t FCapacity = 0;
};

// A stream over a byte string (text in the ANSI code page, or raw bytes).
class TStringStream : public TStream {
  VAMIRE_CLASS(TStringStream, TStream)
 public:
  explicit TStringStream(const AnsiString& AString = AnsiString()) : FDataString(AString) {}

  int32_t Read(void* Buffer, int32_t Count) override;
  int32_t Write(const void* Buffer, int32_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return int64_t(FDataString.size()); }
  void SetSize(int64_t NewSize) override;
  // Up to Count bytes from the position.
  AnsiString ReadString(int32_t Count);
  void WriteString(const AnsiString& AString);
  const AnsiString& DataString() const { return FDataString; }

 private:
  AnsiString FDataString;
  int64_t FPosition = 0;
};
