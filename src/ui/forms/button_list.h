// The push buttons of a form with the enabled state each had before a modal window greyed them.
#pragma once

#include <cstdint>
#include <vector>

class TButton;
class TComponent;

class TButtonList {
 public:
  static constexpr int kMaxCount = 8193;

  // False (and nothing added) once the list is full.
  bool Add(TButton* button, bool enabled);
  int Count() const { return static_cast<int>(items_.size()); }
  int Capacity() const { return static_cast<int>(items_.capacity()); }
  // Out-of-range indexes read as nothing and false; writes to them are ignored.
  TButton* Button(int index) const;
  bool SavedState(int index) const;
  void SetSavedState(int index, bool enabled);
  // A freed button leaves its place empty, so that indexes stay put.
  void Forget(const TComponent* component);

 private:
  struct Item {
    TButton* button;
    bool saved_enabled;
  };
  bool InRange(int index) const { return index >= 0 && index < Count(); }
  std::vector<Item> items_;
};
