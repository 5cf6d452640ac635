// A panel marks itself custom-painting while its OnPaint handler runs.
#include <gtest/gtest.h>

#include "platform/ui/controls/Panel.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

class PanelCustomPaintTest : public ControlsFixture {};

TEST_F(PanelCustomPaintTest, CustomPaintHoldsOnlyWhileOnPaintRuns) {
  auto* panel = new Panel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 100, 60);
  int painted = 0;
  bool customInside = false;
  panel->OnPaint = [&](Component*, gfx::Canvas&) {
    ++painted;
    customInside = (panel->ControlState() & csCustomPaint) != 0;
  };
  ShowForm();
  ASSERT_GT(painted, 0);
  EXPECT_TRUE(customInside);
  EXPECT_EQ(panel->ControlState() & csCustomPaint, 0u);
}

}  // namespace
}  // namespace ui::test
