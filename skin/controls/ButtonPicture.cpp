#include "skin/controls/ButtonPicture.h"

#include <algorithm>

#include "image/PictureBlend.h"
#include "platform/ui/controls/ImageList.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/paint/AlphaCopy.h"

namespace skin {

namespace {

bool HasGlyph(const ButtonPicture& p) { return p.Glyph && !p.Glyph->Empty(); }

// A keyed frame as 32 bits: the key colour fully transparent, the rest opaque.
gfx::Bitmap KeyedFrame(const gfx::Bitmap& glyph, const gfx::Rect& frame) {
  const gfx::Color key = glyph.PixelAt(frame.Left, frame.Bottom - 1) & 0xFFFFFF;
  gfx::Bitmap out(frame.Width(), frame.Height(), gfx::PixelFormat::Bgra32);
  for (int y = 0; y < frame.Height(); ++y) {
    std::uint8_t* row = out.Scanline(y);
    for (int x = 0; x < frame.Width(); ++x, row += 4) {
      const gfx::Color c = glyph.PixelAt(frame.Left + x, frame.Top + y) & 0xFFFFFF;
      row[0] = static_cast<std::uint8_t>(c >> 16);  // blue (colours are 0x00BBGGRR)
      row[1] = static_cast<std::uint8_t>(c >> 8);
      row[2] = static_cast<std::uint8_t>(c);
      row[3] = c == key ? 0 : 255;
    }
  }
  return out;
}

// The picture blend. A 24-bit target without reflection (every tile's cache)
// goes through the vectorised AlphaCopy, which gives the same bytes there.
void Blend(gfx::Bitmap& target, const gfx::Rect& dest, const gfx::Bitmap& picture, const gfx::Rect& frame,
           const ButtonPicture& p) {
  if (target.Format() == gfx::PixelFormat::Bgr24 && !p.Reflected)
    AlphaCopy(dest, frame, target, false, p.BlendPercent, p.Gray, false, NoBackdrop, picture);
  else
    image::AlphaBlendPicture(target, dest, picture, frame, p.Reflected, p.BlendPercent, p.Gray);
}

}  // namespace

bool ButtonPicture::KeyedGlyph() const {
  if (!HasGlyph(*this)) return false;
  if (Glyph->Format() != gfx::PixelFormat::Bgra32) return true;
  for (int y = 0; y < Glyph->Height(); ++y) {
    const std::uint8_t* row = Glyph->Scanline(y);
    for (int x = 0; x < Glyph->Width(); ++x)
      if (row[4 * x + 3] == 255) return false;
  }
  return true;
}

gfx::Size ButtonPicture::FrameSize() const {
  const int n = std::max(NumGlyphs, 1);
  if (HasGlyph(*this)) return {Glyph->Width() / n, Glyph->Height()};
  if (Images && ImageIndex >= 0 && ImageIndex < Images->Count()) return {Images->Width() / n, Images->Height()};
  return {};
}

void DrawButtonPicture(gfx::Bitmap& target, gfx::Point at, const ButtonPicture& p) {
  if (target.Empty()) return;
  const gfx::Size size = p.FrameSize();
  if (size.Width <= 0 || size.Height <= 0) return;
  const int k = std::clamp(p.Frame, 0, std::max(p.NumGlyphs, 1) - 1);
  const gfx::Rect frame = gfx::Rect::FromXYWH(size.Width * k, 0, size.Width, size.Height);
  const gfx::Rect dest = gfx::Rect::FromXYWH(at.X, at.Y, size.Width, size.Height);
  if (HasGlyph(p)) {
    if (p.KeyedGlyph()) {
      const gfx::Bitmap keyed = KeyedFrame(*p.Glyph, frame);
      Blend(target, dest, keyed, keyed.Bounds(), p);
    } else {
      Blend(target, dest, *p.Glyph, frame, p);
    }
    return;
  }
  // An alpha image list's item decoded once (what the list's own item
  // drawing would decode on every call); other lists hold 32-bit pictures.
  const gfx::Bitmap* picture = nullptr;
  if (const auto* alpha = dynamic_cast<const AlphaImageList*>(p.Images)) {
    if (!alpha->List().HasNativeList()) return;
    picture = alpha->Decoded(p.ImageIndex);
  } else {
    picture = p.Images->Image(p.ImageIndex);
  }
  if (!picture) return;
  Blend(target, dest, *picture, frame, p);
}

void DrawButtonPictureOnCanvas(gfx::Canvas& canvas, gfx::Point at, const ButtonPicture& p) {
  const gfx::Size size = p.FrameSize();
  if (size.Width <= 0 || size.Height <= 0) return;
  const int h = size.Height + (p.Reflected ? size.Height / 2 : 0);
  gfx::Bitmap work = gfx::NewBitmap24(size.Width, h);
  {
    gfx::Canvas workCanvas(work);
    workCanvas.CopyRect(0, 0, canvas, gfx::Rect::FromXYWH(at.X, at.Y, size.Width, h));
  }
  DrawButtonPicture(work, {0, 0}, p);
  canvas.DrawBitmap(at.X, at.Y, work);
}

}  // namespace skin
