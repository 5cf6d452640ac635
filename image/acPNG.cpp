#include "image/acPNG.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "image/PngChunkReader.h"
#include "image/PngColorKey.h"
#include "image/PngRowFilter.h"
#include "image/acLZ77Decoder.h"

namespace image {

namespace {

constexpr std::string_view kPng = "PNG";

[[noreturn]] void Fail(std::string_view pattern, std::string_view arg = kPng) {
  throw EInvalidGraphic(FormatMessage(pattern, arg));
}

// The bitmap and converter set-up for one PNG colour type and bit depth.
struct ResultFormat {
  gfx::PixelFormat Format;
  TColorScheme Source;
  int Samples;
  TColorScheme Target;
  int TargetBits;
  int TargetSamples;
};

std::optional<ResultFormat> FormatFor(int colorType, int depth) {
  using gfx::PixelFormat;
  using S = TColorScheme;
  switch (colorType) {
    case 0:
      switch (depth) {
        case 1: return ResultFormat{PixelFormat::Indexed1, S::csG, 1, S::csG, 1, 1};
        case 2:
        case 4: return ResultFormat{PixelFormat::Indexed4, S::csG, 1, S::csG, 4, 1};
        case 8:
        case 16: return ResultFormat{PixelFormat::Indexed8, S::csG, 1, S::csG, 8, 1};
        default: return std::nullopt;
      }
    case 2:
      if (depth == 8 || depth == 16) return ResultFormat{PixelFormat::Bgr24, S::csRGB, 3, S::csBGR, 8, 3};
      return std::nullopt;
    case 3:
      switch (depth) {
        case 1: return ResultFormat{PixelFormat::Indexed1, S::csIndexed, 1, S::csIndexed, 1, 1};
        case 2:
        case 4: return ResultFormat{PixelFormat::Indexed4, S::csIndexed, 1, S::csIndexed, 4, 1};
        case 8: return ResultFormat{PixelFormat::Indexed8, S::csIndexed, 1, S::csIndexed, 8, 1};
        default: return std::nullopt;
      }
    case 4:
      if (depth == 8 || depth == 16) return ResultFormat{PixelFormat::Indexed8, S::csGA, 2, S::csG, 8, 1};
      return std::nullopt;
    case 6:
      if (depth == 8 || depth == 16) return ResultFormat{PixelFormat::Bgra32, S::csRGBA, 4, S::csBGRA, 8, 4};
      return std::nullopt;
    default: return std::nullopt;
  }
}

// Reduces a sample of the image's bit depth to an 8-bit intensity.
int SampleTo8(unsigned v, int depth) {
  if (depth == 16) return static_cast<int>(v * 255u / 65535u);
  if (depth == 8) return static_cast<int>(v & 0xFF);
  const unsigned max = (1u << depth) - 1u;
  return static_cast<int>((v & max) * 255u / max);
}

int NearestPaletteIndex(const std::vector<gfx::Color>& pal, gfx::Color c) {
  int best = 0;
  long bestDist = -1;
  for (std::size_t i = 0; i < pal.size(); ++i) {
    const long dr = gfx::GetR(pal[i]) - gfx::GetR(c), dg = gfx::GetG(pal[i]) - gfx::GetG(c),
               db = gfx::GetB(pal[i]) - gfx::GetB(c);
    const long d = dr * dr + dg * dg + db * db;
    if (bestDist < 0 || d < bestDist) {
      bestDist = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

struct Adam7Pass {
  int X0, Y0, DX, DY;
};
constexpr Adam7Pass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                 {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
constexpr Adam7Pass kWholeImage = {0, 0, 1, 1};

}  // namespace

// One load: the chunk walk, the image data decoding and their state. The
// inflater and the row buffers are released when the loader goes away, also
// after an error.
class PngLoader {
 public:
  PngLoader(TPNGGraphic& g, std::span<const std::uint8_t> data) : g_(g), reader_(data) {}

  void Run() {
    ReadHeaderAndLookAhead();
    ReadChunks();
    decoder_.DecodeEnd();
  }

 private:
  void ReadHeaderAndLookAhead();
  void ParseHeader(const PngChunk& c);
  void ReadChunks();
  // The next chunk; running out of data where a chunk is due is an error.
  void NextChunk(PngChunk& c) {
    if (!reader_.Next(c)) Fail(gesInvalidImage);
  }
  void CheckCrc(const PngChunk& c) {
    if (!c.CrcMatches()) Fail(gesInvalidCRC);
  }
  void ReadPalette(const PngChunk& c);
  void ReadBackground(const PngChunk& c);
  void ReadTransparency(const PngChunk& c);
  void SetupImage();
  void FillBackground(int fromRow);
  void DecodeImageData(const PngChunk& first);
  bool ReadRow(std::uint8_t* row, std::size_t length);
  bool FetchInput();
  void ConsumeRemainingData();
  void ApplyKeyToRow(const std::uint8_t* raw, std::uint8_t* target, int count, int x0, int step);

  TPNGGraphic& g_;
  PngChunkReader reader_;
  TLZ77Decoder decoder_;
  ResultFormat format_{};
  std::vector<gfx::Color> plte_;
  bool haveGamma_ = false;
  bool imageReady_ = false;
  // The tRNS key as the file gives it; matched per row when keyRows_ is set.
  std::optional<PngColorKey> key_;
  bool keyRows_ = false;
  // The image-data state.
  const std::uint8_t* in_ = nullptr;
  std::size_t inSize_ = 0;
  bool streamEnded_ = false;
  bool dataEnded_ = false;  // no further IDAT chunk: pending_ holds the next chunk
  std::optional<PngChunk> pending_;
};

void PngLoader::ParseHeader(const PngChunk& c) {
  const std::uint8_t* d = c.Data.data();
  const std::uint32_t w = ReadBE32(d), h = ReadBE32(d + 4);
  if (w == 0 || h == 0 || w > static_cast<std::uint32_t>(kPngMaxSide) ||
      h > static_cast<std::uint32_t>(kPngMaxSide))
    Fail(gesInvalidImage);
  TPNGImageProperties& p = g_.props_;
  p.Width = static_cast<int>(w);
  p.Height = static_cast<int>(h);
  p.BitsPerSample = d[8];
  p.ColorType = d[9];
  p.Compression = d[10];
  p.FilterMethod = d[11];
  if (d[12] > 1) Fail(gesInvalidImage);
  p.Interlaced = d[12] == 1;
  // Every later step (bKGD, tRNS, the row set-up) scales samples by this
  // depth, so a pair the format does not allow is refused here.
  const auto f = FormatFor(p.ColorType, p.BitsPerSample);
  if (!f) Fail(gesInvalidColorFormat);
  p.ColorScheme = f->Source;
  p.SamplesPerPixel = f->Samples;
  // The decoded bitmap must stay within the byte limit (rows padded to 4 bytes).
  const int bpp = gfx::BitsPerPixel(f->Format);
  const std::size_t stride = (static_cast<std::size_t>(w) * static_cast<std::size_t>(bpp) + 31) / 32 * 4;
  if (stride * h > kPngMaxBitmapBytes) Fail(gesInvalidImage);
}

void PngLoader::ReadHeaderAndLookAhead() {
  PngChunk c;
  if (!reader_.ReadSignature() || !reader_.Next(c) || c.Type != kIHDR || c.Data.size() != 13)
    Fail(gesInvalidImage);
  ParseHeader(c);
  // Look ahead for the file gamma; the walk stops quietly at damaged data,
  // which the main pass then reports.
  while (reader_.Next(c) && c.Type != kIEND) {
    if (c.Type == kgAMA && c.Data.size() == 4) g_.props_.FileGamma = ReadBE32(c.Data.data()) / 100000.0;
  }
  reader_.Seek(PngChunkReader::kSignatureSize);
  NextChunk(c);
  CheckCrc(c);
  if (g_.props_.Compression != 0)
    throw EInvalidGraphic(FormatMessage(gesUnsupportedFeature, gesCompressionScheme, kPng));
  decoder_.DecodeInit();
}

void PngLoader::ReadChunks() {
  for (;;) {
    PngChunk c;
    if (pending_) {
      c = *pending_;
      pending_.reset();
    } else {
      NextChunk(c);
    }
    if (c.Type == kIEND) break;
    if (c.Type == kIDAT) {
      CheckCrc(c);
      DecodeImageData(c);
    } else if (c.Type == kPLTE) {
      CheckCrc(c);
      ReadPalette(c);
    } else if (c.Type == kgAMA) {
      CheckCrc(c);
      if (c.Data.size() == 4) {
        haveGamma_ = true;
        g_.props_.FileGamma = ReadBE32(c.Data.data()) / 100000.0;
      }
    } else if (c.Type == kbKGD) {
      CheckCrc(c);
      ReadBackground(c);
    } else if (c.Type == ktRNS) {
      CheckCrc(c);
      ReadTransparency(c);
    } else if (c.Type == kIHDR) {
      Fail(gesInvalidImage);  // a second header
    } else if (c.Critical()) {
      throw EInvalidGraphic(std::string(gesUnknownCriticalChunk));
    }
  }
  // A file without image data is broken, not a blank picture.
  if (!imageReady_) Fail(gesInvalidImage);
}

void PngLoader::ReadPalette(const PngChunk& c) {
  if (c.Data.size() % 3 != 0 || c.Data.size() > 256 * 3) Fail(gesInvalidPalette);
  if (g_.props_.ColorType != 3) return;
  plte_.clear();
  for (std::size_t i = 0; i + 2 < c.Data.size(); i += 3)
    plte_.push_back(gfx::RGB(c.Data[i], c.Data[i + 1], c.Data[i + 2]));
}

void PngLoader::ReadBackground(const PngChunk& c) {
  const int depth = g_.props_.BitsPerSample;
  const std::uint8_t* d = c.Data.data();
  switch (g_.props_.ColorType) {
    case 3:
      if (c.Data.size() >= 1 && d[0] < plte_.size()) g_.background_ = plte_[d[0]];
      break;
    case 0:
    case 4:
      if (c.Data.size() >= 2) {
        const int v = SampleTo8(ReadBE16(d), depth);
        g_.background_ = gfx::RGB(v, v, v);
      }
      break;
    case 2:
    case 6:
      if (c.Data.size() >= 6)
        g_.background_ = gfx::RGB(SampleTo8(ReadBE16(d), depth), SampleTo8(ReadBE16(d + 2), depth),
                                  SampleTo8(ReadBE16(d + 4), depth));
      break;
    default: break;
  }
}

void PngLoader::ReadTransparency(const PngChunk& c) {
  const int depth = g_.props_.BitsPerSample;
  const std::uint8_t* d = c.Data.data();
  switch (g_.props_.ColorType) {
    case 0:
      if (c.Data.size() >= 2) {
        const int v = SampleTo8(ReadBE16(d), depth);
        g_.transparentKey_ = gfx::RGB(v, v, v);
        key_ = PngColorKey{{ReadBE16(d), 0, 0}, {}};
      }
      break;
    case 2:
      if (c.Data.size() >= 6) {
        g_.transparentKey_ = gfx::RGB(SampleTo8(ReadBE16(d), depth), SampleTo8(ReadBE16(d + 2), depth),
                                      SampleTo8(ReadBE16(d + 4), depth));
        key_ = PngColorKey{{ReadBE16(d), ReadBE16(d + 2), ReadBE16(d + 4)}, {}};
      }
      break;
    case 3:
      g_.transparency_.fill(255);
      std::copy_n(d, std::min<std::size_t>(c.Data.size(), 256), g_.transparency_.begin());
      break;
    default: break;  // grey and RGB with alpha carry their own transparency
  }
}

void PngLoader::SetupImage() {
  imageReady_ = true;
  const TPNGImageProperties& p = g_.props_;
  const auto f = FormatFor(p.ColorType, p.BitsPerSample);
  if (!f) Fail(gesInvalidColorFormat);
  format_ = *f;

  TColorManager& cm = g_.colorManager_;
  cm.SetSourceFormat(f->Source, p.BitsPerSample, f->Samples, TByteOrder::BigEndian);
  cm.SetTargetFormat(f->Target, f->TargetBits, f->TargetSamples);
  if (haveGamma_)
    cm.SetGamma(p.FileGamma, 2.2);
  else
    cm.ClearGamma();
  cm.Prepare();

  gfx::Bitmap bmp(p.Width, p.Height, f->Format);
  if (f->Target == TColorScheme::csG) {
    // Grey ramp over the target's levels; levels narrower than a byte are
    // corrected here, since the row converter corrects whole bytes only.
    const int levels = 1 << f->TargetBits;
    for (int i = 0; i < levels; ++i) {
      int v = i * 255 / (levels - 1);
      if (cm.GammaOn() && f->TargetBits < 8) v = cm.GammaTable()[static_cast<std::size_t>(v)];
      bmp.Palette().push_back(gfx::RGB(v, v, v));
    }
  } else if (f->Target == TColorScheme::csIndexed) {
    bmp.Palette() = plte_;
  }

  if (g_.transparentKey_ != gfx::clNone) {
    bmp.SetTransparent(true);
    bmp.SetTransparentColor(g_.transparentKey_);
    const gfx::Color k = g_.transparentKey_;
    if (key_ && p.BitsPerSample < 8) {
      // Grey samples narrower than a byte are palette indexes (2-bit ones
      // widened to 4 bits).
      const unsigned max = (1u << p.BitsPerSample) - 1u;
      const unsigned index = (key_->Samples[0] & max) * (p.BitsPerSample == 2 ? 5u : 1u);
      ApplyKeyToPalette(bmp.Palette(), index, k);
    } else if (key_) {
      key_->Bgr = {static_cast<std::uint8_t>(gfx::GetB(k)), static_cast<std::uint8_t>(gfx::GetG(k)),
                   static_cast<std::uint8_t>(gfx::GetR(k))};
      keyRows_ = true;
    }
  }
  g_.bitmap_ = std::move(bmp);
}

// Rows from `fromRow` on take the background colour (the parts of the image
// that the data does not reach).
void PngLoader::FillBackground(int fromRow) {
  gfx::Bitmap& bmp = g_.bitmap_;
  if (fromRow >= bmp.Height()) return;
  const gfx::Color bg = g_.background_;
  const std::size_t rowBytes = bmp.RowBytes();
  std::vector<std::uint8_t> pattern(rowBytes);
  if (bmp.Format() == gfx::PixelFormat::Bgr24 || bmp.Format() == gfx::PixelFormat::Bgra32) {
    const std::size_t bytes = bmp.Format() == gfx::PixelFormat::Bgr24 ? 3 : 4;
    const std::uint8_t px[4] = {static_cast<std::uint8_t>(gfx::GetB(bg)),
                                static_cast<std::uint8_t>(gfx::GetG(bg)),
                                static_cast<std::uint8_t>(gfx::GetR(bg)), 255};
    for (std::size_t i = 0; i < rowBytes; i += bytes) std::memcpy(&pattern[i], px, bytes);
  } else if (!bmp.Palette().empty()) {
    int index = NearestPaletteIndex(bmp.Palette(), bg);
    for (int shift = gfx::BitsPerPixel(bmp.Format()); shift < 8; shift *= 2) index |= index << shift;
    std::fill(pattern.begin(), pattern.end(), static_cast<std::uint8_t>(index));
  }
  for (int y = fromRow; y < bmp.Height(); ++y) std::memcpy(bmp.Scanline(y), pattern.data(), rowBytes);
}

bool PngLoader::FetchInput() {
  while (!dataEnded_) {
    PngChunk c;
    NextChunk(c);
    if (c.Type != kIDAT) {
      pending_ = c;
      dataEnded_ = true;
      return false;
    }
    CheckCrc(c);
    if (!c.Data.empty()) {
      in_ = c.Data.data();
      inSize_ = c.Data.size();
      return true;
    }
  }
  return false;
}

// Inflates exactly `length` bytes. False when the image data ends first
// without an error (the rest of the image keeps its background).
bool PngLoader::ReadRow(std::uint8_t* row, std::size_t length) {
  std::uint8_t* out = row;
  std::size_t outSize = length;
  while (outSize > 0) {
    if (streamEnded_) return false;
    if (inSize_ == 0 && !FetchInput()) return false;
    const std::size_t before = inSize_ + outSize;
    switch (decoder_.Decode(in_, inSize_, out, outSize)) {
      case TLZ77Decoder::Status::DataError: Fail(gesDecompression);
      case TLZ77Decoder::Status::StreamEnd:
        streamEnded_ = true;
        // The stream may end between rows (missing data), not inside one.
        if ((outSize != 0 && outSize != length) || inSize_ != 0) Fail(gesExtraCompressedData);
        break;
      case TLZ77Decoder::Status::NeedInput:
      case TLZ77Decoder::Status::Ok:
        if (inSize_ + outSize == before && inSize_ != 0) Fail(gesDecompression);  // no progress
        break;
    }
  }
  return true;
}

// After the last row: what is left of the image data must be the end of the
// zlib stream; further decompressed bytes or input after the stream's end are
// extra data. Consumes the remaining consecutive IDAT chunks.
void PngLoader::ConsumeRemainingData() {
  std::uint8_t scratch[64];
  for (;;) {
    if (inSize_ == 0 && !FetchInput()) return;
    if (streamEnded_) Fail(gesExtraCompressedData);
    std::uint8_t* out = scratch;
    std::size_t outSize = sizeof scratch;
    const std::size_t before = inSize_;
    const auto status = decoder_.Decode(in_, inSize_, out, outSize);
    if (status == TLZ77Decoder::Status::DataError) Fail(gesDecompression);
    if (outSize != sizeof scratch) Fail(gesExtraCompressedData);
    if (status != TLZ77Decoder::Status::StreamEnd && inSize_ == before && inSize_ != 0)
      Fail(gesDecompression);  // no progress
    if (status == TLZ77Decoder::Status::StreamEnd) {
      streamEnded_ = true;
      if (inSize_ != 0) Fail(gesExtraCompressedData);
    }
  }
}

void PngLoader::ApplyKeyToRow(const std::uint8_t* raw, std::uint8_t* target, int count, int x0, int step) {
  const int depth = g_.props_.BitsPerSample;
  if (g_.props_.ColorType == 2)
    ApplyKeyToRgbRow(*key_, raw, depth, count, target, x0, step);
  else
    ApplyKeyToGreyRow(*key_, raw, depth, count, target, x0, step);
}

void PngLoader::DecodeImageData(const PngChunk& first) {
  if (imageReady_) {
    // Image data after other chunks that followed the first run of IDAT
    // chunks: nothing more is decoded from it.
    return;
  }
  SetupImage();
  const TPNGImageProperties& p = g_.props_;
  in_ = first.Data.data();
  inSize_ = first.Data.size();

  const std::size_t bitsPerPixel =
      static_cast<std::size_t>(p.BitsPerSample) * static_cast<std::size_t>(format_.Samples);
  const std::size_t pixelDistance = std::max<std::size_t>(1, bitsPerPixel / 8);
  const std::size_t maxRow = (static_cast<std::size_t>(p.Width) * bitsPerPixel + 7) / 8 + 1;
  std::vector<std::uint8_t> bufA(maxRow), bufB(maxRow);
  std::uint8_t* cur = bufA.data();
  std::uint8_t* prev = bufB.data();

  // Interlaced passes leave gaps until the last one: start from the
  // background. Plain images fill only what the data does not reach.
  if (p.Interlaced) FillBackground(0);
  int rowsDone = 0;
  const std::span<const Adam7Pass> passes =
      p.Interlaced ? std::span<const Adam7Pass>(kAdam7) : std::span<const Adam7Pass>(&kWholeImage, 1);
  bool complete = true;
  for (const Adam7Pass& pass : passes) {
    if (pass.X0 >= p.Width || pass.Y0 >= p.Height) continue;  // the pass holds no pixels
    const int passWidth = (p.Width - pass.X0 + pass.DX - 1) / pass.DX;
    const int passHeight = (p.Height - pass.Y0 + pass.DY - 1) / pass.DY;
    const std::size_t rowLength = (static_cast<std::size_t>(passWidth) * bitsPerPixel + 7) / 8 + 1;
    std::fill_n(prev, rowLength, 0);
    for (int r = 0; r < passHeight; ++r) {
      if (!ReadRow(cur, rowLength)) {
        complete = false;
        break;
      }
      UnfilterRow(cur[0], cur + 1, prev + 1, rowLength - 1, pixelDistance);
      std::uint8_t* target = g_.bitmap_.Scanline(pass.Y0 + r * pass.DY);
      g_.colorManager_.ConvertRow(cur + 1, target, passWidth, pass.X0, pass.DX);
      if (keyRows_) ApplyKeyToRow(cur + 1, target, passWidth, pass.X0, pass.DX);
      std::swap(cur, prev);
      ++rowsDone;
    }
    if (!complete) break;
  }
  if (!p.Interlaced) FillBackground(rowsDone);
  if (complete) {
    ConsumeRemainingData();
  } else if (!dataEnded_) {
    // The stream ended early: skip the rest of the run of IDAT chunks.
    while (FetchInput()) {
      if (inSize_ != 0) Fail(gesExtraCompressedData);
    }
  }
}

// ---------------------------------------------------------------------------

bool TPNGGraphic::Transparent() const {
  return bitmap_.Format() == gfx::PixelFormat::Bgra32 || bitmap_.Transparent();
}

void TPNGGraphic::Reset() {
  bitmap_ = gfx::Bitmap();
  props_ = TPNGImageProperties{};
  background_ = gfx::clWhite;
  transparentKey_ = gfx::clNone;
  transparency_.fill(255);
  colorManager_ = TColorManager{};
}

void TPNGGraphic::LoadFromBytes(std::span<const std::uint8_t> data) {
  Reset();
  PngLoader(*this, data).Run();
}

void ClearTransparentWhite(gfx::Bitmap& bitmap) {
  if (bitmap.Format() != gfx::PixelFormat::Bgra32) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.Scanline(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 4)
      if (p[0] == 255 && p[1] == 255 && p[2] == 255 && p[3] == 0) p[0] = p[1] = p[2] = 0;
  }
}

void RegisterPngFormat() {
  if (gfx::PictureFormats::IsRegistered("png")) return;
  gfx::PictureFormats::Register("png", "Portable network graphics (Kavrel)",
                                [] { return std::make_unique<TPNGGraphic>(); });
}

}  // namespace image
