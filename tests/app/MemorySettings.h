// A settings store held in memory for the console's tests: what was read and
// written, in order, with missing keys answered by the caller's default.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "Settings.h"

namespace app_test {

class TMemorySettings : public ISettingsStore {
 public:
  String ReadString(const String& section, const String& key, const String& def) override {
    auto it = Values.find({section, key});
    return it == Values.end() ? def : it->second;
  }
  void WriteString(const String& section, const String& key, const String& value) override {
    Values[{section, key}] = value;
    Written.push_back(key);
  }
  std::map<std::pair<String, String>, String> Values;
  std::vector<String> Written;  // keys in the order written
};

}  // namespace app_test
