#include "platform/ui/controls/ImageList.h"

#include <gtest/gtest.h>

#include "platform/gfx/Canvas.h"
#include "platform/ui/controls/Image.h"

namespace ui {
namespace {

gfx::Bitmap Solid(int w, int h, gfx::Color c, std::uint8_t alpha) {
  gfx::Bitmap b(w, h, gfx::PixelFormat::Bgra32);
  gfx::Canvas cv(b);
  cv.FillRectAlpha({0, 0, w, h}, c, alpha);
  return b;
}

TEST(ImageListTest, DefaultsAndCount) {
  CustomImageList list(nullptr);
  EXPECT_EQ(list.Width(), 16);
  EXPECT_EQ(list.Height(), 16);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Add(Solid(16, 16, gfx::RGB(255, 0, 0), 255)), 0);
  EXPECT_EQ(list.Add(Solid(8, 8, gfx::RGB(0, 255, 0), 255)), 1);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Image(1)->Width(), 16) << "pictures take the list's size";
  EXPECT_EQ(list.Image(2), nullptr);
  list.SetSize(32, 32);
  EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
}

TEST(ImageListTest, DrawsItemAtAPointWithAlpha) {
  CustomImageList list(nullptr);
  list.Add(Solid(16, 16, gfx::RGB(255, 0, 0), 255));
  list.Add(Solid(16, 16, gfx::RGB(0, 0, 255), 0));
  gfx::Bitmap target(40, 40, gfx::PixelFormat::Bgr24);
  target.FillBytes(255);
  gfx::Canvas c(target);
  list.Draw(c, 10, 12, 0);
  list.Draw(c, 20, 20, 1);
  list.Draw(c, 0, 0, 7);  // outside the list: nothing
  EXPECT_EQ(target.PixelAt(10, 12), gfx::RGB(255, 0, 0));
  EXPECT_EQ(target.PixelAt(25, 27), gfx::RGB(255, 0, 0));
  EXPECT_EQ(target.PixelAt(9, 12), gfx::clWhite);
  EXPECT_EQ(target.PixelAt(30, 30), gfx::clWhite) << "transparent picture leaves the background";
  EXPECT_EQ(target.PixelAt(0, 0), gfx::clWhite);
}

TEST(ImageListTest, ChangeLinksHearChangesUntilTheyGo) {
  CustomImageList list(nullptr);
  int heard = 0, event = 0;
  list.OnChange = [&](Component*) { ++event; };
  {
    ChangeLink link;
    link.OnChange = [&](Component* s) {
      EXPECT_EQ(s, &list);
      ++heard;
    };
    list.RegisterChanges(&link);
    EXPECT_EQ(link.Sender(), &list);
    list.Add(Solid(16, 16, gfx::clBlack, 255));
    EXPECT_EQ(heard, 1);
    list.BeginUpdate();
    list.Add(Solid(16, 16, gfx::clBlack, 255));
    list.Delete(0);
    EXPECT_EQ(heard, 1);
    list.EndUpdate();
    EXPECT_EQ(heard, 2) << "a batch reports once";
  }
  list.Clear();  // the link is gone: no dangling call
  EXPECT_EQ(heard, 2);
  EXPECT_EQ(event, 3);
}

TEST(ImageListTest, LinkOutlivingTheListIsReleased) {
  ChangeLink link;
  {
    CustomImageList list(nullptr);
    list.RegisterChanges(&link);
  }
  EXPECT_EQ(link.Sender(), nullptr);
}

TEST(PictureTest, UnknownFormatIsAnError) {
  Picture p;
  std::vector<std::uint8_t> bytes{1, 2, 3};
  EXPECT_THROW(p.LoadFromBytes("zzz", bytes), gfx::EInvalidGraphic);
  EXPECT_EQ(p.Graphic(), nullptr);
}

// A picture of one colour that records where it was drawn.
class SolidGraphic : public gfx::Graphic {
 public:
  SolidGraphic(int w, int h, gfx::Color c) : w_(w), h_(h), c_(c) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  bool Transparent() const override { return false; }
  void Draw(gfx::Canvas& canvas, const gfx::Rect& rect) const override {
    lastRect = rect;
    canvas.FillRect(rect, c_);
  }
  void LoadFromBytes(std::span<const std::uint8_t>) override {}
  void Assign(const gfx::Graphic&) override {}
  mutable gfx::Rect lastRect;

 private:
  int w_, h_;
  gfx::Color c_;
};

TEST(ImageTest, DrawsThroughTheGraphic) {
  Image img(nullptr);
  img.SetBounds(0, 0, 40, 30);
  auto g = std::make_unique<SolidGraphic>(20, 10, gfx::RGB(1, 2, 3));
  SolidGraphic* raw = g.get();
  int changes = 0;
  NotifyEvent saved = img.Picture().OnChange;
  img.Picture().OnChange = [&](Component* s) {
    ++changes;
    saved(s);
  };
  img.Picture().SetGraphic(std::move(g));
  EXPECT_EQ(changes, 1);
  gfx::Bitmap target(40, 30, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(target);
  img.Perform(WM_PAINT, reinterpret_cast<WPARAM>(&c));
  EXPECT_EQ(raw->lastRect, (gfx::Rect{0, 0, 20, 10}));
  EXPECT_EQ(target.PixelAt(5, 5), gfx::RGB(1, 2, 3));
  img.SetStretch(true);
  img.Perform(WM_PAINT, reinterpret_cast<WPARAM>(&c));
  EXPECT_EQ(raw->lastRect, (gfx::Rect{0, 0, 40, 30}));
  EXPECT_TRUE(img.HasStyle(csOpaque));
  img.SetTransparent(true);
  EXPECT_TRUE(img.HasStyle(csOpaque)) << "an opaque stretched picture covers the control";
  img.SetStretch(false);
  EXPECT_FALSE(img.HasStyle(csOpaque));
}

}  // namespace
}  // namespace ui
