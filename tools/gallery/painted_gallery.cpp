#include "painted_gallery.h"

#include "ui/controls/painted_panel.h"
#include "ui/controls/text_drawing.h"
#include "ui/controls/trans_image.h"
#include "ui/forms/title_form.h"

namespace {

class TPaintedGallery : public TTitleForm {
 public:
  explicit TPaintedGallery(TComponent* owner) : TTitleForm(owner) {
    SetBorderStyle(bsDialog);
    SetClientWidth(640);
    SetClientHeight(470);
    Position = poScreenCenter;

    auto* bar = Make<TTitleBar>(this, 0, 0, 0, 0);
    bar->SetName("TitleBar1");
    bar->SetAlign(alTop);

    auto* horizontal = Panel(10, 35, 200, 60, "Gradient orizontal");
    Gradient(horizontal, 0xC79C4E, 0xFFFFFF, true);
    auto* vertical = Panel(220, 35, 200, 60, "Gradient#vertical");
    Gradient(vertical, 0xB1B17A, 0xC6C6C6, false);
    auto* lines = Panel(430, 35, 200, 60, "Copiere#fisiere#in curs");
    lines->SetBevelOuter(bvLowered);
    lines->SetColor(clWhite);

    auto* disabled = Panel(10, 105, 200, 40, "&Panou dezactivat");
    disabled->SetEnabled(false);
    auto* highlighted = Panel(220, 105, 200, 40, "Atentie && verificare");
    highlighted->Font().SetStyle(fsBold);
    auto* framed = Panel(430, 105, 200, 40, "Chenar colorat");
    framed->SetBevelOuter(bvNone);
    framed->SetBorderColor(clNavy);
    framed->SetUseBorderColor(true);

    // The task lines of the configuration page: pending, then done.
    auto* pending = Panel(10, 155, 305, 24, "Configurare BDE");
    pending->SetBevelOuter(bvNone);
    pending->SetAlignment(taRightJustify);
    auto* done = Panel(325, 155, 305, 24, "Actualizare CONFIG.SYS");
    done->Font().SetColor(clRed);
    done->SetAlignment(taLeftJustify);

    auto* keys = Panel(10, 189, 305, 40, "");
    keys->SetColor(clWhite);
    keys->OnPaint = [keys](TObject*) {
      TCanvas& c = keys->Canvas();
      c.Brush().SetStyle(bsClear);
      c.Font().SetHeight(-13);
      c.Font().SetColor(clBlack);
      DrawAcceleratorText(c, "&Da", {10, 0, 100, 40}, false, clRed,
                          DT_LEFT | DT_SINGLELINE | DT_VCENTER);
      DrawAcceleratorText(c, "&Nu", {110, 0, 200, 40}, false, clBlack,
                          DT_LEFT | DT_SINGLELINE | DT_VCENTER);
      DrawEmbossedText(c, "Renunt", {210, 0, 300, 40}, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    };

    auto* grey_host = Panel(325, 189, 305, 40, "");
    grey_host->SetBevelOuter(bvLowered);
    auto* grey_bar = Make<TTitleBar>(grey_host, 1, 1, 303, 25);
    grey_bar->SetCaption("Bara de titlu dezactivata");
    grey_bar->SetGrayed(true);

    auto* icons = Panel(10, 239, 620, 110, "");
    icons->SetBevelOuter(bvLowered);
    const TMsgDlgType kinds[] = {mtWarning, mtError, mtInformation, mtConfirmation};
    for (int i = 0; i < 4; ++i)
      Make<TTransImage>(icons, 10 + i * 52, 10, 0, 0)->SetKindMare(kinds[i]);
    // Glyphs side by side, each as wide as its picture.
    int x = 230;
    const TMButtonKind buttons[] = {mkOK, mkCancel, mkRetry, mkSave};
    for (TMButtonKind kind : buttons) {
      auto* glyph = Make<TTransImage>(icons, x, 12, 0, 0);
      glyph->SetKindMic(kind);
      x += glyph->Width() + 8;
    }
    x = 10;
    for (int g = glPermis; g <= glBuget; ++g) {
      auto* glyph = Make<TTransImage>(icons, x, 84, 0, 0);
      glyph->SetKindAlte(static_cast<TAlteGlife>(g));
      x += glyph->Width() + 6;
    }

    auto* body = Panel(10, 359, 620, 60,
                       "Pagina asa cum o vede utilizatorul: bara de titlu#"
                       "urmeaza legenda, panourile se coloreaza singure");
    Gradient(body, 0xFFFFFF, 0xB1AB7A, false);

    const char* captions[] = {"&Inapoi", "&Continua", "&Abandon"};
    const int lefts[] = {10, 100, 550};
    for (int i = 0; i < 3; ++i) {
      auto* b = Make<TButton>(this, lefts[i], 430, 80, 28);
      b->SetCaption(captions[i]);
      b->OnClick = [](TObject*) { Application.Terminate(); };
    }
    SetCaption("Galeria trusei de unelte");
  }

 private:
  template <class T>
  T* Make(TWinControl* parent, int l, int t, int w, int h) {
    T* c = new T(this);
    c->SetBounds(l, t, w ? w : c->Width(), h ? h : c->Height());
    c->SetParent(parent);
    return c;
  }
  TPaintedPanel* Panel(int l, int t, int w, int h, const std::string& caption) {
    auto* p = Make<TPaintedPanel>(this, l, t, w, h);
    p->SetCaption(caption);
    return p;
  }
  static void Gradient(TPaintedPanel* p, TColor from, TColor to, bool horizontal) {
    p->SetColor(from);
    p->SetSecondColor(to);
    p->SetUseSecondColor(true);
    p->SetUseHGradient(horizontal);
  }
};

}  // namespace

TForm* CreatePaintedGallery() {
  return CreateForm<TPaintedGallery>(&Application);
}
