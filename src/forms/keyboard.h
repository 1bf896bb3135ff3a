// The keyboard as controls read it: the shift state and accelerator letters of captions.
#pragma once

#include <string>

#include "forms/basic_types.h"

TShiftState KeyboardShift();
// True when `key` is the accelerator of `caption` ("&x", not "&&").
bool IsAccel(char key, const std::string& caption);
// The caption without its accelerator marks ("&&" gives "&").
std::string StripAccel(const std::string& caption);
