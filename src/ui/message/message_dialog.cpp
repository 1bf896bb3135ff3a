// The message window, built for each message from the toolkit's own controls, shown modally and
// freed again.
#include <algorithm>
#include <memory>
#include <vector>

#include "log/debug_log.h"
#include "ui/controls/fmt_label.h"
#include "ui/controls/nice_button.h"
#include "ui/controls/title_bar.h"
#include "ui/controls/trans_image.h"
#include "ui/core/fmt_caption.h"
#include "ui/glyphs/glyph_images.h"
#include "ui/message/mesaj_dlg.h"
#include "ui/message/message_buttons.h"
#include "ui/message/message_form.h"
#include "ui/message/message_kind.h"
#include "ui/message/message_layout.h"
#include "ui/message/message_shortcuts.h"
#include "ui/message/message_text.h"

std::string MessageSuffix;

namespace {

bool g_unattended = false;

// The default button's answer, written to the log in place of the dialog.
uint16_t AnswerUnattended(const std::string& text, const std::string& caption,
                          TMsgDlgButtons buttons, uint8_t default_button) {
  const std::vector<MessageButton> shown = MessageButtons(buttons, default_button);
  const auto chosen =
      std::find_if(shown.begin(), shown.end(), [](const MessageButton& b) { return b.is_default; });
  const MessageButton* answer = chosen != shown.end() ? &*chosen
                                : shown.empty()       ? nullptr
                                                      : &shown.front();
  std::string flat = text;
  for (char& c : flat)
    if (c == '\r' || c == '\n') c = ' ';
  DebugNote("Mesaj " + caption + ": " + flat + " -> " +
            (answer ? StripAccel(answer->caption) : std::string("-")));
  return static_cast<uint16_t>(answer ? answer->modal_result : 0);
}

constexpr TColor kMessageTitleStart = 0x825106;
constexpr UINT_PTR kDismissTimer = 1;

AutoDismissSwitches g_switches;
// The message an automatic-dismissal timer acts on, while it is shown.
TMessageForm* g_timed_form = nullptr;

// Paints no caption, but keeps the message as its window text: the label that shows it has no
// window, and screen readers and outside drivers read texts from windows.
class TMessagePanel : public TPanel {
 public:
  using TPanel::TPanel;

 protected:
  void Paint() override {
    TRect r = ClientRect();
    DrawFrame(Canvas(), r);
  }
};

bool IsPushButton(const TComponent* c) {
  return dynamic_cast<const TButton*>(c) != nullptr;
}

TButton* FirstLiveDefault(TForm& form) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* b = dynamic_cast<TButton*>(form.Components(i));
    if (b && b->Default() && b->Visible() && b->Enabled()) return b;
  }
  return nullptr;
}

// Runs one tick of a dismissal timer; true when the action is due now (the timer is then gone).
bool DismissalDue(HWND window) {
  if (!g_timed_form) return false;
  int tag = static_cast<int>(g_timed_form->Tag);
  const bool due = AutoDismissTick(tag);
  g_timed_form->Tag = tag;
  if (due) KillTimer(window, kDismissTimer);
  return due;
}

void CALLBACK CloseSingleTick(HWND window, UINT, UINT_PTR, DWORD) {
  if (DismissalDue(window)) g_timed_form->Close();
}

void CALLBACK PressDefaultTick(HWND window, UINT, UINT_PTR, DWORD) {
  if (!DismissalDue(window)) return;
  if (TButton* b = FirstLiveDefault(*g_timed_form)) b->Click();
}

void OnShortcut(TMessageForm& form, const TControl* icon, TObject* sender, TMouseButton button) {
  if (button == mbRight) {
    for (int i = 0; i < form.ComponentCount(); ++i) {
      auto* b = dynamic_cast<TButton*>(form.Components(i));
      if (b && b->Default()) b->Click();
    }
    return;
  }
  if (sender != icon) return;
  int count = 0;
  TButton* default_button = nullptr;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    if (!IsPushButton(form.Components(i))) continue;
    ++count;
    auto* b = static_cast<TButton*>(form.Components(i));
    if (b->Default()) default_button = b;
  }
  switch (OnMessageIconClick(form.ClickCount, count, default_button != nullptr, g_switches)) {
    case IconClickAction::kPressDefault:
      default_button->Click();
      break;
    case IconClickAction::kCloseWithIgnore:
      form.SetModalResult(mrIgnore);
      break;
    case IconClickAction::kNone:
      break;
  }
}

// The text's size in the layout's units of 1/96 inch, measured in the font the label shows it in
// at `pixels_per_inch`: a font's text does not grow in proportion to its height, so a size
// measured at 96 and scaled could not hold it.
TextSize MeasureBold(const TFont& font, const std::string& text, int max_width,
                     int pixels_per_inch) {
  HDC screen = GetDC(nullptr);
  TextSize size;
  {
    TCanvas canvas(screen);
    canvas.Font().Assign(font);
    canvas.Font().SetHeight(MulDiv(font.Height(), pixels_per_inch, 96));
    canvas.Font().SetStyle(font.Style() | fsBold);
    TRect r{0, 0, ScaleToScreen(max_width, pixels_per_inch), 0};
    // The label shows the text as written, so an "&" is measured as a character too.
    canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    size = {ScaleToLayout(r.Width(), pixels_per_inch), ScaleToLayout(r.Height(), pixels_per_inch)};
  }
  ReleaseDC(nullptr, screen);
  return size;
}

void Place(TControl* c, const LayoutRect& r) {
  c->SetBounds(r.left, r.top, r.width, r.height);
}

template <class T>
T* Make(TMessageForm* form, TWinControl* parent, const char* name) {
  auto* c = new T(form);
  if (name) c->SetName(name);
  c->SetParent(parent);
  return c;
}

// Builds the window of one message; throws when it cannot be built.
TMessageForm* BuildMessage(const std::string& text, const std::string& caption, TMsgDlgType type,
                           TAlignment alignment, TMsgDlgButtons buttons, uint8_t default_button,
                           int& button_count) {
  auto form = std::make_unique<TMessageForm>(&Application);
  // A message asked for while another is shown still needs a name of its own.
  if (!Application.FindComponent("Message")) form->SetName("Message");
  form->SetBorderStyle(bsDialog);
  form->SetBorderIcons(biSystemMenu);
  form->PixelsPerInch = 96;
  form->Font().SetName("MS Sans Serif");
  form->Font().SetHeight(-11);

  auto* bar = Make<TTitleBar>(form.get(), form.get(), nullptr);
  bar->SetAlign(alTop);
  bar->SetHeight(kMessageTitleBarHeight);
  bar->SetStartColor(kMessageTitleStart);
  form->SetTitleBar(bar);

  auto* panel = Make<TMessagePanel>(form.get(), form.get(), "Panel");
  panel->SetCaption(text);
  panel->SetBevelOuter(bvLowered);
  auto* separator = Make<TBevel>(form.get(), form.get(), "Bevel");
  separator->SetShape(bsTopLine);

  // Laid out at 96 pixels per inch and scaled to the screen's at the end.
  const int ppi = Screen.PixelsPerInch();
  MessageLayoutInput in;
  in.screen_width = ScaleToLayout(Screen.Width(), ppi);
  in.screen_height = ScaleToLayout(Screen.Height(), ppi);
  const TFont& font = form->Font();
  in.measure_text = [&font, ppi](const std::string& t, int max_width) {
    return MeasureBold(font, t, max_width, ppi);
  };
  in.text = text;
  const TBitmap& icon_picture = MessageIcon(type);
  in.icon_width = icon_picture.Width();
  in.icon_height = icon_picture.Height();
  in.buttons = buttons;
  in.default_button = default_button;
  in.frame_width = form->Width() - form->ClientWidth();
  in.frame_height = form->Height() - form->ClientHeight();
  const MessageLayout layout = LayoutMessage(in);

  auto* label = Make<TFmtLabel>(form.get(), panel, "Message");
  label->SetAlignment(alignment);
  label->SetTransparent(true);
  label->SetWordWrap(true);
  label->SetCaption(LiteralFmtCaption(text));
  label->Font().SetStyle(label->Font().Style() | fsBold);

  auto* icon = Make<TTransImage>(form.get(), panel, "Image");
  icon->SetBitmap(icon_picture);

  auto* button_bar = Make<TPanel>(form.get(), form.get(), nullptr);
  button_bar->SetCaption("");
  button_bar->SetBevelOuter(bvLowered);
  for (size_t i = 0; i < layout.buttons.size(); ++i) {
    const MessageButton& b = layout.buttons[i];
    auto* button = Make<TNiceButton>(form.get(), button_bar, nullptr);
    button->SetKind(b.kind);
    button->SetDefault(b.is_default);
    if (b.is_default) form->SetActiveControl(button);
    button->SetCancel(b.is_cancel);
    button->SetName(b.name);  // two buttons of one caption fail here
    Place(button, layout.button_bounds[i]);
  }
  button_count = static_cast<int>(layout.buttons.size());

  form->SetClientWidth(layout.client_width);
  form->SetClientHeight(layout.client_height);
  Place(panel, layout.panel);
  Place(separator, layout.separator);
  Place(button_bar, layout.button_bar);
  Place(label, layout.label);
  Place(icon, layout.icon);

  form->SetCaption(caption.empty() ? std::string(DefaultMessageCaption(type)) : caption);
  form->Position = poDesigned;
  form->SetLeft(layout.form_left);
  form->SetTop(layout.form_top);
  if (ppi != 96) {
    form->ScaleToScreen();
    // Centred as it is, not as it was laid out.
    form->SetLeft(Screen.Width() / 2 - form->Width() / 2);
    form->SetTop(Screen.Height() / 2 - form->Height() / 2);
  }

  TMessageForm* raw = form.get();
  auto shortcut = [raw, icon](TObject* sender, TMouseButton button, TShiftState, int, int) {
    OnShortcut(*raw, icon, sender, button);
  };
  panel->OnMouseDown = shortcut;
  label->OnMouseDown = shortcut;
  icon->OnMouseDown = shortcut;
  button_bar->OnMouseDown = shortcut;
  form->OnShortcut = shortcut;
  return form.release();
}

// Starts the timer that dismisses `form` by itself, when the switches ask for it.
bool ArmDismissal(TMessageForm* form, int button_count) {
  TForm* main = Application.MainForm();
  const AutoDismissPlan plan = PlanAutoDismissal(g_switches, button_count, main != nullptr);
  if (plan.action == AutoDismissal::kNone) return false;
  form->Tag = plan.initial_tag;
  g_timed_form = form;
  SetTimer(main->Handle(), kDismissTimer, static_cast<UINT>(plan.period_ms),
           plan.action == AutoDismissal::kCloseSingle ? &CloseSingleTick : &PressDefaultTick);
  return true;
}

}  // namespace

void SetMessagesUnattended(bool unattended) {
  g_unattended = unattended;
}

bool MessagesUnattended() {
  return g_unattended;
}

uint16_t MesajDlg(const std::string& msg, const std::string& caption, TMsgDlgType dlg_type,
                  TAlignment alignment, TMsgDlgButtons buttons, uint8_t default_button,
                  int32_t /*help_ctx: no help file here*/) {
  const std::string text = MessageText(msg, MessageSuffix);
  if (g_unattended) return AnswerUnattended(text, caption, buttons, default_button);
  const TCursor saved_cursor = Screen.Cursor();
  Screen.SetCursor(crArrow);
  TMessageForm* form = nullptr;
  bool armed = false;
  uint16_t result = 0;
  try {
    int button_count = 0;
    form = BuildMessage(text, caption, dlg_type, alignment, buttons, default_button, button_count);
    armed = ArmDismissal(form, button_count);
    result = static_cast<uint16_t>(form->ShowModal());
  } catch (...) {
    result = 0;
  }
  if (armed) {
    // A timer that has not acted yet must not outlive its message.
    if (Application.MainForm() && Application.MainForm()->HandleAllocated())
      KillTimer(Application.MainForm()->Handle(), kDismissTimer);
    g_timed_form = nullptr;
  }
  delete form;
  Screen.SetCursor(saved_cursor);
  return result;
}

bool AskRetry(const std::string& text, const std::string& caption) {
  if (g_unattended) {
    AnswerUnattended(text, caption, Btn(mbRetry) | Btn(mbCancel), mbCancel);
    return false;
  }
  // The question says itself what to do; the disk prompts' suffix is not part of it.
  const WithoutMessageSuffix plain;
  return MesajDlg(text, caption, mtWarning, taCenter, Btn(mbRetry) | Btn(mbCancel), mbRetry, 0) ==
         mrRetry;
}
