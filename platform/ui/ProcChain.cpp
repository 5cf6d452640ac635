#include "platform/ui/ProcChain.h"

#include "platform/ui/Control.h"

namespace ui {

ProcChain::ProcChain(WndMethod last) : last_(std::move(last)) {}

void ProcChain::Run(const std::shared_ptr<Node>& node, Message& msg, const WndMethod& last) {
  if (!node) {
    last(msg);
    return;
  }
  // The node stays alive while it runs even when it is removed meanwhile;
  // `next` follows whatever lies below it at the time it is called.
  std::shared_ptr<Node> keep = node;
  WndMethod next = [keep, &last](Message& m) { Run(keep->Below, m, last); };
  keep->Handler(msg, next);
}

void ProcChain::Dispatch(Message& msg) const {
  std::shared_ptr<Node> head = head_;
  WndMethod last = last_;
  Run(head, msg, last);
}

int ProcChain::Add(ProcHandler handler) {
  auto n = std::make_shared<Node>();
  n->Id = nextId_++;
  n->Handler = std::move(handler);
  n->Below = head_;
  head_ = n;
  return n->Id;
}

void ProcChain::Remove(int id) {
  if (id == 0) return;
  if (head_ && head_->Id == id) {
    head_ = head_->Below;
    return;
  }
  for (Node* n = head_.get(); n && n->Below; n = n->Below.get()) {
    if (n->Below->Id == id) {
      n->Below = n->Below->Below;
      return;
    }
  }
}

ProcHook::ProcHook(Control& control, ProcHandler handler)
    : chain_(control.Chain()), id_(control.Chain()->Add(std::move(handler))) {}

ProcHook::ProcHook(ProcHook&& other) noexcept : chain_(std::move(other.chain_)), id_(other.id_) {
  other.id_ = 0;
}

ProcHook& ProcHook::operator=(ProcHook&& other) noexcept {
  if (this != &other) {
    Remove();
    chain_ = std::move(other.chain_);
    id_ = other.id_;
    other.id_ = 0;
  }
  return *this;
}

void ProcHook::Remove() {
  if (auto c = chain_.lock()) c->Remove(id_);
  chain_.reset();
  id_ = 0;
}

bool ProcHook::Active() const { return id_ != 0 && !chain_.expired(); }

}  // namespace ui
