// TPNGGraphic: a bitmap that loads itself from PNG data. After loading it is
// an ordinary bitmap: 1-, 4- or 8-bit palette (grey ramp or PLTE colours),
// 24-bit B,G,R, or 32-bit B,G,R,A with straight alpha.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "image/GraphicErrors.h"
#include "image/acColorManager.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Graphic.h"

namespace image {

// Registers "png" with the process-wide picture-format registry. Called once
// by the program at start; calling it again changes nothing.
void RegisterPngFormat();

// Limits for untrusted files: a side of at most kPngMaxSide pixels and a
// decoded bitmap of at most kPngMaxBitmapBytes.
inline constexpr int kPngMaxSide = 16384;
inline constexpr std::size_t kPngMaxBitmapBytes = std::size_t{256} << 20;

// The header fields of the last loaded image.
struct TPNGImageProperties {
  int Width = 0;
  int Height = 0;
  int BitsPerSample = 0;
  int SamplesPerPixel = 0;
  int ColorType = 0;  // the PNG colour type
  TColorScheme ColorScheme = TColorScheme::csUnknown;
  int Compression = 0;
  int FilterMethod = 0;
  bool Interlaced = false;
  double FileGamma = 0;  // from gAMA; 0 when the file has none
};

class TPNGGraphic : public gfx::Graphic {
 public:
  TPNGGraphic() { transparency_.fill(255); }
  TPNGGraphic(const TPNGGraphic&) = default;
  TPNGGraphic& operator=(const TPNGGraphic&) = default;

  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  bool Transparent() const override;
  void Draw(gfx::Canvas& canvas, const gfx::Rect& rect) const override;
  void LoadFromBytes(std::span<const std::uint8_t> data) override;
  void Assign(const gfx::Graphic& source) override;
  const gfx::Bitmap* AsBitmap() const override { return &bitmap_; }

  gfx::Bitmap& Bitmap() { return bitmap_; }
  const gfx::Bitmap& Bitmap() const { return bitmap_; }

  const TPNGImageProperties& ImageProperties() const { return props_; }
  // Draw a fading reflection below the picture.
  bool Reflected() const { return reflected_; }
  void SetReflected(bool on) { reflected_ = on; }
  // From bKGD; white when the file has none.
  gfx::Color BackgroundColor() const { return background_; }
  // From tRNS of a grey or RGB image; clNone when the file has none.
  gfx::Color TransparentKey() const { return transparentKey_; }
  // Palette alpha from tRNS (255 for missing entries); not applied to pixels.
  const std::array<std::uint8_t, 256>& TransparencyTable() const { return transparency_; }
  const TColorManager& ColorManager() const { return colorManager_; }

 private:
  friend class PngLoader;

  void Reset();

  gfx::Bitmap bitmap_;
  TPNGImageProperties props_;
  bool reflected_ = false;
  gfx::Color background_ = gfx::clWhite;
  gfx::Color transparentKey_ = gfx::clNone;
  std::array<std::uint8_t, 256> transparency_{};
  TColorManager colorManager_;
};

// For a 32-bit bitmap: every pixel that is white with alpha 0 becomes all
// zero. Other bitmaps are left alone.
void ClearTransparentWhite(gfx::Bitmap& bitmap);

}  // namespace image
