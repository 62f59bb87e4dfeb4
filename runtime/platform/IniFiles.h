// Ini files: the abstract ini object that settings and layouts are written
// through; TIniFile on the platform's private-profile functions, TMemIniFile
// holding the whole file in memory, and TRegistryIniFile whose sections are
// registry keys.
#pragma once

#include <windows.h>

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

 protected:
  void SetFileName(const String& Value) { FFileName = Value; }

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

// The whole ini text in memory: read from the file (ANSI code page, D-1) when
// it is made, written back only by UpdateFile. Section and key names ignore
// case unless CaseSensitive is set. With an empty file name it lives in
// memory only; GetStrings/SetStrings move its text to and from a list.
class TMemIniFile : public TCustomIniFile {
  VAMIRE_CLASS(TMemIniFile, TCustomIniFile)
 public:
  explicit TMemIniFile(const String& FileName);
  ~TMemIniFile() override;

  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void ReadSection(const String& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const String& Section, TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  // Writes the text to the file in the ANSI code page; nothing without a name.
  void UpdateFile() override;

  void Clear();
  // The ini text, one line per entry: "[section]", its "key=value" lines and
  // an empty line after each section.
  void GetStrings(TStrings* List);
  // Replaces the content with the ini text of List. Blank lines and lines
  // starting with ";" are skipped; blanks around names and values are dropped.
  void SetStrings(TStrings* List);
  // Takes another file name; with Reload the content is read from it.
  void Rename(const String& FileName, bool Reload);
  bool CaseSensitive() const { return FSections.CaseSensitive(); }
  void SetCaseSensitive(bool Value);

 private:
  TStringList* Section(const String& Name) const;
  TStringList* AddSection(const String& Name);
  void LoadValues();

  TStringList FSections;  // each entry's object is the section's lines
};

extern const TResStringRec SRegCreateFailed;  // "Failed to create key %s"

// An ini object over the registry: FileName is a key path below
// HKEY_CURRENT_USER (made when missing); a section is a sub-key of it, or a
// key path from the root when it starts with "\". Integers and booleans are
// DWORD values, binary data binary values; values stored as text are read too.
class TRegistryIniFile : public TCustomIniFile {
  VAMIRE_CLASS(TRegistryIniFile, TCustomIniFile)
 public:
  explicit TRegistryIniFile(const String& FileName, REGSAM AAccess = KEY_ALL_ACCESS);

  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  int32_t ReadInteger(const String& Section, const String& Ident, int32_t Default) override;
  void WriteInteger(const String& Section, const String& Ident, int32_t Value) override;
  int ReadBinaryStream(const String& Section, const String& Name, TStream* Value) override;
  void WriteBinaryStream(const String& Section, const String& Name, TStream* Value) override;
  void ReadSection(const String& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const String& Section, TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  // Registry writes need no flushing.
  void UpdateFile() override {}

 private:
  String SectionPath(const String& Section) const;
  REGSAM FAccess;
};
