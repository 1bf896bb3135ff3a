#include "ui/forms/title_form.h"

#include <windowsx.h>

TTitleForm::TTitleForm(TComponent* owner) : TPaintedForm(owner) {
  KeyPreview = true;
}

TTitleForm::TTitleForm(TComponent* owner, CreateNew tag) : TPaintedForm(owner, tag) {
  KeyPreview = true;
}

void TTitleForm::SetTitleBar(TTitleBar* bar) {
  if (bar == title_bar_) return;
  if (title_bar_) RemoveFreeNotification(title_bar_);
  title_bar_ = bar;
  if (!bar) return;
  FreeNotification(bar);
  bar->SetCaption(Caption());
}

void TTitleForm::Loaded() {
  TPaintedForm::Loaded();
  SetTitleBar(dynamic_cast<TTitleBar*>(FindComponent("TitleBar1")));
}

void TTitleForm::Notification(TComponent* component) {
  TPaintedForm::Notification(component);
  if (title_bar_ && static_cast<TComponent*>(title_bar_) == component) title_bar_ = nullptr;
}

void TTitleForm::KeyDown(uint16_t& key, TShiftState shift) {
  if (key == VK_F4 && (shift & ssAlt)) {
    key = 0;
    return;
  }
  TPaintedForm::KeyDown(key, shift);
}

void TTitleForm::CreateParams(TCreateParams& params) {
  TPaintedForm::CreateParams(params);
  // Without the dialog-frame bits the platform draws no caption, only a thin border.
  params.Style &= ~static_cast<DWORD>(WS_DLGFRAME);
}

void TTitleForm::TextChanged() {
  TPaintedForm::TextChanged();
  if (title_bar_) title_bar_->SetCaption(Caption());
}

void TTitleForm::EnableChanged(bool enabled) {
  TPaintedForm::EnableChanged(enabled);
  if (title_bar_) title_bar_->SetGrayed(!enabled);
}

void TTitleForm::MinMaxInfo(MINMAXINFO& info) {
  TPaintedForm::MinMaxInfo(info);
  if (!title_bar_ || !HandleAllocated()) return;
  RECT window, client;
  GetWindowRect(Handle(), &window);
  GetClientRect(Handle(), &client);
  const int non_client = (window.bottom - window.top) - (client.bottom - client.top);
  info.ptMinTrackSize.y = non_client + TitleBarMetricsFor(96).height;
}

void TTitleForm::WndProc(TMessage& m) {
  if (m.Msg == WM_NCHITTEST) {
    TPaintedForm::WndProc(m);
    if (m.Result != HTCLIENT) return;
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    ::ScreenToClient(Handle(), &p);
    if (ChildWindowFromPointEx(Handle(), p, CWP_SKIPINVISIBLE) == Handle()) m.Result = HTCAPTION;
    return;
  }
  TPaintedForm::WndProc(m);
}
