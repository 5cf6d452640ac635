// Pictures of menu items in the plain look: where an item's picture comes
// from, how it is drawn in each state, how it sizes the items, and what
// happens when its image list goes away.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/controls/ImageList.h"
#include "platform/ui/menus/MenuBar.h"
#include "platform/ui/menus/MenuPainter.h"
#include "platform/ui/menus/MenuTracker.h"
#include "platform/ui/menus/Menus.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

constexpr gfx::Color kRed = gfx::RGB(220, 0, 0);

gfx::Bitmap Solid(int w, int h, gfx::Color c) {
  gfx::Bitmap b(w, h, gfx::PixelFormat::Bgra32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, c | 0xFF000000u);
  return b;
}

class MenuImageTest : public UiFixture {
 protected:
  void SetUp() override {
    form = NewForm({100, 100, 500, 400}, BorderStyle::bsSizeable);
    images = new CustomImageList(form);
    images->Add(Solid(16, 16, kRed));
    popup = new PopupMenu(form);
    popup->SetImages(images);
    Show(form);  // keys reach the menu loop through the focused form
  }
  MenuItem* Add(MenuItem* parent, const std::string& caption, int imageIndex = -1) {
    auto* i = new MenuItem(form);
    i->SetCaption(caption);
    i->SetImageIndex(imageIndex);
    i->OnClick = [this, caption](Component*) { clicked.push_back(caption); };
    parent->Add(i);
    return i;
  }
  // Draws one popup item 200 x 24 on a fresh bitmap with the picture column
  // of a 16-pixel image.
  gfx::Bitmap Draw(MenuItem* item, OwnerDrawState state) {
    gfx::Bitmap b(200, 24, gfx::PixelFormat::Bgr24);
    gfx::Canvas c(b);
    menupaint::DrawPopupItem(c, item, {0, 0, 200, 24}, state, {menupaint::GlyphColumnWidth(16), 0});
    return b;
  }
  static int CountOf(const gfx::Bitmap& b, const gfx::Rect& r, gfx::Color c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += (b.PixelAt(x, y) & 0xFFFFFF) == gfx::ColorToRGB(c);
    return n;
  }
  PopupMenuWindow* OpenPopup() {
    for (WinControl* w : app().TopLevels())
      if (auto* p = dynamic_cast<PopupMenuWindow*>(w); p && p->Visible()) return p;
    return nullptr;
  }

  Form* form = nullptr;
  CustomImageList* images = nullptr;
  PopupMenu* popup = nullptr;
  std::vector<std::string> clicked;
};

TEST_F(MenuImageTest, PictureComesFromOwnBitmapThenParentsSubMenuImagesThenMenuImages) {
  auto* big = new CustomImageList(form);
  big->SetSize(24, 20);
  big->Add(Solid(24, 20, kRed));
  MenuItem* plain = Add(popup->Items(), "Plain", 0);
  MenuItem* parent = Add(popup->Items(), "Parent", 0);
  parent->SetSubMenuImages(big);
  MenuItem* child = Add(parent, "Child", 0);
  MenuItem* outOfRange = Add(popup->Items(), "Out", 5);
  MenuItem* own = Add(popup->Items(), "Own", 0);
  own->SetBitmap(Solid(10, 12, kRed));
  MenuItem* none = Add(popup->Items(), "None");
  struct Case {
    MenuItem* Item;
    CustomImageList* List;
    bool HasImage;
    gfx::Size Size;
  } cases[] = {{plain, images, true, {16, 16}}, {parent, images, true, {16, 16}},
               {child, big, true, {24, 20}},    {outOfRange, images, false, {0, 0}},
               {own, images, true, {10, 12}},   {none, images, false, {0, 0}}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.Item->Caption());
    EXPECT_EQ(k.Item->GetImageList(), k.List);
    EXPECT_EQ(k.Item->HasImage(), k.HasImage);
    EXPECT_EQ(k.Item->ImageSize(), k.Size);
    // Popups key their pictures by the first item of the list.
    EXPECT_EQ(k.Item->FirstOfList(), k.Item == child ? child : plain);
  }
}

TEST_F(MenuImageTest, FreeingAnImageListClearsEveryReferenceToIt) {
  auto* sub = new CustomImageList(form);
  sub->Add(Solid(16, 16, kRed));
  MenuItem* parent = Add(popup->Items(), "Parent", 0);
  parent->SetSubMenuImages(sub);
  MenuItem* child = Add(parent, "Child", 0);
  // A main menu on a form: its bar lays out again without the images.
  auto* menu = new MainMenu(form);
  menu->SetImages(images);
  MenuItem* top = Add(menu->Items(), "&Game", 0);
  form->SetMenu(menu);
  Show(form);
  int withImage = form->MenuBar().ItemScreenRect(top).Width();

  delete sub;
  EXPECT_EQ(parent->SubMenuImages(), nullptr);
  EXPECT_EQ(child->GetImageList(), images);
  delete images;
  EXPECT_EQ(popup->Images(), nullptr);
  EXPECT_EQ(menu->Images(), nullptr);
  EXPECT_FALSE(parent->HasImage());
  app().ProcessMessages();
  EXPECT_EQ(form->MenuBar().ItemScreenRect(top).Width(), withImage - 16 - 6);
  // Switching to another list stops listening to the old one.
  auto* a = new CustomImageList(form);
  auto* b = new CustomImageList(form);
  menu->SetImages(a);
  menu->SetImages(b);
  delete a;
  EXPECT_EQ(menu->Images(), b);
}

TEST_F(MenuImageTest, PictureStatesInThePopup) {
  // The 16-pixel image sits at (2, 4) in a 20-pixel column; its box is one
  // pixel larger on every side.
  MenuItem* item = Add(popup->Items(), "Item", 0);
  const gfx::Rect image{2, 4, 18, 20};
  const gfx::Color menu = gfx::clMenu, light = gfx::clBtnHighlight, dark = gfx::clBtnShadow;
  struct Case {
    const char* Name;
    bool Checked, Enabled;
    OwnerDrawState State;
    gfx::Color Centre, BoxTopLeft, BoxBottomRight;
  } cases[] = {
      {"normal", false, true, 0, kRed, menu, menu},
      {"selected: raised box", false, true, odSelected, kRed, light, dark},
      {"checked: sunken box instead of a mark", true, true, odChecked, kRed, dark, light},
      {"disabled: embossed", false, false, odGrayed | odDisabled, dark, menu, light},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.Name);
    item->SetChecked(k.Checked);
    item->SetEnabled(k.Enabled);
    gfx::Bitmap b = Draw(item, k.State);
    EXPECT_EQ(b.PixelAt(10, 12) & 0xFFFFFF, gfx::ColorToRGB(k.Centre));
    EXPECT_EQ(b.PixelAt(image.Left - 1, image.Top - 1) & 0xFFFFFF, gfx::ColorToRGB(k.BoxTopLeft));
    EXPECT_EQ(b.PixelAt(image.Right, image.Bottom) & 0xFFFFFF, gfx::ColorToRGB(k.BoxBottomRight));
    EXPECT_EQ(CountOf(b, image, kRed), k.Enabled ? 256 : 0);
    // The highlight leaves the picture column alone.
    if (k.State & odSelected) {
      EXPECT_EQ(b.PixelAt(0, 1) & 0xFFFFFF, gfx::ColorToRGB(menu));
      EXPECT_EQ(b.PixelAt(199, 1) & 0xFFFFFF, gfx::ColorToRGB(gfx::clHighlight));
    }
  }
}

TEST_F(MenuImageTest, ItemsWithoutPicturesShowMarksAndSystemSymbols) {
  const gfx::Rect column{0, 0, menupaint::GlyphColumnWidth(16), 24};
  MenuItem* item = Add(popup->Items(), "Item");
  EXPECT_EQ(CountOf(Draw(item, 0), column, gfx::clMenuText), 0);
  item->SetChecked(true);
  gfx::Bitmap check = Draw(item, odChecked);
  EXPECT_GT(CountOf(check, column, gfx::clMenuText), 10);
  item->SetRadioItem(true);
  gfx::Bitmap bullet = Draw(item, odChecked);
  EXPECT_GT(CountOf(bullet, column, gfx::clMenuText), 10);
  EXPECT_NE(CountOf(check, column, gfx::clMenuText), CountOf(bullet, column, gfx::clMenuText));
  // A selected check mark takes the highlighted text colour.
  EXPECT_GT(CountOf(Draw(item, odChecked | odSelected), column, gfx::clHighlightText), 10);

  // The system menu shows symbols for its window commands only.
  for (MenuItem* sys : form->SystemMenu()->Items()->Items()) {
    if (sys->IsLine()) continue;
    bool symbol = sys->Command() == SC_CLOSE || sys->Command() == SC_MINIMIZE ||
                  sys->Command() == SC_MAXIMIZE || sys->Command() == SC_RESTORE;
    EXPECT_EQ(CountOf(Draw(sys, 0), column, gfx::clMenuText) > 0, symbol) << sys->Caption();
  }
}

TEST_F(MenuImageTest, OwnBitmapsAreKeyedByTheirCornerOrDrawnWithAlpha) {
  MenuItem* item = Add(popup->Items(), "Own");
  gfx::Bitmap b(16, 16, gfx::PixelFormat::Bgr24);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) b.SetPixelAt(x, y, x < 8 ? gfx::RGB(0, 128, 0) : kRed);  // green bottom-left
  item->SetBitmap(b);
  gfx::Bitmap out = Draw(item, 0);
  EXPECT_EQ(CountOf(out, {2, 4, 18, 20}, kRed), 128);
  EXPECT_EQ(CountOf(out, {2, 4, 18, 20}, gfx::RGB(0, 128, 0)), 0);
  // 32 bits: transparent pixels show the menu.
  gfx::Bitmap alpha = Solid(16, 16, kRed);
  for (int y = 0; y < 16; ++y) alpha.SetPixelAt(0, y, 0);
  item->SetBitmap(alpha);
  out = Draw(item, 0);
  EXPECT_EQ(CountOf(out, {2, 4, 18, 20}, kRed), 240);
  // Disabled, only the opaque shape is embossed.
  item->SetEnabled(false);
  out = Draw(item, odGrayed);
  EXPECT_EQ(out.PixelAt(2, 10) & 0xFFFFFF, gfx::ColorToRGB(gfx::clMenu));
  EXPECT_EQ(out.PixelAt(3, 10) & 0xFFFFFF, gfx::ColorToRGB(gfx::clBtnShadow));
}

TEST_F(MenuImageTest, TallPicturesGrowTheirItemAndWidenThePictureColumnForAll) {
  Add(popup->Items(), "Small", 0);
  MenuItem* tall = Add(popup->Items(), "Tall");
  tall->SetBitmap(Solid(32, 32, kRed));
  Add(popup->Items(), "Plain");
  std::vector<int> heights;
  int captionStart = -1;
  During([&] {
    screen().InjectKey(VK_ESCAPE);
    PopupMenuWindow* w = OpenPopup();
    ASSERT_NE(w, nullptr);
    for (const gfx::Rect& r : w->Columns().Rects()) heights.push_back(r.Height());
    // Where the caption of the item without a picture starts.
    gfx::Rect plain = w->ItemScreenRect(2);
    for (int x = plain.Left; x < plain.Right && captionStart < 0; ++x)
      for (int y = plain.Top; y < plain.Bottom; ++y)
        if (gfx::GetG(Pixel({x, y})) < 100) {  // dark text on the light menu
          captionStart = x - plain.Left;
          break;
        }
  });
  popup->Popup(150, 150);
  ASSERT_EQ(heights.size(), 3u);
  EXPECT_EQ(heights[0], 16 + 4);
  EXPECT_EQ(heights[1], 32 + 4);
  EXPECT_LT(heights[2], heights[0]);
  EXPECT_GE(captionStart, menupaint::GlyphColumnWidth(32));
}

TEST_F(MenuImageTest, BarItemsShowTheirImageBeforeTheCaption) {
  auto* menu = new MainMenu(form);
  MenuItem* game = Add(menu->Items(), "&Game", 0);
  form->SetMenu(menu);
  Show(form);
  int plainWidth = form->MenuBar().ItemScreenRect(game).Width();
  menu->SetImages(images);
  app().ProcessMessages();
  gfx::Rect r = form->MenuBar().ItemScreenRect(game);
  EXPECT_EQ(r.Width(), plainWidth + 16 + 6);
  EXPECT_EQ(Pixel({r.Left + 3, r.Top + r.Height() / 2}), kRed);
  EXPECT_EQ(Pixel({r.Left + 3 + 15, r.Top + r.Height() / 2}), kRed);
  EXPECT_NE(Pixel({r.Left + 3 + 16, r.Top + r.Height() / 2}), kRed);
}

}  // namespace
}  // namespace ui::testing
