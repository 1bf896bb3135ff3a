// The page of each wizard step.
#pragma once

#include <array>

#include "state/steps.h"
#include "wizard/wizard_context.h"

class TForm;

// Creates the page of a step, owned by the application.
using TPageClass = TForm* (*)(TWizardContext& context);
using TPageTable = std::array<TPageClass, kStepCount>;

// Steps 1, 2, 7 and 11 have no page.
const TPageTable& WizardPages();
