// zintor2-skin: packs a skin directory into a package and lists packages.
//   zintor2-skin pack DIR OUT.osz
//   zintor2-skin list FILE.osz
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gfx/FileBytes.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: zintor2-skin pack DIR OUT.osz\n       zintor2-skin list FILE.osz\n");
  return 2;
}

int Pack(const std::string& dir, const std::string& out) {
  const std::vector<std::uint8_t> package = skin::PackSkin(skin::ReadSkinDirectory(dir));
  std::ofstream f(out, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
  f.close();
  if (!f) {
    std::fprintf(stderr, "zintor2-skin: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}

int List(const std::string& file) {
  const std::vector<std::uint8_t> package = gfx::ReadFileBytes(file);
  for (const skin::PackListing& e : skin::ListSkin(package))
    std::printf("%10u %10zu  %s\n", e.Size, e.CompressedSize, e.Name.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 3 && args[0] == "pack") return Pack(args[1], args[2]);
    if (args.size() == 2 && args[0] == "list") return List(args[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zintor2-skin: %s\n", e.what());
    return 1;
  }
  return Usage();
}
