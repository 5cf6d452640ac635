#include "skin/controls/acSBGeometry.h"

#include <algorithm>
#include <climits>

#include "platform/ui/MulDiv.h"

namespace skin {

namespace {

int ClampToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

bool IsHuge(std::int64_t range) { return range > kHugeRange; }

int PageOf(const ui::ScrollInfo& info) { return ClampToInt(static_cast<std::int64_t>(info.Page)); }

}  // namespace

std::int64_t BarRange(const ui::ScrollInfo& info) {
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(info.Max) - info.Min);
}

ThumbPlace ThumbGeometry(const TacScrollBar& bar, int arrow, const gfx::Rect& r) {
  const bool vertical = bar.Vertical();
  const int length = vertical ? r.Height() : r.Width();
  const int track = length - 2 * arrow;
  const std::int64_t range = BarRange(bar.Info);
  const int page = PageOf(bar.Info);

  ThumbPlace t;
  if (page == 0)
    t.Length = arrow;
  else if (!IsHuge(range))
    t.Length = std::max(ui::MulDiv(page, track, static_cast<int>(range + 1)), bar.MinThumb);

  int offset = 0;
  const std::int64_t divisor = range - std::max(1, page) + 1;
  if (!IsHuge(range) && divisor != 0 && track - t.Length > 0) {
    const int fromMin = ClampToInt(static_cast<std::int64_t>(bar.Info.Pos) - bar.Info.Min);
    offset = std::clamp(ui::MulDiv(fromMin, track - t.Length, static_cast<int>(divisor)), 0, track - t.Length);
  }
  t.Start = (vertical ? r.Top : r.Left) + arrow + offset;
  return t;
}

int HitZone(const TacScrollBar& bar, int arrow, const gfx::Rect& r, gfx::Point p) {
  if (!r.Contains(p)) return kZoneNone;
  const bool vertical = bar.Vertical();
  const int along = vertical ? p.Y : p.X;
  const int first = vertical ? r.Top : r.Left;
  const int last = vertical ? r.Bottom : r.Right;
  const int length = last - first;
  const int end = 2 * arrow < length ? arrow : length / 2;
  if (along < first + end) return kZoneFirstArrow;
  if (along >= last - end) return kZoneSecondArrow;
  const ThumbPlace t = ThumbGeometry(bar, arrow, r);
  if (t.Length >= length - 2 * arrow) return kZoneNone;
  if (along >= t.Start && along < t.Start + t.Length) return kZoneThumb;
  if (along < t.Start) return kZoneTrackBefore;
  if (along >= t.Start + t.Length) return kZoneTrackAfter;
  return kZoneNone;
}

int DragPosition(const ui::ScrollInfo& info, int offset, int trackLength, int thumbLength) {
  const std::int64_t range = static_cast<std::int64_t>(info.Max) - info.Min;
  if (range < 1) return ClampToInt(static_cast<std::int64_t>(info.Min) + offset);
  const int room = trackLength - thumbLength;
  if (room <= 0) return info.Min;
  const int span = ClampToInt(range - static_cast<std::int64_t>(info.Page) + 1);
  const int moved = std::max(0, ui::MulDiv(offset, span, room));
  return ClampToInt(static_cast<std::int64_t>(info.Min) + moved);
}

BarRects PlaceBars(const gfx::Rect& w, const BarEdges& e, int horzThickness, int vertThickness,
                   bool leftScrollBar) {
  BarRects b;
  if (horzThickness > 0) {
    b.Horz.Left = w.Left + e.Left + (leftScrollBar ? vertThickness : 0);
    b.Horz.Right = w.Right - e.Right - (leftScrollBar ? 0 : vertThickness);
    b.Horz.Bottom = w.Bottom - e.Bottom;
    b.Horz.Top = b.Horz.Bottom - horzThickness;
  }
  if (vertThickness > 0) {
    b.Vert.Top = w.Top + e.Top;
    b.Vert.Bottom = w.Bottom - e.Bottom - horzThickness;
    if (leftScrollBar) {
      b.Vert.Left = w.Left + e.Left;
      b.Vert.Right = b.Vert.Left + vertThickness;
    } else {
      b.Vert.Right = w.Right - e.Right;
      b.Vert.Left = b.Vert.Right - vertThickness;
    }
  }
  if (horzThickness > 0 && vertThickness > 0)
    b.Corner = {b.Vert.Left, b.Horz.Top, b.Vert.Right, b.Horz.Bottom};
  return b;
}

}  // namespace skin
