// The skinned radio button: the glyph picture by check and state (idle,
// hover, pressed, focused, read-only), the section's look and its hot look,
// the caption and focus dots, own glyphs, the disabled look over an image
// parent, the auto size, mouse and keyboard sequences with the group, and the
// plain look without a skin or without the section.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "skin/controls/sBackdrop.h"
#include "skin/controls/sRadioButton.h"
#include "skin/controls/sSkinCommands.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

constexpr gfx::Color kParent = gfx::RGB(200, 100, 50);
constexpr gfx::Color kFace = gfx::RGB(30, 160, 90);
constexpr gfx::Color kHotFace = gfx::RGB(60, 60, 200);
constexpr gfx::Color kGrey = gfx::RGB(90, 90, 90);
constexpr std::array<gfx::Color, 3> kChecked{gfx::RGB(250, 0, 0), gfx::RGB(0, 250, 0), gfx::RGB(0, 0, 250)};
constexpr std::array<gfx::Color, 3> kUnchecked{gfx::RGB(120, 0, 0), gfx::RGB(0, 120, 0), gfx::RGB(0, 0, 120)};

// The radio skin: glyphs of 12 x 12, RADIOBUTTON opaque in kFace (hot
// kHotFace), a plain parent section.
FixtureSkin RadioSkin(bool withSection = true) {
  FixtureSkin s;
  s.RadioGlyphs({0, 0}, 12, kChecked, kUnchecked);
  s.Set("PLAIN", "COLOR", kParent);
  if (withSection) {
    s.Set("RADIOBUTTON", "COLOR", kFace).Set("RADIOBUTTON", "HOTCOLOR", kHotFace);
    s.Set("RADIOBUTTON", "FONTCOLOR", 0).Set("RADIOBUTTON", "HOTFONTCOLOR", 0);
  }
  return s;
}

// A parent outside the skin whose background is a picture of vertical
// stripes: it draws that picture into the asker's area, or hands it out.
class StripedParent : public ui::Panel {
 public:
  static constexpr gfx::Color kEven = gfx::RGB(200, 100, 0);
  static constexpr gfx::Color kOdd = gfx::RGB(0, 200, 100);
  explicit StripedParent(ui::Component* owner) : ui::Panel(owner), picture_(gfx::NewBitmap24(250, 150)) {
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 250; ++x) picture_.SetPixelAt(x, y, x % 2 ? kOdd : kEven);
  }

 protected:
  void WndProc(ui::Message& m) override {
    if (m.msg == ui::SM_ALPHACMD && SkinCommandOf(m) == SKC_IS_SKINNED) {
      m.result = 1;
      return;
    }
    if (m.msg == ui::SM_ALPHACMD && SkinCommandOf(m) == SKC_GET_BG_INFO) {
      auto* q = reinterpret_cast<BackdropQuery*>(m.lParam);
      q->Kind = kBackdropImage;
      if (q->PleaseDraw && q->DC) {
        q->DC->DrawBitmap(q->Rect.Left, q->Rect.Top, picture_, q->Rect.Offset(q->X, q->Y));
      } else {
        q->Bitmap = &picture_;
        q->X = q->Y = 0;
      }
      return;
    }
    ui::Panel::WndProc(m);
  }

 private:
  gfx::Bitmap picture_;
};

class RadioButton : public BindingFixture {
 protected:
  void Build(const FixtureSkin& s) {
    LoadSkin(s);
    form = ShownForm();
    parent = new BoundPanel(form, 51);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 250, 150);
    parent->SkinData().SetSkinSection("PLAIN");
    parent->SkinData().CacheStale = false;
    for (int i = 0; i < 3; ++i) {
      auto* r = new TsRadioButton(form);
      r->SetParent(parent);
      r->SetBounds(16, 16 + 24 * i, 65, 22);
      r->SetCaption(i == 0 ? "Лёгкий" : i == 1 ? "Средний" : "Нереальный");
      r->OnClick = [this, i](ui::Component*) { clicks.push_back(i); };
      radios.push_back(r);
    }
    radios[0]->SetChecked(true);
    clicks.clear();
    app().ProcessMessages();
  }
  void SetUp() override { Build(RadioSkin()); }

  gfx::Bitmap Painted(ui::Control* c) {
    gfx::Bitmap out = fixture::Solid24(c->Width(), c->Height(), kGrey);
    gfx::Canvas canvas(out);
    c->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&canvas));
    return out;
  }
  // The middle of the glyph, and the glyph's key-coloured corner.
  static gfx::Color GlyphPixel(const gfx::Bitmap& b, const gfx::Rect& box) {
    return b.PixelAt(box.Left + 6, box.Top + 6) & 0xFFFFFF;
  }
  std::vector<bool> Checks() const {
    std::vector<bool> v;
    for (auto* r : radios) v.push_back(r->Checked());
    return v;
  }
  gfx::Point At(ui::Control* c, int x = 5, int y = 10) { return ClientPoint(c, x, y); }

  ui::Form* form = nullptr;
  BoundPanel* parent = nullptr;
  std::vector<TsRadioButton*> radios;
  std::vector<int> clicks;
};

TEST_F(RadioButton, GlyphPictureByCheckAndState) {
  TsRadioButton* r = radios[1];
  const struct {
    const char* name;
    bool checked, hover, press, focus, readOnly;
    int state;
  } cases[] = {
      {"idle", false, false, false, false, false, 0},   {"idle checked", true, false, false, false, false, 0},
      {"hover", false, true, false, false, false, 1},   {"hover checked", true, true, false, false, false, 1},
      {"pressed", true, true, true, false, false, 2},   {"focused", false, false, false, true, false, 1},
      {"read-only hover", true, true, false, false, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    r->SetReadOnly(c.readOnly);
    r->Perform(ui::BM_SETCHECK, c.checked ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    if (c.hover) r->Perform(ui::CM_MOUSEENTER, 0, reinterpret_cast<ui::LPARAM>(r));
    if (c.focus) r->SetFocus();
    if (c.press) r->Perform(ui::WM_LBUTTONDOWN, 0, ui::PointToParam(5, 5));
    EXPECT_EQ(r->GlyphState(), c.state);
    const gfx::Bitmap b = Painted(r);
    const gfx::Rect box = r->GlyphBox();
    EXPECT_EQ(box, RadioGlyphBox(r->Width(), r->Height(), 12, 12, true, 2));
    EXPECT_EQ(GlyphPixel(b, box), (c.checked ? kChecked : kUnchecked)[static_cast<std::size_t>(c.state)]);
    // The glyph's key pixel shows the look under it; the section's hot look
    // comes with the hot state (not while read-only).
    const gfx::Color face = c.state >= 1 ? kHotFace : kFace;
    EXPECT_EQ(b.PixelAt(box.Left, box.Top) & 0xFFFFFF, face);
    EXPECT_EQ(b.PixelAt(0, 0) & 0xFFFFFF, face);
    // Back to idle.
    if (c.press) r->Perform(ui::WM_LBUTTONUP, 0, ui::PointToParam(500, 5));
    if (c.hover) r->Perform(ui::CM_MOUSELEAVE, 0, reinterpret_cast<ui::LPARAM>(r));
    if (c.focus) radios[0]->SetFocus();
    r->SetReadOnly(false);
  }
}

TEST_F(RadioButton, CaptionAndFocusDots) {
  TsRadioButton* r = radios[0];
  const gfx::Bitmap idle = Painted(r);
  bool text = false;
  for (int y = 0; y < r->Height(); ++y)
    for (int x = 18; x < r->Width(); ++x) text = text || (idle.PixelAt(x, y) & 0xFFFFFF) == 0;
  EXPECT_TRUE(text) << "the caption in the section's font colour right of the glyph";
  for (int y = 0; y < r->Height(); ++y)
    for (int x = 0; x < 16; ++x) EXPECT_NE(idle.PixelAt(x, y) & 0xFFFFFF, 0u) << x << "," << y;

  r->SetFocus();
  const gfx::Bitmap focused = Painted(r);
  // The dots sit on the focus rectangle's edges, left of the caption.
  gfx::Rect f;
  {
    gfx::Bitmap scratch = gfx::NewBitmap24(1, 1);
    gfx::Canvas c(scratch);
    c.SetFont(r->Font());
    const int room = RadioCaptionRoom(r->Width(), 12, 0, 2);
    gfx::Rect calc{0, 0, room, 0};
    c.DrawText(r->Caption(), calc, gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
    const gfx::Rect caption = RadioCaptionRect(r->Width(), r->Height(), room, calc.Height(), true, 2, false);
    f = RadioFocusRect(caption, calc.Width(), false);
  }
  EXPECT_EQ(focused.PixelAt(f.Left, f.Top) & 0xFFFFFF, 0u);
  EXPECT_EQ(focused.PixelAt(f.Left + 3, f.Bottom) & 0xFFFFFF, 0u);
  r->SetShowFocus(false);
  EXPECT_NE(Painted(r).PixelAt(f.Left, f.Top + 3) & 0xFFFFFF, 0u);
}

TEST_F(RadioButton, OwnGlyphsReplaceTheSkinsFrameByState) {
  TsRadioButton* r = radios[1];
  // Three frames of 16: normal, hot, pressed.
  gfx::Bitmap strip = gfx::NewBitmap24(48, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 48; ++x) strip.SetPixelAt(x, y, kChecked[static_cast<std::size_t>(x / 16)]);
  strip.SetPixelAt(16, 0, gfx::clFuchsia);
  r->SetGlyphUnChecked(strip);
  r->Perform(ui::CM_MOUSEENTER, 0, reinterpret_cast<ui::LPARAM>(r));
  const gfx::Rect box = r->GlyphBox();
  EXPECT_EQ(box.Width(), 16);
  EXPECT_EQ(box.Height(), 16);
  gfx::Bitmap b = Painted(r);
  EXPECT_EQ(b.PixelAt(box.Left + 8, box.Top + 8) & 0xFFFFFF, kChecked[1]);
  EXPECT_EQ(b.PixelAt(box.Left, box.Top) & 0xFFFFFF, kHotFace) << "the key colour is transparent";

  // Narrower than high: one frame, whatever the state (no read before the
  // bitmap's start).
  gfx::Bitmap tall = gfx::NewBitmap24(16, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 16; ++x) tall.SetPixelAt(x, y, kUnchecked[2]);
  r->SetGlyphUnChecked(tall);
  r->Perform(ui::WM_LBUTTONDOWN, 0, ui::PointToParam(5, 5));
  b = Painted(r);
  EXPECT_EQ(r->GlyphBox().Height(), 32);
  EXPECT_EQ(b.PixelAt(r->GlyphBox().Left + 8, r->GlyphBox().Top + 20) & 0xFFFFFF, kUnchecked[2]);

  // Not a multiple of the height: the whole width is one frame.
  gfx::Bitmap odd = gfx::NewBitmap32(20, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 20; ++x) odd.SetPixelAt(x, y, 0xFF000000u | kChecked[2]);
  r->SetGlyphUnChecked(odd);
  EXPECT_EQ(r->GlyphBox().Width(), 20);
  b = Painted(r);
  // A 32-bit glyph goes through the alpha copy: opaque pixels land within
  // one step of their colour.
  const gfx::Color got = b.PixelAt(r->GlyphBox().Right - 1, r->GlyphBox().Top + 8);
  EXPECT_EQ(gfx::GetR(got), 0);
  EXPECT_EQ(gfx::GetG(got), 0);
  EXPECT_NEAR(gfx::GetB(got), 250, 1);
}

TEST_F(RadioButton, DisabledOverAnImageParentIsBlendedWithThatImage) {
  auto* striped = new StripedParent(form);
  striped->SetParent(form);
  striped->SetBounds(0, 0, 250, 150);
  TsRadioButton* r = radios[2];
  r->SetParent(striped);
  r->SetBounds(16, 16, 65, 22);
  const gfx::Bitmap enabled = Painted(r);
  EXPECT_EQ(enabled.PixelAt(0, 0) & 0xFFFFFF, kFace);
  r->SetEnabled(false);
  const gfx::Bitmap disabled = Painted(r);
  // 0.6 background + 0.4 look, per channel, against the stripe under each
  // pixel (x 16 of the parent is an even stripe).
  EXPECT_EQ(disabled.PixelAt(0, 0) & 0xFFFFFF, gfx::RGB(132, 124, 36));
  EXPECT_EQ(disabled.PixelAt(1, 0) & 0xFFFFFF, gfx::RGB(12, 184, 96));
}

TEST_F(RadioButton, AutoSizeFromGlyphAndCaption) {
  TsRadioButton* r = radios[0];
  gfx::Bitmap scratch = gfx::NewBitmap24(1, 1);
  gfx::Canvas c(scratch);
  c.SetFont(r->Font());
  const gfx::Size t = c.TextExtent(r->Caption());
  r->AdjustSize();
  EXPECT_EQ(r->Width(), 12 + 4 + t.Width + 8);
  EXPECT_EQ(r->Height(), std::max(12, t.Height + 4) + 2);
  r->SetMargin(4);
  EXPECT_EQ(r->Width(), 12 + 8 + t.Width + 8);
  r->SetCaption("");
  EXPECT_EQ(r->Width(), 20);
  EXPECT_EQ(r->Height(), 12 + 2);
  // Word wrap does not go with AutoSize.
  r->SetWordWrap(true);
  EXPECT_FALSE(r->WordWrap());
  // Without a skin the plain button keeps its size.
  manager.reset();
  r->SetBounds(16, 16, 65, 22);
  r->SetCaption("Лёгкий");
  EXPECT_EQ(r->Width(), 65);
  EXPECT_EQ(r->Height(), 22);
}

TEST_F(RadioButton, MouseChecksOnReleaseInsideAndUnchecksTheGroup) {
  int downs = 0, ups = 0;
  radios[1]->OnMouseDown = [&](ui::Component*, ui::MouseButton, ui::ShiftState, int, int) { ++downs; };
  radios[1]->OnMouseUp = [&](ui::Component*, ui::MouseButton, ui::ShiftState, int, int) { ++ups; };
  Move(At(radios[1]));
  Down(At(radios[1]));
  EXPECT_TRUE(radios[1]->PressedNow());
  EXPECT_TRUE(radios[1]->Focused()) << "the focus comes with the press";
  EXPECT_FALSE(radios[1]->Checked());
  EXPECT_EQ(radios[1]->GlyphState(), 2);
  Up(At(radios[1]));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(clicks, std::vector<int>{1});
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, 1);
  EXPECT_FALSE(radios[1]->PressedNow());

  // Pressed, left, released: nothing.
  Move(At(radios[2]));
  Down(At(radios[2]));
  Move(ClientPoint(parent, 200, 140));
  EXPECT_FALSE(radios[2]->PressedNow());
  Up(ClientPoint(parent, 200, 140));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(clicks, std::vector<int>{1});
}

TEST_F(RadioButton, SpaceChecksOnKeyUpAndEscCancels) {
  radios[2]->SetFocus();
  screen().InjectKeyDown(ui::VK_SPACE);
  app().ProcessMessages();
  EXPECT_TRUE(radios[2]->PressedNow());
  EXPECT_FALSE(radios[2]->Checked());
  screen().InjectKeyUp(ui::VK_SPACE);
  app().ProcessMessages();
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(clicks, std::vector<int>{2});

  radios[1]->SetFocus();
  screen().InjectKeyDown(ui::VK_SPACE);
  app().ProcessMessages();
  Key(ui::VK_ESCAPE);
  screen().InjectKeyUp(ui::VK_SPACE);
  app().ProcessMessages();
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  EXPECT_FALSE(radios[1]->PressedNow());

  // Arrow keys move focus and check along the group (the platform's).
  Key(ui::VK_DOWN);
  EXPECT_TRUE(radios[2]->Focused());
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
}

TEST_F(RadioButton, ReadOnlyIgnoresPressesDoubleClicksAndSpace) {
  TsRadioButton* r = radios[1];
  r->SetReadOnly(true);
  int downs = 0, dbl = 0;
  r->OnMouseDown = [&](ui::Component*, ui::MouseButton, ui::ShiftState, int, int) { ++downs; };
  r->OnDblClick = [&](ui::Component*) { ++dbl; };
  Click(At(r));
  r->Perform(ui::WM_LBUTTONDBLCLK, 0, ui::PointToParam(5, 5));
  r->Perform(ui::WM_LBUTTONUP, 0, ui::PointToParam(5, 5));
  r->SetFocus();
  screen().InjectKeyDown(ui::VK_SPACE);
  screen().InjectKeyUp(ui::VK_SPACE);
  app().ProcessMessages();
  EXPECT_EQ(Checks(), (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(downs, 0);
  EXPECT_EQ(dbl, 0);
  // Unskinned the same.
  manager.reset();
  Click(At(r));
  EXPECT_EQ(Checks(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(downs, 0);
}

TEST_F(RadioButton, SetCheckMessageFollowsZeroAndOne) {
  radios[2]->Perform(ui::BM_SETCHECK, ui::BST_CHECKED);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(Painted(radios[2]).PixelAt(8, 11) & 0xFFFFFF, kChecked[0]);
  radios[2]->Perform(ui::BM_SETCHECK, ui::BST_UNCHECKED);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(Painted(radios[2]).PixelAt(8, 11) & 0xFFFFFF, kUnchecked[0]);
}

// Without a skin, or with a skin that lacks the section, the button paints
// as the plain radio button does, pixel for pixel, in every look.
TEST_F(RadioButton, PlainWithoutSkinOrSection) {
  for (bool withSkin : {false, true}) {
    SCOPED_TRACE(withSkin ? "skin without RADIOBUTTON" : "no skin");
    radios.clear();
    if (withSkin) {
      Build(RadioSkin(false));
    } else {
      manager.reset();
    }
    // Each in a group of its own, so that checking one leaves the other.
    auto* plainGroup = new ui::Panel(form);
    auto* myGroup = new ui::Panel(form);
    for (ui::Panel* g : {plainGroup, myGroup}) {
      g->SetParent(parent);
      g->SetBounds(0, 0, 200, 140);
    }
    auto* plain = new ui::RadioButton(form);
    plain->SetParent(plainGroup);
    auto* mine = new TsRadioButton(form);
    mine->SetParent(myGroup);
    for (ui::RadioButton* r : {plain, static_cast<ui::RadioButton*>(mine)}) {
      r->SetBounds(16, 100, 90, 22);
      r->SetCaption("Нереальный");
    }
    const struct {
      bool checked, enabled, focused;
    } looks[] = {{false, true, false}, {true, true, false}, {true, false, false}, {true, true, true}};
    for (const auto& l : looks) {
      for (ui::RadioButton* r : {plain, static_cast<ui::RadioButton*>(mine)}) {
        r->SetEnabled(l.enabled);
        if (l.focused) r->SetFocus();
        r->SetChecked(l.checked);
      }
      gfx::Bitmap a = fixture::Solid24(90, 22, kGrey), b = fixture::Solid24(90, 22, kGrey);
      gfx::Canvas ca(a), cb(b);
      if (l.focused) mine->SetFocus();
      mine->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&ca));
      if (l.focused) plain->SetFocus();
      plain->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&cb));
      for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 90; ++x) ASSERT_EQ(a.PixelAt(x, y), b.PixelAt(x, y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace skin::testing
