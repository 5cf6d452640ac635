// zintor2-skin: tools for skin authors.
//   zintor2-skin pack DIR OUT.osz      pack a skin directory
//   zintor2-skin list FILE.osz         list a package's entries
//   zintor2-skin unpack FILE.osz DIR   write a package's entries into DIR
//   zintor2-skin check SKIN            report what the program would stumble on
//   zintor2-skin render SKIN OUT.png   a contact sheet of every section and glyph
// SKIN is a package file or a skin directory.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/gfx/FileBytes.h"
#include "platform/gfx/PngWriter.h"
#include "tools/skinpack/ContactSheet.h"
#include "tools/skinpack/SkinCheck.h"
#include "tools/skinpack/SkinPackWriter.h"
#include "tools/skinpack/SkinSource.h"
#include "tools/skinpack/SkinUnpack.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: zintor2-skin pack DIR OUT.osz\n"
               "       zintor2-skin list FILE.osz\n"
               "       zintor2-skin unpack FILE.osz DIR\n"
               "       zintor2-skin check SKIN\n"
               "       zintor2-skin render SKIN OUT.png\n"
               "SKIN is a package file (.osz) or a skin directory holding Options.dat.\n");
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

int Render(const std::string& skinPath, const std::string& out) {
  const skin::TsLoadResult loaded = skin::LoadToolSkin(skinPath);
  for (const std::string& w : loaded.Warnings) std::fprintf(stderr, "zintor2-skin: warning: %s\n", w.c_str());
  gfx::SavePng(skin::RenderContactSheet(*loaded.Model), out);
  return 0;
}

// One line per problem; 1 when there is an error, 0 with warnings only.
int Check(const std::string& skinPath) {
  bool error = false;
  for (const skin::SkinProblem& p : skin::CheckSkin(skinPath)) {
    std::printf("%s\n", skin::FormatProblem(p).c_str());
    error = error || p.Error;
  }
  return error ? 1 : 0;
}

int Unpack(const std::string& file, const std::string& dir) {
  skin::WriteEntries(skin::UnpackSkin(gfx::ReadFileBytes(file)), dir);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 3 && args[0] == "pack") return Pack(args[1], args[2]);
    if (args.size() == 2 && args[0] == "list") return List(args[1]);
    if (args.size() == 3 && args[0] == "render") return Render(args[1], args[2]);
    if (args.size() == 2 && args[0] == "check") return Check(args[1]);
    if (args.size() == 3 && args[0] == "unpack") return Unpack(args[1], args[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zintor2-skin: %s\n", e.what());
    return 1;
  }
  return Usage();
}
