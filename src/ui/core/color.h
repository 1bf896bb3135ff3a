// Colour values of the toolkit: 0x00BBGGRR, or a system colour (high bit set, index in the low
// byte), and the arithmetic on their components.
#pragma once

#include <cstdint>

using TColor = int32_t;

constexpr TColor SystemColorIndex(int index) {
  return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(index));
}
constexpr bool IsSystemColorValue(TColor c) {
  return c < 0;
}

constexpr int RedOf(TColor c) {
  return c & 0xFF;
}
constexpr int GreenOf(TColor c) {
  return (c >> 8) & 0xFF;
}
constexpr int BlueOf(TColor c) {
  return (c >> 16) & 0xFF;
}
constexpr TColor MakeColor(int red, int green, int blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// A real component value as a colour component: above 255 gives 255, below 0 or not a number
// gives 0, anything else is rounded up.
int ClampComponent(double value);

// The application's hint colour: a pale blue-grey on a high-colour screen, yellow otherwise.
TColor HintColor(bool high_colour);
