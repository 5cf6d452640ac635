// The stacking order of a backend's surfaces, bottom first, in two bands:
// every ordinary surface below every topmost one.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/backend/Event.h"

namespace backend {

class StackOrder {
 public:
  // Adds at the top of its band. Ids must be new.
  void Add(SurfaceId id, bool topmost);
  void Remove(SurfaceId id);
  bool Contains(SurfaceId id) const { return IndexOf(id) < entries_.size(); }

  void Raise(SurfaceId id);  // top of its band
  void Lower(SurfaceId id);  // bottom of its band
  // Directly above / below `sibling`; `id` takes on the sibling's band, as a
  // window takes on the topmost state of the window it is put next to.
  void PlaceAbove(SurfaceId id, SurfaceId sibling);
  void PlaceBelow(SurfaceId id, SurfaceId sibling);
  // Moves to the top of its new band.
  void SetTopmost(SurfaceId id, bool topmost);
  bool IsTopmost(SurfaceId id) const;

  // The surface directly above `id`, or kNoSurface when it is the top one.
  SurfaceId Above(SurfaceId id) const;
  // The surface directly below `id`, or kNoSurface when it is the bottom one
  // or unknown; below kNoSurface is the top one.
  SurfaceId Below(SurfaceId id) const;
  std::vector<SurfaceId> BottomFirst() const;

 private:
  struct Entry {
    SurfaceId Id;
    bool Topmost;
  };
  std::size_t IndexOf(SurfaceId id) const;
  std::size_t BandEnd(bool topmost) const;

  std::vector<Entry> entries_;  // bottom first
};

}  // namespace backend
