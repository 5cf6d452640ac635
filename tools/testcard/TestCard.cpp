#include "tools/testcard/TestCard.h"

#include <array>
#include <string>

#include "platform/gfx/Canvas.h"

namespace testcard {
namespace {

using namespace gfx;

Font CardFont(int height, unsigned style = 0, Color color = clBlack) {
  Font f;
  f.Name = "Tahoma";
  f.Height = height;
  f.Style = style;
  f.Color = color;
  return f;
}

void Caption(Canvas& c, int x, int y, const char* text) {
  Canvas::StateGuard g(c);
  c.SetFont(CardFont(-11, fsBold, RGB(40, 40, 90)));
  c.TextOut(x, y, text);
}

void ColorBars(Canvas& c) {
  const std::array<Color, 8> bars{clWhite,   RGB(255, 255, 0), RGB(0, 255, 255), RGB(0, 255, 0),
                                  clFuchsia, RGB(255, 0, 0),   RGB(0, 0, 255),   clBlack};
  for (int i = 0; i < 8; ++i)
    c.FillRect(Rect::FromXYWH(10 + 30 * i, 40, 30, 50), bars[static_cast<std::size_t>(i)]);
  // Grey ramp underneath.
  for (int i = 0; i < 16; ++i)
    c.FillRect(Rect::FromXYWH(10 + 15 * i, 90, 15, 12), RGB(17 * i, 17 * i, 17 * i));
  c.FrameRect({9, 39, 251, 103}, clBlack);
}

void Lines(Canvas& c) {
  Canvas::StateGuard g(c);
  c.SetOrigin({330, 70});
  c.SetPenColor(RGB(0, 90, 0));
  for (int a = 0; a <= 8; ++a) {
    c.MoveTo(0, 0);
    c.LineTo(-60 + 15 * a, -32 + (a % 2) * 64);
  }
  c.SetPenWidth(3);
  c.SetPenColor(RGB(160, 0, 0));
  c.MoveTo(-60, 34);
  c.LineTo(60, 34);
}

void Shapes(Canvas& c) {
  Canvas::StateGuard g(c);
  c.SetOrigin({410, 38});
  c.SetPenColor(clBlack);
  c.SetBrushColor(RGB(255, 200, 0));
  const Point star[] = {{30, 0}, {48, 57}, {0, 21}, {60, 21}, {12, 57}};
  c.Polygon(star, FillRule::EvenOdd);
  c.SetOrigin({480, 38});
  c.Polygon(star, FillRule::Winding);
  c.SetOrigin({550, 38});
  c.GradientTriangle({0, 0, RGB(255, 0, 0)}, {80, 0, RGB(0, 255, 0)}, {0, 60, RGB(0, 0, 255)});
  c.GradientTriangle({80, 0, RGB(0, 255, 0)}, {80, 60, clWhite}, {0, 60, RGB(0, 0, 255)});
}

void Stretching(Canvas& c) {
  // A 1-pixel checkerboard shrunk by area averaging turns into flat grey;
  // a 4x4 one enlarged keeps exact halves where pixels are shared.
  Bitmap checker(64, 64, PixelFormat::Bgr24);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) checker.SetPixelAt(x, y, (x + y) % 2 ? clWhite : clBlack);
  c.StretchDraw(Rect::FromXYWH(10, 130, 40, 40), checker, checker.Bounds());
  c.DrawBitmap(60, 130, checker, {0, 0, 40, 40});
  Bitmap small(4, 4, PixelFormat::Bgr24);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) small.SetPixelAt(x, y, RGB(60 * x, 60 * y, 200));
  c.StretchDraw(Rect::FromXYWH(110, 130, 60, 40), small, small.Bounds());
}

void AlphaAndKeys(Canvas& c) {
  Bitmap glass(80, 40, PixelFormat::Bgra32);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 80; ++x)
      glass.SetPixelAt(x, y, (static_cast<Color>(x * 255 / 79) << 24) | RGB(0, 0, 255));
  c.FillRect(Rect::FromXYWH(180, 130, 80, 40), RGB(255, 230, 200));
  c.TextOut(184, 142, "under glass");
  c.AlphaBlendBitmap(Rect::FromXYWH(180, 130, 80, 40), glass, glass.Bounds(), 200);

  Bitmap keyed(40, 40, PixelFormat::Bgr24);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      keyed.SetPixelAt(x, y, (x - 20) * (x - 20) + (y - 20) * (y - 20) < 380 ? RGB(0, 140, 70) : clFuchsia);
  c.DrawBitmapKeyed(270, 130, keyed, keyed.Bounds(), clFuchsia);
}

void RegionClip(Canvas& c) {
  Canvas::StateGuard g(c);
  Region ring = Region(Rect::FromXYWH(320, 130, 60, 40)) - Region(Rect::FromXYWH(335, 140, 30, 20));
  ring ^= Region(Rect::FromXYWH(370, 120, 20, 20));
  c.SetClipRegion(ring);
  for (int i = 0; i < 12; ++i)
    c.FillRect(Rect::FromXYWH(300 + 10 * i, 110, 10, 80), i % 2 ? RGB(0, 120, 200) : RGB(250, 120, 0));
}

void TextSamples(Canvas& c) {
  c.SetFont(CardFont(-13));
  const struct {
    unsigned Flags;
    const char* Text;
  } boxes[] = {{DT_LEFT | DT_SINGLELINE | DT_VCENTER, "&Left"},
               {DT_CENTER | DT_SINGLELINE | DT_VCENTER, "&Centre"},
               {DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_HIDEPREFIX, "&Right (hidden prefix)"},
               {DT_SINGLELINE | DT_END_ELLIPSIS, "An end ellipsis cuts this long line short"}};
  for (int i = 0; i < 4; ++i) {
    Rect r = Rect::FromXYWH(10 + 155 * i, 200, 150, 24);
    c.FrameRect(r.Inflate(1, 1), RGB(180, 180, 180));
    c.DrawText(boxes[i].Text, r, boxes[i].Flags);
  }
  Rect para = Rect::FromXYWH(10, 236, 300, 90);
  c.FrameRect(para.Inflate(1, 1), RGB(180, 180, 180));
  c.DrawText(
      "Word wrap breaks at spaces within the width.\rA lone CR breaks the line;\r\nso do CR LF "
      "and\nLF.\tTabs\texpand.",
      para, DT_WORDBREAK | DT_EXPANDTABS);

  Rect ru = Rect::FromXYWH(320, 236, 310, 90);
  c.FrameRect(ru.Inflate(1, 1), RGB(180, 180, 180));
  c.DrawText("Съешь же ещё этих мягких французских булок, да выпей чаю. Игра окончена!", ru,
             DT_WORDBREAK | DT_CENTER);

  const struct {
    unsigned Style;
    const char* Text;
  } styles[] = {{0, "Regular"},
                {fsBold, "Bold"},
                {fsItalic, "Italic"},
                {fsUnderline, "Underline"},
                {fsStrikeOut, "Strike-out"}};
  int x = 10;
  for (const auto& s : styles) {
    c.SetFont(CardFont(-16, s.Style, RGB(0, 0, 128)));
    c.TextOut(x, 340, s.Text);
    x += c.TextWidth(s.Text) + 20;
  }
  c.SetFont(CardFont(-28, fsBold, RGB(120, 0, 60)));
  c.SetBackgroundMode(BackgroundMode::Opaque);
  c.SetBackgroundColor(RGB(255, 250, 205));
  c.TextOut(10, 370, "Zintor 2 — Зинтор 2");
  c.SetBackgroundMode(BackgroundMode::Transparent);
}

// Text drawn into an 8-bit mask, then used as coverage for a colour.
void MaskText(Canvas& c) {
  Bitmap mask(300, 40, PixelFormat::Gray8);
  mask.FillBytes(255);
  Canvas mc(mask);
  mc.SetFont(CardFont(-30, fsBold, clBlack));
  mc.TextOut(4, 2, "mask text");
  Bitmap tinted(300, 40, PixelFormat::Bgra32);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 300; ++x)
      tinted.SetPixelAt(x, y,
                        (static_cast<Color>(255 - (mask.PixelAt(x, y) & 0xFF)) << 24) | RGB(0, 160, 80));
  c.AlphaBlendBitmap(Rect::FromXYWH(330, 410, 300, 40), tinted, tinted.Bounds(), 255);
}

}  // namespace

Bitmap RenderTestCard() {
  Bitmap card(kWidth, kHeight, PixelFormat::Bgr24);
  Canvas c(card);
  c.FillRect(card.Bounds(), RGB(236, 233, 216));
  c.SetFont(CardFont(-15, fsBold));
  c.TextOut(10, 10, "Zintor 2 raster test card");
  Caption(c, 10, 26, "colours");
  Caption(c, 270, 26, "lines");
  Caption(c, 410, 26, "even-odd / winding / gradients");
  Caption(c, 10, 116, "stretch, alpha, key colour, region clip");
  ColorBars(c);
  Lines(c);
  Shapes(c);
  Stretching(c);
  AlphaAndKeys(c);
  RegionClip(c);
  TextSamples(c);
  MaskText(c);
  return card;
}

}  // namespace testcard
