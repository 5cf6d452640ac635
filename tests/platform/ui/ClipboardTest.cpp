// The clipboard through the application's backend (headless).
#include "platform/ui/Clipboard.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

using ClipboardTest = UiFixture;

TEST_F(ClipboardTest, HoldsTheLastTextSet) {
  EXPECT_EQ(ClipboardText(), "");
  EXPECT_FALSE(screen().ClipboardText());
  SetClipboardText("first");
  SetClipboardText(
      "Gr\xC3\xBC\xC3\x9F"
      "e\n\xE2\x9C\x93");
  EXPECT_EQ(ClipboardText(),
            "Gr\xC3\xBC\xC3\x9F"
            "e\n\xE2\x9C\x93");
  EXPECT_EQ(screen().ClipboardText(),
            "Gr\xC3\xBC\xC3\x9F"
            "e\n\xE2\x9C\x93");
  // Empty text is still text, not "nothing on the clipboard".
  SetClipboardText("");
  EXPECT_EQ(screen().ClipboardText(), std::optional<std::string>(""));
}

TEST(ClipboardWithoutApplication, Throws) {
  EXPECT_THROW(SetClipboardText("x"), std::logic_error);
  EXPECT_THROW(ClipboardText(), std::logic_error);
}

}  // namespace
}  // namespace ui::testing
