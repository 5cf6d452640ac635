#include "skin/data/SkinColorShift.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "skin/paint/ColorShift.h"

namespace skin {
namespace {

using ColorFn = std::function<gfx::Color(gfx::Color)>;

// Applies `fn` to every pixel that is neither the key colour nor grey.
// 32-bit images keep their alpha; other formats are first made 24-bit.
void ShiftPixels(gfx::Bitmap& b, const ColorFn& fn) {
  if (b.Empty()) return;
  if (b.Format() != gfx::PixelFormat::Bgra32 && b.Format() != gfx::PixelFormat::Bgr24) {
    const bool transparent = b.Transparent();
    const gfx::Color key = b.TransparentColor();
    b = b.ConvertTo(gfx::PixelFormat::Bgr24);
    b.SetTransparent(transparent);
    b.SetTransparentColor(key);
  }
  const int bpp = b.Format() == gfx::PixelFormat::Bgra32 ? 4 : 3;
  for (int y = 0; y < b.Height(); ++y) {
    std::uint8_t* p = b.Scanline(y);
    for (int x = 0; x < b.Width(); ++x, p += bpp) {
      const std::uint8_t bl = p[0], g = p[1], r = p[2];
      if (r == g && g == bl) continue;                // grey
      if (r == 255 && g == 0 && bl == 255) continue;  // key colour
      const gfx::Color c = fn(gfx::RGB(r, g, bl));
      p[0] = static_cast<std::uint8_t>(gfx::GetB(c));
      p[1] = static_cast<std::uint8_t>(gfx::GetG(c));
      p[2] = static_cast<std::uint8_t>(gfx::GetR(c));
    }
  }
}

// Magenta and -1 mean "no colour" in colour fields and stay as they are.
gfx::Color ShiftField(gfx::Color c, const ColorFn& fn) {
  if (c == gfx::clFuchsia || c == 0xFFFFFFFF) return c;
  return fn(c);
}

void ShiftSteps(TsGradArray& steps, const ColorFn& fn) {
  for (TsGradStep& s : steps) {
    s.FromColor = static_cast<std::int32_t>(ShiftField(static_cast<gfx::Color>(s.FromColor), fn));
    s.ToColor = static_cast<std::int32_t>(ShiftField(static_cast<gfx::Color>(s.ToColor), fn));
  }
}

void ShiftTables(TsSkinModel& skin, const ColorFn& fn, const std::vector<bool>& keepImage) {
  ShiftPixels(skin.MasterBitmap, fn);
  // Lines that name the same file share one image: each image is shifted
  // once. Entries that share an image with a kept one get a shifted copy.
  std::unordered_set<const gfx::Bitmap*> kept;
  for (std::size_t i = 0; i < skin.MaskTable.size(); ++i)
    if (skin.MaskTable[i].Image && keepImage[i]) kept.insert(skin.MaskTable[i].Image.get());
  std::unordered_map<const gfx::Bitmap*, std::shared_ptr<gfx::Bitmap>> shifted;
  for (std::size_t i = 0; i < skin.MaskTable.size(); ++i) {
    std::shared_ptr<gfx::Bitmap>& image = skin.MaskTable[i].Image;
    if (!image || keepImage[i]) continue;
    auto done = shifted.find(image.get());
    if (done == shifted.end()) {
      auto target = kept.count(image.get()) != 0 ? std::make_shared<gfx::Bitmap>(*image) : image;
      ShiftPixels(*target, fn);
      done = shifted.emplace(image.get(), std::move(target)).first;
    }
    image = done->second;
  }
  for (TsGeneralData& g : skin.GeneralTable) {
    g.Color = ShiftField(g.Color, fn);
    g.HotColor = ShiftField(g.HotColor, fn);
    g.GlowColor = ShiftField(g.GlowColor, fn);
    g.HotGlowColor = ShiftField(g.HotGlowColor, fn);
    for (gfx::Color& c : g.FontColor) c = ShiftField(c, fn);
    for (gfx::Color& c : g.HotFontColor) c = ShiftField(c, fn);
    ShiftSteps(g.GradientSteps, fn);
    ShiftSteps(g.HotGradientSteps, fn);
  }
  skin.SkinWideData.Shadow1Color = ShiftField(skin.SkinWideData.Shadow1Color, fn);
  skin.SkinWideData.BorderColor = ShiftField(skin.SkinWideData.BorderColor, fn);
}

// Pixels of one master-bitmap rectangle, kept aside while the rest is shifted.
struct SavedRect {
  gfx::Rect Area;
  std::vector<std::uint8_t> Pixels;
};

SavedRect Save(const gfx::Bitmap& b, gfx::Rect r) {
  SavedRect s{gfx::Intersect(r, b.Bounds()), {}};
  for (int y = s.Area.Top; y < s.Area.Bottom; ++y) {
    const std::uint8_t* row = b.Scanline(y) + 3 * s.Area.Left;
    s.Pixels.insert(s.Pixels.end(), row, row + 3 * s.Area.Width());
  }
  return s;
}

void Restore(gfx::Bitmap& b, const SavedRect& s) {
  const std::size_t rowBytes = 3 * static_cast<std::size_t>(s.Area.Width());
  for (int y = s.Area.Top; y < s.Area.Bottom; ++y)
    std::memcpy(b.Scanline(y) + 3 * s.Area.Left, s.Pixels.data() + rowBytes * (y - s.Area.Top), rowBytes);
}

gfx::Rect RectOf(const TsMaskData& m) { return {m.Left, m.Top, m.Right, m.Bottom}; }

}  // namespace

void ShiftSkinHue(TsSkinModel& skin, int offset) {
  const ColorFn fn = [offset](gfx::Color c) { return ShiftHue(offset, c); };
  std::vector<bool> keepImage(skin.MaskTable.size(), false);
  std::vector<SavedRect> saved;
  const std::int16_t keepHue = skin.SkinWideData.BIKeepHue;
  if (keepHue != 0) {
    std::vector<std::string> keys = {"BICONCLOSE", "SICONCLOSE"};
    if (keepHue == 1)
      keys.insert(keys.end(),
                  {"BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONMAX", "SICONMIN", "SICONNORM"});
    const int global = skin.SectionIndexOf("GLOBALINFO");
    const bool hasMaster =
        skin.MasterBitmap.Format() == gfx::PixelFormat::Bgr24 && !skin.MasterBitmap.Empty();
    for (const std::string& key : keys) {
      const int m = skin.MaskIndexOf(global, "GLOBALINFO", key);
      if (m >= 0 && !skin.MaskTable[m].Image && hasMaster)
        saved.push_back(Save(skin.MasterBitmap, RectOf(skin.MaskTable[m])));
      const int glow = skin.MaskIndexOf(global, "GLOBALINFO", key + "GLOW0");
      if (glow >= 0 && skin.MaskTable[glow].Image) keepImage[glow] = true;
    }
  }
  ShiftTables(skin, fn, keepImage);
  for (const SavedRect& s : saved) Restore(skin.MasterBitmap, s);
}

void ShiftSkinSaturation(TsSkinModel& skin, int amount) {
  const ColorFn fn = [amount](gfx::Color c) { return ShiftSaturation(c, amount); };
  ShiftTables(skin, fn, std::vector<bool>(skin.MaskTable.size(), false));
}

}  // namespace skin
