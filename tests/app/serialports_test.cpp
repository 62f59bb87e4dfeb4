// The ports "刷新" offers are what the registry key holds, read by the test
// straight from the platform; nothing is written to the shared prefix (D-46).
#include <windows.h>

#include <gtest/gtest.h>

#include "SerialPorts.h"

namespace {

std::vector<String> ReadDirectly() {
  std::vector<String> ports;
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return ports;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256], data[256];
    DWORD nameLen = 256, dataLen = sizeof data, type = 0;
    LONG r = RegEnumValueW(key, i, name, &nameLen, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataLen);
    if (r == ERROR_NO_MORE_ITEMS) break;
    if (r != ERROR_SUCCESS) continue;
    if (type == REG_SZ) ports.push_back(String(data, wcsnlen(data, dataLen / sizeof(wchar_t))));
  }
  RegCloseKey(key);
  return ports;
}

TEST(SerialPortsTest, TheListIsWhatTheRegistryKeyHoldsInItsOrder) {
  const std::vector<String> before = ReadDirectly();
  EXPECT_EQ(PresentSerialPorts(), before);
  EXPECT_EQ(ReadDirectly(), before) << "reading the list changed the key";
  for (const String& port : PresentSerialPorts()) EXPECT_EQ(port.rfind(L"COM", 0), 0u);
}

}  // namespace
