// The wizard: prepares the run, then shows the page of each step until the step becomes 7.
#pragma once

#include <array>

#include "app/wizard_steps.h"

class TForm;

// Creates the page of a step, owned by the application.
using TPageClass = TForm* (*)();

struct TPageTableEntry {
  TPageClass page_class = nullptr;
  TForm* page = nullptr;  // while the page is on screen
};

extern std::array<TPageTableEntry, kStepCount> PageTable;

// What the driver asks of other parts; bound to the real ones, replaceable by tests.
struct TWizardServices {
  bool (*installation_found)();    // the product's alias opens
  bool (*load_upgrade_library)();  // UPGRADE.DLL beside the program
  bool (*server_upgrade)();        // the question asked on entering step 9
};
extern TWizardServices WizardServices;

void PrepareUpgradeArchive();
void RunWizard();
