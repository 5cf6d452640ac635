// The chain of window procedures of a control. The newest handler runs
// first; it consumes a message or passes it on with `next`. The end of the
// chain is the control's own WndProc. A handler can be removed at any time,
// also while it runs and also when it is not the newest one: the others keep
// their order.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/Messages.h"

namespace ui {

class Control;

using WndMethod = std::function<void(Message&)>;
// A handler gets the message and the rest of the chain.
using ProcHandler = std::function<void(Message& msg, const WndMethod& next)>;

class ProcChain {
 public:
  explicit ProcChain(WndMethod last);
  ProcChain(const ProcChain&) = delete;
  ProcChain& operator=(const ProcChain&) = delete;

  // Sends the message through the chain.
  void Dispatch(Message& msg) const;
  // Puts a handler in front; returns its id (never 0).
  int Add(ProcHandler handler);
  // Removes the handler with that id; unknown ids are ignored.
  void Remove(int id);
  bool Empty() const { return !head_; }

 private:
  struct Node {
    int Id = 0;
    ProcHandler Handler;
    std::shared_ptr<Node> Below;
  };
  static void Run(const std::shared_ptr<Node>& node, Message& msg, const WndMethod& last);

  WndMethod last_;
  std::shared_ptr<Node> head_;
  int nextId_ = 1;
};

// Owns one handler in a control's chain and removes it when destroyed (or on
// Remove). Safe when the control is destroyed first.
class ProcHook {
 public:
  ProcHook() = default;
  ProcHook(Control& control, ProcHandler handler);
  ~ProcHook() { Remove(); }
  ProcHook(ProcHook&& other) noexcept;
  ProcHook& operator=(ProcHook&& other) noexcept;
  ProcHook(const ProcHook&) = delete;
  ProcHook& operator=(const ProcHook&) = delete;

  void Remove();
  bool Active() const;

 private:
  std::weak_ptr<ProcChain> chain_;
  int id_ = 0;
};

}  // namespace ui
