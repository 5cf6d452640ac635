// Window icons: choosing the picture for a size, drawing it in the caption
// with its alpha (scaled from a larger picture), the application's icon for
// forms without one, the generic symbol when there is no icon at all, and
// the icons handed to the window system.
#include <cstdlib>

#include "platform/ui/Icon.h"
#include "platform/ui/forms/FormFrame.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

gfx::Bitmap Solid(int size, gfx::Color bgr, std::uint8_t alpha) {
  gfx::Bitmap b(size, size, gfx::PixelFormat::Bgra32);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) b.SetPixelAt(x, y, (bgr & 0xFFFFFF) | (gfx::Color{alpha} << 24));
  return b;
}

// Top half: opaque red on the left, fully transparent on the right; bottom
// half: blue at half alpha.
gfx::Bitmap Quadrants(int size) {
  gfx::Bitmap b(size, size, gfx::PixelFormat::Bgra32);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      gfx::Color c = y >= size / 2  ? (gfx::RGB(0, 0, 255) | 0x80000000u)
                     : x < size / 2 ? (gfx::RGB(255, 0, 0) | 0xFF000000u)
                                    : 0u;
      b.SetPixelAt(x, y, c);
    }
  return b;
}

bool Near(gfx::Color a, gfx::Color b) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 1)
      return false;
  return true;
}

TEST(IconPictureTest, PicksTheExactSizeElseTheSmallestLargerElseTheLargest) {
  Icon both({Solid(32, 0, 255), Solid(16, 0, 255), Solid(64, 0, 255)});
  struct Case {
    int Want, Got;
  };
  for (Case k : {Case{16, 16}, Case{32, 32}, Case{20, 32}, Case{40, 64}, Case{128, 64}, Case{8, 16}}) {
    SCOPED_TRACE(k.Want);
    const gfx::Bitmap* p = both.PictureFor({k.Want, k.Want});
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Width(), k.Got);
  }
  EXPECT_EQ(Icon().PictureFor({16, 16}), nullptr);
}

TEST(IconPictureTest, KeepsPicturesAsThirtyTwoBitsAndSkipsEmptyOnes) {
  Icon icon;
  icon.Add(gfx::Bitmap());
  EXPECT_TRUE(icon.Empty());
  gfx::Bitmap rgb(16, 16, gfx::PixelFormat::Bgr24);
  rgb.SetPixelAt(3, 3, gfx::RGB(10, 20, 30));
  icon.Add(rgb);
  ASSERT_EQ(icon.Pictures().size(), 1u);
  EXPECT_EQ(icon.Pictures()[0].Format(), gfx::PixelFormat::Bgra32);
  EXPECT_EQ(icon.Pictures()[0].PixelAt(3, 3), gfx::RGB(10, 20, 30) | 0xFF000000u);
}

class IconTest : public UiFixture {
 protected:
  void SetUp() override {
    form_ = NewForm({100, 100, 400, 300}, BorderStyle::bsSingle);
    Show(form_);
  }
  // Screen point of a pixel of the caption icon (icon coordinates).
  gfx::Point IconPoint(int x, int y) {
    gfx::Rect r = FormFrame::IconRect(*form_);
    return {form_->Left() + r.Left + x, form_->Top() + r.Top + y};
  }
  std::size_t BackendIcons() { return screen().IconCount(form_->Surface()->Surface()); }
  gfx::Color Caption() const { return gfx::ColorToRGB(gfx::clActiveCaption); }

  Form* form_ = nullptr;
};

TEST_F(IconTest, CaptionDrawsTheSmallSizeScaledDownWithAlpha) {
  ASSERT_EQ(FormFrame::IconRect(*form_).Width(), 16);
  // Only a 32x32 picture: drawn at 16x16.
  form_->SetIcon(Icon({Quadrants(32)}));
  app().ProcessMessages();
  EXPECT_EQ(Pixel(IconPoint(3, 3)), gfx::RGB(255, 0, 0));
  EXPECT_EQ(Pixel(IconPoint(12, 3)), Caption());  // transparent: the caption shows
  EXPECT_EQ(Pixel(IconPoint(15, 7)), Caption());  // the picture ends at 16 px
  gfx::Color cap = Caption();
  gfx::Color half = gfx::RGB(((cap & 0xFF) * 127 + 127) / 255, (((cap >> 8) & 0xFF) * 127 + 127) / 255,
                             (255 * 128 + ((cap >> 16) & 0xFF) * 127 + 127) / 255);
  EXPECT_PRED2(Near, Pixel(IconPoint(5, 12)), half);
  EXPECT_EQ(BackendIcons(), 1u);
}

TEST_F(IconTest, FormsWithoutAnIconShowTheApplicationsAndTheGenericSymbolOnlyWithoutAny) {
  gfx::Point centre = IconPoint(8, 8);
  // No icon anywhere: the generic window symbol.
  EXPECT_EQ(Pixel(centre), gfx::ColorToRGB(gfx::clWindow));
  EXPECT_EQ(BackendIcons(), 0u);

  // The application's icon reaches forms that are already shown.
  app().SetIcon(Icon({Solid(16, gfx::RGB(0, 200, 0), 255), Solid(32, gfx::RGB(0, 0, 200), 255)}));
  app().ProcessMessages();
  EXPECT_EQ(Pixel(centre), gfx::RGB(0, 200, 0));
  EXPECT_EQ(BackendIcons(), 2u);

  // A form's own icon wins; clearing it falls back to the application's.
  form_->SetIcon(Icon({Solid(16, gfx::RGB(200, 0, 200), 255)}));
  app().ProcessMessages();
  EXPECT_EQ(Pixel(centre), gfx::RGB(200, 0, 200));
  EXPECT_EQ(BackendIcons(), 1u);
  form_->SetIcon(Icon());
  app().ProcessMessages();
  EXPECT_EQ(Pixel(centre), gfx::RGB(0, 200, 0));
  EXPECT_EQ(BackendIcons(), 2u);

  // Forms created later get the application's icon with their window.
  Form* later = NewForm({500, 100, 800, 300}, BorderStyle::bsSizeable);
  Show(later);
  EXPECT_EQ(screen().IconCount(later->Surface()->Surface()), 2u);
  gfx::Rect r = FormFrame::IconRect(*later);
  EXPECT_EQ(Pixel({later->Left() + r.Left + 8, later->Top() + r.Top + 8}), gfx::RGB(0, 200, 0));

  // Removing the application's icon brings the symbol back.
  app().SetIcon(Icon());
  app().ProcessMessages();
  EXPECT_EQ(Pixel(centre), gfx::ColorToRGB(gfx::clWindow));
  EXPECT_EQ(BackendIcons(), 0u);
}

}  // namespace
}  // namespace ui::testing
