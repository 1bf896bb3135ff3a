#include "toolkit_gallery.h"

#include "ui/controls/active_check_box.h"
#include "ui/controls/active_combo.h"
#include "ui/controls/active_edit.h"
#include "ui/controls/active_label.h"
#include "ui/controls/fmt_label.h"
#include "ui/controls/m_button.h"
#include "ui/controls/m_radio_group.h"
#include "ui/controls/nice_button.h"
#include "ui/glyphs/glyph_images.h"

namespace {

class TToolkitGallery : public TForm {
 public:
  explicit TToolkitGallery(TComponent* owner) : TForm(owner) {
    SetCaption("Galerie: butoane si campuri");
    SetBorderStyle(bsDialog);
    SetClientWidth(640);
    SetClientHeight(430);
    Position = poScreenCenter;

    auto* title = Make<TFmtLabel>(this, 12, 8, 0, 0);
    title->SetCaption(
        "@12&14$2%Vortel@0&8$0 instalare: @9culori@0, &12marimi&8, %umbra%, "
        "$1stiluri$0 si @13~clipire~");
    auto* second = Make<TFmtLabel>(this, 12, 34, 0, 0);
    second->SetCaption("Un rand @10$2verde aprins$0@0\rsi unul @4&10albastru&8@0 cu \\@ si \\~");
    second->SetShadowColor(clGray);

    // Light buttons of a page, one of them hot under the mouse.
    auto* pages = Make<TPanel>(this, 12, 76, 300, 70);
    pages->SetBevelOuter(bvLowered);
    auto* back = Make<TMButton>(pages, 8, 9, 67, 51);
    back->SetCaption("&Inapoi");
    back->SetModalResult(mrRetry);
    back->Glyph() = GlyphImage("Precedent");
    back->SetButtonLayout(blGlyphTop);
    back->SetSpacing(5);
    auto* next = Make<TMButton>(pages, 77, 9, 67, 51);
    next->SetCaption("&Continua");
    next->Glyph() = GlyphImage("Urmator");
    next->SetButtonLayout(blGlyphTop);
    next->SetSpacing(5);
    next->SetName("BNext");
    auto* cancel = Make<TMButton>(pages, 225, 9, 67, 51);
    cancel->SetKind(mkAbort);
    cancel->SetButtonLayout(blGlyphTop);
    cancel->OnClick = [](TObject*) { Application.Terminate(); };
    auto* disabled = Make<TMButton>(pages, 146, 9, 77, 51);
    disabled->SetKind(mkSave);
    disabled->SetButtonLayout(blGlyphTop);
    disabled->SetEnabled(false);

    auto* classic = Make<TMButton>(this, 320, 82, 90, 30);
    classic->SetKind(mkOK);
    classic->SetLightButton(false);
    classic->SetDefault(true);
    auto* classic_help = Make<TMButton>(this, 320, 116, 90, 30);
    classic_help->SetKind(mkHelp);
    classic_help->SetLightButton(false);
    auto* nav = Make<TMButton>(this, 416, 82, 40, 30);
    nav->SetKind(mkPrev);
    auto* nav_next = Make<TMButton>(this, 416, 116, 40, 30);
    nav_next->SetKind(mkNext);

    // Skinned buttons as the message window lays them out.
    const TMButtonKind kinds[] = {mkYes, mkNo, mkOK, mkCancel, mkRetry, mkIgnore};
    for (int i = 0; i < 6; ++i) {
      auto* b = Make<TNiceButton>(this, 12 + i * 103, 158, 100, 28);
      b->SetKind(kinds[i]);
      if (kinds[i] == mkRetry) b->SetEnabled(false);
      if (kinds[i] == mkNo) b->SetName("BtnNu");
    }
    auto* tall = Make<TNiceButton>(this, 12, 192, 150, 40);
    tall->SetKind(mkAll);
    tall->SetStretch(true);
    auto* plain = Make<TNiceButton>(this, 168, 196, 120, 28);
    plain->SetCaption("Fara &glifa");

    // Fields with their labels; the focused one lights its label.
    auto* fields = Make<TPanel>(this, 12, 244, 300, 176);
    fields->SetBevelOuter(bvLowered);
    auto* lprogram = Make<TActiveLabel>(fields, 8, 12, 70, 16);
    lprogram->SetCaption("&Program:");
    auto* rprogram = Make<TActiveEdit>(fields, 80, 8, 200, 21);
    rprogram->SetText("C:\\WinVort");
    rprogram->SetAssocLabel(lprogram);
    rprogram->SetName("RProgram");
    rprogram->LabelColor = clBlue;
    auto* lsum = Make<TActiveLabel>(fields, 8, 40, 70, 16);
    lsum->SetCaption("&Suma:");
    auto* rsum = Make<TActiveEdit>(fields, 80, 36, 200, 21);
    rsum->SetText("1234.50");
    rsum->SetAlignment(taRightJustify);
    rsum->SetAssocLabel(lsum);
    auto* lflat = Make<TActiveLabel>(fields, 8, 68, 70, 16);
    lflat->SetCaption("&Plat:");
    auto* rflat = Make<TActiveEdit>(fields, 80, 64, 200, 21);
    rflat->SetText("chenar plat");
    rflat->SetFlatStyle(true);
    rflat->SetAssocLabel(lflat);
    auto* ltype = Make<TActiveLabel>(fields, 8, 96, 70, 16);
    ltype->SetCaption("&Tip:");
    auto* combo = Make<TActiveCombo>(fields, 80, 92, 200, 21);
    combo->Items().Assign({"LOCAL", "SERVER", "CLIENT"});
    combo->SetItemIndex(0);
    combo->AutoComplete = true;
    combo->SetAssocLabel(ltype);
    auto* ldisabled = Make<TActiveLabel>(fields, 8, 124, 70, 16);
    ldisabled->SetCaption("&Date:");
    ldisabled->SetEnabled(false);
    auto* rdisabled = Make<TActiveEdit>(fields, 80, 120, 200, 21);
    rdisabled->SetText("dezactivat");
    rdisabled->SetAlignment(taCenter);
    rdisabled->SetEnabled(false);
    auto* status = Make<TFmtLabel>(fields, 8, 150, 200, 16);
    status->SetCaption("@1$2Stare:$0@0 gata");

    // Check boxes in their three states and radio groups.
    const char* captions[] = {"&Bifat", "&Nebifat", "Ne&determinat", "Te&xt la stanga"};
    const TCheckBoxState states[] = {cbChecked, cbUnchecked, cbGrayed, cbChecked};
    for (int i = 0; i < 4; ++i) {
      auto* check = Make<TActiveCheckBox>(this, 320, 244 + i * 22, 150, 18);
      check->AllowGrayed = true;
      check->SetCaption(captions[i]);
      check->SetState(states[i]);
      if (i == 3) check->SetAlignment(taLeftJustify);
    }
    auto* type = Make<TMRadioGroup>(this, 480, 244, 148, 66);
    type->Items().Assign({"&LOCAL", "&SERVER", "CLIEN&T"});
    type->SetItemIndex(0);
    auto* columns = Make<TMRadioGroup>(this, 320, 340, 308, 44);
    columns->SetColumns(2);
    columns->Items().Assign({"Unu", "Doi", "Trei", "Patru"});
    columns->SetItemIndex(3);
    auto* off = Make<TMRadioButton>(this, 480, 318, 148, 18);
    off->SetCaption("Dezactivat");
    off->SetEnabled(false);

    SetActiveControl(rprogram);
  }

 private:
  template <class T>
  T* Make(TWinControl* parent, int l, int t, int w, int h) {
    T* c = new T(this);
    c->SetBounds(l, t, w > 0 ? w : c->Width(), h > 0 ? h : c->Height());
    c->SetParent(parent);
    return c;
  }
};

}  // namespace

TForm* CreateToolkitGallery() {
  return CreateForm<TToolkitGallery>(&Application);
}
