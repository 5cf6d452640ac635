// The skinned memo: its frame drawn as the border strips of the "EDIT" item,
// the focus state of a multi-state mask, the skinned vertical bar following
// the text, printing giving the screen's pixels, and the plain frame and bar
// back when the skin goes.
#include <memory>
#include <string>

#include "platform/backend/Keys.h"
#include "platform/ui/EditMessages.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMemo.h"
#include "tests/skin/controls/BindingTestSupport.h"
#include "tests/skin/controls/ScrollBarTestSkin.h"

namespace skin::testing {
namespace {

constexpr gfx::Color kRing[3] = {gfx::RGB(1, 120, 3), gfx::RGB(4, 5, 160), gfx::RGB(170, 8, 9)};
constexpr gfx::Color kThumbNormal = kScrollParts[2].Normal;

class Memo : public BindingFixture {
 protected:
  void SetUp() override {
    fixture::FixtureSkin s;
    AddScrollSections(s);
    // A three-state 6 x 6 "EDIT" mask with 2-pixel rings of one colour each.
    for (int i = 0; i < 3; ++i) s.Fill({40 + 6 * i, 20, 46 + 6 * i, 26}, kRing[i]);
    s.Set("EDIT", "COLOR", gfx::RGB(255, 255, 255)).Mask("EDIT", {{40, 20, 58, 26}, 2, 2, 2, 2, 3, 0, 0, 0});
    LoadSkin(s);
    form = NewForm({100, 100, 520, 400}, ui::BorderStyle::bsNone);
    memo = new TsMemo(form);
    memo->SetParent(form);
    memo->SetBounds(0, 0, 311, 225);
    memo->SetScrollBars(ui::ScrollStyle::ssVertical);
    memo->SetTabStop(true);
    for (int i = 0; i < 40; ++i) memo->AddLine("line " + std::to_string(i));
    memo->SkinData().Loaded();
    memo->Loaded();
    other = new ui::WinControl(form);
    other->SetParent(form);
    other->SetBounds(0, 250, 50, 20);
    other->SetTabStop(true);
    Show(form);
    // The memo starts without the focus.
    other->SetFocus();
    app().ProcessMessages();
  }
  gfx::Point At(int x, int y) const {
    const gfx::Rect r = memo->WindowRect();
    return {r.Left + x, r.Top + y};
  }
  // The thumb's first row on screen, -1 when none is seen.
  int ThumbTop() {
    for (int y = 18; y < 207; ++y)
      if (Pixel(At(296, y)) == kThumbNormal) return y;
    return -1;
  }

  ui::Form* form = nullptr;
  TsMemo* memo = nullptr;
  ui::WinControl* other = nullptr;
};

TEST_F(Memo, FrameStripsAndSkinnedBar) {
  ASSERT_NE(memo->Adapter(), nullptr);
  EXPECT_EQ(memo->ClientRectInWindow(), (gfx::Rect{2, 2, 293, 223}));
  for (gfx::Point p : {gfx::Point{0, 0}, gfx::Point{1, 100}, gfx::Point{310, 224}, gfx::Point{150, 223}})
    EXPECT_EQ(Pixel(At(p.X, p.Y)), kRing[0]) << p.X << "," << p.Y;
  EXPECT_EQ(Pixel(At(300, 5)), kScrollParts[3].Normal) << "up arrow";
  EXPECT_EQ(Pixel(At(300, 220)), kScrollParts[4].Normal) << "down arrow";
  EXPECT_EQ(ThumbTop(), 18);
  EXPECT_EQ(memo->Color(), gfx::RGB(255, 255, 255));
}

TEST_F(Memo, FocusDrawsTheFrameInStateOne) {
  memo->SetFocus();
  app().ProcessMessages();
  EXPECT_EQ(Pixel(At(0, 0)), kRing[1]);
  EXPECT_EQ(Pixel(At(310, 224)), kRing[1]);
  other->SetFocus();
  app().ProcessMessages();
  EXPECT_EQ(Pixel(At(0, 0)), kRing[0]);
}

TEST_F(Memo, CtrlEndMovesTheThumbToTheEndInTheSameCycle) {
  memo->SetFocus();
  app().ProcessMessages();
  KeyWith(backend::VK_CONTROL, backend::VK_END);
  ui::ScrollInfo si;
  si.Mask = ui::SIF_ALL;
  memo->GetScrollInfo(ui::SB_VERT, si);
  // The thumb ends where the down arrow starts.
  const int top = ThumbTop();
  ASSERT_GT(top, 18);
  const int length = 223 - 16 - top - 2;
  EXPECT_EQ(Pixel(At(296, 223 - 17 - 1)), kThumbNormal) << length;
  EXPECT_EQ(si.Pos, si.Max - static_cast<int>(si.Page) + 1);
}

TEST_F(Memo, DraggingTheThumbScrollsTheText) {
  const int before = memo->TopLine();
  Move(At(300, 30));
  Down(At(300, 30));
  Move(At(300, 90));
  Up(At(300, 90));
  EXPECT_GT(memo->TopLine(), before);
  EXPECT_GT(ThumbTop(), 18);
}

TEST_F(Memo, PrintingGivesTheScreensPixels) {
  gfx::Bitmap printed(311, 225, gfx::PixelFormat::Bgr24);
  {
    gfx::Canvas c(printed);
    memo->PaintTo(c, 0, 0);
  }
  for (int y = 0; y < 225; y += 7)
    for (int x = 0; x < 311; x += 5) ASSERT_EQ(printed.PixelAt(x, y), Pixel(At(x, y))) << x << "," << y;
}

TEST_F(Memo, SkinRemovalGivesThePlainFrameAndBarBack) {
  manager->SetActive(false);
  app().ProcessMessages();
  EXPECT_EQ(memo->Adapter(), nullptr);
  EXPECT_EQ(memo->GetProp(kAdapterProp), 0);
  EXPECT_EQ(memo->ClientRectInWindow(), (gfx::Rect{2, 2, 293, 223}));
  EXPECT_NE(Pixel(At(0, 0)), kRing[0]);
  EXPECT_NE(Pixel(At(300, 5)), kScrollParts[3].Normal);
  EXPECT_EQ(memo->Color(), gfx::clWindow);
  // And back again.
  manager->SetActive(true);
  app().ProcessMessages();
  EXPECT_NE(memo->Adapter(), nullptr);
  EXPECT_EQ(Pixel(At(0, 0)), kRing[0]);
}

TEST_F(Memo, OnScrollCaretFollowsEverySetSelectionSkinnedOrNot) {
  int fired = 0, topAtEvent = -1;
  memo->OnScrollCaret = [&](ui::Component*) {
    ++fired;
    topAtEvent = memo->TopLine();
  };
  memo->SetCaretPos({39, 0});
  EXPECT_EQ(fired, 1);
  EXPECT_GT(topAtEvent, 0) << "the caret is already scrolled into view";
  memo->SelectAll();
  EXPECT_EQ(fired, 2);
  // Typing moves the caret without the message.
  memo->SetFocus();
  KeyWith(backend::VK_CONTROL, backend::VK_HOME);
  EXPECT_EQ(fired, 2);
  // Without the skin the event still fires.
  manager->SetActive(false);
  app().ProcessMessages();
  memo->SetCaretPos({3, 0});
  EXPECT_EQ(fired, 3);
}

TEST_F(Memo, ReplacingTheSelectionRepaintsTheBar) {
  // The scroll position changes behind the bar's back; the replace message
  // (here without text, so nothing else changes) brings the bar up to date.
  ui::ScrollInfo si;
  si.Mask = ui::SIF_POS;
  si.Pos = 27;
  memo->SetScrollInfo(ui::SB_VERT, si, false);
  ASSERT_EQ(ThumbTop(), 18);
  app().ProcessMessages();
  ASSERT_EQ(ThumbTop(), 18);
  memo->Perform(ui::EM_REPLACESEL, 1, 0);
  app().ProcessMessages();
  EXPECT_GT(ThumbTop(), 18);
}

TEST_F(Memo, TheBoundLabelFollowsTheMemo) {
  memo->SetName("Notes");
  TsBoundLabel& bound = memo->BoundLabel();
  EXPECT_FALSE(bound.Active()) << "inactive by default";
  bound.SetCaption("Notes");
  bound.SetLayout(TsCaptionLayout::sclTopLeft);
  bound.SetActive(true);
  TsEditLabel* label = bound.Label();
  ASSERT_NE(label, nullptr);
  memo->SetBounds(20, 40, 311, 225);
  EXPECT_EQ(label->Left(), 20);
  EXPECT_EQ(label->Top(), 40 - label->Height());

  memo->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  memo->SetVisible(true);
  EXPECT_TRUE(label->Visible());

  struct Case {
    TsDisabledKinds Kinds;
    bool LabelEnabled;
  };
  for (const Case& c : {Case{{dkBlended}, false}, Case{{}, true}, Case{{dkGrayed}, true}}) {
    memo->SetDisabledKind(c.Kinds);
    memo->SetEnabled(false);
    EXPECT_EQ(label->Enabled(), c.LabelEnabled);
    memo->SetEnabled(true);
    EXPECT_TRUE(label->Enabled());
  }

  memo->SetBiDiMode(ui::BiDiMode::bdRightToLeft);
  EXPECT_EQ(label->GetBiDiMode(), ui::BiDiMode::bdRightToLeft);
  // The label goes with the memo.
  delete memo;
  memo = nullptr;
  EXPECT_EQ(form->FindComponent("NotesLabel"), nullptr);
}

TEST_F(Memo, ActivationGivesBackTheKnownSizeUnlessAnswered) {
  TacEditWnd* adapter = memo->Adapter();
  ASSERT_NE(adapter, nullptr);
  ASSERT_EQ(adapter->WindowSize, (gfx::Size{311, 225}));
  // The window was resized behind the adapter's back.
  adapter->WindowSize = {280, 200};
  memo->Perform(ui::CM_UIACTIVATE);
  EXPECT_EQ(memo->Width(), 280);
  EXPECT_EQ(memo->Height(), 200);
  EXPECT_EQ(memo->ClientRectInWindow(), (gfx::Rect{2, 2, 262, 198})) << "the frame was recalculated";
  EXPECT_EQ(memo->Left(), 0);

  // A procedure below the adapter (hooked before it) answers the notice:
  // the size stays.
  manager->SetActive(false);
  app().ProcessMessages();
  ui::ProcHook answer(*memo, [](ui::Message& m, const ui::WndMethod& next) {
    next(m);
    if (m.msg == ui::CM_UIACTIVATE) m.result = 1;
  });
  manager->SetActive(true);
  app().ProcessMessages();
  adapter = memo->Adapter();
  ASSERT_NE(adapter, nullptr);
  ASSERT_EQ(adapter->WindowSize, (gfx::Size{280, 200}));
  adapter->WindowSize = {311, 225};
  memo->Perform(ui::CM_UIACTIVATE);
  EXPECT_EQ(memo->Width(), 280);
}

}  // namespace
}  // namespace skin::testing
