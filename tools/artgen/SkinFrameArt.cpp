#include "tools/artgen/SkinFrameArt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "tools/artgen/PixelArt.h"

namespace artgen {
namespace {

std::uint32_t Argb(gfx::Color c, double alpha) {
  const auto a = static_cast<std::uint32_t>(std::lround(std::clamp(alpha, 0.0, 1.0) * 255));
  return a == 0 ? 0 : (c | (a << 24));
}

// Distance from a point to a rounded rectangle (negative inside).
double RoundRectDistance(double px, double py, double l, double t, double r, double b, double radius) {
  const double cx = std::clamp(px, l + radius, r - radius), cy = std::clamp(py, t + radius, b - radius);
  return std::hypot(px - cx, py - cy) - radius;
}

// Straight-alpha "a over b".
void Over(double& r, double& g, double& bl, double& a, gfx::Color c, double ca) {
  const double out = ca + a * (1 - ca);
  if (out <= 0) {
    r = g = bl = a = 0;
    return;
  }
  r = (gfx::GetR(c) * ca + r * a * (1 - ca)) / out;
  g = (gfx::GetG(c) * ca + g * a * (1 - ca)) / out;
  bl = (gfx::GetB(c) * ca + bl * a * (1 - ca)) / out;
  a = out;
}

std::uint32_t Pack(double r, double g, double b, double a) {
  if (a * 255 < 0.5) return 0;
  const gfx::Color c = gfx::RGB(static_cast<int>(std::lround(r)), static_cast<int>(std::lround(g)),
                                static_cast<int>(std::lround(b)));
  return Argb(c, a);
}

// The frame colour of a pixel of the window's box (x, y relative to the box).
gfx::Color FrameColour(const TitleColours& t, const SkinPalette& p, int x, int y, int w, int h) {
  const bool outer = x == 0 || y == 0 || x == w - 1 || y == h - 1;
  if (outer) return t.Outline;
  if (y < kTitleHeight) {
    if (y == 1) return Mix(t.Top, gfx::clWhite, 0.25);
    return Mix(t.Top, t.Bottom, (y - 1) / double(kTitleHeight - 2));
  }
  const bool besideClient = y < h - kFrameBorder;
  const bool clientEdge = (besideClient && (x == kFrameBorder - 1 || x == w - kFrameBorder)) ||
                          (y == h - kFrameBorder && x >= kFrameBorder - 1 && x <= w - kFrameBorder);
  const gfx::Color border = Mix(t.Border, p.Surface, 0.35);
  return clientEdge ? Mix(border, gfx::clBlack, 0.18) : border;
}

}  // namespace

gfx::Bitmap DrawTitle(const SkinPalette& p) {
  gfx::Bitmap b = KeyBitmap(32, kTitleHeight);
  for (int s = 0; s < 2; ++s) {
    const TitleColours t = TitleColoursOf(p, s == 1);
    for (int y = 0; y < kTitleHeight; ++y) {
      for (int x = 0; x < 16; ++x) {
        // Only the top corners are round; the bottom joins the window.
        const BoxPart part = PartOfRoundBox(x, y, 16, kTitleHeight + 8, 4);
        if (part == BoxPart::Outside) continue;
        const bool edge = part == BoxPart::Edge;
        b.SetPixelAt(16 * s + x, y, edge ? t.Outline : FrameColour(t, p, x, y, 16, kTitleHeight + 40));
      }
    }
  }
  return b;
}

gfx::Bitmap DrawExBorder(const SkinPalette& p) {
  const int cw = kExBorderCellWidth, ch = kExBorderCellHeight;
  gfx::Bitmap b = gfx::NewBitmap32(2 * cw, ch);
  const double l = kShadow, t = kShadow, r = cw - kShadow, bt = ch - kShadow;
  for (int s = 0; s < 2; ++s) {
    const TitleColours tc = TitleColoursOf(p, s == 1);
    for (int y = 0; y < ch; ++y) {
      for (int x = 0; x < cw; ++x) {
        double cr = 0, cg = 0, cb = 0, ca = 0;
        // The shadow: a box moved 2 px down, fading to nothing at the cell's edge.
        const double ds = RoundRectDistance(x + 0.5, y + 0.5, l, t + 2, r, bt + 1, 4);
        if (ds > 0) {
          const double f = std::clamp(1.0 - ds / (kShadow - 0.5), 0.0, 1.0);
          Over(cr, cg, cb, ca, gfx::clBlack, p.ShadowStrength * f * f * (s == 1 ? 1.0 : 0.7));
        } else {
          Over(cr, cg, cb, ca, gfx::clBlack, p.ShadowStrength * (s == 1 ? 1.0 : 0.7));
        }
        // The window's box, its top corners rounded; coverage by 4 x 4 samples.
        int covered = 0;
        for (int sy = 0; sy < 4; ++sy)
          for (int sx = 0; sx < 4; ++sx) {
            const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
            const double radius = py < t + 6 ? 4.0 : 1.0;
            if (RoundRectDistance(px, py, l, t, r, bt, radius) <= 0) ++covered;
          }
        const int bx = x - kShadow, by = y - kShadow;
        const bool client = bx >= kFrameBorder && bx < cw - 2 * kShadow - kFrameBorder && by >= kTitleHeight &&
                            by < ch - 2 * kShadow - kFrameBorder;
        if (client) {
          // The client area: never drawn, left empty.
          b.SetPixelAt(s * cw + x, y, 0);
          continue;
        }
        if (covered > 0) {
          Over(cr, cg, cb, ca, FrameColour(tc, p, bx, by, cw - 2 * kShadow, ch - 2 * kShadow), covered / 16.0);
        }
        b.SetPixelAt(s * cw + x, y, Pack(cr, cg, cb, ca));
      }
    }
  }
  return b;
}

gfx::Bitmap DrawCaptionGlow(const MasterArt& master, const std::string& key, gfx::Color halo) {
  const auto it = master.Masks.find("GLOBALINFO." + key);
  if (it == master.Masks.end()) throw std::logic_error("no caption glyph " + key);
  int left = 0, top = 0, right = 0, bottom = 0;
  if (std::sscanf(it->second.c_str(), "@%d@%d@%d@%d", &left, &top, &right, &bottom) != 4)
    throw std::logic_error("bad glyph value " + it->second);
  const int cw = (right - left) / 3, ch = bottom - top, m = kGlowMargin;
  gfx::Bitmap b = gfx::NewBitmap32(cw + 2 * m, ch + 2 * m);
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      double cr = 0, cg = 0, cb = 0, ca = 0;
      const double d = RoundRectDistance(x + 0.5, y + 0.5, m + 1, m + 1, m + cw - 1, m + ch - 1, 3);
      if (d > 0) Over(cr, cg, cb, ca, halo, 0.6 * std::exp(-d * d / 8.0) * std::clamp(1 - d / m, 0.0, 1.0));
      const int gx = x - m, gy = y - m;
      if (gx >= 0 && gy >= 0 && gx < cw && gy < ch) {
        const gfx::Color c = master.Bitmap.PixelAt(left + cw + gx, top + gy);
        if (c != gfx::clFuchsia) Over(cr, cg, cb, ca, c, 1.0);
      }
      b.SetPixelAt(x, y, Pack(cr, cg, cb, ca));
    }
  }
  return b;
}

gfx::Bitmap DrawButtonGlow(const SkinPalette& p) {
  const int m = kGlowMargin, w = 17, h = 21;
  gfx::Bitmap b = gfx::NewBitmap32(w + 2 * m, h + 2 * m);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const double d = RoundRectDistance(x + 0.5, y + 0.5, m, m, m + w, m + h, 3);
      const double a = d <= 0 ? 0.0 : 0.5 * std::exp(-d * d / 8.0) * std::clamp(1 - d / m, 0.0, 1.0);
      b.SetPixelAt(x, y, Argb(p.Accent, a));
    }
  return b;
}

gfx::Bitmap DrawBrush(const SkinPalette& p) {
  gfx::Bitmap b = gfx::NewBitmap24(8, 8);
  FillBox(b, 0, 0, 8, 8, p.Surface);
  return b;
}

gfx::Bitmap DrawHugeButton(const SkinPalette& p) {
  gfx::Bitmap b = KeyBitmap(90, 40);
  for (int s = 0; s < 3; ++s) {
    const gfx::Color outline = s == 0 ? p.Line : (s == 1 ? p.Accent : p.AccentDark);
    RoundBox(b, 30 * s, 0, 30, 40, 4, outline,
             [&](int row) { return Mix(p.ButtonTop, p.ButtonBottom, row / 39.0); });
  }
  return b;
}

}  // namespace artgen
