// Events compare by handler: the same object's same method is equal,
// another object or method is not, callables equal only their own copies.
#include <gtest/gtest.h>

#include "platform/ui/Events.h"

namespace ui {
namespace {

struct Painter {
  int measured = 0;
  void Measure(Component*) { ++measured; }
  void Draw(Component*) {}
};

TEST(EventTest, BoundMethodsCompareByObjectAndMethod) {
  Painter a, b;
  NotifyEvent e(&a, &Painter::Measure);
  EXPECT_TRUE(e == NotifyEvent(&a, &Painter::Measure));
  EXPECT_TRUE(e.Is(&a, &Painter::Measure));
  EXPECT_FALSE(e.Is(&b, &Painter::Measure));
  EXPECT_FALSE(e.Is(&a, &Painter::Draw));
  e(nullptr);
  EXPECT_EQ(a.measured, 1);
  // "Assign only where still empty", "clear when it is mine".
  NotifyEvent empty;
  EXPECT_FALSE(empty);
  EXPECT_TRUE(empty == NotifyEvent());
  if (e.Is(&a, &Painter::Measure)) e.Clear();
  EXPECT_FALSE(e);
  e(nullptr);  // an empty event does nothing
  EXPECT_EQ(a.measured, 1);
}

TEST(EventTest, CallablesEqualOnlyTheirCopies) {
  int n = 0;
  NotifyEvent x = [&n](Component*) { ++n; };
  NotifyEvent y = [&n](Component*) { ++n; };
  NotifyEvent copy = x;
  EXPECT_TRUE(copy == x);
  EXPECT_FALSE(x == y);
  copy(nullptr);
  EXPECT_EQ(n, 1);
}

}  // namespace
}  // namespace ui
