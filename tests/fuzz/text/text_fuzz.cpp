// Text helpers that read outside bytes and strings: UTF-8 (form files), ANSI
// code pages (ini files, skin streams), short strings, character sets, quoted
// texts, replacement and file names. Decoding what encoding wrote gives the
// text back; quoting and dequoting cancel.
#include "FuzzSupport.h"
#include "SysUtils.h"
#include "Variants.h"
#include "dxCore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 2048) return 0;
  fuzz::TFuzzReader in(data, size);
  const unsigned mode = in.Pick(4);
  const std::string bytes(reinterpret_cast<const char*>(in.Data()), in.Left());
  switch (mode) {
    case 0: {
      const String decoded = UTF8Decode(bytes);
      fuzz::Check(UTF8Decode(UTF8Encode(decoded)) == decoded, "UTF-8 written from decoded text reads back otherwise");
      const String wide = fuzz::Wide(in.Data(), in.Left());
      UTF8Encode(wide);  // lone surrogates included
      break;
    }
    case 1: {
      const unsigned codePage = CharsetToCodePage(in.Int<int32_t>());
      const AnsiString rest(bytes.begin() + std::min<size_t>(bytes.size(), 4), bytes.end());
      AnsiToString(rest);
      StringToAnsi(AnsiToString(rest, codePage), codePage);
      const TdxShortString shortText = NativeToShortString(rest);
      const AnsiString back = ShortToNativeString(shortText);
      fuzz::Check(back == rest.substr(0, 255), "a short string does not read back");
      TdxShortString raw{};
      for (size_t i = 0; i < raw.size() && i < rest.size(); ++i) raw[i] = uint8_t(rest[i]);
      fuzz::Check(ShortToNativeString(raw).size() == raw[0], "a short string reads another length");
      const TdxCharSet set = MakeCharSet(rest.c_str());
      for (unsigned char c : rest) {  // the set is made from a C string: up to the first zero byte
        if (!c) break;
        fuzz::Check(IsCharInSet(wchar_t(c), set), "a character is missing from its set");
      }
      Variant arr = VarArrayCreate({0, int(std::min<size_t>(rest.size(), 64)) - 1}, varByte);
      for (int i = 0; i < int(std::min<size_t>(rest.size(), 64)); ++i) VarArrayPut(arr, Variant(uint8_t(rest[size_t(i)])), {i});
      if (!rest.empty())
        fuzz::Check(VariantToAnsiString(arr) == rest.substr(0, 64), "a byte array does not convert to its bytes");
      break;
    }
    case 2: {
      const wchar_t quote = in.Bool() ? L'\'' : L'"';
      const String s = in.Rest();
      fuzz::Check(AnsiDequotedStr(AnsiQuotedStr(s, quote), quote) == s, "quoting and dequoting do not cancel");
      AnsiDequotedStr(s, quote);
      Trim(s);
      TrimLeft(s);
      TrimRight(s);
      FirstDayOfWeekFromLocaleItem(s);
      ExtractFilePath(s);
      ExtractFileName(s);
      ExtractFileExt(s);
      ExtractFileDrive(s);
      ChangeFileExt(s, L".ini");
      IncludeTrailingPathDelimiter(s);
      ExcludeTrailingPathDelimiter(s);
      break;
    }
    default: {
      const String text = in.Text(256), oldPattern = in.Text(16), newPattern = in.Text(16);
      const TReplaceFlags flags = TReplaceFlags(in.Pick(4));
      const String replaced = StringReplace(text, oldPattern, newPattern, flags);
      if (oldPattern.empty()) fuzz::Check(replaced == text, "replacing the empty pattern changes the text");
      break;
    }
  }
  return 0;
}
