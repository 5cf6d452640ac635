#include "platform/ui/controls/LinkOpener.h"

#include <chrono>
#include <thread>

#include "platform/ui/Clipboard.h"
#include "platform/ui/controls/Label.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

class LinkOpenerTest : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    ShowForm();
    // Each message box that shows is read and closed by Enter (after Ctrl+C).
    watcher = app->StartCallbackTimer(20, [this] {
      Form* box = app->ModalForm();
      if (!box) seen = nullptr;  // a later box may reuse the address
      if (!box || box == seen) return;
      seen = box;
      std::string text;
      for (Control* c : box->Controls())
        if (auto* l = dynamic_cast<Label*>(c)) text += l->Caption();
      boxes.push_back(text);
      backend.InjectKeyDown(VK_CONTROL);
      backend.InjectKey('C');
      backend.InjectKeyUp(VK_CONTROL);
      backend.InjectKey(VK_RETURN);
    });
  }
  void TearDown() override {
    app->StopCallbackTimer(watcher);
    ControlsFixture::TearDown();
  }
  // Runs the loop until the opener has its outcome (the handler runs in
  // real time, the loop on the virtual clock).
  void Settle(LinkOpener& o) {
    for (int i = 0; i < 500 && o.Watching(); ++i) {
      app->RunFor(100);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    app->RunFor(100);
    EXPECT_FALSE(o.Watching());
  }
  int watcher = 0;
  Form* seen = nullptr;
  std::vector<std::string> boxes;
};

// No handler, or a handler that ends with an error: a box gives the address,
// and Ctrl+C copies it. A handler that succeeds shows nothing.
TEST_F(LinkOpenerTest, FailureShowsTheAddressInABox) {
  const std::string address = "https://zintor.example.org/";
  struct {
    const char* Program;
    bool Box;
  } cases[] = {{"zt-no-such-program", true}, {"false", true}, {"true", false}};
  for (const auto& c : cases) {
    boxes.clear();
    SetClipboardText("");
    LinkOpener opener(c.Program);
    opener.Open(address);
    Settle(opener);
    if (!c.Box) {
      EXPECT_TRUE(boxes.empty()) << c.Program;
      continue;
    }
    ASSERT_EQ(boxes.size(), 1u) << c.Program;
    EXPECT_EQ(boxes[0], LinkFailureText(address));
    EXPECT_NE(boxes[0].find(address), std::string::npos);
    EXPECT_EQ(ClipboardText(), LinkFailureText(address)) << c.Program;
  }
}

}  // namespace
}  // namespace ui::test
