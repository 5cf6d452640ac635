#include "skin/controls/acSBTracking.h"

namespace skin {

TacScrollTracking& ScrollTracking() {
  static TacScrollTracking record;
  return record;
}

}  // namespace skin
