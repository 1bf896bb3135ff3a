#include "forms/application.h"

#include "forms/form.h"
#include "os/os.h"
#include "os/text_encoding.h"

// The screen first: the application frees its forms when it goes, and they report to the screen.
TScreen Screen;
TApplication Application;

TApplication::TApplication() : TComponent(nullptr) {}

std::string TApplication::Title() const {
  if (!title_.empty()) return title_;
  std::string name = os::ProgramPath();
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

void TApplication::Run() {
  if (main_form_) main_form_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
    if (TWinControl* target = TWinControl::FindControl(msg.hwnd)) {
      if (TForm* form = GetParentForm(target)) {
        bool handled = false;
        try {
          handled = form->PreProcessKey(msg, target);
        } catch (...) {
          HandleException(std::current_exception());
          handled = true;
        }
        if (handled) return true;
      }
    }
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void TApplication::HandleMessage() {
  MSG msg;
  const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0) {
    terminated_ = true;
    return;
  }
  if (got > 0) ProcessMessage(msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (!ProcessMessage(msg)) break;
}

std::string ExceptionText(const std::exception_ptr& failure) {
  try {
    if (failure) std::rethrow_exception(failure);
  } catch (const std::exception& e) {
    return e.what();
  } catch (const std::string& s) {
    return s;
  } catch (const char* s) {
    return s ? s : "";
  } catch (...) {
  }
  return "Eroare necunoscuta";
}

void TApplication::HandleException(const std::exception_ptr& failure) {
  try {
    if (OnException) {
      OnException(failure);
      return;
    }
    ShowException(ExceptionText(failure));
  } catch (...) {
    // The report must not end the loop that called it.
  }
}

void TApplication::ShowException(const std::string& text) {
  HWND owner = GetActiveWindow();
  const UINT modality = owner ? MB_APPLMODAL : MB_TASKMODAL;
  MessageBoxW(owner, os::WideShown(text).c_str(), os::WideShown(Title()).c_str(),
              MB_OK | MB_ICONERROR | modality);
}
