#include "SerialPorts.h"

#include "Classes.h"
#include "Registry.h"

std::vector<String> PresentSerialPorts() {
  std::vector<String> ports;
  TRegistry registry(KEY_READ);
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKeyReadOnly(L"HARDWARE\\DEVICEMAP\\SERIALCOMM")) return ports;
  TStringList names;
  registry.GetValueNames(&names);
  for (int i = 0; i < names.Count(); ++i) {
    try {
      ports.push_back(registry.ReadString(names.Strings(i)));
    } catch (const Exception&) {
      // A value that is no text names no port; the others still count.
    }
  }
  registry.CloseKey();
  return ports;
}
