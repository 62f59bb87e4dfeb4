// Converts form files between the text format people edit and the binary
// stream the program embeds:
//   formconv text2bin FORM.txt FORM.bin [--rc FORM.rc]
//   formconv bin2text FORM.bin FORM.txt
// With --rc it also writes a resource script line naming the stream after
// the form's class, so the form's constructor finds it.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "FormText.h"
#include "SysUtils.h"

namespace {

bool ReadFile(const char* name, std::string& out) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

bool WriteFile(const std::string& name, const std::string& data) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(data.data(), std::streamsize(data.size()));
  return bool(out.flush());
}

int Usage() {
  std::cerr << "usage: formconv text2bin FORM.txt FORM.bin [--rc FORM.rc]\n"
               "       formconv bin2text FORM.bin FORM.txt\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 6) return Usage();
  const std::string mode = argv[1];
  std::string input;
  if (!ReadFile(argv[2], input)) {
    std::cerr << argv[2] << ": cannot read\n";
    return 1;
  }
  try {
    if (mode == "text2bin") {
      const String text = UTF8Decode(input);
      if (!WriteFile(argv[3], FormTextToBinary(text))) {
        std::cerr << argv[3] << ": cannot write\n";
        return 1;
      }
      if (argc == 6) {
        if (std::string(argv[4]) != "--rc") return Usage();
        std::string path = argv[3];
        for (char& c : path)
          if (c == '\\') c = '/';
        const std::string line = UTF8Encode(FormTextClassName(text)) + " RCDATA \"" + path + "\"\n";
        if (!WriteFile(argv[5], line)) {
          std::cerr << argv[5] << ": cannot write\n";
          return 1;
        }
      }
    } else if (mode == "bin2text" && argc == 4) {
      if (!WriteFile(argv[3], UTF8Encode(FormBinaryToText(input)))) {
        std::cerr << argv[3] << ": cannot write\n";
        return 1;
      }
    } else {
      return Usage();
    }
  } catch (const Exception& e) {
    std::cerr << argv[2] << ": " << UTF8Encode(e.Message()) << "\n";
    std::remove(argv[3]);
    return 1;
  }
  return 0;
}
