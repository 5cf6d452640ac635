// The item painters on hostile skins: a model loaded from fuzzed options text
// (packed with a small master bitmap), whose mask geometry and section values
// are then overwritten with fuzzed numbers, rendered section by section in
// every state into targets of fuzzed size, format and row order, at fuzzed
// places, over a fuzzed backdrop. Painting must never read or write outside a
// bitmap, loop without end or throw.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/BmpWriter.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinLoader.h"
#include "skin/render/AlphaTexture.h"
#include "skin/render/ItemBackground.h"
#include "skin/render/MaskFrame.h"
#include "skin/render/MaskImage.h"
#include "skin/render/SkinItem.h"
#include "skin/render/Texture.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace {

gfx::Bitmap Picture(int w, int h, gfx::PixelFormat f) {
  gfx::Bitmap b(w, h, f);
  if (f == gfx::PixelFormat::Indexed8)
    for (int i = 0; i < 7; ++i) b.Palette().push_back(gfx::RGB(i * 30, 255 - i * 20, i * 9));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      gfx::Color c = gfx::RGB(x * 9, y * 13, (x + y) * 5);
      if ((x + y) % 4 == 0) c = gfx::clFuchsia;
      if (f == gfx::PixelFormat::Bgra32) c |= static_cast<gfx::Color>((x * 37) & 0xFF) << 24;
      if (f == gfx::PixelFormat::Indexed8)
        c = static_cast<gfx::Color>((x + y) % 9);  // some indexes past the palette
      b.SetPixelAt(x, y, c);
    }
  return b;
}

std::vector<std::uint8_t> Package(const std::string& options) {
  static const std::vector<std::uint8_t> master = gfx::WriteBmp(Picture(40, 24, gfx::PixelFormat::Bgr24));
  std::string text = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n" + options;
  return skin::PackSkin(
      {{"Options.dat", std::vector<std::uint8_t>(text.begin(), text.end())}, {"MASTER.BMP", master}});
}

// Mostly small numbers around the master bitmap, sometimes the extremes.
int Coord(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 9)) {
    case 0: return in.PickValueInArray({INT_MIN, INT_MAX, -1000000000, 1000000000, 32767, -32768});
    case 1: return in.ConsumeIntegral<int>();
    default: return in.ConsumeIntegralInRange(-8, 48);
  }
}

std::int16_t Small16(FuzzedDataProvider& in) {
  if (in.ConsumeIntegralInRange(0, 7) == 0) return in.ConsumeIntegral<std::int16_t>();
  return static_cast<std::int16_t>(in.ConsumeIntegralInRange(-3, 24));
}

std::shared_ptr<gfx::Bitmap> OwnImage(FuzzedDataProvider& in) {
  static const gfx::PixelFormat formats[] = {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32,
                                             gfx::PixelFormat::Indexed8, gfx::PixelFormat::Gray8};
  if (in.ConsumeIntegralInRange(0, 3) != 0) return nullptr;
  const int w = in.ConsumeIntegralInRange(0, 20), h = in.ConsumeIntegralInRange(0, 20);
  return std::make_shared<gfx::Bitmap>(Picture(w, h, in.PickValueInArray(formats)));
}

void FuzzMask(FuzzedDataProvider& in, skin::TsMaskData& m, skin::TsSkinManager* owner) {
  m.Left = Coord(in);
  m.Top = Coord(in);
  m.Right = Coord(in);
  m.Bottom = Coord(in);
  m.ImageCount = Small16(in);
  m.MaskType = static_cast<std::int16_t>(in.ConsumeIntegralInRange(-3, 3));
  m.StretchMode = static_cast<std::int16_t>(in.ConsumeIntegralInRange(-1, 15));
  m.WL = Small16(in);
  m.WT = Small16(in);
  m.WR = Small16(in);
  m.WB = Small16(in);
  m.Owner = in.ConsumeIntegralInRange(0, 7) == 0 ? nullptr : owner;
  m.Image = OwnImage(in);
}

int AnyIndex(FuzzedDataProvider& in, std::size_t size) {
  return in.ConsumeIntegralInRange(-2, static_cast<int>(size) + 1);
}

void FuzzSection(FuzzedDataProvider& in, skin::TsGeneralData& g, std::size_t masks) {
  auto percent = [&] { return in.ConsumeIntegralInRange(-20, 130); };
  g.Color = in.ConsumeIntegral<std::uint32_t>();
  g.HotColor = in.ConsumeIntegral<std::uint32_t>();
  g.Transparency = percent();
  g.HotTransparency = percent();
  g.GradientPercent = percent();
  g.HotGradientPercent = percent();
  g.ImagePercent = percent();
  g.HotImagePercent = percent();
  const int steps = in.ConsumeIntegralInRange(0, 6);
  g.GradientSteps.clear();
  for (int i = 0; i < steps; ++i)
    g.GradientSteps.push_back({in.ConsumeIntegral<std::int32_t>(), in.ConsumeIntegral<std::int32_t>(),
                               in.ConsumeIntegral<std::uint8_t>(), in.ConsumeIntegralInRange(-1, 3)});
  g.HotGradientSteps = g.GradientSteps;
  g.BordersMaskIndex = AnyIndex(in, masks);
  g.ImgTopLeftIndex = AnyIndex(in, masks);
  g.ImgTopRightIndex = AnyIndex(in, masks);
  g.ImgBtmLeftIndex = AnyIndex(in, masks);
  g.ImgBtmRightIndex = AnyIndex(in, masks);
}

gfx::Bitmap Target(FuzzedDataProvider& in, int maxSide) {
  const int w = in.ConsumeIntegralInRange(0, maxSide), h = in.ConsumeIntegralInRange(0, maxSide);
  const gfx::PixelFormat f = in.ConsumeBool() ? gfx::PixelFormat::Bgr24 : gfx::PixelFormat::Bgra32;
  gfx::Bitmap b(w, h, f, in.ConsumeBool() ? gfx::RowOrder::BottomUp : gfx::RowOrder::TopDown);
  const std::uint8_t fill = in.ConsumeIntegral<std::uint8_t>();
  if (!b.Empty()) b.FillBytes(fill);
  return b;
}

gfx::Rect AnyRect(FuzzedDataProvider& in, const gfx::Bitmap& b) {
  if (in.ConsumeIntegralInRange(0, 3) == 0) return {Coord(in), Coord(in), Coord(in), Coord(in)};
  const int l = in.ConsumeIntegralInRange(-2, b.Width()), t = in.ConsumeIntegralInRange(-2, b.Height());
  return {l, t, in.ConsumeIntegralInRange(l - 1, b.Width() + 2),
          in.ConsumeIntegralInRange(t - 1, b.Height() + 2)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  static int ownerToken;
  skin::TsLoadSettings settings;
  settings.Owner = reinterpret_cast<skin::TsSkinManager*>(&ownerToken);

  std::unique_ptr<skin::TsSkinModel> model;
  try {
    model = skin::LoadSkinFromPackage(Package(in.ConsumeRandomLengthString(1024)), "", settings).Model;
  } catch (const std::exception&) {
  }
  if (!model) {
    model = std::make_unique<skin::TsSkinModel>();
    model->MasterBitmap = Picture(40, 24, gfx::PixelFormat::Bgr24);
  }
  skin::TsSkinModel& m = *model;

  // Fuzzed geometry for (up to) the first masks, and a few more entries.
  const int extra = in.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < extra; ++i) {
    m.MaskTable.emplace_back();
    m.MaskTable.back().SectionName = "S" + std::to_string(i % 3);
    m.MaskTable.back().PropertyName = in.ConsumeBool() ? "PATTERN" : "HOTPATTERN";
  }
  for (std::size_t i = 0; i < m.MaskTable.size() && i < 16; ++i)
    if (in.ConsumeBool()) FuzzMask(in, m.MaskTable[i], settings.Owner);
  const int sections = in.ConsumeIntegralInRange(0, 3);
  for (int i = 0; i < sections; ++i) {
    skin::TsGeneralData g;
    g.SectionName = "S" + std::to_string(i);
    m.GeneralTable.push_back(g);
  }
  for (std::size_t i = 0; i < m.GeneralTable.size() && i < 16; ++i)
    if (in.ConsumeBool()) FuzzSection(in, m.GeneralTable[i], m.MaskTable.size());

  const gfx::Bitmap backdropImage = Target(in, 64);
  skin::BackdropRef backdrop{&backdropImage, Coord(in), Coord(in), in.ConsumeIntegral<std::uint32_t>(),
                             in.ConsumeBool()};
  if (in.ConsumeIntegralInRange(0, 3) == 0) backdrop = skin::NoBackdrop;

  gfx::Bitmap target = Target(in, 48);
  const gfx::Rect rect = AnyRect(in, target);
  const gfx::Point offset{Coord(in), Coord(in)};
  const int texture = AnyIndex(in, m.MaskTable.size()), hot = AnyIndex(in, m.MaskTable.size());
  const gfx::Color custom = in.ConsumeBool() ? gfx::clFuchsia : in.ConsumeIntegral<std::uint32_t>();
  const bool withCentre = in.ConsumeBool(), cornersUseBackdrop = in.ConsumeBool();

  const int sectionCount = static_cast<int>(m.GeneralTable.size());
  for (int s = -1; s <= sectionCount && s < 24; ++s) {
    const std::string name =
        s >= 0 && s < sectionCount ? m.GeneralTable[static_cast<std::size_t>(s)].SectionName : "";
    for (int state = 0; state < 3; ++state) {
      skin::RenderSkinItem(m, s, name, backdrop, texture, hot, target, offset, rect, state, withCentre);
      skin::RenderSkinItemOnTop(m, s, name, backdrop, texture, hot, custom, AnyIndex(in, m.MaskTable.size()),
                                target, offset, rect, state, withCentre, cornersUseBackdrop);
      // The target as its own backdrop (a control painting over its cache).
      skin::RenderItemBackground(m, s, name, skin::MakeBackdropRef(&target, offset.X, offset.Y), state, rect,
                                 {}, target, -1, -1, gfx::clFuchsia);
    }
  }
  for (std::size_t i = 0; i < m.MaskTable.size() && i < 24; ++i) {
    const skin::TsMaskData& mask = m.MaskTable[i];
    const int mode = in.ConsumeIntegralInRange(-1, 12);
    gfx::Rect area = AnyRect(in, target);
    skin::PaintTexture(m, target, area, mask.Image.get(), mode, &mask);
    area = AnyRect(in, target);
    skin::PaintAlphaTexture(m, target, area, backdrop, mode, mask);
    skin::RenderMaskFrame(m, target, AnyRect(in, target), withCentre, cornersUseBackdrop,
                          in.ConsumeIntegralInRange(0, 4), mask, backdrop);
    skin::RenderMaskImage(m, target, {Coord(in), Coord(in)}, in.ConsumeIntegralInRange(0, 4), backdrop, mask,
                          in.ConsumeIntegralInRange(0, 2));
  }
  return 0;
}
