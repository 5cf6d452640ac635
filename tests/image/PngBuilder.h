// Writes PNG files for the tests: samples in, chunks out, with a chosen
// filter per row, optional Adam7 interlacing and extra chunks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pngtest {

struct ExtraChunk {
  std::string Type;
  std::vector<std::uint8_t> Data;
  bool AfterImageData = false;
};

struct PngSpec {
  int Width = 1;
  int Height = 1;
  int ColorType = 6;
  int BitDepth = 8;
  bool Interlaced = false;
  // Samples row-major, Channels() per pixel, each of BitDepth bits.
  std::vector<std::uint16_t> Samples;
  // Filter type of each row (cycled); values above 4 are written as they are
  // with the row left unfiltered.
  std::vector<int> Filters = {0};
  std::vector<std::uint8_t> Palette;  // PLTE data (RGB triples); written when not empty
  std::vector<ExtraChunk> Extra;      // before PLTE/IDAT unless AfterImageData
  std::size_t IdatPiece = 0;          // split IDAT data into chunks of this size (0: one chunk)
  int CompressionMethod = 0;
};

int Channels(int colorType);

std::vector<std::uint8_t> Chunk(const std::string& type, const std::vector<std::uint8_t>& data);
std::vector<std::uint8_t> BE32(std::uint32_t v);
std::vector<std::uint8_t> BE16(unsigned v);
// The filtered scanlines of the image (all passes), before compression.
std::vector<std::uint8_t> Scanlines(const PngSpec& spec);
std::vector<std::uint8_t> Zlib(const std::vector<std::uint8_t>& raw);
std::vector<std::uint8_t> BuildPng(const PngSpec& spec);
// A PNG from IHDR fields and ready zlib data.
std::vector<std::uint8_t> BuildRawPng(const PngSpec& spec, const std::vector<std::uint8_t>& zdata);

// Deterministic pseudo-random samples for an image.
std::vector<std::uint16_t> RandomSamples(const PngSpec& spec, unsigned seed);

}  // namespace pngtest
