#include "bde/engine_load_error.h"

namespace bde {

uint16_t LoadErrorCode(uint32_t last_error) {
  switch (last_error) {
    case 2:    // file not found
    case 3:    // path not found
    case 126:  // module not found
    case 161:  // bad path name
      return kErrEngineNotFound;
    case 14:  // not enough memory
      return kErrEngineNoMemory;
    default:
      return kErrEngineLoadFailed;
  }
}

}  // namespace bde
