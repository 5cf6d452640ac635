// Procedure chains: a handler in front consumes one message and passes on
// the rest; handlers come off cleanly in any order, even while running.
#include <string>
#include <vector>

#include "platform/ui/ProcChain.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

class Recording : public Control {
 public:
  using Control::Control;
  std::vector<std::uint32_t> seen;

 protected:
  void WndProc(Message& m) override {
    seen.push_back(m.msg);
    m.result = 7;
  }
};

TEST(ProcChainTest, AddedHandlerConsumesOneMessageAndPassesTheRest) {
  Recording c(nullptr);
  int consumed = 0;
  {
    ProcHook hook(c, [&](Message& m, const WndMethod& next) {
      if (m.msg == WM_USER + 1) {
        ++consumed;
        m.result = 42;
        return;
      }
      next(m);
    });
    EXPECT_EQ(c.Perform(WM_USER + 1), 42);
    EXPECT_EQ(c.Perform(WM_USER + 2), 7);
    EXPECT_TRUE(hook.Active());
  }
  // Removed with the hook object: everything reaches the control again.
  EXPECT_EQ(c.Perform(WM_USER + 1), 7);
  EXPECT_EQ(consumed, 1);
  EXPECT_EQ(c.seen, (std::vector<std::uint32_t>{WM_USER + 2, WM_USER + 1}));
}

TEST(ProcChainTest, RemovingAMiddleHandlerKeepsTheOthersInOrder) {
  Recording c(nullptr);
  std::string order;
  auto tag = [&](char ch) {
    return [&order, ch](Message& m, const WndMethod& next) {
      order += ch;
      next(m);
    };
  };
  int a = c.AddProc(tag('a'));
  int b = c.AddProc(tag('b'));
  int d = c.AddProc(tag('d'));
  c.Perform(WM_NULL);
  EXPECT_EQ(order, "dba");
  c.RemoveProc(b);
  order.clear();
  c.Perform(WM_NULL);
  EXPECT_EQ(order, "da");
  c.RemoveProc(d);
  c.RemoveProc(a);
  c.RemoveProc(12345);  // unknown ids are ignored
  EXPECT_TRUE(c.Chain()->Empty());
}

TEST(ProcChainTest, HandlerMayRemoveItselfWhileRunning) {
  Recording c(nullptr);
  int calls = 0;
  ProcHook hook;
  hook = ProcHook(c, [&](Message& m, const WndMethod& next) {
    ++calls;
    hook.Remove();
    next(m);  // still reaches the rest of the chain
  });
  c.Perform(WM_USER);
  c.Perform(WM_USER);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(c.seen.size(), 2u);
}

TEST(ProcChainTest, HookOutlivingItsControlIsHarmless) {
  ProcHook hook;
  {
    Recording c(nullptr);
    hook = ProcHook(c, [](Message& m, const WndMethod& next) { next(m); });
  }
  EXPECT_FALSE(hook.Active());
  hook.Remove();
}

using AppHookTest = UiFixture;

TEST_F(AppHookTest, ApplicationWindowHooksSeeSentAndPostedMessages) {
  std::vector<std::uint32_t> seen;
  int id = app().HookMainWindow([&](Message& m) {
    seen.push_back(m.msg);
    if (m.msg == CM_MENUITEMPREPARE) {
      m.result = 1;
      return true;
    }
    return false;
  });
  EXPECT_EQ(app().SendAppMessage(CM_MENUITEMPREPARE), 1);
  PostMessage(nullptr, CM_MENUWINDOWPREPARE);
  EXPECT_TRUE(app().MessagePending(nullptr, CM_MENUWINDOWPREPARE));
  EXPECT_FALSE(app().MessagePending(nullptr, CM_MENUITEMPREPARE));
  app().ProcessMessages();
  EXPECT_FALSE(app().MessagePending(nullptr, CM_MENUWINDOWPREPARE));
  app().UnhookMainWindow(id);
  app().SendAppMessage(CM_MENUITEMPREPARE);
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{CM_MENUITEMPREPARE, CM_MENUWINDOWPREPARE}));
}

TEST_F(AppHookTest, PostedMessagesToADestroyedControlAreDropped) {
  Form* f = NewForm({0, 0, 100, 100});
  auto* c = new Recording(f);
  PostMessage(c, WM_USER);
  delete c;
  app().ProcessMessages();  // must not touch the freed control (ASan)
  SUCCEED();
}

}  // namespace
}  // namespace ui::testing
