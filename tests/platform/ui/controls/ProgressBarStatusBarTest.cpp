#include "platform/ui/controls/ProgressBar.h"
#include "platform/ui/controls/StatusBar.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

using ProgressBarTest = ControlsFixture;

TEST_F(ProgressBarTest, PositionIsClampedIntoTheRange) {
  auto* bar = new ProgressBar(form);
  bar->SetParent(form);
  bar->SetRange(0, 20);
  struct Case {
    int Set, Expected;
  };
  for (Case c : {Case{5, 5}, Case{20, 20}, Case{21, 20}, Case{1000, 20}, Case{-1, 0}, Case{0, 0}}) {
    bar->SetPosition(c.Set);
    EXPECT_EQ(bar->Position(), c.Expected) << c.Set;
  }
  bar->SetPosition(15);
  bar->SetMax(10);
  EXPECT_EQ(bar->Position(), 10) << "a smaller range pulls the position in";
  bar->SetMin(12);
  EXPECT_EQ(bar->Min(), 12);
  EXPECT_EQ(bar->Max(), 12) << "the range never inverts";
  EXPECT_EQ(bar->Position(), 12);
  bar->SetRange(0, 20);
  EXPECT_EQ(bar->Perform(PBM_SETPOS, 30), 12) << "the message answers the old position";
  EXPECT_EQ(bar->Position(), 20);
}

TEST_F(ProgressBarTest, SegmentedBarFillsBlocksUpToThePosition) {
  auto* bar = new ProgressBar(form);
  bar->SetParent(form);
  bar->SetBounds(10, 10, 198, 17);
  bar->SetRange(0, 20);
  ShowForm();
  gfx::Color hl = gfx::ColorToRGB(gfx::clHighlight);
  EXPECT_NE(Pixel(*bar, 3, 8), hl);
  bar->SetPosition(10);
  EXPECT_EQ(Pixel(*bar, 3, 8), hl);
  EXPECT_NE(Pixel(*bar, 150, 8), hl);
  bar->SetPosition(20);
  EXPECT_EQ(Pixel(*bar, 190, 8), hl);
  EXPECT_EQ(bar->FilledRect().Right, 197);
}

using StatusBarTest = ControlsFixture;

TEST_F(StatusBarTest, PanelsFollowOneAnotherAndTheLastReachesTheEdge) {
  auto* sb = new StatusBar(form);
  sb->SetParent(form);
  sb->SetAlign(Align::alNone);
  sb->SetBounds(0, 200, 300, 19);
  ShowForm();
  struct Case {
    std::vector<int> Widths;
    std::vector<std::pair<int, int>> Spans;
  };
  const Case cases[] = {
      {{600}, {{0, 300}}},
      {{50, 80, 20}, {{0, 50}, {50, 130}, {130, 300}}},
      {{200, 200, 10}, {{0, 200}, {200, 300}, {300, 300}}},
  };
  for (const Case& c : cases) {
    sb->ClearPanels();
    for (int w : c.Widths) sb->AddPanel(w);
    for (std::size_t i = 0; i < c.Spans.size(); ++i) {
      gfx::Rect r = sb->PanelRect(static_cast<int>(i));
      EXPECT_EQ(r.Left, c.Spans[i].first) << i;
      EXPECT_EQ(r.Right, c.Spans[i].second) << i;
      EXPECT_EQ(r.Height(), sb->ClientHeight());
      gfx::Rect viaMessage;
      sb->Perform(SB_GETRECT, i, reinterpret_cast<LPARAM>(&viaMessage));
      EXPECT_EQ(viaMessage, r);
    }
  }
  EXPECT_TRUE(sb->PanelRect(5).IsEmpty());
}

TEST_F(StatusBarTest, OwnerDrawnPanelGoesToTheEvent) {
  auto* sb = new StatusBar(form);
  sb->SetParent(form);
  sb->AddPanel(100);
  sb->AddPanel(100).Style = StatusPanelStyle::psOwnerDraw;
  gfx::Rect drawn;
  sb->OnDrawPanel = [&](StatusBar*, StatusPanel&, const gfx::Rect& r) { drawn = r; };
  ShowForm();
  EXPECT_EQ(drawn, sb->PanelRect(1));
  EXPECT_EQ(sb->GetAlign(), Align::alBottom);
  EXPECT_EQ(sb->BoundsRect().Bottom, form->ClientHeight());
}

TEST_F(StatusBarTest, TextMessagesAndChildren) {
  auto* sb = new StatusBar(form);
  sb->SetParent(form);
  sb->AddPanel(100);
  std::string t = "hello";
  sb->Perform(SB_SETTEXT, 0, reinterpret_cast<LPARAM>(t.c_str()));
  EXPECT_EQ(sb->Panel(0).Text, "hello");
  sb->Perform(SB_SIMPLE, 1);
  EXPECT_TRUE(sb->SimplePanel());
  sb->Perform(SB_SETTEXT, 255, reinterpret_cast<LPARAM>(t.c_str()));
  EXPECT_EQ(sb->SimpleText(), "hello");
  EXPECT_TRUE(sb->HasStyle(csAcceptsControls));
  auto* child = new ProgressBar(form);
  child->SetParent(sb);
  EXPECT_EQ(child->Parent(), sb);
}

TEST_F(StatusBarTest, SizeGripOnlyOnASizeableForm) {
  struct Case {
    BorderStyle Border;
    bool Grip;
  };
  const Case cases[] = {{BorderStyle::bsSizeable, true},
                        {BorderStyle::bsSizeToolWin, true},
                        {BorderStyle::bsSingle, false},
                        {BorderStyle::bsDialog, false},
                        {BorderStyle::bsToolWindow, false}};
  const gfx::Color shadow = gfx::ColorToRGB(gfx::clBtnShadow);
  for (const Case& c : cases) {
    Form* f = app->CreateForm<Form>([&](Form& g) {
      g.SetBounds(100, 100, 400, 300);
      g.SetBorderStyle(c.Border);
    });
    auto* sb = new StatusBar(f);
    sb->SetParent(f);
    sb->AddPanel(100);
    f->ShowForm();
    app->ProcessMessages();
    // A dark pixel of the grip's first line, left of the bar's right edge.
    const gfx::Rect r = sb->ClientRect();
    EXPECT_EQ(Pixel(*sb, r.Right - 1, r.Bottom - 2) == shadow, c.Grip) << static_cast<int>(c.Border);
    sb->SetSizeGrip(false);
    EXPECT_NE(Pixel(*sb, r.Right - 1, r.Bottom - 2), shadow) << static_cast<int>(c.Border);
    delete f;
    app->ProcessMessages();
  }
}

}  // namespace
}  // namespace ui::test
