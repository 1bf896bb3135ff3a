#pragma once

// Puts the page class of each step into the wizard's page table.
void RegisterWizardPages();
