#include "tools/artgen/SkinMaster.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tools/artgen/PixelArt.h"

namespace artgen {
namespace {

constexpr gfx::Color kKey = gfx::clFuchsia;
constexpr int kMasterWidth = 256;
constexpr int kMasterHeight = 172;

std::string Fixed4(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04d", v);
  return buf;
}

// Caption-button glyphs, centred in their cells.
const std::vector<std::string> kCloseGlyph = {
    "XX....XX", "XXX..XXX", ".XXXXXX.", "..XXXX..", "..XXXX..", ".XXXXXX.", "XXX..XXX", "XX....XX"};
const std::vector<std::string> kMinGlyph = {"XXXXXXXXX", "XXXXXXXXX"};
const std::vector<std::string> kMaxGlyph = {"XXXXXXXXX", "XXXXXXXXX", "X.......X", "X.......X",
                                            "X.......X", "X.......X", "X.......X", "XXXXXXXXX"};
const std::vector<std::string> kNormGlyph = {"..XXXXXXX", "..XXXXXXX", "..X.....X", "XXXXXXX.X", "XXXXXXX.X",
                                             "X.....XXX", "X.....X..", "X.....X..", "XXXXXXX.."};
const std::vector<std::string> kArrowUp = {"...X...", "..XXX..", ".XXXXX.", "XXXXXXX"};
const std::vector<std::string> kArrowDown = {"XXXXXXX", ".XXXXX.", "..XXX..", "...X..."};
const std::vector<std::string> kArrowLeft = {"...X", "..XX", ".XXX", "XXXX", ".XXX", "..XX", "...X"};
const std::vector<std::string> kArrowRight = {"X...", "XX..", "XXX.", "XXXX", "XXX.", "XX..", "X..."};
// Size grip: pairs of a dark and a light pixel on the diagonal.
const std::vector<std::string> kGrip = {
    "............", "............", "..........ab", "..........bb", "............", ".......ab.ab",
    ".......bb.bb", "............", "....ab.ab.ab", "....bb.bb.bb", "............", "............"};

int PatternWidth(const std::vector<std::string>& rows) {
  std::size_t w = 0;
  for (const auto& r : rows) w = std::max(w, r.size());
  return static_cast<int>(w);
}

class MasterPainter {
 public:
  explicit MasterPainter(const SkinPalette& p) : p_(p), art_{KeyBitmap(kMasterWidth, kMasterHeight), {}} {}

  MasterArt Finish() { return std::move(art_); }

  void Border(const std::string& at, int l, int t, int r, int b, int wl, int wt, int wr, int wb, int ic, int mt,
              int sm, int bw) {
    art_.Masks[at] = BorderMaskValue(l, t, r, b, wl, wt, wr, wb, ic, mt, sm, bw);
  }
  void Glyph(const std::string& at, int l, int t, int r, int b, int ic, int mt) {
    art_.Masks[at] = GlyphValue(l, t, r, b, ic, mt);
  }
  gfx::Bitmap& Bmp() { return art_.Bitmap; }

  // Adds the transparency rows under the pictures at (x, y, w, h): opaque
  // where a picture has a colour. Sides and centres of masks without these
  // rows are copied key pixels and all, so every mask whose sides hold
  // transparent pixels carries them.
  void MaskBelow(int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i)
        Bmp().SetPixelAt(x + i, y + h + j, Bmp().PixelAt(x + i, y + j) == kKey ? gfx::clWhite : gfx::clBlack);
  }

  // One caption button, three states: the glyph alone, then on a rounded face.
  void CaptionButton(const std::string& key, int x, int y, int cellWidth, const std::vector<std::string>& glyph,
                     gfx::Color hotFace, gfx::Color pressedFace) {
    const int h = kCaptionGlyphHeight;
    for (int s = 0; s < 3; ++s) {
      const int cx = x + s * cellWidth;
      if (s > 0) {
        const gfx::Color face = s == 1 ? hotFace : pressedFace;
        RoundBox(Bmp(), cx + 1, y + 1, cellWidth - 2, h - 2, 3, Mix(face, gfx::clBlack, 0.15),
                 [&](int row) { return Mix(Mix(face, gfx::clWhite, 0.12), face, row / double(h - 3)); });
      }
      const int gx = cx + (cellWidth - PatternWidth(glyph)) / 2;
      const int gy = y + (h - static_cast<int>(glyph.size())) / 2;
      DrawPattern(Bmp(), gx, gy, glyph, {{'X', p_.AccentText}});
    }
    Glyph("GLOBALINFO." + key, x, y, x + 3 * cellWidth, y + h, 3, 0);
  }

  void Radio(const std::string& key, int x, int y, bool checked) {
    for (int s = 0; s < 3; ++s) {
      const gfx::Color outline = s == 0 ? p_.Line : (s == 1 ? p_.Accent : p_.AccentDark);
      const gfx::Color fill = s == 2 ? Mix(p_.Field, p_.Accent, 0.15) : p_.Field;
      RoundBox(Bmp(), x + 12 * s, y, 12, 12, 6, outline, [&](int) { return fill; });
      if (checked)
        RoundBox(Bmp(), x + 12 * s + 4, y + 4, 4, 4, 2, s == 2 ? p_.AccentDark : p_.Accent,
                 [&](int) { return s == 2 ? p_.AccentDark : p_.Accent; });
    }
    Glyph("GLOBALINFO." + key, x, y, x + 36, y + 12, 3, 0);
  }

  // The tile frame: three 11 x 11 cells (normal, hot, pressed) over their
  // per-channel masks, 0 opaque to 255 transparent. Normal is never drawn.
  void SpeedButton(int x, int y) {
    for (int s = 0; s < 3; ++s) {
      for (int j = 0; j < 11; ++j) {
        for (int i = 0; i < 11; ++i) {
          const int ring = std::min({i, j, 10 - i, 10 - j});
          const bool outside = PartOfRoundBox(i, j, 11, 11, 3) == BoxPart::Outside;
          gfx::Color pic = kKey;
          int m = 255;
          if (s > 0 && !outside) {
            if (ring == 0) {
              pic = s == 1 ? Mix(p_.Accent, gfx::clWhite, 0.45) : p_.Accent;
              m = s == 1 ? 150 : 110;
            } else if (ring == 1) {
              pic = s == 1 ? p_.Accent : p_.AccentDark;
              m = 0;
            } else if (ring == 2) {
              pic = s == 1 ? gfx::clWhite : p_.Accent;
              m = s == 1 ? 140 : 120;
            }
          }
          Bmp().SetPixelAt(x + 11 * s + i, y + j, pic);
          Bmp().SetPixelAt(x + 11 * s + i, y + 11 + j, pic == kKey ? kKey : gfx::RGB(m, m, m));
        }
      }
    }
    Border("SPEEDBUTTON.BORDERSMASK", x, y, x + 33, y + 22, 3, 7, 3, 3, 3, 1, 2, 1);
  }

  void PushButton(int x, int y) {
    for (int s = 0; s < 3; ++s) {
      const gfx::Color outline = s == 0 ? p_.Line : (s == 1 ? p_.Accent : p_.AccentDark);
      const gfx::Color top = s == 2 ? p_.ButtonBottom : p_.ButtonTop;
      const gfx::Color bottom = s == 2 ? Mix(p_.ButtonBottom, p_.Line, 0.25) : p_.ButtonBottom;
      RoundBox(Bmp(), x + 17 * s, y, 17, 21, 3, outline, [&](int row) {
        if (row == 1 && s != 2) return Mix(top, gfx::clWhite, 0.5);
        return Mix(top, bottom, (row - 1) / 19.0);
      });
    }
    Border("BUTTON.BORDERSMASK", x, y, x + 51, y + 21, 8, 10, 8, 10, 3, 0, 5, 1);
  }

  // A one-state box: outline with rounded corners, the inside left transparent.
  void Outline(const std::string& at, int x, int y, int w, int h, int r, gfx::Color line, int border) {
    RoundBox(Bmp(), x, y, w, h, r, line, [](int) { return kKey; });
    MaskBelow(x, y, w, h);
    Border(at, x, y, x + w, y + 2 * h, border, border, border, border, 1, 1, 1, 1);
  }

  void MenuItem(int x, int y) {
    const gfx::Color face = Mix(p_.Raised, p_.Accent, 0.18);
    RoundBox(Bmp(), x + 14, y, 14, 19, 3, Mix(p_.Accent, p_.Raised, 0.35), [&](int) { return face; });
    Border("MENUITEM.BORDERSMASK", x, y, x + 28, y + 19, 4, 4, 4, 4, 2, 0, 7, 1);
  }

  // Lines drawn from a pattern; `masked` when some of its border pixels
  // are transparent.
  void Lines(const std::string& at, int x, int y, const std::vector<std::string>& rows,
             const std::map<char, gfx::Color>& colours, int wl, int wt, int wr, int wb, bool masked = false) {
    DrawPattern(Bmp(), x, y, rows, colours);
    const int w = PatternWidth(rows), h = static_cast<int>(rows.size());
    if (masked) MaskBelow(x, y, w, h);
    Border(at, x, y, x + w, y + (masked ? 2 * h : h), wl, wt, wr, wb, 1, masked ? 1 : 0, 1, 1);
  }

  void Form(int x, int y) {
    for (int s = 0; s < 2; ++s) {
      const TitleColours t = TitleColoursOf(p_, s == 1);
      RoundBox(Bmp(), x + 12 * s, y, 12, 12, 3, t.Outline, [&](int row) {
        (void)row;
        return t.Border;
      });
      FillBox(Bmp(), x + 12 * s + 4, y + 4, 4, 4, kKey);
    }
    Border("FORM.BORDERSMASK", x, y, x + 24, y + 12, 4, 4, 4, 4, 2, 0, 1, 1);
  }

  // Scroll thumb, three states; `vertical` leaves side margins, else top/bottom.
  void Slider(const std::string& section, int x, int y, bool vertical) {
    for (int s = 0; s < 3; ++s) {
      const gfx::Color fill = s == 0 ? Mix(p_.Surface, p_.Line, 0.55)
                                     : (s == 1 ? Mix(p_.Accent, p_.Surface, 0.35) : p_.Accent);
      const int bx = x + 16 * s + (vertical ? 3 : 1), by = y + (vertical ? 1 : 3);
      RoundBox(Bmp(), bx, by, vertical ? 10 : 14, vertical ? 14 : 10, 4, Mix(fill, gfx::clBlack, 0.1),
               [&](int) { return fill; });
    }
    MaskBelow(x, y, 48, 16);
    Border(section + ".BORDERSMASK", x, y, x + 48, y + 32, vertical ? 6 : 5, vertical ? 5 : 6, vertical ? 6 : 5,
           vertical ? 5 : 6, 3, 1, 5, 1);
  }

  void ScrollButtonFace(int x, int y) {
    for (int s = 1; s < 3; ++s) {
      const gfx::Color fill = Mix(p_.Surface, p_.Line, s == 1 ? 0.3 : 0.55);
      RoundBox(Bmp(), x + 16 * s + 2, y + 2, 12, 12, 3, fill, [&](int) { return fill; });
    }
    MaskBelow(x, y, 48, 16);
    for (const char* section : {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"})
      Border(std::string(section) + ".BORDERSMASK", x, y, x + 48, y + 32, 5, 5, 5, 5, 3, 1, 5, 1);
  }

  void Arrow(const std::string& section, int x, int y, const std::vector<std::string>& glyph) {
    const int w = PatternWidth(glyph);
    const gfx::Color colours[3] = {p_.MutedText, p_.Text, p_.Accent};
    for (int s = 0; s < 3; ++s) DrawPattern(Bmp(), x + w * s, y, glyph, {{'X', colours[s]}});
    Glyph(section + ".GLYPHMASK", x, y, x + 3 * w, y + static_cast<int>(glyph.size()), 3, 0);
  }

 private:
  const SkinPalette& p_;
  MasterArt art_;
};

}  // namespace

std::string BorderMaskValue(int left, int top, int right, int bottom, int wl, int wt, int wr, int wb,
                            int imageCount, int maskType, int stretchMode, int borderWidth) {
  std::string v;
  for (int n : {left, top, right, bottom, wl, wt, wr, wb}) v += "^" + Fixed4(n);
  for (int n : {imageCount, maskType, stretchMode, borderWidth}) v += "^" + std::to_string(n);
  return v;
}

std::string GlyphValue(int left, int top, int right, int bottom, int imageCount, int maskType) {
  std::string v;
  for (int n : {left, top, right, bottom}) v += "@" + Fixed4(n);
  return v + "@" + std::to_string(imageCount) + "@" + std::to_string(maskType);
}

TitleColours TitleColoursOf(const SkinPalette& p, bool active) {
  const gfx::Color base = active ? p.Accent : p.InactiveTitle;
  TitleColours t;
  t.Top = Mix(base, gfx::clWhite, 0.14);
  t.Bottom = base;
  t.Outline = Mix(base, gfx::clBlack, 0.3);
  t.Border = base;
  return t;
}

MasterArt DrawMaster(const SkinPalette& p) {
  MasterPainter m(p);
  const gfx::Color line = p.Line, light = p.LineLight;

  // The places of the menu item, close glyph, push button and tile frame are
  // the ones the program's sample values name.
  m.MenuItem(34, 0);
  m.CaptionButton("BICONCLOSE", 62, 0, kCloseCellWidth, kCloseGlyph, p.Close, Mix(p.Close, gfx::clBlack, 0.25));
  m.PushButton(48, 19);
  m.SpeedButton(51, 40);

  m.Radio("RADIOCHECKED", 100, 20, true);
  m.Radio("RADIOUNCHECKED", 100, 32, false);
  DrawPattern(m.Bmp(), 140, 20, kGrip, {{'a', line}, {'b', light}});
  m.Glyph("GLOBALINFO.GRIPIMAGE", 140, 20, 152, 32, 1, 0);
  m.Outline("GROUPBOX.BORDERSMASK", 156, 20, 12, 12, 3, line, 5);
  // Edit and memo field: a 1 px line around, a field-coloured ring inside.
  RoundBox(m.Bmp(), 172, 20, 7, 9, 2, line, [&](int) { return p.Field; });
  FillBox(m.Bmp(), 174, 22, 3, 5, gfx::clFuchsia);
  m.Border("EDIT.BORDERSMASK", 172, 20, 179, 29, 2, 2, 2, 2, 1, 0, 1, 1);
  // Sunken line: dark over light along the top, light at the bottom and right.
  m.Lines("PANEL_LOW.BORDERSMASK", 182, 20, {"aaaaaa", "abbbbb", "ab..bb", "ab..bb", "abbbbb", "bbbbbb"},
          {{'a', line}, {'b', light}}, 2, 2, 2, 2);
  // The board's panel is fully transparent: the form shows through.
  m.Lines("PANEL.BORDERSMASK", 192, 20, {"......", "......", "......", "......"}, {}, 2, 1, 2, 1, true);
  m.Lines("STATUSBAR.BORDERSMASK", 202, 20, {"aaaa", "bbbb", "....", "....", "...."}, {{'a', line}, {'b', light}}, 1,
          2, 1, 1, true);
  m.Lines("DIVIDERV.BORDERSMASK", 210, 20, {"aaaaaa", "bbbbbb"}, {{'a', line}, {'b', light}}, 1, 1, 1, 1);
  m.Lines("DIVIDER.BORDERSMASK", 220, 20, {"ab", "ab", "ab", "ab", "ab", "ab"}, {{'a', line}, {'b', light}}, 1, 1,
          1, 1);
  // Progress frame: a line around, a field-coloured ring inside it.
  RoundBox(m.Bmp(), 226, 20, 7, 7, 2, line, [&](int) { return p.Field; });
  FillBox(m.Bmp(), 228, 22, 3, 3, gfx::clFuchsia);
  m.Border("GAUGE.BORDERSMASK", 226, 20, 233, 27, 2, 2, 2, 2, 1, 0, 1, 1);
  m.Outline("MAINMENU.BORDERSMASK", 236, 20, 10, 10, 3, line, 3);
  m.Lines("MENULINE.BORDERSMASK", 140, 34, {"......", "......", "aaaaaa"}, {{'a', Mix(line, p.Raised, 0.4)}}, 1, 1,
          1, 1, true);
  m.Lines("PROGRESSH.BORDERSMASK", 150, 34, {"aaaaa", "a...a", "a...a", "a...a", "aaaaa"},
          {{'a', Mix(p.AccentDark, p.Accent, 0.3)}}, 1, 1, 1, 1);
  m.Lines("SCROLLBAR1V.BORDERSMASK", 172, 34, {"a...", "a...", "a...", "a..."}, {{'a', Mix(line, p.Field, 0.5)}},
          1, 1, 1, 1, true);
  m.Lines("SCROLLBAR1H.BORDERSMASK", 178, 34, {"aaaa", "....", "....", "...."}, {{'a', Mix(line, p.Field, 0.5)}},
          1, 1, 1, 1, true);

  m.CaptionButton("BICONMIN", 0, 64, kSmallCellWidth, kMinGlyph, Mix(p.Accent, gfx::clWhite, 0.25), p.AccentDark);
  m.CaptionButton("BICONMAX", 87, 64, kSmallCellWidth, kMaxGlyph, Mix(p.Accent, gfx::clWhite, 0.25), p.AccentDark);
  m.CaptionButton("BICONNORM", 0, 83, kSmallCellWidth, kNormGlyph, Mix(p.Accent, gfx::clWhite, 0.25),
                  p.AccentDark);
  m.Form(90, 84);

  m.Slider("SCROLLSLIDERV", 0, 104, true);
  m.ScrollButtonFace(48, 104);
  m.Arrow("SCROLLBTNTOP", 96, 104, kArrowUp);
  m.Arrow("SCROLLBTNBOTTOM", 96, 108, kArrowDown);
  m.Arrow("SCROLLBTNLEFT", 120, 104, kArrowLeft);
  m.Arrow("SCROLLBTNRIGHT", 132, 104, kArrowRight);
  m.Slider("SCROLLSLIDERH", 0, 136, false);
  return m.Finish();
}

}  // namespace artgen
