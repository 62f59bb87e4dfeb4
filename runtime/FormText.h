// The text form format, for people to read, write and diff, and its
// conversion to and from the binary component stream:
//   object Form1: TForm1
//     Caption = 'Matrix'#13#10'wall'
//     Lines.Strings = (
//       'one'
//       'two')
//     Columns = <
//       item
//         Width = 80
//       end>
//     Options = [opA, opB]
//     Data = {
//       0A0B0C}
//     OnClick = Button1Click
//     object Button1: TButton [2]
//     end
//   end
// Strings are quoted; characters outside printable ASCII are written #nnn
// (UTF-16 code units). Needs no Win32.
#pragma once

#include <string>

#include "Streaming.h"

// Errors in form text, with the line they were found on.
VAMIRE_EXCEPTION(EParserError, Exception)
extern const TResStringRec SParseError;  // Line %d: %s

// Reads text form from Input (UTF-8) and writes the binary stream to Output.
void ObjectTextToBinary(TStream* Input, TStream* Output);
// Reads a binary stream from Input and writes its text form (UTF-8) to Output.
void ObjectBinaryToText(TStream* Input, TStream* Output);

// The same on whole texts and byte strings.
std::string FormTextToBinary(const String& Text);
String FormBinaryToText(const std::string& Bytes);
// The class name of the root object of a text form ("TForm1").
String FormTextClassName(const String& Text);
