// The three states of a check box and how a click moves between them.
#pragma once

#include "forms/basic_types.h"

// Unchecked goes to grayed when allowed, else to checked; checked to unchecked; grayed to checked.
TCheckBoxState NextCheckState(TCheckBoxState state, bool allow_grayed);

// Index of the state's image in the check box picture (checked, unchecked, grayed).
int CheckImageIndex(TCheckBoxState state);
