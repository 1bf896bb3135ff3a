// The pictures of the glyph library, by name, as the resources of the program hold them.
#pragma once

#include <span>
#include <string_view>

// Every picture the library holds.
std::span<const std::string_view> GlyphLibraryImageNames();

// Backgrounds and the flat-button face keep their stored colours on high-colour displays; every
// other picture gets the button face behind it.
bool KeepsStoredBackground(std::string_view image_name);

// Pictures the toolkit draws by name.
constexpr std::string_view kButtonFaceImage = "ButtonFaceZAN";
constexpr std::string_view kTitleIconFaceImage = "IconFace";
constexpr int kButtonFaceSlices = 9;
