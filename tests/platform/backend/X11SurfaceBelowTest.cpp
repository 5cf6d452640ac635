// The surface below another one at a point, under Xvfb: the backend's answer
// agrees with where the X server delivers clicks.
#include "tests/platform/backend/X11TestSupport.h"

// After the backend's X headers, which tidy up Xlib's macros.
#include <X11/extensions/XTest.h>

namespace backend {
namespace {

using testing::X11Plain;

TEST_F(X11Plain, SurfaceBelowFollowsShapesClickThroughAndStacking) {
  const SurfaceId low = Solid({100, 100, 300, 300}, gfx::RGB(255, 0, 0));
  const SurfaceId middle = Solid({100, 100, 300, 300}, gfx::RGB(0, 255, 0));
  const SurfaceId top = Solid({100, 100, 300, 300}, gfx::RGB(0, 0, 255));
  // A hole in the middle surface around (150,150); the top one lets clicks through.
  backend_->SetShape(middle, gfx::Region(gfx::Rect{0, 0, 200, 200}) - gfx::Region(gfx::Rect{40, 40, 60, 60}));
  backend_->SetClickThrough(top, true);
  Settle();
  const gfx::Point hole{150, 150}, solid{250, 250};
  EXPECT_EQ(backend_->SurfaceBelow(hole, top), low);
  EXPECT_EQ(backend_->SurfaceBelow(solid, top), middle);
  EXPECT_EQ(backend_->SurfaceBelow(solid, middle), low);
  EXPECT_EQ(backend_->SurfaceBelow(solid, low), kNoSurface);
  EXPECT_EQ(backend_->SurfaceBelow({50, 50}, top), kNoSurface);

  // The server agrees: clicks at both points land where the answers say.
  Display* p = probe_.get();
  for (const gfx::Point at : {hole, solid}) {
    XTestFakeMotionEvent(p, 0, at.X, at.Y, CurrentTime);
    XTestFakeButtonEvent(p, 1, True, CurrentTime);
    XTestFakeButtonEvent(p, 1, False, CurrentTime);
    XSync(p, False);
    const auto down = WaitFor([](const Event& e) { return e.Type == EventType::MouseDown; });
    ASSERT_TRUE(down);
    EXPECT_EQ(down->Surface, backend_->SurfaceBelow(at, top)) << at.X << "," << at.Y;
  }

  backend_->Raise(low);
  Settle();
  EXPECT_EQ(backend_->SurfaceBelow(solid, low), middle);  // the top one still lets clicks through
  EXPECT_EQ(backend_->SurfaceBelow(solid, kNoSurface), low);
}

}  // namespace
}  // namespace backend
