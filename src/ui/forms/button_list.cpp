#include "ui/forms/button_list.h"

#include "forms/buttons.h"

namespace {

constexpr size_t kGrowth = 16;

}  // namespace

bool TButtonList::Add(TButton* button, bool enabled) {
  if (Count() >= kMaxCount) return false;
  if (items_.size() == items_.capacity()) items_.reserve(items_.capacity() + kGrowth);
  items_.push_back({button, enabled});
  return true;
}

TButton* TButtonList::Button(int index) const {
  return InRange(index) ? items_[static_cast<size_t>(index)].button : nullptr;
}

bool TButtonList::SavedState(int index) const {
  return InRange(index) && items_[static_cast<size_t>(index)].saved_enabled;
}

void TButtonList::SetSavedState(int index, bool enabled) {
  if (InRange(index)) items_[static_cast<size_t>(index)].saved_enabled = enabled;
}

void TButtonList::Forget(const TComponent* component) {
  for (Item& item : items_)
    if (item.button && static_cast<const TComponent*>(item.button) == component)
      item.button = nullptr;
}
