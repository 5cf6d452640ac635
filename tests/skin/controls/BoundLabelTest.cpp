// The bound label: the edit label it creates and frees, its name, caption,
// focus control and alignment, and its place beside or above the control
// for each layout.
#include <gtest/gtest.h>

#include "platform/ui/controls/Panel.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/controls/sLabel.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

class BoundLabels : public BindingFixture {
 protected:
  void SetUp() override {
    form = ShownForm();
    control = new ui::Panel(form);
    control->SetName("Memo1");
    control->SetParent(form);
    control->SetBounds(100, 50, 80, 21);
  }
  ui::Form* form = nullptr;
  ui::Panel* control = nullptr;
};

TEST_F(BoundLabels, ActiveCreatesAndFreesTheEditLabel) {
  TsBoundLabel bound(*control);
  EXPECT_FALSE(bound.Active());
  bound.SetActive(true);
  TsEditLabel* label = bound.Label();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Name(), "Memo1Label");
  EXPECT_EQ(label->Caption(), "Memo1") << "the control's name without a caption";
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->FocusControl(), control);
  EXPECT_EQ(label->BoundLabel(), &bound);
  bound.SetCaption("&Notes");
  EXPECT_EQ(label->Caption(), "&Notes");
  bound.SetActive(false);
  EXPECT_EQ(bound.Label(), nullptr);
  EXPECT_EQ(form->FindComponent("Memo1Label"), nullptr);

  // A label freed by someone else is forgotten.
  bound.SetActive(true);
  delete bound.Label();
  EXPECT_FALSE(bound.Active());
}

TEST_F(BoundLabels, PlacementAndAlignmentByLayout) {
  TsBoundLabel bound(*control);
  bound.SetCaption("Notes");
  bound.SetIndent(2);
  bound.SetActive(true);
  TsEditLabel* l = bound.Label();
  const int w = l->Width(), h = l->Height();
  ASSERT_GT(w, 0);
  struct Case {
    TsCaptionLayout Layout;
    int X, Y;
    ui::Alignment Align;
  } cases[] = {
      {TsCaptionLayout::sclLeft, 100 - w - 2 - 4, 50 + (21 - h) / 2, ui::Alignment::taRightJustify},
      {TsCaptionLayout::sclTopLeft, 100, 50 - h - 2, ui::Alignment::taLeftJustify},
      {TsCaptionLayout::sclTopCenter, 100 + (80 - w) / 2, 50 - h - 2, ui::Alignment::taCenter},
      {TsCaptionLayout::sclTopRight, 180 - w, 50 - h - 2, ui::Alignment::taRightJustify},
  };
  for (const Case& c : cases) {
    bound.SetLayout(c.Layout);
    EXPECT_EQ(l->Left(), c.X) << static_cast<int>(c.Layout);
    EXPECT_EQ(l->Top(), c.Y) << static_cast<int>(c.Layout);
    EXPECT_EQ(l->GetAlignment(), c.Align) << static_cast<int>(c.Layout);
  }
  // A maximum width wraps the text and makes the label at least as high as
  // the control.
  bound.SetMaxWidth(30);
  EXPECT_EQ(l->Width(), 30);
  EXPECT_TRUE(l->WordWrap());
  EXPECT_GE(l->Height(), 21);
}

}  // namespace
}  // namespace skin::testing
