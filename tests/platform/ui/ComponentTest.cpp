#include "platform/ui/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ui {
namespace {

// Records the destruction order and the notifications it receives.
class Probe : public Component {
 public:
  Probe(Component* owner, std::string name, std::vector<std::string>* log) : Component(owner), log_(log) {
    SetName(name);
  }
  ~Probe() override {
    DestroyComponents();
    log_->push_back("free " + Name());
  }
  std::vector<std::string> loaded;

 protected:
  void Loaded() override { log_->push_back("loaded " + Name()); }
  void Notification(Component* c, Operation op) override {
    log_->push_back(Name() + (op == Operation::Insert ? " +" : " -") + c->Name());
  }

 private:
  std::vector<std::string>* log_;
};

TEST(ComponentTest, OwnerFreesOwnedNewestFirstAndHearsInsertsAndRemovals) {
  std::vector<std::string> log;
  {
    Probe root(nullptr, "root", &log);
    new Probe(&root, "a", &log);
    new Probe(&root, "b", &log);
    EXPECT_EQ(root.ComponentCount(), 2);
    EXPECT_EQ(root.FindComponent("b")->ComponentIndex(), 1);
    EXPECT_EQ(root.FindComponent("zz"), nullptr);
    log.clear();
  }
  // b goes first; a hears that b is removed; root hears both.
  std::vector<std::string> want{"free b", "root -b", "a -b", "free a", "root -a", "free root"};
  EXPECT_EQ(log, want);
}

TEST(ComponentTest, FreeNotificationReachesNonOwnersAndCanBeWithdrawn) {
  std::vector<std::string> log;
  Probe watcher(nullptr, "w", &log);
  auto* watched = new Probe(nullptr, "x", &log);
  auto* other = new Probe(nullptr, "y", &log);
  watcher.FreeNotification(watched);
  watcher.FreeNotification(other);
  watcher.RemoveFreeNotification(other);
  log.clear();
  delete watched;
  delete other;
  std::vector<std::string> want{"free x", "w -x", "free y"};
  EXPECT_EQ(log, want);
}

TEST(ComponentTest, WatcherDestroyedFirstIsNotNotifiedLater) {
  std::vector<std::string> log;
  auto* watcher = new Probe(nullptr, "w", &log);
  Probe watched(nullptr, "x", &log);
  watcher->FreeNotification(&watched);
  delete watcher;  // x hears about w (mutual registration) but w must be gone from x's list
  log.clear();
  // Destruction of x must not touch the freed watcher (ASan would catch it).
}

TEST(ComponentTest, LoadingRunsLoadedOnOwnedThenOwnerAndClearsState) {
  std::vector<std::string> log;
  Probe root(nullptr, "root", &log);
  auto* a = new Probe(&root, "a", &log);
  root.BeginLoading();
  EXPECT_TRUE(a->Loading());
  EXPECT_TRUE(root.State() & csReading);
  log.clear();
  root.EndLoading();
  std::vector<std::string> want{"loaded a", "loaded root"};
  EXPECT_EQ(log, want);
  EXPECT_FALSE(a->Loading());
  EXPECT_EQ(root.State() & (csLoading | csReading), 0u);
}

TEST(ComponentTest, ChangeOwnerMovesTheComponent) {
  std::vector<std::string> log;
  Probe p1(nullptr, "p1", &log);
  Probe p2(nullptr, "p2", &log);
  auto* c = new Probe(&p1, "c", &log);
  c->ChangeOwner(&p2);
  EXPECT_EQ(p1.ComponentCount(), 0);
  EXPECT_EQ(p2.GetComponent(0), c);
  EXPECT_EQ(c->Owner(), &p2);
}

}  // namespace
}  // namespace ui
