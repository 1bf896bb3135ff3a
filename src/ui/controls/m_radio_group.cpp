#include "ui/controls/m_radio_group.h"

#include "ui/core/radio_group_layout.h"

TMGroupButton::TMGroupButton(TMCustomRadioGroup& group, int index)
    : TMRadioButton(&group), group_(group), index_(index) {}

void TMGroupButton::Clicked() {
  group_.UserSelect(index_);
}

bool TMGroupButton::DialogChar(char key) {
  if (!IsAccel(key, Caption()) || !CanFocus()) return false;
  group_.UserSelect(index_);
  return true;
}

void TMGroupButton::KeyDown(uint16_t& key, TShiftState shift) {
  TMRadioButton::KeyDown(key, shift);
  if (key && group_.SelectionKey(key)) key = 0;
}

TMCustomRadioGroup::TMCustomRadioGroup(TComponent* owner) : TGroupBox(owner) {
  TabStop = false;
  items_.OnChange = [this] { UpdateButtons(); };
}

void TMCustomRadioGroup::UpdateButtons() {
  while (ButtonCount() > items_.Count()) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  while (ButtonCount() < items_.Count()) {
    auto* button = new TMGroupButton(*this, ButtonCount());
    button->SetEnabled(Enabled());
    button->SetParent(this);
    buttons_.push_back(button);
  }
  for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->SetCaption(items_[i]);
  item_index_ = ClampItemIndex(item_index_, ButtonCount());
  for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->SetChecked(i == item_index_);
  ArrangeButtons();
}

void TMCustomRadioGroup::ArrangeButtons() {
  const int count = ButtonCount();
  for (int i = 0; i < count; ++i) {
    const RadioItemRect r = RadioItemBounds(i, count, columns_, Width(), Height());
    Buttons(i)->SetBounds(r.left, r.top, r.width, r.height);
  }
}

void TMCustomRadioGroup::SetItemIndex(int index) {
  index = ClampItemIndex(index, ButtonCount());
  if (index == item_index_) return;
  if (item_index_ >= 0) Buttons(item_index_)->SetChecked(false);
  item_index_ = index;
  if (index >= 0) Buttons(index)->SetChecked(true);
}

void TMCustomRadioGroup::SetColumns(int columns) {
  columns_ = columns < 1 ? 1 : columns;
  ArrangeButtons();
}

void TMCustomRadioGroup::UserSelect(int index) {
  index = ClampItemIndex(index, ButtonCount());
  if (index < 0) return;
  if (index != item_index_) {
    bool can_modify = true;
    if (OnModify) OnModify(this, can_modify);
    if (!can_modify) return;
    SetItemIndex(index);
    Click();
  }
  if (Buttons(index)->CanFocus()) Buttons(index)->SetFocus();
}

bool TMCustomRadioGroup::SelectionKey(uint16_t key) {
  const int last = ButtonCount() - 1;
  if (last < 0) return false;
  switch (key) {
    case VK_HOME:
      UserSelect(0);
      return true;
    case VK_END:
      UserSelect(last);
      return true;
    case VK_PRIOR:
      if (item_index_ > 0) UserSelect(item_index_ - 1);
      return true;
    case VK_NEXT:
      if (item_index_ < last) UserSelect(item_index_ + 1);
      return true;
    default:
      return false;
  }
}

void TMCustomRadioGroup::KeyDown(uint16_t& key, TShiftState shift) {
  TGroupBox::KeyDown(key, shift);
  if (key && SelectionKey(key)) key = 0;
}

void TMCustomRadioGroup::ChangeScale(int m, int d) {
  TGroupBox::ChangeScale(m, d);
  ArrangeButtons();
}

void TMCustomRadioGroup::Resize() {
  ArrangeButtons();
  TGroupBox::Resize();
}

void TMCustomRadioGroup::FontChanged() {
  TGroupBox::FontChanged();
  ArrangeButtons();
}

void TMCustomRadioGroup::EnabledChanged() {
  TGroupBox::EnabledChanged();
  for (TMGroupButton* button : buttons_) button->SetEnabled(Enabled());
}
