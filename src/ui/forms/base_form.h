// The toolkit's base form: the Romanian system menu without a usable close command, the greying
// of the form's push buttons while another window is modal over it, the mapping of the button
// face to the toolkit's grey, the size limit of sizeable forms and the right-click that answers a
// message window.
#pragma once

#include <memory>

#include "forms/forms.h"
#include "ui/forms/button_list.h"

class TMForm : public TForm {
 public:
  // A form laid out by its constructor, as every page is: it keeps a list of its push buttons.
  explicit TMForm(TComponent* owner);
  // Built bare, as a message window is: no button list, no colour mapping, no size limit.
  struct CreateNew {};
  TMForm(TComponent* owner, CreateNew);
  ~TMForm() override;

  // The tick count of creation, or of the first show when creation recorded none.
  uint32_t CreationTick() const { return creation_tick_; }
  void ResetCreationTick() { creation_tick_ = 0; }
  bool ActivatedOnce() const { return activated_once_; }
  // nullptr for a form built bare.
  const TButtonList* Buttons() const { return buttons_.get(); }

  // The largest size the user may drag the window to; 0 means no limit.
  int MaxWidth = 0;
  int MaxHeight = 0;

  // Applies the work-area limit, then maps the colours of the form and of what it owns.
  void Loaded() override;

 protected:
  void WndProc(TMessage& m) override;
  void DoShow() override;
  void Notification(TComponent* component) override;
  // The form is being enabled or disabled (a modal window closed or opened over it).
  virtual void EnableChanged(bool enabled);
  virtual void MinMaxInfo(MINMAXINFO& info);
  bool BuiltFromLayout() const { return buttons_ != nullptr; }

 private:
  void LocaliseSystemMenu();
  void RememberButtons();
  void GreyButtons(bool enabled);
  bool CloseCommandGreyed();

  uint32_t creation_tick_ = 0;
  bool first_show_ = false;
  std::unique_ptr<TButtonList> buttons_;
  TButton* focused_button_ = nullptr;
  bool activated_once_ = false;
};

// The base of forms that paint their own look; nothing more of its own.
class TPaintedForm : public TMForm {
 public:
  using TMForm::TMForm;
};

// The caption of the system menu's items, by command.
const char* SystemMenuCaption(UINT command);
