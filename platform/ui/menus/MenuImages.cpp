#include "platform/ui/menus/MenuImages.h"

#include "platform/ui/Messages.h"
#include "platform/ui/controls/ImageList.h"

namespace ui::menupaint {

namespace {
// The colour that keys out the background of an own bitmap without alpha.
gfx::Color KeyOf(const gfx::Bitmap& b) {
  if (b.Transparent() && b.TransparentColor() != gfx::clNone && b.TransparentColor() != gfx::clDefault)
    return b.TransparentColor() & 0xFFFFFF;
  return b.PixelAt(0, b.Height() - 1) & 0xFFFFFF;
}

// The item's picture as 32 bits with straight alpha (keyed pixels clear).
gfx::Bitmap PictureOf(const MenuItem* item) {
  const gfx::Bitmap& own = item->Bitmap();
  if (own.Format() == gfx::PixelFormat::Bgra32) return own;
  if (!own.Empty()) {
    gfx::Color key = KeyOf(own);
    gfx::Bitmap out = own.ConvertTo(gfx::PixelFormat::Bgra32);
    for (int y = 0; y < out.Height(); ++y)
      for (int x = 0; x < out.Width(); ++x)
        if ((out.PixelAt(x, y) & 0xFFFFFF) == key) out.SetPixelAt(x, y, 0);
    return out;
  }
  gfx::Size s = item->ImageSize();
  gfx::Bitmap out(s.Width, s.Height, gfx::PixelFormat::Bgra32);  // starts clear
  gfx::Canvas c(out);
  item->GetImageList()->Draw(c, 0, 0, item->ImageIndex(), true);
  return out;
}

void DrawEmbossed(gfx::Canvas& c, const gfx::Bitmap& picture, int x, int y) {
  const gfx::Color light = gfx::ColorToRGB(gfx::clBtnHighlight);
  const gfx::Color dark = gfx::ColorToRGB(gfx::clBtnShadow);
  for (auto [dx, colour] : {std::pair{1, light}, std::pair{0, dark}})
    for (int py = 0; py < picture.Height(); ++py)
      for (int px = 0; px < picture.Width(); ++px)
        if ((picture.PixelAt(px, py) >> 24) >= 128)
          c.FillRect(gfx::Rect::FromXYWH(x + px + dx, y + py + dx, 1, 1), colour);
}
}  // namespace

void DrawItemImage(gfx::Canvas& c, const MenuItem* item, int x, int y, bool enabled) {
  if (!item->HasImage()) return;
  if (!enabled) {
    DrawEmbossed(c, PictureOf(item), x, y);
    return;
  }
  const gfx::Bitmap& own = item->Bitmap();
  if (own.Empty()) {
    item->GetImageList()->Draw(c, x, y, item->ImageIndex(), true);
  } else if (own.Format() == gfx::PixelFormat::Bgra32) {
    c.AlphaBlendBitmap(gfx::Rect::FromXYWH(x, y, own.Width(), own.Height()), own, own.Bounds(), 255);
  } else {
    c.DrawBitmapKeyed(x, y, own.ConvertTo(gfx::PixelFormat::Bgr24), own.Bounds(), KeyOf(own));
  }
}

void DrawImageFrame(gfx::Canvas& c, const gfx::Rect& box, bool checked, bool selected) {
  const gfx::Color light = gfx::ColorToRGB(gfx::clBtnHighlight);
  const gfx::Color dark = gfx::ColorToRGB(gfx::clBtnShadow);
  if (checked) {
    if (!selected) c.FillRect(box.Inflate(-1, -1), gfx::ColorToRGB(gfx::clBtnHighlight));
    classic::Frame3D(c, box, dark, light);
  } else if (selected) {
    classic::Frame3D(c, box, light, dark);
  }
}

std::optional<classic::Glyph> SystemMenuSymbol(std::intptr_t tag) {
  switch (static_cast<WPARAM>(tag)) {
    case SC_MINIMIZE: return classic::Glyph::Minimize;
    case SC_MAXIMIZE: return classic::Glyph::Maximize;
    case SC_RESTORE: return classic::Glyph::Restore;
    case SC_CLOSE: return classic::Glyph::Close;
    default: return std::nullopt;
  }
}

}  // namespace ui::menupaint
