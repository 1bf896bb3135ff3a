#include "os/trust_boundary.h"

namespace trust {}  // namespace trust
