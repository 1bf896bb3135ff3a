#include "wizard/directory_fields.h"

#include "forms/place_control.h"
#include "wizard/page_frame.h"

namespace {

constexpr TColor kFieldColour = 14671839;
constexpr TColor kButtonColour = 11974326;

TActiveLabel* Label(TForm& page, TPanel* panel, const char* name, int left, int top,
                    const char* caption, bool bold) {
  auto* label = PlaceControl<TActiveLabel>(&page, panel, name, left, top, 50, 17);
  label->SetCaption(caption);
  // The dialog font: the page's wide system font would run under the field.
  label->Font().SetName("MS Sans Serif");
  label->Font().SetHeight(-11);
  if (bold) SetBold(*label);
  return label;
}

TActiveEdit* Field(TForm& page, TPanel* panel, const char* name, int top, TActiveLabel* label,
                   bool bold) {
  auto* field = PlaceControl<TActiveEdit>(&page, panel, name, 80, top, 188, 16);
  field->SetBorderStyle(bsNone);
  field->SetColor(kFieldColour);
  if (bold) SetBold(*field);
  field->SetAssocLabel(label);
  label->SetFocusControl(field);
  return field;
}

TMButton* SearchButton(TForm& page, TPanel* panel, const char* name, int top) {
  auto* button = PlaceControl<TMButton>(&page, panel, name, 271, top, 29, 19);
  button->SetCaption("Cauta...");
  button->SetKind(mkFind);
  button->SetCaptionVisible(false);
  button->SetColor(kButtonColour);
  return button;
}

}  // namespace

DirectoryFields BuildDirectoryFields(TForm& page, bool bold) {
  DirectoryFields f{};
  f.panel = PlaceControl<TPanel>(&page, &page, "Panel1", 168, 29, 305, 85);
  f.panel->SetBevelInner(bvLowered);
  f.panel->SetBevelOuter(bvNone);
  f.panel->SetParentColor(true);
  f.program_label = Label(page, f.panel, "LProgram", 12, 8, "&Program:", bold);
  f.data_label = Label(page, f.panel, "LDate", 13, 26, "&Date:", bold);
  f.program = Field(page, f.panel, "RProgram", 8, f.program_label, bold);
  f.data = Field(page, f.panel, "RDate", 27, f.data_label, bold);
  f.program_button = SearchButton(page, f.panel, "BProgram", 7);
  f.data_button = SearchButton(page, f.panel, "BDate", 26);
  return f;
}
