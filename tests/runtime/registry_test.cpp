// The registry object: the serial-port list read with read access only, and
// typed values under a key of the current user that the test removes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "IniFiles.h"
#include "Registry.h"

namespace {

const String kTestKey = L"Software\\VamireRegistryTest" + std::to_wstring(GetCurrentProcessId());

class RegistryTest : public testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str()); }
};

TEST(RegistrySerialPorts, ReadOnlyOpenListsTheValues) {
  TRegistry reg;
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(reg.OpenKeyReadOnly(L"HARDWARE\\DEVICEMAP\\SERIALCOMM"));
  EXPECT_EQ(reg.Access(), REGSAM(KEY_ALL_ACCESS));  // the object's own access is unchanged
  EXPECT_EQ(reg.CurrentPath(), L"HARDWARE\\DEVICEMAP\\SERIALCOMM");

  TStringList names;
  reg.GetValueNames(&names);
  // The same names as the system enumerates, in its order.
  HKEY raw;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &raw), ERROR_SUCCESS);
  DWORD count = 0;
  RegQueryInfoKeyW(raw, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(raw);
  ASSERT_EQ(names.Count(), int(count));
  for (int i = 0; i < names.Count(); ++i) {
    // Each value's data is a port name such as "COM5".
    const String port = reg.ReadString(names.Strings(i));
    EXPECT_EQ(port.rfind(L"COM", 0), 0u) << std::string(port.begin(), port.end());
  }
  // Read access only: writing is refused.
  EXPECT_THROW(reg.WriteString(L"probe", L"x"), ERegistryException);
  reg.CloseKey();
  EXPECT_EQ(reg.CurrentKey(), nullptr);
  EXPECT_FALSE(reg.OpenKeyReadOnly(L"HARDWARE\\DEVICEMAP\\NO SUCH KEY"));
}

TEST_F(RegistryTest, ValuesWrittenReadBack) {
  TRegistry reg;
  EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
  EXPECT_FALSE(reg.OpenKey(kTestKey, false));
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));

  reg.WriteString(L"name", L"\u5927\u5c4f\u5e55 LCD");
  reg.WriteString(L"empty", L"");
  reg.WriteInteger(L"row", -3);
  reg.WriteBool(L"auto", true);
  const unsigned char bytes[] = {0, 1, 0xAB, 0xFF};
  reg.WriteBinaryData(L"blob", bytes, 4);

  EXPECT_EQ(reg.ReadString(L"name"), L"\u5927\u5c4f\u5e55 LCD");
  EXPECT_EQ(reg.ReadString(L"empty"), L"");
  EXPECT_EQ(reg.ReadString(L"missing"), L"");
  EXPECT_EQ(reg.ReadInteger(L"row"), -3);
  EXPECT_TRUE(reg.ReadBool(L"auto"));
  unsigned char back[8] = {};
  EXPECT_EQ(reg.ReadBinaryData(L"blob", back, 8), 4);
  EXPECT_EQ(std::memcmp(back, bytes, 4), 0);
  EXPECT_EQ(reg.ReadBinaryData(L"missing", back, 8), 0);

  struct Case {
    const wchar_t* Name;
    TRegDataType Type;
    int Size;
  };
  const Case cases[] = {{L"name", rdString, 16},  {L"empty", rdString, 2}, {L"row", rdInteger, 4},
                        {L"blob", rdBinary, 4},   {L"missing", rdUnknown, -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(reg.GetDataType(c.Name), c.Type) << std::string(c.Name, c.Name + wcslen(c.Name));
    EXPECT_EQ(reg.GetDataSize(c.Name), c.Size);
    EXPECT_EQ(reg.ValueExists(c.Name), c.Size >= 0);
  }

  TStringList names;
  reg.GetValueNames(&names);
  names.SetSorted(true);
  EXPECT_EQ(names.CommaText(), L"auto,blob,empty,name,row");

  EXPECT_TRUE(reg.DeleteValue(L"row"));
  EXPECT_FALSE(reg.ValueExists(L"row"));
  EXPECT_FALSE(reg.DeleteValue(L"row"));
}

TEST_F(RegistryTest, WrongTypesAndMissingValuesRaise) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  reg.WriteString(L"text", L"12345678");
  reg.WriteInteger(L"number", 5);
  const char big[16] = {};
  reg.WriteBinaryData(L"blob", big, 16);

  struct Case {
    const char* Name;
    std::function<void()> Run;
    const wchar_t* Message;
  };
  char small[4];
  const Case cases[] = {
      {"integer from a string", [&] { reg.ReadInteger(L"text"); }, L"Invalid data type for 'text'"},
      {"missing integer", [&] { reg.ReadInteger(L"none"); }, L"Failed to get data for 'none'"},
      {"missing boolean", [&] { reg.ReadBool(L"none"); }, L"Failed to get data for 'none'"},
      {"string from an integer", [&] { reg.ReadString(L"number"); }, L"Invalid data type for 'number'"},
      {"binary from a string", [&] { reg.ReadBinaryData(L"text", small, 4); }, L"Invalid data type for 'text'"},
      {"binary larger than the buffer", [&] { reg.ReadBinaryData(L"blob", small, 4); },
       L"Invalid data type for 'blob'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    try {
      c.Run();
      ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
  }

  TRegistry readOnly;
  ASSERT_TRUE(readOnly.OpenKeyReadOnly(kTestKey));
  EXPECT_EQ(readOnly.ReadInteger(L"number"), 5);
  try {
    readOnly.WriteInteger(L"number", 6);
    ADD_FAILURE() << "written";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), L"Failed to set data for 'number'");
  }

  TRegistry closed;  // no key open: nothing to read from
  EXPECT_THROW(closed.ReadInteger(L"number"), ERegistryException);
}

TEST_F(RegistryTest, KeysRelativeAbsoluteAndDeleted) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  ASSERT_TRUE(reg.OpenKey(L"Bars\\Bar0", true));  // relative to the open key
  EXPECT_EQ(reg.CurrentPath(), kTestKey + L"\\Bars\\Bar0");
  reg.WriteInteger(L"Visible", 1);
  ASSERT_TRUE(reg.OpenKey(L"\\" + kTestKey + L"\\Bars", false));  // from the root
  EXPECT_EQ(reg.CurrentPath(), kTestKey + L"\\Bars");
  ASSERT_TRUE(reg.OpenKey(L"Bar1", true));
  ASSERT_TRUE(reg.OpenKey(L"\\" + kTestKey, false));

  EXPECT_TRUE(reg.KeyExists(L"Bars\\Bar0"));
  EXPECT_TRUE(reg.KeyExists(L"\\" + kTestKey + L"\\Bars\\Bar1"));
  EXPECT_FALSE(reg.KeyExists(L"Bars\\Bar9"));
  TStringList keys;
  ASSERT_TRUE(reg.OpenKey(L"Bars", false));
  reg.GetKeyNames(&keys);
  keys.SetSorted(true);
  EXPECT_EQ(keys.CommaText(), L"Bar0,Bar1");

  // A key goes with everything below it.
  reg.CloseKey();
  EXPECT_TRUE(reg.DeleteKey(kTestKey + L"\\Bars"));
  EXPECT_FALSE(reg.KeyExists(kTestKey + L"\\Bars"));
  EXPECT_TRUE(reg.KeyExists(kTestKey));
  EXPECT_FALSE(reg.DeleteKey(kTestKey + L"\\Bars"));

  // Changing the root closes the open key.
  ASSERT_TRUE(reg.OpenKey(kTestKey, false));
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_EQ(reg.CurrentKey(), nullptr);
  EXPECT_EQ(reg.CurrentPath(), L"");
}

}  // namespace

namespace {

TEST_F(RegistryTest, RegistryIniFileSectionsAreKeys) {
  const String base = L"\\" + kTestKey + L"\\Layout\\";
  TRegistryIniFile ini(base);
  TRegistry reg;
  EXPECT_TRUE(reg.KeyExists(kTestKey + L"\\Layout"));  // made when missing

  ini.WriteInteger(L"Bar0", L"DockedLeft", -5);
  ini.WriteBool(L"Bar0", L"Visible", true);
  ini.WriteString(L"Bar0", L"Caption", L"Main Menu");
  ini.WriteInteger(L"Bar0\\ItemLink0", L"Position", 2);
  ini.WriteString(L"\\" + kTestKey + L"\\Layout", L"BarCount", L"1");  // a path from the root

  EXPECT_EQ(ini.ReadInteger(L"Bar0", L"DockedLeft", 0), -5);
  EXPECT_TRUE(ini.ReadBool(L"Bar0", L"Visible", false));
  EXPECT_EQ(ini.ReadString(L"Bar0", L"Caption", L""), L"Main Menu");
  EXPECT_EQ(ini.ReadInteger(L"Bar0\\ItemLink0", L"Position", 0), 2);
  EXPECT_EQ(ini.ReadInteger(L"", L"BarCount", 0), 1);  // text read as an integer
  EXPECT_EQ(ini.ReadInteger(L"Bar0", L"Caption", 7), 7);
  EXPECT_EQ(ini.ReadInteger(L"Bar9", L"Missing", 7), 7);
  EXPECT_EQ(ini.ReadString(L"Bar9", L"Missing", L"d"), L"d");

  ASSERT_TRUE(reg.OpenKeyReadOnly(kTestKey + L"\\Layout\\Bar0"));
  EXPECT_EQ(reg.GetDataType(L"DockedLeft"), rdInteger);
  reg.CloseKey();

  TMemoryStream glyph;
  glyph.WriteBuffer("\x42\x4D\x00\x01", 4);
  glyph.SetPosition(0);
  ini.WriteBinaryStream(L"Bar0\\ItemLink0", L"UserGlyph", &glyph);
  TMemoryStream back;
  EXPECT_EQ(ini.ReadBinaryStream(L"Bar0\\ItemLink0", L"UserGlyph", &back), 4);
  EXPECT_EQ(std::string(static_cast<const char*>(back.Memory()), 4), std::string("\x42\x4D\x00\x01", 4));
  EXPECT_EQ(ini.ReadBinaryStream(L"Bar0", L"Caption", &back), 0);  // not binary

  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(list.CommaText(), L"Bar0");
  ini.ReadSectionValues(L"Bar0", &list);
  list.SetSorted(true);
  EXPECT_EQ(list.Text(), L"Caption=Main Menu\r\nDockedLeft=-5\r\nVisible=1\r\n");

  ini.DeleteKey(L"Bar0", L"Caption");
  EXPECT_FALSE(ini.ValueExists(L"Bar0", L"Caption"));
  ini.EraseSection(L"Bar0");
  EXPECT_FALSE(reg.KeyExists(kTestKey + L"\\Layout\\Bar0"));
  EXPECT_FALSE(ini.SectionExists(L"Bar0"));
}

}  // namespace
