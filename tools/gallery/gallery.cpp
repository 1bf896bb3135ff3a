// Shows a form with every kind of control of the window framework; with "--toolkit" the toolkit's
// buttons and input controls, with "--painted" its painted panels, title bars and images. With
// "--screenshot FILE" it writes what the screen shows of the form to FILE (BMP) and ends.
#include <windows.h>

#include <string>

#include "forms/forms.h"
#include "message_gallery.h"
#include "painted_gallery.h"
#include "toolkit_gallery.h"
#include "ui/toolkit.h"

namespace {

class TGallery : public TForm {
 public:
  explicit TGallery(TComponent* owner) : TForm(owner) {
    SetCaption("Galerie");
    SetBorderStyle(bsDialog);
    SetClientWidth(600);
    SetClientHeight(400);
    Position = poScreenCenter;

    auto* title = Make<TPanel>(this, 0, 0, 0, 25);
    title->SetAlign(alTop);
    title->SetCaption("Panou aliniat sus");
    title->SetColor(RGBColor(4, 48, 77));
    title->Font().SetColor(clWhite);
    title->Font().SetStyle(fsBold);

    auto* edit_label = Make<TLabel>(this, 10, 38, 0, 0);
    edit_label->SetCaption("&Program:");
    auto* edit = Make<TEdit>(this, 80, 35, 180, 21);
    edit->SetText("C:\\WinVort\\");
    edit_label->SetFocusControl(edit);
    auto* disabled_label = Make<TLabel>(this, 10, 64, 0, 0);
    disabled_label->SetCaption("Eticheta dezactivata");
    disabled_label->SetEnabled(false);

    auto* memo = Make<TMemo>(this, 10, 85, 250, 50);
    memo->Lines().Add("Ati selectat o instalare de tip client.");
    memo->Lines().Add("Linia a doua a textului.");

    auto* combo = Make<TComboBox>(this, 10, 145, 250, 21);
    combo->Items().Assign({"LOCAL", "SERVER", "CLIENT"});
    combo->SetItemIndex(1);

    auto* group = Make<TGroupBox>(this, 10, 175, 250, 95);
    group->SetCaption("Tipul instalarii");
    const char* kinds[] = {"&LOCAL", "&SERVER", "CLIEN&T"};
    for (int i = 0; i < 3; ++i) {
      auto* radio = Make<TRadioButton>(group, 10, 20 + i * 22, 200, 18);
      radio->SetCaption(kinds[i]);
      if (i == 0) radio->SetChecked(true);
    }
    auto* check = Make<TCheckBox>(this, 10, 278, 120, 18);
    check->SetCaption("Bifat");
    check->SetChecked(true);
    auto* grayed = Make<TCheckBox>(this, 140, 278, 120, 18);
    grayed->SetCaption("Nedeterminat");
    grayed->AllowGrayed = true;
    grayed->SetState(cbGrayed);

    auto* lowered = Make<TPanel>(this, 280, 35, 150, 50);
    lowered->SetBevelOuter(bvNone);
    lowered->SetBevelInner(bvLowered);
    lowered->SetColor(RGBColor(207, 207, 207));
    lowered->SetCaption("Panou adancit");
    auto* raised = Make<TPanel>(this, 440, 35, 150, 50);
    raised->SetCaption("Panou ridicat");
    raised->SetAlignment(taLeftJustify);

    auto* drives = Make<TDriveComboBox>(this, 280, 95, 310, 21);
    auto* dirs = Make<TDirectoryListBox>(this, 280, 122, 310, 120);
    drives->SetDirList(dirs);
    try {
      dirs->SetDirectory("C:\\windows");
    } catch (const std::exception&) {
    }

    auto* gauge = Make<TGauge>(this, 280, 250, 310, 20);
    gauge->SetProgress(62);

    auto* image = Make<TImage>(this, 280, 280, 40, 40);
    image->Picture().SetSize(40, 40);
    image->Picture().Fill(clFuchsia);
    image->Picture().Canvas().Brush().SetColor(clNavy);
    image->Picture().Canvas().Ellipse({4, 4, 36, 36});
    image->SetTransparent(true);

    auto* bevel = Make<TBevel>(this, 330, 280, 260, 40);
    bevel->SetShape(bsFrame);

    auto* bar = Make<TPanel>(this, 0, 0, 0, 50);
    bar->SetAlign(alBottom);
    bar->SetBevelOuter(bvLowered);
    auto* back = Make<TButton>(bar, 10, 12, 90, 26);
    back->SetCaption("&Inapoi");
    back->SetEnabled(false);
    auto* next = Make<TButton>(bar, 110, 12, 90, 26);
    next->SetCaption("&Continua");
    next->SetDefault(true);
    next->SetModalResult(mrOk);
    auto* cancel = Make<TButton>(bar, 500, 12, 90, 26);
    cancel->SetCaption("&Abandon");
    cancel->SetCancel(true);
    cancel->OnClick = [](TObject*) { Application.Terminate(); };
    next->OnClick = [](TObject*) { Application.Terminate(); };
  }

 private:
  template <class T>
  T* Make(TWinControl* parent, int l, int t, int w, int h) {
    T* c = new T(this);
    if (w > 0 || h > 0)
      c->SetBounds(l, t, w > 0 ? w : c->Width(), h > 0 ? h : c->Height());
    else
      c->SetBounds(l, t, c->Width(), c->Height());
    c->SetParent(parent);
    return c;
  }
};

// What the screen shows inside the window's rectangle.
bool Screenshot(TForm& form, const std::string& path) {
  RECT r;
  GetWindowRect(form.Handle(), &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return shot.SaveToFile(path);
}

// Puts the mouse over a control, so that the picture shows its hot look.
void PointAt(TForm& form, const std::string& name) {
  if (auto* c = dynamic_cast<TControl*>(form.FindComponent(name))) {
    const TPoint p = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
    SetCursorPos(p.X, p.Y);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
  try {
    Application.SetTitle("Galerie");
    StartToolkit();
    std::string args = command_line ? command_line : "";
    // A leading switch chooses the page and is taken off the arguments.
    auto take_switch = [&args](const std::string& name) {
      if (args.rfind(name, 0) != 0) return false;
      const size_t rest = args.find_first_not_of(' ', name.size());
      args = rest == std::string::npos ? std::string() : args.substr(rest);
      return true;
    };
    // "--messages [FOLDER]": the message dialog's samples, photographed into FOLDER when given.
    if (take_switch("--messages"))
      return RunMessageGallery(
          args, [](TForm& f, const std::string& path) { return Screenshot(f, path); });
    const bool show_toolkit = take_switch("--toolkit");
    const bool show_painted = !show_toolkit && take_switch("--painted");
    TForm* gallery = show_toolkit   ? CreateToolkitGallery()
                     : show_painted ? CreatePaintedGallery()
                                    : CreateForm<TGallery>(&Application);
    Application.SetMainForm(gallery);
    const std::string flag = "--screenshot ";
    if (args.rfind(flag, 0) == 0) {
      gallery->Show();
      if (show_toolkit) PointAt(*gallery, "BNext");
      for (int i = 0; i < 20; ++i) {
        Application.ProcessMessages();
        Sleep(25);
      }
      return Screenshot(*gallery, args.substr(flag.size())) ? 0 : 1;
    }
    Application.Run();
    return 0;
  } catch (...) {
    Application.HandleException(std::current_exception());
    return 1;
  }
}
