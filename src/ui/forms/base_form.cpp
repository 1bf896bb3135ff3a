#include "ui/forms/base_form.h"

#include <iterator>

#include "os/os.h"
#include "os/text_encoding.h"
#include "ui/controls/title_bar.h"
#include "ui/controls/trans_image.h"
#include "ui/core/color_map.h"
#include "ui/message/message_form.h"
#include "ui/toolkit.h"

namespace {

struct MenuCaption {
  UINT command;
  const char* caption;
};
constexpr MenuCaption kSystemMenu[] = {
    {SC_RESTORE, "&Restaureaza"},  {SC_MOVE, "&Muta"},
    {SC_SIZE, "&Dimensioneaza"},   {SC_MINIMIZE, "Mi&nimizeaza"},
    {SC_MAXIMIZE, "Ma&ximizeaza"}, {SC_CLOSE, "&Inchide    ALT+F4"},
};

// Push buttons, images and bevels have no colour of their own to map.
bool HasMappableColor(const TComponent* c) {
  return dynamic_cast<const TControl*>(c) && !dynamic_cast<const TButton*>(c) &&
         !dynamic_cast<const TImage*>(c) && !dynamic_cast<const TBevel*>(c) &&
         !dynamic_cast<const TTransImage*>(c) && !dynamic_cast<const TTitleBar*>(c);
}

}  // namespace

const char* SystemMenuCaption(UINT command) {
  for (const MenuCaption& item : kSystemMenu)
    if (item.command == command) return item.caption;
  return nullptr;
}

TMForm::TMForm(TComponent* owner)
    : TForm(owner),
      creation_tick_(os::TickCount()),
      first_show_(true),
      buttons_(std::make_unique<TButtonList>()) {
  DoubleBuffered = true;
}

TMForm::TMForm(TComponent* owner, CreateNew) : TForm(owner) {}

TMForm::~TMForm() {
  MarkDestroying();
  // A part that fails to go is named, and the rest of the form still goes.
  try {
    DestroyComponents();
  } catch (...) {
    const std::string text = "Eroare la inherited destroy TMForm: " + Name();
    MessageBoxW(nullptr, os::WideShown(text).c_str(), os::WideShown(Application.Title()).c_str(),
                MB_OK);
  }
}

void TMForm::Loaded() {
  TForm::Loaded();
  if (!BuiltFromLayout()) return;
  if (BorderStyle() == bsSizeable) {
    const WorkAreaLimits limits = WorkArea();
    if (limits.width > 0 && (MaxWidth == 0 || MaxWidth > limits.width)) MaxWidth = limits.width;
    if (limits.height > 0 && (MaxHeight == 0 || MaxHeight > limits.height))
      MaxHeight = limits.height;
  }
  SetColor(MapColor(Color()));
  for (int i = 0; i < ComponentCount(); ++i) {
    TComponent* c = Components(i);
    if (auto* bar = dynamic_cast<TTitleBar*>(c)) {
      bar->SetStartColor(MapColor(kTitleStartColor));
      bar->SetEndColor(MapColor(kTitleEndColor));
    } else if (HasMappableColor(c)) {
      auto* control = static_cast<TControl*>(c);
      control->SetColor(MapColor(control->Color()));
    }
  }
}

void TMForm::DoShow() {
  if (creation_tick_ == 0) creation_tick_ = os::TickCount();
  TForm::DoShow();
  if (first_show_ && buttons_) {
    RememberButtons();
    first_show_ = false;
  }
}

void TMForm::RememberButtons() {
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* button = dynamic_cast<TButton*>(Components(i))) {
      if (!buttons_->Add(button, button->Enabled())) break;
      FreeNotification(button);
    }
  }
}

void TMForm::Notification(TComponent* component) {
  TForm::Notification(component);
  if (buttons_) buttons_->Forget(component);
  if (focused_button_ && static_cast<TComponent*>(focused_button_) == component)
    focused_button_ = nullptr;
}

void TMForm::EnableChanged(bool enabled) {
  if (!enabled) focused_button_ = nullptr;
  if (!buttons_ || buttons_->Count() == 0) return;
  for (int i = 0; i < buttons_->Count(); ++i) {
    TButton* button = buttons_->Button(i);
    if (!button) continue;
    if (enabled) {
      button->SetEnabled(buttons_->SavedState(i));
    } else {
      buttons_->SetSavedState(i, button->Enabled());
      if (button->Focused()) focused_button_ = button;
      button->SetEnabled(false);
    }
  }
  if (enabled && focused_button_ && focused_button_->Visible()) focused_button_->SetFocus();
}

void TMForm::MinMaxInfo(MINMAXINFO& info) {
  if (MaxWidth > 0) info.ptMaxSize.x = info.ptMaxTrackSize.x = MaxWidth;
  if (MaxHeight > 0) info.ptMaxSize.y = info.ptMaxTrackSize.y = MaxHeight;
}

void TMForm::LocaliseSystemMenu() {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return;
  for (const MenuCaption& item : kSystemMenu)
    ModifyMenuW(menu, item.command, MF_BYCOMMAND | MF_STRING, item.command,
                os::WideShown(item.caption).c_str());
  EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}

bool TMForm::CloseCommandGreyed() {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  return menu && (GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
}

void TMForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCCREATE:
      TForm::WndProc(m);
      if (BorderStyle() != bsNone && (BorderIcons() & biSystemMenu)) LocaliseSystemMenu();
      return;
    case WM_ENABLE:
      TForm::WndProc(m);
      EnableChanged(m.WParam != 0);
      return;
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) != WA_INACTIVE && Visible()) activated_once_ = true;
      break;
    case WM_SETCURSOR:
      if (HIWORD(m.LParam) == WM_RBUTTONDOWN) {
        if (auto* message = dynamic_cast<TMessageForm*>(Screen.ActiveForm())) {
          PostMessageW(message->Handle(), WM_KEYDOWN, VK_RETURN, 0);
          m.Result = TRUE;
          return;
        }
      }
      break;
    case WM_SYSCOMMAND:
      // Some systems close on Alt+F4 whatever the menu says; the greyed item is the rule here.
      if ((m.WParam & 0xFFF0) == SC_CLOSE && CloseCommandGreyed()) {
        m.Result = 0;
        return;
      }
      break;
    case WM_GETMINMAXINFO:
      TForm::WndProc(m);
      MinMaxInfo(*reinterpret_cast<MINMAXINFO*>(m.LParam));
      return;
    default:
      break;
  }
  TForm::WndProc(m);
}
