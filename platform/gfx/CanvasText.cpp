// Text output and measuring on a canvas.
#include <climits>
#include <exception>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/FontCache.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/TextLayout.h"

namespace gfx {
namespace {

class FaceAdvances final : public GlyphAdvances {
 public:
  explicit FaceAdvances(FontFace& face) : face_(face) {}
  int Advance(char32_t cp) override { return cp == U'\r' || cp == U'\n' ? 0 : face_.Advance(cp); }
  int AveCharWidth() override { return face_.Metrics().AveCharWidth; }

 private:
  FontFace& face_;
};

// Painting never throws: a font that cannot be loaded draws and measures nothing.
FontFace* FaceOf(const Font& font) {
  try {
    return &FontCache::Instance().FaceFor(font);
  } catch (const std::exception&) {
    return nullptr;
  }
}

int FullWidth(const LaidLine& line) {
  return line.Glyphs.empty() ? 0 : line.Glyphs.back().X + line.Glyphs.back().Advance;
}

void FillClipped(Bitmap& bm, const Region& clip, const Rect& r, pixel::Rgb c, Rect& touched) {
  pixel::ForEachClipped(bm, clip, r, [&](const Rect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) pixel::FillSpan(bm, y, part.Left, part.Right, c);
    touched = Bounds(touched, part);
  });
}

// Draws one laid-out line with its left edge at device x and its baseline at
// device y: coverage-blended glyphs, accelerator underlines, and the font's
// underline and strike-out over the whole line.
void DrawLine(Bitmap& bm, const Region& clip, const LaidLine& line, int x, int baseline, FontFace& face,
              const Font& font, pixel::Rgb c, Rect& touched) {
  const FontMetrics& m = face.Metrics();
  for (const LaidGlyph& lg : line.Glyphs) {
    if (lg.Cp < 0x20) continue;  // tabs and other controls show nothing
    const GlyphImage& g = face.Glyph(lg.Cp);
    if (g.Width > 0) {
      const Rect box = Rect::FromXYWH(x + lg.X + g.Left, baseline - g.Top, g.Width, g.Height);
      pixel::ForEachClipped(bm, clip, box, [&](const Rect& part) {
        for (int y = part.Top; y < part.Bottom; ++y) {
          std::uint8_t* row = bm.Scanline(y);
          const std::uint8_t* cov =
              g.Coverage.data() + static_cast<std::size_t>(y - box.Top) * g.Width + (part.Left - box.Left);
          for (int px = part.Left; px < part.Right; ++px, ++cov)
            if (*cov) pixel::BlendPixel(row, bm.Format(), px, c, *cov);
        }
        touched = Bounds(touched, part);
      });
    }
    if (lg.Underline)
      FillClipped(bm, clip,
                  Rect::FromXYWH(x + lg.X, baseline + m.UnderlinePos, lg.Advance, m.UnderlineThickness), c,
                  touched);
  }
  const int w = FullWidth(line);
  if (font.Underline())
    FillClipped(bm, clip, Rect::FromXYWH(x, baseline + m.UnderlinePos, w, m.UnderlineThickness), c, touched);
  if (font.StrikeOut())
    FillClipped(bm, clip, Rect::FromXYWH(x, baseline - m.StrikeOutPos, w, m.UnderlineThickness), c, touched);
}

}  // namespace

FontMetrics Canvas::TextMetrics() const {
  FontFace* face = FaceOf(st_.TheFont);
  return face ? face->Metrics() : FontMetrics{};
}

Size Canvas::TextExtent(std::string_view utf8) const {
  FontFace* face = FaceOf(st_.TheFont);
  if (!face) return {};
  FaceAdvances adv(*face);
  const TextBlockLayout block = LayoutText(utf8, DT_SINGLELINE | DT_NOPREFIX, INT_MAX, adv);
  const int w = block.Lines.empty() ? 0 : FullWidth(block.Lines.front());
  return {w, face->Metrics().Height};
}

void Canvas::TextOut(int x, int y, std::string_view utf8) {
  FontFace* face = FaceOf(st_.TheFont);
  if (!face) return;
  FaceAdvances adv(*face);
  const TextBlockLayout block = LayoutText(utf8, DT_SINGLELINE | DT_NOPREFIX, INT_MAX, adv);
  if (block.Lines.empty()) return;
  const LaidLine& line = block.Lines.front();
  const int dx = x + st_.Origin.X, dy = y + st_.Origin.Y;
  Rect touched{};
  if (st_.BkMode == BackgroundMode::Opaque)
    FillClipped(*target_, st_.Clip, Rect::FromXYWH(dx, dy, FullWidth(line), face->Metrics().Height),
                pixel::Resolve(st_.BkColor), touched);
  DrawLine(*target_, st_.Clip, line, dx, dy + face->Metrics().Ascent, *face, st_.TheFont,
           pixel::Resolve(TextColor()), touched);
  Damage(touched);
}

int Canvas::DrawText(std::string_view utf8, Rect& rect, unsigned flags) {
  FontFace* face = FaceOf(st_.TheFont);
  if (!face) return 0;
  FaceAdvances adv(*face);
  const FontMetrics& m = face->Metrics();
  const TextBlockLayout block = LayoutText(utf8, flags, rect.Width(), adv);
  const int lh = m.Height;
  const int textHeight = static_cast<int>(block.Lines.size()) * lh;
  if (flags & DT_CALCRECT) {
    rect.Right = rect.Left + block.Width;
    rect.Bottom = rect.Top + textHeight;
    return textHeight;
  }
  const bool single = (flags & DT_SINGLELINE) != 0;
  int top = rect.Top;
  if (single && (flags & DT_VCENTER)) {
    top = rect.Top + (rect.Height() - lh) / 2;
  } else if (single && (flags & DT_BOTTOM)) {
    top = rect.Bottom - lh;
  }
  Region clip = st_.Clip;
  if ((flags & DT_NOCLIP) == 0) clip &= Region(ToDevice(rect));
  const pixel::Rgb color = pixel::Resolve(TextColor());
  const pixel::Rgb back = pixel::Resolve(st_.BkColor);
  Rect touched{};
  for (std::size_t i = 0; i < block.Lines.size(); ++i) {
    const LaidLine& line = block.Lines[i];
    int x = rect.Left;
    if (flags & DT_CENTER) {
      x = rect.Left + (rect.Width() - line.Width) / 2;
    } else if (flags & DT_RIGHT) {
      x = rect.Right - line.Width;
    }
    const int lineTop = top + static_cast<int>(i) * lh;
    const int dx = x + st_.Origin.X, dy = lineTop + st_.Origin.Y;
    if (st_.BkMode == BackgroundMode::Opaque)
      FillClipped(*target_, clip, Rect::FromXYWH(dx, dy, FullWidth(line), lh), back, touched);
    DrawLine(*target_, clip, line, dx, dy + m.Ascent, *face, st_.TheFont, color, touched);
  }
  Damage(touched);
  if (block.Lines.empty()) return 0;
  if (single && (flags & (DT_VCENTER | DT_BOTTOM))) return top - rect.Top + lh;
  return textHeight;
}

}  // namespace gfx
