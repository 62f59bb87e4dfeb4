// What the manual debug window (TForm6) makes of the operator's typed text:
// the hexadecimal digits kept, every other character dropped, and the digits
// read two by two as the bytes to send. Pure, so it is tested natively and
// fuzzed like every reader of outside input.
#pragma once

#include <cstdint>
#include <vector>

#include "System.h"

// At most this many bytes (twice as many digits) go out in one press (D-96).
const int DebugSendMaxBytes = 51;

// The hexadecimal digits of `text` ("0" to "9", "a" to "f", "A" to "F"), in order.
String HexDigitsOf(const String& text);
// Pairs of digits as bytes; an odd last digit is dropped.
std::vector<uint8_t> HexPairsToBytes(const String& digits);
