// Painting: windowed children are never overdrawn by their parent, window
// regions cut painting and hit testing, layered windows compose on the
// virtual screen, the redraw lock holds painting, and printing renders a
// window tree into a foreign surface.
#include "platform/ui/Screen.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

// A windowed control that fills its client with one colour and counts paints.
class Solid : public WinControl {
 public:
  Solid(Component* owner, WinControl* parent, gfx::Rect bounds, gfx::Color c) : WinControl(owner) {
    SetColor(c);
    SetBoundsRect(bounds);
    SetParent(parent);
  }
  int paints = 0;

 protected:
  void PaintWindow(gfx::Canvas& canvas) override {
    ++paints;
    canvas.FillRect(ClientRect(), Color());
  }
};

class PaintTest : public UiFixture {
 protected:
  void SetUp() override {
    form = NewForm({100, 100, 400, 300}, BorderStyle::bsNone);
    form->SetColor(gfx::RGB(200, 200, 200));
  }
  Form* form = nullptr;
};

TEST_F(PaintTest, ParentDrawingNeverOverwritesWindowedChildren) {
  auto* child = new Solid(form, form, {20, 20, 80, 60}, gfx::RGB(0, 0, 250));
  Show(form);
  auto c = form->GetSurface(SurfaceArea::Client);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->Tag(), form);
  c->FillRect({0, 0, 300, 200}, gfx::RGB(250, 0, 0));
  c.reset();
  app().ProcessMessages();
  EXPECT_EQ(Pixel(ClientPoint(form, 5, 5)), gfx::RGB(250, 0, 0));
  EXPECT_EQ(Pixel(ClientPoint(child, 5, 5)), gfx::RGB(0, 0, 250));
  // Reading back through a window surface gives the same pixels.
  gfx::Bitmap b = child->CopyPixels({0, 0, 2, 2});
  EXPECT_EQ(b.PixelAt(1, 1), gfx::RGB(0, 0, 250));
}

TEST_F(PaintTest, ChildRegionCutsPaintingAndHitTesting) {
  auto* child = new Solid(form, form, {20, 20, 80, 60}, gfx::RGB(0, 0, 250));
  auto* inside = new Probe(form, child, {0, 0, 60, 40}, gfx::RGB(0, 250, 0));
  // Only the left half of the child belongs to it.
  child->SetWindowRegion(gfx::Region(gfx::Rect{0, 0, 30, 40}), true);
  Show(form);
  EXPECT_EQ(Pixel(ClientPoint(form, 25, 25)), gfx::RGB(0, 250, 0));      // in the region
  EXPECT_EQ(Pixel(ClientPoint(form, 70, 25)), gfx::RGB(200, 200, 200));  // cut away: the parent shows
  Click(ClientPoint(form, 70, 25));
  EXPECT_EQ(inside->clicks, 0);
  Click(ClientPoint(form, 25, 25));
  EXPECT_EQ(inside->clicks, 1);
}

TEST_F(PaintTest, TopLevelRegionShapesTheWindowOnScreen) {
  Show(form);
  gfx::Color desktop = Pixel({5, 5});
  form->SetWindowRegion(gfx::Region(gfx::Rect{0, 0, 100, 100}), true);
  app().ProcessMessages();
  EXPECT_EQ(Pixel({150, 150}), gfx::RGB(200, 200, 200));
  EXPECT_EQ(Pixel({250, 250}), desktop);
  EXPECT_EQ(app().Screen().TopLevelAt({250, 250}), nullptr);
  EXPECT_EQ(app().Screen().TopLevelAt({150, 150}), form);
}

TEST_F(PaintTest, LayeredWindowComposesWithPerPixelAndConstantAlpha) {
  Show(form);  // grey 200 below
  Form* layered = NewForm({0, 0, 10, 10}, BorderStyle::bsNone);
  layered->SetExStyle(layered->ExStyle() | WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
  layered->ShowNoActivate();
  gfx::Bitmap pic = gfx::NewBitmap32(40, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x)
      pic.SetPixelAt(x, y, (x < 20 ? 0xFF000000u : 0x80000000u) | gfx::RGB(0, 0, 255));
  ASSERT_TRUE(layered->UpdateLayered(pic, {150, 150}, {40, 20}, 255));
  app().ProcessMessages();
  EXPECT_EQ(layered->BoundsRect(), (gfx::Rect{150, 150, 190, 170}));
  EXPECT_EQ(Pixel({155, 155}), gfx::RGB(0, 0, 255));
  // Alpha 128 over grey 200: 200 * 127 / 255 = 100 (rounded), blue 255*128+200*127 -> 228.
  EXPECT_EQ(Pixel({175, 155}), gfx::RGB(100, 100, 228));
  layered->UpdateLayered(pic, {150, 150}, {40, 20}, 0);
  app().ProcessMessages();
  EXPECT_EQ(Pixel({155, 155}), gfx::RGB(200, 200, 200));
  // Without the layered style the call is refused.
  EXPECT_FALSE(form->UpdateLayered(pic, {0, 0}, {40, 20}, 255));
}

TEST_F(PaintTest, RedrawLockIsCountedAndHoldsPainting) {
  auto* child = new Solid(form, form, {20, 20, 80, 60}, gfx::RGB(0, 0, 250));
  Show(form);
  int before = child->paints;
  form->LockRedraw();
  form->LockRedraw();
  child->Invalidate();
  app().ProcessMessages();
  EXPECT_EQ(child->paints, before);
  form->UnlockRedraw();
  app().ProcessMessages();
  EXPECT_EQ(child->paints, before);
  EXPECT_EQ(form->RedrawLockCount(), 1);
  form->UnlockRedraw();
  form->UnlockRedraw();  // extra unlocks do not go negative
  app().ProcessMessages();
  EXPECT_EQ(child->paints, before + 1);
  EXPECT_EQ(form->RedrawLockCount(), 0);
}

TEST_F(PaintTest, VisibleBitClearedWithoutHidingKeepsPixels) {
  Show(form);
  form->SetStyle(form->Style() & ~WS_VISIBLE);
  form->Invalidate();
  app().ProcessMessages();
  EXPECT_EQ(Pixel(ClientPoint(form, 5, 5)), gfx::RGB(200, 200, 200));
  EXPECT_TRUE(screen().IsVisible(form->Surface()->Surface()));
}

TEST_F(PaintTest, PrintRendersTheWindowTreeIntoAForeignSurface) {
  form->SetBorderStyle(BorderStyle::bsSingle);
  auto* child = new Solid(form, form, {20, 20, 80, 60}, gfx::RGB(0, 0, 250));
  new Probe(form, child, {5, 5, 15, 15}, gfx::RGB(0, 250, 0));
  Show(form);
  gfx::Bitmap out = gfx::NewBitmap24(form->Width() + 10, form->Height() + 10);
  gfx::Canvas c(out);
  form->PaintTo(c, 10, 10);
  gfx::Point client = form->ClientRectInWindow().TopLeft();
  auto at = [&](int x, int y) { return out.PixelAt(10 + client.X + x, 10 + client.Y + y) & 0xFFFFFF; };
  EXPECT_EQ(at(5, 5), gfx::RGB(200, 200, 200));
  EXPECT_EQ(at(60, 50), gfx::RGB(0, 0, 250));
  EXPECT_EQ(at(27, 27), gfx::RGB(0, 250, 0));
  EXPECT_EQ(out.PixelAt(10 + 100, 10 + 5) & 0xFFFFFF, gfx::ColorToRGB(gfx::clActiveCaption));
  EXPECT_EQ(out.PixelAt(2, 2) & 0xFFFFFF, 0u);  // nothing outside
}

TEST_F(PaintTest, WindowlessChildrenPaintInChildOrderOnAnyParent) {
  auto* panel = new Solid(form, form, {10, 10, 110, 60}, gfx::RGB(50, 50, 50));
  new Probe(form, panel, {10, 10, 60, 40}, gfx::RGB(255, 0, 0));
  new Probe(form, panel, {40, 10, 90, 40}, gfx::RGB(0, 255, 0));
  Show(form);
  EXPECT_EQ(Pixel(ClientPoint(panel, 20, 20)), gfx::RGB(255, 0, 0));
  EXPECT_EQ(Pixel(ClientPoint(panel, 50, 20)), gfx::RGB(0, 255, 0));
  EXPECT_EQ(Pixel(ClientPoint(panel, 95, 20)), gfx::RGB(50, 50, 50));
}

}  // namespace
}  // namespace ui::testing
