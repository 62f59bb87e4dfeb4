// The skin compiler: draws the project's skins from their text sources and
// writes them in the skin stream format, the same bytes on every run.
//   skinc build CATALOGUE DESCRIPTION OUT.skin [-v]
//   skinc multi OUT.skinres SKIN...
//   skinc picture CATALOGUE DESCRIPTION GROUP.ELEMENT OUT.png
// "build" draws every picture of the catalogue as the description says;
// "multi" puts built skins into one multi-skin file, in the order given;
// "picture" writes one element's picture as drawn for the description (the
// program's default skin icons are made so).
// -v reports what was drawn and how long it took.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "SkinBuild.h"
#include "Streams.h"
#include "SysUtils.h"

namespace {

std::string ReadFile(const std::string& AName) {
  std::ifstream in(AName, std::ios::binary);
  if (!in) throw std::runtime_error(AName + ": cannot read");
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Written beside the target first, so a failed run never leaves half a file.
void WriteFile(const std::string& AName, const std::string& AData) {
  const std::string temporary = AName + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(AData.data(), std::streamsize(AData.size()));
    if (!out.flush()) throw std::runtime_error(AName + ": cannot write");
  }
  if (std::rename(temporary.c_str(), AName.c_str()) != 0) throw std::runtime_error(AName + ": cannot write");
}

int Usage() {
  std::cerr << "usage: skinc build CATALOGUE DESCRIPTION OUT.skin [-v]\n"
               "       skinc multi OUT.skinres SKIN...\n"
               "       skinc picture CATALOGUE DESCRIPTION GROUP.ELEMENT OUT.png\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string mode = argv[1];
  const auto start = std::chrono::steady_clock::now();
  try {
    InitializeUnits({dxSkinsDataUnit});
    if (mode == "build" && (argc == 5 || (argc == 6 && std::string(argv[5]) == "-v"))) {
      const skinc::TCatalogue catalogue = skinc::ParseCatalogue(ReadFile(argv[2]), argv[2]);
      const skinc::TDescription description = skinc::ParseDescription(ReadFile(argv[3]), argv[3]);
      skinc::TBuildStats stats;
      std::unique_ptr<TdxSkin> skin = skinc::BuildSkin(catalogue, description, &stats);
      TStringStream out;
      skin->SaveToStream(&out);
      WriteFile(argv[4], out.DataString());
      if (argc == 6) {
        const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::cout << argv[4] << ": " << stats.Elements << " elements, " << stats.Pictures << " pictures, "
                  << stats.Frames << " frames, " << out.DataString().size() << " bytes, " << ms << " ms\n";
      }
    } else if (mode == "picture" && argc == 6) {
      const skinc::TCatalogue catalogue = skinc::ParseCatalogue(ReadFile(argv[2]), argv[2]);
      const skinc::TDescription description = skinc::ParseDescription(ReadFile(argv[3]), argv[3]);
      std::unique_ptr<TdxSkin> skin = skinc::BuildSkin(catalogue, description);
      const std::string key = argv[4];
      const std::size_t dot = key.find('.');
      TdxSkinControlGroup* group = dot == std::string::npos ? nullptr : skin->FindGroup(UTF8Decode(key.substr(0, dot)));
      TdxSkinElement* element = group ? group->FindElement(UTF8Decode(key.substr(dot + 1))) : nullptr;
      if (!element || element->Image()->Texture()->Empty())
        throw std::runtime_error(key + ": no element with a picture in the catalogue");
      TStringStream png;
      element->Image()->SaveTexture(&png);
      WriteFile(argv[5], png.DataString());
    } else if (mode == "multi" && argc >= 4) {
      std::vector<std::string> skins;
      for (int i = 3; i < argc; ++i) {
        skins.push_back(ReadFile(argv[i]));
        TStringStream check(skins.back());
        if (TdxSkinBinaryReader(&check).Count() != 1) throw std::runtime_error(std::string(argv[i]) + ": not one skin");
      }
      TStringStream out;
      WriteMultiSkinStream(&out, skins);
      WriteFile(argv[2], out.DataString());
    } else {
      return Usage();
    }
  } catch (const std::exception& e) {
    std::cerr << "skinc: " << e.what() << "\n";
    return 1;
  } catch (const Exception& e) {
    std::cerr << "skinc: " << UTF8Encode(e.Message()) << "\n";
    return 1;
  }
  FinalizeUnits();
  return 0;
}
