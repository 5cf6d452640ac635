#include "platform/ui/ClassicLook.h"

#include <algorithm>
#include <vector>

#include "platform/gfx/SymbolGlyphs.h"

namespace ui::classic {

using gfx::ColorToRGB;

void Frame3D(gfx::Canvas& c, const gfx::Rect& r, gfx::Color tl, gfx::Color br) {
  if (r.IsEmpty()) return;
  tl = ColorToRGB(tl);
  br = ColorToRGB(br);
  c.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, tl);
  c.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, tl);
  c.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, br);
  c.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, br);
}

void DrawEdge(gfx::Canvas& c, const gfx::Rect& r, unsigned edge) {
  gfx::Rect x = r;
  if (edge & BDR_RAISEDOUTER) {
    Frame3D(c, x, gfx::cl3DLight, gfx::cl3DDkShadow);
    x = x.Inflate(-1, -1);
  } else if (edge & BDR_SUNKENOUTER) {
    Frame3D(c, x, gfx::clBtnShadow, gfx::clBtnHighlight);
    x = x.Inflate(-1, -1);
  }
  if (edge & BDR_RAISEDINNER)
    Frame3D(c, x, gfx::clBtnHighlight, gfx::clBtnShadow);
  else if (edge & BDR_SUNKENINNER)
    Frame3D(c, x, gfx::cl3DDkShadow, gfx::cl3DLight);
}

void DrawButtonFace(gfx::Canvas& c, const gfx::Rect& r, bool pressed) {
  c.FillRect(r.Inflate(-2, -2), ColorToRGB(gfx::clBtnFace));
  if (pressed) {
    Frame3D(c, r, gfx::cl3DDkShadow, gfx::clBtnHighlight);
    Frame3D(c, r.Inflate(-1, -1), gfx::clBtnShadow, gfx::cl3DLight);
  } else {
    DrawEdge(c, r, EDGE_RAISED);
  }
}

void DrawDisabledText(gfx::Canvas& c, const std::string& text, const gfx::Rect& r, unsigned flags) {
  if (r.IsEmpty() || text.empty()) return;
  // The text's shape, drawn black on white into a scratch bitmap.
  gfx::Bitmap shape(r.Width(), r.Height(), gfx::PixelFormat::Bgr24);
  shape.FillBytes(0xFF);
  {
    gfx::Canvas sc(shape);
    sc.SetFont(c.GetFont());
    sc.SetTextColor(gfx::clBlack);
    sc.SetBrushStyle(gfx::BrushStyle::Clear);
    gfx::Rect local{0, 0, r.Width(), r.Height()};
    sc.DrawText(text, local, flags & ~gfx::DT_CALCRECT);
  }
  const gfx::Color colors[] = {ColorToRGB(gfx::clBtnHighlight), ColorToRGB(gfx::clBtnShadow)};
  for (int pass = 0; pass < 2; ++pass) {
    const int d = pass == 0 ? 1 : 0;
    for (int y = 0; y < shape.Height(); ++y) {
      // Runs of ink become one fill each.
      for (int x = 0; x < shape.Width();) {
        if ((shape.PixelAt(x, y) & 0xFF) >= 128) {
          ++x;
          continue;
        }
        int end = x;
        while (end < shape.Width() && (shape.PixelAt(end, y) & 0xFF) < 128) ++end;
        c.FillRect({r.Left + x + d, r.Top + y + d, r.Left + end + d, r.Top + y + d + 1}, colors[pass]);
        x = end;
      }
    }
  }
}

namespace {
// Fills a polygon given in the unit box [0, 16) x [0, 16), scaled into r.
void Poly(gfx::Canvas& c, const gfx::Rect& r, const std::vector<gfx::Point>& unit, gfx::Color col) {
  std::vector<gfx::Point> pts;
  int s = std::min(r.Width(), r.Height());
  int ox = r.Left + (r.Width() - s) / 2;
  int oy = r.Top + (r.Height() - s) / 2;
  for (gfx::Point p : unit) pts.push_back({ox + (p.X * s + 8) / 16, oy + (p.Y * s + 8) / 16});
  gfx::Canvas::StateGuard g(c);
  c.SetBrushColor(col);
  c.SetBrushStyle(gfx::BrushStyle::Solid);
  c.SetPenStyle(gfx::PenStyle::Clear);
  c.Polygon(pts);
}
// The classic close cross: two diagonals two pixels thick, h rows high and
// h + 1 columns wide (h odd), so that all four arms are alike at any size:
// row y covers columns y, y + 1 and h - 1 - y, h - y.
void Cross(gfx::Canvas& c, const gfx::Rect& r, gfx::Color col) {
  const int s = std::min(r.Width(), r.Height());
  int h = std::max(3, (s * 7 + 6) / 12);
  if (h % 2 == 0) --h;
  const int ox = r.Left + (r.Width() - (h + 1)) / 2;
  const int oy = r.Top + (r.Height() - h) / 2;
  for (int y = 0; y < h; ++y) {
    c.FillRect({ox + y, oy + y, ox + y + 2, oy + y + 1}, col);
    c.FillRect({ox + h - 1 - y, oy + y, ox + h + 1 - y, oy + y + 1}, col);
  }
}
void Box(gfx::Canvas& c, const gfx::Rect& r, int l, int t, int rr, int b, gfx::Color col) {
  int s = std::min(r.Width(), r.Height());
  int ox = r.Left + (r.Width() - s) / 2;
  int oy = r.Top + (r.Height() - s) / 2;
  auto m = [&](int v) { return (v * s + 8) / 16; };
  gfx::Rect x{ox + m(l), oy + m(t), ox + m(rr), oy + m(b)};
  if (x.Width() < 1) x.Right = x.Left + 1;
  if (x.Height() < 1) x.Bottom = x.Top + 1;
  c.FillRect(x, col);
}
}  // namespace

void DrawGlyph(gfx::Canvas& c, const gfx::Rect& r, Glyph g, gfx::Color color) {
  gfx::Color col = ColorToRGB(color);
  switch (g) {
    case Glyph::Close: Cross(c, r, col); break;
    case Glyph::Minimize:
    case Glyph::Maximize:
    case Glyph::Restore: {
      // The same shapes as the symbol face of the menus.
      const char32_t symbol = g == Glyph::Minimize ? U'0' : g == Glyph::Maximize ? U'1' : U'2';
      const gfx::SymbolShape shape = gfx::SymbolShapeOf(symbol);
      for (const gfx::Rect& b : shape.Boxes) Box(c, r, b.Left, b.Top, b.Right, b.Bottom, col);
      if (!shape.Polygon.empty()) Poly(c, r, shape.Polygon, col);
      break;
    }
    case Glyph::Help:
      Box(c, r, 5, 3, 11, 5, col);
      Box(c, r, 10, 4, 12, 8, col);
      Box(c, r, 7, 7, 11, 9, col);
      Box(c, r, 7, 8, 9, 10, col);
      Box(c, r, 7, 11, 9, 13, col);
      break;
    case Glyph::ArrowUp: Poly(c, r, {{4, 10}, {8, 6}, {12, 10}}, col); break;
    case Glyph::ArrowDown: Poly(c, r, {{4, 6}, {12, 6}, {8, 10}}, col); break;
    case Glyph::ArrowLeft: Poly(c, r, {{10, 4}, {10, 12}, {6, 8}}, col); break;
    case Glyph::ArrowRight:
    case Glyph::SubMenu: Poly(c, r, {{6, 4}, {10, 8}, {6, 12}}, col); break;
    case Glyph::Check: Poly(c, r, {{3, 8}, {6, 11}, {13, 4}, {13, 6}, {6, 13}, {3, 10}}, col); break;
    case Glyph::Bullet: Poly(c, r, {{6, 5}, {10, 5}, {11, 8}, {10, 11}, {6, 11}, {5, 8}}, col); break;
  }
}

gfx::Rect ScrollThumb(const gfx::Rect& bar, bool vertical, const ScrollInfo& s) {
  int len = vertical ? bar.Height() : bar.Width();
  int btn = vertical ? bar.Width() : bar.Height();
  int track = len - 2 * btn;
  int range = s.Max - s.Min + 1;
  if (track < 8 || range <= 0 || (s.Page > 0 && static_cast<int>(s.Page) >= range)) return {};
  int thumb = s.Page > 0 ? std::max(8, track * static_cast<int>(s.Page) / range) : btn;
  thumb = std::min(thumb, track);
  int span = range - std::max(1, static_cast<int>(s.Page));
  int pos = span > 0 ? (s.Pos - s.Min) * (track - thumb) / span : 0;
  pos = std::clamp(pos, 0, track - thumb);
  if (vertical) return {bar.Left, bar.Top + btn + pos, bar.Right, bar.Top + btn + pos + thumb};
  return {bar.Left + btn + pos, bar.Top, bar.Left + btn + pos + thumb, bar.Bottom};
}

void DrawScrollBar(gfx::Canvas& c, const gfx::Rect& bar, bool vertical, const ScrollInfo& s, bool enabled) {
  int btn = vertical ? bar.Width() : bar.Height();
  gfx::Rect a1 = vertical ? gfx::Rect{bar.Left, bar.Top, bar.Right, bar.Top + btn}
                          : gfx::Rect{bar.Left, bar.Top, bar.Left + btn, bar.Bottom};
  gfx::Rect a2 = vertical ? gfx::Rect{bar.Left, bar.Bottom - btn, bar.Right, bar.Bottom}
                          : gfx::Rect{bar.Right - btn, bar.Top, bar.Right, bar.Bottom};
  c.FillRect(bar, ColorToRGB(gfx::cl3DLight));
  DrawButtonFace(c, a1, false);
  DrawButtonFace(c, a2, false);
  gfx::Color g = enabled ? gfx::clBtnText : gfx::clGrayText;
  DrawGlyph(c, a1, vertical ? Glyph::ArrowUp : Glyph::ArrowLeft, g);
  DrawGlyph(c, a2, vertical ? Glyph::ArrowDown : Glyph::ArrowRight, g);
  gfx::Rect t = ScrollThumb(bar, vertical, s);
  if (enabled && !t.IsEmpty()) DrawButtonFace(c, t, false);
}

int ScrollBarPart(const gfx::Rect& bar, bool vertical, const ScrollInfo& s, gfx::Point p) {
  if (!bar.Contains(p)) return -1;
  int btn = vertical ? bar.Width() : bar.Height();
  int at = vertical ? p.Y - bar.Top : p.X - bar.Left;
  int len = vertical ? bar.Height() : bar.Width();
  if (at < btn) return SB_LINEUP;
  if (at >= len - btn) return SB_LINEDOWN;
  gfx::Rect t = ScrollThumb(bar, vertical, s);
  if (t.IsEmpty()) return -1;
  int t0 = vertical ? t.Top - bar.Top : t.Left - bar.Left;
  int t1 = vertical ? t.Bottom - bar.Top : t.Right - bar.Left;
  if (at < t0) return SB_PAGEUP;
  if (at >= t1) return SB_PAGEDOWN;
  return -1;
}

}  // namespace ui::classic
