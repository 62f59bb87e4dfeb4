// Published properties read and written by name as the text a form file shows
// for their values: "clBtnFace" or "8421504" for a colour, "fsFlat" for an
// enumeration, "[sdLeft, sdTop]" for a set, "True", "12", "1.5". A string
// property's text is the string itself. Copying a value as text lets one
// component hand a setting to another whose property of that name has another
// type with the same value names. Needs no Win32.
#pragma once

#include "Streaming.h"

// The text of Instance's published property Name. False, and Text untouched,
// when the class publishes no such property or its kind has no text form
// (objects, component references, events).
bool GetPropText(TObject* Instance, const String& Name, String& Text);

// Sets Instance's published property Name from its text, through the
// property's setter. False when there is no such property or kind, or the
// property cannot be written. Text the property cannot take (an unknown name,
// a number out of range) raises EConvertError and leaves the property as it was.
bool SetPropText(TObject* Instance, const String& Name, const String& Text);
