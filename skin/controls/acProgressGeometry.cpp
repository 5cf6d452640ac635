#include "skin/controls/acProgressGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace skin {

static_assert(std::numeric_limits<long double>::digits >= 64,
              "the progress arithmetic needs the 80-bit extended type");

int RndExtended(long double x) {
  if (std::isnan(x)) return 0;
  if (x >= static_cast<long double>(INT_MAX)) return INT_MAX;
  if (x <= static_cast<long double>(INT_MIN)) return INT_MIN;
  // Within the int range, so the parity test is an integer one (fmodl is
  // slow on the x87 unit).
  const long double f = std::floor(x);
  const long double frac = x - f;
  const auto i = static_cast<long long>(f);
  return static_cast<int>(frac > 0.5L || (frac == 0.5L && (i & 1) != 0) ? i + 1 : i);
}

namespace {

// (Position - Min) / (Max - Min) of `length`, quotient first.
int Share(long double length, const ProgressState& s) {
  const long double range = static_cast<long double>(s.Max) - s.Min;
  return RndExtended(length / range * (static_cast<long double>(s.Position) - s.Min));
}

int CrossSize(const ProgressState& s) {
  const gfx::Rect in = InnerRectOf(s);
  return (s.Vertical ? in.Width() : in.Height()) - 2 * s.BorderWidth;
}

}  // namespace

gfx::Rect InnerRectOf(const ProgressState& s) { return {1, 1, s.Width - 1, s.Height - 1}; }

gfx::Rect ProgressRectOf(const ProgressState& s) {
  gfx::Rect r = InnerRectOf(s).Inflate(-s.BorderWidth, -s.BorderWidth);
  if (s.Marquee) {
    if (s.Vertical) {
      r.Bottom = s.Height - s.MarqueePos;
      r.Top = r.Bottom - s.MarqueeLength;
    } else {
      r.Left += s.MarqueePos;
      r.Right = r.Left + s.MarqueeLength;
    }
    return r;
  }
  if (s.Max == s.Min) return r;
  const int p = 1 + s.BorderWidth;
  if (s.Vertical)
    r.Top = s.Position == s.Max ? p : r.Bottom - Share(s.Height - 2 * p, s);
  else
    r.Right = s.Position == s.Max ? s.Width - p : p + Share(s.Width - 2 * p, s);
  return r;
}

gfx::Size BlockSizeOf(const ProgressState& s) {
  const int c = CrossSize(s);
  int along;
  if (s.Marquee) {
    along = 9;
  } else if (s.Smooth) {
    const gfx::Rect pr = ProgressRectOf(s);
    along = s.Vertical ? pr.Bottom : pr.Right;
  } else {
    along = RndExtended(c * 0.66L) - 2;
  }
  return s.Vertical ? gfx::Size{c, along} : gfx::Size{along, c};
}

SegmentLayout SegmentLayoutOf(const ProgressState& s) {
  SegmentLayout l;
  const gfx::Rect in = InnerRectOf(s);
  l.Length = (s.Vertical ? in.Height() : in.Width()) - 2;
  const gfx::Size b = BlockSizeOf(s);
  l.Block = s.Vertical ? b.Height : b.Width;
  // A bar too thin for a block of two pixels has no places.
  if (l.Block <= 1 || l.Length <= 0) return l;
  l.Places = l.Length / (l.Block + 2);
  if (l.Places > 1) l.Gap = (l.Length - l.Block * l.Places) / (l.Places - 1);
  return l;
}

int LitBlockCount(const ProgressState& s) {
  if (s.Max <= s.Min || s.Position <= s.Min) return 0;
  return LitBlockCount(SegmentLayoutOf(s), s);
}

int LitBlockCount(const SegmentLayout& l, const ProgressState& s) {
  if (s.Max <= s.Min || s.Position <= s.Min || l.Places <= 1) return 0;
  return Share(l.Places, s);
}

std::vector<gfx::Rect> ProgressBlocks(const ProgressState& s) {
  std::vector<gfx::Rect> out;
  if (s.Min >= s.Max) return out;
  const gfx::Rect pr = ProgressRectOf(s);
  if (pr.Left >= pr.Right || pr.Top >= pr.Bottom) return out;
  const gfx::Size b = BlockSizeOf(s);
  if (b.Width <= 1 || b.Height <= 1) return out;

  if (s.Marquee) {
    for (int i = 0; i < 5; ++i) {
      if (s.Vertical) {
        int y = pr.Bottom - i * (b.Height + 1) - b.Height;
        if (y < 0) y += s.Height;
        out.push_back(gfx::Rect::FromXYWH(pr.Left, y, b.Width, b.Height));
      } else {
        int x = i * (b.Width + 1) + pr.Left;
        if (x > s.Width) x -= s.Width;
        out.push_back(gfx::Rect::FromXYWH(x, pr.Top, b.Width, b.Height));
      }
    }
    return out;
  }
  if (s.Smooth) {
    out.push_back(pr);
    return out;
  }
  if (s.Position <= s.Min) return out;
  const SegmentLayout l = SegmentLayoutOf(s);
  if (l.Places <= 1) return out;
  const int f = Share(l.Places, s);
  const int step = l.Block + l.Gap;
  for (int k = 0; k < f; ++k) {
    if (s.Vertical)
      out.push_back(gfx::Rect::FromXYWH(pr.Left, pr.Bottom - k * step - l.Block, b.Width, l.Block));
    else
      out.push_back(gfx::Rect::FromXYWH(k * step + pr.Left, pr.Top, l.Block, b.Height));
  }
  // A full bar fills what is left after its last block with a shorter one
  // that stops at the progress rectangle's far edge.
  const int rest = l.Length - (f - 1) * step - l.Block;
  if (f > 0 && s.Position == s.Max && rest > 3) {
    if (s.Vertical) {
      const int h = InnerRectOf(s).Height() - f * step;
      if (h > 0) out.push_back(gfx::Rect::FromXYWH(pr.Left, pr.Top, b.Width, h));
    } else {
      const int x = f * step + pr.Left;
      const int w = std::min(rest, pr.Right - x);
      if (w > 0) out.push_back(gfx::Rect::FromXYWH(x, pr.Top, w, b.Height));
    }
  }
  return out;
}

}  // namespace skin
