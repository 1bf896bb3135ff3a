// A group of radio buttons, one per item, in columns. Its owner can refuse a change of the
// selection that the user asks for (OnModify); Home, End, Page Up and Page Down move it.
#pragma once

#include <functional>
#include <vector>

#include "forms/panels.h"
#include "forms/string_list.h"
#include "ui/controls/m_radio_button.h"

using TModifyEvent = std::function<void(TObject* sender, bool& can_modify)>;

class TMCustomRadioGroup;

// One item's button; it hands what the user does to its group.
class TMGroupButton : public TMRadioButton {
 public:
  TMGroupButton(TMCustomRadioGroup& group, int index);
  int Index() const { return index_; }
  bool DialogChar(char key) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;

 protected:
  void Clicked() override;

 private:
  TMCustomRadioGroup& group_;
  int index_;
};

class TMCustomRadioGroup : public TGroupBox {
 public:
  explicit TMCustomRadioGroup(TComponent* owner);

  TStringList& Items() { return items_; }
  int ItemIndex() const { return item_index_; }
  // Clamped to -1 .. count - 1; does not ask OnModify.
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TMGroupButton* Buttons(int index) const { return buttons_[static_cast<size_t>(index)]; }

  // Asked before the user changes the selection; may set can_modify to false.
  TModifyEvent OnModify;

  // A change the user asks for: asks OnModify, then selects and focuses the item.
  void UserSelect(int index);
  // Home, End, Page Up, Page Down; true when the key was one of them.
  bool SelectionKey(uint16_t key);
  void KeyDown(uint16_t& key, TShiftState shift) override;
  // The group places its buttons itself: scaled with it, they are placed anew.
  void ChangeScale(int m, int d) override;

 protected:
  void Resize() override;
  void FontChanged() override;
  void EnabledChanged() override;

 private:
  void UpdateButtons();
  void ArrangeButtons();

  TStringList items_;
  std::vector<TMGroupButton*> buttons_;
  int item_index_ = -1;
  int columns_ = 1;
};

class TMRadioGroup : public TMCustomRadioGroup {
 public:
  using TMCustomRadioGroup::TMCustomRadioGroup;
};
