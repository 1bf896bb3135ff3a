// Mouse cursors by the framework's numbers.
#pragma once

#include <windows.h>

#include <cstdint>

using TCursor = int16_t;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crNo = -18, crAppStart = -19, crHandPoint = -21,
                  crSizeAll = -22;
HCURSOR CursorHandle(TCursor cursor);
