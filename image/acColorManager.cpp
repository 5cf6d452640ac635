#include "image/acColorManager.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <string>

#include "image/GraphicErrors.h"

namespace image {

namespace {

int SamplesOf(TColorScheme s) {
  switch (s) {
    case TColorScheme::csIndexed:
    case TColorScheme::csG: return 1;
    case TColorScheme::csGA: return 2;
    case TColorScheme::csRGB:
    case TColorScheme::csBGR:
    case TColorScheme::csCMY:
    case TColorScheme::csCIELab:
    case TColorScheme::csYCbCr:
    case TColorScheme::csPhotoYCC: return 3;
    case TColorScheme::csRGBA:
    case TColorScheme::csBGRA:
    case TColorScheme::csCMYK: return 4;
    case TColorScheme::csUnknown: return 0;
  }
  return 0;
}

bool ValidDepth(int bits) { return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16; }

// Writes a value of `bits` (1, 2, 4 or 8) as pixel x of a packed row, most
// significant bits first, leaving the neighbours in the same byte alone.
void PutPacked(std::uint8_t* row, int x, int bits, unsigned value) {
  if (bits == 8) {
    row[x] = static_cast<std::uint8_t>(value);
    return;
  }
  const int perByte = 8 / bits;
  const int shift = 8 - bits - (x % perByte) * bits;
  const unsigned mask = ((1u << bits) - 1u) << shift;
  std::uint8_t& b = row[x / perByte];
  b = static_cast<std::uint8_t>((b & ~mask) | ((value << shift) & mask));
}

}  // namespace

void TColorManager::SetSourceFormat(TColorScheme scheme, int bitsPerSample, int samplesPerPixel,
                                    TByteOrder order) {
  srcScheme_ = scheme;
  srcBits_ = bitsPerSample;
  srcSamples_ = samplesPerPixel;
  srcOrder_ = order;
  prepared_ = false;
}

void TColorManager::SetTargetFormat(TColorScheme scheme, int bitsPerSample, int samplesPerPixel) {
  dstScheme_ = scheme;
  dstBits_ = bitsPerSample;
  dstSamples_ = samplesPerPixel;
  prepared_ = false;
}

void TColorManager::SetGamma(double fileGamma, double displayGamma) {
  if (!(fileGamma > 0)) fileGamma = 1;
  if (!(displayGamma > 0)) displayGamma = 1;
  const double exponent = 1.0 / (fileGamma * displayGamma);
  for (int i = 0; i < 256; ++i) {
    const double v = std::nearbyint(std::pow(i / 255.0, exponent) * 255.0);
    gamma_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
  }
  gammaOn_ = true;
}

void TColorManager::Prepare() {
  prepared_ = false;
  method_ = Method::None;
  if (!ValidDepth(srcBits_) || !ValidDepth(dstBits_))
    throw EColorConversionError(std::string(gesInvalidColorDepth));
  if (SamplesOf(srcScheme_) != srcSamples_ || SamplesOf(dstScheme_) != dstSamples_)
    throw EColorConversionError(std::string(gesInvalidSampleCount));
  if ((srcScheme_ == TColorScheme::csIndexed) != (dstScheme_ == TColorScheme::csIndexed))
    throw EColorConversionError(std::string(gesIndexedNotSupported));

  using S = TColorScheme;
  const bool byteTarget = dstBits_ == 8;
  if (srcScheme_ == S::csIndexed && dstScheme_ == S::csIndexed && srcBits_ <= 8 && dstBits_ <= 8 &&
      dstBits_ >= srcBits_)
    method_ = Method::IndexToIndex;
  else if (srcScheme_ == S::csG && dstScheme_ == S::csG && dstBits_ <= 8 &&
           (dstBits_ >= srcBits_ || (srcBits_ == 16 && byteTarget)))
    method_ = Method::GreyToGrey;
  else if (srcScheme_ == S::csGA && dstScheme_ == S::csG && srcBits_ >= 8 && byteTarget)
    method_ = Method::GreyAlphaToGrey;
  else if (srcScheme_ == S::csRGB && dstScheme_ == S::csBGR && srcBits_ >= 8 && byteTarget)
    method_ = Method::RgbToBgr;
  else if (srcScheme_ == S::csRGBA && dstScheme_ == S::csBGRA && srcBits_ >= 8 && byteTarget)
    method_ = Method::RgbaToBgra;
  else
    throw EColorConversionError(std::string(gesNoConversionMethod));
  prepared_ = true;
}

int TColorManager::SourceSample16(const std::uint8_t* p) const {
  return srcOrder_ == TByteOrder::BigEndian ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8);
}

// Sample `index` of a row of 8- or 16-bit samples, reduced to 8 bits.
std::uint8_t TColorManager::Sample8(const std::uint8_t* row, int index) const {
  if (srcBits_ == 8) return row[index];
  return static_cast<std::uint8_t>(static_cast<unsigned>(SourceSample16(row + 2 * index)) * 255u / 65535u);
}

void TColorManager::ConvertRow(const std::uint8_t* source, std::uint8_t* target, int count, int targetX0,
                               int targetStep) {
  if (!prepared_) Prepare();
  if (count <= 0) return;
  const std::uint8_t* g = gammaOn_ ? gamma_.data() : nullptr;

  switch (method_) {
    case Method::IndexToIndex:
    case Method::GreyToGrey: {
      if (srcBits_ == dstBits_ && targetStep == 1 && targetX0 == 0 &&
          !(g && method_ == Method::GreyToGrey && dstBits_ == 8)) {
        std::memcpy(target, source,
                    (static_cast<std::size_t>(count) * static_cast<std::size_t>(srcBits_) + 7) / 8);
        return;
      }
      if (srcBits_ == 16) {
        for (int i = 0, x = targetX0; i < count; ++i, x += targetStep) {
          const std::uint8_t v = Sample8(source, i);
          target[x] = g ? g[v] : v;
        }
        return;
      }
      // Indexes keep their value; grey levels are rescaled to the target depth.
      const unsigned srcMax = (1u << srcBits_) - 1u;
      const unsigned dstMax = (1u << dstBits_) - 1u;
      const bool rescale = method_ == Method::GreyToGrey && srcBits_ != dstBits_;
      const bool useGamma = g && method_ == Method::GreyToGrey && dstBits_ == 8;
      for (int i = 0, x = targetX0; i < count; ++i, x += targetStep) {
        const int bit = i * srcBits_;
        unsigned v = (source[bit >> 3] >> (8 - srcBits_ - (bit & 7))) & srcMax;
        if (rescale) v = v * dstMax / srcMax;
        if (useGamma) v = g[v];
        PutPacked(target, x, dstBits_, v);
      }
      return;
    }
    case Method::GreyAlphaToGrey:
      for (int i = 0, x = targetX0; i < count; ++i, x += targetStep) {
        const std::uint8_t v = Sample8(source, 2 * i);
        target[x] = g ? g[v] : v;
      }
      return;
    case Method::RgbToBgr: {
      std::uint8_t* d = target + static_cast<std::ptrdiff_t>(targetX0) * 3;
      const std::ptrdiff_t step = static_cast<std::ptrdiff_t>(targetStep) * 3;
      if (srcBits_ == 8) {
        const std::uint8_t* s = source;
        if (g) {
          for (int i = 0; i < count; ++i, s += 3, d += step) {
            d[0] = g[s[2]];
            d[1] = g[s[1]];
            d[2] = g[s[0]];
          }
        } else {
          for (int i = 0; i < count; ++i, s += 3, d += step) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
          }
        }
        return;
      }
      for (int i = 0; i < count; ++i, d += step) {
        const std::uint8_t r = Sample8(source, 3 * i), gg = Sample8(source, 3 * i + 1),
                           b = Sample8(source, 3 * i + 2);
        d[0] = g ? g[b] : b;
        d[1] = g ? g[gg] : gg;
        d[2] = g ? g[r] : r;
      }
      return;
    }
    case Method::RgbaToBgra: {
      std::uint8_t* d = target + static_cast<std::ptrdiff_t>(targetX0) * 4;
      const std::ptrdiff_t step = static_cast<std::ptrdiff_t>(targetStep) * 4;
      if (srcBits_ == 8) {
        const std::uint8_t* s = source;
        if (g) {
          for (int i = 0; i < count; ++i, s += 4, d += step) {
            d[0] = g[s[2]];
            d[1] = g[s[1]];
            d[2] = g[s[0]];
            d[3] = s[3];
          }
        } else if (targetStep == 1 && std::endian::native == std::endian::little) {
          // Swap red and blue of whole 32-bit pixels.
          for (int i = 0; i < count; ++i, s += 4, d += 4) {
            std::uint32_t p;
            std::memcpy(&p, s, 4);
            p = (p & 0xFF00FF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16);
            std::memcpy(d, &p, 4);
          }
        } else {
          for (int i = 0; i < count; ++i, s += 4, d += step) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
            d[3] = s[3];
          }
        }
        return;
      }
      for (int i = 0; i < count; ++i, d += step) {
        const std::uint8_t r = Sample8(source, 4 * i), gg = Sample8(source, 4 * i + 1),
                           b = Sample8(source, 4 * i + 2);
        d[0] = g ? g[b] : b;
        d[1] = g ? g[gg] : gg;
        d[2] = g ? g[r] : r;
        d[3] = Sample8(source, 4 * i + 3);
      }
      return;
    }
    case Method::None: return;
  }
}

}  // namespace image
