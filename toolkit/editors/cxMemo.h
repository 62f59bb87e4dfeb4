// The memo's text rules that need no window: the short display text a host
// or filter asks for, and the line breaks of a text that replaces the
// selection in the multi-line EDIT. The editor and its EDIT are in
// platform/cxMemo_win.h.
#pragma once

#include "System.h"

// At most this many characters make a memo's short display text.
constexpr int cxMemoShortTextLength = 250;

// AFullText: the text whole. Otherwise the text up to its first line break
// (CR or LF) found among its first 250 characters, else its first 250
// characters; a shorter text stays whole. No cut splits a surrogate pair.
String MemoDisplayText(const String& AText, bool AFullText);

// Every LF immediately followed by CR becomes CR LF CR LF (two line breaks in
// the EDIT's own form); CR LF pairs, a lone CR and a lone LF stay as they are.
String ConvertMemoLineBreaks(const String& AText);
