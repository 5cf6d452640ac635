// TColorManager: converts rows of samples from a source format (colour
// scheme, bits per sample, samples per pixel, byte order) to a target format,
// optionally passing colour samples through a gamma table.
#pragma once

#include <array>
#include <cstdint>

namespace image {

enum class TColorScheme : std::uint8_t {
  csUnknown = 0,
  csIndexed = 1,
  csG = 2,   // grey
  csGA = 3,  // grey with alpha
  csRGB = 4,
  csRGBA = 5,
  csBGR = 6,
  csBGRA = 7,
  csCMY = 8,
  csCMYK = 9,
  csCIELab = 10,
  csYCbCr = 11,
  csPhotoYCC = 12,
};

enum class TByteOrder : std::uint8_t { BigEndian, LittleEndian };

class TColorManager {
 public:
  void SetSourceFormat(TColorScheme scheme, int bitsPerSample, int samplesPerPixel,
                       TByteOrder order = TByteOrder::BigEndian);
  void SetTargetFormat(TColorScheme scheme, int bitsPerSample, int samplesPerPixel);
  // Turns gamma correction on: entry i of the table is
  // round((i / 255) ^ (1 / (fileGamma * displayGamma)) * 255); a file gamma
  // that is not above 0 counts as 1.
  void SetGamma(double fileGamma, double displayGamma = 2.2);
  void ClearGamma() { gammaOn_ = false; }
  bool GammaOn() const { return gammaOn_; }
  const std::array<std::uint8_t, 256>& GammaTable() const { return gamma_; }

  // Checks the formats and picks the conversion; throws EColorConversionError.
  // ConvertRow calls it itself after a format change.
  void Prepare();

  // Converts `count` source pixels. Pixel i goes to target pixel
  // targetX0 + i * targetStep of the row `target` (interlaced images fill
  // every n-th pixel). Pixels of the target row that are not written keep
  // their value, also inside shared bytes of sub-byte formats.
  void ConvertRow(const std::uint8_t* source, std::uint8_t* target, int count, int targetX0 = 0,
                  int targetStep = 1);

 private:
  enum class Method : std::uint8_t { None, IndexToIndex, GreyToGrey, GreyAlphaToGrey, RgbToBgr, RgbaToBgra };

  int SourceSample16(const std::uint8_t* p) const;
  std::uint8_t Sample8(const std::uint8_t* row, int index) const;

  TColorScheme srcScheme_ = TColorScheme::csUnknown;
  int srcBits_ = 8;
  int srcSamples_ = 1;
  TByteOrder srcOrder_ = TByteOrder::BigEndian;
  TColorScheme dstScheme_ = TColorScheme::csUnknown;
  int dstBits_ = 8;
  int dstSamples_ = 1;
  bool gammaOn_ = false;
  std::array<std::uint8_t, 256> gamma_{};
  Method method_ = Method::None;
  bool prepared_ = false;
};

}  // namespace image
