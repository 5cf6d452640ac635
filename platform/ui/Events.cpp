#include "platform/ui/Events.h"

namespace ui::detail {

std::uint64_t NextHandlerSerial() {
  static std::atomic<std::uint64_t> serial{0};
  return ++serial;
}

}  // namespace ui::detail
