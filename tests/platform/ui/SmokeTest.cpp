#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

using Smoke = UiFixture;

TEST_F(Smoke, FormPaintsClientAndWindowlessChild) {
  Form* f = NewForm({100, 100, 300, 250});
  f->SetColor(gfx::RGB(10, 200, 30));
  auto* p = new Probe(f, f, {10, 10, 50, 40}, gfx::RGB(200, 0, 0));
  Show(f);
  EXPECT_EQ(Pixel(ClientPoint(f, 5, 5)), gfx::RGB(10, 200, 30));
  EXPECT_EQ(Pixel(ClientPoint(p, 2, 2)), gfx::RGB(200, 0, 0));
  Click(ClientPoint(p, 5, 5));
  EXPECT_EQ(p->clicks, 1);
}

}  // namespace
}  // namespace ui::testing
