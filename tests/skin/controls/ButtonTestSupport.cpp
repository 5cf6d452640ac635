#include "tests/skin/controls/ButtonTestSupport.h"

#include "platform/gfx/Canvas.h"
#include "platform/gfx/PngWriter.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sSkinCommands.h"

namespace skin::testing {

void BackdropParent::WndProc(ui::Message& m) {
  switch (SkinCommandOf(m)) {
    case SKC_GET_BG_INFO: {
      ++Queries;
      auto& q = *reinterpret_cast<BackdropQuery*>(m.lParam);
      if (Image) {
        q.Kind = kBackdropImage;
        q.Bitmap = Image;
        q.X = q.Y = 0;
      } else {
        q.Kind = kBackdropColor;
        q.Color = Color;
      }
      m.result = 1;
      return;
    }
    case SKC_NEEDS_PARENT_BG:
    case SKC_IS_SKINNED: m.result = 1; return;
    default: break;
  }
  ui::Panel::WndProc(m);
}

void BackdropParent::PaintWindow(gfx::Canvas& canvas) {
  if (Image)
    canvas.DrawBitmap(0, 0, *Image);
  else
    canvas.FillRect(ClientRect(), Color);
}

gfx::Bitmap Plain24(int w, int h, gfx::Color c) {
  gfx::Bitmap b = gfx::NewBitmap24(w, h);
  gfx::Canvas(b).FillRect(b.Bounds(), c);
  return b;
}

gfx::Bitmap Picture32(int w, int h, std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a) {
  gfx::Bitmap p(w, h, gfx::PixelFormat::Bgra32);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = p.Scanline(y);
    for (int x = 0; x < w; ++x, row += 4) {
      row[0] = b;
      row[1] = g;
      row[2] = r;
      row[3] = a;
    }
  }
  return p;
}

AlphaImageList* TileList(ui::Component* owner, int size) {
  auto* list = new AlphaImageList(owner);
  // Loaded first, as a loaded form's list: every item added then is decoded.
  list->List().Loaded();
  list->List().SetSize(size, size);
  list->List().Items().AddPng(gfx::EncodePng(Picture32(size, size, kDarkB, kDarkG, kDarkR, kDarkA)));
  list->List().Items().AddPng(gfx::EncodePng(Picture32(size, size, 200, 220, 240, 255)));
  return list;
}

fixture::FixtureSkin ButtonSkin(bool fading, int iterations) {
  fixture::FixtureSkin s(100, 60);
  s.Set("GLOBALINFO", "VERSION", "6.69");
  // SPEEDBUTTON: cells at (0,0)-(33,11), mask values (all 0) below them.
  for (int k = 0; k < 3; ++k) {
    s.Fill(gfx::Rect::FromXYWH(11 * k, 0, 11, 11), kCellColors[k]);
    s.Master().SetPixelAt(11 * k, 0, gfx::clFuchsia);
  }
  s.Fill({0, 11, 33, 22}, 0);
  s.Mask("SPEEDBUTTON", {{0, 0, 33, 22}, 3, 7, 3, 3, 3, 1, 2, 0});
  s.Set("SPEEDBUTTON", "COLOR", 16777215);
  s.Set("SPEEDBUTTON", "TRANSPARENCY", 100);
  s.Set("SPEEDBUTTON", "HOTCOLOR", 255);
  s.Set("SPEEDBUTTON", "HOTTRANSPARENCY", 70);
  s.Set("SPEEDBUTTON", "FADING", fading ? "TRUE" : "FALSE");
  s.Set("SPEEDBUTTON", "FADINGENABLED", fading ? "TRUE" : "FALSE");
  s.Set("SPEEDBUTTON", "FADINGITERATIONS", iterations);
  s.Set("WEBBUTTON", "COLOR", 16777215);
  s.Set("WEBBUTTON", "TRANSPARENCY", 100);
  s.Set("WEBBUTTON", "HOTTRANSPARENCY", 100);
  s.Set("WEBBUTTON", "BORDERSMASK", "N/A");
  // BUTTON: cells of 12 x 10 at (40,0)-(76,10), corner runs of 1, 2, 3.
  for (int k = 0; k < 3; ++k) {
    s.Fill(gfx::Rect::FromXYWH(40 + 12 * k, 0, 12, 10), kButtonCellColors[k]);
    for (int i = 0; i <= k; ++i) {
      s.Master().SetPixelAt(40 + 12 * k + i, 0, gfx::clFuchsia);
      s.Master().SetPixelAt(40 + 12 * k + 11 - i, 0, gfx::clFuchsia);
      s.Master().SetPixelAt(40 + 12 * k + i, 9, gfx::clFuchsia);
      s.Master().SetPixelAt(40 + 12 * k + 11 - i, 9, gfx::clFuchsia);
    }
  }
  s.Mask("BUTTON", {{40, 0, 76, 10}, 4, 3, 4, 3, 3, 0, 0, 0});
  s.Set("BUTTON", "COLOR", 16777215);
  s.Set("BUTTON", "TRANSPARENCY", 100);
  s.Set("BUTTON", "HOTTRANSPARENCY", 100);
  s.Set("BUTTON", "FADINGENABLED", fading ? "TRUE" : "FALSE");
  s.Set("BUTTON", "FADINGITERATIONS", iterations);
  return s;
}

}  // namespace skin::testing
