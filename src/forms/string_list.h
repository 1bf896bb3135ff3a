// A list of strings that tells its holder when it changes (memo lines, combo items, radio items).
#pragma once

#include <functional>
#include <string>
#include <vector>

class TStringList {
 public:
  std::function<void()> OnChange;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int i) const { return items_[static_cast<size_t>(i)]; }
  const std::vector<std::string>& Items() const { return items_; }

  int Add(const std::string& s) {
    items_.push_back(s);
    Changed();
    return Count() - 1;
  }
  void Insert(int index, const std::string& s) {
    if (index < 0 || index > Count()) return;
    items_.insert(items_.begin() + index, s);
    Changed();
  }
  void Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    Changed();
  }
  void Put(int index, const std::string& s) {
    if (index < 0 || index >= Count()) return;
    items_[static_cast<size_t>(index)] = s;
    Changed();
  }
  void Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
  }
  void Assign(const std::vector<std::string>& items) {
    items_ = items;
    Changed();
  }
  int IndexOf(const std::string& s) const {
    for (size_t i = 0; i < items_.size(); ++i)
      if (items_[i] == s) return static_cast<int>(i);
    return -1;
  }
  // The lines joined by CR LF, each line ended.
  std::string Text() const {
    std::string t;
    for (const auto& s : items_) t += s + "\r\n";
    return t;
  }
  // Splits at CR LF, LF or CR; a final line break does not start a further line.
  void SetText(const std::string& text) {
    items_.clear();
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c == '\r' || c == '\n') {
        items_.push_back(line);
        line.clear();
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      } else {
        line += c;
      }
    }
    if (!line.empty()) items_.push_back(line);
    Changed();
  }

 private:
  void Changed() {
    if (OnChange) OnChange();
  }
  std::vector<std::string> items_;
};
