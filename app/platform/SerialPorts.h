// The serial ports present on the machine, as the communication dialog's
// "刷新" lists them: the data of every value under HKEY_LOCAL_MACHINE
// "HARDWARE\DEVICEMAP\SERIALCOMM", in the order the registry lists them.
#pragma once

#include <vector>

#include "System.h"

// Port names such as "COM3"; empty when the key cannot be opened or holds no
// value (the dialog then keeps its lists). The key is opened for reading only
// (D-26) and never created.
std::vector<String> PresentSerialPorts();
