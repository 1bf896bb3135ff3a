// The small pictures of the glyph library that an image control can show by kind.
#pragma once

#include <cstdint>
#include <string_view>

enum TAlteGlife : uint8_t {
  glCustom,
  glPermis,
  glInterzis,
  glSurub,
  glLinii,
  glCheck,
  glRadio,
  glAnulat,
  glGrupX,
  glGrup0,
  glCrescator,
  glDescrescator,
  glToolVert,
  glToolOriz,
  glImgEsc,
  glSCLogo,
  glPag,
  glVortel,
  glBuget,
};
constexpr int kAlteGlifeCount = glBuget + 1;

// Empty for glCustom and for values outside the set.
std::string_view AlteGlifeImageName(TAlteGlife glyph);
