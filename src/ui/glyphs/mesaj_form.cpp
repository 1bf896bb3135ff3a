#include "ui/glyphs/mesaj_form.h"

#include "ui/controls/text_drawing.h"
#include "ui/glyphs/glyph_library.h"
#include "ui/toolkit.h"

TMesaj* Mesaj = nullptr;

TMesaj::TMesaj(TComponent* owner, bool high_colour, const std::string& program_dir) : TForm(owner) {
  SetCaption("?");
  SetBounds(0, 0, 1200, 794);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (std::string_view name : GlyphLibraryImageNames()) {
    auto* image = new TImage(this);
    image->SetName(std::string(name));
    TBitmap& picture = image->Picture();
    if (!picture.LoadFromResourceName(instance, std::string(name))) continue;
    image->SetBounds(0, 0, picture.Width(), picture.Height());
    if (high_colour && !KeepsStoredBackground(name)) RecolorBitmapBackground(picture, clBtnFace);
  }
  theme_ = LoadThemeFile(program_dir);
}

TImage* TMesaj::Image(std::string_view name) const {
  return dynamic_cast<TImage*>(FindComponent(std::string(name)));
}

const TBitmap& TMesaj::Picture(std::string_view name) const {
  if (TImage* image = name.empty() ? nullptr : Image(name)) return image->Picture();
  return EmptyBitmap();
}
