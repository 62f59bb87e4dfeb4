// Ini files: the abstract ini object that settings and layouts are written
// through, and TIniFile on the platform's private-profile functions.
#pragma once

#include "Classes.h"
#include "Streams.h"

VAMIRE_EXCEPTION(EIniFileException, Exception)

extern const TResStringRec SIniFileWriteError;  // "Unable to write to %s"

// Sections of named string values, with integers, booleans and binary data
// stored as text.
class TCustomIniFile : public TObject {
  VAMIRE_CLASS(TCustomIniFile, TObject)
 public:
  explicit TCustomIniFile(const String& FileName) : FFileName(FileName) {}
  const String& FileName() const { return FFileName; }

  virtual String ReadString(const String& Section, const String& Ident, const String& Default) = 0;
  virtual void WriteString(const String& Section, const String& Ident, const String& Value) = 0;
  // Decimal, "$" or "0x" hexadecimal; a missing or damaged value gives Default.
  virtual int32_t ReadInteger(const String& Section, const String& Ident, int32_t Default);
  virtual void WriteInteger(const String& Section, const String& Ident, int32_t Value);
  // True when the stored integer is not 0; written as "1" or "0".
  virtual bool ReadBool(const String& Section, const String& Ident, bool Default);
  virtual void WriteBool(const String& Section, const String& Ident, bool Value);
  // Binary values are stored as two hexadecimal digits per byte. Reading
  // writes the bytes at Value's position and leaves the position at their
  // start; decoding stops at the first pair that is not hexadecimal. Answers
  // the number of bytes read. Writing stores Value from its position to its end.
  virtual int ReadBinaryStream(const String& Section, const String& Name, TStream* Value);
  virtual void WriteBinaryStream(const String& Section, const String& Name, TStream* Value);

  // Key names of a section, section names, and "key=value" lines of a section.
  virtual void ReadSection(const String& Section, TStrings* Strings) = 0;
  virtual void ReadSections(TStrings* Strings) = 0;
  virtual void ReadSectionValues(const String& Section, TStrings* Strings);
  // A section exists when it holds a key.
  bool SectionExists(const String& Section);
  virtual bool ValueExists(const String& Section, const String& Ident);
  virtual void EraseSection(const String& Section) = 0;
  virtual void DeleteKey(const String& Section, const String& Ident) = 0;
  // Makes pending writes reach the file.
  virtual void UpdateFile() = 0;

 private:
  String FFileName;
};

// An ini file read and written through GetPrivateProfileStringW and
// WritePrivateProfileStringW, uncached: every read goes to the file and every
// write reaches it at once, so several objects on one file see each other's
// writes. A file that is not UTF-16 stays in the ANSI code page (D-1). A name
// without a folder is looked up in the Windows folder by the platform, so
// callers pass full paths. Write failures raise EIniFileException
// "Unable to write to %s".
class TIniFile : public TCustomIniFile {
  VAMIRE_CLASS(TIniFile, TCustomIniFile)
 public:
  using TCustomIniFile::TCustomIniFile;

  // Values of any length are read whole.
  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void ReadSection(const String& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  bool ValueExists(const String& Section, const String& Ident) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  void UpdateFile() override;
};
