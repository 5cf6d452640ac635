#include "tools/skinpack/ContactSheet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "skin/render/MaskCells.h"
#include "skin/render/MaskImage.h"
#include "skin/render/SkinItem.h"

namespace skin {
namespace {

constexpr int kLabelWidth = 140;
constexpr int kGap = 8;
constexpr int kStates = 3;
constexpr gfx::Size kSizes[] = {{24, 24}, {90, 26}, {150, 64}};
constexpr int kRowHeight = 64 + kGap;

gfx::Bitmap Checkerboard(int w, int h) {
  gfx::Bitmap b = gfx::NewBitmap24(std::max(w, 1), std::max(h, 1));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      b.SetPixelAt(x, y, ((x / 6 + y / 6) % 2) != 0 ? gfx::RGB(204, 204, 204) : gfx::RGB(250, 250, 250));
  return b;
}

void Paste(gfx::Bitmap& sheet, const gfx::Bitmap& cell, int x, int y) {
  for (int j = 0; j < cell.Height(); ++j)
    for (int i = 0; i < cell.Width(); ++i) sheet.SetPixelAt(x + i, y + j, cell.PixelAt(i, j));
}

// A 32-bit image composited over the checkerboard.
void PasteAlpha(gfx::Bitmap& sheet, const gfx::Bitmap& image, int x, int y) {
  for (int j = 0; j < image.Height(); ++j)
    for (int i = 0; i < image.Width(); ++i) {
      const gfx::Color s = image.PixelAt(i, j), d = sheet.PixelAt(x + i, y + j);
      const bool alpha = image.Format() == gfx::PixelFormat::Bgra32;
      if (!alpha && s == gfx::clFuchsia) continue;  // the key colour of 24-bit skin images
      const int a = alpha ? static_cast<int>(s >> 24) : 255;
      const auto mix = [a](int src, int dst) { return (src * a + dst * (255 - a) + 127) / 255; };
      sheet.SetPixelAt(x + i, y + j,
                       gfx::RGB(mix(gfx::GetR(s), gfx::GetR(d)), mix(gfx::GetG(s), gfx::GetG(d)),
                                mix(gfx::GetB(s), gfx::GetB(d))));
    }
}

void Label(gfx::Bitmap& sheet, int x, int y, const std::string& text) {
  gfx::Canvas c(sheet);
  c.SetBackgroundMode(gfx::BackgroundMode::Transparent);
  c.SetTextColor(gfx::clBlack);
  c.TextOut(x, y, text);
}

void SectionRow(const TsSkinModel& model, int index, gfx::Bitmap& sheet, int y) {
  const TsGeneralData& g = model.GeneralTable[static_cast<std::size_t>(index)];
  Label(sheet, kGap, y + 2, g.SectionName);
  int x = kLabelWidth;
  for (int state = 0; state < kStates; ++state) {
    for (const gfx::Size& size : kSizes) {
      gfx::Bitmap cell = Checkerboard(size.Width, size.Height);
      const gfx::Bitmap behind = Checkerboard(size.Width, size.Height);
      RenderSkinItem(model, index, g.SectionName, MakeBackdropRef(&behind, 0, 0), -1, -1, cell, {0, 0},
                     gfx::Rect{0, 0, size.Width, size.Height}, state, true);
      Paste(sheet, cell, x, y);
      x += size.Width + kGap;
    }
    x += kGap;
  }
}

// Glyph masks ("@" values and GLYPHMASK keys), each state side by side.
int GlyphRows(const TsSkinModel& model, gfx::Bitmap* sheet, int y) {
  int x = kGap, rowHeight = 0;
  for (std::size_t i = 0; i < model.MaskTable.size(); ++i) {
    const TsMaskData& m = model.MaskTable[i];
    if (m.ImgType != TacImgType::itisaGlyph && m.PropertyName != "GLYPHMASK") continue;
    const int cw = MaskCellWidth(m), ch = MaskCellHeight(m);
    const int count = std::max<int>(1, m.ImageCount);
    const std::string name = m.SectionName + "." + m.PropertyName;
    const int w = std::max(count * (cw + 4), static_cast<int>(name.size()) * 7);
    if (x + w > kLabelWidth + 3 * 300) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    if (sheet != nullptr) {
      Label(*sheet, x, y, name);
      for (int s = 0; s < count; ++s) {
        gfx::Bitmap cell = Checkerboard(cw, ch);
        const gfx::Bitmap behind = Checkerboard(cw, ch);
        RenderMaskImage(model, cell, {0, 0}, s, MakeBackdropRef(&behind, 0, 0), static_cast<int>(i),
                        kMaskImageNormal);
        Paste(*sheet, cell, x + s * (cw + 4), y + 16);
      }
    }
    x += w + 2 * kGap;
    rowHeight = std::max(rowHeight, ch + 16);
  }
  return y + rowHeight + kGap;
}

// Entries with their own images (title bar, extended border, glows).
int ImageRow(const TsSkinModel& model, gfx::Bitmap* sheet, int y) {
  int x = kGap, rowHeight = 0;
  for (const TsMaskData& m : model.MaskTable) {
    if (!m.Image || m.Image->Empty()) continue;
    const std::string name = m.SectionName + "." + m.PropertyName;
    if (sheet != nullptr) {
      Label(*sheet, x, y, name);
      // Enlarged twice so that soft edges can be judged.
      gfx::Bitmap big(m.Image->Width() * 2, m.Image->Height() * 2, m.Image->Format());
      for (int j = 0; j < big.Height(); ++j)
        for (int i = 0; i < big.Width(); ++i) big.SetPixelAt(i, j, m.Image->PixelAt(i / 2, j / 2));
      PasteAlpha(*sheet, big, x, y + 16);
    }
    const int w = std::max(m.Image->Width() * 2, static_cast<int>(name.size()) * 7);
    x += w + 2 * kGap;
    rowHeight = std::max(rowHeight, m.Image->Height() * 2 + 16);
  }
  return y + rowHeight + kGap;
}

}  // namespace

gfx::Bitmap RenderContactSheet(const TsSkinModel& model) {
  std::vector<int> sections;
  for (std::size_t i = 0; i < model.GeneralTable.size(); ++i)
    if (model.GeneralTable[i].SectionName != "GLOBALINFO") sections.push_back(static_cast<int>(i));
  int width = kLabelWidth;
  for (const gfx::Size& s : kSizes) width += kStates * (s.Width + kGap);
  width += kStates * kGap;
  const int sectionsHeight = kGap + static_cast<int>(sections.size()) * kRowHeight;
  const int glyphsEnd = GlyphRows(model, nullptr, sectionsHeight);
  const int height = ImageRow(model, nullptr, glyphsEnd);
  gfx::Bitmap sheet = Checkerboard(width, height);
  int y = kGap;
  for (int index : sections) {
    SectionRow(model, index, sheet, y);
    y += kRowHeight;
  }
  GlyphRows(model, &sheet, sectionsHeight);
  ImageRow(model, &sheet, glyphsEnd);
  return sheet;
}

}  // namespace skin
