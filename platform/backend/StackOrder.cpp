#include "platform/backend/StackOrder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace backend {

std::size_t StackOrder::IndexOf(SurfaceId id) const {
  return static_cast<std::size_t>(
      std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.Id == id; }) -
      entries_.begin());
}

std::size_t StackOrder::BandEnd(bool topmost) const {
  if (topmost) return entries_.size();
  return static_cast<std::size_t>(
      std::find_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.Topmost; }) -
      entries_.begin());
}

void StackOrder::Add(SurfaceId id, bool topmost) {
  if (Contains(id)) throw std::logic_error("surface " + std::to_string(id) + " is already stacked");
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(BandEnd(topmost)), Entry{id, topmost});
}

void StackOrder::Remove(SurfaceId id) {
  const std::size_t i = IndexOf(id);
  if (i < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
}

bool StackOrder::IsTopmost(SurfaceId id) const {
  const std::size_t i = IndexOf(id);
  return i < entries_.size() && entries_[i].Topmost;
}

void StackOrder::Raise(SurfaceId id) {
  if (!Contains(id)) return;
  const bool topmost = IsTopmost(id);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(IndexOf(id)));
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(BandEnd(topmost)), Entry{id, topmost});
}

void StackOrder::Lower(SurfaceId id) {
  if (!Contains(id)) return;
  const bool topmost = IsTopmost(id);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(IndexOf(id)));
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(topmost ? BandEnd(false) : 0),
                  Entry{id, topmost});
}

void StackOrder::PlaceAbove(SurfaceId id, SurfaceId sibling) {
  if (id == sibling || !Contains(id) || !Contains(sibling)) return;
  const bool topmost = IsTopmost(sibling);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(IndexOf(id)));
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(IndexOf(sibling) + 1), Entry{id, topmost});
}

void StackOrder::PlaceBelow(SurfaceId id, SurfaceId sibling) {
  if (id == sibling || !Contains(id) || !Contains(sibling)) return;
  const bool topmost = IsTopmost(sibling);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(IndexOf(id)));
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(IndexOf(sibling)), Entry{id, topmost});
}

void StackOrder::SetTopmost(SurfaceId id, bool topmost) {
  if (!Contains(id) || IsTopmost(id) == topmost) return;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(IndexOf(id)));
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(BandEnd(topmost)), Entry{id, topmost});
}

SurfaceId StackOrder::Above(SurfaceId id) const {
  const std::size_t i = IndexOf(id);
  return i + 1 < entries_.size() ? entries_[i + 1].Id : kNoSurface;
}

SurfaceId StackOrder::Below(SurfaceId id) const {
  if (id == kNoSurface) return entries_.empty() ? kNoSurface : entries_.back().Id;
  const std::size_t i = IndexOf(id);
  return i > 0 && i < entries_.size() ? entries_[i - 1].Id : kNoSurface;
}

std::vector<SurfaceId> StackOrder::BottomFirst() const {
  std::vector<SurfaceId> ids;
  ids.reserve(entries_.size());
  for (const Entry& e : entries_) ids.push_back(e.Id);
  return ids;
}

}  // namespace backend
