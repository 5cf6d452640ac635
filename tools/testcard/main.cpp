// zintor2-testcard OUT.png: renders the raster test card to a PNG file.
#include <exception>
#include <iostream>

#include "platform/gfx/PngWriter.h"
#include "tools/testcard/TestCard.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zintor2-testcard OUT.png\n";
    return 2;
  }
  try {
    gfx::SavePng(testcard::RenderTestCard(), argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "zintor2-testcard: " << e.what() << "\n";
    return 1;
  }
  std::cout << "test card written to " << argv[1] << "\n";
  return 0;
}
