#include "app/background_window.h"

#include "app/background_layout.h"
#include "forms/forms.h"
#include "forms/place_control.h"
#include "ui/controls/fmt_label.h"
#include "ui/controls/painted_panel.h"
#include "ui/controls/trans_image.h"

namespace {

constexpr TColor kFormColour = 9061895;   // red 7, green 70, blue 138
constexpr TColor kPanelColour = 9193992;  // red 8, green 74, blue 140
constexpr int kTileStep = 8;

// A picture that is missing or damaged is left out.
TBitmap Artwork(const char* name) {
  TBitmap picture;
  picture.LoadFromResourceName(nullptr, name);
  return picture;
}

// The 16 by 16 tile of the panels, all of the panel colour.
TBitmap Tile() {
  TBitmap tile(16, 16);
  tile.Fill(kPanelColour);
  return tile;
}

class TInstaller : public TForm {
 public:
  explicit TInstaller(TComponent* owner) : TForm(owner) {
    // The artwork keeps its own pixels at any screen scaling: the window fills the screen
    // whatever its size, and the pictures would only blur or leave the screen if scaled.
    Scaled = false;
    SetBorderStyle(bsNone);
    SetBorderIcons(0);
    SetBounds(-4, -4, 1024, 749);
    SetClientWidth(1024);
    SetClientHeight(749);
    SetColor(kFormColour);
    Font().SetName("System");
    Font().SetHeight(-13);
    SetCaption("RidOZIZUZ");

    PaintedPanel1 = PlaceControl<TPaintedPanel>(this, this, "PaintedPanel1", 0, 0, 1024, 749);
    PaintedPanel1->SetAlign(alClient);
    PlainPanel(*PaintedPanel1);
    PaintedPanel1->SetColor(kPanelColour);
    PaintedPanel1->OnPaint = [this](TObject*) { TilePanel(*PaintedPanel1); };

    Panou = PlaceControl<TPaintedPanel>(this, PaintedPanel1, "Panou", 25, -2, 750, 499);
    PlainPanel(*Panou);
    Panou->SetParentColor(true);
    Panou->OnPaint = [this](TObject*) { TilePanel(*Panou); };

    Picture(Panou, "Image1", 226, -3, 446, 218, "Emblema");
    Picture(Panou, "Image5", 10, 199, 709, 112, "Denumire");
    Background = PlaceControl<TTransImage>(this, PaintedPanel1, "Background", 200, 189, 16, 16);
    Background->SetBitmap(Tile());
    Background->SetVisible(false);
    Picture(Panou, "Image4", 226, 319, 197, 70, "Discuri");

    auto* panel1 = PlaceControl<TPanel>(this, PaintedPanel1, "Panel1", 0, 0, 1024, 41);
    panel1->SetAlign(alBottom);
    panel1->SetBevelOuter(bvNone);
    panel1->SetParentColor(true);

    VerLbl = PlaceControl<TFmtLabel>(this, panel1, "VerLbl", 4, 24, 59, 16);
    VerLbl->SetFmtAlign(alMBottom);
    VerLbl->SetTransparent(true);
    VerLbl->Font().SetName("MS Sans Serif");
    VerLbl->Font().SetHeight(-13);
    VerLbl->Font().SetCharset(EASTEUROPE_CHARSET);
    VerLbl->Font().SetColor(clWindowText);
    VerLbl->SetShadowColor(clBtnShadow);

    auto* label1 = PlaceControl<TLabel>(this, panel1, "Label1", 0, 25, 1024, 16);
    label1->SetAutoSize(false);
    label1->SetAlign(alBottom);
    label1->SetAlignment(taRightJustify);
    label1->Font().SetName("MS Sans Serif");
    label1->Font().SetHeight(-13);
    label1->Font().SetColor(clWhite);
    label1->SetColor(kFormColour);
    label1->SetTransparent(true);
    label1->SetCaption(std::string(kWebAddress) + "       ");

    OnResize = [this](TObject*) { FormResize(); };
    SetWindowState(wsMaximized);
  }

 protected:
  void DoShow() override {
    // Once: a later change of the number format leaves the label as it was first shown.
    if (!shown_) {
      VerLbl->SetCaption(VersionCaption(kProgramVersion));
      shown_ = true;
    }
    TForm::DoShow();
  }

 private:
  static void PlainPanel(TPaintedPanel& panel) {
    panel.SetBevelOuter(bvNone);
    panel.SetUseHGradient(false);
    panel.SetUseSecondColor(false);
    panel.SetUseBorderColor(false);
  }

  void Picture(TWinControl* parent, const char* name, int left, int top, int width, int height,
               const char* artwork) {
    auto* image = PlaceControl<TTransImage>(this, parent, name, left, top, width, height);
    image->SetBitmap(Artwork(artwork));
    image->SetBounds(left, top, width, height);
  }

  void FormResize() {
    const PanelPlace place =
        CentredPanel(ClientWidth(), ClientHeight(), Panou->Width(), Panou->Height());
    Panou->SetBounds(place.left, place.top, Panou->Width(), Panou->Height());
  }

  // Columns outside the region being painted are passed over: the pixels come out the same.
  void TilePanel(TPaintedPanel& panel) {
    HDC dc = panel.Canvas().Handle();
    RECT clip{0, 0, panel.Width(), panel.Height()};
    GetClipBox(dc, &clip);
    HDC tile = Background->Bitmap().DC();
    for (int x = 0; x < panel.Width(); x += kTileStep) {
      if (x + kTileStep <= clip.left || x >= clip.right) continue;
      for (int y = 0; y < panel.Height(); y += kTileStep) {
        if (y + kTileStep <= clip.top || y >= clip.bottom) continue;
        BitBlt(dc, x, y, kTileStep, kTileStep, tile, 0, 0, SRCCOPY);
      }
    }
  }

  TPaintedPanel* PaintedPanel1;
  TPaintedPanel* Panou;
  TTransImage* Background;
  TFmtLabel* VerLbl;
  bool shown_ = false;
};

}  // namespace

TForm* CreateBackgroundWindow() {
  return CreateForm<TInstaller>(&Application);
}
