// Screen facts and the clock of the X11 backend.
#include <chrono>
#include <climits>

#include "platform/backend/X11Backend.h"

namespace backend {

gfx::Size X11Backend::ScreenSize() const {
  return {DisplayWidth(x_.Get(), x_.Screen()), DisplayHeight(x_.Get(), x_.Screen())};
}

int X11Backend::ScreenDepth() const { return DefaultDepth(x_.Get(), x_.Screen()); }

namespace {

// Reads a CARDINAL[] property of the root window.
std::vector<long> RootCardinals(Display* d, Window root, Atom property, Atom cardinal, long maxItems) {
  Atom type = kXNone;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<long> out;
  if (XGetWindowProperty(d, root, property, 0, maxItems, False, cardinal, &type, &format, &count, &after,
                         &data) == Success &&
      type == cardinal && format == 32 && data) {
    const long* values = reinterpret_cast<const long*>(data);  // format-32 data comes as longs
    out.assign(values, values + count);
  }
  if (data) XFree(data);
  return out;
}

}  // namespace

gfx::Rect X11Backend::WorkArea() const {
  const gfx::Size size = ScreenSize();
  const gfx::Rect screen{0, 0, size.Width, size.Height};
  const X11Atoms& a = x_.Atoms();
  const std::vector<long> desktop = RootCardinals(x_.Get(), x_.Root(), a.NetCurrentDesktop, a.Cardinal, 1);
  const long index = desktop.empty() ? 0 : desktop[0];
  const std::vector<long> areas = RootCardinals(x_.Get(), x_.Root(), a.NetWorkarea, a.Cardinal, 4 * 64);
  if (index < 0 || static_cast<std::size_t>(index) * 4 + 4 > areas.size()) return screen;
  const long* v = &areas[static_cast<std::size_t>(index) * 4];
  if (v[0] < INT_MIN / 2 || v[0] > INT_MAX / 2 || v[1] < INT_MIN / 2 || v[1] > INT_MAX / 2 || v[2] <= 0 ||
      v[2] > INT_MAX / 2 || v[3] <= 0 || v[3] > INT_MAX / 2)
    return screen;
  const gfx::Rect r = gfx::Intersect(gfx::Rect::FromXYWH(static_cast<int>(v[0]), static_cast<int>(v[1]),
                                                         static_cast<int>(v[2]), static_cast<int>(v[3])),
                                     screen);
  return r.IsEmpty() ? screen : r;
}

std::vector<Monitor> X11Backend::Monitors() const {
  Monitor m;
  const gfx::Size size = ScreenSize();
  m.Bounds = {0, 0, size.Width, size.Height};
  m.WorkArea = WorkArea();
  m.Primary = true;
  return {m};
}

// --- Time ----------------------------------------------------------------------------------------

std::int64_t X11Backend::NowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void X11Backend::Flush() { XFlush(x_.Get()); }

}  // namespace backend
