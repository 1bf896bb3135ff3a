// The application: main form, message loops, and the standard report of a failure that escapes
// an event handler.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "forms/controls.h"
#include "forms/screen.h"

class TForm;

class TApplication : public TComponent {
 public:
  TApplication();

  // The caption of the standard error report; the program's file name without extension until
  // set.
  std::string Title() const;
  void SetTitle(const std::string& title) { title_ = title; }

  TForm* MainForm() const { return main_form_; }
  void SetMainForm(TForm* form) { main_form_ = form; }

  // Shows the main form and handles messages until Terminate or the main form closes.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every message waiting now, then returns.
  void ProcessMessages();
  // Waits for one message and handles it.
  void HandleMessage();

  // Reports a failure that escaped a handler: OnException when set, otherwise the standard
  // report (a system message box with the failure's text, the title as caption, the error icon
  // and one OK button). Never throws.
  void HandleException(const std::exception_ptr& failure);
  void ShowException(const std::string& text);
  std::function<void(const std::exception_ptr&)> OnException;

  // Runs inside every modal loop as soon as the modal form is on screen: lets tests and tools
  // watch and drive each modal window.
  std::function<void(TForm&)> OnModalShow;

  TColor HintColor = clInfoBk;

  // Handled by the framework before dispatching; public for the modal loops of forms.
  bool ProcessMessage(MSG& msg);

 private:
  std::string title_;
  TForm* main_form_ = nullptr;
  bool terminated_ = false;
};

extern TApplication Application;

// The text of a failure as the standard report shows it.
std::string ExceptionText(const std::exception_ptr& failure);
