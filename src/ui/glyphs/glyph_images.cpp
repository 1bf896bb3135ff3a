#include "ui/glyphs/glyph_images.h"

#include <map>
#include <memory>
#include <string>

#include "ui/glyphs/mesaj_form.h"
#include "ui/message/message_kind.h"
#include "ui/toolkit.h"

const TBitmap& GlyphImage(std::string_view name) {
  static std::map<std::string, std::unique_ptr<TBitmap>, std::less<>> cache;
  if (name.empty()) return EmptyBitmap();
  // Once the toolkit runs, its library holds the pictures, adapted to the display.
  if (Mesaj) return Mesaj->Picture(name);
  if (auto it = cache.find(name); it != cache.end()) return *it->second;
  auto bitmap = std::make_unique<TBitmap>();
  // A picture that cannot be loaded stays empty, and controls draw without it.
  bitmap->LoadFromResourceName(GetModuleHandleW(nullptr), std::string(name));
  return *cache.emplace(std::string(name), std::move(bitmap)).first->second;
}

const TBitmap& KindGlyph(TMButtonKind kind) {
  return GlyphImage(KindGlyphName(kind));
}

const TBitmap& NiceKindGlyph(TMButtonKind kind) {
  return GlyphImage(NiceButtonGlyphName(kind));
}

const TBitmap& MessageIcon(TMsgDlgType type) {
  return GlyphImage(MessageIconName(type));
}

const TBitmap& AlteGlyph(TAlteGlife glyph) {
  return GlyphImage(AlteGlifeImageName(glyph));
}
